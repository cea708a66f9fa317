// The class record of TSevenSeg: published properties.
#include "displays/ZEB_sevenseg.h"
#include "framework/base/registry.h"

namespace zeb {

namespace {

void RegisterSevenSeg() {
  using S = TSevenSeg;
  fw::RegisterClass<S>("TSevenSeg", "TGraphicControl")
      .Int("Width", &S::Width, &S::SetWidth, 216)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &S::Height, &S::SetHeight, 76)
      .Range(0, fw::kMaxControlExtent)
      .Str("Caption", &S::Caption, &S::SetCaption, "8.8.8.8.")
      .Int("NumDigits", &S::NumDigits, &S::SetNumDigits, 4)
      .Range(1, S::kMaxDigits)
      .Color("ColorText", &S::ColorText, &S::SetColorText, fw::clRed)
      .Color("ColorBackGnd", &S::ColorBackGnd, &S::SetColorBackGnd, 0x333333)
      .Int("Margin", &S::Margin, &S::SetMargin, 8)
      .Range(0, 37)
      .Int("InterDigDist", &S::InterDigDist, &S::SetInterDigDist, 2)
      .Range(0, S::kMaxInterDigDist)
      .Enum("FrameStyle", &S::FrameStyle, &S::SetFrameStyle, kFrameStyleNames, fstSunken)
      .Enum("ColorScheme", &S::ColorScheme, &S::SetColorScheme, kColorSchemeNames, schFixed);
}

const bool registered = (RegisterSevenSeg(), true);

}  // namespace

}  // namespace zeb
