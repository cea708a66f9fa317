// TProgBar's value text: the number formatted by TextDecPlaces, OnShowValue, the font turned by
// TextAngle and the text's place around the anchor point.

#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/rounding.h"
#include "framework/stdctrls/rotated_text.h"
#include "indicators/ZEB_ProgBar.h"

namespace zeb {

namespace {

// " d.dE+00dd" becomes " d.dE+dd"; an exponent beyond two digits fills the text with "*"
// (the short form has no room for it). Text without a four-digit exponent stays.
std::string ShortExponent(std::string text) {
  const size_t mark = text.rfind('E');
  if (mark == std::string::npos || text.size() != mark + 6) return text;
  if (text[mark + 2] != '0' || text[mark + 3] != '0') return std::string(text.size(), '*');
  return text.erase(mark + 2, 2);
}

}  // namespace

std::string ProgBarValueText(double value, int decPlaces) {
  if (decPlaces >= 0) return fw::Str(value, 0, std::min(decPlaces, 10));
  if (decPlaces == -1) return ShortExponent(fw::Str(value, 3));
  return fw::Str(value, 1);
}

// Half the text's width and height turned by the angle: the start, the centre or the end of
// the text's middle line lands on the anchor.
std::string TProgBar::ShownValueText() {
  std::string text = ProgBarValueText(value_, textDecPlaces_);
  OnShowValue(this, text);
  return text;
}

// The control's font with escapement and orientation set to the angle, on a clear brush.
void TProgBar::PaintValueText(fw::TCanvas* canvas) {
  fw::SelectRotatedFont(canvas, Font(), textAngle_);
  canvas->Brush()->SetStyle(fw::bsClear);
  const std::string text = ShownValueText();
  const fw::TPoint at = fw::RotatedTextOrigin({textPosX_, textPosY_}, textAngle_, textAlignment_,
                                              canvas->TextWidth(text), canvas->TextHeight(text));
  canvas->TextOut(at.X, at.Y, text);
}

}  // namespace zeb
