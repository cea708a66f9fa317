// Exact decimal digits of a double, rounded the way every number formatter here needs them.

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "framework/rtl/numtext.h"

namespace fw {

namespace {

// A double's exact decimal expansion has at most 767 significant digits.
constexpr int kExactDigits = 767;

// Significant digits of x (finite, non-zero, positive) written with `precision` + 1
// significant digits, correctly rounded by the standard library; sets exponent in the
// 0.D1D2... convention.
std::string ScientificDigits(double x, int precision, int& exponent) {
  char buffer[kExactDigits + 32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, precision);
  const std::string_view text(buffer, result.ptr - buffer);
  const std::size_t e = text.find('e');
  std::string digits;
  digits.reserve(e);
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') digits += text[i];
  }
  exponent = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;
  return digits;
}

// Rounds d to keep `count` significant digits, halves away from zero (the digits are
// already a truncated or exact expansion, so ">= 5" is the half test).
void KeepDigits(TFloatDecimal& d, int count) {
  if (count >= static_cast<int>(d.Digits.size())) return;
  if (count < 0) {
    d.Digits.clear();
    return;
  }
  const bool up = d.Digits[count] >= '5';
  d.Digits.resize(count);
  if (up) {
    int i = count - 1;
    while (i >= 0 && d.Digits[i] == '9') d.Digits[i--] = '0';
    if (i >= 0) {
      ++d.Digits[i];
    } else {
      d.Digits.insert(d.Digits.begin(), '1');
      ++d.Exponent;
    }
  }
}

void StripTrailingZeros(TFloatDecimal& d) {
  while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
  if (d.Digits.empty()) d.Exponent = 0;
}

// x rounded to 18 significant digits, halves of the exact value away from zero.
TFloatDecimal EighteenDigits(double x) {
  TFloatDecimal d;
  d.Negative = std::signbit(x);
  if (x == 0) return d;
  const double magnitude = std::fabs(x);
  // 40 correctly rounded digits decide the 18-digit rounding unless the tail reads exactly
  // as a half; only then is the full expansion needed to tell a true half from a near one.
  d.Digits = ScientificDigits(magnitude, 39, d.Exponent);
  const std::string_view tail = std::string_view(d.Digits).substr(kMaxSignificantDigits);
  if (tail.front() == '5' && tail.find_first_not_of('0', 1) == std::string_view::npos) {
    d.Digits = ScientificDigits(magnitude, kExactDigits, d.Exponent);
  }
  KeepDigits(d, kMaxSignificantDigits);
  StripTrailingZeros(d);
  return d;
}

}  // namespace

TFloatDecimal FloatToDecimal(double x, int precision, int decimals) {
  TFloatDecimal d = EighteenDigits(x);
  if (d.Digits.empty()) return d;
  precision = std::clamp(precision, 0, kMaxSignificantDigits);
  // Digits after the point end at index Exponent + decimals; guard the sum against overflow.
  const long long byDecimals = static_cast<long long>(d.Exponent) + decimals;
  const long long keep = std::min<long long>(precision, std::max<long long>(byDecimals, -1));
  KeepDigits(d, static_cast<int>(keep));
  StripTrailingZeros(d);
  return d;
}

}  // namespace fw
