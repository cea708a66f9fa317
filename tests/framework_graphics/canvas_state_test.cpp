// Canvas state: origin and clip, change reports, text cells, and the drawing tools' defaults,
// change callbacks and copies.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/graphics/gdi.h"
#include "graphics_test_util.h"

namespace fw {
namespace {

using test::At;
using test::BoxOf;
using test::Painted;

TEST(CanvasClip, OriginShiftsDrawingAndTheClipBoundsIt) {
  TBitmap bmp(30, 30);
  TCanvas canvas(&bmp);
  canvas.SetOrigin(5, 6);
  canvas.SetClipRect(Rect(0, 0, 10, 8));
  EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 10, 8));
  canvas.Brush()->SetColor(clBlue);
  canvas.FillRect(Rect(-100, -100, 100, 100));
  EXPECT_EQ(BoxOf(Painted(bmp)), Rect(5, 6, 15, 14));
  canvas.MoveTo(-50, 3);
  canvas.LineTo(50, 3);
  canvas.Ellipse(-20, -20, 40, 40);
  EXPECT_EQ(BoxOf(Painted(bmp)), Rect(5, 6, 15, 14));
  EXPECT_EQ(canvas.Pixels(0, 0), clBlue);
  EXPECT_EQ(canvas.Pixels(10, 0), kInvalidPixel);
  EXPECT_EQ(canvas.Pixels(-1, 0), kInvalidPixel);
}

TEST(CanvasClip, WithoutAClipTheWholeBitmapIsTheClip) {
  TBitmap bmp(12, 7);
  TCanvas canvas(&bmp);
  canvas.SetOrigin(2, 3);
  EXPECT_EQ(canvas.ClipRect(), Rect(-2, -3, 10, 4));
  canvas.SetPixels(9, 3, clRed);
  EXPECT_EQ(At(bmp, 11, 6), clRed);
  canvas.SetPixels(10, 3, clRed);  // outside the bitmap: ignored
  EXPECT_EQ(canvas.Pixels(10, 3), kInvalidPixel);
}

TEST(CanvasClip, IntersectingNarrowsTheClipAndResetFreesIt) {
  TBitmap bmp(30, 30);
  TCanvas canvas(&bmp);
  canvas.SetOrigin(4, 4);
  canvas.SetClipRect(Rect(0, 0, 20, 20));
  EXPECT_TRUE(canvas.IntersectClipRect(Rect(10, -5, 40, 15)));
  EXPECT_EQ(canvas.ClipRect(), Rect(10, 0, 20, 15));
  EXPECT_FALSE(canvas.IntersectClipRect(Rect(0, 0, 5, 5)));
  canvas.Brush()->SetColor(clRed);
  canvas.FillRect(Rect(0, 0, 30, 30));
  EXPECT_TRUE(Painted(bmp).empty());
  canvas.ResetClip();
  EXPECT_EQ(canvas.ClipRect(), Rect(-4, -4, 26, 26));
}

TEST(CanvasClip, CanvasWithoutBitmapDrawsNothingAndDoesNotFail) {
  TCanvas canvas;
  canvas.Rectangle(0, 0, 10, 10);
  canvas.TextOut(0, 0, "x");
  canvas.FloodFill(1, 1, clWhite, fsSurface);
  EXPECT_EQ(canvas.Pixels(0, 0), kInvalidPixel);
  EXPECT_EQ(canvas.TextWidth("abc"), 18);
}

// Every part of the drawing state, written so that two canvases can be compared.
std::string DrawingState(const TCanvas& c) {
  const TRect clip = c.ClipRect();
  std::string s;
  for (long v : {long(c.Pen()->Color()), long(c.Pen()->Width()), long(c.Pen()->Style()),
                 long(c.Pen()->Mode()), long(c.Brush()->Color()), long(c.Brush()->Style()),
                 long(c.Font()->Height()), long(c.Font()->Color()), long(c.Font()->Orientation()),
                 long(c.Font()->Style().Contains(fsBold)), long(c.CopyMode()),
                 long(c.StretchMode()), long(c.Origin().X), long(c.Origin().Y), long(clip.Left),
                 long(clip.Top), long(clip.Right), long(clip.Bottom)})
    s += std::to_string(v) + " ";
  return s + c.Font()->Name();
}

void ChangeEverything(TCanvas& c) {
  c.Pen()->SetColor(clLime);
  c.Pen()->SetWidth(7);
  c.Pen()->SetStyle(psDot);
  c.Pen()->SetMode(pmXor);
  c.Brush()->SetColor(clNavy);
  c.Brush()->SetStyle(bsClear);
  c.Font()->SetName("Courier New");
  c.Font()->SetHeight(-30);
  c.Font()->SetColor(clRed);
  c.Font()->SetOrientation(900);
  c.Font()->SetStyle(TFontStyles{fsBold});
  c.SetCopyMode(cmSrcInvert);
  c.SetStretchMode(4);
  c.SetOrigin(-3, 9);
  c.IntersectClipRect(Rect(2, 2, 5, 5));
}

