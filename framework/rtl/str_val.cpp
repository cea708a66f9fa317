// Str and Val: the fixed-rule number conversions ("." always, no grouping).

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "framework/rtl/numtext.h"

namespace fw {

namespace {

constexpr int kMaxStrWidth = 1024;
constexpr int kMaxStrDecimals = 64;

std::string PadLeft(std::string text, int width) {
  width = std::min(width, kMaxStrWidth);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string SpecialValueStr(double x) {
  if (std::isnan(x)) return "Nan";
  return x < 0 ? "-Inf" : "+Inf";
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Scans the Val grammar; returns 0 and the cleaned number text, or the 1-based error position.
int ScanReal(std::string_view text, std::string& number) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) number += text[i++];
  std::size_t mantissaDigits = 0;
  while (i < n && IsDigit(text[i])) number += text[i++], ++mantissaDigits;
  if (i < n && text[i] == '.') {
    number += text[i++];
    while (i < n && IsDigit(text[i])) number += text[i++], ++mantissaDigits;
  }
  if (mantissaDigits == 0) return static_cast<int>(i) + 1;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    number += 'e';
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) number += text[i++];
    if (i >= n || !IsDigit(text[i])) return static_cast<int>(i) + 1;
    while (i < n && IsDigit(text[i])) number += text[i++];
  }
  return i < n ? static_cast<int>(i) + 1 : 0;
}

// Decimal order of magnitude of scanned number text (digits before the point of its first
// non-zero digit, plus the exponent); used to tell overflow from underflow.
long long DecimalOrder(std::string_view number) {
  const std::size_t e = number.find('e');
  const std::string_view mantissa = number.substr(0, e);
  long long order = 0;
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t firstNonZero = mantissa.find_first_of("123456789");
  if (firstNonZero == std::string_view::npos) return std::numeric_limits<long long>::min() / 2;
  order = firstNonZero < point ? static_cast<long long>(point - firstNonZero)
                               : -static_cast<long long>(firstNonZero - point - 1);
  if (e != std::string_view::npos) {
    long long exponent = 0;
    for (char c : number.substr(e + 1)) {
      if (IsDigit(c) && exponent < 1000000) exponent = exponent * 10 + (c - '0');
    }
    order += number.substr(e + 1).starts_with('-') ? -exponent : exponent;
  }
  return order;
}

// Converts scanned number text; false when the magnitude is beyond the double range (a
// magnitude below it becomes zero).
bool ConvertReal(const std::string& number, double& x) {
  const char* first = number.data();
  const char* last = first + number.size();
  const bool negative = *first == '-';
  if (*first == '+' || *first == '-') ++first;
  const auto result = std::from_chars(first, last, x, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    if (DecimalOrder(std::string_view(first, last - first)) > 0) return false;
    x = 0;
  } else if (result.ec != std::errc() || result.ptr != last) {
    return false;
  }
  if (negative) x = -x;
  return true;
}

template <typename Int>
void ValInteger(std::string_view text, Int& value, int& code) {
  using Unsigned = std::make_unsigned_t<Int>;
  value = 0;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  unsigned base = 10;
  if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16, ++i;
  } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16, i += 2;
  }
  // Decimal must stay within the signed range; hexadecimal may use every bit.
  const Unsigned limit =
      base == 16 ? std::numeric_limits<Unsigned>::max()
                 : static_cast<Unsigned>(std::numeric_limits<Int>::max()) + (negative ? 1 : 0);
  Unsigned magnitude = 0;
  const std::size_t start = i;
  for (; i < n; ++i) {
    const char c = text[i];
    unsigned digit;
    if (IsDigit(c)) {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      break;
    }
    if (magnitude > (limit - digit) / base) {
      code = static_cast<int>(i) + 1;
      return;
    }
    magnitude = magnitude * base + digit;
  }
  if (i == start || i < n) {
    code = static_cast<int>(i) + 1;
    return;
  }
  code = 0;
  value = static_cast<Int>(negative ? Unsigned(0) - magnitude : magnitude);
}

}  // namespace

std::string Str(double x, int W, int d) {
  if (d < 0) return Str(x, W);
  if (!std::isfinite(x)) return PadLeft(SpecialValueStr(x), W);
  d = std::min(d, kMaxStrDecimals);
  const TFloatDecimal dec = FloatToDecimal(x, kMaxSignificantDigits, d);
  std::string text = dec.Negative && !dec.Digits.empty() ? "-" : "";
  if (dec.Exponent <= 0) {
    text += '0';
  } else {
    for (int i = 0; i < dec.Exponent; ++i) {
      text += i < static_cast<int>(dec.Digits.size()) ? dec.Digits[i] : '0';
    }
  }
  if (d > 0) {
    text += '.';
    for (int i = 0; i < d; ++i) {
      const int index = dec.Exponent + i;
      text += index >= 0 && index < static_cast<int>(dec.Digits.size()) ? dec.Digits[index] : '0';
    }
  }
  return PadLeft(std::move(text), W);
}

std::string Str(double x, int W) {
  if (!std::isfinite(x)) return PadLeft(SpecialValueStr(x), W);
  const int decimals = std::clamp(W - 9, 1, kMaxSignificantDigits - 1);
  const TFloatDecimal dec = FloatToDecimal(x, decimals + 1, std::numeric_limits<int>::max() / 2);
  std::string mantissa = dec.Digits.empty() ? "0" : dec.Digits;
  mantissa.resize(decimals + 1, '0');
  std::string text = dec.Negative && !dec.Digits.empty() ? "-" : " ";
  text += mantissa[0];
  text += '.';
  text += mantissa.substr(1);
  const int exponent = dec.Digits.empty() ? 0 : dec.Exponent - 1;
  std::string expDigits = std::to_string(std::abs(exponent));
  expDigits.insert(0, 4 - expDigits.size(), '0');
  text += exponent < 0 ? "E-" : "E+";
  text += expDigits;
  return PadLeft(std::move(text), W);
}

std::string Str(double x) {
  return Str(x, 23);
}

std::string Str(int64_t n, int W) {
  return PadLeft(std::to_string(n), W);
}
std::string Str(int n, int W) {
  return PadLeft(std::to_string(n), W);
}

void Val(std::string_view text, double& x, int& code) {
  x = 0;
  std::string number;
  code = ScanReal(text, number);
  if (code != 0) return;
  double value = 0;
  if (!ConvertReal(number, value)) {
    code = static_cast<int>(text.size()) + 1;
    return;
  }
  x = value;
}

void Val(std::string_view text, int& n, int& code) {
  ValInteger(text, n, code);
}
void Val(std::string_view text, int64_t& n, int& code) {
  ValInteger(text, n, code);
}

}  // namespace fw
