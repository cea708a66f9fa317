// ScanFloat: the value it builds, where it stops, the exponent cap and clamping; and the
// typing test that runs the same automaton.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "numio/ZEB_NumIO.h"
#include "tests/numio/numio_test_support.h"

using namespace zeb::nio;
using numio_test::kMax;

namespace {

struct FloatCase {
  const char* text;
  bool allowExp;
  int sepMode;
  double value;
  int endPos;
};

TEST(NumIOScanFloat, ValueAndEndPosition) {
  const FloatCase cases[] = {
      {"12", true, 1, 12, 3},
      {"  -3.25", true, 1, -3.25, 8},
      {"+.5", true, 1, 0.5, 4},
      {"1.", true, 1, 1, 3},
      {".", true, 1, 0, 2},
      {"1,5", true, 1, 1, 2},  // "," is no separator in mode 1
      {"1,5", true, 2, 1.5, 4},
      {"1.5", true, 2, 1, 2},
      {"1,5", true, 3, 1.5, 4},
      {"2.5e3", true, 1, 2500, 6},
      {"2.5E-3", true, 1, 0.0025, 7},
      {"2.5e3", false, 1, 2.5, 4},  // without exponent the "e" ends the number
      {"1e", true, 1, 1, 3},
      {"1e+", true, 1, 1, 4},
      {"7x", true, 1, 7, 2},
      {"7 8", true, 1, 7, 2},
      {"1-", true, 1, 1, 2},
      {"1e5.", true, 1, 1e5, 4},
      {"-", true, 1, 0, 2},  // rejected: value 0
      {"e5", true, 1, 0, 1},
      {"", true, 1, 0, 1},
      {"1..2", true, 1, 0, 3},
      {"1e+-2", true, 1, 0, 4},
      {"1ex", true, 1, 1, 3},
      {"12z", true, 1, 12, 3},  // a real "z" ends a number as the end of text does
      {"\xC3\xA9", true, 1, 0, 1},
  };
  for (const FloatCase& c : cases) {
    int pos = 1;
    EXPECT_DOUBLE_EQ(ScanFloat(c.text, c.allowExp, c.sepMode, pos), c.value) << c.text;
    EXPECT_EQ(pos, c.endPos) << c.text;
  }
}

TEST(NumIOScanFloat, StartsAtTheGivenPosition) {
  int pos = 4;
  EXPECT_DOUBLE_EQ(ScanFloat("ab 42;", true, 1, pos), 42);
  EXPECT_EQ(pos, 6);
  pos = 0;  // before the text reads from its start
  EXPECT_DOUBLE_EQ(ScanFloat("9", true, 1, pos), 9);
  EXPECT_EQ(pos, 2);
  pos = 50;  // past the end: only the end is seen
  EXPECT_DOUBLE_EQ(ScanFloat("9", true, 1, pos), 0);
}

TEST(NumIOScanFloat, ExponentBeyondTheCapIsReadButDropped) {
  struct Case {
    std::string text;
    double value;
  } cases[] = {
      {"1e4200", kMax},  // 1e4200 is kept whole, then clamped
      {"1e5000", kMax},  // "1E500": the last digit is dropped
      {"1e-5000", 0},
      {"-1e400", -kMax},
      {"1e308", 1e308},
      {"1.7976931348623157e308", kMax},
      {"1e309", kMax},
      {"4.9e-324", 4.9e-324},
      {"1e-400", 0},
      {"1e" + std::string(5000, '9'), kMax},
      {"1e-0000000000000000000002", 0.01},
      {"0." + std::string(400, '0') + "1e420", 1e19},
      {std::string(400, '9'), kMax},
      {"-" + std::string(400, '1') + "e-380", -1.1111111111111111e19},
  };
  for (const Case& c : cases) {
    int pos = 1;
    EXPECT_DOUBLE_EQ(ScanFloat(c.text, true, 1, pos), c.value) << c.text.substr(0, 40);
    EXPECT_EQ(pos, static_cast<int>(c.text.size()) + 1) << c.text.substr(0, 40);
  }
}

TEST(NumIOScanFloat, ZeroHasNoSign) {
  int pos = 1;
  const double value = ScanFloat("-0.0", true, 1, pos);
  EXPECT_FALSE(std::signbit(value));
}

TEST(NumIOScanFloat, LongDigitRunsConvertExactly) {
  const std::string digits = "1" + std::string(1000, '0');  // 10^1000 is beyond a double
  int pos = 1;
  EXPECT_DOUBLE_EQ(ScanFloat(digits + "e-998", true, 1, pos), 100);
  pos = 1;
  EXPECT_DOUBLE_EQ(ScanFloat("0." + std::string(2000, '0') + "5", true, 1, pos), 0);
}

TEST(NumIOIsValidExpFloat, TypingTexts) {
  for (const char* valid :
       {"12", "1.", "-.5", "1e", "1e-", "12x", "1e4200", " 5", "1e+3", "+1", ".", "1 "})
    EXPECT_TRUE(IsValidExpFloat(valid, 1)) << valid;
  for (const char* invalid :
       {"", "-", "+", "..", "1e5000", "e5", "1e42001", " ", "x", "1e+-", "1e.", "-+1"})
    EXPECT_FALSE(IsValidExpFloat(invalid, 1)) << invalid;
}

TEST(NumIOIsValidExpFloat, ExponentCapIsOnTheDigitsValue) {
  EXPECT_TRUE(IsValidExpFloat("1e00004200", 1));
  EXPECT_FALSE(IsValidExpFloat("1e00004201", 1));
  EXPECT_FALSE(IsValidExpFloat("1e-4201", 1));
  EXPECT_FALSE(IsValidExpFloat("1e" + std::string(100000, '9'), 1));
}

}  // namespace
