// TScreen and the global `Screen`: the forms, the active form and control, and the cursor
// shown (Screen->Cursor over the cursor of the control under the mouse).
#pragma once

#include <vector>

#include "framework/controls/control.h"

namespace fw {

class TCustomForm;
class TWinControl;

class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;

  // A cursor for the whole application; crDefault lets each control's Cursor show.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);

  TCustomForm* ActiveForm() const { return activeForm_; }
  TWinControl* ActiveControl() const;
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const;
  int Width() const { return 1024; }
  int Height() const { return 768; }
  int PixelsPerInch() const { return 96; }

  // Bookkeeping of the forms (called by the forms).
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  void SetActiveForm(TCustomForm* form);
  // Recomputes the cursor shown and tells the backend when it changed.
  void UpdateCursor();
  // The cursor last handed to the backend.
  TCursor ShownCursor() const { return shown_; }
  void Reset();

 private:
  std::vector<TCustomForm*> forms_;
  TCustomForm* activeForm_ = nullptr;
  TCursor cursor_ = crDefault;
  TCursor shown_ = crDefault;
};

extern TScreen* Screen;

}  // namespace fw
