// The scroll bar piece: geometry and hit-testing over bars from tiny to huge, and the tracker's
// press, repeat and thumb drag.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/controls/scroll_bar_tracker.h"

namespace fw {
namespace {

struct BarCase {
  int length;
  TScrollBarRange range;
};

// Bars from shorter than their two arrows to as long as a control can be, and ranges from
// nothing to scroll to INT_MAX.
const std::vector<BarCase> kBars{
    {20, {0, 10, 1}},
    {40, {5, 10, 1}},
    {41, {5, 10, 1}},
    {200, {0, 0, 10}},
    {200, {0, 90, 10}},
    {200, {45, 90, 10}},
    {200, {90, 90, 10}},
    {200, {1, 1, INT_MAX}},
    {200, {7, 1000000, 1}},
    {1 << 24, {0, INT_MAX, INT_MAX}},
    {1 << 24, {INT_MAX - 1, INT_MAX, 1}},
    {1 << 24, {1 << 30, INT_MAX, 37}},
    {300, {-5, 50, 0}},
    {300, {80, 50, 3}},
};

// Walking along the bar meets its parts in order, the thumb (when there is one) inside the
// track and at least the shortest length, its ends at the ends of the range.
TEST(ScrollBarLayout, PartsLieInOrderForEveryBarAndRange) {
  for (const bool vertical : {true, false}) {
    for (const BarCase& c : kBars) {
      SCOPED_TRACE(testing::Message() << c.length << " " << c.range.position << "/" << c.range.max
                                      << "/" << c.range.page);
      const TRect rect =
          vertical ? Rect(10, 20, 26, 20 + c.length) : Rect(10, 20, 10 + c.length, 36);
      const TScrollBarLayout bar(rect, vertical, c.range);
      const TRect thumb = bar.Thumb();
      const int track = c.length - 2 * kScrollBarSize;
      const bool scrolls = c.range.max > 0 && track > kMinThumbLength;
      ASSERT_EQ(!IsRectEmpty(thumb), scrolls);
      if (scrolls) {
        const int start = bar.ThumbStart();
        const int length = vertical ? thumb.Height() : thumb.Width();
        EXPECT_GE(start, kScrollBarSize);
        EXPECT_GE(length, kMinThumbLength);
        EXPECT_LE(start + length, c.length - kScrollBarSize);
        if (bar.Range().position == 0) {
          EXPECT_EQ(start, kScrollBarSize);
        }
        if (bar.Range().position == bar.Range().max) {
          EXPECT_EQ(start + length, c.length - kScrollBarSize);
        }
        // The thumb put back where it is stands for the position, up to one pixel's worth.
        const int back = bar.PositionForThumbAt(start);
        EXPECT_LE(back, bar.Range().position);
        const int64_t perPixel = bar.Range().max / std::max(track - length, 1) + 1;
        EXPECT_LE(bar.Range().position - back, perPixel);
        EXPECT_EQ(bar.PositionForThumbAt(INT_MIN), 0);
        EXPECT_EQ(bar.PositionForThumbAt(INT_MAX), bar.Range().max);
      }
      // Sample the bar's length (every pixel of short bars) and check the order of the parts.
      const int step = std::max(c.length / 4096, 1);
      TScrollBarPart last = sbpLineBack;
      for (int at = 0; at < c.length; at += step) {
        const TPoint p = vertical ? TPoint{15, 20 + at} : TPoint{10 + at, 25};
        const TScrollBarPart part = bar.HitTest(p);
        EXPECT_EQ(part == sbpThumb, PtInRect(thumb, p));
        const auto order = [](TScrollBarPart x) {
          return x == sbpLineBack      ? 0
                 : x == sbpPageBack    ? 1
                 : x == sbpThumb       ? 2
                 : x == sbpPageForward ? 3
                                       : 4;
        };
        EXPECT_GE(order(part), order(last)) << at;
        last = part;
      }
      EXPECT_EQ(bar.HitTest({0, 0}), sbpNowhere);
    }
  }
}

TEST(ScrollBarLayout, ExactPlacesOfAnOrdinaryBar) {
  // 200 long: a 168-pixel track, a thumb of 168 * 10 / 100 pixels.
  const TScrollBarLayout top(Rect(0, 0, 16, 200), true, {0, 90, 10});
  EXPECT_EQ(top.Thumb(), Rect(0, 16, 16, 32));
  EXPECT_EQ(top.BackArrow(), Rect(0, 0, 16, 16));
  EXPECT_EQ(top.ForwardArrow(), Rect(0, 184, 16, 200));
  const TScrollBarLayout middle(Rect(0, 0, 200, 16), false, {45, 90, 10});
  EXPECT_EQ(middle.Thumb(), Rect(92, 0, 108, 16));
  EXPECT_EQ(middle.PositionForThumbAt(92), 45);
  EXPECT_FALSE(TScrollBarLayout().Shown());
  EXPECT_EQ(TScrollBarLayout().HitTest({0, 0}), sbpNowhere);
}

// A bar over a list of 100 rows showing 10, driven through the tracker as a control would.
struct TrackerFixture {
  TestHost host;
  TScrollBarRange range{0, 90, 10};
  std::vector<TScrollBarPart> steps;
  std::vector<int> thumbs;
  std::unique_ptr<TScrollBarTracker> tracker = std::make_unique<TScrollBarTracker>();

