// BMP decoding: uncompressed 1/4/8-bit palette rows, 16/32-bit masked rows, 24-bit rows and
// run-length data, into top-down 0xAARRGGBB pixels.
#include <bit>

#include "framework/image/codecs.h"
#include "framework/image/internal/bmp_format.h"
#include "framework/image/internal/codec_support.h"

namespace fw {

namespace {

using bmp::Layout;

// One colour channel of a 16- or 32-bit pixel: its mask, scaled to 0..255.
class Channel {
 public:
  explicit Channel(uint32_t mask) : mask_(mask) {
    if (mask != 0) {
      shift_ = std::countr_zero(mask);
      max_ = mask >> shift_;
    }
  }
  bool Present() const { return max_ != 0; }
  uint32_t Value(uint32_t pixel) const {
    if (max_ == 0) return 0;
    const uint64_t v = (pixel & mask_) >> shift_;  // never above max_
    return max_ == 255 ? static_cast<uint32_t>(v)
                       : static_cast<uint32_t>((v * 255 + max_ / 2) / max_);
  }

 private:
  uint32_t mask_;
  int shift_ = 0;
  uint64_t max_ = 0;
};

// Bytes of one stored row, padded to a multiple of four.
size_t RowStride(const Layout& layout) {
  return static_cast<size_t>((layout.width * layout.bitCount + 31) / 32 * 4);
}

// Checks that every uncompressed row lies inside the buffer (the last row's padding may be
// missing) before the pixels are allocated.
void CheckRowData(std::span<const uint8_t> bytes, const Layout& layout) {
  const uint64_t lastRow = static_cast<uint64_t>((layout.width * layout.bitCount + 7) / 8);
  const uint64_t needed = RowStride(layout) * static_cast<uint64_t>(layout.height - 1) + lastRow;
  if (!codec::FitsIn(bytes.size(), layout.dataOffset, needed))
    codec::Fail("BMP data is truncated (pixel rows)");
}

// Calls decodeRow(source, destination) for every stored row, in top-down destination order.
template <typename RowFn>
void ForEachRow(std::span<const uint8_t> bytes, const Layout& layout, DecodedImage& image,
                RowFn decodeRow) {
  const size_t stride = RowStride(layout);
  const auto width = static_cast<size_t>(layout.width);
  for (int64_t r = 0; r < layout.height; ++r) {
    const uint8_t* source = bytes.data() + layout.dataOffset + static_cast<size_t>(r) * stride;
    const int64_t row = layout.topDown ? r : layout.height - 1 - r;
    decodeRow(source, image.pixels.data() + static_cast<size_t>(row) * width, width);
  }
}

void DecodeIndexed(std::span<const uint8_t> bytes, const Layout& layout, DecodedImage& image) {
  const std::vector<TPixel> palette = bmp::ReadPalette(bytes, layout);
  const int bits = layout.bitCount;
  const int perByte = 8 / bits;
  const unsigned indexMask = (1u << bits) - 1;
  ForEachRow(bytes, layout, image, [&](const uint8_t* src, TPixel* dst, size_t width) {
    for (size_t x = 0; x < width; ++x) {
      const int shift = 8 - bits * (static_cast<int>(x % perByte) + 1);
      dst[x] = palette[(src[x / perByte] >> shift) & indexMask];
    }
  });
}

void Decode24(std::span<const uint8_t> bytes, const Layout& layout, DecodedImage& image) {
  ForEachRow(bytes, layout, image, [](const uint8_t* src, TPixel* dst, size_t width) {
    for (size_t x = 0; x < width; ++x, src += 3)
      dst[x] = (TPixel{src[2]} << 16) | (TPixel{src[1]} << 8) | src[0];
  });
}

void DecodeMasked(std::span<const uint8_t> bytes, const Layout& layout, DecodedImage& image) {
  const Channel red(layout.masks[0]), green(layout.masks[1]), blue(layout.masks[2]),
      alpha(layout.masks[3]);
  const bool wide = layout.bitCount == 32;
  ForEachRow(bytes, layout, image, [&](const uint8_t* src, TPixel* dst, size_t width) {
    for (size_t x = 0; x < width; ++x) {
      uint32_t value = src[0] | (uint32_t{src[1]} << 8);
      if (wide) value |= (uint32_t{src[2]} << 16) | (uint32_t{src[3]} << 24);
      src += wide ? 4 : 2;
      dst[x] = (alpha.Value(value) << 24) | (red.Value(value) << 16) | (green.Value(value) << 8) |
               blue.Value(value);
    }
  });
  // An alpha channel that is zero everywhere is what many writers store in an unused byte;
  // such an image is opaque, not invisible.
  image.hasAlpha = alpha.Present();
  if (image.hasAlpha) {
    bool anyAlpha = false;
    for (TPixel pixel : image.pixels) anyAlpha |= (pixel >> 24) != 0;
    image.hasAlpha = anyAlpha;
  }
}

}  // namespace

DecodedImage DecodeBmp(std::span<const uint8_t> bytes) {
  const Layout layout = bmp::ParseLayout(bytes);
  const bool runLength = layout.compression == bmp::kBiRle8 || layout.compression == bmp::kBiRle4;
  if (!runLength) CheckRowData(bytes, layout);

  DecodedImage image;
  image.width = static_cast<int>(layout.width);
  image.height = static_cast<int>(layout.height);
  image.bitsPerPixel = layout.bitCount;
  const auto count = static_cast<size_t>(layout.width * layout.height);
  if (runLength) {
    // Pixels the stream skips (delta, early end of line) take palette entry 0.
    const std::vector<TPixel> palette = bmp::ReadPalette(bytes, layout);
    image.pixels.assign(count, palette[0]);
    bmp::DecodeRle(bytes, layout, palette, image.pixels);
    return image;
  }
  image.pixels.resize(count);
  if (layout.bitCount <= 8)
    DecodeIndexed(bytes, layout, image);
  else if (layout.bitCount == 24)
    Decode24(bytes, layout, image);
  else
    DecodeMasked(bytes, layout, image);
  return image;
}

}  // namespace fw
