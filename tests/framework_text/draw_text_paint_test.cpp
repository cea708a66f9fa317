// Tests of DrawText drawing: where lines land for each alignment, the return value, clipping,
// the brush behind the text, accelerator underlines, tab stops and the pen position. Pixel
// expectations come from the built-in font's documented geometry ("H" inks columns 0 and 4
// of rows 3..9 of its 6 x 13 cell).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw_text_sheet.h"

namespace fw {
namespace {

using testing_text::kCellH;
using testing_text::kCellW;
using testing_text::Sheet;

// The ink of "H" x n drawn with its cell's top-left corner at (x, y).
TRect InkOfH(int x, int y, int n) {
  return Rect(x, y + 3, x + (n - 1) * kCellW + 5, y + 10);
}

TEST(DrawTextPlacement, AlignmentFlagsPlaceASingleLine) {
  const TRect box = Rect(10, 20, 110, 53);  // 100 x 33
  const int w = 2 * kCellW;
  struct Case {
    const char* what;
    uint32_t format;
    int x, y;      // expected cell corner
    int returned;  // expected result
  };
  const int midX = box.Left + (box.Width() - w) / 2;
  const int midY = box.Top + (box.Height() - kCellH) / 2;
  for (const Case& c : std::vector<Case>{
           {"left top", DT_LEFT | DT_TOP, box.Left, box.Top, kCellH},
           {"centre", DT_CENTER, midX, box.Top, kCellH},
           {"right", DT_RIGHT, box.Right - w, box.Top, kCellH},
           {"vcentre single", DT_SINGLELINE | DT_VCENTER, box.Left, midY, midY - box.Top + kCellH},
           {"bottom single", DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, box.Right - w,
            box.Bottom - kCellH, box.Height()},
           {"vcentre needs single line", DT_VCENTER | DT_CENTER, midX, box.Top, kCellH},
           {"bottom needs single line", DT_BOTTOM, box.Left, box.Top, kCellH},
       }) {
    SCOPED_TRACE(c.what);
    Sheet sheet;
    TRect r = box;
    EXPECT_EQ(DrawText(sheet.Canvas(), "HH", r, c.format), c.returned);
    EXPECT_EQ(r, box);
    EXPECT_EQ(sheet.BoundsOf(clBlack), InkOfH(c.x, c.y, 2));
  }
}

TEST(DrawTextPlacement, EachLineIsAlignedOnItsOwn) {
  const TRect box = Rect(10, 20, 110, 80);
  for (uint32_t align : {DT_LEFT, DT_CENTER, DT_RIGHT}) {
    SCOPED_TRACE(align);
    Sheet sheet;
    TRect r = box;
    EXPECT_EQ(DrawText(sheet.Canvas(), "H\nHHH", r, align), 2 * kCellH);
    auto left = [&](int n) {
      const int room = box.Width() - n * kCellW;
      return box.Left + (align == DT_CENTER ? room / 2 : align == DT_RIGHT ? room : 0);
    };
    // The first line's H, then the second line's three.
    EXPECT_EQ(sheet.At(left(1), box.Top + 3), clBlack);
    EXPECT_EQ(sheet.At(left(1) - 1, box.Top + 3), clWhite);
    EXPECT_EQ(sheet.At(left(3), box.Top + kCellH + 3), clBlack);
    EXPECT_EQ(sheet.At(left(3) - 1, box.Top + kCellH + 3), clWhite);
    EXPECT_EQ(sheet.BoundsOf(clBlack).Bottom, box.Top + kCellH + 10);
  }
}

TEST(DrawTextPlacement, WrappedLinesFollowEachOther) {
  Sheet sheet;
  TRect r = Rect(0, 0, 3 * kCellW, 100);
  EXPECT_EQ(DrawText(sheet.Canvas(), "HH HHH H", r, DT_WORDBREAK | DT_RIGHT), 3 * kCellH);
  EXPECT_EQ(sheet.At(kCellW, 3), clBlack);                   // "HH" right-aligned
  EXPECT_EQ(sheet.At(0, kCellH + 3), clBlack);               // "HHH" fills the line
  EXPECT_EQ(sheet.At(2 * kCellW, 2 * kCellH + 3), clBlack);  // "H" at the right
  EXPECT_EQ(sheet.At(0, 2 * kCellH + 3), clWhite);
}

TEST(DrawTextClipping, TextIsCutAtTheRectangleUnlessNoClip) {
  const TRect box = Rect(10, 20, 10 + 2 * kCellW, 20 + kCellH);
  {
    Sheet sheet;
    TRect r = box;
    DrawText(sheet.Canvas(), "HHHH\nHH", r, 0);
    EXPECT_EQ(sheet.BoundsOf(clBlack), InkOfH(10, 20, 2));
  }
  {
    Sheet sheet;
    TRect r = box;
    DrawText(sheet.Canvas(), "HHHH\nHH", r, DT_NOCLIP);
    EXPECT_EQ(sheet.BoundsOf(clBlack), Rect(10, 23, 10 + 3 * kCellW + 5, 20 + kCellH + 10));
  }
}

TEST(DrawTextClipping, TheCanvasClipStillHolds) {
  Sheet sheet;
  sheet.Canvas()->SetClipRect(Rect(0, 0, 10 + kCellW, 100));
  TRect r = Rect(10, 20, 100, 40);
  DrawText(sheet.Canvas(), "HHHH", r, DT_NOCLIP);
  EXPECT_EQ(sheet.BoundsOf(clBlack), InkOfH(10, 20, 1));
}

TEST(DrawTextBackground, SolidBrushFillsEachLineBoxClearBrushNothing) {
  for (bool solid : {true, false}) {
    SCOPED_TRACE(solid);
    Sheet sheet;
    TCanvas* c = sheet.Canvas();
    c->Brush()->SetColor(clYellow);
    c->Brush()->SetStyle(solid ? bsSolid : bsClear);
    TRect r = Rect(10, 20, 110, 80);
    DrawText(c, "HH\nHHH", r, DT_CENTER);
    if (solid) {
      // Line boxes of 2 and 3 cells, centred; nothing beside them.
      const int x1 = 10 + (100 - 2 * kCellW) / 2, x2 = 10 + (100 - 3 * kCellW) / 2;
      EXPECT_EQ(sheet.BoundsOf(clYellow), Rect(x2, 20, x2 + 3 * kCellW, 20 + 2 * kCellH));
      EXPECT_EQ(sheet.At(x1, 20), clYellow);
      EXPECT_EQ(sheet.At(x1 - 1, 20), clWhite);
      EXPECT_EQ(sheet.At(x1 + 2 * kCellW, 20), clWhite);
      EXPECT_EQ(sheet.At(x2, 20 + kCellH), clYellow);
    } else {
      EXPECT_EQ(sheet.BoundsOf(clYellow), TRect{});
    }
    EXPECT_NE(sheet.BoundsOf(clBlack), TRect{});
  }
}

TEST(DrawTextBackground, DrawsInTheFontColourAndKeepsThePenPosition) {
  Sheet sheet;
  TCanvas* c = sheet.Canvas();
  c->Font()->SetColor(clRed);
  c->MoveTo(3, 4);
  TRect r = Rect(0, 0, 100, 40);
  DrawText(c, "HH", r, 0);
  EXPECT_EQ(sheet.BoundsOf(clRed), InkOfH(0, 0, 2));
  EXPECT_EQ(c->PenPos(), Point(3, 4));
}

// The sheet with `shown` written by TextOut at (x, y).
void TextOutOn(Sheet& sheet, int x, int y, const std::string& shown) {
  sheet.Canvas()->TextOut(x, y, shown);
}

TEST(DrawTextPrefix, PrefixedTextLooksLikeTheShownTextPlusOneUnderline) {
  struct Case {
    const char* text;
    const char* shown;
    int underlined;  // index of the underlined character, -1 for none
    uint32_t format;
  };
  for (const Case& c : std::vector<Case>{{"A&BC", "ABC", 1, 0},
                                         {"&File", "File", 0, 0},
                                         {"a&&b", "a&b", -1, 0},
                                         {"A&BC", "ABC", -1, DT_HIDEPREFIX},
                                         {"A&BC", "A&BC", -1, DT_NOPREFIX}}) {
    SCOPED_TRACE(c.text);
    Sheet drawn, expected;
    TRect r = Rect(10, 20, 150, 60);
    DrawText(drawn.Canvas(), c.text, r, c.format);
    TextOutOn(expected, 10, 20, c.shown);
    // The underline lies in row 11 of the cell, the full advance of the marked character.
    const int underlineRow = 20 + 11;
    for (int y = 0; y < drawn.Height(); ++y) {
      for (int x = 0; x < drawn.Width(); ++x) {
        const bool under = c.underlined >= 0 && y == underlineRow &&
                           x >= 10 + c.underlined * kCellW && x < 10 + (c.underlined + 1) * kCellW;
        ASSERT_EQ(drawn.At(x, y), under ? clBlack : expected.At(x, y)) << x << "," << y;
      }
    }
  }
}

TEST(DrawTextTabs, TabsMoveToStops) {
  struct Case {
    const char* what;
    uint32_t format;
    int stop;  // pixels from the line start where "b" lands
  };
  for (const Case& c : std::vector<Case>{
           {"default stops: 8 average characters", DT_EXPANDTABS, 8 * kCellW},
           {"tab stop of 4 characters in bits 8..15", DT_EXPANDTABS | DT_TABSTOP | (4 << 8),
            4 * kCellW},
       }) {
    SCOPED_TRACE(c.what);
    Sheet drawn, expected;
    TRect r = Rect(10, 20, 190, 60);
    DrawText(drawn.Canvas(), "a\tb", r, c.format);
    TextOutOn(expected, 10, 20, "a");
    TextOutOn(expected, 10 + c.stop, 20, "b");
    EXPECT_TRUE(drawn.SamePixels(expected));
  }
}

TEST(DrawTextTabs, TabStopBitsAreNotReadAsOtherFlags) {
  // 4 << 8 is also the bit of DT_CALCRECT: with DT_TABSTOP it must draw, not measure.
  Sheet sheet;
  TRect r = Rect(0, 0, 100, 40);
  DrawText(sheet.Canvas(), "H", r, DT_EXPANDTABS | DT_TABSTOP | (4 << 8));
  EXPECT_EQ(r, Rect(0, 0, 100, 40));
  EXPECT_EQ(sheet.BoundsOf(clBlack), InkOfH(0, 0, 1));
}

TEST(DrawTextEllipsis, EndEllipsisDrawsTheShortenedText) {
  Sheet drawn, expected;
  TRect r = Rect(10, 20, 10 + 5 * kCellW, 40);
  DrawText(drawn.Canvas(), "abcdefghij", r, DT_END_ELLIPSIS);
  TextOutOn(expected, 10, 20, "ab...");
  EXPECT_TRUE(drawn.SamePixels(expected));
}

TEST(DrawTextEmpty, EmptyTextDrawsNothingAndReturnsZero) {
  Sheet sheet, untouched;
  sheet.Canvas()->Brush()->SetStyle(bsSolid);
  sheet.Canvas()->Brush()->SetColor(clRed);
  TRect r = Rect(0, 0, 100, 40);
  EXPECT_EQ(DrawText(sheet.Canvas(), "", r, 0), 0);
  EXPECT_TRUE(sheet.SamePixels(untouched));
}

}  // namespace
}  // namespace fw
