// Tests of Str (fixed and scientific forms, integers) and Val (value and error position).

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

#include "framework/rtl/numtext.h"

namespace {

using fw::Str;

struct FixedCase {
  double x;
  int width, decimals;
  const char* expected;
};

TEST(StrFixed, RoundsRightAlignsAndNeverGroups) {
  const FixedCase cases[] = {
      {3.14159, 8, 2, "    3.14"},
      {-3.14159, 1, 2, "-3.14"},
      {0.0, 6, 3, " 0.000"},
      {2.5, 1, 0, "3"},
      {-2.5, 1, 0, "-3"},
      {0.125, 1, 2, "0.13"},
      {1.005, 1, 2, "1.00"},
      {999999999.0, 12, 0, "   999999999"},
      {9999999.96, 1, 1, "10000000.0"},
      {0.99999999, 1, 8, "0.99999999"},
      {1234567.891, 1, 2, "1234567.89"},
      {0.00000001, 1, 8, "0.00000001"},
      {12345.0, 3, 0, "12345"},
      {7.0, 1, 0, "7"},
      {1e20, 1, 1, "100000000000000000000.0"},
      {-0.0, 1, 2, "0.00"},
      {-0.001, 1, 2, "0.00"},
      {0.5, 1, 0, "1"},
  };
  for (const FixedCase& c : cases) {
    EXPECT_EQ(Str(c.x, c.width, c.decimals), c.expected)
        << c.x << ":" << c.width << ":" << c.decimals;
  }
}

TEST(StrFixed, AgreesWithTheExactDecimalValueAwayFromHalves) {
  std::mt19937_64 random(12345);
  std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
  std::uniform_int_distribution<int> scale(-4, 6), decimals(0, 8);
  for (int i = 0; i < 20000; ++i) {
    const double x = mantissa(random) * std::pow(10.0, scale(random));
    const int d = decimals(random);
    char buffer[128];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, d).ptr;
    std::string expected(buffer, end);
    if (expected.find_first_not_of("-0.") == std::string::npos && expected[0] == '-') {
      expected.erase(0, 1);  // a value that rounds to zero carries no sign
    }
    ASSERT_EQ(Str(x, 1, d), expected) << x << " with " << d;
  }
}

struct SciCase {
  double x;
  int width;
  const char* expected;
};

TEST(StrScientific, WritesWidthMinusNineDecimalsAndFourExponentDigits) {
  const SciCase cases[] = {
      {123.456789, 22, " 1.2345678900000E+0002"},
      {-1e-300, 22, "-1.0000000000000E-0300"},
      {0.0, 22, " 0.0000000000000E+0000"},
      {1.0, 1, " 1.0E+0000"},
      {-1.0, 10, "-1.0E+0000"},
      {9.96, 10, " 1.0E+0001"},
      {0.000123456789, 14, " 1.23457E-0004"},
      {123.456789, 20, " 1.23456789000E+0002"},
      {1e150, 16, " 1.0000000E+0150"},
      {2.5, 11, " 2.50E+0000"},
      {1.7976931348623157e308, 22, " 1.7976931348623E+0308"},
      {4.9406564584124654e-324, 12, " 4.941E-0324"},
  };
  for (const SciCase& c : cases) EXPECT_EQ(Str(c.x, c.width), c.expected) << c.x << ":" << c.width;
  EXPECT_EQ(Str(1.0), " 1.00000000000000E+0000");
  EXPECT_EQ(Str(5.0, 7, -1), Str(5.0, 7));
}

TEST(StrScientific, StopsAtEighteenSignificantDigitsAndPadsInstead) {
  const std::string wide = Str(0.1, 30);
  EXPECT_EQ(wide, "     1.00000000000000006E-0001");
  EXPECT_EQ(wide.size(), 30u);
  EXPECT_EQ(Str(1.0 / 3.0, 26), " 3.33333333333333315E-0001");
}

TEST(StrScientific, LengthFollowsTheWidthRule) {
  for (int width = -3; width <= 26; ++width) {
    const std::string text = Str(-123.25, width);
    EXPECT_EQ(text.size(), static_cast<std::size_t>(std::max(width, 10))) << width;
    EXPECT_EQ(text.substr(text.size() - 6), "E+0002");
  }
}

