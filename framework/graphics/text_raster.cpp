// Pixel operations of the text engine: coverage blending, cell-space fills through exact
// quarter-turn maps, and convex polygon fills for text at other angles.
#include "framework/graphics/internal/text_raster.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

// The values t with o + step*t in [lo, hi), for step +1 or -1.
void SolveRange(long long o, int step, long long lo, long long hi, long long& t0, long long& t1) {
  if (step > 0) {
    t0 = lo - o;
    t1 = hi - o;
  } else {
    t0 = o - hi + 1;
    t1 = o - lo + 1;
  }
}

TPixel* PixelAt(const TextSurface& s, long long x, long long y) {
  return s.target.pixels + std::ptrdiff_t(y) * s.target.stride + std::ptrdiff_t(x);
}

// A coordinate limited to [lo, hi] before it becomes an integer.
long long ClampToSpan(double value, int lo, int hi) {
  return (long long)std::clamp(value, double(lo), double(hi));
}

}  // namespace

CellMap QuarterTurnMap(int x, int y, int quarter) {
  CellMap m;
  switch (quarter & 3) {
    case 0:  // (u, v) -> (x + u, y + v)
      m = CellMap{x, y, 1, 0, 0, 1};
      break;
    case 1:  // text runs up: (u, v) -> (x + v, y - 1 - u)
      m = CellMap{x, y - 1LL, 0, -1, 1, 0};
      break;
    case 2:  // upside down: (u, v) -> (x - 1 - u, y - 1 - v)
      m = CellMap{x - 1LL, y - 1LL, -1, 0, 0, -1};
      break;
    default:  // text runs down: (u, v) -> (x - 1 - v, y + u)
      m = CellMap{x - 1LL, y, 0, 1, -1, 0};
      break;
  }
  return m;
}

CellRect CellClip(const CellMap& m, const TRect& clip) {
  CellRect r;
  // Columns of the clip fix whichever of u, v moves along x; rows the other.
  if (m.ux != 0) {
    SolveRange(m.ox, m.ux, clip.Left, clip.Right, r.u0, r.u1);
    SolveRange(m.oy, m.vy, clip.Top, clip.Bottom, r.v0, r.v1);
  } else {
    SolveRange(m.ox, m.vx, clip.Left, clip.Right, r.v0, r.v1);
    SolveRange(m.oy, m.uy, clip.Top, clip.Bottom, r.u0, r.u1);
  }
  return r;
}

CellRect Intersect(const CellRect& a, const CellRect& b) {
  return CellRect{std::max(a.u0, b.u0), std::max(a.v0, b.v0), std::min(a.u1, b.u1),
                  std::min(a.v1, b.v1)};
}

TPixel BlendPixel(TPixel dst, TPixel c, unsigned a) {
  if (a >= 255) return c & 0xFFFFFF;
  if (a == 0) return dst;
  const unsigned ia = 255 - a;
  // Red and blue share one multiply, green another; x / 255 rounded is
  // (x + 128 + ((x + 128) >> 8)) >> 8 for every x up to 255 * 255.
  uint32_t rb = (c & 0xFF00FFu) * a + (dst & 0xFF00FFu) * ia + 0x800080u;
  rb = ((rb + ((rb >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu;
  uint32_t g = (c & 0x00FF00u) * a + (dst & 0x00FF00u) * ia + 0x008000u;
  g = ((g + (g >> 8)) >> 8) & 0x00FF00u;
  return rb | g;
}

void FillCell(const TextSurface& s, const CellMap& m, const CellRect& r, TPixel c) {
  if (r.Empty()) return;
  const std::ptrdiff_t stepU = m.ux + std::ptrdiff_t(m.uy) * s.target.stride;
  c &= 0xFFFFFF;
  for (long long v = r.v0; v < r.v1; ++v) {
    TPixel* p = PixelAt(s, m.ox + r.u0 * m.ux + v * m.vx, m.oy + r.u0 * m.uy + v * m.vy);
    for (long long u = r.u0; u < r.u1; ++u, p += stepU) *p = c;
  }
}

void BlendCellCoverage(const TextSurface& s, const CellMap& m, const CellRect& clip, long long u,
                       long long v, const uint8_t* coverage, int w, int h, TPixel c) {
  CellRect r = Intersect(clip, CellRect{u, v, u + w, v + h});
  if (r.Empty()) return;
  const std::ptrdiff_t stepU = m.ux + std::ptrdiff_t(m.uy) * s.target.stride;
  for (long long cv = r.v0; cv < r.v1; ++cv) {
    const uint8_t* src = coverage + (cv - v) * w + (r.u0 - u);
    TPixel* p = PixelAt(s, m.ox + r.u0 * m.ux + cv * m.vx, m.oy + r.u0 * m.uy + cv * m.vy);
    for (long long cu = r.u0; cu < r.u1; ++cu, ++src, p += stepU) {
      if (*src != 0) *p = BlendPixel(*p, c, *src);
    }
  }
}

void BlendCoverage(const TextSurface& s, long long x, long long y, const uint8_t* coverage, int w,
                   int h, TPixel c) {
  static const CellMap identity{};
  CellRect clip{s.clip.Left, s.clip.Top, s.clip.Right, s.clip.Bottom};
  BlendCellCoverage(s, identity, clip, x, y, coverage, w, h, c);
}

void FillConvexQuad(const TextSurface& s, const PointF (&p)[4], TPixel c) {
  double minY = p[0].y, maxY = p[0].y;
  for (const PointF& q : p) {
    minY = std::min(minY, q.y);
    maxY = std::max(maxY, q.y);
  }
  // Rows whose centre lies within the polygon's vertical extent, inside the clip.
  long long y0 = ClampToSpan(std::ceil(minY - 0.5), s.clip.Top, s.clip.Bottom);
  long long y1 = ClampToSpan(std::ceil(maxY - 0.5), s.clip.Top, s.clip.Bottom);
  c &= 0xFFFFFF;
  for (long long y = y0; y < y1; ++y) {
    double yc = y + 0.5;
    double left = 1e300, right = -1e300;
    for (int i = 0; i < 4; ++i) {
      const PointF& a = p[i];
      const PointF& b = p[(i + 1) % 4];
      if ((a.y <= yc && yc < b.y) || (b.y <= yc && yc < a.y)) {
        double x = a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y);
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
    if (left > right) continue;
    long long x0 = ClampToSpan(std::ceil(left - 0.5), s.clip.Left, s.clip.Right);
    long long x1 = ClampToSpan(std::ceil(right - 0.5), s.clip.Left, s.clip.Right);
    for (long long x = x0; x < x1; ++x) *PixelAt(s, x, y) = c;
  }
}

}  // namespace fw
