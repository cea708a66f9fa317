// Tests of drawing text: cell fill, glyph colour, exact quarter turns, other angles, clipping
// and monochrome rendering. System fonts are checked by geometry, never by glyph pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "framework/graphics/internal/glyph_cache.h"
#include "framework/graphics/text_engine.h"
#include "text_image.h"

namespace fw {
namespace {

using testing_text::Image;

constexpr TPixel kPaper = 0xFFFFFF;
constexpr TPixel kInk = 0x0000FF;
constexpr TPixel kFill = 0xFFFF00;

FontSpec Font(const char* name, int height, int escapement = 0) {
  FontSpec f;
  f.name = name;
  f.height = height;
  f.escapement = escapement;
  return f;
}

// One system and the built-in font, each with a text whose glyphs stay inside their cell.
struct FontCase {
  FontSpec font;
  std::string text;
};
std::vector<FontCase> FontCases(int escapement = 0) {
  return {{Font("Arial", -16, escapement), "Hello Wx"},
          {Font("fw-builtin", -11, escapement), "Hello Wx"},
          {Font("fw-builtin", -22, escapement), "gHj"}};
}

TEST(DrawTextCell, OpaqueBackgroundFillsExactlyTheCell) {
  for (const FontCase& c : FontCases()) {
    SCOPED_TRACE(c.font.name + " " + std::to_string(c.font.height));
    Image image(300, 100, kPaper);
    DrawText(image.Target(), image.Target().Bounds(), 10, 20, c.text, c.font, kInk, kFill);
    TextExtent e = MeasureText(c.font, c.text);
    TRect cell = Bounds(10, 20, e.width, e.height);
    EXPECT_EQ(image.BoundsOfPixelsOtherThan(kPaper), cell);
    EXPECT_GT(image.Count(kFill), 0);
    // The cell's edge columns are outside every glyph of these texts.
    EXPECT_TRUE(image.AllOf(TRect{cell.Left, cell.Top, cell.Right, cell.Top + 1}, kFill));
  }
}

TEST(DrawTextCell, ClearBackgroundDrawsOnlyGlyphsInsideTheCell) {
  for (const FontCase& c : FontCases()) {
    SCOPED_TRACE(c.font.name + " " + std::to_string(c.font.height));
    Image image(300, 100, kPaper);
    DrawText(image.Target(), image.Target().Bounds(), 10, 20, c.text, c.font, kInk, std::nullopt);
    TextExtent e = MeasureText(c.font, c.text);
    TRect ink = image.BoundsOfPixelsOtherThan(kPaper);
    ASSERT_FALSE(IsRectEmpty(ink));
    TRect inside;
    IntersectRect(inside, ink, Bounds(10, 20, e.width, e.height));
    EXPECT_EQ(inside, ink);
    EXPECT_EQ(image.Count(kFill), 0);
    // Ink covers much less than the cell: glyphs, not a filled box.
    EXPECT_LT(image.Width() * image.Height() - image.Count(kPaper), e.width * e.height / 2);
  }
}

TEST(DrawTextCell, GlyphsCarryTheTextColour) {
  for (TPixel ink : {TPixel(0xFF0000), TPixel(0x00FF00), TPixel(0x123456)}) {
    Image image(200, 60, kPaper);
    DrawText(image.Target(), image.Target().Bounds(), 5, 5, "MWH", Font("Arial", -30), ink,
             std::nullopt);
    EXPECT_GT(image.Count(ink), 20);  // stems are fully covered
  }
}

TEST(DrawTextCell, EmptyTextDrawsNothing) {
  Image image(50, 30, kPaper);
  DrawText(image.Target(), image.Target().Bounds(), 5, 5, "", Font("Arial", -11), kInk, kFill);
  EXPECT_EQ(image.Count(kPaper), 50 * 30);
}

TEST(DrawTextCell, AntiAliasedEdgesBlendBetweenInkAndPaper) {
  Image image(200, 60, kPaper);
  DrawText(image.Target(), image.Target().Bounds(), 5, 5, "Soft round O", Font("Arial", -24),
           0x000000, std::nullopt);
  std::set<TPixel> greys;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      TPixel p = image.At(x, y);
      if (p != kPaper && p != 0) {
        // Blending black over white keeps the three channels equal.
        EXPECT_EQ(p & 0xFF, (p >> 8) & 0xFF);
        EXPECT_EQ(p & 0xFF, (p >> 16) & 0xFF);
        greys.insert(p);
      }
    }
  }
  EXPECT_GT(greys.size(), 5u);
}

