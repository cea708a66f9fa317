// Unit ZEB_datatable: the size and order of columns and rows (resize, insert, remove, mirror).
// Cells are stored column after column; rows are inserted or removed by moving each column's
// cells inside the storage, so a change needs at most one allocation and one pass.
#include <algorithm>
#include <cstdlib>
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

template <typename T>
void ReserveCells(std::vector<T>& cells, std::size_t needed, bool headroom) {
  if (cells.capacity() >= needed) return;
  cells.reserve(headroom ? needed + needed / 8 : needed);
}

// Gives back memory after a large shrink (a no-op when the allocator refuses).
template <typename T>
void Trim(std::vector<T>& cells) {
  if (cells.capacity() > 2 * cells.size() + 4096) cells.shrink_to_fit();
}

// Moves column `c` (0-based) from the layout of oldRows cells a column to that of
// oldRows + count, opening (count > 0) or closing (count < 0) a gap at row `at`. Columns
// must be moved from the last to the first when growing and from the first on when
// shrinking, so that no cell is overwritten before it has moved.
template <typename T>
void MoveColumn(std::vector<T>& cells, std::size_t c, std::size_t oldRows, int at, int count) {
  T* const data = cells.data();
  T* const from = data + c * oldRows;
  T* const to = data + c * (oldRows + count);
  if (count > 0) {
    std::copy_backward(from + at, from + oldRows, to + oldRows + count);
    std::copy_backward(from, from + at, to + at);
    std::fill(to + at, to + at + count, T{});
  } else {
    std::copy(from, from + at, to);
    std::copy(from + at - count, from + oldRows, to + at);
  }
}

}  // namespace

void TDataTable::Reserve(int cols, int rows, bool headroom) {
  if (cols < 0 || rows < 0) SizeError(cols, rows, "invalid size");
  if (int64_t(cols) * int64_t(rows) > kMaxCells) SizeError(cols, rows, "not enough memory");
  const std::size_t cells = std::size_t(cols) * std::size_t(rows);
  try {
    ReserveCells(values_, cells, headroom);
    ReserveCells(states_, cells, headroom);
    colHeads_.reserve(std::size_t(cols));
    rowHeads_.reserve(std::size_t(rows));
  } catch (const std::bad_alloc&) {
    SizeError(cols, rows, "not enough memory");
  } catch (const std::length_error&) {
    SizeError(cols, rows, "not enough memory");
  }
}

void TDataTable::ChangeRows(int at, int count, Progress& progress) {
  if (count == 0) return;
  const std::size_t oldRows = std::size_t(rows_);
  const std::size_t newSize = std::size_t(cols_) * (oldRows + count);
  if (count > 0) {
    values_.resize(newSize);
    states_.resize(newSize);
    for (int c = cols_ - 1; c >= 0; --c) {
      MoveColumn(values_, c, oldRows, at, count);
      MoveColumn(states_, c, oldRows, at, count);
      progress.Advance(rows_ + count);
    }
    rowHeads_.insert(rowHeads_.begin() + at, std::size_t(count), RowHeading{});
  } else {
    for (int c = 0; c < cols_; ++c) {
      MoveColumn(values_, c, oldRows, at, count);
      MoveColumn(states_, c, oldRows, at, count);
      progress.Advance(rows_ + count);
    }
    values_.resize(newSize);
    states_.resize(newSize);
    rowHeads_.erase(rowHeads_.begin() + at, rowHeads_.begin() + at - count);
  }
  rows_ += count;
}

void TDataTable::ChangeColumns(int at, int count, Progress& progress) {
  if (count == 0) return;
  const std::size_t first = std::size_t(at) * std::size_t(rows_);
  if (count > 0) {
    const std::size_t cells = std::size_t(count) * std::size_t(rows_);
    values_.insert(values_.begin() + first, cells, 0.0);
    states_.insert(states_.begin() + first, cells, uint8_t(0));
    colHeads_.insert(colHeads_.begin() + at, std::size_t(count), ColumnHeading{});
  } else {
    const std::size_t last = first + std::size_t(-count) * std::size_t(rows_);
    values_.erase(values_.begin() + first, values_.begin() + last);
    states_.erase(states_.begin() + first, states_.begin() + last);
    colHeads_.erase(colHeads_.begin() + at, colHeads_.begin() + at - count);
  }
  cols_ += count;
  progress.Advance(int64_t(std::abs(count)) * rows_);
}

void TDataTable::NotifySizeChanged(int oldCols, int oldRows) {
  if (oldCols == cols_ && oldRows == rows_) return;
  OnResize(this, oldCols, oldRows, cols_, rows_);
  OnSetupChanged(this);
}

void TDataTable::Resize(int Cols, int Rows) {
  const int oldCols = cols_;
  const int oldRows = rows_;
  // Room for the new size; the steps below never hold more cells than the larger of the old
  // and the new size, so none of them can fail.
  Reserve(Cols, Rows, false);
  if (Cols == oldCols && Rows == oldRows) return;
  // Drop columns first and add them last, so that the rows change on as few cells as
  // possible.
  Progress progress(*this, std::max(int64_t(Cols) * Rows, int64_t(oldCols) * oldRows));
  if (Cols < oldCols) ChangeColumns(Cols, Cols - oldCols, progress);
  ChangeRows(std::min(Rows, oldRows), Rows - oldRows, progress);
  if (Cols > oldCols) ChangeColumns(oldCols, Cols - oldCols, progress);
  progress.Finish();
  Trim(values_);
  Trim(states_);
  NotifySizeChanged(oldCols, oldRows);
}

void TDataTable::InsertRow(int Row) {
  if (Row < 1 || Row > rows_ + 1) return;
  Reserve(cols_, rows_ + 1, true);
  Progress progress(*this, int64_t(cols_) * rows_);
  ChangeRows(Row - 1, 1, progress);
  progress.Finish();
  NotifySizeChanged(cols_, rows_ - 1);
  OnDataChanged(this);
}

void TDataTable::InsertColumn(int Col) {
  if (Col < 1 || Col > cols_ + 1) return;
  Reserve(cols_ + 1, rows_, true);
  Progress progress(*this, int64_t(cols_) * rows_);
  ChangeColumns(Col - 1, 1, progress);
  progress.Finish();
  NotifySizeChanged(cols_ - 1, rows_);
  OnDataChanged(this);
}

void TDataTable::RemoveRow(int Row) {
  if (Row < 1 || Row > rows_) return;
  Progress progress(*this, int64_t(cols_) * rows_);
  ChangeRows(Row - 1, -1, progress);
  progress.Finish();
  NotifySizeChanged(cols_, rows_ + 1);
  OnDataChanged(this);
}

void TDataTable::RemoveColumn(int Col) {
  if (Col < 1 || Col > cols_) return;
  Progress progress(*this, int64_t(cols_) * rows_);
  ChangeColumns(Col - 1, -1, progress);
  progress.Finish();
  NotifySizeChanged(cols_ + 1, rows_);
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
