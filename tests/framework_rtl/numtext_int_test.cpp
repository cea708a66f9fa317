// Tests of the integer conversions and StrToFloat with their error messages.

#include <gtest/gtest.h>

#include <limits>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/numtext.h"
#include "tests/framework_rtl/settings_guard.h"

namespace {

using fw::test::SettingsGuard;

TEST(IntToStr, WritesTheFullRange) {
  EXPECT_EQ(fw::IntToStr(0), "0");
  EXPECT_EQ(fw::IntToStr(-17), "-17");
  EXPECT_EQ(fw::IntToStr(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
}

TEST(IntToHex, PadsToDigitsAndUsesTheArgumentWidthForNegatives) {
  EXPECT_EQ(fw::IntToHex(26, 8), "0000001A");
  EXPECT_EQ(fw::IntToHex(255, 1), "FF");
  EXPECT_EQ(fw::IntToHex(0, 0), "0");
  EXPECT_EQ(fw::IntToHex(-1, 4), "FFFFFFFF");
  EXPECT_EQ(fw::IntToHex(int64_t{-1}, 4), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(fw::IntToHex(int64_t{0x123456789A}, 12), "00123456789A");
}

TEST(StrToInt, AcceptsDecimalAndHexadecimal) {
  EXPECT_EQ(fw::StrToInt("123"), 123);
  EXPECT_EQ(fw::StrToInt(" -45"), -45);
  EXPECT_EQ(fw::StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(fw::StrToInt("0x7fffffff"), 2147483647);
  EXPECT_EQ(fw::StrToInt64("9223372036854775807"), std::numeric_limits<int64_t>::max());
}

TEST(StrToInt, RejectsWithTheConversionMessage) {
  for (const char* text : {"", "abc", "12 ", "99999999999", "1.5", "$", "--1"}) {
    try {
      fw::StrToInt(text);
      FAIL() << "accepted '" << text << "'";
    } catch (const fw::EConvertError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
  EXPECT_EQ(fw::StrToIntDef("x", 7), 7);
  EXPECT_EQ(fw::StrToIntDef("8", 7), 8);
  int value = 5;
  EXPECT_FALSE(fw::TryStrToInt("2147483648", value));
  EXPECT_EQ(value, 5);  // unchanged on failure
  EXPECT_TRUE(fw::TryStrToInt("-2147483648", value));
  EXPECT_EQ(value, std::numeric_limits<int>::min());
}

TEST(StrToFloat, AcceptsBlanksAroundAndTheCurrentSeparator) {
  EXPECT_EQ(fw::StrToFloat("3.25"), 3.25);
  EXPECT_EQ(fw::StrToFloat("  -1.5e3  "), -1500.0);
  EXPECT_EQ(fw::StrToFloat("1E-2"), 0.01);
  EXPECT_EQ(fw::StrToFloat(".5"), 0.5);
  SettingsGuard guard;
  fw::FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(fw::StrToFloat("3,25"), 3.25);
  double value = 1;
  EXPECT_FALSE(fw::TryStrToFloat("3.25", value));
  EXPECT_EQ(value, 1.0);
}

TEST(StrToFloat, RejectsWithTheConversionMessage) {
  for (const char* text : {"", " ", "abc", "1,5", "1e", "1e400", "1.2.3", "INF"}) {
    try {
      fw::StrToFloat(text);
      FAIL() << "accepted '" << text << "'";
    } catch (const fw::EConvertError& e) {
      EXPECT_EQ(std::string(e.what()),
                "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
  EXPECT_EQ(fw::StrToFloatDef("x", 2.5), 2.5);
}

}  // namespace
