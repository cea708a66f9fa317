// Frame3D: which pixels take the top colour and which the bottom one, the corner rules,
// nesting, the rectangle left inside, and empty rectangles.
#include <gtest/gtest.h>

#include "framework/graphics/frame3d.h"
#include "graphics_test_util.h"

namespace fw {
namespace {

using test::At;

TEST(Frame3D, TopLeftLinesInTheTopColourBottomRightInTheOtherNestedByWidth) {
  TBitmap bmp(12, 10);
  EXPECT_EQ(Frame3D(bmp.Canvas(), Rect(1, 1, 11, 9), clRed, clBlue, 2), Rect(3, 3, 9, 7));
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 12; ++x) {
      TColor expected = clWhite;
      for (int ring = 0; ring < 2; ++ring) {
        const int l = 1 + ring, t = 1 + ring, rr = 10 - ring, b = 8 - ring;
        // LineTo leaves out end points: the top-right pixel is the right line's, the
        // bottom-left one the bottom line's.
        const bool onTopLeft = (x == l && y > t && y <= b) || (y == t && x >= l && x < rr);
        const bool onBottomRight = (x == rr && y >= t && y < b) || (y == b && x >= l && x <= rr);
        if (onBottomRight)
          expected = clBlue;
        else if (onTopLeft)
          expected = clRed;
      }
      EXPECT_EQ(At(bmp, x, y), expected) << x << "," << y;
    }
  }
}

TEST(Frame3D, AnEmptyRectangleDrawsNothingAndStopsNesting) {
  TBitmap bmp(6, 6);
  EXPECT_EQ(Frame3D(bmp.Canvas(), Rect(2, 2, 2, 5), clRed, clBlue, 3), Rect(2, 2, 2, 5));
  EXPECT_EQ(test::CountOf(bmp, clWhite), 36);
  // Two columns: one ring, then nothing is left inside.
  EXPECT_EQ(Frame3D(bmp.Canvas(), Rect(1, 1, 3, 5), clRed, clBlue, 3), Rect(2, 2, 2, 4));
  EXPECT_EQ(At(bmp, 1, 1), clRed);
  EXPECT_EQ(At(bmp, 2, 4), clBlue);
  EXPECT_EQ(test::CountOf(bmp, clWhite), 36 - 8);
}

TEST(Frame3D, TheCornerRuleDecidesTheTwoMixedCornersAndTheCanvasStateStays) {
  struct Case {
    TBevelCorners corners;
    TColor bottomLeft, topRight;
  };
  for (const Case& c : {Case{bcBottomRightOwns, clBlue, clBlue}, Case{bcTopLeftOwns, clRed, clRed},
                        Case{bcSidesOwn, clRed, clBlue}}) {
    TBitmap bmp(8, 6);
    TCanvas* canvas = bmp.Canvas();
    canvas->Pen()->SetColor(clLime);
    canvas->Brush()->SetStyle(bsClear);
    Frame3D(canvas, Rect(1, 1, 7, 5), clRed, clBlue, 1, c.corners);
    EXPECT_EQ(At(bmp, 1, 4), c.bottomLeft) << c.corners;
    EXPECT_EQ(At(bmp, 6, 1), c.topRight) << c.corners;
    EXPECT_EQ(At(bmp, 1, 1), clRed) << c.corners;
    EXPECT_EQ(At(bmp, 6, 4), clBlue) << c.corners;
    EXPECT_EQ(At(bmp, 3, 1), clRed) << c.corners;
    EXPECT_EQ(At(bmp, 3, 4), clBlue) << c.corners;
    EXPECT_EQ(test::CountOf(bmp, clWhite), 48 - 16) << c.corners;
    EXPECT_EQ(canvas->Pen()->Color(), clLime);
    EXPECT_EQ(canvas->Brush()->Style(), bsClear);
  }
}

}  // namespace
}  // namespace fw
