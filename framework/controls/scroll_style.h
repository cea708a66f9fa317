// TScrollStyle: which scroll bars a scrolling control (grid, memo) shows.
#pragma once

#include <cstdint>

namespace fw {

enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

}  // namespace fw
