// TCustomGrid in-place editing: opening, placing, accepting and cancelling the cell editor,
// and the keys that drive it.
#include "framework/grids/inplace_edit.h"

namespace fw {

std::string TCustomGrid::GetEditMask(int ACol, int ARow) {
  std::string value;
  OnGetEditMask(this, ACol, ARow, value);
  return value;
}

TEditStyle TCustomGrid::GetEditStyle(int, int) {
  return esSimple;
}

TInplaceEdit* TCustomGrid::CreateEditor() {
  return new TInplaceEdit(this);
}

void TCustomGrid::SetEditorMode(bool value) {
  if (value)
    ShowEditor();
  else
    HideEditor();
}

void TCustomGrid::ShowEditor() {
  if (!CanEditShow()) return;
  if (!inplaceEdit_) {
    inplaceEdit_ = CreateEditor();
    if (!inplaceEdit_) return;
    inplaceEdit_->FreeNotification(this);
    inplaceEdit_->SetVisible(false);
    inplaceEdit_->SetParent(this);
  }
  inplaceEdit_->grid_ = this;
  const bool reopen = editorMode_ && editCell_ == TGridCoord{col_, row_};
  editorMode_ = true;
  editCell_ = {col_, row_};
  if (!reopen) inplaceEdit_->UpdateContents();
  ScrollInView(col_, row_);
  UpdateEditorBounds();
  // The editor takes the keyboard from the grid; it never takes it from another control.
  if (inplaceEdit_ && inplaceEdit_->Visible() && inplaceEdit_->CanFocus() && Focused())
    inplaceEdit_->SetFocus();
}

void TCustomGrid::HideEditor() {
  CloseEditor(true);
}

void TCustomGrid::CancelEditor() {
  CloseEditor(false);
}

void TCustomGrid::UpdateText() {
  if (!editorMode_ || !inplaceEdit_) return;
  SetEditText(editCell_.X, editCell_.Y, inplaceEdit_->Text());
}

// Closes first and writes after, so a SetEditText that moves the grid or reopens the editor
// finds a consistent state.
void TCustomGrid::CloseEditor(bool write) {
  if (!editorMode_) return;
  const TGridCoord cell = editCell_;
  const std::string text = inplaceEdit_ ? inplaceEdit_->Text() : std::string();
  const bool hadFocus = inplaceEdit_ && inplaceEdit_->Focused();
  editorMode_ = false;
  editCell_ = {-1, -1};
  if (hadFocus && CanFocus()) SetFocus();
  if (inplaceEdit_) inplaceEdit_->SetVisible(false);
  InvalidateCell(cell.X, cell.Y);
  if (write && cell.X < colCount_ && cell.Y < rowCount_) SetEditText(cell.X, cell.Y, text);
}

void TCustomGrid::UpdateEditorBounds() {
  if (!editorMode_ || !inplaceEdit_) return;
  if (editCell_ != TGridCoord{col_, row_}) {
    HideEditor();
    return;
  }
  inplaceEdit_->UpdateLoc(CellRect(col_, row_));
}

void TCustomGrid::EditorExit() {
  if (options_.Contains(goAlwaysShowEditor))
    UpdateText();
  else
    HideEditor();
}

void TCustomGrid::KeyPress(char32_t& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == 0 || !CanEditShow()) return;
  if (Key == U'\r') {
    if (!editorMode_)
      ShowEditor();
    else if (options_.Contains(goAlwaysShowEditor))
      UpdateText();
    else
      HideEditor();
    Key = 0;
  } else if (Key == 0x1B) {
    if (!editorMode_) return;
    // Escape puts the cell's own text back; with goAlwaysShowEditor the editor stays open.
    if (options_.Contains(goAlwaysShowEditor)) {
      inplaceEdit_->SetText(GetEditText(col_, row_));
      inplaceEdit_->SelectAll();
    } else {
      CancelEditor();
    }
    // The key stays Escape so a derived grid's KeyPress can see what ended the edit.
  } else if (Key >= U' ' && Key != 0x7F && Focused()) {
    // A character opens the editor and replaces the cell's text; an edit already open (its
    // cell was scrolled away) comes back into view and takes the character at its caret.
    const bool wasOpen = editorMode_;
    ShowEditor();
    if (editorMode_ && inplaceEdit_) {
      if (!wasOpen) inplaceEdit_->SelectAll();
      inplaceEdit_->TypeChar(Key);
    }
    Key = 0;
  }
}

void TCustomGrid::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == inplaceEdit_) {
    inplaceEdit_ = nullptr;
    editorMode_ = false;
    editCell_ = {-1, -1};
  }
}

}  // namespace fw
