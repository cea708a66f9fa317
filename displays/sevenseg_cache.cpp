// TSevenSeg's image cache: the segment images coloured, each character composed at design
// resolution from them, and scaled into its cell of the cache strip.
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

}  // namespace

// White stays the background of the images, so a white text is drawn in $FEFEFE.
void TSevenSeg::ColorizeSegments(fw::TColor color) {
  color = fw::ColorToRGB(color);
  if (color == 0xFFFFFF) color = 0xFEFEFE;
  for (int kind = kHorz; kind <= kDegree; ++kind)
    FillShape(*segments_[kind], static_cast<Image>(kind), color);
}

// The character's shapes ANDed onto white, then the white joined to the corner made
// background; the inside of the shapes keeps the text colour.
void TSevenSeg::CreateDigit(int charIndex, bool withDot) {
  fw::TCanvas* c = work_->Canvas();
  c->SetCopyMode(fw::cmSrcCopy);
  c->Pen()->SetColor(fw::clWhite);
  c->Brush()->SetColor(fw::clWhite);
  c->Rectangle(0, 0, kDesignWidth, kDesignHeight);
  c->SetCopyMode(fw::cmSrcAnd);
  c->Brush()->SetColor(colorBackGnd_);
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
  c->FloodFill(1, 1, c->Pixels(1, 1), fw::fsSurface);
}

void TSevenSeg::CreateImageCache() {
  ++cacheBuilds_;
  const int margin = UsedMargin();
  const int digitWidth = (Width() - 2 * margin) / numDigits_;
  cellWidth_ = std::max(digitWidth - interDigDist_, 1);
  const int height = std::max(Height() - 2 * margin, 1);
  cache_->SetSize(cellWidth_ * kSevenSegChars, height);
  fw::TCanvas* c = cache_->Canvas();
  c->Pen()->SetColor(colorBackGnd_);
  c->Brush()->SetColor(colorBackGnd_);
  c->Rectangle(0, 0, cache_->Width(), height);
  ColorizeSegments(colorText_);
  fw::SetStretchBltMode(c, fw::HALFTONE);
  for (int i = 0; i < kSevenSegChars; ++i) {
    CreateDigit(i, false);
    fw::StretchBlt(c, cellWidth_ * i, 0, cellWidth_, height, work_->Canvas(), 0, 0, kDesignWidth,
                   kDesignHeight, fw::SRCCOPY);
  }
}

}  // namespace zeb
