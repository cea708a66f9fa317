// Progress bar benchmarks: SetValue with its immediate repaint of a 400 x 40 bar on a shown
// form, as a stretched gradient, in one colour, and as a gradient with a grid; the value
// alternates so every call repaints.
#include <benchmark/benchmark.h>

#include "framework/backend/headless/test_host.h"
#include "indicators/ZEB_ProgBar.h"

namespace {

constexpr int kWidth = 400, kHeight = 40;

struct ShownBar {
  ShownBar() : host(kWidth, kHeight) {
    bar = new zeb::TProgBar(host.Form());
    bar->SetParent(host.Form());
    bar->SetBounds(0, 0, kWidth, kHeight);
    host.Show();
  }
  fw::TestHost host;
  zeb::TProgBar* bar;
};

// Arg 0: one colour; 1: gradient (cgmStretch); 2: gradient and a grid every 4 pixels.
void BM_ProgBarSetValue(benchmark::State& state) {
  ShownBar s;
  s.bar->SetShowColorGradient(state.range(0) > 0);
  s.bar->SetGridDist(state.range(0) > 1 ? 4 : 0);
  s.bar->SetTextPosX(kWidth / 2);
  s.bar->SetTextPosY(kHeight / 2);
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    s.bar->SetValue(flip ? 87.5 : 12.5);
  }
}
BENCHMARK(BM_ProgBarSetValue)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
