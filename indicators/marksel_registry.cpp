// The class record of TMarkSel: published properties and events.
#include "framework/base/registry.h"
#include "indicators/ZEB_marksel.h"

namespace zeb {

namespace {

void RegisterMarkSel() {
  using M = TMarkSel;
  fw::RegisterClass<M>("TMarkSel", "TGraphicControl")
      .Int("Width", &M::Width, &M::SetWidth, 236)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &M::Height, &M::SetHeight, 178)
      .Range(0, fw::kMaxControlExtent)
      .Int("NrOfColumns", &M::NrOfColumns, &M::SetNrOfColumns, 8)
      .Range(1, M::kMaxCells)
      .Int("NrOfRows", &M::NrOfRows, &M::SetNrOfRows, 6)
      .Range(1, M::kMaxCells)
      .Int("Selected", &M::Selected, &M::SetSelected, -1)
      .Range(-1, kMarkCount - 1)
      .Bool("ShowZeroAsCross", &M::ShowZeroAsCross, &M::SetShowZeroAsCross, true)
      .AlwaysStored()
      .Color("ColorBackGnd", &M::ColorBackGnd, &M::SetColorBackGnd, fw::clBtnFace)
      .Color("ColorMarks", &M::ColorMarks, &M::SetColorMarks, fw::clBlack)
      .Color("ColorSelFG", &M::ColorSelFG, &M::SetColorSelFG, fw::clNavy)
      .Color("ColorSelBG", &M::ColorSelBG, &M::SetColorSelBG, fw::clWhite)
      .Color("ColorHiLiteBG", &M::ColorHiLiteBG, &M::SetColorHiLiteBG, fw::clRed)
      .Color("ColorHiLiteSymbol", &M::ColorHiLiteSymbol, &M::SetColorHiLiteSymbol, fw::clWhite)
      .Enum("FrameStyle", &M::FrameStyle, &M::SetFrameStyle, kFrameStyleNames, fstEngraved)
      .Event("OnMarkClick")
      .Event("OnMarkDblClick")
      .Event("OnPaint");
}

const bool registered = (RegisterMarkSel(), true);

}  // namespace

}  // namespace zeb