TEST(CanvasStateSaver, PutsBackEveryPartOfTheDrawingStateButThePenPosition) {
  TBitmap bmp(40, 30);
  TCanvas canvas(&bmp);
  canvas.Pen()->SetColor(clMaroon);
  canvas.Brush()->SetColor(clYellow);
  canvas.Font()->SetSize(12);
  canvas.SetOrigin(4, 5);
  canvas.SetClipRect(Rect(1, 1, 20, 15));
  const std::string before = DrawingState(canvas);
  {
    TCanvasStateSaver saved(canvas);
    ChangeEverything(canvas);
    EXPECT_NE(DrawingState(canvas), before);
    canvas.MoveTo(7, 8);
  }
  EXPECT_EQ(DrawingState(canvas), before);
  EXPECT_EQ(canvas.PenPos(), Point(7, 8));
}

TEST(CanvasStateSaver, NoClipComesBackAsNoClipAndAThrowingBlockIsRestoredToo) {
  TBitmap small(10, 10), large(50, 50);
  TCanvas canvas(&small);
  try {
    TCanvasStateSaver saved(canvas);
    ChangeEverything(canvas);
    throw std::runtime_error("drawing failed");
  } catch (const std::runtime_error&) {
  }
  // Without a clip the clip follows the target; an explicit clip would stay 10 x 10.
  canvas.SetTarget(&large);
  EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 50, 50));
  EXPECT_EQ(canvas.Pen()->Mode(), pmCopy);
  EXPECT_EQ(canvas.Brush()->Style(), bsSolid);
}

TEST(CanvasOnDrawn, ReportsTheClippedDeviceAreaOfEachOperation) {
  TBitmap bmp(40, 40);
  TCanvas canvas(&bmp);
  std::vector<TRect> reports;
  canvas.OnDrawn = [&](const TRect& r) { reports.push_back(r); };
  canvas.SetOrigin(10, 10);
  canvas.SetClipRect(Rect(0, 0, 20, 20));
  canvas.FillRect(Rect(2, 3, 8, 9));
  canvas.Rectangle(-5, -5, 5, 5);
  canvas.FillRect(Rect(30, 30, 40, 40));  // wholly clipped: no report
  canvas.MoveTo(0, 0);
  canvas.LineTo(4, 0);
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[0], Rect(12, 13, 18, 19));
  EXPECT_EQ(reports[1], Rect(10, 10, 15, 15));
  EXPECT_EQ(reports[2].Top, 10);
  EXPECT_EQ(reports[2].Left, 10);
  for (const TRect& r : reports) EXPECT_FALSE(IsRectEmpty(r));
  // Every painted pixel lies in some report.
  for (auto [x, y] : Painted(bmp)) {
    bool covered = false;
    for (const TRect& r : reports) covered = covered || PtInRect(r, Point(x, y));
    EXPECT_TRUE(covered) << x << "," << y;
  }
}

TEST(CanvasText, SolidBrushFillsTheCellAndClearBrushDoesNot) {
  TBitmap bmp(40, 30);
  TCanvas* c = bmp.Canvas();
  c->Brush()->SetColor(clLime);
  c->TextOut(3, 4, "abc");
  const TSize cell = c->TextExtent("abc");
  EXPECT_EQ(BoxOf(test::PixelsOf(bmp, clLime)), Rect(3, 4, 3 + cell.cx, 4 + cell.cy));
  EXPECT_EQ(c->PenPos(), Point(3 + cell.cx, 4));

  TBitmap clear(40, 30);
  clear.Canvas()->Brush()->SetStyle(bsClear);
  clear.Canvas()->TextOut(3, 4, "abc");
  EXPECT_TRUE(test::PixelsOf(clear, clLime).empty());
  EXPECT_EQ(At(clear, 4, 5), clWhite);
}

TEST(CanvasText, TextRectFillsOnlyTheRectangle) {
  TBitmap bmp(40, 30);
  TCanvas* c = bmp.Canvas();
  c->Brush()->SetColor(clAqua);
  c->TextRect(Rect(2, 2, 10, 8), 0, 0, "a long text");
  EXPECT_EQ(BoxOf(Painted(bmp)), Rect(2, 2, 10, 8));
}

TEST(CanvasText, MeasuresFollowTheFont) {
  TCanvas canvas;
  EXPECT_EQ(canvas.TextWidth(""), 0);
  EXPECT_EQ(canvas.TextExtent("abcd").cx, canvas.TextWidth("abcd"));
  EXPECT_EQ(canvas.TextExtent("abcd").cy, canvas.TextHeight("abcd"));
  EXPECT_GT(canvas.TextHeight("x"), 0);
}

