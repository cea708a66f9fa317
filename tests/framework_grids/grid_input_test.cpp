// Grid input: selection by click, drag, Shift and keys, row select, SelectCell refusal,
// sizing by dragging lines, the wheel, scroll bar clicks and dialog codes.
#include <gtest/gtest.h>

#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/controls/messages.h"
#include "framework/grids/grids.h"
#include "framework/stdctrls/edit.h"
#include "tests/framework_grids/grid_fixture.h"

namespace fw {
namespace {

// Cell (c, r) of an unscrolled default grid without border: its centre in client pixels.
TPoint CellCentre(int c, int r) {
  return {c * 65 + 32, r * 25 + 12};
}

struct InputFixture : test::GridFixture {
  void ClickCell(int c, int r, TShiftState shift = {}) {
    const TPoint p = CellCentre(c, r);
    host.Click(p.X, p.Y, mbLeft, shift);
  }
};

TEST(GridSelection, ClickMakesTheCellCurrentAndFocusesTheGrid) {
  InputFixture f;
  f.ClickCell(2, 3);
  EXPECT_TRUE(f.grid->Focused());
  EXPECT_EQ(f.grid->Col(), 2);
  EXPECT_EQ(f.grid->Row(), 3);
  EXPECT_EQ(f.grid->Selection(), (TGridRect{2, 3, 2, 3}));
  // Fixed cells are not selectable.
  f.ClickCell(0, 0);
  EXPECT_EQ(f.grid->Col(), 2);
  EXPECT_EQ(f.grid->Row(), 3);
}

TEST(GridSelection, DragAndShiftClickSelectRanges) {
  InputFixture f;
  const TPoint a = CellCentre(1, 1);
  const TPoint b = CellCentre(3, 4);
  f.host.MouseDown(a.X, a.Y);
  f.host.MouseMove(b.X, b.Y);
  f.host.MouseUp(b.X, b.Y);
  EXPECT_EQ(f.grid->Selection(), (TGridRect{1, 1, 3, 4}));
  f.ClickCell(2, 2);
  f.ClickCell(1, 5, {ssShift});
  EXPECT_EQ(f.grid->Selection(), (TGridRect{1, 2, 2, 5}));
  // Without range selection a drag just moves the current cell.
  f.grid->SetOptions(f.grid->Options() - TGridOptions{goRangeSelect});
  f.host.MouseDown(a.X, a.Y);
  f.host.MouseMove(b.X, b.Y);
  f.host.MouseUp(b.X, b.Y);
  EXPECT_EQ(f.grid->Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST(GridSelection, RowSelectSpansTheScrollingColumns) {
  InputFixture f;
  f.grid->SetOptions(f.grid->Options() + TGridOptions{goRowSelect});
  f.ClickCell(2, 3);
  EXPECT_EQ(f.grid->Selection(), (TGridRect{1, 3, 9, 3}));
  f.host.PressKey(VK_DOWN, {ssShift});
  EXPECT_EQ(f.grid->Selection(), (TGridRect{1, 3, 9, 4}));
}

TEST(GridSelection, SelectCellCanRefuse) {
  InputFixture f;
  std::vector<TGridCoord> asked;
  f.grid->OnSelectCell = [&](TObject*, int c, int r, bool& can) {
    asked.push_back({c, r});
    can = r != 3;
  };
  f.ClickCell(2, 3);
  EXPECT_EQ(f.grid->Row(), 1);
  f.ClickCell(2, 2);
  EXPECT_EQ(f.grid->Row(), 2);
  f.host.PressKey(VK_DOWN);
  EXPECT_EQ(f.grid->Row(), 2);
  EXPECT_EQ(asked, (std::vector<TGridCoord>{{2, 3}, {2, 2}, {2, 3}}));
}

// Exposes the protected mover.
class ProbeGrid : public TDrawGrid {
 public:
  using TCustomGrid::MoveColRow;
  using TDrawGrid::TDrawGrid;
};

TEST(GridSelection, MoveColRowCanKeepTheAnchorAndTheScrollPosition) {
  TestHost host(400, 300);
  auto* grid = new ProbeGrid(host.Form());
  grid->SetParent(host.Form());
  grid->SetBounds(0, 0, 300, 200);
  grid->SetRowCount(100);
  grid->MoveColRow(2, 3, true, false);
  grid->MoveColRow(3, 80, false, false);
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 3, 80}));
  EXPECT_EQ(grid->TopRow(), 1);
  grid->MoveColRow(3, 80, true, true);
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 80, 3, 80}));
  EXPECT_FALSE(IsRectEmpty(grid->CellRect(3, 80)));
}

