// The class record of TProgBar: published properties and events.
#include <limits>

#include "framework/base/registry.h"
#include "framework/stdctrls/text_alignment.h"
#include "indicators/ZEB_ProgBar.h"

namespace zeb {

namespace {

// Every property is written with the form, as the bar has no stored defaults. Width and
// Height come before the text anchor, which is clamped to them.
void RegisterProgBar() {
  using P = TProgBar;
  constexpr int kMaxInt = std::numeric_limits<int>::max();
  fw::RegisterClass<P>("TProgBar", "TGraphicControl")
      .StoreEveryValue()
      .Int("Width", &P::Width, &P::SetWidth, 300)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &P::Height, &P::SetHeight, 28)
      .Range(0, fw::kMaxControlExtent)
      .Double("Min", &P::Min, &P::SetMin, 0.0)
      .Double("Max", &P::Max, &P::SetMax, 100.0)
      .Double("Value", &P::Value, &P::SetValue, 10.0)
      .Enum("Direction", &P::Direction, &P::SetDirection, kDirectionNames, dirRight)
      .Color("ColorMin", &P::ColorMin, &P::SetColorMin, fw::clBlue)
      .Color("ColorMax", &P::ColorMax, &P::SetColorMax, fw::clRed)
      .Bool("ShowColorGradient", &P::ShowColorGradient, &P::SetShowColorGradient, false)
      .Enum("ColorMapMode", &P::ColorMapMode, &P::SetColorMapMode, kColorMappingNames, cgmStretch)
      .Color("ColorBackGnd", &P::ColorBackGnd, &P::SetColorBackGnd, fw::clSilver)
      .Color("ColorMargin", &P::ColorMargin, &P::SetColorMargin, fw::clSilver)
      .Color("ColorGrid", &P::ColorGrid, &P::SetColorGrid, fw::clBlack)
      .Int("GridDist", &P::GridDist, &P::SetGridDist, 0)
      .Int("MarginLeft", &P::MarginLeft, &P::SetMarginLeft, 4)
      .Range(0, fw::kMaxControlExtent)
      .Int("MarginRight", &P::MarginRight, &P::SetMarginRight, 4)
      .Range(0, fw::kMaxControlExtent)
      .Int("MarginTop", &P::MarginTop, &P::SetMarginTop, 4)
      .Range(0, fw::kMaxControlExtent)
      .Int("MarginBottom", &P::MarginBottom, &P::SetMarginBottom, 4)
      .Range(0, fw::kMaxControlExtent)
      .Enum("FrameStyleOuter", &P::FrameStyleOuter, &P::SetFrameStyleOuter, kFrameStyleNames,
            fstRaised)
      .Enum("FrameStyleInner", &P::FrameStyleInner, &P::SetFrameStyleInner, kFrameStyleNames,
            fstSunken)
      .Enum("ColorScheme", &P::ColorScheme, &P::SetColorScheme, kColorSchemeNames, schFixed)
      // Only a file that loads is kept.
      .Str("BackGroundImg", &P::BackGroundImg, &P::SetBakGndFile, "")
      .NoSample()
      .Bool("TextVisible", &P::TextVisible, &P::SetShowValue, true)
      .Int("TextPosX", &P::TextPosX, &P::SetTextPosX, 14)
      .Range(0, 300)
      .Int("TextPosY", &P::TextPosY, &P::SetTextPosY, 14)
      .Range(0, 28)
      .Enum("TextAlignment", &P::TextAlignment, &P::SetTextAlignment, fw::kAlignmentNames,
            fw::taCenter)
      .Int("TextAngle", &P::TextAngle, &P::SetTextAngle, 0)
      .Range(0, 360)
      .Int("TextDecPlaces", &P::TextDecPlaces, &P::SetTextDecPlaces, 0)
      .Range(-2, 10)
      .Double("AutoIncStep", &P::AutoIncStep, &P::SetAutoIncStep, 1.0)
      .Int("StartInterval", &P::StartInterval, &P::SetStartIv, 1500)
      .Range(10, kMaxInt)
      .Int("RepeatInterval", &P::RepeatInterval, &P::SetRepeatIv, 700)
      .Range(10, kMaxInt)
      // After the intervals, so a form's bar starts with the intervals it was given.
      .Bool("AutoInc", &P::AutoInc, &P::SetAutoInc, false)
      .Event("OnAutoInc")
      .Event("OnShowValue");
}

const bool registered = (RegisterProgBar(), true);

}  // namespace

}  // namespace zeb