TEST(StrSpecialValues, InfinityAndNanAreNamed) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(Str(inf, 6, 2), "  +Inf");
  EXPECT_EQ(Str(-inf, 1), "-Inf");
  EXPECT_EQ(Str(std::numeric_limits<double>::quiet_NaN(), 1, 0), "Nan");
}

TEST(StrInteger, RightAlignsWithBlanks) {
  EXPECT_EQ(Str(7, 5), "    7");
  EXPECT_EQ(Str(-42, 1), "-42");
  EXPECT_EQ(Str(int64_t{-9223372036854775807 - 1}, 0), "-9223372036854775808");
  EXPECT_EQ(Str(123456, 3), "123456");
}

struct ValCase {
  const char* text;
  double value;
  int code;
};

TEST(ValReal, ReadsNumbersWithLeadingBlanks) {
  const ValCase cases[] = {
      {"12", 12, 0},
      {"  1.5e3", 1500, 0},
      {"-0.25", -0.25, 0},
      {"+3", 3, 0},
      {".5", 0.5, 0},
      {"5.", 5, 0},
      {"1E-2", 0.01, 0},
      {"2e+2", 200, 0},
      {"1e-400", 0, 0},
      {"0.1", 0.1, 0},
      {"123456789012345678901234", 1.2345678901234568e23, 0},
  };
  for (const ValCase& c : cases) {
    double x = -1;
    int code = -1;
    fw::Val(c.text, x, code);
    EXPECT_EQ(code, c.code) << c.text;
    EXPECT_EQ(x, c.value) << c.text;
  }
}

TEST(ValReal, ReportsThePositionOfTheFirstBadCharacter) {
  const std::pair<const char*, int> cases[] = {
      {"", 1},      {" ", 2},    {"-", 2},     {"1.5 ", 4}, {"abc", 1},  {"1e", 3},
      {"1e+", 4},   {"12x3", 3}, {"1,5", 2},   {".", 2},    {"1..2", 3}, {"\t1", 1},
      {"1e400", 6}, {"--1", 2},  {"1e5.0", 4}, {"0x10", 2},
  };
  for (const auto& [text, expected] : cases) {
    double x = -1;
    int code = 0;
    fw::Val(text, x, code);
    EXPECT_EQ(code, expected) << text;
    EXPECT_EQ(x, 0.0) << text;
  }
}

TEST(ValReal, ReadsBackWhatStrWrites) {
  std::mt19937_64 random(99);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> scale(-300, 300);
  for (int i = 0; i < 5000; ++i) {
    const double x = mantissa(random) * std::pow(10.0, scale(random));
    double back = 0;
    int code = -1;
    fw::Val(Str(x, 26), back, code);  // 17 significant digits identify a double
    ASSERT_EQ(code, 0) << Str(x, 26);
    ASSERT_EQ(back, x) << Str(x, 26);
  }
}

TEST(ValInteger, ReadsDecimalAndHexadecimalWithinRange) {
  struct Case {
    const char* text;
    int value, code;
  };
  const Case cases[] = {
      {"42", 42, 0},
      {"  -17", -17, 0},
      {"$FF", 255, 0},
      {"$ffffffff", -1, 0},
      {"0x1A", 26, 0},
      {"x10", 16, 0},
      {"-$10", -16, 0},
      {"2147483647", 2147483647, 0},
      {"-2147483648", -2147483647 - 1, 0},
      {"2147483648", 0, 10},
      {"$100000000", 0, 10},
      {"", 0, 1},
      {"$", 0, 2},
      {"12 ", 0, 3},
      {"1.0", 0, 2},
      {"$1g", 0, 3},
  };
  for (const Case& c : cases) {
    int value = -99;
    int code = -99;
    fw::Val(c.text, value, code);
    EXPECT_EQ(code, c.code) << c.text;
    if (c.code == 0) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
  int64_t wide = 0;
  int code = 0;
  fw::Val("-9223372036854775808", wide, code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(wide, std::numeric_limits<int64_t>::min());
  fw::Val("9223372036854775808", wide, code);
  EXPECT_EQ(code, 19);
}

}  // namespace
