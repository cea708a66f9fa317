// CalcEasterSunday against known dates (the years of the rule's classic exceptions among
// them) and against a second, independent rule for every year 1583..4099; the movable feasts
// the calendar derives from it.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "browse/ZEB_MiniCal.h"
#include "framework/backend/headless/test_host.h"

namespace zeb {
namespace {

struct DayMonth {
  int day, month;
  bool operator==(const DayMonth&) const = default;
};

DayMonth Easter(int year) {
  DayMonth d{0, 0};
  CalcEasterSunday(year, d.day, d.month);
  return d;
}

// The anonymous Gregorian rule (as published by Butcher), built from different steps.
DayMonth ButcherEaster(int y) {
  const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
  const int f = (b + 8) / 25, g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int n = h + l - 7 * m + 114;
  return {n % 31 + 1, n / 31};
}

TEST(MiniCalEaster, KnownDates) {
  const struct {
    int year;
    DayMonth easter;
  } cases[] = {
      {2024, {31, 3}}, {2025, {20, 4}}, {2019, {21, 4}}, {2038, {25, 4}}, {2008, {23, 3}},
      {1583, {10, 4}}, {1700, {11, 4}}, {1818, {22, 3}}, {1886, {25, 4}}, {1943, {25, 4}},
      {1954, {18, 4}}, {1981, {19, 4}}, {2000, {23, 4}}, {2011, {24, 4}}, {2049, {18, 4}},
      {2285, {22, 3}}, {3000, {13, 4}}, {4099, {19, 4}},
  };
  for (const auto& c : cases) EXPECT_EQ(Easter(c.year), c.easter) << c.year;
}

TEST(MiniCalEaster, AgreesWithTheAnonymousRuleFrom1583To4099) {
  for (int year = 1583; year <= 4099; ++year) {
    const DayMonth e = Easter(year);
    ASSERT_EQ(e, ButcherEaster(year)) << year;
    // And it is a Sunday.
    ASSERT_EQ(fw::DayOfTheWeek(fw::EncodeDate(year, e.month, e.day)), 7) << year;
  }
}

TEST(MiniCalEaster, EveryYearGivesADateBetween22MarchAnd25April) {
  for (int year : {INT_MIN, -100000, -1, 0, 1, 10000, 2000000000, INT_MAX}) {
    const DayMonth e = Easter(year);
    const int fromMarch = e.month == 3 ? e.day : e.day + 31;
    EXPECT_TRUE(e.month == 3 || e.month == 4) << year;
    EXPECT_GE(fromMarch, 22) << year;
    EXPECT_LE(fromMarch, 56) << year;
  }
}

TEST(MiniCalEaster, MovableFeastsFollowEasterWhileShown) {
  fw::TestHost host;
  TMiniCal cal(nullptr);
  const struct {
    int month, day;
    const char* english;
    const char* german;
  } feasts2024[] = {
      {3, 31, "Easter Day", "Ostersonntag"},          {4, 1, "Easter Monday", "Ostermontag"},
      {5, 9, "Ascension Day", "Christi Himmelfahrt"}, {5, 19, "Pentecost", "Pfingstsonntag"},
      {5, 20, "Whit Monday", "Pfingstmontag"},        {5, 30, "Corpus Christi", "Fronleichnam"},
  };
  std::string name;
  for (const auto& f : feasts2024) {
    EXPECT_TRUE(cal.CheckHoliday(2024, f.month, f.day, name)) << f.english;
    EXPECT_EQ(name, f.english);
  }
  for (const auto& [m, d] : {std::pair{3, 30}, {4, 2}, {5, 21}, {5, 31}, {6, 30}}) {
    EXPECT_FALSE(cal.CheckHoliday(2024, m, d, name)) << m << "/" << d;
    EXPECT_EQ(name, "");
  }
  // Corpus Christi in June (2038: Easter 25 April) and Easter in late March of 2285.
  EXPECT_TRUE(cal.CheckHoliday(2038, 6, 24, name));
  EXPECT_EQ(name, "Corpus Christi");
  EXPECT_TRUE(cal.CheckHoliday(2285, 3, 22, name));
  cal.SetLanguage(lgGerman);
  for (const auto& f : feasts2024) {
    EXPECT_TRUE(cal.CheckHoliday(2024, f.month, f.day, name));
    EXPECT_EQ(name, f.german);
  }
  cal.SetShowMovableHolidays(false);
  for (const auto& f : feasts2024) EXPECT_FALSE(cal.CheckHoliday(2024, f.month, f.day, name));
}

}  // namespace
}  // namespace zeb
