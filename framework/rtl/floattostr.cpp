// FloatToStrF and FloatToStr: general, exponent, fixed and number formats.

#include <algorithm>
#include <cmath>

#include "framework/rtl/numtext.h"

namespace fw {

namespace {

constexpr int kNoDecimalLimit = 100000;

std::string SpecialValueText(double x) {
  if (std::isnan(x)) return "NAN";
  return x < 0 ? "-INF" : "INF";
}

// "E" with the exponent's sign ("+" only when plusSign) and at least minDigits digits.
std::string ExponentText(int exponent, bool plusSign, int minDigits) {
  std::string digits = std::to_string(std::abs(exponent));
  if (static_cast<int>(digits.size()) < minDigits) {
    digits.insert(0, minDigits - digits.size(), '0');
  }
  std::string out = "E";
  if (exponent < 0) {
    out += '-';
  } else if (plusSign) {
    out += '+';
  }
  return out + digits;
}

std::string SignOf(const TFloatDecimal& d) {
  return d.Negative && !d.Digits.empty() ? "-" : "";
}

// Integer part of d (zero when below 1), with a separator every three digits when
// thousands is not 0.
std::string IntegerPart(const TFloatDecimal& d, char thousands) {
  std::string digits;
  if (d.Exponent <= 0) return "0";
  for (int i = 0; i < d.Exponent; ++i) {
    digits += i < static_cast<int>(d.Digits.size()) ? d.Digits[i] : '0';
  }
  if (thousands == 0) return digits;
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += thousands;
    grouped += digits[i];
  }
  return grouped;
}

// Exactly `count` digits after the point of d.
std::string FractionDigits(const TFloatDecimal& d, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    const long long index = static_cast<long long>(d.Exponent) + i;
    out += index >= 0 && index < static_cast<long long>(d.Digits.size()) ? d.Digits[index] : '0';
  }
  return out;
}

std::string GeneralText(double x, int precision, int digits, char sep) {
  const TFloatDecimal d = FloatToDecimal(x, precision, kNoDecimalLimit);
  if (d.Digits.empty()) return "0";
  std::string out = SignOf(d);
  if (d.Exponent > precision || d.Exponent < -3) {
    out += d.Digits[0];
    if (d.Digits.size() > 1) out += sep + d.Digits.substr(1);
    return out + ExponentText(d.Exponent - 1, false, digits);
  }
  out += IntegerPart(d, 0);
  const int decimals = static_cast<int>(d.Digits.size()) - d.Exponent;
  if (decimals > 0) out += sep + FractionDigits(d, decimals);
  return out;
}

std::string ExponentFormText(double x, int precision, int digits, char sep) {
  const TFloatDecimal d = FloatToDecimal(x, precision, kNoDecimalLimit);
  std::string mantissa = d.Digits.empty() ? "0" : d.Digits;
  mantissa.resize(precision, '0');
  std::string out = SignOf(d);
  out += mantissa[0];
  if (precision > 1) out += sep + mantissa.substr(1);
  const int exponent = d.Digits.empty() ? 0 : d.Exponent - 1;
  return out + ExponentText(exponent, true, std::max(digits, 1));
}

std::string FixedText(double x, int precision, int decimals, char sep, char thousands) {
  const TFloatDecimal d = FloatToDecimal(x, precision, decimals);
  if (d.Exponent > precision) return GeneralText(x, precision, 0, sep);
  std::string out = SignOf(d) + IntegerPart(d, thousands);
  if (decimals > 0) out += sep + FractionDigits(d, decimals);
  return out;
}

}  // namespace

std::string FloatToStrF(double x, TFloatFormat format, int precision, int digits) {
  if (!std::isfinite(x)) return SpecialValueText(x);
  precision = std::clamp(precision, 1, kMaxSignificantDigits);
  const char sep = FormatSettings.DecimalSeparator;
  switch (format) {
    case ffExponent:
      return ExponentFormText(x, precision, std::clamp(digits, 0, 4), sep);
    case ffFixed:
      return FixedText(x, precision, std::clamp(digits, 0, 18), sep, 0);
    case ffNumber:
      return FixedText(x, precision, std::clamp(digits, 0, 18), sep,
                       FormatSettings.ThousandSeparator);
    case ffGeneral:
    default:
      return GeneralText(x, precision, std::clamp(digits, 0, 4), sep);
  }
}

std::string FloatToStr(double x) {
  return FloatToStrF(x, ffGeneral, 15, 0);
}

}  // namespace fw
