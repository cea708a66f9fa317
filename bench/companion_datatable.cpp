// Speed of TDataTable's bulk operations on a table of 1000 columns: resizing from empty,
// filling, inserting a row at the top (which moves every cell) and inverting all states.
#include <benchmark/benchmark.h>

#include "companion/ZEB_datatable.h"

namespace {

constexpr int kCols = 1000;

void SetCellRate(benchmark::State& state, int64_t cellsPerIteration) {
  state.counters["cells/s"] = benchmark::Counter(
      double(cellsPerIteration) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void ResizeFromEmpty(benchmark::State& state) {
  const int rows = int(state.range(0));
  zeb::TDataTable table(nullptr);
  for (auto _ : state) {
    state.PauseTiming();  // freeing the cells is not part of the resize
    table.Resize(0, 0);
    state.ResumeTiming();
    table.Resize(kCols, rows);
    benchmark::DoNotOptimize(table.GetElem(kCols, rows));
  }
  SetCellRate(state, int64_t(kCols) * rows);
}

void Fill(benchmark::State& state) {
  const int rows = int(state.range(0));
  zeb::TDataTable table(nullptr);
  table.Resize(kCols, rows);
  double v = 0.0;
  for (auto _ : state) {
    table.Fill(v += 1.0);
    benchmark::DoNotOptimize(table.GetElem(kCols, rows));
  }
  SetCellRate(state, int64_t(kCols) * rows);
}

void InsertRowAtTop(benchmark::State& state) {
  const int rows = int(state.range(0));
  zeb::TDataTable table(nullptr);
  table.Resize(kCols, rows);
  table.Fill(1.0);
  for (auto _ : state) {
    table.InsertRow(1);
    benchmark::DoNotOptimize(table.GetElem(1, 2));
  }
  SetCellRate(state, int64_t(kCols) * rows);
}

void InvertCellStates(benchmark::State& state) {
  const int rows = int(state.range(0));
  zeb::TDataTable table(nullptr);
  table.Resize(kCols, rows);
  for (auto _ : state) {
    table.InvertCellStates(zeb::csMarkA | zeb::csEmpty);
    benchmark::DoNotOptimize(table.GetCellState(kCols, rows));
  }
  SetCellRate(state, int64_t(kCols) * rows);
}

// 1000 x 1000 for the cache-resident case, 1000 x 100000 (1e8 cells, about 900 MB) for the
// large one; the large runs repeat only a few times.
BENCHMARK(ResizeFromEmpty)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Fill)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(InsertRowAtTop)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(InvertCellStates)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
