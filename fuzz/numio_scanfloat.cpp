// Fuzz target: arbitrary bytes through the numeric field's scanners. The first byte picks
// the separator mode, the exponent flag and a start position; every scanner must stop
// inside the text (or just after it) with a finite value within the double range.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "companion/ZEB_univconst.h"
#include "numio/ZEB_NumIO.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckEnd(int start, int end, const std::string& text) {
  Check(end >= std::max(start, 1) && end <= static_cast<int>(text.size()) + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 8192) return 0;
  const int sepMode = data[0] & 3;
  const bool allowExp = (data[0] & 4) != 0;
  const int start = (data[0] >> 3) - 2;  // -2 .. 29, also before and past short texts
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

  int pos = start;
  const double value = zeb::nio::ScanFloat(text, allowExp, sepMode, pos);
  Check(std::isfinite(value) && std::fabs(value) <= zeb::uc_MaxDouble);
  if (start <= static_cast<int>(text.size()) + 1) CheckEnd(start, pos, text);

  // A text the typing test accepts is one whose beginning the scanner reads as a number.
  if (zeb::nio::IsValidExpFloat(text, sepMode == 0 ? 1 : sepMode)) {
    int from = 1;
    zeb::nio::ScanFloat(text, true, sepMode == 0 ? 1 : sepMode, from);
    Check(from >= 2 || text.size() == 0);
  }

  using Scanner = int32_t (*)(std::string_view, int&);
  for (Scanner scan :
       {zeb::nio::ScanDecInt, zeb::nio::ScanHexInt, zeb::nio::ScanOctInt, zeb::nio::ScanBinInt}) {
    pos = start;
    scan(text, pos);
    if (start <= static_cast<int>(text.size()) + 1) CheckEnd(start, pos, text);
  }
  return 0;
}
