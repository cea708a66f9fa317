// Font instances of the text engine: a FontSpec resolved through fontconfig to a FreeType face
// (or the built-in font) at a pixel size, with its metrics and line placement.
#pragma once

#include "framework/graphics/text_engine.h"

namespace fw {

struct FontFace;  // an open FreeType face (font_face.h)

// A font resolved and sized: everything the layout needs besides the glyphs.
struct FontInstance {
  int id = 0;  // part of glyph keys: equal for instances that render alike, never reused
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

// Drops every instance and glyph (faces stay open). Also done when the active
// resolver changes.
void ResetFontCaches();

}  // namespace fw
