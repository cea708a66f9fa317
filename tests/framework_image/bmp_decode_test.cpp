// BMP decoding of hand-built files: palettes of every depth, row order, masks and alpha.
#include <gtest/gtest.h>

#include "framework/image/codecs.h"
#include "framework/rtl/exceptions.h"
#include "tests/framework_image/image_builders.h"

namespace fw {
namespace {

using testing::BmpBuilder;

constexpr TPixel kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// Builds a 3 x 2 image whose top row is given first; `rows` are stored rows, bottom-up.
struct PaletteCase {
  const char* name;
  uint16_t bits;
  std::vector<uint8_t> data;     // two stored rows, each padded to 4 bytes, bottom row first
  std::vector<TPixel> expected;  // top-down
};

TEST(BmpPaletteDecoding, EveryDepthMapsIndicesThroughThePalette) {
  const std::vector<uint32_t> palette{kRed, kGreen, kBlue, kWhite};
  const std::vector<PaletteCase> cases{
      // 1 bit: bottom row 1,0,1 -> 0b101.....; top row 0,1,1 -> 0b011.....
      {"1 bit", 1, {0xA0, 0, 0, 0, 0x60, 0, 0, 0}, {kRed, kGreen, kGreen, kGreen, kRed, kGreen}},
      // 4 bits: bottom row 3,2,1; top row 0,1,2
      {"4 bits",
       4,
       {0x32, 0x10, 0, 0, 0x01, 0x20, 0, 0},
       {kRed, kGreen, kBlue, kWhite, kBlue, kGreen}},
      // 8 bits: bottom row 2,2,3; top row 1,0,3
      {"8 bits", 8, {2, 2, 3, 0, 1, 0, 3, 0}, {kGreen, kRed, kWhite, kBlue, kBlue, kWhite}},
  };
  for (const PaletteCase& c : cases) {
    BmpBuilder bmp;
    bmp.width = 3;
    bmp.height = 2;
    bmp.bitCount = c.bits;
    bmp.palette = c.bits == 1 ? std::vector<uint32_t>{kRed, kGreen} : palette;
    bmp.colorsUsed = static_cast<uint32_t>(bmp.palette.size());
    bmp.data = c.data;
    const DecodedImage image = DecodeBmp(bmp.Build());
    EXPECT_EQ(image.width, 3) << c.name;
    EXPECT_EQ(image.height, 2) << c.name;
    EXPECT_EQ(image.bitsPerPixel, c.bits) << c.name;
    EXPECT_FALSE(image.hasAlpha) << c.name;
    EXPECT_EQ(image.pixels, c.expected) << c.name;
  }
}

TEST(BmpPaletteDecoding, IndexBeyondAShortPaletteIsBlack) {
  BmpBuilder bmp;
  bmp.width = 2;
  bmp.bitCount = 8;
  bmp.palette = {kRed, kGreen};
  bmp.colorsUsed = 2;
  bmp.data = {1, 200, 0, 0};
  EXPECT_EQ(DecodeBmp(bmp.Build()).pixels, (std::vector<TPixel>{kGreen, 0}));
}

TEST(BmpPaletteDecoding, ZeroColorsUsedMeansTheFullTable) {
  BmpBuilder bmp;
  bmp.width = 2;
  bmp.bitCount = 4;
  bmp.palette.assign(16, 0x101010);
  bmp.palette[15] = kBlue;
  bmp.colorsUsed = 0;
  bmp.data = {0xF0, 0, 0, 0};
  EXPECT_EQ(DecodeBmp(bmp.Build()).pixels, (std::vector<TPixel>{kBlue, 0x101010}));
}

TEST(BmpPaletteDecoding, CoreHeaderUsesThreeBytePaletteEntries) {
  BmpBuilder bmp;
  bmp.headerSize = 12;
  bmp.width = 2;
  bmp.bitCount = 8;
  bmp.palette = {kWhite, kRed};
  bmp.data = {1, 0, 0, 0};
  std::vector<uint8_t> file = bmp.Build();
  // The core header has no palette size: the full 256-entry table must be present.
  file.insert(file.begin() + 14 + 12 + 6, 254 * 3, 0);
  file[10] = static_cast<uint8_t>(14 + 12 + 256 * 3);
  file[11] = static_cast<uint8_t>((14 + 12 + 256 * 3) >> 8);
  EXPECT_EQ(DecodeBmp(file).pixels, (std::vector<TPixel>{kRed, kWhite}));
}

TEST(BmpRowOrder, PositiveHeightIsBottomUpNegativeIsTopDown) {
  BmpBuilder bmp;
  bmp.width = 1;
  bmp.bitCount = 24;
  bmp.data = {0xFF, 0, 0, 0, /* row 2 */ 0, 0, 0xFF, 0};  // blue row, then red row
  bmp.height = 2;
  EXPECT_EQ(DecodeBmp(bmp.Build()).pixels, (std::vector<TPixel>{kRed, kBlue}));
  bmp.height = -2;
  EXPECT_EQ(DecodeBmp(bmp.Build()).pixels, (std::vector<TPixel>{kBlue, kRed}));
}

TEST(BmpRowOrder, TwentyFourBitRowsArePaddedToFourBytes) {
  BmpBuilder bmp;
  bmp.width = 2;  // 6 bytes of pixels, 2 of padding
  bmp.height = -2;
  bmp.data = {0, 0, 0xFF, 0, 0xFF, 0, 0xEE, 0xEE, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xEE, 0xEE};
  EXPECT_EQ(DecodeBmp(bmp.Build()).pixels, (std::vector<TPixel>{kRed, kGreen, kBlue, kWhite}));
}

struct MaskCase {
  const char* name;
  uint16_t bits;
  uint32_t compression;
  uint32_t headerSize;
  std::vector<uint32_t> masks;
  std::vector<uint8_t> pixel;  // one stored pixel, padded to 4 bytes
  TPixel expected;
  bool hasAlpha;
};

TEST(BmpMaskedDecoding, MasksSelectAndScaleTheChannels) {
  const std::vector<MaskCase> cases{
      // 555 default: red 31, green 0, blue 16 -> 0x7C10
      {"16 bit 555", 16, 0, 40, {}, {0x10, 0x7C, 0, 0}, 0xFF0084, false},
      // 565: red 0, green 63, blue 31 -> 0x07FF
      {"16 bit 565", 16, 3, 40, {0xF800, 0x07E0, 0x001F}, {0xFF, 0x07, 0, 0}, 0x00FFFF, false},
      {"32 bit plain", 32, 0, 40, {}, {0x33, 0x22, 0x11, 0x99}, 0x112233, false},
      {"32 bit bitfields BGR order",
       32,
       3,
       40,
       {0x000000FF, 0x0000FF00, 0x00FF0000},
       {0x33, 0x22, 0x11, 0x99},
       0x332211,
       false},
      {"32 bit alpha bitfields",
       32,
       6,
       40,
       {0xFF0000, 0xFF00, 0xFF, 0xFF000000},
       {0x33, 0x22, 0x11, 0x80},
       0x80112233,
       true},
      {"32 bit V4 alpha",
       32,
       3,
       108,
       {0xFF0000, 0xFF00, 0xFF, 0xFF000000},
       {0x33, 0x22, 0x11, 0x40},
       0x40112233,
       true},
      {"32 bit V5 alpha with plain compression",
       32,
       0,
       124,
       {0, 0, 0, 0xFF000000},
       {0x33, 0x22, 0x11, 0x40},
       0x40112233,
       true},
      {"16 bit 1555 V4",
       16,
       3,
       108,
       {0x7C00, 0x03E0, 0x001F, 0x8000},
       {0x00, 0xFC, 0, 0},
       0xFFFF0000,
       true},
  };
  for (const MaskCase& c : cases) {
    BmpBuilder bmp;
    bmp.headerSize = c.headerSize;
    bmp.bitCount = c.bits;
    bmp.compression = c.compression;
    bmp.masks = c.masks;
    bmp.data = c.pixel;
    const DecodedImage image = DecodeBmp(bmp.Build());
    EXPECT_EQ(image.pixels.at(0), c.expected) << c.name;
    EXPECT_EQ(image.hasAlpha, c.hasAlpha) << c.name;
  }
}

TEST(BmpMaskedDecoding, AlphaThatIsZeroEverywhereMeansOpaque) {
  BmpBuilder bmp;
  bmp.headerSize = 108;
  bmp.width = 2;
  bmp.bitCount = 32;
  bmp.compression = 3;
  bmp.masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
  bmp.data = {1, 2, 3, 0, 4, 5, 6, 0};
  const DecodedImage image = DecodeBmp(bmp.Build());
  EXPECT_FALSE(image.hasAlpha);
  EXPECT_EQ(image.pixels, (std::vector<TPixel>{0x030201, 0x060504}));
}

TEST(BmpMaskedDecoding, SixteenBitMaskWiderThanThePixelIsRefused) {
  BmpBuilder bmp;
  bmp.bitCount = 16;
  bmp.compression = 3;
  bmp.masks = {0xF80000, 0x07E0, 0x001F};
  bmp.data = {0, 0, 0, 0};
  EXPECT_THROW(DecodeBmp(bmp.Build()), EInvalidGraphic);
}

}  // namespace
}  // namespace fw