  TrackerFixture() {
    tracker->Layout = [this](bool vertical) {
      return vertical ? TScrollBarLayout(Rect(0, 0, 16, 200), true, range) : TScrollBarLayout();
    };
    tracker->Step = [this](bool, TScrollBarPart part) {
      steps.push_back(part);
      const int delta = part == sbpLineBack      ? -1
                        : part == sbpLineForward ? 1
                        : part == sbpPageBack    ? -range.page
                                                 : range.page;
      range.position = std::clamp(range.position + delta, 0, range.max);
    };
    tracker->ThumbTo = [this](bool, int position) {
      thumbs.push_back(position);
      range.position = position;
    };
  }
};

TEST(ScrollBarTracker, HeldArrowsAndTrackRepeatWhileThePointerStaysOnThem) {
  TrackerFixture f;
  EXPECT_FALSE(f.tracker->MouseDown({100, 100}));
  ASSERT_TRUE(f.tracker->MouseDown({8, 195}));  // the forward arrow: one line now
  EXPECT_EQ(f.range.position, 1);
  f.host.AdvanceTime(kScrollRepeatDelayMs - 1);
  EXPECT_EQ(f.range.position, 1);
  f.host.AdvanceTime(1 + 2 * kScrollRepeatIntervalMs);  // the delay, then the steady rate
  EXPECT_EQ(f.range.position, 4);
  f.tracker->MouseMove({8, 100});  // off the arrow: the repeat waits
  f.host.AdvanceTime(5 * kScrollRepeatIntervalMs);
  EXPECT_EQ(f.range.position, 4);
  EXPECT_TRUE(f.tracker->MouseUp({8, 100}));
  f.host.AdvanceTime(1000);
  EXPECT_EQ(f.range.position, 4);
  EXPECT_FALSE(f.tracker->MouseUp({8, 100}));

  // Held on the track below the thumb, pages come until the thumb reaches the pointer.
  f.range.position = 0;
  ASSERT_TRUE(f.tracker->MouseDown({8, 120}));
  EXPECT_EQ(f.range.position, 10);
  f.host.AdvanceTime(2000);
  const TRect thumb = f.tracker->Layout(true).Thumb();
  EXPECT_GE(thumb.Bottom, 120);
  EXPECT_LT(thumb.Top, 120 + 20);
  f.tracker->MouseUp({8, 120});
  for (TScrollBarPart part : f.steps) EXPECT_TRUE(part == sbpLineForward || part == sbpPageForward);
}

TEST(ScrollBarTracker, TheThumbFollowsTheDragOrWaitsForTheRelease) {
  for (const bool follow : {true, false}) {
    TrackerFixture f;
    f.tracker->followThumb = follow;
    ASSERT_TRUE(f.tracker->MouseDown({8, 20}));  // on the thumb, 4 pixels into it
    EXPECT_TRUE(f.tracker->DraggingThumb());
    EXPECT_TRUE(f.steps.empty());
    f.tracker->MouseMove({8, 500});  // far past the end
    EXPECT_EQ(f.range.position, follow ? 90 : 0);
    f.tracker->MouseMove({8, 96});  // the thumb's edge 92 pixels in: the middle
    f.tracker->MouseUp({8, 96});
    EXPECT_EQ(f.range.position, 45);
    EXPECT_EQ(f.thumbs.size(), follow ? 2u : 1u);
  }
}

TEST(ScrollBarTracker, GoingAwayWhileARepeatRunsIsClean) {
  TrackerFixture f;
  ASSERT_TRUE(f.tracker->MouseDown({8, 4}));
  f.tracker.reset();
  f.host.AdvanceTime(1000);
  EXPECT_TRUE(f.steps.size() == 1);
}

}  // namespace
}  // namespace fw
