// TBrush: colour and style of fills, with the platform's 8 x 8 hatch patterns.
#include "framework/graphics/pen_brush_font.h"

namespace fw {

namespace {

// Rows of the hatch patterns, bsHorizontal .. bsDiagCross; bit 7 is the leftmost pixel.
constexpr uint8_t kHatches[6][8] = {
    {0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00},  // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // forward diagonal: top left down
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // backward diagonal
    {0x08, 0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08},  // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
};

}  // namespace

void TBrush::Changed() {
  if (OnChange) OnChange();
}

void TBrush::SetColor(TColor value) {
  if (value == color_ && style_ != bsClear) return;
  color_ = value;
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}

const uint8_t* TBrush::HatchBits() const {
  if (style_ < bsHorizontal || style_ > bsDiagCross) return nullptr;
  return kHatches[style_ - bsHorizontal];
}

void TBrush::Assign(const TBrush& source) {
  if (&source == this) return;
  color_ = source.color_;
  style_ = source.style_;
  Changed();
}

void TBrush::Assign(TPersistent* source) {
  if (auto* same = dynamic_cast<TBrush*>(source)) {
    Assign(*same);
  } else {
    TPersistent::Assign(source);
  }
}

}  // namespace fw
