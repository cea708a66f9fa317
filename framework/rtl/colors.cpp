// Colours: the fixed system-colour table, resolution of colours to RGB and the conversions
// between colours and their names ("clRed", "$00BBGGRR", decimal text).
#include "framework/rtl/colors.h"
#include "framework/rtl/color_names.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <string_view>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/utf8.h"

namespace fw {

namespace {

// The system colours, indexed by the low byte of a $FF0000nn colour, as $00BBGGRR values.
// This is the classic light-grey desktop scheme: button faces, menus and borders silver
// ($C0C0C0), 3-D shadows $808080 and highlights white, white edit and list backgrounds, navy
// captions and selections. Instrument panels drawn with silver frames and grey/white
// bevels (the frame colours components pass to their frame drawing) blend with it; a
// light-grey $F0F0F0 face would leave a visible seam against those frames.
constexpr std::array<TColor, 31> kSystemColors = {
    0xC0C0C0,  //  0 clScrollBar: scroll bar track, silver
    0x808000,  //  1 clBackground: desktop, teal (R 0, G 128, B 128)
    0x800000,  //  2 clActiveCaption: active title bar, navy
    0x808080,  //  3 clInactiveCaption: inactive title bar, grey
    0xC0C0C0,  //  4 clMenu: menu background, silver
    0xFFFFFF,  //  5 clWindow: edit and list background, white
    0x000000,  //  6 clWindowFrame: window frame, black
    0x000000,  //  7 clMenuText: menu text, black
    0x000000,  //  8 clWindowText: text in windows, black
    0xFFFFFF,  //  9 clCaptionText: active title text, white
    0xC0C0C0,  // 10 clActiveBorder: silver
    0xC0C0C0,  // 11 clInactiveBorder: silver
    0x808080,  // 12 clAppWorkSpace: grey
    0x800000,  // 13 clHighlight: selected item background, navy
    0xFFFFFF,  // 14 clHighlightText: selected item text, white
    0xC0C0C0,  // 15 clBtnFace: face of buttons and panels, silver
    0x808080,  // 16 clBtnShadow: 3-D shadow, grey
    0x808080,  // 17 clGrayText: disabled text, grey
    0x000000,  // 18 clBtnText: button text, black
    0xC0C0C0,  // 19 clInactiveCaptionText: inactive title text, silver
    0xFFFFFF,  // 20 clBtnHighlight: 3-D highlight, white
    0x000000,  // 21 cl3DDkShadow: outer 3-D shadow, black
    0xDFDFDF,  // 22 cl3DLight: inner 3-D light, a light grey between face and highlight
    0x000000,  // 23 clInfoText: tooltip text, black
    0xE1FFFF,  // 24 clInfoBk: tooltip background, pale yellow (R 255, G 255, B 225)
    0xC0C0C0,  // 25 (no constant): alternate button face, silver like clBtnFace
    0xFF0000,  // 26 clHotLight: hot-tracked item, blue
    0xD08410,  // 27 clGradientActiveCaption: right end of the active title gradient
    0xB5B5B5,  // 28 clGradientInactiveCaption: right end of the inactive title gradient
    0x800000,  // 29 clMenuHighlight: highlighted flat menu item, navy
    0xC0C0C0,  // 30 clMenuBar: flat menu bar, silver
};

struct ColorName {
  TColor color;
  const char* name;
};

// Every colour constant with a name. The first entry of a colour is its name; clLtGray and
// clDkGray are read as names but written as clSilver and clGray.
constexpr ColorName kColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
    {clLtGray, "clLtGray"},
    {clDkGray, "clDkGray"},
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Integer text as colours are stored: "$hex" or "0x hex" (up to eight digits, the 32-bit
// pattern), or decimal with an optional sign in the range of a signed or unsigned 32-bit
// number (negative values give their two's complement, so "-16777201" is clBtnFace).
std::optional<TColor> ParseColorNumber(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  if (s.empty()) return std::nullopt;
  std::string_view hex;
  if (s.front() == '$') {
    hex = s.substr(1);
  } else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    hex = s.substr(2);
  }
  if (!hex.empty() || s.front() == '$') {
    if (hex.empty()) return std::nullopt;
    uint64_t v = 0;
    for (char c : hex) {
      int d = HexDigit(c);
      if (d < 0) return std::nullopt;
      v = v * 16 + uint64_t(d);
      if (v > 0xFFFFFFFFu) return std::nullopt;
    }
    return TColor(v);
  }
  bool negative = false;
  if (s.front() == '+' || s.front() == '-') {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty()) return std::nullopt;
  uint64_t v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + uint64_t(c - '0');
    if (v > 0xFFFFFFFFu) return std::nullopt;
  }
  if (negative) {
    if (v > 0x80000000u) return std::nullopt;
    return TColor(uint32_t(0) - uint32_t(v));
  }
  return TColor(v);
}

}  // namespace

TColor ColorToRGB(TColor color) {
  if ((color & 0xFF000000u) == clSystemColor) {
    // An index beyond the table has no colour of its own: black, as for clNone.
    uint32_t index = color & 0xFFu;
    if ((color & 0x00FFFF00u) != 0 || index >= kSystemColors.size()) return clBlack;
    return kSystemColors[index];
  }
  if (color == clNone || color == clDefault) return clBlack;
  return color & 0xFFFFFFu;
}

std::vector<std::string> GetColorValues() {
  std::vector<std::string> names;
  for (const ColorName& entry : kColorNames)
    if (ColorToIdent(entry.color) == entry.name) names.emplace_back(entry.name);
  return names;
}

std::optional<std::string> ColorToIdent(TColor color) {
  for (const ColorName& entry : kColorNames) {
    if (entry.color == color) return std::string(entry.name);
  }
  return std::nullopt;
}

std::optional<TColor> IdentToColor(const std::string& ident) {
  for (const ColorName& entry : kColorNames) {
    if (SameText(ident, entry.name)) return entry.color;
  }
  return std::nullopt;
}

std::string ColorToString(TColor color) {
  if (std::optional<std::string> name = ColorToIdent(color)) return *name;
  char text[16];
  std::snprintf(text, sizeof text, "$%08X", unsigned(color));
  return text;
}

TColor StringToColor(const std::string& text) {
  if (std::optional<TColor> named = IdentToColor(text)) return *named;
  if (std::optional<TColor> number = ParseColorNumber(text)) return *number;
  throw EConvertError("'" + text + "' is not a valid color value");
}

}  // namespace fw
