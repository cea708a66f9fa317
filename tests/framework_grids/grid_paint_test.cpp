// Grid painting: cell colours, selection, grid lines, raised fixed cells, DrawCell calls and
// the cost of painting a very tall grid.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "framework/backend/headless/test_host.h"
#include "framework/grids/grids.h"
#include "tests/framework_grids/grid_fixture.h"

namespace fw {
namespace {

using PaintFixture = test::GridFixture;

TEST(GridPaint, CellsLinesAndFixedCellsHaveTheirColours) {
  PaintFixture f;
  f.grid->SetFixedColor(clYellow);
  f.grid->SetColor(clAqua);
  struct Case {
    int x, y;
    TColor expected;
    const char* what;
  };
  const Case cases[] = {
      {30, 12, clYellow, "fixed cell"},
      {100, 60, clAqua, "scrolling cell"},
      {129, 60, clSilver, "vertical line among cells"},
      {64, 60, clBlack, "line after the fixed column"},
      {100, 24, clBlack, "line under the fixed row"},
      {64, 10, clBlack, "line in the fixed row"},
      {100, 49, clSilver, "horizontal line among cells"},
      {0, 30, ColorToRGB(clBtnHighlight), "raised fixed cell, left edge"},
      {63, 30, ColorToRGB(clBtnShadow), "raised fixed cell, right edge"},
  };
  for (const Case& c : cases) EXPECT_EQ(f.host.Pixel(c.x, c.y), ColorToRGB(c.expected)) << c.what;
}

TEST(GridPaint, SelectionIsHighlightedExceptTheFocusedCell) {
  PaintFixture f;
  f.host.Click(65 + 32, 25 + 12);                      // (1, 1)
  f.host.Click(130 + 32, 50 + 12, mbLeft, {ssShift});  // to (2, 2)
  const TColor highlight = ColorToRGB(clHighlight);
  EXPECT_EQ(f.host.Pixel(65 + 32, 25 + 12), highlight);
  EXPECT_EQ(f.host.Pixel(130 + 32, 25 + 12), highlight);
  EXPECT_EQ(f.host.Pixel(130 + 32, 50 + 12), ColorToRGB(clWindow)) << "focused cell";
  EXPECT_EQ(f.host.Pixel(195 + 32, 50 + 12), ColorToRGB(clWindow)) << "outside";
  // The focused cell carries a dotted frame of inverted pixels.
  EXPECT_EQ(f.host.Pixel(130, 50), ColorToRGB(clWindow) ^ 0xFFFFFF);
  EXPECT_EQ(f.host.Pixel(131, 50), ColorToRGB(clWindow));
  f.grid->SetOptions(f.grid->Options() + TGridOptions{goDrawFocusSelected});
  EXPECT_EQ(f.host.Pixel(130 + 32, 50 + 12), highlight);
}

TEST(GridPaint, DrawCellGetsStatesAndRectangles) {
  PaintFixture f;
  f.host.Click(65 + 32, 25 + 12);
  std::set<std::pair<int, int>> fixed, selected, focused;
  int calls = 0;
  f.grid->OnDrawCell = [&](TObject*, int c, int r, TRect rect, TGridDrawState s) {
    ++calls;
    EXPECT_EQ(rect, f.grid->CellRect(c, r));
    if (s.Contains(gdFixed)) fixed.insert({c, r});
    if (s.Contains(gdSelected)) selected.insert({c, r});
    if (s.Contains(gdFocused)) focused.insert({c, r});
  };
  f.grid->Invalidate();
  f.host.ProcessMessages();
  // 300 x 200: 5 columns (the last partly) by 8 rows (the last partly).
  EXPECT_EQ(calls, 5 * 8);
  EXPECT_EQ(fixed.size(), 5u + 7u);
  EXPECT_EQ(selected, (std::set<std::pair<int, int>>{{1, 1}}));
  EXPECT_EQ(focused, (std::set<std::pair<int, int>>{{1, 1}}));
}

TEST(GridPaint, WithoutDefaultDrawingCellsAreNotFilled) {
  PaintFixture f;
  f.grid->SetColor(clAqua);
  f.grid->OnDrawCell = [&](TObject*, int c, int r, TRect rect, TGridDrawState) {
    if (c == 2 && r == 2) {
      f.grid->Canvas()->Brush()->SetColor(clRed);
      f.grid->Canvas()->FillRect(rect);
    }
  };
  f.grid->SetDefaultDrawing(false);
  EXPECT_EQ(f.host.Pixel(130 + 10, 50 + 10), ColorToRGB(clRed));
  // Cells nobody drew show the grid's background.
  EXPECT_EQ(f.host.Pixel(195 + 10, 50 + 10), ColorToRGB(clAqua));
}

TEST(GridPaint, MillionRowsPaintOnlyTheVisibleCells) {
  PaintFixture f;
  f.grid->SetRowCount(1000000);
  f.grid->SetColWidths(3, 10);
  f.grid->SetRowHeights(999999, 30);
  int calls = 0;
  int lowest = 1 << 30, highest = -1;
  f.grid->OnDrawCell = [&](TObject*, int, int r, TRect, TGridDrawState) {
    ++calls;
    if (r > 0) {
      lowest = std::min(lowest, r);
      highest = std::max(highest, r);
    }
  };
  f.grid->SetTopRow(999999);  // clamps so the last row is whole
  f.host.ProcessMessages();
  EXPECT_EQ(f.grid->TopRow(), f.grid->MaxTopRow());
  EXPECT_LT(calls, 60);
  EXPECT_EQ(highest, 999999);
  EXPECT_EQ(lowest, f.grid->TopRow());
}

}  // namespace
}  // namespace fw
