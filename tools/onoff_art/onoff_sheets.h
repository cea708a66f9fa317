// The picture sheets of the on/off button, drawn from code. Each sheet holds four glyphs in a
// 2 x 2 grid: top row enabled, bottom row disabled, left column on, right column off. Pixels of
// the key colour are background. The program panekit-onoff-art writes them to resources/.
//
// Flow: DrawOnOffSheets walks the sheet table (onoff_sheets.cpp); each glyph painter
// (glyphs.h) paints the on and the off glyph into a Layer (layer.h) from shapes (shapes.h);
// the disabled glyphs are the enabled ones turned grey and paler; every layer is put on the
// sheet over the key colour.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"

namespace onoff_art {

// The background of every sheet: red 235, green 190, blue 235.
constexpr fw::TColor kKeyColor = fw::TColor(0xEBBEEB);

struct SheetImage {
  std::string name;  // the resource name: "CHECKBOX", "RADIOBUT", ...
  std::unique_ptr<fw::TBitmap> image;
};

// The 23 sheets in the order of the button styles (CHECKBOX ... USER5).
std::vector<SheetImage> DrawOnOffSheets();

}  // namespace onoff_art
