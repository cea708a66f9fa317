// Meter face pixels where the drawing fixes them: rims and the sunken face edge, limit
// lamps, frame styles, both kinds of anchor cover, the anchor picture through its mask and
// the background picture in its three fill modes, tiled anew after every change.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "framework/graphics/bitmap.h"
#include "tests/meter/meter_test_support.h"

using meter_test::kLayouts;
using meter_test::ShownMeter;
using meter_test::WritePicture;

namespace {

constexpr fw::TColor kFace = fw::clYellow;
constexpr fw::TColor kCover = fw::clAqua;

// The first pixel other than the face met going from `outside` towards the pivot along the
// ray at `degrees` (counter-clockwise from +x), starting `outside` pixels from the pivot.
fw::TColor FirstMarkOnRay(ShownMeter& s, double degrees, int outside) {
  const double a = degrees * std::numbers::pi / 180;
  for (int r = outside; r > 0; --r) {
    const int x = s.meter->PivotX() + int(std::lround(std::cos(a) * r));
    const int y = s.meter->PivotY() - int(std::lround(std::sin(a) * r));
    const fw::TColor c = s.Pixel(x, y);
    if (c != kFace) return c;
  }
  return kFace;
}

}  // namespace

// Left rim up to RS - 2, the face edge at RS - 1 (grey) and W - RS (white), top rim above
// RT with the grey edge on row RT, bottom rim from H - RB with the white edge on its first
// row.
TEST(MeterFace, RimsAndSunkenFaceEdge) {
  const int w = 200, h = 150, rt = 5, rb = 7, rs = 6;
  ShownMeter s(w, h);
  s.QuietFace();
  s.meter->SetRimTop(rt);
  s.meter->SetRimBottom(rb);
  s.meter->SetRimSide(rs);
  const int y = h / 2, x = 40;
  const struct {
    int x, y;
    fw::TColor color;
    const char* what;
  } cases[] = {
      {rs - 2, y, kCover, "left rim"},
      {rs - 1, y, fw::clGray, "left edge"},
      {rs, y, kFace, "face"},
      {w - rs - 1, y, kFace, "face"},
      {w - rs, y, fw::clWhite, "right edge"},
      {w - rs + 1, y, kCover, "right rim"},
      {x, rt - 1, kCover, "top rim"},
      {x, rt, fw::clGray, "top edge"},
      {x, rt + 1, kFace, "face"},
      {x, h - rb - 1, kFace, "face"},
      {x, h - rb, fw::clWhite, "bottom edge"},
      {x, h - rb + 1, kCover, "bottom rim"},
      {0, 0, kCover, "corner"},
      {w - 1, h - 1, kCover, "corner"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(s.Pixel(c.x, c.y), c.color) << c.what << " " << c.x << "," << c.y;
}

// Each lamp: a 10 x 10 square with a black outline on the top and left, a white edge on the
// bottom and right, silver inside that, grey inside the top and left, and the lamp colour in
// the middle.
TEST(MeterFace, LampSquaresBelowTheTopRim) {
  const int w = 297, rs = 10, rt = 8;
  ShownMeter s(w, 209);
  s.meter->SetScaleVisible(false);
  s.meter->SetLimWatchActColor(fw::clFuchsia);
  s.meter->SetLimWatchPsvColor(fw::clTeal);
  s.meter->SetMaxValue(100);
  s.meter->SetHighThreshold(80);
  s.meter->SetLowThreshold(20);
  struct Lamp {
    int left;
    bool high;
  };
  for (double value : {90.0, 50.0, 10.0}) {
    s.meter->SetValue(value);
    for (Lamp lamp : {Lamp{w - rs - 18, true}, Lamp{rs + 8, false}}) {
      const int l = lamp.left, t = rt + 8;
      const bool lit = lamp.high ? value >= 80 : value <= 20;
      const struct {
        int x, y;
        fw::TColor color;
      } cases[] = {
          {l, t, fw::clBlack},
          {l + 9, t, fw::clBlack},
          {l, t + 9, fw::clBlack},
          {l + 5, t + 9, fw::clWhite},
          {l + 9, t + 9, fw::clWhite},
          {l + 9, t + 5, fw::clWhite},
          {l + 5, t + 8, fw::clSilver},
          {l + 8, t + 5, fw::clSilver},
          {l + 1, t + 5, fw::clGray},
          {l + 5, t + 1, fw::clGray},
          {l + 4, t + 4, lit ? fw::clFuchsia : fw::clTeal},
          {l + 7, t + 7, lit ? fw::clFuchsia : fw::clTeal},
      };
      for (const auto& c : cases)
        EXPECT_EQ(s.Pixel(c.x, c.y), c.color) << (lamp.high ? "high" : "low") << " lamp, value "
                                              << value << " at " << c.x - l << "," << c.y - t;
    }
  }
  s.meter->SetLimWatchHighOn(false);
  EXPECT_EQ(s.Pixel(w - rs - 18, rt + 8), fw::ColorToRGB(fw::clWhite));  // the face again
}

// The frame paths of the five styles, with both colour schemes.
TEST(MeterFace, FrameLinesOfEveryStyle) {
  const int w = 120, h = 90;
  enum Role { Light, Shadow, Back, Cover };
  struct Case {
    zeb::TFrameStyle style;
    // The outermost pixel in the middle of each edge, one pixel in from the left, and the
    // top right and bottom left corners.
    Role left, top, right, bottom, innerLeft, topRight, bottomLeft;
  };
  const Case cases[] = {
      {zeb::fstPlain, Back, Back, Back, Back, Cover, Back, Back},
      {zeb::fstSunken, Shadow, Shadow, Light, Light, Cover, Light, Shadow},
      {zeb::fstRaised, Light, Light, Shadow, Shadow, Cover, Shadow, Light},
      {zeb::fstEmbossed, Light, Light, Shadow, Shadow, Shadow, Cover, Cover},
      {zeb::fstEngraved, Shadow, Shadow, Light, Light, Light, Cover, Cover},
  };
  for (zeb::TColorScheme scheme : {zeb::schFixed, zeb::schSystem}) {
    const fw::TColor light = scheme == zeb::schFixed ? fw::clWhite : fw::clBtnHighlight;
    const fw::TColor shadow = scheme == zeb::schFixed ? fw::clGray : fw::clBtnShadow;
    for (const Case& c : cases) {
      ShownMeter s(w, h);
      s.QuietFace();
      s.meter->SetColorBakG(fw::clPurple);
      s.meter->SetColorScheme(scheme);
      s.meter->SetFrameStyle(c.style);
      auto color = [&](Role role) {
        switch (role) {
          case Light:
            return fw::ColorToRGB(light);
          case Shadow:
            return fw::ColorToRGB(shadow);
          case Back:
            return fw::clPurple;
          default:
            return kCover;
        }
      };
      const std::string where =
          "style " + std::to_string(int(c.style)) + " scheme " + std::to_string(int(scheme)) + ": ";
      EXPECT_EQ(s.Pixel(0, h / 2), color(c.left)) << where << "left";
      EXPECT_EQ(s.Pixel(w / 2, 0), color(c.top)) << where << "top";
      EXPECT_EQ(s.Pixel(w - 1, h / 2), color(c.right)) << where << "right";
      EXPECT_EQ(s.Pixel(w / 2, h - 1), color(c.bottom)) << where << "bottom";
      EXPECT_EQ(s.Pixel(1, h / 2), color(c.innerLeft)) << where << "inner left";
      EXPECT_EQ(s.Pixel(w - 1, 0), color(c.topRight)) << where << "top right";
      EXPECT_EQ(s.Pixel(0, h - 1), color(c.bottomLeft)) << where << "bottom left";
      if (c.style >= zeb::fstEmbossed) {
        // The grooves' first rectangle closes one pixel inside the right and bottom edges.
        EXPECT_EQ(s.Pixel(w - 2, h / 2), color(c.left)) << where << "groove right";
        EXPECT_EQ(s.Pixel(w / 2, h - 2), color(c.left)) << where << "groove bottom";
        EXPECT_EQ(s.Pixel(w / 2, 1), color(c.innerLeft)) << where << "groove top";
      }
    }
  }
}

// Layouts with the pivot at the bottom cover it with a half disc on a pillar down to the
// bottom rim: lit left side and top, grey right side and the first 45 degrees of the cap.
TEST(MeterFace, PillarCoverOfTheLowPivotLayouts) {
  for (auto layout : {zeb::mlCirc90, zeb::mlCirc120, zeb::mlCirc180}) {
    ShownMeter s;
    s.QuietFace();
    s.meter->SetMeterLayout(layout);
    s.meter->SetAnchorCovered(true);
    const int cx = s.meter->PivotX(), cy = s.meter->PivotY(), a = s.meter->AnchorSize();
    const int bottom = 209 - s.meter->RimBottom();
    const int mid = (cy + bottom) / 2;
    EXPECT_EQ(s.Pixel(cx, cy - a / 2), kCover) << int(layout);
    EXPECT_EQ(s.Pixel(cx, mid), kCover) << int(layout);
    EXPECT_EQ(s.Pixel(cx - a, mid), fw::clWhite) << int(layout);
    EXPECT_EQ(s.Pixel(cx + a - 1, mid), fw::clGray) << int(layout);
    EXPECT_EQ(s.Pixel(cx + a, mid), kFace) << int(layout);
    EXPECT_EQ(s.Pixel(cx - a - 1, mid), kFace) << int(layout);
    EXPECT_EQ(FirstMarkOnRay(s, 90, a + 3), fw::clWhite) << int(layout);
    EXPECT_EQ(FirstMarkOnRay(s, 150, a + 3), fw::clWhite) << int(layout);
    EXPECT_EQ(FirstMarkOnRay(s, 20, a + 3), fw::clGray) << int(layout);
    EXPECT_EQ(FirstMarkOnRay(s, 70, a + 3), fw::clWhite) << int(layout);
  }
}

// Layouts whose arc surrounds the pivot cover it with a round cap: lit upper left half, grey
// lower right half, no pillar.
TEST(MeterFace, RoundCoverOfTheSurroundingLayouts) {
  for (auto layout : {zeb::mlCirc270, zeb::mlCirc300, zeb::mlCirc360}) {
    ShownMeter s;
    s.QuietFace();
    s.meter->SetMeterLayout(layout);
    s.meter->SetAnchorCovered(true);
    const int cx = s.meter->PivotX(), cy = s.meter->PivotY(), a = s.meter->AnchorSize();
    EXPECT_EQ(s.Pixel(cx, cy), kCover) << int(layout);
    EXPECT_EQ(s.Pixel(cx, cy + a + 4), kFace) << int(layout);
    EXPECT_EQ(FirstMarkOnRay(s, 135, a + 3), fw::clWhite) << int(layout);
    EXPECT_EQ(FirstMarkOnRay(s, 100, a + 3), fw::clWhite) << int(layout);
    EXPECT_EQ(FirstMarkOnRay(s, 315, a + 3), fw::clGray) << int(layout);
    EXPECT_EQ(FirstMarkOnRay(s, 260, a + 3), fw::clGray) << int(layout);
  }
}

// The anchor picture is centred on the pivot; its black pixels let the face through, all
// others replace it. The copy mode stays at "source paint" for the rendered event.
TEST(MeterFace, AnchorPictureThroughItsMask) {
  const std::string path = WritePicture(
      "anchor.bmp", 7, 5, fw::clBlack, {{1, 1, fw::clRed}, {5, 3, fw::clBlue}, {3, 2, fw::clLime}});
  ShownMeter s;
  s.QuietFace();
  s.meter->SetAnchorCovered(true);
  fw::TCopyMode modeAtEnd = 0;
  s.meter->OnMeterRendered = [&](fw::TObject*, fw::TCanvas* c) { modeAtEnd = c->CopyMode(); };
  s.meter->SetACoverFname(path);
  ASSERT_EQ(s.meter->AnchorImage(), path);
  const int left = s.meter->PivotX() - 7 / 2, top = s.meter->PivotY() - 5 / 2;
  EXPECT_EQ(s.Pixel(left + 1, top + 1), fw::clRed);
  EXPECT_EQ(s.Pixel(left + 5, top + 3), fw::clBlue);
  EXPECT_EQ(s.Pixel(left + 3, top + 2), fw::clLime);
  EXPECT_EQ(s.Pixel(left, top), kFace);
  EXPECT_EQ(s.Pixel(left + 6, top + 4), kFace);
  EXPECT_EQ(s.Pixel(left + 2, top + 2), kFace);
  EXPECT_EQ(modeAtEnd, fw::cmSrcPaint);
  s.meter->SetAnchorCovered(false);
  EXPECT_EQ(s.Pixel(left + 1, top + 1), kFace);
  EXPECT_EQ(modeAtEnd, fw::cmSrcCopy);
}

// The background picture: at its own size in the top left corner, stretched over the
// control, or repeated from the top left corner.
TEST(MeterFace, BackgroundPictureInEveryFillMode) {
  const int w = 200, h = 150;
  const std::string path =
      WritePicture("background.bmp", 40, 30, fw::clBlue, {{25, 20, fw::clRed}});
  const std::string halves = WritePicture("halves.bmp", 2, 1, fw::clBlue, {{1, 0, fw::clRed}});
  ShownMeter s(w, h);
  s.QuietFace();
  s.meter->SetBakGndFname(path);
  s.meter->SetBkgndFillMode(zeb::bfSimple);
  EXPECT_EQ(s.Pixel(25, 20), fw::clRed);
  EXPECT_EQ(s.Pixel(30, 12), fw::clBlue);
  EXPECT_EQ(s.Pixel(65, 50), fw::clWhite);  // outside the picture: the plain white face
  s.meter->SetBkgndFillMode(zeb::bfTile);
  for (int tx : {0, 1, 4})
    for (int ty : {0, 1, 3}) {
      EXPECT_EQ(s.Pixel(40 * tx + 25, 30 * ty + 20), fw::clRed) << tx << "," << ty;
      EXPECT_EQ(s.Pixel(40 * tx + 20, 30 * ty + 12), fw::clBlue) << tx << "," << ty;
    }
  s.meter->SetBakGndFname(halves);
  s.meter->SetBkgndFillMode(zeb::bfStretch);
  EXPECT_EQ(s.Pixel(w / 4, h / 3), fw::clBlue);
  EXPECT_EQ(s.Pixel(3 * w / 4, h / 3), fw::clRed);
  // The band's inner disc blanks the face colour over the picture.
  s.meter->SetScaleBkVisible(true);
  EXPECT_EQ(s.Pixel(s.meter->PivotX() + 20, s.meter->PivotY() - 20), kFace);
}

// A meter whose one-pixel picture is tiled over the face repaints on every value change from
// the tiles it keeps; a new picture, another fill mode or more of the face on show are tiled
// anew.
TEST(MeterFace, KeptTilesFollowPictureFillModeAndSize) {
  const std::string red = WritePicture("red.bmp", 1, 1, fw::clRed, {});
  const std::string blue = WritePicture("blue.bmp", 1, 1, fw::clBlue, {});
  const std::string halves = WritePicture("halves.bmp", 2, 1, fw::clBlue, {{1, 0, fw::clRed}});
  ShownMeter s(200, 150);
  s.QuietFace();
  s.meter->SetBakGndFname(red);
  s.meter->SetBkgndFillMode(zeb::bfTile);
  for (double v : {0.3, 0.6, 0.9}) {
    s.meter->SetValue(v);
    EXPECT_EQ(s.Pixel(100, 40), fw::clRed) << v;
  }
  s.meter->SetBakGndFname(blue);
  EXPECT_EQ(s.Pixel(100, 40), fw::clBlue);
  s.meter->SetBkgndFillMode(zeb::bfSimple);
  EXPECT_EQ(s.Pixel(100, 40), fw::clWhite);  // outside the picture: the plain white face
  s.meter->SetBkgndFillMode(zeb::bfTile);
  EXPECT_EQ(s.Pixel(100, 40), fw::clBlue);
  s.meter->SetBakGndFname(halves);
  EXPECT_EQ(s.Pixel(100, 40), fw::clBlue);
  EXPECT_EQ(s.Pixel(101, 40), fw::clRed);
  s.meter->SetBounds(0, 0, 100, 75);
  EXPECT_EQ(s.Pixel(51, 30), fw::clRed);
  s.meter->SetBounds(0, 0, 200, 150);
  EXPECT_EQ(s.Pixel(150, 100), fw::clBlue);
  EXPECT_EQ(s.Pixel(151, 100), fw::clRed);
}
