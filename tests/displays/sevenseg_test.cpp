// TSevenSeg: the segment art against the code that draws it, composed cells without white
// islands, the caption walked into cells with dots, the cache rules, clamping, any size.
#include <gtest/gtest.h>

#include <string>

#include "displays/ZEB_sevenseg.h"
#include "framework/backend/headless/test_host.h"
#include "framework/base/registry_check.h"
#include "framework/graphics/canvas.h"
#include "tools/segment_art/segment_shapes.h"

namespace zeb {
namespace {

// The committed resources are what the drawing code makes, two colours only.
TEST(SevenSegArt, ResourcesMatchTheirDrawingCode) {
  for (const segment_art::SegmentImage& drawn : segment_art::DrawSegmentImages()) {
    SCOPED_TRACE(drawn.name);
    fw::TBitmap stored;
    stored.LoadFromResourceName(drawn.name);
    ASSERT_EQ(stored.Width(), drawn.image->Width());
    ASSERT_EQ(stored.Height(), drawn.image->Height());
    int mismatches = 0, others = 0;
    for (int y = 0; y < stored.Height(); ++y)
      for (int x = 0; x < stored.Width(); ++x) {
        const fw::TColor c = stored.Canvas()->Pixels(x, y);
        mismatches += c != drawn.image->Canvas()->Pixels(x, y);
        others += c != fw::clBlack && c != fw::clWhite;
      }
    EXPECT_EQ(mismatches, 0) << "run panekit-segment-art resources";
    EXPECT_EQ(others, 0);
  }
}

struct ShownSevenSeg {
  explicit ShownSevenSeg(int w = 216, int h = 76) : host(w + 10, h + 10) {
    seg = new TSevenSeg(host.Form());
    seg->SetParent(host.Form());
    seg->SetBounds(0, 0, w, h);
    host.Show();
  }
  // Pixel (x, y) of digit cell `digit` (from 0) on screen.
  fw::TColor CellPixel(int digit, int x, int y) {
    const int left = digit * (seg->CellWidth() + seg->InterDigDist()) + seg->Margin();
    return host.Pixel(left + x, seg->Margin() + y);
  }
  fw::TestHost host;
  TSevenSeg* seg;
};

// Every cell keeps the inside of its digit joined to the background: no white is left.
TEST(SevenSeg, CellsHoldNoWhiteIslandsAndWhiteTextIsNearlyWhite) {
  ShownSevenSeg s;
  s.seg->SetBounds(0, 0, 640, 160);
  const auto whiteOrNearly = [&](fw::TColor c) {
    return fw::GetRValue(c) > 0xF0 && fw::GetGValue(c) > 0xF0 && fw::GetBValue(c) > 0xF0;
  };
  const fw::TBitmap& cache = s.seg->ImageCache();
  int light = 0;
  for (int y = 0; y < cache.Height(); ++y)
    for (int x = 0; x < cache.Width(); ++x)
      light += whiteOrNearly(fw::PixelToColor(cache.ScanLine(y)[x]));
  EXPECT_EQ(light, 0);
  s.seg->SetColorText(fw::clWhite);
  bool nearlyWhite = false, white = false;
  for (int x = 0; x < cache.Width(); ++x) {
    const fw::TColor c = fw::PixelToColor(cache.ScanLine(cache.Height() / 2)[x]);
    nearlyWhite = nearlyWhite || c == 0xFEFEFE;
    white = white || c == 0xFFFFFF;
  }
  EXPECT_TRUE(nearlyWhite);
  EXPECT_FALSE(white);
}

// A colour change recolours the kept character shapes: the cache comes out as a new control's.
TEST(SevenSeg, RecolouringGivesTheCacheOfAFreshControl) {
  ShownSevenSeg a, b;
  a.seg->SetColorText(fw::clLime);
  a.seg->SetColorBackGnd(fw::clNavy);
  a.seg->SetColorText(fw::clYellow);
  b.seg->SetColorBackGnd(fw::clNavy);
  b.seg->SetColorText(fw::clYellow);
  const fw::TBitmap &x = a.seg->ImageCache(), &y = b.seg->ImageCache();
  ASSERT_EQ(x.Width(), y.Width());
  int differing = 0, mixed = 0;
  for (int row = 0; row < x.Height(); ++row) {
    for (int col = 0; col < x.Width(); ++col) {
      const fw::TPixel p = x.ScanLine(row)[col];
      differing += p != y.ScanLine(row)[col];
      mixed += p != fw::ColorToPixel(fw::clYellow) && p != fw::ColorToPixel(fw::clNavy);
    }
  }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(mixed, 0);  // edges blend the two colours
}

TEST(SevenSeg, TheCaptionFillsCellsWithDotsAndEveryDigitShows) {
  ShownSevenSeg a, b;
  a.seg->SetCaption("12.5");
  b.seg->SetCaption("125");
  const int d = a.seg->CellWidth(), h = a.seg->ImageCache().Height();
  int firstDiff = 0, secondDiffOutsideDot = 0, secondDiffInDot = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < d; ++x) {
      firstDiff += a.CellPixel(0, x, y) != b.CellPixel(0, x, y);
      const bool inDot = x >= d * 5 / 6 && y >= h * 5 / 6;
      (inDot ? secondDiffInDot : secondDiffOutsideDot) +=
          a.CellPixel(1, x, y) != b.CellPixel(1, x, y);
    }
  EXPECT_EQ(firstDiff, 0);
  EXPECT_EQ(secondDiffOutsideDot, 0);
  EXPECT_GT(secondDiffInDot, 0);
  // The default "8.8.8.8." lights all four cells, the last one too.
  ShownSevenSeg c;
  int lit = 0;
  for (int x = 0; x < d; ++x) lit += c.CellPixel(3, x, h / 2) != fw::TColor{0x333333};
  EXPECT_GT(lit, 0);
  // ".5": a blank cell with only its dot, then "5".
  c.seg->SetCaption(".5");
  int outside = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < d * 5 / 6; ++x) outside += c.CellPixel(0, x, y) != fw::TColor{0x333333};
  EXPECT_EQ(outside, 0);
}

