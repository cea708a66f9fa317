// Device access to a TCanvas for the framework's own drawing code (text layout, bitmap copies
// between canvases, painting controls into a parent's canvas): the pixels and clip drawing
// uses, the mapping from logical to device coordinates, change reports and raw blits.
#pragma once

#include "framework/graphics/canvas.h"
#include "framework/graphics/internal/raster.h"

namespace fw {

class TCanvasDevice {
 public:
  // The device pixels and clip drawing uses (empty without a bitmap).
  static ClippedTarget Target(const TCanvas& canvas) { return canvas.DeviceTarget(); }
  static TPoint ToDevice(const TCanvas& canvas, int x, int y) { return canvas.ToDevice(x, y); }
  static TRect ToDevice(const TCanvas& canvas, const TRect& r) { return canvas.ToDevice(r); }
  // Reports a touched device rectangle (clipped) to OnDrawn and OnChange.
  static void NotifyDrawn(const TCanvas& canvas, const TRect& device) {
    canvas.NotifyDrawn(device);
  }
  // Copies source (bitmap pixels) to dest (device pixels) by rop; reversed rectangles mirror.
  static void Blit(TCanvas& canvas, const TRect& dest, const TBitmap* bitmap, const TRect& source,
                   TCopyMode rop) {
    canvas.BlitDevice(dest, bitmap, source, rop);
  }
};

}  // namespace fw
