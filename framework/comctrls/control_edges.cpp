// TControlEdges: the widths and the drawing of bevels and borders.
#include "framework/comctrls/control_edges.h"

#include "framework/graphics/frame3d.h"

namespace fw {

namespace {

// One bevel cut `width` pixels wide on the edge of `r`; answers the area inside it.
TRect PaintCut(TCanvas* canvas, const TRect& r, TBevelCut cut, TBevelKind kind, int width,
               TColor face) {
  if (cut == bvNone) return r;
  const TColor shadow = kind == bkSoft ? clBtnFace : clBtnShadow;
  if (kind == bkFlat && cut != bvSpace) return Frame3D(canvas, r, clBtnShadow, clBtnShadow, width);
  switch (cut) {
    case bvLowered:
      return Frame3D(canvas, r, shadow, clBtnHighlight, width);
    case bvRaised:
      return Frame3D(canvas, r, clBtnHighlight, shadow, width);
    default:
      return Frame3D(canvas, r, face, face, width);
  }
}

}  // namespace

int TControlEdges::Inset(bool ctl3D) const {
  int inset = borderWidth;
  if (bevelKind != bkNone) {
    if (bevelOuter != bvNone) inset += bevelWidth;
    if (bevelInner != bvNone) inset += bevelWidth;
  }
  if (borderStyle == bsSingle) inset += ctl3D ? 2 : 1;
  return inset;
}

void TControlEdges::Paint(TCanvas* canvas, const TRect& bounds, TColor face, bool ctl3D) const {
  TRect r = bounds;
  if (bevelKind != bkNone) {
    r = PaintCut(canvas, r, bevelOuter, bevelKind, bevelWidth, face);
    r = PaintCut(canvas, r, bevelInner, bevelKind, bevelWidth, face);
  }
  if (borderWidth > 0) r = Frame3D(canvas, r, face, face, borderWidth);
  if (borderStyle != bsSingle) return;
  if (!ctl3D) {
    Frame3D(canvas, r, clWindowFrame, clWindowFrame);
    return;
  }
  r = Frame3D(canvas, r, clBtnShadow, clBtnHighlight);
  Frame3D(canvas, r, cl3DDkShadow, clBtnFace);
}

}  // namespace fw
