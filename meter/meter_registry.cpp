// The class records of TMeter and TNeedleLayout: published properties and events.
#include "framework/base/registry.h"
#include "meter/ZEB_Meter.h"

namespace zeb {

namespace {

const std::vector<std::string> kLayoutNames{"mlCirc90",  "mlCirc120", "mlCirc180",
                                            "mlCirc270", "mlCirc300", "mlCirc360"};
const std::vector<std::string> kSchemeNames{"schFixed", "schSystem"};
const std::vector<std::string> kFrameNames{"fstNone",   "fstPlain",    "fstSunken",
                                           "fstRaised", "fstEmbossed", "fstEngraved"};
const std::vector<std::string> kFillNames{"bfSimple", "bfStretch", "bfTile"};

// Written in full with every form, like the meter's own properties.
void RegisterNeedleLayout() {
  using N = TNeedleLayout;
  fw::RegisterClass<N>("TNeedleLayout", "TPersistent")
      .Color("ColorBody", &N::ColorBody, &N::SetColorFill, fw::clSilver)
      .AlwaysStored()
      .Color("ColorOutline", &N::ColorOutline, &N::SetColorLine, fw::clBlack)
      .AlwaysStored()
      .Int("HeadSize", &N::HeadSize, &N::SetArrowSize1, 20)
      .AlwaysStored()
      .Range(-kMeterMaxPixels, kMeterMaxPixels)
      .Int("Thickness", &N::Thickness, &N::SetArrowThick, 0)
      .AlwaysStored()
      .Range(-kMeterMaxPixels, kMeterMaxPixels)
      .Int("PercentNeedleLength", &N::PercentNeedleLength, &N::SetNeedleLength, 100)
      .AlwaysStored()
      .Range(0, 100)
      .Int("HeadAngle", &N::HeadAngle, &N::SetArrowAngle1, 30)
      .AlwaysStored()
      .Range(0, 180)
      .Int("HeadMidLeng", &N::HeadMidLeng, &N::SetBackShift1, 20)
      .AlwaysStored()
      .Range(-kMeterMaxPixels, kMeterMaxPixels)
      .Int("ShadowDx", &N::ShadowDx, &N::SetShadowDx, 0)
      .AlwaysStored()
      .Range(-kMeterMaxPixels, kMeterMaxPixels)
      .Int("ShadowDy", &N::ShadowDy, &N::SetShadowDy, 0)
      .AlwaysStored()
      .Range(-kMeterMaxPixels, kMeterMaxPixels)
      .Color("ShadowColor", &N::ShadowColor, &N::SetShadowColor, fw::clGray)
      .AlwaysStored()
      .Bool("Visible", &N::Visible, &N::SetVisible, true)
      .AlwaysStored();
}

// Every property is written with the form (no stored defaults). The values come first and
// the maximum before the minimum: each setting then stays valid on a default meter, and
// the reader stores all of them raw anyway until Loaded.
void RegisterMeter() {
  using M = TMeter;
  fw::RegisterClass<M>("TMeter", "TGraphicControl")
      .Int("Width", &M::Width, &M::SetWidth, 297)
      .Range(0, fw::kMaxControlExtent)
      .AlwaysStored()
      .Int("Height", &M::Height, &M::SetHeight, 209)
      .Range(0, fw::kMaxControlExtent)
      .AlwaysStored()
      .Double("Value", &M::Value, &M::SetValue, 0.0)
      .Range(0, 1)
      .Sample(0.5)
      .AlwaysStored()
      .Double("ValueSec", &M::ValueSec, &M::SetValue2, 0.0)
      .Range(0, 1)
      .Sample(0.5)
      .AlwaysStored()
      .Double("ThresholdLow", &M::ThresholdLow, &M::SetLowThreshold, 0.0)
      .Range(0, 1)
      .Sample(0.25)
      .AlwaysStored()
      .Double("ThresholdHigh", &M::ThresholdHigh, &M::SetHighThreshold, 1.0)
      .Range(0, 1)
      .Sample(0.75)
      .AlwaysStored()
      .Double("MeterMaxValue", &M::MeterMaxValue, &M::SetMaxValue, 1.0)
      .AlwaysStored()
      .Double("MeterMinValue", &M::MeterMinValue, &M::SetMinValue, 0.0)
      .AlwaysStored()
      .Bool("Logarithmic", &M::Logarithmic, &M::SetLogarithmic, false)
      .AlwaysStored()
      .Enum("MeterLayout", &M::MeterLayout, &M::SetMeterLayout, kLayoutNames, mlCirc90)
      .AlwaysStored()
      .Int("MeterNrTicks", &M::MeterNrTicks, &M::SetMeterNrTicks, 3)
      .Range(2, 21)
      .AlwaysStored()
      .Int("MeterDecPlaces", &M::MeterDecPlaces, &M::SetMeterDecPlaces, 1)
      .Range(0, 4)
      .AlwaysStored()
      .Bool("MeterShortTicks", &M::MeterShortTicks, &M::SetMeterShortTicks, true)
      .AlwaysStored()
      .Bool("MeterScaleLine", &M::MeterScaleLine, &M::SetMeterScaleLine, true)
      .AlwaysStored()
      .Bool("ScaleVisible", &M::ScaleVisible, &M::SetScaleVisible, true)
      .AlwaysStored()
      .Bool("ScaleBkVisible", &M::ScaleBkVisible, &M::SetScaleBkVisible, false)
      .AlwaysStored()
      .Double("ScaleBkWidth", &M::ScaleBkWidth, &M::SetScaleBkWidth, 0.0)
      .Range(0, 100)
      .AlwaysStored()
      .Color("ColorScale", &M::ColorScale, &M::SetColorScale, fw::clNavy)
      .AlwaysStored()
      .Color("ColorSclBkLow", &M::ColorSclBkLow, &M::SetColorSclBkLow, fw::clLime)
      .AlwaysStored()
      .Color("ColorSclBkNorm", &M::ColorSclBkNorm, &M::SetColorSclBkNorm, 0x0080FF)
      .AlwaysStored()
      .Color("ColorSclBkHigh", &M::ColorSclBkHigh, &M::SetColorSclBkHigh, fw::clRed)
      .AlwaysStored()
      .Color("ColorBakG", &M::ColorBakG, &M::SetColorBakG, fw::clWhite)
      .AlwaysStored()
      .Color("ColorCover", &M::ColorCover, &M::SetColorCover, fw::clBtnFace)
      .AlwaysStored()
      .Enum("ColorScheme", &M::ColorScheme, &M::SetColorScheme, kSchemeNames, schFixed)
      .AlwaysStored()
      .Enum("FrameStyle", &M::FrameStyle, &M::SetFrameStyle, kFrameNames, fstRaised)
      .AlwaysStored()
      .Bool("LimWatchHighOn", &M::LimWatchHighOn, &M::SetLimWatchHighOn, true)
      .AlwaysStored()
      .Bool("LimWatchLowOn", &M::LimWatchLowOn, &M::SetLimWatchLowOn, true)
      .AlwaysStored()
      .Color("LimWatchActColor", &M::LimWatchActColor, &M::SetLimWatchActColor, fw::clRed)
      .AlwaysStored()
      .Color("LimWatchPsvColor", &M::LimWatchPsvColor, &M::SetLimWatchPsvColor, fw::clGray)
      .AlwaysStored()
      .Int("RimTop", &M::RimTop, &M::SetRimTop, 8)
      .AlwaysStored()
      .Range(0, kMeterMaxPixels)
      .Int("RimBottom", &M::RimBottom, &M::SetRimBottom, 10)
      .AlwaysStored()
      .Range(0, kMeterMaxPixels)
      .Int("RimSide", &M::RimSide, &M::SetRimSide, 10)
      .AlwaysStored()
      .Range(0, kMeterMaxPixels)
      .Bool("AnchorCovered", &M::AnchorCovered, &M::SetAnchorCovered, true)
      .AlwaysStored()
      .Int("AnchorSize", &M::AnchorSize, &M::SetAnchorSize, 24)
      .AlwaysStored()
      .Range(0, kMeterMaxPixels)
      // The image names keep only names of files that exist.
      .Str("AnchorImage", &M::AnchorImage, &M::SetACoverFname, "")
      .AlwaysStored()
      .NoSample()
      .Str("BackGroundImg", &M::BackGroundImg, &M::SetBakGndFname, "")
      .AlwaysStored()
      .NoSample()
      .Enum("BkgndFillMode", &M::BkgndFillMode, &M::SetBkgndFillMode, kFillNames, bfSimple)
      .AlwaysStored()
      .Str("Caption", &M::Caption, &M::SetUnitLabel, "")
      .AlwaysStored()
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
