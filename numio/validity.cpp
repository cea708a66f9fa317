// The typing tests of the plain formats: numbers without exponent, decimal integers and the
// digits of the other bases; and the separator modes a TDecPSep stands for.

#include <algorithm>

#include "framework/rtl/numtext.h"
#include "numio/ZEB_NumIO.h"

namespace zeb::nio {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
bool IsOctDigit(char c) {
  return c >= '0' && c <= '7';
}
bool IsBinDigit(char c) {
  return c == '0' || c == '1';
}

template <typename Pred>
bool AllOf(std::string_view text, Pred isDigit) {
  return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

}  // namespace

int EditSepMode(TDecPSep sep) {
  if (sep >= dpPoint && sep <= dpBoth) return static_cast<int>(sep);
  return fw::FormatSettings.DecimalSeparator == ',' ? 2 : 1;
}

int PanelSepMode(TDecPSep sep) {
  if (sep >= dpPoint && sep <= dpBoth) return static_cast<int>(sep);
  return fw::FormatSettings.DecimalSeparator == '.' ? 1 : 2;
}

TDecPSep EditTextSep(TInFormat fmt, TDecPSep sep) {
  return (fmt == itFixPoint && EditSepMode(sep) == 2) ? dpBoth : sep;
}

bool IsValidPlainFloat(std::string_view text, int sepMode) {
  if (text.empty()) return false;
  if (sepMode == 0) sepMode = PanelSepMode(dpPlatform);
  constexpr int kTrap = 5;
  // Rows: 0 start, 1 after sign, 2 after separator, 3 integer digits, 4 fraction digits.
  // Columns: sign, digit, valid separator.
  static constexpr int table[5][3] = {
      {1, 3, 2}, {kTrap, 3, 2}, {kTrap, 4, kTrap}, {kTrap, 3, 2}, {kTrap, 4, kTrap}};
  int state = 0;
  for (const char c : text) {
    int column = -1;
    if (c == '+' || c == '-')
      column = 0;
    else if (IsDigit(c))
      column = 1;
    else if ((c == '.' && (sepMode == 1 || sepMode == 3)) ||
             (c == ',' && (sepMode == 2 || sepMode == 3)))
      column = 2;
    state = column < 0 ? kTrap : table[state][column];
    if (state == kTrap) return false;
  }
  return true;
}

bool IsValidIntStr(std::string_view text) {
  if (text.empty()) return false;
  if (text.size() == 1 && !IsDigit(text[0])) return false;
  if (!IsDigit(text[0]) && text[0] != '+' && text[0] != '-') return false;
  return std::all_of(text.begin() + 1, text.end(), IsDigit);
}

bool IsValidHexStr(std::string_view text) {
  return AllOf(text, IsHexDigit);
}
bool IsValidOctStr(std::string_view text) {
  return AllOf(text, IsOctDigit);
}
bool IsValidBinStr(std::string_view text) {
  return AllOf(text, IsBinDigit);
}

}  // namespace zeb::nio
