// Calendar arithmetic of TDateTime: leap years, encoding and decoding, weekdays, month steps,
// negative values and the replaceable clock.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/rtl/datetime.h"
#include "framework/rtl/exceptions.h"

namespace {

using namespace fw;

struct Ymd {
  int year, month, day;
};

Ymd DecodeYmd(TDateTime value) {
  Ymd d{};
  DecodeDate(value, d.year, d.month, d.day);
  return d;
}

TEST(DateCalendar, LeapYearsFollowTheCenturyRules) {
  struct Case {
    int year;
    bool leap;
  } cases[] = {{1600, true}, {1700, false}, {1900, false}, {2000, true},
               {2004, true}, {2023, false}, {2100, false}, {2400, true}};
  for (const auto& c : cases) {
    EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
    EXPECT_EQ(DaysInMonth(c.year, 2), c.leap ? 29 : 28) << c.year;
  }
  EXPECT_EQ(DaysInMonth(2001, 13), 0);
}

TEST(DateCalendar, KnownSerialNumbers) {
  // Serial numbers fixed by the epoch: day 0 is 1899-12-30.
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1899, 12, 31), 1.0);
  EXPECT_EQ(EncodeDate(1900, 3, 1), 61.0);  // 1900 has no 29 February
  EXPECT_EQ(EncodeDate(2000, 1, 1) - EncodeDate(1999, 1, 1), 365.0);
  EXPECT_EQ(EncodeDate(2001, 1, 1) - EncodeDate(2000, 1, 1), 366.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), MinDateTime);
  EXPECT_EQ(EncodeDate(9999, 12, 31), std::trunc(MaxDateTime));
}

TEST(DateCalendar, EveryDayDecodesToTheDateThatEncodesIt) {
  int prevYear = 0, prevMonth = 12, prevDay = 31;
  for (int serial = static_cast<int>(MinDateTime); serial <= static_cast<int>(MaxDateTime);
       ++serial) {
    const Ymd d = DecodeYmd(serial);
    ASSERT_EQ(EncodeDate(d.year, d.month, d.day), serial);
    // The next day of the previous date.
    const bool sameMonth = d.day == prevDay + 1 && d.month == prevMonth && d.year == prevYear;
    const bool newMonth =
        d.day == 1 && prevDay == DaysInMonth(prevYear == 0 ? 1 : prevYear, prevMonth) &&
        (d.month == prevMonth + 1 || (d.month == 1 && prevMonth == 12 && d.year == prevYear + 1));
    ASSERT_TRUE(sameMonth || newMonth) << serial;
    prevYear = d.year, prevMonth = d.month, prevDay = d.day;
  }
  EXPECT_EQ(prevYear, 9999);
}

TEST(DateCalendar, InvalidDatesAndTimesRaiseConvertErrors) {
  struct Case {
    int y, m, d;
  } badDates[] = {{1900, 2, 29}, {2001, 2, 29}, {2000, 13, 1}, {2000, 0, 1},
                  {2000, 4, 31}, {0, 1, 1},     {10000, 1, 1}, {2000, 1, 0}};
  for (const auto& c : badDates) {
    TDateTime untouched = 42;
    EXPECT_FALSE(TryEncodeDate(c.y, c.m, c.d, untouched));
    EXPECT_EQ(untouched, 42);
    try {
      EncodeDate(c.y, c.m, c.d);
      ADD_FAILURE() << c.y << "-" << c.m << "-" << c.d;
    } catch (const EConvertError& e) {
      EXPECT_STREQ(e.what(), "Invalid argument to date encode");
    }
  }
  EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
  struct TimeCase {
    int h, n, s, ms;
  } badTimes[] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {-1, 0, 0, 0}};
  for (const auto& c : badTimes) {
    try {
      EncodeTime(c.h, c.n, c.s, c.ms);
      ADD_FAILURE() << c.h << ":" << c.n << ":" << c.s << "." << c.ms;
    } catch (const EConvertError& e) {
      EXPECT_STREQ(e.what(), "Invalid argument to time encode");
    }
  }
}

TEST(DateCalendar, TimeOfDayRoundTripsToTheMillisecond) {
  for (int h : {0, 1, 11, 12, 13, 23})
    for (int n : {0, 1, 30, 59})
      for (int s : {0, 29, 59})
        for (int ms : {0, 1, 500, 999}) {
          int hh, nn, ss, zz;
          DecodeTime(EncodeDate(2004, 2, 9) + EncodeTime(h, n, s, ms), hh, nn, ss, zz);
          ASSERT_EQ(hh * 3600000 + nn * 60000 + ss * 1000 + zz,
                    h * 3600000 + n * 60000 + s * 1000 + ms);
        }
}

