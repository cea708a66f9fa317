// TCustomForm: showing and hiding, modal runs, closing, the focused control and the dialog
// keys that move it.
#include "framework/controls/form.h"

#include <algorithm>
#include <cstdint>

#include "framework/controls/application.h"
#include "framework/controls/screen.h"
#include "framework/graphics/bitmap.h"
#include "framework/rtl/scope_guard.h"

namespace fw {

TCustomForm::TCustomForm(TComponent* AOwner) : TCustomControl(AOwner) {
  visible_ = false;
  SetParentFont(false);
  SetColor(clBtnFace);
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  Destroying();
  if (Visible() && surface_) CurrentBackend().FormHidden(this);
  if (Application) Application->FormGone(this);
  if (Screen) Screen->RemoveForm(this);
  DestroyChildren();
  DestroyHandleTree();
  activeControl_ = nullptr;
}

TForm::TForm(TComponent* AOwner) : TCustomForm(AOwner) {}

void TCustomForm::SetParent(TWinControl* AParent) {
  if (AParent) throw EInvalidOperation("A form cannot be placed inside another control");
}

bool TCustomForm::Showing() const {
  return Visible() && surface_ != nullptr;
}

bool TCustomForm::Active() const {
  return Screen && Screen->ActiveForm() == this;
}

namespace {

// The surface's size for a form of width x height: all of it, or its top-left part where the
// form is larger than a bitmap can be (no screen shows that much).
TSize SurfaceSizeFor(int width, int height) {
  width = std::clamp(width, 0, kMaxImageSide);
  height = std::clamp(height, 0, kMaxImageSide);
  if (width > 0 && int64_t{width} * height > kMaxImagePixels)
    height = static_cast<int>(kMaxImagePixels / width);
  return TSize{width, height};
}

}  // namespace

void TCustomForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!surface_) return;
  const TSize size = SurfaceSizeFor(Width(), Height());
  if (size.cx != surface_->Width() || size.cy != surface_->Height())
    surface_->SetSize(size.cx, size.cy);
  InvalidateRect(ClientRect());
}

// --- Showing and hiding

void TCustomForm::Show() {
  SetVisible(true);
  if (Visible()) Activate();
}

void TCustomForm::Hide() {
  SetVisible(false);
}

namespace {

// Offers an accelerator character to every visible control inside `container`, depth first in
// z-order, until one answers.
bool OfferDialogChar(TWinControl* container, TMessage& message) {
  for (int i = 0; i < container->ControlCount(); ++i) {
    TControl* child = container->Controls(i);
    if (!child->Visible()) continue;
    if (child->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0) return true;
    if (child->IsWinControl() && OfferDialogChar(static_cast<TWinControl*>(child), message))
      return true;
  }
  return false;
}

}  // namespace

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_DIALOGCHAR:
      message.Result = OfferDialogChar(this, message) ? 1 : 0;
      return;
    case CM_VISIBLECHANGED:
      ShowingChanged(message.WParam != 0);
      return;
    case CM_DIALOGKEY:
      message.Result =
          DialogKey(static_cast<uint16_t>(message.WParam), Application->Input().ShiftState()) ? 1
                                                                                              : 0;
      return;
    case WM_NEXTDLGCTL:
      // WParam 0: the next control in tab order, otherwise the previous one.
      SelectNext(activeControl_, message.WParam == 0, true);
      return;
    default:
      TCustomControl::WndProc(message);
  }
}

// A form a designer edits keeps Visible as a property to store; it never shows itself.
void TCustomForm::ShowingChanged(bool visible) {
  if (ComponentState().Contains(csDesigning)) return;
  if (visible) {
    if (!surface_) {
      const TSize size = SurfaceSizeFor(Width(), Height());
      surface_ = std::make_unique<TBitmap>(size.cx, size.cy);
    }
    UpdateHandles();
    if (Application && !Application->MainForm()) Application->SetMainForm(this);
    InvalidateRect(ClientRect());
    const TControlRef alive = Ref();
    OnShow(this);
    if (!alive) return;
    CurrentBackend().FormShown(this);
    Activate();
  } else {
    if (Application) Application->Input().Forget(this);
    if (Screen && Screen->ActiveForm() == this) Screen->SetActiveForm(nullptr);
    dirty_ = TRect{};
    drawn_ = TRect{};
    CurrentBackend().FormHidden(this);
    OnHide(this);
  }
}

