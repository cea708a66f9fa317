// FormatNumStr in fixed and scientific form, the digit strings of the other bases and the
// rounding of values to their low 32 bits.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numio/ZEB_NumIO.h"

using namespace zeb::nio;

namespace {

TEST(NumIOFormatNumStr, FixedNotation) {
  struct Case {
    int width, decimals;
    double value;
    const char* text;
  } cases[] = {
      {1, 2, 3, "3.00"},           {1, 2, 3.149, "3.15"},    {1, 0, -7.25, "-7"},
      {8, 3, 1.5, "   1.500"},     {-8, 3, 1.5, "   1.500"}, {1, 8, 0.1, "0.10000000"},
      {2, 1, -1234.56, "-1234.6"}, {1, 2, 0, "0.00"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatNumStr(c.width, c.decimals, c.value), c.text) << c.value;
}

TEST(NumIOFormatNumStr, ScientificNotation) {
  struct Case {
    int width;
    double value;
    const char* text;
  } cases[] = {
      {12, 123.456789, " 1.23457E+02"},
      {12, 0.000123456789, " 1.23457E-04"},
      {12, 1e150, "************"},
      {12, 1e-120, "************"},
      {12, -2.5, "-2.50000E+00"},
      {12, 0, " 0.00000E+00"},
      {-12, 1e99, " 1.00000E+99"},
      {9, 9.996, " 1.00E+01"},
      {7, 5, " 5.E+00"},
      {3, 5, " 5.E+00"},
      {12, std::numeric_limits<double>::infinity(), "************"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatNumStr(c.width, -2, c.value), c.text) << c.value;
  // Beyond eighteen significant digits the mantissa is filled with zeros.
  EXPECT_EQ(FormatNumStr(30, -2, 1.0 / 3), " 3.33333333333333315000000E-01");
}

TEST(NumIODigitStr, ExactCountWithLeadingZeros) {
  EXPECT_EQ(HexDigitStr(26, 8), "0000001A");
  EXPECT_EQ(HexDigitStr(0xFFFFFFFFu, 8), "FFFFFFFF");
  EXPECT_EQ(HexDigitStr(0xABCu, 2), "BC");
  EXPECT_EQ(HexDigitStr(0xFFFFFFFFu, 20),
            "0000000"
            "0FFFFFFFF");  // clamped to 16
  EXPECT_EQ(HexDigitStr(5, 0), "5");
  EXPECT_EQ(HexDigitStr(5, -4), "5");
  EXPECT_EQ(OctDigitStr(511, 8), "00000777");
  EXPECT_EQ(OctDigitStr(0xFFFFFFFFu, 11), "37777777777");
  EXPECT_EQ(OctDigitStr(8, 40), "00000000010");
  EXPECT_EQ(BinDigitStr(5, 8), "00000101");
  EXPECT_EQ(BinDigitStr(0x80000001u, 32), "10000000000000000000000000000001");
  EXPECT_EQ(BinDigitStr(1, 99).size(), 32u);
}

TEST(NumIORoundedLow32, TiesToEvenAndWrapAround) {
  struct Case {
    double value;
    uint32_t low;
  } cases[] = {
      {2.5, 2},
      {3.5, 4},
      {-2.5, 0xFFFFFFFEu},
      {511.4, 511},
      {-1, 0xFFFFFFFFu},
      {4294967296.0 + 7, 7},
      {1e300, 0},
      {-4294967297.0, 0xFFFFFFFFu},
      {std::nan(""), 0},
      {9007199254740993.0, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundedLow32(c.value), c.low) << c.value;
}

}  // namespace
