// TBitmap loading and saving: files, byte buffers and embedded resources through the codecs.
#include <algorithm>
#include <cctype>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/internal/raster.h"
#include "framework/image/resources.h"
#include "framework/rtl/file_read.h"
#include "framework/rtl/safe_save.h"

namespace fw {

namespace {

// Picture files are read whole; no picture within the size limits needs more than this.
constexpr int64_t kMaxPictureFileBytes = int64_t{1} << 30;

std::string LowerExtension(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string ext = path.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return ext;
}

TPixelFormat FormatOfDepth(int bits) {
  switch (bits) {
    case 1:
      return pf1bit;
    case 4:
      return pf4bit;
    case 8:
      return pf8bit;
    case 15:
      return pf15bit;
    case 16:
      return pf16bit;
    case 24:
      return pf24bit;
    case 32:
      return pf32bit;
    default:
      return pfCustom;
  }
}

}  // namespace

void TBitmap::AdoptImage(DecodedImage&& image) {
  if (image.width < 0 || image.height < 0 ||
      image.pixels.size() != size_t(image.width) * size_t(image.height)) {
    throw EInvalidGraphic("Decoded image has an inconsistent size");
  }
  if (image.width > kMaxImageSide || image.height > kMaxImageSide) {
    throw EInvalidGraphic("Bitmap too large");
  }
  pixels_ = std::move(image.pixels);
  width_ = image.width;
  height_ = image.height;
  pixelFormat_ = FormatOfDepth(image.bitsPerPixel);
  if (!image.hasAlpha) {
    for (TPixel& p : pixels_) p &= kRgbMask;
  }
  Changed();
}

void TBitmap::LoadFromBytes(std::span<const uint8_t> bytes) {
  AdoptImage(DecodeImage(bytes));
}

void TBitmap::LoadFromFile(const std::string& path) {
  const std::string bytes = ReadWholeFile(path, kMaxPictureFileBytes);
  LoadFromBytes({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
}

void TBitmap::LoadFromResourceName(const std::string& name) {
  const std::span<const uint8_t> bytes = FindResource(name);
  if (bytes.empty()) throw EResNotFound("Resource " + name + " not found");
  LoadFromBytes(bytes);
}

std::vector<uint8_t> TBitmap::SaveToBytes(ImageFormat format) const {
  DecodedImage image;
  image.width = width_;
  image.height = height_;
  image.bitsPerPixel = pixelFormat_ == pf32bit ? 32 : 24;
  // Canvas drawing writes pixels with a zero top byte, so a 32-bit bitmap carries alpha only
  // when some pixel says so; otherwise it would be saved fully transparent.
  image.hasAlpha =
      pixelFormat_ == pf32bit &&
      std::any_of(pixels_.begin(), pixels_.end(), [](TPixel p) { return (p & ~kRgbMask) != 0; });
  image.pixels = pixels_;
  switch (format) {
    case ImageFormat::Bmp:
      return EncodeBmp(image);
    case ImageFormat::Png:
      return EncodePng(image);
    default:
      throw EInvalidGraphic("Cannot save a bitmap in this format");
  }
}

void TBitmap::SaveToFile(const std::string& path) const {
  const std::string ext = LowerExtension(path);
  ImageFormat format = ImageFormat::Unknown;
  if (ext == ".bmp") format = ImageFormat::Bmp;
  if (ext == ".png") format = ImageFormat::Png;
  if (format == ImageFormat::Unknown) {
    throw EInvalidGraphic("Unknown picture file extension (" + ext + ")");
  }
  const std::vector<uint8_t> bytes = SaveToBytes(format);
  SafeFileWriter file(path);
  file.Write({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  file.Commit();
}

}  // namespace fw
