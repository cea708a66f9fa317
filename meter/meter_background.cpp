// TMeter: the face background: the background colour, or the background picture at its own
// size, stretched or tiled; the tiled picture is kept from one paint to the next.
#include <algorithm>

#include "meter/ZEB_Meter.h"

namespace zeb {

namespace {

// Fills the bitmap with copies of its top-left cellW x cellH cell, which the picture repeats
// with that period: the first rows by doubling the copied length, then those rows downwards.
void RepeatCell(fw::TBitmap& b, int cellW, int cellH) {
  const int w = b.Width(), h = b.Height();
  for (int y = 0; y < cellH; ++y) {
    fw::TPixel* row = b.ScanLine(y);
    for (int done = cellW; done < w; done *= 2)
      std::copy_n(row, std::min(done, w - done), row + done);
  }
  for (int y = cellH; y < h; ++y) std::copy_n(b.ScanLine(y - cellH), w, b.ScanLine(y));
}

}  // namespace

// `part` is the part of the face being drawn (control coordinates).
void TMeter::PaintBackground(fw::TCanvas* c, const fw::TRect& part) {
  const int w = FaceWidth();
  const int h = FaceHeight();
  if (backGroundImg_.empty() || backgroundBitmap_->Empty()) {
    c->SetFont(Font());
    c->Brush()->SetColor(colorBakG_);
    c->Pen()->SetColor(colorBakG_);
    c->Rectangle(0, 0, w, h);
    return;
  }
  const int iw = backgroundBitmap_->Width();
  const int ih = backgroundBitmap_->Height();
  switch (bkgndFillMode_) {
    case bfSimple:
      c->Rectangle(0, 0, w, h);
      c->StretchDraw(fw::Rect(0, 0, iw, ih), backgroundBitmap_.get());
      break;
    case bfStretch:
      c->StretchDraw(fw::Rect(0, 0, w, h), backgroundBitmap_.get());
      break;
    case bfTile:
      if (!fw::IsRectEmpty(part)) c->Draw(part.Left, part.Top, &TiledBackground(part));
      break;
  }
}

// Tiles start at the control's top-left corner. Drawing them one by one costs one draw per
// tile, for a picture of one pixel one per pixel of the face; so the tiles over `part` are
// drawn once, as the single tiles would be, and kept until the picture, the fill mode or the
// part changes.
const fw::TBitmap& TMeter::TiledBackground(const fw::TRect& part) {
  if (tiles_ && tilesPart_ == part) return *tiles_;
  const fw::TBitmap* picture = backgroundBitmap_.get();
  const int iw = picture->Width(), ih = picture->Height();
  auto tiles = std::make_unique<fw::TBitmap>(part.Width(), part.Height());
  fw::TCanvas* c = tiles->Canvas();
  c->SetOrigin(-part.Left, -part.Top);
  // The tiles over the part's first picture-sized cell; the rest repeats that cell.
  const int left = part.Left - part.Left % iw, top = part.Top - part.Top % ih;
  for (int x : {left, left + iw})
    for (int y : {top, top + ih}) c->StretchDraw(fw::Rect(x, y, x + iw, y + ih), picture);
  RepeatCell(*tiles, std::min(iw, part.Width()), std::min(ih, part.Height()));
  tiles_ = std::move(tiles);
  tilesPart_ = part;
  return *tiles_;
}

}  // namespace zeb
