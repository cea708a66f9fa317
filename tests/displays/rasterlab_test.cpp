// TRasterLab: the built-in font's fixed glyphs, code points to table codes, dots on screen,
// the block modes, text lengths, scrolling in every direction on the virtual clock, the
// property clamps and overflow guards, sampled fonts, frames, form text, any size.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

#include "displays/ZEB_RasterLab.h"
#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "framework/controls/timers.h"
#include "framework/graphics/pen_brush_font.h"

namespace zeb {
namespace {

constexpr fw::TColor kOn = 0x00FF00, kOff = 0x404040, kBack = 0x800000;

struct ShownRasterLab {
  explicit ShownRasterLab(int w = 400, int h = 68) : host(w + 10, h + 10) {
    lab = new TRasterLab(host.Form());
    lab->SetParent(host.Form());
    lab->SetBounds(0, 0, w, h);
    lab->SetColorLabBakG(kBack);
    lab->SetFrameStyle(fstNone);
    host.Show();
  }
  // The pixel of dot (column, row) of the text's first character cell, at pitch 4.
  fw::TColor Dot(int column, int row) { return host.Pixel(1 + column * 4, 1 + row * 4); }
  fw::TestHost host;
  TRasterLab* lab;
};

TEST(RasterLabFont, GivenGlyphsHaveTheirExactRows) {
  struct Glyph {
    char ch;
    int left, right;
    std::array<uint32_t, 12> rows;
  };
  const std::vector<Glyph> glyphs{
      {'A', 0, 6, {0x00, 0x08, 0x08, 0x14, 0x14, 0x22, 0x3E, 0x22, 0x22, 0x77, 0x00, 0x00}},
      {'0', 1, 5, {0x00, 0x1C, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x1C, 0x00, 0x00}},
      {'i', 1, 5, {0x00, 0x08, 0x00, 0x00, 0x0E, 0x08, 0x08, 0x08, 0x08, 0x3E, 0x00, 0x00}},
      {'W', 0, 6, {0x00, 0x77, 0x22, 0x22, 0x22, 0x2A, 0x2A, 0x2A, 0x14, 0x14, 0x00, 0x00}},
      {'.', 3, 3, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00}},
      {' ', 0, 6, {}},
  };
  const TRDCharMatrix& m = DefaultCharMatrix();
  EXPECT_EQ(m.width, 7);
  EXPECT_EQ(m.height, 12);
  for (const Glyph& g : glyphs) {
    SCOPED_TRACE(std::string(1, g.ch));
    const auto code = static_cast<uint8_t>(g.ch);
    EXPECT_EQ(m.leftCol[code], g.left);
    EXPECT_EQ(m.rightCol[code], g.right);
    for (int r = 0; r < 12; ++r) EXPECT_EQ(m.bits[code][r], g.rows[r]) << "row " << r;
  }
}

// Codes 0..31 are empty; every other code but the two blanks has ink, within seven columns,
// and its left and right columns enclose it exactly.
TEST(RasterLabFont, EveryGlyphIsInkedWithinItsColumns) {
  const TRDCharMatrix& m = DefaultCharMatrix();
  for (int code = 0; code < 256; ++code) {
    SCOPED_TRACE(code);
    uint32_t ink = 0;
    for (int r = 0; r < 32; ++r) ink |= m.bits[code][r];
    if (code < 32 || code == 0x20 || code == 0xA0) {
      EXPECT_EQ(ink, 0u);
      continue;
    }
    ASSERT_NE(ink, 0u);
    EXPECT_LT(ink, 1u << 7);
    EXPECT_EQ(ink & (1u << m.leftCol[code]), 1u << m.leftCol[code]);
    EXPECT_EQ(ink >> m.rightCol[code], 1u);
  }
}

TEST(RasterLabFont, CodePointsMapToCodePage1252OrAQuestionMark) {
  const std::vector<std::pair<char32_t, int>> cases{
      {U'A', 0x41},      {U'\u00DC', 0xDC}, {U'\u00FF', 0xFF}, {U'\u20AC', 0x80},
      {U'\u0160', 0x8A}, {U'\u2014', 0x97}, {U'\u0178', 0x9F}, {U'\u0081', 0x81},
      {U'\u0080', '?'},  {U'\u4E2D', '?'},  {U'\uFFFD', '?'},  {U'\U0001F600', '?'},
  };
  for (const auto& [c, code] : cases) EXPECT_EQ(RasterCharCode(c), code) << int(c);
}

// "A" at (1, 1), pitch 4: lit dots, unlit dots of the raster and the raster gaps.
TEST(RasterLab, DotsOfPaintedGlyphsLandOnThePitchGrid) {
  ShownRasterLab s;
  s.lab->SetText("Ai");
  const struct {
    int x, y;
    fw::TColor color;
  } pixels[] = {
      {1 + 3 * 4, 1 + 1 * 4, kOn},          // A's apex, column 3 row 1
      {3 + 3 * 4, 3 + 1 * 4, kOn},          // its last pixel (dot size 3)
      {4 + 3 * 4, 1 + 1 * 4, kBack},        // the raster gap right of it
      {1, 1 + 9 * 4, kOn},                  // the left serif on the base line
      {1, 1 + 1 * 4, kOff},                 // an unlit dot
      {1 + 8 * 4 + 2 * 4, 1 * 4 + 1, kOn},  // "i" (left column 1) starts after A's 7 + 1 gap
  };
  for (const auto& p : pixels) EXPECT_EQ(s.host.Pixel(p.x, p.y), p.color) << p.x << "," << p.y;
  // Dot size 1 paints single pixels at pitch 1 + spacing.
  s.lab->SetDotSize(1);
  s.lab->SetDotSpacing(0);
  EXPECT_EQ(s.host.Pixel(1 + 3, 1 + 1), kOn);
  EXPECT_EQ(s.host.Pixel(1 + 2, 1 + 1), kOff);
}

// The dot column between two characters: background with rdbmOn (also at spacing 0, where
// it is a whole dot wide), unlit with rdbmRaster, background everywhere unlit with rdbmOff.
TEST(RasterLab, BlockModesDecideTheGapColumn) {
  ShownRasterLab s;
  s.lab->SetText("AA");
  const struct {
    TRDBlockMode mode;
    int spacing;
    fw::TColor gap, unlit;
  } cases[] = {
      {rdbmOn, 1, kBack, kOff}, {rdbmRaster, 1, kOff, kOff}, {rdbmOff, 1, kBack, kBack},
      {rdbmOn, 0, kBack, kOff}, {rdbmRaster, 0, kOff, kOff},
  };
  for (const auto& c : cases) {
    s.lab->SetCharBlockMode(c.mode);
    s.lab->SetDotSpacing(c.spacing);
    const int pitch = 3 + c.spacing;
    for (int dx = 0; dx < 3; ++dx)
      EXPECT_EQ(s.host.Pixel(1 + 7 * pitch + dx, 1 + 5 * pitch), c.gap) << c.mode << c.spacing;
    EXPECT_EQ(s.host.Pixel(1, 1 + pitch), c.unlit) << c.mode;
  }
}

TEST(RasterLab, ProportionalAndFixedLengths) {
  TRasterLab lab(nullptr);
  // (right - left + 2) x pitch per character; fixed: (font width + 1) x pitch.
  EXPECT_EQ(lab.CalcTextBitLength("i"), (5 - 1 + 2) * 4);
  EXPECT_EQ(lab.CalcTextBitLength("W"), (6 - 0 + 2) * 4);
  EXPECT_EQ(lab.CalcTextBitLength("iW."), 24 + 32 + 8);
  EXPECT_EQ(lab.CalcTextBitLength(""), 0);
  lab.SetProportional(false);
  EXPECT_EQ(lab.CalcTextBitLength("i"), 32);
  EXPECT_EQ(lab.CalcTextBitLength("iW."), 3 * 32);
  // Painting stores the length it drew: one more pixel than measured.
  ShownRasterLab s;
  s.lab->SetText("iW.");
  s.host.Pixel(0, 0);
  EXPECT_EQ(s.lab->PaintedTextLength(), s.lab->CalcTextBitLength("iW.") + 1);
}

// UTF-8 is decoded: "Ü" and "€" take their code-page glyphs, other characters and broken
// bytes the "?" glyph; nothing indexes past the tables.
TEST(RasterLab, TextIsDecodedAsUtf8) {
  TRasterLab lab(nullptr);
  const TRDCharMatrix& m = DefaultCharMatrix();
  const auto widthOf = [&](int code) { return (m.rightCol[code] - m.leftCol[code] + 2) * 4; };
  EXPECT_EQ(lab.CalcTextBitLength("Ü"), widthOf(0xDC));
  EXPECT_EQ(lab.CalcTextBitLength("€"), widthOf(0x80));
  EXPECT_EQ(lab.CalcTextBitLength("中文\xFF"), 3 * widthOf('?'));
  ShownRasterLab a, b;
  a.lab->SetText("中\xC3");
  b.lab->SetText("??");
  auto sa = a.host.Snapshot(), sb = b.host.Snapshot();
  int differing = 0;
  for (int y = 0; y < 68; ++y)
    for (int x = 0; x < 400; ++x)
      differing += sa->Canvas()->Pixels(x, y) != sb->Canvas()->Pixels(x, y);
  EXPECT_EQ(differing, 0);
}

// Each direction restarts once the text has left, on the opposite side, firing the restart
// event once; right is the model, left, down and up its mirror images.
TEST(RasterLab, ScrollLoopRestartsOnTheOppositeSide) {
  struct Case {
    TRDScrollMode mode;
    bool horizontal;
    int sign;
  };
  for (const Case c : {Case{rdsmRight, true, 1}, Case{rdsmLeft, true, -1}, Case{rdsmDown, false, 1},
                       Case{rdsmUp, false, -1}}) {
    SCOPED_TRACE(c.mode);
    ShownRasterLab s;
    int restarts = 0, ticks = 0;
    s.lab->OnScrollLoopRestart = [&](fw::TObject*) { ++restarts; };
    s.lab->OnScrollTimer = [&](fw::TObject*) { ++ticks; };
    s.lab->SetScrollIncrement(30);
    s.lab->SetScrollMode(c.mode);
    const int length = s.lab->CalcTextBitLength("Text") + 1, height = 4 * 12;
    const int extent = c.horizontal ? 400 : 68, size = c.horizontal ? length : height;
    // Ticks until the offset passes the display (right, down) or the text (left, up).
    const int limit = c.sign > 0 ? extent : size;
    const int due = limit / 30 + 1;
    const auto offset = [&] {
      return c.horizontal ? s.lab->ScrollOffsetX() : s.lab->ScrollOffsetY();
    };
    s.host.AdvanceTime(100 * (due - 1));
    EXPECT_EQ(offset(), c.sign * 30 * (due - 1));
    EXPECT_EQ(restarts, 0);
    s.host.AdvanceTime(100);
    EXPECT_EQ(restarts, 1);
    EXPECT_EQ(ticks, due);
    EXPECT_EQ(offset(), c.sign > 0 ? -size : extent);
    s.host.AdvanceTime(100);
    EXPECT_EQ(offset(), (c.sign > 0 ? -size : extent) + c.sign * 30);
    EXPECT_EQ(restarts, 1);
    if (c.horizontal) {
      EXPECT_EQ(s.lab->PaintedTextLength(), length);
    }
  }
}

TEST(RasterLab, ScrollModeOffStopsTheTimerAndZeroesTheOffsets) {
  ShownRasterLab s;
  const int timersBefore = fw::timer_detail::RunningTimerCount();
  s.lab->SetScrollMode(rdsmDown);
  EXPECT_EQ(fw::timer_detail::RunningTimerCount(), timersBefore + 1);
  s.host.AdvanceTime(300);
  EXPECT_EQ(s.lab->ScrollOffsetY(), 3);
  s.lab->SetScrollMode(rdsmOff);
  EXPECT_EQ(fw::timer_detail::RunningTimerCount(), timersBefore);
  EXPECT_EQ(s.lab->ScrollOffsetY(), 0);
  EXPECT_FALSE(s.lab->Scrolling());
  // A refused timer is reported by name.
  s.lab->SetName("Ticker");
  s.host.RefuseTimers(true);
  try {
    s.lab->SetScrollMode(rdsmLeft);
    ADD_FAILURE() << "no exception";
  } catch (const EZEBRasterLabError& e) {
    EXPECT_STREQ(e.what(), "Component \"Ticker\": no timer available");
  }
}

TEST(RasterLab, SettersClampTheirValues) {
  TRasterLab lab(nullptr);
  const struct {
    void (TRasterLab::*set)(int);
    int (TRasterLab::*get)() const;
    int value, stored;
  } cases[] = {
      {&TRasterLab::SetDotSize, &TRasterLab::DotSize, 0, 1},
      {&TRasterLab::SetDotSize, &TRasterLab::DotSize, 40, 32},
      {&TRasterLab::SetDotSize, &TRasterLab::DotSize, INT_MIN, 1},
      {&TRasterLab::SetDotSpacing, &TRasterLab::DotSpacing, 5, 3},
      {&TRasterLab::SetDotSpacing, &TRasterLab::DotSpacing, -1, 0},
      {&TRasterLab::SetScrollInterval, &TRasterLab::ScrollInterval, 3, 10},
      {&TRasterLab::SetScrollInterval, &TRasterLab::ScrollInterval, INT_MIN, 10},
      {&TRasterLab::SetScrollIncrement, &TRasterLab::ScrollIncrement, 0, 1},
      {&TRasterLab::SetScrollIncrement, &TRasterLab::ScrollIncrement, -7, 7},
      {&TRasterLab::SetScrollIncrement, &TRasterLab::ScrollIncrement, INT_MIN, INT_MAX},
  };
  for (const auto& c : cases) {
    (lab.*c.set)(c.value);
    EXPECT_EQ((lab.*c.get)(), c.stored) << c.value;
  }
}

// Increments at the ends of the int range saturate the offsets instead of wrapping, with and
// without the loop, and the label still paints.
TEST(RasterLab, HugeIncrementsNeverOverflowTheOffsets) {
  for (const int increment : {INT_MAX, INT_MIN}) {
    for (const TRDScrollMode mode : {rdsmRight, rdsmLeft, rdsmDown, rdsmUp}) {
      ShownRasterLab s;
      s.lab->SetScrollIncrement(increment);
      s.lab->SetScrollLoop(false);
      s.lab->SetScrollMode(mode);
      s.host.AdvanceTime(300);
      const int offset = mode <= rdsmRight ? s.lab->ScrollOffsetX() : s.lab->ScrollOffsetY();
      EXPECT_EQ(offset, mode == rdsmRight || mode == rdsmDown ? INT_MAX : INT_MIN);
      s.lab->SetScrollLoop(true);
      s.host.AdvanceTime(100);
      EXPECT_NE(s.host.Pixel(0, 0), fw::kInvalidPixel);
    }
  }
}

// A glyph a font draws without ink spans half the font width like the space, never (31, 0);
// a matrix handed in with right < left measures as a gap only.
TEST(RasterLab, InklessGlyphsNeverMeasureNegative) {
  fw::TFont font;
  font.SetName("Arial");
  font.SetSize(10);
  const TRDCharMatrix m = TRasterLab::CreateBitFont(font);
  EXPECT_GT(m.height, 8);
  EXPECT_GT(m.width, 4);
  EXPECT_NE(m.bits['A'][m.height / 2], 0u);
  for (const int code : {0x20, 0xA0}) {
    EXPECT_EQ(m.leftCol[code], 0);
    EXPECT_EQ(m.rightCol[code], m.width / 2);
  }
  for (int code = 32; code < 256; ++code) EXPECT_LE(m.leftCol[code], m.rightCol[code]) << code;
  TRasterLab lab(nullptr);
  TRDCharMatrix broken = DefaultCharMatrix();
  broken.leftCol['x'] = 31;
  broken.rightCol['x'] = 0;
  broken.width = 99;
  lab.SetCharMatrix(broken);
  EXPECT_EQ(lab.CharMatrix().width, 32);
  EXPECT_EQ(lab.CalcTextBitLength("x"), 4);
}

// "default" in any case is the built-in font; another name samples it; both rebuild at once.
TEST(RasterLab, FontChangesRebuildTheMatrixAndAutoHeightFollows) {
  TRasterLab lab(nullptr);
  lab.SetAutoHeight(true);
  EXPECT_EQ(lab.Height(), 1 + 4 * 12);
  lab.Font()->SetName("DejaVu Sans Mono");
  lab.Font()->SetSize(14);
  EXPECT_NE(lab.CharMatrix().height, 12);
  EXPECT_EQ(lab.Height(), 1 + 4 * lab.CharMatrix().height);
  lab.Font()->SetName("DEFAULT");
  EXPECT_EQ(lab.CharMatrix().bits, DefaultCharMatrix().bits);
  const struct {
    TFrameStyle style;
    int height;
  } heights[] = {{fstNone, 48}, {fstPlain, 49}, {fstRaised, 49}, {fstEngraved, 50}};
  for (const auto& h : heights) {
    lab.SetFrameStyle(h.style);
    lab.SetDotSize(4);
    lab.SetDotSize(3);
    EXPECT_EQ(lab.Height(), h.height) << h.style;
  }
}

TEST(RasterLab, AutoCenterPlacesPosXAndLeavesItAtOne) {
  TRasterLab lab(nullptr);
  lab.SetPosX(17);
  lab.SetAutoCenter(true);
  const int length = lab.CalcTextBitLength("Text");
  EXPECT_EQ(lab.PosX(), (400 - length) / 2 + 1 + 1);
  lab.SetText("Longer text");
  EXPECT_EQ(lab.PosX(), (400 - lab.CalcTextBitLength("Longer text")) / 2 + 2);
  lab.SetAutoCenter(false);
  EXPECT_EQ(lab.PosX(), 1);
}

// Corner pixels of each frame in the dark (black), shadow and highlight colours.
TEST(RasterLab, FramesPaintTheirCorners) {
  constexpr fw::TColor dark = 0x000000, shadow = 0x808080, light = 0xFFFFFF;
  const struct {
    TFrameStyle style;
    fw::TColor topLeft, inner, bottomRight;
  } cases[] = {
      {fstPlain, shadow, kOff, shadow},    {fstSunken, shadow, dark, light},
      {fstRaised, shadow, light, dark},    {fstEmbossed, light, shadow, shadow},
      {fstEngraved, shadow, light, light},
  };
  ShownRasterLab s;
  for (const auto& c : cases) {
    s.lab->SetFrameStyle(c.style);
    EXPECT_EQ(s.host.Pixel(0, 0), c.topLeft) << c.style;
    EXPECT_EQ(s.host.Pixel(1, 1), c.inner) << c.style;
    EXPECT_EQ(s.host.Pixel(399, 67), c.bottomRight) << c.style;
  }
}

TEST(RasterLab, ClassRecordAndAssign) {
  for (const std::string& problem : fw::testing::CheckRegisteredClass("TRasterLab"))
    ADD_FAILURE() << problem;
  TRasterLab a(nullptr), b(nullptr);
  a.SetText("Copied");
  a.SetFrameStyle(fstRaised);
  a.SetColorDotOn(fw::clRed);
  a.SetColorLabBakG(fw::clNavy);
  a.SetColorScheme(schSystem);
  a.SetDotSize(5);
  b.Assign(&a);
  EXPECT_EQ(b.Text(), "Copied");
  EXPECT_EQ(b.FrameStyle(), fstRaised);
  EXPECT_EQ(b.ColorDotOn(), fw::clRed);
  EXPECT_EQ(b.ColorLabBakG(), fw::clNavy);
  EXPECT_EQ(b.ColorScheme(), schSystem);
  EXPECT_EQ(b.DotSize(), 3);
}

// A form's text brings every published property back, the font by name and scrolling with it.
TEST(RasterLab, FormTextReadsBackEqual) {
  TRasterLab source(nullptr);
  source.SetText("Ü-Bahn");
  source.SetDotSize(2);
  source.SetCharBlockMode(rdbmRaster);
  source.SetColorDotOn(fw::clYellow);
  source.SetScrollIncrement(3);
  source.SetScrollMode(rdsmUp);
  source.Font()->SetName("Arial");
  const auto read = fw::ReadForm(fw::WriteForm(source));
  auto* lab = dynamic_cast<TRasterLab*>(read.get());
  ASSERT_NE(lab, nullptr);
  EXPECT_EQ(lab->Text(), "Ü-Bahn");
  EXPECT_EQ(lab->DotSize(), 2);
  EXPECT_EQ(lab->CharBlockMode(), rdbmRaster);
  EXPECT_EQ(lab->ColorDotOn(), fw::clYellow);
  EXPECT_EQ(lab->ScrollIncrement(), 3);
  EXPECT_EQ(lab->ScrollMode(), rdsmUp);
  EXPECT_TRUE(lab->Scrolling());
  EXPECT_EQ(lab->CharMatrix().bits, source.CharMatrix().bits);
}

TEST(RasterLab, PaintsAtEverySize) {
  for (const auto& [w, h] : {std::pair{1, 1}, {2, 2}, {3, 300}, {300, 3}, {2000, 2000}}) {
    ShownRasterLab s(w, h);
    for (const TFrameStyle style : {fstNone, fstSunken, fstEngraved}) {
      s.lab->SetFrameStyle(style);
      s.lab->SetText("Wide text ÄÖÜ € 中");
      s.lab->SetPosY(-5);
      EXPECT_NE(s.host.Pixel(0, 0), fw::kInvalidPixel) << w << "x" << h;
    }
  }
}

}  // namespace
}  // namespace zeb
