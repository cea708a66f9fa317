// Timers on the virtual clock: ticks in time order, several ticks per advance, restarts with a
// new interval, KillTimer, refusal, exceptions in a tick, windows that go away, and posted
// messages.
#include <gtest/gtest.h>

#include <cmath>

#include "framework/rtl/datetime.h"

#include <string>
#include <vector>

#include "framework/controls/application.h"
#include "framework/controls/timers.h"
#include "tests/framework_controls/probes.h"

namespace fw {
namespace {

// A hidden window that records its ticks as "<name>@<ms>".
class TickWindow {
 public:
  TickWindow(TestHost& host, std::string name, std::vector<std::string>& log)
      : host_(host), name_(std::move(name)), log_(log) {
    wnd_ = AllocateHWnd([this](TMessage& m) { Proc(m); });
  }
  ~TickWindow() { DeallocateHWnd(wnd_); }
  TickWindow(const TickWindow&) = delete;
  TickWindow& operator=(const TickWindow&) = delete;

  HWND Handle() const { return wnd_; }
  std::function<void(UINT id)> onTick;

 private:
  void Proc(TMessage& m) {
    if (m.Msg != WM_TIMER) {
      DefWindowProc(wnd_, m);
      return;
    }
    log_.push_back(name_ + std::to_string(m.WParam) + "@" + std::to_string(host_.Milliseconds()));
    if (onTick) onTick(static_cast<UINT>(m.WParam));
  }

