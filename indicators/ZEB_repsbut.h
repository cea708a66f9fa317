// ZEB_repsbut: TRepSpeedButton, a speed button that repeats while it is held: OnRepeatClick
// follows a left press after StartClickInterval, then every RepeatClickInterval, until the
// button is released, the pointer leaves it, or it is disabled or hidden. Leaving the button
// never clicks it. Everything else is the speed button's.
#pragma once

#include "companion/ZEB_zebbase.h"
#include "framework/base/event.h"
#include "framework/controls/timers.h"
#include "framework/stdctrls/speed_button.h"

namespace zeb {

class EZEBRepSpeedButton : public EZEBError {
 public:
  using EZEBError::EZEBError;
};

class TRepSpeedButton : public fw::TSpeedButton {
 public:
  // Repeats after 500 ms, then every 200 ms.
  explicit TRepSpeedButton(fw::TComponent* AOwner);
  ~TRepSpeedButton() override;

  // Delay before the first repeat, in ms; values below 10 become 10.
  int StartClickInterval() const { return startInterval_; }
  void SetStartClickInterval(int value);
  // Delay between later repeats, in ms; values below 10 become 10.
  int RepeatClickInterval() const { return repeatInterval_; }
  void SetRepeatClickInterval(int value);
  // Whether the left button holds the button down (the repeat runs).
  bool Pressed() const { return pressed_; }

  void WndProc(fw::TMessage& message) override;

  fw::TNotifyEvent OnRepeatClick;

 protected:
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  // Restarts the timer with the start delay while pressed (else only stops it).
  void InitTimer();
  // Restarts the timer with the repeat interval while pressed (else only stops it).
  void UpdateTimer();
  // One tick: after the first, the timer switches to the repeat interval.
  void DoTimer();
  // Runs on every repeat before OnRepeatClick; does nothing here.
  virtual void RepeatClickEvent() {}

 private:
  void StartTimer(int ms);
  void StopRepeating();

  fw::HWND timerWindow_ = nullptr;
  int startInterval_ = 500;
  int repeatInterval_ = 200;
  bool pressed_ = false;
  bool firstTick_ = true;
};

}  // namespace zeb
