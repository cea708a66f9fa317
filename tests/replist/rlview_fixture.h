// The report list view most view tests start from: a shown 400 x 300 view without border and
// scroll bars, in the built-in font, with cells "r<row>c<col>", on a test host's form; and the
// geometry of its cells with the default sizes (header row 20 px and its 1 px line, data rows
// 24 px, columns 64 px, no lines among the data cells).
#pragma once

#include <set>
#include <string>

#include "framework/backend/headless/test_host.h"
#include "framework/graphics/text_engine.h"
#include "framework/rtl/colors.h"
#include "replist/ZEB_replist.h"

namespace rltest {

struct ViewFixture {
  fw::TestHost host{460, 340};
  zeb::TReportListView* view;

  explicit ViewFixture(int cols = 3, int rows = 10, int width = 400, int height = 300) {
    view = new zeb::TReportListView(host.Form());
    view->SetParent(host.Form());
    view->Font()->SetName(fw::kBuiltinFontName);
    view->SetBorderStyle(fw::bsNone);
    view->SetScrollBars(fw::ssNone);
    view->SetBounds(0, 0, width, height);
    view->SetNrCols(cols);
    view->SetNrRows(rows);
    for (int r = 1; r <= rows; ++r)
      for (int c = 1; c <= cols; ++c)
        view->SetElem(c, r, "r" + std::to_string(r) + "c" + std::to_string(c));
    host.Show();
  }

  // Cell rectangle of grid column c (0-based) and data row r with the default sizes and only
  // the column header row shown.
  static fw::TRect DataCell(int c, int r) {
    const int top = 21 + (r - 1) * 24;
    return fw::Rect(c * 64, top, c * 64 + 64, top + 24);
  }
  static fw::TRect HeaderCell(int c) { return fw::Rect(c * 64, 0, c * 64 + 64, 20); }
  // A point of the cell's background that text never covers.
  static fw::TPoint Background(const fw::TRect& cell) { return {cell.Left + 1, cell.Bottom - 3}; }
  fw::TColor Pixel(fw::TPoint p) { return host.Pixel(p.X, p.Y); }
  void Click(int gridCol, int dataRow, fw::TShiftState shift = {}) {
    const fw::TRect cell = DataCell(gridCol, dataRow);
    host.Click(cell.Left + 30, cell.Top + 12, fw::mbLeft, shift);
  }
  // The x of every pixel of `color` inside the rectangle.
  std::set<int> InkColumns(const fw::TRect& r, fw::TColor color) {
    std::set<int> xs;
    const fw::TColor rgb = fw::ColorToRGB(color);
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (host.Pixel(x, y) == rgb) xs.insert(x);
    return xs;
  }
};

// The x of every ink pixel of `text` drawn in the built-in font with its cell's left edge at x0.
inline std::set<int> TextInk(const std::string& text, int x0) {
  fw::TBitmap bitmap;
  bitmap.SetSize(static_cast<int>(text.size()) * 6 + 8, 16);
  fw::TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(fw::clWhite);
  canvas->FillRect(fw::Rect(0, 0, bitmap.Width(), bitmap.Height()));
  canvas->Font()->SetName(fw::kBuiltinFontName);
  canvas->Font()->SetColor(fw::clBlack);
  canvas->TextOut(0, 0, text);
  std::set<int> xs;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (canvas->Pixels(x, y) == fw::clBlack) xs.insert(x0 + x);
  return xs;
}

}  // namespace rltest
