// TRLData: check marks: writing, clearing and inverting marks of a column, and counting and
// finding checked cells.
#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"
#include "replist/rldata_batch.h"

namespace zeb {

namespace {

bool IsChecked(std::string_view stored) {
  return !stored.empty() && stored[0] != ' ';
}

// The stored cell with its first character (the flag) replaced; an empty cell becomes the flag.
std::string WithFlag(std::string_view stored, char flag) {
  std::string result(1, flag);
  if (!stored.empty()) {
    std::size_t length = 0;
    fw::DecodeUtf8(stored, 0, length);
    if (length < 1) length = 1;
    if (length < stored.size()) result += stored.substr(length);
  }
  return result;
}

}  // namespace

bool TRLData::StoredChecked(int ACol, int ARow) const {
  return IsChecked(matrix_->GetElem(ACol, ARow));
}

void TRLData::WriteMark(int ACol, int ARow, bool State) {
  matrix_->SetElem(ACol, ARow, WithFlag(matrix_->GetElem(ACol, ARow), State ? 'X' : ' '));
}

bool TRLData::GetElemChecked(int ACol, int ARow) const {
  return IsCheckCol(ACol) && InRows(ARow) && StoredChecked(ACol, ARow);
}

void TRLData::SetElemChecked(int ACol, int ARow, bool value) {
  if (!IsCheckCol(ACol) || !InRows(ARow)) return;
  if (GetColCheckMode(ACol) == cmRadio) {
    ChangeBatch batch(*matrix_);
    for (int r = 1; r <= nrRows_; ++r)
      if (StoredChecked(ACol, r)) WriteMark(ACol, r, false);
    WriteMark(ACol, ARow, value);
    batch.Done();
    return;
  }
  WriteMark(ACol, ARow, value);
}

void TRLData::SetAllCheckmarksOfCol(int ACol, bool State) {
  const TCheckMode mode = GetColCheckMode(ACol);
  if (mode == cmBox || (!State && mode == cmRadio)) SetAllCheckmarksOfColIntern(ACol, State, false);
}

// Only check columns: writing a flag into a plain column would overwrite its first character.
void TRLData::SetAllCheckmarksOfColIntern(int ACol, bool State, bool SkipDisabled) {
  if (!IsCheckCol(ACol)) return;
  ChangeBatch batch(*matrix_);
  for (int r = 1; r <= nrRows_; ++r) {
    if (SkipDisabled && (matrix_->GetRowAttrib(r) & kRowDisabled) != 0) continue;
    WriteMark(ACol, r, State);
  }
  batch.Done();
}

void TRLData::InvertAllCheckmarksOfCol(int ACol) {
  InvertAllCheckmarksOfColIntern(ACol, false);
}

void TRLData::InvertAllCheckmarksOfColIntern(int ACol, bool SkipDisabled) {
  if (GetColCheckMode(ACol) != cmBox) return;
  ChangeBatch batch(*matrix_);
  for (int r = 1; r <= nrRows_; ++r) {
    if (SkipDisabled && (matrix_->GetRowAttrib(r) & kRowDisabled) != 0) continue;
    const std::string stored = matrix_->GetElem(ACol, r);
    const bool checked = !stored.empty() && stored[0] == 'X';
    matrix_->SetElem(ACol, r, WithFlag(stored, checked ? ' ' : 'X'));
  }
  batch.Done();
}

int TRLData::CountCheckedElemsInCol(int ACol) const {
  if (!IsCheckCol(ACol)) return 0;
  int count = 0;
  for (int r = 1; r <= nrRows_; ++r) count += StoredChecked(ACol, r) ? 1 : 0;
  return count;
}

int TRLData::CountCheckedElemsInRow(int ARow) const {
  if (!InRows(ARow)) return 0;
  int count = 0;
  for (int c = 1; c <= nrCols_; ++c) count += IsCheckCol(c) && StoredChecked(c, ARow) ? 1 : 0;
  return count;
}

int TRLData::FirstCheckedElemInCol(int ACol) const {
  if (!IsCheckCol(ACol)) return 0;
  for (int r = 1; r <= nrRows_; ++r)
    if (StoredChecked(ACol, r)) return r;
  return 0;
}

int TRLData::FirstCheckedElemInRow(int ARow) const {
  if (!InRows(ARow)) return 0;
  for (int c = 1; c <= nrCols_; ++c)
    if (IsCheckCol(c) && StoredChecked(c, ARow)) return c;
  return 0;
}

}  // namespace zeb
