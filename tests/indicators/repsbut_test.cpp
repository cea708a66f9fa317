// TRepSpeedButton: the repeat on the virtual clock (first delay, then the interval), what
// stops it (release, leaving, disabling, hiding), leaving never clicks, clamps, a refused
// timer, and the class record.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/base/registry_check.h"
#include "framework/controls/application.h"
#include "indicators/ZEB_repsbut.h"
#include "tests/indicators/shown_control.h"

namespace zeb {
namespace {

struct HeldButton : test::ShownControl<TRepSpeedButton> {
  HeldButton() : ShownControl(60, 30), button(control) {
    button->OnRepeatClick = [this](fw::TObject*) { ticks.push_back(host.Milliseconds() - start); };
    button->OnClick = [this](fw::TObject*) { ++clicks; };
  }
  void Press() {
    start = host.Milliseconds();
    host.MouseDown(20, 10);
  }
  TRepSpeedButton* button;
  std::vector<int64_t> ticks;
  int64_t start = 0;
  int clicks = 0;
};

TEST(RepSpeedButton, RepeatsAfterTheStartDelayThenAtTheInterval) {
  HeldButton b;
  b.Press();
  b.host.AdvanceTime(1000);
  EXPECT_EQ(b.ticks, (std::vector<int64_t>{500, 700, 900}));
  b.host.MouseUp(20, 10);
  EXPECT_EQ(b.clicks, 1);
  b.host.AdvanceTime(1000);
  EXPECT_EQ(b.ticks.size(), 3u);
  // A new press starts with the start delay again.
  b.button->SetStartClickInterval(100);
  b.button->SetRepeatClickInterval(50);
  b.ticks.clear();
  b.Press();
  b.host.AdvanceTime(210);
  EXPECT_EQ(b.ticks, (std::vector<int64_t>{100, 150, 200}));
}

TEST(RepSpeedButton, LeavingDisablingAndHidingStopTheRepeatWithoutAClick) {
  struct Stop {
    const char* what;
    void (*apply)(HeldButton&);
  };
  const Stop stops[] = {
      {"leave", [](HeldButton& b) { b.host.MouseMove(200, 200); }},
      {"leave event", [](HeldButton& b) { b.host.MouseLeave(); }},
      {"disable", [](HeldButton& b) { b.button->SetEnabled(false); }},
      {"hide", [](HeldButton& b) { b.button->SetVisible(false); }},
  };
  for (const Stop& stop : stops) {
    HeldButton b;
    b.Press();
    b.host.AdvanceTime(600);
    stop.apply(b);
    EXPECT_FALSE(b.button->Pressed()) << stop.what;
    b.host.AdvanceTime(1000);
    EXPECT_EQ(b.ticks.size(), 1u) << stop.what;
    b.host.MouseUp(200, 200);
    EXPECT_EQ(b.clicks, 0) << stop.what;
  }
}

TEST(RepSpeedButton, RightButtonDoesNotRepeatAndIntervalsAreClamped) {
  HeldButton b;
  b.host.MouseDown(20, 10, fw::mbRight);
  b.host.AdvanceTime(1000);
  EXPECT_TRUE(b.ticks.empty());
  b.host.MouseUp(20, 10, fw::mbRight);
  b.button->SetRepeatClickInterval(5);
  EXPECT_EQ(b.button->RepeatClickInterval(), 10);
  b.button->SetStartClickInterval(-3);
  EXPECT_EQ(b.button->StartClickInterval(), 10);
}

TEST(RepSpeedButton, ARefusedTimerRaisesAndATickErrorKeepsTheRepeat) {
  HeldButton b;
  b.button->SetName("Rep1");
  b.Press();
  b.host.RefuseTimers(true);
  try {
    b.button->SetStartClickInterval(300);
    ADD_FAILURE() << "no error";
  } catch (const EZEBRepSpeedButton& e) {
    EXPECT_EQ(std::string(e.what()), "Component \"Rep1\": no timer available");
  }
  b.host.RefuseTimers(false);
  EXPECT_EQ(b.button->StartClickInterval(), 300);  // kept for the next press
  int errors = 0;
  fw::Application->OnException = [&](fw::TObject*, const std::exception&) { ++errors; };
  b.button->OnRepeatClick = [](fw::TObject*) { throw std::runtime_error("tick"); };
  b.Press();
  b.host.AdvanceTime(700);
  fw::Application->OnException = nullptr;
  EXPECT_EQ(errors, 3);  // at 300, 500 and 700 ms
}

TEST(RepSpeedButton, ClassRecord) {
  for (const std::string& problem : fw::testing::CheckRegisteredClass("TRepSpeedButton"))
    ADD_FAILURE() << problem;
}

}  // namespace
}  // namespace zeb
