// TInplaceEditList: the cell editor with an ellipsis or drop-down button, and its pick list.
#include <algorithm>

#include "framework/controls/form.h"
#include "framework/graphics/frame3d.h"
#include "framework/graphics/text_engine.h"
#include "framework/grids/inplace_edit.h"

namespace fw {

namespace {

// Width of the button at the editor's right edge.
constexpr int kButtonWidth = 16;

}  // namespace

TInplaceEditList::TInplaceEditList(TComponent* AOwner)
    : TInplaceEdit(AOwner), pickList_(std::make_unique<TStringList>()) {}

TInplaceEditList::~TInplaceEditList() {
  // The list lies on the form and is owned by this editor: it goes with it.
  delete ListControl();
}

void TInplaceEditList::SetEditStyle(TEditStyle value) {
  if (value == editStyle_) return;
  if (value != esPickList) CloseUp(false);
  editStyle_ = value;
  Invalidate();
}

void TInplaceEditList::UpdateContents() {
  CloseUp(false);
  TInplaceEdit::UpdateContents();
  const TGridCoord cell = Grid() ? Grid()->EditorCell() : TGridCoord{-1, -1};
  if (cell.X >= 0) SetEditStyle(Grid()->GetEditStyle(cell.X, cell.Y));
}

TRect TInplaceEditList::ButtonRect() const {
  if (editStyle_ == esSimple) return Rect(0, 0, 0, 0);
  return Rect(Width() - kButtonWidth, 0, Width(), Height());
}

TRect TInplaceEditList::TextArea() const {
  TRect r = TInplaceEdit::TextArea();
  if (editStyle_ != esSimple) r.Right = std::max(r.Left, r.Right - kButtonWidth);
  return r;
}

TPickListPopup* TInplaceEditList::ListControl() const {
  return static_cast<TPickListPopup*>(list_.Get());
}

bool TInplaceEditList::ListVisible() const {
  const TPickListPopup* list = ListControl();
  return list && list->Visible();
}

int TInplaceEditList::ItemIndex() const {
  const TPickListPopup* list = ListControl();
  return list ? list->ItemIndex() : -1;
}

// The list opens below the editor on its form, or above it when it would not fit below.
void TInplaceEditList::DropDown() {
  if (editStyle_ != esPickList || ListVisible() || pickList_->Count() == 0) return;
  TCustomForm* form = GetParentForm(this);
  TPickListPopup* list = ListControl();
  if (!list) {
    list = new TPickListPopup(this);
    list_ = list->Ref();
  }
  list->SetParent(form ? static_cast<TWinControl*>(form) : Parent());
  list->SetItems(*pickList_, dropDownRows_);
  const int rows = std::min(list->Count(), dropDownRows_);
  const int height = rows * list->ItemHeight() + 2;
  TPoint at = FormOrigin();
  if (!form && Parent()) at = {Left(), Top()};
  int top = at.Y + Height();
  if (form && top + height > form->ClientHeight() && at.Y - height >= 0) top = at.Y - height;
  list->SetBounds(at.X, top, Width(), height);
  list->SetItemIndex(pickList_->IndexOf(Text()));
  list->BringToFront();
  list->SetVisible(true);
}

void TInplaceEditList::CloseUp(bool accept) {
  TPickListPopup* list = ListControl();
  if (!list || !list->Visible()) return;
  const int index = list->ItemIndex();
  list->SetVisible(false);
  if (!accept || index < 0 || index >= list->Count() || ReadOnly()) return;
  SetText(list->Item(index));
  SelectAll();
  if (Grid() && Grid()->EditorMode()) Grid()->UpdateText();
}

void TInplaceEditList::EditButtonClick() {
  OnEditButtonClick(this);
}

void TInplaceEditList::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && PtInRect(ButtonRect(), TPoint{X, Y})) {
    if (CanFocus() && !Focused()) SetFocus();
    if (editStyle_ == esEllipsis)
      EditButtonClick();
    else if (ListVisible())
      CloseUp(false);
    else
      DropDown();
    return;
  }
  TInplaceEdit::MouseDown(Button, Shift, X, Y);
}

void TInplaceEditList::KeyDown(uint16_t& Key, TShiftState Shift) {
  const bool toggle = (Key == VK_DOWN && Shift.Contains(ssAlt)) || Key == VK_F4;
  if (editStyle_ == esPickList && toggle) {
    if (ListVisible())
      CloseUp(true);
    else
      DropDown();
    Key = 0;
    return;
  }
  if (editStyle_ == esEllipsis && Key == VK_RETURN && Shift.Contains(ssCtrl)) {
    EditButtonClick();
    Key = 0;
    return;
  }
  if (ListVisible()) {
    TPickListPopup* list = ListControl();
    const int page = std::max(list->Rows() - 1, 1);
    int index = list->ItemIndex();
    switch (Key) {
      case VK_UP:
        index = std::max(index - 1, 0);
        break;
      case VK_DOWN:
        index = std::min(index + 1, list->Count() - 1);
        break;
      case VK_PRIOR:
        index = std::max(index - page, 0);
        break;
      case VK_NEXT:
        index = std::min(index + page, list->Count() - 1);
        break;
      case VK_HOME:
        index = 0;
        break;
      case VK_END:
        index = list->Count() - 1;
        break;
      default:
        TInplaceEdit::KeyDown(Key, Shift);
        return;
    }
    list->SetItemIndex(index);
    Key = 0;
    return;
  }
  TInplaceEdit::KeyDown(Key, Shift);
}