TEST(DateCalendar, AlmostMidnightRoundsIntoTheNextDay) {
  const TDateTime value = EncodeDate(2000, 12, 31) + (MSecsPerDay - 0.3) / MSecsPerDay;
  int y, m, d, h, n, s, z;
  DecodeDateTime(value, y, m, d, h, n, s, z);
  EXPECT_EQ(y, 2001);
  EXPECT_EQ(m, 1);
  EXPECT_EQ(d, 1);
  EXPECT_EQ(h + n + s + z, 0);
}

TEST(DateCalendar, NegativeValuesCountTheTimeForwardFromMidnight) {
  int y, m, d, h, n, s, z;
  DecodeDateTime(-1.25, y, m, d, h, n, s, z);
  EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
  EXPECT_EQ(h, 6);
  DecodeDateTime(-0.5, y, m, d, h, n, s, z);
  EXPECT_EQ(y * 10000 + m * 100 + d, 18991230);
  EXPECT_EQ(h, 12);
  EXPECT_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
  EXPECT_EQ(EncodeDateTime(1899, 12, 29, 18, 0, 0, 0), -1.75);
  EXPECT_EQ(ComposeDateTime(-3, 0.5), -3.5);
  EXPECT_EQ(ComposeDateTime(3, 0.5), 3.5);
}

TEST(DateCalendar, ValuesOutsideTheCalendarDecodeToZero) {
  const double outside[] = {MinDateTime - 2,
                            MaxDateTime + 2,
                            1e300,
                            -1e300,
                            std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity()};
  for (double v : outside) {
    const Ymd d = DecodeYmd(v);
    EXPECT_EQ(d.year + d.month + d.day, 0) << v;
  }
  int h, n, s, z;
  DecodeTime(1e12 + 0.5, h, n, s, z);
  EXPECT_EQ(h, 12);
  EXPECT_EQ(DayOfWeek(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_THROW(IncMonth(1e300), EConvertError);
}

TEST(DateCalendar, DayOfWeekOfKnownDates) {
  struct Case {
    int y, m, d, weekday;  // 1 = Sunday
  } cases[] = {{1, 1, 1, 2},     {1752, 9, 14, 5}, {1899, 12, 30, 7}, {1900, 1, 1, 2},
               {1970, 1, 1, 5},  {2000, 1, 1, 7},  {2000, 2, 29, 3},  {2004, 2, 9, 2},
               {2026, 12, 6, 1}, {9999, 12, 31, 6}};
  for (const auto& c : cases) {
    EXPECT_EQ(DayOfWeek(EncodeDateTime(c.y, c.m, c.d, 18, 0, 0, 0)), c.weekday)
        << c.y << "-" << c.m;
  }
  EXPECT_EQ(DayOfWeek(-1.25), 6);  // 1899-12-29, a Friday
}

TEST(DateCalendar, IncMonthCutsTheDayAndKeepsTheTime) {
  struct Case {
    int y, m, d, months, ey, em, ed;
  } cases[] = {{2000, 1, 31, 1, 2000, 2, 29},    {2001, 1, 31, 1, 2001, 2, 28},
               {2000, 3, 31, -1, 2000, 2, 29},   {2000, 12, 15, 1, 2001, 1, 15},
               {2000, 1, 15, -13, 1998, 12, 15}, {1899, 12, 29, 0, 1899, 12, 29},
               {1, 1, 31, 1, 1, 2, 28}};
  for (const auto& c : cases) {
    const TDateTime start = EncodeDateTime(c.y, c.m, c.d, 6, 30, 0, 0);
    const TDateTime moved = IncMonth(start, c.months);
    const Ymd d = DecodeYmd(moved);
    EXPECT_EQ(d.year * 10000 + d.month * 100 + d.day, c.ey * 10000 + c.em * 100 + c.ed);
    int h, n, s, z;
    DecodeTime(moved, h, n, s, z);
    EXPECT_EQ(h * 60 + n, 6 * 60 + 30);
  }
  EXPECT_THROW(IncMonth(EncodeDate(1, 1, 1), -1), EConvertError);
  EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
}

TEST(DateClock, NowDateAndTimeComeFromTheClockSource) {
  const TDateTime fixed = EncodeDateTime(2004, 2, 9, 14, 5, 3, 7);
  SetClockSource([fixed] { return fixed; });
  EXPECT_EQ(Now(), fixed);
  EXPECT_EQ(Date(), EncodeDate(2004, 2, 9));
  EXPECT_NEAR(Time(), EncodeTime(14, 5, 3, 7), 1e-12);
  EXPECT_EQ(CurrentYear(), 2004);
  SetClockSource(nullptr);  // back to the system clock
  EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
  EXPECT_LT(Now(), EncodeDate(9999, 1, 1));
}

}  // namespace
