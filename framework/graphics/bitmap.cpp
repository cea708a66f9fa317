// TBitmap pixels, size, format and transparency.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/internal/raster.h"

#include <algorithm>
#include <utility>

namespace fw {

namespace {

constexpr TPixel kWhite = 0x00FFFFFF;

void CheckSize(int width, int height) {
  if (width > kMaxImageSide || height > kMaxImageSide ||
      int64_t(width) * height > kMaxImagePixels) {
    throw EInvalidGraphic("Bitmap too large: " + std::to_string(width) + " x " +
                          std::to_string(height));
  }
}

}  // namespace

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(this)) {
  canvas_->OnChange = [this] { Changed(); };
}

TBitmap::TBitmap(int width, int height) : TBitmap() {
  SetSize(width, height);
}

TBitmap::~TBitmap() = default;

void TBitmap::Changed() {
  if (OnChange) OnChange();
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  CheckSize(width, height);
  std::vector<TPixel> pixels(size_t(width) * size_t(height), kWhite);
  const int keepW = std::min(width, width_), keepH = std::min(height, height_);
  for (int y = 0; y < keepH; ++y) {
    std::copy_n(pixels_.begin() + std::ptrdiff_t(y) * width_, keepW,
                pixels.begin() + std::ptrdiff_t(y) * width);
  }
  pixels_ = std::move(pixels);
  width_ = width;
  height_ = height;
  Changed();
}

TPixel* TBitmap::ScanLine(int y) {
  return const_cast<TPixel*>(std::as_const(*this).ScanLine(y));
}

const TPixel* TBitmap::ScanLine(int y) const {
  if (y < 0 || y >= height_) throw EInvalidGraphic("Scan line index out of range");
  return pixels_.data() + std::ptrdiff_t(y) * width_;
}

PixelTarget TBitmap::Surface() {
  return PixelTarget{pixels_.data(), width_, height_, width_};
}

BlitSource TBitmap::Source() const {
  return BlitSource{pixels_.data(), width_, height_, width_};
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
  if (value == pixelFormat_) return;
  pixelFormat_ = value;
  if (value != pf32bit && value != pfDevice && value != pfCustom) {
    for (TPixel& p : pixels_) p &= kRgbMask;
  }
  Changed();
}

void TBitmap::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == tmFixed) return transparentColor_;
  if (Empty()) return clDefault;
  return PixelToColor(pixels_[size_t(height_ - 1) * size_t(width_)]);
}

void TBitmap::SetTransparentColor(TColor value) {
  transparentColor_ = value;
  transparentMode_ = tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
  if (value == transparentMode_) return;
  transparentMode_ = value;
  if (value == tmAuto) transparentColor_ = clDefault;
  Changed();
}

void TBitmap::Assign(const TBitmap* source) {
  if (source == this) return;
  if (!source) {
    pixels_.clear();
    width_ = height_ = 0;
  } else {
    pixels_ = source->pixels_;
    width_ = source->width_;
    height_ = source->height_;
    pixelFormat_ = source->pixelFormat_;
    transparent_ = source->transparent_;
    transparentMode_ = source->transparentMode_;
    transparentColor_ = source->transparentColor_;
  }
  Changed();
}

}  // namespace fw
