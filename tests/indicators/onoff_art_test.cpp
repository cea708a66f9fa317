// The on/off button's picture sheets: the committed resources against the code that draws
// them, their sizes, and what every glyph must show (background around a picture, on and off
// told apart, disabled glyphs grey and paler, no edge tinted by the key colour).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "tools/onoff_art/layer.h"
#include "tools/onoff_art/onoff_sheets.h"

namespace {

using onoff_art::kKeyColor;

struct ExpectedSheet {
  const char* name;
  int width;
  int height;
};

// The sheets in the order of the button styles, with the sizes the button expects.
constexpr ExpectedSheet kExpected[] = {
    {"CHECKBOX", 32, 32},    {"RADIOBUT", 28, 28},   {"SLIDETOPBOT", 36, 60},
    {"SLIDELFTRGT", 60, 36}, {"COLSLIDETB", 36, 60}, {"COLSLIDELR", 60, 36},
    {"LEDREDGREEN", 28, 28}, {"ARROWTR", 50, 50},    {"ARROWUD", 50, 50},
    {"ARROWLR", 50, 50},     {"TRAFFICLGT", 62, 62}, {"BEVELEDLED", 34, 34},
    {"SMILEYS", 36, 36},     {"SMILEYRG", 36, 36},   {"BULB", 78, 98},
    {"BUTLAMP", 98, 48},     {"HDLEFT", 96, 32},     {"HDRIGHT", 96, 32},
    {"USER1", 48, 48},       {"USER2", 48, 48},      {"USER3", 48, 48},
    {"USER4", 48, 48},       {"USER5", 48, 48},
};

const std::vector<onoff_art::SheetImage>& Sheets() {
  static const std::vector<onoff_art::SheetImage> sheets = onoff_art::DrawOnOffSheets();
  return sheets;
}

// One glyph of a sheet: on or off, enabled or disabled.
struct Glyph {
  const fw::TBitmap* sheet;
  bool on;
  bool enabled;

  int Width() const { return sheet->Width() / 2; }
  int Height() const { return sheet->Height() / 2; }
  fw::TColor At(int x, int y) const {
    const int left = on ? 0 : Width(), top = enabled ? 0 : Height();
    return fw::PixelToColor(sheet->ScanLine(top + y)[left + x]);
  }
};

struct GlyphStats {
  int key = 0;
  int picture = 0;
  double saturation = 0;  // mean channel spread of the picture's pixels
  int darkest = 255;      // brightness range of the picture's pixels
  int brightest = 0;
};

int Brightness(fw::TColor c) {
  return (fw::GetRValue(c) * 299 + fw::GetGValue(c) * 587 + fw::GetBValue(c) * 114) / 1000;
}

int Spread(fw::TColor c) {
  const int r = fw::GetRValue(c), g = fw::GetGValue(c), b = fw::GetBValue(c);
  return std::max({r, g, b}) - std::min({r, g, b});
}

GlyphStats Measure(const Glyph& glyph) {
  GlyphStats s;
  for (int y = 0; y < glyph.Height(); ++y)
    for (int x = 0; x < glyph.Width(); ++x) {
      const fw::TColor c = glyph.At(x, y);
      if (c == kKeyColor) {
        ++s.key;
        continue;
      }
      ++s.picture;
      s.saturation += Spread(c);
      s.darkest = std::min(s.darkest, Brightness(c));
      s.brightest = std::max(s.brightest, Brightness(c));
    }
  if (s.picture > 0) s.saturation /= s.picture;
  return s;
}

// Edge pixels are covered by the part of them inside the shape, so edges blend smoothly.
TEST(OnOffArtLayer, EdgePixelsAreCoveredByTheirShareInside) {
  onoff_art::Layer layer(4, 1);
  layer.Fill(onoff_art::RoundRect({0, 0, 2.25, 1}, 0), onoff_art::Solid(onoff_art::Hex(0x336699)));
  const double expected[] = {1, 1, 0.25, 0};
  for (int x = 0; x < 4; ++x) EXPECT_NEAR(layer.At(x, 0).a, expected[x], 1e-9) << x;
  EXPECT_NEAR(layer.At(2, 0).b, 0x99, 1e-9);
}

// A disc's summed coverage is its area, and a shape painted over half-covered pixels mixes
// its colour with the one beneath.
TEST(OnOffArtLayer, CoverageAddsUpToTheAreaAndBlendsOverWhatIsBeneath) {
  onoff_art::Layer layer(20, 20);
  layer.Fill(onoff_art::RoundRect({0, 0, 20, 20}, 0), onoff_art::Solid(onoff_art::Hex(0x000000)));
  layer.Fill(onoff_art::Circle({10, 10}, 7), onoff_art::Solid(onoff_art::Hex(0xFFFFFF)));
  double area = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) area += layer.At(x, y).r / 255;
  EXPECT_NEAR(area, 3.14159265 * 49, 0.5);
  EXPECT_DOUBLE_EQ(layer.At(0, 0).a, 1.0);
}

