// Colours: fw::TColor ($00BBGGRR, system colours $FF0000nn), the platform's colour constants,
// the fixed system-colour table and the conversions between colours, pixels and names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace fw {

// $00BBGGRR for an RGB colour; $FF0000nn for system colour nn (resolved by ColorToRGB).
using TColor = uint32_t;

// A pixel of a TBitmap: 0x00RRGGBB (bytes B, G, R, X in memory, as 32-bit device-independent
// bitmaps store them). The top byte is alpha where an image carries one, else 0.
using TPixel = uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colours: $FF000000 plus the index of the colour in the system table.
constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clActiveCaption = clSystemColor | 2;
constexpr TColor clInactiveCaption = clSystemColor | 3;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clCaptionText = clSystemColor | 9;
constexpr TColor clActiveBorder = clSystemColor | 10;
constexpr TColor clInactiveBorder = clSystemColor | 11;
constexpr TColor clAppWorkSpace = clSystemColor | 12;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clInactiveCaptionText = clSystemColor | 19;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor clInfoText = clSystemColor | 23;
constexpr TColor clInfoBk = clSystemColor | 24;
constexpr TColor clHotLight = clSystemColor | 26;
constexpr TColor clGradientActiveCaption = clSystemColor | 27;
constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
constexpr TColor clMenuHighlight = clSystemColor | 29;
constexpr TColor clMenuBar = clSystemColor | 30;

constexpr TColor RGB(uint8_t r, uint8_t g, uint8_t b) {
  return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr uint8_t GetRValue(TColor c) {
  return uint8_t(c & 0xFF);
}
constexpr uint8_t GetGValue(TColor c) {
  return uint8_t((c >> 8) & 0xFF);
}
constexpr uint8_t GetBValue(TColor c) {
  return uint8_t((c >> 16) & 0xFF);
}

// The RGB value of a colour: system colours through the fixed table (see colors.cpp),
// clNone and clDefault as black, any other value's low three bytes.
TColor ColorToRGB(TColor color);

// Pixel of an RGB colour (system colours are resolved first) and back.
inline TPixel ColorToPixel(TColor color) {
  TColor c = ColorToRGB(color);
  return (TPixel(GetRValue(c)) << 16) | (TPixel(GetGValue(c)) << 8) | TPixel(GetBValue(c));
}
constexpr TColor PixelToColor(TPixel p) {
  return RGB(uint8_t((p >> 16) & 0xFF), uint8_t((p >> 8) & 0xFF), uint8_t(p & 0xFF));
}

// Names: "clRed" for a colour with a constant name, else "$00BBGGRR" (eight hex digits).
std::string ColorToString(TColor color);
// "clRed" (any letter case), "$00BBGGRR" or decimal text; raises EConvertError otherwise.
TColor StringToColor(const std::string& text);
// The colour of a constant name, or nothing.
std::optional<TColor> IdentToColor(const std::string& ident);
// The constant name of a colour, or nothing.
std::optional<std::string> ColorToIdent(TColor color);

}  // namespace fw
