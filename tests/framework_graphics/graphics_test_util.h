// Helpers the graphics tests share: a white bitmap with its canvas, and pixel queries by colour.
#pragma once

#include <set>
#include <utility>

#include "framework/graphics/bitmap.h"

namespace fw::test {

using PixelSet = std::set<std::pair<int, int>>;

// The pixels of a colour.
inline PixelSet PixelsOf(TBitmap& bitmap, TColor color) {
  PixelSet out;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (PixelToColor(bitmap.ScanLine(y)[x]) == color) out.insert({x, y});
    }
  }
  return out;
}

// The pixels that are not white.
inline PixelSet Painted(TBitmap& bitmap) {
  PixelSet out;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (PixelToColor(bitmap.ScanLine(y)[x]) != clWhite) out.insert({x, y});
    }
  }
  return out;
}

// How many pixels have a colour.
inline int CountOf(TBitmap& bitmap, TColor color) {
  int n = 0;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) n += PixelToColor(bitmap.ScanLine(y)[x]) == color;
  }
  return n;
}

inline TColor At(TBitmap& bitmap, int x, int y) {
  return PixelToColor(bitmap.ScanLine(y)[x]);
}

// The smallest rectangle around a set of pixels.
inline TRect BoxOf(const PixelSet& pixels) {
  TRect box;
  for (auto [x, y] : pixels) UnionRect(box, box, Rect(x, y, x + 1, y + 1));
  return box;
}

}  // namespace fw::test
