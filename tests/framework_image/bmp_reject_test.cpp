// BMP refusal: truncation at every length, bad signatures, absurd sizes, offsets outside the
// file and unsupported encodings all raise EInvalidGraphic.
#include <gtest/gtest.h>

#include "framework/image/codecs.h"
#include "framework/rtl/exceptions.h"
#include "tests/framework_image/image_builders.h"

namespace fw {
namespace {

using testing::BmpBuilder;

// Every prefix of a valid file is refused. The widths avoid row padding, so each byte cut
// loses pixel data.
TEST(BmpRejection, EveryTruncationOfAValidFileIsRefused) {
  std::vector<std::vector<uint8_t>> files;
  files.push_back(EncodeBmp(testing::PatternImage(4, 3, false)));
  files.push_back(EncodeBmp(testing::PatternImage(3, 3, true)));
  BmpBuilder indexed;
  indexed.width = 8;
  indexed.height = 2;
  indexed.bitCount = 4;
  indexed.palette = {0x123456, 0x654321};
  indexed.colorsUsed = 2;
  indexed.data = {0x01, 0x10, 0x11, 0x00, 0x10, 0x01, 0x11, 0x11};
  files.push_back(indexed.Build());
  BmpBuilder rle = indexed;
  rle.bitCount = 8;
  rle.compression = 1;
  rle.data = {0x03, 0x01, 0x00, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x08, 0x01, 0x00, 0x01};
  files.push_back(rle.Build());

  for (size_t f = 0; f < files.size(); ++f) {
    ASSERT_NO_THROW(DecodeBmp(files[f])) << "file " << f;
    for (size_t length = 0; length < files[f].size(); ++length) {
      const std::span<const uint8_t> prefix(files[f].data(), length);
      EXPECT_THROW(DecodeBmp(prefix), EInvalidGraphic) << "file " << f << " length " << length;
    }
  }
}

TEST(BmpRejection, HeaderFaultsAreRefused) {
  struct Case {
    const char* name;
    void (*spoil)(BmpBuilder&);
  };
  const std::vector<Case> cases{
      {"zero width", [](BmpBuilder& b) { b.width = 0; }},
      {"negative width", [](BmpBuilder& b) { b.width = -4; }},
      {"zero height", [](BmpBuilder& b) { b.height = 0; }},
      {"most negative height", [](BmpBuilder& b) { b.height = INT32_MIN; }},
      {"100000 x 100000", [](BmpBuilder& b) { b.width = b.height = 100000; }},
      {"side over the limit", [](BmpBuilder& b) { b.width = kMaxImageSide + 1; }},
      {"too many pixels", [](BmpBuilder& b) { b.width = b.height = kMaxImageSide; }},
      {"2 bits per pixel", [](BmpBuilder& b) { b.bitCount = 2; }},
      {"0 bits per pixel", [](BmpBuilder& b) { b.bitCount = 0; }},
      {"embedded JPEG", [](BmpBuilder& b) { b.compression = 4; }},
      {"unknown compression", [](BmpBuilder& b) { b.compression = 77; }},
      {"bit fields at 24 bits", [](BmpBuilder& b) { b.compression = 3; }},
      {"odd header size", [](BmpBuilder& b) { b.headerSize = 44; }},
      {"core header at 32 bits",
       [](BmpBuilder& b) {
         b.headerSize = 12;
         b.bitCount = 32;
       }},
      {"header larger than the file",
       [](BmpBuilder& b) {
         b.headerSize = 0x7FFFFFF0;
         b.dataOffset = 54;
       }},
      {"data offset past the end", [](BmpBuilder& b) { b.dataOffset = 0x10000; }},
      {"data offset huge", [](BmpBuilder& b) { b.dataOffset = 0xFFFFFFFF; }},
      {"data offset inside the header", [](BmpBuilder& b) { b.dataOffset = 20; }},
  };
  for (const Case& c : cases) {
    BmpBuilder bmp;
    bmp.width = 2;
    bmp.height = 2;
    bmp.data.assign(16, 0x7F);
    c.spoil(bmp);
    EXPECT_THROW(DecodeBmp(bmp.Build()), EInvalidGraphic) << c.name;
  }
}

TEST(BmpRejection, PaletteOverlappingThePixelDataIsRefused) {
  BmpBuilder bmp;
  bmp.width = 2;
  bmp.bitCount = 8;
  bmp.palette = {1, 2, 3, 4};
  bmp.colorsUsed = 4;
  bmp.data = {0, 1, 0, 0};
  bmp.dataOffset = 14 + 40 + 8;  // inside the palette
  EXPECT_THROW(DecodeBmp(bmp.Build()), EInvalidGraphic);
}

TEST(BmpRejection, WrongSignatureIsRefused) {
  std::vector<uint8_t> file = EncodeBmp(testing::PatternImage(2, 2, false));
  file[1] = 'A';
  EXPECT_THROW(DecodeBmp(file), EInvalidGraphic);
  EXPECT_THROW(DecodeImage(file), EInvalidGraphic);
}

}  // namespace
}  // namespace fw
