// The glyph cache: glyphs rendered by FreeType (or taken from the built-in font) once per
// font instance, code point and angle, kept until the cache grows past its bounds and is emptied.
#include "framework/graphics/internal/glyph_cache.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <cmath>
#include <numbers>
#include <unordered_map>

#include "framework/graphics/internal/builtin_font.h"
#include "framework/graphics/internal/font_face.h"

namespace fw {

namespace {

struct GlyphKey {
  int instance;
  char32_t code;
  int angle;
  bool operator==(const GlyphKey&) const = default;
};

struct GlyphKeyHash {
  size_t operator()(const GlyphKey& k) const {
    return (size_t(uint32_t(k.instance)) * 0x9E3779B97F4A7C15ull) ^ (size_t(k.code) << 12) ^
           size_t(k.angle);
  }
};

struct GlyphCache {
  std::unordered_map<GlyphKey, Glyph, GlyphKeyHash> glyphs;
  size_t bytes = 0;
};

GlyphCache& Cache() {
  static GlyphCache cache;
  return cache;
}

void CopyBitmap(const FT_Bitmap& bitmap, Glyph& glyph) {
  glyph.width = int(bitmap.width);
  glyph.height = int(bitmap.rows);
  glyph.coverage.assign(size_t(glyph.width) * size_t(glyph.height), 0);
  if (bitmap.buffer == nullptr) return;
  const unsigned char* top = bitmap.buffer;
  if (bitmap.pitch < 0) top -= ptrdiff_t(bitmap.pitch) * (glyph.height - 1);
  for (int y = 0; y < glyph.height; ++y) {
    const unsigned char* src = top + ptrdiff_t(bitmap.pitch) * y;
    uint8_t* dst = glyph.coverage.data() + size_t(y) * size_t(glyph.width);
    for (int x = 0; x < glyph.width; ++x) {
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        dst[x] = (src[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
      } else {
        dst[x] = src[x];
      }
    }
  }
}

Glyph RenderFaceGlyph(const FontInstance& font, char32_t code, int angle) {
  Glyph glyph;
  FontFace& face = *font.face;
  if (!face.SetSize(font.emSize26)) return glyph;
  FT_UInt index = FT_Get_Char_Index(face.face, FT_ULong(code));  // 0: the notdef glyph
  FT_Int32 flags = FT_LOAD_NO_BITMAP | (font.mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
  if (FT_Load_Glyph(face.face, index, flags) != 0 &&
      (index == 0 || FT_Load_Glyph(face.face, 0, flags) != 0)) {
    return glyph;
  }
  FT_GlyphSlot slot = face.face->glyph;
  // Synthesized styles go on the upright outline, before it is turned.
  if (font.synthItalic) FT_GlyphSlot_Oblique(slot);
  if (font.synthBold) FT_GlyphSlot_Embolden(slot);
  glyph.advance = int((slot->advance.x + 32) >> 6);
  if (angle != 0 && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    double radians = angle * std::numbers::pi / 1800.0;
    FT_Fixed c = FT_Fixed(std::lround(std::cos(radians) * 65536.0));
    FT_Fixed s = FT_Fixed(std::lround(std::sin(radians) * 65536.0));
    FT_Matrix turn{c, -s, s, c};  // counter-clockwise in FreeType's y-up space
    FT_Outline_Transform(&slot->outline, &turn);
  }
  if (FT_Render_Glyph(slot, font.mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) {
    return glyph;
  }
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  CopyBitmap(slot->bitmap, glyph);
  return glyph;
}

Glyph RenderBuiltinGlyph(const FontInstance& font, char32_t code) {
  const int s = font.builtinScale;
  const BuiltinGlyphRows& rows = BuiltinGlyph(code);
  Glyph glyph;
  glyph.advance = kBuiltinCellWidth * s;
  glyph.left = 0;
  glyph.top = kBuiltinAscent * s;
  // Bold doubles every inked column into the column right of it (the gap column included).
  const int bold = font.synthBold ? 1 : 0;
  glyph.width = (5 + bold) * s;
  glyph.height = kBuiltinCellHeight * s;
  glyph.coverage.assign(size_t(glyph.width) * size_t(glyph.height), 0);
  for (int y = 0; y < glyph.height; ++y) {
    const unsigned row = rows[size_t(y / s)] << 1;  // bit 5 - c: column c of the wider cell
    const unsigned inked = bold ? (row | (row >> 1)) : row;
    for (int x = 0; x < glyph.width; ++x) {
      if (inked & (0x20u >> (x / s))) {
        glyph.coverage[size_t(y) * size_t(glyph.width) + size_t(x)] = 255;
      }
    }
  }
  return glyph;
}

// Turns a glyph bitmap about its pen position by sampling the upright bitmap at the centre of
// each target pixel (the built-in font has no outlines to turn).
Glyph TurnBitmap(const Glyph& upright, int angle) {
  double radians = angle * std::numbers::pi / 1800.0;
  double c = std::cos(radians), s = std::sin(radians);
  // Upright pixels occupy x in [left, left + w), y (down) in [-top, -top + h).
  double x0 = upright.left, x1 = upright.left + upright.width;
  double y0 = -upright.top, y1 = -upright.top + upright.height;
  double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
  for (double u : {x0, x1}) {
    for (double v : {y0, y1}) {
      double x = u * c + v * s, y = -u * s + v * c;
      minX = std::min(minX, x), maxX = std::max(maxX, x);
      minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
  }
  Glyph turned;
  turned.advance = upright.advance;
  int left = int(std::floor(minX)), topY = int(std::floor(minY));
  turned.width = int(std::ceil(maxX)) - left;
  turned.height = int(std::ceil(maxY)) - topY;
  turned.left = left;
  turned.top = -topY;
  turned.coverage.assign(size_t(turned.width) * size_t(turned.height), 0);
  for (int j = 0; j < turned.height; ++j) {
    for (int i = 0; i < turned.width; ++i) {
      double x = left + i + 0.5, y = topY + j + 0.5;
      int u = int(std::floor(x * c - y * s)) - upright.left;
      int v = int(std::floor(x * s + y * c)) + upright.top;
      if (u >= 0 && u < upright.width && v >= 0 && v < upright.height) {
        turned.coverage[size_t(j) * size_t(turned.width) + size_t(i)] =
            upright.coverage[size_t(v) * size_t(upright.width) + size_t(u)];
      }
    }
  }
  return turned;
}
}  // namespace

const Glyph& GlyphFor(const FontInstance& font, char32_t code, int angle) {
  GlyphCache& cache = Cache();
  GlyphKey key{font.id, code, angle};
  auto it = cache.glyphs.find(key);
  if (it != cache.glyphs.end()) return it->second;
  if (cache.glyphs.size() >= kMaxCachedGlyphs || cache.bytes >= kMaxCachedGlyphBytes) {
    ClearGlyphCache();
  }
  Glyph glyph;
  if (font.face != nullptr) {
    glyph = RenderFaceGlyph(font, code, angle);
  } else {
    glyph = RenderBuiltinGlyph(font, code);
    if (angle != 0) glyph = TurnBitmap(glyph, angle);
  }
  cache.bytes += glyph.coverage.size() + sizeof(Glyph);
  return cache.glyphs.emplace(key, std::move(glyph)).first->second;
}
int AdvanceOf(const FontInstance& font, char32_t code) {
  if (font.face == nullptr) return kBuiltinCellWidth * font.builtinScale;
  return GlyphFor(font, code, 0).advance;
}

void ClearGlyphCache() {
  Cache().glyphs.clear();
  Cache().bytes = 0;
}

size_t CachedGlyphCount() {
  return Cache().glyphs.size();
}

}  // namespace fw
