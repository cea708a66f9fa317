// The popup menus: every command's effect through a real right click and a click on the item,
// masks, captions, replacement and suppression, and the mouse rules of selecting and editing.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/controls/messages.h"
#include "tests/ntabed/ntabed_fixture.h"

namespace {

using ntest::EditorFixture;

bool Shown(const fw::TPopupMenu* menu, const std::string& item) {
  const auto& shown = menu->ShownItems();
  return std::find(shown.begin(), shown.end(), item) != shown.end();
}

// Grid cell of data cell (c, r) with the attribute column shown.
constexpr int G(int dataIndex) {
  return dataIndex + 1;
}

TEST(NTabEdMenus, MarkCommandsCoverRangeColumnsRowsOrAll) {
  struct Case {
    const char* path;
    int marked;  // cells with mark A afterwards (selection: columns 2..3, rows 2..3)
  };
  const Case cases[] = {{"Mark as type A/Range", 4},
                        {"Mark as type A/Column", 8},
                        {"Mark as type A/Row", 6},
                        {"Mark as type A/All", 12}};
  for (const Case& c : cases) {
    EditorFixture f;
    f.Select(2, 2, 3, 3);
    ASSERT_TRUE(f.ChooseFromMenu(G(2), 2, c.path)) << c.path;
    EXPECT_EQ(f.ed->NrOfMarkedDataA(), c.marked) << c.path;
    EXPECT_EQ(f.ed->NrOfMarkedDataB(), 0);
    EXPECT_EQ(f.fired["CellState"], 1);
  }
}

TEST(NTabEdMenus, UnmarkingClearsOneKindAndKeepsOtherBits) {
  EditorFixture f;
  f.ed->SetCellState(1, 1, zeb::csMarkA | zeb::csMarkB | zeb::csReadOnly);
  f.Select(1, 1, 1, 1);
  ASSERT_TRUE(f.ChooseFromMenu(G(1), 1, "Unmark type B/Range"));
  EXPECT_EQ(f.ed->GetCellState(1, 1), zeb::csMarkA | zeb::csReadOnly);
  ASSERT_TRUE(f.ChooseFromMenu(G(1), 1, "Unmark All"));
  EXPECT_EQ(f.ed->GetCellState(1, 1), zeb::csReadOnly);
}

TEST(NTabEdMenus, ClearEmptiesTheRangeUnlessTheApplicationClears) {
  EditorFixture f;
  f.ed->SetCellState(2, 2, zeb::csMarkA | zeb::csUndefined);
  f.Select(2, 2, 3, 2);
  f.fired.clear();
  ASSERT_TRUE(f.ChooseFromMenu(G(2), 2, "Clear"));
  EXPECT_EQ(f.ed->GetElem(2, 2), 0.0);
  EXPECT_EQ(f.ed->GetElem(3, 2), 0.0);
  EXPECT_EQ(f.ed->GetCellState(2, 2), 0);
  EXPECT_EQ(f.ed->GetElem(2, 3), 23.0);
  EXPECT_EQ(f.fired["Change"], 1);

  int cleared = 0;
  f.ed->OnClear = [&](fw::TObject*) { ++cleared; };
  f.ed->SetElem(1, 1, 5.0);
  f.Select(1, 1, 1, 1);
  ASSERT_TRUE(f.ChooseFromMenu(G(1), 1, "Clear"));
  EXPECT_EQ(cleared, 1);
  EXPECT_EQ(f.ed->GetElem(1, 1), 5.0);
}

TEST(NTabEdMenus, EmptyStatesToggleAndReset) {
  EditorFixture f;
  f.ed->SetIsEmpty(3, 4, true);
  f.Select(3, 3, 3, 4);
  ASSERT_TRUE(f.ChooseFromMenu(G(3), 3, "Toggle Empty State"));
  EXPECT_TRUE(f.ed->GetIsEmpty(3, 3));
  EXPECT_FALSE(f.ed->GetIsEmpty(3, 4));
  ASSERT_TRUE(f.ChooseFromMenu(G(3), 3, "Reset All Empty States"));
  EXPECT_FALSE(f.ed->GetIsEmpty(3, 3));
  EXPECT_GE(f.fired["Empty"], 2);
}

TEST(NTabEdMenus, SelectAllAndReadOnlyToggle) {
  EditorFixture f;
  ASSERT_TRUE(f.ChooseFromMenu(G(1), 1, "Select All"));
  EXPECT_EQ(f.ed->Selection(), (fw::TGridRect{2, 1, 4, 4}));
  ASSERT_TRUE(f.ChooseFromMenu(G(1), 1, "Data Read-Only"));
  EXPECT_TRUE(f.ed->DataReadOnly());
  // Read-only: Clear, Paste and Extract are disabled, the item shows its check image.
  f.ClickCell(G(1), 1, fw::mbRight);
  EXPECT_TRUE(Shown(f.ed->DataPopupMenu(), "Clear [disabled]"));
  EXPECT_TRUE(Shown(f.ed->DataPopupMenu(), "Extract from Clipboard [disabled]"));
  EXPECT_EQ(f.ed->DataPopupMenu()->Items()->Find("Data Read-Only")->Bitmap()->Width(), 16);
  ASSERT_TRUE(f.Choose("Data Read-Only"));
  EXPECT_FALSE(f.ed->DataReadOnly());
}

TEST(NTabEdMenus, MasksHideDataItemsAndDisableHeadingItems) {
  EditorFixture f;
  f.ed->SetPopupDMask(0x7FFFFFFF & ~(1 << 5) & ~(1 << 7));
  EXPECT_EQ(f.fired["ChangeSetup"], 1);
  f.Select(1, 1, 1, 1);
  ASSERT_TRUE(f.ChooseFromMenu(G(1), 1, "Copy"));
  f.ClickCell(G(1), 1, fw::mbRight);
  EXPECT_FALSE(Shown(f.ed->DataPopupMenu(), "Clear"));
  EXPECT_FALSE(Shown(f.ed->DataPopupMenu(), "Paste"));
  EXPECT_TRUE(Shown(f.ed->DataPopupMenu(), "Copy"));
  f.ed->DataPopupMenu()->CloseMenu();
  f.ed->SetPopupHMask(~(1 << 0));
  f.ClickCell(G(2), 0, fw::mbRight);
  EXPECT_TRUE(Shown(f.ed->HeadingPopupMenu(), "Edit Heading [disabled]"));
}

TEST(NTabEdMenus, PasteNeedsAnEarlierCopy) {
  EditorFixture f;
  f.ClickCell(G(1), 1, fw::mbRight);
  EXPECT_TRUE(Shown(f.ed->DataPopupMenu(), "Paste [disabled]"));
  ASSERT_TRUE(f.Choose("Copy"));
  f.ClickCell(G(1), 1, fw::mbRight);
  EXPECT_TRUE(Shown(f.ed->DataPopupMenu(), "Paste"));
}

TEST(NTabEdMenus, CaptionsCanBeRelabelledAndAreCut) {
  EditorFixture f;
  f.ed->SetPopupDCaption(6, "Wipe");
  f.ed->SetPopupMCaption(1, "Block");
  f.ed->SetPopupUCaption(4, "Everything");
  f.ed->SetPopupHCaption(1, std::string(70, 'h'));
  EXPECT_EQ(f.ed->GetPopupHCaption(1).size(), 50u);
  EXPECT_EQ(f.ed->GetPopupDCaption(14), "");
  EXPECT_EQ(f.ed->GetPopupMCaption(1), "Block");
  f.Select(1, 1, 1, 1);
  ASSERT_TRUE(f.ChooseFromMenu(G(1), 1, "Mark as type B/Block"));
  EXPECT_TRUE(f.ed->GetElemMarkedB(1, 1));
  ASSERT_TRUE(f.ChooseFromMenu(G(1), 1, "Unmark type B/Everything"));
  EXPECT_FALSE(f.ed->GetElemMarkedB(1, 1));
  f.ed->SetElem(1, 1, 7.0);
  ASSERT_TRUE(f.ChooseFromMenu(G(1), 1, "Wipe"));
  EXPECT_EQ(f.ed->GetElem(1, 1), 0.0);
}

TEST(NTabEdMenus, AnApplicationMenuOrTheBlockReplacesTheInternalMenus) {
  EditorFixture f;
  f.ed->SetBlockInternalPopup(true);
  f.ClickCell(G(1), 1, fw::mbRight);
  f.ClickCell(G(1), 0, fw::mbRight);
  EXPECT_FALSE(f.ed->DataPopupMenu()->IsOpen());
  EXPECT_FALSE(f.ed->HeadingPopupMenu()->IsOpen());
  f.ed->SetBlockInternalPopup(false);
  auto* own = new fw::TPopupMenu(f.host.Form());
  auto* item = new fw::TMenuItem(nullptr);
  item->SetCaption("Own");
  own->Items()->Add(item);
  f.ed->SetPopupMenu(own);
  f.ClickCell(G(1), 1, fw::mbRight);
  EXPECT_FALSE(f.ed->DataPopupMenu()->IsOpen());
  EXPECT_TRUE(own->IsOpen());
}

TEST(NTabEdMenus, HeadingMenuFitsColumnOrRow) {
  EditorFixture f;
  f.ClickCell(0, 2, fw::mbRight);
  const fw::TPopupMenu* menu = f.ed->HeadingPopupMenu();
  ASSERT_TRUE(menu->IsOpen());
  EXPECT_TRUE(Shown(menu, "Select Row"));
  EXPECT_TRUE(Shown(menu, "Insert Row"));
  EXPECT_TRUE(Shown(menu, "Delete Row"));
  EXPECT_TRUE(Shown(menu, "Change Precision [disabled]"));
  ASSERT_TRUE(f.Choose("Select Row"));
  EXPECT_EQ(f.ed->Selection(), (fw::TGridRect{2, 2, 4, 2}));
  ASSERT_TRUE(f.ChooseFromMenu(G(3), 0, "Select Column"));
  EXPECT_EQ(f.ed->Selection(), (fw::TGridRect{4, 1, 4, 4}));
}

TEST(NTabEdMenus, InsertAndDeleteThroughHeadings) {
  EditorFixture f;
  ASSERT_TRUE(f.ChooseFromMenu(G(2), 0, "Insert Column"));
  EXPECT_EQ(f.ed->NrOfColumns(), 4);
  EXPECT_EQ(f.ed->GetColName(2), "(...)");
  EXPECT_EQ(f.ed->GetElem(3, 1), 21.0);
  ASSERT_TRUE(f.ChooseFromMenu(0, 1, "Delete Row"));
  EXPECT_EQ(f.ed->NrOfRows(), 3);
  EXPECT_EQ(f.ed->GetElem(1, 1), 12.0);

  EditorFixture one(2, 1);
  one.fired.clear();
  ASSERT_TRUE(one.ChooseFromMenu(0, 1, "Delete Row"));
  EXPECT_EQ(one.ed->NrOfRows(), 1);
  EXPECT_EQ(one.fired["ChangeSetup"], 1);
}

// Each "Change Precision" steps down once and opens the menu again at the same place.
TEST(NTabEdMenus, ChangePrecisionCyclesAndReopens) {
  EditorFixture f;
  f.ed->SetDecPlaces(2, 0);
  ASSERT_TRUE(f.ChooseFromMenu(G(2), 0, "Change Precision"));
  EXPECT_EQ(f.ed->GetDecPlaces(2), -1);
  ASSERT_TRUE(f.ed->HeadingPopupMenu()->IsOpen());
  ASSERT_TRUE(f.Choose("Change Precision"));
  EXPECT_EQ(f.ed->GetDecPlaces(2), 10);
  ASSERT_TRUE(f.Choose("Change Precision"));
  EXPECT_EQ(f.ed->GetDecPlaces(2), 9);
  f.host.PressKey(fw::VK_ESCAPE);
  EXPECT_FALSE(f.ed->HeadingPopupMenu()->IsOpen());
}

TEST(NTabEdMenus, KeyboardWorksTheMenu) {
  EditorFixture f;
  f.Select(1, 1, 1, 1);
  f.ClickCell(G(1), 1, fw::mbRight);
  ASSERT_TRUE(f.ed->DataPopupMenu()->IsOpen());
  f.host.PressKey(fw::VK_DOWN);   // Mark as type A
  f.host.PressKey(fw::VK_RIGHT);  // into its submenu: Range
  f.host.PressKey(fw::VK_RETURN);
  EXPECT_FALSE(f.ed->DataPopupMenu()->IsOpen());
  EXPECT_TRUE(f.ed->GetElemMarkedA(1, 1));
  f.ClickCell(G(1), 1, fw::mbRight);
  f.host.Click(590, 350);  // outside every box
  EXPECT_FALSE(f.ed->DataPopupMenu()->IsOpen());
}

TEST(NTabEdMouse, AFirstClickSelectsASecondClickEdits) {
  EditorFixture f;
  f.ed->SetCellState(2, 2, zeb::csReadOnly);
  struct Case {
    int col, row;
    bool editable;
  };
  const Case cases[] = {{1, 1, true}, {2, 2, false}};
  for (const Case& c : cases) {
    f.ClickCell(G(c.col), c.row + 1);  // elsewhere first
    f.ClickCell(G(c.col), c.row);
    f.host.MouseDown(f.Centre(G(c.col), c.row).X, f.Centre(G(c.col), c.row).Y);
    EXPECT_EQ(f.ed->Options().Contains(fw::goEditing), c.editable) << c.col;
    f.host.MouseUp(f.Centre(G(c.col), c.row).X, f.Centre(G(c.col), c.row).Y);
  }
  f.ed->SetDataReadOnly(true);
  f.ClickCell(G(1), 1);
  f.ClickCell(G(1), 1);
  EXPECT_FALSE(f.ed->Options().Contains(fw::goEditing));
  EXPECT_FALSE(f.ed->EditorMode());
}

}  // namespace
