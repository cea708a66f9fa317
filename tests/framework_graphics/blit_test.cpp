// Images: raster operations against their truth tables, Draw with transparency, stretching by
// nearest pixel and by area average, mirroring, and copies within one bitmap.
#include <gtest/gtest.h>

#include <random>

#include "framework/graphics/gdi.h"
#include "framework/graphics/internal/raster.h"
#include "graphics_test_util.h"

namespace fw {
namespace {

using test::At;

TColor Expected(TCopyMode mode, TColor p, TColor s, TColor d) {
  switch (mode) {
    case cmSrcCopy:
      return s;
    case cmSrcAnd:
      return s & d;
    case cmSrcPaint:
      return s | d;
    case cmNotSrcCopy:
      return ~s;
    case cmSrcInvert:
      return s ^ d;
    case cmSrcErase:
      return s & ~d;
    case cmNotSrcErase:
      return ~(s | d);
    case cmMergeCopy:
      return p & s;
    case cmMergePaint:
      return ~s | d;
    case cmPatCopy:
      return p;
    case cmPatInvert:
      return p ^ d;
    case cmPatPaint:
      return p | ~s | d;
    case cmDstInvert:
      return ~d;
    case cmBlackness:
      return 0;
    case cmWhiteness:
      return 0xFFFFFF;
  }
  return 0;
}

TEST(CopyModes, DrawCombinesSourceDestinationAndBrushByTheMode) {
  const TColor sources[] = {0x000000, 0xFFFFFF, 0x5A3C0F, 0xC3A500};
  const TColor dests[] = {0xFFFFFF, 0x000000, 0x0F0F0F, 0x33CC99};
  const TColor brush = 0x6699AA;
  for (TCopyMode mode : {cmSrcCopy, cmSrcAnd, cmSrcPaint, cmNotSrcCopy, cmSrcInvert, cmSrcErase,
                         cmNotSrcErase, cmMergeCopy, cmMergePaint, cmPatCopy, cmPatInvert,
                         cmPatPaint, cmDstInvert, cmBlackness, cmWhiteness}) {
    TBitmap src(4, 1), dst(4, 1);
    for (int x = 0; x < 4; ++x) {
      src.Canvas()->SetPixels(x, 0, sources[x]);
      dst.Canvas()->SetPixels(x, 0, dests[x]);
    }
    dst.Canvas()->Brush()->SetColor(brush);
    dst.Canvas()->SetCopyMode(mode);
    dst.Canvas()->Draw(0, 0, &src);
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(At(dst, x, 0), Expected(mode, brush, sources[x], dests[x]) & 0xFFFFFF)
          << std::hex << mode << " pixel " << x;
    }
  }
}

// One source row stretched over several rows (rows copied whole when only the height scales)
// combines with each destination row as an unscaled draw would, with a solid or hatched brush.
TEST(CopyModes, ARowStretchedDownCombinesWithEveryRow) {
  const TColor sources[] = {0x123456, 0xFFFFFF, 0x00FF00};
  for (TBrushStyle style : {bsSolid, bsDiagCross}) {
    for (TCopyMode mode : {cmSrcCopy, cmSrcAnd, cmSrcInvert, cmMergeCopy}) {
      TBitmap src(3, 1), dst(3, 4), before(3, 4);
      for (int x = 0; x < 3; ++x) src.Canvas()->SetPixels(x, 0, sources[x]);
      for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x) dst.Canvas()->SetPixels(x, y, RGB(40 * x, 60 * y, 200));
      before.Assign(&dst);
      dst.Canvas()->Brush()->SetColor(0x6699AA);
      dst.Canvas()->Brush()->SetStyle(style);
      dst.Canvas()->SetCopyMode(mode);
      dst.Canvas()->StretchDraw(Rect(0, 0, 3, 4), &src);
      const uint8_t* hatch = dst.Canvas()->Brush()->HatchBits();
      for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 3; ++x) {
          // The hatch shows its lines in the brush colour on white.
          const bool line = !hatch || (hatch[y & 7] >> (7 - (x & 7))) & 1;
          const TColor brush = line ? 0x6699AA : 0xFFFFFF;
          EXPECT_EQ(At(dst, x, y), Expected(mode, brush, sources[x], At(before, x, y)) & 0xFFFFFF)
              << std::hex << mode << " " << style << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(CopyModes, EveryCodeFollowsItsTruthTableBitByBit) {
  std::mt19937 random(7);
  for (int table = 0; table < 256; ++table) {
    const TPixel p = random() & 0xFFFFFF, s = random() & 0xFFFFFF, d = random() & 0xFFFFFF;
    const TPixel result = ApplyRop3(uint8_t(table), p, s, d);
    for (int bit = 0; bit < 24; ++bit) {
      const int index = int((p >> bit) & 1) << 2 | int((s >> bit) & 1) << 1 | int((d >> bit) & 1);
      ASSERT_EQ((result >> bit) & 1, TPixel((table >> index) & 1)) << table << " bit " << bit;
    }
  }
}

TEST(Draw, TransparentBitmapLeavesItsBottomLeftColourOut) {
  TBitmap sprite(3, 2), dst(5, 5);
  sprite.Canvas()->Brush()->SetColor(clFuchsia);
  sprite.Canvas()->FillRect(Rect(0, 0, 3, 2));
  sprite.Canvas()->SetPixels(1, 0, clNavy);
  sprite.SetTransparent(true);
  EXPECT_EQ(sprite.TransparentColor(), clFuchsia);
  dst.Canvas()->Brush()->SetColor(clRed);
  dst.Canvas()->FillRect(Rect(0, 0, 5, 5));
  dst.Canvas()->Draw(1, 1, &sprite);
  EXPECT_EQ(test::PixelsOf(dst, clRed).size(), 24u);
  EXPECT_EQ(At(dst, 2, 1), clNavy);

  sprite.SetTransparentColor(clNavy);  // fixed colour: now the fuchsia pixels show
  dst.Canvas()->Draw(1, 1, &sprite);
  EXPECT_EQ(test::PixelsOf(dst, clFuchsia).size(), 5u);
}

// A w x 1 bitmap whose pixel x has grey level values[x].
void Greys(TBitmap& bmp, std::initializer_list<int> values) {
  bmp.SetSize(int(values.size()), 1);
  int x = 0;
  for (int v : values) bmp.Canvas()->SetPixels(x++, 0, RGB(v, v, v));
}

TEST(StretchDraw, NearestRepeatsAndDropsWholePixels) {
  TBitmap src(2, 2), dst(6, 6);
  src.Canvas()->SetPixels(0, 0, clRed);
  src.Canvas()->SetPixels(1, 0, clLime);
  src.Canvas()->SetPixels(0, 1, clBlue);
  src.Canvas()->SetPixels(1, 1, clBlack);
  dst.Canvas()->StretchDraw(Rect(0, 0, 6, 6), &src);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) {
      EXPECT_EQ(At(dst, x, y), At(src, x / 3, y / 3)) << x << "," << y;
    }
  }
  TBitmap row, small(2, 1);
  Greys(row, {10, 20, 30, 40});
  small.Canvas()->StretchDraw(Rect(0, 0, 2, 1), &row);
  EXPECT_EQ(At(small, 0, 0), RGB(20, 20, 20));
  EXPECT_EQ(At(small, 1, 0), RGB(40, 40, 40));
}

TEST(StretchBlt, HalftoneAveragesTheCoveredAreaRoundingHalvesUp) {
  TBitmap checker(4, 4), dst(2, 2);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) checker.Canvas()->SetPixels(x, y, (x + y) % 2 ? clBlack : clWhite);
  }
  SetStretchBltMode(dst.Canvas(), HALFTONE);
  StretchBlt(dst.Canvas(), 0, 0, 2, 2, checker.Canvas(), 0, 0, 4, 4, SRCCOPY);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 2; ++x) EXPECT_EQ(At(dst, x, y), RGB(128, 128, 128));
  }
  // Three pixels into two: each takes one and a half source pixels.
  TBitmap row, out(2, 1);
  Greys(row, {0, 90, 180});
  EXPECT_EQ(SetStretchBltMode(out.Canvas(), HALFTONE), COLORONCOLOR);
  StretchBlt(out.Canvas(), 0, 0, 2, 1, row.Canvas(), 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(At(out, 0, 0), RGB(30, 30, 30));
  EXPECT_EQ(At(out, 1, 0), RGB(150, 150, 150));
}

