// DrawMarkOnCanvas: every symbol stays inside its square around the point, is centred on it,
// differs from every other symbol, and uses the pen and brush as documented.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "companion/ZEB_zebbase.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"

namespace {

using PixelSet = std::set<std::pair<int, int>>;

constexpr int kSize = 25;
constexpr int kCentre = 12;
constexpr fw::TColor kBack = fw::clWhite;

// The pixels of `color` after drawing `mark` at the centre with a black pen and `brush`.
PixelSet Draw(int mark, fw::TColor brush, fw::TColor color, fw::TBrushStyle style = fw::bsSolid) {
  fw::TBitmap bitmap(kSize, kSize);
  fw::TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(kBack);
  canvas->FillRect(fw::Rect(0, 0, kSize, kSize));
  canvas->Pen()->SetColor(fw::clBlack);
  canvas->Brush()->SetColor(brush);
  canvas->Brush()->SetStyle(style);
  zeb::DrawMarkOnCanvas(canvas, mark, kCentre, kCentre);
  PixelSet out;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      if (canvas->Pixels(x, y) == color) out.insert({x, y});
  return out;
}

TEST(DrawMarkOnCanvas, EverySymbolIsInsideItsSquareAndCentred) {
  for (int mark = 0; mark < zeb::kMarkCount; ++mark) {
    SCOPED_TRACE(mark);
    const PixelSet pixels = Draw(mark, fw::clBlack, fw::clBlack);
    ASSERT_FALSE(pixels.empty());
    int minX = kSize, maxX = -1, minY = kSize, maxY = -1;
    for (auto [x, y] : pixels) {
      EXPECT_LE(std::abs(x - kCentre), zeb::kMarkRadius);
      EXPECT_LE(std::abs(y - kCentre), zeb::kMarkRadius);
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      minY = std::min(minY, y);
      maxY = std::max(maxY, y);
    }
    EXPECT_EQ(minX + maxX, 2 * kCentre);
    EXPECT_EQ(minY + maxY, 2 * kCentre);
  }
}

TEST(DrawMarkOnCanvas, SymbolsArePairwiseDistinct) {
  // With a background-coloured brush the picker shows exactly the pen's pixels.
  std::vector<PixelSet> shapes;
  for (int mark = 0; mark < zeb::kMarkCount; ++mark)
    shapes.push_back(Draw(mark, kBack, fw::clBlack));
  for (int a = 0; a < zeb::kMarkCount; ++a)
    for (int b = a + 1; b < zeb::kMarkCount; ++b)
      EXPECT_NE(shapes[a], shapes[b]) << "marks " << a << " and " << b;
}

TEST(DrawMarkOnCanvas, OpenShapesTakeTheBrushSolidShapesThePen) {
  const fw::TColor brush = fw::clRed;
  for (int shape = 0; shape < 11; ++shape) {
    SCOPED_TRACE(shape);
    for (int open : {8 + shape, 30 + shape}) {
      EXPECT_FALSE(Draw(open, brush, brush).empty()) << open;
      EXPECT_TRUE(Draw(open, brush, brush, fw::bsClear).empty()) << open;
    }
    for (int solid : {19 + shape, 41 + shape}) EXPECT_TRUE(Draw(solid, brush, brush).empty());
    // A solid shape covers its open outline and the inside.
    const PixelSet outline = Draw(8 + shape, brush, fw::clBlack);
    const PixelSet filled = Draw(19 + shape, brush, fw::clBlack);
    EXPECT_TRUE(std::includes(filled.begin(), filled.end(), outline.begin(), outline.end()));
    EXPECT_GT(filled.size(), outline.size());
  }
}

TEST(DrawMarkOnCanvas, LeavesPenBrushAndPenPositionAlone) {
  fw::TBitmap bitmap(kSize, kSize);
  fw::TCanvas* canvas = bitmap.Canvas();
  canvas->Pen()->SetColor(fw::clGreen);
  canvas->Brush()->SetColor(fw::clYellow);
  canvas->MoveTo(3, 4);
  for (int mark = 0; mark < zeb::kMarkCount; ++mark) {
    zeb::DrawMarkOnCanvas(canvas, mark, kCentre, kCentre);
    EXPECT_EQ(canvas->Pen()->Color(), fw::clGreen);
    EXPECT_EQ(canvas->Brush()->Color(), fw::clYellow);
    EXPECT_EQ(canvas->Brush()->Style(), fw::bsSolid);
    EXPECT_EQ(canvas->PenPos(), fw::Point(3, 4));
  }
}

TEST(DrawMarkOnCanvas, UnknownMarksDrawNothing) {
  for (int mark : {-1, 52, 255}) EXPECT_TRUE(Draw(mark, fw::clBlack, fw::clBlack).empty());
}

TEST(DrawMarkOnCanvas, PointIsOnePixelAtTheCentre) {
  EXPECT_EQ(Draw(0, kBack, fw::clBlack), (PixelSet{{kCentre, kCentre}}));
}

}  // namespace
