// TGraphicControl: a control without a window of its own; it paints on its parent form's
// surface through a canvas with the control's origin and clip rectangle.
#pragma once

#include "framework/controls/control.h"

namespace fw {

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);

  // The control's canvas: the form's surface at the control's origin, clipped to the
  // control's visible area; no target when the control has no surface.
  TCanvas* Canvas() { return ControlCanvas(); }
};

}  // namespace fw
