// Raster label benchmarks: one scroll step with its repaint at 400 x 48 on a shown form (the
// paint of the invalidated area, as the loop does it after each tick), the same with a long
// text that mostly lies outside, and sampling a framework font into a dot matrix.
#include <benchmark/benchmark.h>

#include <string>

#include "displays/ZEB_RasterLab.h"
#include "framework/backend/headless/test_host.h"
#include "framework/graphics/pen_brush_font.h"

namespace {

void ScrollSteps(benchmark::State& state, const std::string& text) {
  fw::TestHost host(420, 60);
  auto* lab = new zeb::TRasterLab(host.Form());
  lab->SetParent(host.Form());
  lab->SetBounds(0, 0, 400, 48);
  lab->SetText(text);
  lab->SetScrollMode(zeb::rdsmLeft);
  host.Show();
  for (auto _ : state) {
    lab->DoTimer();
    lab->Update();
  }
  benchmark::DoNotOptimize(lab->ScrollOffsetX());
}

void BM_RasterLabScrollStep400x48(benchmark::State& state) {
  ScrollSteps(state, "Dot-matrix text scrolling by");
}
BENCHMARK(BM_RasterLabScrollStep400x48)->Unit(benchmark::kMicrosecond);

void BM_RasterLabScrollStepLongText(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "Long running text ÄÖÜ € ";
  ScrollSteps(state, text);
}
BENCHMARK(BM_RasterLabScrollStepLongText)->Unit(benchmark::kMicrosecond);

void BM_RasterLabCreateBitFont(benchmark::State& state) {
  fw::TFont font;
  font.SetName("Arial");
  font.SetSize(12);
  for (auto _ : state) benchmark::DoNotOptimize(zeb::TRasterLab::CreateBitFont(font).height);
}
BENCHMARK(BM_RasterLabCreateBitFont)->Unit(benchmark::kMillisecond);

}  // namespace
