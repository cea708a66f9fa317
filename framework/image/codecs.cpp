// Image format detection by signature, and decoding dispatched on it.
#include "framework/image/codecs.h"

#include <algorithm>

#include "framework/image/internal/codec_support.h"

namespace fw {

namespace {

bool StartsWith(std::span<const uint8_t> bytes, std::initializer_list<uint8_t> signature) {
  return bytes.size() >= signature.size() &&
         std::equal(signature.begin(), signature.end(), bytes.begin());
}

}  // namespace

ImageFormat DetectImageFormat(std::span<const uint8_t> bytes) {
  if (StartsWith(bytes, {'B', 'M'})) return ImageFormat::Bmp;
  if (StartsWith(bytes, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'})) return ImageFormat::Png;
  if (StartsWith(bytes, {0xFF, 0xD8, 0xFF})) return ImageFormat::Jpeg;
  return ImageFormat::Unknown;
}

DecodedImage DecodeImage(std::span<const uint8_t> bytes) {
  switch (DetectImageFormat(bytes)) {
    case ImageFormat::Bmp:
      return DecodeBmp(bytes);
    case ImageFormat::Png:
      return DecodePng(bytes);
    case ImageFormat::Jpeg:
      return DecodeJpeg(bytes);
    case ImageFormat::Unknown:
      break;
  }
  codec::Fail("Unknown picture file format (not a BMP, PNG or JPEG image)");
}

}  // namespace fw
