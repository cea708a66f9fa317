// Grid benchmarks: a full repaint of an 800 x 600 grid of 10 columns, with 1,000,000 rows and
// with 100 rows, scrolled to the middle, through PaintTo onto a bitmap; and the partial repaint
// that follows moving the current cell by one row on a shown form.
#include <benchmark/benchmark.h>

#include <memory>

#include "framework/backend/headless/test_host.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/grids/grids.h"

namespace {

void BM_GridFullRepaint(benchmark::State& state) {
  const int rows = int(state.range(0));
  auto grid = std::make_unique<fw::TDrawGrid>(nullptr);
  grid->SetBounds(0, 0, 800, 600);
  grid->SetColCount(10);
  grid->SetRowCount(rows);
  grid->SetTopRow(rows / 2);
  int cells = 0;
  grid->OnDrawCell = [&](fw::TObject*, int, int, fw::TRect, fw::TGridDrawState) { ++cells; };
  fw::TBitmap page;
  page.SetSize(800, 600);
  for (auto _ : state) {
    grid->PaintTo(page.Canvas(), 0, 0);
    benchmark::DoNotOptimize(cells);
  }
  state.counters["cells/paint"] = double(cells) / double(state.iterations());
}
BENCHMARK(BM_GridFullRepaint)->Arg(1000000)->Arg(100)->Unit(benchmark::kMicrosecond);

// Down then Up, each followed by the paint it schedules (two cells each).
void BM_GridSelectionMove(benchmark::State& state) {
  fw::TestHost host(800, 600);
  auto* grid = new fw::TDrawGrid(host.Form());
  grid->SetParent(host.Form());
  grid->SetBounds(0, 0, 800, 600);
  grid->SetColCount(10);
  grid->SetRowCount(int(state.range(0)));
  int cells = 0;
  grid->OnDrawCell = [&](fw::TObject*, int, int, fw::TRect, fw::TGridDrawState) { ++cells; };
  host.Show();
  grid->SetFocus();
  host.ProcessMessages();
  cells = 0;
  for (auto _ : state) {
    host.PressKey(fw::VK_DOWN);
    host.PressKey(fw::VK_UP);
    benchmark::DoNotOptimize(cells);
  }
  state.counters["cells/move"] = double(cells) / double(2 * state.iterations());
}
BENCHMARK(BM_GridSelectionMove)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace
