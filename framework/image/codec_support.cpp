// Helpers shared by the image codecs: size guard, bounds-checked reads, little-endian writes.
#include "framework/image/internal/codec_support.h"

#include "framework/image/codecs.h"
#include "framework/rtl/exceptions.h"

namespace fw::codec {

void Fail(const std::string& message) {
  throw EInvalidGraphic(message);
}

void CheckImageSize(int64_t width, int64_t height, const char* format) {
  if (width <= 0 || height <= 0)
    Fail(std::string(format) + " image has no pixels (width or height is zero or negative)");
  if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels)
    Fail(std::string(format) + " image is too large (" + std::to_string(width) + " x " +
         std::to_string(height) + " pixels)");
}

void CheckEncodable(const DecodedImage& image, const char* format) {
  CheckImageSize(image.width, image.height, format);
  if (image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
    Fail(std::string(format) + " encoder: the pixel count does not match the image size");
}

uint16_t ReadU16(std::span<const uint8_t> bytes, size_t offset, const char* format) {
  if (!FitsIn(bytes.size(), offset, 2)) Fail(std::string(format) + " data is truncated");
  return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

uint32_t ReadU32(std::span<const uint8_t> bytes, size_t offset, const char* format) {
  if (!FitsIn(bytes.size(), offset, 4)) Fail(std::string(format) + " data is truncated");
  return static_cast<uint32_t>(bytes[offset]) | (static_cast<uint32_t>(bytes[offset + 1]) << 8) |
         (static_cast<uint32_t>(bytes[offset + 2]) << 16) |
         (static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

void PutU16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutU16(out, static_cast<uint16_t>(value));
  PutU16(out, static_cast<uint16_t>(value >> 16));
}

}  // namespace fw::codec
