// BMP run-length decoding (RLE8 and RLE4): encoded runs, absolute runs, delta, end-of-line and
// end-of-bitmap escapes. Every read is checked against the buffer and every write against
// the image, so a hostile stream can only raise EInvalidGraphic.
#include "framework/image/internal/bmp_format.h"
#include "framework/image/internal/codec_support.h"

namespace fw::bmp {

namespace {

class RleDecoder {
 public:
  RleDecoder(std::span<const uint8_t> bytes, const Layout& layout,
             const std::vector<TPixel>& palette, std::vector<TPixel>& pixels)
      : bytes_(bytes),
        pos_(layout.dataOffset),
        width_(layout.width),
        height_(layout.height),
        fourBit_(layout.compression == kBiRle4),
        palette_(palette),
        pixels_(pixels) {}

  void Run() {
    for (;;) {
      const uint8_t count = Next();
      const uint8_t value = Next();
      if (count > 0) {
        EncodedRun(count, value);
        continue;
      }
      switch (value) {
        case 0:  // end of line
          if (y_ >= height_) codec::Fail("BMP run-length data runs past the last row");
          x_ = 0;
          ++y_;
          break;
        case 1:  // end of bitmap
          return;
        case 2:  // delta: move right and up by the next two bytes
          Delta();
          break;
        default:
          AbsoluteRun(value);
          break;
      }
    }
  }

 private:
  uint8_t Next() {
    if (pos_ >= bytes_.size()) codec::Fail("BMP run-length data is truncated");
    return bytes_[pos_++];
  }

  // Checks that `count` pixels starting at the current position stay on one row of the image.
  void CheckRun(int64_t count) const {
    if (y_ >= height_ || count > width_ - x_)
      codec::Fail("BMP run-length run passes the end of a row or of the image");
  }

  void Put(uint8_t index) {
    const int64_t row = height_ - 1 - y_;  // the file's rows run bottom-up
    pixels_[static_cast<size_t>(row * width_ + x_)] = palette_[index];
    ++x_;
  }

  void EncodedRun(int count, uint8_t value) {
    CheckRun(count);
    for (int i = 0; i < count; ++i) {
      if (!fourBit_)
        Put(value);
      else
        Put(i % 2 == 0 ? value >> 4 : value & 0x0F);
    }
  }

  void AbsoluteRun(int count) {
    const size_t dataBytes = fourBit_ ? (count + 1) / 2 : count;
    const size_t paddedBytes = (dataBytes + 1) & ~size_t{1};  // runs end on a word boundary
    if (!codec::FitsIn(bytes_.size(), pos_, paddedBytes))
      codec::Fail("BMP run-length data is truncated");
    CheckRun(count);
    for (int i = 0; i < count; ++i) {
      if (!fourBit_) {
        Put(bytes_[pos_ + i]);
      } else {
        const uint8_t pair = bytes_[pos_ + i / 2];
        Put(i % 2 == 0 ? pair >> 4 : pair & 0x0F);
      }
    }
    pos_ += paddedBytes;
  }

  void Delta() {
    const int dx = Next();
    const int dy = Next();
    if (dx > width_ - x_ || dy >= height_ - y_)
      codec::Fail("BMP run-length delta moves outside the image");
    x_ += dx;
    y_ += dy;
  }

  std::span<const uint8_t> bytes_;
  size_t pos_;
  int64_t width_;
  int64_t height_;
  bool fourBit_;
  const std::vector<TPixel>& palette_;
  std::vector<TPixel>& pixels_;
  int64_t x_ = 0;
  int64_t y_ = 0;  // counted from the bottom row
};

}  // namespace

void DecodeRle(std::span<const uint8_t> bytes, const Layout& layout,
               const std::vector<TPixel>& palette, std::vector<TPixel>& pixels) {
  RleDecoder(bytes, layout, palette, pixels).Run();
}

}  // namespace fw::bmp
