// Unit ZEB_zebcolors: the values of the predefined colour table.
#include <array>

#include "companion/ZEB_zebcolors.h"

namespace zeb {

namespace {

using namespace fw;

constexpr std::array<TColor, pc_NumColors> kPredefined = {
    // The 16 VGA colours in their classic palette order.
    clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray, clSilver, clRed, clLime,
    clYellow, clBlue, clFuchsia, clAqua, clWhite,
    // Four further named colours: soft tints that suit backgrounds.
    clMoneyGreen, clSkyBlue, clCream, clMedGray,
    // The system colours in index order: the 25 classic ones, then the first two added
    // later (index 25 has no constant, so it is skipped).
    clScrollBar, clBackground, clActiveCaption, clInactiveCaption, clMenu, clWindow, clWindowFrame,
    clMenuText, clWindowText, clCaptionText, clActiveBorder, clInactiveBorder, clAppWorkSpace,
    clHighlight, clHighlightText, clBtnFace, clBtnShadow, clGrayText, clBtnText,
    clInactiveCaptionText, clBtnHighlight, cl3DDkShadow, cl3DLight, clInfoText, clInfoBk,
    clHotLight, clGradientActiveCaption};

}  // namespace

TColor TPredefinedColors::operator[](int index) const {
  if (index < Low || index > High) return clBlack;
  return kPredefined[index - 1];
}

}  // namespace zeb
