// TGradFill: its properties and the band layout of a stepped gradient.
#include <algorithm>

#include "framework/rtl/rounding.h"
#include "indicators/ZEB_gradfl.h"

namespace zeb {

namespace {

// first + MulDiv(step, last - first, over) for each of red, green and blue.
fw::TColor StepColor(fw::TColor first, fw::TColor last, int step, int over) {
  const auto channel = [&](uint8_t a, uint8_t b) {
    return static_cast<uint8_t>(a + fw::MulDiv(step, int{b} - int{a}, over));
  };
  return fw::RGB(channel(fw::GetRValue(first), fw::GetRValue(last)),
                 channel(fw::GetGValue(first), fw::GetGValue(last)),
                 channel(fw::GetBValue(first), fw::GetBValue(last)));
}

fw::TColor BandColor(TGradType type, int band, int count, fw::TColor first, fw::TColor last) {
  if (count == 1) return first;
  if (type == gtHoriz || type == gtVert) return StepColor(first, last, band, count);
  const int half = count / 2;
  return StepColor(first, last, band <= half ? band : count - band - 1, half);
}

}  // namespace

std::vector<TGradientBand> GradientBands(TGradType type, int count, fw::TColor first,
                                         fw::TColor last, int width, int height) {
  count = std::clamp(count, 1, TGradFill::kMaxColors);
  first = fw::ColorToRGB(first);
  last = fw::ColorToRGB(last);
  const bool across = type == gtHoriz || type == gtMidBandHoriz;
  const int side = across ? height : width;
  std::vector<TGradientBand> bands;
  bands.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const int from = fw::MulDiv(i, side, count);
    const int to = fw::MulDiv(i + 1, side, count);
    const fw::TRect rect = across ? fw::Rect(0, from, width, to) : fw::Rect(from, 0, to, height);
    bands.push_back({rect, BandColor(type, i, count, first, last)});
  }
  return bands;
}

TGradFill::TGradFill(fw::TComponent* AOwner) : fw::TGraphicControl(AOwner) {
  SetBounds(Left(), Top(), 121, 121);
}

void TGradFill::SetColorFirst(fw::TColor value) {
  colorFirst_ = value;
  (colorFlipped_ ? pairLast_ : pairFirst_) = value;
  Invalidate();
}

void TGradFill::SetColorLast(fw::TColor value) {
  colorLast_ = value;
  (colorFlipped_ ? pairFirst_ : pairLast_) = value;
  Invalidate();
}

void TGradFill::SetColorFlipped(bool value) {
  colorFlipped_ = value;
  colorFirst_ = value ? pairLast_ : pairFirst_;
  colorLast_ = value ? pairFirst_ : pairLast_;
  Invalidate();
}

void TGradFill::SetFillType(TGradType value) {
  if (value == fillType_) return;
  fillType_ = value;
  Invalidate();
}

void TGradFill::SetNrColors(int value) {
  nrColors_ = std::clamp(value, 1, kMaxColors);
  Invalidate();
}

void TGradFill::SetGridMode(TGridMode value) {
  gridMode_ = value;
  Invalidate();
}

void TGradFill::SetGridColor(fw::TColor value) {
  gridColor_ = value;
  Invalidate();
}

void TGradFill::SetFrameStyle(TFrameStyle value) {
  frameStyle_ = value;
  Invalidate();
}

}  // namespace zeb
