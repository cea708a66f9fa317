// BMP encoding: 24-bit BI_RGB rows, or 32-bit BI_BITFIELDS with an alpha mask (V4 header) when
// the image has alpha; rows bottom-up and padded to four bytes.
#include "framework/image/codecs.h"
#include "framework/image/internal/bmp_format.h"
#include "framework/image/internal/codec_support.h"

namespace fw {

namespace {

void PutInfoHeader(std::vector<uint8_t>& out, const DecodedImage& image, bool alpha,
                   uint32_t imageBytes) {
  codec::PutU32(out, alpha ? bmp::kV4HeaderSize : bmp::kInfoHeaderSize);
  codec::PutU32(out, static_cast<uint32_t>(image.width));
  codec::PutU32(out, static_cast<uint32_t>(image.height));  // positive: bottom-up rows
  codec::PutU16(out, 1);                                    // planes
  codec::PutU16(out, alpha ? 32 : 24);
  codec::PutU32(out, alpha ? bmp::kBiBitfields : bmp::kBiRgb);
  codec::PutU32(out, imageBytes);
  codec::PutU32(out, 3780);  // 96 pixels per inch, in pixels per metre
  codec::PutU32(out, 3780);
  codec::PutU32(out, 0);  // colours used
  codec::PutU32(out, 0);  // colours important
  if (!alpha) return;
  for (uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u})
    codec::PutU32(out, mask);
  codec::PutU32(out, 0x73524742);       // colour space: sRGB
  out.resize(out.size() + 36 + 12, 0);  // end points and gamma, unused for sRGB
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const DecodedImage& image) {
  codec::CheckEncodable(image, "BMP");
  const bool alpha = image.hasAlpha;
  const size_t pixelBytes = alpha ? 4 : 3;
  const auto width = static_cast<size_t>(image.width);
  const size_t stride = (width * pixelBytes + 3) & ~size_t{3};
  const size_t imageBytes = stride * static_cast<size_t>(image.height);
  const size_t dataOffset =
      bmp::kFileHeaderSize + (alpha ? bmp::kV4HeaderSize : bmp::kInfoHeaderSize);

  std::vector<uint8_t> out;
  out.reserve(dataOffset + imageBytes);
  out.push_back('B');
  out.push_back('M');
  codec::PutU32(out, static_cast<uint32_t>(dataOffset + imageBytes));
  codec::PutU32(out, 0);  // reserved
  codec::PutU32(out, static_cast<uint32_t>(dataOffset));
  PutInfoHeader(out, image, alpha, static_cast<uint32_t>(imageBytes));

  for (int row = image.height - 1; row >= 0; --row) {
    const TPixel* src = image.pixels.data() + static_cast<size_t>(row) * width;
    const size_t rowStart = out.size();
    for (size_t x = 0; x < width; ++x) {
      const TPixel p = src[x];
      out.push_back(static_cast<uint8_t>(p));
      out.push_back(static_cast<uint8_t>(p >> 8));
      out.push_back(static_cast<uint8_t>(p >> 16));
      if (alpha) out.push_back(static_cast<uint8_t>(p >> 24));
    }
    out.resize(rowStart + stride, 0);
  }
  return out;
}

}  // namespace fw
