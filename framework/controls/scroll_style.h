// TScrollStyle: which scroll bars a scrolling control (grid, memo) shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
// The names of the values as form text writes them, by ordinal.
inline const std::vector<std::string> kScrollStyleNames{"ssNone", "ssHorizontal", "ssVertical",
                                                        "ssBoth"};

}  // namespace fw
