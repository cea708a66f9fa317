// TGraphicControl: a control without a window; it paints through its canvas on the form's
// surface and takes no part in focus.
#include "framework/controls/graphiccontrol.h"

namespace fw {

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

}  // namespace fw
