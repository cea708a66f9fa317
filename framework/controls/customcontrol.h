// TCustomControl: a windowed control that draws itself: children, focus and keys from
// TWinControl, a canvas and Paint like a graphic control.
#pragma once

#include "framework/controls/wincontrol.h"

namespace fw {

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);

  TCanvas* Canvas() { return ControlCanvas(); }
};

}  // namespace fw
