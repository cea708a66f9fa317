// TProgBar's value text: the number formatted by TextDecPlaces, OnShowValue, the font turned by
// TextAngle and the text's place around the anchor point.
#include <cmath>
#include <numbers>

#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/rounding.h"
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
fw::TPoint ValueTextOrigin(fw::TPoint anchor, int angle, fw::TAlignment alignment, int width,
                           int height) {
  const double a = angle * std::numbers::pi / 180.0;
  const int hw = width / 2, hh = height / 2;
  const double along = alignment == fw::taLeftJustify    ? 0.0
                       : alignment == fw::taRightJustify ? 2.0 * hw
                                                         : double(hw);
  return {anchor.X + static_cast<int>(fw::Round(-along * std::cos(a) - hh * std::sin(a))),
          anchor.Y + static_cast<int>(fw::Round(along * std::sin(a) - hh * std::cos(a)))};
}

std::string TProgBar::ShownValueText() {
  std::string text = ProgBarValueText(value_, textDecPlaces_);
  OnShowValue(this, text);
  return text;
}

// The control's font with escapement and orientation set to the angle, on a clear brush.
void TProgBar::PaintValueText(fw::TCanvas* canvas) {
  canvas->SetFont(Font());
  fw::LOGFONT font{};
  fw::GetObject(canvas->Font()->Handle(), font);
  font.lfEscapement = font.lfOrientation = textAngle_ * 10;
  font.lfCharSet = 1;
  font.lfOutPrecision = font.lfClipPrecision = font.lfQuality = font.lfPitchAndFamily = 0;
  canvas->Font()->SetHandle(fw::CreateFontIndirect(font));
  canvas->Brush()->SetStyle(fw::bsClear);
  const std::string text = ShownValueText();
  const fw::TPoint at = ValueTextOrigin({textPosX_, textPosY_}, textAngle_, textAlignment_,
                                        canvas->TextWidth(text), canvas->TextHeight(text));
  canvas->TextOut(at.X, at.Y, text);
}

}  // namespace zeb