TEST(DrawTextCell, MonochromeTextUsesOnlyTheTextAndBackgroundColours) {
  for (const char* name : {"Arial", "Times New Roman", "fw-builtin"}) {
    for (int escapement : {0, 900, 300}) {
      SCOPED_TRACE(std::string(name) + " " + std::to_string(escapement));
      FontSpec f = Font(name, -15, escapement);
      f.antialiased = false;
      f.underline = true;
      Image image(200, 200, kPaper);
      DrawText(image.Target(), image.Target().Bounds(), 60, 120, "Quiet gap", f, kInk, kFill);
      int ink = image.Count(kInk), fill = image.Count(kFill), paper = image.Count(kPaper);
      EXPECT_GT(ink, 0);
      EXPECT_GT(fill, 0);
      EXPECT_EQ(ink + fill + paper, 200 * 200);
    }
  }
}

TEST(DrawTextLines, UnderlineAndStrikeOutSpanTheWholeText) {
  for (const char* name : {"Arial", "fw-builtin"}) {
    SCOPED_TRACE(name);
    for (bool strike : {false, true}) {
      FontSpec f = Font(name, -16);
      f.antialiased = false;
      f.underline = !strike;
      f.strikeOut = strike;
      Image plain(200, 40, kPaper), lined(200, 40, kPaper);
      DrawText(plain.Target(), plain.Target().Bounds(), 3, 3, "a b  c", Font(name, -16), kInk,
               std::nullopt);
      DrawText(lined.Target(), lined.Target().Bounds(), 3, 3, "a b  c", f, kInk, std::nullopt);
      const int width = MeasureText(f, "a b  c").width;
      const int height = GetFontMetrics(f).height;
      auto fullRows = [&](const Image& image) {
        int rows = 0;
        for (int y = 3; y < 3 + height; ++y) {
          rows += image.AllOf(Bounds(3, y, width, 1), kInk) ? 1 : 0;
        }
        return rows;
      };
      EXPECT_EQ(fullRows(plain), 0);
      EXPECT_GE(fullRows(lined), 1);
      // The line stays inside the cell.
      TRect ink = lined.BoundsOfPixelsOtherThan(kPaper);
      EXPECT_GE(ink.Top, 3);
      EXPECT_LE(ink.Bottom, 3 + height);
      EXPECT_EQ(ink.Left, 3);
      EXPECT_EQ(ink.Right, 3 + width);
    }
  }
}

// The cell of a text at (x, y) turned by a quarter-turn escapement.
TRect TurnedCell(int x, int y, int width, int height, int escapement) {
  switch (((escapement % 3600) + 3600) % 3600) {
    case 900:
      return TRect{x, y - width, x + height, y};
    case 1800:
      return TRect{x - width, y - height, x, y};
    case 2700:
      return TRect{x - height, y, x, y + width};
    default:
      return TRect{x, y, x + width, y + height};
  }
}

TEST(DrawTextTurned, QuarterTurnsFillExactlyTheTurnedCell) {
  for (int escapement : {0, 900, 1800, 2700, -900, 3600, 4500}) {
    for (const FontCase& c : FontCases(escapement)) {
      SCOPED_TRACE(c.font.name + " " + std::to_string(escapement));
      Image image(300, 300, kPaper);
      DrawText(image.Target(), image.Target().Bounds(), 150, 150, c.text, c.font, kInk, kFill);
      TextExtent e = MeasureText(c.font, c.text);
      EXPECT_EQ(image.BoundsOfPixelsOtherThan(kPaper),
                TurnedCell(150, 150, e.width, e.height, escapement));
    }
  }
}

TEST(DrawTextTurned, QuarterTurnedInkStaysInsideTheTurnedCell) {
  for (int escapement : {900, 1800, 2700}) {
    for (const FontCase& c : FontCases(escapement)) {
      SCOPED_TRACE(c.font.name + " " + std::to_string(escapement));
      Image image(300, 300, kPaper);
      DrawText(image.Target(), image.Target().Bounds(), 150, 150, c.text, c.font, kInk,
               std::nullopt);
      TextExtent e = MeasureText(c.font, c.text);
      TRect cell = TurnedCell(150, 150, e.width, e.height, escapement);
      TRect ink = image.BoundsOfPixelsOtherThan(kPaper);
      ASSERT_FALSE(IsRectEmpty(ink));
      TRect inside;
      IntersectRect(inside, ink, cell);
      EXPECT_EQ(inside, ink);
    }
  }
}

