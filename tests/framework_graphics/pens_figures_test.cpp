// Wide, inside-frame and styled pens on closed figures, and where the figures' reports and
// images land under an origin.
#include <gtest/gtest.h>

#include <random>

#include "graphics_test_util.h"

namespace fw {
namespace {

using test::At;
using test::BoxOf;
using test::Painted;
using test::PixelsOf;

struct WideCase {
  int width;
  TPenStyle style;
  TRect expectedBox;
};

TEST(WidePens, EllipseRingIsSymmetricAndCoversTheExpectedBox) {
  const TRect box = Rect(10, 12, 41, 35);
  for (const WideCase& k :
       {WideCase{3, psSolid, Rect(9, 11, 42, 36)}, WideCase{4, psSolid, Rect(8, 10, 42, 36)},
        WideCase{5, psInsideFrame, box}}) {
    TBitmap bmp(52, 48);
    TCanvas* c = bmp.Canvas();
    c->Pen()->SetWidth(k.width);
    c->Pen()->SetStyle(k.style);
    c->Brush()->SetColor(clBlue);
    c->Ellipse(box);
    const auto pen = PixelsOf(bmp, clBlack);
    EXPECT_EQ(BoxOf(Painted(bmp)), k.expectedBox) << k.width;
    const TRect b = k.expectedBox;
    for (auto [x, y] : pen) {
      EXPECT_TRUE(pen.count({b.Left + b.Right - 1 - x, y})) << k.width << ": " << x << "," << y;
    }
    // Along the middle row the ring is exactly `width` pixels thick on each side.
    const int mid = (box.Top + box.Bottom) / 2;
    int thickness = 0;
    for (int x = 0; x < 26; ++x) thickness += At(bmp, x, mid) == clBlack;
    EXPECT_EQ(thickness, k.width) << k.width;
    EXPECT_EQ(At(bmp, 25, mid), clBlue);
  }
}

TEST(WidePens, ArcUsesTheRingOfTheEllipse) {
  TBitmap thin(41, 41), wide(41, 41);
  thin.Canvas()->Arc(0, 0, 41, 41, 40, 20, 20, 0);
  wide.Canvas()->Pen()->SetWidth(3);
  wide.Canvas()->Arc(0, 0, 41, 41, 40, 20, 20, 0);
  EXPECT_GT(PixelsOf(wide, clBlack).size(), 2 * PixelsOf(thin, clBlack).size());
  for (auto [x, y] : Painted(wide)) EXPECT_TRUE(x >= 19 && y <= 21) << x << "," << y;
}

TEST(StyledPens, DashesRunOnAroundTheCornersOfARectangle) {
  TBitmap bmp(30, 30);
  TCanvas* c = bmp.Canvas();
  c->Pen()->SetStyle(psDash);
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(2, 2, 28, 28);
  // 100 outline pixels in dashes of 18 on, 6 off: 4 whole periods of 24 and 4 more on.
  EXPECT_EQ(PixelsOf(bmp, clBlack).size(), size_t(4 * 18 + 4));
  EXPECT_EQ(At(bmp, 2, 2), clBlack);
  EXPECT_EQ(At(bmp, 20, 2), clWhite);  // the first gap: pixels 18..23 of the top edge
}

TEST(PenModes, FilledFiguresCombineTheirInsideByThePenMode) {
  TBitmap bmp(30, 30);
  TCanvas* c = bmp.Canvas();
  c->Pen()->SetMode(pmNot);
  c->Ellipse(3, 3, 27, 25);
  for (auto [x, y] : Painted(bmp)) EXPECT_EQ(At(bmp, x, y), clBlack);
  EXPECT_EQ(At(bmp, 15, 14), clBlack);  // white inverted, not the white brush copied
}

TEST(Origin, ImagesAndFiguresLandAtTheOriginAndStayInTheClip) {
  TBitmap surface(40, 40), image(6, 6);
  image.Canvas()->Brush()->SetColor(clRed);
  image.Canvas()->FillRect(Rect(0, 0, 6, 6));
  TCanvas canvas(&surface);
  canvas.SetOrigin(10, 20);
  canvas.SetClipRect(Rect(0, 0, 4, 10));
  canvas.Draw(0, 0, &image);
  EXPECT_EQ(BoxOf(PixelsOf(surface, clRed)), Rect(10, 20, 14, 26));
  canvas.ResetClip();
  canvas.StretchDraw(Rect(-10, -20, -4, -14), &image);
  EXPECT_EQ(BoxOf(PixelsOf(surface, clRed)), Rect(0, 0, 14, 26));
  TCanvas source(&image);
  source.SetOrigin(3, 3);  // the image's pixel (3, 3) is the source canvas's (0, 0)
  canvas.CopyRect(Rect(20, 0, 23, 3), &source, Rect(0, 0, 3, 3));
  EXPECT_EQ(At(surface, 30, 20), clRed);
  EXPECT_EQ(At(surface, 32, 22), clRed);
  EXPECT_EQ(At(surface, 33, 23), clWhite);
}

TEST(Origin, TurnedTextReportsTheTurnedCell) {
  TBitmap bmp(100, 100);
  TCanvas* c = bmp.Canvas();
  std::vector<TRect> reports;
  c->OnDrawn = [&](const TRect& r) { reports.push_back(r); };
  c->Brush()->SetStyle(bsClear);
  c->Font()->SetOrientation(900);
  const TSize cell = c->TextExtent("abcd");
  c->TextOut(50, 60, "abcd");
  ASSERT_EQ(reports.size(), 1u);
  // Turned a quarter counter-clockwise, the cell runs up from (50, 60) and to the right.
  EXPECT_LE(reports[0].Top, 60 - cell.cx);
  EXPECT_GE(reports[0].Bottom, 60);
  EXPECT_LE(reports[0].Left, 50);
  EXPECT_GE(reports[0].Right, 50 + cell.cy);
}

}  // namespace
}  // namespace fw

