// Flood fill by surface and by border, on small shapes and on a large winding area.
#include <gtest/gtest.h>

#include "graphics_test_util.h"

namespace fw {
namespace {

using test::At;
using test::PixelsOf;

// A black square outline (2..17) with a red dot inside, on white.
void DrawPen(TBitmap& bmp) {
  TCanvas* c = bmp.Canvas();
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(2, 2, 18, 18);
  c->SetPixels(9, 9, clRed);
}

TEST(FloodFill, SurfaceFillsTheConnectedPixelsOfTheColourOnly) {
  TBitmap bmp(20, 20);
  DrawPen(bmp);
  TCanvas* c = bmp.Canvas();
  c->Brush()->SetColor(clBlue);
  c->FloodFill(5, 5, clWhite, fsSurface);
  EXPECT_EQ(PixelsOf(bmp, clBlue).size(), size_t(14 * 14 - 1));
  EXPECT_EQ(At(bmp, 9, 9), clRed);
  EXPECT_EQ(At(bmp, 0, 0), clWhite);
  EXPECT_EQ(At(bmp, 2, 2), clBlack);
}

TEST(FloodFill, BorderFillsEverythingUpToTheBorderColour) {
  TBitmap bmp(20, 20);
  DrawPen(bmp);
  TCanvas* c = bmp.Canvas();
  c->Brush()->SetColor(clBlue);
  c->FloodFill(5, 5, clBlack, fsBorder);
  EXPECT_EQ(PixelsOf(bmp, clBlue).size(), size_t(14 * 14));
  EXPECT_EQ(At(bmp, 0, 0), clWhite);
}

TEST(FloodFill, StartOnAnotherColourOrBrushOfTheSameColourIsHarmless) {
  TBitmap bmp(20, 20);
  DrawPen(bmp);
  TCanvas* c = bmp.Canvas();
  c->Brush()->SetColor(clBlue);
  c->FloodFill(2, 2, clWhite, fsSurface);  // starts on the black outline: nothing
  EXPECT_TRUE(PixelsOf(bmp, clBlue).empty());
  c->Brush()->SetColor(clWhite);
  c->FloodFill(5, 5, clWhite, fsSurface);  // same colour as the area: terminates, no change
  EXPECT_EQ(PixelsOf(bmp, clWhite).size(), size_t(20 * 20 - 15 * 4 - 1));
}

TEST(FloodFill, StaysInsideTheClipRectangle) {
  TBitmap bmp(20, 20);
  TCanvas* c = bmp.Canvas();
  c->SetClipRect(Rect(0, 0, 10, 20));
  c->Brush()->SetColor(clBlue);
  c->FloodFill(3, 3, clWhite, fsSurface);
  EXPECT_EQ(PixelsOf(bmp, clBlue).size(), size_t(10 * 20));
}

TEST(FloodFill, FillsALargeWindingAreaWithoutRecursion) {
  // Vertical walls every other column, open alternately at the top and the bottom: one path
  // of about two million pixels snaking through the whole bitmap.
  const int w = 1601, h = 1200;
  TBitmap bmp(w, h);
  TCanvas* c = bmp.Canvas();
  int wallPixels = 0;
  for (int x = 1; x < w; x += 2) {
    const bool openAtTop = (x / 2) % 2 == 1;
    c->MoveTo(x, openAtTop ? 1 : 0);
    c->LineTo(x, openAtTop ? h : h - 1);
    wallPixels += h - 1;
  }
  c->Brush()->SetColor(clBlue);
  c->FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(test::CountOf(bmp, clBlue), w * h - wallPixels);
}

}  // namespace
}  // namespace fw
