// BMP header parsing: file header, core / info / V2-V5 information headers, colour masks and
// the palette, each offset and size checked against the buffer.
#include <string>

#include "framework/image/internal/bmp_format.h"
#include "framework/image/internal/codec_support.h"

namespace fw::bmp {

namespace {

constexpr const char* kBmp = "BMP";

int32_t ReadI32(std::span<const uint8_t> bytes, size_t offset) {
  return static_cast<int32_t>(codec::ReadU32(bytes, offset, kBmp));
}

bool IsKnownInfoHeaderSize(uint32_t size) {
  return size == kInfoHeaderSize || size == 52 || size == 56 || size == kV4HeaderSize ||
         size == 124;
}

void ParseCoreHeader(std::span<const uint8_t> bytes, Layout& layout) {
  constexpr size_t base = kFileHeaderSize;
  layout.width = codec::ReadU16(bytes, base + 4, kBmp);
  layout.height = codec::ReadU16(bytes, base + 6, kBmp);
  layout.bitCount = codec::ReadU16(bytes, base + 10, kBmp);
  if (layout.bitCount != 1 && layout.bitCount != 4 && layout.bitCount != 8 && layout.bitCount != 24)
    codec::Fail("BMP core header with " + std::to_string(layout.bitCount) +
                " bits per pixel is not supported");
  layout.paletteOffset = base + kCoreHeaderSize;
  layout.paletteEntrySize = 3;
}

// The colour masks: stored after a 40-byte header for the bit-field compressions, inside the
// larger headers (alpha from 56 bytes on), and the format's defaults otherwise.
void ParseMasks(std::span<const uint8_t> bytes, uint32_t headerSize, Layout& layout) {
  constexpr size_t maskBase = kFileHeaderSize + kInfoHeaderSize;
  const bool bitfields =
      layout.compression == kBiBitfields || layout.compression == kBiAlphaBitfields;
  size_t storedMasks = 0;
  if (headerSize >= 56) {
    storedMasks = 4;
  } else if (headerSize >= 52) {
    storedMasks = 3;
  } else if (bitfields) {
    storedMasks = layout.compression == kBiAlphaBitfields ? 4 : 3;
    layout.paletteOffset += storedMasks * 4;
  }
  for (size_t i = 0; i < storedMasks; ++i)
    layout.masks[i] = codec::ReadU32(bytes, maskBase + i * 4, kBmp);

  if (!bitfields || (layout.masks[0] | layout.masks[1] | layout.masks[2]) == 0) {
    if (layout.bitCount == 16)
      layout.masks = {0x7C00, 0x03E0, 0x001F, layout.masks[3]};
    else
      layout.masks = {0xFF0000, 0x00FF00, 0x0000FF, layout.masks[3]};
  }
  if (layout.bitCount == 16) {
    for (uint32_t mask : layout.masks)
      if (mask > 0xFFFF) codec::Fail("BMP colour mask does not fit a 16-bit pixel");
  }
}

void ParseInfoHeader(std::span<const uint8_t> bytes, uint32_t headerSize, Layout& layout) {
  constexpr size_t base = kFileHeaderSize;
  layout.width = ReadI32(bytes, base + 4);
  const int64_t height = ReadI32(bytes, base + 8);
  layout.topDown = height < 0;
  layout.height = height < 0 ? -height : height;
  layout.bitCount = codec::ReadU16(bytes, base + 14, kBmp);
  layout.compression = codec::ReadU32(bytes, base + 16, kBmp);
  layout.paletteCount = codec::ReadU32(bytes, base + 32, kBmp);  // biClrUsed, clamped below
  layout.paletteOffset = base + headerSize;
  if (layout.bitCount == 16 || layout.bitCount == 32) ParseMasks(bytes, headerSize, layout);
}

void CheckEncoding(const Layout& layout) {
  const int bits = layout.bitCount;
  bool valid = false;
  switch (layout.compression) {
    case kBiRgb:
      valid = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
      break;
    case kBiRle8:
      valid = bits == 8;
      break;
    case kBiRle4:
      valid = bits == 4;
      break;
    case kBiBitfields:
    case kBiAlphaBitfields:
      valid = bits == 16 || bits == 32;
      break;
    default:
      codec::Fail("BMP compression " + std::to_string(layout.compression) + " is not supported");
  }
  if (!valid)
    codec::Fail("BMP with " + std::to_string(bits) + " bits per pixel and compression " +
                std::to_string(layout.compression) + " is not supported");
  if (layout.topDown && (layout.compression == kBiRle8 || layout.compression == kBiRle4))
    codec::Fail("BMP run-length data cannot be stored top-down");
}

// Settles the palette size (biClrUsed, or the full table when zero or too large) and checks
// that the palette and the start of the pixel data lie inside the file, in that order.
void CheckPlacement(std::span<const uint8_t> bytes, Layout& layout) {
  size_t paletteBytes = 0;
  if (layout.bitCount <= 8) {
    const size_t full = size_t{1} << layout.bitCount;
    if (layout.paletteCount == 0 || layout.paletteCount > full) layout.paletteCount = full;
    paletteBytes = layout.paletteCount * layout.paletteEntrySize;
    if (!codec::FitsIn(bytes.size(), layout.paletteOffset, paletteBytes))
      codec::Fail("BMP data is truncated (palette)");
  } else {
    layout.paletteCount = 0;
  }
  if (!codec::FitsIn(bytes.size(), layout.paletteOffset, 0))
    codec::Fail("BMP data is truncated (colour masks)");
  if (layout.dataOffset < layout.paletteOffset + paletteBytes || layout.dataOffset >= bytes.size())
    codec::Fail("BMP pixel data offset " + std::to_string(layout.dataOffset) +
                " is outside the file or overlaps its headers");
}

}  // namespace

Layout ParseLayout(std::span<const uint8_t> bytes) {
  if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') codec::Fail("Not a BMP file");
  Layout layout;
  layout.dataOffset = codec::ReadU32(bytes, 10, kBmp);
  const uint32_t headerSize = codec::ReadU32(bytes, kFileHeaderSize, kBmp);
  if (headerSize != kCoreHeaderSize && !IsKnownInfoHeaderSize(headerSize))
    codec::Fail("BMP information header of " + std::to_string(headerSize) +
                " bytes is not supported");
  if (!codec::FitsIn(bytes.size(), kFileHeaderSize, headerSize))
    codec::Fail("BMP data is truncated (header)");
  if (headerSize == kCoreHeaderSize)
    ParseCoreHeader(bytes, layout);
  else
    ParseInfoHeader(bytes, headerSize, layout);
  codec::CheckImageSize(layout.width, layout.height, kBmp);
  CheckEncoding(layout);
  CheckPlacement(bytes, layout);
  return layout;
}

std::vector<TPixel> ReadPalette(std::span<const uint8_t> bytes, const Layout& layout) {
  std::vector<TPixel> palette(256, 0);
  for (size_t i = 0; i < layout.paletteCount; ++i) {
    const uint8_t* entry = bytes.data() + layout.paletteOffset + i * layout.paletteEntrySize;
    palette[i] = (TPixel{entry[2]} << 16) | (TPixel{entry[1]} << 8) | entry[0];
  }
  return palette;
}

}  // namespace fw::bmp
