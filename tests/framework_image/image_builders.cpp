// Test helpers of the image codecs: BMP builder, JPEG writer, pattern images.
#include "tests/framework_image/image_builders.h"

#include <cstdio>  // before jpeglib.h, which uses FILE and size_t

#include <jpeglib.h>

#include <cstdlib>
#include <stdexcept>

namespace fw::testing {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> BmpBuilder::Build() const {
  const bool masksInHeader = headerSize >= 52;
  const size_t maskBytes = masksInHeader ? 0 : masks.size() * 4;
  const size_t entry = headerSize == 12 ? 3 : 4;
  const uint32_t offset = dataOffset.value_or(
      static_cast<uint32_t>(14 + headerSize + maskBytes + palette.size() * entry));
  std::vector<uint8_t> out{'B', 'M'};
  Put32(out, static_cast<uint32_t>(offset + data.size()));
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, headerSize);
  if (headerSize == 12) {
    Put16(out, static_cast<uint32_t>(width));
    Put16(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, bitCount);
  } else {
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, bitCount);
    Put32(out, compression);
    Put32(out, static_cast<uint32_t>(data.size()));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, colorsUsed);
    Put32(out, 0);
    const size_t headerEnd = 14 + headerSize;
    for (uint32_t mask : masks)
      if (masksInHeader ? out.size() + 4 <= headerEnd : true) Put32(out, mask);
    if (out.size() < headerEnd && headerSize <= 124) out.resize(headerEnd, 0);  // real sizes only
  }
  for (uint32_t color : palette) {
    out.push_back(static_cast<uint8_t>(color));
    out.push_back(static_cast<uint8_t>(color >> 8));
    out.push_back(static_cast<uint8_t>(color >> 16));
    if (entry == 4) out.push_back(0);
  }
  if (!dataOffset && out.size() < offset) out.resize(offset, 0);  // an override is not padded
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

DecodedImage PatternImage(int width, int height, bool alpha) {
  DecodedImage image;
  image.width = width;
  image.height = height;
  image.hasAlpha = alpha;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t r = (x * 37 + y * 11) & 0xFF, g = (y * 53 + 7) & 0xFF,
                     b = (x * y * 5 + 200) & 0xFF, a = alpha ? ((x + y * 3) * 29 + 1) & 0xFF : 0;
      image.pixels.push_back((a << 24) | (r << 16) | (g << 8) | b);
    }
  }
  return image;
}

std::vector<uint8_t> WriteJpeg(const DecodedImage& image, JpegKind kind, int quality,
                               bool progressive) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(image.width);
  info.image_height = static_cast<JDIMENSION>(image.height);
  info.input_components = kind == JpegKind::Gray ? 1 : kind == JpegKind::Rgb ? 3 : 4;
  info.in_color_space = kind == JpegKind::Gray  ? JCS_GRAYSCALE
                        : kind == JpegKind::Rgb ? JCS_RGB
                                                : JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(static_cast<size_t>(image.width) * 4);
  while (info.next_scanline < info.image_height) {
    const TPixel* src = image.pixels.data() + size_t{info.next_scanline} * image.width;
    uint8_t* out = row.data();
    for (int x = 0; x < image.width; ++x) {
      const TPixel p = src[x];
      if (kind == JpegKind::Gray) {
        *out++ = static_cast<uint8_t>(p);
      } else if (kind == JpegKind::Rgb) {
        *out++ = static_cast<uint8_t>(p >> 16);
        *out++ = static_cast<uint8_t>(p >> 8);
        *out++ = static_cast<uint8_t>(p);
      } else {
        for (int shift = 0; shift < 32; shift += 8) *out++ = static_cast<uint8_t>(p >> shift);
      }
    }
    JSAMPROW rowPointer = row.data();
    jpeg_write_scanlines(&info, &rowPointer, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<uint8_t> result(buffer, buffer + size);
  std::free(buffer);
  jpeg_destroy_compress(&info);
  return result;
}

}  // namespace fw::testing
