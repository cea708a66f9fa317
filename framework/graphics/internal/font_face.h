// FreeType faces of the text engine: the library handle, faces opened once per font file, and
// the face's design metrics that sizing, underline and strike-out need.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

namespace fw {

struct FontFace {
  FT_Face face = nullptr;
  long currentSize26 = -1;  // em size last set on the face, 1/64 pixel
  // Design metrics in font units.
  int unitsPerEm = 2048;
  int ascender = 0;           // the cell's part above the baseline (Windows ascent of the face)
  int descender = 0;          // the cell's part below the baseline, positive
  int underlinePosition = 0;  // centre of the underline, negative below the baseline
  int underlineThickness = 0;
  int strikeOutPosition = 0;  // top of the strike-out stroke above the baseline
  int strikeOutSize = 0;
  int averageWidth = 0;
  int maxAdvance = 0;

  FontFace() = default;
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;
  ~FontFace();

  // Sets the face's size if it is not set already; false when FreeType refuses it.
  bool SetSize(long emSize26);
};

// The face of a file, opened at first use and kept for the life of the process; nullptr when
// FreeType cannot open it.
FontFace* OpenFace(const std::string& path, int index);

}  // namespace fw
