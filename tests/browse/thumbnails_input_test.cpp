// TThumbnails input: selection by click, Shift and Ctrl in each mode, click and double-click
// reports, the wheel, and the scroll bar's arrows, track and thumb.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/messages.h"
#include "framework/controls/scroll_bar.h"
#include "tests/browse/thumbnails_fixture.h"

namespace zeb {
namespace {

using test::ShownStrip;

// One click of a script: a slide (0: the gap between slides 1 and 2) and the keys held.
struct Press {
  int id;
  fw::TShiftState shift;
};

TEST(ThumbnailSelection, ClicksShiftAndCtrlInEachMode) {
  const fw::TShiftState ctrl{fw::ssCtrl}, shift{fw::ssShift}, both{fw::ssCtrl, fw::ssShift};
  struct Case {
    TSlideSelectMode mode;
    std::vector<Press> presses;
    std::vector<int> selected;
    int lastClicked;
  };
  const std::vector<Case> cases{
      {ssmMultiple, {{1, {}}}, {1}, 1},
      {ssmMultiple, {{1, {}}, {3, ctrl}}, {1, 3}, 3},
      {ssmMultiple, {{1, {}}, {3, ctrl}, {1, ctrl}}, {3}, 1},
      {ssmMultiple, {{2, {}}, {5, shift}}, {2, 3, 4, 5}, 2},
      {ssmMultiple, {{4, {}}, {5, shift}, {1, shift}}, {1, 2, 3, 4}, 4},
      {ssmMultiple, {{1, {}}, {4, ctrl}, {6, both}}, {1, 4, 5, 6}, 4},
      {ssmMultiple, {{5, shift}}, {5}, 0},
      {ssmMultiple, {{1, {}}, {0, {}}}, {}, 0},
      {ssmMultiple, {{1, {}}, {0, ctrl}}, {1}, 1},
      {ssmSingle, {{1, {}}, {3, ctrl}}, {3}, 3},
      {ssmSingle, {{2, {}}, {5, shift}}, {5}, 5},
      {ssmSingle, {{2, {}}, {0, {}}}, {}, 0},
      {ssmDisabled, {{1, {}}, {3, ctrl}}, {}, 0},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    ShownStrip s(300, 400);
    s.strip->SetSlideSelectMode(c.mode);
    std::vector<int> reported;
    s.strip->OnImageClick = [&](fw::TObject*, int, int, int id) { reported.push_back(id); };
    std::vector<int> clicked;
    for (const Press& p : c.presses) {
      if (p.id == 0)
        s.host.Click(145, 80, fw::mbLeft, p.shift);
      else
        s.Click(p.id, p.shift);
      clicked.push_back(p.id);
    }
    EXPECT_EQ(s.SelectedIds(), c.selected) << "case " << i;
    EXPECT_EQ(s.strip->LastClickedSlide(), c.lastClicked) << "case " << i;
    EXPECT_EQ(reported, clicked) << "case " << i;
  }
}

TEST(ThumbnailSelection, ADifferentModeClearsTheSelectionAndDoubleClicksReportTheSlide) {
  ShownStrip s(300, 400);
  s.Click(4);
  EXPECT_EQ(s.strip->NumSlidesSelected(), 1);
  s.strip->SetSlideSelectMode(ssmMultiple);
  EXPECT_EQ(s.strip->NumSlidesSelected(), 0);
  std::vector<int> doubles;
  s.strip->OnImageDblClick = [&](fw::TObject*, int, int, int id) { doubles.push_back(id); };
  const fw::TPoint p = s.Middle(2);
  s.host.DblClick(p.X, p.Y);
  s.host.DblClick(145, 80);
  EXPECT_EQ(doubles, (std::vector<int>{2, 0}));
}

// 300 x 400 with 100 slides: two columns, 50 rows, two whole rows in view, so row 48 (IDs 97
// and 98) is the last top row.
TEST(ThumbnailScrolling, TheWheelMovesWholeRowsWithinTheRange) {
  struct Case {
    double start;  // SetFirstThumbIx
    int notches;   // positive: down
    double top;    // top index afterwards
  };
  const std::vector<Case> cases{
      {1, 1, 3},  {1, 3, 7},   {1, -1, 1},   {1, 60, 97},   {4, 1, 5},
      {4, -1, 3}, {97, 1, 97}, {100, 1, 99}, {100, -1, 99}, {50, -2, 47},
  };
  for (const Case& c : cases) {
    ShownStrip s(300, 400);
    s.strip->SetFirstThumbIx(c.start);
    s.host.Wheel(100, 100, -c.notches * fw::WHEEL_DELTA);
    EXPECT_DOUBLE_EQ(s.strip->FirstThumbIx(), c.top) << c.start << " by " << c.notches;
  }
}

TEST(ThumbnailScrolling, TheWheelOverTheStripScrollsItThoughAnotherControlHasTheFocus) {
  ShownStrip s(300, 400);
  s.strip->SetBounds(0, 0, 300, 300);
  int formWheels = 0;
  s.host.Form()->OnMouseWheel = [&](fw::TObject*, fw::TShiftState, int, fw::TPoint, bool&) {
    ++formWheels;
  };
  s.host.Wheel(100, 100, -fw::WHEEL_DELTA);
  EXPECT_DOUBLE_EQ(s.strip->FirstThumbIx(), 3);
  EXPECT_EQ(formWheels, 0);
  s.host.Wheel(100, 350, -fw::WHEEL_DELTA);  // beside the strip: the form's
  EXPECT_DOUBLE_EQ(s.strip->FirstThumbIx(), 3);
  EXPECT_EQ(formWheels, 1);
}

// 320 x 400 with the bar: slides left of it in two columns; the bar at x 301..316.
TEST(ThumbnailScrolling, TheScrollBarsArrowsTrackAndThumb) {
  ShownStrip s(320, 400, true);
  EXPECT_EQ(s.strip->Columns(), 2);
  const fw::TRect bar = s.strip->ScrollBarRect();
  EXPECT_EQ(bar, fw::Rect(301, 2, 317, 397));
  EXPECT_EQ(s.strip->CalcSlideIndex(305, 80), 0);
  fw::TScrollBarLayout layout = s.strip->ScrollBarLayout();
  EXPECT_EQ(layout.Range().max, 48);
  EXPECT_EQ(layout.Range().page, 2);
  // The forward arrow: a row. The track below the thumb: a page of two rows.
  const fw::TRect forward = layout.ForwardArrow();
  s.host.Click(forward.Left + 8, forward.Top + 8);
  EXPECT_DOUBLE_EQ(s.strip->FirstThumbIx(), 3);
  layout = s.strip->ScrollBarLayout();
  s.host.Click(bar.Left + 8, layout.Thumb().Bottom + 20);
  EXPECT_DOUBLE_EQ(s.strip->FirstThumbIx(), 7);
  EXPECT_EQ(s.strip->ScrollBarLayout().Range().position, 3);
  // The thumb dragged to the end: the last top row; back up: the first.
  layout = s.strip->ScrollBarLayout();
  const fw::TRect thumb = layout.Thumb();
  s.host.MouseDown(thumb.Left + 8, thumb.Top + 2);
  s.host.MouseMove(thumb.Left + 8, 399);
  EXPECT_DOUBLE_EQ(s.strip->FirstThumbIx(), 97);
  s.host.MouseMove(thumb.Left + 8, 0);
  s.host.MouseUp(thumb.Left + 8, 0);
  EXPECT_DOUBLE_EQ(s.strip->FirstThumbIx(), 1);
  // Presses on the bar neither select nor report a click.
  int clicks = 0;
  s.strip->OnImageClick = [&](fw::TObject*, int, int, int) { ++clicks; };
  s.host.Click(forward.Left + 8, forward.Top + 8);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(s.strip->NumSlidesSelected(), 0);
  // The bar is drawn: the tip of the forward arrow.
  EXPECT_EQ(
      s.host.Pixel((forward.Left + forward.Right) / 2, (forward.Top + forward.Bottom) / 2 + 2),
      fw::clBlack);
}

TEST(ThumbnailScrolling, AMillionSlidesScrollToTheEndByTheBar) {
  ShownStrip s(320, 400, true);
  s.strip->SetMax(1'000'000);
  const fw::TScrollBarLayout layout = s.strip->ScrollBarLayout();
  EXPECT_EQ(layout.Range().max, 499'998);
  const fw::TRect thumb = layout.Thumb();
  s.host.MouseDown(thumb.Left + 8, thumb.Top + 2);
  s.host.MouseMove(thumb.Left + 8, 399);
  s.host.MouseUp(thumb.Left + 8, 399);
  EXPECT_DOUBLE_EQ(s.strip->FirstThumbIx(), 999'997);
  EXPECT_EQ(s.RequestsOfAPaint(), (std::vector<int>{999'997, 999'999, 999'998, 1'000'000}));
}

}  // namespace
}  // namespace zeb
