// PNG and JPEG decoding of other colour types and refusal of damaged files: truncation at
// every length, corrupted bytes, oversized headers.
#include <gtest/gtest.h>
#include <png.h>

#include "framework/image/codecs.h"
#include "framework/rtl/exceptions.h"
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

// Writes rows of raw samples with libpng's full writer, for the bit depths and interlacing the
// simplified writer cannot produce. libpng's default error handler suits valid test input.
std::vector<uint8_t> WritePngRaw(int width, int height, int depth, int colorType, bool interlaced,
                                 std::vector<std::vector<uint8_t>> rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  std::vector<uint8_t> out;
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, size_t size) {
        auto* buffer = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
        buffer->insert(buffer->end(), data, data + size);
      },
      nullptr);
  png_set_IHDR(png, info, width, height, depth, colorType,
               interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_bytep> pointers;
  for (auto& row : rows) pointers.push_back(row.data());
  png_write_image(png, pointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

TEST(PngDecoding, LowAndHighBitDepthsAndInterlacingDecodeExactly) {
  // 1-bit grey, 3 x 2: 1 0 1 / 0 1 1
  const DecodedImage bits =
      DecodePng(WritePngRaw(3, 2, 1, PNG_COLOR_TYPE_GRAY, false, {{0b10100000}, {0b01100000}}));
  EXPECT_EQ(bits.pixels, (std::vector<TPixel>{0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF}));

  // 16-bit RGBA scales to 8 bits by rounding.
  const DecodedImage deep =
      DecodePng(WritePngRaw(1, 1, 16, PNG_COLOR_TYPE_RGB_ALPHA, false,
                            {{0xFF, 0xFF, 0x80, 0x80, 0x00, 0x00, 0x40, 0x40}}));
  EXPECT_TRUE(deep.hasAlpha);
  EXPECT_EQ(deep.pixels, (std::vector<TPixel>{0x40FF8000}));

  // An interlaced image decodes to the same pixels as a plain one.
  std::vector<std::vector<uint8_t>> rows;
  for (int y = 0; y < 9; ++y) {
    rows.emplace_back();
    for (int x = 0; x < 10 * 3; ++x) rows.back().push_back(static_cast<uint8_t>(x * 7 + y * 31));
  }
  const DecodedImage plain = DecodePng(WritePngRaw(10, 9, 8, PNG_COLOR_TYPE_RGB, false, rows));
  const DecodedImage interlaced = DecodePng(WritePngRaw(10, 9, 8, PNG_COLOR_TYPE_RGB, true, rows));
  // Last pixel: samples 27..29 of row 8 are (27 * 7 + 248) & 0xFF = 0xB5, then 0xBC, 0xC3.
  EXPECT_EQ(plain.pixels.at(10 * 8 + 9), 0xB5BCC3u);
  EXPECT_EQ(interlaced.pixels, plain.pixels);
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

// Stray bytes before a marker and data after the end marker are common in files from the
// wild; they do not harm the image, so they are accepted.
TEST(JpegDecoding, StrayBytesBeforeTheEndMarkerAndTrailingDataAreAccepted) {
  const DecodedImage source = testing::PatternImage(8, 8, false);
  const std::vector<uint8_t> clean = testing::WriteJpeg(source, testing::JpegKind::Rgb);
  const std::vector<TPixel> expected = DecodeJpeg(clean).pixels;

  std::vector<uint8_t> stray = clean;
  stray.insert(stray.end() - 2, {0x00, 0x11, 0x22});
  EXPECT_EQ(DecodeJpeg(stray).pixels, expected);

  std::vector<uint8_t> trailing = clean;
  trailing.insert(trailing.end(), {'j', 'u', 'n', 'k'});
  EXPECT_EQ(DecodeJpeg(trailing).pixels, expected);
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