TEST(StretchBlt, SizesOfDifferentSignMirror) {
  TBitmap row, out(4, 1);
  Greys(row, {10, 20, 30, 40});
  StretchBlt(out.Canvas(), 4, 0, -4, 1, row.Canvas(), 0, 0, 4, 1, SRCCOPY);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(GetRValue(At(out, x, 0)), 40 - 10 * x);
  StretchBlt(out.Canvas(), 0, 0, 4, 1, row.Canvas(), 4, 0, -4, 1, SRCCOPY);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(GetRValue(At(out, x, 0)), 40 - 10 * x);
  StretchBlt(out.Canvas(), 4, 0, -4, 1, row.Canvas(), 4, 0, -4, 1, SRCCOPY);  // both: upright
  for (int x = 0; x < 4; ++x) EXPECT_EQ(GetRValue(At(out, x, 0)), 10 + 10 * x);

  TBitmap column(1, 3), flipped(1, 3);
  for (int y = 0; y < 3; ++y) column.Canvas()->SetPixels(0, y, RGB(y, 0, 0));
  StretchBlt(flipped.Canvas(), 0, 3, 1, -3, column.Canvas(), 0, 0, 1, 3, SRCCOPY);
  for (int y = 0; y < 3; ++y) EXPECT_EQ(GetRValue(At(flipped, 0, y)), 2 - y);
}

