// Test helpers of the image codecs: a BMP file builder for hand-made headers and pixel data,
// a JPEG writer (libjpeg, to memory) and small pixel utilities.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "framework/image/codecs.h"

namespace fw::testing {

// Assembles a BMP file from its parts; fields not set keep common values.
struct BmpBuilder {
  uint32_t headerSize = 40;
  int32_t width = 1;
  int32_t height = 1;
  uint16_t bitCount = 24;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  std::vector<uint32_t> masks;         // after a 40-byte header, inside larger ones
  std::vector<uint32_t> palette;       // 0x00RRGGBB entries
  std::vector<uint8_t> data;           // pixel data as stored
  std::optional<uint32_t> dataOffset;  // default: right after the palette; data follows the
                                       // palette either way

  std::vector<uint8_t> Build() const;
};

// An image of the given size whose pixels are all different (for round trips).
DecodedImage PatternImage(int width, int height, bool alpha);

enum class JpegKind { Rgb, Gray, Cmyk };

// Encodes `image` as a baseline (or progressive) JPEG of the kind; CMYK takes the pixel's four
// bytes (B, G, R, A) as the stored C, M, Y, K values.
std::vector<uint8_t> WriteJpeg(const DecodedImage& image, JpegKind kind, int quality = 95,
                               bool progressive = false);

}  // namespace fw::testing
