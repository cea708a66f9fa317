// Random numbers: reproducible sequences from a set seed, ranges, a fair spread, and
// Randomize moving the seed.
#include <gtest/gtest.h>

#include <vector>

#include "framework/rtl/random.h"

namespace {

using namespace fw;

std::vector<int> Draw(uint32_t seed, int count, int range) {
  RandSeed = seed;
  std::vector<int> out;
  for (int i = 0; i < count; ++i) out.push_back(Random(range));
  return out;
}

TEST(Random, TheSameSeedRepeatsTheSequence) {
  EXPECT_EQ(Draw(12345, 50, 1000), Draw(12345, 50, 1000));
  EXPECT_NE(Draw(12345, 50, 1000), Draw(12346, 50, 1000));
  RandSeed = 7;
  const double a = Random();
  RandSeed = 7;
  EXPECT_EQ(Random(), a);
}

TEST(Random, ResultsStayInTheirRanges) {
  RandSeed = 99;
  for (int range : {1, 2, 3, 10, 1000, 2147483647}) {
    for (int i = 0; i < 2000; ++i) {
      const int r = Random(range);
      ASSERT_GE(r, 0);
      ASSERT_LT(r, range);
    }
  }
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(-5), 0);
  for (int i = 0; i < 2000; ++i) {
    const double d = Random();
    ASSERT_GE(d, 0.0);
    ASSERT_LT(d, 1.0);
    const int r = RandomRange(-3, 4);
    ASSERT_GE(r, -3);
    ASSERT_LT(r, 4);
    const int s = RandomRange(10, 5);
    ASSERT_GE(s, 5);
    ASSERT_LT(s, 10);
  }
  EXPECT_EQ(RandomRange(8, 8), 8);
  const int wide = RandomRange(-2147483647 - 1, 2147483647);
  EXPECT_LT(wide, 2147483647);
}

TEST(Random, EveryValueOfASmallRangeComesUpFairly) {
  RandSeed = 2026;
  const int buckets = 10, draws = 100000;
  std::vector<int> counts(buckets);
  for (int i = 0; i < draws; ++i) ++counts[Random(buckets)];
  double chiSquare = 0;
  for (int c : counts)
    chiSquare += (c - draws / buckets) * (c - draws / buckets) / double(draws / buckets);
  // 9 degrees of freedom: 27.9 is the 0.1 % tail.
  EXPECT_LT(chiSquare, 27.9);
}

TEST(Random, RandomizeMovesTheSeed) {
  RandSeed = 0;
  Randomize();
  const uint32_t first = RandSeed;
  Randomize();
  EXPECT_NE(RandSeed, first);
}

}  // namespace
