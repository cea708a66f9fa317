// strff: numbers as fixed or scientific text with a minimum field width.
#include "companion/ZEB_stringl.h"
#include "framework/rtl/numtext.h"

namespace zeb {

std::string strff(double x, int Width, int Decimals) {
  return fw::Str(x, Width, Decimals);
}

}  // namespace zeb