TEST(StretchBlt, PatternOnlyOperationsNeedNoSource) {
  TBitmap dst(3, 2);
  dst.Canvas()->Brush()->SetColor(clTeal);
  EXPECT_TRUE(BitBlt(dst.Canvas(), 0, 0, 2, 2, nullptr, 0, 0, PATCOPY));
  EXPECT_EQ(test::CountOf(dst, clTeal), 4);
  EXPECT_FALSE(BitBlt(dst.Canvas(), 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
  TCanvas noBitmap;
  EXPECT_FALSE(BitBlt(&noBitmap, 0, 0, 2, 2, dst.Canvas(), 0, 0, SRCCOPY));
}

TEST(CopyRect, OverlappingCopyWithinOneCanvasReadsTheOriginalPixels) {
  TBitmap row;
  Greys(row, {1, 2, 3, 4, 5, 6});
  row.Canvas()->CopyRect(Rect(1, 0, 6, 1), row.Canvas(), Rect(0, 0, 5, 1));
  for (int x = 1; x < 6; ++x) EXPECT_EQ(GetRValue(At(row, x, 0)), x);
}

TEST(BrushCopy, ReplacesTheKeyColourByTheBrush) {
  TBitmap src(2, 1), dst(2, 1);
  src.Canvas()->SetPixels(0, 0, clFuchsia);
  src.Canvas()->SetPixels(1, 0, clNavy);
  dst.Canvas()->Brush()->SetColor(clYellow);
  dst.Canvas()->BrushCopy(Rect(0, 0, 2, 1), &src, Rect(0, 0, 2, 1), clFuchsia);
  EXPECT_EQ(At(dst, 0, 0), clYellow);
  EXPECT_EQ(At(dst, 1, 0), clNavy);
}

}  // namespace
}  // namespace fw

namespace fw {
namespace {

TEST(StretchBlt, SourceBeyondTheBitmapLeavesThoseDestinationPixelsAlone) {
  TBitmap src(2, 2), dst(4, 4);
  src.Canvas()->Brush()->SetColor(clRed);
  src.Canvas()->FillRect(Rect(0, 0, 2, 2));
  StretchBlt(dst.Canvas(), 0, 0, 4, 4, src.Canvas(), 0, 0, 4, 4, SRCCOPY);
  EXPECT_EQ(test::CountOf(dst, clRed), 4);
  EXPECT_EQ(At(dst, 3, 3), clWhite);
  // Averaging a vast source rectangle into one pixel only weighs the bitmap's pixels.
  SetStretchBltMode(dst.Canvas(), HALFTONE);
  StretchBlt(dst.Canvas(), 3, 3, 1, 1, src.Canvas(), -100000000, -100000000, 200000000, 200000000,
             SRCCOPY);
  EXPECT_EQ(At(dst, 3, 3), clRed);
}

}  // namespace
}  // namespace fw
