// Rounding rules of the run-time library.

#include "framework/rtl/rounding.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "framework/rtl/exceptions.h"

namespace fw {

namespace {

// 2^63: integral doubles in [-2^63, 2^63) fit an int64 exactly.
constexpr double kTwoTo63 = 9223372036854775808.0;

int64_t CheckedToInt64(double integral) {
  if (!(integral >= -kTwoTo63 && integral < kTwoTo63)) {
    throw EInvalidOperation("Invalid floating point operation");
  }
  return static_cast<int64_t>(integral);
}

}  // namespace

int64_t Round(double x) {
  if (std::isnan(x)) throw EInvalidOperation("Invalid floating point operation");
  const double whole = std::trunc(x);
  double rounded = whole;
  const double diff = std::fabs(x - whole);  // exact: no bits are lost in this subtraction
  if (diff > 0.5 || (diff == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
    rounded = whole + (x < 0 ? -1.0 : 1.0);
  }
  return CheckedToInt64(rounded);
}

int64_t Trunc(double x) {
  if (std::isnan(x)) throw EInvalidOperation("Invalid floating point operation");
  return CheckedToInt64(std::trunc(x));
}

double Int(double x) {
  return std::trunc(x);
}

double Frac(double x) {
  if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
  return x - std::trunc(x);
}

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const int64_t product = static_cast<int64_t>(a) * b;
  // Work on magnitudes so the half rounds away from zero whatever the signs.
  const uint64_t num = product < 0 ? 0 - static_cast<uint64_t>(product) : product;
  const uint64_t den = c < 0 ? 0 - static_cast<uint64_t>(static_cast<int64_t>(c)) : c;
  uint64_t quotient = num / den;
  if ((num % den) * 2 >= den) ++quotient;
  const bool negative = (product < 0) != (c < 0);
  if (negative) {
    if (quotient > static_cast<uint64_t>(std::numeric_limits<int>::max()) + 1) return -1;
    return static_cast<int>(-static_cast<int64_t>(quotient));
  }
  if (quotient > static_cast<uint64_t>(std::numeric_limits<int>::max())) return -1;
  return static_cast<int>(quotient);
}

}  // namespace fw