TEST(GridKeyboard, NavigationKeysMoveTheCurrentCell) {
  InputFixture f;
  f.ClickCell(2, 2);
  struct Case {
    uint16_t key;
    TShiftState shift;
    int col, row;
  };
  const int page = f.grid->VisibleRowCount();
  const Case cases[] = {
      {VK_RIGHT, {}, 3, 2},       {VK_DOWN, {}, 3, 3},       {VK_LEFT, {}, 2, 3},
      {VK_UP, {}, 2, 2},          {VK_UP, {}, 2, 1},         {VK_UP, {}, 2, 1},  // stops
      {VK_NEXT, {}, 2, 1 + page}, {VK_PRIOR, {}, 2, 1},      {VK_END, {}, 9, 1},
      {VK_HOME, {}, 1, 1},        {VK_END, {ssCtrl}, 9, 49}, {VK_HOME, {ssCtrl}, 1, 1},
  };
  for (const Case& c : cases) {
    f.host.PressKey(c.key, c.shift);
    EXPECT_EQ(f.grid->Col(), c.col) << c.key;
    EXPECT_EQ(f.grid->Row(), c.row) << c.key;
  }
  // The current cell is kept on screen.
  f.host.PressKey(VK_END, {ssCtrl});
  EXPECT_EQ(f.grid->TopRow(), f.grid->MaxTopRow());
  EXPECT_FALSE(IsRectEmpty(f.grid->CellRect(9, 49)));
}

TEST(GridKeyboard, PageKeysScrollByAPageKeepingTheRowsPlace) {
  InputFixture f;
  f.ClickCell(2, 3);
  const int page = f.grid->VisibleRowCount();
  f.host.PressKey(VK_NEXT);
  EXPECT_EQ(f.grid->TopRow(), 1 + page);
  EXPECT_EQ(f.grid->Row(), 3 + page);
  f.host.PressKey(VK_PRIOR);
  EXPECT_EQ(f.grid->TopRow(), 1);
  EXPECT_EQ(f.grid->Row(), 3);
  for (int i = 0; i < 20; ++i) f.host.PressKey(VK_NEXT);
  EXPECT_EQ(f.grid->Row(), 49);
  EXPECT_EQ(f.grid->TopRow(), f.grid->MaxTopRow());
}

TEST(GridKeyboard, ShiftArrowsExtendFromTheAnchor) {
  InputFixture f;
  f.ClickCell(3, 3);
  f.host.PressKey(VK_RIGHT, {ssShift});
  f.host.PressKey(VK_UP, {ssShift});
  EXPECT_EQ(f.grid->Selection(), (TGridRect{3, 2, 4, 3}));
  f.host.PressKey(VK_RIGHT);
  EXPECT_EQ(f.grid->Selection(), (TGridRect{5, 2, 5, 2}));
}

// An editing grid takes typed characters, so they open its editor instead of being offered
// to the form's accelerators; a row-select grid cannot edit and takes none.
TEST(GridKeyboard, OnlyAnEditingGridTakesCharacters) {
  InputFixture f;
  EXPECT_EQ(f.grid->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS, 0);
  f.grid->SetOptions(f.grid->Options() + TGridOptions{goEditing});
  EXPECT_NE(f.grid->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS, 0);
  f.grid->SetOptions(f.grid->Options() + TGridOptions{goRowSelect});
  EXPECT_EQ(f.grid->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS, 0);
}

