// TNumIO2's mouse: caret placement and drag selection in the text row, the gauge (click and
// drag), the spin buttons and the freeze box.
#include <algorithm>

#include "numio/ZEB_NumIO.h"

namespace zeb {

bool TNumIO2::InGauge(int X, int Y, int slack) const {
  const Layout g = GetLayout();
  return gaugeVisible_ && !readOnly_ && Y > g.rowBottom && X >= gaugeLeftMargin_ - slack &&
         X <= gaugeLeftMargin_ + gaugeWidth_ + slack;
}

double TNumIO2::SetGaugeValue(int X) {
  const double v =
      NioGaugeValue(X, gaugeLeftMargin_, gaugeWidth_, rangeLow_, rangeHigh_, stepValues_);
  SetShownValue(v);
  pendingGaugeChange_ = true;
  return v;
}

bool TNumIO2::InSpinButtons(int X, int Y) const {
  const Layout g = GetLayout();
  return butVisible_ && !readOnly_ && X > g.x0 && X < g.x0 + butWidth_ && Y > 0 && Y < butHeight_;
}

bool TNumIO2::InFreezeBox(int X, int Y) const {
  const Layout g = GetLayout();
  return freezeBoxVisible_ && X > g.xf && X < g.xf + freezeBoxSize_ && Y > freezeBoxTop_ &&
         Y < freezeBoxTop_ + freezeBoxSize_;
}

void TNumIO2::ToggleFreeze() {
  const bool checked = !freezeBoxChecked_;
  freezeBoxChecked_ = checked;
  SetHideInputEditor(hideInputOnFreeze_ && checked);
  SetReadOnly(checked);
  Invalidate();
  Changed();
}

void TNumIO2::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  const fw::TControlRef alive = Ref();
  if (CanFocus() && !Focused()) SetFocus();
  if (!alive) return;
  if (CanEdit()) caretOn_ = true;
  const Layout g = GetLayout();
  if (Button == fw::mbLeft) {
    if (Y > 0 && Y < g.rowBottom) {
      const int p = XCoordsToCharPos(X);
      dragAnchor_ = p;
      editor_.caret = editor_.selBegin = p;
      SetSelEnd(p);
    }
    if (InGauge(X, Y, 0)) SetGaugeValue(X);
    if (InSpinButtons(X, Y)) {
      const bool up = Y <= butHeight_ / 2;
      SetShownValue(NioSpinValue(GetNioValue(), up, butIncrem_, rangeLow_, rangeHigh_, stepValues_,
                                 format_.FixPointDecPlaces));
      Changed();
      if (!alive) return;
    }
    if (InFreezeBox(X, Y)) {
      ToggleFreeze();
      if (!alive) return;
    }
  }
  fw::TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TNumIO2::MouseMove(fw::TShiftState Shift, int X, int Y) {
  mouseArea_ = X > leftSpace_ + textBoxWidth_ ? 2 : X > leftSpace_ ? 1 : 0;
  if (Shift.Contains(fw::ssLeft)) {
    const Layout g = GetLayout();
    if (dragAnchor_ >= 0 && Y > 0 && Y < g.rowBottom) {
      const int p = XCoordsToCharPos(X);
      editor_.selBegin = std::min(dragAnchor_, p);
      editor_.selEnd = std::max(dragAnchor_, p);
      editor_.caret = p;
      editor_.Clamp();
      Invalidate();
    }
    if (InGauge(X, Y, 1)) {
      const fw::TControlRef alive = Ref();
      const double v = SetGaugeValue(X);
      OnGaugeChange(this, Shift, v);
      if (!alive) return;
    }
  }
  fw::TCustomControl::MouseMove(Shift, X, Y);
}

void TNumIO2::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  if (Button == fw::mbLeft) dragAnchor_ = -1;
  if (pendingGaugeChange_) {
    pendingGaugeChange_ = false;
    const fw::TControlRef alive = Ref();
    Changed();
    if (!alive) return;
  }
  fw::TCustomControl::MouseUp(Button, Shift, X, Y);
}

}  // namespace zeb
