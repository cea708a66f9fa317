// The platform's text placement types shared by the standard controls: horizontal alignment
// (TAlignment) and vertical layout (TTextLayout), with the platform's ordinals.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };

// The names of the values as form text writes them, by ordinal.
inline const std::vector<std::string> kAlignmentNames{"taLeftJustify", "taRightJustify",
                                                      "taCenter"};
inline const std::vector<std::string> kTextLayoutNames{"tlTop", "tlCenter", "tlBottom"};

}  // namespace fw