void TCustomForm::Activate() {
  if (!Showing() || !Screen) return;
  Screen->SetActiveForm(this);
  if (!activeControl_) SelectFirst();
}

void TCustomForm::SelectFirst() {
  if (TWinControl* first = FindNextControl(nullptr, true, true, false)) SetActiveControl(first);
}

// --- Modal runs and closing

int TCustomForm::ShowModal() {
  if (Visible()) throw EInvalidOperation("Cannot make a visible window modal");
  TCustomForm* previous = Screen ? Screen->ActiveForm() : nullptr;
  TControlRef previousRef = previous ? previous->Ref() : TControlRef();
  modal_ = true;
  modalResult_ = mrNone;
  TScopeExit finish([&] {
    modal_ = false;
    Hide();
    if (auto* p = static_cast<TCustomForm*>(previousRef.Get()); p && p->Showing()) p->Activate();
  });
  Show();
  Application->ModalLoop(this);
  return modalResult_;
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  OnClose(this, action);
  switch (action) {
    case caNone:
      return;
    case caFree:
      Hide();
      Release();
      return;
    default:
      Hide();
  }
  if (Application && Application->MainForm() == this) Application->Terminate();
}

void TCustomForm::Release() {
  Application->Post([ref = Ref()] { delete ref.Get(); });
}

// --- Focus

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == activeControl_) return;
  if (control) {
    if (control == this || GetParentForm(control) != this)
      throw EInvalidOperation("Cannot focus a control of another form");
    if (Visible() && !control->CanFocus())
      throw EInvalidOperation("Cannot focus a disabled or invisible window");
  }
  TWinControl* previous = activeControl_;
  activeControl_ = control;
  if (Active()) FocusChange(previous, control);
}

// The control losing the focus hears CM_EXIT and WM_KILLFOCUS, the one gaining it CM_ENTER
// and WM_SETFOCUS; a handler that moves the focus elsewhere ends the sequence.
void TCustomForm::FocusChange(TWinControl* from, TWinControl* to) {
  const TControlRef toRef = to ? to->Ref() : TControlRef();
  if (from) {
    const TControlRef fromRef = from->Ref();
    from->Perform(CM_EXIT, 0, 0);
    if (fromRef && activeControl_ == to) from->Perform(WM_KILLFOCUS, 0, 0);
  }
  if (!to || !toRef || activeControl_ != to) return;
  to->Perform(CM_ENTER, 0, 0);
  if (toRef && activeControl_ == to) to->Perform(WM_SETFOCUS, 0, 0);
}

void TCustomForm::ControlGone(TControl* control, bool destroying) {
  if (Application) Application->Input().Forget(control);
  if (!activeControl_ || control == this) return;
  bool inside = false;
  for (const TControl* c = activeControl_; c != nullptr; c = c->Parent())
    if (c == control) inside = true;
  if (!inside) return;
  TWinControl* previous = activeControl_;
  activeControl_ = nullptr;
  if (!destroying && Active()) FocusChange(previous, nullptr);
}

bool TCustomForm::DialogKey(uint16_t key, TShiftState shift) {
  if (shift.Contains(ssAlt) || shift.Contains(ssCtrl)) return false;
  switch (key) {
    case VK_TAB:
      SelectNext(activeControl_, !shift.Contains(ssShift), true);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (!activeControl_ || !activeControl_->Parent()) return false;
      activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN,
                                           false);
      return true;
    default:
      return false;
  }
}

void TCustomForm::Paint() {
  OnPaint(this);
}

}  // namespace fw
