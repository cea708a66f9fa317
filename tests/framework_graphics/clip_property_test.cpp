// Every drawing operation, with any coordinates, pens, brushes and modes, stays inside the clip
// rectangle (the sanitizer build also watches for writes outside the bitmap).
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "framework/graphics/gdi.h"
#include "framework/graphics/internal/canvas_device.h"
#include "graphics_test_util.h"

namespace fw {
namespace {

class RandomDrawing {
 public:
  explicit RandomDrawing(unsigned seed) : random_(seed) {}

  int Coord() {
    switch (random_() % 8) {
      case 0:
        return INT_MIN + int(random_() % 3);
      case 1:
        return INT_MAX - int(random_() % 3);
      case 2:
        return int(random_() % 2000001) - 1000000;
      default:
        return int(random_() % 80) - 20;
    }
  }
  TPoint P() { return Point(Coord(), Coord()); }
  int Small(int n) { return int(random_() % unsigned(n)); }

  void SetUpTools(TCanvas* c) {
    c->Pen()->SetWidth(Small(3) == 0 ? Small(9) : Small(20) == 0 ? INT_MAX : 1);
    c->Pen()->SetStyle(TPenStyle(Small(7)));
    c->Pen()->SetMode(TPenMode(Small(16)));
    c->Pen()->SetColor(TColor(random_() & 0xFFFFFF));
    c->Brush()->SetColor(TColor(random_() & 0xFFFFFF));
    c->Brush()->SetStyle(TBrushStyle(Small(8)));
    c->SetCopyMode(TCopyMode(random_() & 0xFF0000));
    SetStretchBltMode(c, Small(2) ? HALFTONE : COLORONCOLOR);
  }

  void DrawOne(TCanvas* c, TBitmap* image) {
    const TPoint a = P(), b = P(), s = P(), e = P();
    switch (Small(16)) {
      case 0:
        c->MoveTo(a.X, a.Y), c->LineTo(b.X, b.Y);
        break;
      case 1:
        c->Rectangle(a.X, a.Y, b.X, b.Y);
        break;
      case 2:
        c->Ellipse(a.X, a.Y, b.X, b.Y);
        break;
      case 3:
        c->Arc(a.X, a.Y, b.X, b.Y, s.X, s.Y, e.X, e.Y);
        break;
      case 4:
        c->Pie(a.X, a.Y, b.X, b.Y, s.X, s.Y, e.X, e.Y);
        break;
      case 5:
        c->Chord(a.X, a.Y, b.X, b.Y, s.X, s.Y, e.X, e.Y);
        break;
      case 6:
        c->RoundRect(a.X, a.Y, b.X, b.Y, s.X, s.Y);
        break;
      case 7: {
        const TPoint points[] = {a, b, s, e, P()};
        c->Polygon(points);
        c->Polyline(points);
        break;
      }
      case 8:
        c->FillRect(Rect(a.X, a.Y, b.X, b.Y));
        break;
      case 9:
        c->FrameRect(Rect(a.X, a.Y, b.X, b.Y));
        break;
      case 10:
        c->FloodFill(Small(60), Small(60), c->Pixels(Small(60), Small(60)), fsSurface);
        break;
      case 11:
        c->TextOut(a.X, a.Y, "text");
        break;
      case 12:
        c->StretchDraw(Rect(a.X, a.Y, b.X, b.Y), image);
        break;
      case 13:
        c->Draw(Small(80) - 20, Small(80) - 20, image);
        break;
      case 14:
        c->CopyRect(Rect(a.X, a.Y, b.X, b.Y), c, Rect(s.X, s.Y, e.X, e.Y));
        break;
      case 15:
        c->SetPixels(Small(80) - 20, Small(80) - 20, clRed);
        break;
    }
  }

 private:
  std::mt19937 random_;
};

TEST(ClipProperty, NoOperationTouchesPixelsOutsideTheClip) {
  TBitmap image(7, 5);
  image.Canvas()->Brush()->SetColor(clGreen);
  image.Canvas()->Ellipse(0, 0, 7, 5);
  for (unsigned seed = 1; seed <= 1000; ++seed) {
    RandomDrawing random(seed);
    TBitmap bmp(60, 60);
    TCanvas canvas(&bmp);
    canvas.SetOrigin(random.Small(20) - 10, random.Small(20) - 10);
    canvas.SetClipRect(Rect(5, 8, 5 + random.Small(40), 8 + random.Small(40)));
    const TRect deviceClip = TCanvasDevice::ToDevice(canvas, canvas.ClipRect());
    image.SetTransparent(random.Small(2) == 0);
    for (int op = 0; op < 12; ++op) {
      random.SetUpTools(&canvas);
      random.DrawOne(&canvas, &image);
    }
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 60; ++x) {
        if (PtInRect(deviceClip, Point(x, y))) continue;
        ASSERT_EQ(test::At(bmp, x, y), clWhite) << "seed " << seed << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace fw
