// The class record of TSpeedButton: its published properties and events. GroupIndex and
// AllowAllUp come before Down, which needs them when a form is read.
#include "framework/base/registry.h"
#include "framework/stdctrls/speed_button.h"

namespace fw {

namespace {

void RegisterSpeedButton() {
  RegisterClass<TSpeedButton>("TSpeedButton", "TGraphicControl")
      .Int("Width", &TControl::Width, &TControl::SetWidth, 23)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &TControl::Height, &TControl::SetHeight, 22)
      .Range(0, fw::kMaxControlExtent)
      .Color("Color", &TControl::Color, &TControl::SetColor, clBtnFace)
      .Str("Caption", &TControl::Caption, &TControl::SetCaption, "")
      .Bool("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp, false)
      .Int("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex, 0)
      // Only a grouped button stays down.
      .Bool("Down", &TSpeedButton::Down, &TSpeedButton::SetDown, false)
      .NoSample()
      .Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat, false)
      .Enum("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout, kButtonLayoutNames,
            blGlyphLeft)
      .Int("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin, -1)
      .Range(-1, 10000)
      // The glyph before NumGlyphs: a sheet read sets NumGlyphs by its shape, a stored value
      // then overrides that.
      .Binary("Glyph", &TSpeedButton::GlyphData, &TSpeedButton::SetGlyphData)
      .Int("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs, 1)
      .Range(1, 4)
      .Int("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing, 4)
      .Range(-1, 10000);
}

const bool registered = (RegisterSpeedButton(), true);

}  // namespace

}  // namespace fw
