// The class record of TThumbnails: published properties and events.
#include "browse/ZEB_Thumbnails.h"
#include "framework/base/registry.h"

namespace zeb {

namespace {

// Min before Max: a form reads them in this order, and Loaded checks the pair.
void RegisterThumbnails() {
  using T = TThumbnails;
  fw::RegisterClass<T>("TThumbnails", "TGraphicControl")
      .Int("Width", &T::Width, &T::SetWidth, 260)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &T::Height, &T::SetHeight, 400)
      .Range(0, fw::kMaxControlExtent)
      .Enum("SlideSelectMode", &T::SlideSelectMode, &T::SetSlideSelectMode, kSlideSelectModeNames,
            ssmSingle)
      .Bool("AntiAlias", &T::AntiAlias, &T::SetAntiAlias, false)
      .Color("ColorBackGnd", &T::ColorBackGnd, &T::SetColorBackGnd, fw::clBtnFace)
      .Color("ColorCover", &T::ColorCover, &T::SetColorCover, fw::RGB(192, 192, 192))
      .Color("ColorSelected", &T::ColorSelected, &T::SetColorSelected, fw::RGB(0, 0, 128))
      .Color("ColorFocus", &T::ColorFocus, &T::SetColorFocus, fw::RGB(0, 0, 255))
      .Color("ColorMark", &T::ColorMark, &T::SetColorMark, fw::clBlack)
      .Enum("ColorScheme", &T::ColorScheme, &T::SetColorScheme, kColorSchemeNames, schFixed)
      .Enum("FrameStyle", &T::FrameStyle, &T::SetFrameStyle, kFrameStyleNames, fstSunken)
      .Enum("OuterFrameStyle", &T::OuterFrameStyle, &T::SetOuterFrameStyle, kFrameStyleNames,
            fstRaised)
      .Enum("InnerFrameStyle", &T::InnerFrameStyle, &T::SetInnerFrameStyle, kFrameStyleNames,
            fstSunken)
      .Int("FocusLinewidth", &T::FocusLinewidth, &T::SetFocusLinewidth, 1)
      .Range(0, 10)
      .Int("FocusedSlide", &T::FocusedSlide, nullptr, 0)
      .NotStored()
      .Int("Min", &T::Min, &T::SetMin, 1)
      .Range(-kMaxThumbSlides + 2, 100)
      .Int("Max", &T::Max, &T::SetMax, 100)
      .Range(1, kMaxThumbSlides)
      .Int("SlideSize", &T::SlideSize, &T::SetSlideSize, 120)
      .Range(50, 260)
      .Int("SlideDistance", &T::SlideDistance, &T::SetSlideDistance, 2)
      .Range(0, 100)
      .Int("SlideMargin", &T::SlideMargin, &T::SetSlideMargin, 7)
      .Range(0, 100)
      .Bool("ShowScrollBar", &T::ShowScrollBar, &T::SetShowScrollBar, false)
      .Event("OnImageRequest")
      .Event("OnImageClick")
      .Event("OnImageDblClick")
      .Event("OnFocusChange")
      .Event("OnFirstImageRequest")
      .Event("OnLastImageRequest")
      .Event("OnSlideRendered");
}

const bool registered = (RegisterThumbnails(), true);

}  // namespace

}  // namespace zeb
