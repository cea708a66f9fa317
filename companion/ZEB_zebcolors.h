// Unit ZEB_zebcolors of corekit_rt: the table of predefined colours that colour pickers offer,
// 16 basic VGA colours, 4 more named colours and 27 system colours, numbered 1..47.
#pragma once

#include "framework/rtl/colors.h"

namespace zeb {

// Entry numbers of the three groups of PredefinedColors.
inline constexpr int pc_FirstBasic = 1;      // 1..16: the VGA colours, clBlack .. clWhite
inline constexpr int pc_FirstExtended = 17;  // 17..20: clMoneyGreen, clSkyBlue, clCream, clMedGray
inline constexpr int pc_FirstSystem =
    21;  // 21..47: system colours, clScrollBar .. clGradientActiveCaption
inline constexpr int pc_NumColors = 47;

// The table, indexed 1..47 like the colour pickers that use it. Every entry has a colour
// constant name, so fw::ColorToString gives "clXxx" texts for all of them; system colours
// keep their $FF0000nn form and resolve through fw::ColorToRGB.
class TPredefinedColors {
 public:
  static constexpr int Low = 1;
  static constexpr int High = pc_NumColors;
  // Entry `index`; clBlack outside 1..47.
  fw::TColor operator[](int index) const;
  int Count() const { return pc_NumColors; }
};

inline constexpr TPredefinedColors PredefinedColors{};

}  // namespace zeb
