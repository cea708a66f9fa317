// The text engine: measures and draws UTF-8 text for TCanvas with FreeType and fontconfig
// (family names resolve to installed metric-compatible fonts), a glyph cache keyed by font and
// size, grey-scale anti-aliasing, rotation, and a built-in bitmap font as fallback.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "framework/graphics/pixels.h"

namespace fw {

// The family name of the built-in bitmap font. It is also used when no font file can be found
// for a family; pixel-exact tests of text use it.
inline constexpr const char* kBuiltinFontName = "fw-builtin";

// What the engine needs to know of a font (TFont and a logical font of CreateFontIndirect
// both reduce to this).
struct FontSpec {
  std::string name = "MS Sans Serif";
  // Platform convention: negative = character (em) height in pixels, positive = cell height
  // (ascent + descent) in pixels, 0 = the default size. TFont.Size s gives -MulDiv(s, 96, 72).
  int height = -11;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int escapement = 0;  // tenths of a degree, counter-clockwise about the cell's top-left corner
  bool antialiased = true;

  bool operator==(const FontSpec&) const = default;
};

struct FontMetrics {
  int ascent = 0;           // pixels above the baseline, cell top to baseline
  int descent = 0;          // pixels below the baseline
  int height = 0;           // ascent + descent: the text cell height
  int internalLeading = 0;  // height minus the em height
  int averageCharWidth = 0;
  int maxCharWidth = 0;
};

struct TextExtent {
  int width = 0;   // sum of the advances
  int height = 0;  // cell height of the font
};

FontMetrics GetFontMetrics(const FontSpec& font);

// Unrotated extent of a text (escapement is ignored).
TextExtent MeasureText(const FontSpec& font, std::string_view utf8);

// Draws `utf8` with the cell's top-left corner at (x, y), turned by font.escapement about that
// corner. With a background, the (turned) text cell is filled with it first; without, only the
// glyphs are drawn, blended by coverage when anti-aliased. Nothing outside `clip` is touched.
void DrawText(const PixelTarget& target, const TRect& clip, int x, int y, std::string_view utf8,
              const FontSpec& font, TPixel color, std::optional<TPixel> background);

}  // namespace fw
