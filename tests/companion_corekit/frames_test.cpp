// DrawFrame and DrawRectangle: which pixels of the rectangle's edge each style paints, in
// which of the five colours, and that nothing else changes.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "companion/ZEB_zebbase.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"

namespace {

using fw::TColor;

constexpr TColor kBack = fw::RGB(1, 2, 3);
constexpr TColor kHighlight = fw::RGB(255, 0, 0);
constexpr TColor kLight = fw::RGB(0, 255, 0);
constexpr TColor kShadow = fw::RGB(0, 0, 255);
constexpr TColor kDark = fw::RGB(255, 255, 0);
constexpr TColor kOutline = fw::RGB(255, 0, 255);

// The frame's rectangle: corners (3, 4) and (15, 12), both included.
constexpr int L = 3, T = 4, R = 15, B = 12;

struct Probe {
  int x, y;
  TColor color;
};

struct FrameCase {
  zeb::TFrameStyle style;
  std::vector<Probe> probes;
  std::map<TColor, int> counts;  // painted pixels by colour
};

std::map<TColor, int> CountColors(fw::TBitmap& bitmap) {
  std::map<TColor, int> counts;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const TColor c = bitmap.Canvas()->Pixels(x, y);
      if (c != kBack) ++counts[c];
    }
  return counts;
}

std::unique_ptr<fw::TBitmap> Background(int w, int h) {
  auto bitmap = std::make_unique<fw::TBitmap>(w, h);
  bitmap->Canvas()->Brush()->SetColor(kBack);
  bitmap->Canvas()->FillRect(fw::Rect(0, 0, w, h));
  return bitmap;
}

const int kMidX = (L + R) / 2, kMidY = (T + B) / 2;

TEST(DrawFrame, EachStylePaintsItsDocumentedPixels) {
  const std::vector<FrameCase> cases = {
      {zeb::fstNone, {{L, T, kBack}}, {}},
      {zeb::fstPlain,
       {{L, T, kOutline},
        {R, T, kOutline},
        {L, B, kOutline},
        {R, B, kOutline},
        {kMidX, T, kOutline},
        {L + 1, T + 1, kBack}},
       {{kOutline, 40}}},
      {zeb::fstSunken,
       {{L, T, kShadow},
        {L, B, kShadow},
        {R, T, kHighlight},
        {R, B, kHighlight},
        {kMidX, T, kShadow},
        {L, kMidY, kShadow},
        {kMidX, B, kHighlight},
        {R, kMidY, kHighlight},
        {L + 1, T + 1, kDark},
        {L + 1, B - 1, kDark},
        {R - 1, T + 1, kLight},
        {kMidX, B - 1, kLight},
        {L + 2, T + 2, kBack}},
       {{kShadow, 20}, {kHighlight, 20}, {kDark, 16}, {kLight, 16}}},
      {zeb::fstRaised,
       {{L, T, kHighlight},
        {L, B, kHighlight},
        {R, T, kDark},
        {R, B, kDark},
        {L + 1, T + 1, kLight},
        {R - 1, B - 1, kShadow},
        {L + 2, T + 2, kBack}},
       {{kHighlight, 20}, {kDark, 20}, {kLight, 16}, {kShadow, 16}}},
      {zeb::fstEmbossed,
       {{L, T, kHighlight},
        {R - 1, T, kHighlight},
        {L, B - 1, kHighlight},
        {R - 1, B - 1, kHighlight},
        {L + 1, T + 1, kShadow},
        {R - 2, T + 1, kShadow},
        {L + 1, B - 2, kShadow},
        {L + 1, B, kShadow},
        {R, B, kShadow},
        {R, T + 1, kShadow},
        {R, T, kBack},
        {L, B, kBack},
        {L + 2, T + 2, kBack}},
       {{kHighlight, 36}, {kShadow, 34}}},
      {zeb::fstEngraved,
       {{L, T, kShadow},
        {R - 1, B - 1, kShadow},
        {L + 1, T + 1, kHighlight},
        {R, B, kHighlight},
        {R, T, kBack},
        {L, B, kBack}},
       {{kShadow, 36}, {kHighlight, 34}}},
  };
  for (const FrameCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.style));
    auto bitmap = Background(20, 16);
    zeb::DrawFrame(bitmap->Canvas(), c.style, L, T, R, B, kHighlight, kLight, kShadow, kDark,
                   kOutline);
    for (const Probe& p : c.probes) {
      EXPECT_EQ(bitmap->Canvas()->Pixels(p.x, p.y), p.color) << p.x << "," << p.y;
    }
    EXPECT_EQ(CountColors(*bitmap), c.counts);
    // Nothing outside the rectangle.
    for (int x = 0; x < 20; ++x) {
      EXPECT_EQ(bitmap->Canvas()->Pixels(x, T - 1), kBack);
      EXPECT_EQ(bitmap->Canvas()->Pixels(x, B + 1), kBack);
    }
    for (int y = 0; y < 16; ++y) {
      EXPECT_EQ(bitmap->Canvas()->Pixels(L - 1, y), kBack);
      EXPECT_EQ(bitmap->Canvas()->Pixels(R + 1, y), kBack);
    }
  }
}

TEST(DrawFrame, WholeBitmapFrameReachesTheLastRowAndColumn) {
  // Callers frame a W x H face with (0, 0, W - 1, H - 1).
  auto bitmap = Background(10, 8);
  zeb::DrawFrame(bitmap->Canvas(), zeb::fstPlain, 0, 0, 9, 7, kHighlight, kLight, kShadow, kDark,
                 kOutline);
  EXPECT_EQ(bitmap->Canvas()->Pixels(9, 7), kOutline);
  EXPECT_EQ(bitmap->Canvas()->Pixels(0, 7), kOutline);
  EXPECT_EQ(bitmap->Canvas()->Pixels(9, 0), kOutline);
  EXPECT_EQ(CountColors(*bitmap)[kOutline], 2 * (10 + 8) - 4);
}

