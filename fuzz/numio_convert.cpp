// Fuzz target: arbitrary bytes as text typed into the numeric edit field, in every input
// format and separator choice. Beyond the absence of faults it checks that an accepted
// decimal text was consumed whole by the scanner, that values are finite, that the text
// written for a value is one the field accepts, and that it reads back as that value where
// the format keeps it exactly.

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

// The text ConvertNumString hands to its decimal scanner: leading blanks gone, lower case,
// and in itExp a trailing open exponent ("e", "e+", "e-" at the first "e") cut off.
std::string ScannedText(const std::string& text, TInFormat fmt) {
  std::string t = text.substr(std::min(text.find_first_not_of(' '), text.size()));
  for (char& c : t)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  if (fmt == itExp) {
    const std::size_t e = t.find('e');
    if (e != std::string::npos &&
        (e + 1 == t.size() || (e + 2 == t.size() && (t[e + 1] == '+' || t[e + 1] == '-'))))
      t.resize(e);
  }
  return t;
}

void CheckScannerConsumedAll(const std::string& text, TInFormat fmt, TDecPSep sep) {
  const std::string t = ScannedText(text, fmt);
  if (t.empty() && fmt != itExp) return;  // blanks only: accepted as 0 before any scan
  int pos = 1;
  if (fmt == itInt)
    nio::ScanDecInt(t, pos);
  else
    nio::ScanFloat(t, fmt == itExp, nio::EditSepMode(sep), pos);
  Check(pos == static_cast<int>(t.size()) + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (int f = itExp; f <= itDynamic; ++f) {
    const auto fmt = static_cast<TInFormat>(f);
    for (int s = dpPlatform; s <= dpBoth; ++s) {
      const auto sep = static_cast<TDecPSep>(s);
      double value = 0;
      const bool accepted = ConvertNumString(text, fmt, sep, value);
      Check(std::isfinite(value) && std::fabs(value) <= uc_MaxDouble);
      if (accepted && text.find_first_not_of(' ') != std::string::npos &&
          (fmt == itExp || fmt == itFloat || fmt == itFixPoint || fmt == itInt))
        CheckScannerConsumedAll(text, fmt, sep);
      const double labValue = LabTextValue(text, fmt, sep);
      Check(std::isfinite(labValue));
      if (accepted && fmt == itHex) {
        double back = 0;
        Check(ConvertNumString(LabValueText(value, fmt, 2), fmt, sep, back) && back == value);
      }
      // Every value a text gives has a text the field accepts again (no asterisks).
      if (accepted) {
        double back = 0;
        Check(ConvertNumString(LabValueText(value, fmt, 2), fmt, dpBoth, back));
      }
      LabValueText(value, fmt, static_cast<int>(size % 10));
    }
  }
  return 0;
}
