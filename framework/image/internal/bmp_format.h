// The layout of a BMP file as the decoder reads it: file and information headers, colour
// masks and palette placement, parsed and checked against the buffer before any pixel is read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "framework/rtl/colors.h"

namespace fw::bmp {

inline constexpr uint32_t kBiRgb = 0;
inline constexpr uint32_t kBiRle8 = 1;
inline constexpr uint32_t kBiRle4 = 2;
inline constexpr uint32_t kBiBitfields = 3;
inline constexpr uint32_t kBiAlphaBitfields = 6;
inline constexpr size_t kFileHeaderSize = 14;
inline constexpr uint32_t kCoreHeaderSize = 12;
inline constexpr uint32_t kInfoHeaderSize = 40;
inline constexpr uint32_t kV4HeaderSize = 108;

struct Layout {
  int64_t width = 0;
  int64_t height = 0;  // always positive; topDown tells the row order
  bool topDown = false;
  int bitCount = 0;
  uint32_t compression = kBiRgb;
  uint32_t dataOffset = 0;
  size_t paletteOffset = 0;
  size_t paletteEntrySize = 4;      // 3 for the old core header
  size_t paletteCount = 0;          // entries stored in the file (bit counts up to 8)
  std::array<uint32_t, 4> masks{};  // red, green, blue, alpha (16 and 32 bits per pixel)
};

// Parses and validates the headers; raises EInvalidGraphic for anything malformed,
// unsupported, oversized or pointing outside the buffer.
Layout ParseLayout(std::span<const uint8_t> bytes);

// The palette as 0x00RRGGBB pixels, padded with black to 256 entries so that any index of
// the pixel data can be looked up safely.
std::vector<TPixel> ReadPalette(std::span<const uint8_t> bytes, const Layout& layout);

// Decodes RLE8 or RLE4 data into `pixels` (top-down, width * height, prefilled by the caller).
void DecodeRle(std::span<const uint8_t> bytes, const Layout& layout,
               const std::vector<TPixel>& palette, std::vector<TPixel>& pixels);

}  // namespace fw::bmp
