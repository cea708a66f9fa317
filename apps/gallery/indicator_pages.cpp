// Gallery pages of the indicators, as live controls on the pages' forms: the gradient fill's
// four band types, grid modes, flipped colours, band counts and frames; the mark selector with
// a selection, a highlight, hidden symbols, other grids and colours, and disabled.
#include <string>

#include "apps/gallery/gallery.h"
#include "indicators/ZEB_gradfl.h"
#include "indicators/ZEB_marksel.h"

namespace gallery {
namespace {

using namespace fw;
using namespace zeb;

// A TGradFill on the form at (x, y), set up by `setup`, with a caption below it.
template <typename Setup>
void PlaceGradFill(TForm& form, int x, int y, int w, int h, const std::string& caption,
                   Setup setup) {
  PlaceCaptioned<TGradFill>(form, x, y, w, h, caption, setup);
}

void BuildGradFills(TForm& page) {
  const struct {
    TGradType type;
    const char* name;
  } types[] = {{gtHoriz, "gtHoriz"},
               {gtVert, "gtVert"},
               {gtMidBandHoriz, "gtMidBandHoriz"},
               {gtMidBandVert, "gtMidBandVert"}};
  int x = 10;
  for (const auto& t : types) {
    PlaceGradFill(page, x, 10, 121, 121, t.name, [&](TGradFill& g) { g.SetFillType(t.type); });
    x += 150;
  }
  PlaceGradFill(page, 10, 170, 121, 121, "8 bands, gmBoth, raised", [](TGradFill& g) {
    g.SetNrColors(8);
    g.SetGridMode(gmBoth);
    g.SetFrameStyle(fstRaised);
  });
  PlaceGradFill(page, 160, 170, 121, 121, "Flipped, gmHoriz", [](TGradFill& g) {
    g.SetColorFirst(clNavy);
    g.SetColorLast(clAqua);
    g.SetColorFlipped(true);
    g.SetNrColors(6);
    g.SetGridMode(gmHoriz);
    g.SetGridColor(clWhite);
    g.SetFrameStyle(fstSunken);
  });
  PlaceGradFill(page, 310, 170, 121, 121, "1 band, fstPlain", [](TGradFill& g) {
    g.SetNrColors(1);
    g.SetFrameStyle(fstPlain);
  });
  PlaceGradFill(page, 460, 170, 121, 121, "255 bands, embossed", [](TGradFill& g) {
    g.SetColorFirst(clBlack);
    g.SetColorLast(clWhite);
    g.SetNrColors(255);
    g.SetFrameStyle(fstEmbossed);
  });
  PlaceGradFill(page, 10, 330, 571, 24, "A colour scale: gtVert, 32 bands, gmVert in black",
                [](TGradFill& g) {
                  g.SetFillType(gtVert);
                  g.SetColorFirst(clBlue);
                  g.SetColorLast(clRed);
                  g.SetNrColors(32);
                  g.SetGridMode(gmVert);
                  g.SetGridColor(clBlack);
                });
}

void BuildMarkSelectors(TForm& page) {
  PlaceCaptioned<TMarkSel>(page, 10, 10, 244, 184, "Default, 12 selected, 20 highlighted",
                           [](TMarkSel& m) {
                             m.SetSelected(12);
                             m.HiLite(20);
                           });
  PlaceCaptioned<TMarkSel>(page, 280, 10, 244, 184, "Symbols 1..7 hidden, 8 x 6", [](TMarkSel& m) {
    for (int i = 1; i <= 7; ++i) m.SetVis(i, false);
    m.SetSelected(19);
    m.SetFrameStyle(fstRaised);
  });
  PlaceCaptioned<TMarkSel>(page, 10, 230, 370, 80, "13 x 4, own colours, no cross",
                           [](TMarkSel& m) {
                             m.SetNrOfColumns(13);
                             m.SetNrOfRows(4);
                             m.SetShowZeroAsCross(false);
                             m.SetColorBackGnd(clWhite);
                             m.SetColorMarks(clTeal);
                             m.SetColorSelBG(clNavy);
                             m.SetColorSelFG(clYellow);
                             m.SetSelected(30);
                           });
  PlaceCaptioned<TMarkSel>(page, 400, 230, 124, 100, "Disabled, 4 x 3", [](TMarkSel& m) {
    m.SetNrOfColumns(4);
    m.SetNrOfRows(3);
    m.SetSelected(5);
    m.SetEnabled(false);
  });
}

}  // namespace

std::vector<Page> IndicatorPages() {
  return {
      LivePage("indicators_gradfill",
               "Gradient fill: the four band types (16 bands), grids, flipping, frames", 600, 380,
               BuildGradFills),
      LivePage("indicators_marksel", "Mark selector: selection, highlight, hidden symbols, sizes",
               540, 350, BuildMarkSelectors),
  };
}

}  // namespace gallery
