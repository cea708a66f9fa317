// TDropDownList: choosing, scrolling, painting and the mouse of a dropped-down list.
#include "framework/stdctrls/drop_down_list.h"

#include <algorithm>

#include "framework/controls/form.h"
#include "framework/controls/messages.h"

namespace fw {

TDropDownList::TDropDownList(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  SetTabStop(false);
  SetControlStyle({csCaptureMouse, csOpaque});
}

void TDropDownList::ResetRows(int rows) {
  rows_ = std::max(rows, 1);
  itemIndex_ = -1;
  topIndex_ = 0;
  Invalidate();
}

int ListKeyIndex(uint16_t key, int index, int count, int page, bool homeEnd) {
  switch (key) {
    case VK_UP:
      return std::max(index - 1, 0);
    case VK_DOWN:
      return std::min(index + 1, count - 1);
    case VK_PRIOR:
      return std::max(index - page, 0);
    case VK_NEXT:
      return std::min(std::max(index, 0) + page, count - 1);
    case VK_HOME:
      return homeEnd ? 0 : -2;
    case VK_END:
      return homeEnd ? count - 1 : -2;
    default:
      return -2;
  }
}

bool TDropDownList::ChooseByKey(uint16_t key) {
  const int to = ListKeyIndex(key, itemIndex_, Count(), std::max(rows_ - 1, 1));
  if (to == -2) return false;
  SetItemIndex(to);
  return true;
}

TWinControl* TDropDownList::HostFor(TControl& anchor) {
  TCustomForm* form = GetParentForm(&anchor);
  return form ? static_cast<TWinControl*>(form) : anchor.Parent();
}

void TDropDownList::ShowUnder(TControl& anchor, int index) {
  TCustomForm* form = GetParentForm(&anchor);
  const int height = Rows() * ItemHeight() + 2;
  TPoint at = anchor.FormOrigin();
  if (!form && anchor.Parent()) at = {anchor.Left(), anchor.Top()};
  int top = at.Y + anchor.Height();
  if (form && top + height > form->ClientHeight() && at.Y - height >= 0) top = at.Y - height;
  SetBounds(at.X, top, anchor.Width(), height);
  SetItemIndex(index);
  BringToFront();
  SetVisible(true);
}

int TDropDownList::ItemAt(int X, int Y) const {
  if (X < 0 || X >= Width() || Y < 1) return -1;
  const int index = topIndex_ + (Y - 1) / std::max(ItemHeight(), 1);
  return index < Count() && index < topIndex_ + rows_ ? index : -1;
}

TRect TDropDownList::ItemRect(int index) const {
  const int row = index - topIndex_;
  if (row < 0 || row >= rows_) return Rect(0, 0, 0, 0);
  const int h = ItemHeight();
  const int right = Width() - 1 - (Count() > rows_ ? 4 : 0);
  return Rect(1, 1 + row * h, right, 1 + (row + 1) * h);
}

void TDropDownList::SetItemIndex(int value) {
  value = value >= 0 && value < Count() ? value : -1;
  if (value >= 0) {
    if (value < topIndex_) SetTopIndex(value);
    if (value >= topIndex_ + rows_) SetTopIndex(value - rows_ + 1);
  }
  if (value == itemIndex_) return;
  itemIndex_ = value;
  Invalidate();
}

void TDropDownList::SetTopIndex(int value) {
  value = std::clamp(value, 0, std::max(Count() - rows_, 0));
  if (value == topIndex_) return;
  topIndex_ = value;
  Invalidate();
}

void TDropDownList::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(Rect(0, 0, Width(), Height()));
  canvas->Brush()->SetColor(clWindowFrame);
  canvas->FrameRect(Rect(0, 0, Width(), Height()));
  canvas->SetFont(Font());
  for (int index = topIndex_; index < topIndex_ + rows_ && index < Count(); ++index)
    DrawRow(canvas, index, ItemRect(index), index == itemIndex_);
  if (Count() > rows_) PaintScrollBar(canvas);
}

void TDropDownList::PaintScrollBar(TCanvas* canvas) {
  const int right = Width() - 5;
  const int track = Height() - 2;
  const int top = 1 + track * topIndex_ / Count();
  const int length = std::max(track * rows_ / Count(), 4);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(Rect(right, 1, Width() - 1, Height() - 1));
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FillRect(Rect(right, top, Width() - 1, std::min(top + length, Height() - 1)));
}

void TDropDownList::MouseMove(TShiftState Shift, int X, int Y) {
  if (const int index = ItemAt(X, Y); index >= 0) SetItemIndex(index);
  TCustomControl::MouseMove(Shift, X, Y);
}

void TDropDownList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const int index = ItemAt(X, Y);
  if (index < 0) return;
  SetItemIndex(index);
  ItemTaken();
}

bool TDropDownList::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  SetTopIndex(topIndex_ + 1);
  return true;
}

bool TDropDownList::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  SetTopIndex(topIndex_ - 1);
  return true;
}

}  // namespace fw
