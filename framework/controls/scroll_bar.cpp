// TScrollBarLayout: where the arrows, the track and the thumb of a bar lie, and which of them
// a point is on.
#include "framework/controls/scroll_bar.h"

#include <algorithm>
#include <cstdint>

namespace fw {

TScrollBarLayout::TScrollBarLayout(const TRect& bar, bool vertical, TScrollBarRange range)
    : bar_(bar), vertical_(vertical), range_(range) {
  range_.max = std::max(range_.max, 0);
  range_.page = std::max(range_.page, 1);
  range_.position = std::clamp(range_.position, 0, range_.max);
}

int TScrollBarLayout::Length() const {
  return vertical_ ? bar_.Height() : bar_.Width();
}

int TScrollBarLayout::TrackLength() const {
  return std::max(Length() - 2 * kScrollBarSize, 0);
}

int TScrollBarLayout::ThumbLength() const {
  const int track = TrackLength();
  if (range_.max <= 0 || track <= kMinThumbLength) return 0;
  const int64_t total = int64_t{range_.max} + range_.page;
  const int64_t length = int64_t{track} * range_.page / total;
  return static_cast<int>(std::clamp<int64_t>(length, kMinThumbLength, track));
}

int TScrollBarLayout::ThumbOffset() const {
  const int thumb = ThumbLength();
  if (thumb == 0) return 0;
  const int64_t room = TrackLength() - thumb;
  return static_cast<int>(room * range_.position / range_.max);
}

// Along the bar, start to end: [0, size) back arrow, track, [length - size, length) forward.
static TRect Piece(const TRect& bar, bool vertical, int from, int to) {
  return vertical ? Rect(bar.Left, bar.Top + from, bar.Right, bar.Top + to)
                  : Rect(bar.Left + from, bar.Top, bar.Left + to, bar.Bottom);
}

TRect TScrollBarLayout::BackArrow() const {
  if (!Shown()) return Rect(0, 0, 0, 0);
  return Piece(bar_, vertical_, 0, std::min(kScrollBarSize, Length()));
}

TRect TScrollBarLayout::ForwardArrow() const {
  if (!Shown()) return Rect(0, 0, 0, 0);
  return Piece(bar_, vertical_, std::max(Length() - kScrollBarSize, 0), Length());
}

TRect TScrollBarLayout::Thumb() const {
  const int length = ThumbLength();
  if (!Shown() || length == 0) return Rect(0, 0, 0, 0);
  const int start = kScrollBarSize + ThumbOffset();
  return Piece(bar_, vertical_, start, start + length);
}

int TScrollBarLayout::Along(TPoint point) const {
  return vertical_ ? point.Y - bar_.Top : point.X - bar_.Left;
}

int TScrollBarLayout::ThumbStart() const {
  return kScrollBarSize + ThumbOffset();
}

TScrollBarPart TScrollBarLayout::HitTest(TPoint point) const {
  if (!Shown() || !PtInRect(bar_, point)) return sbpNowhere;
  const int at = Along(point);
  if (at < kScrollBarSize) return sbpLineBack;
  if (at >= Length() - kScrollBarSize) return sbpLineForward;
  const int thumb = ThumbLength();
  if (thumb == 0) return at < Length() / 2 ? sbpPageBack : sbpPageForward;
  const int start = ThumbStart();
  if (at < start) return sbpPageBack;
  if (at >= start + thumb) return sbpPageForward;
  return sbpThumb;
}

int TScrollBarLayout::PositionForThumbAt(int along) const {
  const int thumb = ThumbLength();
  const int room = TrackLength() - thumb;
  if (thumb == 0 || room <= 0) return range_.position;
  const int64_t offset = std::clamp(int64_t{along} - kScrollBarSize, int64_t{0}, int64_t{room});
  return static_cast<int>(offset * range_.max / room);
}

}  // namespace fw
