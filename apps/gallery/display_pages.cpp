// Gallery pages of the number and text displays, as live controls on the pages' forms: the
// numeric label in every display type, with side texts, frames, colours, an overflow, empty,
// disabled and transparent over a gradient; the rotated label at several angles and anchor
// placements, disabled and transparent; the raster label in its block modes, with a sampled
// font, scrolling, in every frame style, and the whole built-in font.
#include <string>

#include "apps/gallery/gallery.h"
#include "displays/ZEB_NumLab.h"
#include "displays/ZEB_RasterLab.h"
#include "displays/ZEB_RotLab.h"
#include "displays/ZEB_sevenseg.h"
#include "framework/rtl/utf8.h"
#include "indicators/ZEB_gradfl.h"

namespace gallery {
namespace {

using namespace fw;
using namespace zeb;

void BuildNumLabs(TForm& page) {
  const struct {
    TDisplay type;
    double value;
    int precision;
  } types[] = {{dtFloat, 1234.5678, 6},  {dtFixP, -3.14159, 2}, {dtExp, 0.000123, 4},
               {dtHex, 48879, 4},        {dtZeroInt, 42, 5},    {dtInt, 2.5, 0},
               {dtDateTime, 46000.5, 0}, {dtState, 0, 0},       {dtBin, 165, 8},
               {dtOct, 511, 3},          {dtDeg, 47.3769, 3},   {dtDegMin, 47.3769, 2},
               {dtDegMinSec, 8.5417, 1}, {dtEEng, 123456.7, 2}, {dtEEngNoDP, 0.00042, 0}};
  int i = 0;
  for (const auto& t : types) {
    auto* label = new TNumLab(&page);
    label->SetBounds(10 + (i % 3) * 260, 10 + (i / 3) * 34, 250, 28);
    label->SetParent(&page);
    label->SetLeftSpace(95);
    label->SetLabelWidth(105);
    label->SetLeftText(kDisplayNames[t.type]);
    label->SetPrecision(t.precision);
    label->SetDisplayType(t.type);
    label->SetValue(t.value);
    label->SetStateText("running");
    if (t.type == dtFixP) label->SetRightText("V");
    ++i;
  }
  const int y = 10 + 5 * 34 + 10;
  PlaceCaptioned<TNumLab>(page, 10, y, 250, 28, "Comma, plus sign, raised, colours",
                          [](TNumLab& l) {
                            l.SetLeftText("Level");
                            l.SetRightText("m");
                            l.SetComma(true);
                            l.SetForcePlusSign(true);
                            l.SetValue(12.75);
                            l.SetFrameStyle(fstRaised);
                            l.SetColorLabBakG(clBlack);
                            l.SetColorLabText(clLime);
                            l.SetColorOutText(clNavy);
                          });
  PlaceCaptioned<TNumLab>(page, 270, y, 250, 28, "Overflow (1e12 in 2 decimals)", [](TNumLab& l) {
    l.SetLeftText("Sum");
    l.SetValue(1e12);
  });
  PlaceCaptioned<TNumLab>(page, 530, y, 250, 28, "Empty, engraved, centred texts", [](TNumLab& l) {
    l.SetLeftText("None");
    l.SetLeftTextAlignment(taCenter);
    l.SetRightText("kg");
    l.SetRightTextAlignment(taCenter);
    l.SetFrameStyle(fstEngraved);
    l.SetEmpty(true);
  });
  PlaceCaptioned<TNumLab>(page, 10, y + 50, 250, 28, "Disabled", [](TNumLab& l) {
    l.SetLeftText("Flow");
    l.SetRightText("l/min");
    l.SetValue(3.5);
    l.SetEnabled(false);
  });
  // Over a gradient, a transparent label lets it show through its white areas.
  PlaceCaptioned<TGradFill>(page, 270, y + 50, 250, 28, "Transparent over a gradient",
                            [](TGradFill& g) {
                              g.SetFillType(gtVert);
                              g.SetColorFirst(clAqua);
                              g.SetColorLast(clFuchsia);
                            });
  auto* over = new TNumLab(&page);
  over->SetBounds(270, y + 50, 250, 28);
  over->SetParent(&page);
  over->SetLeftText("Gain");
  over->SetRightText("dB");
  over->SetValue(-6.02);
  over->SetTransparent(true);
}

void BuildRotLabs(TForm& page) {
  const struct {
    int angle;
    TAlignment alignment;
    const char* caption;
  } labels[] = {{0, taCenter, "0°, centred"},
                {45, taCenter, "45°, centred"},
                {90, taCenter, "90°, centred"},
                {180, taCenter, "180°, centred"},
                {30, taLeftJustify, "30°, start on anchor"},
                {330, taRightJustify, "330°, end on anchor"}};
  int i = 0;
  for (const auto& l : labels) {
    PlaceCaptioned<TRotLab>(page, 10 + (i % 3) * 190, 10 + (i / 3) * 200, 170, 160, l.caption,
                            [&](TRotLab& r) {
                              r.SetCaption("Rotated text");
                              r.SetTextAngle(l.angle);
                              r.SetAlignment(l.alignment);
                              r.Font()->SetColor(clNavy);
                            });
    ++i;
  }
  PlaceCaptioned<TRotLab>(page, 580, 10, 170, 160, "Disabled, raised frame", [](TRotLab& r) {
    r.SetCaption("Disabled");
    r.SetTextAngle(60);
    r.SetFrameStyle(fstRaised);
    r.SetEnabled(false);
  });
  PlaceCaptioned<TGradFill>(page, 580, 210, 170, 160, "Transparent over a gradient",
                            [](TGradFill& g) {
                              g.SetColorFirst(clYellow);
                              g.SetColorLast(clTeal);
                            });
  auto* over = new TRotLab(&page);
  over->SetBounds(580, 210, 170, 160);
  over->SetParent(&page);
  over->SetCaption("See-through");
  over->SetTextAngle(270);
  over->SetFrameStyle(fstNone);
  over->SetTransparent(true);
  over->Font()->SetSize(14);
}

void BuildSevenSegs(TForm& page) {
  PlaceCaptioned<TSevenSeg>(page, 10, 10, 216, 76, "Default: 8.8.8.8.", [](TSevenSeg&) {});
  PlaceCaptioned<TSevenSeg>(page, 250, 10, 216, 76, "12.5 and a blank cell",
                            [](TSevenSeg& s) { s.SetCaption("12.5"); });
  PlaceCaptioned<TSevenSeg>(page, 490, 10, 280, 76, "-3°C, green on black, raised",
                            [](TSevenSeg& s) {
                              s.SetNumDigits(5);
                              s.SetCaption("-3°C");
                              s.SetColorText(clLime);
                              s.SetColorBackGnd(clBlack);
                              s.SetFrameStyle(fstRaised);
                            });
  PlaceCaptioned<TSevenSeg>(page, 10, 120, 460, 90,
                            "Hexadecimal and signs: 0123456789ABCDEF+:", [](TSevenSeg& s) {
                              s.SetNumDigits(18);
                              s.SetMargin(6);
                              s.SetInterDigDist(3);
                              s.SetCaption("0123456789abcdef+:");
                              s.SetColorText(0x00C0FF);
                              s.SetColorBackGnd(0x202020);
                            });
  PlaceCaptioned<TSevenSeg>(page, 490, 120, 280, 120, "12:45, white on blue, wide gaps",
                            [](TSevenSeg& s) {
                              s.SetNumDigits(5);
                              s.SetCaption("12:45");
                              s.SetInterDigDist(10);
                              s.SetColorText(clWhite);
                              s.SetColorBackGnd(clNavy);
                            });
  PlaceCaptioned<TSevenSeg>(page, 10, 250, 120, 30, "Small: 88.8", [](TSevenSeg& s) {
    s.SetMargin(3);
    s.SetCaption("88.8");
  });
  PlaceCaptioned<TSevenSeg>(page, 160, 250, 60, 160, "Tall: 1 digit", [](TSevenSeg& s) {
    s.SetNumDigits(1);
    s.SetCaption("7");
  });
}

void BuildRasterLabs(TForm& page) {
  PlaceCaptioned<TRasterLab>(page, 10, 10, 380, 52, "Default: built-in 7 x 12 font, green",
                             [](TRasterLab& r) { r.SetText("Dot matrix 0123"); });
  PlaceCaptioned<TRasterLab>(page, 400, 10, 380, 52, "Sampled framework font (Arial 11)",
                             [](TRasterLab& r) {
                               r.SetDotSize(2);
                               r.Font()->SetName("Arial");
                               r.Font()->SetSize(11);
                               r.SetAutoHeight(true);
                               r.SetText("Sampled Arial");
                               r.SetColorDotOn(0x00C0FF);
                               r.SetColorDotOff(0x203040);
                             });
  const struct {
    TRDBlockMode mode;
    const char* caption;
  } modes[] = {{rdbmOn, "rdbmOn: gaps between characters dark"},
               {rdbmRaster, "rdbmRaster: unlit dots everywhere"},
               {rdbmOff, "rdbmOff: no unlit dots"}};
  int i = 0;
  for (const auto& m : modes) {
    PlaceCaptioned<TRasterLab>(page, 10 + i++ * 260, 90, 250, 52, m.caption, [&](TRasterLab& r) {
      r.SetText("Blocks");
      r.SetCharBlockMode(m.mode);
    });
  }
  PlaceCaptioned<TRasterLab>(page, 10, 170, 380, 52, "Scrolling left, looping (live in a window)",
                             [](TRasterLab& r) {
                               r.SetText("Scrolling text ... ÄÖÜ € ß ... ");
                               r.SetColorDotOn(clRed);
                               r.SetColorDotOff(0x000030);
                               r.SetScrollInterval(30);
                               r.SetScrollIncrement(2);
                               r.SetScrollMode(rdsmLeft);
                             });
  PlaceCaptioned<TRasterLab>(page, 400, 170, 380, 52, "Fixed width, dot size 2, centred",
                             [](TRasterLab& r) {
                               r.SetDotSize(2);
                               r.SetProportional(false);
                               r.SetAutoCenter(true);
                               r.SetPosY(8);
                               r.SetText("Fixed iiWW");
                               r.SetColorDotOn(clWhite);
                               r.SetColorDotOff(0x303030);
                             });
  const char* frameNames[] = {"None", "Plain", "Sunken", "Raised", "Embossed", "Engraved"};
  for (int f = 0; f < 6; ++f) {
    PlaceCaptioned<TRasterLab>(page, 10 + f * 130, 250, 122, 30, kFrameStyleNames[f],
                               [&](TRasterLab& r) {
                                 r.SetDotSize(1);
                                 r.SetPosX(3);
                                 r.SetPosY(3);
                                 r.SetFrameStyle(TFrameStyle(f));
                                 r.SetText(frameNames[f]);
                               });
  }
  // The whole built-in font, codes 32..255, 32 to a line in fixed width.
  PlaceCaption(page, 10, 305, "The built-in font, codes 32..255 (code page 1252)");
  for (int line = 0; line < 7; ++line) {
    std::string text;
    for (int code = 32 + line * 32; code < 64 + line * 32; ++code)
      text += Cp1252ToUtf8(static_cast<unsigned char>(code));
    auto* r = new TRasterLab(&page);
    r->SetBounds(10, 325 + line * 40, 772, 38);
    r->SetParent(&page);
    r->SetDotSize(2);
    r->SetProportional(false);
    r->SetText(text);
  }
}

}  // namespace

std::vector<Page> DisplayPages() {
  return {
      LivePage("displays_numlab", "Numeric label: every display type, texts, frames, states", 790,
               290, BuildNumLabs),
      LivePage("displays_rotlab", "Rotated label: angles, anchor placements, disabled, transparent",
               770, 400, BuildRotLabs),
      LivePage("displays_sevenseg", "Seven-segment display: characters, dots, colours, sizes", 790,
               440, BuildSevenSegs),
      LivePage("displays_rasterlab",
               "Raster label: block modes, a sampled font, scrolling, frames, the built-in font",
               790, 615, BuildRasterLabs),
  };
}

}  // namespace gallery
