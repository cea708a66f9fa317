// Mouse dispatch: hit-testing, the order of press, click and release, capture and drags,
// double clicks by time and distance, enter and leave, the wheel, and the cursor shown.
#include <gtest/gtest.h>

#include "framework/controls/screen.h"
#include "tests/framework_controls/probes.h"

namespace fw {
namespace {

using test::AddGraphic;
using test::AddWin;
using test::Journal;

// Journal entries other than enter/leave/move, for tests about buttons.
Journal Buttons(const Journal& j) {
  Journal out;
  for (const auto& e : j)
    if (e.find(" enter") == std::string::npos && e.find(" leave") == std::string::npos &&
        e.find(" move") == std::string::npos && e.find(" paint") == std::string::npos)
      out.push_back(e);
  return out;
}

class MouseDispatch : public ::testing::Test {
 protected:
  void SetUp() override { host.Show(); }
  TestHost host{200, 100};
  Journal journal;
};

TEST_F(MouseDispatch, AClickPressesClicksAndReleasesInLocalCoordinates) {
  AddGraphic(host.Form(), "A", Bounds(10, 20, 30, 30), &journal);
  host.Click(15, 27);
  EXPECT_EQ(Buttons(journal), (Journal{"A down 5,7", "A click", "A up 5,7"}));
}

TEST_F(MouseDispatch, TheTopmostVisibleEnabledControlIsHit) {
  auto* under = AddGraphic(host.Form(), "Under", Bounds(0, 0, 100, 100), &journal);
  auto* over = AddGraphic(host.Form(), "Over", Bounds(0, 0, 50, 50), &journal);
  auto* win = AddWin(host.Form(), "Win", Bounds(40, 40, 20, 20), &journal);  // above graphics
  auto* inner = AddGraphic(win, "Inner", Bounds(5, 5, 5, 5), &journal);
  struct Case {
    int x, y;
    const char* expected;
  } cases[] = {{10, 10, "Over"}, {70, 70, "Under"}, {41, 41, "Win"}, {46, 46, "Inner"}};
  for (const auto& c : cases) {
    journal.clear();
    host.Click(c.x, c.y);
    ASSERT_FALSE(Buttons(journal).empty()) << c.x << "," << c.y;
    EXPECT_EQ(Buttons(journal)[0].substr(0, Buttons(journal)[0].find(' ')), c.expected)
        << c.x << "," << c.y;
  }
  over->Hide();
  journal.clear();
  host.Click(10, 10);
  EXPECT_EQ(Buttons(journal)[0], "Under down 10,10");
  under->SetEnabled(false);
  journal.clear();
  host.Click(10, 10);
  EXPECT_TRUE(Buttons(journal).empty());  // the form itself took it
  (void)inner;
}

TEST_F(MouseDispatch, MovesAndReleaseGoToTheCapturingControlDuringADrag) {
  AddGraphic(host.Form(), "A", Bounds(10, 10, 20, 20), &journal);
  AddGraphic(host.Form(), "B", Bounds(50, 10, 20, 20), &journal);
  host.MouseDown(15, 15);
  host.MouseMove(55, 15);  // over B, but A holds the capture
  host.MouseMove(5, 5);    // left of A: negative local coordinates
  host.MouseUp(55, 15);
  Journal expected{"A down 5,5", "A move 45,5", "A move -5,-5", "A up 45,5"};
  Journal got;
  for (const auto& e : journal)
    if (e.find(" down") != std::string::npos || e.find(" move") != std::string::npos ||
        e.find(" up") != std::string::npos || e.find(" click") != std::string::npos)
      got.push_back(e);
  EXPECT_EQ(got, expected);  // no click: released outside
  journal.clear();
  host.MouseMove(60, 15);  // capture ended: B gets moves now
  EXPECT_EQ(journal.back(), "B move 10,5");
}

TEST_F(MouseDispatch, ADragThatComesBackInsideStillClicks) {
  AddGraphic(host.Form(), "A", Bounds(10, 10, 20, 20), &journal);
  host.MouseDown(15, 15);
  host.MouseMove(100, 50);
  host.MouseMove(20, 20);
  host.MouseUp(20, 20);
  EXPECT_EQ(Buttons(journal), (Journal{"A down 5,5", "A click", "A up 10,10"}));
}

TEST_F(MouseDispatch, RightAndMiddleButtonsPressAndReleaseWithoutClick) {
  AddGraphic(host.Form(), "A", Bounds(0, 0, 20, 20), &journal);
  host.Click(5, 5, mbRight);
  host.Click(5, 5, mbMiddle);
  EXPECT_EQ(Buttons(journal), (Journal{"A down right 5,5", "A up right 5,5", "A down middle 5,5",
                                       "A up middle 5,5"}));
}

TEST_F(MouseDispatch, ShiftStateCarriesModifiersAndHeldButtons) {
  auto* a = AddGraphic(host.Form(), "A", Bounds(0, 0, 20, 20));
  TShiftState down, up, moved;
  a->OnMouseDown = [&](TObject*, TMouseButton, TShiftState s, int, int) { down = s; };
  a->OnMouseMove = [&](TObject*, TShiftState s, int, int) { moved = s; };
  a->OnMouseUp = [&](TObject*, TMouseButton, TShiftState s, int, int) { up = s; };
  host.MouseDown(5, 5, mbLeft, {ssShift, ssAlt});
  host.MouseMove(6, 6, {ssCtrl});
  host.MouseUp(6, 6, mbLeft, {});
  EXPECT_EQ(down, (TShiftState{ssShift, ssAlt, ssLeft}));
  EXPECT_EQ(moved, (TShiftState{ssCtrl, ssLeft}));
  EXPECT_EQ(up, TShiftState{});
}

TEST_F(MouseDispatch, SecondPressMakesADoubleClickOnlyWithinTimeAndDistance) {
  struct Case {
    int64_t delay;
    int dx, dy;
    bool doubleClick;
  } cases[] = {{0, 0, 0, true},    {500, 0, 0, true},   {501, 0, 0, false}, {100, 4, -4, true},
               {100, 5, 0, false}, {100, 0, -5, false}, {499, 4, 4, true}};
  for (const auto& c : cases) {
    TestHost local(200, 100);
    local.Show();
    Journal j;
    AddGraphic(local.Form(), "A", Bounds(0, 0, 100, 100), &j);
    local.MouseDown(50, 50);
    local.MouseUp(50, 50);
    local.AdvanceTime(c.delay);
    local.MouseDown(50 + c.dx, 50 + c.dy);
    local.MouseUp(50 + c.dx, 50 + c.dy);
    const bool got = std::find(j.begin(), j.end(), "A dblclick") != j.end();
    EXPECT_EQ(got, c.doubleClick) << c.delay << " ms, " << c.dx << "," << c.dy;
    // A double click replaces the second press's click; a plain second press clicks again.
    EXPECT_EQ(std::count(j.begin(), j.end(), "A click"), c.doubleClick ? 1 : 2);
  }
}

TEST_F(MouseDispatch, DoubleClickSequenceAndThirdPressStartsAfresh) {
  AddGraphic(host.Form(), "A", Bounds(0, 0, 50, 50), &journal);
  host.DblClick(10, 10);
  host.MouseDown(10, 10);
  host.MouseUp(10, 10);
  EXPECT_EQ(Buttons(journal),
            (Journal{"A down 10,10", "A click", "A up 10,10", "A dblclick", "A down 10,10 double",
                     "A up 10,10", "A down 10,10", "A click", "A up 10,10"}));
}

TEST_F(MouseDispatch, DoubleClickNeedsTheSameControlButtonAndStyle) {
  auto* a = AddGraphic(host.Form(), "A", Bounds(0, 0, 10, 50), &journal);
  AddGraphic(host.Form(), "B", Bounds(10, 0, 10, 50), &journal);
  host.MouseDown(8, 5);
  host.MouseUp(8, 5);
  host.MouseDown(11, 5);  // 3 px away, but on B
  host.MouseUp(11, 5);
  host.MouseDown(11, 5, mbRight);  // other button
  host.MouseUp(11, 5, mbRight);
  a->SetControlStyle(a->ControlStyle() - csDoubleClicks);
  host.MouseDown(5, 5);
  host.MouseUp(5, 5);
  host.MouseDown(5, 5);
  host.MouseUp(5, 5);
  for (const auto& e : journal) EXPECT_EQ(e.find("double"), std::string::npos) << e;
  EXPECT_EQ(std::count(journal.begin(), journal.end(), "A dblclick"), 0);
}

TEST_F(MouseDispatch, HoverChangesSendLeaveThenEnterAlsoDuringCapture) {
  AddGraphic(host.Form(), "A", Bounds(0, 0, 20, 20), &journal);
  auto* win = AddWin(host.Form(), "W", Bounds(30, 0, 40, 40), &journal);
  AddGraphic(win, "Inner", Bounds(0, 0, 10, 10), &journal);
  auto hovers = [&] {
    Journal out;
    for (const auto& e : journal)
      if (e.find(" enter") != std::string::npos || e.find(" leave") != std::string::npos)
        out.push_back(e);
    return out;
  };
  host.MouseMove(5, 5);
  host.MouseMove(6, 6);  // same control: nothing
  host.MouseMove(35, 35);
  host.MouseMove(32, 2);
  EXPECT_EQ(hovers(), (Journal{"A enter", "A leave", "W enter", "W leave", "Inner enter"}));
  journal.clear();
  host.MouseDown(32, 2);
  host.MouseMove(5, 5);  // captured by Inner, yet the pointer left it
  host.MouseUp(5, 5);
  host.MouseLeave();
  EXPECT_EQ(hovers(), (Journal{"Inner leave", "A enter", "A leave"}));
}

TEST_F(MouseDispatch, WheelGoesToTheFocusedControlAndUpItsParentsUntilHandled) {
  auto* panel = AddWin(host.Form(), "Panel", Bounds(0, 0, 100, 100));
  auto* edit = AddWin(panel, "Edit", Bounds(0, 0, 50, 20));
  edit->SetTabStop(true);
  edit->SetFocus();
  int editDowns = 0, panelUps = 0, formWheels = 0;
  TPoint where;
  edit->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint pos, bool& handled) {
    ++editDowns;
    where = pos;
    handled = true;
  };
  panel->OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool& handled) {
    ++panelUps;
    handled = true;
  };
  host.Form()->OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool&) { ++formWheels; };
  host.Wheel(150, 60, -2 * WHEEL_DELTA);  // two notches down, pointer anywhere
  EXPECT_EQ(editDowns, 2);
  EXPECT_EQ(where, Point(150, 60));
  host.Wheel(10, 10, WHEEL_DELTA);  // edit does not handle up: its parent does
  EXPECT_EQ(panelUps, 1);
  EXPECT_EQ(formWheels, 0);
  host.Wheel(10, 10, WHEEL_DELTA / 2);  // half a notch: no call yet
  EXPECT_EQ(panelUps, 1);
  EXPECT_EQ(formWheels, 1);             // passed all the way up, unhandled
  host.Wheel(10, 10, WHEEL_DELTA / 2);  // completes the notch at the edit
  EXPECT_EQ(panelUps, 2);
}

