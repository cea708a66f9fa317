// Unit ZEB_univconst of corekit_rt: universal numeric constants shared by the components,
// the limits used to clamp converted numbers and the natural logarithm of ten.
#pragma once

#include <limits>

namespace zeb {

// The largest finite double; number scanners clamp out-of-range text to plus or minus this.
inline constexpr double uc_MaxDouble = std::numeric_limits<double>::max();

// A bound for general real quantities (1.7e38): far inside the double range, so that sums and
// products of a few such values still stay finite.
inline constexpr double uc_MaxReal = 1.7e38;

// ln 10 in extended precision; log10(x) = ln(x) / uc_ln10, 10^e = exp(e * uc_ln10).
inline constexpr long double uc_ln10 = 2.302585092994045684017991454684364208L;

}  // namespace zeb
