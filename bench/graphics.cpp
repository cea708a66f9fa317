// Speed of the canvas's innermost loops: brush fills against a plain memory fill, outlined
// rectangles and lines in pixels per second, ellipses and blits.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "framework/graphics/bitmap.h"

namespace {

constexpr int kW = 1920, kH = 1080;

void FillRectFullHd(benchmark::State& state) {
  fw::TBitmap bmp(kW, kH);
  fw::TCanvas* c = bmp.Canvas();
  c->Brush()->SetColor(fw::clNavy);
  for (auto _ : state) {
    c->FillRect(fw::Rect(0, 0, kW, kH));
    benchmark::DoNotOptimize(bmp.ScanLine(0)[0]);
  }
  state.counters["px/s"] =
      benchmark::Counter(double(kW) * kH * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(FillRectFullHd);

void StdFillFullHd(benchmark::State& state) {
  std::vector<uint32_t> pixels(size_t(kW) * kH, 0xFFFFFF);
  for (auto _ : state) {
    std::fill(pixels.begin(), pixels.end(), 0x000080u);
    benchmark::DoNotOptimize(pixels.data());
    benchmark::ClobberMemory();
  }
  state.counters["px/s"] =
      benchmark::Counter(double(kW) * kH * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(StdFillFullHd);

// Outlined and filled rectangles of side n: n * n pixels each.
void RectangleThroughput(benchmark::State& state) {
  const int n = int(state.range(0));
  fw::TBitmap bmp(kW, kH);
  fw::TCanvas* c = bmp.Canvas();
  c->Brush()->SetColor(fw::clYellow);
  int i = 0;
  for (auto _ : state) {
    const int x = (i * 37) % (kW - n), y = (i * 53) % (kH - n);
    c->Rectangle(x, y, x + n, y + n);
    ++i;
  }
  state.counters["px/s"] =
      benchmark::Counter(double(n) * n * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(RectangleThroughput)->Arg(16)->Arg(100)->Arg(500);

// 1-pixel lines of every direction; max(|dx|, |dy|) pixels each.
void LineToThroughput(benchmark::State& state) {
  const int mode = int(state.range(0));
  fw::TBitmap bmp(kW, kH);
  fw::TCanvas* c = bmp.Canvas();
  if (mode == 1) c->Pen()->SetMode(fw::pmXor);
  double pixels = 0;
  int i = 0;
  for (auto _ : state) {
    const int x0 = (i * 97) % kW, y0 = (i * 61) % kH, x1 = (i * 331) % kW, y1 = (i * 433) % kH;
    c->MoveTo(x0, y0);
    c->LineTo(x1, y1);
    pixels += std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    ++i;
  }
  state.counters["px/s"] = benchmark::Counter(pixels, benchmark::Counter::kIsRate);
}
BENCHMARK(LineToThroughput)->Arg(0)->Arg(1);

void WideLineThroughput(benchmark::State& state) {
  fw::TBitmap bmp(kW, kH);
  fw::TCanvas* c = bmp.Canvas();
  c->Pen()->SetWidth(5);
  double pixels = 0;
  int i = 0;
  for (auto _ : state) {
    const int x0 = (i * 97) % kW, y0 = (i * 61) % kH, x1 = (i * 331) % kW, y1 = (i * 433) % kH;
    c->MoveTo(x0, y0);
    c->LineTo(x1, y1);
    pixels += 5.0 * std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    ++i;
  }
  state.counters["px/s"] = benchmark::Counter(pixels, benchmark::Counter::kIsRate);
}
BENCHMARK(WideLineThroughput);

void EllipseThroughput(benchmark::State& state) {
  fw::TBitmap bmp(kW, kH);
  fw::TCanvas* c = bmp.Canvas();
  c->Brush()->SetColor(fw::clLime);
  for (auto _ : state) c->Ellipse(100, 100, 600, 500);
  state.counters["px/s"] =
      benchmark::Counter(500.0 * 400 * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(EllipseThroughput);

void DrawFullHd(benchmark::State& state) {
  fw::TBitmap src(kW, kH), dst(kW, kH);
  if (state.range(0) == 1) dst.Canvas()->SetCopyMode(fw::cmSrcAnd);
  for (auto _ : state) dst.Canvas()->Draw(0, 0, &src);
  state.counters["px/s"] =
      benchmark::Counter(double(kW) * kH * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(DrawFullHd)->Arg(0)->Arg(1);

}  // namespace
