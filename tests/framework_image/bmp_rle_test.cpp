// BMP run-length decoding: encoded and absolute runs, delta and end escapes, and refusal of
// streams that would write outside the image or end early.
#include <gtest/gtest.h>

#include "framework/image/codecs.h"
#include "framework/rtl/exceptions.h"
#include "tests/framework_image/image_builders.h"

namespace fw {
namespace {

using testing::BmpBuilder;

constexpr TPixel kFill = 0x111111, kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

BmpBuilder Rle8(int width, int height, std::vector<uint8_t> stream) {
  BmpBuilder bmp;
  bmp.width = width;
  bmp.height = height;
  bmp.bitCount = 8;
  bmp.compression = 1;
  bmp.palette = {kFill, kRed, kGreen, kBlue};
  bmp.colorsUsed = 4;
  bmp.data = std::move(stream);
  return bmp;
}

TEST(BmpRle8, RunsAbsoluteRunsDeltaAndEscapesPaintTheirPixels) {
  const BmpBuilder bmp = Rle8(4, 3,
                              {
                                  0x01, 0x01,                          // red
                                  0x00, 0x03, 0x02, 0x03, 0x02, 0x00,  // absolute: green blue green
                                  0x00, 0x00,                          // end of line
                                  0x00, 0x02, 0x02, 0x00,              // delta right 2
                                  0x02, 0x03,                          // blue blue
                                  0x00, 0x00,                          // end of line
                                  0x01, 0x02,                          // green
                                  0x00, 0x01,                          // end of bitmap
                              });
  const DecodedImage image = DecodeBmp(bmp.Build());
  EXPECT_EQ(image.bitsPerPixel, 8);
  EXPECT_EQ(image.pixels, (std::vector<TPixel>{kGreen, kFill, kFill, kFill,  //
                                               kFill, kFill, kBlue, kBlue,   //
                                               kRed, kGreen, kBlue, kGreen}));
}

TEST(BmpRle8, DeltaCanSkipWholeRows) {
  const BmpBuilder bmp = Rle8(2, 3, {0x00, 0x02, 0x01, 0x02, 0x01, 0x03, 0x00, 0x01});
  EXPECT_EQ(DecodeBmp(bmp.Build()).pixels,
            (std::vector<TPixel>{kFill, kBlue, kFill, kFill, kFill, kFill}));
}

TEST(BmpRle4, NibblesAlternateInRunsAndAbsoluteRunsArePadded) {
  BmpBuilder bmp;
  bmp.width = 5;
  bmp.height = 2;
  bmp.bitCount = 4;
  bmp.compression = 2;
  for (uint32_t i = 0; i < 16; ++i) bmp.palette.push_back(i * 0x111111);
  bmp.data = {
      0x02, 0x12,                          // indices 1, 2
      0x00, 0x02, 0x02, 0x00,              // delta right 2
      0x01, 0x90,                          // index 9
      0x00, 0x00,                          // end of line
      0x00, 0x05, 0x34, 0x56, 0x70, 0x00,  // absolute 3 4 5 6 7, padded to a word
      0x00, 0x01,                          // end of bitmap
  };
  const DecodedImage image = DecodeBmp(bmp.Build());
  std::vector<TPixel> expected;
  for (uint32_t index : {3, 4, 5, 6, 7, 1, 2, 0, 0, 9}) expected.push_back(index * 0x111111);
  EXPECT_EQ(image.pixels, expected);
}

TEST(BmpRleRejection, StreamsLeavingTheImageOrEndingEarlyAreRefused) {
  const std::vector<std::pair<const char*, std::vector<uint8_t>>> cases{
      {"run past the row end", {0x05, 0x01, 0x00, 0x01}},
      {"run after a partial row", {0x03, 0x01, 0x02, 0x01, 0x00, 0x01}},
      {"absolute run past the row end", {0x00, 0x05, 1, 1, 1, 1, 1, 0, 0x00, 0x01}},
      {"delta past the right edge", {0x00, 0x02, 0x05, 0x00, 0x00, 0x01}},
      {"delta past the top row", {0x00, 0x02, 0x00, 0x02, 0x00, 0x01}},
      {"end of line past the last row", {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}},
      {"run above the last row", {0x00, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x01}},
      {"no end of bitmap", {0x01, 0x01}},
      {"absolute run cut short", {0x00, 0x04, 0x01, 0x01}},
      {"escape cut in half", {0x01, 0x01, 0x00}},
      {"delta cut short", {0x00, 0x02, 0x01}},
  };
  for (const auto& [name, stream] : cases)
    EXPECT_THROW(DecodeBmp(Rle8(4, 2, stream).Build()), EInvalidGraphic) << name;
}

TEST(BmpRleRejection, TopDownOrMismatchedDepthIsRefused) {
  BmpBuilder topDown = Rle8(2, -2, {0x00, 0x01});
  EXPECT_THROW(DecodeBmp(topDown.Build()), EInvalidGraphic);
  BmpBuilder wrongDepth = Rle8(2, 2, {0x00, 0x01});
  wrongDepth.bitCount = 4;
  EXPECT_THROW(DecodeBmp(wrongDepth.Build()), EInvalidGraphic);
}

}  // namespace
}  // namespace fw
