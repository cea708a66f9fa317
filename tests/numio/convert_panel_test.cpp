// The input panel's conversions: typing validity per format, the value of its text, the
// text of a value, the integer value with overflow error, the range test and separator
// rewriting.

#include <gtest/gtest.h>

#include <string>

#include "numio/ZEB_NumIO.h"
#include "tests/numio/numio_test_support.h"

using namespace zeb;
using numio_test::SeparatorGuard;

namespace {

TNioFormat Fmt(TInFormat f, TDecPSep sep = dpPlatform, int places = 2, int significant = 6) {
  TNioFormat format;
  format.InputFormat = f;
  format.DecPlaceSep = sep;
  format.FixPointDecPlaces = places;
  format.SignificantDigits = significant;
  return format;
}

TEST(NumIOPanelValidity, EachFormat) {
  SeparatorGuard guard('.');
  struct Case {
    const char* text;
    TNioFormat format;
    bool valid;
  } cases[] = {
      {"1.50", Fmt(itFixPoint), true},
      {"1.5", Fmt(itFixPoint), false},
      {"1,50", Fmt(itFixPoint, dpBoth), false},  // the fixed-point test looks for "." only
      {"150", Fmt(itFixPoint), false},
      {"-.25", Fmt(itFixPoint), true},
      {"$", Fmt(itDynamic), false},
      {"$1g", Fmt(itDynamic), false},
      {"%102", Fmt(itDynamic), false},
      {"&17", Fmt(itDynamic), true},
      {"$fF", Fmt(itDynamic), true},
      {"1e-", Fmt(itDynamic), true},
      {"", Fmt(itDynamic), false},
      {"1e5000", Fmt(itExp), false},
      {"1,5", Fmt(itExp, dpComma), true},
      {"1,5", Fmt(itFloat), false},
      {"-", Fmt(itFloat), true},
      {"-", Fmt(itInt), false},
      {"-3", Fmt(itInt), true},
      {"1A", Fmt(itHex), true},
      {"18", Fmt(itOct), false},
      {"10", Fmt(itBin), true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NioCheckValidity(c.text, c.format), c.valid)
        << "'" << c.text << "' format " << int(c.format.InputFormat);
}

TEST(NumIOPanelValue, ReadsEachFormat) {
  struct Case {
    const char* text;
    TInFormat fmt;
    double value;
  } cases[] = {
      {"99999999999", itInt, 2147483647},
      {"-99999999999", itInt, 2147483647},
      {"-2147483648", itInt, -2147483648.0},
      {"12x", itInt, 0},
      {"", itInt, 0},
      {"$FFFFFFFF", itDynamic, -1},
      {"%101", itDynamic, 5},
      {"&777", itDynamic, 511},
      {"", itDynamic, 0},
      {"2.5e2xyz", itDynamic, 250},
      {"1,5", itFloat, 1.5},
      {"1.5e1", itFixPoint, 15},
      {"$1A", itHex, 26},
      {"1A", itHex, 26},
      {"129", itOct, 10},
      {"1012", itBin, 5},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(NioGetValue(c.text, Fmt(c.fmt)), c.value) << "'" << c.text << "'";
}

TEST(NumIOPanelValue, WritesEachFormat) {
  struct Case {
    double value;
    TNioFormat format;
    const char* text;
  } cases[] = {
      {0.000123456789, Fmt(itExp), " 1.23457E-04"},
      {1e-120, Fmt(itExp), "************"},
      {3, Fmt(itFloat), "3.00"},
      {3.14159, Fmt(itFixPoint, dpPlatform, 3), "3.142"},
      {2.5, Fmt(itInt), "2"},
      {3.5, Fmt(itDynamic), "4"},
      {-2.5, Fmt(itInt), "-2"},
      {1e20, Fmt(itInt), "100000000000000000000"},
      {26, Fmt(itHex), "0000001A"},
      {-1, Fmt(itOct), "37777777777"},
      {5, Fmt(itBin), "00000000000000000000000000000101"},
  };
  for (const Case& c : cases) EXPECT_EQ(NioValueText(c.value, c.format), c.text) << c.value;
}

TEST(NumIOPanelIntValue, RoundsOrRaisesOverflow) {
  EXPECT_EQ(NioGetIntValue("2.5", Fmt(itFloat), "Panel1"), 2);
  EXPECT_EQ(NioGetIntValue("-3.5", Fmt(itFloat), "Panel1"), -4);
  EXPECT_EQ(NioGetIntValue("2147483646.6", Fmt(itExp), "Panel1"), 2147483647);
  EXPECT_EQ(NioGetIntValue("-2147483648", Fmt(itExp), "Panel1"), INT32_MIN);
  try {
    NioGetIntValue("2147483647.5", Fmt(itExp), "Panel1");
    FAIL() << "no overflow raised";
  } catch (const EZEBNumIO2Error& e) {
    EXPECT_STREQ(e.what(), "Component \"Panel1\": integer overflow");
  }
  EXPECT_THROW(NioGetIntValue("-1e300", Fmt(itExp), "P"), EZEBError);
}

TEST(NumIOPanelRange, OutsideLowHigh) {
  EXPECT_FALSE(NioOutOfRange("5", Fmt(itFloat), 0, 10));
  EXPECT_FALSE(NioOutOfRange("10", Fmt(itFloat), 0, 10));
  EXPECT_TRUE(NioOutOfRange("10.01", Fmt(itFloat), 0, 10));
  EXPECT_TRUE(NioOutOfRange("-1", Fmt(itFloat), 0, 10));
}

TEST(NumIOPanelSeparator, RewritesSeparatorsOnChange) {
  SeparatorGuard guard(',');
  struct Case {
    const char* text;
    TDecPSep from, to;
    const char* result;
  } cases[] = {
      {"1.5", dpPoint, dpComma, "1,5"},    {"1,5", dpComma, dpPoint, "1.5"},
      {"1.5,2", dpBoth, dpComma, "1,5,2"}, {"1.5,2", dpBoth, dpPoint, "1.5.2"},
      {"1.5", dpPoint, dpBoth, "1.5"},     {"1.5", dpPoint, dpPlatform, "1,5"},
      {"1,5", dpPlatform, dpPoint, "1.5"}, {"1.5", dpPoint, dpPoint, "1.5"},
      {"1,5", dpComma, dpPlatform, "1,5"},  // both "," here: nothing to rewrite
  };
  for (const Case& c : cases) EXPECT_EQ(NioChangeDecSep(c.text, c.from, c.to), c.result) << c.text;
}

}  // namespace
