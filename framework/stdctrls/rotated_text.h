// Text turned about an anchor point: a canvas font turned by an angle, and where TextOut must
// start so that the turned text begins at, is centred on, or ends at the anchor.
#pragma once

#include <cstdint>

#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"
#include "framework/rtl/types.h"
#include "framework/stdctrls/text_alignment.h"

namespace fw {

// Makes a copy of `font` turned `angle` degrees counter-clockwise (escapement and orientation)
// the canvas font, in the default character set with the given quality; the canvas owns the
// new font handle.
void SelectRotatedFont(TCanvas* canvas, const TFont* font, int angle,
                       uint8_t quality = DEFAULT_QUALITY);

// The TextOut point of a width x height text turned `angle` degrees counter-clockwise so that,
// across its base line, it is centred on `anchor`, and along it starts at the anchor
// (taLeftJustify), is centred on it (taCenter) or ends at it (taRightJustify). The half sizes
// are whole pixels (width div 2, height div 2); the offsets round to the nearest pixel.
TPoint RotatedTextOrigin(TPoint anchor, int angle, TAlignment alignment, int width, int height);

}  // namespace fw
