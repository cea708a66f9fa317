// Shapes for the on/off button artwork, described by signed distance: negative inside, positive
// outside, never more than the true distance to the edge. That one number gives the inside test
// for coverage, grown and shrunk copies, bands along the edge and the edge's normal for shading.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace onoff_art {

// A point or a direction in glyph pixels: pixel (i, j) covers [i, i + 1) x [j, j + 1).
struct Vec {
  double x = 0;
  double y = 0;
};

// An axis-aligned box: left, top, right, bottom.
struct Box {
  double x0 = 0;
  double y0 = 0;
  double x1 = 0;
  double y1 = 0;
};

class Shape {
 public:
  using DistanceFn = std::function<double(Vec)>;
  // bounds: a box holding every point with a negative distance.
  Shape(DistanceFn distance, Box bounds) : distance_(std::move(distance)), bounds_(bounds) {}

  double Distance(Vec p) const { return distance_(p); }
  const Box& Bounds() const { return bounds_; }
  // The outward unit normal of the nearest edge (from the distance's slope).
  Vec Normal(Vec p) const;

 private:
  DistanceFn distance_;
  Box bounds_;
};

// Primitives.
Shape Circle(Vec centre, double radius);
Shape Ellipse(Vec centre, double rx, double ry);
Shape RoundRect(Box box, double radius);
// A closed polygon of any winding (even-odd inside rule).
Shape Polygon(std::vector<Vec> points);
// A stroke of the given width along a segment or an open path, with round ends.
Shape Capsule(Vec a, Vec b, double width);
Shape Stroke(std::vector<Vec> path, double width);
// Points along the arc of a circle from angle a0 to a1 (degrees, 0 = right, 90 = down, as
// the y axis points down), for Stroke and Polygon.
std::vector<Vec> ArcPoints(Vec centre, double radius, double a0, double a1, int steps);

// Combinations.
Shape Union(const Shape& a, const Shape& b);
Shape Intersect(const Shape& a, const Shape& b);
Shape Subtract(const Shape& a, const Shape& b);
// Grown outwards by d pixels (negative d shrinks).
Shape Grow(const Shape& s, double d);
// The band of the given width just inside the edge.
Shape InnerBand(const Shape& s, double width);
// The shape moved by an offset.
Shape Moved(const Shape& s, Vec offset);

}  // namespace onoff_art
