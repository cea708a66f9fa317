// TCanvas fills with the brush alone: FillRect, FrameRect and FloodFill.
#include "framework/graphics/canvas.h"
#include "framework/graphics/internal/raster.h"

namespace fw {

void TCanvas::FillRect(const TRect& r) {
  if (brush_->Style() == bsClear) return;
  const TRect box = ToDevice(r);
  FillRectPixels(DeviceTarget(), box, BrushInk(false));
  NotifyDrawn(box);
}

void TCanvas::FrameRect(const TRect& r) {
  if (brush_->Style() == bsClear) return;
  const TRect box = ToDevice(r);
  FrameRectPixels(DeviceTarget(), box, Ink{ColorToPixel(brush_->Color()), R2_COPYPEN, nullptr});
  NotifyDrawn(box);
}

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
  if (brush_->Style() == bsClear) return;
  const TPoint d = ToDevice(x, y);
  const FloodMode mode = style == fsSurface ? FloodMode::Surface : FloodMode::Border;
  NotifyDrawn(
      FloodFillPixels(DeviceTarget(), d.X, d.Y, ColorToPixel(color), mode, BrushInk(false)));
}

}  // namespace fw
