// Closed figures: rectangle edges and inside, ellipse bounds and symmetry, arcs, pies and
// chords counter-clockwise, polygons by the alternate rule, rounded rectangles.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "graphics_test_util.h"

namespace fw {
namespace {

using test::At;
using test::BoxOf;
using test::Painted;
using test::PixelsOf;

TEST(Rectangle, PenOnTheBorderPixelsBrushInsideRightAndBottomExcluded) {
  TBitmap bmp(14, 12);
  TCanvas* c = bmp.Canvas();
  c->Pen()->SetColor(clRed);
  c->Brush()->SetColor(clBlue);
  c->Rectangle(2, 3, 10, 8);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 14; ++x) {
      const bool in = x >= 2 && x < 10 && y >= 3 && y < 8;
      const bool border = in && (x == 2 || x == 9 || y == 3 || y == 7);
      EXPECT_EQ(At(bmp, x, y), border ? clRed : in ? clBlue : clWhite) << x << "," << y;
    }
  }
}

TEST(Rectangle, ClearBrushLeavesTheInsideAndClearPenShrinksTheFill) {
  TBitmap bmp(14, 12);
  TCanvas* c = bmp.Canvas();
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(2, 3, 10, 8);
  EXPECT_EQ(At(bmp, 5, 5), clWhite);
  EXPECT_EQ(Painted(bmp).size(), size_t(2 * 8 + 2 * 3));

  TBitmap bmp2(14, 12);
  TCanvas* c2 = bmp2.Canvas();
  c2->Pen()->SetStyle(psClear);
  c2->Brush()->SetColor(clBlue);
  c2->Rectangle(2, 3, 10, 8);
  EXPECT_EQ(BoxOf(PixelsOf(bmp2, clBlue)), Rect(2, 3, 9, 7));
}

TEST(Rectangle, WidePensAreCentredOnTheBorderAndInsideFramePensStayInside) {
  TBitmap bmp(30, 30);
  TCanvas* c = bmp.Canvas();
  c->Pen()->SetWidth(3);
  c->Brush()->SetColor(clLime);
  c->Rectangle(5, 5, 20, 20);
  EXPECT_EQ(BoxOf(PixelsOf(bmp, clBlack)), Rect(4, 4, 21, 21));
  EXPECT_EQ(BoxOf(PixelsOf(bmp, clLime)), Rect(7, 7, 18, 18));

  TBitmap bmp2(30, 30);
  TCanvas* c2 = bmp2.Canvas();
  c2->Pen()->SetWidth(3);
  c2->Pen()->SetStyle(psInsideFrame);
  c2->Brush()->SetColor(clLime);
  c2->Rectangle(5, 5, 20, 20);
  EXPECT_EQ(BoxOf(PixelsOf(bmp2, clBlack)), Rect(5, 5, 20, 20));
  EXPECT_EQ(BoxOf(PixelsOf(bmp2, clLime)), Rect(8, 8, 17, 17));
}

TEST(FillAndFrameRect, UseTheBrushOnlyAndIgnoreThePenMode) {
  TBitmap bmp(14, 12);
  TCanvas* c = bmp.Canvas();
  c->Pen()->SetMode(pmXor);
  c->Brush()->SetColor(clGreen);
  c->FillRect(Rect(2, 3, 10, 8));
  c->FillRect(Rect(2, 3, 10, 8));  // a copy, not an inversion
  EXPECT_EQ(BoxOf(Painted(bmp)), Rect(2, 3, 10, 8));
  EXPECT_EQ(PixelsOf(bmp, clGreen).size(), size_t(8 * 5));

  TBitmap bmp2(14, 12);
  TCanvas* c2 = bmp2.Canvas();
  c2->Brush()->SetColor(clMaroon);
  c2->FrameRect(Rect(2, 3, 10, 8));
  EXPECT_EQ(PixelsOf(bmp2, clMaroon).size(), size_t(2 * 8 + 2 * 3));
  EXPECT_EQ(BoxOf(Painted(bmp2)), Rect(2, 3, 10, 8));
  EXPECT_EQ(At(bmp2, 5, 5), clWhite);
}

TEST(FillRect, HatchedBrushPaintsOnlyItsLines) {
  TBitmap bmp(16, 16);
  TCanvas* c = bmp.Canvas();
  c->Brush()->SetColor(clRed);
  c->Brush()->SetStyle(bsHorizontal);
  c->FillRect(Rect(0, 0, 16, 16));
  for (int y = 0; y < 16; ++y) EXPECT_EQ(At(bmp, 3, y), y % 8 == 4 ? clRed : clWhite) << y;
}

