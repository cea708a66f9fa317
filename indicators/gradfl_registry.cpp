// The class record of TGradFill: published properties and events.
#include "framework/base/registry.h"
#include "indicators/ZEB_gradfl.h"

namespace zeb {

namespace {

void RegisterGradFill() {
  using G = TGradFill;
  fw::RegisterClass<G>("TGradFill", "TGraphicControl")
      .Int("Width", &G::Width, &G::SetWidth, 121)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &G::Height, &G::SetHeight, 121)
      .Range(0, fw::kMaxControlExtent)
      .Color("ColorFirst", &G::ColorFirst, &G::SetColorFirst, fw::clMaroon)
      .Color("ColorLast", &G::ColorLast, &G::SetColorLast, fw::clYellow)
      .Bool("ColorFlipped", &G::ColorFlipped, &G::SetColorFlipped, false)
      .Enum("FillType", &G::FillType, &G::SetFillType, kGradTypeNames, gtHoriz)
      .Int("NrColors", &G::NrColors, &G::SetNrColors, 16)
      .Range(1, G::kMaxColors)
      .Enum("GridMode", &G::GridMode, &G::SetGridMode, kGridModeNames, gmNone)
      .AlwaysStored()
      .Color("GridColor", &G::GridColor, &G::SetGridColor, fw::clNavy)
      .AlwaysStored()
      .Enum("FrameStyle", &G::FrameStyle, &G::SetFrameStyle, kFrameStyleNames, fstNone)
      .AlwaysStored()
      .Event("OnPaint");
}

const bool registered = (RegisterGradFill(), true);

}  // namespace

}  // namespace zeb
