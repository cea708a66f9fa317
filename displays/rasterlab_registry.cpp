// The class record of TRasterLab: published properties and events (Align, Anchors, Font,
// ParentShowHint, PopupMenu, ShowHint, Visible and the mouse events come from TControl's).
#include <climits>

#include "displays/ZEB_RasterLab.h"
#include "framework/base/registry.h"

namespace zeb {

namespace {

// Text, the dot metrics and the font come before AutoCenter and AutoHeight, which adjust
// PosX and Height from them; ScrollMode comes last, so a form's scrolling starts with its
// interval and increment already read.
void RegisterRasterLab() {
  using R = TRasterLab;
  fw::RegisterClass<R>("TRasterLab", "TGraphicControl")
      .Int("Width", &R::Width, &R::SetWidth, 400)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &R::Height, &R::SetHeight, 68)
      .Range(0, fw::kMaxControlExtent)
      // The label names its own font ("default"), so it does not start with its parent's.
      .Bool("ParentFont", &R::ParentFont, &R::SetParentFont, false)
      .AlwaysStored()
      .Str("Text", &R::Text, &R::SetText, "Text")
      .Bool("Proportional", &R::Proportional, &R::SetProportional, true)
      .Int("DotSize", &R::DotSize, &R::SetDotSize, 3)
      .Range(R::kMinDotSize, R::kMaxDotSize)
      .Int("DotSpacing", &R::DotSpacing, &R::SetDotSpacing, 1)
      .Range(R::kMinDotSpacing, R::kMaxDotSpacing)
      .Int("PosX", &R::PosX, &R::SetPosX, 1)
      .Int("PosY", &R::PosY, &R::SetPosY, 1)
      .Bool("AutoHeight", &R::AutoHeight, &R::SetAutoHeight, false)
      .Bool("AutoCenter", &R::AutoCenter, &R::SetAutoCenter, false)
      .Enum("CharBlockMode", &R::CharBlockMode, &R::SetCharBlockMode, kRDBlockModeNames, rdbmOn)
      .Color("ColorDotOn", &R::ColorDotOn, &R::SetColorDotOn, 0x00FF00)
      .Color("ColorDotOff", &R::ColorDotOff, &R::SetColorDotOff, 0x404040)
      .Color("ColorLabBakG", &R::ColorLabBakG, &R::SetColorLabBakG, 0x000000)
      .Enum("ColorScheme", &R::ColorScheme, &R::SetColorScheme, kColorSchemeNames, schFixed)
      .Enum("FrameStyle", &R::FrameStyle, &R::SetFrameStyle, kFrameStyleNames, fstSunken)
      .Int("ScrollInterval", &R::ScrollInterval, &R::SetScrollInterval, 100)
      .Range(R::kMinScrollInterval, INT_MAX)
      .Int("ScrollIncrement", &R::ScrollIncrement, &R::SetScrollIncrement, 1)
      .Range(1, INT_MAX)
      .Bool("ScrollLoop", &R::ScrollLoop, &R::SetScrollLoop, true)
      .Enum("ScrollMode", &R::ScrollMode, &R::SetScrollMode, kRDScrollModeNames, rdsmOff)
      .Event("OnScrollTimer")
      .Event("OnScrollLoopRestart");
}

const bool registered = (RegisterRasterLab(), true);

}  // namespace

}  // namespace zeb
