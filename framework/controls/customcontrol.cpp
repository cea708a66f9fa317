// TCustomControl: a windowed control with a canvas of its own; its background is erased in
// its colour before Paint unless the class declares itself opaque.
#include "framework/controls/customcontrol.h"

namespace fw {

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

}  // namespace fw
