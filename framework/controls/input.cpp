// Input dispatch, one rule per function: hit-test, hover (enter/leave), capture, press
// (with double-click detection), move, release (Click follows in the control), drags (left
// presses, moves and releases reported to the drag tracker), wheel to the graphic control
// under the pointer or the focused control, navigation keys, keys to the focused control.
#include "framework/controls/input.h"

#include <cstdlib>

#include "framework/controls/application.h"
#include "framework/controls/backend.h"
#include "framework/controls/form.h"
#include "framework/controls/screen.h"

namespace fw {

namespace {

UINT DownMessage(TMouseButton button, bool doubleClick) {
  switch (button) {
    case mbRight:
      return doubleClick ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN;
    case mbMiddle:
      return doubleClick ? WM_MBUTTONDBLCLK : WM_MBUTTONDOWN;
    default:
      return doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
  }
}

UINT UpMessage(TMouseButton button) {
  switch (button) {
    case mbRight:
      return WM_RBUTTONUP;
    case mbMiddle:
      return WM_MBUTTONUP;
    default:
      return WM_LBUTTONUP;
  }
}

TShiftStateItem ButtonShift(TMouseButton button) {
  switch (button) {
    case mbRight:
      return ssRight;
    case mbMiddle:
      return ssMiddle;
    default:
      return ssLeft;
  }
}

bool IsSelfOrInside(const TControl* target, const TControl* container) {
  for (const TControl* c = target; c != nullptr; c = c->Parent())
    if (c == container) return true;
  return false;
}

// Handlers run by input report their exceptions to the application, as in the loop.
template <typename F>
void Guarded(F&& body) {
  try {
    body();
  } catch (...) {
    Application->HandleException(nullptr);
  }
}

}  // namespace

// A shown form takes input unless another form's modal loop runs.
bool TInputDispatch::Accepts(TCustomForm* form) const {
  if (!form || !form->Showing()) return false;
  TCustomForm* modal = Application ? Application->ModalForm() : nullptr;
  return modal == nullptr || modal == form;
}

// --- Mouse rules

// The topmost visible, enabled control under p (form coordinates): windowed children above
// graphic ones, later siblings above earlier ones; the form itself when no child is hit.
TControl* TInputDispatch::HitTest(TCustomForm* form, TPoint p) const {
  if (!Accepts(form) || !form->Enabled() || !PtInRect(form->ClientRect(), p)) return nullptr;
  TWinControl* container = form;
  TPoint local = p;
  for (;;) {
    TControl* child = container->ControlAtPos(local, false);
    if (!child) return container;
    if (!child->IsWinControl()) return child;
    local = Point(local.X - child->Left(), local.Y - child->Top());
    container = static_cast<TWinControl*>(child);
  }
}

// While a button is held the capturing control gets every mouse message.
TControl* TInputDispatch::MouseTarget(TCustomForm* form, TPoint p) const {
  if (TControl* c = capture_.Get()) return c;
  return HitTest(form, p);
}

// The control under the pointer changed: CM_MOUSELEAVE to the old one, CM_MOUSEENTER to the
// new one (also while another control holds the capture), and the cursor follows.
void TInputDispatch::UpdateHover(TControl* now) {
  TControl* old = hover_.Get();
  if (now == old) return;
  hover_ = now ? now->Ref() : TControlRef();
  if (old) old->Perform(CM_MOUSELEAVE, 0, 0);
  if (now && hover_.Get() == now) now->Perform(CM_MOUSEENTER, 0, 0);
  if (Screen) Screen->UpdateCursor();
}

// A second press of the same button on the same control within the double-click time and
// distance of the first.
bool TInputDispatch::IsDoubleClick(TControl* target, TMouseButton button, TPoint p,
                                   int64_t now) const {
  return lastPress_.control.Get() == target && lastPress_.button == button &&
         now - lastPress_.time <= kDoubleClickTime &&
         std::abs(p.X - lastPress_.at.X) <= kDoubleClickDistance &&
         std::abs(p.Y - lastPress_.at.Y) <= kDoubleClickDistance &&
         target->ControlStyle().Contains(csDoubleClicks);
}

void TInputDispatch::SendMouse(TControl* target, UINT msg, TCustomForm* form, TPoint p) {
  // Through screen coordinates: the capturing control may lie on another form.
  const TPoint local = target->ScreenToClient(form->ClientToScreen(p));
  target->Perform(msg, ShiftStateToKeys(modifiers_ + buttons_), MakeLParam(local.X, local.Y));
}

void TInputDispatch::ReleaseCaptureIfIdle() {
  if (buttons_.Empty()) capture_ = TControlRef();
}

void TInputDispatch::SetCaptureControl(TControl* control) {
  capture_ = control ? control->Ref() : TControlRef();
}

void TInputDispatch::MouseDown(TCustomForm* form, TMouseButton button, TShiftState shift, int x,
                               int y) {
  Guarded([&] {
    SetModifiers(shift);
    const TPoint p = Point(x, y);
    UpdateHover(HitTest(form, p));
    TControl* target = MouseTarget(form, p);
    buttons_.Include(ButtonShift(button));
    if (!target) return;
    const int64_t now = CurrentBackend().Milliseconds();
    const bool doubleClick = IsDoubleClick(target, button, p, now);
    // A double click uses up the first press: a third press starts afresh.
    lastPress_ = doubleClick ? PressRecord{} : PressRecord{target->Ref(), button, p, now};
    if (!capture_ && target->ControlStyle().Contains(csCaptureMouse)) capture_ = target->Ref();
    // Armed first, so an OnMouseDown handler's BeginDrag measures from this press too.
    if (button == mbLeft && !doubleClick) drag_.Pressed(target, form->ClientToScreen(p));
    SendMouse(target, DownMessage(button, doubleClick), form, p);
  });
}

void TInputDispatch::MouseMove(TCustomForm* form, TShiftState shift, int x, int y) {
  Guarded([&] {
    SetModifiers(shift);
    const TPoint p = Point(x, y);
    UpdateHover(HitTest(form, p));
    if (drag_.Moved(HitTest(form, p), form->ClientToScreen(p))) return;
    if (TControl* target = MouseTarget(form, p)) SendMouse(target, WM_MOUSEMOVE, form, p);
  });
}

void TInputDispatch::MouseUp(TCustomForm* form, TMouseButton button, TShiftState shift, int x,
                             int y) {
  Guarded([&] {
    SetModifiers(shift);
    const TPoint p = Point(x, y);
    if (button == mbLeft && drag_.Released(HitTest(form, p), form->ClientToScreen(p))) {
      buttons_.Exclude(ssLeft);
      ReleaseCaptureIfIdle();
      UpdateHover(HitTest(form, p));
      return;
    }
    TControl* target = MouseTarget(form, p);
    buttons_.Exclude(ButtonShift(button));
    const TControlRef targetRef = target ? target->Ref() : TControlRef();
    if (target) SendMouse(target, UpMessage(button), form, p);
    ReleaseCaptureIfIdle();
    if (button == mbRight && targetRef) OfferContextMenu(targetRef.Get(), form, p);
    UpdateHover(HitTest(form, p));
  });
}

// After a right-button release the control (or else the nearest parent) that handles
// WM_CONTEXTMENU shows its popup menu.
void TInputDispatch::OfferContextMenu(TControl* target, TCustomForm* form, TPoint p) {
  const TPoint screen = form->ClientToScreen(p);
  for (TControlRef c = target->Ref(); c;) {
    TControl* control = c.Get();
    if (control->Perform(WM_CONTEXTMENU, 0, MakeLParam(screen.X, screen.Y)) != 0) return;
    if (!c) return;
    c = control->Parent() ? control->Parent()->Ref() : TControlRef();
  }
}

// A graphic control under the pointer (it can never hold the focus) is offered the wheel
// first; otherwise, or when it does not handle it, the wheel goes to the focused control (the
// form when none), and a control that does not handle it passes it to its parent.
void TInputDispatch::MouseWheel(TCustomForm* form, TShiftState shift, int delta, int x, int y) {
  Guarded([&] {
    SetModifiers(shift);
    TWinControl* target = KeyTarget(form);
    if (!target) return;
    const TPoint screen = form->ClientToScreen(Point(x, y));
    const WPARAM wParam =
        MakeWParam(static_cast<int>(ShiftStateToKeys(modifiers_ + buttons_)), delta);
    TControl* pointed = HitTest(form, Point(x, y));
    if (pointed && !pointed->IsWinControl()) {
      const TControlRef formRef = form->Ref(), targetRef = target->Ref();
      if (pointed->Perform(WM_MOUSEWHEEL, wParam, MakeLParam(screen.X, screen.Y)) != 0) return;
      if (!formRef || !targetRef) return;
    }
    for (TControlRef c = target->Ref(); c;) {
      TControl* control = c.Get();
      if (control->Perform(WM_MOUSEWHEEL, wParam, MakeLParam(screen.X, screen.Y)) != 0) return;
      if (!c) return;
      c = control->Parent() ? control->Parent()->Ref() : TControlRef();
    }
  });
}

void TInputDispatch::MouseLeft(TCustomForm* form) {
  Guarded([&] {
    if (IsSelfOrInside(hover_.Get(), form)) UpdateHover(nullptr);
  });
}

// --- Keyboard rules

TWinControl* TInputDispatch::KeyTarget(TCustomForm* form) const {
  if (!Accepts(form)) return nullptr;
  if (TWinControl* c = form->ActiveControl()) return c;
  return form;
}

// Tab and the arrow keys move the focus unless the focused control asks for them through
// WM_GETDLGCODE.
bool TInputDispatch::HandleNavigationKey(TCustomForm* form, TWinControl* target, uint16_t key,
                                         TShiftState) {
  LRESULT wanted = 0;
  switch (key) {
    case VK_TAB:
      wanted = DLGC_WANTTAB;
      break;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      wanted = DLGC_WANTARROWS;
      break;
    default:
      return false;
  }
  const LRESULT code = target->Perform(WM_GETDLGCODE, 0, 0);
  if (code & (wanted | DLGC_WANTALLKEYS)) return false;
  return form->Perform(CM_DIALOGKEY, key, 0) != 0;
}

void TInputDispatch::SetModifiers(TShiftState shift) {
  modifiers_ = shift * TShiftState{ssShift, ssCtrl, ssAlt};
}

void TInputDispatch::KeyDown(TCustomForm* form, uint16_t key, TShiftState shift) {
  Guarded([&] {
    SetModifiers(shift);
    TWinControl* target = KeyTarget(form);
    if (!target) return;
    if (HandleNavigationKey(form, target, key, shift)) return;
    target->Perform(WM_KEYDOWN, key, 0);
  });
}

void TInputDispatch::KeyUp(TCustomForm* form, uint16_t key, TShiftState shift) {
  Guarded([&] {
    SetModifiers(shift);
    if (TWinControl* target = KeyTarget(form)) target->Perform(WM_KEYUP, key, 0);
  });
}

// A character typed with Alt (and not Ctrl, which with Alt types ordinary characters on
// some keyboards) is an accelerator only: the form's controls are offered it and it never
// reaches the focused control as text. A plain character is offered to them first when the
// focused control does not take characters (WM_GETDLGCODE).
void TInputDispatch::KeyPress(TCustomForm* form, char32_t key) {
  Guarded([&] {
    TWinControl* target = KeyTarget(form);
    if (!target) return;
    const bool menuChar = modifiers_.Contains(ssAlt) && !modifiers_.Contains(ssCtrl);
    const bool offer = menuChar || (target->Perform(WM_GETDLGCODE, 0, 0) &
                                    (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) == 0;
    const TControlRef targetRef = target->Ref();
    if (offer && form->Perform(CM_DIALOGCHAR, key, 0) != 0) return;
    if (menuChar || !targetRef) return;
    target->Perform(WM_CHAR, key, 0);
  });
}

// --- Bookkeeping

void TInputDispatch::Forget(const TControl* control) {
  if (IsSelfOrInside(capture_.Get(), control)) capture_ = TControlRef();
  if (IsSelfOrInside(hover_.Get(), control)) hover_ = TControlRef();
  if (IsSelfOrInside(lastPress_.control.Get(), control)) lastPress_ = PressRecord{};
  drag_.Forget(control);
}

void TInputDispatch::Reset() {
  capture_ = TControlRef();
  hover_ = TControlRef();
  lastPress_ = PressRecord{};
  modifiers_ = TShiftState{};
  buttons_ = TShiftState{};
  drag_.Reset();
}

int16_t GetKeyState(int vk) {
  const TShiftState s = Application ? Application->Input().ShiftState() : TShiftState{};
  bool down = false;
  switch (vk) {
    case VK_SHIFT:
      down = s.Contains(ssShift);
      break;
    case VK_CONTROL:
      down = s.Contains(ssCtrl);
      break;
    case VK_MENU:
      down = s.Contains(ssAlt);
      break;
    case VK_LBUTTON:
      down = s.Contains(ssLeft);
      break;
    case VK_RBUTTON:
      down = s.Contains(ssRight);
      break;
    case VK_MBUTTON:
      down = s.Contains(ssMiddle);
      break;
    default:
      break;
  }
  return down ? static_cast<int16_t>(-32768) : int16_t{0};
}

}  // namespace fw
