// Unit ZEB_math1 of numkit_rt: small numeric routines the components share, the floor of a
// real number as an integer and the test for decimal integer text.
#pragma once

#include <string_view>

namespace zeb {

// The greatest integer not above x (IntNeg(-0.5) = -1, IntNeg(2.0) = 2). Raises
// fw::EInvalidOperation for NaN, infinities and results outside the int range, as the
// run-time library's Round and Trunc do.
int IntNeg(double x);

// True when s is a decimal integer that fits an int: leading blanks, an optional "+" or "-",
// then one or more digits "0".."9" and nothing after them. Whenever it answers true,
// fw::StrToInt(s) gives the value.
bool IsValidDecInt(std::string_view s);

}  // namespace zeb
