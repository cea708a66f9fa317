// FormatDateTime tokens and the StrToDate / StrToTime / StrToDateTime parsers, including
// two-digit years through the century window.
#include <gtest/gtest.h>

#include <cmath>

#include "framework/rtl/datetime.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/numtext.h"

namespace {

using namespace fw;

// Fixes the clock (current year 2026) and restores default settings after each test.
class DateText : public ::testing::Test {
 protected:
  void SetUp() override {
    DateSettings = TDateSettings{};
    SetClockSource([] { return EncodeDateTime(2026, 12, 7, 21, 0, 0, 0); });
  }
  void TearDown() override {
    DateSettings = TDateSettings{};
    FormatSettings = TFormatSettings{};
    SetClockSource(nullptr);
  }
};

// Monday, 9 February 2004, 14:05:03.007
const TDateTime kSample = EncodeDateTime(2004, 2, 9, 14, 5, 3, 7);

TEST_F(DateText, EveryFormatTokenWithEnglishDefaults) {
  struct Case {
    const char* format;
    const char* expected;
  } cases[] = {
      {"d", "9"},
      {"dd", "09"},
      {"ddd", "Mon"},
      {"dddd", "Monday"},
      {"ddddd", "2/9/2004"},
      {"dddddd", "Monday, February 9, 2004"},
      {"m", "2"},
      {"mm", "02"},
      {"mmm", "Feb"},
      {"mmmm", "February"},
      {"yy", "04"},
      {"yyyy", "2004"},
      {"y", "04"},
      {"yyy", "2004"},
      {"h", "14"},
      {"hh", "14"},
      {"n", "5"},
      {"nn", "05"},
      {"s", "3"},
      {"ss", "03"},
      {"z", "7"},
      {"zzz", "007"},
      {"t", "2:05 PM"},
      {"tt", "2:05:03 PM"},
      {"c", "2/9/2004 2:05:03 PM"},
      {"", "2/9/2004 2:05:03 PM"},
      {"h am/pm", "2 pm"},
      {"h AM/PM", "2 PM"},
      {"h Am/pM", "2 pM"},
      {"h a/p", "2 p"},
      {"h A/P", "2 P"},
      {"h ampm", "2 PM"},
      {"h:m", "14:5"},
      {"hh:mm", "14:05"},
      {"hh mm", "14 05"},
      {"d/m/yy", "9/2/04"},
      {"hh:nn:ss", "14:05:03"},
      {"\"yyyy\"-yyyy", "yyyy-2004"},
      {"'d' d", "d 9"},
      {"YYYY-MM-DD", "2004-02-09"},
      {"DDDD", "Monday"},
      {"mmm-dd, yyyy", "Feb-09, 2004"},
      {"q x!", "q x!"},
      {"\"open", "open"},
      {"ab", "ab"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.format, kSample), c.expected) << c.format;
}

TEST_F(DateText, TwelveHourClockAroundMidnightAndNoon) {
  struct Case {
    int hour;
    const char* expected;
  } cases[] = {{0, "12 AM"},  {1, "1 AM"},  {11, "11 AM"},
               {12, "12 PM"}, {13, "1 PM"}, {23, "11 PM"}};
  for (const auto& c : cases)
    EXPECT_EQ(FormatDateTime("h ampm", EncodeTime(c.hour, 0, 0, 0)), c.expected) << c.hour;
  // Only an am/pm token after the hour switches the clock.
  EXPECT_EQ(FormatDateTime("am/pm h", EncodeTime(13, 0, 0, 0)), "pm 13");
}

TEST_F(DateText, SettingsSuppliesSeparatorsAndNames) {
  TDateSettings german;
  german.DateSeparator = ".";
  german.TimeSeparator = "-";
  german.ShortDateFormat = "dd/mm/yyyy";
  german.LongMonthNames[1] = "Februar";
  german.ShortDayNames[1] = "Mo";
  EXPECT_EQ(FormatDateTime("ddddd hh:nn", kSample, german), "09.02.2004 14-05");
  EXPECT_EQ(FormatDateTime("ddd, d. mmmm", kSample, german), "Mo, 9. Februar");
  DateSettings = german;
  EXPECT_EQ(DateToStr(kSample), "09.02.2004");
}

TEST_F(DateText, CompositeTokensLeaveOutMidnightAndStopSelfReference) {
  EXPECT_EQ(FormatDateTime("c", EncodeDate(2004, 2, 9)), "2/9/2004");
  EXPECT_EQ(DateTimeToStr(EncodeDate(2004, 2, 9)), "2/9/2004");
  DateSettings.ShortDateFormat = "c ddddd";
  DateSettings.LongTimeFormat = "tt";
  const std::string text = FormatDateTime("c", kSample);  // must terminate
  EXPECT_LT(text.size(), 200u);
}

TEST_F(DateText, NegativeAndEarlyDatesFormat) {
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", -1.25), "1899-12-29 06:00");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd dddd", EncodeDate(1, 1, 1)), "0001-01-01 Monday");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd", EncodeDate(9999, 12, 31)), "9999-12-31");
  // Outside the calendar: no crash, no names.
  EXPECT_EQ(FormatDateTime("yyyy mmm ddd|", 1e100), "0000  |");
}

