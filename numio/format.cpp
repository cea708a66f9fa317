// Numbers as text: fixed and scientific FormatNumStr, the fixed-width digit strings of the
// other bases, and the rounding of a value to its low 32 bits.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "framework/rtl/numtext.h"
#include "framework/rtl/rounding.h"
#include "numio/ZEB_NumIO.h"

namespace zeb::nio {
namespace {

// The fixed width fields of the scientific form besides the further mantissa digits:
// sign, first digit, ".", "E", exponent sign, two exponent digits.
constexpr int kScientificFixedChars = 7;

// Scientific notation: sign position, d.ddd with `fraction` further digits, "E", sign and
// two exponent digits. An exponent of three digits is written out with wideExponent, else
// the whole field is asterisks.
std::string Scientific(double value, int fraction, bool wideExponent) {
  if (!std::isfinite(value)) return std::string(fraction + kScientificFixedChars, '*');
  // Beyond 18 significant digits the decimal conversion has nothing to say: zeros follow.
  const fw::TFloatDecimal d =
      fw::FloatToDecimal(value, std::min(fraction + 1, fw::kMaxSignificantDigits), 1 << 20);
  std::string text;
  text.reserve(fraction + kScientificFixedChars);
  text.push_back(d.Negative && !d.Digits.empty() ? '-' : ' ');
  text.push_back(d.Digits.empty() ? '0' : d.Digits[0]);
  text.push_back('.');
  for (int i = 1; i <= fraction; ++i)
    text.push_back(i < static_cast<int>(d.Digits.size()) ? d.Digits[i] : '0');
  const int exponent = d.Digits.empty() ? 0 : d.Exponent - 1;
  text.push_back('E');
  text.push_back(exponent < 0 ? '-' : '+');
  const int magnitude = std::abs(exponent);
  if (magnitude >= 100) {
    if (!wideExponent) return std::string(text.size() + 2, '*');
    text.push_back(static_cast<char>('0' + magnitude / 100));
  }
  text.push_back(static_cast<char>('0' + magnitude / 10 % 10));
  text.push_back(static_cast<char>('0' + magnitude % 10));
  return text;
}

// count digits of bitsPerDigit bits each, the last digit from the lowest bits.
std::string DigitStr(uint32_t value, int count, int maxCount, int bitsPerDigit) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  count = std::clamp(count, 1, maxCount);
  std::string text(static_cast<std::size_t>(count), '0');
  const uint32_t mask = (1u << bitsPerDigit) - 1;
  for (int i = count - 1; i >= 0 && value != 0; --i) {
    text[static_cast<std::size_t>(i)] = kDigits[value & mask];
    value >>= bitsPerDigit;
  }
  return text;
}

// |INT_MIN| does not exist; the widest field any caller means is far below it.
int FieldWidth(int width) {
  return width == INT32_MIN ? INT32_MAX : std::abs(width);
}

// The further mantissa digits of a scientific field of width w: as wide as asked but never
// narrower than its seven fixed characters; digits beyond the eighteenth significant one
// are zeros.
int ScientificFraction(int w) {
  return std::clamp(w - kScientificFixedChars, 0, 1024);
}

}  // namespace

std::string FormatNumStr(int width, int decimals, double value) {
  const int w = FieldWidth(width);
  if (decimals >= 0) return fw::Str(value, w, decimals);
  return Scientific(value, ScientificFraction(w), false);
}

std::string ScientificNumStr(int width, double value) {
  return Scientific(value, ScientificFraction(FieldWidth(width)), true);
}

std::string HexDigitStr(uint32_t value, int count) {
  return DigitStr(value, count, 16, 4);
}
std::string OctDigitStr(uint32_t value, int count) {
  return DigitStr(value, count, 11, 3);
}
std::string BinDigitStr(uint32_t value, int count) {
  return DigitStr(value, count, 32, 1);
}

uint32_t RoundedLow32(double v) {
  if (std::isnan(v)) return 0;
  // From 2^52 on every double is an integer; below, Round gives ties to even.
  constexpr double kIntegral = 4503599627370496.0;
  const double rounded = std::fabs(v) >= kIntegral ? v : static_cast<double>(fw::Round(v));
  if (std::isinf(rounded)) return 0;
  double low = std::fmod(rounded, 4294967296.0);  // exact
  if (low < 0) low += 4294967296.0;
  return static_cast<uint32_t>(low);
}

}  // namespace zeb::nio
