// TSevenSeg's image cache: every character scaled from design resolution into its cell of a
// strip that records, per pixel, the shares of shape and background (the class strip, rebuilt
// only when the cells change size); the cache is that strip in the text and background colours.
#include <algorithm>

#include "displays/ZEB_sevenseg.h"
#include "displays/sevenseg_design.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"

namespace zeb {

void TSevenSeg::EnsureImageCache() {
  if (!cacheStale_) return;
  cacheStale_ = false;
  CreateImageCache();
}

const fw::TBitmap& TSevenSeg::ImageCache() {
  EnsureImageCache();
  return *cache_;
}

int TSevenSeg::CellWidth() {
  EnsureImageCache();
  return cellWidth_;
}

// The cells' geometry from the size, margin, digit count and spacing; the class strip is
// composed and scaled again only when that geometry changed, then coloured.
void TSevenSeg::CreateImageCache() {
  ++cacheBuilds_;
  const int margin = UsedMargin();
  const int digitWidth = (Width() - 2 * margin) / numDigits_;
  cellWidth_ = std::max(digitWidth - interDigDist_, 1);
  const int height = std::max(Height() - 2 * margin, 1);
  if (classes_->Width() != cellWidth_ * kSevenSegChars || classes_->Height() != height) {
    BuildClassStrip(height);
  }
  ColorCache();
}

// Every character composed in the class colours and scaled (area average) into its cell: each
// cell pixel then holds how much of it is shape, background and enclosed white.
void TSevenSeg::BuildClassStrip(int height) {
  classes_->SetSize(cellWidth_ * kSevenSegChars, height);
  fw::TCanvas* c = classes_->Canvas();
  c->Pen()->SetColor(sevenseg::kBackgroundClass);
  c->Brush()->SetColor(sevenseg::kBackgroundClass);
  c->Rectangle(0, 0, classes_->Width(), height);
  fw::SetStretchBltMode(c, fw::HALFTONE);
  for (int i = 0; i < kSevenSegChars; ++i) {
    sevenseg::DrawDesignCharacter(i, *work_);
    fw::StretchBlt(c, cellWidth_ * i, 0, cellWidth_, height, work_->Canvas(), 0, 0,
                   sevenseg::kDesignWidth, sevenseg::kDesignHeight, fw::SRCCOPY);
  }
}

namespace {

// A class pixel's three shares (0..255 each, about 255 together) mixed into a colour.
struct ClassMixer {
  fw::TPixel text, back;
  fw::TPixel operator()(fw::TPixel q) const {
    const int r = int((q >> 16) & 0xFF), g = int((q >> 8) & 0xFF), b = int(q & 0xFF);
    const int enclosed = g, shape = std::max(r - g, 0), ground = std::max(b - g, 0);
    const int total = shape + ground + enclosed;
    if (total == 0) return back;
    fw::TPixel out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
      const int mixed = shape * int((text >> shift) & 0xFF) + ground * int((back >> shift) & 0xFF) +
                        enclosed * 255;
      out |= fw::TPixel((mixed + total / 2) / total) << shift;
    }
    return out;
  }
};

}  // namespace

// The class strip in the text and background colours. White text is drawn $FEFEFE, one shade
// off the white that character images are composed on.
void TSevenSeg::ColorCache() {
  const int w = classes_->Width(), h = classes_->Height();
  cache_->SetSize(w, h);
  fw::TPixel text = fw::ColorToPixel(colorText_);
  if (text == 0xFFFFFF) text = 0xFEFEFE;
  const ClassMixer mix{text, fw::ColorToPixel(colorBackGnd_)};
  for (int y = 0; y < h; ++y) {
    const fw::TPixel* from = classes_->ScanLine(y);
    std::transform(from, from + w, cache_->ScanLine(y), mix);
  }
}

}  // namespace zeb
