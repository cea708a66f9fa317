// TMarkSel input: the highlight follows the pointer; left-button releases and double clicks
// select the nearest symbol and report it.
#include "framework/controls/messages.h"
#include "indicators/ZEB_marksel.h"

namespace zeb {

void TMarkSel::MouseMove(fw::TShiftState Shift, int X, int Y) {
  fw::TGraphicControl::MouseMove(Shift, X, Y);
  const int nearest = NearestMark(X, Y);
  if (!hiLiteShown_ || nearest != hiLite_) HiLite(nearest);
}

void TMarkSel::WndProc(fw::TMessage& message) {
  fw::TGraphicControl::WndProc(message);
  switch (message.Msg) {
    case fw::WM_LBUTTONUP:
      MarkClicked(message, OnMarkClick);
      break;
    case fw::WM_LBUTTONDBLCLK:
      MarkClicked(message, OnMarkDblClick);
      break;
    case fw::CM_MOUSELEAVE:
      ResetLastHiLite();
      break;
    default:
      break;
  }
}

// A message at (-1, -1) carries no place and is ignored.
void TMarkSel::MarkClicked(const fw::TMessage& message, const TMarkClickEvent& event) {
  const fw::TPoint p = fw::PointFromLParam(message.LParam);
  if (p.X == -1 && p.Y == -1) return;
  const int mark = NearestMark(p.X, p.Y);
  selected_ = mark;
  event(this, p.X, p.Y, mark);
  Repaint();
  HiLite(mark);
}

}  // namespace zeb
