// Painting a scroll bar: the track in the scroll-bar colour, raised arrow buttons with a small
// black arrow each, and a raised thumb.
#include "framework/controls/scroll_bar.h"
#include "framework/graphics/frame3d.h"
#include "framework/rtl/colors.h"

namespace fw {

namespace {

void PaintRaised(TCanvas* canvas, const TRect& rect) {
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(rect);
  Frame3D(canvas, rect, clBtnHighlight, clBtnShadow);
}

// A black triangle four rows deep in the middle of `button`, pointing away from the track.
void PaintArrow(TCanvas* canvas, const TRect& button, bool vertical, bool towardsStart) {
  const int cx = (button.Left + button.Right) / 2;
  const int cy = (button.Top + button.Bottom) / 2;
  canvas->Brush()->SetColor(clBlack);
  for (int i = 0; i < 4; ++i) {
    const int along = towardsStart ? i - 2 : 2 - i;
    const TRect stroke = vertical ? Rect(cx - i, cy + along, cx + i + 1, cy + along + 1)
                                  : Rect(cx + along, cy - i, cx + along + 1, cy + i + 1);
    canvas->FillRect(stroke);
  }
}

}  // namespace

void TScrollBarLayout::Paint(TCanvas* canvas) const {
  if (!Shown()) return;
  TCanvasStateSaver saved(*canvas);
  canvas->Brush()->SetColor(clScrollBar);
  canvas->FillRect(bar_);
  for (const bool back : {true, false}) {
    const TRect button = back ? BackArrow() : ForwardArrow();
    PaintRaised(canvas, button);
    PaintArrow(canvas, button, vertical_, back);
  }
  const TRect thumb = Thumb();
  if (!IsRectEmpty(thumb)) PaintRaised(canvas, thumb);
}

void PaintScrollBarCorner(TCanvas* canvas, TPoint topLeft) {
  TCanvasStateSaver saved(*canvas);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(
      Rect(topLeft.X, topLeft.Y, topLeft.X + kScrollBarSize, topLeft.Y + kScrollBarSize));
}

}  // namespace fw
