// Helpers shared by the image codecs: the size guard every decoder applies before taking pixel
// memory, bounds-checked little-endian reads and the failure every codec raises.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace fw {
struct DecodedImage;
}

namespace fw::codec {

// Raises EInvalidGraphic with the message.
[[noreturn]] void Fail(const std::string& message);

// Raises EInvalidGraphic unless 0 < width, height <= kMaxImageSide and the pixel count is at
// most kMaxImagePixels. `format` names the file type in the message.
void CheckImageSize(int64_t width, int64_t height, const char* format);

// Raises EInvalidGraphic unless the image has a valid size and one pixel per position.
void CheckEncodable(const DecodedImage& image, const char* format);

// True when `count` bytes starting at `offset` lie inside a buffer of `size` bytes.
inline bool FitsIn(size_t size, uint64_t offset, uint64_t count) {
  return offset <= size && count <= size - offset;
}

// Little-endian reads that raise "<format> data is truncated" past the end of the buffer.
uint16_t ReadU16(std::span<const uint8_t> bytes, size_t offset, const char* format);
uint32_t ReadU32(std::span<const uint8_t> bytes, size_t offset, const char* format);

// Appends little-endian values to an output buffer (the BMP encoder's writer).
void PutU16(std::vector<uint8_t>& out, uint16_t value);
void PutU32(std::vector<uint8_t>& out, uint32_t value);

}  // namespace fw::codec
