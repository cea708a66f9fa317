// TCanvas closed figures: rectangles, rounded rectangles, ellipses, arcs, pies, chords and
// polygons. Each is split into an inside (brush) and an outline (pen) before painting.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "framework/graphics/canvas.h"
#include "framework/graphics/internal/raster.h"

namespace fw {

namespace {

TRect Ordered(int x1, int y1, int x2, int y2) {
  return Rect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

// The box a pen of width w covers: 1-pixel pens lie on the border pixels of box, wider pens are
// centred on them (the extra pixel of an even width outside on the left and top), psInsideFrame
// pens stay inside box.
TRect PenOuterBox(const TRect& box, int w, bool insideFrame) {
  if (w == 1 || insideFrame) return box;
  return Rect(box.Left - w / 2, box.Top - w / 2, box.Right - 1 + (w - w / 2),
              box.Bottom - 1 + (w - w / 2));
}

TRect Deflated(TRect r, int by) {
  InflateRect(r, -by, -by);
  return r;
}

struct FigureParts {
  Segments inside;
  Segments outline;
  TRect outer;  // what the figure may touch
};

// Splits the figure that make(box) gives into inside and outline for the canvas's pen.
template <typename MakeRegion>
FigureParts SplitFigure(const TRect& box, int penWidth, bool penVisible, bool insideFrame,
                        MakeRegion make) {
  FigureParts parts;
  if (!penVisible) {
    parts.outer = Rect(box.Left, box.Top, box.Right - 1, box.Bottom - 1);
    parts.inside = RegionSegments(make(parts.outer));
  } else if (penWidth == 1) {
    const SpanRegion region = make(box);
    parts.inside = RegionInterior(region);
    parts.outline = RegionOutline(region);
    parts.outer = box;
  } else {
    parts.outer = PenOuterBox(box, penWidth, insideFrame);
    const SpanRegion inner = make(Deflated(parts.outer, penWidth));
    parts.outline = RegionDifference(make(parts.outer), inner);
    parts.inside = RegionSegments(inner);
  }
  return parts;
}

}  // namespace

void TCanvas::PaintFigure(const Segments& inside, const Segments& outline, const TRect& box) {
  const ClippedTarget t = DeviceTarget();
  if (brush_->Style() != bsClear) PaintSegments(t, inside, BrushInk(true));
  if (PenVisible()) PaintSegments(t, outline, MakeLinePen().ink);
  NotifyDrawn(box);
}

// The straight outline lines of a figure: with a one-pass pen their pixels (found before, as
// `pixels`) are painted once each, even where lines meet or cross; otherwise line by line.
void TCanvas::StrokeLines(std::span<const TPoint> devicePoints, bool closed,
                          const Segments& pixels) {
  if (!OnePassStroke()) {
    StrokePath(devicePoints, closed);
    return;
  }
  Segments unique = pixels;
  std::sort(unique.begin(), unique.end(), [](const Segment& a, const Segment& b) {
    return a.y != b.y ? a.y < b.y : a.x0 < b.x0;
  });
  unique.erase(
      std::unique(unique.begin(), unique.end(),
                  [](const Segment& a, const Segment& b) { return a.y == b.y && a.x0 == b.x0; }),
      unique.end());
  PaintSegments(DeviceTarget(), unique, MakeLinePen().ink);
  NotifyDrawn(SegmentsBounds(unique));
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  const TRect box = ToDevice(Ordered(x1, y1, x2, y2));
  const ClippedTarget t = DeviceTarget();
  if (IsRectEmpty(box) || IsRectEmpty(t.clip)) return;
  const bool brushVisible = brush_->Style() != bsClear;
  if (!PenVisible()) {
    const TRect inside = Rect(box.Left, box.Top, box.Right - 1, box.Bottom - 1);
    if (brushVisible) FillRectPixels(t, inside, BrushInk(true));
    NotifyDrawn(inside);
    return;
  }
  const LinePen pen = MakeLinePen();
  const TRect outer = PenOuterBox(box, pen.width, pen_->Style() == psInsideFrame);
  const TRect inner = Deflated(outer, pen.width);
  if (brushVisible) FillRectPixels(t, inner, BrushInk(true));
  if (!pen.dashes.empty()) {
    const TPoint corners[4] = {Point(box.Left, box.Top), Point(box.Right - 1, box.Top),
                               Point(box.Right - 1, box.Bottom - 1),
                               Point(box.Left, box.Bottom - 1)};
    StrokePath(corners, true);
  } else if (IsRectEmpty(inner)) {
    FillRectPixels(t, outer, pen.ink);
  } else {
    FillRectPixels(t, Rect(outer.Left, outer.Top, outer.Right, inner.Top), pen.ink);
    FillRectPixels(t, Rect(outer.Left, inner.Bottom, outer.Right, outer.Bottom), pen.ink);
    FillRectPixels(t, Rect(outer.Left, inner.Top, inner.Left, inner.Bottom), pen.ink);
    FillRectPixels(t, Rect(inner.Right, inner.Top, outer.Right, inner.Bottom), pen.ink);
  }
  NotifyDrawn(outer);
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
  const TRect box = ToDevice(Ordered(x1, y1, x2, y2));
  const TRect window = DeviceTarget().clip;
  const int64_t cw = std::abs(int64_t(x3)), ch = std::abs(int64_t(y3));
  auto make = [&](const TRect& b) {
    // Corners grow and shrink with the box, so thick outlines keep an even width.
    auto corner = [](int64_t size) { return int(std::clamp<int64_t>(size, 0, INT32_MAX)); };
    return RoundRectRegion(b, corner(cw + b.Width() - box.Width()),
                           corner(ch + b.Height() - box.Height()), window);
  };
  const FigureParts parts =
      SplitFigure(box, PenWidth(), PenVisible(), pen_->Style() == psInsideFrame, make);
  PaintFigure(parts.inside, parts.outline, parts.outer);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  const TRect box = ToDevice(Ordered(x1, y1, x2, y2));
  const TRect window = DeviceTarget().clip;
  const FigureParts parts =
      SplitFigure(box, PenWidth(), PenVisible(), pen_->Style() == psInsideFrame,
                  [&](const TRect& b) { return EllipseRegion(b, window); });
  PaintFigure(parts.inside, parts.outline, parts.outer);
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  if (!PenVisible()) return;
  const TRect box = ToDevice(Ordered(x1, y1, x2, y2));
  const TPoint start = ToDevice(x3, y3), end = ToDevice(x4, y4);
  const TRect window = DeviceTarget().clip;
  const FigureParts parts = SplitFigure(box, PenWidth(), true, pen_->Style() == psInsideFrame,
                                        [&](const TRect& b) { return EllipseRegion(b, window); });
  PaintSegments(DeviceTarget(), ClipToSector(parts.outline, box, start, end), MakeLinePen().ink);
  NotifyDrawn(parts.outer);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  const TRect box = ToDevice(Ordered(x1, y1, x2, y2));
  const TPoint start = ToDevice(x3, y3), end = ToDevice(x4, y4);
  const TRect window = DeviceTarget().clip;
  const FigureParts parts =
      SplitFigure(box, PenWidth(), PenVisible(), pen_->Style() == psInsideFrame,
                  [&](const TRect& b) { return EllipseRegion(b, window); });
  // The two radii, from the start of the arc to the centre and on to its end.
  const TPoint centre = Point(box.Left + (box.Width() - 1) / 2, box.Top + (box.Height() - 1) / 2);
  const TPoint radii[3] = {EllipseRayPoint(box, start), centre, EllipseRayPoint(box, end)};
  const Segments lines = OnePassStroke() ? PathPixels(radii, false, window) : Segments{};
  PaintFigure(SubtractSegments(ClipToSector(parts.inside, parts.outer, start, end), lines),
              SubtractSegments(ClipToSector(parts.outline, box, start, end), lines), parts.outer);
  StrokeLines(radii, false, lines);
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  const TRect box = ToDevice(Ordered(x1, y1, x2, y2));
  const TPoint start = ToDevice(x3, y3), end = ToDevice(x4, y4);
  const TRect window = DeviceTarget().clip;
  const FigureParts parts =
      SplitFigure(box, PenWidth(), PenVisible(), pen_->Style() == psInsideFrame,
                  [&](const TRect& b) { return EllipseRegion(b, window); });
  const TPoint chord[2] = {EllipseRayPoint(box, end), EllipseRayPoint(box, start)};
  const Segments line = OnePassStroke() ? PathPixels(chord, false, window) : Segments{};
  PaintFigure(SubtractSegments(ClipToChord(parts.inside, parts.outer, start, end), line),
              SubtractSegments(ClipToSector(parts.outline, box, start, end), line), parts.outer);
  StrokeLines(chord, false, line);
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (points.empty()) return;
  std::vector<TPoint> device;
  TRect box;
  for (const TPoint& p : points) {
    device.push_back(ToDevice(p.X, p.Y));
    UnionRect(box, box,
              Rect(device.back().X, device.back().Y, device.back().X + 1, device.back().Y + 1));
  }
  const ClippedTarget t = DeviceTarget();
  const Segments lines = OnePassStroke() ? PathPixels(device, true, t.clip) : Segments{};
  if (brush_->Style() != bsClear) {
    PaintSegments(t, SubtractSegments(PolygonFill(device, t.clip), lines), BrushInk(true));
    NotifyDrawn(box);
  }
  StrokeLines(device, true, lines);
}

}  // namespace fw
