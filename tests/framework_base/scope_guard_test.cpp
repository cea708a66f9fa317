// Scope guards: actions run on every way out of a scope, values come back, update holds
// balance, and a failing action never hides the failure that is already leaving the scope.
#include "framework/rtl/scope_guard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace fw {
namespace {

struct Updatable {
  int depth = 0;
  int ends = 0;
  void BeginUpdate() { ++depth; }
  void EndUpdate() {
    --depth;
    ++ends;
  }
};

TEST(ScopeGuard, EveryGuardUndoesItsWorkOnReturnAndOnException) {
  for (const bool fail : {false, true}) {
    int runs = 0;
    bool busy = false;
    Updatable list;
    try {
      TScopeExit count([&] { ++runs; });
      TValueRestorer setBusy(busy, true);
      TUpdateHold hold(list);
      TUpdateHold nested(list);
      EXPECT_TRUE(busy);
      EXPECT_EQ(list.depth, 2);
      if (fail) throw std::runtime_error("inside");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(runs, 1) << fail;
    EXPECT_FALSE(busy) << fail;
    EXPECT_EQ(list.depth, 0) << fail;
    EXPECT_EQ(list.ends, 2) << fail;
  }
}

TEST(ScopeGuard, ADismissedActionDoesNotRun) {
  int runs = 0;
  {
    TScopeExit count([&] { ++runs; });
    count.Dismiss();
  }
  EXPECT_EQ(runs, 0);
}

TEST(ScopeGuard, AFailingActionReachesTheCallerUnlessAnotherFailureIsLeaving) {
  auto failing = [] { throw std::logic_error("action"); };
  std::string caught;
  try {
    TScopeExit guard(failing);
  } catch (const std::logic_error& e) {
    caught = e.what();
  }
  EXPECT_EQ(caught, "action");
  try {
    TScopeExit guard(failing);
    throw std::runtime_error("first");
  } catch (const std::exception& e) {
    caught = e.what();
  }
  EXPECT_EQ(caught, "first");
}

}  // namespace
}  // namespace fw
