// Fuzz target: arbitrary bytes as number text (Val, StrToFloat, TryStrToInt), as picture and
// Format strings, and as text for the UTF-8 helpers. Checks the invariants that must hold for
// any input besides the absence of crashes.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/utf8.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void FuzzNumbers(const std::string& text) {
  double x = 0;
  int code = 0;
  fw::Val(text, x, code);
  Check(code >= 0 && code <= static_cast<int>(text.size()) + 1);
  if (code == 0) {
    // What Val accepts, Str writes back so that Val reads the same double.
    double back = 0;
    fw::Val(fw::Str(x, 26), back, code);
    Check(code == 0 && (back == x || (x == 0 && back == 0)));
    Check(fw::Str(x, 1, 3).size() >= 5);
  }
  int n = 0;
  if (fw::TryStrToInt(text, n)) Check(fw::StrToInt(fw::IntToStr(n)) == n);
  double y = 0;
  if (fw::TryStrToFloat(text, y)) Check(std::isfinite(y));
  try {
    fw::StrToFloat(text);
  } catch (const fw::EConvertError&) {
  }
}

void FuzzFormats(const std::string& text) {
  for (double value : {0.0, -1234.5678, 1e-7, 6.02214076e23}) {
    const std::string out = fw::FormatFloat(text, value);
    Check(out.size() < text.size() * 32 + 64);
  }
  try {
    fw::Format(text, {12, -3.75, "abc", int64_t{-9}, 2, 0.5});
  } catch (const fw::EConvertError&) {
  }
}

void FuzzUtf8(const std::string& text) {
  const std::size_t length = fw::Length(text);
  Check(length <= text.size());
  const std::size_t half = length / 2;
  const std::string cut = fw::CutToLength(text, half);
  Check(fw::Length(cut) == half);
  Check(cut + fw::Copy(text, static_cast<long long>(half) + 1, static_cast<long long>(length)) ==
        text);
  Check(fw::Length(fw::UpperCase(text)) == length);
  Check(fw::Length(fw::LowerCase(text)) == length);
  std::string edited = text;
  fw::Delete(edited, 2, 3);
  fw::Insert("\xC3\xA9", edited, 2);
  Check(fw::Length(edited) <= length + 1);
  if (!text.empty()) Check(fw::Pos(fw::Copy(text, 1, 1), text) == 1);
  Check(fw::Trim(text).size() <= text.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  FuzzNumbers(text);
  FuzzFormats(text);
  FuzzUtf8(text);
  return 0;
}
