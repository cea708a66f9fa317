// TThumbnails input: the scroll bar's presses, focus tracking under the mouse, selection by
// click, click and double-click reports, and the wheel.
#include <algorithm>
#include <cmath>

#include "browse/ZEB_Thumbnails.h"
#include "framework/controls/messages.h"

namespace zeb {

void TThumbnails::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  if (Button == fw::mbLeft && barTracker_.MouseDown({X, Y})) return;
  fw::TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button == fw::mbLeft && Shift.Contains(fw::ssDouble))
    OnImageDblClick(this, X, Y, CalcSlideIndex(X, Y));
}

void TThumbnails::MouseMove(fw::TShiftState Shift, int X, int Y) {
  if (barTracker_.MouseMove({X, Y})) return;
  fw::TGraphicControl::MouseMove(Shift, X, Y);
  if (focusLinewidth_ > 0) TrackFocus(CalcSlideIndex(X, Y));
}

// A release at (-1, -1) is the framework's report of a press that ended elsewhere.
void TThumbnails::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  if (Button == fw::mbLeft && barTracker_.MouseUp({X, Y})) return;
  fw::TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button != fw::mbLeft || (X == -1 && Y == -1)) return;
  const int id = CalcSlideIndex(X, Y);
  ClickSelect(id, Shift);
  OnImageClick(this, X, Y, id);
}

void TThumbnails::TrackFocus(int id) {
  if (id == focusedSlide_) return;
  ResetLastHiLite();
  HiLite(id);
  focusedSlide_ = id;
  OnFocusChange(this);
}

// The pointer left the strip: no slide is under it any more.
void TThumbnails::WndProc(fw::TMessage& message) {
  if (message.Msg == fw::CM_MOUSELEAVE && focusLinewidth_ > 0 && !barTracker_.Pressed())
    TrackFocus(0);
  fw::TGraphicControl::WndProc(message);
}

// ---- selection by click -----------------------------------------------------------------

void TThumbnails::SelectBetween(int a, int b) {
  for (int64_t id = std::min(a, b); id <= std::max(a, b); ++id)
    selection_.SetBit(static_cast<int>(id - min_), true);
}

void TThumbnails::ClickSelect(int id, fw::TShiftState Shift) {
  if (slideSelectMode_ == ssmDisabled) return;
  const bool ctrl = Shift.Contains(fw::ssCtrl), shift = Shift.Contains(fw::ssShift);
  if (slideSelectMode_ == ssmSingle || id == 0 || (!ctrl && !shift)) {
    if (id == 0 && slideSelectMode_ == ssmMultiple && (ctrl || shift)) return;
    selection_.Clear();
    if (id != 0) selection_.SetBit(id - min_, true);
    lastClicked_ = id;
  } else if (shift) {
    if (!ctrl) selection_.Clear();
    SelectBetween(lastClicked_ != 0 ? lastClicked_ : id, id);
  } else {
    selection_.SetBit(id - min_, !Selected(id));
    lastClicked_ = id;
  }
  Repaint();
}

// ---- scrolling --------------------------------------------------------------------------

// Arrows move a row, the track a page of whole rows.
void TThumbnails::BarStep(fw::TScrollBarPart part) {
  const fw::TScrollBarRange range = ScrollBarLayout().Range();
  int64_t target = range.position;
  if (part == fw::sbpLineBack) target -= 1;
  if (part == fw::sbpLineForward) target += 1;
  if (part == fw::sbpPageBack) target -= range.page;
  if (part == fw::sbpPageForward) target += range.page;
  ScrollToRow(FirstRow() + std::clamp<int64_t>(target, 0, range.max));
}

// A notch moves to the next whole row in its direction; the wheel does not scroll past the
// row that shows Max at the bottom (unless the strip is already beyond it).
void TThumbnails::WheelRows(int rows) {
  UpdateColumns();
  const double row = ThumbTopRow(top_, columns_);
  const int64_t from = static_cast<int64_t>(rows > 0 ? std::floor(row) : std::ceil(row));
  const int64_t last = std::max(LastTopRow(), static_cast<int64_t>(std::floor(row)));
  const int64_t target = std::clamp(from + rows, FirstRow(), last);
  SetTopIndex(static_cast<double>(target * columns_ + 1));
}

bool TThumbnails::DoMouseWheelDown(fw::TShiftState Shift, fw::TPoint MousePos) {
  if (fw::TGraphicControl::DoMouseWheelDown(Shift, MousePos)) return true;
  WheelRows(1);
  return true;
}

bool TThumbnails::DoMouseWheelUp(fw::TShiftState Shift, fw::TPoint MousePos) {
  if (fw::TGraphicControl::DoMouseWheelUp(Shift, MousePos)) return true;
  WheelRows(-1);
  return true;
}

}  // namespace zeb
