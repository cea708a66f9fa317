// Gallery pages of the indicators, as live controls on the pages' forms: the gradient fill's
// four band types, grid modes, flipped colours, band counts and frames; the mark selector with
// a selection, a highlight, hidden symbols, other grids and colours, and disabled; the progress
// bar in one colour and as a gradient in its three mappings, with a grid, upright, with turned
// text, in each frame style, and one that advances on its own while the page is open.
#include <string>

#include "apps/gallery/gallery.h"
#include "indicators/ZEB_ProgBar.h"
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

void BuildProgressBars(TForm& page) {
  PlaceCaptioned<TProgBar>(page, 10, 10, 300, 28, "Default: 10 %, one colour", [](TProgBar&) {});
  const struct {
    TColorMapping mode;
    const char* name;
  } mappings[] = {{cgmCover, "cgmCover: the bar uncovers the gradient"},
                  {cgmStretch, "cgmStretch: the gradient fills the bar"},
                  {cgmMove, "cgmMove: the last colour at the bar's end"}};
  int y = 60;
  for (const auto& m : mappings) {
    PlaceCaptioned<TProgBar>(page, 10, y, 300, 28, m.name, [&](TProgBar& b) {
      b.SetShowColorGradient(true);
      b.SetColorMapMode(m.mode);
      b.SetValue(60);
      b.SetTextPosX(150);
    });
    y += 50;
  }
  PlaceCaptioned<TProgBar>(page, 10, 210, 300, 28, "Grid every 8 pixels, one decimal",
                           [](TProgBar& b) {
                             b.SetGridDist(8);
                             b.SetColorMin(clTeal);
                             b.SetColorGrid(clWhite);
                             b.SetValue(72.5);
                             b.SetTextDecPlaces(1);
                             b.SetTextPosX(250);
                           });
  PlaceCaptioned<TProgBar>(
      page, 10, 260, 300, 28, "Ends at its anchor, exponent, OnShowValue", [](TProgBar& b) {
        b.SetValue(33);
        b.SetTextDecPlaces(-1);
        b.SetTextAlignment(taRightJustify);
        b.SetTextPosX(290);
        b.OnShowValue = [](TObject*, std::string& text) { text = "value" + text; };
      });
  PlaceCaptioned<TProgBar>(page, 340, 10, 40, 230, "dirUp", [](TProgBar& b) {
    b.SetDirection(dirUp);
    b.SetShowColorGradient(true);
    b.SetColorMapMode(cgmCover);
    b.SetColorMin(clLime);
    b.SetColorMax(clRed);
    b.SetGridDist(6);
    b.SetValue(70);
    b.SetTextAngle(90);
    b.SetTextPosX(20);
    b.SetTextPosY(200);
    b.SetTextAlignment(taLeftJustify);
  });
  PlaceCaptioned<TProgBar>(page, 410, 10, 40, 230, "dirDown", [](TProgBar& b) {
    b.SetDirection(dirDown);
    b.SetShowColorGradient(true);
    b.SetValue(45);
    b.SetTextAngle(270);
    b.SetTextPosX(20);
    b.SetTextPosY(200);
  });
  PlaceCaptioned<TProgBar>(page, 480, 10, 200, 28, "dirLeft, text at 15 degrees", [](TProgBar& b) {
    b.SetDirection(dirLeft);
    b.SetValue(40);
    b.SetColorMin(clMaroon);
    b.SetTextAngle(15);
    b.SetTextPosX(60);
    b.SetTextPosY(18);
    b.Font()->SetColor(clNavy);
  });
  const struct {
    TFrameStyle outer, inner;
    const char* name;
  } frames[] = {{fstNone, fstPlain, "fstNone / fstPlain"},
                {fstRaised, fstSunken, "fstRaised / fstSunken"},
                {fstEmbossed, fstEngraved, "fstEmbossed / fstEngraved"},
                {fstSunken, fstNone, "fstSunken / fstNone, schSystem"}};
  y = 60;
  for (const auto& f : frames) {
    PlaceCaptioned<TProgBar>(page, 480, y, 200, 28, f.name, [&](TProgBar& b) {
      b.SetFrameStyleOuter(f.outer);
      b.SetFrameStyleInner(f.inner);
      b.SetColorMargin(clBtnFace);
      b.SetColorBackGnd(clWhite);
      b.SetValue(55);
      if (f.inner == fstNone) b.SetColorScheme(schSystem);
      b.SetShowValue(false);
    });
    y += 50;
  }
  PlaceCaptioned<TProgBar>(page, 10, 310, 670, 28,
                           "AutoInc: one step after 1.5 s, then every 0.2 s, wrapping at 100",
                           [](TProgBar& b) {
                             b.SetShowColorGradient(true);
                             b.SetColorMapMode(cgmMove);
                             b.SetValue(0);
                             b.SetTextPosX(335);
                             b.SetRepeatIv(200);
                             b.OnAutoInc = [&b](TObject*) {
                               if (b.Value() > 100) b.SetValue(0);
                             };
                             b.SetAutoInc(true);
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
      LivePage("indicators_progbar",
               "Progress bar: colour mappings, grid, directions, turned text, frames, AutoInc", 700,
               370, BuildProgressBars),
  };
}

}  // namespace gallery
