// Building a dialog's form in code: controls placed at fixed positions, captions, buttons
// that end the dialog with a modal result.
#pragma once

#include <string>

#include "framework/controls/form.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/speed_button.h"

namespace fw {

// Parents `control` to `form` at (x, y) with size w x h; returns it.
template <typename T>
T* PlaceOn(TCustomForm* form, T* control, int x, int y, int w, int h) {
  control->SetParent(form);
  control->SetBounds(x, y, w, h);
  return control;
}

// A caption of one line at (x, y), `width` pixels wide.
inline TLabel* PlaceLabelOn(TCustomForm* form, const std::string& caption, int x, int y,
                            int width = 80) {
  auto* label = PlaceOn(form, new TLabel(form), x, y, width, 14);
  label->SetCaption(caption);
  return label;
}

// A button that ends the modal form with `result`.
inline TSpeedButton* PlaceResultButton(TCustomForm* form, const std::string& caption,
                                       TModalResult result, int x, int y, int w = 81, int h = 25) {
  auto* button = PlaceOn(form, new TSpeedButton(form), x, y, w, h);
  button->SetCaption(caption);
  button->OnClick = [form, result](TObject*) { form->SetModalResult(result); };
  return button;
}

}  // namespace fw
