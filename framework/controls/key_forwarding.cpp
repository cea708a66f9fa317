// Key-down forwarding to the parent under KeyPreview, and the parent's handling of it.
#include "framework/controls/key_forwarding.h"

#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "framework/controls/wincontrol.h"

namespace fw {

TShiftState KeyShiftState() {
  if (!Application) return {};
  return Application->Input().ShiftState() - TShiftState{ssLeft, ssRight, ssMiddle};
}

bool ForwardKeyDownToParent(TWinControl* control, uint16_t key) {
  TCustomForm* form = GetParentForm(control);
  TWinControl* parent = control->Parent();
  if (!form || !parent || !form->KeyPreview()) return false;
  const TControlRef alive = control->Ref();
  const bool eaten = parent->Perform(CN_KEYDOWN, key, 0) != 0;
  return eaten || !alive;
}

// A key forwarded by a child: handled as this control's own key-down, the KeyPreview form
// first (unless this is the form).
bool TWinControl::HandleForwardedKeyDown(uint16_t key) {
  return DoKeyDown(key, KeyShiftState());
}

}  // namespace fw
