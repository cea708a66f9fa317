// TNumIO2's geometry: where the text row, the buttons and the freeze box lie, and the
// mapping between character positions and x coordinates in the text box.
#include <algorithm>

#include "numio/ZEB_NumIO.h"

namespace zeb {

namespace {

// The sample whose height sets the text row's line height (with accents and descenders).
constexpr const char* kLineHeightSample = "(8g]}\xC3\x9C\xC3\x84\xC2\xA7";

}  // namespace

fw::TCanvas* TNumIO2::MeasureCanvas() const {
  fw::TCanvas* canvas = image_->Canvas();
  canvas->SetFont(Font());
  return canvas;
}

int TNumIO2::TextWidth(std::string_view text) const {
  return MeasureCanvas()->TextWidth(text);
}

TNumIO2::Layout TNumIO2::GetLayout() const {
  Layout g{};
  g.W = Width();
  g.H = Height();
  const int d = gaugeVisible_ ? gaugeHeight_ + gaugeTopMargin_ + 1 : 0;
  g.rowBottom = g.H - d;
  g.textHeight = MeasureCanvas()->TextHeight(kLineHeightSample);
  g.y0 = (g.rowBottom - g.textHeight) / 2;
  g.r = butVisible_ ? butWidth_ + butSpace_ : 0;
  g.x0 = leftSpace_ + textBoxWidth_ + butSpace_;
  g.xf = leftSpace_ + g.r + textBoxWidth_ + freezeBoxLeft_ + 8;
  return g;
}

int TNumIO2::CharPosToXCoords(int p) const {
  const std::string& text = editor_.text;
  p = std::clamp(p, 0, editor_.Length());
  const int w = TextWidth(text);
  const int wp = TextWidth(std::string_view(text).substr(0, p));
  switch (alignment_) {
    case fw::taLeftJustify:
      return wp + leftSpace_ + 4;
    case fw::taRightJustify:
      return wp + leftSpace_ + textBoxWidth_ - w - 2;
    default:
      return wp + leftSpace_ + (textBoxWidth_ - w) / 2 + 2;
  }
}

// The mean character width m rounds x to a position; m is at least 1, so a text wider than
// its characters count in pixels (a tiny font) never divides by zero.
int TNumIO2::XCoordsToCharPos(int x) const {
  const int length = editor_.Length();
  if (length == 0) return 0;
  const int w = TextWidth(editor_.text);
  const int m = std::max(w / length, 1);
  int c = 0;
  switch (alignment_) {
    case fw::taLeftJustify:
      c = x - leftSpace_ - 3;
      break;
    case fw::taRightJustify:
      c = x + w - leftSpace_ - textBoxWidth_ + 3;
      break;
    default:
      c = x - leftSpace_ - (textBoxWidth_ - w) / 2 - 1;
      break;
  }
  c = std::clamp(c, 0, w);
  return std::clamp((c + m / 2) / m, 0, length);
}

}  // namespace zeb
