// Month and weekday names by language, and the combination of two verdicts.
#include <gtest/gtest.h>

#include <set>

#include "companion/ZEB_zebbase.h"
#include "framework/rtl/utf8.h"

namespace {

TEST(Names, SampleEntriesOfEachLanguage) {
  struct Case {
    int language;
    std::string march, marchShort, monday, sunday, wednesdayLong;
  };
  const Case cases[] = {
      {zeb::lgEnglish, "March", "Mar", "Mon", "Sun", "Wednesday"},
      {zeb::lgGerman, "März", "Mär", "Mo", "So", "Mittwoch"},
      {zeb::lgFrench, "Mars", "Mars", "Lun", "Dim", "Mercredi"},
      {zeb::lgSpanish, "Marzo", "Mar", "Lun", "Dom", "Miércoles"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    EXPECT_EQ(zeb::MonthLong(c.language, 3), c.march);
    EXPECT_EQ(zeb::MonthShort(c.language, 3), c.marchShort);
    EXPECT_EQ(zeb::WeekDayShort(c.language, 0), c.monday);
    EXPECT_EQ(zeb::WeekDayShort(c.language, 6), c.sunday);
    EXPECT_EQ(zeb::WeekDayLong(c.language, 2), c.wednesdayLong);
  }
}

TEST(Names, TablesAreCompleteDistinctAndFitTheCalendar) {
  for (int language = zeb::lgEnglish; language <= zeb::lgSpanish; ++language) {
    SCOPED_TRACE(language);
    std::set<std::string> shortMonths, longMonths, shortDays, longDays;
    for (int month = 1; month <= 12; ++month) {
      const std::string s = zeb::MonthShort(language, month);
      const std::string l = zeb::MonthLong(language, month);
      // The calendar title cuts "name " to 5 and 11 characters.
      EXPECT_GE(fw::Length(s), 3u);
      EXPECT_LE(fw::Length(s), 4u);
      EXPECT_LE(fw::Length(l), 10u);
      if (language == zeb::lgEnglish) {
        EXPECT_EQ(fw::Length(s), 3u);  // read back by "MMM"
      }
      shortMonths.insert(s);
      longMonths.insert(l);
    }
    for (int day = 0; day < 7; ++day) {
      shortDays.insert(zeb::WeekDayShort(language, day));
      longDays.insert(zeb::WeekDayLong(language, day));
    }
    EXPECT_EQ(shortMonths.size(), 12u);
    EXPECT_EQ(longMonths.size(), 12u);
    EXPECT_EQ(shortDays.size(), 7u);
    EXPECT_EQ(longDays.size(), 7u);
  }
}

TEST(Names, OutOfRangeGivesEmptyText) {
  EXPECT_EQ(zeb::MonthShort(0, 1), "");
  EXPECT_EQ(zeb::MonthShort(5, 1), "");
  EXPECT_EQ(zeb::MonthLong(1, 0), "");
  EXPECT_EQ(zeb::MonthLong(1, 13), "");
  EXPECT_EQ(zeb::WeekDayShort(1, -1), "");
  EXPECT_EQ(zeb::WeekDayLong(1, 7), "");
}

TEST(ApplyLogicOp, TruthTables) {
  struct Case {
    zeb::TLogicOp op;
    bool ff, ft, tf, tt;  // results for (a, b)
  };
  const Case cases[] = {
      {zeb::loAnd, false, false, false, true}, {zeb::loOr, false, true, true, true},
      {zeb::loXor, false, true, true, false},  {zeb::loAndNot, false, false, true, false},
      {zeb::loOrNot, true, false, true, true}, {zeb::loReplace, false, true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.op));
    EXPECT_EQ(zeb::ApplyLogicOp(c.op, false, false), c.ff);
    EXPECT_EQ(zeb::ApplyLogicOp(c.op, false, true), c.ft);
    EXPECT_EQ(zeb::ApplyLogicOp(c.op, true, false), c.tf);
    EXPECT_EQ(zeb::ApplyLogicOp(c.op, true, true), c.tt);
  }
}

}  // namespace
