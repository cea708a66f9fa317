// TPen: colour, width, style and mode of lines and outlines.
#include <algorithm>

#include "framework/graphics/internal/raster.h"
#include "framework/graphics/pen_brush_font.h"

namespace fw {

int PenModeToRop2(TPenMode mode) {
  static constexpr uint8_t kRop2[16] = {
      R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,        R2_COPYPEN,  R2_NOTCOPYPEN,
      R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN, R2_NOTMERGEPEN,
      R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
  return kRop2[std::min<unsigned>(mode, 15)];
}

void TPen::Changed() {
  if (OnChange) OnChange();
}

void TPen::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  Changed();
}

void TPen::SetWidth(int value) {
  if (value == width_) return;
  width_ = value;
  Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}

void TPen::SetMode(TPenMode value) {
  if (value == mode_) return;
  mode_ = value;
  Changed();
}

void TPen::Assign(const TPen& source) {
  if (&source == this) return;
  color_ = source.color_;
  width_ = source.width_;
  style_ = source.style_;
  mode_ = source.mode_;
  Changed();
}

void TPen::Assign(TPersistent* source) {
  if (auto* same = dynamic_cast<TPen*>(source)) {
    Assign(*same);
  } else {
    TPersistent::Assign(source);
  }
}

}  // namespace fw
