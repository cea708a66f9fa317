// Edit undo: one level, a typed run as one edit, Undo twice restores, the selection comes
// back with the text, and setting Text or ClearUndo forgets it.
#include <gtest/gtest.h>

#include "framework/stdctrls/memo.h"
#include "tests/framework_stdctrls/edit_fixture.h"

namespace fw {
namespace {

using UndoFixture = test::EditFixture;

void Undo(UndoFixture& f) {
  f.Press('Z', {ssCtrl});
}

TEST(EditUndo, NothingToUndoAtFirst) {
  UndoFixture f;
  EXPECT_FALSE(f.edit->CanUndo());
  Undo(f);
  EXPECT_EQ(f.edit->Text(), "");
  EXPECT_EQ(f.changes, 0);
}

TEST(EditUndo, ATypedRunIsOneEditAndUndoTwiceRestoresIt) {
  UndoFixture f;
  f.host.TypeText("ab\u00e9\u20ac");
  EXPECT_TRUE(f.edit->CanUndo());
  const int changesBefore = f.changes;
  Undo(f);
  EXPECT_EQ(f.edit->Text(), "");
  EXPECT_EQ(f.changes, changesBefore + 1);
  Undo(f);
  EXPECT_EQ(f.edit->Text(), "ab\u00e9\u20ac");
  EXPECT_EQ(f.edit->SelStart(), 4);
}

TEST(EditUndo, TypingElsewhereStartsANewEdit) {
  UndoFixture f;
  f.host.TypeText("\u00e9\u20ac");
  f.Press(VK_LEFT);
  f.host.TypeText("x");
  EXPECT_EQ(f.edit->Text(), "\u00e9x\u20ac");
  Undo(f);
  EXPECT_EQ(f.edit->Text(), "\u00e9\u20ac");
  EXPECT_EQ(f.edit->SelStart(), 1) << "the caret goes back to where it was";
}

// Each kind of edit comes back whole, with the selection it replaced.
TEST(EditUndo, DeletingCuttingAndPastingAreUndone) {
  struct Case {
    const char* what;
    void (*act)(UndoFixture&);
    const char* after;
  };
  const Case cases[] = {
      {"delete", [](UndoFixture& f) { f.Press(VK_DELETE); }, "hello "},
      {"cut", [](UndoFixture& f) { f.Press('X', {ssCtrl}); }, "hello "},
      {"paste", [](UndoFixture& f) { f.Press('V', {ssCtrl}); }, "hello \u00fcber"},
      {"type over", [](UndoFixture& f) { f.host.TypeText("Z"); }, "hello Z"},
  };
  for (const Case& c : cases) {
    UndoFixture f;
    f.host.SetClipboardText("\u00fcber");
    f.edit->SetText("hello world");
    f.edit->SetSelStart(6);
    f.edit->SetSelLength(5);
    c.act(f);
    EXPECT_EQ(f.edit->Text(), c.after) << c.what;
    Undo(f);
    EXPECT_EQ(f.edit->Text(), "hello world") << c.what;
    EXPECT_EQ(f.edit->SelStart(), 6) << c.what;
    EXPECT_EQ(f.edit->SelLength(), 5) << c.what;
  }
}

TEST(EditUndo, SettingTextClearUndoAndReadOnlyStopIt) {
  UndoFixture f;
  f.host.TypeText("abc");
  f.edit->SetText("set");
  EXPECT_FALSE(f.edit->CanUndo());
  Undo(f);
  EXPECT_EQ(f.edit->Text(), "set");
  f.host.TypeText("x");
  f.edit->ClearUndo();
  Undo(f);
  EXPECT_EQ(f.edit->Text(), "setx");
  f.host.TypeText("y");
  f.edit->SetReadOnly(true);
  f.edit->Undo();
  EXPECT_EQ(f.edit->Text(), "setxy");
  f.edit->SetReadOnly(false);
  f.edit->Undo();
  EXPECT_EQ(f.edit->Text(), "setx");
}

TEST(EditUndo, MemoUndoesALineBreak) {
  TestHost host(200, 150);
  auto* memo = new TMemo(host.Form());
  memo->SetParent(host.Form());
  memo->SetBounds(0, 0, 150, 100);
  host.Show();
  memo->SetFocus();
  host.TypeText("one");
  host.PressKey(VK_RETURN);
  host.KeyPress(U'\r');
  EXPECT_EQ(memo->Text(), "one\n");
  memo->Undo();
  EXPECT_EQ(memo->Text(), "one");
  memo->Lines()->Add("two");
  EXPECT_FALSE(memo->CanUndo());
}

}  // namespace
}  // namespace fw
