// TInplaceEdit: the grid's cell editor: contents from the grid, placement over the cell, and
// the keys it hands to the grid.
#include "framework/grids/inplace_edit.h"

#include "framework/controls/form.h"
#include "framework/rtl/utf8.h"

namespace fw {

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  grid_ = dynamic_cast<TCustomGrid*>(AOwner);
  SetBorderStyle(bsNone);
  SetAutoSize(false);
  // The grid selects the text when it opens the editor; focus coming back keeps the caret.
  SetAutoSelect(false);
  SetTabStop(false);
  SetParentFont(true);
}

void TInplaceEdit::UpdateContents() {
  if (!grid_) return;
  const TGridCoord cell = grid_->EditorCell();
  if (cell.X < 0) return;
  editMask_ = grid_->GetEditMask(cell.X, cell.Y);
  SetText(grid_->GetEditText(cell.X, cell.Y));
  SetModified(false);
  SelectAll();
}

void TInplaceEdit::UpdateLoc(const TRect& loc) {
  if (IsRectEmpty(loc)) {
    // Out of view: hidden until the cell scrolls back; the grid keeps the keyboard.
    if (Focused() && grid_ && grid_->CanFocus()) grid_->SetFocus();
    SetVisible(false);
    return;
  }
  SetBounds(loc.Left, loc.Top, loc.Width(), loc.Height());
  SetVisible(true);
}

void TInplaceEdit::Deselect() {
  SetSelStart(static_cast<int>(Length(Text())));
}

void TInplaceEdit::SendToGrid(uint16_t& Key, TShiftState Shift) {
  if (grid_) grid_->KeyDown(Key, Shift);
  Key = 0;
}

void TInplaceEdit::TypeChar(char32_t key) {
  TCustomEdit::KeyPress(key);
}

void TInplaceEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (!grid_) {
    TCustomEdit::KeyDown(Key, Shift);
    return;
  }
  const bool forward = grid_->Options().Contains(goAlwaysShowEditor);
  const bool noSelection = SelLength() == 0;
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
      SendToGrid(Key, Shift);
      return;
    case VK_F2:
      Deselect();
      Key = 0;
      return;
    case VK_TAB:
      if (grid_->Options().Contains(goTabs)) {
        SendToGrid(Key, Shift);
        return;
      }
      break;
    case VK_LEFT:
      if (forward && noSelection && CaretPos() == 0 && !Shift.Contains(ssShift)) {
        SendToGrid(Key, Shift);
        return;
      }
      break;
    case VK_RIGHT:
      if (forward && noSelection && CaretPos() == static_cast<int>(Length(Text())) &&
          !Shift.Contains(ssShift)) {
        SendToGrid(Key, Shift);
        return;
      }
      break;
    default:
      break;
  }
  TCustomEdit::KeyDown(Key, Shift);
}

// The grid sees every character first: Enter and Escape end the edit there.
void TInplaceEdit::KeyPress(char32_t& Key) {
  if (grid_) grid_->KeyPress(Key);
  if (Key == U'\r' || Key == 0x1B || Key == U'\t') Key = 0;
  if (Key == 0) return;
  TCustomEdit::KeyPress(Key);
}

// Focus leaving for a control outside the grid ends the edit; focus going to the grid (which
// happens when the grid closes the editor, or on a click into the grid) does not.
void TInplaceEdit::DoExit() {
  TCustomEdit::DoExit();
  if (!grid_ || !grid_->EditorMode()) return;
  TCustomForm* form = GetParentForm(this);
  if (form && form->ActiveControl() == grid_) return;
  grid_->EditorExit();
}

void TInplaceEdit::WndProc(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) {
    message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (grid_ && grid_->Options().Contains(goTabs)) message.Result |= DLGC_WANTTAB;
    return;
  }
  TCustomEdit::WndProc(message);
}

}  // namespace fw
