// Button benchmarks: an on/off button's paint for every style (100 x 50, captions on two
// sides, opaque and see-through), switching one button of a group of 100 on (the broadcast
// and both repaints), and a speed button's paint.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/graphics/bitmap.h"
#include "framework/stdctrls/speed_button.h"
#include "indicators/ZEB_onoffbut.h"

namespace {

void BM_OnOffButPaint(benchmark::State& state) {
  fw::TestHost host(120, 60);
  auto* button = new zeb::TOnOffBut(host.Form());
  button->SetParent(host.Form());
  button->SetBounds(0, 0, 100, 50);
  button->SetButtonStyle(zeb::TOnOffButStyle(state.range(0)));
  button->SetTransparent(state.range(1) != 0);
  button->SetLeftText("Off");
  button->SetRightText("On");
  host.Show();
  fw::TBitmap page(100, 50);
  for (auto _ : state) {
    button->PaintTo(page.Canvas(), 0, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_OnOffButPaint)
    ->ArgsProduct({{zeb::oobsCheckbox, zeb::oobsColSlideLR, zeb::oobsBulb, zeb::oobsButLamp},
                   {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void BM_OnOffButGroupToggle(benchmark::State& state) {
  fw::TestHost host(1000, 500);
  std::vector<zeb::TOnOffBut*> group;
  for (int i = 0; i < 100; ++i) {
    auto* b = new zeb::TOnOffBut(host.Form());
    b->SetParent(host.Form());
    b->SetBounds((i % 10) * 100, (i / 10) * 50, 100, 50);
    b->SetButtonStyle(zeb::oobsRadioBut);
    b->SetOnOff(false);
    b->SetAllowAllOff(false);
    b->SetGroupIndex(1);
    group.push_back(b);
  }
  host.Show();
  size_t next = 0;
  for (auto _ : state) {
    group[next]->SetOnOff(true);  // repaints it and the one that goes off
    next = (next + 37) % group.size();
  }
}
BENCHMARK(BM_OnOffButGroupToggle)->Unit(benchmark::kMicrosecond);

void BM_SpeedButtonPaint(benchmark::State& state) {
  fw::TestHost host(120, 60);
  auto* button = new fw::TSpeedButton(host.Form());
  button->SetParent(host.Form());
  button->SetBounds(0, 0, 90, 28);
  button->SetCaption("&Apply");
  fw::TBitmap glyph(32, 16);
  glyph.Canvas()->Brush()->SetColor(fw::clOlive);
  glyph.Canvas()->FillRect(fw::Rect(0, 0, 32, 16));
  glyph.Canvas()->Brush()->SetColor(fw::clLime);
  glyph.Canvas()->Ellipse(2, 2, 14, 14);
  button->SetGlyph(&glyph);
  host.Show();
  fw::TBitmap page(90, 28);
  for (auto _ : state) {
    button->PaintTo(page.Canvas(), 0, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SpeedButtonPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
