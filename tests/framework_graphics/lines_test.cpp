// Lines: pixel choice in every octant, end point left out, pen position, dash patterns, pen
// widths and the sixteen pen modes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <random>

#include "graphics_test_util.h"

namespace fw {
namespace {

using test::At;
using test::Painted;

struct OctantCase {
  int dx, dy;
};

class LineOctants : public ::testing::TestWithParam<OctantCase> {};

TEST_P(LineOctants, PaintsOnePixelPerMajorStepNearestTheLineWithoutTheEndPoint) {
  const auto [dx, dy] = GetParam();
  TBitmap bmp(41, 41);
  TCanvas* c = bmp.Canvas();
  c->MoveTo(20, 20);
  c->LineTo(20 + dx, 20 + dy);
  EXPECT_EQ(c->PenPos(), Point(20 + dx, 20 + dy));

  const auto pixels = Painted(bmp);
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  const int steps = std::max(std::abs(dx), std::abs(dy));
  ASSERT_EQ(int(pixels.size()), steps);
  EXPECT_TRUE(pixels.count({20, 20}));
  EXPECT_FALSE(pixels.count({20 + dx, 20 + dy}));
  std::map<int, int> perMajor;
  for (auto [x, y] : pixels) {
    const int major = xMajor ? x : y, minor = xMajor ? y : x;
    const double ideal = xMajor ? 20 + double(x - 20) * dy / dx : 20 + double(y - 20) * dx / dy;
    EXPECT_LE(std::abs(minor - ideal), 0.5) << x << "," << y;
    ++perMajor[major];
  }
  for (auto [major, count] : perMajor) EXPECT_EQ(count, 1) << major;
}

INSTANTIATE_TEST_SUITE_P(AllOctants, LineOctants,
                         ::testing::Values(OctantCase{13, 5}, OctantCase{5, 13}, OctantCase{-5, 13},
                                           OctantCase{-13, 5}, OctantCase{-13, -5},
                                           OctantCase{-5, -13}, OctantCase{5, -13},
                                           OctantCase{13, -5}, OctantCase{10, 0},
                                           OctantCase{0, -10}, OctantCase{7, 7}, OctantCase{-7, 7},
                                           OctantCase{12, 6}));

TEST(LinePolyline, LeavesOutOnlyTheLastPointAndKeepsThePenPosition) {
  TBitmap bmp(20, 20);
  TCanvas* c = bmp.Canvas();
  c->MoveTo(1, 1);
  const TPoint points[] = {{2, 2}, {10, 2}, {10, 9}};
  c->Polyline(points);
  EXPECT_EQ(c->PenPos(), Point(1, 1));
  EXPECT_EQ(Painted(bmp).size(), 8u + 7u);
  EXPECT_EQ(At(bmp, 10, 2), clBlack);  // a corner is painted by the next segment
  EXPECT_EQ(At(bmp, 10, 9), clWhite);
}

TEST(LineStyles, DotsAlternateThreePixelsAndGapsTakeASolidBrush) {
  TBitmap bmp(40, 3);
  TCanvas* c = bmp.Canvas();
  c->Pen()->SetStyle(psDot);
  c->Brush()->SetStyle(bsClear);
  c->MoveTo(0, 1);
  c->LineTo(30, 1);
  for (int x = 0; x < 30; ++x) EXPECT_EQ(At(bmp, x, 1), (x / 3) % 2 == 0 ? clBlack : clWhite) << x;

  c->Brush()->SetColor(clLime);  // makes the brush solid again
  c->MoveTo(0, 2);
  c->LineTo(30, 2);
  for (int x = 0; x < 30; ++x) EXPECT_EQ(At(bmp, x, 2), (x / 3) % 2 == 0 ? clBlack : clLime) << x;
}

TEST(LineStyles, ClearPenDrawsNothingButMovesThePen) {
  TBitmap bmp(10, 10);
  TCanvas* c = bmp.Canvas();
  c->Pen()->SetStyle(psClear);
  c->LineTo(9, 9);
  EXPECT_TRUE(Painted(bmp).empty());
  EXPECT_EQ(c->PenPos(), Point(9, 9));
}

TEST(LineWidths, WideLinesAreCentredOnTheLine) {
  struct Case {
    int width, firstRow, lastRow;
  };
  for (const Case& k :
       {Case{1, 10, 10}, Case{2, 9, 10}, Case{3, 9, 11}, Case{4, 8, 11}, Case{5, 8, 12}}) {
    TBitmap bmp(40, 21);
    TCanvas* c = bmp.Canvas();
    c->Pen()->SetWidth(k.width);
    c->MoveTo(10, 10);
    c->LineTo(30, 10);
    const TRect box = test::BoxOf(Painted(bmp));
    EXPECT_EQ(box.Top, k.firstRow) << k.width;
    EXPECT_EQ(box.Bottom - 1, k.lastRow) << k.width;
    for (int y = k.firstRow; y <= k.lastRow; ++y) EXPECT_EQ(At(bmp, 20, y), clBlack) << k.width;
  }
}

TEST(LineWidths, DiagonalWideLineKeepsItsThicknessAcrossTheLine) {
  TBitmap bmp(60, 60);
  TCanvas* c = bmp.Canvas();
  c->Pen()->SetWidth(4);
  c->MoveTo(10, 10);
  c->LineTo(50, 50);
  // Across a 45 degree line a width of 4 spans about 4 * sqrt(2) pixels of a row.
  int run = 0;
  for (int x = 0; x < 60; ++x) run += At(bmp, x, 30) == clBlack;
  EXPECT_GE(run, 5);
  EXPECT_LE(run, 6);
}

TColor Expected(TPenMode mode, TColor p, TColor d) {
  switch (mode) {
    case pmBlack:
      return 0;
    case pmWhite:
      return 0xFFFFFF;
    case pmNop:
      return d;
    case pmNot:
      return ~d;
    case pmCopy:
      return p;
    case pmNotCopy:
      return ~p;
    case pmMergePenNot:
      return p | ~d;
    case pmMaskPenNot:
      return p & ~d;
    case pmMergeNotPen:
      return ~p | d;
    case pmMaskNotPen:
      return ~p & d;
    case pmMerge:
      return p | d;
    case pmNotMerge:
      return ~(p | d);
    case pmMask:
      return p & d;
    case pmNotMask:
      return ~(p & d);
    case pmXor:
      return p ^ d;
    case pmNotXor:
      return ~(p ^ d);
  }
  return 0;
}

TEST(PenModes, EveryModeCombinesPenAndDestinationByItsRule) {
  const TColor pen = 0x5A3C0F, dest = 0x00A5C3;
  for (int m = pmBlack; m <= pmNotXor; ++m) {
    TBitmap bmp(4, 1);
    TCanvas* c = bmp.Canvas();
    c->SetPixels(1, 0, dest);
    c->Pen()->SetColor(pen);
    c->Pen()->SetMode(TPenMode(m));
    c->MoveTo(1, 0);
    c->LineTo(2, 0);
    EXPECT_EQ(c->Pixels(1, 0), Expected(TPenMode(m), pen, dest) & 0xFFFFFF) << "mode " << m;
    EXPECT_EQ(c->Pixels(2, 0), clWhite);
  }
}

TEST(PenModes, XorTwiceAndNotTwiceRestoreThePicture) {
  for (TPenMode mode : {pmXor, pmNot, pmNotXor}) {
    TBitmap bmp(30, 30), before(30, 30);
    TCanvas* c = bmp.Canvas();
    c->Brush()->SetColor(clTeal);
    c->Ellipse(2, 2, 25, 20);
    before.Assign(&bmp);
    c->Pen()->SetMode(mode);
    c->Pen()->SetColor(clYellow);
    c->Brush()->SetStyle(bsClear);
    for (int i = 0; i < 2; ++i) {
      c->Rectangle(5, 5, 28, 28);
      c->MoveTo(0, 29);
      c->LineTo(29, 3);
    }
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 30; ++x) ASSERT_EQ(At(bmp, x, y), At(before, x, y)) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace fw

namespace fw {
namespace {

TEST(LineClipping, ClippedLinesPaintExactlyTheVisiblePixelsOfTheWholeLine) {
  std::mt19937 random(11);
  for (TPenStyle style : {psSolid, psDashDot}) {
    for (int n = 0; n < 200; ++n) {
      auto coord = [&] { return int(random() % 80) - 20; };
      const TPoint a = Point(coord(), coord()), b = Point(coord(), coord());
      TBitmap whole(40, 40), clipped(40, 40);
      whole.Canvas()->Pen()->SetStyle(style);
      clipped.Canvas()->Pen()->SetStyle(style);
      whole.Canvas()->Brush()->SetStyle(bsClear);
      clipped.Canvas()->Brush()->SetStyle(bsClear);
      clipped.Canvas()->SetClipRect(Rect(8, 5, 30, 33));
      for (TBitmap* bmp : {&whole, &clipped}) {
        bmp->Canvas()->MoveTo(a.X, a.Y);
        bmp->Canvas()->LineTo(b.X, b.Y);
      }
      for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
          const bool visible = x >= 8 && x < 30 && y >= 5 && y < 33;
          ASSERT_EQ(test::At(clipped, x, y), visible ? test::At(whole, x, y) : clWhite)
              << a.X << "," << a.Y << " -> " << b.X << "," << b.Y << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(LineClipping, FarAwayCoordinatesCostNothingAndNeverOverflow) {
  TBitmap bmp(20, 20);
  TCanvas* c = bmp.Canvas();
  c->MoveTo(INT32_MIN, INT32_MIN);
  c->LineTo(INT32_MAX, INT32_MAX);
  c->Pen()->SetWidth(3);
  c->LineTo(INT32_MIN, 5);
  c->Ellipse(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
  c->Pie(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0, 0, 5, 5);
  c->Rectangle(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
  c->Pen()->SetWidth(1);
  c->MoveTo(-2000000000, 10);
  c->LineTo(2000000000, 10);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(test::At(bmp, x, 10), clBlack) << x;
  EXPECT_EQ(test::At(bmp, 3, 3), clWhite);  // inside the huge rectangle: the white brush
}

}  // namespace
}  // namespace fw
