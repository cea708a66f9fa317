// TScrollBarTracker: what happens while the mouse button is held on a control's scroll bar.
// A press on an arrow scrolls a line and, held, keeps scrolling (first after a delay, then at
// a steady rate) while the pointer stays on that arrow; a press on the track pages the same way
// until the thumb reaches the pointer; a press on the thumb drags it. The control forwards its
// left-button mouse events and says what its bars are and how it scrolls:
//
//   tracker_.Layout = [this](bool vertical) { return BarLayout(vertical); };
//   tracker_.Step = [this](bool vertical, TScrollBarPart part) { ... a line or a page ... };
//   tracker_.ThumbTo = [this](bool vertical, int position) { ... scroll to position ... };
//   MouseDown: if (tracker_.MouseDown({X, Y})) return;   // the press was on a bar
//   MouseMove: if (tracker_.MouseMove({X, Y})) return;   // a press on a bar runs
//   MouseUp:   if (tracker_.MouseUp({X, Y})) return;
//
// The repeat runs on a timer of the tracker's own hidden window, so it never collides with the
// control's timers.
#pragma once

#include <functional>

#include "framework/controls/scroll_bar.h"
#include "framework/controls/timers.h"

namespace fw {

// The first repeat comes this long after the press, the next ones at the interval.
inline constexpr UINT kScrollRepeatDelayMs = 400;
inline constexpr UINT kScrollRepeatIntervalMs = 50;

class TScrollBarTracker {
 public:
  TScrollBarTracker() = default;
  ~TScrollBarTracker();
  TScrollBarTracker(const TScrollBarTracker&) = delete;
  TScrollBarTracker& operator=(const TScrollBarTracker&) = delete;

  // The control's bar of that orientation as it is now; an empty layout when not shown.
  std::function<TScrollBarLayout(bool vertical)> Layout;
  // Scroll by a line or a page (the part says which and in which direction).
  std::function<void(bool vertical, TScrollBarPart part)> Step;
  // Scroll to the position the dragged thumb stands for.
  std::function<void(bool vertical, int position)> ThumbTo;
  // Whether the control follows the thumb while it is dragged (otherwise on release only).
  bool followThumb = true;

  // A left-button press: true when it was on a bar (the tracker has acted on it).
  bool MouseDown(TPoint point);
  // True while a press that began on a bar runs.
  bool MouseMove(TPoint point);
  // Ends the press (a thumb not followed scrolls now); true when it began on a bar.
  bool MouseUp(TPoint point);
  // Ends the press without scrolling further (capture lost, control hidden).
  void Cancel();

  bool Pressed() const { return part_ != sbpNowhere; }
  bool DraggingThumb() const { return part_ == sbpThumb; }
  bool Vertical() const { return vertical_; }

 private:
  void Repeat();
  void StartTimer(UINT ms);
  void StopTimer();

  TScrollBarPart part_ = sbpNowhere;
  bool vertical_ = true;
  TPoint pointer_{};
  int grab_ = 0;           // pixels from the thumb's leading edge to the pointer
  int pendingThumb_ = -1;  // a position waiting for the release
  HWND timerWindow_ = nullptr;
  bool repeating_ = false;  // the first repeat has come
};

}  // namespace fw
