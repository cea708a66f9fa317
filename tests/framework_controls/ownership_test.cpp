// Controls with parents and owners: who deletes whom, detaching on deletion, re-parenting,
// inherited font and colour, and free-standing controls that have nothing to paint on.
#include <gtest/gtest.h>

#include <memory>

#include "framework/base/registry.h"
#include "framework/base/registry_check.h"
#include "framework/controls/form.h"
#include "tests/framework_controls/probes.h"

namespace fw {
namespace {

using test::AddGraphic;
using test::AddWin;
using test::TProbeGraphic;
using test::TProbeWin;

TEST(ControlOwnership, DeletingAChildDetachesItFromParentAndOwner) {
  TestHost host;
  TProbeWin* panel = AddWin(host.Form(), "Panel", Bounds(0, 0, 100, 100));
  TProbeGraphic* label = AddGraphic(panel, "Label", Bounds(5, 5, 20, 20));
  ASSERT_EQ(panel->ControlCount(), 1);
  ASSERT_EQ(panel->ComponentCount(), 1);
  delete label;
  EXPECT_EQ(panel->ControlCount(), 0);
  EXPECT_EQ(panel->ComponentCount(), 0);
  EXPECT_EQ(host.Form()->ControlCount(), 1);
}

TEST(ControlOwnership, DeletingAFormDeletesItsControlsWhoeverOwnsThem) {
  bool ownedDeleted = false, unownedDeleted = false, nestedDeleted = false;
  auto holder = std::make_unique<TComponent>(nullptr);
  {
    TestHost host;
    host.Show();
    TProbeWin* panel = AddWin(host.Form(), "Panel", Bounds(0, 0, 100, 100));
    panel->deleted = &ownedDeleted;
    // Owned by another component, but lying on the panel: the panel deletes it, and the
    // owner forgets it.
    auto* nested = new TProbeGraphic(holder.get(), "Nested");
    nested->deleted = &nestedDeleted;
    nested->SetParent(panel);
    auto* free = new TProbeGraphic(nullptr, "Free");
    free->deleted = &unownedDeleted;
    free->SetParent(host.Form());
    ASSERT_EQ(holder->ComponentCount(), 1);
  }
  EXPECT_TRUE(ownedDeleted);
  EXPECT_TRUE(nestedDeleted);
  EXPECT_TRUE(unownedDeleted);
  EXPECT_EQ(holder->ComponentCount(), 0);
}

TEST(ControlOwnership, ChildrenListGraphicControlsBeforeWindowedOnes) {
  TestHost host;
  TProbeWin* w = AddWin(host.Form(), "W", Bounds(0, 0, 10, 10));
  TProbeGraphic* g1 = AddGraphic(host.Form(), "G1", Bounds(0, 0, 10, 10));
  TProbeGraphic* g2 = AddGraphic(host.Form(), "G2", Bounds(0, 0, 10, 10));
  ASSERT_EQ(host.Form()->ControlCount(), 3);
  EXPECT_EQ(host.Form()->Controls(0), g1);
  EXPECT_EQ(host.Form()->Controls(1), g2);
  EXPECT_EQ(host.Form()->Controls(2), w);
  EXPECT_THROW(host.Form()->Controls(3), EListError);
  EXPECT_THROW(host.Form()->Controls(-1), EListError);
}

TEST(ControlOwnership, ReparentingMovesTheControlAndRefusesLoops) {
  TestHost host;
  TProbeWin* a = AddWin(host.Form(), "A", Bounds(0, 0, 50, 50));
  TProbeWin* b = AddWin(host.Form(), "B", Bounds(50, 0, 50, 50));
  TProbeWin* inner = AddWin(a, "Inner", Bounds(0, 0, 10, 10));
  inner->SetParent(b);
  EXPECT_EQ(a->ControlCount(), 0);
  EXPECT_EQ(b->ControlCount(), 1);
  EXPECT_EQ(inner->Parent(), b);
  EXPECT_THROW(b->SetParent(inner), EInvalidOperation);
  EXPECT_THROW(b->SetParent(b), EInvalidOperation);
  EXPECT_EQ(b->Parent(), host.Form());
  inner->SetParent(nullptr);
  EXPECT_EQ(b->ControlCount(), 0);
  delete inner;  // its owner (A) forgets it
  EXPECT_EQ(a->ComponentCount(), 0);
}

TEST(ControlOwnership, ControlDeletedInItsOwnClickHandlerIsForgottenSafely) {
  TestHost host;
  host.Show();
  bool deleted = false;
  TProbeGraphic* c = AddGraphic(host.Form(), "C", Bounds(10, 10, 20, 20));
  c->deleted = &deleted;
  int mouseUps = 0;
  c->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++mouseUps; };
  c->OnClick = [c](TObject*) { delete c; };
  host.Click(15, 15);
  EXPECT_TRUE(deleted);
  EXPECT_EQ(mouseUps, 0);  // the control was gone before its MouseUp
  EXPECT_EQ(host.Form()->ControlCount(), 0);
  host.MouseMove(16, 16);  // no stale hover or capture
  host.Click(15, 15);
}

TEST(ControlOwnership, PopupMenuSlotForgetsADeletedMenu) {
  TestHost host;
  auto* c = new TProbeGraphic(host.Form(), "C");
  auto* menu = new TComponent(host.Form());
  c->SetPopupMenu(menu);
  EXPECT_EQ(c->PopupMenu(), menu);
  delete menu;
  EXPECT_EQ(c->PopupMenu(), nullptr);
}

TEST(ControlInheritance, ParentFontFollowsTheParentUntilTheControlSetsItsOwn) {
  TestHost host;
  TProbeWin* panel = AddWin(host.Form(), "Panel", Bounds(0, 0, 100, 100));
  TProbeGraphic* label = AddGraphic(panel, "Label", Bounds(0, 0, 10, 10));
  panel->Font()->SetSize(14);
  EXPECT_FALSE(panel->ParentFont());
  EXPECT_EQ(label->Font()->Size(), 14);
  EXPECT_TRUE(label->ParentFont());
  label->Font()->SetName("Courier New");
  EXPECT_FALSE(label->ParentFont());
  panel->Font()->SetSize(20);
  EXPECT_EQ(label->Font()->Size(), 14);
  label->SetParentFont(true);
  EXPECT_EQ(label->Font()->Size(), 20);
  EXPECT_EQ(label->Font()->Name(), panel->Font()->Name());
}

TEST(ControlInheritance, ParentColorTakesTheParentsColourOnDemand) {
  TestHost host;
  TProbeWin* panel = AddWin(host.Form(), "Panel", Bounds(0, 0, 100, 100));
  TProbeWin* child = AddWin(panel, "Child", Bounds(0, 0, 10, 10));
  panel->SetColor(0x00123456);
  EXPECT_EQ(child->Color(), clWindow);
  child->SetParentColor(true);
  EXPECT_EQ(child->Color(), 0x00123456u);
  panel->SetColor(0x00654321);
  EXPECT_EQ(child->Color(), 0x00654321u);
  child->SetColor(clRed);
  EXPECT_FALSE(child->ParentColor());
}

TEST(FreeStandingControl, PaintRequestsAndCanvasDoNothingWithoutASurface) {
  TProbeGraphic g(nullptr, "G");
  TProbeWin w(nullptr, "W");
  g.SetBounds(0, 0, 50, 20);
  w.SetBounds(0, 0, 50, 20);
  for (TControl* c : {static_cast<TControl*>(&g), static_cast<TControl*>(&w)}) {
    c->Invalidate();
    c->Repaint();
    c->Refresh();
    c->Update();
    c->SetColor(clBlue);
    c->SetCaption("x");
    c->Hide();
    c->Show();
  }
  EXPECT_EQ(g.Canvas()->Target(), nullptr);
  g.Canvas()->Rectangle(0, 0, 100, 100);  // draws nowhere
  w.SetFocus();                           // no form: ignored
  EXPECT_EQ(g.paints, 0);
  EXPECT_EQ(w.paints, 0);
  EXPECT_FALSE(w.HandleAllocated());
  EXPECT_GT(g.Canvas()->TextWidth("abc"), 0);  // measuring still works
}

TEST(FreeStandingControl, AParentWithoutAShownFormGivesNoSurfaceEither) {
  TestHost host;  // never shown
  TProbeWin* w = AddWin(host.Form(), "W", Bounds(0, 0, 50, 20));
  w->Repaint();
  EXPECT_EQ(w->paints, 0);
  EXPECT_EQ(w->Canvas()->Target(), nullptr);
  EXPECT_EQ(w->windowsCreated, 0);
}

}  // namespace
}  // namespace fw

namespace fw {
namespace {

TEST(ControlClassRecords, EveryControlClassAgreesWithItsRecord) {
  TestHost host;
  for (const char* name :
       {"TControl", "TWinControl", "TGraphicControl", "TCustomControl", "TCustomForm", "TForm"}) {
    ASSERT_NE(GetClass(name), nullptr) << name;
    EXPECT_EQ(testing::CheckRegisteredClass(name), std::vector<std::string>{}) << name;
  }
}

TEST(ControlClassRecords, TabOrderSetWithoutParentIsTakenUpOnJoining) {
  TestHost host;
  test::TProbeWin* a = test::AddWin(host.Form(), "A", Bounds(0, 0, 5, 5));
  test::TProbeWin* b = test::AddWin(host.Form(), "B", Bounds(0, 0, 5, 5));
  auto* c = new test::TProbeWin(host.Form(), "C");
  c->SetTabOrder(0);
  EXPECT_EQ(c->TabOrder(), 0);
  c->SetParent(host.Form());
  EXPECT_EQ(c->TabOrder(), 0);
  EXPECT_EQ(a->TabOrder(), 1);
  EXPECT_EQ(b->TabOrder(), 2);
}

}  // namespace
}  // namespace fw
