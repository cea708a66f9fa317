// Frame3D: the bevelled frame of raised and sunken edges that controls draw around buttons,
// edit boxes, grids and scroll-bar parts.
#pragma once

#include "framework/graphics/canvas.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/types.h"

namespace fw {

// Draws `width` nested one-pixel frames on the edge of `rect` (columns Left..Right-1, rows
// Top..Bottom-1): the top and left lines in `topColor`, the bottom and right lines in
// `bottomColor`. Light over dark looks raised, dark over light sunken. Returns the area inside
// the frames. Uses the canvas's pen (colour changed, width 1); nesting stops when nothing is
// left inside.
TRect Frame3D(TCanvas* canvas, const TRect& rect, TColor topColor, TColor bottomColor,
              int width = 1);

}  // namespace fw
