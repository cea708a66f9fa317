// Polygon insides by the alternate rule, and flood fill by spans with an explicit stack.
#include <algorithm>
#include <cmath>

#include "framework/graphics/internal/raster.h"

namespace fw {

namespace {

// Crossings of row y by the polygon's edges (each edge half-open in y: top end counted).
void RowCrossings(std::span<const TPoint> points, int y, std::vector<double>& xs) {
  xs.clear();
  const size_t n = points.size();
  for (size_t i = 0; i < n; ++i) {
    const TPoint a = points[i], b = points[(i + 1) % n];
    if (a.Y == b.Y) continue;
    const TPoint top = a.Y < b.Y ? a : b, bottom = a.Y < b.Y ? b : a;
    if (y < top.Y || y >= bottom.Y) continue;
    xs.push_back(top.X + double(y - top.Y) * (bottom.X - top.X) / double(bottom.Y - top.Y));
  }
  std::sort(xs.begin(), xs.end());
}

}  // namespace

Segments PolygonFill(std::span<const TPoint> points, const TRect& clip) {
  Segments out;
  if (points.size() < 3 || IsRectEmpty(clip)) return out;
  int top = points[0].Y, bottom = points[0].Y;
  for (const TPoint& p : points) top = std::min(top, p.Y), bottom = std::max(bottom, p.Y);
  std::vector<double> xs;
  for (int y = std::max(top, clip.Top); y < std::min(bottom, clip.Bottom); ++y) {
    RowCrossings(points, y, xs);
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
      // Pixel x is inside when xs[i] <= x < xs[i + 1].
      const double lo = std::max(std::ceil(xs[i]), double(clip.Left));
      const double hi = std::min(std::ceil(xs[i + 1]), double(clip.Right));
      if (lo < hi) out.push_back(Segment{y, int(lo), int(hi)});
    }
  }
  return out;
}

namespace {

// Flood fill state: which pixels belong to the area, which have been taken.
class Flood {
 public:
  Flood(const ClippedTarget& t, TPixel color, FloodMode mode)
      : t_(t),
        color_(color & kRgbMask),
        mode_(mode),
        taken_(size_t(t.clip.Width()) * size_t(t.clip.Height()), 0) {}

  bool Open(int x, int y) const {
    if (x < t_.clip.Left || x >= t_.clip.Right || y < t_.clip.Top || y >= t_.clip.Bottom) {
      return false;
    }
    return !taken_[Index(x, y)] && Belongs(t_.pixels.Row(y)[x]);
  }

  // Takes the run of open pixels through (x, y) and queues the runs above and below it.
  void TakeRun(int x, int y) {
    const TPixel* row = t_.pixels.Row(y);
    uint8_t* taken = &taken_[Index(t_.clip.Left, y)];  // element x - clip.Left
    const int left = t_.clip.Left;
    int x0 = x, x1 = x + 1;
    while (x0 > left && !taken[x0 - 1 - left] && Belongs(row[x0 - 1])) --x0;
    while (x1 < t_.clip.Right && !taken[x1 - left] && Belongs(row[x1])) ++x1;
    std::fill(taken + (x0 - left), taken + (x1 - left), 1);
    runs_.push_back(Segment{y, x0, x1});
    QueueRow(x0, x1, y - 1);
    QueueRow(x0, x1, y + 1);
  }

  void Run(int x, int y) {
    if (!Open(x, y)) return;
    seeds_.push_back(Point(x, y));
    while (!seeds_.empty()) {
      const TPoint p = seeds_.back();
      seeds_.pop_back();
      if (Open(p.X, p.Y)) TakeRun(p.X, p.Y);
    }
  }

  const Segments& Runs() const { return runs_; }

 private:
  size_t Index(int x, int y) const {
    return size_t(y - t_.clip.Top) * size_t(t_.clip.Width()) + size_t(x - t_.clip.Left);
  }

  bool Belongs(TPixel p) const {
    const bool same = (p & kRgbMask) == color_;
    return mode_ == FloodMode::Surface ? same : !same;
  }

  // One seed per run of open pixels of row y under [x0, x1).
  void QueueRow(int x0, int x1, int y) {
    if (y < t_.clip.Top || y >= t_.clip.Bottom) return;
    const TPixel* row = t_.pixels.Row(y);
    const uint8_t* taken = &taken_[Index(t_.clip.Left, y)];  // element x - clip.Left
    bool inRun = false;
    for (int x = x0; x < x1; ++x) {
      const bool open = !taken[x - t_.clip.Left] && Belongs(row[x]);
      if (open && !inRun) seeds_.push_back(Point(x, y));
      inRun = open;
    }
  }

  const ClippedTarget& t_;
  TPixel color_;
  FloodMode mode_;
  std::vector<uint8_t> taken_;
  std::vector<TPoint> seeds_;
  Segments runs_;
};

}  // namespace

TRect FloodFillPixels(const ClippedTarget& t, int x, int y, TPixel color, FloodMode mode,
                      const Ink& ink) {
  if (!PtInRect(t.clip, Point(x, y))) return TRect{};
  Flood flood(t, color, mode);
  flood.Run(x, y);
  // The area is found first and painted after, so the brush colour never confuses the search.
  PaintSegments(t, flood.Runs(), ink);
  return SegmentsBounds(flood.Runs());
}

}  // namespace fw
