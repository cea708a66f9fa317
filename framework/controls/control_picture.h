// A control's picture in one call: the control with everything on it painted into a bitmap of
// its size, or saved as a picture file, whether or not it sits on a shown form (for reports,
// documentation and a program's own tests).
#pragma once

#include <memory>
#include <string>

#include "framework/controls/control.h"
#include "framework/graphics/bitmap.h"

namespace fw {

// The control as it paints itself, with its child controls, into a new Width x Height bitmap
// (an empty bitmap for a control without area). The bitmap starts in the control's colour.
std::unique_ptr<TBitmap> RenderControl(TControl& control);

// RenderControl saved to `fileName`: PNG or BMP by the extension (any letter case). Raises
// EInvalidGraphic for another extension and EInOutError when the file cannot be written.
void SaveControlPicture(TControl& control, const std::string& fileName);

}  // namespace fw
