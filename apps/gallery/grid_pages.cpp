// Gallery page of the grid: fixed rows and columns, a selected range and cells drawn by
// OnDrawCell, as live grids on the page's form.
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

// A grid on the form at (x, y), under a caption.
TDrawGrid* PlaceGrid(TForm& form, int x, int y, const std::string& caption) {
  PlaceCaption(form, x, y - 20, caption);
  auto* grid = new TDrawGrid(&form);
  grid->SetBounds(x, y, 380, 260);
  grid->SetParent(&form);
  return grid;
}

TDrawGrid* PlaceTable(TForm& form, int x, int y, const std::string& caption) {
  TDrawGrid* grid = PlaceGrid(form, x, y, caption);
  grid->SetColCount(12);
  grid->SetRowCount(40);
  grid->SetFixedRows(1);
  grid->SetFixedCols(1);
  grid->SetColWidths(0, 40);
  grid->OnDrawCell = [grid](TObject*, int c, int r, TRect rect, TGridDrawState s) {
    DrawTableCell(grid, c, r, rect, s);
  };
  return grid;
}

void BuildGrids(TForm& form) {
  TDrawGrid* grid = PlaceTable(form, 10, 28, "Fixed row and column, range selected, OnDrawCell");
  grid->SetSelection({2, 3, 4, 6});
  grid->SetTopRow(2);

  TDrawGrid* rows = PlaceTable(form, 410, 28, "Row select, sized column and row, no scroll bars");
  rows->SetOptions(rows->Options() + TGridOptions{goRowSelect});
  rows->SetScrollBars(ssNone);
  rows->SetColWidths(2, 100);
  rows->SetRowHeights(3, 40);
  rows->SetRow(4);

  TDrawGrid* plain = PlaceTable(form, 10, 330, "Two fixed rows, fixed lines only, 2 px wide");
  plain->SetFixedRows(2);
  plain->SetGridLineWidth(2);
  plain->SetOptions({goFixedVertLine, goFixedHorzLine});
  plain->SetFixedColor(clSkyBlue);

  TDrawGrid* bare = PlaceGrid(form, 410, 330, "Default drawing only, no border");
  bare->SetBorderStyle(bsNone);
  bare->SetColCount(8);
  bare->SetRowCount(8);
  bare->SetSelection({1, 1, 3, 2});
}

}  // namespace

std::vector<Page> GridPages() {
  return {LivePage("grids", "Grids", 800, 600, BuildGrids)};
}

}  // namespace gallery
