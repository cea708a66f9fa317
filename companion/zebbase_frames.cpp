// DrawFrame and DrawRectangle: the frames the components draw around their faces, on the
// edge of an inclusive rectangle.
#include <utility>

#include "companion/ZEB_zebbase.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/frame3d.h"

namespace zeb {

void DrawFrame(fw::TCanvas* canvas, TFrameStyle style, int left, int top, int right, int bottom,
               fw::TColor highlight, fw::TColor light, fw::TColor shadow, fw::TColor darkShadow,
               fw::TColor outline) {
  if (canvas == nullptr || right < left || bottom < top) return;
  // The frame's edge pixels, as a rectangle that ends after them.
  const fw::TRect edge = fw::Rect(left, top, right + 1, bottom + 1);
  const fw::TRect second = fw::Rect(left + 1, top + 1, right, bottom);
  switch (style) {
    case fstPlain:
      fw::Frame3D(canvas, edge, outline, outline);
      break;
    case fstSunken:
      fw::Frame3D(canvas, edge, shadow, highlight, 1, fw::bcSidesOwn);
      fw::Frame3D(canvas, second, darkShadow, light, 1, fw::bcSidesOwn);
      break;
    case fstRaised:
      fw::Frame3D(canvas, edge, highlight, darkShadow, 1, fw::bcSidesOwn);
      fw::Frame3D(canvas, second, light, shadow, 1, fw::bcSidesOwn);
      break;
    case fstEmbossed:
      fw::EtchedFrame(canvas, edge, highlight, shadow);
      break;
    case fstEngraved:
      fw::EtchedFrame(canvas, edge, shadow, highlight);
      break;
    default:
      break;
  }
}

void DrawRectangle(fw::TCanvas* canvas, int left, int top, int right, int bottom) {
  if (canvas == nullptr) return;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  // A line or a single pixel: one stroke that includes its end point, so no pixel is painted
  // twice (that matters for the pen's xor modes).
  if (left == right || top == bottom) {
    canvas->MoveTo(left, top);
    if (left == right) {
      canvas->LineTo(left, bottom + 1);
    } else {
      canvas->LineTo(right + 1, top);
    }
    return;
  }
  // Each stroke leaves out its end point, which the next one starts with; the last end point
  // is the first start point.
  canvas->MoveTo(left, top);
  canvas->LineTo(right, top);
  canvas->LineTo(right, bottom);
  canvas->LineTo(left, bottom);
  canvas->LineTo(left, top);
}

}  // namespace zeb
