// Composing the seven-segment characters once: the segment images' shapes coloured, ANDed onto
// white at their places, the white joined to the corner filled as background; the result kept
// as runs of classes per row.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "displays/ZEB_sevenseg.h"
#include "displays/sevenseg_design.h"
#include "framework/graphics/canvas.h"

namespace zeb::sevenseg {

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

constexpr std::array<const char*, 6> kSegmentResources{"SEGHORZ", "SEGVERT",  "SEGDOT",
                                                       "SEGPLUS", "SEGCOLON", "SEGDEG"};

using SegmentImages = std::array<std::unique_ptr<fw::TBitmap>, 6>;

// The six images with their shapes in the shape class colour.
SegmentImages LoadSegments() {
  SegmentImages images;
  for (size_t i = 0; i < images.size(); ++i) {
    images[i] = std::make_unique<fw::TBitmap>();
    images[i]->LoadFromResourceName(kSegmentResources[i]);
    images[i]->SetPixelFormat(fw::pf32bit);
    FillShape(*images[i], static_cast<Image>(i), kShapeClass);
  }
  return images;
}

// The character's shapes ANDed onto white, then the white joined to the corner made background;
// white that the fill does not reach stays white.
void Compose(int charIndex, const SegmentImages& segments, fw::TBitmap& work) {
  fw::TCanvas* c = work.Canvas();
  c->SetCopyMode(fw::cmSrcCopy);
  c->Pen()->SetColor(fw::clWhite);
  c->Brush()->SetColor(fw::clWhite);
  c->Rectangle(0, 0, kDesignWidth, kDesignHeight);
  c->SetCopyMode(fw::cmSrcAnd);
  uint16_t lit = kLit[static_cast<size_t>(charIndex)];
  if (charIndex == kSevenSegChars - 1) lit |= uint16_t(1u << kDotPlacement);
  for (size_t k = 0; k < kPlacements.size(); ++k) {
    if (!(lit & (1u << k))) continue;
    const Placement& p = kPlacements[k];
    fw::TBitmap& image = *segments[p.image];
    const fw::TRect source = fw::Rect(0, 0, image.Width(), image.Height());
    c->CopyRect(fw::Rect(p.x, p.y, p.x + image.Width(), p.y + image.Height()), image.Canvas(),
                source);
  }
  c->SetCopyMode(fw::cmSrcCopy);
  c->Brush()->SetColor(kBackgroundClass);
  c->FloodFill(1, 1, c->Pixels(1, 1), fw::fsSurface);
}

// One row as runs of equal pixels.
struct Run {
  uint16_t length;
  fw::TPixel pixel;
};
using CodedCharacter = std::vector<std::vector<Run>>;

CodedCharacter Encode(const fw::TBitmap& image) {
  CodedCharacter rows(static_cast<size_t>(kDesignHeight));
  for (int y = 0; y < kDesignHeight; ++y) {
    const fw::TPixel* row = image.ScanLine(y);
    for (int x = 0; x < kDesignWidth;) {
      int end = x + 1;
      while (end < kDesignWidth && row[end] == row[x]) ++end;
      rows[static_cast<size_t>(y)].push_back({static_cast<uint16_t>(end - x), row[x]});
      x = end;
    }
  }
  return rows;
}

using CodedCharacters = std::array<CodedCharacter, kSevenSegChars>;

CodedCharacters ComposeAll() {
  const SegmentImages segments = LoadSegments();
  fw::TBitmap work(kDesignWidth, kDesignHeight);
  CodedCharacters all;
  for (int i = 0; i < kSevenSegChars; ++i) {
    Compose(i, segments, work);
    all[static_cast<size_t>(i)] = Encode(work);
  }
  return all;
}

}  // namespace

void DrawDesignCharacter(int charIndex, fw::TBitmap& work) {
  static const CodedCharacters characters = ComposeAll();
  const CodedCharacter& coded = characters[static_cast<size_t>(charIndex)];
  for (int y = 0; y < kDesignHeight; ++y) {
    fw::TPixel* out = work.ScanLine(y);
    for (const Run& run : coded[static_cast<size_t>(y)])
      out = std::fill_n(out, run.length, run.pixel);
  }
}

}  // namespace zeb::sevenseg
