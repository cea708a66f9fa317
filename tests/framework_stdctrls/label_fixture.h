// Test support for labels: a free-standing label writing in the built-in font (6 x 13 pixel
// cells, "H" inking columns 0 and 4 of rows 3..9), painted onto a page of one colour.
#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/text_engine.h"
#include "framework/stdctrls/label.h"

namespace fw::testing_label {

inline constexpr int kCellW = 6;
inline constexpr int kCellH = 13;

// A label without owner or parent, in the built-in font at scale 1, black on white.
inline std::unique_ptr<TLabel> MakeLabel(const std::string& caption = "") {
  auto label = std::make_unique<TLabel>(nullptr);
  label->Font()->SetName(kBuiltinFontName);
  label->Font()->SetHeight(-11);
  label->Font()->SetColor(clBlack);
  label->SetColor(clWhite);
  label->SetCaption(caption);
  return label;
}

// A bitmap filled with one colour that controls are painted onto.
class Page {
 public:
  Page(int width, int height, TColor fill = clAqua) : bitmap_(width, height) {
    bitmap_.Canvas()->Brush()->SetColor(fill);
    bitmap_.Canvas()->FillRect(Rect(0, 0, width, height));
  }
  void Paint(TControl& control, int x = 0, int y = 0) { control.PaintTo(bitmap_.Canvas(), x, y); }
  TColor At(int x, int y) { return bitmap_.Canvas()->Pixels(x, y); }
  // The smallest rectangle holding every pixel of `color` (empty when there is none).
  TRect BoundsOf(TColor color) {
    TRect r{bitmap_.Width(), bitmap_.Height(), 0, 0};
    for (int y = 0; y < bitmap_.Height(); ++y) {
      for (int x = 0; x < bitmap_.Width(); ++x) {
        if (At(x, y) != color) continue;
        r.Left = std::min(r.Left, x);
        r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1);
        r.Bottom = std::max(r.Bottom, y + 1);
      }
    }
    return IsRectEmpty(r) ? TRect{} : r;
  }
  int Count(TColor color) {
    int n = 0;
    for (int y = 0; y < bitmap_.Height(); ++y)
      for (int x = 0; x < bitmap_.Width(); ++x) n += At(x, y) == color ? 1 : 0;
    return n;
  }

 private:
  TBitmap bitmap_;
};

}  // namespace fw::testing_label
