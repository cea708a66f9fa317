// TRLData: inserting and removing rows and columns with their names, formats and check modes,
// copying rows, removing empty rows, and sorting.
#include <algorithm>

#include "replist/ZEB_replist.h"
#include "replist/rldata_batch.h"

namespace zeb {

// The tables get their room before the matrix changes, so the inserts after it cannot fail.
void TRLData::InsertColumn(int ACol) {
  if (!InDataCols(ACol)) return;
  CheckSize(nrCols_ + 1, nrRows_);
  const auto room = static_cast<std::size_t>(nrCols_) + 1;
  try {
    colNames_.reserve(room);
    colFormats_.reserve(room);
    checkModes_.reserve(room);
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  }
  if (!matrix_->InsertColumn(ACol)) RaiseNoMemory();
  const auto at = static_cast<std::ptrdiff_t>(ACol - 1);
  colNames_.insert(colNames_.begin() + at, TNameStrType());
  colFormats_.insert(colFormats_.begin() + at, TColFmtString());
  checkModes_.insert(checkModes_.begin() + at, cmNone);
  ++nrCols_;
}

// Removing the only column leaves a list without columns (column 0 keeps its cells).
void TRLData::RemoveColumn(int ACol) {
  if (!InDataCols(ACol)) return;
  matrix_->CommitSorting();
  matrix_->RemoveColumn(ACol);
  const auto at = static_cast<std::ptrdiff_t>(ACol - 1);
  colNames_.erase(colNames_.begin() + at);
  colFormats_.erase(colFormats_.begin() + at);
  checkModes_.erase(checkModes_.begin() + at);
  --nrCols_;
}

void TRLData::InsertRow(int ARow) {
  if (!InRows(ARow)) return;
  CheckSize(nrCols_, nrRows_ + 1);
  // The matrix makes the current order the stored one before it inserts.
  if (!matrix_->InsertRow(ARow)) RaiseNoMemory();
  ++nrRows_;
}

// The matrix keeps exactly the data rows, so a removed last row leaves no cells, flags or
// attribute bytes behind that could reappear when rows are added again.
void TRLData::RemoveRow(int ARow) {
  if (!InRows(ARow)) return;
  matrix_->CommitSorting();
  matrix_->RemoveRow(ARow);
  --nrRows_;
}

// The matrix drops the empty rows in one step, all or nothing; a row is empty when every
// column 0..NrOfColumns shows no text (a check flag alone counts as empty).
void TRLData::RemoveEmptyRows() {
  const auto empty = [this](int r) {
    for (int c = 0; c <= nrCols_; ++c)
      if (!GetElem(c, r).empty()) return false;
    return true;
  };
  if (!matrix_->RemoveRowsWhere(empty)) RaiseNoMemory();
  nrRows_ = matrix_->NrOfRows();
}

void TRLData::CopyRow(int Source, int Dest) {
  if (!InRows(Source) || !InRows(Dest) || Source == Dest) return;
  ChangeBatch batch(*matrix_);
  for (int c = 0; c <= nrCols_; ++c) matrix_->SetElem(c, Dest, matrix_->GetElem(c, Source));
  matrix_->SetRowAttrib(Dest, matrix_->GetRowAttrib(Source));
  batch.Done();
}

void TRLData::Sort(int SortCol, int SortColSec, bool Ascending) {
  Sort(SortCol, SortColSec, Ascending, true);
}

void TRLData::Sort(int SortCol, int SortColSec, bool Ascending, bool AscendingSec) {
  sortCol_ = SortCol;
  sortColSec_ = SortColSec;
  sortAscending_ = Ascending;
  sortAscendingSec_ = AscendingSec;
  matrix_->Sort(SortCol, SortColSec, Ascending, AscendingSec);
}

void TRLData::UnSort() {
  sortCol_ = -1;
  sortColSec_ = -1;
  matrix_->UnSort();
}

void TRLData::CommitSorting() {
  try {
    matrix_->CommitSorting();
  } catch (const EZEBDStructError&) {
    RaiseNoMemory();
  }
}

}  // namespace zeb
