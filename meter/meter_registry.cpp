// The class records of TMeter and TNeedleLayout: published properties and events.
#include "framework/base/registry.h"
#include "meter/ZEB_Meter.h"

namespace zeb {

namespace {

// Written in full with every form, like the meter's own properties.
void RegisterNeedleLayout() {
  using N = TNeedleLayout;
  fw::RegisterClass<N>("TNeedleLayout", "TPersistent")
      .StoreEveryValue()
      .Color("ColorBody", &N::ColorBody, &N::SetColorFill, fw::clSilver)
      .Color("ColorOutline", &N::ColorOutline, &N::SetColorLine, fw::clBlack)
      .Int("HeadSize", &N::HeadSize, &N::SetArrowSize1, 20)
      .Range(-kMeterMaxPixels, kMeterMaxPixels)
      .Int("Thickness", &N::Thickness, &N::SetArrowThick, 0)
      .Range(-kMeterMaxPixels, kMeterMaxPixels)
      .Int("PercentNeedleLength", &N::PercentNeedleLength, &N::SetNeedleLength, 100)
      .Range(0, 100)
      .Int("HeadAngle", &N::HeadAngle, &N::SetArrowAngle1, 30)
      .Range(0, 180)
      .Int("HeadMidLeng", &N::HeadMidLeng, &N::SetBackShift1, 20)
      .Range(-kMeterMaxPixels, kMeterMaxPixels)
      .Int("ShadowDx", &N::ShadowDx, &N::SetShadowDx, 0)
      .Range(-kMeterMaxPixels, kMeterMaxPixels)
      .Int("ShadowDy", &N::ShadowDy, &N::SetShadowDy, 0)
      .Range(-kMeterMaxPixels, kMeterMaxPixels)
      .Color("ShadowColor", &N::ShadowColor, &N::SetShadowColor, fw::clGray)
      .Bool("Visible", &N::Visible, &N::SetVisible, true);
}

// Every property is written with the form (no stored defaults). The values come first and
// the maximum before the minimum: each setting then stays valid on a default meter, and
// the reader stores all of them raw anyway until Loaded.
void RegisterMeter() {
  using M = TMeter;
  fw::RegisterClass<M>("TMeter", "TGraphicControl")
      .StoreEveryValue()
      .Int("Width", &M::Width, &M::SetWidth, 297)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &M::Height, &M::SetHeight, 209)
      .Range(0, fw::kMaxControlExtent)
      .Double("Value", &M::Value, &M::SetValue, 0.0)
      .Range(0, 1)
      .Sample(0.5)
      .Double("ValueSec", &M::ValueSec, &M::SetValue2, 0.0)
      .Range(0, 1)
      .Sample(0.5)
      .Double("ThresholdLow", &M::ThresholdLow, &M::SetLowThreshold, 0.0)
      .Range(0, 1)
      .Sample(0.25)
      .Double("ThresholdHigh", &M::ThresholdHigh, &M::SetHighThreshold, 1.0)
      .Range(0, 1)
      .Sample(0.75)
      .Double("MeterMaxValue", &M::MeterMaxValue, &M::SetMaxValue, 1.0)
      .Double("MeterMinValue", &M::MeterMinValue, &M::SetMinValue, 0.0)
      .Bool("Logarithmic", &M::Logarithmic, &M::SetLogarithmic, false)
      .Enum("MeterLayout", &M::MeterLayout, &M::SetMeterLayout, kMeterLayoutNames, mlCirc90)
      .Int("MeterNrTicks", &M::MeterNrTicks, &M::SetMeterNrTicks, 3)
      .Range(2, 21)
      .Int("MeterDecPlaces", &M::MeterDecPlaces, &M::SetMeterDecPlaces, 1)
      .Range(0, 4)
      .Bool("MeterShortTicks", &M::MeterShortTicks, &M::SetMeterShortTicks, true)
      .Bool("MeterScaleLine", &M::MeterScaleLine, &M::SetMeterScaleLine, true)
      .Bool("ScaleVisible", &M::ScaleVisible, &M::SetScaleVisible, true)
      .Bool("ScaleBkVisible", &M::ScaleBkVisible, &M::SetScaleBkVisible, false)
      .Double("ScaleBkWidth", &M::ScaleBkWidth, &M::SetScaleBkWidth, 0.0)
      .Range(0, 100)
      .Color("ColorScale", &M::ColorScale, &M::SetColorScale, fw::clNavy)
      .Color("ColorSclBkLow", &M::ColorSclBkLow, &M::SetColorSclBkLow, fw::clLime)
      .Color("ColorSclBkNorm", &M::ColorSclBkNorm, &M::SetColorSclBkNorm, 0x0080FF)
      .Color("ColorSclBkHigh", &M::ColorSclBkHigh, &M::SetColorSclBkHigh, fw::clRed)
      .Color("ColorBakG", &M::ColorBakG, &M::SetColorBakG, fw::clWhite)
      .Color("ColorCover", &M::ColorCover, &M::SetColorCover, fw::clBtnFace)
      .Enum("ColorScheme", &M::ColorScheme, &M::SetColorScheme, kColorSchemeNames, schFixed)
      .Enum("FrameStyle", &M::FrameStyle, &M::SetFrameStyle, kFrameStyleNames, fstRaised)
      .Bool("LimWatchHighOn", &M::LimWatchHighOn, &M::SetLimWatchHighOn, true)
      .Bool("LimWatchLowOn", &M::LimWatchLowOn, &M::SetLimWatchLowOn, true)
      .Color("LimWatchActColor", &M::LimWatchActColor, &M::SetLimWatchActColor, fw::clRed)
      .Color("LimWatchPsvColor", &M::LimWatchPsvColor, &M::SetLimWatchPsvColor, fw::clGray)
      .Int("RimTop", &M::RimTop, &M::SetRimTop, 8)
      .Range(0, kMeterMaxPixels)
      .Int("RimBottom", &M::RimBottom, &M::SetRimBottom, 10)
      .Range(0, kMeterMaxPixels)
      .Int("RimSide", &M::RimSide, &M::SetRimSide, 10)
      .Range(0, kMeterMaxPixels)
      .Bool("AnchorCovered", &M::AnchorCovered, &M::SetAnchorCovered, true)
      .Int("AnchorSize", &M::AnchorSize, &M::SetAnchorSize, 24)
      .Range(0, kMeterMaxPixels)
      // The image names keep only names of files that exist.
      .Str("AnchorImage", &M::AnchorImage, &M::SetACoverFname, "")
      .NoSample()
      .Str("BackGroundImg", &M::BackGroundImg, &M::SetBakGndFname, "")
      .NoSample()
      .Enum("BkgndFillMode", &M::BkgndFillMode, &M::SetBkgndFillMode, kBkgFillNames, bfSimple)
      .Str("Caption", &M::Caption, &M::SetUnitLabel, "")
      .Object("FontCaption", &M::FontCaption)
      .Object("NeedleLayout", &M::NeedleLayout)
      .Object("NeedleLayoutSec", &M::NeedleLayoutSec)
      .Event("OnOverFlow")
      .Event("OnNormalRange")
      .Event("OnUnderFlow")
      .Event("OnBeforeDrawScaleLabel")
      .Event("OnBeforeDrawNeedle")
      .Event("OnMeterRendered")
      .Event("OnMouseMoveInMeter");
}

const bool registered = (RegisterNeedleLayout(), RegisterMeter(), true);

}  // namespace

}  // namespace zeb
