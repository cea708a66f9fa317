// The input panel's conversions: its typing test, the value of its text and back, the
// integer value with overflow error, the range test and the rewrite of separators.

#include <cmath>

#include "companion/ZEB_stringl.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/rounding.h"
#include "numio/ZEB_NumIO.h"

namespace zeb {
namespace {

using namespace nio;

// A decimal integer text (IsValidIntStr holds) as a double; beyond the 32-bit range it is
// 2147483647 whatever its sign.
double CheckedDecimal(std::string_view text) {
  const bool negative = text[0] == '-';
  std::size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
  constexpr int64_t kOverflow = int64_t{1} << 32;
  int64_t magnitude = 0;
  for (; i < text.size() && magnitude < kOverflow; ++i)
    magnitude = magnitude * 10 + (text[i] - '0');
  const int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX || value < INT32_MIN) return INT32_MAX;
  return static_cast<double>(value);
}

// The separator character a TDecPSep writes: "," for dpComma, the platform's for
// dpPlatform, "." otherwise.
char SeparatorChar(TDecPSep sep) {
  if (sep == dpComma) return ',';
  if (sep == dpPlatform) return fw::FormatSettings.DecimalSeparator;
  return '.';
}

}  // namespace

bool NioCheckValidity(std::string_view text, const TNioFormat& format) {
  const int sepMode = format.DecPlaceSep;  // 0 maps to the platform's inside the tests
  switch (format.InputFormat) {
    case itExp:
      return IsValidExpFloat(text, sepMode);
    case itFloat:
      return IsValidPlainFloat(text, sepMode);
    case itFixPoint: {
      const std::size_t point = text.find('.');
      const long long pointPos = point == std::string_view::npos ? 0 : point + 1;
      return IsValidPlainFloat(text, sepMode) &&
             pointPos == static_cast<long long>(text.size()) - format.FixPointDecPlaces;
    }
    case itInt:
      return IsValidIntStr(text);
    case itHex:
      return IsValidHexStr(text);
    case itOct:
      return IsValidOctStr(text);
    case itBin:
      return IsValidBinStr(text);
    default:
      if (text.empty()) return false;
      switch (text[0]) {
        case '$':
          return IsValidHexStr(text.substr(1));
        case '%':
          return IsValidBinStr(text.substr(1));
        case '&':
          return IsValidOctStr(text.substr(1));
        default:
          return IsValidExpFloat(text, sepMode);
      }
  }
}

double NioGetValue(std::string_view text, const TNioFormat& format) {
  int pos = 1;
  switch (format.InputFormat) {
    case itHex:
      return ScanHexInt(text, pos);
    case itOct:
      return ScanOctInt(text, pos);
    case itBin:
      return ScanBinInt(text, pos);
    case itInt:
      return IsValidIntStr(text) ? CheckedDecimal(text) : 0.0;
    case itDynamic:
      if (text.empty()) return 0.0;
      pos = 2;
      if (text[0] == '$') return ScanHexInt(text, pos);
      if (text[0] == '%') return ScanBinInt(text, pos);
      if (text[0] == '&') return ScanOctInt(text, pos);
      pos = 1;
      return ScanFloat(text, true, 3, pos);
    default:
      return ScanFloat(text, true, 3, pos);
  }
}

std::string NioValueText(double value, const TNioFormat& format) {
  switch (format.InputFormat) {
    case itExp:
      return FormatNumStr(format.SignificantDigits + 6, -2, value);
    case itFloat:
    case itFixPoint:
      return FormatNumStr(1, format.FixPointDecPlaces, value);
    case itHex:
      return HexDigitStr(RoundedLow32(value), 8);
    case itOct:
      return OctDigitStr(RoundedLow32(value), 11);
    case itBin:
      return BinDigitStr(RoundedLow32(value), 32);
    default:
      // Below 2^53 Round gives ties to even; above, every double is already an integer.
      if (std::isfinite(value) && std::fabs(value) < 9007199254740992.0)
        return fw::IntToStr(fw::Round(value));
      return fw::Str(value, 1, 0);
  }
}

int NioGetIntValue(std::string_view text, const TNioFormat& format, const std::string& name) {
  const double value = NioGetValue(text, format);
  if (!(value <= 2147483647.0 && value >= -2147483648.0))
    throw EZEBNumIO2Error("Component \"" + name + "\": integer overflow");
  return static_cast<int>(fw::Round(value));
}

bool NioOutOfRange(std::string_view text, const TNioFormat& format, double low, double high) {
  const double value = NioGetValue(text, format);
  return value < low || value > high;
}

std::string NioChangeDecSep(std::string_view text, TDecPSep oldSep, TDecPSep newSep) {
  if (oldSep == newSep || newSep == dpBoth) return std::string(text);
  const char newChar = SeparatorChar(newSep);
  if (oldSep == dpBoth) {
    std::string result(text);
    for (char& c : result)
      if (c == '.' || c == ',') c = newChar;
    return result;
  }
  const char oldChar = SeparatorChar(oldSep);
  if (oldChar == newChar) return std::string(text);
  return ReplaceCharInString(text, static_cast<unsigned char>(oldChar),
                             static_cast<unsigned char>(newChar));
}

}  // namespace zeb
