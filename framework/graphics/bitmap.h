// TBitmap: a picture that owns its 32-bit pixels (rows top-down, TPixel 0x00RRGGBB) and the
// canvas that draws on it; loads and saves image files and embedded resources.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "framework/graphics/canvas.h"
#include "framework/graphics/pixels.h"
#include "framework/image/codecs.h"
#include "framework/rtl/exceptions.h"

namespace fw {

// The rasteriser's view of a bitmap's pixels (framework/graphics/internal/raster.h).
struct BlitSource;

// The pixel format a bitmap reports; storage is always 32 bits per pixel.
enum TPixelFormat : uint8_t {
  pfDevice,
  pf1bit,
  pf4bit,
  pf8bit,
  pf15bit,
  pf16bit,
  pf24bit,
  pf32bit,
  pfCustom
};
enum TTransparentMode : uint8_t { tmAuto, tmFixed };

class TBitmap {
 public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Resizing keeps the pixels of the common top-left part; new pixels are white. Negative
  // sizes count as 0; sizes beyond the image limit raise EInvalidGraphic.
  void SetWidth(int value) { SetSize(value, height_); }
  void SetHeight(int value) { SetSize(width_, value); }
  void SetSize(int width, int height);
  bool Empty() const { return width_ == 0 || height_ == 0; }

  TCanvas* Canvas() { return canvas_.get(); }

  // The pixels of row y (0 = top); EInvalidGraphic for a row outside the bitmap.
  TPixel* ScanLine(int y);
  const TPixel* ScanLine(int y) const;
  PixelTarget Surface();
  BlitSource Source() const;

  TPixelFormat PixelFormat() const { return pixelFormat_; }
  // pf24bit and below clear the alpha byte of every pixel.
  void SetPixelFormat(TPixelFormat value);

  // Draw leaves the transparent colour out when Transparent is set.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // tmAuto: the colour of the bottom-left pixel (clDefault for an empty bitmap); setting a
  // colour switches to tmFixed.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor value);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode value);

  // Copies size, pixels, format and transparency of source (nullptr empties this bitmap).
  void Assign(const TBitmap* source);

  // BMP, PNG or JPEG, chosen by content. A missing or unreadable file, anything that is not a
  // regular file (a device, a pipe) and a file over 1 GiB raise EInOutError, undecodable data
  // EInvalidGraphic; on failure the bitmap is unchanged.
  void LoadFromFile(const std::string& path);
  void LoadFromBytes(std::span<const uint8_t> bytes);
  // The embedded resource of that name (EResNotFound when there is none).
  void LoadFromResourceName(const std::string& name);
  // ".bmp" or ".png" (any letter case) by the file's extension; EInvalidGraphic for others,
  // EInOutError when the file cannot be written. Saved safely (fw::SafeFileWriter): a failed
  // save leaves an existing file as it was, and a read-only file is refused.
  void SaveToFile(const std::string& path) const;
  std::vector<uint8_t> SaveToBytes(ImageFormat format) const;

  // Called after the size, the pixels (also through Canvas) or the settings change.
  std::function<void()> OnChange;

 private:
  void Changed();
  void AdoptImage(DecodedImage&& image);

  int width_ = 0;
  int height_ = 0;
  std::vector<TPixel> pixels_;
  TPixelFormat pixelFormat_ = pfDevice;
  bool transparent_ = false;
  TTransparentMode transparentMode_ = tmAuto;
  TColor transparentColor_ = clDefault;
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace fw
