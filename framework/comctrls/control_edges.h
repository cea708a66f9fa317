// TControlEdges: the bevels, border width and border style a common control draws around its
// client area, from the outside in: the outer bevel, the inner bevel (both only with a bevel
// kind), BorderWidth pixels in the control's colour, then the sunken single border.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/controls/form.h"
#include "framework/graphics/canvas.h"

namespace fw {

enum TBevelCut : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
inline const std::vector<std::string> kBevelCutNames{"bvNone", "bvLowered", "bvRaised", "bvSpace"};
// bkNone draws no bevel at all; bkTile and bkSoft draw the cuts with shadow and highlight
// (bkSoft with the lighter face colour for the shadow side), bkFlat as one dark line.
enum TBevelKind : uint8_t { bkNone, bkTile, bkSoft, bkFlat };
inline const std::vector<std::string> kBevelKindNames{"bkNone", "bkTile", "bkSoft", "bkFlat"};

// The largest bevel and border width kept; larger values are brought down to it.
inline constexpr int kMaxEdgeWidth = 100;

struct TControlEdges {
  TBevelCut bevelInner = bvRaised;
  TBevelCut bevelOuter = bvLowered;
  TBevelKind bevelKind = bkNone;
  int bevelWidth = 1;                       // 1..kMaxEdgeWidth
  int borderWidth = 0;                      // 0..kMaxEdgeWidth
  TFormBorderStyle borderStyle = bsSingle;  // bsNone or bsSingle

  // Pixels taken on each side by everything drawn, with a three-dimensional border
  // (2 pixels) or a flat one (1 pixel).
  int Inset(bool ctl3D) const;
  // Draws the edges on the border of `bounds`; `face` fills the border width.
  void Paint(TCanvas* canvas, const TRect& bounds, TColor face, bool ctl3D) const;
};

}  // namespace fw
