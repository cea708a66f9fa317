// TProgBar's frames: plain, sunken, raised, embossed and engraved rings around a rectangle,
// with the two corners where a top or left line meets a bottom or right one in the margin
// colour.
#include "framework/graphics/canvas.h"
#include "framework/graphics/frame3d.h"
#include "indicators/ZEB_ProgBar.h"

namespace zeb {

// With L, T, R, B the rectangle's edge pixels (R = Right - 1, B = Bottom - 1):
//   fstPlain     a shadow outline.
//   fstSunken    outer ring top and left shadow, bottom and right light; inner ring top and
//                left dark, bottom and right shadow.
//   fstRaised    outer ring top and left shadow, bottom and right dark; inner ring top and
//                left light, bottom and right shadow.
//   fstEmbossed  a light outline of (L, T)-(R-1, B-1) over a shadow outline of
//                (L+1, T+1)-(R, B).
//   fstEngraved  the same with shadow and light exchanged.
// The 3-D styles then put the margin colour on (L, B) and (R, T).
void TProgBar::PaintFrame(fw::TCanvas* canvas, TFrameStyle style, const fw::TRect& r) {
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;
  const fw::TRect second = fw::Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  switch (style) {
    case fstPlain:
      fw::Frame3D(canvas, r, frameShadow_, frameShadow_);
      return;
    case fstSunken:
      fw::Frame3D(canvas, r, frameShadow_, frameLight_);
      fw::Frame3D(canvas, second, frameDark_, frameShadow_);
      break;
    case fstRaised:
      fw::Frame3D(canvas, r, frameShadow_, frameDark_);
      fw::Frame3D(canvas, second, frameLight_, frameShadow_);
      break;
    case fstEmbossed:
      fw::EtchedFrame(canvas, r, frameLight_, frameShadow_);
      break;
    case fstEngraved:
      fw::EtchedFrame(canvas, r, frameShadow_, frameLight_);
      break;
    default:
      return;
  }
  canvas->SetPixels(r.Left, r.Bottom - 1, colorMargin_);
  canvas->SetPixels(r.Right - 1, r.Top, colorMargin_);
}

}  // namespace zeb
