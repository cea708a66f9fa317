// The grid's in-place editor: how it opens (second click, typing, F2, Enter), how it ends
// (Enter writes through SetEditText, Escape restores, moving and leaving write through), how
// it follows scrolling and sizing, and the pick list.
#include <gtest/gtest.h>

#include <vector>

#include "framework/stdctrls/edit.h"
#include "tests/framework_grids/editor_fixture.h"

namespace fw {
namespace {

using test::EditorFixture;

TEST(GridEditor, SecondClickOnTheCurrentCellOpensIt) {
  EditorFixture f;
  f.ClickCell(2, 3);
  EXPECT_FALSE(f.grid->EditorMode());
  f.ClickCell(2, 3);
  ASSERT_TRUE(f.grid->EditorMode());
  TInplaceEdit* editor = f.grid->InplaceEditor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->Text(), "2:3");
  EXPECT_EQ(editor->SelLength(), 3);
  EXPECT_TRUE(editor->Focused());
  EXPECT_EQ(editor->BoundsRect(), f.grid->CellRect(2, 3));
  EXPECT_EQ(f.grid->EditorCell(), (TGridCoord{2, 3}));
}

TEST(GridEditor, NothingOpensWithoutEditingOrOnAFirstClick) {
  EditorFixture f;
  f.grid->SetOptions(f.grid->Options() - TGridOptions{goEditing});
  f.ClickCell(2, 3);
  f.ClickCell(2, 3);
  f.host.TypeText("x");
  f.host.PressKey(VK_F2);
  EXPECT_FALSE(f.grid->EditorMode());
  // Row selection never edits either.
  f.grid->SetOptions(f.grid->Options() + TGridOptions{goEditing, goRowSelect});
  f.host.TypeText("x");
  EXPECT_FALSE(f.grid->EditorMode());
  EXPECT_TRUE(f.grid->writes.empty());
}

TEST(GridEditor, TypingOpensItOnTheCharacterAndEnterWritesThrough) {
  EditorFixture f;
  f.ClickCell(3, 2);
  f.host.TypeText("\xC3\xA9t\xC3\xA9");  // "été"
  ASSERT_TRUE(f.grid->EditorMode());
  EXPECT_EQ(f.grid->InplaceEditor()->Text(), "\xC3\xA9t\xC3\xA9");
  EXPECT_TRUE(f.grid->writes.empty());
  f.Enter();
  EXPECT_FALSE(f.grid->EditorMode());
  EXPECT_FALSE(f.grid->InplaceEditor()->Visible());
  EXPECT_TRUE(f.grid->Focused());
  ASSERT_EQ(f.grid->writes.size(), 1u);
  EXPECT_EQ(f.grid->writes[0].col, 3);
  EXPECT_EQ(f.grid->writes[0].row, 2);
  EXPECT_EQ(f.grid->writes[0].value, "\xC3\xA9t\xC3\xA9");
  // Enter on a closed editor opens it with the stored text.
  f.Enter();
  ASSERT_TRUE(f.grid->EditorMode());
  EXPECT_EQ(f.grid->InplaceEditor()->Text(), "\xC3\xA9t\xC3\xA9");
}

TEST(GridEditor, EscapeRestoresWithoutWriting) {
  EditorFixture f;
  f.ClickCell(1, 1);
  f.host.PressKey(VK_F2);
  ASSERT_TRUE(f.grid->EditorMode());
  // F2 leaves the caret at the end, so typing appends.
  f.host.TypeText("xyz");
  EXPECT_EQ(f.grid->InplaceEditor()->Text(), "1:1xyz");
  f.Escape();
  EXPECT_FALSE(f.grid->EditorMode());
  EXPECT_TRUE(f.grid->writes.empty());
  EXPECT_EQ(f.grid->Cell(1, 1), "1:1");
  f.host.PressKey(VK_F2);
  EXPECT_EQ(f.grid->InplaceEditor()->Text(), "1:1");
}

TEST(GridEditor, MovingTheSelectionEndsTheEdit) {
  struct Case {
    const char* what;
    uint16_t key;
    TGridCoord after;
  };
  const Case cases[] = {
      {"Down", VK_DOWN, {2, 3}},
      {"Up", VK_UP, {2, 1}},
      {"Page Down", VK_NEXT, {2, 9}},
  };
  for (const Case& c : cases) {
    EditorFixture f;
    f.ClickCell(2, 2);
    f.host.TypeText("new");
    f.host.PressKey(c.key);
    EXPECT_FALSE(f.grid->EditorMode()) << c.what;
    EXPECT_EQ(f.grid->Cell(2, 2), "new") << c.what;
    EXPECT_EQ((TGridCoord{f.grid->Col(), f.grid->Row()}), c.after) << c.what;
    EXPECT_TRUE(f.grid->Focused()) << c.what;
  }
  // A click on another cell writes through too.
  EditorFixture f;
  f.ClickCell(2, 2);
  f.host.TypeText("clicked");
  f.ClickCell(4, 4);
  EXPECT_FALSE(f.grid->EditorMode());
  EXPECT_EQ(f.grid->Cell(2, 2), "clicked");
}

TEST(GridEditor, AlwaysShowEditorCarriesItToTheNextCell) {
  EditorFixture f;
  f.grid->SetOptions(f.grid->Options() + TGridOptions{goAlwaysShowEditor});
  f.ClickCell(2, 2);
  ASSERT_TRUE(f.grid->EditorMode());
  f.host.TypeText("a");  // replaces the selected text
  f.host.PressKey(VK_DOWN);
  EXPECT_TRUE(f.grid->EditorMode());
  EXPECT_EQ(f.grid->Cell(2, 2), "a");
  EXPECT_EQ(f.grid->EditorCell(), (TGridCoord{2, 3}));
  EXPECT_EQ(f.grid->InplaceEditor()->Text(), "2:3");
  EXPECT_EQ(f.grid->InplaceEditor()->BoundsRect(), f.grid->CellRect(2, 3));
  // Right at the end of the text moves on to the next column.
  f.host.PressKey(VK_END);
  f.host.PressKey(VK_RIGHT);
  EXPECT_EQ(f.grid->EditorCell(), (TGridCoord{3, 3}));
}

TEST(GridEditor, FocusLeavingTheGridWritesThrough) {
  EditorFixture f;
  auto* other = new TEdit(f.host.Form());
  other->SetParent(f.host.Form());
  other->SetBounds(10, 250, 100, 21);
  f.ClickCell(1, 2);
  f.host.TypeText("left");
  other->SetFocus();
  EXPECT_FALSE(f.grid->EditorMode());
  EXPECT_EQ(f.grid->Cell(1, 2), "left");
  EXPECT_TRUE(other->Focused());
}

TEST(GridEditor, TheEditorFollowsScrollingAndSizing) {
  EditorFixture f;
  f.ClickCell(1, 3);
  f.host.PressKey(VK_F2);
  TInplaceEdit* editor = f.grid->InplaceEditor();
  f.grid->SetColWidths(1, 120);
  EXPECT_EQ(editor->BoundsRect(), f.grid->CellRect(1, 3));
  EXPECT_EQ(editor->Width(), 120);
  f.grid->SetRowHeights(2, 40);
  EXPECT_EQ(editor->BoundsRect(), f.grid->CellRect(1, 3));
  // Scrolled out of view it hides; the edit stays open and comes back with its text.
  f.host.TypeText("kept");
  f.grid->SetTopRow(10);
  EXPECT_TRUE(f.grid->EditorMode());
  EXPECT_FALSE(editor->Visible());
  f.grid->SetTopRow(1);
  EXPECT_TRUE(editor->Visible());
  EXPECT_EQ(editor->BoundsRect(), f.grid->CellRect(1, 3));
  EXPECT_EQ(editor->Text(), "1:3kept");
  // Typing while the cell is out of view brings it back and goes on with the same edit.
  f.grid->SetTopRow(10);
  f.host.TypeText("!");
  EXPECT_TRUE(editor->Visible());
  EXPECT_EQ(editor->Text(), "1:3kept!");
  EXPECT_EQ(editor->BoundsRect(), f.grid->CellRect(1, 3));
}

// A grid that refuses characters in read-only cells, the way a derived grid guards its data.
class GuardedGrid : public test::TextGrid {
 public:
  using TextGrid::TextGrid;

