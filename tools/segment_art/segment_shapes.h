// The six segment images of the seven-segment display, drawn from code: black shapes on white,
// two colours only, each shape one connected area (a flood fill from its fill point recolours
// all of it), shapes that leave gaps between neighbouring segments (so the inside of "0" and
// "8" stays joined to the background), and the degree ring open at its lower right for the
// same reason. The program panekit-segment-art writes them to resources/ as PNG files.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"

namespace segment_art {

struct SegmentImage {
  std::string name;  // the resource name: "SEGHORZ", "SEGVERT", ...
  std::unique_ptr<fw::TBitmap> image;
};

// The six images in a fixed order: SEGHORZ, SEGVERT, SEGDOT, SEGPLUS, SEGCOLON, SEGDEG.
std::vector<SegmentImage> DrawSegmentImages();

}  // namespace segment_art
