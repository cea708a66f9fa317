// Fuzz target: the PNG decoder must either decode or raise EInvalidGraphic on any input.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "framework/image/codecs.h"
#include "framework/rtl/exceptions.h"

namespace {

uint32_t BigEndian(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// Rewrites the CRC of every whole chunk, so that mutated chunk contents reach the decoder
// instead of stopping at the checksum.
void FixChunkCrcs(std::vector<uint8_t>& png) {
  size_t pos = 8;
  while (pos + 12 <= png.size()) {
    const uint32_t length = BigEndian(&png[pos]);
    if (length > png.size() - pos - 12) break;
    const uLong crc = crc32(0, &png[pos + 4], static_cast<uInt>(length + 4));
    for (int i = 0; i < 4; ++i)
      png[pos + 8 + length + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    pos += 12 + length;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> input(data, data + size);
  if (size % 2 == 0) FixChunkCrcs(input);  // odd sizes keep their checksums as they are
  try {
    const fw::DecodedImage image = fw::DecodePng(input);
    if (image.pixels.size() != static_cast<size_t>(image.width) * image.height) __builtin_trap();
  } catch (const fw::EInvalidGraphic&) {
  }
  return 0;
}
