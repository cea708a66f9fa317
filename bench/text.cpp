// Speed of the text engine: a 40-character line at 8 points drawn with a warm glyph cache,
// anti-aliased and monochrome, upright and turned; and measuring the same line.
#include <benchmark/benchmark.h>

#include <vector>

#include "framework/graphics/text_engine.h"

namespace {

constexpr const char* kLine = "Channel 12: 47.25 kHz, gain -3.5 dB (ok)";  // 40 characters

void DrawLine(benchmark::State& state, bool antialiased, int escapement, const char* family,
              bool background) {
  std::vector<fw::TPixel> pixels(640 * 480, 0xFFFFFF);
  fw::PixelTarget target{pixels.data(), 640, 480, 640};
  fw::FontSpec font;
  font.name = family;
  font.height = -11;
  font.antialiased = antialiased;
  font.escapement = escapement;
  std::optional<fw::TPixel> fill;
  if (background) fill = 0xC0C0C0;
  fw::DrawText(target, target.Bounds(), 20, 300, kLine, font, 0x000000, fill);  // warm the cache
  for (auto _ : state) {
    fw::DrawText(target, target.Bounds(), 20, 300, kLine, font, 0x000000, fill);
    benchmark::DoNotOptimize(pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * 40);
}

void BM_DrawLineAntialiased(benchmark::State& s) {
  DrawLine(s, true, 0, "MS Sans Serif", false);
}
void BM_DrawLineOpaque(benchmark::State& s) {
  DrawLine(s, true, 0, "MS Sans Serif", true);
}
void BM_DrawLineMonochrome(benchmark::State& s) {
  DrawLine(s, false, 0, "MS Sans Serif", false);
}
void BM_DrawLineTurned90(benchmark::State& s) {
  DrawLine(s, true, 900, "MS Sans Serif", false);
}
void BM_DrawLineTurned30(benchmark::State& s) {
  DrawLine(s, true, 300, "MS Sans Serif", true);
}
void BM_DrawLineBuiltin(benchmark::State& s) {
  DrawLine(s, false, 0, fw::kBuiltinFontName, true);
}

void BM_MeasureLine(benchmark::State& state) {
  fw::FontSpec font;
  for (auto _ : state) benchmark::DoNotOptimize(fw::MeasureText(font, kLine));
}

BENCHMARK(BM_DrawLineAntialiased)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLineOpaque)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLineMonochrome)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLineTurned90)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLineTurned30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLineBuiltin)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MeasureLine)->Unit(benchmark::kMicrosecond);

}  // namespace
