// Painter: the small pixel toolkit the palette icons are drawn with. Boxes and lines take
// inclusive pixel coordinates (the way one counts pixels in an icon), colours are 0xRRGGBB as
// in colour pickers, and nothing is anti-aliased against the background, so every edge pixel
// is either picture or the key colour.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "framework/graphics/bitmap.h"

namespace palette_art {

using Rgb = uint32_t;  // 0xRRGGBB

// The shades of a light-grey button face, lit from the top left.
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kFace = 0xD4D0C8;
constexpr Rgb kShadow = 0x808080;
constexpr Rgb kDark = 0x404040;
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kNavy = 0x0A246A;  // selection

// Mixes a and b: t / 256 of the way from a to b, per channel, in integers.
Rgb Mix(Rgb a, Rgb b, int t);

// A sprite colour: the character that stands for it in the rows and its colour.
struct Ink {
  char code;
  Rgb colour;
};

class Painter {
 public:
  // Fills the bitmap with the key colour.
  Painter(fw::TBitmap& bitmap, fw::TColor key);

  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }

  void Px(int x, int y, Rgb c);  // pixels outside the bitmap are left out
  void Fill(int x0, int y0, int x1, int y1, Rgb c);
  // Back to the key colour: the background again.
  void Erase(int x0, int y0, int x1, int y1);
  void HLine(int x0, int x1, int y, Rgb c) { Fill(x0, y, x1, y, c); }
  void VLine(int x, int y0, int y1, Rgb c) { Fill(x, y0, x, y1, c); }
  void Frame(int x0, int y0, int x1, int y1, Rgb c);
  // Both end points painted.
  void Line(int x0, int y0, int x1, int y1, Rgb c);
  // Dotted: every second pixel, starting with the first.
  void DottedHLine(int x0, int x1, int y, Rgb c);
  void DottedVLine(int x, int y0, int y1, Rgb c);

  // A gradient from `from` at the first row to `to` at the last.
  void VGradient(int x0, int y0, int x1, int y1, Rgb from, Rgb to);

  // A raised button: white top-left, dark grey bottom-right with a grey inner shadow, the face
  // inside.
  void Raised(int x0, int y0, int x1, int y1, Rgb face = kFace);
  // A sunken field two pixels deep (edit boxes, lists), filled with `inside`.
  void Sunken(int x0, int y0, int x1, int y1, Rgb inside);
  // A sunken edge one pixel deep (labels, gauges), filled with `inside`.
  void ThinSunken(int x0, int y0, int x1, int y1, Rgb inside);

  // Pixel art: one string per row, each character an ink's code; other characters
  // (by habit '.') are left as they are.
  void Sprite(int x, int y, std::initializer_list<std::string_view> rows,
              std::initializer_list<Ink> inks);

  // Digits, '.' and '-' (and ':' in the small face) in a 3 x 5 and a 4 x 7 face; one pixel
  // between characters ('.' takes one column). Returns the width drawn.
  int Text3x5(int x, int y, std::string_view text, Rgb c);
  int Text4x7(int x, int y, std::string_view text, Rgb c);

 private:
  fw::TBitmap& bitmap_;
  fw::TPixel key_;
};

}  // namespace palette_art
