// TMiniCal on screen: the sizes of row 0 and column 0 from tiny to large controls, the cell
// colours (weekdays, selection, holidays, headings), the today circle, the merged title and
// today button over the grid lines, the button frames, and painting at any size.
#include <gtest/gtest.h>

#include <utility>

#include "companion/ZEB_zebbase.h"
#include "tests/browse/minical_fixture.h"

namespace zeb {
namespace {

using test::ShownCal;

TEST(MiniCalGeometry, HeadingsTakeTheRestAndNeverGoNegative) {
  const struct {
    int w, h;
    int colWidth, rowHeight, col0, row0;
  } cases[] = {
      {300, 180, 36, 21, 36, 21}, {250, 200, 29, 23, 35, 27}, {2000, 2000, 248, 248, 252, 252},
      {20, 20, 1, 1, 1, 1},       {12, 9, 0, 0, 0, 0},        {1, 1, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    for (bool ctl3d : {true, false}) {
      fw::TestHost host(c.w, c.h);
      auto* cal = new TMiniCal(host.Form());
      cal->SetParent(host.Form());
      cal->SetCtl3D(ctl3d);
      cal->SetBounds(0, 0, c.w, c.h);
      EXPECT_EQ(cal->DefaultColWidth(), c.colWidth) << c.w;
      EXPECT_EQ(cal->DefaultRowHeight(), c.rowHeight) << c.h;
      EXPECT_EQ(cal->ColWidths(0), c.col0) << c.w;
      EXPECT_EQ(cal->RowHeights(0), c.row0) << c.h;
      // The cells fill the area inside the border exactly when it has room for them.
      if (c.w >= 20) {
        EXPECT_EQ(cal->ColWidths(0) + 7 * cal->DefaultColWidth() + 8, c.w - 4);
      }
      // Painting at any size is quiet.
      host.Show();
      EXPECT_NO_THROW(host.ProcessMessages()) << c.w << "x" << c.h;
    }
  }
}

TEST(MiniCalPaint, CellGroundsByWeekdaySelectionAndHoliday) {
  ShownCal s;  // June 2024, the 3rd selected
  const fw::TColor weekday = fw::RGB(248, 248, 248), saturday = fw::RGB(238, 221, 187),
                   sunday = fw::RGB(255, 238, 204), grey = fw::RGB(192, 192, 192);
  auto ground = [&](int day) {
    const fw::TGridCoord c = s.cal->DayCell(day);
    return s.CellGround(c.X, c.Y);
  };
  EXPECT_EQ(ground(3), fw::RGB(64, 160, 208));
  EXPECT_EQ(ground(4), weekday);
  EXPECT_EQ(ground(8), saturday);
  EXPECT_EQ(ground(9), sunday);
  EXPECT_EQ(s.CellGround(0, 3), grey);     // week number
  EXPECT_EQ(s.CellGround(3, 1), grey);     // weekday name
  EXPECT_EQ(s.CellGround(1, 2), weekday);  // 27 May, greyed
  // The heading cells: a raised button face.
  EXPECT_EQ(s.CellGround(1, 0), fw::ColorToRGB(fw::clBtnFace));

  s.cal->SetDate(fw::EncodeDate(2024, 5, 20));  // Whit Monday, selected
  s.host.ProcessMessages();
  EXPECT_EQ(ground(20), MeanColor(fw::RGB(64, 160, 208), fw::RGB(241, 216, 155)));
  EXPECT_EQ(ground(30), fw::RGB(241, 216, 155));  // Corpus Christi
  s.cal->SetIndicateHolidays(false);
  s.host.ProcessMessages();
  EXPECT_EQ(ground(30), weekday);
  s.cal->SetDayColors(dwThu, fw::clAqua);
  s.host.ProcessMessages();
  EXPECT_EQ(ground(30), fw::clAqua);
}

// Red pixels of the today circle inside the cell of `day`.
int RedPixels(ShownCal& s, int day) {
  const fw::TGridCoord c = s.cal->DayCell(day);
  const fw::TRect r = s.cal->CellRect(c.X, c.Y);
  int red = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      red += s.host.Pixel(s.cal->Left() + x, s.cal->Top() + y) == fw::clRed;
  return red;
}

TEST(MiniCalPaint, TodayIsCircledInItsMonthWhileMarked) {
  ShownCal s;
  s.cal->SetDay(20);
  s.host.ProcessMessages();
  EXPECT_GT(RedPixels(s, 3), 20);
  EXPECT_EQ(RedPixels(s, 4), 0);
  s.cal->SetMarkToday(false);
  s.host.ProcessMessages();
  EXPECT_EQ(RedPixels(s, 3), 0);
  s.cal->SetMarkToday(true);
  s.cal->SetYear(2025);  // 3 June 2025 is not today
  s.host.ProcessMessages();
  EXPECT_EQ(RedPixels(s, 3), 0);
}

TEST(MiniCalPaint, TitleAndTodayButtonCoverTheGridLinesAndFramesFollowCtl3D) {
  ShownCal s;
  const fw::TColor face = fw::ColorToRGB(fw::clBtnFace);
  const fw::TRect title = s.cal->CellRect(5, 0);
  const fw::TRect col3 = s.cal->CellRect(3, 0);
  const fw::TRect today = s.cal->CellRect(0, 1);
  const fw::TRect back = s.cal->CellRect(1, 0);
  const int x0 = s.cal->Left(), y0 = s.cal->Top();
  // Beside the frame, on the column lines within the title.
  EXPECT_EQ(s.host.Pixel(x0 + col3.Right, y0 + title.Top + 3), face);
  EXPECT_EQ(s.host.Pixel(x0 + title.Left - 1, y0 + title.Top + 3), face);
  // On the row line across the today button.
  EXPECT_EQ(s.host.Pixel(x0 + today.Left + 2, y0 + today.Top - 1), face);
  // The same line beside it, between two weekday names, is a grid line.
  EXPECT_NE(s.host.Pixel(x0 + back.Left + 2, y0 + back.Bottom), face);
  // A button's light top-left edge, only with Ctl3D.
  EXPECT_EQ(s.host.Pixel(x0 + back.Left, y0 + back.Top + 3), fw::clWhite);
  EXPECT_EQ(s.host.Pixel(x0 + title.Left - 20, y0 + title.Top), fw::clWhite);
  s.cal->SetCtl3D(false);
  s.host.ProcessMessages();
  EXPECT_EQ(s.host.Pixel(x0 + back.Left, y0 + back.Top + 3), face);
  EXPECT_EQ(s.host.Pixel(x0 + title.Left - 20, y0 + title.Top), face);
}

}  // namespace
}  // namespace zeb
