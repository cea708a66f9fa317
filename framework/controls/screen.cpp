// TScreen: the list of forms, the active form, and the cursor shown.
#include "framework/controls/screen.h"

#include <algorithm>

#include "framework/controls/application.h"
#include "framework/controls/form.h"

namespace fw {

namespace {
TScreen theScreen(nullptr);
}  // namespace

TScreen* Screen = &theScreen;

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TScreen::~TScreen() {
  if (Screen == this) Screen = nullptr;
}

void TScreen::SetCursor(TCursor value) {
  if (value == cursor_) return;
  cursor_ = value;
  UpdateCursor();
}

// Screen->Cursor when set; otherwise the first cursor other than crDefault of the control
// under the mouse and its parents.
void TScreen::UpdateCursor() {
  TCursor c = cursor_;
  if (c == crDefault && Application) {
    for (const TControl* h = Application->Input().HoverControl(); h != nullptr; h = h->Parent()) {
      if (h->Cursor() != crDefault) {
        c = h->Cursor();
        break;
      }
    }
  }
  if (c == shown_) return;
  shown_ = c;
  CurrentBackend().SetCursor(c);
}

TWinControl* TScreen::ActiveControl() const {
  return activeForm_ ? activeForm_->ActiveControl() : nullptr;
}

TCustomForm* TScreen::Forms(int index) const {
  if (index < 0 || index >= FormCount())
    throw EListError("Form index out of bounds (" + std::to_string(index) + ")");
  return forms_[index];
}

void TScreen::AddForm(TCustomForm* form) {
  forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
  std::erase(forms_, form);
  if (activeForm_ == form) activeForm_ = nullptr;
}

// The focused control of the form losing activation hears WM_KILLFOCUS, that of the form
// gaining it WM_SETFOCUS.
void TScreen::SetActiveForm(TCustomForm* form) {
  if (form == activeForm_) return;
  TCustomForm* old = activeForm_;
  activeForm_ = form;
  if (old && old->ActiveControl()) old->ActiveControl()->Perform(WM_KILLFOCUS, 0, 0);
  if (form && activeForm_ == form && form->ActiveControl())
    form->ActiveControl()->Perform(WM_SETFOCUS, 0, 0);
}

void TScreen::Reset() {
  cursor_ = crDefault;
  shown_ = crDefault;
}

}  // namespace fw
