// TProgBar's colour table: the blend that fills it, ColorMin and ColorMax at its ends, and
// single entries read and written by index.
#include <algorithm>
#include <cmath>
#include <string>

#include "framework/rtl/rounding.h"
#include "indicators/ZEB_ProgBar.h"

namespace zeb {

fw::TColor BlendColor(fw::TColor a, fw::TColor b, double t) {
  t = std::isnan(t) ? 0.0 : std::clamp(t, 0.0, 1.0);
  a = fw::ColorToRGB(a);
  b = fw::ColorToRGB(b);
  const auto channel = [t](uint8_t from, uint8_t to) {
    return static_cast<uint8_t>(fw::Trunc((int{to} - int{from}) * t + from));
  };
  return fw::RGB(channel(fw::GetRValue(a), fw::GetRValue(b)),
                 channel(fw::GetGValue(a), fw::GetGValue(b)),
                 channel(fw::GetBValue(a), fw::GetBValue(b)));
}

// Entries 1..1022 blend the two ends; the ends keep the colours as set.
void TProgBar::RecomputeGradient() {
  const fw::TColor first = table_[0], last = table_[kBarColorCount - 1];
  for (int i = 1; i < kBarColorCount - 1; ++i)
    table_[i] = BlendColor(first, last, i / double(kBarColorCount - 1));
}

void TProgBar::SetColorMin(fw::TColor value) {
  table_[0] = value;
  RecomputeGradient();
  Repaint();
}

void TProgBar::SetColorMax(fw::TColor value) {
  table_[kBarColorCount - 1] = value;
  RecomputeGradient();
  Repaint();
}

namespace {

// The index refused with the component's name, so a caller sees which bar and which index.
[[noreturn]] void RaiseBadIndex(const std::string& name, int index) {
  throw EZEBProgBar("Component \"" + name + "\": colour table index " + std::to_string(index) +
                    " outside 0.." + std::to_string(kBarColorCount - 1));
}

}  // namespace

fw::TColor TProgBar::GetBarColorElem(int Index) const {
  if (Index < 0 || Index >= kBarColorCount) RaiseBadIndex(Name(), Index);
  return table_[Index];
}

void TProgBar::SetBarColorElem(int Index, fw::TColor Color) {
  if (Index < 0 || Index >= kBarColorCount) RaiseBadIndex(Name(), Index);
  table_[Index] = Color;
}

}  // namespace zeb
