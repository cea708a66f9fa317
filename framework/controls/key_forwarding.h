// Key-down forwarding: a control that handles its key-downs itself, outside the usual path
// (where a KeyPreview form sees each key first), hands each key to its parent as CN_KEYDOWN,
// so the form's preview and the parent's own key handlers still see it.
//
//   focused control's WM_KEYDOWN  -> ForwardKeyDownToParent(control, key)
//     form has KeyPreview?           parent->Perform(CN_KEYDOWN, key, 0)
//       TWinControl::WndProc         HandleForwardedKeyDown: DoKeyDown (the KeyPreview form
//                                    first, then the parent's KeyDown / OnKeyDown)
//     answer 1                       a handler set the key to 0: the control drops it
#pragma once

#include <cstdint>

#include "framework/base/set.h"
#include "framework/controls/control.h"

namespace fw {

class TWinControl;

// The modifier keys held while a key goes down (the mouse buttons left out).
TShiftState KeyShiftState();

// When the form of `control` has KeyPreview, sends `key` to the control's parent as
// CN_KEYDOWN (key, 0). True when a handler there ate the key (set it to 0), or when the
// control went away while they ran: the caller then does nothing more with the key. False
// without KeyPreview, without parent, or when the key is still to be handled.
bool ForwardKeyDownToParent(TWinControl* control, uint16_t key);

}  // namespace fw
