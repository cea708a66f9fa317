// TBitFld: bits by index, resizing, clearing, the first set bit and the count.
#include <gtest/gtest.h>

#include "companion/ZEB_dstruct.h"

namespace {

TEST(BitFld, SetGetAcrossWordBoundaries) {
  zeb::TBitFld bits(200);
  for (int i : {0, 63, 64, 65, 127, 128, 199}) bits.SetBit(i, true);
  for (int i = 0; i < 200; ++i) {
    const bool expected =
        i == 0 || i == 63 || i == 64 || i == 65 || i == 127 || i == 128 || i == 199;
    EXPECT_EQ(bits.GetBit(i), expected) << i;
  }
  EXPECT_EQ(bits.CountTrueBits(), 7);
  EXPECT_EQ(bits.FirstTrueBit(), 0);
  bits.SetBit(0, false);
  EXPECT_EQ(bits.FirstTrueBit(), 63);
  EXPECT_EQ(bits.CountTrueBits(), 6);
}

TEST(BitFld, OutOfRangeIsFalseAndIgnored) {
  zeb::TBitFld bits(10);
  bits.SetBit(-1, true);
  bits.SetBit(10, true);
  EXPECT_FALSE(bits.GetBit(-1));
  EXPECT_FALSE(bits.GetBit(10));
  EXPECT_EQ(bits.CountTrueBits(), 0);
  EXPECT_EQ(bits.FirstTrueBit(), -1);
}

TEST(BitFld, ShrinkingDropsBitsAndGrowingBringsFalseOnes) {
  zeb::TBitFld bits(100);
  bits.SetBit(5, true);
  bits.SetBit(70, true);
  bits.SetBit(99, true);
  bits.SetSize(71);
  EXPECT_EQ(bits.Size(), 71);
  EXPECT_EQ(bits.CountTrueBits(), 2);
  bits.SetSize(50);
  bits.SetSize(100);
  EXPECT_EQ(bits.CountTrueBits(), 1);
  EXPECT_FALSE(bits.GetBit(70));
  EXPECT_FALSE(bits.GetBit(99));
  bits.SetSize(-4);
  EXPECT_EQ(bits.Size(), 0);
  EXPECT_EQ(bits.FirstTrueBit(), -1);
}

TEST(BitFld, ClearKeepsTheSize) {
  zeb::TBitFld bits(130);
  for (int i = 0; i < 130; i += 3) bits.SetBit(i, true);
  EXPECT_EQ(bits.CountTrueBits(), 44);
  bits.Clear();
  EXPECT_EQ(bits.Size(), 130);
  EXPECT_EQ(bits.CountTrueBits(), 0);
  EXPECT_EQ(bits.FirstTrueBit(), -1);
  bits.SetBit(129, true);
  EXPECT_EQ(bits.FirstTrueBit(), 129);
}

}  // namespace
