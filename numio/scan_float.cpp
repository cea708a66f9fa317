// The decimal-number automaton: ScanFloat, which builds the number it reads, and
// IsValidExpFloat, which only asks whether the automaton accepts.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "companion/ZEB_univconst.h"
#include "numio/ZEB_NumIO.h"

namespace zeb::nio {
namespace {

enum CharClass : uint8_t { ccSep, ccDigit, ccSign, ccSpace, ccExp, ccOther };

constexpr int kAccept = 9;
constexpr int kReject = -1;
// The exponent-digit value saturates here, far above the cap, so long digit runs cannot
// overflow it.
constexpr int kExponentSaturation = 1000000;

char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

bool IsSepChar(char c, int sepMode) {
  switch (sepMode) {
    case 1:
      return c == '.';
    case 2:
      return c == ',';
    case 3:
      return c == '.' || c == ',';
    default:
      return false;
  }
}

CharClass Classify(char upper, int sepMode) {
  if (IsSepChar(upper, sepMode)) return ccSep;
  if (upper >= '0' && upper <= '9') return ccDigit;
  if (upper == '+' || upper == '-') return ccSign;
  if (upper == ' ') return ccSpace;
  if (upper == 'E') return ccExp;
  return ccOther;
}

// One step of the nine-state automaton: 1 start, 2 after sign, 3 integer digits, 4 after
// separator, 5 fraction digits, 6 after "E", 7 after exponent sign, 8 exponent digits.
int NextState(int state, CharClass cc, bool allowExp) {
  const int afterExp = allowExp ? 6 : kAccept;
  switch (state) {
    case 1: {
      static constexpr int row[] = {4, 3, 2, 1, kReject, kReject};
      return row[cc];
    }
    case 2:
      return cc == ccSep ? 4 : cc == ccDigit ? 3 : kReject;
    case 3:
      return cc == ccSep ? 4 : cc == ccDigit ? 3 : cc == ccExp ? afterExp : kAccept;
    case 4:
    case 5:
      return cc == ccSep ? kReject : cc == ccDigit ? 5 : cc == ccExp ? afterExp : kAccept;
    case 6: {
      static constexpr int row[] = {kReject, 8, 7, kReject, kReject, kAccept};
      return row[cc];
    }
    case 7: {
      static constexpr int row[] = {kReject, 8, kReject, kReject, kReject, kAccept};
      return row[cc];
    }
    case 8:
      return cc == ccDigit ? 8 : kAccept;
    default:
      return kReject;
  }
}

int AddExponentDigit(int value, char digit) {
  if (value >= kExponentSaturation) return value;
  return value * 10 + (digit - '0');
}

// The decimal exponent of the leading significant digit of a collected number (as text
// "[-+]digits[.digits][E[+-]digits]"), used only to tell overflow from underflow.
long long MagnitudeOf(const std::string& number) {
  long long magnitude = 0;
  bool significant = false;
  bool afterPoint = false;
  std::size_t i = 0;
  for (; i < number.size() && number[i] != 'E'; ++i) {
    const char c = number[i];
    if (c == '.') {
      afterPoint = true;
    } else if (c >= '0' && c <= '9') {
      if (c != '0') significant = true;
      if (!afterPoint && significant) ++magnitude;
      if (afterPoint && !significant) --magnitude;
    }
  }
  if (i < number.size()) {
    long long exponent = 0;
    bool negative = false;
    for (++i; i < number.size(); ++i) {
      if (number[i] == '-') negative = true;
      if (number[i] >= '0' && number[i] <= '9' && exponent < kExponentSaturation)
        exponent = exponent * 10 + (number[i] - '0');
    }
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude;
}

// The collected number as a double with "." as separator; out-of-range magnitudes clamp to
// +-uc_MaxDouble or become 0, and a number without digits is 0.
double ConvertCollected(const std::string& number) {
  const char* first = number.data();
  const char* last = first + number.size();
  const bool negative = first != last && *first == '-';
  if (first != last && (*first == '+' || *first == '-')) ++first;
  double value = 0;
  const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    value = MagnitudeOf(number) > 0 ? uc_MaxDouble : 0.0;
  } else if (ec != std::errc()) {
    value = 0;
  }
  if (value == 0) return 0.0;  // no negative zero
  if (value > uc_MaxDouble) value = uc_MaxDouble;
  return negative ? -value : value;
}

}  // namespace

double ScanFloat(std::string_view text, bool allowExp, int sepMode, int& pos) {
  text = text.substr(0, std::min<std::size_t>(text.size(), kMaxScanLength));
  if (pos < 1) pos = 1;
  const long long length = static_cast<long long>(text.size());
  std::string number;
  int exponentValue = 0;
  int state = 1;
  while (state != kAccept && state != kReject) {
    const char ch = pos <= length ? UpperAscii(text[pos - 1]) : 'Z';
    ++pos;
    const CharClass cc = Classify(ch, sepMode);
    const int next = NextState(state, cc, allowExp);
    if (next == 8) exponentValue = (state == 8) ? AddExponentDigit(exponentValue, ch) : ch - '0';
    state = next;
    if (state == kAccept || state == kReject) break;
    // Blanks before the number carry no meaning for the conversion; dropping them here is
    // the same as collecting them.
    if (exponentValue <= kMaxExponentDigitsValue && cc != ccSpace)
      number.push_back(ch == ',' ? '.' : ch);
  }
  --pos;
  if (state == kReject) return 0.0;
  if (!number.empty() && number.back() == '.') number.push_back('0');
  return ConvertCollected(number);
}

bool IsValidExpFloat(std::string_view text, int sepMode) {
  if (text.empty()) return false;
  if (sepMode == 0) sepMode = PanelSepMode(dpPlatform);
  const std::size_t length = text.size();
  int exponentValue = 0;
  int state = 1;
  for (std::size_t i = 0; state != kAccept && state != kReject; ++i) {
    const char ch = i < length ? UpperAscii(text[i]) : 'Z';
    const int next = NextState(state, Classify(ch, sepMode), true);
    if (next == 8) {
      exponentValue = (state == 8) ? AddExponentDigit(exponentValue, ch) : ch - '0';
      if (exponentValue > kMaxExponentDigitsValue) return false;
    }
    state = next;
  }
  return state == kAccept;
}

}  // namespace zeb::nio
