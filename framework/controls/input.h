// Input dispatch: turns the backend's mouse and keyboard events at form coordinates into
// control messages: hit-testing, capture, clicks and double clicks, enter and leave, wheel
// to the graphic control under the pointer or the focused control, keys through KeyPreview,
// dialog keys and the focused control.
#pragma once

#include <cstdint>

#include "framework/controls/control.h"

namespace fw {

class TCustomForm;
class TWinControl;

inline constexpr int64_t kDoubleClickTime = 500;  // ms between the two presses
inline constexpr int kDoubleClickDistance = 4;    // pixels, on each axis

class TInputDispatch {
 public:
  void MouseDown(TCustomForm* form, TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove(TCustomForm* form, TShiftState shift, int x, int y);
  void MouseUp(TCustomForm* form, TMouseButton button, TShiftState shift, int x, int y);
  // delta in WHEEL_DELTA units per notch; positive turns away from the user (up).
  void MouseWheel(TCustomForm* form, TShiftState shift, int delta, int x, int y);
  // The pointer left the form's window.
  void MouseLeft(TCustomForm* form);
  void KeyDown(TCustomForm* form, uint16_t key, TShiftState shift);
  void KeyUp(TCustomForm* form, uint16_t key, TShiftState shift);
  void KeyPress(TCustomForm* form, char32_t key);

  // The next press starts afresh (no double click with an earlier one).
  void ForgetLastPress() { lastPress_ = {}; }
  // Drops every reference to `control` (it is going away or leaving its form).
  void Forget(const TControl* control);
  void Reset();

  TControl* CaptureControl() const { return capture_.Get(); }
  void SetCaptureControl(TControl* control);
  TControl* HoverControl() const { return hover_.Get(); }
  // Modifier keys held down (Shift, Ctrl, Alt) and mouse buttons held.
  TShiftState ShiftState() const { return modifiers_ + buttons_; }
  // The drag that left presses arm; it takes the moves and the release while it runs.
  TDragTracker& Drag() { return drag_; }

 private:
  struct PressRecord {
    TControlRef control;
    TMouseButton button = mbLeft;
    TPoint at;
    int64_t time = 0;
  };

  bool Accepts(TCustomForm* form) const;
  TControl* HitTest(TCustomForm* form, TPoint p) const;
  TControl* MouseTarget(TCustomForm* form, TPoint p) const;
  void UpdateHover(TControl* now);
  bool IsDoubleClick(TControl* target, TMouseButton button, TPoint p, int64_t now) const;
  void SendMouse(TControl* target, UINT msg, TCustomForm* form, TPoint p);
  void ReleaseCaptureIfIdle();
  void OfferContextMenu(TControl* target, TCustomForm* form, TPoint p);
  TWinControl* KeyTarget(TCustomForm* form) const;
  bool HandleNavigationKey(TCustomForm* form, TWinControl* target, uint16_t key, TShiftState shift);
  void SetModifiers(TShiftState shift);

  TControlRef capture_;
  TControlRef hover_;
  PressRecord lastPress_;
  TShiftState modifiers_;
  TShiftState buttons_;
  TDragTracker drag_;
};

// The modifier state as the platform's GetKeyState reports it: the high bit (negative
// result) while VK_SHIFT, VK_CONTROL, VK_MENU or a mouse button is down.
int16_t GetKeyState(int vk);

}  // namespace fw