TEST(GridKeyboard, TabWalksCellsOnlyWithTabsOption) {
  InputFixture f;
  EXPECT_EQ(f.grid->Perform(WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
  f.grid->SetOptions(f.grid->Options() + TGridOptions{goTabs});
  EXPECT_EQ(f.grid->Perform(WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTTAB);
  f.ClickCell(2, 2);
  f.host.PressKey(VK_END);
  f.host.PressKey(VK_TAB);
  EXPECT_EQ(f.grid->Col(), 1);
  EXPECT_EQ(f.grid->Row(), 3);
  f.host.PressKey(VK_TAB, {ssShift});
  EXPECT_EQ(f.grid->Col(), 9);
  EXPECT_EQ(f.grid->Row(), 2);
}

TEST(GridSizing, DraggingAFixedLineResizes) {
  InputFixture f;
  f.grid->SetOptions(f.grid->Options() + TGridOptions{goColSizing, goRowSizing});
  // The line after column 1 is at x = 129, in the fixed row.
  f.host.MouseDown(129, 10);
  EXPECT_EQ(f.grid->GridState(), gsColSizing);
  f.host.MouseMove(150, 10);
  f.host.MouseUp(150, 10);
  EXPECT_EQ(f.grid->ColWidths(1), 85);
  EXPECT_EQ(f.grid->CellRect(2, 0).Left, 65 + 86);
  // The line after row 2 is at y = 74, in the fixed column.
  f.host.MouseDown(20, 74);
  f.host.MouseMove(20, 60);
  f.host.MouseUp(20, 60);
  EXPECT_EQ(f.grid->RowHeights(2), 10);
  // Without the option a press there selects nothing and sizes nothing.
  f.grid->SetOptions(f.grid->Options() - TGridOptions{goColSizing});
  f.host.MouseDown(65 + 86 + 64, 10);
  f.host.MouseMove(300, 10);
  f.host.MouseUp(300, 10);
  EXPECT_EQ(f.grid->ColWidths(2), 64);
}

TEST(GridSizing, SplitCursorShowsOverASizableLineOnly) {
  InputFixture f;
  f.grid->SetCursor(crHandPoint);
  f.host.MouseMove(129, 10);
  EXPECT_EQ(f.grid->Cursor(), crHandPoint) << "sizing is off";
  f.grid->SetOptions(f.grid->Options() + TGridOptions{goColSizing, goRowSizing});
  f.host.MouseMove(129, 10);
  EXPECT_EQ(f.grid->Cursor(), crHSplit);
  f.host.MouseMove(20, 74);
  EXPECT_EQ(f.grid->Cursor(), crVSplit);
  f.host.MouseMove(100, 100);
  EXPECT_EQ(f.grid->Cursor(), crHandPoint);
}

TEST(GridScrollInput, WheelAndBarClicksScrollWithinLimits) {
  InputFixture f;
  f.grid->SetScrollBars(ssVertical);
  int changes = 0;
  f.grid->OnTopLeftChanged = [&](TObject*) { ++changes; };
  f.host.Wheel(100, 100, -WHEEL_DELTA);
  EXPECT_EQ(f.grid->TopRow(), 4);
  f.host.Wheel(100, 100, WHEEL_DELTA * 2);
  EXPECT_EQ(f.grid->TopRow(), 1);
  const TRect bar = f.grid->VertScrollBarRect();
  ASSERT_FALSE(IsRectEmpty(bar));
  f.host.Click(bar.Left + 5, bar.Bottom - 5);  // down arrow
  EXPECT_EQ(f.grid->TopRow(), 2);
  f.host.Click(bar.Left + 5, bar.Bottom - 20);  // track below the thumb: a page
  EXPECT_EQ(f.grid->TopRow(), 2 + f.grid->VisibleRowCount());
  for (int i = 0; i < 20; ++i) f.host.Click(bar.Left + 5, bar.Bottom - 20);
  EXPECT_EQ(f.grid->TopRow(), f.grid->MaxTopRow());
  // Dragging the thumb to the top.
  const int maxTop = f.grid->MaxTopRow();
  f.host.MouseDown(bar.Left + 5, bar.Bottom - 20);
  EXPECT_EQ(f.grid->GridState(), gsScrolling);
  f.host.MouseMove(bar.Left + 5, bar.Top);
  f.host.MouseUp(bar.Left + 5, bar.Top);
  EXPECT_EQ(f.grid->TopRow(), 1);
  EXPECT_GT(maxTop, 1);
  EXPECT_GE(changes, 5);
}

TEST(GridScrollInput, AHeldArrowRepeatsUntilReleaseOrFocusLoss) {
  InputFixture f;
  f.grid->SetScrollBars(ssVertical);
  const TRect bar = f.grid->VertScrollBarRect();
  f.host.MouseDown(bar.Left + 5, bar.Bottom - 5);
  EXPECT_EQ(f.grid->TopRow(), 2);
  f.host.AdvanceTime(kScrollRepeatDelayMs + kScrollRepeatIntervalMs);
  EXPECT_EQ(f.grid->TopRow(), 4);
  // Another control takes the focus while the button is down: the repeat stops for good.
  auto* other = new TEdit(f.host.Form());
  other->SetParent(f.host.Form());
  other->SetFocus();
  f.host.AdvanceTime(1000);
  EXPECT_EQ(f.grid->TopRow(), 4);
  EXPECT_EQ(f.grid->GridState(), gsNormal);
}

TEST(GridScrollInput, ThumbDragScrollsOnReleaseWithoutThumbTracking) {
  InputFixture f;
  f.grid->SetScrollBars(ssVertical);
  const TRect bar = f.grid->VertScrollBarRect();
  const int thumbY = bar.Top + kGridScrollBarSize + 2;
  f.host.MouseDown(bar.Left + 5, thumbY);
  ASSERT_EQ(f.grid->GridState(), gsScrolling);
  f.host.MouseMove(bar.Left + 5, bar.Bottom);
  EXPECT_EQ(f.grid->TopRow(), 1);
  f.host.MouseUp(bar.Left + 5, bar.Bottom);
  EXPECT_EQ(f.grid->TopRow(), f.grid->MaxTopRow());
  // With thumb tracking the rows follow the drag.
  f.grid->SetOptions(f.grid->Options() + TGridOptions{goThumbTracking});
  const int thumbEndY = bar.Bottom - kGridScrollBarSize - 3;  // the thumb now sits at the end
  f.host.MouseDown(bar.Left + 5, thumbEndY);
  ASSERT_EQ(f.grid->GridState(), gsScrolling);
  f.host.MouseMove(bar.Left + 5, bar.Top);
  EXPECT_EQ(f.grid->TopRow(), 1);
  f.host.MouseUp(bar.Left + 5, bar.Top);
}

TEST(GridScrolling, GrowingTheGridPullsTheTopRowBack) {
  InputFixture f;
  f.grid->SetTopRow(1000);
  const int before = f.grid->TopRow();
  f.grid->SetBounds(0, 0, 300, 290);
  EXPECT_LT(f.grid->TopRow(), before);
  EXPECT_EQ(f.grid->TopRow(), f.grid->MaxTopRow());
}

TEST(GridMoving, MovingAColumnCarriesItsWidthAndNotifies) {
  InputFixture f;
  f.grid->SetColWidths(2, 100);
  std::vector<std::pair<int, int>> moves;
  f.grid->OnColumnMoved = [&](TObject*, int from, int to) { moves.emplace_back(from, to); };
  f.grid->MoveColumn(2, 5);
  EXPECT_EQ(f.grid->ColWidths(5), 100);
  EXPECT_EQ(f.grid->ColWidths(2), 64);
  f.grid->MoveColumn(2, 99);  // out of range: nothing
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{2, 5}}));
}

