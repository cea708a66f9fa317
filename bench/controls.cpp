// Controls benchmarks: dispatching a mouse move through a form of 200 controls, and
// advancing the virtual clock over 1,000 ticks of 10 timers.
#include <benchmark/benchmark.h>

#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/controls/application.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/controls/timers.h"

namespace {

// A form with a 20 x 10 grid of 200 graphic controls of 16 x 16 pixels.
struct GridForm {
  GridForm() : host(320, 160) {
    for (int i = 0; i < 200; ++i) {
      auto* c = new fw::TGraphicControl(host.Form());
      c->SetBounds((i % 20) * 16, (i / 20) * 16, 16, 16);
      c->OnMouseMove = [this](fw::TObject*, fw::TShiftState, int x, int) { sink += x; };
      c->SetParent(host.Form());
    }
    host.Show();
  }
  fw::TestHost host;
  int sink = 0;
};

// Alternates between two controls, so every move also changes the hovered control.
void BM_MouseMoveThrough200Controls(benchmark::State& state) {
  GridForm grid;
  fw::TInputDispatch& input = fw::Application->Input();
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    input.MouseMove(grid.host.Form(), {}, flip ? 300 : 8, flip ? 150 : 8);
  }
  benchmark::DoNotOptimize(grid.sink);
}
BENCHMARK(BM_MouseMoveThrough200Controls);

// Moves within one control: hit-test and delivery only.
void BM_MouseMoveWithinOneControl(benchmark::State& state) {
  GridForm grid;
  fw::TInputDispatch& input = fw::Application->Input();
  int x = 0;
  for (auto _ : state) {
    x = (x + 1) & 7;
    input.MouseMove(grid.host.Form(), {}, 300 + x, 150);
  }
  benchmark::DoNotOptimize(grid.sink);
}
BENCHMARK(BM_MouseMoveWithinOneControl);

// Ten timers of 10 ms over 1,000 ms: 1,000 ticks per iteration.
void BM_AdvanceTime1000TicksOf10Timers(benchmark::State& state) {
  fw::TestHost host;
  int ticks = 0;
  std::vector<fw::HWND> windows;
  for (int i = 0; i < 10; ++i) {
    windows.push_back(fw::AllocateHWnd([&ticks](fw::TMessage& m) {
      if (m.Msg == fw::WM_TIMER) ++ticks;
    }));
    fw::SetTimer(windows.back(), 1, 10);
  }
  for (auto _ : state) host.AdvanceTime(1000);
  state.counters["ticks/iter"] =
      benchmark::Counter(static_cast<double>(ticks) / static_cast<double>(state.iterations()));
  for (fw::HWND w : windows) fw::DeallocateHWnd(w);
}
BENCHMARK(BM_AdvanceTime1000TicksOf10Timers)->Unit(benchmark::kMicrosecond);

}  // namespace
