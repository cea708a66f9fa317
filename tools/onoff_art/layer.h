// Layer: a glyph being painted, in floating-point colour with coverage (alpha), so shapes
// blend their anti-aliased edges into what lies under them. Paints give a colour per point:
// solid, gradients, and the bevel light of a shape's edge (light from the top left).
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

#include "tools/onoff_art/shapes.h"

namespace onoff_art {

// A colour with channels 0..255 and opacity 0..1 (not premultiplied).
struct Rgba {
  double r = 0;
  double g = 0;
  double b = 0;
  double a = 0;
};

// 0xRRGGBB as written in colour pickers.
constexpr Rgba Hex(uint32_t rgb, double alpha = 1) {
  return {double((rgb >> 16) & 0xFF), double((rgb >> 8) & 0xFF), double(rgb & 0xFF), alpha};
}
Rgba Mix(Rgba a, Rgba b, double t);  // t = 0 gives a, 1 gives b
Rgba WithAlpha(Rgba c, double alpha);

using Paint = std::function<Rgba(Vec)>;

struct Stop {
  double at;  // 0..1 along the gradient
  Rgba colour;
};

Paint Solid(Rgba colour);
// Colour by position along the line from p0 (at 0) to p1 (at 1); clamped beyond the ends.
Paint Linear(Vec p0, Vec p1, std::initializer_list<Stop> stops);
// Colour by distance from the centre (0) to radius (1); clamped beyond.
Paint Radial(Vec centre, double radius, std::initializer_list<Stop> stops);
// White where the edge of `shape` faces the light, black where it faces away, fading to
// nothing `width` pixels inside: a raised edge; `raised` false turns it into a sunken one.
Paint BevelLight(const Shape& shape, double width, double strength, bool raised = true);

class Layer {
 public:
  Layer(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Paints the shape: each pixel's coverage is sampled on an 8 x 8 grid where the edge
  // crosses it; the paint's colour at the pixel centre is blended over what is there.
  void Fill(const Shape& shape, const Paint& paint);
  // The colour of pixel (x, y), not premultiplied; opacity 0 where nothing was painted.
  Rgba At(int x, int y) const;
  void Set(int x, int y, Rgba colour);

 private:
  double Coverage(const Shape& shape, int x, int y) const;

  int width_;
  int height_;
  std::vector<Rgba> pixels_;  // premultiplied colour
};

}  // namespace onoff_art
