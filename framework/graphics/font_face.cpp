// FreeType faces: one library handle and one face per font file, with the design metrics read
// from the face's tables (OS/2 where present, the face's generic values otherwise).
#include "framework/graphics/internal/font_face.h"

#include FT_TRUETYPE_TABLES_H

#include <map>
#include <memory>
#include <utility>

namespace fw {

namespace {

struct Library {
  FT_Library handle = nullptr;
  Library() {
    if (FT_Init_FreeType(&handle) != 0) handle = nullptr;
  }
  ~Library() {
    if (handle != nullptr) FT_Done_FreeType(handle);
  }
};

// The faces are destroyed before the library: both live in one object.
struct FaceRegistry {
  Library library;
  std::map<std::pair<std::string, int>, std::unique_ptr<FontFace>> faces;
  ~FaceRegistry() { faces.clear(); }
};

FaceRegistry& Registry() {
  static FaceRegistry registry;
  return registry;
}

void ReadDesignMetrics(FontFace& f) {
  FT_Face face = f.face;
  f.unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : 2048;
  f.ascender = face->ascender;
  f.descender = -face->descender;
  f.underlinePosition = face->underline_position;
  f.underlineThickness = face->underline_thickness;
  f.maxAdvance = face->max_advance_width;
  f.strikeOutPosition = f.unitsPerEm * 26 / 100;
  f.strikeOutSize = f.underlineThickness;
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF) {
    // The Windows ascent and descent give the cell the platform's fonts have.
    if (os2->usWinAscent + os2->usWinDescent > 0) {
      f.ascender = os2->usWinAscent;
      f.descender = os2->usWinDescent;
    }
    if (os2->yStrikeoutSize > 0) {
      f.strikeOutPosition = os2->yStrikeoutPosition;
      f.strikeOutSize = os2->yStrikeoutSize;
    }
    f.averageWidth = os2->xAvgCharWidth;
  }
  if (f.ascender + f.descender <= 0) {
    f.ascender = f.unitsPerEm * 8 / 10;
    f.descender = f.unitsPerEm * 2 / 10;
  }
  if (f.underlineThickness <= 0) f.underlineThickness = f.unitsPerEm / 14;
  if (f.strikeOutSize <= 0) f.strikeOutSize = f.underlineThickness;
}

}  // namespace

FontFace::~FontFace() {
  if (face != nullptr) FT_Done_Face(face);
}

bool FontFace::SetSize(long emSize26) {
  if (emSize26 == currentSize26) return true;
  if (FT_Set_Char_Size(face, 0, emSize26, 72, 72) != 0) return false;
  currentSize26 = emSize26;
  return true;
}

FontFace* OpenFace(const std::string& path, int index) {
  FaceRegistry& registry = Registry();
  auto key = std::make_pair(path, index);
  auto it = registry.faces.find(key);
  if (it != registry.faces.end()) return it->second.get();
  std::unique_ptr<FontFace> opened;
  if (registry.library.handle != nullptr) {
    auto face = std::make_unique<FontFace>();
    if (FT_New_Face(registry.library.handle, path.c_str(), index, &face->face) == 0 &&
        FT_IS_SCALABLE(face->face)) {
      FT_Select_Charmap(face->face, FT_ENCODING_UNICODE);
      ReadDesignMetrics(*face);
      opened = std::move(face);
    }
  }
  // A file that failed stays recorded as nullptr, so it is not tried again.
  FontFace* result = opened.get();
  registry.faces.emplace(key, std::move(opened));
  return result;
}

}  // namespace fw
