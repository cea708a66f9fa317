// Edit mouse and focus behaviour: click places the caret, drag and Shift+click select, double
// click selects a word, AutoSelect on keyboard focus, and the caret's blink.
#include <gtest/gtest.h>

#include "tests/framework_stdctrls/edit_fixture.h"

namespace fw {
namespace {

using test::EditFixture;

TEST(EditMouse, DragSelectsBetweenCharacterBoundaries) {
  EditFixture f;
  f.edit->SetText("drag \xC3\xA9\xC3\xA9 select");
  // Press just right of boundary 1, release just left of boundary 7.
  f.host.MouseDown(f.XOf(1) + 1, f.MidY());
  EXPECT_EQ(f.edit->CaretPos(), 1);
  f.host.MouseMove(f.XOf(4), f.MidY(), {ssLeft});
  EXPECT_EQ(f.edit->SelStart(), 1);
  EXPECT_EQ(f.edit->SelLength(), 3);
  f.host.MouseMove(f.XOf(7) - 1, f.MidY(), {ssLeft});
  f.host.MouseUp(f.XOf(7) - 1, f.MidY());
  EXPECT_EQ(f.edit->SelText(), "rag \xC3\xA9\xC3\xA9");
  // Dragging back past the anchor selects on the other side of it.
  f.host.MouseDown(f.XOf(3), f.MidY());
  f.host.MouseMove(f.XOf(0), f.MidY(), {ssLeft});
  f.host.MouseUp(f.XOf(0), f.MidY());
  EXPECT_EQ(f.edit->SelStart(), 0);
  EXPECT_EQ(f.edit->SelLength(), 3);
  EXPECT_EQ(f.edit->CaretPos(), 0);
  // Moving without the button held selects nothing more.
  f.host.MouseMove(f.XOf(5), f.MidY());
  EXPECT_EQ(f.edit->SelLength(), 3);
}

TEST(EditMouse, ClicksOutsideTheTextAndShiftClick) {
  EditFixture f;
  f.edit->SetText("abc");
  f.host.Click(f.edit->Left() + 150, f.MidY());
  EXPECT_EQ(f.edit->CaretPos(), 3);
  f.host.Click(f.edit->Left() + 1, f.MidY());
  EXPECT_EQ(f.edit->CaretPos(), 0);
  f.host.Click(f.XOf(2), f.MidY(), mbLeft, {ssShift});
  EXPECT_EQ(f.edit->SelStart(), 0);
  EXPECT_EQ(f.edit->SelLength(), 2);
}

TEST(EditMouse, DoubleClickSelectsTheWord) {
  EditFixture f;
  f.edit->SetText("one two three");
  f.host.DblClick(f.XOf(5), f.MidY());
  EXPECT_EQ(f.edit->SelText(), "two");
}

TEST(EditFocus, AutoSelectOnKeyboardFocusOnly) {
  TestHost host(320, 120);
  auto* first = new TEdit(host.Form());
  first->SetParent(host.Form());
  auto* second = new TEdit(host.Form());
  second->SetParent(host.Form());
  second->SetTop(40);
  second->SetText("all of it");
  host.Show();
  first->SetFocus();
  host.PressKey(VK_TAB);
  ASSERT_TRUE(second->Focused());
  EXPECT_EQ(second->SelLength(), 9);
  // Focus by a click places the caret instead.
  first->SetFocus();
  host.Click(second->Left() + second->PositionToX(3), 45);
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(second->SelLength(), 0);
  EXPECT_EQ(second->CaretPos(), 3);
  // Without AutoSelect keyboard focus keeps the caret.
  second->SetAutoSelect(false);
  first->SetFocus();
  host.PressKey(VK_TAB);
  EXPECT_EQ(second->SelLength(), 0);
}

TEST(EditFocus, CaretBlinksOnTheApplicationTimerWhileFocused) {
  EditFixture f;
  EXPECT_TRUE(f.edit->CaretShown());
  f.host.AdvanceTime(kCaretBlinkTime);
  EXPECT_FALSE(f.edit->CaretShown());
  f.host.AdvanceTime(kCaretBlinkTime);
  EXPECT_TRUE(f.edit->CaretShown());
  f.host.AdvanceTime(kCaretBlinkTime);
  // A key shows the caret at once and restarts the blink.
  f.host.TypeText("a");
  EXPECT_TRUE(f.edit->CaretShown());
  f.host.AdvanceTime(kCaretBlinkTime - 10);
  EXPECT_TRUE(f.edit->CaretShown());
  // Losing the focus hides it and stops the timer.
  auto* other = new TEdit(f.host.Form());
  other->SetParent(f.host.Form());
  other->SetTop(60);
  other->SetFocus();
  EXPECT_FALSE(f.edit->CaretShown());
}

TEST(EditFocus, RefusedTimerLeavesASteadyCaret) {
  TestHost host(320, 120);
  host.RefuseTimers(true);
  auto* edit = new TEdit(host.Form());
  edit->SetParent(host.Form());
  host.Show();
  edit->SetFocus();
  host.AdvanceTime(3 * kCaretBlinkTime);
  EXPECT_TRUE(edit->CaretShown());
}

}  // namespace
}  // namespace fw
