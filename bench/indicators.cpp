// Indicator benchmarks: a gradient fill of 1920 x 1080 with 255 bands through PaintTo onto a
// bitmap, beside the framework's plain FillRect of the same area.
#include <benchmark/benchmark.h>

#include <memory>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "indicators/ZEB_gradfl.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080;

void BM_GradFillPaint(benchmark::State& state) {
  auto fill = std::make_unique<zeb::TGradFill>(nullptr);
  fill->SetBounds(0, 0, kWidth, kHeight);
  fill->SetNrColors(int(state.range(0)));
  fill->SetFillType(zeb::gtMidBandVert);
  fw::TBitmap page(kWidth, kHeight);
  for (auto _ : state) {
    fill->PaintTo(page.Canvas(), 0, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_GradFillPaint)->Arg(255)->Arg(16)->Unit(benchmark::kMicrosecond);

void BM_PlainFillRect(benchmark::State& state) {
  fw::TBitmap page(kWidth, kHeight);
  page.Canvas()->Brush()->SetColor(fw::clTeal);
  for (auto _ : state) {
    page.Canvas()->FillRect(fw::Rect(0, 0, kWidth, kHeight));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlainFillRect)->Unit(benchmark::kMicrosecond);

}  // namespace
