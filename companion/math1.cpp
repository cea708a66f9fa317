// Unit ZEB_math1: IntNeg and IsValidDecInt.
#include <cmath>
#include <cstdint>
#include <limits>

#include "companion/ZEB_math1.h"
#include "framework/rtl/exceptions.h"

namespace zeb {

int IntNeg(double x) {
  // Compare against the int range as doubles before converting: converting an out-of-range
  // double to int would be undefined.
  const double floored = std::floor(x);
  constexpr double kLow = static_cast<double>(std::numeric_limits<int>::min());
  constexpr double kHigh = static_cast<double>(std::numeric_limits<int>::max());
  if (!(floored >= kLow && floored <= kHigh)) {
    throw fw::EInvalidOperation("Invalid floating point operation");
  }
  return static_cast<int>(floored);
}

bool IsValidDecInt(std::string_view s) {
  std::size_t pos = 0;
  while (pos < s.size() && s[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
    negative = s[pos] == '-';
    ++pos;
  }
  if (pos == s.size()) return false;
  // Accumulate in 64 bits and stop as soon as the magnitude leaves the int range.
  const int64_t limit = negative ? -int64_t(std::numeric_limits<int>::min())
                                 : int64_t(std::numeric_limits<int>::max());
  int64_t magnitude = 0;
  for (; pos < s.size(); ++pos) {
    const char c = s[pos];
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return false;
  }
  return true;
}

}  // namespace zeb
