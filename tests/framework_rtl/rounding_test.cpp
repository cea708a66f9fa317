// Tests of the rounding rules: Round halves to even, Trunc/Int/Frac toward zero, MulDiv
// halves away from zero with the -1 answer for a zero divisor or an overflow.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/rounding.h"

namespace {

TEST(Round, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, int64_t> cases[] = {{0.5, 0},
                                              {1.5, 2},
                                              {2.5, 2},
                                              {3.5, 4},
                                              {-0.5, 0},
                                              {-1.5, -2},
                                              {-2.5, -2},
                                              {2.4999999999999996, 2},
                                              {2.5000000000000004, 3},
                                              {-3.5, -4},
                                              {0.49999999999999994, 0},
                                              {4503599627370495.5, 4503599627370496},
                                              {1e15 + 0.5, 1000000000000000},
                                              {-7.0, -7}};
  for (const auto& [x, expected] : cases) EXPECT_EQ(fw::Round(x), expected) << x;
}

TEST(Round, CoversTheInt64RangeAndRefusesBeyond) {
  EXPECT_EQ(fw::Round(-9223372036854775808.0), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(fw::Round(9223372036854774784.0), 9223372036854774784LL);
  EXPECT_THROW(fw::Round(9223372036854775808.0), fw::EInvalidOperation);
  EXPECT_THROW(fw::Round(std::numeric_limits<double>::quiet_NaN()), fw::EInvalidOperation);
  EXPECT_THROW(fw::Round(-std::numeric_limits<double>::infinity()), fw::EInvalidOperation);
}

TEST(Trunc, DropsTheFractionTowardZero) {
  const std::pair<double, int64_t> cases[] = {
      {2.9, 2}, {-2.9, -2}, {0.999, 0}, {-0.999, 0}, {1e18, 1000000000000000000LL}};
  for (const auto& [x, expected] : cases) EXPECT_EQ(fw::Trunc(x), expected) << x;
  EXPECT_THROW(fw::Trunc(1e19), fw::EInvalidOperation);
}

TEST(IntFrac, SplitAValueWithItsSign) {
  const double values[] = {2.75, -2.75, 0.125, -1e-300, 123456789.5, 0.0};
  for (double x : values) {
    EXPECT_EQ(fw::Int(x) + fw::Frac(x), x) << x;
    EXPECT_EQ(std::trunc(fw::Int(x)), fw::Int(x)) << x;
    EXPECT_LT(std::fabs(fw::Frac(x)), 1.0) << x;
    if (fw::Frac(x) != 0) {
      EXPECT_EQ(std::signbit(fw::Frac(x)), std::signbit(x)) << x;
    }
  }
  EXPECT_EQ(fw::Int(-2.75), -2.0);
  EXPECT_EQ(fw::Frac(-2.75), -0.75);
  EXPECT_TRUE(std::isnan(fw::Frac(std::numeric_limits<double>::infinity())));
}

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  struct Case {
    int a, b, c, expected;
  };
  const Case cases[] = {
      {1, 1, 2, 1},    {-1, 1, 2, -1},   {1, -1, 2, -1}, {-1, -1, 2, 1}, {1, 1, -2, -1},
      {3, 1, 2, 2},    {5, 1, 4, 1},     {7, 1, 4, 2},   {-7, 1, 4, -2}, {3, 121, 16, 23},
      {8, 96, 72, 11}, {10, 96, 72, 13}, {0, 5, 3, 0},   {1, 1, 3, 0},   {2, 1, 3, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fw::MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
  }
}

TEST(MulDiv, UsesAWideIntermediateAndSignalsTroubleWithMinusOne) {
  const int big = std::numeric_limits<int>::max();
  EXPECT_EQ(fw::MulDiv(big, big, big), big);  // product needs 62 bits
  EXPECT_EQ(fw::MulDiv(100000, 100000, 1000), 10000000);
  EXPECT_EQ(fw::MulDiv(5, 7, 0), -1);
  EXPECT_EQ(fw::MulDiv(big, 2, 1), -1);  // result beyond 32 bits
  EXPECT_EQ(fw::MulDiv(std::numeric_limits<int>::min(), 1, 1), std::numeric_limits<int>::min());
  EXPECT_EQ(fw::MulDiv(std::numeric_limits<int>::min(), -1, 1), -1);
}

}  // namespace
