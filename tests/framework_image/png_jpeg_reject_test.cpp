// PNG and JPEG decoding of other colour types and refusal of damaged files: truncation at
// every length, corrupted bytes, oversized headers.
#include <gtest/gtest.h>
#include <png.h>

#include "framework/base/exceptions.h"
#include "framework/image/codecs.h"
#include "tests/framework_image/image_builders.h"

namespace fw {
namespace {

// Writes `pixels` (rows of the given format's bytes) with libpng's simplified writer.
std::vector<uint8_t> WritePng(int width, int height, uint32_t format,
                              const std::vector<uint8_t>& pixels,
                              const std::vector<uint8_t>& colormap = {}, int entries = 0) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = format;
  image.colormap_entries = entries;
  png_alloc_size_t size = 0;
  const void* map = colormap.empty() ? nullptr : colormap.data();
  EXPECT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, map));
  std::vector<uint8_t> out(size);
  EXPECT_TRUE(png_image_write_to_memory(&image, out.data(), &size, 0, pixels.data(), 0, map));
  out.resize(size);
  return out;
}

TEST(PngDecoding, GreyscaleAndGreyAlphaExpandToRgb) {
  const DecodedImage grey = DecodePng(WritePng(2, 1, PNG_FORMAT_GRAY, {0x10, 0xF0}));
  EXPECT_FALSE(grey.hasAlpha);
  EXPECT_EQ(grey.pixels, (std::vector<TPixel>{0x101010, 0xF0F0F0}));
  const DecodedImage greyAlpha = DecodePng(WritePng(2, 1, PNG_FORMAT_GA, {0x10, 0x80, 0xF0, 0xFF}));
  EXPECT_TRUE(greyAlpha.hasAlpha);
  EXPECT_EQ(greyAlpha.pixels, (std::vector<TPixel>{0x80101010, 0xFFF0F0F0}));
}

TEST(PngDecoding, PaletteWithTransparencyGivesAlpha) {
  // Two palette entries, RGBA: opaque red and half-transparent blue.
  const std::vector<uint8_t> colormap{0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0x40};
  const std::vector<uint8_t> indices{0, 1, 1};
  const DecodedImage image =
      DecodePng(WritePng(3, 1, PNG_FORMAT_RGBA_COLORMAP, indices, colormap, 2));
  EXPECT_TRUE(image.hasAlpha);
  EXPECT_EQ(image.pixels, (std::vector<TPixel>{0xFFFF0000, 0x400000FF, 0x400000FF}));
}

// Every prefix of a valid file is refused, whether it cuts the header, the data or the end.
TEST(DamagedFiles, EveryTruncationIsRefused) {
  const DecodedImage pattern = testing::PatternImage(9, 7, true);
  const std::vector<uint8_t> png = EncodePng(pattern);
  for (size_t length = 0; length < png.size(); ++length)
    EXPECT_THROW(DecodePng(std::span(png.data(), length)), EInvalidGraphic) << length;

  DecodedImage smooth = testing::PatternImage(16, 16, false);
  for (bool progressive : {false, true}) {
    const std::vector<uint8_t> jpeg =
        testing::WriteJpeg(smooth, testing::JpegKind::Rgb, 90, progressive);
    ASSERT_NO_THROW(DecodeJpeg(jpeg));
    for (size_t length = 0; length < jpeg.size(); ++length)
      EXPECT_THROW(DecodeJpeg(std::span(jpeg.data(), length)), EInvalidGraphic) << length;
  }
}

TEST(DamagedFiles, CorruptedPngDataIsRefused) {
  std::vector<uint8_t> png = EncodePng(testing::PatternImage(8, 8, false));
  png[png.size() / 2] ^= 0x55;  // inside the image data: the CRC no longer matches
  EXPECT_THROW(DecodePng(png), EInvalidGraphic);
}

// Patches the width and height fields of a PNG's IHDR (without fixing its CRC libpng would
// refuse it anyway, so the CRC is recomputed).
std::vector<uint8_t> PngWithSize(uint32_t width, uint32_t height) {
  std::vector<uint8_t> png = EncodePng(testing::PatternImage(2, 2, false));
  for (int i = 0; i < 4; ++i) {
    png[16 + i] = static_cast<uint8_t>(width >> (24 - 8 * i));
    png[20 + i] = static_cast<uint8_t>(height >> (24 - 8 * i));
  }
  uint32_t crc = 0xFFFFFFFF;
  for (size_t i = 12; i < 12 + 4 + 13; ++i) {
    crc ^= png[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
  }
  crc ^= 0xFFFFFFFF;
  for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
  return png;
}

TEST(DamagedFiles, OversizedHeadersAreRefusedBeforeDecoding) {
  EXPECT_THROW(DecodePng(PngWithSize(100000, 100000)), EInvalidGraphic);
  EXPECT_THROW(DecodePng(PngWithSize(kMaxImageSide, kMaxImageSide)), EInvalidGraphic);
  // The same patch with the original size decodes, so the refusal is about the size.
  EXPECT_NO_THROW(DecodePng(PngWithSize(2, 2)));

  std::vector<uint8_t> jpeg =
      testing::WriteJpeg(testing::PatternImage(8, 8, false), testing::JpegKind::Rgb);
  // SOF0 holds the height then the width, big-endian, five bytes after its marker.
  for (size_t i = 0; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 5] = jpeg[i + 6] = jpeg[i + 7] = jpeg[i + 8] = 0xFF;
      break;
    }
  }
  EXPECT_THROW(DecodeJpeg(jpeg), EInvalidGraphic);
}

TEST(DamagedFiles, WrongSignaturesAreRefused) {
  std::vector<uint8_t> png = EncodePng(testing::PatternImage(2, 2, false));
  png[1] = 'Q';
  EXPECT_THROW(DecodePng(png), EInvalidGraphic);
  const std::vector<uint8_t> notJpeg{0xFF, 0xD9, 0xFF, 0xE0, 0, 0};
  EXPECT_THROW(DecodeJpeg(notJpeg), EInvalidGraphic);
}

}  // namespace
}  // namespace fw