namespace fw {
namespace {

// Draws a figure once with pmCopy and once with pmXor, pen and brush both black on white: when
// each pixel is changed once, both show the same black pixels.
template <typename Figure>
void ExpectEachPixelChangedOnce(Figure figure) {
  TBitmap copied(50, 50), xored(50, 50);
  for (TBitmap* bmp : {&copied, &xored}) {
    TCanvas* c = bmp->Canvas();
    c->Brush()->SetColor(clBlack);
    c->Pen()->SetColor(bmp == &xored ? clWhite : clBlack);  // white xor white = black
    c->Brush()->SetColor(bmp == &xored ? clWhite : clBlack);
    c->Pen()->SetMode(bmp == &xored ? pmXor : pmCopy);
    figure(c);
  }
  ASSERT_EQ(test::PixelsOf(copied, clBlack), test::PixelsOf(xored, clBlack));
}

TEST(PenModes, XorFiguresChangeEachPixelOnce) {
  ExpectEachPixelChangedOnce([](TCanvas* c) { c->Rectangle(3, 4, 40, 30); });
  ExpectEachPixelChangedOnce([](TCanvas* c) { c->Ellipse(3, 4, 40, 30); });
  ExpectEachPixelChangedOnce([](TCanvas* c) { c->RoundRect(3, 4, 40, 30, 12, 9); });
  ExpectEachPixelChangedOnce([](TCanvas* c) { c->Pie(2, 2, 45, 45, 44, 23, 2, 2); });
  ExpectEachPixelChangedOnce([](TCanvas* c) { c->Pie(2, 2, 45, 45, 10, 44, 44, 30); });
  ExpectEachPixelChangedOnce([](TCanvas* c) { c->Chord(2, 2, 45, 45, 44, 23, 23, 44); });
  ExpectEachPixelChangedOnce([](TCanvas* c) {
    const TPoint points[] = {{5, 5}, {40, 12}, {25, 45}, {20, 20}, {3, 30}};
    c->Polygon(points);
  });
  std::mt19937 random(17);
  auto coord = [&] { return int(random() % 50); };
  for (int n = 0; n < 100; ++n) {
    const TPoint p[5] = {{coord(), coord()},
                         {coord(), coord()},
                         {coord(), coord()},
                         {coord(), coord()},
                         {coord(), coord()}};
    ExpectEachPixelChangedOnce([&](TCanvas* c) { c->Polygon(p); });
    ExpectEachPixelChangedOnce([&](TCanvas* c) {
      c->Pie(p[0].X, p[0].Y, p[1].X, p[1].Y, p[2].X, p[2].Y, p[3].X, p[3].Y);
    });
    ExpectEachPixelChangedOnce([&](TCanvas* c) {
      c->Chord(p[0].X, p[0].Y, p[1].X, p[1].Y, p[2].X, p[2].Y, p[3].X, p[3].Y);
    });
  }
}

}  // namespace
}  // namespace fw
