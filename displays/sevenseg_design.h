// The seven-segment display's characters at design resolution: each of the 21 characters of
// SevenSegCharList composed from the six segment images (resources "SEGHORZ", "SEGVERT",
// "SEGDOT", "SEGPLUS", "SEGCOLON", "SEGDEG") and each of its pixels classed as shape,
// background (white joined to the corner) or enclosed white. The characters are composed once
// per process and kept run-length coded (a few runs per row).
#pragma once

#include "displays/ZEB_sevenseg.h"
#include "framework/graphics/bitmap.h"
#include "framework/rtl/colors.h"

namespace zeb::sevenseg {

inline constexpr int kDesignWidth = TSevenSeg::kDesignWidth;
inline constexpr int kDesignHeight = TSevenSeg::kDesignHeight;

// The colours a character is drawn in by class; enclosed white stays clWhite. Scaling such an
// image mixes them by area, so each scaled pixel tells the shares of the three classes.
inline constexpr fw::TColor kShapeClass = fw::RGB(255, 0, 0);
inline constexpr fw::TColor kBackgroundClass = fw::RGB(0, 0, 255);

// Draws character `charIndex` (0..20) into `work` (kDesignWidth x kDesignHeight) in the class
// colours. The first call composes all characters; it raises when a segment image is missing.
void DrawDesignCharacter(int charIndex, fw::TBitmap& work);

}  // namespace zeb::sevenseg
