// Unit ZEB_datatable: operations over the state bytes of all cells (marks, inversion) and the
// filling of marked cells.
#include <algorithm>

#include "companion/ZEB_datatable.h"
#include "companion/datatable_progress.h"

namespace zeb {

template <typename Op>
void TDataTable::ForEachState(Op op) {
  Progress progress(*this, int64_t(states_.size()));
  for (int c = 1; c <= cols_; ++c) {
    uint8_t* column = states_.data() + At(c, 1);
    for (int r = 0; r < rows_; ++r) column[r] = op(column[r]);
    progress.Advance(rows_);
  }
  progress.Finish();
  OnDataChanged(this);
}

void TDataTable::InvertCellStates(uint8_t Mask) {
  ForEachState([Mask](uint8_t s) { return uint8_t(s ^ Mask); });
}

void TDataTable::CopyCellStatesFrom(const TDataTable& source) {
  if (&source == this) return;
  const int cols = std::min(cols_, source.cols_);
  const int rows = std::min(rows_, source.rows_);
  Progress progress(*this, int64_t(cols) * rows);
  for (int c = 1; c <= cols; ++c) {
    const uint8_t* from = source.states_.data() + source.At(c, 1);
    std::copy(from, from + rows, states_.data() + At(c, 1));
    progress.Advance(rows);
  }
  progress.Finish();
  OnDataChanged(this);
}

void TDataTable::ExchangeMarkings() {
  ForEachState([](uint8_t s) {
    const uint8_t a = (s & csMarkA) ? csMarkB : 0;
    const uint8_t b = (s & csMarkB) ? csMarkA : 0;
    return uint8_t((s & ~(csMarkA | csMarkB)) | a | b);
  });
}

void TDataTable::UnmarkAllCells() {
  ForEachState([](uint8_t s) { return uint8_t(s & ~(csMarkA | csMarkB)); });
}

void TDataTable::FillMarkedCells(double value, uint8_t Mask) {
  Progress progress(*this, int64_t(states_.size()));
  for (int c = 1; c <= cols_; ++c) {
    const std::size_t first = At(c, 1);
    for (std::size_t i = first; i < first + std::size_t(rows_); ++i) {
      if (states_[i] & Mask) values_[i] = value;
    }
    progress.Advance(rows_);
  }
  progress.Finish();
  OnDataChanged(this);
}

}  // namespace zeb
