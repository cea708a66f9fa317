// Drawing: text colours by marks and selection, the range background, the render hook, the
// headings of the current cell, and the empty-table message.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/ntabed/ntabed_fixture.h"

namespace {

using ntest::EditorFixture;

TEST(NTabEdPaint, TextColourFollowsTheMarks) {
  EditorFixture f;
  f.Select(3, 4, 3, 4);  // keep the marked cells out of the selection
  struct Case {
    uint8_t state;
    fw::TColor color;
  };
  const Case cases[] = {{0, f.ed->ColorNormal()},
                        {zeb::csMarkA, f.ed->ColorMarkedA()},
                        {zeb::csMarkB, f.ed->ColorMarkedB()},
                        {zeb::csMarkA | zeb::csMarkB, f.ed->ColorMarkedBoth()}};
  for (const Case& c : cases) {
    f.ed->SetCellState(1, 1, c.state);
    EXPECT_TRUE(f.HasInk(f.Cell(2, 1), c.color)) << int(c.state);
  }
}

TEST(NTabEdPaint, TheSelectedRangeHasItsOwnColours) {
  EditorFixture f;
  f.ed->SetColName(1, "Temp");
  f.ed->SetColName(3, "Flow");
  f.Select(1, 1, 2, 2);
  const fw::TRect inside = f.Cell(3, 2);
  EXPECT_EQ(f.host.Pixel(inside.Left + 1, inside.Bottom - 2),
            fw::ColorToRGB(f.ed->ColorRangeSelBG()));
  EXPECT_TRUE(f.HasInk(inside, f.ed->ColorRangeSelFG()));
  const fw::TRect outside = f.Cell(4, 3);
  EXPECT_EQ(f.host.Pixel(outside.Left + 1, outside.Bottom - 2), fw::ColorToRGB(fw::clWindow));
  // The heading of the current column is drawn in ColorSelected.
  EXPECT_TRUE(f.HasInk(f.Cell(2, 0), f.ed->ColorSelected()));
  EXPECT_FALSE(f.HasInk(f.Cell(4, 0), f.ed->ColorSelected()));
}

TEST(NTabEdPaint, TheRenderHookChangesTextAndColours) {
  EditorFixture f;
  f.Select(3, 4, 3, 4);
  int calls = 0;
  f.ed->OnBeforeRenderCell = [&](fw::TObject*, int col, int row, std::string& text,
                                 fw::TColor& textColor, fw::TColor& background, fw::TFontStyles&) {
    ++calls;
    if (col == 2 && row == 3) {
      text = "hot";
      textColor = fw::clWhite;
      background = fw::clMaroon;
    }
  };
  f.ed->Invalidate();
  const fw::TRect cell = f.Cell(3, 3);
  EXPECT_EQ(f.host.Pixel(cell.Left + 1, cell.Bottom - 2), fw::ColorToRGB(fw::clMaroon));
  EXPECT_TRUE(f.HasInk(cell, fw::clWhite));
  EXPECT_GE(calls, 12);
}

TEST(NTabEdPaint, AnEmptyTableShowsItsMessageCentred) {
  EditorFixture f;
  f.ed->SetEmptyMessage("no data|yet");
  f.ed->SetColorEmptyMsg(fw::clPurple);
  EXPECT_EQ(f.fired["ChangeSetup"], 2);
  f.ed->SetNrRows(0);
  // Ink rows and columns of the message colour.
  int top = 1000, bottom = -1, left = 1000, right = -1;
  const fw::TColor purple = fw::ColorToRGB(fw::clPurple);
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 500; ++x)
      if (f.host.Pixel(x, y) == purple) {
        top = std::min(top, y), bottom = std::max(bottom, y);
        left = std::min(left, x), right = std::max(right, x);
      }
  ASSERT_GE(bottom, 0);
  EXPECT_NEAR((left + right) / 2, 250, 3);
  EXPECT_LT(top, 150);
  EXPECT_GT(bottom, 140) << "two lines around the middle";
  EXPECT_EQ(f.host.Pixel(5, 5), fw::ColorToRGB(fw::clWindow)) << "the grid is covered";
}

}  // namespace
