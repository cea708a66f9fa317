// The class record of TColSel: its published properties and events. NumColors comes before
// SelColor, which looks among the entries it shows.
#include "browse/ZEB_Colsel.h"
#include "companion/ZEB_zebcolors.h"
#include "framework/base/registry.h"

namespace zeb {

namespace {

void RegisterColSel() {
  using C = TColSel;
  fw::RegisterClass<C>("TColSel", "TCustomComboBox")
      .Int("Cursor", &C::Cursor, &C::SetCursor, fw::crDefault)
      .Color("Color", &C::Color, &C::SetColor, fw::clWindow)
      .Int("DropDownCount", &C::DropDownCount, &C::SetDropDownCount, 8)
      .Range(1, 10000)
      .Bool("ParentColor", &C::ParentColor, &C::SetParentColor, false)
      .Bool("Enabled", &C::Enabled, &C::SetEnabled, true)
      .Int("ColorBarWidth", &C::ColorBarWidth, &C::SetColorBarWidth, 30)
      .Range(0, 1000000)
      .Int("NumColors", &C::NumColors, &C::SetNumColors, 20)
      .Range(1, 47)
      .Color("SelColor", &C::SelColor, &C::SetSelColor, PredefinedColors[1])
      .Sample(fw::TColor(0x123456))
      .Event("OnChange")
      .Event("OnClick")
      .Event("OnDropDown")
      .Event("OnEnter")
      .Event("OnExit")
      .Event("OnColorNameChange");
}

const bool registered = (RegisterColSel(), true);

}  // namespace

}  // namespace zeb
