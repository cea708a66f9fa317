// The pick-list editor: the list drops below the cell, arrows and Enter choose, a click on an
// item chooses, Escape closes without choosing, and the chosen item is written through.
#include <gtest/gtest.h>

#include "tests/framework_grids/editor_fixture.h"

namespace fw {
namespace {

using test::EditorFixture;

struct PickFixture : EditorFixture {
  TInplaceEditList* OpenPick() {
    grid->cells[{2, 3}] = "green";
    ClickCell(2, 3);
    host.PressKey(VK_F2);
    return Editor();
  }
};

TEST(GridPickList, ArrowsAndEnterChooseAnItem) {
  PickFixture f;
  TInplaceEditList* editor = f.OpenPick();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->EditStyle(), esPickList);
  EXPECT_FALSE(editor->ListVisible());
  f.host.PressKey(VK_DOWN, {ssAlt});
  ASSERT_TRUE(editor->ListVisible());
  // The item matching the text is chosen; the list lies below the cell, DropDownRows high.
  EXPECT_EQ(editor->ItemIndex(), 1);
  TPickListPopup* list = editor->ListControl();
  const TRect cell = f.grid->CellRect(2, 3);
  EXPECT_EQ(list->Left(), cell.Left);
  EXPECT_EQ(list->Top(), cell.Bottom);
  EXPECT_EQ(list->Height(), 2 * list->ItemHeight() + 2);
  f.host.PressKey(VK_DOWN);
  EXPECT_EQ(editor->ItemIndex(), 2);
  EXPECT_EQ(list->TopIndex(), 1);  // scrolled to keep the choice in view
  EXPECT_EQ(f.grid->Row(), 3);     // the grid did not move
  f.Enter();
  EXPECT_FALSE(editor->ListVisible());
  EXPECT_TRUE(f.grid->EditorMode());
  EXPECT_EQ(editor->Text(), "blue");
  ASSERT_FALSE(f.grid->writes.empty());
  EXPECT_EQ(f.grid->writes.back().value, "blue");
  EXPECT_EQ(f.grid->Cell(2, 3), "blue");
}

TEST(GridPickList, AClickOnTheButtonAndOnAnItemChooses) {
  PickFixture f;
  TInplaceEditList* editor = f.OpenPick();
  const TRect button = editor->ButtonRect();
  const TPoint origin = editor->FormOrigin();
  f.host.Click(origin.X + (button.Left + button.Right) / 2, origin.Y + button.Bottom / 2);
  ASSERT_TRUE(editor->ListVisible());
  TPickListPopup* list = editor->ListControl();
  const int y = list->Top() + 1 + list->ItemHeight() / 2;  // the first row: "red"
  f.host.MouseMove(list->Left() + 10, y);
  f.host.Click(list->Left() + 10, y);
  EXPECT_FALSE(editor->ListVisible());
  EXPECT_EQ(f.grid->Cell(2, 3), "red");
  EXPECT_TRUE(editor->Focused());
}

TEST(GridPickList, EscapeClosesTheListOnlyAndAPlainCellHasNoButton) {
  PickFixture f;
  TInplaceEditList* editor = f.OpenPick();
  f.host.PressKey(VK_F4);
  ASSERT_TRUE(editor->ListVisible());
  f.host.PressKey(VK_DOWN);
  f.Escape();
  EXPECT_FALSE(editor->ListVisible());
  EXPECT_TRUE(f.grid->EditorMode());
  EXPECT_EQ(editor->Text(), "green");
  EXPECT_TRUE(f.grid->writes.empty());
  // A second Escape ends the edit.
  f.Escape();
  EXPECT_FALSE(f.grid->EditorMode());
  // Column 3 edits as plain text: no button, no list.
  f.ClickCell(3, 3);
  f.host.PressKey(VK_F2);
  EXPECT_EQ(editor->EditStyle(), esSimple);
  EXPECT_TRUE(IsRectEmpty(editor->ButtonRect()));
  f.host.PressKey(VK_DOWN, {ssAlt});
  EXPECT_FALSE(editor->ListVisible());
}

TEST(GridPickList, DeletingTheGridWithTheListDownTakesTheListAlong) {
  PickFixture f;
  TInplaceEditList* editor = f.OpenPick();
  f.host.PressKey(VK_F4);
  ASSERT_TRUE(editor->ListVisible());
  const int before = f.host.Form()->ControlCount();
  delete f.grid;
  EXPECT_EQ(f.host.Form()->ControlCount(), before - 2);  // the grid and its list
  f.host.ProcessMessages();
}

// A grid whose column 4 offers an ellipsis button.
class EllipsisGrid : public test::TextGrid {
 public:
  using TextGrid::TextGrid;
  TEditStyle GetEditStyle(int ACol, int ARow) override {
    return ACol == 4 ? esEllipsis : TextGrid::GetEditStyle(ACol, ARow);
  }
};

TEST(GridPickList, TheEllipsisButtonFiresItsEvent) {
  TestHost host(400, 300);
  auto* grid = new EllipsisGrid(host.Form());
  grid->SetParent(host.Form());
  grid->SetBounds(0, 0, 360, 200);
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  host.Show();
  grid->SetFocus();
  grid->SetCol(4);
  host.PressKey(VK_F2);
  auto* editor = dynamic_cast<TInplaceEditList*>(grid->InplaceEditor());
  ASSERT_NE(editor, nullptr);
  int clicks = 0;
  editor->OnEditButtonClick = [&](TObject*) { ++clicks; };
  EXPECT_EQ(editor->EditStyle(), esEllipsis);
  const TRect button = editor->ButtonRect();
  ASSERT_FALSE(IsRectEmpty(button));
  const TPoint origin = editor->FormOrigin();
  host.Click(origin.X + button.Left + 4, origin.Y + 4);
  host.PressKey(VK_RETURN, {ssCtrl});
  EXPECT_EQ(clicks, 2);
  // The text stops short of the button.
  EXPECT_LE(editor->TextArea().Right, button.Left);
  EXPECT_FALSE(editor->ListVisible());
}

}  // namespace
}  // namespace fw