class EllipseBoxes : public ::testing::TestWithParam<TRect> {};

TEST_P(EllipseBoxes, FillsExactlyTheBoxSymmetricallyWithAClosedOutline) {
  const TRect box = GetParam();
  TBitmap bmp(50, 40);
  TCanvas* c = bmp.Canvas();
  c->Pen()->SetColor(clRed);
  c->Brush()->SetColor(clBlue);
  c->Ellipse(box.Left, box.Top, box.Right, box.Bottom);
  const auto painted = Painted(bmp);
  EXPECT_EQ(BoxOf(painted), box);
  for (auto [x, y] : painted) {
    EXPECT_TRUE(painted.count({box.Left + box.Right - 1 - x, y})) << x << "," << y;
    EXPECT_TRUE(painted.count({x, box.Top + box.Bottom - 1 - y})) << x << "," << y;
  }
  // No brush pixel touches the outside: the outline closes the figure.
  for (auto [x, y] : PixelsOf(bmp, clBlue)) {
    for (auto [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}) {
      EXPECT_NE(At(bmp, nx, ny), clWhite) << x << "," << y;
    }
  }
  EXPECT_FALSE(PixelsOf(bmp, clBlue).empty() && box.Width() > 4 && box.Height() > 4);
}

INSTANTIATE_TEST_SUITE_P(Sizes, EllipseBoxes,
                         ::testing::Values(Rect(3, 4, 20, 13), Rect(5, 5, 25, 25),
                                           Rect(2, 2, 47, 38), Rect(10, 10, 13, 30),
                                           Rect(10, 10, 11, 20), Rect(4, 4, 6, 6),
                                           Rect(8, 9, 29, 10)));

TEST(Ellipse, ReversedCornersDrawTheSameFigure) {
  TBitmap a(30, 30), b(30, 30);
  a.Canvas()->Ellipse(3, 4, 25, 20);
  b.Canvas()->Ellipse(25, 20, 3, 4);
  EXPECT_EQ(Painted(a), Painted(b));
}

// A 41 x 41 circle with its centre between pixels 20 and 21; rays by the four axis points.
constexpr TPoint kRight{40, 20}, kTop{20, 0}, kLeft{0, 20}, kBottom{20, 40};

struct Quadrants {
  bool upperRight, upperLeft, lowerLeft, lowerRight;
};

Quadrants PaintedQuadrants(TBitmap& bmp) {
  Quadrants q{};
  for (auto [x, y] : Painted(bmp)) {
    if (x > 22 && y < 18) q.upperRight = true;
    if (x < 18 && y < 18) q.upperLeft = true;
    if (x < 18 && y > 22) q.lowerLeft = true;
    if (x > 22 && y > 22) q.lowerRight = true;
  }
  return q;
}

TEST(Arc, RunsCounterClockwiseFromTheStartRayToTheEndRay) {
  struct Case {
    TPoint start, end;
    Quadrants expected;
  };
  const Case cases[] = {
      {kRight, kTop, {true, false, false, false}},   {kTop, kLeft, {false, true, false, false}},
      {kLeft, kBottom, {false, false, true, false}}, {kBottom, kRight, {false, false, false, true}},
      {kTop, kRight, {false, true, true, true}},     {kRight, kLeft, {true, true, false, false}},
  };
  for (const Case& k : cases) {
    TBitmap bmp(41, 41);
    bmp.Canvas()->Arc(0, 0, 41, 41, k.start.X, k.start.Y, k.end.X, k.end.Y);
    const Quadrants q = PaintedQuadrants(bmp);
    EXPECT_EQ(q.upperRight, k.expected.upperRight) << k.start.X << "," << k.start.Y;
    EXPECT_EQ(q.upperLeft, k.expected.upperLeft) << k.start.X << "," << k.start.Y;
    EXPECT_EQ(q.lowerLeft, k.expected.lowerLeft) << k.start.X << "," << k.start.Y;
    EXPECT_EQ(q.lowerRight, k.expected.lowerRight) << k.start.X << "," << k.start.Y;
  }
}

