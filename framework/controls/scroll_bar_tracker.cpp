// TScrollBarTracker: a press on a bar, its repeats on the tracker's own timer, and thumb drags.
#include "framework/controls/scroll_bar_tracker.h"

namespace fw {

namespace {

constexpr UINT kRepeatTimerId = 1;

}  // namespace

TScrollBarTracker::~TScrollBarTracker() {
  if (timerWindow_) DeallocateHWnd(timerWindow_);
}

bool TScrollBarTracker::MouseDown(TPoint point) {
  Cancel();
  if (!Layout) return false;
  for (const bool vertical : {true, false}) {
    const TScrollBarLayout bar = Layout(vertical);
    const TScrollBarPart part = bar.HitTest(point);
    if (part == sbpNowhere) continue;
    part_ = part;
    vertical_ = vertical;
    pointer_ = point;
    if (part == sbpThumb) {
      grab_ = bar.Along(point) - bar.ThumbStart();
    } else {
      StartTimer(kScrollRepeatDelayMs);
      if (Step) Step(vertical, part);
    }
    return true;
  }
  return false;
}

bool TScrollBarTracker::MouseMove(TPoint point) {
  if (!Pressed()) return false;
  pointer_ = point;
  if (part_ != sbpThumb || !Layout) return true;
  const TScrollBarLayout bar = Layout(vertical_);
  if (!bar.Shown()) return true;
  const int position = bar.PositionForThumbAt(bar.Along(point) - grab_);
  if (!followThumb) {
    pendingThumb_ = position;
  } else if (position != bar.Range().position && ThumbTo) {
    ThumbTo(vertical_, position);
  }
  return true;
}

bool TScrollBarTracker::MouseUp(TPoint point) {
  if (!Pressed()) return false;
  pointer_ = point;
  const bool vertical = vertical_;
  const int pending = pendingThumb_;
  Cancel();
  if (pending >= 0 && ThumbTo) ThumbTo(vertical, pending);
  return true;
}

void TScrollBarTracker::Cancel() {
  StopTimer();
  part_ = sbpNowhere;
  pendingThumb_ = -1;
  grab_ = 0;
}

// A held arrow or track repeats while the pointer is still on the part pressed; on the track
// that stops once the thumb has come under the pointer.
void TScrollBarTracker::Repeat() {
  if (!repeating_) {
    repeating_ = true;
    StartTimer(kScrollRepeatIntervalMs);
  }
  if (!Layout || !Step || part_ == sbpThumb || !Pressed()) return;
  if (Layout(vertical_).HitTest(pointer_) != part_) return;
  Step(vertical_, part_);
}

void TScrollBarTracker::StartTimer(UINT ms) {
  if (!timerWindow_) {
    timerWindow_ = AllocateHWnd([this](TMessage& message) {
      if (message.Msg == WM_TIMER && message.WParam == kRepeatTimerId) Repeat();
    });
  }
  SetTimer(timerWindow_, kRepeatTimerId, ms);
}

void TScrollBarTracker::StopTimer() {
  repeating_ = false;
  if (timerWindow_) KillTimer(timerWindow_, kRepeatTimerId);
}

}  // namespace fw
