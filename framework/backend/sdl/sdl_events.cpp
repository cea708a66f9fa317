// TSdlBackend's event handling: SDL window, mouse, wheel, keyboard and text events handed to
// the forms and the application's input dispatch.
#include <exception>

#include "framework/backend/sdl/sdl_backend.h"
#include "framework/backend/sdl/sdl_keymap.h"
#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "framework/controls/screen.h"
#include "framework/controls/wincontrol.h"

namespace fw {

namespace {

TShiftState HeldModifiers() {
  return sdl::ShiftStateOf(static_cast<uint16_t>(SDL_GetModState()), 0);
}

// Window events run form code (closing, showing): what it throws is reported, not passed
// into SDL's event pump.
template <typename Call>
void Reported(Call call) {
  try {
    call();
  } catch (...) {
    if (Application) Application->HandleException(nullptr);
  }
}

// Whether the focused control takes Tab as a character rather than a move to the next one.
bool WantsTab(TWinControl* focused) {
  return focused && (focused->Perform(WM_GETDLGCODE, 0, 0) & (DLGC_WANTTAB | DLGC_WANTALLKEYS));
}

}  // namespace

void TSdlBackend::HandleEvent(const SDL_Event& event) {
  if (!Application) return;
  switch (event.type) {
    case SDL_QUIT:
      Application->Terminate();
      break;
    case SDL_WINDOWEVENT:
      HandleWindowEvent(event.window);
      break;
    case SDL_MOUSEMOTION:
      if (TSdlWindow* w = Find(event.motion.windowID))
        Application->Input().MouseMove(
            w->Form(),
            sdl::ShiftStateOf(static_cast<uint16_t>(SDL_GetModState()), event.motion.state),
            event.motion.x, event.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      HandleMouseButton(event.button, event.type == SDL_MOUSEBUTTONDOWN);
      break;
    case SDL_MOUSEWHEEL:
      HandleWheel(event.wheel);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      HandleKey(event.key, event.type == SDL_KEYDOWN);
      break;
    case SDL_TEXTINPUT:
      HandleText(event.text);
      break;
    default:
      break;
  }
}

void TSdlBackend::HandleWindowEvent(const SDL_WindowEvent& e) {
  TSdlWindow* w = Find(e.windowID);
  if (!w) return;
  TCustomForm* form = w->Form();
  switch (e.event) {
    case SDL_WINDOWEVENT_EXPOSED:
      w->Redraw();
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      if (w->UserResized(e.data1, e.data2))
        Reported([&] { form->SetBounds(form->Left(), form->Top(), e.data1, e.data2); });
      break;
    case SDL_WINDOWEVENT_MOVED:
      if (w->UserMoved(e.data1, e.data2))
        Reported([&] { form->SetBounds(e.data1, e.data2, form->Width(), form->Height()); });
      break;
    case SDL_WINDOWEVENT_LEAVE:
      Application->Input().MouseLeft(form);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: {
      // While a modal form runs, the focus belongs to it.
      TCustomForm* modal = Application->ModalForm();
      if (modal && modal != form) {
        if (TSdlWindow* m = Find(modal)) SDL_RaiseWindow(m->Window());
      } else if (form->Visible()) {
        Reported([&] { form->Show(); });
      }
      break;
    }
    case SDL_WINDOWEVENT_CLOSE:
      Reported([&] { form->Close(); });
      break;
    default:
      break;
  }
}

void TSdlBackend::HandleMouseButton(const SDL_MouseButtonEvent& e, bool down) {
  const auto button = sdl::MouseButtonOf(e.button);
  TSdlWindow* w = Find(e.windowID);
  if (!button || !w) return;
  // The mouse stays with the window while a button is held, even outside it.
  const uint32_t mask = SDL_BUTTON(e.button);
  if (down) {
    if (buttonsHeld_ == 0) SDL_CaptureMouse(SDL_TRUE);
    buttonsHeld_ |= mask;
    Application->Input().MouseDown(w->Form(), *button, HeldModifiers(), e.x, e.y);
  } else {
    buttonsHeld_ &= ~mask;
    if (buttonsHeld_ == 0) SDL_CaptureMouse(SDL_FALSE);
    Application->Input().MouseUp(w->Form(), *button, HeldModifiers(), e.x, e.y);
  }
}

void TSdlBackend::HandleWheel(const SDL_MouseWheelEvent& e) {
  TSdlWindow* w = Find(e.windowID);
  if (!w || e.y == 0) return;
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  Application->Input().MouseWheel(w->Form(), HeldModifiers(), sdl::WheelDelta(e.y, e.direction), x,
                                  y);
}

TCustomForm* TSdlBackend::KeyForm(uint32_t windowId) const {
  if (TSdlWindow* w = Find(windowId)) return w->Form();
  return Screen ? Screen->ActiveForm() : nullptr;
}

void TSdlBackend::HandleKey(const SDL_KeyboardEvent& e, bool down) {
  TCustomForm* form = KeyForm(e.windowID);
  const uint16_t vk = sdl::VirtualKey(e.keysym.sym, e.keysym.scancode);
  if (!form || vk == 0) return;
  const TShiftState shift = sdl::ShiftStateOf(e.keysym.mod, 0);
  if (!down) {
    Application->Input().KeyUp(form, vk, shift);
    return;
  }
  const TControlRef formRef = form->Ref();
  const TWinControl* focusedBefore = form->ActiveControl();
  Application->Input().KeyDown(form, vk, shift);
  // Keys with a character the text input does not bring (Enter, Escape, Backspace, Tab,
  // Ctrl+letter) press it too, unless the key moved the focus (a dialog key used it).
  const char32_t ch = sdl::ControlCharacter(vk, shift);
  if (ch == 0 || !formRef || form->ActiveControl() != focusedBefore) return;
  if (vk == VK_TAB && !WantsTab(form->ActiveControl())) return;
  Application->Input().KeyPress(form, ch);
}

void TSdlBackend::HandleText(const SDL_TextInputEvent& e) {
  TCustomForm* form = KeyForm(e.windowID);
  if (!form) return;
  const TControlRef formRef = form->Ref();
  for (char32_t ch : sdl::TextCodePoints(e.text)) {
    if (!formRef) return;
    Application->Input().KeyPress(form, ch);
  }
}

}  // namespace fw
