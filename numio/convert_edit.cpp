// The edit field's conversions: whether a typed text is acceptable and its value, and the
// text that shows a value.

#include <algorithm>

#include "numio/ZEB_NumIO.h"

namespace zeb {
namespace {

using namespace nio;

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// In itExp a text being typed may end in "e", "e+" or "e-": it converts as the part before
// the "e".
std::string_view WithoutOpenExponent(std::string_view text) {
  const std::size_t e = text.find('e');
  if (e == std::string_view::npos) return text;
  const std::size_t rest = text.size() - e - 1;
  if (rest == 0 || (rest == 1 && (text[e + 1] == '+' || text[e + 1] == '-')))
    return text.substr(0, e);
  return text;
}

// A text in a base other than ten is acceptable when it is digits of that base only
// (nothing at all after a dynamic prefix reads as 0, so a prefix can be typed first).
bool ConvertBase(std::string_view digits, TInFormat fmt, double& value) {
  bool valid = false;
  int pos = 1;
  int32_t n = 0;
  switch (fmt) {
    case itHex:
      valid = IsValidHexStr(digits);
      n = ScanHexInt(digits, pos);
      break;
    case itOct:
      valid = IsValidOctStr(digits);
      n = ScanOctInt(digits, pos);
      break;
    default:
      valid = IsValidBinStr(digits);
      n = ScanBinInt(digits, pos);
      break;
  }
  if (digits.empty()) return true;
  if (!valid) return false;
  value = n;
  return true;
}

// The digits an octal or binary text of low needs, at least eight: eight digits of either
// base hold fewer than 32 bits, and a text that dropped the high digits would read back as
// another number.
int DigitCount(uint32_t low, int bitsPerDigit) {
  int count = 0;
  for (; low != 0; low >>= bitsPerDigit) ++count;
  return std::max(count, 8);
}

TInFormat DynamicFormat(std::string_view text) {
  switch (text.empty() ? '\0' : text[0]) {
    case '$':
      return itHex;
    case '%':
      return itBin;
    case '&':
      return itOct;
    default:
      return itExp;
  }
}

}  // namespace

bool ConvertNumString(std::string_view text, TInFormat fmt, TDecPSep sep, double& value) {
  if (text.empty()) return false;
  value = 0;
  const int sepMode = EditSepMode(sep);
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return true;
  text.remove_prefix(first);
  if (text.find(' ') != std::string_view::npos) return false;

  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
  std::string_view t = lower;
  if (fmt == itDynamic) {
    fmt = DynamicFormat(t);
    if (fmt != itExp) t.remove_prefix(1);
  }

  int pos = 1;
  switch (fmt) {
    case itHex:
    case itOct:
    case itBin:
      return ConvertBase(t, fmt, value);
    case itInt:
      value = ScanDecInt(t, pos);
      break;
    case itFloat:
    case itFixPoint:
      value = ScanFloat(t, false, sepMode, pos);
      break;
    default:
      t = WithoutOpenExponent(t);
      value = ScanFloat(t, true, sepMode, pos);
      break;
  }
  return pos == static_cast<long long>(t.size()) + 1;
}

double LabTextValue(std::string_view text, TInFormat fmt, TDecPSep sep) {
  std::string t(text);
  const std::size_t comma = t.find(',');
  if (comma != std::string::npos) t[comma] = '.';
  if (!t.empty() && t.back() == '.') t.push_back('0');
  // The comma just became a point, so a text the field accepted with "," as its separator
  // must now be read with "." allowed too.
  if (comma != std::string::npos && EditSepMode(sep) == 2) sep = dpBoth;
  sep = EditTextSep(fmt, sep);
  double value = 0;
  return ConvertNumString(t, fmt, sep, value) ? value : 0.0;
}

std::string LabValueText(double value, TInFormat fmt, int fixPointDecPlaces) {
  switch (fmt) {
    case itFloat:
      return FormatNumStr(1, 8, value);
    case itFixPoint:
      return FormatNumStr(1, fixPointDecPlaces, value);
    case itInt:
      return FormatNumStr(1, 0, value);
    case itHex:
      return HexDigitStr(RoundedLow32(value), 8);
    case itOct: {
      const uint32_t low = RoundedLow32(value);
      return OctDigitStr(low, DigitCount(low, 3));
    }
    case itBin: {
      const uint32_t low = RoundedLow32(value);
      return BinDigitStr(low, DigitCount(low, 1));
    }
    default:
      // Exponents beyond two digits are written out: the field reads them, so the largest
      // and the smallest doubles are shown instead of asterisks.
      return ScientificNumStr(12, value);
  }
}

}  // namespace zeb
