// The input panel's pure decisions: the character a key types, the texts the panel may hold,
// the step a spin button or the gauge gives, and the gauge's filled part.
#include <algorithm>
#include <cmath>

#include "numio/ZEB_NumIO.h"

namespace zeb {

namespace {

// v within low..high; low wins should the ends be given the wrong way round.
double Limit(double v, double low, double high) {
  return std::max(low, std::min(v, high));
}

}  // namespace

char NioKeyChar(uint16_t key, bool shift) {
  if (key >= '0' && key <= '9') {
    if (shift && key == '4') return '$';
    if (shift && key == '5') return '%';
    if (shift && key == '6') return '&';
    return static_cast<char>(key);
  }
  if (key >= 96 && key <= 105) return static_cast<char>('0' + (key - 96));
  if (key >= 'A' && key <= 'F') return static_cast<char>(key);
  switch (key) {
    case 107:
    case 187:
      return '+';
    case 109:
    case 189:
      return '-';
    case 110:
    case 188:
      return ',';
    case 190:
      return '.';
    default:
      return 0;
  }
}

bool NioAcceptableText(std::string_view text, const TNioFormat& format) {
  if (text.empty() || text == "-" || text == "+") return true;
  // A bare prefix of itDynamic is a number being typed, as a bare sign is.
  if (format.InputFormat == itDynamic && (text == "$" || text == "%" || text == "&")) return true;
  const bool printable =
      std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
  return printable && NioCheckValidity(text, format);
}

int NearestStepIndex(std::span<const double> steps, double v) {
  int best = -1;
  double bestDistance = 0;
  for (int i = 0; i < static_cast<int>(steps.size()); ++i) {
    const double distance = std::fabs(steps[i] - v);
    if (best < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

double NioSpinValue(double value, bool up, double increment, double low, double high,
                    std::span<const double> steps, int fixPointDecPlaces) {
  if (steps.empty()) return Limit(up ? value + increment : value - increment, low, high);
  const double halfUnit = 0.5 * std::pow(10.0, -fixPointDecPlaces);
  int k = NearestStepIndex(steps, value);
  const int last = static_cast<int>(steps.size()) - 1;
  if (up && !(steps[k] - value > halfUnit)) k = std::min(k + 1, last);
  if (!up && !(value - steps[k] > halfUnit)) k = std::max(k - 1, 0);
  return steps[k];
}

double NioGaugeValue(int x, int gaugeLeft, int gaugeWidth, double low, double high,
                     std::span<const double> steps) {
  const double f =
      std::clamp((x - gaugeLeft) / static_cast<double>(std::max(gaugeWidth, 1)), 0.0, 1.0);
  // Weighted sum rather than low + f * (high - low): stays finite over the whole double range.
  double v = low * (1 - f) + high * f;
  if (!steps.empty()) v = steps[NearestStepIndex(steps, v)];
  return Limit(v, low, high);
}

double NioGaugeFraction(double value, double low, double high) {
  if (low == high) return 1.0;
  // Halved operands keep the differences finite over the whole double range.
  const double f = (value / 2 - low / 2) / (high / 2 - low / 2);
  if (std::isnan(f)) return 0.0;
  return std::clamp(f, 0.0, 1.0);
}

}  // namespace zeb