TEST(OnOffArt, KeyColourIsPinkBackground) {
  EXPECT_EQ(kKeyColor, fw::RGB(235, 190, 235));
}

// The committed resources are what the drawing code makes, pixel for pixel.
TEST(OnOffArt, ResourcesMatchTheirDrawingCode) {
  for (const onoff_art::SheetImage& drawn : Sheets()) {
    SCOPED_TRACE(drawn.name);
    fw::TBitmap stored;
    stored.LoadFromResourceName(drawn.name);
    ASSERT_EQ(stored.Width(), drawn.image->Width());
    ASSERT_EQ(stored.Height(), drawn.image->Height());
    int mismatches = 0;
    for (int y = 0; y < stored.Height(); ++y)
      for (int x = 0; x < stored.Width(); ++x)
        mismatches += stored.Canvas()->Pixels(x, y) != drawn.image->Canvas()->Pixels(x, y);
    EXPECT_EQ(mismatches, 0) << "run panekit-onoff-art resources";
  }
}

TEST(OnOffArt, SheetsComeInStyleOrderWithTheirSizes) {
  ASSERT_EQ(Sheets().size(), std::size(kExpected));
  for (size_t i = 0; i < std::size(kExpected); ++i) {
    SCOPED_TRACE(kExpected[i].name);
    EXPECT_EQ(Sheets()[i].name, kExpected[i].name);
    EXPECT_EQ(Sheets()[i].image->Width(), kExpected[i].width);
    EXPECT_EQ(Sheets()[i].image->Height(), kExpected[i].height);
  }
}

// Every glyph stands on key-coloured background and fills a good part of its cell.
TEST(OnOffArt, EveryGlyphHasBackgroundAndAPicture) {
  for (const onoff_art::SheetImage& sheet : Sheets())
    for (bool on : {true, false})
      for (bool enabled : {true, false}) {
        SCOPED_TRACE(sheet.name + (on ? " on" : " off") + (enabled ? " enabled" : " disabled"));
        const Glyph glyph{sheet.image.get(), on, enabled};
        const GlyphStats s = Measure(glyph);
        EXPECT_GT(s.key, 0);
        EXPECT_GE(s.picture * 4, glyph.Width() * glyph.Height());
      }
}

// On and off look different, enabled and disabled alike.
TEST(OnOffArt, OnAndOffGlyphsDiffer) {
  for (const onoff_art::SheetImage& sheet : Sheets())
    for (bool enabled : {true, false}) {
      SCOPED_TRACE(sheet.name + (enabled ? " enabled" : " disabled"));
      const Glyph on{sheet.image.get(), true, enabled}, off{sheet.image.get(), false, enabled};
      int different = 0;
      for (int y = 0; y < on.Height(); ++y)
        for (int x = 0; x < on.Width(); ++x) different += on.At(x, y) != off.At(x, y);
      EXPECT_GE(different * 20, on.Width() * on.Height());
    }
}

// A disabled glyph is grey where its enabled glyph may have colour, and has less contrast.
TEST(OnOffArt, DisabledGlyphsAreGreyAndPaler) {
  for (const onoff_art::SheetImage& sheet : Sheets())
    for (bool on : {true, false}) {
      SCOPED_TRACE(sheet.name + (on ? " on" : " off"));
      const GlyphStats enabled = Measure({sheet.image.get(), on, true});
      const GlyphStats disabled = Measure({sheet.image.get(), on, false});
      EXPECT_LE(disabled.saturation, 1.0);
      EXPECT_LE(disabled.saturation, enabled.saturation);
      EXPECT_LT(disabled.brightest - disabled.darkest, enabled.brightest - enabled.darkest);
      EXPECT_GT(disabled.darkest, enabled.darkest);
    }
}

// No picture pixel is a near copy of the key colour: an edge blended with the background
// would leave a pink fringe once the background is made transparent.
TEST(OnOffArt, NoPictureColourIsNearTheKeyColour) {
  const auto distance = [](fw::TColor a, fw::TColor b) {
    return std::abs(fw::GetRValue(a) - fw::GetRValue(b)) +
           std::abs(fw::GetGValue(a) - fw::GetGValue(b)) +
           std::abs(fw::GetBValue(a) - fw::GetBValue(b));
  };
  for (const onoff_art::SheetImage& sheet : Sheets()) {
    SCOPED_TRACE(sheet.name);
    int pinkish = 0;
    for (int y = 0; y < sheet.image->Height(); ++y)
      for (int x = 0; x < sheet.image->Width(); ++x) {
        const fw::TColor c = fw::PixelToColor(sheet.image->ScanLine(y)[x]);
        const bool tinted =
            fw::GetRValue(c) > fw::GetGValue(c) + 24 && fw::GetBValue(c) > fw::GetGValue(c) + 24;
        pinkish += c != kKeyColor && (distance(c, kKeyColor) < 30 || tinted);
      }
    EXPECT_EQ(pinkish, 0);
  }
}

}  // namespace
