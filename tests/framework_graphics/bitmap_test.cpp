// TBitmap: size and resizing, copies, scan lines, pixel format, transparency and the errors of
// loading and saving.
#include <gtest/gtest.h>

#include "graphics_test_util.h"

namespace fw {
namespace {

using test::At;

TEST(BitmapSize, NewPixelsAreWhiteAndResizingKeepsTheCommonPart) {
  TBitmap bmp;
  EXPECT_TRUE(bmp.Empty());
  bmp.SetSize(4, 3);
  EXPECT_FALSE(bmp.Empty());
  EXPECT_EQ(test::CountOf(bmp, clWhite), 12);
  bmp.Canvas()->SetPixels(1, 1, clRed);
  bmp.SetWidth(6);
  bmp.SetHeight(2);
  EXPECT_EQ(bmp.Width(), 6);
  EXPECT_EQ(bmp.Height(), 2);
  EXPECT_EQ(At(bmp, 1, 1), clRed);
  EXPECT_EQ(test::CountOf(bmp, clWhite), 11);
  bmp.SetSize(-5, 3);
  EXPECT_TRUE(bmp.Empty());
}

TEST(BitmapSize, OversizedBitmapsAreRefusedAndLeaveTheBitmapAlone) {
  TBitmap bmp(3, 3);
  EXPECT_THROW(bmp.SetSize(1 << 20, 2), EInvalidGraphic);
  EXPECT_THROW(bmp.SetSize(20000, 20000), EInvalidGraphic);
  EXPECT_EQ(bmp.Width(), 3);
}

TEST(BitmapAssign, CopiesPixelsAndSettingsIndependently) {
  TBitmap a(3, 2), b;
  a.Canvas()->SetPixels(2, 1, clBlue);
  a.SetTransparent(true);
  a.SetPixelFormat(pf24bit);
  b.Assign(&a);
  a.Canvas()->SetPixels(2, 1, clRed);
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(At(b, 2, 1), clBlue);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
}

TEST(BitmapScanLine, RowsAreTopDownPixelsAreRgbAndOutOfRangeIsRefused) {
  TBitmap bmp(2, 3);
  bmp.Canvas()->SetPixels(1, 2, RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(bmp.ScanLine(2)[1], 0x112233u);
  bmp.ScanLine(0)[0] = 0x00FF0000;
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), clRed);
  EXPECT_THROW(bmp.ScanLine(3), EInvalidGraphic);
  EXPECT_THROW(bmp.ScanLine(-1), EInvalidGraphic);
}

TEST(BitmapFormat, LowerFormatsDropTheAlphaByte) {
  TBitmap bmp(1, 1);
  bmp.SetPixelFormat(pf32bit);
  bmp.ScanLine(0)[0] = 0x80123456;
  bmp.SetPixelFormat(pf24bit);
  EXPECT_EQ(bmp.ScanLine(0)[0], 0x00123456u);
}

TEST(BitmapTransparency, AutoColourIsTheBottomLeftPixelUntilAColourIsSet) {
  TBitmap bmp(3, 3);
  EXPECT_EQ(bmp.TransparentMode(), tmAuto);
  bmp.Canvas()->SetPixels(0, 2, clOlive);
  EXPECT_EQ(bmp.TransparentColor(), clOlive);
  bmp.SetTransparentColor(clTeal);
  EXPECT_EQ(bmp.TransparentMode(), tmFixed);
  EXPECT_EQ(bmp.TransparentColor(), clTeal);
  bmp.SetTransparentMode(tmAuto);
  EXPECT_EQ(bmp.TransparentColor(), clOlive);
}

TEST(BitmapOnChange, FiresForSizeSettingsAndCanvasChanges) {
  TBitmap bmp;
  int changes = 0;
  bmp.OnChange = [&] { ++changes; };
  bmp.SetSize(2, 2);
  bmp.SetSize(2, 2);
  bmp.SetTransparent(true);
  EXPECT_EQ(changes, 2);
  bmp.Canvas()->FillRect(Rect(0, 0, 1, 1));
  bmp.Canvas()->FillRect(Rect(5, 5, 9, 9));  // outside: nothing changes
  EXPECT_EQ(changes, 3);
}

TEST(BitmapFiles, MissingFilesUnknownExtensionsAndResourcesRaise) {
  TBitmap bmp(2, 2);
  EXPECT_THROW(bmp.LoadFromFile("/nonexistent/dir/picture.bmp"), EInOutError);
  EXPECT_THROW(bmp.LoadFromFile("/tmp"), EInOutError);
  EXPECT_THROW(bmp.SaveToFile("/nonexistent/dir/picture.bmp"), Exception);
  EXPECT_THROW(bmp.SaveToFile("picture.gif"), EInvalidGraphic);
  EXPECT_THROW(bmp.SaveToFile("noextension"), EInvalidGraphic);
  try {
    bmp.LoadFromResourceName("NOSUCHIMAGE");
    FAIL();
  } catch (const EResNotFound& e) {
    EXPECT_NE(std::string(e.what()).find("NOSUCHIMAGE"), std::string::npos);
  }
  EXPECT_EQ(bmp.Width(), 2);
}

}  // namespace
}  // namespace fw