 protected:
  void KeyPress(char32_t& Key) override {
    if (Col() == 1) {
      Key = 0;
      return;
    }
    TextGrid::KeyPress(Key);
  }
};

TEST(GridEditor, ADerivedGridSeesEveryCharacterFirst) {
  TestHost host(400, 300);
  auto* grid = new GuardedGrid(host.Form());
  grid->SetParent(host.Form());
  grid->SetBounds(0, 0, 300, 200);
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  host.Show();
  grid->SetFocus();
  host.TypeText("5");
  EXPECT_FALSE(grid->EditorMode());
  grid->SetCol(3);
  host.TypeText("5");
  ASSERT_TRUE(grid->EditorMode());
  // Characters typed into the open editor pass through the grid's KeyPress too.
  grid->CancelEditor();
  grid->SetCol(1);
  grid->SetOptions(grid->Options() + TGridOptions{goAlwaysShowEditor});
  grid->ShowEditor();
  host.TypeText("x");
  EXPECT_EQ(grid->InplaceEditor()->Text(), "");
}

// Records what each character is after the base grid handled it.
class RecordingGrid : public test::TextGrid {
 public:
  using TextGrid::TextGrid;
  std::vector<char32_t> after;

 protected:
  void KeyPress(char32_t& Key) override {
    TextGrid::KeyPress(Key);
    after.push_back(Key);
  }
};

TEST(GridEditor, EnterIsConsumedAndEscapeStaysForDerivedGrids) {
  TestHost host(400, 300);
  auto* grid = new RecordingGrid(host.Form());
  grid->SetParent(host.Form());
  grid->SetBounds(0, 0, 300, 200);
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  host.Show();
  grid->SetFocus();
  host.KeyPress(U'\r');  // opens
  host.KeyPress(U'x');   // typed into the editor, seen by the grid first
  host.KeyPress(U'\r');  // accepts
  host.KeyPress(U'\r');  // opens again
  host.KeyPress(0x1B);   // cancels
  EXPECT_EQ(grid->after, (std::vector<char32_t>{0, U'x', 0, 0, 0x1B}));
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cell(1, 1), "x");
}

}  // namespace
}  // namespace fw
