// Component messages: Perform and Broadcast, a group of buttons that releases the others
// through CM_BUTTONPRESSED, and message handlers that intercept mouse messages.
#include <gtest/gtest.h>

#include "tests/framework_controls/probes.h"

namespace fw {
namespace {

using test::AddGraphic;
using test::AddWin;

// A button of a group: pressing it tells its siblings, which let go when in the same group.
class TGroupButton : public TGraphicControl {
 public:
  TGroupButton(TComponent* owner, int group) : TGraphicControl(owner), group_(group) {}
  bool down = false;
  int answered = 0;

  void Press() {
    down = true;
    TMessage m{CM_BUTTONPRESSED, static_cast<WPARAM>(group_), reinterpret_cast<LPARAM>(this), 0};
    Parent()->Broadcast(m);
  }

  void WndProc(TMessage& m) override {
    if (m.Msg == CM_BUTTONPRESSED) {
      ++answered;
      if (static_cast<int>(m.WParam) == group_ && reinterpret_cast<TGroupButton*>(m.LParam) != this)
        down = false;
      return;
    }
    TGraphicControl::WndProc(m);
  }

 private:
  int group_;
};

TEST(ComponentMessages, BroadcastReachesEveryChildUntilOneAnswers) {
  TestHost host;
  auto* a = new TGroupButton(host.Form(), 1);
  auto* b = new TGroupButton(host.Form(), 1);
  auto* c = new TGroupButton(host.Form(), 2);
  for (auto* x : {a, b, c}) x->SetParent(host.Form());
  b->down = true;
  c->down = true;
  a->Press();
  EXPECT_TRUE(a->down);
  EXPECT_FALSE(b->down);
  EXPECT_TRUE(c->down);  // another group
  EXPECT_EQ(c->answered, 1);

  struct TStopper : TGraphicControl {
    using TGraphicControl::TGraphicControl;
    void WndProc(TMessage& m) override { m.Result = 7; }
  };
  auto* stopper = new TStopper(host.Form());
  stopper->SetParent(host.Form());
  stopper->SendToBack();  // first in the list
  TMessage m{CM_BUTTONPRESSED, 1, 0, 0};
  host.Form()->Broadcast(m);
  EXPECT_EQ(m.Result, 7);
  EXPECT_EQ(c->answered, 1);  // not reached
  EXPECT_EQ(stopper->Perform(WM_USER, 0, 0), 7);
}

TEST(ComponentMessages, AHandlerCanEndAPressWhenThePointerLeaves) {
  // As a repeating button does: leaving the control ends the press.
  struct TRepeater : TGraphicControl {
    using TGraphicControl::TGraphicControl;
    bool pressed = false;
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
      TGraphicControl::MouseDown(b, s, x, y);
      if (b == mbLeft) pressed = true;
    }
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
      TGraphicControl::MouseUp(b, s, x, y);
      if (b == mbLeft) pressed = false;
    }
    void WndProc(TMessage& m) override {
      TGraphicControl::WndProc(m);
      if (m.Msg == CM_MOUSELEAVE) MouseUp(mbLeft, {}, 0, 0);
    }
  };
  TestHost host;
  host.Show();
  auto* r = new TRepeater(host.Form());
  r->SetBounds(0, 0, 20, 20);
  r->SetParent(host.Form());
  host.MouseMove(5, 5);
  host.MouseDown(5, 5);
  EXPECT_TRUE(r->pressed);
  host.MouseMove(50, 50);
  EXPECT_FALSE(r->pressed);
  host.MouseUp(50, 50);
}

TEST(ComponentMessages, MouseMessagesCarrySignedCoordinates) {
  TestHost host;
  test::Journal j;
  auto* g = AddGraphic(host.Form(), "G", Bounds(0, 0, 20, 20), &j);
  g->Perform(WM_LBUTTONUP, 0, MakeLParam(-1, -1));
  g->Perform(WM_MOUSEMOVE, 0, MakeLParam(-300, 32000));
  EXPECT_EQ(j, (test::Journal{"G up -1,-1", "G move -300,32000"}));
}

TEST(ComponentMessages, ParentChangesReachChildrenAsMessages) {
  TestHost host;
  auto* panel = AddWin(host.Form(), "Panel", Bounds(0, 0, 50, 50));
  auto* child = AddGraphic(panel, "Child", Bounds(0, 0, 10, 10));
  std::vector<UINT> seen;
  struct TListener : TGraphicControl {
    using TGraphicControl::TGraphicControl;
    std::vector<UINT>* seen = nullptr;
    void WndProc(TMessage& m) override {
      seen->push_back(m.Msg);
      TGraphicControl::WndProc(m);
    }
  };
  auto* l = new TListener(panel);
  l->seen = &seen;
  l->SetParent(panel);
  seen.clear();
  panel->Font()->SetSize(12);
  panel->SetColor(clGreen);
  panel->SetEnabled(false);
  EXPECT_NE(std::find(seen.begin(), seen.end(), CM_PARENTFONTCHANGED), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), CM_PARENTCOLORCHANGED), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), CM_FONTCHANGED), seen.end());
  (void)child;
}

}  // namespace
}  // namespace fw
