// Meter benchmarks: a full paint of a meter with scale bands and labels, at the default size
// (297 x 209) and at 1200 x 900, through PaintTo onto a bitmap; and a value change of a meter
// shown on a 1920 x 1080 form over a tiled background of one pixel.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "framework/backend/headless/test_host.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "meter/ZEB_Meter.h"

namespace {

void BM_MeterFullPaint(benchmark::State& state) {
  const int width = int(state.range(0));
  const int height = int(state.range(1));
  auto meter = std::make_unique<zeb::TMeter>(nullptr);
  meter->SetBounds(0, 0, width, height);
  meter->SetMaxValue(100);
  meter->SetScaleBkVisible(true);
  meter->SetLowThreshold(20);
  meter->SetHighThreshold(80);
  meter->SetValue(55);
  fw::TBitmap page;
  page.SetSize(width, height);
  for (auto _ : state) {
    meter->PaintTo(page.Canvas(), 0, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MeterFullPaint)->Args({297, 209})->Args({1200, 900})->Unit(benchmark::kMicrosecond);

// Every SetValue repaints the meter on the form at once.
void BM_MeterSetValueTiledPixel(benchmark::State& state) {
  const int width = int(state.range(0));
  const int height = int(state.range(1));
  const std::string picture = "/tmp/panekit_bench_meter_pixel.bmp";
  {
    fw::TBitmap pixel(1, 1);
    pixel.Canvas()->SetPixels(0, 0, fw::clSilver);
    pixel.SaveToFile(picture);
  }
  fw::TestHost host(width, height);
  auto* meter = new zeb::TMeter(host.Form());
  meter->SetParent(host.Form());
  meter->SetBounds(0, 0, width, height);
  host.Show();
  meter->SetBakGndFname(picture);
  meter->SetBkgndFillMode(zeb::bfTile);
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    meter->SetValue(flip ? 0.25 : 0.75);
  }
  std::remove(picture.c_str());
}
BENCHMARK(BM_MeterSetValueTiledPixel)->Args({1920, 1080})->Unit(benchmark::kMillisecond);

}  // namespace
