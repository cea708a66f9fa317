// Bevelled frames: the raised and sunken edges that controls draw around buttons, edit boxes,
// grids, headers and scroll-bar parts, and the etched (embossed or engraved) groove.
#pragma once

#include "framework/graphics/canvas.h"
#include "framework/rtl/colors.h"
#include "framework/rtl/types.h"

namespace fw {

// Which colour the two corners get where a top/left line meets a bottom/right line (the
// bottom-left and the top-right pixel of each ring).
enum TBevelCorners {
  bcBottomRightOwns,  // both corners in the bottom/right colour: the controls' edges
  bcTopLeftOwns,      // both corners in the top/left colour: report list headers
  bcSidesOwn,         // bottom-left in the top/left colour, top-right in the bottom/right one
};

// Draws `width` nested one-pixel rings on the edge of `rect` (columns Left..Right-1, rows
// Top..Bottom-1): the top and left lines in `topColor`, the bottom and right lines in
// `bottomColor`, the corners by `corners`. Light over dark looks raised, dark over light
// sunken. Answers the area inside the rings; nesting stops when nothing is left inside. The
// canvas's drawing state is left as it was; clip and origin apply.
TRect Frame3D(TCanvas* canvas, const TRect& rect, TColor topColor, TColor bottomColor,
              int width = 1, TBevelCorners corners = bcBottomRightOwns);

// A groove two pixels wide on the edge of `rect`: a closed ring in `outer` one pixel in from
// the bottom and right, and `inner` inside it at the top and left and outside it at the
// bottom and right. Highlight outside looks embossed, shadow outside engraved.
void EtchedFrame(TCanvas* canvas, const TRect& rect, TColor outer, TColor inner);

}  // namespace fw