// With the list down, Enter takes its choice and Escape closes it; neither reaches the grid.
void TInplaceEditList::KeyPress(char32_t& Key) {
  if (ListVisible() && (Key == U'\r' || Key == 0x1B)) {
    CloseUp(Key == U'\r');
    Key = 0;
    return;
  }
  TInplaceEdit::KeyPress(Key);
}

void TInplaceEditList::DoExit() {
  CloseUp(false);
  TInplaceEdit::DoExit();
}

void TInplaceEditList::Paint() {
  TInplaceEdit::Paint();
  if (editStyle_ != esSimple) PaintButton(Canvas());
}

// A raised button: three dots for the ellipsis, a small down-pointing triangle for the list.
void TInplaceEditList::PaintButton(TCanvas* canvas) {
  const TRect b = ButtonRect();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(b);
  Frame3D(canvas, b, clBtnHighlight, cl3DDkShadow);
  Frame3D(canvas, Rect(b.Left + 1, b.Top + 1, b.Right - 1, b.Bottom - 1), clBtnFace, clBtnShadow);
  const int cx = (b.Left + b.Right) / 2;
  const int cy = (b.Top + b.Bottom) / 2;
  canvas->Pen()->SetColor(Enabled() ? clBtnText : clGrayText);
  if (editStyle_ == esEllipsis) {
    for (int dx : {-4, 0, 4}) {
      canvas->Brush()->SetColor(Enabled() ? clBtnText : clGrayText);
      canvas->FillRect(Rect(cx + dx - 1, cy, cx + dx + 1, cy + 2));
    }
    return;
  }
  for (int i = 0; i < 4; ++i) {
    canvas->MoveTo(cx - 3 + i, cy - 1 + i);
    canvas->LineTo(cx + 4 - i, cy - 1 + i);
  }
}

// --- The drop-down list

TPickListPopup::TPickListPopup(TInplaceEditList* editor) : TCustomControl(editor), editor_(editor) {
  SetVisible(false);
  SetTabStop(false);
  SetColor(clWindow);
  SetControlStyle({csCaptureMouse, csOpaque});
}

void TPickListPopup::SetItems(const TStrings& items, int rows) {
  items_.clear();
  for (int i = 0; i < items.Count(); ++i) items_.push_back(items.Strings(i));
  rows_ = std::max(std::min(rows, Count()), 1);
  itemIndex_ = -1;
  topIndex_ = 0;
  SetFont(editor_->Font());
  Invalidate();
}

int TPickListPopup::ItemHeight() const {
  return MeasureText(Font()->Spec(), "").height + 2;
}

int TPickListPopup::ItemAt(int Y) const {
  if (Y < 1) return -1;
  const int index = topIndex_ + (Y - 1) / std::max(ItemHeight(), 1);
  return index < Count() && index < topIndex_ + rows_ ? index : -1;
}

void TPickListPopup::SetItemIndex(int value) {
  value = value >= 0 && value < Count() ? value : -1;
  if (value >= 0) {
    if (value < topIndex_) SetTopIndex(value);
    if (value >= topIndex_ + rows_) SetTopIndex(value - rows_ + 1);
  }
  if (value == itemIndex_) return;
  itemIndex_ = value;
  Invalidate();
}

void TPickListPopup::SetTopIndex(int value) {
  value = std::clamp(value, 0, std::max(Count() - rows_, 0));
  if (value == topIndex_) return;
  topIndex_ = value;
  Invalidate();
}

void TPickListPopup::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(Rect(0, 0, Width(), Height()));
  canvas->Brush()->SetColor(clWindowFrame);
  canvas->FrameRect(Rect(0, 0, Width(), Height()));
  canvas->SetFont(Font());
  const int h = ItemHeight();
  // A thin bar on the right shows where the rows on screen lie when the list scrolls.
  const bool scrolls = Count() > rows_;
  const int right = Width() - 1 - (scrolls ? 4 : 0);
  for (int i = 0; i < rows_ && topIndex_ + i < Count(); ++i) {
    const int index = topIndex_ + i;
    const TRect row = Rect(1, 1 + i * h, right, 1 + (i + 1) * h);
    const bool chosen = index == itemIndex_;
    canvas->Brush()->SetColor(chosen ? clHighlight : Color());
    canvas->Font()->SetColor(chosen ? clHighlightText : Font()->Color());
    canvas->TextRect(row, row.Left + 2, row.Top + 1, items_[static_cast<size_t>(index)]);
  }
  if (scrolls) {
    const int track = Height() - 2;
    const int top = 1 + track * topIndex_ / Count();
    const int length = std::max(track * rows_ / Count(), 4);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(Rect(right, 1, Width() - 1, Height() - 1));
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FillRect(Rect(right, top, Width() - 1, std::min(top + length, Height() - 1)));
  }
}

// The item under the pointer is chosen as it moves; a release on an item takes it.
void TPickListPopup::MouseMove(TShiftState Shift, int X, int Y) {
  if (const int index = ItemAt(Y); index >= 0 && X >= 0 && X < Width()) SetItemIndex(index);
  TCustomControl::MouseMove(Shift, X, Y);
}

void TPickListPopup::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const int index = X >= 0 && X < Width() ? ItemAt(Y) : -1;
  if (index >= 0) {
    SetItemIndex(index);
    editor_->CloseUp(true);
  }
}

bool TPickListPopup::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  SetTopIndex(topIndex_ + 1);
  return true;
}

bool TPickListPopup::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  SetTopIndex(topIndex_ - 1);
  return true;
}

}  // namespace fw
