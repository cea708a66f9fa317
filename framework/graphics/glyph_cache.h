// Fonts at a size and their rendered glyphs: FreeType faces opened once per file, font
// instances keyed by FontSpec, and a bounded cache of coverage bitmaps per glyph and angle.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/graphics/text_engine.h"

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

struct FontFace;  // an open FreeType face (glyph_cache.cpp)

// A font resolved and sized: everything the layout needs besides the glyphs.
struct FontInstance {
  int id = 0;                // unique for the life of the process; part of glyph keys
  FontFace* face = nullptr;  // nullptr: the built-in font
  int builtinScale = 1;      // scale of the built-in font
  long emSize26 = 0;         // em size in 1/64 pixel (FreeType faces)
  bool synthBold = false;    // embolden outlines: the face has no bold of its own
  bool synthItalic = false;  // slant outlines: the face has no italic of its own
  bool mono = false;         // monochrome rendering
  FontMetrics metrics;
  int underlineTop = 0;  // cell row of the underline's top, and its thickness
  int underlineThickness = 1;
  int strikeOutTop = 0;  // cell row of the strike-out line's top, and its thickness
  int strikeOutThickness = 1;
};

// The instance for a font (escapement, underline and strike-out do not matter), created at
// first use. Valid until the next call of FontFor or ResetFontCaches.
const FontInstance& FontFor(const FontSpec& font);

// The glyph of `code` in `font` turned by `angle` (tenths of a degree, 0..3599). The reference
// stays valid only until the next call of GlyphFor: the cache may drop entries to stay within
// its bounds.
const Glyph& GlyphFor(const FontInstance& font, char32_t code, int angle);

// The advance of `code` in `font` (angle 0).
int AdvanceOf(const FontInstance& font, char32_t code);

// Drops every instance and glyph (faces stay open). Also done when the resolver changes.
void ResetFontCaches();

// Number of cached glyphs, for tests of the bound.
size_t CachedGlyphCount();
inline constexpr size_t kMaxCachedGlyphs = 4096;
inline constexpr size_t kMaxCachedGlyphBytes = size_t(16) << 20;

}  // namespace fw
