// PNG decoding and encoding through libpng, from and to memory. libpng reports errors by
// longjmp, so every libpng call that can fail sits in a small function holding only plain
// locals, and the structures are released by an RAII owner in the calling frame.
#include <png.h>

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "framework/image/codecs.h"
#include "framework/image/internal/codec_support.h"

namespace fw {

namespace {

static_assert(std::endian::native == std::endian::little,
              "pixels are written as B, G, R, A bytes into 0xAARRGGBB words");

// The input buffer and the last error libpng reported; reached through libpng's io and error
// pointers from the C callbacks.
struct PngSource {
  const uint8_t* data;
  size_t size;
  size_t pos;
  char message[200];
};

void ReadFromMemory(png_structp png, png_bytep out, size_t count) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (count > source->size - source->pos) png_error(png, "PNG data is truncated");
  std::memcpy(out, source->data + source->pos, count);
  source->pos += count;
}

void OnError(png_structp png, png_const_charp message) {
  auto* source = static_cast<PngSource*>(png_get_error_ptr(png));
  std::snprintf(source->message, sizeof source->message, "Invalid PNG image: %s", message);
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// Owns the libpng read structures for the duration of one decode.
class PngReader {
 public:
  explicit PngReader(PngSource* source) {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, source, OnError, OnWarning);
    if (png_ == nullptr) codec::Fail("PNG decoder could not be created");
    info_ = png_create_info_struct(png_);
    if (info_ == nullptr) {
      png_destroy_read_struct(&png_, nullptr, nullptr);
      codec::Fail("PNG decoder could not be created");
    }
    png_set_read_fn(png_, source, ReadFromMemory);
  }
  ~PngReader() { png_destroy_read_struct(&png_, &info_, nullptr); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;
  png_structp Png() const { return png_; }
  png_infop Info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

struct PngHeader {
  png_uint_32 width;
  png_uint_32 height;
  int bitDepth;
  int colorType;
  bool hasAlpha;
  size_t rowBytes;
};

// Reads the chunks up to the image data and sets the transforms that turn every colour type
// into B, G, R, A bytes (alpha 0 when the image has none). Plain locals only.
bool ReadPngHeader(png_structp png, png_infop info, PngHeader* header) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
  png_read_info(png, info);
  header->width = png_get_image_width(png, info);
  header->height = png_get_image_height(png, info);
  header->bitDepth = png_get_bit_depth(png, info);
  header->colorType = png_get_color_type(png, info);
  const bool transparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  header->hasAlpha = (header->colorType & PNG_COLOR_MASK_ALPHA) != 0 || transparency;

  if (header->colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (header->colorType == PNG_COLOR_TYPE_GRAY && header->bitDepth < 8)
    png_set_expand_gray_1_2_4_to_8(png);
  if (transparency) png_set_tRNS_to_alpha(png);
  if (header->bitDepth == 16) png_set_scale_16(png);
  if ((header->colorType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
  png_set_bgr(png);
  if (!header->hasAlpha) png_set_filler(png, 0, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  header->rowBytes = png_get_rowbytes(png, info);
  return true;
}

// Reads every row (all interlace passes) and the chunks after them, up to IEND.
bool ReadPngRows(png_structp png, png_infop info, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, info);
  return true;
}

}  // namespace

DecodedImage DecodePng(std::span<const uint8_t> bytes) {
  PngSource source{bytes.data(), bytes.size(), 0, "Invalid PNG image"};
  PngReader reader(&source);
  PngHeader header{};
  if (!ReadPngHeader(reader.Png(), reader.Info(), &header)) codec::Fail(source.message);
  codec::CheckImageSize(header.width, header.height, "PNG");
  if (header.rowBytes != size_t{header.width} * 4)
    codec::Fail("PNG decoder produced an unexpected row size");

  DecodedImage image;
  image.width = static_cast<int>(header.width);
  image.height = static_cast<int>(header.height);
  image.bitsPerPixel = header.hasAlpha ? 32 : 24;
  image.hasAlpha = header.hasAlpha;
  image.pixels.resize(size_t{header.width} * header.height);
  std::vector<png_bytep> rows(header.height);
  for (size_t y = 0; y < rows.size(); ++y)
    rows[y] = reinterpret_cast<png_bytep>(image.pixels.data() + y * header.width);
  if (!ReadPngRows(reader.Png(), reader.Info(), rows.data())) codec::Fail(source.message);
  return image;
}

std::vector<uint8_t> EncodePng(const DecodedImage& image) {
  codec::CheckEncodable(image, "PNG");
  const bool alpha = image.hasAlpha;
  const size_t channels = alpha ? 4 : 3;
  std::vector<uint8_t> rgb(image.pixels.size() * channels);
  uint8_t* out = rgb.data();
  for (TPixel p : image.pixels) {
    *out++ = static_cast<uint8_t>(p >> 16);
    *out++ = static_cast<uint8_t>(p >> 8);
    *out++ = static_cast<uint8_t>(p);
    if (alpha) *out++ = static_cast<uint8_t>(p >> 24);
  }

  png_image description{};
  description.version = PNG_IMAGE_VERSION;
  description.width = static_cast<png_uint_32>(image.width);
  description.height = static_cast<png_uint_32>(image.height);
  description.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&description, nullptr, &size, 0, rgb.data(), 0, nullptr))
    codec::Fail(std::string("PNG encoder failed: ") + description.message);
  std::vector<uint8_t> encoded(size);
  if (!png_image_write_to_memory(&description, encoded.data(), &size, 0, rgb.data(), 0, nullptr))
    codec::Fail(std::string("PNG encoder failed: ") + description.message);
  encoded.resize(size);
  png_image_free(&description);
  return encoded;
}

}  // namespace fw
