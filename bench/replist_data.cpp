// The report list data store at one million rows by eight columns of 8-character texts:
// filling through SetElem (with the memory the matrix then holds, and what it holds beyond
// the texts), and sorting by a text and by a numeric column.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "replist/ZEB_replist.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kCols = 8;
constexpr int kTextCol = 1;
constexpr int kNumberCol = 2;

// Column 2 holds numbers like "4711.123", the others random letters of both cases.
const std::vector<std::string>& Texts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> result(static_cast<std::size_t>(kRows) * kCols);
    std::mt19937 random(4711);
    for (int c = 1; c <= kCols; ++c) {
      for (int r = 1; r <= kRows; ++r) {
        std::string& t = result[static_cast<std::size_t>(c - 1) * kRows + (r - 1)];
        if (c == kNumberCol) {
          char buffer[16];
          std::snprintf(buffer, sizeof buffer, "%04d.%03d", static_cast<int>(random() % 10000),
                        static_cast<int>(random() % 1000));
          t = buffer;
          continue;
        }
        t.resize(8);
        for (char& ch : t) {
          const int k = static_cast<int>(random() % 52);
          ch = static_cast<char>(k < 26 ? 'a' + k : 'A' + k - 26);
        }
      }
    }
    return result;
  }();
  return texts;
}

std::unique_ptr<zeb::TRLData> Fill() {
  const std::vector<std::string>& texts = Texts();
  auto store = std::make_unique<zeb::TRLData>(nullptr);
  store->SetNrCols(kCols);
  store->SetNrRows(kRows);
  for (int c = 1; c <= kCols; ++c)
    for (int r = 1; r <= kRows; ++r)
      store->SetElem(c, r, texts[static_cast<std::size_t>(c - 1) * kRows + (r - 1)]);
  return store;
}

zeb::TRLData& Filled() {
  static const std::unique_ptr<zeb::TRLData> store = Fill();
  return *store;
}

void BM_FillBySetElem(benchmark::State& state) {
  Texts();
  std::size_t bytes = 0;
  for (auto _ : state) {
    auto store = Fill();
    bytes = store->Matrix()->MemoryUsed();
    benchmark::DoNotOptimize(store.get());
  }
  const double cells = static_cast<double>(kRows) * kCols;
  state.counters["bytes_per_cell"] = static_cast<double>(bytes) / cells;
  // Every text is 8 characters long: what the store holds beyond them.
  state.counters["overhead_per_cell"] = static_cast<double>(bytes) / cells - 8;
  state.counters["MB_held"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_FillBySetElem)->Unit(benchmark::kMillisecond)->Iterations(3);

void SortBy(benchmark::State& state, int col) {
  zeb::TRLData& store = Filled();
  for (auto _ : state) {
    store.Sort(col, -1, true);
    state.PauseTiming();
    store.UnSort();
    state.ResumeTiming();
  }
}

void BM_SortTextColumn(benchmark::State& state) {
  SortBy(state, kTextCol);
}
BENCHMARK(BM_SortTextColumn)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SortNumericColumn(benchmark::State& state) {
  SortBy(state, kNumberCol);
}
BENCHMARK(BM_SortNumericColumn)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
