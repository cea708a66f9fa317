// TReportListView published appearance and behaviour properties: each setter stores the value
// and tells which notification follows (some only when the value changes).
#include <algorithm>

#include "replist/ZEB_replist.h"
#include "replist/rlview_hold.h"

namespace zeb {

// Colours: repaint and OnChangeSetup, also for an unchanged value.
void TReportListView::ColorSetter(fw::TColor& field, fw::TColor Value) {
  field = Value;
  SetupChanged();
}

void TReportListView::SetColorText(fw::TColor v) {
  ColorSetter(colorText_, v);
}
void TReportListView::SetColorBkgdNormal(fw::TColor v) {
  ColorSetter(colorBkgdNormal_, v);
}
void TReportListView::SetColorBkgdShaded(fw::TColor v) {
  ColorSetter(colorBkgdShaded_, v);
}
void TReportListView::SetColorHigh(fw::TColor v) {
  ColorSetter(colorHigh_, v);
}
void TReportListView::SetColorHighText(fw::TColor v) {
  ColorSetter(colorHighText_, v);
}
void TReportListView::SetColorSelectedRow(fw::TColor v) {
  ColorSetter(colorSelRow_, v);
}
void TReportListView::SetColorSelectedRowText(fw::TColor v) {
  ColorSetter(colorSelRowText_, v);
}
void TReportListView::SetColorSelectedCol(fw::TColor v) {
  ColorSetter(colorSelCol_, v);
}
void TReportListView::SetColorSelectedColText(fw::TColor v) {
  ColorSetter(colorSelColText_, v);
}
void TReportListView::SetColorSelectedBoth(fw::TColor v) {
  ColorSetter(colorSelBoth_, v);
}
void TReportListView::SetColorSelectedBothText(fw::TColor v) {
  ColorSetter(colorSelBothText_, v);
}
void TReportListView::SetColorColumnHdText(fw::TColor v) {
  ColorSetter(colorColumnHdText_, v);
}
void TReportListView::SetColorCommonHd(fw::TColor v) {
  ColorSetter(colorCommonHd_, v);
}
void TReportListView::SetColorCommonHdText(fw::TColor v) {
  ColorSetter(colorCommonHdText_, v);
}
void TReportListView::SetColorDisabledBkgd(fw::TColor v) {
  ColorSetter(colorDisabledBkgd_, v);
}
void TReportListView::SetColorDisabledText(fw::TColor v) {
  ColorSetter(colorDisabledText_, v);
}
// The empty message's colour notifies only when it changes.
void TReportListView::SetColorEmptyMsg(fw::TColor v) {
  if (v != colorEmptyMsg_) ColorSetter(colorEmptyMsg_, v);
}
void TReportListView::SetInterRowIndicatorColor(fw::TColor v) {
  ColorSetter(interRowColor_, v);
}

// The column header colour is the grid's fixed colour as well.
void TReportListView::SetColorColumnHd(fw::TColor Value) {
  fw::TCustomGrid::SetFixedColor(Value);
  ColorSetter(colorColumnHd_, Value);
}

void TReportListView::SetHighLightBold(bool Value) {
  highLightBold_ = Value;
  SetupChanged();
}

void TReportListView::SetHighLightRow(int Value) {
  highLightRow_ = Value;
  SetupChanged();
}

void TReportListView::SetHighLightColumn(int Value) {
  highLightColumn_ = Value;
  SetupChanged();
}

void TReportListView::SetInterRowIndicatorWidth(int Value) {
  interRowWidth_ = Value;
  SetupChanged();
}

void TReportListView::SetRowColPattern(int Value) {
  rowColPattern_ = Value;
  SetupChanged();
}

void TReportListView::SetShowEmptyCheckBoxes(bool Value) {
  if (Value == showEmptyCheckBoxes_) return;
  showEmptyCheckBoxes_ = Value;
  RepaintView();
}

void TReportListView::SetEmptyMessage(const std::string& Value) {
  if (Value == emptyMessage_) return;
  emptyMessage_ = Value;
  SetupChanged();
}

const std::string& TReportListView::CommonHeader() const {
  return data_->CommonHeader();
}

void TReportListView::SetCommonHeader(const std::string& Value) {
  if (Value == data_->CommonHeader()) return;
  data_->SetCommonHeader(Value);
  Changed();
  RepaintView();
}

void TReportListView::SetCommonHeaderAlignment(TAlignment Value) {
  if (Value == commonHeaderAlignment_) return;
  commonHeaderAlignment_ = Value;
  Changed();
  RepaintView();
}

void TReportListView::SetCommonHeaderVisible(bool Value) {
  if (Value == commonHeaderVisible_) return;
  EndEditing();
  commonHeaderVisible_ = Value;
  RebuildGridRows();
  Changed();
  RepaintView();
}

void TReportListView::SetColumnHeadersVisible(bool Value) {
  if (Value == columnHeadersVisible_) return;
  EndEditing();
  columnHeadersVisible_ = Value;
  RebuildGridRows();
  Changed();
  RepaintView();
}

void TReportListView::SetCommonHeaderHeight(int Value) {
  commonHeaderHeight_ = std::clamp(Value, 8, 127);
  SetHeaderHeights();
  Changed();
  RepaintView();
}

void TReportListView::SetColumnHeadersHeight(int Value) {
  columnHeadersHeight_ = std::clamp(Value, 8, 127);
  SetHeaderHeights();
  Changed();
  RepaintView();
}

void TReportListView::SetEnabled(bool Value) {
  fw::TCustomDrawGrid::SetEnabled(Value);
  Invalidate();
}

void TReportListView::SetFixedFirstColumn(bool Value) {
  fixedFirstColumn_ = Value;
  // A list scrolled to its start stays there.
  const bool atStart = fw::TCustomGrid::LeftCol() == FixedCols();
  SetFixedCols(Value ? 1 : 0);
  if (atStart) fw::TCustomGrid::SetLeftCol(FixedCols());
  Changed();
  RepaintView();
}

// Modes other than 2 clear the row selections; mode 0 also moves the grid's current cell
// away from the data.
void TReportListView::SetRowSelectMode(int Value) {
  rowSelectMode_ = Value;
  if (Value != 2) {
    PaintHold hold(*this);
    SetAllRowBits(kRowSelected, false);
    if (Value == 0)
      SetSelection({NrOfColumns() + 1, NrOfRows() + 1, NrOfColumns() + 1, NrOfRows() + 1});
  }
  ChangedSelection();
}

// ---- per-column view settings -------------------------------------------------------------

TAlignment TReportListView::GetColAlignment(int ACol) const {
  return HasColEntry(ACol) ? colAlignment_[ColIndex(ACol)] : taLeftJustify;
}

void TReportListView::SetColAlignment(int ACol, TAlignment Value) {
  if (!HasColEntry(ACol) || colAlignment_[ColIndex(ACol)] == Value) return;
  colAlignment_[ColIndex(ACol)] = Value;
  Changed();
  RepaintView();
}

bool TReportListView::GetColumnIsPwd(int ACol) const {
  return HasColEntry(ACol) && colPassword_[ColIndex(ACol)];
}

void TReportListView::SetColumnIsPwd(int ACol, bool Value) {
  if (!HasColEntry(ACol) || colPassword_[ColIndex(ACol)] == Value) return;
  colPassword_[ColIndex(ACol)] = Value;
  Changed();
  RepaintView();
}

bool TReportListView::GetColumnEditable(int ACol) const {
  return HasColEntry(ACol) && colEditable_[ColIndex(ACol)];
}

void TReportListView::SetColumnEditable(int ACol, bool Value) {
  if (HasColEntry(ACol)) colEditable_[ColIndex(ACol)] = Value;
}

}  // namespace zeb
