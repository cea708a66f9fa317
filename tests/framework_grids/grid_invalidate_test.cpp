// Grid partial repaint: a selection move, a focus change or one cell's new content repaints
// only the cells concerned; scrolling repaints the whole grid.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "framework/backend/headless/test_host.h"
#include "framework/grids/grids.h"
#include "tests/framework_grids/grid_fixture.h"

namespace fw {
namespace {

using Cells = std::set<std::pair<int, int>>;

// Records the cells each paint draws, starting after the grid was focused on (1, 1).
struct RepaintFixture : test::GridFixture {
  Cells painted;
  RepaintFixture() {
    host.Click(65 + 32, 25 + 12);
    host.ProcessMessages();
    grid->OnDrawCell = [this](TObject*, int c, int r, TRect, TGridDrawState) {
      painted.insert({c, r});
    };
  }
  Cells PaintedAfter(const std::function<void()>& action) {
    host.ProcessMessages();
    painted.clear();
    action();
    host.ProcessMessages();
    return painted;
  }
  // Every cell of rows `rows` that shows on screen, from column `firstCol` on.
  Cells RowsOnScreen(std::initializer_list<int> rows, int firstCol) const {
    Cells cells;
    for (int r : rows)
      for (int c = firstCol; c < grid->ColCount(); ++c)
        if (!IsRectEmpty(grid->CellRect(c, r))) cells.insert({c, r});
    return cells;
  }
};

TEST(GridRepaint, KeyboardMoveRepaintsTheOldAndNewCellOnly) {
  RepaintFixture f;
  struct Case {
    uint16_t key;
    Cells expected;
  };
  const Case cases[] = {
      {VK_DOWN, {{1, 1}, {1, 2}}},
      {VK_RIGHT, {{1, 2}, {2, 2}}},
      {VK_UP, {{2, 1}, {2, 2}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(f.PaintedAfter([&] { f.host.PressKey(c.key); }), c.expected) << c.key;
}

TEST(GridRepaint, ClickAndRangeDragRepaintTheCellsWhoseLookChanged) {
  RepaintFixture f;
  EXPECT_EQ(f.PaintedAfter([&] { f.host.Click(130 + 32, 25 + 12); }), (Cells{{1, 1}, {2, 1}}));
  // Extending to (2, 2) from the anchor (2, 1) repaints the old and new selection.
  EXPECT_EQ(f.PaintedAfter([&] { f.host.Click(130 + 32, 50 + 12, mbLeft, {ssShift}); }),
            (Cells{{2, 1}, {2, 2}}));
}

TEST(GridRepaint, RowSelectRepaintsTheTwoRows) {
  RepaintFixture f;
  f.grid->SetOptions(f.grid->Options() + TGridOptions{goRowSelect});
  EXPECT_EQ(f.PaintedAfter([&] { f.host.PressKey(VK_DOWN); }), f.RowsOnScreen({1, 2}, 1));
}

TEST(GridRepaint, ExplicitInvalidationRepaintsItsCells) {
  RepaintFixture f;
  EXPECT_EQ(f.PaintedAfter([&] { f.grid->InvalidateCell(3, 4); }), (Cells{{3, 4}}));
  EXPECT_EQ(f.PaintedAfter([&] { f.grid->InvalidateRow(5); }), f.RowsOnScreen({5}, 0));
  Cells column;
  for (int r = 0; r < f.grid->RowCount(); ++r)
    if (!IsRectEmpty(f.grid->CellRect(2, r))) column.insert({2, r});
  EXPECT_EQ(f.PaintedAfter([&] { f.grid->InvalidateCol(2); }), column);
  EXPECT_EQ(f.PaintedAfter([&] {
    f.grid->InvalidateRect({2, 3, 3, 4});
  }),
            (Cells{{2, 3}, {3, 3}, {2, 4}, {3, 4}}));
  // Cells scrolled away schedule nothing.
  EXPECT_TRUE(f.PaintedAfter([&] { f.grid->InvalidateCell(1, 40); }).empty());
}

TEST(GridRepaint, FocusChangeRepaintsTheCurrentCell) {
  RepaintFixture f;
  // A plain control takes the focus without repainting anything of its own.
  auto* other = new TCustomControl(f.host.Form());
  other->SetParent(f.host.Form());
  other->SetBounds(0, 210, 100, 80);
  EXPECT_EQ(f.PaintedAfter([&] { other->SetFocus(); }), (Cells{{1, 1}}));
  EXPECT_EQ(f.PaintedAfter([&] { f.grid->SetFocus(); }), (Cells{{1, 1}}));
}

TEST(GridRepaint, ScrollingRepaintsEveryVisibleCell) {
  RepaintFixture f;
  const Cells painted = f.PaintedAfter([&] { f.grid->SetTopRow(10); });
  Cells all;
  for (int r = 0; r < f.grid->RowCount(); ++r) {
    const Cells row = f.RowsOnScreen({r}, 0);
    all.insert(row.begin(), row.end());
  }
  EXPECT_EQ(painted, all);
  EXPECT_TRUE(painted.contains({1, 10}));
}

// Changing only part of the screen still leaves the right pixels: the old cell loses its
// focus frame, the new one gets it.
TEST(GridRepaint, PartialRepaintLeavesCorrectPixels) {
  RepaintFixture f;
  f.host.PressKey(VK_DOWN);
  EXPECT_EQ(f.host.Pixel(65, 25), ColorToRGB(clWindow)) << "old focus frame gone";
  EXPECT_EQ(f.host.Pixel(65, 50), ColorToRGB(clWindow) ^ 0xFFFFFF) << "new focus frame";
}

}  // namespace
}  // namespace fw
