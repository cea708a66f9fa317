// Fuzz target: colour text as stored forms hold it; any text either parses or raises
// EConvertError, and a parsed colour's written form parses back to the same colour.
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/rtl/colors.h"
#include "framework/rtl/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  try {
    fw::TColor color = fw::StringToColor(text);
    if (fw::StringToColor(fw::ColorToString(color)) != color) __builtin_trap();
    (void)fw::ColorToRGB(color);
  } catch (const fw::EConvertError&) {
  }
  return 0;
}
