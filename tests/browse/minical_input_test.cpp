// TMiniCal input: clicks on days of the month and of its neighbours (with and without
// AutoSwitch), the navigation and today buttons, the double-click rule, keys, the wheel,
// drags that leave the current cell on the selected day; its class record and form text.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "tests/browse/minical_fixture.h"

namespace zeb {
namespace {

using test::ShownCal;

TEST(MiniCalInput, ClicksSelectDaysAndStepMonthsAndYears) {
  // June 2024 begins on a Saturday: grid cell (1, 2) shows 27 May, (7, 7) 7 July.
  const struct {
    int col, row;
    bool autoSwitch;
    const char* expected;
  } cases[] = {
      {3, 3, true, "2024-6-5"},  {1, 2, true, "2024-5-27"}, {7, 7, true, "2024-7-7"},
      {1, 2, false, "2024-6-3"}, {7, 7, false, "2024-6-3"}, {2, 3, true, "2024-6-4"},
      {1, 0, true, "2023-6-3"},  {2, 0, true, "2024-5-3"},  {6, 0, true, "2024-7-3"},
      {7, 0, true, "2025-6-3"},  {4, 0, true, "2024-6-3"},  {5, 0, true, "2024-6-3"},
      {0, 3, true, "2024-6-3"},  // a week number
      {4, 1, true, "2024-6-3"},  // a weekday name
  };
  for (const auto& c : cases) {
    ShownCal s;
    s.cal->SetAutoSwitch(c.autoSwitch);
    s.ClickCell(c.col, c.row);
    EXPECT_EQ(s.Ymd(), c.expected) << c.col << "," << c.row;
    EXPECT_EQ(s.changes, std::string(c.expected) == "2024-6-3" ? 0 : 1) << c.col << "," << c.row;
    EXPECT_EQ((fw::TGridCoord{s.cal->Col(), s.cal->Row()}), s.cal->DayCell(s.cal->Day()));
  }
}

TEST(MiniCalInput, TodayButtonOverBothHeadingRowsSelectsToday) {
  ShownCal s;
  for (int row : {0, 1}) {
    s.cal->SetDate(fw::EncodeDate(1999, 1, 31));
    s.ClickCell(0, row);
    EXPECT_EQ(s.Ymd(), "2024-6-3") << row;
  }
}

TEST(MiniCalInput, DoubleClickReportedOnlyOnDays) {
  ShownCal s;
  int doubles = 0;
  s.cal->OnDblClick = [&](fw::TObject*) { ++doubles; };
  fw::TPoint p = s.CellCentre(4, 4);
  s.host.DblClick(p.X, p.Y);
  EXPECT_EQ(doubles, 1);
  p = s.CellCentre(6, 0);  // next month, twice
  s.host.DblClick(p.X, p.Y);
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(s.Ymd(), "2024-8-13");
}

TEST(MiniCalInput, KeysAndWheelMoveTheSelectedDate) {
  const struct {
    uint16_t key;
    fw::TShiftState shift;
    int y, m, d;
    const char* expected;
  } cases[] = {
      {fw::VK_RIGHT, {}, 2024, 6, 30, "2024-7-1"},
      {fw::VK_LEFT, {}, 2024, 1, 1, "2023-12-31"},
      {fw::VK_DOWN, {}, 2024, 2, 26, "2024-3-4"},
      {fw::VK_UP, {}, 2024, 6, 3, "2024-5-27"},
      {fw::VK_NEXT, {}, 2024, 1, 31, "2024-2-29"},
      {fw::VK_PRIOR, {}, 2024, 3, 31, "2024-2-29"},
      {fw::VK_NEXT, {fw::ssCtrl}, 2024, 2, 29, "2025-2-28"},
      {fw::VK_PRIOR, {fw::ssCtrl}, 2024, 6, 3, "2023-6-3"},
      {fw::VK_HOME, {}, 2024, 6, 17, "2024-6-1"},
      {fw::VK_END, {}, 2024, 6, 17, "2024-6-30"},
      {fw::VK_HOME, {fw::ssCtrl}, 2001, 1, 1, "2024-6-3"},
      {fw::VK_LEFT, {}, 1, 1, 1, "1-1-1"},
      {fw::VK_RIGHT, {}, 9999, 12, 31, "9999-12-31"},
  };
  for (const auto& c : cases) {
    ShownCal s;
    s.cal->SetFocus();
    s.cal->SetDate(fw::EncodeDate(c.y, c.m, c.d));
    s.host.PressKey(c.key, c.shift);
    EXPECT_EQ(s.Ymd(), c.expected) << c.key;
    EXPECT_EQ((fw::TGridCoord{s.cal->Col(), s.cal->Row()}), s.cal->DayCell(s.cal->Day()));
  }
  ShownCal s;
  const fw::TPoint p = s.CellCentre(4, 4);
  s.host.Wheel(p.X, p.Y, -120);
  EXPECT_EQ(s.Ymd(), "2024-7-3");
  s.host.Wheel(p.X, p.Y, 240);
  EXPECT_EQ(s.Ymd(), "2024-5-3");
}

TEST(MiniCalInput, ADragDoesNotMoveTheCurrentCellAwayFromTheSelectedDay) {
  ShownCal s;
  fw::TPoint p = s.CellCentre(2, 4);  // 11 June
  s.host.MouseDown(p.X, p.Y);
  p = s.CellCentre(6, 6);
  s.host.MouseMove(p.X, p.Y);
  s.host.MouseUp(p.X, p.Y);
  EXPECT_EQ(s.Ymd(), "2024-6-11");
  EXPECT_EQ((fw::TGridCoord{s.cal->Col(), s.cal->Row()}), (fw::TGridCoord{2, 4}));
  // After the release, moving the pointer selects nothing.
  p = s.CellCentre(5, 5);
  s.host.MouseMove(p.X, p.Y);
  EXPECT_EQ((fw::TGridCoord{s.cal->Col(), s.cal->Row()}), (fw::TGridCoord{2, 4}));
  EXPECT_EQ(s.changes, 1);
}

TEST(MiniCalRecord, ClassRecordAndFormText) {
  fw::TestHost host;  // the class record's Day, Month and Year are the host clock's
  for (const std::string& problem : fw::testing::CheckRegisteredClass("TMiniCal"))
    ADD_FAILURE() << problem;
  TMiniCal cal(nullptr);
  fw::ReadFormInto(cal,
                   "object C: TMiniCal\n Width = 250\n Height = 200\n Language = 2\n"
                   " FirstDayOfWeek = dwSun\n ColorToday = clBlue\n ShowMonthShort = False\n"
                   " ShowMovableHolidays = False\n AutoSwitch = False\n Ctl3D = False\nend\n");
  EXPECT_EQ(cal.Width(), 250);
  EXPECT_EQ(cal.DefaultColWidth(), 29);
  EXPECT_EQ(cal.Language(), lgGerman);
  EXPECT_EQ(cal.FirstDayOfWeek(), dwSun);
  EXPECT_EQ(cal.ColorToday(), fw::clBlue);
  EXPECT_FALSE(cal.ShowMonthShort());
  EXPECT_FALSE(cal.ShowMovableHolidays());
  EXPECT_FALSE(cal.AutoSwitch());
  EXPECT_FALSE(cal.Ctl3D());
  std::string name;
  EXPECT_TRUE(cal.CheckHoliday(2024, 1, 6, name));
  EXPECT_EQ(name, "Hl. Drei Könige");
  // The date is never written.
  const std::string text = fw::WriteForm(cal);
  EXPECT_EQ(text.find("Day ="), std::string::npos) << text;
  EXPECT_NE(text.find("FirstDayOfWeek = dwSun"), std::string::npos) << text;
}

}  // namespace
}  // namespace zeb
