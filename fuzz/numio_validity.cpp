// Fuzz target: arbitrary bytes as the text of a numeric input panel, through its typing
// test, value reading and writing, integer value, range test and separator rewriting, in
// every input format and separator choice.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "companion/ZEB_univconst.h"
#include "numio/ZEB_NumIO.h"

namespace {

using namespace zeb;

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (int f = itExp; f <= itDynamic; ++f) {
    for (int s = dpPlatform; s <= dpBoth; ++s) {
      TNioFormat format;
      format.InputFormat = static_cast<TInFormat>(f);
      format.DecPlaceSep = static_cast<TDecPSep>(s);
      format.FixPointDecPlaces = 1 + static_cast<int>(size % 8);
      format.SignificantDigits = 1 + static_cast<int>(size % 15);
      NioCheckValidity(text, format);
      const double value = NioGetValue(text, format);
      Check(std::isfinite(value) && std::fabs(value) <= uc_MaxDouble);
      const std::string written = NioValueText(value, format);
      Check(!written.empty());
      try {
        const int n = NioGetIntValue(text, format, "P");
        Check(std::fabs(n - value) <= 0.5);
      } catch (const EZEBNumIO2Error&) {
        Check(!(value <= 2147483647.0 && value >= -2147483648.0));
      }
      NioOutOfRange(text, format, -1, 1);
      for (int t = dpPlatform; t <= dpBoth; ++t)
        Check(NioChangeDecSep(text, format.DecPlaceSep, static_cast<TDecPSep>(t)).size() ==
              text.size());
    }
  }
  return 0;
}
