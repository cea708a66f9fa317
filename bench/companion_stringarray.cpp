// TStringArray at one million rows by ten columns of 8-character texts: filling, the memory
// it holds, and sorting by a text and by a numeric column, each beside std::stable_sort of the
// same keys.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "companion/ZEB_dstruct.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kCols = 10;
constexpr int kTextCol = 1;
constexpr int kNumberCol = 2;

// Column 1: random letters of both cases; column 2: numbers like "4711.123"; the other
// columns: random letters too. All texts are 8 characters long.
struct Data {
  std::vector<std::string> texts;  // kRows * kCols, column-major
  std::vector<double> numbers;     // values of column 2
  Data() {
    std::mt19937 random(12345);
    texts.resize(static_cast<std::size_t>(kRows) * kCols);
    numbers.resize(kRows);
    for (int c = 0; c < kCols; ++c) {
      for (int r = 0; r < kRows; ++r) {
        std::string& t = texts[static_cast<std::size_t>(c) * kRows + r];
        if (c + 1 == kNumberCol) {
          const int whole = static_cast<int>(random() % 10000);
          const int part = static_cast<int>(random() % 1000);
          char buffer[16];
          std::snprintf(buffer, sizeof buffer, "%04d.%03d", whole, part);
          t = buffer;
          numbers[r] = whole + part / 1000.0;
        } else {
          t.resize(8);
          for (char& ch : t) {
            const int k = static_cast<int>(random() % 52);
            ch = static_cast<char>(k < 26 ? 'a' + k : 'A' + k - 26);
          }
        }
      }
    }
  }
  const std::string& At(int col, int row) const {
    return texts[static_cast<std::size_t>(col - 1) * kRows + (row - 1)];
  }
};

const Data& TheData() {
  static const Data data;
  return data;
}

std::unique_ptr<zeb::TStringArray> Fill() {
  const Data& data = TheData();
  auto m = std::make_unique<zeb::TStringArray>(nullptr);
  m->SetAllocRowsBy(10);
  m->Resize(kCols, kRows);
  for (int c = 1; c <= kCols; ++c)
    for (int r = 1; r <= kRows; ++r) m->SetElem(c, r, data.At(c, r));
  return m;
}

zeb::TStringArray& Filled() {
  static const std::unique_ptr<zeb::TStringArray> m = Fill();
  return *m;
}

void BM_Fill(benchmark::State& state) {
  TheData();
  std::size_t bytes = 0;
  for (auto _ : state) {
    auto m = Fill();
    bytes = m->MemoryUsed();
    benchmark::DoNotOptimize(m.get());
  }
  const double cells = static_cast<double>(kRows) * kCols;
  state.counters["bytes_held"] = static_cast<double>(bytes);
  state.counters["text_bytes"] = cells * 8;
  state.counters["bytes_per_cell"] = static_cast<double>(bytes) / cells;
  state.counters["limit_per_cell"] = 2 * 8 + 8;
}
BENCHMARK(BM_Fill)->Unit(benchmark::kMillisecond)->Iterations(3);

void SortBy(benchmark::State& state, int col) {
  zeb::TStringArray& m = Filled();
  for (auto _ : state) {
    m.Sort(col, -1, true);
    state.PauseTiming();
    m.UnSort();
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

// The reference: row numbers stably sorted by the lower-cased texts / the values.
void BM_StdStableSortText(benchmark::State& state) {
  const Data& data = TheData();
  std::vector<std::string> keys(kRows);
  for (int r = 1; r <= kRows; ++r) {
    keys[r - 1] = data.At(kTextCol, r);
    for (char& ch : keys[r - 1])
      ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  }
  std::vector<uint32_t> order(kRows);
  for (auto _ : state) {
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(),
                     [&](uint32_t a, uint32_t b) { return keys[a] < keys[b]; });
    benchmark::DoNotOptimize(order.data());
  }
}
BENCHMARK(BM_StdStableSortText)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_StdStableSortNumbers(benchmark::State& state) {
  const std::vector<double>& keys = TheData().numbers;
  std::vector<uint32_t> order(kRows);
  for (auto _ : state) {
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(),
                     [&](uint32_t a, uint32_t b) { return keys[a] < keys[b]; });
    benchmark::DoNotOptimize(order.data());
  }
}
BENCHMARK(BM_StdStableSortNumbers)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
