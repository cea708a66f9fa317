// TColorDialog: the component, its custom colour entries, the colour model conversions and
// the basic colours.
#include "framework/stdctrls/color_dialog.h"

#include <algorithm>
#include <cmath>

#include "framework/rtl/numtext.h"
#include "framework/rtl/rounding.h"

namespace fw {

THSV RGBToHSV(TColor color) {
  const TColor c = ColorToRGB(color);
  const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
  const int high = std::max({r, g, b});
  const int low = std::min({r, g, b});
  const int range = high - low;
  THSV hsv;
  hsv.v = static_cast<int>(Round(high * 100.0 / 255));
  hsv.s = high == 0 ? 0 : static_cast<int>(Round(range * 100.0 / high));
  if (range == 0) return hsv;
  double h = 0;
  if (high == r)
    h = 60.0 * (g - b) / range;
  else if (high == g)
    h = 60.0 * (b - r) / range + 120;
  else
    h = 60.0 * (r - g) / range + 240;
  hsv.h = static_cast<int>(Round(h < 0 ? h + 360 : h)) % 360;
  return hsv;
}

TColor HSVToRGB(const THSV& hsv) {
  const double h = ((hsv.h % 360) + 360) % 360 / 60.0;
  const double s = std::clamp(hsv.s, 0, 100) / 100.0;
  const double v = std::clamp(hsv.v, 0, 100) / 100.0 * 255;
  const double chroma = v * s;
  const double x = chroma * (1 - std::fabs(std::fmod(h, 2.0) - 1));
  const double m = v - chroma;
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(h)) {
    case 0:
      r = chroma, g = x;
      break;
    case 1:
      r = x, g = chroma;
      break;
    case 2:
      g = chroma, b = x;
      break;
    case 3:
      g = x, b = chroma;
      break;
    case 4:
      r = x, b = chroma;
      break;
    default:
      r = chroma, b = x;
      break;
  }
  auto channel = [m](double value) {
    return static_cast<uint8_t>(std::clamp<int64_t>(Round(value + m), 0, 255));
  };
  return RGB(channel(r), channel(g), channel(b));
}

// Six rows: pale tints, full hues, darker hues, deep hues, darkest hues, then greys.
const std::array<TColor, 48>& BasicDialogColors() {
  static const std::array<TColor, 48> colors{
      RGB(255, 128, 128), RGB(255, 255, 128), RGB(128, 255, 128), RGB(0, 255, 128),
      RGB(128, 255, 255), RGB(0, 128, 255),   RGB(255, 128, 192), RGB(255, 128, 255),
      RGB(255, 0, 0),     RGB(255, 255, 0),   RGB(128, 255, 0),   RGB(0, 255, 64),
      RGB(0, 255, 255),   RGB(0, 128, 192),   RGB(128, 128, 192), RGB(255, 0, 255),
      RGB(128, 64, 64),   RGB(255, 128, 64),  RGB(0, 255, 0),     RGB(0, 128, 128),
      RGB(0, 64, 128),    RGB(128, 128, 255), RGB(128, 0, 64),    RGB(255, 0, 128),
      RGB(128, 0, 0),     RGB(255, 128, 0),   RGB(0, 128, 0),     RGB(0, 128, 64),
      RGB(0, 0, 255),     RGB(0, 0, 160),     RGB(128, 0, 128),   RGB(128, 0, 255),
      RGB(64, 0, 0),      RGB(128, 64, 0),    RGB(0, 64, 0),      RGB(0, 64, 64),
      RGB(0, 0, 128),     RGB(0, 0, 64),      RGB(64, 0, 64),     RGB(64, 0, 128),
      RGB(0, 0, 0),       RGB(128, 128, 0),   RGB(128, 128, 64),  RGB(128, 128, 128),
      RGB(64, 128, 128),  RGB(192, 192, 192), RGB(64, 64, 64),    RGB(255, 255, 255)};
  return colors;
}

TColorDialog::TColorDialog(TComponent* AOwner)
    : TComponent(AOwner), customColors_(std::make_unique<TStringList>()) {}

TColorDialog::~TColorDialog() = default;

void TColorDialog::SetCustomColors(const TStrings* value) {
  if (value) customColors_->Assign(*value);
}

// Entry "ColorA" is slot 0 ... "ColorP" slot 15; a value that does not read leaves white.
std::vector<TColor> TColorDialog::ReadCustomColors() const {
  std::vector<TColor> colors(16, clWhite);
  for (int i = 0; i < customColors_->Count(); ++i) {
    const std::string line = customColors_->Strings(i);
    const std::size_t eq = line.find('=');
    if (eq != 6 || !line.starts_with("Color") || line[5] < 'A' || line[5] > 'P') continue;
    int value = 0;
    if (TryStrToInt("$" + line.substr(eq + 1), value) && value >= 0 && value <= 0xFFFFFF)
      colors[static_cast<size_t>(line[5] - 'A')] = static_cast<TColor>(value);
  }
  return colors;
}

void TColorDialog::WriteCustomColors(const std::vector<TColor>& colors) {
  TStringList lines;
  for (std::size_t i = 0; i < colors.size() && i < 16; ++i)
    lines.Add(std::string("Color") + static_cast<char>('A' + i) + "=" +
              IntToHex(static_cast<int64_t>(colors[i] & 0xFFFFFF), 6));
  customColors_->Assign(lines);
}

bool TColorDialog::Execute() {
  TColorDialogForm form(nullptr, color_, ReadCustomColors());
  form.SetCaption("Color");
  OnShow(this);
  const bool ok = form.ShowModal() == mrOk;
  OnClose(this);
  if (!ok) return false;
  color_ = form.CurrentColor();
  WriteCustomColors(form.CustomColors());
  return true;
}

}  // namespace fw
