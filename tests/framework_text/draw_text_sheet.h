// Test support for DrawText: a white bitmap whose canvas writes in the built-in font (6 x 13
// pixel cells), and questions about the pixels drawn on it.
#pragma once

#include <algorithm>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/draw_text.h"
#include "framework/graphics/text_engine.h"

namespace fw::testing_text {

inline constexpr int kCellW = 6;   // advance of every built-in character at scale 1
inline constexpr int kCellH = 13;  // cell height at scale 1

class Sheet {
 public:
  Sheet(int width = 200, int height = 100) : bitmap_(width, height) {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(clWhite);
    c->FillRect(Rect(0, 0, width, height));
    c->Font()->SetName(kBuiltinFontName);
    c->Font()->SetHeight(-11);
    c->Font()->SetColor(clBlack);
    c->Brush()->SetStyle(bsClear);
  }

  TCanvas* Canvas() { return bitmap_.Canvas(); }
  TColor At(int x, int y) { return Canvas()->Pixels(x, y); }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }

  // The smallest rectangle holding every pixel of `color` (empty when there is none).
  TRect BoundsOf(TColor color) {
    TRect r{Width(), Height(), 0, 0};
    for (int y = 0; y < Height(); ++y) {
      for (int x = 0; x < Width(); ++x) {
        if (At(x, y) != color) continue;
        r.Left = std::min(r.Left, x);
        r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1);
        r.Bottom = std::max(r.Bottom, y + 1);
      }
    }
    return IsRectEmpty(r) ? TRect{} : r;
  }

  // True when both sheets hold the same pixels.
  bool SamePixels(Sheet& other) {
    for (int y = 0; y < Height(); ++y)
      for (int x = 0; x < Width(); ++x)
        if (At(x, y) != other.At(x, y)) return false;
    return true;
  }

 private:
  TBitmap bitmap_;
};

}  // namespace fw::testing_text
