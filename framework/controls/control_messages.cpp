// TControl's message procedure: mouse buttons (with Click and DblClick), moves, the wheel,
// size and component messages, and the virtual event methods they call.
#include <cstdlib>

#include "framework/controls/control.h"
#include "framework/controls/input.h"
#include "framework/controls/wincontrol.h"

namespace fw {

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WndProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      HandleButtonDown(message, mbLeft, false);
      return;
    case WM_RBUTTONDOWN:
      HandleButtonDown(message, mbRight, false);
      return;
    case WM_MBUTTONDOWN:
      HandleButtonDown(message, mbMiddle, false);
      return;
    case WM_LBUTTONDBLCLK:
      HandleButtonDown(message, mbLeft, true);
      return;
    case WM_RBUTTONDBLCLK:
      HandleButtonDown(message, mbRight, true);
      return;
    case WM_MBUTTONDBLCLK:
      HandleButtonDown(message, mbMiddle, true);
      return;
    case WM_LBUTTONUP:
      HandleButtonUp(message, mbLeft);
      return;
    case WM_RBUTTONUP:
      HandleButtonUp(message, mbRight);
      return;
    case WM_MBUTTONUP:
      HandleButtonUp(message, mbMiddle);
      return;
    case WM_MOUSEMOVE:
      HandleMouseMove(message);
      return;
    case WM_MOUSEWHEEL:
      HandleMouseWheel(message);
      return;
    case WM_CONTEXTMENU:
      HandleContextMenu(message);
      return;
    case WM_SIZE:
      Resize();
      return;
    case CM_MOUSEENTER:
      OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      OnMouseLeave(this);
      return;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
      Invalidate();
      return;
    case CM_PARENTFONTCHANGED:
      if (parentFont_) TakeParentFont();
      return;
    case CM_PARENTCOLORCHANGED:
      if (parentColor_) TakeParentColor();
      return;
    case CM_BIDIMODECHANGED:
      Invalidate();
      return;
    case CM_PARENTBIDIMODECHANGED:
      if (parentBiDiMode_) TakeParentBiDiMode();
      return;
    default:
      DefaultHandler(message);
  }
}

void TControl::DefaultHandler(TMessage& message) {
  message.Result = 0;
}

TShiftState TControl::MessageShift(WPARAM keys) const {
  TShiftState shift = KeysToShiftState(keys);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

// A press: a left double click calls DblClick first; then MouseDown with ssDouble. A plain
// left press arms the Click that a release inside will make.
void TControl::HandleButtonDown(TMessage& message, TMouseButton button, bool doubleClick) {
  const TControlRef alive = Ref();
  TShiftState shift = MessageShift(message.WParam);
  if (doubleClick) shift.Include(ssDouble);
  const TPoint p = PointFromLParam(message.LParam);
  if (button == mbLeft) {
    state_.Include(csLButtonDown);
    if (doubleClick) {
      state_.Exclude(csClicked);
      DblClick();
      if (!alive) return;
    } else if (style_.Contains(csClickEvents)) {
      state_.Include(csClicked);
    }
  }
  MouseDown(button, shift, p.X, p.Y);
}

// A release: Click when a left press inside armed it and the release is inside too, then
// MouseUp.
void TControl::HandleButtonUp(TMessage& message, TMouseButton button) {
  const TControlRef alive = Ref();
  const TShiftState shift = MessageShift(message.WParam);
  const TPoint p = PointFromLParam(message.LParam);
  if (button == mbLeft) {
    state_.Exclude(csLButtonDown);
    if (state_.Contains(csClicked)) {
      state_.Exclude(csClicked);
      if (PtInRect(ClientRect(), p)) {
        Click();
        if (!alive) return;
      }
    }
  }
  MouseUp(button, shift, p.X, p.Y);
}

void TControl::HandleMouseMove(TMessage& message) {
  const TPoint p = PointFromLParam(message.LParam);
  MouseMove(MessageShift(message.WParam), p.X, p.Y);
}

// WParam: key flags in the low word, the signed delta in the high word; LParam: the pointer
// in screen coordinates. Result 1 when handled.
void TControl::HandleMouseWheel(TMessage& message) {
  const TShiftState shift = MessageShift(message.WParam & 0xFFFF);
  const int delta = HiSigned(static_cast<intptr_t>(message.WParam));
  message.Result = DoMouseWheel(shift, delta, PointFromLParam(message.LParam)) ? 1 : 0;
}

// LParam: the pointer in screen coordinates. OnContextPopup may handle it; otherwise the
// PopupMenu shows. Result 0 (neither) lets the parent offer its own menu.
void TControl::HandleContextMenu(TMessage& message) {
  const TPoint screen = PointFromLParam(message.LParam);
  bool handled = false;
  const TControlRef alive = Ref();
  DoContextPopup(ScreenToClient(screen), handled);
  if (handled || !alive) {
    message.Result = 1;
    return;
  }
  if (auto* menu = dynamic_cast<IPopupMenu*>(popupMenu_)) {
    menu->Popup(this, screen.X, screen.Y);
    message.Result = 1;
  }
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled) {
  OnContextPopup(this, MousePos, Handled);
}

void TControl::Click() {
  OnClick(this);
}

void TControl::DblClick() {
  OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  OnMouseUp(this, Button, Shift, X, Y);
}

// OnMouseWheel may handle the turn; otherwise whole notches accumulate into
// DoMouseWheelDown (negative) and DoMouseWheelUp (positive) calls.
bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (handled) return true;
  wheelAccumulator_ += WheelDelta;
  while (std::abs(wheelAccumulator_) >= WHEEL_DELTA) {
    if (wheelAccumulator_ < 0) {
      wheelAccumulator_ += WHEEL_DELTA;
      handled = DoMouseWheelDown(Shift, MousePos);
    } else {
      wheelAccumulator_ -= WHEEL_DELTA;
      handled = DoMouseWheelUp(Shift, MousePos);
    }
  }
  return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  OnMouseWheelDown(this, Shift, MousePos, handled);
  return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  OnMouseWheelUp(this, Shift, MousePos, handled);
  return handled;
}

void TControl::Resize() {
  OnResize(this);
}

}  // namespace fw
