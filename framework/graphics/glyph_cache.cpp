// Font instances and the glyph cache: a FontSpec resolved to a face and sized, with its
// metrics; glyphs rendered by FreeType (or taken from the built-in font) once per font, code
// point and angle, and kept in a cache that is emptied when it grows past its bounds.
#include "framework/graphics/glyph_cache.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <unordered_map>

#include "framework/graphics/builtin_font.h"
#include "framework/graphics/font_face.h"
#include "framework/graphics/font_resolver.h"

namespace fw {

namespace {

constexpr int kDefaultHeight = -11;
constexpr int kMaxEmPixels = 1024;  // larger requests are drawn at this em size
constexpr size_t kMaxInstances = 256;

bool IsBuiltinName(const std::string& name) {
  std::string_view builtin = kBuiltinFontName;
  if (name.size() != builtin.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(name[i])) != builtin[i]) return false;
  }
  return true;
}

struct InstanceKey {
  std::string name;
  int height;
  bool bold, italic, antialiased;
  bool operator==(const InstanceKey&) const = default;
};

struct InstanceKeyHash {
  size_t operator()(const InstanceKey& k) const {
    size_t h = std::hash<std::string>()(k.name);
    h = h * 31 + std::hash<int>()(k.height);
    return h * 8 + (k.bold ? 4 : 0) + (k.italic ? 2 : 0) + (k.antialiased ? 1 : 0);
  }
};

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

struct Caches {
  int generation = -1;
  int nextId = 1;
  std::unordered_map<InstanceKey, std::unique_ptr<FontInstance>, InstanceKeyHash> instances;
  std::unordered_map<GlyphKey, Glyph, GlyphKeyHash> glyphs;
  size_t glyphBytes = 0;
};

Caches& State() {
  static Caches caches;
  return caches;
}

void FillBuiltinInstance(FontInstance& inst, int height) {
  int s = BuiltinScale(height);
  inst.builtinScale = s;
  inst.metrics.ascent = kBuiltinAscent * s;
  inst.metrics.descent = kBuiltinDescent * s;
  inst.metrics.height = kBuiltinCellHeight * s;
  inst.metrics.internalLeading = (kBuiltinCellHeight - kBuiltinEmHeight) * s;
  inst.metrics.averageCharWidth = kBuiltinCellWidth * s;
  inst.metrics.maxCharWidth = kBuiltinCellWidth * s;
  inst.underlineTop = kBuiltinUnderlineRow * s;
  inst.underlineThickness = s;
  inst.strikeOutTop = kBuiltinStrikeOutRow * s;
  inst.strikeOutThickness = s;
}

// A line's top row and thickness from its design position, kept inside the cell.
void PlaceLine(int top, int thickness, int cellHeight, int& outTop, int& outThickness) {
  outThickness = std::clamp(thickness, 1, std::max(1, cellHeight));
  outTop = std::clamp(top, 0, std::max(0, cellHeight - outThickness));
}

// Sizes the face for the height and fills the metrics; false when FreeType refuses the size.
bool FillFaceInstance(FontInstance& inst, FontFace& face, int height) {
  double cellUnits = face.ascender + face.descender;
  double em;  // pixels
  if (height < 0) {
    em = std::min<double>(-double(height), kMaxEmPixels);
  } else {
    em = std::min<double>(double(height) * face.unitsPerEm / cellUnits, kMaxEmPixels);
  }
  inst.emSize26 = std::max(1L, std::lround(em * 64));
  if (!face.SetSize(inst.emSize26)) return false;
  double scale = (inst.emSize26 / 64.0) / face.unitsPerEm;  // pixels per font unit
  FontMetrics& m = inst.metrics;
  if (height > 0 && double(height) * face.unitsPerEm / cellUnits <= kMaxEmPixels) {
    // A cell height is met exactly: the ascent rounded, the descent the rest.
    m.ascent = std::clamp(int(std::lround(face.ascender * scale)), 0, height);
    m.descent = height - m.ascent;
  } else {
    m.ascent = int(std::ceil(face.ascender * scale - 1e-6));
    m.descent = int(std::ceil(face.descender * scale - 1e-6));
  }
  m.height = m.ascent + m.descent;
  m.internalLeading = std::max(0, m.height - int(std::lround(inst.emSize26 / 64.0)));
  m.averageCharWidth = int(std::lround(face.averageWidth * scale));
  m.maxCharWidth = int(std::lround(face.maxAdvance * scale));
  inst.face = &face;

  int ulThickness = int(std::lround(face.underlineThickness * scale));
  int ulCentre = m.ascent + int(std::lround(-face.underlinePosition * scale));
  PlaceLine(ulCentre - std::max(1, ulThickness) / 2, ulThickness, m.height, inst.underlineTop,
            inst.underlineThickness);
  PlaceLine(m.ascent - int(std::lround(face.strikeOutPosition * scale)),
            int(std::lround(face.strikeOutSize * scale)), m.height, inst.strikeOutTop,
            inst.strikeOutThickness);
  return true;
}

