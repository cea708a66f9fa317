// TComboListPopup: the dropped-down list of a combo box, its rows drawn by the box.
#include <algorithm>

#include "framework/rtl/scope_guard.h"
#include "framework/stdctrls/combo_box.h"

namespace fw {

TComboListPopup::TComboListPopup(TCustomComboBox* box) : TCustomControl(box), box_(box) {
  SetVisible(false);
  SetTabStop(false);
  SetControlStyle({csCaptureMouse, csOpaque});
}

void TComboListPopup::Reset(int rows) {
  rows_ = std::max(rows, 1);
  itemIndex_ = -1;
  topIndex_ = 0;
  SetFont(box_->Font());
  SetColor(box_->Color());
  Invalidate();
}

TRect TComboListPopup::ItemRect(int index) const {
  const int row = index - topIndex_;
  if (row < 0 || row >= rows_) return Rect(0, 0, 0, 0);
  const int h = box_->ItemHeight();
  const int right = Width() - 1 - (Count() > rows_ ? 4 : 0);
  return Rect(1, 1 + row * h, right, 1 + (row + 1) * h);
}

int TComboListPopup::ItemAt(int X, int Y) const {
  if (X < 0 || X >= Width() || Y < 1) return -1;
  const int index = topIndex_ + (Y - 1) / std::max(box_->ItemHeight(), 1);
  return index < Count() && index < topIndex_ + rows_ ? index : -1;
}

void TComboListPopup::SetItemIndex(int value) {
  value = value >= 0 && value < Count() ? value : -1;
  if (value >= 0) {
    if (value < topIndex_) SetTopIndex(value);
    if (value >= topIndex_ + rows_) SetTopIndex(value - rows_ + 1);
  }
  if (value == itemIndex_) return;
  itemIndex_ = value;
  Invalidate();
}

void TComboListPopup::SetTopIndex(int value) {
  value = std::clamp(value, 0, std::max(Count() - rows_, 0));
  if (value == topIndex_) return;
  topIndex_ = value;
  Invalidate();
}

// The frame, each row on screen through the box's DrawItem (on this list's canvas), and a thin
// bar on the right showing where the rows on screen lie when the list scrolls.
void TComboListPopup::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(Rect(0, 0, Width(), Height()));
  canvas->Brush()->SetColor(clWindowFrame);
  canvas->FrameRect(Rect(0, 0, Width(), Height()));
  {
    TValueRestorer<TCanvas*> drawOnList(box_->drawCanvas_, canvas);
    for (int i = 0; i < rows_ && topIndex_ + i < Count(); ++i) {
      const int index = topIndex_ + i;
      const TRect row = ItemRect(index);
      TCanvasStateSaver saved(*canvas);
      if (!canvas->IntersectClipRect(row)) continue;
      canvas->SetFont(Font());
      TOwnerDrawState state;
      if (index == itemIndex_) state = {odSelected, odFocused};
      box_->DrawItem(index, row, state);
    }
  }
  if (Count() > rows_) {
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
}

void TComboListPopup::MouseMove(TShiftState Shift, int X, int Y) {
  if (const int index = ItemAt(X, Y); index >= 0) SetItemIndex(index);
  TCustomControl::MouseMove(Shift, X, Y);
}

void TComboListPopup::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const int index = ItemAt(X, Y);
  if (index < 0) return;
  SetItemIndex(index);
  box_->CloseUp(true);
}

bool TComboListPopup::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  SetTopIndex(topIndex_ + 1);
  return true;
}

bool TComboListPopup::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  SetTopIndex(topIndex_ - 1);
  return true;
}

}  // namespace fw