  TestHost& host_;
  std::string name_;
  std::vector<std::string>& log_;
  HWND wnd_;
};

using Log = std::vector<std::string>;

TEST(Timers, TicksOfSeveralTimersArriveInTimeOrder) {
  TestHost host;
  Log log;
  TickWindow a(host, "a", log), b(host, "b", log);
  ASSERT_TRUE(SetTimer(a.Handle(), 1, 30));
  ASSERT_TRUE(SetTimer(b.Handle(), 1, 20));
  ASSERT_TRUE(SetTimer(a.Handle(), 2, 50));
  host.AdvanceTime(100);
  // At 60 and 100 two timers fall due together: the one started first ticks first.
  EXPECT_EQ(log, (Log{"b1@20", "a1@30", "b1@40", "a2@50", "a1@60", "b1@60", "b1@80", "a1@90",
                      "b1@100", "a2@100"}));
  EXPECT_EQ(host.Milliseconds(), 100);
}

TEST(Timers, AnAdvanceShorterThanTheIntervalCarriesOver) {
  TestHost host;
  Log log;
  TickWindow a(host, "a", log);
  SetTimer(a.Handle(), 7, 500);
  for (int i = 0; i < 4; ++i) host.AdvanceTime(200);
  EXPECT_EQ(log, (Log{"a7@500"}));
  host.AdvanceTime(200);
  EXPECT_EQ(log, (Log{"a7@500", "a7@1000"}));
}

TEST(Timers, SettingARunningTimerAgainRestartsItWithTheNewInterval) {
  TestHost host;
  Log log;
  TickWindow a(host, "a", log);
  SetTimer(a.Handle(), 1, 100);
  host.AdvanceTime(150);
  SetTimer(a.Handle(), 1, 30);  // restarts at 150
  host.AdvanceTime(100);
  EXPECT_EQ(log, (Log{"a1@100", "a1@180", "a1@210", "a1@240"}));
}

TEST(Timers, ATickMayChangeItsOwnIntervalAsRepeatButtonsDo) {
  TestHost host;
  Log log;
  TickWindow a(host, "a", log);
  bool first = true;
  a.onTick = [&](UINT id) {
    if (!first) return;
    first = false;
    KillTimer(a.Handle(), id);
    SetTimer(a.Handle(), id, 200 - 150);  // from the first tick on: every 50 ms
  };
  SetTimer(a.Handle(), 1, 500);
  host.AdvanceTime(650);
  EXPECT_EQ(log, (Log{"a1@500", "a1@550", "a1@600", "a1@650"}));
}

TEST(Timers, KillTimerStopsOnlyThatTimer) {
  TestHost host;
  Log log;
  TickWindow a(host, "a", log);
  SetTimer(a.Handle(), 1, 10);
  SetTimer(a.Handle(), 2, 25);
  host.AdvanceTime(20);
  EXPECT_TRUE(KillTimer(a.Handle(), 1));
  EXPECT_FALSE(KillTimer(a.Handle(), 1));
  EXPECT_FALSE(KillTimer(a.Handle(), 99));
  host.AdvanceTime(40);
  EXPECT_EQ(log, (Log{"a1@10", "a1@20", "a2@25", "a2@50"}));
}

TEST(Timers, RefusedAndInvalidTimersAnswerFalse) {
  TestHost host;
  Log log;
  TickWindow a(host, "a", log);
  host.RefuseTimers(true);
  EXPECT_FALSE(SetTimer(a.Handle(), 1, 100));
  host.RefuseTimers(false);
  EXPECT_TRUE(SetTimer(a.Handle(), 1, 100));
  host.RefuseTimers(true);  // a running timer keeps running
  host.AdvanceTime(100);
  EXPECT_EQ(log, (Log{"a1@100"}));
  EXPECT_FALSE(SetTimer(nullptr, 1, 100));
  HWND gone = AllocateHWnd(nullptr);
  DeallocateHWnd(gone);
  host.RefuseTimers(false);
  EXPECT_FALSE(SetTimer(gone, 1, 100));
  EXPECT_FALSE(IsWindow(gone));
}

TEST(Timers, IntervalsBelowTenMillisecondsCountAsTen) {
  TestHost host;
  Log log;
  TickWindow a(host, "a", log);
  SetTimer(a.Handle(), 1, 0);
  host.AdvanceTime(25);
  EXPECT_EQ(log, (Log{"a1@10", "a1@20"}));
}

TEST(Timers, AnExceptionInATickGoesToTheApplicationAndTheTimerRuns) {
  TestHost host;
  Log log, reports;
  TickWindow a(host, "a", log);
  a.onTick = [](UINT) { throw Exception("tick failed"); };
  Application->OnException = [&](TObject*, const std::exception& e) {
    reports.push_back(e.what());
  };
  SetTimer(a.Handle(), 1, 100);
  host.AdvanceTime(300);
  Application->OnException = nullptr;
  EXPECT_EQ(log.size(), 3u);
  EXPECT_EQ(reports, (Log{"tick failed", "tick failed", "tick failed"}));
}

TEST(Timers, WithoutOnExceptionTheMessageGoesToStderr) {
  TestHost host;
  Log log;
  TickWindow a(host, "a", log);
  a.onTick = [](UINT) { throw Exception("shown on stderr"); };
  SetTimer(a.Handle(), 1, 100);
  ::testing::internal::CaptureStderr();
  host.AdvanceTime(100);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "shown on stderr\n");
}

TEST(Timers, AWindowMayGoAwayInItsOwnTick) {
  TestHost host;
  int ticks = 0;
  HWND wnd = nullptr;
  wnd = AllocateHWnd([&](TMessage& m) {
    if (m.Msg != WM_TIMER) return;
    ++ticks;
    DeallocateHWnd(wnd);  // stops its timers too
  });
  SetTimer(wnd, 1, 10);
  SetTimer(wnd, 2, 10);
  host.AdvanceTime(100);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(timer_detail::RunningTimerCount(), 0);
}

TEST(Timers, PostedMessagesRunInTheLoopAndAreDroppedForGoneWindows) {
  TestHost host;
  std::vector<UINT> got;
  HWND a = AllocateHWnd([&](TMessage& m) { got.push_back(m.Msg); });
  HWND b = AllocateHWnd([&](TMessage& m) { got.push_back(m.Msg + 1000); });
  EXPECT_TRUE(PostMessage(a, WM_USER + 1, 0, 0));
  EXPECT_TRUE(PostMessage(b, WM_USER + 2, 0, 0));
  EXPECT_TRUE(PostMessage(a, WM_USER + 3, 0, 0));
  EXPECT_TRUE(got.empty());
  DeallocateHWnd(b);
  host.ProcessMessages();
  EXPECT_EQ(got, (std::vector<UINT>{WM_USER + 1, WM_USER + 3}));
  EXPECT_EQ(SendMessage(a, WM_USER, 0, 0), 0);
  EXPECT_EQ(got.back(), WM_USER);
  DeallocateHWnd(a);
  EXPECT_FALSE(PostMessage(a, WM_USER, 0, 0));
}

TEST(Timers, AControlWindowReceivesTimerTicksInItsWndProc) {
  TestHost host;
  host.Show();
  test::Journal j;
  struct TTicking : test::TProbeWin {
    using TProbeWin::TProbeWin;
    int ticks = 0;
    void WndProc(TMessage& m) override {
      if (m.Msg == WM_TIMER) ++ticks;
      TProbeWin::WndProc(m);
    }
  };
  auto* c = new TTicking(host.Form(), "C");
  c->SetParent(host.Form());
  ASSERT_TRUE(c->HandleAllocated());
  SetTimer(c->Handle(), 1, 50);
  host.AdvanceTime(100);
  EXPECT_EQ(c->ticks, 2);
  delete c;  // its window and timers go with it
  EXPECT_EQ(timer_detail::RunningTimerCount(), 0);
  host.AdvanceTime(100);
}

TEST(Timers, TheVirtualClockStartsAtAFixedDate) {
  TestHost host;
  EXPECT_DOUBLE_EQ(host.Now(), kHeadlessStartDate);
  host.AdvanceTime(6 * 3600 * 1000);
  EXPECT_DOUBLE_EQ(host.Now(), kHeadlessStartDate + 0.25);
}

}  // namespace
}  // namespace fw

namespace fw {
namespace {

// Date and time of day come from the test host's virtual clock while it runs, so components
// that show "today" or stamp times are exact in tests; afterwards the system clock is back.
TEST(VirtualClock, NowFollowsTheTestHostClock) {
  {
    TestHost host(50, 50);
    EXPECT_DOUBLE_EQ(Now(), kHeadlessStartDate);
    host.AdvanceTime(90 * 60 * 1000);  // an hour and a half
    EXPECT_NEAR(Now() - kHeadlessStartDate, 1.5 / 24, 1e-9);
    EXPECT_DOUBLE_EQ(Date(), std::floor(kHeadlessStartDate));
  }
  EXPECT_GT(Now(), EncodeDate(2026, 1, 1));  // the system clock again
}

}  // namespace
}  // namespace fw
