// Grid geometry: cell rectangles, hit testing at borders, visible counts and scrolling limits.
#include <gtest/gtest.h>

#include <climits>

#include "framework/backend/headless/test_host.h"
#include "framework/grids/grids.h"

namespace fw {
namespace {

// A grid on a host form, with no border and no scroll bars unless a test asks.
struct GridFixture {
  TestHost host{400, 300};
  TDrawGrid* grid;
  explicit GridFixture(int width = 300, int height = 200) {
    grid = new TDrawGrid(host.Form());
    grid->SetParent(host.Form());
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetBounds(0, 0, width, height);
  }
};

TEST(GridCellRect, DefaultsPlaceCellsAfterOneLine) {
  GridFixture f;
  EXPECT_EQ(f.grid->DefaultColWidth(), 64);
  EXPECT_EQ(f.grid->DefaultRowHeight(), 24);
  EXPECT_EQ(f.grid->GridLineWidth(), 1);
  struct Case {
    int col, row;
    TRect expected;
  };
  const Case cases[] = {
      {0, 0, Rect(0, 0, 64, 24)},
      {1, 0, Rect(65, 0, 129, 24)},
      {0, 1, Rect(0, 25, 64, 49)},
      {2, 3, Rect(130, 75, 194, 99)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(f.grid->CellRect(c.col, c.row), c.expected) << c.col << "," << c.row;
  }
}

TEST(GridCellRect, WithoutLinesCellsTouch) {
  GridFixture f;
  f.grid->SetOptions({});
  EXPECT_EQ(f.grid->CellRect(1, 1), Rect(64, 24, 128, 48));
  f.grid->SetOptions({goFixedVertLine, goFixedHorzLine});
  // Fixed lines only: the fixed cell keeps its line, the scrolling ones touch.
  EXPECT_EQ(f.grid->CellRect(1, 1), Rect(65, 25, 129, 49));
  EXPECT_EQ(f.grid->CellRect(2, 2), Rect(129, 49, 193, 73));
}

TEST(GridCellRect, FollowsSizesWidthsAndScrolling) {
  GridFixture f;
  f.grid->SetColCount(20);
  f.grid->SetRowCount(50);
  f.grid->SetGridLineWidth(3);
  f.grid->SetColWidths(0, 30);
  f.grid->SetRowHeights(2, 40);
  EXPECT_EQ(f.grid->CellRect(1, 3), Rect(33, 27 + 27 + 43, 97, 97 + 24));
  f.grid->SetTopRow(5);
  f.grid->SetLeftCol(4);
  // Scrolled-away cells have no rectangle; the first scrolling ones follow the fixed ones.
  EXPECT_EQ(f.grid->CellRect(1, 1), Rect(0, 0, 0, 0));
  EXPECT_EQ(f.grid->CellRect(4, 5), Rect(33, 27, 97, 51));
  EXPECT_EQ(f.grid->CellRect(0, 5), Rect(0, 27, 30, 51));
  // Past the right edge.
  EXPECT_EQ(f.grid->CellRect(19, 5), Rect(0, 0, 0, 0));
}

TEST(GridCellRect, BorderShiftsCells) {
  GridFixture f;
  f.grid->SetBorderStyle(bsSingle);
  EXPECT_EQ(f.grid->CellRect(0, 0), Rect(2, 2, 66, 26));
  EXPECT_EQ(f.grid->MouseCoord(2, 2), (TGridCoord{0, 0}));
  EXPECT_EQ(f.grid->MouseCoord(1, 1), (TGridCoord{-1, -1}));
}

TEST(GridMouseToCell, LinesBelongToTheCellBefore) {
  GridFixture f;
  struct Case {
    int x, y, col, row;
  };
  const Case cases[] = {
      {0, 0, 0, 0},        {63, 23, 0, 0},  {64, 24, 0, 0},  // the line after cell 0
      {65, 25, 1, 1},      {129, 49, 1, 1}, {130, 50, 2, 2},
      {-1, 5, -1, -1},     {5, -1, -1, -1}, {5 * 65, 5, -1, -1},  // past the last column
      {5, 5 * 25, -1, -1},                                        // past the last row
  };
  for (const Case& c : cases) {
    int col = 99, row = 99;
    f.grid->MouseToCell(c.x, c.y, col, row);
    EXPECT_EQ(col, c.col) << c.x << "," << c.y;
    EXPECT_EQ(row, c.row) << c.x << "," << c.y;
  }
}

TEST(GridMouseToCell, FollowsScrolling) {
  GridFixture f;
  f.grid->SetRowCount(100);
  f.grid->SetTopRow(40);
  EXPECT_EQ(f.grid->MouseCoord(70, 10), (TGridCoord{1, 0}));
  EXPECT_EQ(f.grid->MouseCoord(70, 26), (TGridCoord{1, 40}));
  EXPECT_EQ(f.grid->MouseCoord(70, 51), (TGridCoord{1, 41}));
}

TEST(GridScrolling, TopRowStopsWithTheLastRowWhole) {
  GridFixture f(300, 200);  // 200 px: fixed row 25, then rows of 25 (the last needs only 24)
  f.grid->SetRowCount(100);
  f.grid->SetTopRow(1000);
  // Room below the fixed row: 175 = 6 rows of 25 + the last of 24 -> 7 rows whole.
  EXPECT_EQ(f.grid->VisibleRowCount(), 7);
  EXPECT_EQ(f.grid->TopRow(), 93);
  const TRect last = f.grid->CellRect(1, 99);
  EXPECT_LE(last.Bottom, 200);
  EXPECT_GT(last.Bottom, 200 - 25);
  f.grid->SetTopRow(-5);
  EXPECT_EQ(f.grid->TopRow(), 1);
}

TEST(GridScrolling, NothingScrollsWhenAllFits) {
  GridFixture f(400, 300);
  f.grid->SetTopRow(3);
  f.grid->SetLeftCol(3);
  EXPECT_EQ(f.grid->TopRow(), 1);
  EXPECT_EQ(f.grid->LeftCol(), 1);
  f.grid->SetScrollBars(ssBoth);
  EXPECT_TRUE(IsRectEmpty(f.grid->VertScrollBarRect()));
  EXPECT_TRUE(IsRectEmpty(f.grid->HorzScrollBarRect()));
}

TEST(GridScrolling, ShownScrollBarNarrowsTheCells) {
  GridFixture f(300, 200);
  f.grid->SetScrollBars(ssBoth);
  f.grid->SetColCount(4);  // 4 * 65 - 1 = 259 px: fits beside a bar
  f.grid->SetRowCount(100);
  EXPECT_EQ(f.grid->VertScrollBarRect(), Rect(284, 0, 300, 200));
  EXPECT_TRUE(IsRectEmpty(f.grid->HorzScrollBarRect()));
  // Columns now overflow, so the horizontal bar shows too.
  f.grid->SetColCount(10);
  EXPECT_EQ(f.grid->HorzScrollBarRect(), Rect(0, 184, 284, 200));
  EXPECT_EQ(f.grid->MouseCoord(290, 10), (TGridCoord{-1, -1}));
}

TEST(GridScrolling, TopLeftChangedOncePerMove) {
  GridFixture f;
  f.grid->SetRowCount(100);
  int calls = 0;
  f.grid->OnTopLeftChanged = [&](TObject*) { ++calls; };
  f.grid->SetTopRow(10);
  f.grid->SetTopRow(10);
  f.grid->SetTopRow(100000);
  EXPECT_EQ(calls, 2);
}

TEST(GridDimensions, CountsAndFixedCountsStayConsistent) {
  GridFixture f;
  f.grid->SetColCount(0);
  EXPECT_EQ(f.grid->ColCount(), 1);
  EXPECT_EQ(f.grid->FixedCols(), 0);
  f.grid->SetRowCount(3);
  f.grid->SetFixedRows(5);
  EXPECT_EQ(f.grid->FixedRows(), 2);
  f.grid->SetRowCount(2);
  EXPECT_EQ(f.grid->FixedRows(), 1);
  EXPECT_EQ(f.grid->Row(), 1);
  EXPECT_EQ(f.grid->RowHeights(-1), 24);
  EXPECT_EQ(f.grid->RowHeights(7), 24);
  f.grid->SetRowHeights(7, 50);  // outside: ignored
  EXPECT_EQ(f.grid->RowHeights(7), 24);
}

// Sizes from form text may be any int: they are kept within the control extent, and many
// fixed cells of that size still place, hit-test, scroll and paint.
TEST(GridDimensions, ExtremeSizesAreKeptWithinTheControlExtentAndStillPaint) {
  GridFixture f;
  f.grid->SetScrollBars(ssBoth);
  f.grid->SetColCount(300);
  f.grid->SetRowCount(300);
  f.grid->SetFixedCols(200);
  f.grid->SetFixedRows(200);
  f.grid->SetDefaultColWidth(INT_MAX);
  f.grid->SetRowHeights(3, INT_MAX);
  f.grid->SetGridLineWidth(INT_MAX);
  EXPECT_EQ(f.grid->DefaultColWidth(), kMaxControlExtent);
  EXPECT_EQ(f.grid->RowHeights(3), kMaxControlExtent);
  EXPECT_EQ(f.grid->GridLineWidth(), kMaxControlExtent);
  EXPECT_EQ(f.grid->CellRect(0, 0).Left, 0);
  EXPECT_TRUE(IsRectEmpty(f.grid->CellRect(250, 250)));
  EXPECT_EQ(f.grid->MouseCoord(10, 10).X, 0);
  f.grid->SetBounds(0, 0, kMaxControlExtent, kMaxControlExtent);
  EXPECT_EQ(f.grid->MouseCoord(kMaxControlExtent - 20, 5).X, 0);
  for (const int shift : {0, kMaxControlExtent - 30}) {
    TBitmap target(60, 40);
    f.grid->PaintTo(target.Canvas(), -shift, -shift);
    EXPECT_NE(target.Canvas()->Pixels(20, 20), clWhite) << shift;
  }
}

// Two billion cells that take no room (size 0, no lines) are passed in one step by every walk
// along the cells: painting, hit-testing, scrolling limits and repaint areas stay immediate.
TEST(GridDimensions, BillionsOfCellsWithoutRoomAreWalkedAtOnce) {
  GridFixture f;
  f.grid->SetScrollBars(ssBoth);
  f.grid->SetOptions({goColSizing, goRowSizing});
  f.grid->SetDefaultColWidth(0);
  f.grid->SetDefaultRowHeight(0);
  f.grid->SetColCount(2'000'000'000);
  f.grid->SetRowCount(2'000'000'000);
  f.grid->SetFixedCols(1'000'000'000);
  f.grid->SetFixedRows(1'000'000'000);
  EXPECT_EQ(f.grid->VisibleColCount(), 1'000'000'000);
  EXPECT_EQ(f.grid->MouseCoord(10, 10).X, -1);
  EXPECT_EQ(f.grid->CellRect(1'500'000'000, 3).Width(), 0);
  f.grid->SetTopRow(1'999'999'999);
  f.grid->InvalidateCell(1'500'000'000, 1'500'000'000);
  TBitmap target(60, 40);
  f.grid->PaintTo(target.Canvas(), 0, 0);
  f.host.ProcessMessages();
}

}  // namespace
}  // namespace fw
