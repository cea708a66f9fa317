// The list of palette icons (see palette_icons.h).
#include "tools/palette_art/palette_icons.h"

namespace palette_art {

namespace {

struct Entry {
  const char* name;
  int size;
  void (*paint)(Painter&);
};

constexpr Entry kIcons[] = {
    {"TMETER", 24, PaintMeter},
    {"TMARKSEL", 24, PaintMarkSel},
    {"TCOLSEL", 24, PaintColSel},
    {"TGRADFILL", 24, PaintGradFill},
    {"TNTABED", 24, PaintNTabEd},
    {"TNUMLAB", 24, PaintNumLab},
    {"TNUMIO", 24, PaintNumIO},
    {"TNUMIO2", 24, PaintNumIO2},
    {"TONOFFBUT", 24, PaintOnOffBut},
    {"TMINICAL", 24, PaintMiniCal},
    {"TROTLAB", 24, PaintRotLab},
    {"TSEVENSEG", 24, PaintSevenSeg},
    {"TPROGBAR", 24, PaintProgBar},
    {"TRASTERLAB", 24, PaintRasterLab},
    {"TFOLDERTREE", 28, PaintFolderTree},
    {"TTHUMBNAILS", 24, PaintThumbnails},
    {"TREPORTLISTVIEW", 24, PaintReportListView},
    {"TREPSPEEDBUTTON", 24, PaintRepSpeedButton},
    {"TRLDATA", 24, PaintRLData},
};

}  // namespace

std::vector<PaletteIcon> DrawPaletteIcons(fw::TColor key) {
  std::vector<PaletteIcon> icons;
  for (const Entry& e : kIcons) {
    auto image = std::make_unique<fw::TBitmap>(e.size, e.size);
    Painter painter(*image, key);
    e.paint(painter);
    icons.push_back({e.name, std::move(image)});
  }
  return icons;
}

}  // namespace palette_art
