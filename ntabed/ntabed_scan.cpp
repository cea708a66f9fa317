// The number scanner of clipboard text: one number at a time, "." or "," as decimal point, an
// optional exponent; whatever cannot belong to a number ends it.
#include <algorithm>
#include <array>
#include <cctype>

#include "companion/ZEB_univconst.h"
#include "framework/rtl/numtext.h"
#include "ntabed/ZEB_ntabed.h"

namespace zeb {

namespace {

// Character classes of the scanner and its transition table (states 1..8; 9 done, -1 error).
enum CharClass { kPoint, kDigit, kExpMark, kSign, kBlank, kOther };
constexpr int kDone = 9;
constexpr int kError = -1;
constexpr std::array<std::array<int, 6>, 9> kNext{{
    {0, 0, 0, 0, 0, 0},                          // (unused)
    {4, 3, kError, 2, 1, kError},                // 1 start
    {4, 3, kError, kError, kError, kError},      // 2 after sign
    {4, 3, 6, kDone, kDone, kDone},              // 3 integer digits
    {kError, 5, 6, kDone, kDone, kDone},         // 4 after decimal point
    {kError, 5, 6, kDone, kDone, kDone},         // 5 fraction digits
    {kError, 8, kError, 7, kError, kDone},       // 6 after "E"
    {kError, 8, kError, kError, kError, kDone},  // 7 after exponent sign
    {kDone, 8, kDone, kDone, kDone, kDone},      // 8 exponent digits
}};
// Exponent digits are taken while their value stays within this.
constexpr int kMaxExponent = 4200;

CharClass Classify(char c) {
  if (c == '.' || c == ',') return kPoint;
  if (c >= '0' && c <= '9') return kDigit;
  if (c == 'E') return kExpMark;
  if (c == '+' || c == '-') return kSign;
  if (c == ' ') return kBlank;
  return kOther;
}

// The text of a number that ended early is completed: "12." reads as 12.0, and an exponent
// mark or sign without digits ("3E", "2e+") is dropped, so the mantissa still counts.
double ConvertNumberText(std::string text) {
  while (!text.empty() && (text.back() == 'E' || text.back() == '+' || text.back() == '-') &&
         text.find('E') != std::string::npos)
    text.pop_back();
  if (!text.empty() && text.back() == '.') text += '0';
  // A mantissa that starts with its point (".5", "-.5") gets its zero.
  text.erase(0, text.find_first_not_of(' '));
  const std::size_t mantissa = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  if (mantissa < text.size() && text[mantissa] == '.')
    text = text.substr(0, mantissa) + '0' + text.substr(mantissa);
  double x = 0.0;
  int code = 0;
  fw::Val(text, x, code);
  if (code == 0) return std::clamp(x, -uc_MaxDouble, uc_MaxDouble);
  // A well-formed number that no double holds: an exponent too large gives the largest
  // double of its sign, one too small gives 0.
  const std::size_t e = text.find('E');
  if (e == std::string::npos || e + 1 >= text.size() || text[e + 1] == '-') return 0.0;
  const bool negative = text.find('-') < e;
  return negative ? -uc_MaxDouble : uc_MaxDouble;
}

}  // namespace

bool StartsClipNumber(char c) {
  return c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9');
}

double ScanClipNumber(const std::string& text, std::size_t& pos) {
  std::string number;
  int state = 1;
  int exponent = 0;
  while (true) {
    const char c = pos < text.size()
                       ? static_cast<char>(std::toupper(static_cast<unsigned char>(text[pos])))
                       : 'Z';
    const int next = kNext[static_cast<std::size_t>(state)][Classify(c)];
    if (next == kDone || next == kError) {
      // An exponent mark or sign without digits ends a number that has its mantissa: "2e+ "
      // reads as 2, as "2e+x" does.
      state = (next == kError && (state == 6 || state == 7)) ? kDone : next;
      break;
    }
    if (next == 8) {
      exponent = exponent * 10 + (c - '0');
      if (exponent <= kMaxExponent) number += c;
      exponent = std::min(exponent, kMaxExponent + 1);
    } else {
      number += c == ',' ? '.' : c;
    }
    state = next;
    ++pos;
  }
  return state == kDone ? ConvertNumberText(number) : 0.0;
}

}  // namespace zeb
