// Signed distances of the primitives (see shapes.h) and their combinations. Distances that are
// not exact (the ellipse, the combinations) stay below the true distance, which is all the
// coverage sampling needs to skip pixels safely.
#include "tools/onoff_art/shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace onoff_art {

namespace {

double Length(Vec v) {
  return std::sqrt(v.x * v.x + v.y * v.y);
}

Vec Minus(Vec a, Vec b) {
  return {a.x - b.x, a.y - b.y};
}

double Dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y;
}

Box Around(Vec centre, double rx, double ry) {
  return {centre.x - rx, centre.y - ry, centre.x + rx, centre.y + ry};
}

Box Joined(const Box& a, const Box& b) {
  return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Box Widened(const Box& b, double d) {
  return {b.x0 - d, b.y0 - d, b.x1 + d, b.y1 + d};
}

// Distance from p to the segment a-b.
double SegmentDistance(Vec p, Vec a, Vec b) {
  const Vec pa = Minus(p, a);
  const Vec ba = Minus(b, a);
  const double len2 = Dot(ba, ba);
  const double t = len2 > 0 ? std::clamp(Dot(pa, ba) / len2, 0.0, 1.0) : 0.0;
  return Length({pa.x - ba.x * t, pa.y - ba.y * t});
}

Box PointsBox(const std::vector<Vec>& points) {
  Box b{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Vec& p : points) b = Joined(b, {p.x, p.y, p.x, p.y});
  return b;
}

}  // namespace

Vec Shape::Normal(Vec p) const {
  constexpr double h = 0.25;
  const Vec n{Distance({p.x + h, p.y}) - Distance({p.x - h, p.y}),
              Distance({p.x, p.y + h}) - Distance({p.x, p.y - h})};
  const double len = Length(n);
  return len > 0 ? Vec{n.x / len, n.y / len} : Vec{0, 0};
}

Shape Circle(Vec centre, double radius) {
  return Shape([=](Vec p) { return Length(Minus(p, centre)) - radius; },
               Around(centre, radius, radius));
}

// Scaled to a circle and back: exact on the axes, below the true distance elsewhere.
Shape Ellipse(Vec centre, double rx, double ry) {
  const double shortest = std::min(rx, ry);
  return Shape(
      [=](Vec p) {
        const Vec q{(p.x - centre.x) / rx, (p.y - centre.y) / ry};
        return (Length(q) - 1) * shortest;
      },
      Around(centre, rx, ry));
}

Shape RoundRect(Box box, double radius) {
  const Vec centre{(box.x0 + box.x1) / 2, (box.y0 + box.y1) / 2};
  const Vec half{(box.x1 - box.x0) / 2 - radius, (box.y1 - box.y0) / 2 - radius};
  return Shape(
      [=](Vec p) {
        const Vec q{std::abs(p.x - centre.x) - half.x, std::abs(p.y - centre.y) - half.y};
        const double outside = Length({std::max(q.x, 0.0), std::max(q.y, 0.0)});
        return outside + std::min(std::max(q.x, q.y), 0.0) - radius;
      },
      box);
}

// Nearest edge for the size, crossings of a ray to the right for the sign.
Shape Polygon(std::vector<Vec> points) {
  const Box bounds = PointsBox(points);
  return Shape(
      [points = std::move(points)](Vec p) {
        double nearest = 1e30;
        bool inside = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
          const Vec a = points[i], b = points[j];
          nearest = std::min(nearest, SegmentDistance(p, a, b));
          if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
        }
        return inside ? -nearest : nearest;
      },
      bounds);
}

Shape Capsule(Vec a, Vec b, double width) {
  return Stroke({a, b}, width);
}

Shape Stroke(std::vector<Vec> path, double width) {
  const Box bounds = Widened(PointsBox(path), width / 2);
  return Shape(
      [path = std::move(path), width](Vec p) {
        double nearest = 1e30;
        for (size_t i = 0; i + 1 < path.size(); ++i)
          nearest = std::min(nearest, SegmentDistance(p, path[i], path[i + 1]));
        return nearest - width / 2;
      },
      bounds);
}

std::vector<Vec> ArcPoints(Vec centre, double radius, double a0, double a1, int steps) {
  std::vector<Vec> points;
  for (int i = 0; i <= steps; ++i) {
    const double a = (a0 + (a1 - a0) * i / steps) * std::numbers::pi / 180;
    points.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
  }
  return points;
}

Shape Union(const Shape& a, const Shape& b) {
  return Shape([=](Vec p) { return std::min(a.Distance(p), b.Distance(p)); },
               Joined(a.Bounds(), b.Bounds()));
}

Shape Intersect(const Shape& a, const Shape& b) {
  const Box& ba = a.Bounds();
  const Box& bb = b.Bounds();
  return Shape([=](Vec p) { return std::max(a.Distance(p), b.Distance(p)); },
               {std::max(ba.x0, bb.x0), std::max(ba.y0, bb.y0), std::min(ba.x1, bb.x1),
                std::min(ba.y1, bb.y1)});
}

Shape Subtract(const Shape& a, const Shape& b) {
  return Shape([=](Vec p) { return std::max(a.Distance(p), -b.Distance(p)); }, a.Bounds());
}

Shape Grow(const Shape& s, double d) {
  return Shape([=](Vec p) { return s.Distance(p) - d; }, Widened(s.Bounds(), std::max(d, 0.0)));
}

Shape InnerBand(const Shape& s, double width) {
  return Shape(
      [=](Vec p) {
        const double d = s.Distance(p);
        return std::max(d, -(d + width));
      },
      s.Bounds());
}

Shape Moved(const Shape& s, Vec offset) {
  const Box& b = s.Bounds();
  return Shape(
      [=](Vec p) {
        return s.Distance({p.x - offset.x, p.y - offset.y});
      },
      {b.x0 + offset.x, b.y0 + offset.y, b.x1 + offset.x, b.y1 + offset.y});
}

}  // namespace onoff_art
