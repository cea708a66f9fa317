// Unit ZEB_matrix of numkit_rt: TIntMatrix, a resizable matrix of integers addressed 1-based,
// column first, that keeps its contents when it grows or shrinks.
#pragma once

#include <vector>

#include "companion/ZEB_zebbase.h"
#include "framework/base/object.h"

namespace zeb {

// A size that cannot be held: negative, or more cells than memory allows.
class EZEBMatrixError : public EZEBError {
 public:
  using EZEBError::EZEBError;
};

class TIntMatrix : public fw::TObject {
 public:
  TIntMatrix() = default;
  // Cols x Rows cells of 0; raises EZEBMatrixError as Resize does.
  TIntMatrix(int Cols, int Rows);

  int NrOfColumns() const { return cols_; }
  int NrOfRows() const { return rows_; }

  // New size; cells inside both the old and the new size keep their values, new cells are 0.
  // Raises EZEBMatrixError for a negative size or when the memory cannot be had; the matrix
  // is then unchanged.
  void Resize(int Cols, int Rows);
  // Resize to Rows rows, keeping the column count.
  void SetNRows(int Rows) { Resize(cols_, Rows); }
  void SetNCols(int Cols) { Resize(Cols, rows_); }

  // Cell (Col, Row), 1-based. Outside the matrix GetVal gives 0 and SetVal does nothing.
  int GetVal(int Col, int Row) const;
  void SetVal(int Col, int Row, int value);

  // Every cell := value.
  void Fill(int value);

 private:
  bool Inside(int col, int row) const {
    return col >= 1 && col <= cols_ && row >= 1 && row <= rows_;
  }

  // Row-major, so that appending rows (the common growth) keeps the existing block in place.
  std::vector<int> cells_;
  int cols_ = 0;
  int rows_ = 0;
};

}  // namespace zeb
