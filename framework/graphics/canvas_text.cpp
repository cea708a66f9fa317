// TCanvas text through the text engine: TextOut, TextRect and the measures.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "framework/graphics/canvas.h"
#include "framework/graphics/internal/raster.h"

namespace fw {

namespace {

// The box around a w x h cell at (x, y) turned by `tenths` of a degree counter-clockwise
// about (x, y).
TRect TurnedCell(int x, int y, int w, int h, int tenths) {
  if (tenths % 3600 == 0) return Rect(x, y, x + w, y + h);
  const double a = tenths / 10.0 * std::numbers::pi / 180.0, c = std::cos(a), s = std::sin(a);
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (auto [px, py] : {std::pair{w, 0}, std::pair{0, h}, std::pair{w, h}}) {
    // Screen y grows downwards, so a counter-clockwise turn is (c, s; -s, c) on (px, py).
    const double tx = px * c + py * s, ty = -px * s + py * c;
    minX = std::min(minX, tx), maxX = std::max(maxX, tx);
    minY = std::min(minY, ty), maxY = std::max(maxY, ty);
  }
  return Rect(x + int(std::floor(minX)) - 1, y + int(std::floor(minY)) - 1,
              x + int(std::ceil(maxX)) + 1, y + int(std::ceil(maxY)) + 1);
}

}  // namespace

void TCanvas::TextOut(int x, int y, std::string_view text) {
  const FontSpec spec = font_->Spec();
  const fw::TextExtent extent = MeasureText(spec, text);
  const ClippedTarget t = DeviceTarget();
  const TPoint d = ToDevice(x, y);
  std::optional<TPixel> background;
  if (brush_->Style() == bsSolid) background = ColorToPixel(brush_->Color());
  if (background && spec.escapement % 3600 == 0) {
    // An upright cell is filled here; the engine fills only turned cells.
    FillRectPixels(t, Bounds(d.X, d.Y, extent.width, extent.height), BrushInk(false));
    background.reset();
  }
  if (!IsRectEmpty(t.clip)) {
    DrawText(t.pixels, t.clip, d.X, d.Y, text, spec, ColorToPixel(font_->Color()), background);
    // Glyphs may overhang their cell (italics, bearings): report a margin around it.
    TRect touched = TurnedCell(d.X, d.Y, extent.width, extent.height, spec.escapement);
    InflateRect(touched, extent.height / 2 + 1, 1);
    NotifyDrawn(touched);
  }
  MoveTo(int(std::clamp<int64_t>(int64_t(x) + extent.width, INT32_MIN, INT32_MAX)), y);
}

void TCanvas::TextRect(const TRect& r, int x, int y, std::string_view text) {
  const ClippedTarget t = DeviceTarget();
  const TRect box = ToDevice(r);
  TRect clip;
  if (!IntersectRect(clip, box, t.clip)) return;
  if (brush_->Style() == bsSolid) FillRectPixels(t, clip, BrushInk(false));
  const TPoint d = ToDevice(x, y);
  DrawText(t.pixels, clip, d.X, d.Y, text, font_->Spec(), ColorToPixel(font_->Color()),
           std::nullopt);
  NotifyDrawn(clip);
}

int TCanvas::TextWidth(std::string_view text) const {
  return TextExtent(text).cx;
}

int TCanvas::TextHeight(std::string_view text) const {
  return TextExtent(text).cy;
}

TSize TCanvas::TextExtent(std::string_view text) const {
  const fw::TextExtent e = MeasureText(font_->Spec(), text);
  return TSize{e.width, e.height};
}

}  // namespace fw
