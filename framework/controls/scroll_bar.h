// A scroll bar that a control draws inside its own client area (the grid, the memo, and every
// scrolling control after them): its geometry, hit-testing and painting. The pressing,
// repeating and thumb dragging live in TScrollBarTracker (scroll_bar_tracker.h).
//
// A bar is a rectangle, an orientation and a range. Along the bar lie the back arrow button,
// the track and the forward arrow button; the thumb sits on the track, as long as the page is
// against the whole range and placed as the position is within it. All arithmetic is 64-bit,
// so ranges up to INT_MAX and bars as long as a control can be never overflow.
#pragma once

#include "framework/graphics/canvas.h"
#include "framework/rtl/types.h"

namespace fw {

// Thickness of a bar and the length of each arrow button.
inline constexpr int kScrollBarSize = 16;
// The shortest thumb. A track no longer than this shows no thumb.
inline constexpr int kMinThumbLength = 8;

// What a bar stands for: a first shown unit `position` in 0..`max`, with `page` units in view.
// Nothing scrolls when max is 0.
struct TScrollBarRange {
  int position = 0;
  int max = 0;
  int page = 1;
};

// The parts of a bar a point can be on. "Back" is up or left, "forward" down or right.
enum TScrollBarPart {
  sbpNowhere,
  sbpLineBack,     // the back arrow button
  sbpLineForward,  // the forward arrow button
  sbpPageBack,     // the track before the thumb
  sbpPageForward,  // the track after the thumb
  sbpThumb,
};

class TScrollBarLayout {
 public:
  // No bar: every point is nowhere.
  TScrollBarLayout() = default;
  // The range is brought within itself: max at least 0, page at least 1, position in 0..max.
  TScrollBarLayout(const TRect& bar, bool vertical, TScrollBarRange range);

  const TRect& Bar() const { return bar_; }
  bool Vertical() const { return vertical_; }
  const TScrollBarRange& Range() const { return range_; }
  bool Shown() const { return !IsRectEmpty(bar_); }

  TRect BackArrow() const;
  TRect ForwardArrow() const;
  // Empty when nothing scrolls or the track has no room for a thumb.
  TRect Thumb() const;

  // On the track without a thumb, the half of the track decides the paging direction.
  TScrollBarPart HitTest(TPoint point) const;
  // Pixels from the start of the bar to `point`, along the bar.
  int Along(TPoint point) const;
  // Pixels from the start of the bar to the thumb's leading edge (the track's start when
  // there is no thumb).
  int ThumbStart() const;
  // The position that puts the thumb's leading edge `along` pixels from the bar's start,
  // clamped to the range; the current position when the thumb cannot move.
  int PositionForThumbAt(int along) const;

  // Track, two raised arrow buttons with their arrows, and the raised thumb.
  void Paint(TCanvas* canvas) const;

 private:
  int Length() const;
  int TrackLength() const;
  int ThumbLength() const;  // 0 when there is no thumb
  int ThumbOffset() const;  // from the track's start

  TRect bar_{};
  bool vertical_ = true;
  TScrollBarRange range_{};
};

// The square where a vertical and a horizontal bar meet, `topLeft` its top left corner.
void PaintScrollBarCorner(TCanvas* canvas, TPoint topLeft);

}  // namespace fw
