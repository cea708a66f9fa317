// Unit ZEB_datatable: the size and order of columns and rows (resize, insert, remove, mirror).
#include <algorithm>
#include <new>
#include <string>

#include "companion/ZEB_datatable.h"
#include "companion/datatable_progress.h"

namespace zeb {

namespace {

// Nine bytes a cell: far beyond what a table is used for, and small enough that the byte
// count cannot overflow. Larger sizes are refused before any allocation.
constexpr int64_t kMaxCells = int64_t(1) << 34;

[[noreturn]] void SizeError(int cols, int rows, const char* reason) {
  throw EZEBDataTableError("Class TDataTable: " + std::string(reason) + ": " +
                           std::to_string(cols) + " x " + std::to_string(rows));
}

void CheckSize(int cols, int rows) {
  if (cols < 0 || rows < 0) SizeError(cols, rows, "invalid size");
  if (int64_t(cols) * int64_t(rows) > kMaxCells) SizeError(cols, rows, "not enough memory");
}

// A run of consecutive cells of one column copied from the old layout: destination row,
// source row (both 0-based) and length.
struct Run {
  int to;
  int from;
  int count;
};

// The runs of a row map (map[r] = old row index 1-based, or 0 for a new row), so that each
// column is copied with a few block copies instead of cell by cell.
std::vector<Run> RunsOf(const std::vector<int>& map) {
  std::vector<Run> runs;
  for (int r = 0; r < int(map.size()); ++r) {
    if (map[r] <= 0) continue;
    if (!runs.empty() && runs.back().to + runs.back().count == r &&
        runs.back().from + runs.back().count == map[r] - 1) {
      ++runs.back().count;
    } else {
      runs.push_back({r, map[r] - 1, 1});
    }
  }
  return runs;
}

template <typename T, typename Map>
std::vector<T> Remapped(const std::vector<T>& old, int size, Map map) {
  std::vector<T> out(std::size_t(size), T{});
  for (int i = 1; i <= size; ++i) {
    const int from = map(i);
    if (from > 0) out[i - 1] = old[from - 1];
  }
  return out;
}

}  // namespace

template <typename MapCol, typename MapRow>
void TDataTable::Rebuild(int cols, int rows, MapCol mapCol, MapRow mapRow) {
  CheckSize(cols, rows);
  const int oldRows = rows_;
  Progress progress(*this, int64_t(cols) * rows);
  try {
    std::vector<int> rowMap(std::size_t(rows), 0);
    for (int r = 1; r <= rows; ++r) rowMap[r - 1] = mapRow(r);
    const std::vector<Run> runs = RunsOf(rowMap);
    std::vector<double> values(std::size_t(cols) * std::size_t(rows), 0.0);
    std::vector<uint8_t> states(values.size(), uint8_t(0));
    for (int c = 1; c <= cols; ++c) {
      const int from = mapCol(c);
      if (from > 0) {
        const std::size_t src = std::size_t(from - 1) * std::size_t(oldRows);
        const std::size_t dst = std::size_t(c - 1) * std::size_t(rows);
        for (const Run& run : runs) {
          std::copy_n(values_.begin() + std::ptrdiff_t(src + run.from), run.count,
                      values.begin() + std::ptrdiff_t(dst + run.to));
          std::copy_n(states_.begin() + std::ptrdiff_t(src + run.from), run.count,
                      states.begin() + std::ptrdiff_t(dst + run.to));
        }
      }
      progress.Advance(rows);
    }
    std::vector<ColumnHeading> colHeads = Remapped(colHeads_, cols, mapCol);
    std::vector<RowHeading> rowHeads = Remapped(rowHeads_, rows, mapRow);
    // Nothing below can fail: the table changes all at once.
    values_.swap(values);
    states_.swap(states);
    colHeads_.swap(colHeads);
    rowHeads_.swap(rowHeads);
  } catch (const std::bad_alloc&) {
    SizeError(cols, rows, "not enough memory");
  }
  cols_ = cols;
  rows_ = rows;
  progress.Finish();
}

void TDataTable::NotifySizeChanged(int oldCols, int oldRows) {
  if (oldCols == cols_ && oldRows == rows_) return;
  OnResize(this, oldCols, oldRows, cols_, rows_);
  OnSetupChanged(this);
}

void TDataTable::Resize(int Cols, int Rows) {
  CheckSize(Cols, Rows);
  const int oldCols = cols_;
  const int oldRows = rows_;
  if (Cols == oldCols && Rows == oldRows) return;
  if (Rows == oldRows) {
    // Columns are whole blocks of the storage: adding or dropping them at the end keeps the
    // others in place (vector::resize leaves the vectors unchanged when it fails).
    try {
      colHeads_.resize(std::size_t(Cols));
      values_.resize(std::size_t(Cols) * std::size_t(Rows), 0.0);
      states_.resize(values_.size(), uint8_t(0));
    } catch (const std::bad_alloc&) {
      colHeads_.resize(std::size_t(oldCols));
      values_.resize(std::size_t(oldCols) * std::size_t(oldRows));
      SizeError(Cols, Rows, "not enough memory");
    }
    cols_ = Cols;
  } else {
    auto keep = [](int limit) { return [limit](int i) { return i <= limit ? i : 0; }; };
    Rebuild(Cols, Rows, keep(oldCols), keep(oldRows));
  }
  NotifySizeChanged(oldCols, oldRows);
}

void TDataTable::InsertRow(int Row) {
  if (Row < 1 || Row > rows_ + 1) return;
  const int oldRows = rows_;
  Rebuild(
      cols_, rows_ + 1, [](int c) { return c; },
      [Row](int r) { return r < Row ? r : (r == Row ? 0 : r - 1); });
  NotifySizeChanged(cols_, oldRows);
  OnDataChanged(this);
}

void TDataTable::InsertColumn(int Col) {
  if (Col < 1 || Col > cols_ + 1) return;
  const int oldCols = cols_;
  Rebuild(
      cols_ + 1, rows_, [Col](int c) { return c < Col ? c : (c == Col ? 0 : c - 1); },
      [](int r) { return r; });
  NotifySizeChanged(oldCols, rows_);
  OnDataChanged(this);
}

void TDataTable::RemoveRow(int Row) {
  if (Row < 1 || Row > rows_) return;
  const int oldRows = rows_;
  Rebuild(
      cols_, rows_ - 1, [](int c) { return c; }, [Row](int r) { return r < Row ? r : r + 1; });
  NotifySizeChanged(cols_, oldRows);
  OnDataChanged(this);
}

void TDataTable::RemoveColumn(int Col) {
  if (Col < 1 || Col > cols_) return;
  const int oldCols = cols_;
  Rebuild(
      cols_ - 1, rows_, [Col](int c) { return c < Col ? c : c + 1; }, [](int r) { return r; });
  NotifySizeChanged(oldCols, rows_);
  OnDataChanged(this);
}

void TDataTable::MirrorColumns() {
  // In place: exchange column blocks from both ends toward the middle.
  Progress progress(*this, int64_t(values_.size()));
  for (int a = 1, b = cols_; a < b; ++a, --b) {
    std::swap_ranges(values_.begin() + std::ptrdiff_t(At(a, 1)),
                     values_.begin() + std::ptrdiff_t(At(a, 1) + rows_),
                     values_.begin() + std::ptrdiff_t(At(b, 1)));
    std::swap_ranges(states_.begin() + std::ptrdiff_t(At(a, 1)),
                     states_.begin() + std::ptrdiff_t(At(a, 1) + rows_),
                     states_.begin() + std::ptrdiff_t(At(b, 1)));
    progress.Advance(2 * int64_t(rows_));
  }
  std::reverse(colHeads_.begin(), colHeads_.end());
  progress.Finish();
  OnDataChanged(this);
}

void TDataTable::MirrorRows() {
  Progress progress(*this, int64_t(values_.size()));
  for (int c = 1; c <= cols_; ++c) {
    const auto first = std::ptrdiff_t(At(c, 1));
    std::reverse(values_.begin() + first, values_.begin() + first + rows_);
    std::reverse(states_.begin() + first, states_.begin() + first + rows_);
    progress.Advance(rows_);
  }
  std::reverse(rowHeads_.begin(), rowHeads_.end());
  progress.Finish();
  OnDataChanged(this);
}

}  // namespace zeb
