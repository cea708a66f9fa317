// The run-time library's rounding rules: Round (halves to even), Trunc, Int, Frac and the
// 32-bit scaling MulDiv (halves away from zero).
#pragma once

#include <cstdint>

namespace fw {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Raises EInvalidOperation("Invalid floating point operation") for NaN, infinities and values
// outside the int64 range.
int64_t Round(double x);

// Integer part toward zero as an int64; same error as Round for values it cannot hold.
int64_t Trunc(double x);

// Integer part toward zero, kept as a double (Int(-2.7) = -2.0); NaN and infinities pass.
double Int(double x);

// Fractional part, x - Int(x), with the sign of x; NaN for NaN and infinities.
double Frac(double x);

// a * b / c with a 64-bit intermediate, rounded to the nearest integer with halves away from
// zero. Returns -1 when c is 0 or the result does not fit in 32 bits.
int MulDiv(int a, int b, int c);

}  // namespace fw
