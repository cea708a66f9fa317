// Report list view in-place editing: which cells open the grid's editor, the text it offers
// and how the accepted text is written (behind check flags, through the column order), with
// the edit events, AutoAdvance and structure changes closing an open editor.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "framework/controls/messages.h"
#include "framework/grids/inplace_edit.h"
#include "replist/ZEB_replist.h"
#include "rlview_fixture.h"

namespace {

using rltest::ViewFixture;

// A view whose column 2 is editable, with cell editing instead of row select.
struct EditFixture : ViewFixture {
  EditFixture() : ViewFixture(3, 6) {
    view->SetOptions(view->Options() - fw::TGridOptions{fw::goRowSelect});
    view->SetColumnEditable(2, true);
  }
  // Clicks the cell twice: the second click on the current cell opens the editor.
  void Open(int gridCol, int row) {
    Click(gridCol, row);
    Click(gridCol, row);
  }
};

TEST(ReportListViewEdit, EditableCellsOpenTheEditorAndWriteBack) {
  EditFixture f;
  std::vector<std::string> set;
  f.view->OnSetEditText = [&](fw::TObject*, int c, int r, const std::string& v) {
    set.push_back(std::to_string(c) + "," + std::to_string(r) + "=" + v);
  };
  f.Open(1, 3);
  ASSERT_TRUE(f.view->EditorMode());
  EXPECT_EQ(f.view->InplaceEditor()->Text(), "r3c2");
  f.host.TypeText("new");
  f.host.KeyPress(U'\r');
  EXPECT_FALSE(f.view->EditorMode());
  EXPECT_EQ(f.view->GetElem(2, 3), "new");
  EXPECT_EQ(set, (std::vector<std::string>{"1,3=new"}));
}

TEST(ReportListViewEdit, OnlyEditableColumnsOfEnabledRowsEdit) {
  EditFixture f;
  f.Open(0, 2);
  EXPECT_FALSE(f.view->EditorMode()) << "column 1 is not editable";
  f.host.PressKey(fw::VK_F2);
  EXPECT_FALSE(f.view->EditorMode());
  f.view->SetRowEnabled(4, false);
  f.Open(1, 4);
  EXPECT_FALSE(f.view->EditorMode()) << "disabled row";
  f.Click(1, 5);
  f.host.PressKey(fw::VK_F2);
  EXPECT_TRUE(f.view->EditorMode());
}

TEST(ReportListViewEdit, CheckCellsKeepTheirMark) {
  EditFixture f;
  f.view->SetColCheckMode(2, zeb::cmBox);
  f.view->SetElemChecked(2, 2, true);
  f.view->OnGetEditText = [](fw::TObject*, int c, int r, std::string& v) {
    if (c == 1 && r == 2) v += "!";
  };
  f.Open(1, 2);
  ASSERT_TRUE(f.view->EditorMode());
  EXPECT_EQ(f.view->InplaceEditor()->Text(), "r2c2!");
  f.host.TypeText("done");
  f.host.KeyPress(U'\r');
  EXPECT_EQ(f.view->GetElem(2, 2), "done");
  EXPECT_TRUE(f.view->GetElemChecked(2, 2));
}

TEST(ReportListViewEdit, PasswordsStayHiddenInTheEditor) {
  EditFixture f;
  f.view->SetColumnIsPwd(2, true);
  f.Open(1, 1);
  ASSERT_TRUE(f.view->EditorMode());
  EXPECT_EQ(f.view->InplaceEditor()->PasswordChar(), U'*');
  f.host.KeyPress(0x1B);
  f.view->SetColumnIsPwd(2, false);
  f.Open(1, 2);
  EXPECT_EQ(f.view->InplaceEditor()->PasswordChar(), U'\0');
}

TEST(ReportListViewEdit, TheColumnOrderAppliesToEditing) {
  EditFixture f;
  const std::array<int, 3> order{2, 1, 3};
  f.view->SetColumnOrder(order);
  f.Click(2, 2);
  f.Open(0, 1);  // grid column 0 shows data column 2
  ASSERT_TRUE(f.view->EditorMode());
  EXPECT_EQ(f.view->InplaceEditor()->Text(), "r1c2");
  std::vector<int> gets, sets;
  f.view->OnGetEditText = [&](fw::TObject*, int c, int, std::string&) { gets.push_back(c); };
  f.view->OnSetEditText = [&](fw::TObject*, int c, int, const std::string&) { sets.push_back(c); };
  f.host.TypeText("z");
  f.host.KeyPress(U'\r');
  EXPECT_EQ(f.view->GetElem(2, 1), "z");
  // The editing events name the grid column the editor sits in.
  EXPECT_EQ(sets, (std::vector<int>{0}));
  for (int c : gets) EXPECT_EQ(c, 0);
  EXPECT_EQ(f.view->GetElem(1, 1), "r1c1");
}

TEST(ReportListViewEdit, AutoAdvanceAcceptsAndMovesDown) {
  EditFixture f;
  f.view->SetAutoAdvance(true);
  f.Open(1, 2);
  ASSERT_TRUE(f.view->EditorMode());
  f.host.TypeText("a");
  EXPECT_TRUE(f.view->EditorMode()) << "typing does not advance";
  f.host.KeyPress(U'\r');
  EXPECT_EQ(f.view->GetElem(2, 2), "a");
  EXPECT_EQ(f.view->Row(), 3);
  EXPECT_EQ(f.view->GetSelectedRows(), (zeb::TIntArray{3}));
}

TEST(ReportListViewEdit, StructureChangesCloseTheEditorWritingThrough) {
  EditFixture f;
  f.Open(1, 2);
  ASSERT_TRUE(f.view->EditorMode());
  f.host.TypeText("kept");
  f.view->InsertRow(1);
  EXPECT_FALSE(f.view->EditorMode());
  EXPECT_EQ(f.view->GetElem(2, 3), "kept");
}

}  // namespace
