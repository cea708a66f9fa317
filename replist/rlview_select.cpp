// TReportListView selection and enabling of rows and columns, kept in the data store's
// attribute bits (row 0x80 selected, row 0x40 disabled, column 0x80 selected).
#include <algorithm>

#include "replist/ZEB_replist.h"
#include "replist/rlview_hold.h"

namespace zeb {

namespace {

uint8_t WithBit(uint8_t attr, uint8_t bit, bool on) {
  return on ? static_cast<uint8_t>(attr | bit) : static_cast<uint8_t>(attr & ~bit);
}

}  // namespace

bool TReportListView::GetRowSelect(int ARow) const {
  return InRows(ARow) && (data_->Matrix()->GetRowAttrib(ARow) & kRowSelected) != 0;
}

void TReportListView::SetRowSelect(int ARow, bool value) {
  if (!InRows(ARow)) return;
  TStringArray& m = *data_->Matrix();
  m.SetRowAttrib(ARow, WithBit(m.GetRowAttrib(ARow), kRowSelected, value));
  ChangedSelection();
  RepaintView();
}

bool TReportListView::GetColSelect(int ACol) const {
  return InDataCols(ACol) && (data_->Matrix()->GetColAttrib(ACol) & kColSelected) != 0;
}

void TReportListView::SetColSelect(int ACol, bool value) {
  if (!InDataCols(ACol)) return;
  TStringArray& m = *data_->Matrix();
  m.SetColAttrib(ACol, WithBit(m.GetColAttrib(ACol), kColSelected, value));
  ChangedSelection();
  RepaintView();
}

bool TReportListView::GetRowEnabled(int ARow) const {
  return InRows(ARow) && (data_->Matrix()->GetRowAttrib(ARow) & kRowDisabled) == 0;
}

void TReportListView::SetRowEnabled(int ARow, bool value) {
  if (!InRows(ARow)) return;
  TStringArray& m = *data_->Matrix();
  m.SetRowAttrib(ARow, WithBit(m.GetRowAttrib(ARow), kRowDisabled, !value));
  ChangedSelection();
  RepaintView();
}

// Sets or clears a bit on every row, without notifications.
void TReportListView::SetAllRowBits(uint8_t bit, bool on) {
  TStringArray& m = *data_->Matrix();
  const int rows = NrOfRows();
  for (int r = 1; r <= rows; ++r) m.SetRowAttrib(r, WithBit(m.GetRowAttrib(r), bit, on));
  RepaintView();
}

void TReportListView::SetAllColBits(uint8_t bit, bool on) {
  TStringArray& m = *data_->Matrix();
  for (int c = 1; c <= NrOfColumns(); ++c) m.SetColAttrib(c, WithBit(m.GetColAttrib(c), bit, on));
  RepaintView();
}

int TReportListView::CountRowBits(uint8_t bit, bool on) const {
  const TStringArray& m = *data_->Matrix();
  int n = 0;
  for (int r = 1; r <= NrOfRows(); ++r)
    if (((m.GetRowAttrib(r) & bit) != 0) == on) ++n;
  return n;
}

void TReportListView::SelectRow(int ARow) {
  {
    PaintHold hold(*this);
    SetAllRowBits(kRowSelected, false);
    if (InRows(ARow)) {
      TStringArray& m = *data_->Matrix();
      m.SetRowAttrib(ARow, WithBit(m.GetRowAttrib(ARow), kRowSelected, true));
    }
  }
  ChangedSelection();
}

void TReportListView::SelectColumn(int ACol) {
  {
    PaintHold hold(*this);
    SetAllColBits(kColSelected, false);
    if (InDataCols(ACol)) {
      TStringArray& m = *data_->Matrix();
      m.SetColAttrib(ACol, WithBit(m.GetColAttrib(ACol), kColSelected, true));
    }
  }
  ChangedSelection();
}

void TReportListView::SelectAllRows() {
  SetAllRowBits(kRowSelected, true);
  ChangedSelection();
}
void TReportListView::DeselectAllRows() {
  SetAllRowBits(kRowSelected, false);
  ChangedSelection();
}
void TReportListView::SelectAllColumns() {
  SetAllColBits(kColSelected, true);
  ChangedSelection();
}
void TReportListView::DeselectAllColumns() {
  SetAllColBits(kColSelected, false);
  ChangedSelection();
}
void TReportListView::EnableAllRows() {
  SetAllRowBits(kRowDisabled, false);
  ChangedSelection();
}
void TReportListView::DisableAllRows() {
  SetAllRowBits(kRowDisabled, true);
  ChangedSelection();
}

int TReportListView::NumSelectedRows() const {
  return CountRowBits(kRowSelected, true);
}
int TReportListView::NumEnabledRows() const {
  return CountRowBits(kRowDisabled, false);
}

int TReportListView::NumSelectedColumns() const {
  int n = 0;
  for (int c = 1; c <= NrOfColumns(); ++c)
    if (GetColSelect(c)) ++n;
  return n;
}

int TReportListView::FirstSelectedRow() const {
  for (int r = 1; r <= NrOfRows(); ++r)
    if (GetRowSelect(r)) return GetRowEnabled(r) ? r : 0;
  return 0;
}

int TReportListView::FirstSelectedColumn() const {
  for (int c = 1; c <= NrOfColumns(); ++c)
    if (GetColSelect(c)) return c;
  return 0;
}

TIntArray TReportListView::GetSelectedRows() const {
  TIntArray rows;
  for (int r = 1; r <= NrOfRows(); ++r)
    if (GetRowSelect(r)) rows.push_back(r);
  return rows;
}

// The grid's current row ends on the last row given.
void TReportListView::SetSelectedRows(const TIntArray& Rows) {
  {
    PaintHold hold(*this);
    SetAllRowBits(kRowSelected, false);
    TStringArray& m = *data_->Matrix();
    for (int r : Rows)
      if (InRows(r)) m.SetRowAttrib(r, WithBit(m.GetRowAttrib(r), kRowSelected, true));
    for (auto it = Rows.rbegin(); it != Rows.rend(); ++it) {
      if (InRows(*it)) {
        FocusDataRow(*it);
        break;
      }
    }
  }
  ChangedSelection();
}

void TReportListView::FocusDataRow(int ARow) {
  if (!InRows(ARow)) return;
  MoveColRow(Col(), ARow + FixedRows() - 1, true, true);
}

void TReportListView::CenterScrollAndSelect(int ARow) {
  PaintHold hold(*this);
  SelectRow(ARow);
  const int v = VisibleRowCount();
  const int top = ARow > NrOfRows() - v / 2 ? NrOfRows() - v + 1 : ARow - v / 2;
  SetTopRow(std::max(top, 1));
  if (InRows(ARow)) MoveColRow(Col(), ARow + FixedRows() - 1, true, false);
}

}  // namespace zeb
