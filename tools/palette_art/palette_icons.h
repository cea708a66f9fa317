// The palette bitmaps of the design-time package, drawn from code: one small picture per
// component class, named after the class in upper case (TMETER, TNUMIO2, ...), 24 x 24 pixels
// (TFOLDERTREE 28 x 28), clean toolbar-style pictures lit from the top left, meant for a
// light-grey button face.
//
// Transparency: the colour of a bitmap's bottom-left pixel is its transparent colour. Every
// icon fills its background with the key colour (magenta, clFuchsia, unless asked otherwise),
// keeps the bottom-left pixel free, and uses the key colour nowhere in the picture itself, so
// a palette can draw the icon on any button face. The drawing never depends on the key: drawn
// with another key, exactly the background pixels change.
//
// The program panekit-palette-art writes them to design/palette/ as 24-bit BMP files.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "tools/palette_art/painter.h"

namespace palette_art {

constexpr fw::TColor kKeyColor = fw::clFuchsia;

struct PaletteIcon {
  std::string name;  // the class name in upper case: "TMETER", ...
  std::unique_ptr<fw::TBitmap> image;
};

// The nineteen icons in palette order: TMETER, TMARKSEL, TCOLSEL, TGRADFILL, TNTABED, TNUMLAB,
// TNUMIO, TNUMIO2, TONOFFBUT, TMINICAL, TROTLAB, TSEVENSEG, TPROGBAR, TRASTERLAB, TFOLDERTREE,
// TTHUMBNAILS, TREPORTLISTVIEW, TREPSPEEDBUTTON, TRLDATA.
std::vector<PaletteIcon> DrawPaletteIcons(fw::TColor key = kKeyColor);

// The painters, one per icon, grouped by family.
// Inputs and selectors (palette_icons_inputs.cpp).
void PaintMarkSel(Painter& p);
void PaintColSel(Painter& p);
void PaintNTabEd(Painter& p);
void PaintNumIO(Painter& p);
void PaintNumIO2(Painter& p);
void PaintOnOffBut(Painter& p);
void PaintRepSpeedButton(Painter& p);
// Displays (palette_icons_displays.cpp).
void PaintMeter(Painter& p);
void PaintGradFill(Painter& p);
void PaintNumLab(Painter& p);
void PaintRotLab(Painter& p);
void PaintSevenSeg(Painter& p);
void PaintProgBar(Painter& p);
void PaintRasterLab(Painter& p);
// Browsing and data (palette_icons_data.cpp).
void PaintMiniCal(Painter& p);
void PaintFolderTree(Painter& p);
void PaintThumbnails(Painter& p);
void PaintReportListView(Painter& p);
void PaintRLData(Painter& p);

}  // namespace palette_art
