// Tests of text metrics and measuring: cell height, additive widths, size conventions, family
// resolution and the fall-back to the built-in font.
#include <gtest/gtest.h>

#include <string>

#include "framework/graphics/internal/builtin_font.h"
#include "framework/graphics/internal/font_resolver.h"
#include "framework/graphics/text_engine.h"

namespace fw {
namespace {

FontSpec Font(const char* name, int height = -11, bool bold = false, bool italic = false) {
  FontSpec f;
  f.name = name;
  f.height = height;
  f.bold = bold;
  f.italic = italic;
  return f;
}

// Fonts of every kind the engine handles: resolved families, synthesized and real styles,
// monochrome, and the built-in font.
std::vector<FontSpec> SampleFonts() {
  std::vector<FontSpec> fonts = {Font("MS Sans Serif"),
                                 Font("Arial", -16),
                                 Font("Courier New", -13),
                                 Font("Times New Roman", -20),
                                 Font("Arial", -11, true),
                                 Font("Arial", -11, false, true),
                                 Font("DejaVu Sans", -12, true, true),
                                 Font(kBuiltinFontName),
                                 Font(kBuiltinFontName, -33)};
  FontSpec mono = Font("Arial");
  mono.antialiased = false;
  fonts.push_back(mono);
  return fonts;
}

TEST(TextMetrics, HeightIsAscentPlusDescent) {
  for (const FontSpec& f : SampleFonts()) {
    SCOPED_TRACE(f.name + " " + std::to_string(f.height));
    FontMetrics m = GetFontMetrics(f);
    EXPECT_GT(m.ascent, 0);
    EXPECT_GE(m.descent, 0);
    EXPECT_EQ(m.height, m.ascent + m.descent);
    EXPECT_EQ(MeasureText(f, "Hg").height, m.height);
    EXPECT_GE(m.maxCharWidth, m.averageCharWidth);
    EXPECT_GT(m.averageCharWidth, 0);
  }
}

TEST(TextMetrics, WidthIsTheSumOfTheCharactersWidths) {
  const std::string texts[] = {"ab", "AVATAR", "To Wa", "1.25 kHz",
                               "\xC3\x84\xC3\xB6\xC3\x9F\xC2\xB0"};
  for (const FontSpec& f : SampleFonts()) {
    SCOPED_TRACE(f.name + " " + std::to_string(f.height));
    for (const std::string& text : texts) {
      int sum = 0;
      for (size_t i = 0; i < text.size(); ++i) {
        size_t len = 1;
        while (i + len < text.size() &&
               (static_cast<unsigned char>(text[i + len]) & 0xC0) == 0x80) {
          ++len;
        }
        sum += MeasureText(f, text.substr(i, len)).width;
        i += len - 1;
      }
      EXPECT_EQ(MeasureText(f, text).width, sum) << text;
      EXPECT_EQ(MeasureText(f, text + text).width, 2 * sum) << text;
    }
  }
}

TEST(TextMetrics, EmptyTextHasNoWidthButTheCellHeight) {
  for (const FontSpec& f : SampleFonts()) {
    TextExtent e = MeasureText(f, "");
    EXPECT_EQ(e.width, 0);
    EXPECT_EQ(e.height, GetFontMetrics(f).height);
  }
}

TEST(TextMetrics, PositiveHeightIsTheCellHeight) {
  for (const char* name : {"Arial", "Courier New", "Times New Roman"}) {
    for (int h : {8, 13, 16, 24, 40}) {
      EXPECT_EQ(GetFontMetrics(Font(name, h)).height, h) << name << " " << h;
    }
  }
}

TEST(TextMetrics, NegativeHeightIsTheEmHeight) {
  for (const char* name : {"Arial", "Courier New", "Times New Roman", "MS Sans Serif"}) {
    SCOPED_TRACE(name);
    int previousHeight = 0;
    for (int em : {8, 11, 16, 24, 48}) {
      FontMetrics m = GetFontMetrics(Font(name, -em));
      // The cell holds the em square plus the leading; the leading is a small part of it.
      EXPECT_GE(m.height, em);
      EXPECT_LE(m.height, em * 3 / 2 + 1);
      EXPECT_EQ(m.internalLeading, m.height - em);
      EXPECT_GT(m.height, previousHeight);
      previousHeight = m.height;
    }
  }
}

TEST(TextMetrics, ZeroHeightIsTheDefaultSize) {
  for (const char* name : {"Arial", kBuiltinFontName}) {
    FontMetrics zero = GetFontMetrics(Font(name, 0));
    FontMetrics standard = GetFontMetrics(Font(name, -11));
    EXPECT_EQ(zero.height, standard.height);
    EXPECT_EQ(MeasureText(Font(name, 0), "Sample").width,
              MeasureText(Font(name, -11), "Sample").width);
  }
}

TEST(TextMetrics, BoldIsNoNarrower) {
  for (const char* name : {"Arial", "Times New Roman", "MS Sans Serif"}) {
    EXPECT_GE(MeasureText(Font(name, -13, true), "Bold text here").width,
              MeasureText(Font(name, -13), "Bold text here").width)
        << name;
  }
}

TEST(TextMetrics, EscapementAndLinesDoNotChangeTheExtent) {
  FontSpec plain = Font("Arial", -14);
  FontSpec styled = plain;
  styled.escapement = 450;
  styled.underline = true;
  styled.strikeOut = true;
  EXPECT_EQ(MeasureText(styled, "Turned").width, MeasureText(plain, "Turned").width);
  EXPECT_EQ(GetFontMetrics(styled).height, GetFontMetrics(plain).height);
}

TEST(FontResolution, ClassicFamiliesMapToTheirKind) {
  // Monospaced families give every character the same advance; proportional ones do not.
  auto isMonospaced = [](const char* name) {
    return MeasureText(Font(name, -20), "iiii").width == MeasureText(Font(name, -20), "MMMM").width;
  };
  EXPECT_TRUE(isMonospaced("Courier New"));
  EXPECT_FALSE(isMonospaced("MS Sans Serif"));
  EXPECT_FALSE(isMonospaced("Arial"));
  EXPECT_FALSE(isMonospaced("Helvetica"));
  EXPECT_FALSE(isMonospaced("Times New Roman"));
}

TEST(FontResolution, UnknownFamiliesResolveToAnInstalledFont) {
  // fontconfig answers every family with its best match, so a name nobody installed still
  // draws with a real font, not the built-in one.
  std::optional<FontFile> file =
      FontResolver::System()->Resolve("No Such Family 4711", false, false);
  ASSERT_TRUE(file.has_value());
  EXPECT_FALSE(file->path.empty());
  FontSpec unknown = Font("No Such Family 4711", -20);
  EXPECT_NE(MeasureText(unknown, "iiii").width, MeasureText(unknown, "MMMM").width);
}

TEST(FontResolution, StylesReportWhetherTheFaceHasThem) {
  std::unique_ptr<FontResolver> resolver = FontResolver::System();
  std::optional<FontFile> bold = resolver->Resolve("Arial", true, false);
  std::optional<FontFile> regular = resolver->Resolve("Arial", false, false);
  ASSERT_TRUE(bold && regular);
  EXPECT_FALSE(regular->bold);
  EXPECT_FALSE(regular->italic);
  if (bold->bold) {
    EXPECT_NE(bold->path, regular->path);
  }
}

TEST(FontResolution, WithoutAnyFontFileTheBuiltinFontIsUsed) {
  const FontSpec builtin = Font(kBuiltinFontName, -11);
  const FontSpec arial = Font("Arial", -11);
  ScopedFontResolver none(FontResolver::Empty());
  EXPECT_FALSE(ActiveFontResolver().Resolve("Arial", false, false).has_value());
  FontMetrics m = GetFontMetrics(arial);
  EXPECT_EQ(m.height, kBuiltinCellHeight);
  EXPECT_EQ(m.ascent, kBuiltinAscent);
  EXPECT_EQ(MeasureText(arial, "iiMM").width, 4 * kBuiltinCellWidth);
  EXPECT_EQ(MeasureText(builtin, "iiMM").width, 4 * kBuiltinCellWidth);
}

TEST(FontResolution, TheSystemFontsComeBackWhenTheReplacementEnds) {
  const FontSpec arial = Font("Arial", -20);
  int before = MeasureText(arial, "iiii").width;
  {
    ScopedFontResolver none(FontResolver::Empty());
    EXPECT_EQ(MeasureText(arial, "iiii").width, 4 * kBuiltinCellWidth);
  }
  EXPECT_EQ(MeasureText(arial, "iiii").width, before);
}

TEST(BuiltinFontMetrics, ScaleFollowsTheRequestedHeight) {
  const struct {
    int height;
    int scale;
  } cases[] = {{0, 1},
               {-11, 1},
               {-21, 1},
               {-22, 2},
               {-33, 3},
               {13, 1},
               {25, 1},
               {26, 2},
               {5, 1},
               {-1, 1},
               {-1000000, kBuiltinMaxScale}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.height);
    EXPECT_EQ(BuiltinScale(c.height), c.scale);
    FontMetrics m = GetFontMetrics(Font(kBuiltinFontName, c.height));
    EXPECT_EQ(m.height, kBuiltinCellHeight * c.scale);
    EXPECT_EQ(m.ascent, kBuiltinAscent * c.scale);
    EXPECT_EQ(m.descent, kBuiltinDescent * c.scale);
    EXPECT_EQ(m.internalLeading, (kBuiltinCellHeight - kBuiltinEmHeight) * c.scale);
    EXPECT_EQ(MeasureText(Font(kBuiltinFontName, c.height), "abc").width,
              3 * kBuiltinCellWidth * c.scale);
  }
}

TEST(BuiltinFontMetrics, EveryCharacterAdvancesOneCell) {
  // Code points with and without a glyph, and malformed bytes, all take one cell.
  const FontSpec f = Font(kBuiltinFontName);
  EXPECT_EQ(MeasureText(f, "W\xC3\xA4\xE4\xB8\x80\xFF").width, 4 * kBuiltinCellWidth);
}

}  // namespace
}  // namespace fw

