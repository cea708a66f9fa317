// TReportListView published appearance and behaviour properties: each setter stores the value
// and tells which notification follows (some only when the value changes).
#include <algorithm>

#include "replist/ZEB_replist.h"
#include "replist/rlview_hold.h"

namespace zeb {

// Colours: repaint and OnChangeSetup, also for an unchanged value.
void TReportListView::ColorSetter(fw::TColor& field, fw::TColor value) {
  field = value;
  SetupChanged();
}

void TReportListView::SetColorText(fw::TColor v) {
  ColorSetter(colors_.text, v);
}
void TReportListView::SetColorBkgdNormal(fw::TColor v) {
  ColorSetter(colors_.bkgdNormal, v);
}
void TReportListView::SetColorBkgdShaded(fw::TColor v) {
  ColorSetter(colors_.bkgdShaded, v);
}
void TReportListView::SetColorHigh(fw::TColor v) {
  ColorSetter(colors_.high, v);
}
void TReportListView::SetColorHighText(fw::TColor v) {
  ColorSetter(colors_.highText, v);
}
void TReportListView::SetColorSelectedRow(fw::TColor v) {
  ColorSetter(colors_.selRow, v);
}
void TReportListView::SetColorSelectedRowText(fw::TColor v) {
  ColorSetter(colors_.selRowText, v);
}
void TReportListView::SetColorSelectedCol(fw::TColor v) {
  ColorSetter(colors_.selCol, v);
}
void TReportListView::SetColorSelectedColText(fw::TColor v) {
  ColorSetter(colors_.selColText, v);
}
void TReportListView::SetColorSelectedBoth(fw::TColor v) {
  ColorSetter(colors_.selBoth, v);
}
void TReportListView::SetColorSelectedBothText(fw::TColor v) {
  ColorSetter(colors_.selBothText, v);
}
void TReportListView::SetColorColumnHdText(fw::TColor v) {
  ColorSetter(colors_.columnHdText, v);
}
void TReportListView::SetColorCommonHd(fw::TColor v) {
  ColorSetter(colors_.commonHd, v);
}
void TReportListView::SetColorCommonHdText(fw::TColor v) {
  ColorSetter(colors_.commonHdText, v);
}
void TReportListView::SetColorDisabledBkgd(fw::TColor v) {
  ColorSetter(colors_.disabledBkgd, v);
}
void TReportListView::SetColorDisabledText(fw::TColor v) {
  ColorSetter(colors_.disabledText, v);
}
// The empty message's colour notifies only when it changes.
void TReportListView::SetColorEmptyMsg(fw::TColor v) {
  if (v != colors_.emptyMsg) ColorSetter(colors_.emptyMsg, v);
}
void TReportListView::SetInterRowIndicatorColor(fw::TColor v) {
  ColorSetter(interRowColor_, v);
}

// The column header colour is the grid's fixed colour as well.
void TReportListView::SetColorColumnHd(fw::TColor value) {
  fw::TCustomGrid::SetFixedColor(value);
  ColorSetter(colors_.columnHd, value);
}

void TReportListView::SetHighLightBold(bool value) {
  highLightBold_ = value;
  SetupChanged();
}

void TReportListView::SetHighLightRow(int value) {
  highLightRow_ = value;
  SetupChanged();
}

void TReportListView::SetHighLightColumn(int value) {
  highLightColumn_ = value;
  SetupChanged();
}

void TReportListView::SetInterRowIndicatorWidth(int value) {
  interRowWidth_ = value;
  SetupChanged();
}

void TReportListView::SetRowColPattern(int value) {
  rowColPattern_ = value;
  SetupChanged();
}

void TReportListView::SetShowEmptyCheckBoxes(bool value) {
  if (value == showEmptyCheckBoxes_) return;
  showEmptyCheckBoxes_ = value;
  RepaintView();
}

void TReportListView::SetEmptyMessage(const std::string& value) {
  if (value == emptyMessage_) return;
  emptyMessage_ = value;
  SetupChanged();
}

const std::string& TReportListView::CommonHeader() const {
  return data_->CommonHeader();
}

void TReportListView::SetCommonHeader(const std::string& value) {
  if (value == data_->CommonHeader()) return;
  data_->SetCommonHeader(value);
  Changed();
  RepaintView();
}

void TReportListView::SetCommonHeaderAlignment(TAlignment value) {
  if (value == commonHeaderAlignment_) return;
  commonHeaderAlignment_ = value;
  Changed();
  RepaintView();
}

void TReportListView::SetCommonHeaderVisible(bool value) {
  if (value == commonHeaderVisible_) return;
  EndEditing();
  commonHeaderVisible_ = value;
  RebuildGridRows();
  Changed();
  RepaintView();
}

void TReportListView::SetColumnHeadersVisible(bool value) {
  if (value == columnHeadersVisible_) return;
  EndEditing();
  columnHeadersVisible_ = value;
  RebuildGridRows();
  Changed();
  RepaintView();
}

void TReportListView::SetCommonHeaderHeight(int value) {
  commonHeaderHeight_ = std::clamp(value, 8, 127);
  SetHeaderHeights();
  Changed();
  RepaintView();
}

void TReportListView::SetColumnHeadersHeight(int value) {
  columnHeadersHeight_ = std::clamp(value, 8, 127);
  SetHeaderHeights();
  Changed();
  RepaintView();
}

void TReportListView::SetEnabled(bool value) {
  fw::TCustomDrawGrid::SetEnabled(value);
  Invalidate();
}

void TReportListView::SetFixedFirstColumn(bool value) {
  fixedFirstColumn_ = value;
  // A list scrolled to its start stays there.
  const bool atStart = fw::TCustomGrid::LeftCol() == FixedCols();
  SetFixedCols(value ? 1 : 0);
  if (atStart) fw::TCustomGrid::SetLeftCol(FixedCols());
  Changed();
  RepaintView();
}

// Modes other than 2 clear the row selections; mode 0 also moves the grid's current cell
// away from the data.
void TReportListView::SetRowSelectMode(int value) {
  rowSelectMode_ = value;
  if (value != 2) {
    PaintHold hold(*this);
    SetAllRowBits(kRowSelected, false);
    if (value == 0)
      SetSelection({NrOfColumns() + 1, NrOfRows() + 1, NrOfColumns() + 1, NrOfRows() + 1});
  }
  ChangedSelection();
}

}  // namespace zeb
