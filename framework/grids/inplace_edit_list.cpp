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
  TPickListPopup* list = ListControl();
  if (!list) {
    list = new TPickListPopup(this);
    list_ = list->Ref();
  }
  list->SetParent(TDropDownList::HostFor(*this));
  list->SetItems(*pickList_, dropDownRows_);
  list->ShowUnder(*this, pickList_->IndexOf(Text()));
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
  if (ListVisible() && ListControl()->ChooseByKey(Key)) {
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

TPickListPopup::TPickListPopup(TInplaceEditList* editor) : TDropDownList(editor), editor_(editor) {
  SetColor(clWindow);
}

void TPickListPopup::SetItems(const TStrings& items, int rows) {
  items_.clear();
  for (int i = 0; i < items.Count(); ++i) items_.push_back(items.Strings(i));
  ResetRows(std::min(rows, Count()));
  SetFont(editor_->Font());
}

int TPickListPopup::ItemHeight() const {
  return MeasureText(Font()->Spec(), "").height + 2;
}

void TPickListPopup::DrawRow(TCanvas* canvas, int index, const TRect& row, bool chosen) {
  canvas->Brush()->SetColor(chosen ? clHighlight : Color());
  canvas->Font()->SetColor(chosen ? clHighlightText : Font()->Color());
  canvas->TextRect(row, row.Left + 2, row.Top + 1, items_[static_cast<size_t>(index)]);
}

void TPickListPopup::ItemTaken() {
  editor_->CloseUp(true);
}

}  // namespace fw
