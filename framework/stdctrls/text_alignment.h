// The platform's text placement types shared by the standard controls: horizontal alignment
// (TAlignment) and vertical layout (TTextLayout), with the platform's ordinals.
#pragma once

#include <cstdint>

namespace fw {

enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };

}  // namespace fw