TEST(Arc, EqualRaysDrawTheWholeEllipseOutline) {
  TBitmap arc(41, 41), ellipse(41, 41);
  arc.Canvas()->Arc(0, 0, 41, 41, 40, 20, 40, 20);
  ellipse.Canvas()->Brush()->SetStyle(bsClear);
  ellipse.Canvas()->Ellipse(0, 0, 41, 41);
  EXPECT_EQ(Painted(arc), Painted(ellipse));
}

TEST(Pie, FillsTheSectorAndDrawsBothRadii) {
  TBitmap bmp(41, 41);
  TCanvas* c = bmp.Canvas();
  c->Brush()->SetColor(clBlue);
  c->Pie(0, 0, 41, 41, kRight.X, kRight.Y, kTop.X, kTop.Y);
  EXPECT_EQ(At(bmp, 28, 12), clBlue);
  EXPECT_EQ(At(bmp, 12, 12), clWhite);
  EXPECT_EQ(At(bmp, 28, 28), clWhite);
  EXPECT_EQ(At(bmp, 30, 20), clBlack);  // the radius to the start
  EXPECT_EQ(At(bmp, 20, 8), clBlack);   // the radius to the end
}

TEST(Chord, FillsOnlyTheCapBeyondTheChord) {
  TBitmap bmp(41, 41);
  TCanvas* c = bmp.Canvas();
  c->Brush()->SetColor(clBlue);
  c->Chord(0, 0, 41, 41, kRight.X, kRight.Y, kTop.X, kTop.Y);
  EXPECT_EQ(At(bmp, 33, 8), clBlue);
  EXPECT_EQ(At(bmp, 24, 16), clWhite);
  EXPECT_EQ(At(bmp, 10, 30), clWhite);
  EXPECT_EQ(At(bmp, 30, 10), clBlack);  // on the chord x - y = 20
}

TEST(Polygon, FillsByTheAlternateRuleAndOutlinesTheClosedPath) {
  TBitmap bmp(101, 101);
  TCanvas* c = bmp.Canvas();
  c->Pen()->SetColor(clRed);
  c->Brush()->SetColor(clBlue);
  TPoint star[5];
  for (int i = 0; i < 5; ++i) {
    const double a = std::numbers::pi / 2 + (i * 2 % 5) * 2 * std::numbers::pi / 5;
    star[i] =
        Point(50 + int(std::lround(45 * std::cos(a))), 50 - int(std::lround(45 * std::sin(a))));
  }
  c->Polygon(star);
  EXPECT_EQ(At(bmp, 50, 50), clWhite);  // the centre is crossed twice: outside
  EXPECT_EQ(At(bmp, 50, 15), clBlue);   // inside the top point
  EXPECT_EQ(At(bmp, star[0].X, star[0].Y), clRed);
  EXPECT_EQ(At(bmp, 5, 95), clWhite);
}

TEST(Polygon, FillIncludesLeftAndTopEdgesAndExcludesRightAndBottom) {
  TBitmap bmp(14, 14);
  TCanvas* c = bmp.Canvas();
  c->Pen()->SetStyle(psClear);
  c->Brush()->SetColor(clBlue);
  const TPoint square[] = {{2, 2}, {10, 2}, {10, 10}, {2, 10}};
  c->Polygon(square);
  EXPECT_EQ(BoxOf(Painted(bmp)), Rect(2, 2, 10, 10));
  EXPECT_EQ(PixelsOf(bmp, clBlue).size(), 64u);

  c->Pen()->SetStyle(psSolid);
  c->Polygon(square);
  EXPECT_EQ(BoxOf(PixelsOf(bmp, clBlack)), Rect(2, 2, 11, 11));
}

TEST(RoundRect, CornersAreCutAndSidesAreStraight) {
  TBitmap bmp(40, 30);
  TCanvas* c = bmp.Canvas();
  c->Brush()->SetColor(clBlue);
  c->RoundRect(2, 3, 32, 25, 10, 8);
  EXPECT_EQ(BoxOf(Painted(bmp)), Rect(2, 3, 32, 25));
  EXPECT_EQ(At(bmp, 2, 3), clWhite);
  EXPECT_EQ(At(bmp, 31, 24), clWhite);
  EXPECT_EQ(At(bmp, 17, 3), clBlack);
  EXPECT_EQ(At(bmp, 2, 14), clBlack);
  EXPECT_EQ(At(bmp, 17, 14), clBlue);
}

}  // namespace
}  // namespace fw
