// The integer scanners: signs, blanks, the "$" prefix, 32-bit wrap-around and where each
// scan stops.

#include <gtest/gtest.h>

#include <string>

#include "numio/ZEB_NumIO.h"

using namespace zeb::nio;

namespace {

using Scanner = int32_t (*)(std::string_view, int&);

struct IntCase {
  Scanner scan;
  const char* text;
  int startPos;
  int32_t value;
  int endPos;
};

TEST(NumIOScanInt, ValueAndEndPosition) {
  const IntCase cases[] = {
      {ScanDecInt, "", 1, 0, 1},
      {ScanDecInt, "123", 1, 123, 4},
      {ScanDecInt, "  -45x", 1, -45, 6},
      {ScanDecInt, "+7", 1, 7, 3},
      {ScanDecInt, "-", 1, 0, 2},
      {ScanDecInt, "   ", 1, 0, 3},  // blanks are skipped only up to the last character
      {ScanDecInt, "4294967297", 1, 1, 11},
      {ScanDecInt, "2147483648", 1, INT32_MIN, 11},
      {ScanDecInt, "-2147483648", 1, INT32_MIN, 12},
      {ScanDecInt, "x12", 2, 12, 4},
      {ScanDecInt, "1 2", 1, 1, 2},
      {ScanHexInt, "$1A", 1, 26, 4},
      {ScanHexInt, "1a", 1, 26, 3},
      {ScanHexInt, " $1A", 1, 0, 2},  // "$" is a prefix only at position 1
      {ScanHexInt, "FFFFFFFF", 1, -1, 9},
      {ScanHexInt, "123456789", 1, 0x23456789, 10},
      {ScanHexInt, "-1", 1, 0, 1},
      {ScanHexInt, "fg", 1, 15, 2},
      {ScanOctInt, "777", 1, 511, 4},
      {ScanOctInt, "78", 1, 7, 2},
      {ScanOctInt, "37777777777", 1, -1, 12},
      {ScanBinInt, "101", 1, 5, 4},
      {ScanBinInt, "  1102", 1, 6, 6},
      {ScanBinInt, "111111111111111111111111111111111", 1, -1, 34},
  };
  for (const IntCase& c : cases) {
    int pos = c.startPos;
    EXPECT_EQ(c.scan(c.text, pos), c.value) << c.text;
    EXPECT_EQ(pos, c.endPos) << c.text;
  }
}

TEST(NumIOScanInt, VeryLongDigitRunsWrapWithoutFault) {
  const std::string nines(100000, '9');
  int pos = 1;
  ScanDecInt(nines, pos);
  EXPECT_EQ(pos, 100001);
  pos = 1;
  // Only the last eight hexadecimal digits survive the shifts.
  EXPECT_EQ(ScanHexInt(std::string(1000, 'F') + "0000002A", pos), 42);
}

TEST(NumIOScanInt, PositionsOutsideTheTextAreSafe) {
  for (Scanner scan : {ScanDecInt, ScanHexInt, ScanOctInt, ScanBinInt}) {
    int pos = 10;
    EXPECT_EQ(scan("11", pos), 0);
    EXPECT_EQ(pos, 10);
    pos = -3;  // before the text reads from its start
    int fromStart = 1;
    EXPECT_EQ(scan("11", pos), scan("11", fromStart));
    EXPECT_EQ(pos, 3);
  }
}

}  // namespace
