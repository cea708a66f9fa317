// The edit field's conversion of typed texts in every format, its value reading and the
// texts it writes for values.

#include <gtest/gtest.h>

#include <string>

#include "numio/ZEB_NumIO.h"
#include "tests/numio/numio_test_support.h"

using namespace zeb;
using numio_test::kMax;
using numio_test::SeparatorGuard;

namespace {

struct ConvertCase {
  const char* text;
  TInFormat fmt;
  TDecPSep sep;
  bool ok;
  double value;
};

void ExpectConversions(std::initializer_list<ConvertCase> cases) {
  for (const ConvertCase& c : cases) {
    double value = -99;
    EXPECT_EQ(ConvertNumString(c.text, c.fmt, c.sep, value), c.ok)
        << "'" << c.text << "' format " << int(c.fmt);
    if (c.ok) {
      EXPECT_DOUBLE_EQ(value, c.value) << "'" << c.text << "'";
    }
  }
}

TEST(NumIOConvertNumString, ExponentTexts) {
  SeparatorGuard guard('.');
  ExpectConversions({
      {"1.5e-", itExp, dpPlatform, true, 1.5},
      {"1.5E+", itExp, dpPlatform, true, 1.5},
      {"1e", itExp, dpPlatform, true, 1},
      {"1e5000", itExp, dpPlatform, true, kMax},
      {"-1e5000", itExp, dpPlatform, true, -kMax},
      {"-", itExp, dpPlatform, true, 0},
      {"+", itExp, dpPlatform, true, 0},
      {"  12", itExp, dpPlatform, true, 12},
      {"   ", itExp, dpPlatform, true, 0},
      {"12 ", itExp, dpPlatform, false, 0},
      {"1 2", itExp, dpPlatform, false, 0},
      {"1,5", itExp, dpComma, true, 1.5},
      {"1,5", itExp, dpBoth, true, 1.5},
      {"1,5", itExp, dpPoint, false, 0},
      {"1,5", itExp, dpPlatform, false, 0},
      {"2.5E3", itExp, dpPlatform, true, 2500},
      {"1e-+", itExp, dpPlatform, false, 0},
      {"1ee", itExp, dpPlatform, false, 0},
      {"1e2e", itExp, dpPlatform, false, 0},
      {"e", itExp, dpPlatform, true, 0},  // cut to "" which the scanner ends at once
      {"12x", itExp, dpPlatform, false, 0},
  });
  double value = 7;
  EXPECT_FALSE(ConvertNumString("", itExp, dpPlatform, value));
  EXPECT_EQ(value, 7);  // an empty text leaves the value alone
}

TEST(NumIOConvertNumString, PlatformSeparatorDecidesOrdinal0) {
  SeparatorGuard guard(',');
  ExpectConversions({{"1,5", itExp, dpPlatform, true, 1.5},
                     {"1.5", itExp, dpPlatform, false, 0},
                     {"1,25", itFloat, dpPlatform, true, 1.25}});
}

TEST(NumIOConvertNumString, FloatIntAndDynamicTexts) {
  SeparatorGuard guard('.');
  ExpectConversions({
      {"1e3", itFloat, dpPlatform, false, 0},
      {"1.", itFloat, dpPlatform, true, 1},
      {".", itFloat, dpPlatform, true, 0},
      {"-.25", itFixPoint, dpPlatform, true, -0.25},
      {"4294967297", itInt, dpPlatform, true, 1},
      {"-12", itInt, dpPlatform, true, -12},
      {"-", itInt, dpPlatform, true, 0},
      {"1.0", itInt, dpPlatform, false, 0},
      {"1e2", itDynamic, dpPlatform, true, 100},
      {"-7", itDynamic, dpPlatform, true, -7},
      {"1e-", itDynamic, dpPlatform, true, 1},
  });
}

TEST(NumIOConvertNumString, OtherBasesAcceptDigitsOnly) {
  ExpectConversions({
      {"1A", itHex, dpPlatform, true, 26},
      {"ffffffff", itHex, dpPlatform, true, -1},
      {"1g", itHex, dpPlatform, false, 0},
      {"$1A", itHex, dpPlatform, false, 0},
      {"777", itOct, dpPlatform, true, 511},
      {"8", itOct, dpPlatform, false, 0},
      {"101", itBin, dpPlatform, true, 5},
      {"102", itBin, dpPlatform, false, 0},
      {"$ff", itDynamic, dpPlatform, true, 255},
      {"$", itDynamic, dpPlatform, true, 0},  // the prefix alone, as it is being typed
      {"%101", itDynamic, dpPlatform, true, 5},
      {"%2", itDynamic, dpPlatform, false, 0},
      {"&17", itDynamic, dpPlatform, true, 15},
      {"&18", itDynamic, dpPlatform, false, 0},
      {"$-1", itDynamic, dpPlatform, false, 0},
  });
}

TEST(NumIOLabValue, ReadsTheEditText) {
  SeparatorGuard guard('.');
  EXPECT_DOUBLE_EQ(LabTextValue("2,5", itExp, dpPlatform), 2.5);
  EXPECT_DOUBLE_EQ(LabTextValue("2,5", itFloat, dpComma), 2.5);
  EXPECT_DOUBLE_EQ(LabTextValue("3.", itFloat, dpPlatform), 3);
  EXPECT_DOUBLE_EQ(LabTextValue("abc", itFloat, dpPlatform), 0);
  EXPECT_DOUBLE_EQ(LabTextValue("", itFloat, dpPlatform), 0);
  EXPECT_DOUBLE_EQ(LabTextValue("$1f", itDynamic, dpPlatform), 31);
}

TEST(NumIOLabValue, WritesTheTextOfEachFormat) {
  struct Case {
    double value;
    TInFormat fmt;
    const char* text;
  } cases[] = {
      {26, itHex, "0000001A"},
      {511.4, itOct, "00000777"},
      {5, itBin, "00000101"},
      {-1, itHex, "FFFFFFFF"},
      {2.5, itInt, "3"},
      {1.5, itFloat, "1.50000000"},
      {3.14159, itFixPoint, "3.142"},
      {123.456789, itExp, " 1.23457E+02"},
      {-0.5, itDynamic, "-5.00000E-01"},
  };
  for (const Case& c : cases) EXPECT_EQ(LabValueText(c.value, c.fmt, 3), c.text) << c.value;
}

}  // namespace
