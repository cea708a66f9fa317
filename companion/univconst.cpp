// Unit ZEB_univconst: the constants live in the header; this file checks them where the
// compiler can.
#include <cfloat>

#include "companion/ZEB_univconst.h"

namespace zeb {

static_assert(uc_MaxDouble == DBL_MAX, "uc_MaxDouble is the largest finite double");
static_assert(uc_MaxReal < uc_MaxDouble / 1e200, "uc_MaxReal leaves room for arithmetic");
// A mistyped digit in the long literal would show here.
static_assert(uc_ln10 > 2.302585092L && uc_ln10 < 2.302585094L, "uc_ln10 is ln 10");

}  // namespace zeb