TEST(SevenSeg, CacheRulesAndClamping) {
  ShownSevenSeg s;
  int builds = s.seg->CacheBuilds();
  s.seg->SetCaption("-3°C");
  EXPECT_EQ(s.seg->CacheBuilds(), builds);
  for (auto change :
       {+[](TSevenSeg& x) { x.SetColorText(fw::clLime); },
        +[](TSevenSeg& x) { x.SetColorBackGnd(fw::clBlack); },
        +[](TSevenSeg& x) { x.SetNumDigits(6); }, +[](TSevenSeg& x) { x.SetMargin(4); },
        +[](TSevenSeg& x) { x.SetInterDigDist(5); },
        +[](TSevenSeg& x) { x.SetBounds(0, 0, 300, 90); }}) {
    change(*s.seg);
    EXPECT_EQ(s.seg->CacheBuilds(), ++builds);
  }
  s.seg->SetNumDigits(0);
  s.seg->SetNumDigits(33);
  EXPECT_EQ(s.seg->NumDigits(), 6);
  s.seg->SetMargin(500);
  EXPECT_EQ(s.seg->Margin(), 90 / 2 - 1);
  s.seg->SetInterDigDist(300);
  EXPECT_EQ(s.seg->InterDigDist(), 255);
  s.seg->SetInterDigDist(-4);
  EXPECT_EQ(s.seg->InterDigDist(), 0);
  // A smaller control after a large margin still has cells of at least one pixel.
  s.seg->SetBounds(0, 0, 20, 3);
  EXPECT_GE(s.seg->ImageCache().Height(), 1);
  EXPECT_GE(s.seg->CellWidth(), 1);
  s.host.Pixel(0, 0);
}

// Changes to a display not on screen (a form being read) cost nothing until it is drawn, and
// then one build however many there were.
TEST(SevenSeg, CacheIsBuiltOnceWhenNeeded) {
  TSevenSeg seg(nullptr);
  (void)seg.ImageCache();
  const int builds = seg.CacheBuilds();
  seg.SetBounds(0, 0, 300, 90);
  seg.SetNumDigits(6);
  seg.SetColorText(fw::clLime);
  seg.SetMargin(4);
  EXPECT_EQ(seg.CacheBuilds(), builds);
  EXPECT_EQ(seg.ImageCache().Height(), 90 - 2 * 4);
  EXPECT_EQ(seg.CacheBuilds(), builds + 1);
  (void)seg.CellWidth();
  EXPECT_EQ(seg.CacheBuilds(), builds + 1);
}

TEST(SevenSeg, ClassRecordAssignAndEverySize) {
  for (const std::string& problem : fw::testing::CheckRegisteredClass("TSevenSeg"))
    ADD_FAILURE() << problem;
  TSevenSeg a(nullptr), b(nullptr);
  a.SetCaption("AB:CD");
  a.SetColorText(fw::clAqua);
  a.SetNumDigits(5);
  b.Assign(&a);
  EXPECT_EQ(b.Caption(), "AB:CD");
  EXPECT_EQ(b.NumDigits(), 5);
  EXPECT_NE(&a.ImageCache(), &b.ImageCache());
  EXPECT_EQ(b.CellWidth(), a.CellWidth());
  for (const auto& [w, h] : {std::pair{1, 1}, {2, 300}, {300, 2}, {2000, 2000}}) {
    ShownSevenSeg s(w, h);
    s.seg->SetNumDigits(32);
    s.seg->SetCaption("0123456789ABCDEF-+:°.,abcdefXYZ8888");
    s.host.Pixel(0, 0);
  }
}

}  // namespace
}  // namespace zeb