TEST(DrawTextTurned, QuarterTurnsAreExactRotationsOfTheUprightText) {
  // Turning the built-in font's pixels must move them, not resample them.
  FontSpec upright = Font("fw-builtin", -11);
  TextExtent e = MeasureText(upright, "Rq7");
  Image flat(60, 60, kPaper);
  DrawText(flat.Target(), flat.Target().Bounds(), 0, 0, "Rq7", upright, kInk, std::nullopt);
  for (int escapement : {900, 1800, 2700}) {
    FontSpec turned = upright;
    turned.escapement = escapement;
    Image image(60, 60, kPaper);
    DrawText(image.Target(), image.Target().Bounds(), 30, 30, "Rq7", turned, kInk, std::nullopt);
    for (int v = 0; v < e.height; ++v) {
      for (int u = 0; u < e.width; ++u) {
        int x = 30 + u, y = 30 + v;  // where (u, v) goes at escapement 0 from (30, 30)
        if (escapement == 900) x = 30 + v, y = 29 - u;
        if (escapement == 1800) x = 29 - u, y = 29 - v;
        if (escapement == 2700) x = 29 - v, y = 30 + u;
        ASSERT_EQ(image.At(x, y), flat.At(u, v)) << escapement << " at " << u << "," << v;
      }
    }
  }
}

TEST(DrawTextTurned, OtherAnglesFillTheTurnedCellPolygon) {
  for (int escapement : {300, 450, 1200, 2250, 3300}) {
    for (const FontCase& c : FontCases(escapement)) {
      SCOPED_TRACE(c.font.name + " " + std::to_string(escapement));
      Image image(300, 300, kPaper);
      DrawText(image.Target(), image.Target().Bounds(), 150, 150, c.text, c.font, kInk, kFill);
      TextExtent e = MeasureText(c.font, c.text);
      const double a = escapement * 3.14159265358979 / 1800;
      auto at = [&](double u, double v) {
        return std::pair{150 + u * std::cos(a) + v * std::sin(a),
                         150 - u * std::sin(a) + v * std::cos(a)};
      };
      // Everything drawn lies within the turned cell's bounding box (plus rounding).
      double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
      for (auto [x, y] : {at(0, 0), at(e.width, 0), at(0, e.height), at(e.width, e.height)}) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
      }
      TRect drawn = image.BoundsOfPixelsOtherThan(kPaper);
      EXPECT_GE(drawn.Left, int(std::floor(minX)) - 1);
      EXPECT_GE(drawn.Top, int(std::floor(minY)) - 1);
      EXPECT_LE(drawn.Right, int(std::ceil(maxX)) + 1);
      EXPECT_LE(drawn.Bottom, int(std::ceil(maxY)) + 1);
      // The cell's corner regions are filled and its middle holds ink.
      auto [cx, cy] = at(1.5, 1.5);
      EXPECT_EQ(image.At(int(cx), int(cy)), kFill);
      EXPECT_GT(image.Count(kInk), 0);
    }
  }
}

TEST(DrawTextTurned, TurnedTextKeepsItsInkAmount) {
  // Turning moves the glyphs without losing them: similar ink at every angle.
  FontSpec f = Font("Arial", -20);
  f.antialiased = false;
  Image upright(300, 300, kPaper);
  DrawText(upright.Target(), upright.Target().Bounds(), 150, 150, "Turning", f, kInk, std::nullopt);
  const int inkUpright = upright.Count(kInk);
  for (int escapement : {450, 900, 1350, 2000}) {
    f.escapement = escapement;
    Image image(300, 300, kPaper);
    DrawText(image.Target(), image.Target().Bounds(), 150, 150, "Turning", f, kInk, std::nullopt);
    EXPECT_NEAR(image.Count(kInk), inkUpright, inkUpright / 5) << escapement;
  }
}

TEST(DrawTextClip, NothingIsDrawnOutsideTheClip) {
  const TRect clip{40, 30, 110, 52};
  for (int escapement : {0, 900, 1800, 2700, 450, 3150}) {
    for (const FontCase& c : FontCases(escapement)) {
      SCOPED_TRACE(c.font.name + " " + std::to_string(escapement));
      FontSpec f = c.font;
      f.underline = true;
      f.strikeOut = true;
      Image image(160, 100, kPaper);
      DrawText(image.Target(), clip, 45, 40, "A long text that overflows the clip", f, kInk, kFill);
      TRect drawn = image.BoundsOfPixelsOtherThan(kPaper);
      ASSERT_FALSE(IsRectEmpty(drawn));
      TRect inside;
      IntersectRect(inside, drawn, clip);
      EXPECT_EQ(inside, drawn);
    }
  }
}

