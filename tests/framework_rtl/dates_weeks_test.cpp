// ISO 8601 weekdays and week numbers: the weeks around year ends, the years with 53 weeks,
// and every day of four centuries against the ordinal-day formula.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/rtl/datetime.h"

namespace {

using namespace fw;

TEST(DateWeeks, DayOfTheWeekCountsFromMonday) {
  const struct {
    TDateTime value;
    int weekday;
  } cases[] = {
      {EncodeDate(2024, 6, 3), 1},        // a Monday
      {EncodeDate(2024, 6, 8), 6},        // Saturday
      {EncodeDate(2024, 6, 9) + 0.9, 7},  // Sunday evening
      {-1.25, 5},                         // 1899-12-29 06:00, a Friday
      {EncodeDate(1, 1, 1), 1},
      {EncodeDate(9999, 12, 31), 5},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(DayOfTheWeek(c.value), c.weekday) << c.value;
}

TEST(DateWeeks, WeeksAroundYearEndsBelongToTheYearOfTheirThursday) {
  const struct {
    int y, m, d;
    int week, weekYear;
  } cases[] = {
      {2004, 12, 31, 53, 2004}, {2005, 1, 2, 53, 2004},   {2005, 1, 3, 1, 2005},
      {2007, 12, 31, 1, 2008},  {2008, 12, 28, 52, 2008}, {2008, 12, 29, 1, 2009},
      {2009, 12, 31, 53, 2009}, {2010, 1, 3, 53, 2009},   {2010, 1, 4, 1, 2010},
      {2020, 12, 31, 53, 2020}, {2021, 1, 3, 53, 2020},   {2021, 1, 4, 1, 2021},
      {2024, 12, 29, 52, 2024}, {2024, 12, 30, 1, 2025},  {2025, 12, 29, 1, 2026},
      {2026, 1, 1, 1, 2026},    {2027, 1, 1, 53, 2026},   {2027, 1, 3, 53, 2026},
      {2024, 6, 3, 23, 2024},   {1, 1, 1, 1, 1},          {9999, 12, 31, 52, 9999},
  };
  for (const auto& c : cases) {
    int year = -1;
    EXPECT_EQ(WeekOfTheYear(EncodeDate(c.y, c.m, c.d) + 0.5, year), c.week)
        << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(year, c.weekYear) << c.y << "-" << c.m << "-" << c.d;
  }
  int year = -1;
  EXPECT_EQ(WeekOfTheYear(MaxDateTime + 1, year), 0);
  EXPECT_EQ(year, 0);
  EXPECT_EQ(WeekOfTheYear(std::numeric_limits<double>::infinity()), 0);
}

TEST(DateWeeks, YearsWith53WeeksStartOnThursdayOrAreLeapYearsStartingOnWednesday) {
  for (int y : {2004, 2009, 2015, 2020, 2026, 2032, 2037}) EXPECT_EQ(WeeksInYear(y), 53) << y;
  for (int y : {2019, 2021, 2023, 2024, 2025, 2100}) EXPECT_EQ(WeeksInYear(y), 52) << y;
  for (int y = 1583; y <= 4099; ++y) {
    const int jan1 = DayOfTheWeek(EncodeDate(y, 1, 1));
    const bool long_year = jan1 == 4 || (IsLeapYear(y) && jan1 == 3);
    ASSERT_EQ(WeeksInYear(y), long_year ? 53 : 52) << y;
  }
  EXPECT_EQ(WeeksInYear(0), 0);
  EXPECT_EQ(WeeksInYear(10000), 0);
}

// The textbook rule: week = (ordinal day - ISO weekday + 10) div 7, where 0 means the last
// week of the year before and a value beyond the year's weeks week 1 of the next.
TEST(DateWeeks, EveryDayAgreesWithTheOrdinalDayFormula) {
  for (int y = 1583; y <= 1983; ++y) {
    const TDateTime newYear = EncodeDate(y, 1, 1);
    const int days = IsLeapYear(y) ? 366 : 365;
    for (int ordinal = 1; ordinal <= days; ++ordinal) {
      const TDateTime day = newYear + ordinal - 1;
      int expectedYear = y;
      int expected = (ordinal - DayOfTheWeek(day) + 10) / 7;
      if (expected == 0) {
        expectedYear = y - 1;
        expected = WeeksInYear(y - 1);
      } else if (expected > WeeksInYear(y)) {
        expectedYear = y + 1;
        expected = 1;
      }
      int year = 0;
      ASSERT_EQ(WeekOfTheYear(day, year), expected) << y << " day " << ordinal;
      ASSERT_EQ(year, expectedYear) << y << " day " << ordinal;
    }
  }
}

}  // namespace
