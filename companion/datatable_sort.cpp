// Unit ZEB_datatable: sorting rows and columns by the values of one column or row, by their
// attributes or by their names, reported to listeners exchange by exchange.
#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "companion/ZEB_datatable.h"
#include "companion/datatable_progress.h"
#include "framework/rtl/utf8.h"

namespace zeb {

namespace {

// The exchanges of positions that turn the identity into `order` (order[i] = index placed
// at position i), applied left to right: at most n - 1 of them.
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

// Stable order of n keys under `less`, reversed (still stable) when descending.
template <typename Less>
std::vector<int> StableOrder(int n, bool ascending, Less less) {
  std::vector<int> order(std::size_t(std::max(n, 0)));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return ascending ? less(a, b) : less(b, a); });
  return order;
}

// Values first (numbers that are not NaN), in value order; then every other cell.
struct ValueKey {
  bool number;
  double value;
};
std::vector<int> ValueOrder(const std::vector<ValueKey>& keys, bool ascending) {
  std::vector<int> order(keys.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const ValueKey& ka = keys[a];
    const ValueKey& kb = keys[b];
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

std::string NameKey(const std::string& name, bool ignoreCase) {
  return ignoreCase ? fw::UpperCase(name) : name;
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

void TDataTable::ApplyRowOrder(const std::vector<int>& order, int colLow, int rowLow, int colHigh,
                               int /*rowHigh*/, bool moveHeadings) {
  const auto exchanges = ExchangesOf(order);
  const int width = colHigh - colLow + 1;
  Progress progress(*this, int64_t(exchanges.size()) * width);
  for (const auto& [i, j] : exchanges) {
    ExchangeRows(rowLow + i, rowLow + j, colLow, colHigh, moveHeadings);
    progress.Advance(width);
  }
  progress.Finish();
  if (!exchanges.empty()) OnDataChanged(this);
}

void TDataTable::ApplyColOrder(const std::vector<int>& order, int colLow, int rowLow,
                               int /*colHigh*/, int rowHigh, bool moveHeadings) {
  const auto exchanges = ExchangesOf(order);
  const int height = rowHigh - rowLow + 1;
  Progress progress(*this, int64_t(exchanges.size()) * height);
  for (const auto& [i, j] : exchanges) {
    ExchangeColumns(colLow + i, colLow + j, rowLow, rowHigh, moveHeadings);
    progress.Advance(height);
  }
  progress.Finish();
  if (!exchanges.empty()) OnDataChanged(this);
}

void TDataTable::SortRows(int SortCol, bool Ascending, int ColLow, int RowLow, int ColHigh,
                          int RowHigh, bool MoveHeadings) {
  if (!LimitRange(ColLow, ColHigh, cols_) || !LimitRange(RowLow, RowHigh, rows_)) return;
  if (SortCol < ColLow || SortCol > ColHigh) return;
  std::vector<ValueKey> keys;
  for (int r = RowLow; r <= RowHigh; ++r) {
    const double v = values_[At(SortCol, r)];
    keys.push_back({GetIsNumber(SortCol, r) && !std::isnan(v), v});
  }
  ApplyRowOrder(ValueOrder(keys, Ascending), ColLow, RowLow, ColHigh, RowHigh, MoveHeadings);
}

void TDataTable::SortCols(int SortRow, bool Ascending, int ColLow, int RowLow, int ColHigh,
                          int RowHigh, bool MoveHeadings) {
  if (!LimitRange(ColLow, ColHigh, cols_) || !LimitRange(RowLow, RowHigh, rows_)) return;
  if (SortRow < RowLow || SortRow > RowHigh) return;
  std::vector<ValueKey> keys;
  for (int c = ColLow; c <= ColHigh; ++c) {
    const double v = values_[At(c, SortRow)];
    keys.push_back({GetIsNumber(c, SortRow) && !std::isnan(v), v});
  }
  ApplyColOrder(ValueOrder(keys, Ascending), ColLow, RowLow, ColHigh, RowHigh, MoveHeadings);
}

void TDataTable::SortRowAttributes(bool Ascending, int ColLow, int RowLow, int ColHigh,
                                   int RowHigh) {
  if (!LimitRange(ColLow, ColHigh, cols_) || !LimitRange(RowLow, RowHigh, rows_)) return;
  const auto order = StableOrder(RowHigh - RowLow + 1, Ascending, [&](int a, int b) {
    return rowHeads_[RowLow - 1 + a].attrib < rowHeads_[RowLow - 1 + b].attrib;
  });
  ApplyRowOrder(order, ColLow, RowLow, ColHigh, RowHigh, true);
}

void TDataTable::SortColAttributes(bool Ascending, int ColLow, int RowLow, int ColHigh,
                                   int RowHigh) {
  if (!LimitRange(ColLow, ColHigh, cols_) || !LimitRange(RowLow, RowHigh, rows_)) return;
  const auto order = StableOrder(ColHigh - ColLow + 1, Ascending, [&](int a, int b) {
    return colHeads_[ColLow - 1 + a].attrib < colHeads_[ColLow - 1 + b].attrib;
  });
  ApplyColOrder(order, ColLow, RowLow, ColHigh, RowHigh, true);
}

void TDataTable::SortRowNames(bool Ascending, bool IgnoreCase, int ColLow, int RowLow, int ColHigh,
                              int RowHigh) {
  if (!LimitRange(ColLow, ColHigh, cols_) || !LimitRange(RowLow, RowHigh, rows_)) return;
  std::vector<std::string> keys;
  for (int r = RowLow; r <= RowHigh; ++r)
    keys.push_back(NameKey(rowHeads_[r - 1].name, IgnoreCase));
  const auto order =
      StableOrder(int(keys.size()), Ascending, [&](int a, int b) { return keys[a] < keys[b]; });
  ApplyRowOrder(order, ColLow, RowLow, ColHigh, RowHigh, true);
}

void TDataTable::SortColNames(bool Ascending, bool IgnoreCase, int ColLow, int RowLow, int ColHigh,
                              int RowHigh) {
  if (!LimitRange(ColLow, ColHigh, cols_) || !LimitRange(RowLow, RowHigh, rows_)) return;
  std::vector<std::string> keys;
  for (int c = ColLow; c <= ColHigh; ++c)
    keys.push_back(NameKey(colHeads_[c - 1].name, IgnoreCase));
  const auto order =
      StableOrder(int(keys.size()), Ascending, [&](int a, int b) { return keys[a] < keys[b]; });
  ApplyColOrder(order, ColLow, RowLow, ColHigh, RowHigh, true);
}

}  // namespace zeb
