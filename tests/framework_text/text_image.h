// Test support for text drawing: a pixel image filled with one colour, and questions about
// where its pixels differ from that colour.
#pragma once

#include <algorithm>
#include <vector>

#include "framework/graphics/pixels.h"

namespace fw::testing_text {

class Image {
 public:
  Image(int width, int height, TPixel fill)
      : pixels_(size_t(width) * size_t(height), fill), width_(width), height_(height) {}

  PixelTarget Target() { return PixelTarget{pixels_.data(), width_, height_, width_}; }
  TPixel At(int x, int y) const { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool operator==(const Image&) const = default;

  // The smallest rectangle holding every pixel that is not `background` (empty if none).
  TRect BoundsOfPixelsOtherThan(TPixel background) const {
    TRect r{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (At(x, y) == background) continue;
        r.Left = std::min(r.Left, x);
        r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1);
        r.Bottom = std::max(r.Bottom, y + 1);
      }
    }
    return IsRectEmpty(r) ? TRect{} : r;
  }

  int Count(TPixel value) const {
    int n = 0;
    for (TPixel p : pixels_) n += p == value ? 1 : 0;
    return n;
  }

  // True when every pixel of `r` has the value.
  bool AllOf(const TRect& r, TPixel value) const {
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) {
        if (At(x, y) != value) return false;
      }
    }
    return true;
  }

 private:
  std::vector<TPixel> pixels_;
  int width_;
  int height_;
};

}  // namespace fw::testing_text
