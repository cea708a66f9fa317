// TRasterLab scrolling: the scroll properties, timer 1 of the label's hidden window, and the
// scroll step.
//
// Right moves the text right (offset x grows); once the offset passes Width it restarts fully
// left of its position (offset x = -text length). Left is its mirror image: offset x shrinks,
// and once the text lies fully left of its position (offset x < -text length) it restarts at
// offset x = Width, just right of the display. Down and up do the same along y with Height and
// the text height (rows x pitch). Offsets add with saturation: an increment near the int range
// never wraps.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "displays/ZEB_RasterLab.h"
#include "framework/controls/application.h"

namespace zeb {

namespace {

constexpr fw::UINT kScrollTimer = 1;

int SaturatedAdd(int a, int b) {
  return static_cast<int>(std::clamp<int64_t>(int64_t{a} + b, INT_MIN, INT_MAX));
}

}  // namespace

void TRasterLab::SetScrollMode(TRDScrollMode value) {
  if (value == scrollMode_) return;
  scrollMode_ = value;
  if (ComponentState().Contains(fw::csDesigning)) return;
  scrolling_ = value != rdsmOff;
  UpdateTimer();
  if (value == rdsmOff) {
    offsetX_ = offsetY_ = 0;
    Invalidate();
  }
}

void TRasterLab::SetScrollInterval(int value) {
  value = std::max(value, kMinScrollInterval);
  if (value == scrollInterval_) return;
  scrollInterval_ = value;
  UpdateTimer();
}

// 0 becomes 1; a negative value its absolute value (INT_MIN, whose absolute value has no int,
// becomes INT_MAX).
void TRasterLab::SetScrollIncrement(int value) {
  value = value == 0 ? 1 : value == INT_MIN ? INT_MAX : value < 0 ? -value : value;
  if (value == scrollIncrement_) return;
  scrollIncrement_ = value;
  UpdateTimer();
}

void TRasterLab::SetScrollLoop(bool value) {
  scrollLoop_ = value;
  Invalidate();
}

void TRasterLab::UpdateTimer() {
  fw::KillTimer(timerWindow_, kScrollTimer);
  if (scrollInterval_ <= 0 || scrollMode_ == rdsmOff || !scrolling_) return;
  if (!fw::SetTimer(timerWindow_, kScrollTimer, static_cast<fw::UINT>(scrollInterval_)))
    throw EZEBRasterLabError("Component \"" + Name() + "\": no timer available");
}

void TRasterLab::TimerProc(fw::TMessage& message) {
  if (message.Msg != fw::WM_TIMER) {
    fw::DefWindowProc(timerWindow_, message);
    return;
  }
  try {
    DoTimer();
  } catch (...) {
    fw::Application->HandleException(this);
  }
}

void TRasterLab::DoTimer() {
  ScrollStep();
  OnScrollTimer(this);
}

void TRasterLab::DoScrLoopRestart() {
  OnScrollLoopRestart(this);
}

void TRasterLab::ScrollStep() {
  // The painted text length, worked out from the text so a label not painted yet (hidden,
  // or changed since) restarts at the right place too.
  const int length = std::min(CalcTextBitLength(text_), INT_MAX - 1) + 1;
  const int height = Pitch() * matrix_.height;
  const int step = scrollIncrement_;
  bool restart = false;
  switch (scrollMode_) {
    case rdsmOff:
      scrolling_ = false;
      offsetX_ = offsetY_ = 0;
      break;
    case rdsmRight:
      offsetX_ = SaturatedAdd(offsetX_, step);
      restart = scrollLoop_ && offsetX_ > Width();
      if (restart) offsetX_ = -length;
      break;
    case rdsmLeft:
      offsetX_ = SaturatedAdd(offsetX_, -step);
      restart = scrollLoop_ && offsetX_ < -length;
      if (restart) offsetX_ = Width();
      break;
    case rdsmDown:
      offsetY_ = SaturatedAdd(offsetY_, step);
      restart = scrollLoop_ && offsetY_ > Height();
      if (restart) offsetY_ = -height;
      break;
    case rdsmUp:
      offsetY_ = SaturatedAdd(offsetY_, -step);
      restart = scrollLoop_ && offsetY_ < -height;
      if (restart) offsetY_ = Height();
      break;
  }
  if (restart) DoScrLoopRestart();
  Invalidate();
}

}  // namespace zeb