TEST_F(MouseDispatch, ScreenCursorOverridesTheControlCursorUnderThePointer) {
  auto* a = AddGraphic(host.Form(), "A", Bounds(0, 0, 20, 20));
  a->SetCursor(crHandPoint);
  host.CursorLog().clear();
  host.MouseMove(5, 5);
  host.MouseMove(50, 50);
  Screen->SetCursor(crHourGlass);
  host.MouseMove(5, 5);
  Screen->SetCursor(crDefault);
  EXPECT_EQ(host.CursorLog(),
            (std::vector<TCursor>{crHandPoint, crDefault, crHourGlass, crHandPoint}));
}

// A popup menu stand-in that records where it was asked to show.
class TRecordingMenu : public TComponent, public IPopupMenu {
 public:
  using TComponent::TComponent;
  void Popup(TControl* control, int X, int Y) override {
    shown.push_back(control->Name() + " " + std::to_string(X) + "," + std::to_string(Y));
  }
  Journal shown;
};

TEST_F(MouseDispatch, RightReleaseShowsThePopupMenuOfTheControlOrItsParent) {
  host.Form()->SetBounds(100, 50, 200, 100);  // screen coordinates differ from form ones
  auto* panel = AddWin(host.Form(), "Panel", Bounds(0, 0, 100, 100));
  auto* a = AddGraphic(panel, "A", Bounds(0, 0, 20, 20));
  auto* b = AddGraphic(panel, "B", Bounds(30, 0, 20, 20));
  auto* menu = new TRecordingMenu(host.Form());
  auto* panelMenu = new TRecordingMenu(host.Form());
  a->SetPopupMenu(menu);
  panel->SetPopupMenu(panelMenu);
  host.Click(5, 5, mbRight);
  host.Click(35, 5, mbRight);  // B has none: its parent's shows
  host.Click(5, 5);            // left button: no menu
  EXPECT_EQ(menu->shown, (Journal{"A 105,55"}));
  EXPECT_EQ(panelMenu->shown, (Journal{"Panel 135,55"}));
  TPoint asked;
  a->OnContextPopup = [&](TObject*, TPoint pos, bool& handled) {
    asked = pos;
    handled = true;
  };
  host.Click(6, 7, mbRight);
  EXPECT_EQ(asked, Point(6, 7));
  EXPECT_EQ(menu->shown.size(), 1u);
  EXPECT_EQ(panelMenu->shown.size(), 1u);
  (void)b;
}

}  // namespace
}  // namespace fw
