// TNTabEd's heading editor (column and row names and attributes) and comment editor: two edit
// boxes over the grid, accepted with Enter and discarded with Escape.
#include <algorithm>
#include <cmath>

#include "framework/graphics/canvas.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/rounding.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/memo.h"
#include "ntabed/ZEB_ntabed.h"

namespace zeb {

void TNTabEd::CreateEditors() {
  nameEditor_ = new fw::TEdit(this);
  nameEditor_->SetName("NameEditor");
  nameEditor_->SetVisible(false);
  nameEditor_->SetParent(this);
  nameEditor_->OnKeyPress = [this](fw::TObject*, char32_t& Key) { HeadingEditorKey(Key); };
  commentEditor_ = new fw::TMemo(this);
  commentEditor_->SetName("CommentEditor");
  commentEditor_->SetVisible(false);
  commentEditor_->SetParent(this);
  commentEditor_->SetWantReturns(false);
  commentEditor_->OnKeyPress = [this](fw::TObject*, char32_t& Key) { CommentEditorKey(Key); };
}

void TNTabEd::EditHeading(int col, int row) {
  if (!nameEditor_ || (col <= ColOffset() && row <= RowOffset())) return;
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
  const fw::TRect cell = CellRect(col, row);
  std::string text;
  if (col > ColOffset())
    text = row == 1 && RowOffset() == 1 ? fw::Str(GetColAttrib(col - ColOffset()))
                                        : GetColName(col - ColOffset());
  else if (col != 0)
    text = fw::Str(GetRowAttrib(row - RowOffset()));
  else
    text = GetRowName(row - RowOffset());
  headEditCell_ = fw::TGridCoord{col, row};
  nameEditor_->SetBounds(cell.Left + 30, cell.Top + 5, std::max(80, cell.Right - cell.Left),
                         nameEditor_->Height());
  nameEditor_->SetText(text);
  nameEditor_->SelectAll();
  nameEditor_->SetVisible(true);
  if (nameEditor_->CanFocus()) nameEditor_->SetFocus();
  headingEdit_ = true;
}

void TNTabEd::HeadingEditorKey(char32_t& Key) {
  if (Key != U'\r' && Key != 0x1B) return;
  const bool accept = Key == U'\r';
  Key = 0;
  nameEditor_->SetVisible(false);
  headingEdit_ = false;
  if (CanFocus()) SetFocus();
  Invalidate();
  if (!accept) return;
  const int col = headEditCell_.X, row = headEditCell_.Y;
  const std::string text = nameEditor_->Text();
  const bool attribCell =
      (col > ColOffset() && RowOffset() == 1 && row == 1) || (col != 0 && col <= ColOffset());
  if (!attribCell) {
    if (col > ColOffset())
      SetColName(col - ColOffset(), text);
    else
      SetRowName(row - RowOffset(), text);
    FireChanged(OnHeadingChanged);
    return;
  }
  double x = 0.0;
  int code = 0;
  fw::Val(text, x, code);
  if (code != 0) return;
  const auto attrib = static_cast<uint8_t>(fw::Round(std::clamp(x, 0.0, 255.0)));
  if (col > ColOffset())
    SetColAttrib(col - ColOffset(), attrib);
  else
    SetRowAttrib(row - RowOffset(), attrib);
  FireChanged(OnHeadingChanged);
}

void TNTabEd::OpenCommentEditor() {
  if (!commentEditor_) return;
  const fw::TRect corner = CellRect(0, 0);
  fw::TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Brush()->SetColor(fw::RGB(0, 128, 128));
  canvas->SetFont(Font());
  canvas->Font()->SetColor(fw::clWhite);
  canvas->Font()->SetStyle({});
  canvas->TextRect(corner, corner.Left + 3, corner.Top + 2, "Comment:");
  const int left = ColWidths(0);
  commentEditor_->SetBounds(left, 0, std::max(0, Width() - left - 20), 80);
  commentEditor_->SetText(table_->FComment());
  commentEditor_->SetColor(fw::RGB(0, 128, 128));
  commentEditor_->Font()->SetColor(fw::clWhite);
  commentEditor_->SetVisible(true);
  if (commentEditor_->CanFocus()) commentEditor_->SetFocus();
  commentMode_ = true;
}

void TNTabEd::CommentEditorKey(char32_t& Key) {
  if (Key != U'\r' && Key != 0x1B) return;
  const bool accept = Key == U'\r';
  Key = 0;
  CloseCommentEditor(accept);
}

// Accepted text is stored as the Comment setter stores it (control characters removed), so
// both ways of setting the comment give the same text.
void TNTabEd::CloseCommentEditor(bool accept) {
  if (!commentMode_) return;
  commentEditor_->SetVisible(false);
  commentMode_ = false;
  if (CanFocus()) SetFocus();
  if (accept) SetComment(commentEditor_->Text());
  Invalidate();
  const fw::TGridRect sel = Selection();
  DisplayCellCursor(sel.Left, sel.Top);
}

}  // namespace zeb
