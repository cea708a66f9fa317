// Pixel-exact tests of the built-in font: its documented geometry, known glyph pixels, scaling,
// lines and the replacement box.
#include <gtest/gtest.h>

#include <string>

#include "framework/graphics/internal/builtin_font.h"
#include "framework/graphics/text_engine.h"
#include "text_image.h"

namespace fw {
namespace {

using testing_text::Image;

constexpr TPixel kPaper = 0xFFFFFF;
constexpr TPixel kInk = 0x000000;

FontSpec Builtin(int height = -11) {
  FontSpec f;
  f.name = kBuiltinFontName;
  f.height = height;
  return f;
}

// The cell of one character drawn at (0, 0), as rows of 'X' and '.'.
std::vector<std::string> Picture(const std::string& text, const FontSpec& font) {
  const int s = BuiltinScale(font.height);
  Image image(kBuiltinCellWidth * s, kBuiltinCellHeight * s, kPaper);
  DrawText(image.Target(), image.Target().Bounds(), 0, 0, text, font, kInk, std::nullopt);
  std::vector<std::string> rows;
  for (int y = 0; y < image.Height(); ++y) {
    std::string row;
    for (int x = 0; x < image.Width(); ++x) row += image.At(x, y) == kInk ? 'X' : '.';
    rows.push_back(row);
  }
  return rows;
}

TEST(BuiltinFontGlyphs, CapitalHMatchesTheDocumentedExample) {
  const std::vector<std::string> expected = {
      "......", "......", "......", "X...X.", "X...X.", "X...X.", "XXXXX.",
      "X...X.", "X...X.", "X...X.", "......", "......", "......",
  };
  EXPECT_EQ(Picture("H", Builtin()), expected);
}

TEST(BuiltinFontGlyphs, BoldInksTheRightNeighbourOfEveryPixel) {
  FontSpec bold = Builtin();
  bold.bold = true;
  const std::vector<std::string> expected = {
      "......", "......", "......", "XX..XX", "XX..XX", "XX..XX", "XXXXXX",
      "XX..XX", "XX..XX", "XX..XX", "......", "......", "......",
  };
  EXPECT_EQ(Picture("H", bold), expected);
  EXPECT_EQ(MeasureText(bold, "HHH").width, 3 * kBuiltinCellWidth);
}

TEST(BuiltinFontGlyphs, KnownPixelsOfSeveralCharacters) {
  // (text, column, row) inked; the cell geometry places baselines and x-heights.
  const struct {
    const char* text;
    int column, row;
    bool inked;
  } cases[] = {
      {"g", 1, 11, true},        {"g", 4, 10, true},       {"x", 0, 5, true},
      {"x", 0, 4, false},        {"l", 2, 3, true},        {"1", 1, 4, true},
      {".", 1, 9, true},         {"_", 0, 10, true},       {"A", 0, 3, false},
      {"A", 1, 3, true},         {"\xC3\x84", 1, 1, true},  // Ä: dots
      {"\xC3\x84", 1, 2, false}, {"\xC3\xA4", 1, 3, true},  // ä: dots
      {"\xC2\xB0", 1, 3, true},  {"\xC2\xB0", 0, 4, true},  // °
      {"\xC3\x9F", 1, 3, true},                             // ß
      {" ", 2, 6, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.column) + "," +
                 std::to_string(c.row));
    std::vector<std::string> picture = Picture(c.text, Builtin());
    EXPECT_EQ(picture[size_t(c.row)][size_t(c.column)] == 'X', c.inked);
  }
}

TEST(BuiltinFontGlyphs, NothingIsInkedInTheGapColumnOrTheLastRow) {
  for (char32_t c = 32; c < 127; ++c) {
    std::vector<std::string> picture = Picture(std::string(1, char(c)), Builtin());
    for (int y = 0; y < kBuiltinCellHeight; ++y) EXPECT_EQ(picture[size_t(y)][5], '.') << char(c);
    EXPECT_EQ(picture[12], "......") << char(c);
  }
}

TEST(BuiltinFontGlyphs, TheLettersComponentsNeedHaveOwnGlyphs) {
  for (const char32_t c : {U'\u00B0', U'\u00B5', U'\u00C4', U'\u00D6', U'\u00DC', U'\u00E4',
                           U'\u00F6', U'\u00FC', U'\u00DF', U'\u00E9', U'\u00E8', U'\u00E0',
                           U'\u00A7', U'\u00B1', U'\u00B2', U'\u00F1', U'\u00ED', U'\u00F3'}) {
    EXPECT_TRUE(BuiltinHasGlyph(c)) << uint32_t(c);
    EXPECT_NE(BuiltinGlyph(c), BuiltinGlyph(0xFFFD)) << uint32_t(c);
  }
  for (char32_t c = 32; c < 127; ++c) EXPECT_TRUE(BuiltinHasGlyph(c)) << char(c);
}

TEST(BuiltinFontGlyphs, AccentedLettersDifferFromTheirBaseOnlyByTheAccent) {
  // Ü is U with dots above the capital rows.
  std::vector<std::string> u = Picture("U", Builtin());
  std::vector<std::string> umlaut = Picture("\xC3\x9C", Builtin());
  for (int y = 3; y < kBuiltinCellHeight; ++y) EXPECT_EQ(umlaut[size_t(y)], u[size_t(y)]);
  EXPECT_NE(umlaut[1], u[1]);
}

TEST(BuiltinFontGlyphs, MissingAndMalformedCharactersDrawTheReplacementBox) {
  const std::vector<std::string> box = {
      "......", "......", "......", "XXXXX.", "X...X.", "X...X.", "X...X.",
      "X...X.", "X...X.", "XXXXX.", "......", "......", "......",
  };
  EXPECT_EQ(Picture("\xE4\xB8\x80", Builtin()), box);  // U+4E00: no glyph
  EXPECT_EQ(Picture("\xEF\xBF\xBD", Builtin()), box);  // U+FFFD
  EXPECT_EQ(Picture("\xFF", Builtin()), box);          // not UTF-8
  EXPECT_EQ(Picture("\xC3", Builtin()), box);          // cut short
}

TEST(BuiltinFontGlyphs, LargerHeightsScaleEveryPixel) {
  for (int scale : {2, 3}) {
    std::vector<std::string> small = Picture("Kg", Builtin());
    FontSpec big = Builtin(-kBuiltinEmHeight * scale);
    Image image(kBuiltinCellWidth * 2 * scale, kBuiltinCellHeight * scale, kPaper);
    DrawText(image.Target(), image.Target().Bounds(), 0, 0, "Kg", big, kInk, std::nullopt);
    Image reference(kBuiltinCellWidth * 2, kBuiltinCellHeight, kPaper);
    DrawText(reference.Target(), reference.Target().Bounds(), 0, 0, "Kg", Builtin(), kInk,
             std::nullopt);
    for (int y = 0; y < image.Height(); ++y) {
      for (int x = 0; x < image.Width(); ++x) {
        ASSERT_EQ(image.At(x, y), reference.At(x / scale, y / scale)) << scale;
      }
    }
  }
}

TEST(BuiltinFontGlyphs, LinesLieOnTheDocumentedRows) {
  for (int scale : {1, 2}) {
    for (bool strike : {false, true}) {
      FontSpec f = Builtin(-kBuiltinEmHeight * scale);
      f.underline = !strike;
      f.strikeOut = strike;
      Image image(kBuiltinCellWidth * 3 * scale, kBuiltinCellHeight * scale, kPaper);
      DrawText(image.Target(), image.Target().Bounds(), 0, 0, "   ", f, kInk, std::nullopt);
      const int row = strike ? kBuiltinStrikeOutRow : kBuiltinUnderlineRow;
      EXPECT_EQ(image.BoundsOfPixelsOtherThan(kPaper),
                TRect(0, row * scale, image.Width(), (row + 1) * scale));
    }
  }
}

TEST(BuiltinFontGlyphs, AntiAliasingIsNeverApplied) {
  FontSpec f = Builtin();
  f.antialiased = true;
  f.bold = true;
  f.italic = true;
  Image image(120, 20, kPaper);
  DrawText(image.Target(), image.Target().Bounds(), 1, 1, "Plain pixels", f, 0x336699,
           std::nullopt);
  EXPECT_EQ(image.Count(0x336699) + image.Count(kPaper), 120 * 20);
}

}  // namespace
}  // namespace fw
