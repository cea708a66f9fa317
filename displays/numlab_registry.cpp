// The class record of TNumLab: published properties and events.
#include "displays/ZEB_NumLab.h"
#include "framework/base/registry.h"

namespace zeb {

namespace {

// Every property is written with the form, as the label has no stored defaults.
void RegisterNumLab() {
  using N = TNumLab;
  fw::RegisterClass<N>("TNumLab", "TGraphicControl")
      .StoreEveryValue()
      .Int("Width", &N::Width, &N::SetWidth, 160)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &N::Height, &N::SetHeight, 28)
      .Range(0, fw::kMaxControlExtent)
      .Int("LabelWidth", &N::LabelWidth, &N::SetLabelWidth, 80)
      .Int("LeftSpace", &N::LeftSpace, &N::SetLeftSpace, 35)
      .Range(0, 160)
      .Double("Value", &N::Value, &N::SetValue, 0.0)
      .Enum("DisplayType", &N::DisplayType, &N::SetDisplayType, kDisplayNames, dtFixP)
      .Int("Precision", &N::Precision, &N::SetPrecision, 2)
      .Range(0, N::kMaxPrecision)
      .Bool("Comma", &N::Comma, &N::SetComma, false)
      .Bool("ForcePlusSign", &N::ForcePlusSign, &N::SetForcePlusSign, false)
      .Bool("Empty", &N::Empty, &N::SetEmpty, false)
      .Str("LeftText", &N::LeftText, &N::SetLeftText, "")
      .Str("RightText", &N::RightText, &N::SetRightText, "")
      .Enum("LeftTextAlignment", &N::LeftTextAlignment, &N::SetLeftTextAlignment,
            fw::kAlignmentNames, fw::taRightJustify)
      .Enum("RightTextAlignment", &N::RightTextAlignment, &N::SetRightTextAlignment,
            fw::kAlignmentNames, fw::taLeftJustify)
      .Enum("Alignment", &N::Alignment, &N::SetAlignment, fw::kAlignmentNames, fw::taCenter)
      .Enum("FrameStyle", &N::FrameStyle, &N::SetFrameStyle, kFrameStyleNames, fstSunken)
      .Str("OverflowIndicator", &N::OverflowIndicator, &N::SetOverflowIndicator, "*********")
      .Str("StateText", &N::StateText, &N::SetStateText, "undefined")
      .Str("DTFormat", &N::DTFormat, &N::SetDTFormat, "mmm-dd, yyyy")
      .Color("ColorLabText", &N::ColorLabText, &N::SetColorLabText, fw::clBlack)
      .Color("ColorLabBakG", &N::ColorLabBakG, &N::SetColorLabBakG, fw::clBtnFace)
      .Color("ColorOutText", &N::ColorOutText, &N::SetColorOutText, fw::clBlack)
      .Color("ColorOutBakG", &N::ColorOutBakG, &N::SetColorOutBakG, fw::clBtnFace)
      .Enum("ColorScheme", &N::ColorScheme, &N::SetColorScheme, kColorSchemeNames, schFixed)
      .Bool("Transparent", &N::Transparent, &N::SetTransparent, false)
      .Event("OnBeforeDisplay");
}

const bool registered = (RegisterNumLab(), true);

}  // namespace

}  // namespace zeb
