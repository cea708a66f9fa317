// Fuzz target: the JPEG decoder must either decode or raise EInvalidGraphic on any input.
#include <cstddef>
#include <cstdint>
#include <span>

#include "framework/image/codecs.h"
#include "framework/rtl/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const fw::DecodedImage image = fw::DecodeJpeg(std::span<const uint8_t>(data, size));
    if (image.pixels.size() != static_cast<size_t>(image.width) * image.height) __builtin_trap();
  } catch (const fw::EInvalidGraphic&) {
  }
  return 0;
}
