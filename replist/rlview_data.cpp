// TReportListView forwarding to its data store: cells, column names, formats and check modes,
// numbers, sorting, and the check-mark bulk operations run with painting held back.
#include <algorithm>

#include "replist/ZEB_replist.h"
#include "replist/rlview_hold.h"

namespace zeb {

std::string TReportListView::GetComment() const {
  return data_->Comment();
}
void TReportListView::SetComment(const std::string& value) {
  data_->SetComment(value);
}
std::string TReportListView::GetDataID() const {
  return data_->DataID();
}
void TReportListView::SetDataID(const std::string& value) {
  data_->SetDataID(value);
}

std::string TReportListView::GetElem(int ACol, int ARow) {
  std::string text = data_->GetElem(ACol, ARow);
  if (OnReadCell) OnReadCell(this, ACol, ARow, text);
  return text;
}

// The matrix's change notification repaints.
void TReportListView::SetElem(int ACol, int ARow, std::string_view value) {
  data_->SetElem(ACol, ARow, value);
}

TNameStrType TReportListView::GetColName(int ACol) const {
  return data_->GetColName(ACol);
}

void TReportListView::SetColName(int ACol, std::string_view value) {
  if (!InDataCols(ACol)) return;
  data_->SetColName(ACol, value);
  Changed();
  RepaintView();
}

TColFmtString TReportListView::GetColumnFormat(int ACol) const {
  return data_->GetColumnFormat(ACol);
}

void TReportListView::SetColumnFormat(int ACol, std::string_view value) {
  if (!InDataCols(ACol)) return;
  data_->SetColumnFormat(ACol, value);
  Changed();
  RepaintView();
}

bool TReportListView::GetCheckedCol(int ACol) const {
  return data_->GetCheckedCol(ACol);
}

void TReportListView::SetCheckedCol(int ACol, bool value) {
  data_->SetCheckedCol(ACol, value);
  Changed();
  RepaintView();
}

TCheckMode TReportListView::GetColCheckMode(int ACol) const {
  return data_->GetColCheckMode(ACol);
}

void TReportListView::SetColCheckMode(int ACol, TCheckMode value) {
  data_->SetColCheckMode(ACol, value);
  Changed();
  RepaintView();
}

std::string TReportListView::GetCellDefaultValue(int ACol, int ARow) const {
  return data_->GetCellDefaultValue(ACol, ARow);
}

int TReportListView::ColumnIndex(std::string_view Name, bool Partial) const {
  return data_->ColumnIndex(Name, Partial);
}

// The data store's rule; its message names this class instead.
double TReportListView::GetAsNumber(int ACol, int ARow) const {
  try {
    return data_->GetAsNumber(ACol, ARow);
  } catch (const EZEBDStructError& e) {
    static const std::string kStore = "Class TRLData:";
    std::string message = e.what();
    if (message.rfind(kStore, 0) == 0)
      message = "Class TReportListView:" + message.substr(kStore.size());
    throw EZEBDStructError(message);
  }
}

bool TReportListView::GetElemChecked(int ACol, int ARow) const {
  return data_->GetElemChecked(ACol, ARow);
}

void TReportListView::SetElemChecked(int ACol, int ARow, bool value) {
  data_->SetElemChecked(ACol, ARow, value);
}

void TReportListView::SetAllCheckmarksOfCol(int ACol, bool State) {
  PaintHold hold(*this);
  data_->SetAllCheckmarksOfCol(ACol, State);
}

// SkipDisabled leaves disabled rows alone; the column's mode rules stay those of the store
// (setting all marks of a radio column does nothing).
void TReportListView::SetAllCheckmarksOfCol(int ACol, bool State, bool SkipDisabled) {
  const TCheckMode mode = data_->GetColCheckMode(ACol);
  if (mode == cmNone || (mode == cmRadio && State)) return;
  PaintHold hold(*this);
  data_->SetAllCheckmarksOfColIntern(ACol, State, SkipDisabled);
}

void TReportListView::InvertAllCheckmarksOfCol(int ACol) {
  PaintHold hold(*this);
  data_->InvertAllCheckmarksOfCol(ACol);
}

void TReportListView::InvertAllCheckmarksOfCol(int ACol, bool SkipDisabled) {
  PaintHold hold(*this);
  data_->InvertAllCheckmarksOfColIntern(ACol, SkipDisabled);
}

int TReportListView::CountCheckedElemsInCol(int ACol) const {
  if (data_->GetColCheckMode(ACol) == cmNone) return 0;
  const TStringArray& m = *data_->Matrix();
  int n = 0;
  for (int r = 1; r <= NrOfRows(); ++r) {
    if ((m.GetRowAttrib(r) & kRowDisabled) != 0) continue;
    const std::string stored = m.GetElem(ACol, r);
    if (!stored.empty() && stored[0] != ' ') ++n;
  }
  return n;
}

int TReportListView::CountCheckedElemsInRow(int ARow) const {
  return data_->CountCheckedElemsInRow(ARow);
}
int TReportListView::FirstCheckedElemInCol(int ACol) const {
  return data_->FirstCheckedElemInCol(ACol);
}
int TReportListView::FirstCheckedElemInRow(int ARow) const {
  return data_->FirstCheckedElemInRow(ARow);
}

void TReportListView::Sort(int SortCol, int SortColSec, bool Ascending) {
  EndEditing();
  // The recorded secondary direction stays as it was.
  data_->Sort(SortCol, SortColSec, Ascending, data_->SortAscendingSec());
  RepaintView();
}

void TReportListView::Sort(int SortCol, int SortColSec, bool Ascending, bool AscendingSec) {
  EndEditing();
  data_->Sort(SortCol, SortColSec, Ascending, AscendingSec);
  RepaintView();
}

void TReportListView::UnSort() {
  EndEditing();
  data_->UnSort();
  RepaintView();
}

}  // namespace zeb