TEST(DrawTextClip, ClippedTextMatchesTheUnclippedTextInsideTheClip) {
  const TRect clip{30, 12, 75, 26};
  for (const FontCase& c : FontCases()) {
    Image whole(120, 50, kPaper), clipped(120, 50, kPaper);
    DrawText(whole.Target(), whole.Target().Bounds(), 20, 10, c.text, c.font, kInk, kFill);
    DrawText(clipped.Target(), clip, 20, 10, c.text, c.font, kInk, kFill);
    for (int y = clip.Top; y < clip.Bottom; ++y) {
      for (int x = clip.Left; x < clip.Right; ++x) {
        ASSERT_EQ(clipped.At(x, y), whole.At(x, y)) << x << "," << y;
      }
    }
  }
}

TEST(DrawTextClip, TextReachingBeyondTheTargetIsCutAtItsEdges) {
  // Positions beyond every edge, far away and near, at all kinds of angles.
  const int positions[][2] = {
      {-30, -8},       {90, 55}, {-1000000, 5}, {5, 2000000000}, {-2000000000, -2000000000},
      {2147483600, 30}};
  for (const auto& p : positions) {
    for (int escapement : {0, 900, 1800, 2700, 450}) {
      for (const FontCase& c : FontCases(escapement)) {
        Image image(100, 60, kPaper);
        FontSpec f = c.font;
        f.underline = true;
        DrawText(image.Target(), TRect{-50, -50, 500, 500}, p[0], p[1], c.text + c.text, f, kInk,
                 kFill);
        EXPECT_EQ(image.Width(), 100);  // no write outside; the sanitizer build checks memory
      }
    }
  }
}

TEST(DrawTextClip, EmptyOrInvertedClipDrawsNothing) {
  for (TRect clip : {TRect{10, 10, 10, 40}, TRect{50, 10, 20, 40}, TRect{200, 200, 300, 300}}) {
    Image image(100, 60, kPaper);
    DrawText(image.Target(), clip, 5, 5, "Text", Font("Arial", -11), kInk, kFill);
    EXPECT_EQ(image.Count(kPaper), 100 * 60);
  }
}

TEST(DrawTextStrides, RowsAreAddressedThroughTheStride) {
  // A target inside a wider buffer: the columns beyond its width stay untouched.
  std::vector<TPixel> buffer(80 * 30, kPaper);
  PixelTarget target{buffer.data(), 50, 30, 80};
  DrawText(target, target.Bounds(), 0, 0, "Wide text beyond", Font("fw-builtin", -11), kInk, kFill);
  for (int y = 0; y < 30; ++y) {
    for (int x = 50; x < 80; ++x) ASSERT_EQ(buffer[size_t(y) * 80 + size_t(x)], kPaper);
  }
  EXPECT_EQ(buffer[0], kFill);
}

TEST(GlyphCacheBound, ManyDistinctCharactersStayWithinTheBound) {
  std::string text;
  for (char32_t c = 0x4E00; c < 0x4E00 + 3000; ++c) {
    text += char(0xE0 | (c >> 12));
    text += char(0x80 | ((c >> 6) & 0x3F));
    text += char(0x80 | (c & 0x3F));
  }
  Image image(200, 40, kPaper);
  for (int escapement : {0, 100}) {
    FontSpec f = Font("Arial", -11, escapement);
    DrawText(image.Target(), image.Target().Bounds(), 0, 0, text, f, kInk, std::nullopt);
    MeasureText(Font("Arial", -12), text);
    EXPECT_LE(CachedGlyphCount(), kMaxCachedGlyphs);
  }
}

TEST(GlyphCacheBound, HugeSizesAreBoundedAndStillDraw) {
  for (int height : {-5000, 100000, -2147483647 - 1}) {
    FontSpec f = Font("Arial", height);
    FontMetrics m = GetFontMetrics(f);
    EXPECT_GT(m.height, 500);
    EXPECT_LT(m.height, 2000);
    Image image(64, 64, kPaper);
    // The stem of an "I" covers the whole window onto the middle of the glyph.
    DrawText(image.Target(), image.Target().Bounds(), -100, -500, "I", f, kInk, std::nullopt);
    EXPECT_GT(image.Count(kInk), 0);
  }
}

}  // namespace
}  // namespace fw
