// TCanvas lines: pen position, LineTo and Polyline, and the outline stroking the closed
// figures share.
#include <vector>

#include "framework/graphics/canvas.h"
#include "framework/graphics/internal/raster.h"

namespace fw {

void TCanvas::MoveTo(int x, int y) {
  penPos_ = Point(x, y);
}

void TCanvas::LineTo(int x, int y) {
  const TPoint points[2] = {ToDevice(penPos_.X, penPos_.Y), ToDevice(x, y)};
  StrokePath(points, false);
  penPos_ = Point(x, y);
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  std::vector<TPoint> device;
  device.reserve(points.size());
  for (const TPoint& p : points) device.push_back(ToDevice(p.X, p.Y));
  StrokePath(device, false);
}

// Lines through device points with the pen, each end point left to the next line (or left
// out at the end of an open path); the dash pattern runs on along the path.
void TCanvas::StrokePath(std::span<const TPoint> devicePoints, bool closed) {
  if (!PenVisible() || devicePoints.size() < 2) return;
  const ClippedTarget t = DeviceTarget();
  if (IsRectEmpty(t.clip)) return;
  const LinePen pen = MakeLinePen();
  DashState dash;
  TRect touched;
  const size_t n = devicePoints.size(), lines = closed ? n : n - 1;
  for (size_t i = 0; i < lines; ++i) {
    UnionRect(touched, touched, DrawLine(t, devicePoints[i], devicePoints[(i + 1) % n], pen, dash));
  }
  NotifyDrawn(touched);
}

}  // namespace fw
