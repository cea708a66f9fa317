// TRepSpeedButton: the press starts the repeat timer; release, leaving, disabling and hiding
// stop it.
#include "indicators/ZEB_repsbut.h"

#include <algorithm>

#include "framework/base/component.h"

namespace zeb {

namespace {
constexpr fw::UINT kRepeatTimerId = 1;
}  // namespace

TRepSpeedButton::TRepSpeedButton(fw::TComponent* AOwner) : fw::TSpeedButton(AOwner) {
  timerWindow_ = fw::AllocateHWnd([this](fw::TMessage& message) {
    if (message.Msg == fw::WM_TIMER && message.WParam == kRepeatTimerId) DoTimer();
  });
}

TRepSpeedButton::~TRepSpeedButton() {
  fw::DeallocateHWnd(timerWindow_);
}

void TRepSpeedButton::SetStartClickInterval(int value) {
  value = std::max(value, 10);
  if (value == startInterval_) return;
  startInterval_ = value;
  if (!ComponentState().Contains(fw::csDesigning)) InitTimer();
}

void TRepSpeedButton::SetRepeatClickInterval(int value) {
  value = std::max(value, 10);
  if (value == repeatInterval_) return;
  repeatInterval_ = value;
  if (!ComponentState().Contains(fw::csDesigning)) UpdateTimer();
}

void TRepSpeedButton::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TSpeedButton::MouseDown(Button, Shift, X, Y);
  if (Button != fw::mbLeft || !Enabled()) return;
  pressed_ = true;
  InitTimer();
}

void TRepSpeedButton::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (Button == fw::mbLeft) StopRepeating();
}

// Leaving ends the repeat without a release: the press is not a click.
void TRepSpeedButton::WndProc(fw::TMessage& message) {
  fw::TSpeedButton::WndProc(message);
  switch (message.Msg) {
    case fw::CM_MOUSELEAVE:
      StopRepeating();
      break;
    case fw::CM_ENABLEDCHANGED:
    case fw::CM_VISIBLECHANGED:
      if (!Enabled() || !Visible()) StopRepeating();
      break;
    default:
      break;
  }
}

void TRepSpeedButton::StopRepeating() {
  pressed_ = false;
  UpdateTimer();
}

void TRepSpeedButton::InitTimer() {
  firstTick_ = true;
  fw::KillTimer(timerWindow_, kRepeatTimerId);
  if (pressed_) StartTimer(startInterval_);
}

void TRepSpeedButton::UpdateTimer() {
  firstTick_ = false;
  fw::KillTimer(timerWindow_, kRepeatTimerId);
  if (pressed_) StartTimer(repeatInterval_);
}

void TRepSpeedButton::StartTimer(int ms) {
  if (!fw::SetTimer(timerWindow_, kRepeatTimerId, static_cast<fw::UINT>(ms))) {
    pressed_ = false;
    throw EZEBRepSpeedButton("Component \"" + Name() + "\": no timer available");
  }
}

void TRepSpeedButton::DoTimer() {
  if (firstTick_) UpdateTimer();
  RepeatClickEvent();
  OnRepeatClick(this);
}

}  // namespace zeb
