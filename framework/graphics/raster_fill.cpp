// Spans and rectangles: the innermost painting loops every figure ends in.
#include <algorithm>

#include "framework/graphics/internal/raster.h"

namespace fw {

Rop2Masks MakeRop2(int rop2, TPixel pen) {
  const unsigned table = unsigned(std::clamp(rop2, 1, 16) - 1);
  // Result for dest 0 and dest 1 of each bit, chosen by that bit of the pen.
  const TPixel penOn = pen & kRgbMask, penOff = ~pen & kRgbMask;
  const TPixel whenDest0 = ((table >> 2) & 1 ? penOn : 0) | ((table >> 0) & 1 ? penOff : 0);
  const TPixel whenDest1 = ((table >> 3) & 1 ? penOn : 0) | ((table >> 1) & 1 ? penOff : 0);
  return Rop2Masks{(whenDest0 ^ whenDest1) & kRgbMask, whenDest0 & kRgbMask};
}

ClippedTarget MakeClippedTarget(const PixelTarget& pixels, const TRect& clip) {
  ClippedTarget t{pixels, {}};
  IntersectRect(t.clip, clip, pixels.Bounds());
  return t;
}

namespace {

void ApplySpan(TPixel* row, int x0, int x1, const Rop2Masks& m, int rop2) {
  if (rop2 == R2_COPYPEN) {
    std::fill(row + x0, row + x1, m.xorMask);
    return;
  }
  for (int x = x0; x < x1; ++x) row[x] = m.Apply(row[x]) & kRgbMask;
}

void ApplyHatchedSpan(TPixel* row, int y, int x0, int x1, const Rop2Masks& m,
                      const uint8_t* hatch) {
  const uint8_t bits = hatch[y & 7];
  for (int x = x0; x < x1; ++x) {
    if ((bits >> (7 - (x & 7))) & 1) row[x] = m.Apply(row[x]) & kRgbMask;
  }
}

}  // namespace

void FillSpan(const ClippedTarget& t, int y, int x0, int x1, const Ink& ink) {
  if (y < t.clip.Top || y >= t.clip.Bottom) return;
  x0 = std::max(x0, t.clip.Left);
  x1 = std::min(x1, t.clip.Right);
  if (x0 >= x1) return;
  const Rop2Masks m = MakeRop2(ink.rop2, ink.color);
  if (ink.hatch) {
    ApplyHatchedSpan(t.pixels.Row(y), y, x0, x1, m, ink.hatch);
  } else {
    ApplySpan(t.pixels.Row(y), x0, x1, m, ink.rop2);
  }
}

void FillRectPixels(const ClippedTarget& t, const TRect& r, const Ink& ink) {
  TRect c;
  if (!IntersectRect(c, r, t.clip)) return;
  const Rop2Masks m = MakeRop2(ink.rop2, ink.color);
  for (int y = c.Top; y < c.Bottom; ++y) {
    if (ink.hatch) {
      ApplyHatchedSpan(t.pixels.Row(y), y, c.Left, c.Right, m, ink.hatch);
    } else {
      ApplySpan(t.pixels.Row(y), c.Left, c.Right, m, ink.rop2);
    }
  }
}

void FrameRectPixels(const ClippedTarget& t, const TRect& r, const Ink& ink) {
  if (IsRectEmpty(r)) return;
  FillRectPixels(t, Rect(r.Left, r.Top, r.Right, r.Top + 1), ink);
  if (r.Height() == 1) return;
  FillRectPixels(t, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), ink);
  FillRectPixels(t, Rect(r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1), ink);
  if (r.Width() > 1) FillRectPixels(t, Rect(r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1), ink);
}

void PaintSegments(const ClippedTarget& t, const Segments& segments, const Ink& ink) {
  for (const Segment& s : segments) FillSpan(t, s.y, s.x0, s.x1, ink);
}

Segments SubtractSegments(const Segments& from, const Segments& cut) {
  if (cut.empty()) return from;
  Segments sorted = cut;
  std::sort(sorted.begin(), sorted.end(), [](const Segment& a, const Segment& b) {
    return a.y != b.y ? a.y < b.y : a.x0 < b.x0;
  });
  Segments out;
  for (const Segment& s : from) {
    // The cuts of this row, left to right, each removing its part of what is left.
    auto it = std::lower_bound(sorted.begin(), sorted.end(), s.y,
                               [](const Segment& c, int y) { return c.y < y; });
    int x = s.x0;
    for (; it != sorted.end() && it->y == s.y && x < s.x1; ++it) {
      if (it->x1 <= x) continue;
      if (it->x0 >= s.x1) break;
      if (it->x0 > x) out.push_back(Segment{s.y, x, it->x0});
      x = std::max(x, it->x1);
    }
    if (x < s.x1) out.push_back(Segment{s.y, x, s.x1});
  }
  return out;
}

TRect SegmentsBounds(const Segments& segments) {
  TRect box;
  for (const Segment& s : segments) {
    if (s.x0 < s.x1) UnionRect(box, box, Rect(s.x0, s.y, s.x1, s.y + 1));
  }
  return box;
}

}  // namespace fw
