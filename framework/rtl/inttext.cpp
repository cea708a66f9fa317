// Integer text (IntToStr, IntToHex, StrToInt) and floating-point text read by the user's
// conventions (StrToFloat).

#include <algorithm>
#include <cmath>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/numtext.h"

namespace fw {

namespace {

std::string HexDigits(uint64_t value, int digits) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  do {
    out += kHex[value & 0xF];
    value >>= 4;
  } while (value != 0);
  digits = std::min(digits, 64);
  if (static_cast<int>(out.size()) < digits) out.append(digits - out.size(), '0');
  std::reverse(out.begin(), out.end());
  return out;
}

[[noreturn]] void InvalidInteger(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

[[noreturn]] void InvalidFloat(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

}  // namespace

std::string IntToStr(int64_t n) {
  return std::to_string(n);
}

std::string IntToHex(int n, int digits) {
  return HexDigits(static_cast<uint32_t>(n), digits);
}

std::string IntToHex(int64_t n, int digits) {
  return HexDigits(static_cast<uint64_t>(n), digits);
}

bool TryStrToInt(std::string_view text, int& value) {
  int code = 0;
  int parsed = 0;
  Val(text, parsed, code);
  if (code != 0) return false;
  value = parsed;
  return true;
}

bool TryStrToInt64(std::string_view text, int64_t& value) {
  int code = 0;
  int64_t parsed = 0;
  Val(text, parsed, code);
  if (code != 0) return false;
  value = parsed;
  return true;
}

int StrToInt(std::string_view text) {
  int value = 0;
  if (!TryStrToInt(text, value)) InvalidInteger(text);
  return value;
}

int64_t StrToInt64(std::string_view text) {
  int64_t value = 0;
  if (!TryStrToInt64(text, value)) InvalidInteger(text);
  return value;
}

int StrToIntDef(std::string_view text, int fallback) {
  int value = 0;
  return TryStrToInt(text, value) ? value : fallback;
}

bool TryStrToFloat(std::string_view text, double& value) {
  // Trailing blanks are allowed here (unlike Val); only the current decimal separator marks
  // the fraction, so a "." under a "," separator is refused.
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  std::string number(text.substr(0, end));
  const char sep = FormatSettings.DecimalSeparator;
  if (sep != '.') {
    if (number.find('.') != std::string::npos) return false;
    std::replace(number.begin(), number.end(), sep, '.');
  }
  int code = 0;
  double parsed = 0;
  Val(number, parsed, code);
  if (code != 0) return false;
  value = parsed;
  return true;
}

double StrToFloat(std::string_view text) {
  double value = 0;
  if (!TryStrToFloat(text, value)) InvalidFloat(text);
  return value;
}

double StrToFloatDef(std::string_view text, double fallback) {
  double value = 0;
  return TryStrToFloat(text, value) ? value : fallback;
}

}  // namespace fw
