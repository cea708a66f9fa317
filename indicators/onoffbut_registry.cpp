// The class record of TOnOffBut: its published properties and events. OnOff comes before the
// group properties, so a button written off in its group reads back off; AutoCenter comes
// before the spaces, which need it; Mode (which switches off) after OnOff.
#include "framework/base/registry.h"
#include "indicators/ZEB_onoffbut.h"

namespace zeb {

namespace {

void RegisterOnOffBut() {
  using B = TOnOffBut;
  fw::RegisterClass<B>("TOnOffBut", "TGraphicControl")
      .Int("Width", &B::Width, &B::SetWidth, 100)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &B::Height, &B::SetHeight, 50)
      .Range(0, fw::kMaxControlExtent)
      // Every value is written, except GroupIndex at 0.
      .StoreEveryValue()
      .Bool("OnOff", &B::OnOff, &B::SetOnOff, true)
      .Int("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, 0)
      .Default(0)
      .Bool("AllowAllOff", &B::AllowAllOff, &B::SetAllowAllOff, true)
      .Bool("AutoCenter", &B::AutoCenter, &B::SetAutoCenter, true)
      // Centred by default: a value read or set applies only without AutoCenter.
      .Int("LeftSpace", &B::LeftSpace, &B::SetLeftSpace, 35)
      .Range(0, fw::kMaxControlExtent)
      .NoSample()
      .Int("TopSpace", &B::TopSpace, &B::SetTopSpace, 16)
      .Range(0, fw::kMaxControlExtent)
      .NoSample()
      .Enum("ButtonStyle", &B::ButtonStyle, &B::SetButtonStyle, kOnOffButStyleNames, oobsColSlideLR)
      .Enum("Mode", &B::Mode, &B::SetMode, kOOButModeNames, oobmNormalBut)
      .Enum("MouseAction", &B::MouseAction, &B::SetMouseAction, kOOButMouseActionNames, oomaFocused)
      .Str("LeftText", &B::LeftText, &B::SetLeftText, "")
      .Str("RightText", &B::RightText, &B::SetRightText, "")
      .Str("TopText", &B::TopText, &B::SetTopText, "")
      .Str("BottomText", &B::BottomText, &B::SetBottomText, "")
      .Enum("LeftTextAlignment", &B::LeftTextAlignment, &B::SetLeftTextAlignment,
            fw::kAlignmentNames, fw::taRightJustify)
      .Enum("RightTextAlignment", &B::RightTextAlignment, &B::SetRightTextAlignment,
            fw::kAlignmentNames, fw::taLeftJustify)
      .Enum("TopTextAlignment", &B::TopTextAlignment, &B::SetTopTextAlignment, fw::kAlignmentNames,
            fw::taCenter)
      .Enum("BottomTextAlignment", &B::BottomTextAlignment, &B::SetBottomTextAlignment,
            fw::kAlignmentNames, fw::taCenter)
      .Color("ColorText", &B::ColorText, &B::SetColorText, fw::clBlack)
      .Color("ColorBackgnd", &B::ColorBackgnd, &B::SetColorBackgnd, fw::clBtnFace)
      .Enum("ColorScheme", &B::ColorScheme, &B::SetColorScheme, kColorSchemeNames, schFixed)
      .Enum("FrameStyle", &B::FrameStyle, &B::SetFrameStyle, kFrameStyleNames, fstSunken)
      .Bool("Transparent", &B::Transparent, &B::SetTransparent, false);
}

const bool registered = (RegisterOnOffBut(), true);

}  // namespace

}  // namespace zeb
