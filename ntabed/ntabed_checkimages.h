// The two check images of the table editor's menus ("EMPTYBOX" and "CHECKEDBOX" resources of
// the run-time library) as drawing code: tools/check_images (panekit-check-images resources)
// writes the committed pictures with it, and a test checks that they still match.
#pragma once

#include <memory>

#include "framework/graphics/bitmap.h"

namespace zeb {

// 16 x 16 pixels: a white box with a grey sunken frame on a fuchsia ground (see-through in
// menus: it is the bottom-left pixel's colour), with a black check mark when `checked`.
std::unique_ptr<fw::TBitmap> DrawMenuCheckImage(bool checked);

}  // namespace zeb
