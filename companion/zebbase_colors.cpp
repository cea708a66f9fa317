// Colour helpers of the base unit: the frame colours of a colour scheme and the mean of two
// colours; and the combination of two verdicts by a logic operator.
#include "companion/ZEB_zebbase.h"

namespace zeb {

void FrameColorsOfScheme(TColorScheme scheme, fw::TColor& shadow, fw::TColor& highlight) {
  if (scheme == schFixed) {
    shadow = fw::RGB(0x80, 0x80, 0x80);
    highlight = fw::RGB(0xFF, 0xFF, 0xFF);
  } else {
    shadow = fw::clBtnShadow;
    highlight = fw::clBtnHighlight;
  }
}

fw::TColor MeanColor(fw::TColor c1, fw::TColor c2) {
  const fw::TColor a = fw::ColorToRGB(c1);
  const fw::TColor b = fw::ColorToRGB(c2);
  auto mean = [](uint8_t x, uint8_t y) { return static_cast<uint8_t>((x + y) / 2); };
  return fw::RGB(mean(fw::GetRValue(a), fw::GetRValue(b)), mean(fw::GetGValue(a), fw::GetGValue(b)),
                 mean(fw::GetBValue(a), fw::GetBValue(b)));
}

bool ApplyLogicOp(TLogicOp op, bool a, bool b) {
  switch (op) {
    case loAnd:
      return a && b;
    case loOr:
      return a || b;
    case loXor:
      return a != b;
    case loAndNot:
      return a && !b;
    case loOrNot:
      return a || !b;
    case loReplace:
      return b;
  }
  return a;
}

}  // namespace zeb