std::unique_ptr<FontInstance> CreateInstance(const InstanceKey& key, int id) {
  auto inst = std::make_unique<FontInstance>();
  inst->id = id;
  inst->mono = !key.antialiased;
  if (!IsBuiltinName(key.name)) {
    std::optional<FontFile> file = ActiveFontResolver().Resolve(key.name, key.bold, key.italic);
    FontFace* face = file ? OpenFace(file->path, file->index) : nullptr;
    if (face != nullptr && FillFaceInstance(*inst, *face, key.height)) {
      inst->synthBold = key.bold && !file->bold;
      inst->synthItalic = key.italic && !file->italic;
      if (inst->metrics.averageCharWidth <= 0) {
        inst->metrics.averageCharWidth = AdvanceOf(*inst, U'x');
      }
      return inst;
    }
  }
  // The built-in font: asked for by name, or no usable font file was found.
  inst->face = nullptr;
  inst->mono = true;
  FillBuiltinInstance(*inst, key.height);
  return inst;
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
  glyph.width = 5 * s;
  glyph.height = kBuiltinCellHeight * s;
  glyph.coverage.assign(size_t(glyph.width) * size_t(glyph.height), 0);
  for (int y = 0; y < glyph.height; ++y) {
    for (int x = 0; x < glyph.width; ++x) {
      if (rows[size_t(y / s)] & (0x10 >> (x / s))) {
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

const FontInstance& FontFor(const FontSpec& font) {
  Caches& caches = State();
  if (caches.generation != FontResolverGeneration()) {
    ResetFontCaches();
    caches.generation = FontResolverGeneration();
  }
  InstanceKey key{font.name, font.height == 0 ? kDefaultHeight : font.height, font.bold,
                  font.italic, font.antialiased};
  auto it = caches.instances.find(key);
  if (it != caches.instances.end()) return *it->second;
  if (caches.instances.size() >= kMaxInstances) ResetFontCaches();
  auto inserted = caches.instances.emplace(key, CreateInstance(key, caches.nextId++));
  return *inserted.first->second;
}

const Glyph& GlyphFor(const FontInstance& font, char32_t code, int angle) {
  Caches& caches = State();
  GlyphKey key{font.id, code, angle};
  auto it = caches.glyphs.find(key);
  if (it != caches.glyphs.end()) return it->second;
  if (caches.glyphs.size() >= kMaxCachedGlyphs || caches.glyphBytes >= kMaxCachedGlyphBytes) {
    caches.glyphs.clear();
    caches.glyphBytes = 0;
  }
  Glyph glyph;
  if (font.face != nullptr) {
    glyph = RenderFaceGlyph(font, code, angle);
  } else {
    glyph = RenderBuiltinGlyph(font, code);
    if (angle != 0) glyph = TurnBitmap(glyph, angle);
  }
  caches.glyphBytes += glyph.coverage.size() + sizeof(Glyph);
  return caches.glyphs.emplace(key, std::move(glyph)).first->second;
}

int AdvanceOf(const FontInstance& font, char32_t code) {
  if (font.face == nullptr) return kBuiltinCellWidth * font.builtinScale;
  return GlyphFor(font, code, 0).advance;
}

void ResetFontCaches() {
  Caches& caches = State();
  caches.glyphs.clear();
  caches.glyphBytes = 0;
  caches.instances.clear();
}

size_t CachedGlyphCount() {
  return State().glyphs.size();
}

}  // namespace fw
