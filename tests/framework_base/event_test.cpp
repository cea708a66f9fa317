// fw::Event: assignment, empty calls, reference parameters and the assignment hook.
#include <gtest/gtest.h>

#include "framework/base/component.h"
#include "framework/base/event.h"

namespace fw {
namespace {

TEST(Event, EmptyEventDoesNothingAndGivesDefault) {
  TNotifyEvent notify;
  EXPECT_FALSE(notify.Assigned());
  EXPECT_FALSE(notify);
  notify(nullptr);  // no handler: nothing happens
  Event<int(int)> square;
  EXPECT_EQ(square(7), 0);
  Event<std::string()> text;
  EXPECT_EQ(text(), "");
}

TEST(Event, AssignedHandlerReceivesArgumentsAndCanBeCleared) {
  TComponent sender(nullptr);
  TObject* seen = nullptr;
  TNotifyEvent notify;
  notify = [&](TObject* s) { seen = s; };
  ASSERT_TRUE(notify);
  notify(&sender);
  EXPECT_EQ(seen, &sender);
  notify = nullptr;
  EXPECT_FALSE(notify.Assigned());
  Event<int(int)> square = [](int x) { return x * x; };
  EXPECT_EQ(square(7), 49);
}

TEST(Event, ReferenceParametersReachTheCaller) {
  TKeyEvent onKey = [](TObject*, uint16_t& key, TShiftState shift) {
    if (shift.Contains(ssCtrl)) key = 0;
  };
  uint16_t key = 37;
  onKey(nullptr, key, {ssCtrl, ssShift});
  EXPECT_EQ(key, 0);
  TKeyPressEvent onPress = [](TObject*, char32_t& c) { c = U'Ü'; };
  char32_t c = U'u';
  onPress(nullptr, c);
  EXPECT_EQ(c, U'Ü');
  TMouseWheelUpDownEvent onWheel = [](TObject*, TShiftState, TPoint p, bool& handled) {
    handled = p.X > 0;
  };
  bool handled = false;
  onWheel(nullptr, {}, Point(3, 4), handled);
  EXPECT_TRUE(handled);
}

TEST(Event, HookRunsAfterEveryAssignmentButIsNotCopied) {
  TNotifyEvent slot;
  int hookRuns = 0;
  bool assignedInHook = false;
  slot.SetAssignHook([&] {
    ++hookRuns;
    assignedInHook = slot.Assigned();
  });
  slot = [](TObject*) {};
  EXPECT_EQ(hookRuns, 1);
  EXPECT_TRUE(assignedInHook);  // the hook sees the new handler
  slot = nullptr;
  EXPECT_EQ(hookRuns, 2);
  EXPECT_FALSE(assignedInHook);
  TNotifyEvent other = [](TObject*) {};
  slot = other;  // copying a handler in, as Assign between components does
  EXPECT_EQ(hookRuns, 3);
  TNotifyEvent copy = slot;
  copy = nullptr;
  EXPECT_EQ(hookRuns, 3);  // the copy carries the handler, not the slot's hook
}

}  // namespace
}  // namespace fw
