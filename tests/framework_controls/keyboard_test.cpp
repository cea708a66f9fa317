// Keyboard and focus: keys to the focused control with the KeyPreview form first, Tab and
// arrow navigation by tab order unless the control asks for those keys, enter and exit
// notifications, and focus rules for hidden, disabled and deleted controls.
#include <gtest/gtest.h>

#include "framework/controls/screen.h"
#include "tests/framework_controls/probes.h"

namespace fw {
namespace {

using test::AddWin;
using test::Journal;
using test::TProbeWin;

class Keyboard : public ::testing::Test {
 protected:
  TProbeWin* Field(TWinControl* parent, const std::string& name, int x) {
    TProbeWin* w = AddWin(parent, name, Bounds(x, 0, 20, 20), &journal);
    w->SetTabStop(true);
    return w;
  }
  std::string Focus() const {
    TWinControl* c = Screen->ActiveControl();
    return c ? c->Name() : "(none)";
  }
  Journal Only(const std::string& what) const {
    Journal out;
    for (const auto& e : journal)
      if (e.find(what) != std::string::npos) out.push_back(e);
    return out;
  }

  TestHost host{200, 100};
  Journal journal;
};

TEST_F(Keyboard, ShowingFocusesTheFirstTabStopInTabOrder) {
  TProbeWin* a = Field(host.Form(), "A", 0);
  TProbeWin* b = Field(host.Form(), "B", 30);
  b->SetTabOrder(0);
  host.Show();
  EXPECT_EQ(Focus(), "B");
  EXPECT_TRUE(b->Focused());
  EXPECT_FALSE(a->Focused());
  EXPECT_EQ(a->TabOrder(), 1);
}

TEST_F(Keyboard, KeysReachTheFocusedControlAfterTheKeyPreviewForm) {
  Field(host.Form(), "A", 0);
  host.Show();
  Journal order;
  host.Form()->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
    order.push_back("form " + std::to_string(key));
    if (key == VK_ESCAPE) key = 0;  // eaten by the form
  };
  host.Form()->OnKeyPress = [&](TObject*, char32_t& key) {
    if (key == U'x') key = U'y';  // changed on the way
  };
  host.KeyDown('Q');
  EXPECT_EQ(order, Journal{});  // no preview yet
  host.Form()->SetKeyPreview(true);
  host.KeyDown('Q');
  host.KeyDown(VK_ESCAPE);
  host.KeyPress(U'x');
  host.KeyUp('Q');
  EXPECT_EQ(order, (Journal{"form 81", "form 27"}));
  EXPECT_EQ(Only("A key").size() + Only("A char").size(), 4u);
  EXPECT_EQ(Only("A keydown"), (Journal{"A keydown 81", "A keydown 81"}));
  EXPECT_EQ(Only("A char"), (Journal{"A char 121"}));
}

TEST_F(Keyboard, KeyHandlersSeeTheModifierKeys) {
  TProbeWin* a = Field(host.Form(), "A", 0);
  host.Show();
  TShiftState seen;
  a->OnKeyDown = [&](TObject*, uint16_t&, TShiftState s) { seen = s; };
  host.KeyDown('C', {ssCtrl});
  EXPECT_EQ(seen, TShiftState{ssCtrl});
  EXPECT_LT(GetKeyState(VK_CONTROL), 0);
  host.KeyUp('C');
  EXPECT_EQ(GetKeyState(VK_CONTROL), 0);
}

TEST_F(Keyboard, TabMovesByTabOrderSkippingWhatCannotTakeTheFocus) {
  Field(host.Form(), "A", 0);
  TProbeWin* b = Field(host.Form(), "B", 30);
  TProbeWin* panel = Field(host.Form(), "Panel", 60);
  panel->SetTabStop(false);
  Field(panel, "P1", 0);
  TProbeWin* p2 = Field(panel, "P2", 0);
  Field(host.Form(), "C", 90);
  TProbeWin* hidden = Field(host.Form(), "Hidden", 120);
  hidden->Hide();
  host.Show();
  Journal visited{Focus()};
  for (int i = 0; i < 5; ++i) {
    host.PressKey(VK_TAB);
    visited.push_back(Focus());
  }
  EXPECT_EQ(visited, (Journal{"A", "B", "P1", "P2", "C", "A"}));
  host.PressKey(VK_TAB, {ssShift});
  EXPECT_EQ(Focus(), "C");
  b->SetEnabled(false);
  p2->Hide();
  host.PressKey(VK_TAB, {ssShift});
  host.PressKey(VK_TAB, {ssShift});
  EXPECT_EQ(Focus(), "A");
  EXPECT_TRUE(Only("keydown 9").empty());  // Tab was used for navigation only
}

TEST_F(Keyboard, AControlThatWantsTabOrArrowsGetsThemAsKeys) {
  TProbeWin* grid = Field(host.Form(), "Grid", 0);
  Field(host.Form(), "Next", 30);
  host.Show();
  grid->dialogCode = DLGC_WANTTAB | DLGC_WANTARROWS;
  host.PressKey(VK_TAB);
  host.PressKey(VK_RIGHT);
  EXPECT_EQ(Focus(), "Grid");
  EXPECT_EQ(Only("keydown"), (Journal{"Grid keydown 9", "Grid keydown 39"}));
  grid->dialogCode = DLGC_WANTALLKEYS;
  host.PressKey(VK_TAB);
  EXPECT_EQ(Focus(), "Grid");
  grid->dialogCode = 0;
  host.PressKey(VK_RIGHT);
  EXPECT_EQ(Focus(), "Next");
}

TEST_F(Keyboard, ArrowsMoveAmongSiblingsIgnoringTabStop) {
  Field(host.Form(), "A", 0);
  TProbeWin* b = Field(host.Form(), "B", 30);
  b->SetTabStop(false);
  TProbeWin* panel = Field(host.Form(), "Panel", 60);
  Field(panel, "Inner", 0);
  host.Show();
  host.PressKey(VK_DOWN);
  EXPECT_EQ(Focus(), "B");
  host.PressKey(VK_RIGHT);
  EXPECT_EQ(Focus(), "Panel");
  host.PressKey(VK_UP);
  EXPECT_EQ(Focus(), "B");
}

TEST_F(Keyboard, FocusChangesTellBothControlsInOrder) {
  TProbeWin* a = Field(host.Form(), "A", 0);
  TProbeWin* b = Field(host.Form(), "B", 30);
  host.Show();
  int enters = 0, exits = 0;
  b->OnEnter = [&](TObject*) { ++enters; };
  a->OnExit = [&](TObject*) { ++exits; };
  journal.clear();
  b->SetFocus();
  EXPECT_EQ(journal, (Journal{"A cm-exit", "A killfocus", "B cm-enter", "B setfocus"}));
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(exits, 1);
  b->SetFocus();  // already focused: nothing
  EXPECT_EQ(journal.size(), 4u);
}

TEST_F(Keyboard, NextDialogControlMessageMovesTheFocus) {
  Field(host.Form(), "A", 0);
  Field(host.Form(), "B", 30);
  Field(host.Form(), "C", 60);
  host.Show();
  host.Form()->Perform(WM_NEXTDLGCTL, 0, 0);
  EXPECT_EQ(Focus(), "B");
  host.Form()->Perform(WM_NEXTDLGCTL, 1, 0);
  EXPECT_EQ(Focus(), "A");
  TProbeWin* panel = Field(host.Form(), "Panel", 90);
  panel->SetTabStop(false);
  TProbeWin* inner = Field(panel, "Inner", 0);
  inner->SetFocus();
  panel->Perform(WM_NEXTDLGCTL, 0, 0);  // sent to a parent that is not the form
  EXPECT_EQ(Focus(), "A");
}

TEST_F(Keyboard, FocusLeavesControlsThatAreHiddenDisabledOrDeleted) {
  TProbeWin* a = Field(host.Form(), "A", 0);
  TProbeWin* b = Field(host.Form(), "B", 30);
  TProbeWin* c = Field(host.Form(), "C", 60);
  host.Show();
  a->Hide();
  EXPECT_EQ(Focus(), "(none)");
  b->SetFocus();
  b->SetEnabled(false);
  EXPECT_EQ(Focus(), "(none)");
  c->SetFocus();
  delete c;
  EXPECT_EQ(Focus(), "(none)");
  host.KeyDown('A');                               // goes to the form, nothing stale
  EXPECT_THROW(a->SetFocus(), EInvalidOperation);  // hidden on a visible form
  EXPECT_THROW(b->SetFocus(), EInvalidOperation);  // disabled
}

TEST_F(Keyboard, KeysWithoutAFocusedControlGoToTheForm) {
  host.Show();
  std::vector<uint16_t> keys;
  host.Form()->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) { keys.push_back(key); };
  host.KeyDown(VK_F5);
  EXPECT_EQ(keys, (std::vector<uint16_t>{VK_F5}));
}

TEST_F(Keyboard, TypedTextArrivesAsCodePoints) {
  Field(host.Form(), "A", 0);
  host.Show();
  host.TypeText("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xFF");  // a é € 😀 and a stray byte
  EXPECT_EQ(Only("char"),
            (Journal{"A char 97", "A char 233", "A char 8364", "A char 128512", "A char 65533"}));
}

}  // namespace
}  // namespace fw
