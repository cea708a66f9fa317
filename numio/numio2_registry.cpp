// The class record of TNumIO2: its published properties and events.
#include "framework/base/registry.h"
#include "numio/ZEB_NumIO.h"

namespace zeb {

namespace {

// Every property is written with the form (the panel has no stored defaults). The size comes
// first, as several limits depend on it; the format before the range and the text, which is
// read in it; FreezeBoxSize before FreezeBoxTop, which it sets.
void RegisterNumIO2() {
  using N = TNumIO2;
  fw::RegisterClass<N>("TNumIO2", "TCustomControl")
      .StoreEveryValue()
      .Int("Width", &N::Width, &N::SetWidth, 160)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &N::Height, &N::SetHeight, 28)
      .Range(18, fw::kMaxControlExtent)
      .Bool("TabStop", &N::TabStop, &N::SetTabStop, true)
      .Enum("InputFormat", &N::InputFormat, &N::SetInputFormat, kInFormatNames, itFloat)
      .Sample(itExp)
      .Enum("DecPlaceSep", &N::DecPlaceSep, &N::SetDecSep, kDecPSepNames, dpBoth)
      .Sample(dpPoint)
      .Int("FixPointDecPlaces", &N::FixPointDecPlaces, &N::SetFixPointDecPlaces, 2)
      .Range(1, 15)
      .Int("SignificantDigits", &N::SignificantDigits, &N::SetSignificantDigits, 6)
      .Range(1, 15)
      .Double("RangeLow", &N::RangeLow, &N::SetRangeLow, 0.0)
      .Sample(-50.0)
      .Double("RangeHigh", &N::RangeHigh, &N::SetRangeHigh, 1000.0)
      .Sample(2000.0)
      // The value of the text, shown in property views; the form keeps the text.
      .Double("Value", &N::Value, &N::SetNioValue, 0.0)
      .NotStored()
      .NoSample()  // it rewrites Text, checked next
      .Str("Text", &N::Text, &N::SetText, "")
      .Sample(std::string("12.50"))  // valid in the sample format itExp with "."
      .Int("LeftSpace", &N::LeftSpace, &N::SetLeftSpace, 35)
      .Range(0, 160)
      .Int("TextBoxWidth", &N::TextBoxWidth, &N::SetTextBoxWidth, 80)
      .Range(0, fw::kMaxControlExtent)
      .Str("LeftText", &N::LeftText, &N::SetLeftText, "")
      .Str("RightText", &N::RightText, &N::SetRightText, "")
      .Enum("Alignment", &N::Alignment, &N::SetAlignment, fw::kAlignmentNames, fw::taCenter)
      .Enum("LeftTextAlignment", &N::LeftTextAlignment, &N::SetLeftTextAlignment,
            fw::kAlignmentNames, fw::taRightJustify)
      .Enum("RightTextAlignment", &N::RightTextAlignment, &N::SetRightTextAlignment,
            fw::kAlignmentNames, fw::taLeftJustify)
      .Enum("FrameStyle", &N::FrameStyle, &N::SetFrameStyle, kFrameStyleNames, fstSunken)
      .Bool("ButVisible", &N::ButVisible, &N::SetButVisible, false)
      .Int("ButWidth", &N::ButWidth, &N::SetButWidth, 18)
      .Range(8, 50)
      .Int("ButHeight", &N::ButHeight, &N::SetButHeight, 28)
      .Range(18, 28)
      .Int("ButSpace", &N::ButSpace, &N::SetButSpace, 3)
      .Range(0, 50)
      .Double("ButIncrem", &N::ButIncrem, &N::SetButIncrem, 1.0)
      .Bool("But3D", &N::But3D, &N::SetBut3D, true)
      .Color("ButColor", &N::ButColor, &N::SetButColor, 0xC0C0C0)
      .Bool("FreezeBoxVisible", &N::FreezeBoxVisible, &N::SetFreezeBoxVisible, false)
      .Int("FreezeBoxSize", &N::FreezeBoxSize, &N::SetFreezeBoxSize, 16)
      .Range(12, 25)
      .NoSample()
      .Int("FreezeBoxLeft", &N::FreezeBoxLeft, &N::SetFreezeBoxLeft, 30)
      .Range(-fw::kMaxControlExtent, fw::kMaxControlExtent)
      .Int("FreezeBoxTop", &N::FreezeBoxTop, &N::SetFreezeBoxTop, 4)
      .Range(-fw::kMaxControlExtent, fw::kMaxControlExtent)
      .Bool("HideInputOnFreeze", &N::HideInputOnFreeze, &N::SetHideInputOnFreeze, false)
      .Bool("HideInputEditor", &N::HideInputEditor, &N::SetHideInputEditor, false)
      .Bool("HideSelection", &N::HideSelection, &N::SetHideSelection, true)
      .Bool("GaugeVisible", &N::GaugeVisible, &N::SetGaugeVisible, false)
      .Int("GaugeHeight", &N::GaugeHeight, &N::SetGaugeHeight, 8)
      .NoSample()
      .Int("GaugeWidth", &N::GaugeWidth, &N::SetGaugeWidth, 82)
      .Range(10, 125)
      .Int("GaugeLeftMargin", &N::GaugeLeftMargin, &N::SetGaugeLeftMargin, 35)
      .Range(0, 78)
      .Int("GaugeTopMargin", &N::GaugeTopMargin, &N::SetGaugeTopMargin, 3)
      .NoSample()
      .Color("GaugeColor", &N::GaugeColor, &N::SetGaugeColor, 0x800000)
      .Color("GaugeColorBg", &N::GaugeColorBg, &N::SetGaugeColorBg, 0xC0C0C0)
      .Color("GaugeColorFrame", &N::GaugeColorFrame, &N::SetGaugeColorFrame, 0x808080)
      .Enum("GaugeFrameStyle", &N::GaugeFrameStyle, &N::SetGaugeFrameStyle, kFrameStyleNames,
            fstSunken)
      .Color("ColorBoxBG", &N::ColorBoxBG, &N::SetColorBoxBG, 0xFFFFFF)
      .Color("ColorBoxText", &N::ColorBoxText, &N::SetColorBoxText, 0x000000)
      .Color("ColorOutBG", &N::ColorOutBG, &N::SetColorOutBG, fw::clBtnFace)
      .Color("ColorOutText", &N::ColorOutText, &N::SetColorOutText, 0x000000)
      .Color("ColorWarnBG", &N::ColorWarnBG, &N::SetColorWarnBG, 0x6088FFF0)
      .Color("ColorWarnText", &N::ColorWarnText, &N::SetColorWarnText, 0x0000FF)
      .Enum("ColorScheme", &N::ColorScheme, &N::SetColorScheme, kColorSchemeNames, schFixed)
      .Bool("BlockKbdInput", &N::BlockKbdInput, &N::SetBlockKbdInput, false)
      .Bool("Beep", &N::Beep, &N::SetBeep, false)
      .Bool("AutoSize", &N::AutoSize, &N::SetAutoSize, false)
      .NoSample()
      // ReadOnly first: a checked freeze box then makes the panel read-only again.
      .Bool("ReadOnly", &N::ReadOnly, &N::SetReadOnly, false)
      .Bool("FreezeBoxChecked", &N::FreezeBoxChecked, &N::SetFreezeBoxChecked, false)
      .Event("OnChange")
      .Event("OnGaugeChange");
}

const bool registered = (RegisterNumIO2(), true);

}  // namespace

}  // namespace zeb
