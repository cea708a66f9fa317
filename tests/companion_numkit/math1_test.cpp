// IntNeg (floor as an integer) and IsValidDecInt (decimal integer text).
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <random>

#include "companion/ZEB_math1.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/numtext.h"

namespace zeb {
namespace {

TEST(IntNeg, GreatestIntegerNotAbove) {
  const struct {
    double x;
    int expected;
  } cases[] = {{-0.5, -1},
               {2.0, 2},
               {-2.0, -2},
               {2.999, 2},
               {-2.0001, -3},
               {0.0, 0},
               {-0.0, 0},
               {1e-300, 0},
               {-1e-300, -1},
               {2147483647.0, INT_MAX},
               {-2147483648.0, INT_MIN},
               {-2147483647.5, INT_MIN},
               {2147483647.9, INT_MAX},
               {-3.0 + 1e-15, -3}};
  for (const auto& c : cases) EXPECT_EQ(IntNeg(c.x), c.expected) << c.x;
}

TEST(IntNeg, ValuesWithoutAnIntResultRaise) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double x : {2147483648.0, -2147483648.5, 1e300, -1e300, inf, -inf, std::nan("")}) {
    EXPECT_THROW(IntNeg(x), fw::EInvalidOperation) << x;
  }
}

TEST(IsValidDecInt, AcceptsSignedDigitsThatFitAnInt) {
  const struct {
    const char* text;
    bool valid;
  } cases[] = {{"0", true},
               {"17", true},
               {"-17", true},
               {"+17", true},
               {"  42", true},
               {"007", true},
               {"2147483647", true},
               {"-2147483648", true},
               {"2147483648", false},
               {"-2147483649", false},
               {"99999999999999999999", false},
               {"", false},
               {" ", false},
               {"-", false},
               {"+", false},
               {"1.5", false},
               {"1e3", false},
               {"12 ", false},
               {"1 2", false},
               {"$1F", false},
               {"0x10", false},
               {"--1", false},
               {"abc", false},
               {"\xD9\xA3", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(IsValidDecInt(c.text), c.valid) << "'" << c.text << "'";
    if (c.valid) {
      int value = 0;
      EXPECT_TRUE(fw::TryStrToInt(c.text, value)) << c.text;
    }
  }
}

// Over random short texts of blanks, signs, digits and a few other characters, IsValidDecInt
// agrees with the run-time library's integer reading restricted to decimal text.
TEST(IsValidDecInt, AgreesWithIntegerReadingOnDecimalText) {
  const std::string alphabet = " +-0123456789.e$x";
  std::mt19937 rng(7);
  for (int i = 0; i < 20000; ++i) {
    std::string s;
    const int length = std::uniform_int_distribution<int>(0, 12)(rng);
    for (int k = 0; k < length; ++k) {
      s += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
    }
    int value = 0;
    const bool reads = fw::TryStrToInt(s, value);
    const bool decimal = s.find_first_of(".e$x") == std::string::npos;
    if (IsValidDecInt(s)) {
      EXPECT_TRUE(reads) << "'" << s << "'";
    } else if (decimal) {
      EXPECT_FALSE(reads) << "'" << s << "'";
    }
  }
}

}  // namespace
}  // namespace zeb
