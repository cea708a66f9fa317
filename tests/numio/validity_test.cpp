// The typing tests of plain numbers, integers and the other bases, and the separator modes
// behind every TDecPSep with "." and "," as the platform separator.

#include <gtest/gtest.h>

#include "numio/ZEB_NumIO.h"
#include "tests/numio/numio_test_support.h"

using namespace zeb::nio;
using numio_test::SeparatorGuard;

namespace {

TEST(NumIOIsValidPlainFloat, IncompleteNumbersPassOthersDoNot) {
  for (const char* valid : {"-", ".", "1.", "-.5", "+12.75", "0"})
    EXPECT_TRUE(IsValidPlainFloat(valid, 1)) << valid;
  for (const char* invalid : {"", "1.2.3", "1-", "+-1", "1e3", " 1", "1 ", "..", "1,5"})
    EXPECT_FALSE(IsValidPlainFloat(invalid, 1)) << invalid;
}

TEST(NumIOIsValidPlainFloat, SeparatorModes) {
  struct Case {
    const char* text;
    int mode;
    bool valid;
  } cases[] = {{"1.5", 1, true}, {"1,5", 1, false}, {"1.5", 2, false},  {"1,5", 2, true},
               {"1.5", 3, true}, {"1,5", 3, true},  {"1,5.", 3, false}, {"1.5", 7, false}};
  for (const Case& c : cases) EXPECT_EQ(IsValidPlainFloat(c.text, c.mode), c.valid) << c.text;
}

TEST(NumIOIsValidDigits, IntegersAndBases) {
  EXPECT_TRUE(IsValidIntStr("7"));
  EXPECT_TRUE(IsValidIntStr("-12"));
  EXPECT_TRUE(IsValidIntStr("+0"));
  for (const char* invalid : {"", "-", "+", "x", "1-", "1.0", "--1", " 1"})
    EXPECT_FALSE(IsValidIntStr(invalid)) << invalid;

  EXPECT_TRUE(IsValidHexStr("09afAF"));
  EXPECT_FALSE(IsValidHexStr("1g"));
  EXPECT_FALSE(IsValidHexStr(""));
  EXPECT_FALSE(IsValidHexStr("$1"));
  EXPECT_TRUE(IsValidOctStr("01234567"));
  EXPECT_FALSE(IsValidOctStr("8"));
  EXPECT_TRUE(IsValidBinStr("0110"));
  EXPECT_FALSE(IsValidBinStr("012"));
  EXPECT_FALSE(IsValidBinStr(""));
}

// The platform separator (ordinal 0) maps differently for the edit field and for the
// panel's tests; the two only differ when the platform uses neither "." nor ",".
TEST(NumIOSeparatorModes, EveryOrdinalUnderEachPlatformSeparator) {
  struct Case {
    char platform;
    zeb::TDecPSep sep;
    int editMode;
    int panelMode;
  } cases[] = {
      {'.', zeb::dpPlatform, 1, 1}, {',', zeb::dpPlatform, 2, 2}, {';', zeb::dpPlatform, 1, 2},
      {'.', zeb::dpPoint, 1, 1},    {',', zeb::dpPoint, 1, 1},    {'.', zeb::dpComma, 2, 2},
      {',', zeb::dpComma, 2, 2},    {'.', zeb::dpBoth, 3, 3},     {',', zeb::dpBoth, 3, 3},
  };
  for (const Case& c : cases) {
    SeparatorGuard guard(c.platform);
    EXPECT_EQ(EditSepMode(c.sep), c.editMode) << c.platform << int(c.sep);
    EXPECT_EQ(PanelSepMode(c.sep), c.panelMode) << c.platform << int(c.sep);
  }
}

TEST(NumIOSeparatorModes, TypingTestsReadMode0AsThePlatformSeparator) {
  {
    SeparatorGuard guard(',');
    EXPECT_TRUE(IsValidPlainFloat("1,5", 0));
    EXPECT_FALSE(IsValidPlainFloat("1.5", 0));
    EXPECT_TRUE(IsValidExpFloat("1,5e3", 0));
    EXPECT_FALSE(IsValidExpFloat(".5", 0));
  }
  SeparatorGuard guard('.');
  EXPECT_TRUE(IsValidPlainFloat("1.5", 0));
  EXPECT_FALSE(IsValidPlainFloat("1,5", 0));
  EXPECT_FALSE(IsValidExpFloat(",5", 0));
}

}  // namespace
