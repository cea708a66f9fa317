// The selected date of TMiniCal: the Day, Month and Year setters (values that give no date
// are ignored, the day is kept within the month), month and year steps, the limits of the
// date range, and when OnChange fires.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "browse/ZEB_MiniCal.h"
#include "framework/backend/headless/test_host.h"

namespace zeb {
namespace {

std::string Ymd(const TMiniCal& cal) {
  return std::to_string(cal.Year()) + "-" + std::to_string(cal.Month()) + "-" +
         std::to_string(cal.Day());
}

struct Cal {
  Cal() {
    cal.OnChange = [this](fw::TObject*) { ++changes; };
  }
  fw::TestHost host;  // the clock reads 2024-06-03 09:00
  TMiniCal cal{nullptr};
  int changes = 0;
};

TEST(MiniCalDate, StartsOnTodayWithoutTheTime) {
  Cal c;
  EXPECT_EQ(Ymd(c.cal), "2024-6-3");
  EXPECT_EQ(c.cal.Date(), fw::EncodeDate(2024, 6, 3));
}

TEST(MiniCalDate, SettersStepsAndTheirChanges) {
  using Step = void (*)(TMiniCal&);
  const struct {
    const char* start;  // y, m, d
    int y, m, d;
    Step step;
    const char* expected;
  } cases[] = {
      // Values that give no date change nothing.
      {"month 0", 2024, 6, 3, [](TMiniCal& c) { c.SetMonth(0); }, "2024-6-3"},
      {"month 13", 2024, 6, 3, [](TMiniCal& c) { c.SetMonth(13); }, "2024-6-3"},
      {"day 0", 2024, 6, 3, [](TMiniCal& c) { c.SetDay(0); }, "2024-6-3"},
      {"day 31 of June", 2024, 6, 3, [](TMiniCal& c) { c.SetDay(31); }, "2024-6-3"},
      {"year 0", 2024, 6, 3, [](TMiniCal& c) { c.SetYear(0); }, "2024-6-3"},
      {"year -5", 2024, 6, 3, [](TMiniCal& c) { c.SetYear(-5); }, "2024-6-3"},
      {"year 10000", 2024, 6, 3, [](TMiniCal& c) { c.SetYear(10000); }, "2024-6-3"},
      // The day stays within the new month.
      {"31 Jan to Feb", 2023, 1, 31, [](TMiniCal& c) { c.SetMonth(2); }, "2023-2-28"},
      {"31 Mar to Apr", 2024, 3, 31, [](TMiniCal& c) { c.SetMonth(4); }, "2024-4-30"},
      {"29 Feb to 2025", 2024, 2, 29, [](TMiniCal& c) { c.SetYear(2025); }, "2025-2-28"},
      {"day 29 of Feb 2024", 2024, 2, 3, [](TMiniCal& c) { c.SetDay(29); }, "2024-2-29"},
      // Month and year steps.
      {"next month from 31 Jan", 2024, 1, 31, [](TMiniCal& c) { c.NextMonth(); }, "2024-2-29"},
      {"next month from 31 Jan 2023", 2023, 1, 31, [](TMiniCal& c) { c.NextMonth(); }, "2023-2-28"},
      {"prev month from 31 Mar", 2024, 3, 31, [](TMiniCal& c) { c.PrevMonth(); }, "2024-2-29"},
      {"next month from December", 2024, 12, 15, [](TMiniCal& c) { c.NextMonth(); }, "2025-1-15"},
      {"prev month from January", 2024, 1, 15, [](TMiniCal& c) { c.PrevMonth(); }, "2023-12-15"},
      {"month step of 45 days", 2024, 1, 31, [](TMiniCal& c) { c.MonthStep(45); }, "2024-3-31"},
      {"month step of -40 days", 2024, 3, 31, [](TMiniCal& c) { c.MonthStep(-40); }, "2024-1-31"},
      {"next year from 29 Feb", 2024, 2, 29, [](TMiniCal& c) { c.NextYear(); }, "2025-2-28"},
      {"prev year from 29 Feb", 2024, 2, 29, [](TMiniCal& c) { c.PrevYear(); }, "2023-2-28"},
      {"last day of month", 2024, 2, 3, [](TMiniCal& c) { c.LastDayOfMonth(); }, "2024-2-29"},
      // The ends of the date range.
      {"next month from Dec 9999", 9999, 12, 31, [](TMiniCal& c) { c.NextMonth(); }, "9999-12-31"},
      {"next year from 9999", 9999, 6, 1, [](TMiniCal& c) { c.NextYear(); }, "9999-6-1"},
      {"prev month from Jan 1", 1, 1, 1, [](TMiniCal& c) { c.PrevMonth(); }, "1-1-1"},
      {"prev year from 1", 1, 5, 5, [](TMiniCal& c) { c.PrevYear(); }, "1-5-5"},
  };
  for (const auto& k : cases) {
    Cal c;
    c.cal.SetDate(fw::EncodeDate(k.y, k.m, k.d));
    const std::string before = Ymd(c.cal);
    c.changes = 0;
    k.step(c.cal);
    EXPECT_EQ(Ymd(c.cal), k.expected) << k.start;
    EXPECT_EQ(c.changes, before == k.expected ? 0 : 1) << k.start;
  }
}

TEST(MiniCalDate, OnChangeOnlyWhenTheDateChanges) {
  Cal c;
  c.cal.SetDate(fw::EncodeDate(2024, 6, 3) + 0.75);  // the same day, later
  c.cal.SetDay(3);
  c.cal.SetFirstDayOfWeek(dwSun);
  c.cal.SetDayColors(dwSat, fw::clRed);
  c.cal.SetColorSelectedBg(fw::clLime);
  c.cal.SetLanguage(lgSpanish);
  EXPECT_EQ(c.changes, 0);
  EXPECT_EQ(c.cal.DayColors(dwSat), fw::clRed);
  c.cal.SetDate(fw::EncodeDate(2024, 6, 4) + 0.5);
  EXPECT_EQ(c.changes, 1);
  EXPECT_EQ(c.cal.Date(), fw::EncodeDate(2024, 6, 4));
  // Values outside the date range, or not numbers, are ignored.
  for (double bad : {fw::MaxDateTime + 2, fw::MinDateTime - 1, 1e300, -1e300,
                     std::numeric_limits<double>::quiet_NaN()})
    c.cal.SetDate(bad);
  EXPECT_EQ(c.changes, 1);
  EXPECT_EQ(Ymd(c.cal), "2024-6-4");
}

// Grid cell (col, row) shows day col + o + 7 row - 15, the first of the month in row 2.
TEST(MiniCalDate, FirstDayOfWeekPlacesTheFirstOfTheMonth) {
  const struct {
    int y, m;
    TDayOfWeek first;
    int col;
  } cases[] = {
      {2024, 9, dwSun, 1},                       // 1 September 2024 is a Sunday
      {2024, 9, dwMon, 7}, {2024, 7, dwMon, 1},  // a Monday
      {2024, 7, dwSun, 2}, {2024, 6, dwMon, 6},  // a Saturday
      {2024, 6, dwSat, 1}, {2024, 6, dwThu, 3},
  };
  for (const auto& k : cases) {
    Cal c;
    c.cal.SetFirstDayOfWeek(k.first);
    c.cal.SetDate(fw::EncodeDate(k.y, k.m, 1));
    EXPECT_EQ(c.cal.DayCell(1), (fw::TGridCoord{k.col, 2})) << k.m << " " << int(k.first);
    EXPECT_EQ(c.cal.CellDayNumber(k.col, 2), 1);
    // The grid's current cell is the selected day.
    EXPECT_EQ(c.cal.Col(), k.col);
    EXPECT_EQ(c.cal.Row(), 2);
    c.cal.LastDayOfMonth();
    const fw::TGridCoord last = c.cal.DayCell(c.cal.Day());
    EXPECT_EQ(c.cal.CellDayNumber(last.X, last.Y), c.cal.Day());
    EXPECT_LE(last.Y, 7);
    EXPECT_EQ(c.cal.Col(), last.X);
    EXPECT_EQ(c.cal.Row(), last.Y);
  }
}

}  // namespace
}  // namespace zeb
