// Rasterising routines: free functions that change the pixels of a PixelTarget inside a clip
// rectangle (spans, lines, ellipse and polygon regions, flood fill, raster operations, stretching).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "framework/graphics/pixels.h"

namespace fw {

// Binary raster operations (pen modes), numbered as the platform numbers them. The code minus
// one is the truth table: bit ((pen << 1) | dest) of (code - 1) is the result bit.
enum : uint8_t {
  R2_BLACK = 1,
  R2_NOTMERGEPEN = 2,
  R2_MASKNOTPEN = 3,
  R2_NOTCOPYPEN = 4,
  R2_MASKPENNOT = 5,
  R2_NOT = 6,
  R2_XORPEN = 7,
  R2_NOTMASKPEN = 8,
  R2_MASKPEN = 9,
  R2_NOTXORPEN = 10,
  R2_NOP = 11,
  R2_MERGENOTPEN = 12,
  R2_COPYPEN = 13,
  R2_MERGEPENNOT = 14,
  R2_MERGEPEN = 15,
  R2_WHITE = 16,
};

// The pixel channels the drawing operations write (the top byte is cleared).
inline constexpr TPixel kRgbMask = 0x00FFFFFF;

// A binary raster operation with a fixed pen colour reduces, bit by bit, to one of 0, 1, D
// and not D: result = (dest & andMask) ^ xorMask.
struct Rop2Masks {
  TPixel andMask = 0;
  TPixel xorMask = 0;
  TPixel Apply(TPixel dest) const { return (dest & andMask) ^ xorMask; }
};
Rop2Masks MakeRop2(int rop2, TPixel pen);

// How pixels are changed: a colour combined with the destination by a pen mode, optionally
// only where a hatch pattern is set.
struct Ink {
  TPixel color = 0;
  int rop2 = R2_COPYPEN;
  // An 8 x 8 hatch, or nullptr for every pixel: bit (7 - x % 8) of row y % 8 (device
  // coordinates) is set where the ink paints; other pixels are left as they are.
  const uint8_t* hatch = nullptr;
};

// A pixel target with the rectangle operations may touch (already inside its bounds).
struct ClippedTarget {
  PixelTarget pixels;
  TRect clip;
};
ClippedTarget MakeClippedTarget(const PixelTarget& pixels, const TRect& clip);

// One row piece: pixels x0..x1-1 of row y.
struct Segment {
  int y = 0;
  int x0 = 0;
  int x1 = 0;
};
using Segments = std::vector<Segment>;

// --- Spans and rectangles (raster_fill.cpp)
void FillSpan(const ClippedTarget& t, int y, int x0, int x1, const Ink& ink);
void FillRectPixels(const ClippedTarget& t, const TRect& r, const Ink& ink);
// The 1-pixel-wide frame of r, each pixel painted once.
void FrameRectPixels(const ClippedTarget& t, const TRect& r, const Ink& ink);
void PaintSegments(const ClippedTarget& t, const Segments& segments, const Ink& ink);
// The pixels of `from` that are not in `cut`.
Segments SubtractSegments(const Segments& from, const Segments& cut);
// The bounding box of segments (empty when there are none).
TRect SegmentsBounds(const Segments& segments);

// --- Lines (raster_line.cpp)
// Position in a dash pattern, carried from one segment of a polyline to the next.
struct DashState {
  size_t index = 0;  // which entry of the pattern
  int used = 0;      // pixels of that entry already drawn
};
struct LinePen {
  Ink ink;
  int width = 1;
  // Alternating on/off lengths in pixels (on first); empty for a solid line. Only 1-pixel
  // lines are styled.
  std::span<const uint8_t> dashes;
  bool paintGaps = false;  // gaps painted with gapInk (an opaque background)
  Ink gapInk;
};
// The pixels of a 1-pixel line from a to b inside clip, b excluded (nothing for a == b).
Segments LinePixels(TPoint a, TPoint b, const TRect& clip);
// The pixels of 1-pixel lines through the points (closed: back to the first) inside clip.
Segments PathPixels(std::span<const TPoint> points, bool closed, const TRect& clip);
// Draws a line from a to b, b excluded for 1-pixel pens; wider pens are centred on the line
// with round ends. Returns the bounding box of the pixels touched (before clipping).
TRect DrawLine(const ClippedTarget& t, TPoint a, TPoint b, const LinePen& pen, DashState& dash);

// --- Regions of closed figures (raster_region.cpp)
// Rows of a region: one span per row from `top`; an empty span (x0 >= x1) is allowed.
struct SpanRegion {
  int top = 0;
  std::vector<Segment> rows;
};
// The ellipse in the box (columns Left..Right-1, rows Top..Bottom-1), symmetric, touching all
// four sides; each row found by an exact integer test on doubled coordinates. Only the part
// within `window` (and one pixel around it, for outlines) is made, so huge figures cost
// nothing outside it.
SpanRegion EllipseRegion(const TRect& box, const TRect& window);
// A rectangle whose corners are quarters of a cornerW x cornerH ellipse.
SpanRegion RoundRectRegion(const TRect& box, int cornerW, int cornerH, const TRect& window);
// The pixels of the region with a 4-neighbour outside it, and the rest.
Segments RegionOutline(const SpanRegion& region);
Segments RegionInterior(const SpanRegion& region);
Segments RegionSegments(const SpanRegion& region);
// The pixels of outer that are not in inner.
Segments RegionDifference(const SpanRegion& outer, const SpanRegion& inner);

// Angular filters for arcs: the part of segments whose pixel centres lie in the sector running
// counter-clockwise from the ray through `start` to the ray through `end` (both rays from the
// centre of box; points are pixel positions). Equal directions mean the whole turn.
Segments ClipToSector(const Segments& segments, const TRect& box, TPoint start, TPoint end);
// The part on the arc's side of the chord between the points where the rays meet the ellipse.
Segments ClipToChord(const Segments& segments, const TRect& box, TPoint start, TPoint end);
// The pixel where the ray from the centre of box through p meets the ellipse of box.
TPoint EllipseRayPoint(const TRect& box, TPoint p);

// --- Polygons and flood fill (raster_polygon.cpp)
// The inside of a closed polygon by the alternate (even-odd) rule, sampled at pixel positions
// with left and top edges inside and right and bottom edges outside.
Segments PolygonFill(std::span<const TPoint> points, const TRect& clip);
enum class FloodMode { Surface, Border };
// Fills the 4-connected area around (x, y) inside the clip: pixels of `color` (Surface) or
// pixels other than `color` (Border). Iterative span filling; returns the bounding box.
TRect FloodFillPixels(const ClippedTarget& t, int x, int y, TPixel color, FloodMode mode,
                      const Ink& ink);

// --- Ternary raster operations and blits (raster_blit.cpp)
// Bits 16..23 of a raster operation code are its truth table: bit ((P << 2) | (S << 1) | D).
TPixel ApplyRop3(uint8_t table, TPixel pattern, TPixel source, TPixel dest);
enum class StretchMode { Nearest, Average };
// Where a blit takes its pattern (the destination brush).
struct BlitPattern {
  TPixel color = 0;
  const uint8_t* hatch = nullptr;  // hatch bits; gaps use background
  TPixel background = 0xFFFFFF;
};
// A source of pixels (not written).
struct BlitSource {
  const TPixel* pixels = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;
};
// Copies src (x, y, w, h; negative sizes run backwards) into dst (x, y, w, h) by the raster
// operation, stretching as `mode` says. The signs of the sizes differing mirrors the image.
// Destination pixels whose source lies outside the source bitmap are left alone (an average
// counts only the part inside). Returns the device rectangle touched.
TRect StretchBlit(const ClippedTarget& dst, TRect dstRect, const BlitSource& src, TRect srcRect,
                  uint32_t rop, const BlitPattern& pattern, StretchMode mode);
// Like StretchBlit with cmSrcCopy, but source pixels equal to `transparent` are skipped.
TRect TransparentBlit(const ClippedTarget& dst, TRect dstRect, const BlitSource& src, TRect srcRect,
                      TPixel transparent);
}  // namespace fw
