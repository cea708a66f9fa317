// PixelTarget: a view of 32-bit pixels (rows top-down) that the rasterisers and the text engine
// draw into, so they can be used and tested without a canvas.
#pragma once

#include <cstddef>

#include "framework/rtl/colors.h"
#include "framework/rtl/types.h"

namespace fw {

struct PixelTarget {
  TPixel* pixels = nullptr;  // first pixel of the top row
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;  // pixels from one row to the next

  TPixel* Row(int y) const { return pixels + y * stride; }
  TRect Bounds() const { return TRect{0, 0, width, height}; }
};

}  // namespace fw
