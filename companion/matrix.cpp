// Unit ZEB_matrix: TIntMatrix storage and resizing.
#include <algorithm>
#include <cstdint>
#include <new>
#include <string>

#include "companion/ZEB_matrix.h"

namespace zeb {

namespace {

// Far beyond any use of the matrix; refusing larger sizes up front keeps a mistyped size from
// asking the allocator for absurd amounts.
constexpr int64_t kMaxCells = int64_t(1) << 32;

[[noreturn]] void SizeError(int cols, int rows, const char* reason) {
  throw EZEBMatrixError("Class TIntMatrix: " + std::string(reason) + ": " + std::to_string(cols) +
                        " x " + std::to_string(rows));
}

}  // namespace

TIntMatrix::TIntMatrix(int Cols, int Rows) {
  Resize(Cols, Rows);
}

void TIntMatrix::Resize(int Cols, int Rows) {
  if (Cols < 0 || Rows < 0) SizeError(Cols, Rows, "invalid size");
  if (Cols == cols_ && Rows == rows_) return;
  if (int64_t(Cols) * Rows > kMaxCells) SizeError(Cols, Rows, "not enough memory");
  if (Cols == cols_) {
    // Same row length: rows are appended or dropped at the end of the block.
    try {
      cells_.resize(std::size_t(Cols) * std::size_t(Rows), 0);
    } catch (const std::bad_alloc&) {
      SizeError(Cols, Rows, "not enough memory");
    }
    rows_ = Rows;
    return;
  }
  std::vector<int> resized;
  try {
    resized.assign(std::size_t(Cols) * std::size_t(Rows), 0);
  } catch (const std::bad_alloc&) {
    SizeError(Cols, Rows, "not enough memory");
  }
  const int keepCols = std::min(Cols, cols_);
  const int keepRows = std::min(Rows, rows_);
  for (int r = 0; r < keepRows; ++r) {
    const auto from = cells_.begin() + std::ptrdiff_t(r) * cols_;
    std::copy(from, from + keepCols, resized.begin() + std::ptrdiff_t(r) * Cols);
  }
  cells_.swap(resized);
  cols_ = Cols;
  rows_ = Rows;
}

int TIntMatrix::GetVal(int Col, int Row) const {
  if (!Inside(Col, Row)) return 0;
  return cells_[std::size_t(Row - 1) * cols_ + (Col - 1)];
}

void TIntMatrix::SetVal(int Col, int Row, int value) {
  if (!Inside(Col, Row)) return;
  cells_[std::size_t(Row - 1) * cols_ + (Col - 1)] = value;
}

void TIntMatrix::Fill(int value) {
  std::fill(cells_.begin(), cells_.end(), value);
}

}  // namespace zeb
