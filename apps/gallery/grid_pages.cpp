// Gallery page of the grid: fixed rows and columns, a selected range and cells drawn by
// OnDrawCell, rendered with PaintTo onto the page.
#include <memory>
#include <string>

#include "apps/gallery/gallery.h"
#include "framework/graphics/canvas.h"
#include "framework/grids/grids.h"

namespace gallery {
namespace {

using namespace fw;

// Headings in the fixed cells, products of row and column elsewhere, centred.
void DrawTableCell(TDrawGrid* grid, int c, int r, const TRect& rect, TGridDrawState state) {
  std::string text;
  if (r == 0 && c == 0)
    text = "x";
  else if (r == 0)
    text = "C" + std::to_string(c);
  else if (c == 0)
    text = "R" + std::to_string(r);
  else
    text = std::to_string(r * c);
  TCanvas* canvas = grid->Canvas();
  canvas->Brush()->SetStyle(bsClear);
  if (state.Contains(gdFixed)) canvas->Font()->SetColor(clNavy);
  const int x = rect.Left + (rect.Width() - canvas->TextWidth(text)) / 2;
  const int y = rect.Top + (rect.Height() - canvas->TextHeight(text)) / 2;
  canvas->TextRect(rect, x, y, text);
  canvas->Brush()->SetStyle(bsSolid);
}

std::unique_ptr<TDrawGrid> MakeGrid(int width, int height) {
  auto grid = std::make_unique<TDrawGrid>(nullptr);
  grid->SetBounds(0, 0, width, height);
  grid->SetColCount(12);
  grid->SetRowCount(40);
  grid->SetFixedRows(1);
  grid->SetFixedCols(1);
  grid->SetColWidths(0, 40);
  TDrawGrid* g = grid.get();
  grid->OnDrawCell = [g](TObject*, int c, int r, TRect rect, TGridDrawState s) {
    DrawTableCell(g, c, r, rect, s);
  };
  return grid;
}

void RenderGrids(TBitmap& page) {
  TCanvas* c = page.Canvas();
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(Rect(0, 0, page.Width(), page.Height()));

  Caption(c, 10, 8, "Fixed row and column, range selected, OnDrawCell");
  auto grid = MakeGrid(380, 260);
  grid->SetSelection({2, 3, 4, 6});
  grid->SetTopRow(2);
  grid->PaintTo(c, 10, 28);

  Caption(c, 410, 8, "Row select, sized column and row, no scroll bars");
  auto rows = MakeGrid(380, 260);
  rows->SetOptions(rows->Options() + TGridOptions{goRowSelect});
  rows->SetScrollBars(ssNone);
  rows->SetColWidths(2, 100);
  rows->SetRowHeights(3, 40);
  rows->SetRow(4);
  rows->PaintTo(c, 410, 28);

  Caption(c, 10, 310, "Two fixed rows, fixed lines only, 2 px wide");
  auto plain = MakeGrid(380, 260);
  plain->SetFixedRows(2);
  plain->SetGridLineWidth(2);
  plain->SetOptions({goFixedVertLine, goFixedHorzLine});
  plain->SetFixedColor(clSkyBlue);
  plain->PaintTo(c, 10, 330);

  Caption(c, 410, 310, "Default drawing only, no border");
  auto bare = std::make_unique<TDrawGrid>(nullptr);
  bare->SetBounds(0, 0, 380, 260);
  bare->SetBorderStyle(bsNone);
  bare->SetColCount(8);
  bare->SetRowCount(8);
  bare->SetSelection({1, 1, 3, 2});
  bare->PaintTo(c, 410, 330);
}

}  // namespace

std::vector<Page> GridPages() {
  return {Page{"grids", "Grids", 800, 600, RenderGrids}};
}

}  // namespace gallery
