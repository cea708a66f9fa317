// Lines: Bresenham's walk for 1-pixel pens (end point excluded, dash patterns, gaps), and
// centred wide lines with round ends filled row by row.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "framework/graphics/internal/raster.h"

namespace fw {

namespace {

// Bresenham's walk from a to b, b excluded: one pixel per step of the major axis, the minor
// coordinate nearest the ideal line (a tie keeps the smaller offset). Step i has minor offset
// m(i) = floor((2 i dMinor + dMajor - 1) / (2 dMajor)), so a walk can start at any step.
class LineWalk {
 public:
  LineWalk(TPoint a, TPoint b)
      : a_(a),
        xMajor_(std::abs(int64_t(b.X) - a.X) >= std::abs(int64_t(b.Y) - a.Y)),
        dMajor_(xMajor_ ? std::abs(int64_t(b.X) - a.X) : std::abs(int64_t(b.Y) - a.Y)),
        dMinor_(xMajor_ ? std::abs(int64_t(b.Y) - a.Y) : std::abs(int64_t(b.X) - a.X)),
        sx_(b.X >= a.X ? 1 : -1),
        sy_(b.Y >= a.Y ? 1 : -1) {}

  int64_t Steps() const { return dMajor_; }
  int64_t MinorOffset(int64_t i) const {
    return dMajor_ == 0 ? 0 : (2 * i * dMinor_ + dMajor_ - 1) / (2 * dMajor_);
  }
  int64_t X(int64_t i) const { return a_.X + sx_ * (xMajor_ ? i : MinorOffset(i)); }
  int64_t Y(int64_t i) const { return a_.Y + sy_ * (xMajor_ ? MinorOffset(i) : i); }

  // The steps [first, last) whose pixels lie inside clip (the pixels inside form one run).
  void StepsInside(const TRect& clip, int64_t& first, int64_t& last) const {
    // Each coordinate moves one way only, so "inside on this axis" holds for one run of steps.
    first = 0, last = dMajor_;
    Narrow(
        clip.Left, clip.Right, sx_, [&](int64_t i) { return X(i); }, first, last);
    Narrow(
        clip.Top, clip.Bottom, sy_, [&](int64_t i) { return Y(i); }, first, last);
    if (first > last) first = last;
  }

  // The decision variable before step i, and how it changes on a minor step (down) and on
  // every step (up).
  int64_t Decision(int64_t i) const {
    return 2 * dMinor_ * (i + 1) - dMajor_ - 2 * dMajor_ * MinorOffset(i);
  }
  int64_t DecisionDown() const { return 2 * dMajor_; }
  int64_t DecisionUp() const { return 2 * dMinor_; }
  // Pointer offsets of a step along each axis in a target with this row stride.
  std::ptrdiff_t MajorStep(std::ptrdiff_t stride) const { return xMajor_ ? sx_ : sy_ * stride; }
  std::ptrdiff_t MinorStep(std::ptrdiff_t stride) const { return xMajor_ ? sy_ * stride : sx_; }

  // Visits steps [first, last).
  template <typename Plot>
  void Walk(int64_t first, int64_t last, Plot&& plot) const {
    if (first >= last) return;
    int64_t x = X(first), y = Y(first);
    int64_t decision = Decision(first);
    int64_t& major = xMajor_ ? x : y;
    int64_t& minor = xMajor_ ? y : x;
    const int majorStep = xMajor_ ? sx_ : sy_, minorStep = xMajor_ ? sy_ : sx_;
    for (int64_t i = first; i < last; ++i, major += majorStep) {
      plot(int(x), int(y));
      if (decision > 0) minor += minorStep, decision -= 2 * dMajor_;
      decision += 2 * dMinor_;
    }
  }

