// TProgBar's auto-increment: timer 1 on the bar's hidden window, first with StartInterval,
// then with RepeatInterval; each tick adds AutoIncStep to Value and raises OnAutoInc.
#include <algorithm>

#include "framework/controls/application.h"
#include "indicators/ZEB_ProgBar.h"

namespace zeb {

namespace {

constexpr fw::UINT kTimerId = 1;
constexpr int kMinimumInterval = 10;

}  // namespace

void TProgBar::SetAutoInc(bool value) {
  if (value == autoInc_) return;
  autoInc_ = value;
  if (Designing()) return;
  if (value)
    InitTimer();
  else
    fw::KillTimer(timerWindow_, kTimerId);
}

void TProgBar::SetAutoIncStep(double value) {
  if (value == 0 || value == autoIncStep_) return;
  autoIncStep_ = value;
}

void TProgBar::SetStartIv(int value) {
  value = std::max(value, kMinimumInterval);
  if (value == startInterval_) return;
  startInterval_ = value;
  if (!Designing()) InitTimer();
}

void TProgBar::SetRepeatIv(int value) {
  value = std::max(value, kMinimumInterval);
  if (value == repeatInterval_) return;
  repeatInterval_ = value;
  if (!Designing()) UpdateTimer();
}

void TProgBar::StartTimer(int interval) {
  fw::KillTimer(timerWindow_, kTimerId);
  if (interval <= 0 || !autoInc_) return;
  if (!fw::SetTimer(timerWindow_, kTimerId, static_cast<fw::UINT>(interval)))
    throw EZEBProgBar("Component \"" + Name() + "\": no timer available");
}

void TProgBar::InitTimer() {
  firstStep_ = true;
  StartTimer(startInterval_);
}

void TProgBar::UpdateTimer() {
  firstStep_ = false;
  StartTimer(repeatInterval_);
}

void TProgBar::DoTimer() {
  if (firstStep_) UpdateTimer();
  AutoIncEvent();
}

// Value grows without the setter's equality test and without clamping.
void TProgBar::AutoIncEvent() {
  value_ += autoIncStep_;
  Repaint();
  OnAutoInc(this);
}

void TProgBar::TimerWndProc(fw::TMessage& Message) {
  if (Message.Msg != fw::WM_TIMER) {
    fw::DefWindowProc(timerWindow_, Message);
    return;
  }
  try {
    DoTimer();
  } catch (...) {
    fw::Application->HandleException(this);
  }
}

}  // namespace zeb
