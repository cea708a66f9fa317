// TSevenSeg's image cache: each character composed at design resolution from the segment
// images and scaled into its cell of a strip that records, per pixel, the shares of shape and
// background (the class strip, rebuilt only when the cells change size); the cache is that
// strip in the text and background colours.
#include <algorithm>
#include <array>
#include <cstdint>

#include "displays/ZEB_sevenseg.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"

namespace zeb {

namespace {

enum Image { kHorz, kVert, kDot, kPlus, kColon, kDegree };

struct Placement {
  Image image;
  int x, y;
};

// Segments 1..7 (top, upper left, upper right, middle, lower left, lower right, bottom), then
// the dot, the plus sign, the colon and the degree ring, at design resolution.
constexpr std::array<Placement, 11> kPlacements{{{kHorz, 94, 0},
                                                 {kVert, 37, 23},
                                                 {kVert, 244, 23},
                                                 {kHorz, 57, 197},
                                                 {kVert, 0, 220},
                                                 {kVert, 207, 220},
                                                 {kHorz, 20, 394},
                                                 {kDot, 269, 394},
                                                 {kPlus, 57, 120},
                                                 {kColon, 122, 121},
                                                 {kDegree, 150, 0}}};
constexpr int kDotPlacement = 7;

// The placements lit for each character of SevenSegCharList, bit k for kPlacements[k].
constexpr uint16_t Lit(std::initializer_list<int> segments) {
  uint16_t bits = 0;
  for (int s : segments) bits |= uint16_t(1u << (s - 1));
  return bits;
}
constexpr std::array<uint16_t, kSevenSegChars> kLit{
    Lit({1, 2, 3, 5, 6, 7}),
    Lit({3, 6}),
    Lit({1, 3, 4, 5, 7}),
    Lit({1, 3, 4, 6, 7}),
    Lit({2, 3, 4, 6}),
    Lit({1, 2, 4, 6, 7}),
    Lit({1, 2, 4, 5, 6, 7}),
    Lit({1, 3, 6}),
    Lit({1, 2, 3, 4, 5, 6, 7}),
    Lit({1, 2, 3, 4, 6, 7}),
    Lit({4}),
    Lit({9}),   // "+"
    Lit({10}),  // ":"
    Lit({11}),  // "°"
    Lit({1, 2, 3, 4, 5, 6}),
    Lit({2, 4, 5, 6, 7}),
    Lit({1, 2, 5, 7}),
    Lit({3, 4, 5, 6, 7}),
    Lit({1, 2, 4, 5, 7}),
    Lit({1, 2, 4, 5}),
    0,  // "." lights only its dot (CreateDigit adds it)
};

// Where a flood fill reaches every pixel of each image's shape.
void FillShape(fw::TBitmap& image, Image kind, fw::TColor color) {
  fw::TCanvas* c = image.Canvas();
  const int w = image.Width(), h = image.Height();
  c->Brush()->SetColor(color);
  const auto fill = [&](int x, int y) { c->FloodFill(x, y, c->Pixels(x, y), fw::fsSurface); };
  if (kind == kColon) {
    fill(18, h - 18);
    fill(w - 18, 18);
  } else if (kind == kDegree) {
    fill(25, h / 2);
  } else {
    fill(w / 2, h / 2);
  }
}

// The colours the class strip is composed in: a shape pixel is red, a background pixel blue,
// white that the background fill does not reach stays white; scaling mixes them by area.
constexpr fw::TColor kShapeClass = fw::RGB(255, 0, 0);
constexpr fw::TColor kBackgroundClass = fw::RGB(0, 0, 255);

}  // namespace

// The segment images' black shapes in the shape class colour, once for the control's life.
void TSevenSeg::ColorizeSegments() {
  for (int kind = kHorz; kind <= kDegree; ++kind)
    FillShape(*segments_[kind], static_cast<Image>(kind), kShapeClass);
}

// The character's shapes in kShapeClass ANDed onto white, then the white joined to the corner
// made kBackgroundClass; white that no fill reaches stays kEnclosedClass.
void TSevenSeg::CreateDigit(int charIndex, bool withDot) {
  fw::TCanvas* c = work_->Canvas();
  c->SetCopyMode(fw::cmSrcCopy);
  c->Pen()->SetColor(fw::clWhite);
  c->Brush()->SetColor(fw::clWhite);
  c->Rectangle(0, 0, kDesignWidth, kDesignHeight);
  c->SetCopyMode(fw::cmSrcAnd);
  uint16_t lit = charIndex >= 0 ? kLit[static_cast<size_t>(charIndex)] : 0;
  if (withDot || charIndex == kSevenSegChars - 1) lit |= uint16_t(1u << kDotPlacement);
  for (size_t k = 0; k < kPlacements.size(); ++k) {
    if (!(lit & (1u << k))) continue;
    const Placement& p = kPlacements[k];
    fw::TBitmap& image = *segments_[p.image];
    const fw::TRect source = fw::Rect(0, 0, image.Width(), image.Height());
    c->CopyRect(fw::Rect(p.x, p.y, p.x + image.Width(), p.y + image.Height()), image.Canvas(),
                source);
  }
  c->SetCopyMode(fw::cmSrcCopy);
  c->Brush()->SetColor(kBackgroundClass);
  c->FloodFill(1, 1, c->Pixels(1, 1), fw::fsSurface);
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
  c->Pen()->SetColor(kBackgroundClass);
  c->Brush()->SetColor(kBackgroundClass);
  c->Rectangle(0, 0, classes_->Width(), height);
  fw::SetStretchBltMode(c, fw::HALFTONE);
  for (int i = 0; i < kSevenSegChars; ++i) {
    CreateDigit(i, false);
    fw::StretchBlt(c, cellWidth_ * i, 0, cellWidth_, height, work_->Canvas(), 0, 0, kDesignWidth,
                   kDesignHeight, fw::SRCCOPY);
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
