// Encoder and decoder round trips (BMP and PNG exact, JPEG within tolerance) and format
// detection by content.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/image/codecs.h"
#include "framework/rtl/exceptions.h"
#include "tests/framework_image/image_builders.h"

namespace fw {
namespace {

using testing::PatternImage;

struct Size {
  int width;
  int height;
};
const std::vector<Size> kSizes{{1, 1}, {3, 2}, {5, 7}, {64, 3}, {17, 33}};

TEST(BmpRoundTrip, DecodingAnEncodedImageGivesItsPixels) {
  for (bool alpha : {false, true}) {
    for (const Size& size : kSizes) {
      const DecodedImage original = PatternImage(size.width, size.height, alpha);
      const DecodedImage decoded = DecodeBmp(EncodeBmp(original));
      EXPECT_EQ(decoded.width, size.width);
      EXPECT_EQ(decoded.height, size.height);
      EXPECT_EQ(decoded.bitsPerPixel, alpha ? 32 : 24);
      EXPECT_EQ(decoded.hasAlpha, alpha);
      EXPECT_EQ(decoded.pixels, original.pixels) << size.width << "x" << size.height;
    }
  }
}

TEST(BmpRoundTrip, OpaqueImageDropsAnyAlphaByte) {
  DecodedImage image = PatternImage(3, 1, false);
  image.pixels[1] |= 0xAB000000;
  const DecodedImage decoded = DecodeBmp(EncodeBmp(image));
  EXPECT_EQ(decoded.pixels[1], image.pixels[1] & 0x00FFFFFF);
}

TEST(PngRoundTrip, DecodingAnEncodedImageGivesItsPixels) {
  for (bool alpha : {false, true}) {
    for (const Size& size : kSizes) {
      const DecodedImage original = PatternImage(size.width, size.height, alpha);
      const std::vector<uint8_t> file = EncodePng(original);
      EXPECT_EQ(DetectImageFormat(file), ImageFormat::Png);
      const DecodedImage decoded = DecodePng(file);
      EXPECT_EQ(decoded.width, size.width);
      EXPECT_EQ(decoded.height, size.height);
      EXPECT_EQ(decoded.hasAlpha, alpha);
      EXPECT_EQ(decoded.pixels, original.pixels) << size.width << "x" << size.height;
    }
  }
}

TEST(EncoderRejection, InconsistentImagesAreRefused) {
  DecodedImage empty;
  DecodedImage shortPixels = PatternImage(4, 4, false);
  shortPixels.pixels.pop_back();
  for (const DecodedImage* image : {&empty, &shortPixels}) {
    EXPECT_THROW(EncodeBmp(*image), EInvalidGraphic);
    EXPECT_THROW(EncodePng(*image), EInvalidGraphic);
  }
}

int ChannelDistance(TPixel a, TPixel b) {
  int worst = 0;
  for (int shift = 0; shift < 24; shift += 8)
    worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
  return worst;
}

// A smooth image, so that JPEG's loss stays small everywhere.
DecodedImage SmoothImage(int width, int height) {
  DecodedImage image;
  image.width = width;
  image.height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.pixels.push_back((TPixel(x * 8) << 16) | (TPixel(y * 8) << 8) | TPixel(128));
  return image;
}

TEST(JpegDecoding, ColourAndProgressiveFilesDecodeCloseToTheirSource) {
  const DecodedImage original = SmoothImage(24, 16);
  for (bool progressive : {false, true}) {
    const std::vector<uint8_t> file =
        testing::WriteJpeg(original, testing::JpegKind::Rgb, 95, progressive);
    const DecodedImage decoded = DecodeImage(file);
    ASSERT_EQ(decoded.width, 24);
    ASSERT_EQ(decoded.height, 16);
    EXPECT_EQ(decoded.bitsPerPixel, 24);
    EXPECT_FALSE(decoded.hasAlpha);
    for (size_t i = 0; i < original.pixels.size(); ++i) {
      EXPECT_EQ(decoded.pixels[i] >> 24, 0u);
      ASSERT_LE(ChannelDistance(decoded.pixels[i], original.pixels[i]), 12) << i;
    }
  }
}

TEST(JpegDecoding, GreyscaleBecomesEqualChannels) {
  DecodedImage original = SmoothImage(16, 8);
  const DecodedImage decoded = DecodeJpeg(testing::WriteJpeg(original, testing::JpegKind::Gray));
  EXPECT_EQ(decoded.bitsPerPixel, 8);
  for (size_t i = 0; i < original.pixels.size(); ++i) {
    const TPixel p = decoded.pixels[i];
    EXPECT_EQ(p & 0xFF, (p >> 8) & 0xFF);
    EXPECT_EQ(p & 0xFF, (p >> 16) & 0xFF);
    ASSERT_LE(std::abs(int(p & 0xFF) - int(original.pixels[i] & 0xFF)), 8) << i;
  }
}

TEST(JpegDecoding, CmykIsConvertedToRgb) {
  // Stored values as CMYK files keep them: inverted, so 255 is no ink.
  DecodedImage original;
  original.width = 16;
  original.height = 16;
  // bytes C, M, Y, K: cyan ink only (C = 0 stored), K none -> (0, 255, 255)
  original.pixels.assign(256, 0xFFFFFF00);
  const DecodedImage decoded = DecodeJpeg(testing::WriteJpeg(original, testing::JpegKind::Cmyk));
  EXPECT_EQ(decoded.bitsPerPixel, 32);
  for (TPixel p : decoded.pixels) ASSERT_LE(ChannelDistance(p, 0x00FFFF), 6);
}

TEST(FormatDetection, SignaturesChooseTheDecoder) {
  const DecodedImage image = PatternImage(2, 2, false);
  EXPECT_EQ(DetectImageFormat(EncodeBmp(image)), ImageFormat::Bmp);
  EXPECT_EQ(DetectImageFormat(EncodePng(image)), ImageFormat::Png);
  EXPECT_EQ(DetectImageFormat(testing::WriteJpeg(SmoothImage(8, 8), testing::JpegKind::Rgb)),
            ImageFormat::Jpeg);
  const std::vector<uint8_t> text{'G', 'I', 'F', '8', '9', 'a'};
  EXPECT_EQ(DetectImageFormat(text), ImageFormat::Unknown);
  EXPECT_EQ(DetectImageFormat({}), ImageFormat::Unknown);
  EXPECT_EQ(DecodeImage(EncodePng(image)).pixels, image.pixels);
  EXPECT_EQ(DecodeImage(EncodeBmp(image)).pixels, image.pixels);
}

TEST(FormatDetection, UnknownContentIsRefusedWithAClearMessage) {
  const std::vector<uint8_t> text{'h', 'e', 'l', 'l', 'o'};
  try {
    DecodeImage(text);
    FAIL() << "no exception";
  } catch (const EInvalidGraphic& error) {
    EXPECT_NE(std::string(error.what()).find("Unknown picture file format"), std::string::npos);
  }
  EXPECT_THROW(DecodeImage({}), EInvalidGraphic);
}

}  // namespace
}  // namespace fw
