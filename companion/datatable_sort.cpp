// Unit ZEB_datatable: sorting rows and columns by the values of one column or row, reported to
// listeners exchange by exchange.
#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "companion/ZEB_datatable.h"
#include "companion/datatable_progress.h"

namespace zeb {

namespace {

struct Key {
  bool number;
  double value;
};

// The order of the permutation `order` (order[i] = index placed at position i) as a list of
// exchanges of positions, applied left to right.
std::vector<std::pair<int, int>> ExchangesOf(const std::vector<int>& order) {
  const int n = int(order.size());
  std::vector<int> at(n);     // at[p]: original index now at position p
  std::vector<int> where(n);  // where[k]: position of original index k
  std::iota(at.begin(), at.end(), 0);
  std::iota(where.begin(), where.end(), 0);
  std::vector<std::pair<int, int>> exchanges;
  for (int i = 0; i < n; ++i) {
    const int j = where[order[i]];
    if (j == i) continue;
    exchanges.emplace_back(i, j);
    std::swap(at[i], at[j]);
    where[at[i]] = i;
    where[at[j]] = j;
  }
  return exchanges;
}

// Stable order of the keys: numbers ascending or descending, then every cell that is not a
// number (or holds NaN) in its original order.
std::vector<int> SortedOrder(const std::vector<Key>& keys, bool ascending) {
  std::vector<int> order(keys.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const Key& ka = keys[a];
    const Key& kb = keys[b];
    if (ka.number != kb.number) return ka.number;
    if (!ka.number) return false;
    return ascending ? ka.value < kb.value : ka.value > kb.value;
  });
  return order;
}

// Limits [low, high] to 1..count; false when nothing is left.
bool LimitRange(int& low, int& high, int count) {
  low = std::max(low, 1);
  high = std::min(high, count);
  return low <= high;
}

}  // namespace

void TDataTable::ExchangeRows(int r1, int r2, int colLow, int colHigh, bool moveHeadings) {
  for (int c = colLow; c <= colHigh; ++c) {
    std::swap(values_[At(c, r1)], values_[At(c, r2)]);
    std::swap(states_[At(c, r1)], states_[At(c, r2)]);
  }
  if (moveHeadings) std::swap(rowHeads_[r1 - 1], rowHeads_[r2 - 1]);
  OnSortExchange(this, xkRows, r1, r2, colLow, colHigh);
}

void TDataTable::ExchangeColumns(int c1, int c2, int rowLow, int rowHigh, bool moveHeadings) {
  const int count = rowHigh - rowLow + 1;
  std::swap_ranges(values_.begin() + std::ptrdiff_t(At(c1, rowLow)),
                   values_.begin() + std::ptrdiff_t(At(c1, rowLow) + count),
                   values_.begin() + std::ptrdiff_t(At(c2, rowLow)));
  std::swap_ranges(states_.begin() + std::ptrdiff_t(At(c1, rowLow)),
                   states_.begin() + std::ptrdiff_t(At(c1, rowLow) + count),
                   states_.begin() + std::ptrdiff_t(At(c2, rowLow)));
  if (moveHeadings) std::swap(colHeads_[c1 - 1], colHeads_[c2 - 1]);
  OnSortExchange(this, xkColumns, c1, c2, rowLow, rowHigh);
}

void TDataTable::SortRows(int SortCol, bool Ascending, int ColLow, int RowLow, int ColHigh,
                          int RowHigh, bool MoveHeadings) {
  if (!LimitRange(ColLow, ColHigh, cols_) || !LimitRange(RowLow, RowHigh, rows_)) return;
  // The key column must move with the rows, or the order would not hold afterwards.
  if (SortCol < ColLow || SortCol > ColHigh) return;
  std::vector<Key> keys;
  keys.reserve(std::size_t(RowHigh - RowLow + 1));
  for (int r = RowLow; r <= RowHigh; ++r) {
    const double v = values_[At(SortCol, r)];
    keys.push_back({GetIsNumber(SortCol, r) && !std::isnan(v), v});
  }
  const auto exchanges = ExchangesOf(SortedOrder(keys, Ascending));
  Progress progress(*this, int64_t(exchanges.size()) * (ColHigh - ColLow + 1));
  for (const auto& [i, j] : exchanges) {
    ExchangeRows(RowLow + i, RowLow + j, ColLow, ColHigh, MoveHeadings);
    progress.Advance(ColHigh - ColLow + 1);
  }
  progress.Finish();
  if (!exchanges.empty()) OnDataChanged(this);
}

void TDataTable::SortCols(int SortRow, bool Ascending, int ColLow, int RowLow, int ColHigh,
                          int RowHigh, bool MoveHeadings) {
  if (!LimitRange(ColLow, ColHigh, cols_) || !LimitRange(RowLow, RowHigh, rows_)) return;
  if (SortRow < RowLow || SortRow > RowHigh) return;
  std::vector<Key> keys;
  keys.reserve(std::size_t(ColHigh - ColLow + 1));
  for (int c = ColLow; c <= ColHigh; ++c) {
    const double v = values_[At(c, SortRow)];
    keys.push_back({GetIsNumber(c, SortRow) && !std::isnan(v), v});
  }
  const auto exchanges = ExchangesOf(SortedOrder(keys, Ascending));
  Progress progress(*this, int64_t(exchanges.size()) * (RowHigh - RowLow + 1));
  for (const auto& [i, j] : exchanges) {
    ExchangeColumns(ColLow + i, ColLow + j, RowLow, RowHigh, MoveHeadings);
    progress.Advance(RowHigh - RowLow + 1);
  }
  progress.Finish();
  if (!exchanges.empty()) OnDataChanged(this);
}

}  // namespace zeb
