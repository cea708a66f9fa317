// Display benchmarks through PaintTo onto a bitmap: the seven-segment display of 8 digits at
// 400 x 100 from a warm cache and its full cache rebuild, the numeric label at 200 x 30, and
// the rotated label at 45 degrees with 30 characters.
#include <benchmark/benchmark.h>

#include <memory>

#include "displays/ZEB_NumLab.h"
#include "displays/ZEB_RotLab.h"
#include "displays/ZEB_sevenseg.h"
#include "framework/graphics/bitmap.h"

namespace {

template <typename C>
void PaintRepeatedly(benchmark::State& state, C& control) {
  fw::TBitmap page(control.Width(), control.Height());
  for (auto _ : state) {
    control.PaintTo(page.Canvas(), 0, 0);
    benchmark::ClobberMemory();
  }
}

void BM_SevenSegPaintWarm(benchmark::State& state) {
  auto seg = std::make_unique<zeb::TSevenSeg>(nullptr);
  seg->SetBounds(0, 0, 400, 100);
  seg->SetNumDigits(8);
  seg->SetCaption("-12.34:5°");
  PaintRepeatedly(state, *seg);
}
BENCHMARK(BM_SevenSegPaintWarm)->Unit(benchmark::kMicrosecond);

void BM_SevenSegCacheRebuild(benchmark::State& state) {
  auto seg = std::make_unique<zeb::TSevenSeg>(nullptr);
  seg->SetBounds(0, 0, 400, 100);
  seg->SetNumDigits(8);
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    seg->SetColorText(flip ? fw::clLime : fw::clRed);  // the whole strip, built when needed
    benchmark::DoNotOptimize(&seg->ImageCache());
  }
}
BENCHMARK(BM_SevenSegCacheRebuild)->Unit(benchmark::kMillisecond);

// A new size composes and scales the 21 characters again.
void BM_SevenSegResizeRebuild(benchmark::State& state) {
  auto seg = std::make_unique<zeb::TSevenSeg>(nullptr);
  seg->SetNumDigits(8);
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    seg->SetBounds(0, 0, flip ? 400 : 440, 100);
    benchmark::DoNotOptimize(&seg->ImageCache());
  }
}
BENCHMARK(BM_SevenSegResizeRebuild)->Unit(benchmark::kMillisecond);

void BM_NumLabPaint(benchmark::State& state) {
  auto label = std::make_unique<zeb::TNumLab>(nullptr);
  label->SetBounds(0, 0, 200, 30);
  label->SetLeftText("U");
  label->SetRightText("V");
  label->SetValue(3.14159);
  PaintRepeatedly(state, *label);
}
BENCHMARK(BM_NumLabPaint)->Unit(benchmark::kMicrosecond);

void BM_RotLabPaint45(benchmark::State& state) {
  auto label = std::make_unique<zeb::TRotLab>(nullptr);
  label->SetBounds(0, 0, 300, 300);
  label->SetCaption("Thirty characters turned by 45");
  label->SetTextAngle(45);
  PaintRepeatedly(state, *label);
}
BENCHMARK(BM_RotLabPaint45)->Unit(benchmark::kMicrosecond);

}  // namespace
