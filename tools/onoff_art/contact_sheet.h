// A contact sheet of the on/off sheets for looking at the artwork: each sheet enlarged, shown
// on a light and on a dark background side by side, with its name above.
#pragma once

#include <memory>
#include <vector>

#include "tools/onoff_art/onoff_sheets.h"

namespace onoff_art {

std::unique_ptr<fw::TBitmap> ContactSheet(const std::vector<SheetImage>& sheets, int scale);

}  // namespace onoff_art
