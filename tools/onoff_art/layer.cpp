// Painting shapes into a layer (see layer.h).
#include "tools/onoff_art/layer.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace onoff_art {

namespace {

constexpr int kSamples = 8;  // per pixel side where an edge crosses the pixel
// A pixel centre this far from the edge is fully inside or outside (half a diagonal, rounded
// up), so it needs no sampling.
constexpr double kSureDistance = 0.75;

Rgba StopColour(const std::vector<Stop>& stops, double t) {
  if (t <= stops.front().at) return stops.front().colour;
  for (size_t i = 1; i < stops.size(); ++i)
    if (t <= stops[i].at) {
      const double span = stops[i].at - stops[i - 1].at;
      return Mix(stops[i - 1].colour, stops[i].colour,
                 span > 0 ? (t - stops[i - 1].at) / span : 1.0);
    }
  return stops.back().colour;
}

}  // namespace

Rgba Mix(Rgba a, Rgba b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
          a.a + (b.a - a.a) * t};
}

Rgba WithAlpha(Rgba c, double alpha) {
  c.a = alpha;
  return c;
}

Paint Solid(Rgba colour) {
  return [colour](Vec) { return colour; };
}

Paint Linear(Vec p0, Vec p1, std::initializer_list<Stop> stops) {
  const Vec d{p1.x - p0.x, p1.y - p0.y};
  const double len2 = d.x * d.x + d.y * d.y;
  return [=, stops = std::vector<Stop>(stops)](Vec p) {
    const double t = ((p.x - p0.x) * d.x + (p.y - p0.y) * d.y) / len2;
    return StopColour(stops, t);
  };
}

Paint Radial(Vec centre, double radius, std::initializer_list<Stop> stops) {
  return [=, stops = std::vector<Stop>(stops)](Vec p) {
    const double dx = p.x - centre.x, dy = p.y - centre.y;
    return StopColour(stops, std::sqrt(dx * dx + dy * dy) / radius);
  };
}

Paint BevelLight(const Shape& shape, double width, double strength, bool raised) {
  return [=](Vec p) {
    const Vec n = shape.Normal(p);
    // Light falls from the top left: an outward normal pointing there is lit.
    double facing = -(n.x + n.y) / std::sqrt(2.0);
    if (!raised) facing = -facing;
    const double depth = std::clamp(-shape.Distance(p) / width, 0.0, 1.0);
    const double alpha = strength * std::abs(facing) * (1 - depth);
    return facing >= 0 ? Hex(0xFFFFFF, alpha) : Hex(0x000000, alpha);
  };
}

Layer::Layer(int width, int height)
    : width_(width), height_(height), pixels_(size_t(width) * size_t(height)) {}

double Layer::Coverage(const Shape& shape, int x, int y) const {
  const double centre = shape.Distance({x + 0.5, y + 0.5});
  if (centre >= kSureDistance) return 0;
  if (centre <= -kSureDistance) return 1;
  int inside = 0;
  for (int j = 0; j < kSamples; ++j)
    for (int i = 0; i < kSamples; ++i)
      inside += shape.Distance({x + (i + 0.5) / kSamples, y + (j + 0.5) / kSamples}) < 0;
  return double(inside) / (kSamples * kSamples);
}

void Layer::Fill(const Shape& shape, const Paint& paint) {
  const Box& b = shape.Bounds();
  const int x0 = std::max(0, int(std::floor(b.x0)) - 1);
  const int y0 = std::max(0, int(std::floor(b.y0)) - 1);
  const int x1 = std::min(width_, int(std::ceil(b.x1)) + 1);
  const int y1 = std::min(height_, int(std::ceil(b.y1)) + 1);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const double cover = Coverage(shape, x, y);
      if (cover == 0) continue;
      const Rgba c = paint({x + 0.5, y + 0.5});
      const double a = cover * std::clamp(c.a, 0.0, 1.0);
      Rgba& d = pixels_[size_t(y) * size_t(width_) + size_t(x)];
      d = {c.r * a + d.r * (1 - a), c.g * a + d.g * (1 - a), c.b * a + d.b * (1 - a),
           a + d.a * (1 - a)};
    }
}

Rgba Layer::At(int x, int y) const {
  const Rgba& p = pixels_[size_t(y) * size_t(width_) + size_t(x)];
  if (p.a <= 0) return {};
  return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

void Layer::Set(int x, int y, Rgba c) {
  pixels_[size_t(y) * size_t(width_) + size_t(x)] = {c.r * c.a, c.g * c.a, c.b * c.a, c.a};
}

}  // namespace onoff_art
