// Pixel operations of the text engine: coverage blending and fills in the text cell's own
// coordinates (turned by quarter turns exactly) or in target coordinates (any angle).
#pragma once

#include <cstdint>

#include "framework/graphics/pixels.h"

namespace fw {

// A clipped drawing surface: `clip` lies inside the target and is not empty.
struct TextSurface {
  PixelTarget target;
  TRect clip;
};

// Maps cell pixel (u, v) (u along the text, v down the cell) to target pixel
// (ox + u*ux + v*vx, oy + u*uy + v*vy), for a cell with top-left corner (x, y) turned by
// `quarter` quarter turns counter-clockwise. One of ux, vx is zero, and one of uy, vy.
struct CellMap {
  long long ox = 0, oy = 0;
  int ux = 1, uy = 0, vx = 0, vy = 1;
};
CellMap QuarterTurnMap(int x, int y, int quarter);

// Cell pixels [u0, u1) x [v0, v1), 64-bit so far-away text cannot overflow.
struct CellRect {
  long long u0 = 0, v0 = 0, u1 = 0, v1 = 0;
  bool Empty() const { return u1 <= u0 || v1 <= v0; }
};
// The cell pixels that land inside the surface's clip.
CellRect CellClip(const CellMap& map, const TRect& clip);
CellRect Intersect(const CellRect& a, const CellRect& b);

// Colour `c` blended over `dst` by coverage a (0..255), per channel; the result's top byte is 0.
TPixel BlendPixel(TPixel dst, TPixel c, unsigned a);

// Fills cell rectangle `r` (already inside `clip`, a CellClip) with colour c.
void FillCell(const TextSurface& s, const CellMap& map, const CellRect& r, TPixel c);
// Blends a coverage bitmap (w x h, row-major) whose top-left pixel is cell pixel (u, v).
void BlendCellCoverage(const TextSurface& s, const CellMap& map, const CellRect& clip, long long u,
                       long long v, const uint8_t* coverage, int w, int h, TPixel c);

// Blends a coverage bitmap whose top-left pixel is target pixel (x, y).
void BlendCoverage(const TextSurface& s, long long x, long long y, const uint8_t* coverage, int w,
                   int h, TPixel c);

struct PointF {
  double x = 0, y = 0;
};
// Fills the convex quadrilateral p[0..3]: every pixel whose centre lies inside.
void FillConvexQuad(const TextSurface& s, const PointF (&p)[4], TPixel c);

}  // namespace fw
