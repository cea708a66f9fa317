// TNTabEd's mouse: a first click selects, a second click on the same cell edits, right clicks
// pop up the data or heading menu or open the comment editor; selection tracking.
#include "framework/stdctrls/memo.h"
#include "ntabed/ZEB_ntabed.h"

namespace zeb {

void TNTabEd::CheckSelectionChanged() {
  const fw::TGridRect sel = Selection();
  if (sel == lastSelection_) return;
  lastSelection_ = sel;
  FireChanged(OnSelectionChanged);
}

bool TNTabEd::CurrentCellReadOnly() const {
  const fw::TGridRect sel = Selection();
  return (GetCellState(sel.Left - ColOffset(), sel.Top - RowOffset()) & csReadOnly) != 0;
}

void TNTabEd::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  if (commentMode_) {
    fw::TCustomGrid::MouseDown(Button, Shift, X, Y);
    if (MouseCoord(X, Y) == fw::TGridCoord{0, 0}) CloseCommentEditor(false);
    return;
  }
  if (headingEdit_) return;
  const fw::TGridCoord prev = MouseCoord(lastDownPoint_.X, lastDownPoint_.Y);
  const fw::TGridCoord cell = MouseCoord(X, Y);
  if (!(cell == prev)) SetEditingOption(false);
  fw::TCustomGrid::MouseDown(Button, Shift, X, Y);
  Invalidate();
  if (X <= 0 || X >= Width() || Y <= 0 || Y >= Height()) return;
  lastDownPoint_ = fw::Point(X, Y);
  prevDownCell_ = lastDownCell_;
  lastDownCell_ = cell;
  const bool menusAllowed = !PopupMenu() && !blockInternalPopup_ && Button == fw::mbRight;
  if (IsDataCell(cell.X, cell.Y)) {
    if (cell == prev && !dataReadOnly_) SetEditingOption(true);
    const uint8_t state = GetCellState(cell.X - ColOffset(), cell.Y - RowOffset());
    if ((state & csReadOnly) || dataReadOnly_) SetEditingOption(false);
    if (menusAllowed) PopupDataMenu(X, Y);
    if (Button == fw::mbLeft) {
      const fw::TGridRect sel = Selection();
      DisplayCellCursor(sel.Left, sel.Top);
    }
  } else if (cell == fw::TGridCoord{0, 0}) {
    if (Button == fw::mbRight && !blockInternalPopup_ && commentEditingAllowed_)
      OpenCommentEditor();
  } else if (cell.X >= 0 && cell.Y >= 0 && menusAllowed) {
    // A column heading (above the data) or a row heading (left of it).
    PopupHeadingMenu(CellRect(cell.X, cell.Y), cell.X > ColOffset());
  }
}

void TNTabEd::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomGrid::MouseUp(Button, Shift, X, Y);
  const fw::TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) return;
  lastDownCell_ = cell;
  const bool readOnly =
      IsDataCell(cell.X, cell.Y) &&
      (GetCellState(cell.X - ColOffset(), cell.Y - RowOffset()) & csReadOnly) != 0;
  SetEditingOption(!(readOnly || dataReadOnly_));
}

void TNTabEd::MouseMove(fw::TShiftState Shift, int X, int Y) {
  fw::TCustomGrid::MouseMove(Shift, X, Y);
  CheckSelectionChanged();
}

void TNTabEd::TopLeftChanged() {
  fw::TCustomGrid::TopLeftChanged();
  CheckSelectionChanged();
}

bool TNTabEd::DoMouseWheelDown(fw::TShiftState Shift, fw::TPoint MousePos) {
  const bool result = fw::TCustomGrid::DoMouseWheelDown(Shift, MousePos);
  const fw::TGridRect sel = Selection();
  DisplayCellCursor(sel.Left, sel.Top);
  FireChanged(OnSelectionChanged);
  Invalidate();
  return result;
}

bool TNTabEd::DoMouseWheelUp(fw::TShiftState Shift, fw::TPoint MousePos) {
  const bool result = fw::TCustomGrid::DoMouseWheelUp(Shift, MousePos);
  const fw::TGridRect sel = Selection();
  DisplayCellCursor(sel.Left, sel.Top);
  FireChanged(OnSelectionChanged);
  Invalidate();
  return result;
}

}  // namespace zeb
