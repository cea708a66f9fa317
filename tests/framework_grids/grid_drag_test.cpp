// Grid drags beyond the cells and moving lines: the timer scrolls one line per tick while a
// range selection, a move or a size is held past the edge, and a moved line shows a drop marker.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/grids/grids.h"
#include "tests/framework_grids/grid_fixture.h"

namespace fw {
namespace {

using DragFixture = test::GridFixture;

// Cell (c, r) of an unscrolled default grid without border: its centre in client pixels.
TPoint CellCentre(int c, int r) {
  return {c * 65 + 32, r * 25 + 12};
}

void Ticks(DragFixture& f, int n) {
  f.host.AdvanceTime(static_cast<int64_t>(kGridScrollInterval) * n);
}

TEST(GridAutoScroll, RangeDragPastTheBottomScrollsOneRowPerTick) {
  DragFixture f;
  const TPoint a = CellCentre(1, 1);
  f.host.MouseDown(a.X, a.Y);
  for (int i = 0; i < 5; ++i) f.host.MouseMove(a.X, 250);
  const int visible = f.grid->VisibleRowCount();
  // Moves alone reach the last row shown and scroll nothing.
  EXPECT_EQ(f.grid->TopRow(), 1);
  EXPECT_EQ(f.grid->Selection(), (TGridRect{1, 1, 1, visible}));
  Ticks(f, 10);
  EXPECT_EQ(f.grid->TopRow(), 11);
  EXPECT_EQ(f.grid->Selection(), (TGridRect{1, 1, 1, visible + 10}));
  // Back over the cells the scrolling stops.
  f.host.MouseMove(a.X, CellCentre(1, 3).Y);
  Ticks(f, 5);
  EXPECT_EQ(f.grid->TopRow(), 11);
  f.host.MouseUp(a.X, CellCentre(1, 3).Y);
  EXPECT_EQ(f.grid->Row(), 13);
}

TEST(GridAutoScroll, DragAboveTheCellsScrollsBackAndReleaseStops) {
  DragFixture f;
  f.grid->SetTopRow(6);
  const TPoint a = CellCentre(1, 3);
  f.host.MouseDown(a.X, a.Y);
  f.host.MouseMove(a.X, 5);  // over the fixed row
  Ticks(f, 2);
  EXPECT_EQ(f.grid->TopRow(), 4);
  EXPECT_EQ(f.grid->Row(), 4);
  Ticks(f, 20);  // stops at the first scrolling row
  EXPECT_EQ(f.grid->TopRow(), 1);
  EXPECT_EQ(f.grid->Row(), 1);
  f.host.MouseMove(a.X, 250);
  f.host.MouseUp(a.X, 250);
  const int top = f.grid->TopRow();
  Ticks(f, 5);
  EXPECT_EQ(f.grid->TopRow(), top) << "no scrolling after the release";
}

TEST(GridAutoScroll, WithoutRangeSelectOrTimersNothingScrolls) {
  {
    DragFixture f;
    f.grid->SetOptions(f.grid->Options() - TGridOptions{goRangeSelect});
    f.host.MouseDown(CellCentre(1, 1).X, CellCentre(1, 1).Y);
    f.host.MouseMove(CellCentre(1, 1).X, 250);
    Ticks(f, 5);
    EXPECT_EQ(f.grid->TopRow(), 1);
    f.host.MouseUp(CellCentre(1, 1).X, 250);
  }
  DragFixture f;
  f.host.RefuseTimers(true);
  f.host.MouseDown(CellCentre(1, 1).X, CellCentre(1, 1).Y);
  f.host.MouseMove(CellCentre(1, 1).X, 250);
  Ticks(f, 5);
  f.host.MouseUp(CellCentre(1, 1).X, 250);
  EXPECT_EQ(f.grid->TopRow(), 1);
  EXPECT_EQ(f.grid->Row(), f.grid->VisibleRowCount());
}

TEST(GridAutoScroll, ColumnMovePastTheRightEdgeScrollsAndDropsOnTheLastShown) {
  DragFixture f;
  f.grid->SetOptions(f.grid->Options() + TGridOptions{goColMoving});
  std::vector<std::pair<int, int>> moves;
  f.grid->OnColumnMoved = [&](TObject*, int from, int to) { moves.emplace_back(from, to); };
  f.host.MouseDown(CellCentre(2, 0).X, CellCentre(2, 0).Y);
  f.host.MouseMove(350, CellCentre(2, 0).Y);
  Ticks(f, 3);
  EXPECT_EQ(f.grid->LeftCol(), 4);
  EXPECT_EQ(f.grid->TopRow(), 1) << "a column move scrolls sideways only";
  f.host.MouseUp(350, 300);
  const int lastShown = f.grid->LeftCol() + f.grid->VisibleColCount() - 1;
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{2, lastShown}}));
}