TEST(DrawingTools, DefaultsAreThePlatformsDefaults) {
  TCanvas canvas;
  EXPECT_EQ(canvas.Pen()->Color(), clBlack);
  EXPECT_EQ(canvas.Pen()->Width(), 1);
  EXPECT_EQ(canvas.Pen()->Style(), psSolid);
  EXPECT_EQ(canvas.Pen()->Mode(), pmCopy);
  EXPECT_EQ(canvas.Brush()->Color(), clWhite);
  EXPECT_EQ(canvas.Brush()->Style(), bsSolid);
  EXPECT_EQ(canvas.Font()->Name(), "MS Sans Serif");
  EXPECT_EQ(canvas.Font()->Size(), 8);
  EXPECT_EQ(canvas.Font()->Height(), -11);
  EXPECT_EQ(canvas.Font()->Color(), clWindowText);
  EXPECT_TRUE(canvas.Font()->Style().Empty());
  EXPECT_EQ(canvas.CopyMode(), cmSrcCopy);
  EXPECT_EQ(GetStretchBltMode(&canvas), COLORONCOLOR);
}

TEST(DrawingTools, OnChangeFiresOncePerRealChange) {
  TPen pen;
  TBrush brush;
  TFont font;
  int changes = 0;
  pen.OnChange = brush.OnChange = font.OnChange = [&] { ++changes; };
  pen.SetColor(clRed);
  pen.SetColor(clRed);
  pen.SetWidth(2);
  brush.SetStyle(bsCross);
  brush.SetStyle(bsCross);
  font.SetStyle({fsBold, fsItalic});
  font.SetStyle({fsBold, fsItalic});
  font.SetSize(8);  // already 8 points
  EXPECT_EQ(changes, 4);
}

TEST(DrawingTools, FontSizeAndHeightConvertAt96PixelsPerInch) {
  TFont font;
  struct Case {
    int size, height;
  };
  for (const Case& k : {Case{8, -11}, Case{9, -12}, Case{10, -13}, Case{12, -16}, Case{14, -19},
                        Case{72, -96}, Case{-8, 11}}) {
    font.SetSize(k.size);
    EXPECT_EQ(font.Height(), k.height) << k.size;
    EXPECT_EQ(font.Size(), k.size) << k.size;
  }
  font.SetHeight(-15);
  EXPECT_EQ(font.Size(), 11);  // 11.25 points
}

TEST(DrawingTools, ColourOnAClearBrushMakesItSolid) {
  TBrush brush;
  brush.SetStyle(bsClear);
  brush.SetColor(clRed);
  EXPECT_EQ(brush.Style(), bsSolid);
}

TEST(DrawingTools, SetFontCopiesAndLeavesTheSourceAlone) {
  TFont source;
  source.SetName("Arial");
  source.SetSize(12);
  source.SetColor(clRed);
  source.SetOrientation(450);
  TCanvas canvas;
  canvas.SetFont(&source);
  source.SetSize(20);
  EXPECT_EQ(canvas.Font()->Name(), "Arial");
  EXPECT_EQ(canvas.Font()->Size(), 12);
  EXPECT_EQ(canvas.Font()->Color(), clRed);
  EXPECT_EQ(canvas.Font()->Orientation(), 450);
  EXPECT_EQ(canvas.Font()->Spec().escapement, 450);
  EXPECT_EQ(canvas.Font()->Spec().height, -16);
}

TEST(FontHandles, EscapementThroughALogicalFontTurnsTheCanvasFont) {
  const int live = FontHandleCount();
  {
    TCanvas canvas;
    canvas.Font()->SetName("Arial");
    canvas.Font()->SetStyle(fsBold);
    LOGFONT lf;
    ASSERT_EQ(GetObject(canvas.Font()->Handle(), int(sizeof(lf)), &lf), 60);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    lf.lfEscapement = lf.lfOrientation = 900;
    lf.lfQuality = NONANTIALIASED_QUALITY;
    const HFONT turned = CreateFontIndirect(lf);
    canvas.Font()->SetHandle(turned);
    EXPECT_EQ(canvas.Font()->Handle(), turned);
    EXPECT_EQ(canvas.Font()->Orientation(), 900);
    EXPECT_EQ(canvas.Font()->Name(), "Arial");
    EXPECT_TRUE(canvas.Font()->Style().Contains(fsBold));
    EXPECT_FALSE(canvas.Font()->Spec().antialiased);
    canvas.Font()->SetSize(20);  // the taken-over handle is released
    LOGFONT gone;
    EXPECT_FALSE(GetObject(turned, gone));
  }
  EXPECT_EQ(FontHandleCount(), live);
}

TEST(FontHandles, UnknownAndDeletedHandlesAreRefused) {
  LOGFONT lf;
  const HFONT h = CreateFontIndirect(lf);
  EXPECT_TRUE(DeleteObject(h));
  EXPECT_FALSE(DeleteObject(h));
  EXPECT_FALSE(GetObject(h, lf));
  TFont font;
  EXPECT_THROW(font.SetHandle(h), EInvalidGraphic);
}

TEST(FontHandles, LongNamesAreCutOnACharacterBoundary) {
  TFont font;
  font.SetName(std::string(30, 'a') + "\xC3\xA9\xC3\xA9");  // 30 bytes, then two 2-byte letters
  LOGFONT lf;
  ASSERT_TRUE(GetObject(font.Handle(), lf));
  EXPECT_EQ(std::string(lf.lfFaceName), std::string(30, 'a'));
}

}  // namespace
}  // namespace fw
