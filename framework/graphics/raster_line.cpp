// Lines: Bresenham's walk for 1-pixel pens (end point excluded, dash patterns, gaps), and
// centred wide lines with round ends filled row by row.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "framework/graphics/raster.h"

namespace fw {

namespace {

// Visits the pixels from a to b, b excluded, choosing the pixel nearest the ideal line at each
// step of the major axis (a tie keeps the minor coordinate).
template <typename Plot>
void WalkLine(TPoint a, TPoint b, Plot&& plot) {
  const int dx = std::abs(b.X - a.X), dy = std::abs(b.Y - a.Y);
  const int sx = b.X >= a.X ? 1 : -1, sy = b.Y >= a.Y ? 1 : -1;
  int x = a.X, y = a.Y;
  if (dx >= dy) {
    int decision = 2 * dy - dx;
    for (int i = 0; i < dx; ++i, x += sx) {
      plot(x, y);
      if (decision > 0) y += sy, decision -= 2 * dx;
      decision += 2 * dy;
    }
  } else {
    int decision = 2 * dx - dy;
    for (int i = 0; i < dy; ++i, y += sy) {
      plot(x, y);
      if (decision > 0) x += sx, decision -= 2 * dy;
      decision += 2 * dx;
    }
  }
}

bool Inside(const TRect& r, int x, int y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

TRect LineBox(TPoint a, TPoint b) {
  return Rect(std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1,
              std::max(a.Y, b.Y) + 1);
}

void DrawThinSolid(const ClippedTarget& t, TPoint a, TPoint b, const Ink& ink) {
  const Rop2Masks m = MakeRop2(ink.rop2, ink.color);
  TRect box = LineBox(a, b), inside;
  const bool unclipped = IntersectRect(inside, box, t.clip) && inside == box;
  const PixelTarget& p = t.pixels;
  WalkLine(a, b, [&](int x, int y) {
    if (!unclipped && !Inside(t.clip, x, y)) return;
    TPixel& px = p.Row(y)[x];
    px = m.Apply(px) & kRgbMask;
  });
}

void DrawThinDashed(const ClippedTarget& t, TPoint a, TPoint b, const LinePen& pen,
                    DashState& dash) {
  const Rop2Masks on = MakeRop2(pen.ink.rop2, pen.ink.color);
  const Rop2Masks off = MakeRop2(pen.gapInk.rop2, pen.gapInk.color);
  WalkLine(a, b, [&](int x, int y) {
    const bool drawn = dash.index % 2 == 0;
    if (++dash.used >= pen.dashes[dash.index]) {
      dash.used = 0;
      dash.index = (dash.index + 1) % pen.dashes.size();
    }
    if (!Inside(t.clip, x, y) || (!drawn && !pen.paintGaps)) return;
    TPixel& px = t.pixels.Row(y)[x];
    px = (drawn ? on : off).Apply(px) & kRgbMask;
  });
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
  const int y0 = int(std::floor(std::min(ay, by) - r)), y1 = int(std::ceil(std::max(ay, by) + r));
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

Segments LinePixels(TPoint a, TPoint b) {
  Segments out;
  WalkLine(a, b, [&](int x, int y) { out.push_back(Segment{y, x, x + 1}); });
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
