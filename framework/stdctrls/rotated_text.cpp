// Text turned about an anchor point.
#include "framework/stdctrls/rotated_text.h"

#include <cmath>
#include <numbers>

#include "framework/graphics/pen_brush_font.h"

namespace fw {

void SelectRotatedFont(TCanvas* canvas, const TFont* font, int angle, uint8_t quality) {
  canvas->SetFont(font);
  LOGFONT turned{};
  GetObject(canvas->Font()->Handle(), turned);
  turned.lfEscapement = turned.lfOrientation = angle * 10;
  turned.lfCharSet = 1;
  turned.lfOutPrecision = turned.lfClipPrecision = 0;
  turned.lfQuality = quality;
  turned.lfPitchAndFamily = 0;
  canvas->Font()->SetHandle(CreateFontIndirect(turned));
}

TPoint RotatedTextOrigin(TPoint anchor, int angle, TAlignment alignment, int width, int height) {
  const double a = angle * std::numbers::pi / 180.0;
  const int hw = width / 2, hh = height / 2;
  const double along = alignment == taLeftJustify ? 0.0 : alignment == taCenter ? hw : 2.0 * hw;
  const double x = -along * std::cos(a) - hh * std::sin(a);
  const double y = along * std::sin(a) - hh * std::cos(a);
  return {anchor.X + static_cast<int>(std::nearbyint(x)),
          anchor.Y + static_cast<int>(std::nearbyint(y))};
}

}  // namespace fw