TEST(DrawFrame, LeavesPenBrushAndInsideAlone) {
  auto bitmap = Background(20, 16);
  fw::TCanvas* canvas = bitmap->Canvas();
  canvas->Pen()->SetColor(fw::clNavy);
  canvas->Pen()->SetMode(fw::pmXor);
  canvas->Brush()->SetColor(fw::clTeal);
  canvas->Brush()->SetStyle(fw::bsCross);
  zeb::DrawFrame(canvas, zeb::fstSunken, L, T, R, B, kHighlight, kLight, kShadow, kDark, kOutline);
  EXPECT_EQ(canvas->Pen()->Color(), fw::clNavy);
  EXPECT_EQ(canvas->Pen()->Mode(), fw::pmXor);
  EXPECT_EQ(canvas->Brush()->Color(), fw::clTeal);
  EXPECT_EQ(canvas->Brush()->Style(), fw::bsCross);
  for (int y = T + 2; y <= B - 2; ++y)
    for (int x = L + 2; x <= R - 2; ++x) EXPECT_EQ(canvas->Pixels(x, y), kBack);
}

TEST(DrawFrame, SmallAndReversedRectanglesStayInside) {
  for (zeb::TFrameStyle style :
       {zeb::fstPlain, zeb::fstSunken, zeb::fstRaised, zeb::fstEmbossed, zeb::fstEngraved}) {
    SCOPED_TRACE(static_cast<int>(style));
    for (auto [w, h] : {std::pair{1, 1}, std::pair{2, 2}, std::pair{3, 1}, std::pair{1, 4}}) {
      auto bitmap = Background(12, 12);
      zeb::DrawFrame(bitmap->Canvas(), style, 5, 5, 5 + w - 1, 5 + h - 1, kHighlight, kLight,
                     kShadow, kDark, kOutline);
      for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
          const bool inside = x >= 5 && x < 5 + w && y >= 5 && y < 5 + h;
          if (!inside) {
            EXPECT_EQ(bitmap->Canvas()->Pixels(x, y), kBack) << x << "," << y;
          }
        }
    }
    auto bitmap = Background(12, 12);
    zeb::DrawFrame(bitmap->Canvas(), style, 8, 8, 4, 4, kHighlight, kLight, kShadow, kDark,
                   kOutline);
    EXPECT_TRUE(CountColors(*bitmap).empty());
  }
}

TEST(DrawRectangle, OutlinesTheInclusiveRectangleWithThePen) {
  auto bitmap = Background(20, 16);
  fw::TCanvas* canvas = bitmap->Canvas();
  canvas->Pen()->SetColor(kOutline);
  zeb::DrawRectangle(canvas, L, T, R, B);
  const auto counts = CountColors(*bitmap);
  EXPECT_EQ(counts.at(kOutline), 40);
  EXPECT_EQ(counts.size(), 1u);
  for (auto [x, y] : {std::pair{L, T}, std::pair{R, T}, std::pair{L, B}, std::pair{R, B}})
    EXPECT_EQ(canvas->Pixels(x, y), kOutline);
  EXPECT_EQ(canvas->Pixels(L + 1, T + 1), kBack);
}

TEST(DrawRectangle, XorPenPaintsEveryPixelOnce) {
  // A pixel painted twice with an xor pen would return to the background.
  for (auto [r, b] : {std::pair{R, B}, std::pair{L, B}, std::pair{R, T}, std::pair{L, T}}) {
    auto bitmap = Background(20, 16);
    fw::TCanvas* canvas = bitmap->Canvas();
    canvas->Pen()->SetColor(fw::clWhite);
    canvas->Pen()->SetMode(fw::pmXor);
    zeb::DrawRectangle(canvas, L, T, r, b);
    const int w = r - L + 1, h = b - T + 1;
    const int ring = (w == 1 || h == 1) ? w * h : 2 * (w + h) - 4;
    EXPECT_EQ(static_cast<int>(CountColors(*bitmap)[fw::RGB(254, 253, 252)]), ring);
  }
}

TEST(MeanColor, HalfwayPerChannelWithSystemColoursResolved) {
  EXPECT_EQ(zeb::MeanColor(fw::RGB(0, 100, 255), fw::RGB(255, 101, 0)), fw::RGB(127, 100, 127));
  EXPECT_EQ(zeb::MeanColor(fw::clRed, fw::clRed), fw::clRed);
  const TColor face = fw::ColorToRGB(fw::clBtnFace);
  EXPECT_EQ(zeb::MeanColor(fw::clBtnFace, fw::clBtnFace), face);
  EXPECT_EQ(zeb::MeanColor(fw::clBtnFace, fw::clBlack),
            fw::RGB(fw::GetRValue(face) / 2, fw::GetGValue(face) / 2, fw::GetBValue(face) / 2));
}

TEST(FrameColorsOfScheme, FixedGreyAndWhiteOrSystemColours) {
  TColor shadow = 0, light = 0;
  zeb::FrameColorsOfScheme(zeb::schFixed, shadow, light);
  EXPECT_EQ(shadow, 0x808080u);
  EXPECT_EQ(light, 0xFFFFFFu);
  zeb::FrameColorsOfScheme(static_cast<zeb::TColorScheme>(7), shadow, light);
  EXPECT_EQ(shadow, fw::clBtnShadow);
  EXPECT_EQ(light, fw::clBtnHighlight);
}

}  // namespace
