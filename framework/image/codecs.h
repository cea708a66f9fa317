// Image codecs: BMP, PNG and JPEG decoding by content into 32-bit pixels, BMP and PNG encoding.
// Malformed, truncated, unsupported or oversized data raises EInvalidGraphic.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "framework/rtl/colors.h"

namespace fw {

// The largest image the decoders accept, in pixels; larger headers are refused before any
// pixel memory is taken (a guard against decompression bombs).
inline constexpr int64_t kMaxImagePixels = int64_t{1} << 26;  // 64 Mi pixels
inline constexpr int kMaxImageSide = 1 << 15;

struct DecodedImage {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 32;       // as stored in the file (1, 4, 8, 24, 32; 32 for PNG with alpha)
  bool hasAlpha = false;       // pixels carry alpha in their top byte
  std::vector<TPixel> pixels;  // top-down rows, width * height pixels, 0xAARRGGBB
};

enum class ImageFormat { Unknown, Bmp, Png, Jpeg };

// The format a buffer starts with, by its signature.
ImageFormat DetectImageFormat(std::span<const uint8_t> bytes);

// Decodes BMP, PNG or JPEG, chosen by content.
DecodedImage DecodeImage(std::span<const uint8_t> bytes);

DecodedImage DecodeBmp(std::span<const uint8_t> bytes);
DecodedImage DecodePng(std::span<const uint8_t> bytes);
DecodedImage DecodeJpeg(std::span<const uint8_t> bytes);

// A 24-bit BMP, or 32-bit when the image has alpha; rows bottom-up as the format stores them.
std::vector<uint8_t> EncodeBmp(const DecodedImage& image);
// An 8-bit-per-channel RGB PNG, RGBA when the image has alpha.
std::vector<uint8_t> EncodePng(const DecodedImage& image);

}  // namespace fw
