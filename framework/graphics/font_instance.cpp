// Font instances: a FontSpec resolved to a face (or the built-in font) and sized, with the
// metrics, underline and strike-out placement that layout needs; kept per FontSpec.
#include "framework/graphics/internal/font_instance.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>

#include "framework/graphics/internal/builtin_font.h"
#include "framework/graphics/internal/font_face.h"
#include "framework/graphics/internal/font_resolver.h"
#include "framework/graphics/internal/glyph_cache.h"

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

using RenderingKey = std::tuple<const FontFace*, long, int, bool, bool, bool>;

struct Instances {
  int generation = -1;
  int nextId = 1;  // never reused, so glyphs of dropped instances can never be mistaken
  std::unordered_map<InstanceKey, std::unique_ptr<FontInstance>, InstanceKeyHash> byKey;
  std::map<RenderingKey, int> ids;
};

Instances& State() {
  static Instances instances;
  return instances;
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

// A new instance without its id.
std::unique_ptr<FontInstance> CreateInstance(const InstanceKey& key) {
  auto inst = std::make_unique<FontInstance>();
  inst->mono = !key.antialiased;
  if (!IsBuiltinName(key.name)) {
    std::optional<FontFile> file = ActiveFontResolver().Resolve(key.name, key.bold, key.italic);
    FontFace* face = file ? OpenFace(file->path, file->index) : nullptr;
    if (face != nullptr && FillFaceInstance(*inst, *face, key.height)) {
      inst->synthBold = key.bold && !file->bold;
      inst->synthItalic = key.italic && !file->italic;
      return inst;
    }
  }
  // The built-in font: asked for by name, or no usable font file was found.
  inst->face = nullptr;
  inst->mono = true;
  inst->synthBold = key.bold;
  inst->synthItalic = false;
  FillBuiltinInstance(*inst, key.height);
  return inst;
}

// Instances that render alike (same face, size, synthesized styles and mode; "Arial" and
// "MS Sans Serif" may well be one) share an id, so their glyphs are cached once.
int RenderingId(Instances& state, const FontInstance& inst) {
  RenderingKey key{inst.face,      inst.emSize26,    inst.builtinScale,
                   inst.synthBold, inst.synthItalic, inst.mono};
  auto [it, added] = state.ids.emplace(key, state.nextId);
  if (added) ++state.nextId;
  return it->second;
}

}  // namespace

const FontInstance& FontFor(const FontSpec& font) {
  Instances& caches = State();
  if (caches.generation != FontResolverGeneration()) {
    ResetFontCaches();
    caches.generation = FontResolverGeneration();
  }
  InstanceKey key{font.name, font.height == 0 ? kDefaultHeight : font.height, font.bold,
                  font.italic, font.antialiased};
  auto it = caches.byKey.find(key);
  if (it != caches.byKey.end()) return *it->second;
  if (caches.byKey.size() >= kMaxInstances) ResetFontCaches();
  std::unique_ptr<FontInstance> inst = CreateInstance(key);
  inst->id = RenderingId(caches, *inst);
  if (inst->face != nullptr && inst->metrics.averageCharWidth <= 0) {
    inst->metrics.averageCharWidth = AdvanceOf(*inst, U'x');
  }
  return *caches.byKey.emplace(key, std::move(inst)).first->second;
}

void ResetFontCaches() {
  ClearGlyphCache();
  State().byKey.clear();
  State().ids.clear();
}

}  // namespace fw