// The line being sized stays under the pointer while the rows scroll up beneath it, and the
// scrolling stops before the line's own row would leave the screen.
TEST(GridAutoScroll, RowSizingPastTheBottomKeepsTheLineUnderThePointer) {
  DragFixture f;
  f.grid->SetOptions(f.grid->Options() + TGridOptions{goRowSizing});
  const int line = 5 * 25 + 24;
  f.host.MouseDown(10, line);
  ASSERT_EQ(f.grid->GridState(), gsRowSizing);
  f.host.MouseMove(10, 260);
  EXPECT_EQ(f.grid->RowHeights(5), 24 + 260 - line);
  Ticks(f, 10);
  EXPECT_EQ(f.grid->TopRow(), 5);
  EXPECT_EQ(f.grid->CellRect(0, 5).Top + f.grid->RowHeights(5), 260);
  f.host.MouseUp(10, 260);
}

struct MarkerCase {
  const char* what;
  bool columns;
  int from, to;
  TPoint black, clear;
};

// Drags a heading from one line onto another and reads two pixels while it is held.
TEST(GridDropMarker, AThickLineMarksWhereTheMovedLineLands) {
  const MarkerCase cases[] = {
      // Moving on: the marker lies on the line after the target column (x 259).
      {"column on", true, 1, 3, {258, 60}, {261, 60}},
      // Moving back: on the line before the target column (x 64).
      {"column back", true, 3, 1, {65, 60}, {66, 60}},
      {"row back", false, 5, 2, {100, 50}, {100, 51}},
      {"row on", false, 2, 4, {100, 123}, {100, 126}},
  };
  for (const MarkerCase& c : cases) {
    DragFixture f;
    f.grid->SetOptions(f.grid->Options() + TGridOptions{goColMoving, goRowMoving});
    const TPoint from = c.columns ? CellCentre(c.from, 0) : CellCentre(0, c.from);
    const TPoint to = c.columns ? CellCentre(c.to, 0) : CellCentre(0, c.to);
    const TColor window = f.host.Pixel(c.black.X, c.black.Y);
    f.host.MouseDown(from.X, from.Y);
    f.host.MouseMove(to.X, to.Y);
    EXPECT_EQ(f.host.Pixel(c.black.X, c.black.Y), ColorToRGB(clBlack)) << c.what;
    EXPECT_NE(f.host.Pixel(c.clear.X, c.clear.Y), ColorToRGB(clBlack)) << c.what;
    // Back over the picked-up line: nothing would move, so no marker.
    f.host.MouseMove(from.X, from.Y);
    EXPECT_EQ(f.host.Pixel(c.black.X, c.black.Y), window) << c.what;
    f.host.MouseMove(to.X, to.Y);
    f.host.MouseUp(to.X, to.Y);
    EXPECT_NE(f.host.Pixel(c.black.X, c.black.Y), ColorToRGB(clBlack)) << c.what << " released";
  }
}

}  // namespace
}  // namespace fw
