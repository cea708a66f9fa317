// TProgBar's geometry: how long the bar is for a value, which table entry each bar line shows,
// and where the lines lie for each direction.
#include <algorithm>
#include <cmath>

#include "framework/rtl/rounding.h"
#include "indicators/ZEB_ProgBar.h"

namespace zeb {

// The fraction is clamped before it is scaled, so no value (however large, or NaN) can make
// the bar longer than the inner area or overflow the rounding.
int BarLength(double value, double min, double max, int innerLength) {
  if (innerLength <= 0 || min == max) return 0;
  const double fraction = (value - min) / (max - min);
  if (!(fraction > 0)) return 0;  // also NaN
  if (fraction >= 1) return innerLength;
  return static_cast<int>(fw::Round(innerLength * fraction));
}

int GradientIndex(TColorMapping mode, int e, int n, int innerLength) {
  if (n <= 0 || innerLength <= 0) return 0;
  constexpr double kLast = kBarColorCount - 1;
  int64_t index = 0;
  switch (mode) {
    case cgmCover:
      index = fw::Round(e * kLast / innerLength);
      break;
    case cgmStretch:
      index = fw::Round(e * kLast / n);
      break;
    case cgmMove:
      index = fw::Round(e * kLast / innerLength) + (kBarColorCount - 1) -
              fw::Round((n - 1) * kLast / innerLength);
      break;
  }
  return static_cast<int>(std::clamp<int64_t>(index, 0, kBarColorCount - 1));
}

fw::TRect BarLines(TDirection direction, const fw::TRect& inner, int from, int to) {
  switch (direction) {
    case dirUp:
      return fw::Rect(inner.Left, inner.Bottom - to, inner.Right, inner.Bottom - from);
    case dirDown:
      return fw::Rect(inner.Left, inner.Top + from, inner.Right, inner.Top + to);
    case dirLeft:
      return fw::Rect(inner.Right - to, inner.Top, inner.Right - from, inner.Bottom);
    case dirRight:
    default:
      return fw::Rect(inner.Left + from, inner.Top, inner.Left + to, inner.Bottom);
  }
}

fw::TRect BarLine(TDirection direction, const fw::TRect& inner, int e) {
  return BarLines(direction, inner, e, e + 1);
}

}  // namespace zeb
