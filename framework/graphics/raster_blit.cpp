// Ternary raster operations and blits: nearest and area-average stretching, mirroring, and
// the copy that leaves a transparent colour out.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "framework/graphics/internal/raster.h"

namespace fw {

namespace {

using Wide = __int128;

// For a fixed pattern, a ternary operation is a function of source and destination: bit k of
// mask[(S << 1) | D] is the result bit where S and D have those values.
struct Rop3Masks {
  TPixel m[4];
  TPixel Apply(TPixel s, TPixel d) const {
    return ((~s & ~d & m[0]) | (~s & d & m[1]) | (s & ~d & m[2]) | (s & d & m[3])) & kRgbMask;
  }
};

Rop3Masks MakeRop3(uint8_t table, TPixel pattern) {
  Rop3Masks r{};
  for (int k = 0; k < 4; ++k) {
    r.m[k] = ((table >> (4 | k)) & 1 ? pattern : 0) | ((table >> k) & 1 ? ~pattern : 0);
  }
  return r;
}

// The rectangle with its sides in order, and whether it was given right to left / bottom up.
struct Normalised {
  TRect r;
  bool flipX = false, flipY = false;
};
Normalised Normalise(const TRect& r) {
  Normalised n{r, r.Right < r.Left, r.Bottom < r.Top};
  if (n.flipX) std::swap(n.r.Left, n.r.Right);
  if (n.flipY) std::swap(n.r.Top, n.r.Bottom);
  return n;
}

// The source index of destination index rel (nearest pixel centre).
int64_t NearestIndex(int64_t rel, int64_t count, int64_t srcCount, bool mirror) {
  const int64_t i = ((2 * rel + 1) * srcCount) / (2 * count);
  return mirror ? srcCount - 1 - i : i;
}

// Source pixels under destination pixel j with their overlaps, in units of 1/count of a source
// pixel; the weights of one destination pixel sum to srcCount.
struct Weight {
  int index;
  int64_t weight;
};
// Only source pixels inside the bitmap (0 .. srcLimit-1) count, so the work is bounded by the
// bitmap however large the source rectangle is.
std::vector<Weight> AreaWeights(int64_t j, int64_t count, int64_t srcCount, bool mirror,
                                int srcOrigin, int srcLimit) {
  if (mirror) j = count - 1 - j;
  const int64_t lo = j * srcCount, hi = (j + 1) * srcCount;
  std::vector<Weight> out;
  for (int64_t i = std::max(lo / count, -int64_t(srcOrigin));
       i * count < hi && srcOrigin + i < srcLimit; ++i) {
    const int64_t w = std::min(hi, (i + 1) * count) - std::max(lo, i * count);
    if (w > 0) out.push_back(Weight{int(srcOrigin + i), w});
  }
  return out;
}

Wide TotalWeight(const std::vector<Weight>& weights) {
  Wide sum = 0;
  for (const Weight& w : weights) sum += w.weight;
  return sum;
}

TPixel PatternAt(const BlitPattern& p, int x, int y) {
  if (!p.hatch) return p.color;
  return (p.hatch[y & 7] >> (7 - (x & 7))) & 1 ? p.color : p.background;
}

// Columns of the clipped destination mapped to source columns (-1: outside the source).
std::vector<int> NearestColumns(const TRect& c, const Normalised& d, const Normalised& s,
                                const BlitSource& src) {
  std::vector<int> cols(size_t(c.Width()));
  const bool mirror = d.flipX != s.flipX;
  for (int x = c.Left; x < c.Right; ++x) {
    const int64_t i = s.r.Left + NearestIndex(x - d.r.Left, d.r.Width(), s.r.Width(), mirror);
    cols[size_t(x - c.Left)] = (i >= 0 && i < src.width) ? int(i) : -1;
  }
  return cols;
}

void BlitNearestRow(TPixel* out, const TPixel* in, const std::vector<int>& cols, int x0, int y,
                    uint8_t table, const BlitPattern& pattern) {
  const Rop3Masks solid = MakeRop3(table, pattern.color);
  for (size_t k = 0; k < cols.size(); ++k) {
    if (cols[k] < 0) continue;
    const int x = x0 + int(k);
    const Rop3Masks m = pattern.hatch ? MakeRop3(table, PatternAt(pattern, x, y)) : solid;
    out[x] = m.Apply(in[cols[k]], out[x]);
  }
}

// Per channel, the weighted sums of one destination row over a span of source columns. Sum is
// 32 bits when the source is short enough for every sum to fit (see BlitAverage), else 64.
template <typename Sum>
struct ColumnSums {
  int first = 0;  // the source column of element 0
  std::vector<Sum> r, g, b;
};

// Sums every source column of the span over the destination row's source rows. The row
// weights add up to the source rectangle's height, so a sum is at most 255 times that height.
template <typename Sum>
void SumColumns(const BlitSource& src, const std::vector<Weight>& rows, ColumnSums<Sum>& sums) {
  std::fill(sums.r.begin(), sums.r.end(), 0);
  std::fill(sums.g.begin(), sums.g.end(), 0);
  std::fill(sums.b.begin(), sums.b.end(), 0);
  Sum* r = sums.r.data();
  Sum* g = sums.g.data();
  Sum* b = sums.b.data();
  const size_t n = sums.r.size();
  for (const Weight& wy : rows) {
    const TPixel* line = src.pixels + wy.index * src.stride + sums.first;
    const Sum w = Sum(wy.weight);
    for (size_t k = 0; k < n; ++k) {
      const TPixel p = line[k];
      r[k] += w * Sum((p >> 16) & 0xFF);
      g[k] += w * Sum((p >> 8) & 0xFF);
      b[k] += w * Sum(p & 0xFF);
    }
  }
}

// The rounded average of the columns under one destination pixel: the same sum of weight
// products as over the whole footprint at once, taken a row of sums at a time. Acc holds a
// whole footprint's sum.
template <typename Acc, typename Sum>
TPixel AverageAt(const ColumnSums<Sum>& sums, const std::vector<Weight>& cols, Acc total) {
  Acc r = 0, g = 0, b = 0;
  for (const Weight& wx : cols) {
    const size_t k = size_t(wx.index - sums.first);
    r += Acc(wx.weight) * sums.r[k], g += Acc(wx.weight) * sums.g[k];
    b += Acc(wx.weight) * sums.b[k];
  }
  auto channel = [&](Acc sum) { return TPixel((sum + total / 2) / total); };
  return (channel(r) << 16) | (channel(g) << 8) | channel(b);
}

// The destination columns' source weights, and the span of source columns they cover.
struct ColumnWeights {
  std::vector<std::vector<Weight>> cols;
  std::vector<Wide> totals;
  int first = 0, last = -1;
};
ColumnWeights AverageColumns(const TRect& c, const Normalised& d, const Normalised& s,
                             const BlitSource& src) {
  ColumnWeights w;
  w.first = src.width;
  for (int x = c.Left; x < c.Right; ++x) {
    w.cols.push_back(AreaWeights(x - d.r.Left, d.r.Width(), s.r.Width(), d.flipX != s.flipX,
                                 s.r.Left, src.width));
    w.totals.push_back(TotalWeight(w.cols.back()));
    for (const Weight& one : w.cols.back())
      w.first = std::min(w.first, one.index), w.last = std::max(w.last, one.index);
  }
  return w;
}

template <typename Sum, typename Acc>
void BlitAverageRows(const ClippedTarget& dst, const TRect& c, const Normalised& d,
                     const Normalised& s, const BlitSource& src, const ColumnWeights& w,
                     uint8_t table, const BlitPattern& pattern) {
  ColumnSums<Sum> sums;
  sums.first = w.first;
  sums.r.resize(size_t(w.last - w.first + 1));
  sums.g.resize(sums.r.size());
  sums.b.resize(sums.r.size());
  const Rop3Masks solid = MakeRop3(table, pattern.color);
  for (int y = c.Top; y < c.Bottom; ++y) {
    const auto rows = AreaWeights(y - d.r.Top, d.r.Height(), s.r.Height(), d.flipY != s.flipY,
                                  s.r.Top, src.height);
    const Wide rowWeight = TotalWeight(rows);
    if (rowWeight == 0) continue;
    SumColumns(src, rows, sums);
    TPixel* out = dst.pixels.Row(y);
    for (int x = c.Left; x < c.Right; ++x) {
      const size_t k = size_t(x - c.Left);
      const Wide total = rowWeight * w.totals[k];
      if (total == 0) continue;  // the source lies outside the bitmap here
      const TPixel p = AverageAt(sums, w.cols[k], Acc(total));
      const Rop3Masks m = pattern.hatch ? MakeRop3(table, PatternAt(pattern, x, y)) : solid;
      out[x] = m.Apply(p, out[x]);
    }
  }
}

// Column sums stay below 255 times the source height and a footprint's sum below 255 times
// the source area: narrow integers serve whenever those bounds fit them.
void BlitAverage(const ClippedTarget& dst, const TRect& c, const Normalised& d, const Normalised& s,
                 const BlitSource& src, uint8_t table, const BlitPattern& pattern) {
  const ColumnWeights w = AverageColumns(c, d, s, src);
  if (w.last < w.first) return;  // the source lies outside the bitmap
  const Wide columnBound = Wide(255) * s.r.Height();
  const Wide footprintBound = columnBound * s.r.Width();
  if (columnBound < INT32_MAX && footprintBound < INT64_MAX / 2) {
    BlitAverageRows<int32_t, int64_t>(dst, c, d, s, src, w, table, pattern);
  } else {
    BlitAverageRows<int64_t, Wide>(dst, c, d, s, src, w, table, pattern);
  }
}

}  // namespace

TPixel ApplyRop3(uint8_t table, TPixel pattern, TPixel source, TPixel dest) {
  return MakeRop3(table, pattern).Apply(source, dest);
}

TRect StretchBlit(const ClippedTarget& dst, TRect dstRect, const BlitSource& src, TRect srcRect,
                  uint32_t rop, const BlitPattern& pattern, StretchMode mode) {
  const Normalised d = Normalise(dstRect), s = Normalise(srcRect);
  TRect c;
  if (IsRectEmpty(s.r) || !IntersectRect(c, d.r, dst.clip)) return TRect{};
  const uint8_t table = uint8_t((rop >> 16) & 0xFF);
  const bool scaled = d.r.Width() != s.r.Width() || d.r.Height() != s.r.Height();
  if (mode == StretchMode::Average && scaled && src.width > 0 && src.height > 0) {
    BlitAverage(dst, c, d, s, src, table, pattern);
    return c;
  }
  const std::vector<int> cols = NearestColumns(c, d, s, src);
  // Rows whose columns map one to one onto a run of source columns (no horizontal scaling or
  // mirroring) are combined run against run, which the compiler turns into vector code; only
  // the rows differ when the height is scaled.
  const bool sameColumns =
      d.r.Width() == s.r.Width() && d.flipX == s.flipX && cols.front() >= 0 && cols.back() >= 0;
  const Rop3Masks solid = MakeRop3(table, pattern.color);
  for (int y = c.Top; y < c.Bottom; ++y) {
    const int64_t sy =
        s.r.Top + NearestIndex(y - d.r.Top, d.r.Height(), s.r.Height(), d.flipY != s.flipY);
    if (sy < 0 || sy >= src.height) continue;
    if (sameColumns && (table == 0xCC || !pattern.hatch)) {
      const TPixel* in = src.pixels + sy * src.stride + cols.front();
      TPixel* out = dst.pixels.Row(y) + c.Left;
      if (table == 0xCC) {
        // A block copy stores a long row without reading the destination first; the mask
        // then runs over the row while it is still in the cache.
        std::memcpy(out, in, size_t(c.Width()) * sizeof(TPixel));
        std::transform(out, out + c.Width(), out, [](TPixel p) { return p & kRgbMask; });
      } else {
        std::transform(in, in + c.Width(), out, out,
                       [m = solid](TPixel p, TPixel q) { return m.Apply(p, q); });
      }
      continue;
    }
    BlitNearestRow(dst.pixels.Row(y), src.pixels + sy * src.stride, cols, c.Left, y, table,
                   pattern);
  }
  return c;
}

TRect TransparentBlit(const ClippedTarget& dst, TRect dstRect, const BlitSource& src, TRect srcRect,
                      TPixel transparent) {
  const Normalised d = Normalise(dstRect), s = Normalise(srcRect);
  TRect c;
  if (IsRectEmpty(s.r) || !IntersectRect(c, d.r, dst.clip)) return TRect{};
  const std::vector<int> cols = NearestColumns(c, d, s, src);
  transparent &= kRgbMask;
  for (int y = c.Top; y < c.Bottom; ++y) {
    const int64_t sy =
        s.r.Top + NearestIndex(y - d.r.Top, d.r.Height(), s.r.Height(), d.flipY != s.flipY);
    if (sy < 0 || sy >= src.height) continue;
    const TPixel* in = src.pixels + sy * src.stride;
    TPixel* out = dst.pixels.Row(y);
    for (size_t k = 0; k < cols.size(); ++k) {
      if (cols[k] < 0) continue;
      const TPixel p = in[cols[k]] & kRgbMask;
      if (p != transparent) out[c.Left + int(k)] = p;
    }
  }
  return c;
}

}  // namespace fw
