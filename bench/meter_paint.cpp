// Meter benchmark: a full paint of a meter with scale bands and labels, at the default size
// (297 x 209) and at 1200 x 900, through PaintTo onto a bitmap.
#include <benchmark/benchmark.h>

#include <memory>

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

}  // namespace