namespace fw {
namespace {

// A resolver that knows only the regular face of the installed sans-serif family, so bold and
// italic must be synthesized.
std::unique_ptr<FontResolver> RegularFaceOnly() {
  std::optional<FontFile> regular = FontResolver::System()->Resolve("Arial", false, false);
  return FontResolver::FromFiles({regular ? regular->path : std::string()});
}

int InkOf(const FontSpec& font, const std::string& text, TRect* bounds = nullptr) {
  std::vector<TPixel> pixels(400 * 80, 0xFFFFFF);
  PixelTarget target{pixels.data(), 400, 80, 400};
  DrawText(target, target.Bounds(), 10, 10, text, font, 0x000000, std::nullopt);
  int ink = 0;
  TRect r{400, 80, 0, 0};
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 400; ++x) {
      if (pixels[size_t(y) * 400 + size_t(x)] != 0x000000) continue;
      ++ink;
      r = TRect{std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1),
                std::max(r.Bottom, y + 1)};
    }
  }
  if (bounds != nullptr) *bounds = r;
  return ink;
}

TEST(FontSynthesis, BoldIsSynthesizedWhenTheFaceHasNone) {
  ScopedFontResolver only(RegularFaceOnly());
  std::optional<FontFile> file = ActiveFontResolver().Resolve("Arial", true, false);
  ASSERT_TRUE(file.has_value());
  ASSERT_FALSE(file->bold);
  FontSpec regular = Font("Arial", -20);
  regular.antialiased = false;
  FontSpec bold = regular;
  bold.bold = true;
  EXPECT_GT(InkOf(bold, "Heavy lines"), InkOf(regular, "Heavy lines") * 6 / 5);
  EXPECT_GE(MeasureText(bold, "Heavy lines").width, MeasureText(regular, "Heavy lines").width);
}

TEST(FontSynthesis, ItalicIsSynthesizedBySlantingTheUprightFace) {
  ScopedFontResolver only(RegularFaceOnly());
  FontSpec upright = Font("Arial", -30);
  upright.antialiased = false;
  FontSpec italic = upright;
  italic.italic = true;
  // An "l" slanted to the right: its top row lies right of its bottom row.
  auto rowSpan = [](const FontSpec& f, bool top) {
    std::vector<TPixel> pixels(60 * 60, 0xFFFFFF);
    PixelTarget target{pixels.data(), 60, 60, 60};
    DrawText(target, target.Bounds(), 10, 5, "l", f, 0x000000, std::nullopt);
    for (int i = 0; i < 60; ++i) {
      int y = top ? i : 59 - i;
      for (int x = 0; x < 60; ++x) {
        if (pixels[size_t(y) * 60 + size_t(x)] == 0) return x;
      }
    }
    return -1;
  };
  EXPECT_EQ(rowSpan(upright, true), rowSpan(upright, false));
  EXPECT_GT(rowSpan(italic, true), rowSpan(italic, false) + 3);
  EXPECT_EQ(MeasureText(italic, "Slanted").width, MeasureText(upright, "Slanted").width);
}

}  // namespace
}  // namespace fw
