// TNTabEd's keyboard: read-only cells refuse typing but keep moving, Enter advances down or
// right after an edit (AutoAdvance), Tab moves from cell to cell, and the corner shows where
// the cursor went.
#include "framework/controls/messages.h"
#include "ntabed/ZEB_ntabed.h"

namespace zeb {

namespace {

// Keys that only move the cursor: they work on read-only cells too.
bool IsMoveKey(uint16_t key) {
  return key == fw::VK_TAB || (key >= fw::VK_PRIOR && key <= fw::VK_DOWN);
}

}  // namespace

void TNTabEd::WndProc(fw::TMessage& message) {
  fw::TCustomGrid::WndProc(message);
  if (message.Msg == fw::WM_GETDLGCODE) message.Result |= fw::DLGC_WANTTAB;
}

void TNTabEd::KeyPress(char32_t& Key) {
  const char32_t typed = Key;
  if (CurrentCellReadOnly() || dataReadOnly_) {
    SetEditingOption(false);
    Key = 0;
  } else {
    SetEditingOption(true);
    fw::TCustomGrid::KeyPress(Key);
  }
  // Enter that ended an edit (or met a cell that does not edit) moves on; Enter that just
  // opened the editor does not.
  if (autoAdvance_ && typed == U'\r' && !EditorMode()) {
    uint16_t move = autoAdvanceDir_ == orRight ? fw::VK_RIGHT : fw::VK_DOWN;
    KeyDown(move, {});
  }
  if (typed == 0x1B && InplaceEditor()) {
    SetEditingOption(false);
    if (EditorMode()) CancelEditor();
  }
}

void TNTabEd::KeyDown(uint16_t& Key, fw::TShiftState Shift) {
  if (CurrentCellReadOnly() && Key != 0 && Key != fw::VK_RETURN && !IsMoveKey(Key)) {
    SetEditingOption(false);
    Key = 0;
    return;
  }
  if (Key == fw::VK_TAB && !Options().Contains(fw::goTabs)) {
    // Tab walks the data cells row by row (Shift+Tab backwards).
    const int firstCol = ColOffset() + 1, lastCol = ColCount() - 1;
    const int firstRow = RowOffset() + 1, lastRow = RowCount() - 1;
    int c = Col(), r = Row();
    if (Shift.Contains(fw::ssShift)) {
      if (--c < firstCol) c = lastCol, r = r > firstRow ? r - 1 : lastRow;
    } else {
      if (++c > lastCol) c = firstCol, r = r < lastRow ? r + 1 : firstRow;
    }
    if (EditorMode()) HideEditor();
    FocusCell(c, r, false);
    Key = 0;
  } else {
    fw::TCustomGrid::KeyDown(Key, Shift);
  }
  FireChanged(OnSelectionChanged);
  const fw::TGridRect sel = Selection();
  DisplayCellCursor(sel.Left, sel.Top);
  Invalidate();
}

}  // namespace zeb
