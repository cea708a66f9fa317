// The rasterising routines on their own, without a canvas: pen-mode masks, line pixels,
// polygon insides and ellipse rows.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "framework/graphics/internal/raster.h"

namespace fw {
namespace {

TEST(RasterRop2, EveryCodeFollowsItsTruthTableBitByBit) {
  std::mt19937 random(3);
  for (int code = 1; code <= 16; ++code) {
    const TPixel pen = random() & 0xFFFFFF, dest = random() & 0xFFFFFF;
    const TPixel result = MakeRop2(code, pen).Apply(dest);
    for (int bit = 0; bit < 24; ++bit) {
      const int index = int((pen >> bit) & 1) << 1 | int((dest >> bit) & 1);
      ASSERT_EQ((result >> bit) & 1, TPixel(((code - 1) >> index) & 1)) << code << " " << bit;
    }
  }
}

TEST(RasterLines, ALineAndItsReverseHaveTheSameLengthAndMeetEachOthersStart) {
  std::mt19937 random(5);
  for (int n = 0; n < 300; ++n) {
    const TPoint a = Point(int(random() % 60), int(random() % 60));
    const TPoint b = Point(int(random() % 60), int(random() % 60));
    const TRect all = Rect(-1, -1, 61, 61);
    const Segments forward = LinePixels(a, b, all), backward = LinePixels(b, a, all);
    ASSERT_EQ(forward.size(), backward.size());
    if (a == b) continue;
    EXPECT_EQ(forward.front().x0, a.X);
    EXPECT_EQ(forward.front().y, a.Y);
    EXPECT_EQ(backward.front().x0, b.X);
    // Consecutive pixels are 8-neighbours.
    for (size_t i = 1; i < forward.size(); ++i) {
      EXPECT_LE(std::abs(forward[i].x0 - forward[i - 1].x0), 1);
      EXPECT_LE(std::abs(forward[i].y - forward[i - 1].y), 1);
    }
  }
}

TEST(RasterPolygon, TriangleInsideHasTheAreaOfTheTriangle) {
  const TPoint triangle[] = {{0, 0}, {100, 0}, {0, 100}};
  int area = 0;
  for (const Segment& s : PolygonFill(triangle, Rect(-10, -10, 200, 200))) area += s.x1 - s.x0;
  // 100 * 100 / 2 = 5000, with each row's diagonal pixel counted by the top-left rule.
  EXPECT_NEAR(area, 5000, 100);
  const TPoint degenerate[] = {{0, 0}, {10, 10}};
  EXPECT_TRUE(PolygonFill(degenerate, Rect(0, 0, 20, 20)).empty());
}

TEST(RasterEllipse, RowsAreSymmetricAndTheWindowLimitsTheWork) {
  const TRect box = Rect(0, 0, 1000000, 800000);
  const SpanRegion region = EllipseRegion(box, Rect(0, 399990, 1000000, 400010));
  EXPECT_LE(region.rows.size(), 22u);
  for (const Segment& s : region.rows) {
    EXPECT_EQ(s.x0, box.Right - s.x1);  // symmetric about the middle
  }
  const SpanRegion small = EllipseRegion(Rect(0, 0, 7, 5), Rect(0, 0, 7, 5));
  ASSERT_EQ(small.rows.size(), 5u);
  EXPECT_EQ(small.rows[2].x0, 0);
  EXPECT_EQ(small.rows[2].x1, 7);
  EXPECT_EQ(small.rows[0].x0, small.rows[4].x0);
  EXPECT_GT(small.rows[0].x0, 0);
}

}  // namespace
}  // namespace fw