TEST_F(DateText, StrToDateReadsTheShortDateOrder) {
  struct Case {
    const char* picture;
    const char* separator;
    const char* text;
    int y, m, d;
  } cases[] = {
      {"m/d/yyyy", "/", "2/9/2004", 2004, 2, 9},
      {"m/d/yyyy", "/", " 02 / 09 / 2004 ", 2004, 2, 9},
      {"dd.mm.yyyy", ".", "09.02.2004", 2004, 2, 9},
      {"yyyy-mm-dd", "-", "2004-02-09", 2004, 2, 9},
      {"m/d/yyyy", "/", "2/9", 2026, 2, 9},
      {"dd.mm.yyyy", ".", "9.2", 2026, 2, 9},
      {"m/d/yyyy", "/", "2/29/2000", 2000, 2, 29},
      {"m/d/yyyy", "/", "1/1/0001", 1, 1, 1},
  };
  for (const auto& c : cases) {
    DateSettings.ShortDateFormat = c.picture;
    DateSettings.DateSeparator = c.separator;
    EXPECT_EQ(StrToDate(c.text), EncodeDate(c.y, c.m, c.d)) << c.text;
  }
}

TEST_F(DateText, TwoDigitYearsUseTheCenturyWindow) {
  // Current year 2026, window 50: two-digit years cover 1976..2075.
  struct Case {
    int window;
    const char* text;
    int year;
  } cases[] = {{50, "1/1/76", 1976}, {50, "1/1/75", 2075}, {50, "1/1/99", 1999},
               {50, "1/1/00", 2000}, {50, "1/1/5", 2005},  {0, "1/1/75", 2075},
               {0, "1/1/99", 2099},  {10, "1/1/15", 2115}, {10, "1/1/17", 2017},
               {10, "1/1/16", 2016}, {10, "1/1/0075", 75}};
  for (const auto& c : cases) {
    FormatSettings.TwoDigitYearCenturyWindow = c.window;
    int y, m, d;
    DecodeDate(StrToDate(c.text), y, m, d);
    EXPECT_EQ(y, c.year) << c.text << " window " << c.window;
  }
}

TEST_F(DateText, InvalidDatesAreRefused) {
  const char* bad[] = {"",
                       "abc",
                       "2/30/2004",
                       "13/1/2004",
                       "1/2/3/4",
                       "2/9/2004x",
                       "2//2004",
                       "/2/9",
                       "2-9-2004",
                       "2/9/10000",
                       "1/1/00000",
                       "0/1/2000",
                       "99999999999/1/1",
                       "2/9/2004 14:00"};
  for (const char* text : bad) {
    TDateTime result = 42;
    EXPECT_FALSE(TryStrToDate(text, result)) << text;
    EXPECT_EQ(result, 42) << text;
  }
  try {
    StrToDate("abc");
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid date");
  }
}

TEST_F(DateText, StrToTimeReadsHoursMinutesSecondsAndMarkers) {
  struct Case {
    const char* text;
    int h, n, s, ms;
  } cases[] = {{"14:05", 14, 5, 0, 0},
               {"14:05:03", 14, 5, 3, 0},
               {"2:05 PM", 14, 5, 0, 0},
               {"2:05pm", 14, 5, 0, 0},
               {"12:00 AM", 0, 0, 0, 0},
               {"12:00 PM", 12, 0, 0, 0},
               {"3 PM", 15, 0, 0, 0},
               {"3 a", 3, 0, 0, 0},
               {"1:02:03.5", 1, 2, 3, 500},
               {"1:02:03.007", 1, 2, 3, 7},
               {" 23:59:59.9999 ", 23, 59, 59, 999}};
  for (const auto& c : cases) {
    int h, n, s, ms;
    DecodeTime(StrToTime(c.text), h, n, s, ms);
    EXPECT_EQ(h * 3600000 + n * 60000 + s * 1000 + ms,
              c.h * 3600000 + c.n * 60000 + c.s * 1000 + c.ms)
        << c.text;
  }
  const char* bad[] = {"",        "3",   "25:00",    "13:00 PM", "12:60",
                       "1:2:3:4", "12:", "1:02:03.", "noon",     "12:00 XM"};
  for (const char* text : bad) {
    TDateTime result = 42;
    EXPECT_FALSE(TryStrToTime(text, result)) << text;
  }
  EXPECT_THROW(StrToTime("25:00"), EConvertError);
}

TEST_F(DateText, StrToDateTimeTakesDateTimeOrEither) {
  EXPECT_EQ(StrToDateTime("2/9/2004 14:05:03"), EncodeDateTime(2004, 2, 9, 14, 5, 3, 0));
  EXPECT_EQ(StrToDateTime("2/9/2004"), EncodeDate(2004, 2, 9));
  EXPECT_NEAR(StrToDateTime("14:05"), EncodeTime(14, 5, 0, 0), 1e-12);
  EXPECT_EQ(StrToDateTime("12/29/1899 6:00"), -1.25);
  try {
    StrToDateTime("2/9/2004 x");
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'2/9/2004 x' is not a valid date and time");
  }
}

TEST_F(DateText, FormattedDateTimesParseBack) {
  DateSettings.LongTimeFormat = "hh:nn:ss";
  for (double serial = MinDateTime; serial < 2958000; serial += 12345.678) {
    int h, n, s, z;
    DecodeTime(serial, h, n, s, z);
    const TDateTime whole = ComposeDateTime(serial, EncodeTime(h, n, s, 0));
    const std::string text = FormatDateTime("c", whole);
    TDateTime back = 0;
    ASSERT_TRUE(TryStrToDateTime(text, back)) << text;
    EXPECT_NEAR(back, whole, 1e-9) << text;
  }
}

}  // namespace
