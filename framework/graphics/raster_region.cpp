// Regions of closed figures as one span per row: ellipses and rounded rectangles, their
// outlines and insides, and the angular cuts of arcs, pies and chords.
#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/graphics/internal/raster.h"

namespace fw {

namespace {

using Wide = __int128;

// Columns [x0, x1) of row i of the ellipse filling a w x h box at the origin. In doubled
// coordinates centred on the box, pixel i has X = 2i + 1 - w, row i has Y = 2i + 1 - h, and a
// pixel is inside when X^2 h^2 + Y^2 w^2 <= w^2 h^2.
Segment EllipseRow(int64_t w, int64_t h, int64_t i) {
  const int64_t y = 2 * i + 1 - h;
  const Wide limit = Wide(w) * w * (Wide(h) * h - Wide(y) * y);  // X^2 h^2 <= limit
  if (limit < 0) return Segment{int(i), 0, 0};
  int64_t x = int64_t(std::sqrt(double(limit)) / double(h));
  while (x > 0 && Wide(x) * x * h * h > limit) --x;
  while (Wide(x + 1) * (x + 1) * h * h <= limit) ++x;
  if ((x - (w - 1)) % 2 != 0) --x;  // X has the parity of w - 1
  if (x < 0) return Segment{int(i), 0, 0};
  return Segment{int(i), int((w - 1 - x) / 2), int((w - 1 + x) / 2 + 1)};
}

const Segment kNoSpan{0, 0, 0};

const Segment& RowAt(const SpanRegion& r, int y) {
  const int k = y - r.top;
  return k >= 0 && k < int(r.rows.size()) ? r.rows[size_t(k)] : kNoSpan;
}

void AddPiece(Segments& out, int y, int x0, int x1) {
  if (x0 < x1) out.push_back(Segment{y, x0, x1});
}

// s minus [i0, i1).
void AddDifference(Segments& out, const Segment& s, int i0, int i1) {
  if (i0 >= i1 || i1 <= s.x0 || i0 >= s.x1) {
    AddPiece(out, s.y, s.x0, s.x1);
    return;
  }
  AddPiece(out, s.y, s.x0, std::min(i0, s.x1));
  AddPiece(out, s.y, std::max(i1, s.x0), s.x1);
}

// The pixels of row s whose 4 neighbours are all in the region.
Segment InnerOf(const SpanRegion& r, const Segment& s) {
  const Segment& up = RowAt(r, s.y - 1);
  const Segment& down = RowAt(r, s.y + 1);
  if (up.x0 >= up.x1 || down.x0 >= down.x1) return Segment{s.y, 0, 0};
  return Segment{s.y, std::max({s.x0 + 1, up.x0, down.x0}), std::min({s.x1 - 1, up.x1, down.x1})};
}

struct Vec {
  double x, y;  // y upwards
};
double Cross(Vec a, Vec b) {
  return a.x * b.y - a.y * b.x;
}
double Dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y;
}

// Offset of the centre of pixel (x, y) from the centre of box, y upwards.
Vec FromCentre(const TRect& box, double x, double y) {
  return Vec{x + 0.5 - (box.Left + box.Right) / 2.0, (box.Top + box.Bottom) / 2.0 - (y + 0.5)};
}

Vec RayDirection(const TRect& box, TPoint p) {
  Vec v = FromCentre(box, p.X, p.Y);
  return (v.x == 0 && v.y == 0) ? Vec{1, 0} : v;
}

// Where the ray from the centre along d meets the ellipse of box.
Vec OnEllipse(const TRect& box, Vec d) {
  const double a = std::max(box.Width(), 1) / 2.0, b = std::max(box.Height(), 1) / 2.0;
  const double t = 1.0 / std::sqrt((d.x / a) * (d.x / a) + (d.y / b) * (d.y / b));
  return Vec{d.x * t, d.y * t};
}

// The x in [x0, x1) where `holds`, a test monotone in x, is true: a prefix or a suffix, as
// [first, last). Evaluates the test O(log n) times.
template <typename Holds>
std::pair<int, int> MonotoneRange(int x0, int x1, Holds&& holds) {
  if (x0 >= x1) return {x0, x0};
  const bool first = holds(x0);
  if (first == holds(x1 - 1)) return first ? std::pair{x0, x1} : std::pair{x0, x0};
  int same = x0, changed = x1 - 1;  // holds(same) == first != holds(changed)
  while (changed - same > 1) {
    const int mid = same + (changed - same) / 2;
    (holds(mid) == first ? same : changed) = mid;
  }
  return first ? std::pair{x0, changed} : std::pair{changed, x1};
}

}  // namespace

