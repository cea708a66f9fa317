// The sheet table and the assembly of each sheet from its glyph painter (see onoff_sheets.h).
#include "tools/onoff_art/onoff_sheets.h"

#include <algorithm>
#include <cmath>

#include "tools/onoff_art/glyphs.h"

namespace onoff_art {

namespace {

struct SheetSpec {
  const char* name;
  int glyphWidth;
  int glyphHeight;
  GlyphPainter paint;
};

// In the order of the button styles; the sheet is twice the glyph size in each direction.
constexpr SheetSpec kSheets[] = {
    {"CHECKBOX", 16, 16, PaintCheckBox},
    {"RADIOBUT", 14, 14, PaintRadioButton},
    {"SLIDETOPBOT", 18, 30, PaintSlideTopBottom},
    {"SLIDELFTRGT", 30, 18, PaintSlideLeftRight},
    {"COLSLIDETB", 18, 30, PaintColSlideTopBottom},
    {"COLSLIDELR", 30, 18, PaintColSlideLeftRight},
    {"LEDREDGREEN", 14, 14, PaintLedRedGreen},
    {"ARROWTR", 25, 25, PaintArrowTopRight},
    {"ARROWUD", 25, 25, PaintArrowUpDown},
    {"ARROWLR", 25, 25, PaintArrowLeftRight},
    {"TRAFFICLGT", 31, 31, PaintTrafficLight},
    {"BEVELEDLED", 17, 17, PaintBevelledLed},
    {"SMILEYS", 18, 18, PaintSmileyYellow},
    {"SMILEYRG", 18, 18, PaintSmileyRedGreen},
    {"BULB", 39, 49, PaintBulb},
    {"BUTLAMP", 49, 24, PaintButtonLamp},
    {"HDLEFT", 48, 16, PaintDriveLeft},
    {"HDRIGHT", 48, 16, PaintDriveRight},
    {"USER1", 24, 24, PaintPowerButton},
    {"USER2", 24, 24, PaintPadlock},
    {"USER3", 24, 24, PaintToggleLever},
    {"USER4", 24, 24, PaintSpeaker},
    {"USER5", 24, 24, PaintStar},
};

// The colour partly covered edge pixels are blended with: the button face, the button's
// default background, so edges look smooth on it and never carry a tint of the key colour.
Rgba EdgeBackground() {
  const fw::TColor face = fw::ColorToRGB(fw::clBtnFace);
  return {double(fw::GetRValue(face)), double(fw::GetGValue(face)), double(fw::GetBValue(face)), 1};
}
// Pixels covered less than this are background.
constexpr double kSilhouetteCoverage = 0.5;

// The disabled look of a colour: its brightness only, squeezed into the light greys.
Rgba Disabled(Rgba c) {
  const double grey = 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
  const double v = 100 + grey * 0.56;
  return {v, v, v, c.a};
}

Layer DisabledLayer(const Layer& enabled) {
  Layer disabled(enabled.Width(), enabled.Height());
  for (int y = 0; y < enabled.Height(); ++y)
    for (int x = 0; x < enabled.Width(); ++x) disabled.Set(x, y, Disabled(enabled.At(x, y)));
  return disabled;
}

uint32_t Channel(double v) {
  return uint32_t(std::clamp(std::floor(v + 0.5), 0.0, 255.0));
}

// The sheet pixel of a layer pixel: the key colour where the glyph is (nearly) absent, else
// the glyph over the edge background; a glyph pixel that happens to equal the key colour is
// moved one step off it.
fw::TPixel SheetPixel(Rgba c) {
  const fw::TPixel key = fw::ColorToPixel(kKeyColor);
  if (c.a < kSilhouetteCoverage) return key;
  const Rgba over = Mix(EdgeBackground(), c, c.a);
  const fw::TPixel p = (Channel(over.r) << 16) | (Channel(over.g) << 8) | Channel(over.b);
  return p == key ? p - 1 : p;
}

void PutGlyph(fw::TBitmap& sheet, const Layer& glyph, int left, int top) {
  for (int y = 0; y < glyph.Height(); ++y) {
    fw::TPixel* row = sheet.ScanLine(top + y);
    for (int x = 0; x < glyph.Width(); ++x) row[left + x] = SheetPixel(glyph.At(x, y));
  }
}

std::unique_ptr<fw::TBitmap> DrawSheet(const SheetSpec& spec) {
  const int w = spec.glyphWidth, h = spec.glyphHeight;
  auto sheet = std::make_unique<fw::TBitmap>(2 * w, 2 * h);
  sheet->SetPixelFormat(fw::pf24bit);
  for (bool on : {true, false}) {
    Layer glyph(w, h);
    spec.paint(glyph, on);
    const int left = on ? 0 : w;
    PutGlyph(*sheet, glyph, left, 0);
    PutGlyph(*sheet, DisabledLayer(glyph), left, h);
  }
  return sheet;
}

}  // namespace

std::vector<SheetImage> DrawOnOffSheets() {
  std::vector<SheetImage> sheets;
  for (const SheetSpec& spec : kSheets) sheets.push_back({spec.name, DrawSheet(spec)});
  return sheets;
}

}  // namespace onoff_art
