// Frame3D and EtchedFrame: bevelled frames filled as one-pixel runs with a solid brush.
#include "framework/graphics/frame3d.h"

#include "framework/graphics/pen_brush_font.h"

namespace fw {

namespace {

// Paints inclusive runs of pixels in one colour each, cut to the frame's rectangle.
class Runs {
 public:
  Runs(TCanvas* canvas, const TRect& bounds) : canvas_(canvas), bounds_(bounds) {
    canvas_->Brush()->SetStyle(bsSolid);
  }
  // Columns x1..x2 of row y (nothing when x2 < x1).
  void Row(int y, int x1, int x2, TColor color) { Fill(x1, y, x2, y, color); }
  // Rows y1..y2 of column x (nothing when y2 < y1).
  void Column(int x, int y1, int y2, TColor color) { Fill(x, y1, x, y2, color); }

 private:
  void Fill(int x1, int y1, int x2, int y2, TColor color) {
    TRect run;
    if (!IntersectRect(run, Rect(x1, y1, x2 + 1, y2 + 1), bounds_)) return;
    canvas_->Brush()->SetColor(color);
    canvas_->FillRect(run);
  }
  TCanvas* canvas_;
  TRect bounds_;
};

// One ring on columns l..r and rows t..b (inclusive). The top/left runs come first and the
// bottom/right runs after, so where both reach a corner the later one shows.
void Ring(Runs& runs, int l, int t, int r, int b, TColor top, TColor bottom,
          TBevelCorners corners) {
  switch (corners) {
    case bcBottomRightOwns:
      runs.Column(l, t, b, top);
      runs.Row(t, l, r, top);
      runs.Column(r, t, b, bottom);
      runs.Row(b, l, r, bottom);
      break;
    case bcTopLeftOwns:
      runs.Row(b, l, r, bottom);
      runs.Column(r, t, b, bottom);
      runs.Column(l, t, b, top);
      runs.Row(t, l, r, top);
      break;
    case bcSidesOwn:
      runs.Row(t, l, r, top);
      runs.Row(b, l, r, bottom);
      runs.Column(l, t, b, top);
      runs.Column(r, t, b, bottom);
      break;
  }
}

}  // namespace

TRect Frame3D(TCanvas* canvas, const TRect& rect, TColor topColor, TColor bottomColor, int width,
              TBevelCorners corners) {
  TCanvasStateSaver saved(*canvas);
  Runs runs(canvas, rect);
  TRect ring = rect;
  for (; width > 0; --width) {
    if (ring.Right <= ring.Left || ring.Bottom <= ring.Top) break;
    Ring(runs, ring.Left, ring.Top, ring.Right - 1, ring.Bottom - 1, topColor, bottomColor,
         corners);
    InflateRect(ring, -1, -1);
  }
  return ring;
}

void EtchedFrame(TCanvas* canvas, const TRect& rect, TColor outer, TColor inner) {
  if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
  TCanvasStateSaver saved(*canvas);
  Runs runs(canvas, rect);
  const int l = rect.Left, t = rect.Top, r = rect.Right - 1, b = rect.Bottom - 1;
  runs.Row(t, l, r - 1, outer);
  runs.Row(b - 1, l, r - 1, outer);
  runs.Column(l, t, b - 1, outer);
  runs.Column(r - 1, t, b - 1, outer);
  runs.Column(l + 1, t + 1, b - 2, inner);
  runs.Row(t + 1, l + 1, r - 2, inner);
  runs.Row(b, l + 1, r, inner);
  runs.Column(r, t + 1, b, inner);
}

}  // namespace fw