 private:
  // Shrinks [first, last) to the steps whose coordinate lies in [lo, hi).
  template <typename Coord>
  void Narrow(int lo, int hi, int direction, Coord coord, int64_t& first, int64_t& last) const {
    auto before = [&](int64_t i) { return direction > 0 ? coord(i) < lo : coord(i) >= hi; };
    auto beyond = [&](int64_t i) { return direction > 0 ? coord(i) >= hi : coord(i) < lo; };
    first = std::max(first, FirstWhere(0, dMajor_, [&](int64_t i) { return !before(i); }));
    last = std::min(last, FirstWhere(0, dMajor_, beyond));
  }

  // The first i in [lo, hi) where a monotone predicate (false ... true) holds, else hi.
  template <typename Pred>
  static int64_t FirstWhere(int64_t lo, int64_t hi, Pred pred) {
    while (lo < hi) {
      const int64_t mid = lo + (hi - lo) / 2;
      if (pred(mid)) {
        hi = mid;
      } else {
        lo = mid + 1;
      }
    }
    return lo;
  }

  TPoint a_;
  bool xMajor_;
  int64_t dMajor_, dMinor_;
  int sx_, sy_;
};

// Moves a dash position on by n pixels.
void AdvanceDash(DashState& dash, std::span<const uint8_t> pattern, int64_t n) {
  int64_t period = 0;
  for (uint8_t len : pattern) period += len;
  if (period == 0) return;
  n %= period;
  while (n > 0) {
    const int64_t left = pattern[dash.index] - dash.used;
    if (n < left) {
      dash.used += int(n);
      return;
    }
    n -= left;
    dash.used = 0;
    dash.index = (dash.index + 1) % pattern.size();
  }
}

TRect LineBox(TPoint a, TPoint b) {
  return Rect(std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1,
              std::max(a.Y, b.Y) + 1);
}

void DrawThinSolid(const ClippedTarget& t, TPoint a, TPoint b, const Ink& ink) {
  const LineWalk walk(a, b);
  int64_t first, last;
  walk.StepsInside(t.clip, first, last);
  if (first >= last) return;
  // Steps through memory: one pixel along the major axis, a row or column for a minor step.
  const PixelTarget& p = t.pixels;
  TPixel* pixel = p.Row(int(walk.Y(first))) + walk.X(first);
  const std::ptrdiff_t majorStep = walk.MajorStep(p.stride), minorStep = walk.MinorStep(p.stride);
  int64_t decision = walk.Decision(first);
  const int64_t down = walk.DecisionDown(), up = walk.DecisionUp();
  const Rop2Masks m = MakeRop2(ink.rop2, ink.color);
  for (int64_t i = first; i < last; ++i, pixel += majorStep) {
    *pixel = m.Apply(*pixel) & kRgbMask;
    if (decision > 0) pixel += minorStep, decision -= down;
    decision += up;
  }
}

void DrawThinDashed(const ClippedTarget& t, TPoint a, TPoint b, const LinePen& pen,
                    DashState& dash) {
  const Rop2Masks on = MakeRop2(pen.ink.rop2, pen.ink.color);
  const Rop2Masks off = MakeRop2(pen.gapInk.rop2, pen.gapInk.color);
  const LineWalk walk(a, b);
  int64_t first, last;
  walk.StepsInside(t.clip, first, last);
  AdvanceDash(dash, pen.dashes, first);
  walk.Walk(first, last, [&](int x, int y) {
    const bool drawn = dash.index % 2 == 0;
    AdvanceDash(dash, pen.dashes, 1);
    if (!drawn && !pen.paintGaps) return;
    TPixel& px = t.pixels.Row(y)[x];
    px = (drawn ? on : off).Apply(px) & kRgbMask;
  });
  AdvanceDash(dash, pen.dashes, walk.Steps() - last);
}

// The x interval (lo, hi) of a row where lo0 < alpha * x + beta < hi0; false when empty.
bool StripInterval(double alpha, double beta, double lo0, double hi0, double& lo, double& hi) {
  if (std::abs(alpha) < 1e-12) {
    if (beta > lo0 && beta < hi0) return true;  // the whole row
    lo = 1, hi = 0;
    return false;
  }
  double x0 = (lo0 - beta) / alpha, x1 = (hi0 - beta) / alpha;
  if (x0 > x1) std::swap(x0, x1);
  lo = std::max(lo, x0);
  hi = std::min(hi, x1);
  return lo < hi;
}

void Widen(double& lo, double& hi, double lo1, double hi1) {
  if (lo1 >= hi1) return;
  lo = std::min(lo, lo1);
  hi = std::max(hi, hi1);
}

// The x interval of row y strictly closer than r to the segment a-b (a convex capsule).
bool CapsuleRow(double ax, double ay, double bx, double by, double r, double y, double& lo,
                double& hi) {
  lo = 1e300, hi = -1e300;
  for (auto [cx, cy] : {std::pair{ax, ay}, std::pair{bx, by}}) {
    const double dy = y - cy, h2 = r * r - dy * dy;
    if (h2 > 0) Widen(lo, hi, cx - std::sqrt(h2), cx + std::sqrt(h2));
  }
  const double len = std::hypot(bx - ax, by - ay);
  if (len > 0) {
    const double ux = (bx - ax) / len, uy = (by - ay) / len;
    double bodyLo = -1e300, bodyHi = 1e300;
    // Across the line: |n . (p - a)| < r with n = (-uy, ux); along it: 0 < u . (p - a) < len.
    if (StripInterval(-uy, ux * (y - ay) + uy * ax, -r, r, bodyLo, bodyHi) &&
        StripInterval(ux, uy * (y - ay) - ux * ax, 0, len, bodyLo, bodyHi)) {
      Widen(lo, hi, bodyLo, bodyHi);
    }
  }
  return lo < hi;
}

TRect DrawThick(const ClippedTarget& t, TPoint a, TPoint b, int width, const Ink& ink) {
  const double r = width / 2.0;
  // An even width has no middle pixel: the extra pixel goes above and to the left.
  const double shift = width % 2 == 0 ? -0.5 : 0.0;
  const double ax = a.X + shift, ay = a.Y + shift, bx = b.X + shift, by = b.Y + shift;
  const int y0 = std::max(int(std::floor(std::min(ay, by) - r)), t.clip.Top);
  const int y1 = std::min(int(std::ceil(std::max(ay, by) + r)), t.clip.Bottom - 1);
  TRect touched;
  for (int y = y0; y <= y1; ++y) {
    double lo, hi;
    if (!CapsuleRow(ax, ay, bx, by, r, y, lo, hi)) continue;
    const int x0 = int(std::floor(lo)) + 1, x1 = int(std::ceil(hi));  // lo < x < hi
    if (x0 >= x1) continue;
    FillSpan(t, y, x0, x1, ink);
    UnionRect(touched, touched, Rect(x0, y, x1, y + 1));
  }
  return touched;
}

}  // namespace

Segments LinePixels(TPoint a, TPoint b, const TRect& clip) {
  Segments out;
  const LineWalk walk(a, b);
  int64_t first, last;
  walk.StepsInside(clip, first, last);
  walk.Walk(first, last, [&](int x, int y) { out.push_back(Segment{y, x, x + 1}); });
  return out;
}

Segments PathPixels(std::span<const TPoint> points, bool closed, const TRect& clip) {
  Segments out;
  const size_t n = points.size(), lines = n < 2 ? 0 : closed ? n : n - 1;
  for (size_t i = 0; i < lines; ++i) {
    const Segments line = LinePixels(points[i], points[(i + 1) % n], clip);
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

TRect DrawLine(const ClippedTarget& t, TPoint a, TPoint b, const LinePen& pen, DashState& dash) {
  if (pen.width > 1) return DrawThick(t, a, b, pen.width, pen.ink);
  if (a == b) return TRect{};
  if (pen.dashes.empty()) {
    DrawThinSolid(t, a, b, pen.ink);
  } else {
    DrawThinDashed(t, a, b, pen, dash);
  }
  return LineBox(a, b);
}

}  // namespace fw
