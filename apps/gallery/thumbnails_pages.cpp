// Gallery page of the thumbnail strip, as live controls: three thousand pictures drawn in code
// (landscapes of many colours, wide and tall) in a strip with a scroll bar, smoothing, marks and
// a multiple selection; beside it a strip showing the other ways a slide can look (the ID
// label, a bare cover, nothing), other frames and colours and half a row scrolled.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "apps/gallery/gallery.h"
#include "browse/ZEB_Thumbnails.h"

namespace gallery {
namespace {

using namespace fw;
using namespace zeb;

// A colour of the hue wheel, k in 0..359, at full saturation, brightness `v` (0..255).
TColor Hue(int k, int v) {
  const int sector = (k / 60) % 6, f = (k % 60) * v / 60;
  switch (sector) {
    case 0:
      return RGB(uint8_t(v), uint8_t(f), 0);
    case 1:
      return RGB(uint8_t(v - f), uint8_t(v), 0);
    case 2:
      return RGB(0, uint8_t(v), uint8_t(f));
    case 3:
      return RGB(0, uint8_t(v - f), uint8_t(v));
    case 4:
      return RGB(uint8_t(f), 0, uint8_t(v));
    default:
      return RGB(uint8_t(v), 0, uint8_t(v - f));
  }
}

// Picture `id`: a sky in bands, a sun, two hills and a tree, its colours and shape taken from
// the ID; every fifth picture stands upright.
void DrawLandscape(TBitmap& picture, int id) {
  const bool upright = id % 5 == 0;
  const int w = upright ? 90 : 160, h = upright ? 120 : 100;
  picture.SetSize(w, h);
  TCanvas* c = picture.Canvas();
  const int hue = (id * 37) % 360;
  for (int band = 0; band < 12; ++band) {
    c->Brush()->SetColor(Hue((hue + band * 3) % 360, 100 + band * 12));
    c->FillRect(Rect(0, band * h / 12, w, (band + 1) * h / 12 + 1));
  }
  c->Brush()->SetColor(RGB(250, 230, 90));
  c->Pen()->SetColor(RGB(250, 200, 60));
  const int sx = 10 + (id * 13) % (w - 30), sy = 8 + (id * 7) % (h / 4);
  c->Ellipse(sx, sy, sx + 18, sy + 18);
  c->Pen()->SetColor(Hue((hue + 180) % 360, 90));
  c->Brush()->SetColor(Hue((hue + 150) % 360, 150));
  const TPoint back[] = {{0, h}, {0, h * 2 / 3}, {w / 3, h / 2}, {w, h * 3 / 4}, {w, h}};
  c->Polygon(back);
  c->Brush()->SetColor(Hue((hue + 120) % 360, 110));
  const TPoint front[] = {{0, h}, {0, h * 5 / 6}, {w * 2 / 3, h * 2 / 3}, {w, h * 5 / 6}, {w, h}};
  c->Polygon(front);
  const int tx = (id * 29) % (w - 20) + 6;
  c->Brush()->SetColor(RGB(110, 70, 30));
  c->FillRect(Rect(tx + 5, h * 2 / 3, tx + 9, h * 2 / 3 + 18));
  c->Brush()->SetColor(RGB(30, 110, 40));
  c->Ellipse(tx, h * 2 / 3 - 16, tx + 14, h * 2 / 3 + 4);
}

void BuildThumbnails(TForm& page) {
  // Three thousand pictures, each drawn into the strip's buffer when its slide shows.
  PlaceCaptioned<TThumbnails>(
      page, 10, 10, 470, 550, "3000 pictures drawn in code: scroll bar, wheel, Ctrl/Shift+click",
      [](TThumbnails& t) {
        t.SetName("Pictures");
        t.SetShowScrollBar(true);
        t.SetAntiAlias(true);
        t.SetSlideSize(128);
        t.SetSlideSelectMode(ssmMultiple);
        t.SetMax(3000);
        for (int id : {2, 6, 7, 8}) t.SetSelectedSlide(id, true);
        t.OnImageRequest = [](TObject*, int id, TImageRequestProcessing& how, int& mark,
                              std::shared_ptr<TBitmap>& buffer) {
          DrawLandscape(*buffer, id);
          how = irpShowSlide;
          if (id % 7 == 0) mark = 19;
        };
      });
  // The other ways to show a slide, by ID: label, picture, bare cover, nothing.
  PlaceCaptioned<TThumbnails>(
      page, 490, 10, 300, 550, "ID label, picture, bare cover, nothing; marks", [](TThumbnails& t) {
        t.SetName("Kinds");
        t.SetSlideSize(100);
        t.SetSlideMargin(5);
        t.SetSlideDistance(6);
        t.SetMax(40);
        t.SetColorBackGnd(RGB(40, 48, 64));
        t.SetColorCover(RGB(200, 210, 225));
        t.SetColorSelected(RGB(200, 120, 20));
        t.SetOuterFrameStyle(fstEmbossed);
        t.SetInnerFrameStyle(fstPlain);
        t.SetFrameStyle(fstRaised);
        t.SetColorMark(clRed);
        t.SetSelectedSlide(6, true);
        t.SetFirstThumbIx(4);  // half a row scrolled out at the top
        t.OnImageRequest = [](TObject*, int id, TImageRequestProcessing& how, int& mark,
                              std::shared_ptr<TBitmap>& buffer) {
          how = static_cast<TImageRequestProcessing>(id % 4);
          if (how == irpShowSlide) DrawLandscape(*buffer, id);
          mark = id % 3 == 0 ? 8 + id % 11 : -1;
        };
      });
}

}  // namespace

std::vector<Page> ThumbnailPages() {
  return {
      LivePage("browse_thumbnails",
               "Thumbnail strip: 3000 pictures with a scroll bar; the ways to show a slide", 800,
               600, BuildThumbnails),
  };
}

}  // namespace gallery
