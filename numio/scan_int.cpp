// The integer scanners: decimal with sign, and hexadecimal, octal and binary digits, all
// accumulating with 32-bit wrap-around.

#include <algorithm>

#include "numio/ZEB_NumIO.h"

namespace zeb::nio {
namespace {

// The digit value of c in base (upper and lower case letters for 16), or -1.
int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  return value < base ? value : -1;
}

// Blanks are skipped while pos is before the last character.
void SkipBlanks(std::string_view text, int& pos) {
  const long long length = static_cast<long long>(text.size());
  while (pos < length && text[pos - 1] == ' ') ++pos;
}

// Digits of base from pos on, value * base + digit in unsigned 32-bit arithmetic (the
// wrap-around of the signed result).
uint32_t AccumulateDigits(std::string_view text, int base, int& pos) {
  const long long length = static_cast<long long>(text.size());
  uint32_t value = 0;
  while (pos <= length) {
    const int digit = DigitValue(text[pos - 1], base);
    if (digit < 0) break;
    value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
    ++pos;
  }
  return value;
}

std::string_view Bounded(std::string_view text) {
  return text.substr(0, std::min<std::size_t>(text.size(), kMaxScanLength));
}

int32_t ScanBase(std::string_view text, int base, int& pos) {
  text = Bounded(text);
  if (pos < 1) pos = 1;
  SkipBlanks(text, pos);
  if (base == 16 && pos == 1 && !text.empty() && text[0] == '$') ++pos;
  return static_cast<int32_t>(AccumulateDigits(text, base, pos));
}

}  // namespace

int32_t ScanDecInt(std::string_view text, int& pos) {
  text = Bounded(text);
  if (pos < 1) pos = 1;
  SkipBlanks(text, pos);
  const long long length = static_cast<long long>(text.size());
  bool negative = false;
  if (pos <= length && (text[pos - 1] == '-' || text[pos - 1] == '+')) {
    negative = text[pos - 1] == '-';
    ++pos;
  }
  const uint32_t magnitude = AccumulateDigits(text, 10, pos);
  return static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
}

int32_t ScanHexInt(std::string_view text, int& pos) {
  return ScanBase(text, 16, pos);
}
int32_t ScanOctInt(std::string_view text, int& pos) {
  return ScanBase(text, 8, pos);
}
int32_t ScanBinInt(std::string_view text, int& pos) {
  return ScanBase(text, 2, pos);
}

}  // namespace zeb::nio