TEST(GridMoving, DraggingAHeadingMovesTheLineAndTheCurrentCellWithIt) {
  InputFixture f;
  f.grid->SetOptions(f.grid->Options() + TGridOptions{goColMoving, goRowMoving});
  std::vector<std::pair<int, int>> cols, rows;
  f.grid->OnColumnMoved = [&](TObject*, int from, int to) { cols.emplace_back(from, to); };
  f.grid->OnRowMoved = [&](TObject*, int from, int to) { rows.emplace_back(from, to); };
  f.ClickCell(1, 2);
  // Column heading 1 dragged onto column 3.
  f.host.MouseDown(CellCentre(1, 0).X, CellCentre(1, 0).Y);
  EXPECT_EQ(f.grid->GridState(), gsColMoving);
  f.host.MouseMove(CellCentre(3, 0).X, CellCentre(3, 0).Y);
  f.host.MouseUp(CellCentre(3, 0).X, CellCentre(3, 0).Y);
  // Row heading 5 dragged onto row 2.
  f.host.MouseDown(CellCentre(0, 5).X, CellCentre(0, 5).Y);
  f.host.MouseMove(CellCentre(0, 2).X, CellCentre(0, 2).Y);
  f.host.MouseUp(CellCentre(0, 2).X, CellCentre(0, 2).Y);
  EXPECT_EQ(cols, (std::vector<std::pair<int, int>>{{1, 3}}));
  EXPECT_EQ(rows, (std::vector<std::pair<int, int>>{{5, 2}}));
  EXPECT_EQ(f.grid->Col(), 3);
  EXPECT_EQ(f.grid->Row(), 3);
  // A press and release on the same heading moves nothing.
  f.ClickCell(2, 0);
  EXPECT_EQ(cols.size(), 1u);
}

}  // namespace
}  // namespace fw