SpanRegion RoundRectRegion(const TRect& box, int cornerW, int cornerH, const TRect& window) {
  SpanRegion region;
  if (IsRectEmpty(box)) return region;
  const int64_t w = box.Width(), h = box.Height();
  const int64_t cw = std::clamp<int64_t>(cornerW, 0, w), ch = std::clamp<int64_t>(cornerH, 0, h);
  const int y0 = std::max(box.Top, window.Top - 1), y1 = std::min(box.Bottom, window.Bottom + 1);
  region.top = y0;
  for (int y = y0; y < y1; ++y) {
    const int64_t i = y - box.Top, fromBottom = h - 1 - i;
    Segment s{y, box.Left, box.Right};
    if (cw > 0 && ch > 0 && (i < ch / 2 || fromBottom < ch / 2)) {
      const Segment c = EllipseRow(cw, ch, i < ch / 2 ? i : ch - 1 - fromBottom);
      s.x0 = c.x0 < c.x1 ? int(box.Left + c.x0) : 0;
      s.x1 = c.x0 < c.x1 ? int(box.Right - cw + c.x1) : 0;
    }
    // Cut to the window and one pixel beyond it, which keeps the outline right inside it.
    if (s.x0 < s.x1) {
      s.x0 = std::max(s.x0, window.Left - 1);
      s.x1 = std::min(s.x1, window.Right + 1);
      if (s.x0 >= s.x1) s.x0 = s.x1 = 0;
    }
    region.rows.push_back(s);
  }
  return region;
}

SpanRegion EllipseRegion(const TRect& box, const TRect& window) {
  return RoundRectRegion(box, box.Width(), box.Height(), window);
}

Segments RegionOutline(const SpanRegion& region) {
  Segments out;
  for (const Segment& s : region.rows) {
    const Segment inner = InnerOf(region, s);
    AddDifference(out, s, inner.x0, inner.x1);
  }
  return out;
}

Segments RegionInterior(const SpanRegion& region) {
  Segments out;
  for (const Segment& s : region.rows) {
    if (s.x0 >= s.x1) continue;
    const Segment inner = InnerOf(region, s);
    AddPiece(out, s.y, inner.x0, inner.x1);
  }
  return out;
}

Segments RegionSegments(const SpanRegion& region) {
  Segments out;
  for (const Segment& s : region.rows) AddPiece(out, s.y, s.x0, s.x1);
  return out;
}

Segments RegionDifference(const SpanRegion& outer, const SpanRegion& inner) {
  Segments out;
  for (const Segment& s : outer.rows) {
    if (s.x0 >= s.x1) continue;
    const Segment& cut = RowAt(inner, s.y);
    AddDifference(out, s, cut.x0, cut.x1);
  }
  return out;
}

Segments ClipToSector(const Segments& segments, const TRect& box, TPoint start, TPoint end) {
  const Vec s = RayDirection(box, start), e = RayDirection(box, end);
  const double turn = Cross(s, e);
  if (turn == 0 && Dot(s, e) > 0) return segments;  // the whole turn
  // Each side test is linear in x along a row, so the pixels passing it form a prefix or a
  // suffix of a segment: found by bisection with the same per-pixel test, row by row.
  Segments out;
  for (const Segment& seg : segments) {
    const auto v = [&](int x) { return FromCentre(box, x, seg.y); };
    if (turn > 0) {
      const auto [a0, a1] =
          MonotoneRange(seg.x0, seg.x1, [&](int x) { return Cross(s, v(x)) >= 0; });
      const auto [b0, b1] =
          MonotoneRange(seg.x0, seg.x1, [&](int x) { return Cross(v(x), e) >= 0; });
      AddPiece(out, seg.y, std::max(a0, b0), std::min(a1, b1));
    } else {
      // Inside unless on the short way back from e to s.
      const auto [a0, a1] =
          MonotoneRange(seg.x0, seg.x1, [&](int x) { return Cross(e, v(x)) > 0; });
      const auto [b0, b1] =
          MonotoneRange(seg.x0, seg.x1, [&](int x) { return Cross(v(x), s) > 0; });
      const int out0 = std::max(a0, b0), out1 = std::min(a1, b1);
      if (out0 >= out1) {
        AddPiece(out, seg.y, seg.x0, seg.x1);
      } else {
        AddPiece(out, seg.y, seg.x0, out0);
        AddPiece(out, seg.y, out1, seg.x1);
      }
    }
  }
  return out;
}

Segments ClipToChord(const Segments& segments, const TRect& box, TPoint start, TPoint end) {
  const Vec s = RayDirection(box, start), e = RayDirection(box, end);
  if (Cross(s, e) == 0 && Dot(s, e) > 0) return segments;
  const Vec ps = OnEllipse(box, s), pe = OnEllipse(box, e);
  const Vec chord{pe.x - ps.x, pe.y - ps.y};
  Segments out;
  for (const Segment& seg : segments) {
    const auto [x0, x1] = MonotoneRange(seg.x0, seg.x1, [&](int x) {
      const Vec v = FromCentre(box, x, seg.y);
      return Cross(chord, Vec{v.x - ps.x, v.y - ps.y}) <= 1e-9;
    });
    AddPiece(out, seg.y, x0, x1);
  }
  return out;
}

TPoint EllipseRayPoint(const TRect& box, TPoint p) {
  const Vec q = OnEllipse(box, RayDirection(box, p));
  const int x = int(std::floor((box.Left + box.Right) / 2.0 + q.x));
  const int y = int(std::floor((box.Top + box.Bottom) / 2.0 - q.y));
  return Point(std::clamp(x, box.Left, std::max(box.Left, box.Right - 1)),
               std::clamp(y, box.Top, std::max(box.Top, box.Bottom - 1)));
}

}  // namespace fw
