// The glyph cache of the text engine: coverage bitmaps per font instance, code point and angle,
// rendered at first use and kept within a bound on count and memory.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/graphics/internal/font_instance.h"

namespace fw {

// A glyph's coverage bitmap (0 = blank .. 255 = fully inked, row-major, width x height),
// placed relative to the pen position on the baseline: its top-left pixel is `left` pixels
// right of the pen and `top` pixels above the baseline (FreeType's convention). For a turned
// glyph, right and above are the target's directions. `advance` is the unturned advance.
struct Glyph {
  int advance = 0;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<uint8_t> coverage;
};

// The glyph of `code` in `font` turned by `angle` (tenths of a degree, 0..3599). The reference
// stays valid only until the next call of GlyphFor: the cache may drop entries to stay within
// its bounds.
const Glyph& GlyphFor(const FontInstance& font, char32_t code, int angle);

// The advance of `code` in `font` (angle 0).
int AdvanceOf(const FontInstance& font, char32_t code);

// Drops every cached glyph.
void ClearGlyphCache();

// Number of cached glyphs, for tests of the bound.
size_t CachedGlyphCount();
inline constexpr size_t kMaxCachedGlyphs = 4096;
inline constexpr size_t kMaxCachedGlyphBytes = size_t(16) << 20;

}  // namespace fw
