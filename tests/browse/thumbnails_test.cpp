// TThumbnails: geometry and the top index, the slide at a point, which slides are requested and
// in what order, picture ownership in the image request, what a slide looks like at the pixel,
// the range limits and the selection set, copying, form text and any size.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "tests/browse/thumbnails_fixture.h"

namespace zeb {
namespace {

using test::ShownStrip;

const fw::TColor kCover = fw::RGB(192, 192, 192);

std::shared_ptr<fw::TBitmap> Picture(int w, int h, fw::TColor color) {
  auto picture = std::make_shared<fw::TBitmap>(w, h);
  picture->Canvas()->Brush()->SetColor(color);
  picture->Canvas()->FillRect(fw::Rect(0, 0, w, h));
  return picture;
}

TEST(ThumbnailGeometry, PitchColumnsRowsAndTopIndex) {
  EXPECT_EQ(SlidePitch(120, 2, 7), 136);
  struct Columns {
    int width, columns;
  };
  for (const Columns& c : std::vector<Columns>{{260, 1}, {300, 2}, {0, 1}, {-50, 1}, {426, 3}})
    EXPECT_EQ(ThumbColumns(c.width, 2, 136), c.columns) << c.width;
  struct Top {
    double x;
    int columns;
    double top, row;
  };
  const std::vector<Top> tops{
      {4, 2, 3.5, 1.5}, {3, 2, 3, 1},    {1, 2, 1, 0},       {5, 3, 4 + 1.0 / 3, 1 + 1.0 / 3},
      {7, 1, 7, 6},     {-1, 2, -1, -1}, {0, 2, -0.5, -0.5}, {1e7, 4, 9999997.75, 2499999.75},
  };
  for (const Top& t : tops) {
    EXPECT_DOUBLE_EQ(ThumbTopIndexFor(t.x, t.columns), t.top) << t.x << " in " << t.columns;
    EXPECT_DOUBLE_EQ(ThumbTopRow(t.top, t.columns), t.row) << t.x << " in " << t.columns;
  }
  EXPECT_DOUBLE_EQ(ThumbTopIndexFor(1e300, 1), 1e15);
  EXPECT_TRUE(std::isnan(ThumbTopRow(std::nan(""), 3)));
  EXPECT_EQ(ThumbRowOf(-1, 2), -1);
  EXPECT_EQ(ThumbRowOf(2, 2), 0);
}

TEST(Thumbnails, ColumnsFollowTheWidthAndTheTopIndexItsRowStart) {
  ShownStrip narrow(260, 400);
  EXPECT_EQ(narrow.strip->Columns(), 1);
  ShownStrip s(300, 400);
  EXPECT_EQ(s.strip->Columns(), 2);
  EXPECT_EQ(s.strip->Rows(), 3);
  s.strip->SetFirstThumbIx(4);
  EXPECT_DOUBLE_EQ(s.strip->FirstThumbIx(), 3.5);
  s.strip->SetFirstThumbIx(1000);  // clamped to Max
  EXPECT_DOUBLE_EQ(s.strip->FirstThumbIx(), 99.5);
  s.strip->SetFirstThumbIx(std::nan(""));
  EXPECT_DOUBLE_EQ(s.strip->FirstThumbIx(), 99.5);
  s.strip->SetFirstThumbIx(-HUGE_VAL);
  EXPECT_DOUBLE_EQ(s.strip->FirstThumbIx(), 1);
  // Widening to three columns keeps the top slide's row in view.
  s.strip->SetFirstThumbIx(7);
  s.strip->SetWidth(430);
  s.host.ProcessMessages();
  EXPECT_EQ(s.strip->Columns(), 3);
  EXPECT_DOUBLE_EQ(s.strip->FirstThumbIx(), 7);
}

TEST(Thumbnails, TheSlideAtAPointAndTheSlidesPlace) {
  ShownStrip s(300, 400);
  struct Case {
    int x, y, id;
  };
  const std::vector<Case> cases{
      {10, 12, 1},  {144, 50, 1}, {145, 50, 0}, {146, 50, 2},  {5, 50, 0},
      {50, 395, 0}, {50, 147, 0}, {50, 148, 3}, {213, 215, 4}, {295, 215, 0},
      {50, 11, 0},  {289, 50, 0}, {50, 5, 0},   {-3, -3, 0},   {50, 290, 5},
  };
  for (const Case& c : cases)
    EXPECT_EQ(s.strip->CalcSlideIndex(c.x, c.y), c.id) << c.x << "," << c.y;
  int x = 0, y = 0;
  s.strip->CalcSlidePos(3, x, y);
  EXPECT_EQ(fw::Point(x, y), fw::Point(10, 148));
  // Scrolled half a row: row 2 (IDs 3, 4) starts 68 pixels higher.
  s.strip->SetFirstThumbIx(4);
  s.strip->CalcSlidePos(4, x, y);
  EXPECT_EQ(fw::Point(x, y), fw::Point(146, -56));
  EXPECT_EQ(s.strip->CalcSlideIndex(150, 20), 4);
  EXPECT_EQ(s.strip->CalcSlideIndex(150, 100), 6);
  // Far-away IDs stay within int.
  s.strip->CalcSlidePos(2'000'000'000, x, y);
  EXPECT_GT(y, 0);
}

TEST(ThumbnailRequests, OnlyVisibleSlidesOncePerPaintColumnByColumn) {
  ShownStrip s(300, 400);
  std::vector<std::string> order;
  s.strip->OnFirstImageRequest = [&](fw::TObject*) { order.push_back("first"); };
  s.strip->OnLastImageRequest = [&](fw::TObject*) { order.push_back("last"); };
  s.strip->SetMax(5);
  order.clear();
  EXPECT_EQ(s.RequestsOfAPaint(), (std::vector<int>{1, 3, 5, 2, 4}));
  EXPECT_EQ(order, (std::vector<std::string>{"first", "last"}));
  // A million slides, scrolled deep: still only the slides in view.
  s.strip->SetMax(1'000'000);
  s.strip->SetFirstThumbIx(500'001);
  EXPECT_EQ(s.RequestsOfAPaint(),
            (std::vector<int>{500'001, 500'003, 500'005, 500'002, 500'004, 500'006}));
  s.strip->SetFirstThumbIx(1'000'000);
  EXPECT_EQ(s.RequestsOfAPaint(), (std::vector<int>{999'999, 1'000'000}));
  // 280 high: the third row would start at 284, below the strip.
  s.strip->SetFirstThumbIx(1);
  s.strip->SetHeight(280);
  EXPECT_EQ(s.RequestsOfAPaint(), (std::vector<int>{1, 3, 2, 4}));
  // 284 high: it would start in the bottom border band; 295 high: it shows one row.
  s.strip->SetHeight(284);
  EXPECT_EQ(s.RequestsOfAPaint(), (std::vector<int>{1, 3, 2, 4}));
  s.strip->SetHeight(295);
  EXPECT_EQ(s.RequestsOfAPaint(), (std::vector<int>{1, 3, 5, 2, 4, 6}));
  // Nothing but the requests of the next paint, once each.
  s.requested.clear();
  s.host.ProcessMessages();
  EXPECT_TRUE(s.requested.empty());
}

TEST(ThumbnailRequests, PictureOwnershipIsSharedNeverDoubleFreedNorLeaked) {
  ShownStrip s(300, 400);
  s.strip->SetMax(6);
  auto cached = Picture(40, 30, fw::clRed);
  std::vector<std::weak_ptr<fw::TBitmap>> handedOver;
  std::vector<fw::TBitmap*> received;
  s.strip->OnImageRequest = [&](fw::TObject*, int id, TImageRequestProcessing& how, int&,
                                std::shared_ptr<fw::TBitmap>& buffer) {
    received.push_back(buffer.get());
    how = irpShowSlide;
    if (id == 1) {
      buffer = cached;  // a bitmap the application keeps
    } else if (id == 3) {
      buffer = Picture(30, 40, fw::clLime);  // a bitmap given away
      handedOver.push_back(buffer);
    } else if (id == 5) {
      buffer = nullptr;
    } else {
      buffer->Assign(Picture(16, 16, fw::clBlue).get());  // drawn into the strip's buffer
    }
  };
  s.RequestsOfAPaint();
  ASSERT_EQ(received.size(), 6u);
  // Every request got the strip's own buffer, never the application's bitmap.
  for (fw::TBitmap* b : received) EXPECT_EQ(b, received[0]);
  EXPECT_NE(received[0], cached.get());
  // The application's bitmap was not drawn into, and the strip holds no share of it.
  EXPECT_EQ(cached.use_count(), 1);
  EXPECT_EQ(cached->Width(), 40);
  EXPECT_EQ(cached->ScanLine(0)[0] & 0xFFFFFF, fw::ColorToPixel(fw::clRed));
  // The bitmap given away is gone once the paint is over.
  ASSERT_EQ(handedOver.size(), 1u);
  EXPECT_TRUE(handedOver[0].expired());
  // Each picture shows in its own slide.
  EXPECT_EQ(s.host.Pixel(s.Middle(1).X, s.Middle(1).Y), fw::clRed);
  EXPECT_EQ(s.host.Pixel(s.Middle(3).X, s.Middle(3).Y), fw::clLime);
  EXPECT_EQ(s.host.Pixel(s.Middle(2).X, s.Middle(2).Y), fw::clBlue);
  EXPECT_EQ(s.host.Pixel(s.Middle(5).X, s.Middle(5).Y), kCover);
}

// Slide 1 of a 300 x 400 strip has its cover at (10, 12)-(144, 146).
TEST(ThumbnailLook, EachWayOfShowingASlideAtThePixel) {
  struct Case {
    TImageRequestProcessing how;
    int w, h;          // picture size
    fw::TPoint probe;  // a pixel to check
    fw::TColor color;
  };
  const fw::TColor face = fw::ColorToRGB(fw::clBtnFace);
  const std::vector<Case> cases{
      // Landscape 64 x 32: 120 x 60 at (17, 49); above it the cover.
      {irpShowSlide, 64, 32, {77, 80}, fw::clRed},
      {irpShowSlide, 64, 32, {77, 45}, kCover},
      {irpShowSlide, 64, 32, {20, 80}, fw::clRed},
      // Portrait 30 x 60: 60 x 120 at (47, 19); beside it the cover.
      {irpShowSlide, 30, 60, {77, 130}, fw::clRed},
      {irpShowSlide, 30, 60, {40, 80}, kCover},
      // The white label with the ID from (17, 39) to (137, 119).
      {irpShowEmpty, 8, 8, {22, 45}, fw::clWhite},
      {irpShowEmpty, 8, 8, {22, 30}, kCover},
      {irpShowFrameOnly, 8, 8, {77, 80}, kCover},
      {irpShowNothing, 8, 8, {77, 80}, face},
  };
  for (const Case& c : cases) {
    ShownStrip s(300, 400);
    auto picture = Picture(c.w, c.h, fw::clRed);
    s.strip->OnImageRequest = [&](fw::TObject*, int, TImageRequestProcessing& how, int&,
                                  std::shared_ptr<fw::TBitmap>& buffer) {
      how = c.how;
      buffer = picture;
    };
    s.strip->Repaint();
    EXPECT_EQ(s.host.Pixel(c.probe.X, c.probe.Y), c.color)
        << int(c.how) << " " << c.w << "x" << c.h << " at " << c.probe.X << "," << c.probe.Y;
  }
}

TEST(ThumbnailLook, SelectionMarkBandsAndFocusFrame) {
  ShownStrip s(300, 400);
  s.strip->SetColorMark(fw::clRed);
  s.strip->OnImageRequest = [](fw::TObject*, int id, TImageRequestProcessing& how, int& mark,
                               std::shared_ptr<fw::TBitmap>&) {
    how = irpShowFrameOnly;
    if (id == 2) mark = 256 + 19;  // the low byte: a solid square
  };
  // Owner drawing after each slide, at the cover's corner.
  std::vector<std::pair<int, fw::TPoint>> rendered;
  s.strip->OnSlideRendered = [&](fw::TObject*, fw::TCanvas* canvas, int x, int y, int id) {
    rendered.push_back({id, fw::Point(x, y)});
    if (id == 4) canvas->SetPixels(x + 30, y + 30, fw::clFuchsia);
    canvas->Pen()->SetWidth(5);  // no later slide's mark is drawn with this pen
  };
  s.strip->SetSelectedSlide(1, true);
  ASSERT_EQ(rendered.size(), 6u);  // in request order: 1, 3, 5, 2, 4, 6
  EXPECT_EQ(rendered[0], (std::pair{1, fw::Point(10, 12)}));
  EXPECT_EQ(rendered[4], (std::pair{4, fw::Point(146, 148)}));
  EXPECT_EQ(s.host.Pixel(176, 178), fw::clFuchsia);
  EXPECT_EQ(s.host.Pixel(146 + 10, 12 + 12), fw::clRed);
  EXPECT_EQ(s.host.Pixel(146 + 17, 12 + 12), kCover);
  s.strip->OnSlideRendered = nullptr;
  EXPECT_EQ(s.host.Pixel(77, 80), fw::RGB(0, 0, 128));
  EXPECT_EQ(s.host.Pixel(213, 80), kCover);
  EXPECT_EQ(s.host.Pixel(146 + 10, 12 + 12), fw::clRed);
  EXPECT_EQ(s.host.Pixel(146 + 17, 12 + 12), kCover);
  // Scrolled half a row: the slides reaching into the top border are hidden there.
  s.strip->SetFirstThumbIx(4);
  EXPECT_EQ(s.host.Pixel(77, 5), fw::ColorToRGB(fw::clBtnFace));
  EXPECT_EQ(s.host.Pixel(77, 12), kCover);
  // The focus frame follows the mouse and survives a repaint; the gap ends it.
  s.strip->SetFirstThumbIx(1);
  int changes = 0;
  s.strip->OnFocusChange = [&](fw::TObject*) { ++changes; };
  s.host.MouseMove(213, 80);
  EXPECT_EQ(s.strip->FocusedSlide(), 2);
  EXPECT_EQ(s.host.Pixel(148, 40), fw::RGB(0, 0, 255));
  s.strip->Repaint();
  EXPECT_EQ(s.host.Pixel(148, 40), fw::RGB(0, 0, 255));
  s.host.MouseMove(145, 80);
  EXPECT_EQ(s.strip->FocusedSlide(), 0);
  EXPECT_EQ(s.host.Pixel(148, 40), kCover);
  EXPECT_EQ(changes, 2);
  // FocusLinewidth 0 tracks nothing.
  s.strip->SetFocusLinewidth(0);
  s.host.MouseMove(213, 80);
  EXPECT_EQ(s.strip->FocusedSlide(), 0);
  EXPECT_EQ(changes, 2);
}

TEST(ThumbnailRange, HugeAndInvertedRangesAreSafe) {
  ShownStrip s(300, 400);
  s.strip->SetSelectedSlide(50, true);
  // More than ten million slides are refused and change nothing.
  try {
    s.strip->SetMax(20'000'000);
    ADD_FAILURE() << "no error";
  } catch (const EZEBThumbnailsError& e) {
    EXPECT_NE(std::string(e.what()).find("Component \"Strip\": 20000000 slides"), std::string::npos)
        << e.what();
  }
  EXPECT_THROW(s.strip->SetMin(-9'999'999), EZEBThumbnailsError);
  EXPECT_THROW(s.strip->SetRange(-2'000'000'000, 2'000'000'000), EZEBThumbnailsError);
  EXPECT_EQ(s.strip->Min(), 1);
  EXPECT_EQ(s.strip->Max(), 100);
  EXPECT_TRUE(s.strip->GetSelectedSlide(50));
  // Exactly ten million is fine; the selection stays on its IDs when Min moves.
  s.strip->SetRange(-9'999'998, 1);
  EXPECT_EQ(s.strip->SlideCount(), kMaxThumbSlides);
  s.strip->SetRange(-10, 100);
  EXPECT_FALSE(s.strip->GetSelectedSlide(50));  // it left the range on the way
  s.strip->SetSelectedSlide(50, true);
  s.strip->SetMin(40);
  EXPECT_TRUE(s.strip->GetSelectedSlide(50));
  EXPECT_EQ(s.strip->FirstSelectedSlide(), 50);
  EXPECT_EQ(s.strip->NumSlidesSelected(), 1);
  // Min above Max: an empty strip, no requests, nothing selected.
  s.strip->SetMin(500);
  EXPECT_EQ(s.strip->SlideCount(), 0);
  EXPECT_EQ(s.strip->NumSlidesSelected(), 0);
  EXPECT_TRUE(s.RequestsOfAPaint().empty());
  s.strip->SetMax(-7);
  EXPECT_EQ(s.strip->Max(), 1);
}

TEST(ThumbnailRange, AFormChecksMinAndMaxTogether) {
  fw::TestHost host;
  TThumbnails strip(nullptr);
  // Min read first against the initial Max would be too far apart; the pair is not.
  fw::ReadFormInto(strip, "object S: TThumbnails\n Min = -9999950\n Max = 2\nend\n");
  EXPECT_EQ(strip.Min(), -9'999'950);
  EXPECT_EQ(strip.Max(), 2);
  EXPECT_EQ(strip.SlideCount(), 9'999'953);
  strip.SetSelectedSlide(-9'999'950, true);
  EXPECT_EQ(strip.FirstSelectedSlide(), -9'999'950);
  TThumbnails big(nullptr);
  EXPECT_THROW(fw::ReadFormInto(big, "object B: TThumbnails\n Min = -20000000\nend\n"),
               fw::Exception);
  EXPECT_EQ(big.Min(), 1);
  EXPECT_EQ(big.Max(), 100);
}

TEST(Thumbnails, SettersClampAndAssignCopiesTheSettings) {
  TThumbnails source(nullptr);
  source.SetSlideSize(30);
  EXPECT_EQ(source.SlideSize(), 50);
  source.SetSlideSize(5000);
  EXPECT_EQ(source.SlideSize(), 260);
  source.SetSlideMargin(-3);
  EXPECT_EQ(source.SlideMargin(), 0);
  source.SetSlideDistance(300);
  EXPECT_EQ(source.SlideDistance(), 100);
  source.SetFocusLinewidth(11);
  EXPECT_EQ(source.FocusLinewidth(), 10);
  source.SetRange(5, 500);
  source.SetOuterFrameStyle(fstEngraved);
  source.SetColorCover(fw::clAqua);
  source.SetAntiAlias(true);
  int requests = 0;
  source.OnImageRequest = [&](fw::TObject*, int, TImageRequestProcessing&, int&,
                              std::shared_ptr<fw::TBitmap>&) { ++requests; };
  TThumbnails target(nullptr);
  target.Assign(&source);
  EXPECT_EQ(target.Min(), 5);
  EXPECT_EQ(target.Max(), 500);
  EXPECT_EQ(target.SlideSize(), 260);
  EXPECT_EQ(target.OuterFrameStyle(), fstEngraved);
  EXPECT_EQ(target.ColorCover(), fw::clAqua);
  EXPECT_TRUE(target.AntiAlias());
  EXPECT_EQ(target.FocusLinewidth(), 10);
  EXPECT_TRUE(target.OnImageRequest);
  TThumbnails third(nullptr);
  source.AssignTo(&third);
  EXPECT_EQ(third.Max(), 500);
  EXPECT_THROW(target.Assign(source.Font()), fw::Exception);
}

TEST(Thumbnails, FormTextAndClassRecord) {
  fw::TestHost host;
  for (const std::string& problem : fw::testing::CheckRegisteredClass("TThumbnails"))
    ADD_FAILURE() << problem;
  TThumbnails strip(nullptr);
  fw::ReadFormInto(strip,
                   "object T: TThumbnails\n SlideSelectMode = ssmMultiple\n Min = 10\n"
                   " Max = 5000\n SlideSize = 80\n FrameStyle = fstRaised\n"
                   " ColorSelected = clRed\n ShowScrollBar = True\nend\n");
  EXPECT_EQ(strip.SlideSelectMode(), ssmMultiple);
  EXPECT_EQ(strip.Min(), 10);
  EXPECT_EQ(strip.Max(), 5000);
  EXPECT_EQ(strip.SlideSize(), 80);
  EXPECT_EQ(strip.FrameStyle(), fstRaised);
  EXPECT_EQ(strip.ColorSelected(), fw::clRed);
  EXPECT_TRUE(strip.ShowScrollBar());
  const std::string text = fw::WriteForm(strip);
  EXPECT_NE(text.find("Max = 5000"), std::string::npos) << text;
  EXPECT_EQ(text.find("FocusedSlide"), std::string::npos) << text;
}

TEST(Thumbnails, PaintsAtAnySizeWithoutFailing) {
  for (const auto& [w, h] : {std::pair{1, 1}, {2, 2}, {49, 3}, {3, 300}, {2000, 2000}}) {
    for (bool bar : {false, true}) {
      test::ExceptionLog exceptions;
      ShownStrip s(w, h, bar);
      auto picture = Picture(640, 480, fw::clTeal);
      s.strip->OnImageRequest = [&](fw::TObject*, int id, TImageRequestProcessing& how, int& mark,
                                    std::shared_ptr<fw::TBitmap>& buffer) {
        how = static_cast<TImageRequestProcessing>(id % 4);
        mark = id * 37 - 100;
        if (id % 5 == 0) buffer = picture;
      };
      s.strip->SetAntiAlias(true);
      s.strip->SetSelectedSlide(3, true);
      s.strip->SetFocusLinewidth(10);
      s.strip->SetSlideMargin(100);
      s.host.MouseMove(w / 2, h / 2);
      s.strip->SetFirstThumbIx(37);
      s.strip->SetRange(-5, 1'000'000);
      s.strip->SetFirstThumbIx(999'999);
      s.host.Wheel(w / 2, h / 2, -3 * 120);
      s.host.Click(w - 5, h / 2);
      s.host.ProcessMessages();
      EXPECT_TRUE(exceptions.messages.empty())
          << w << "x" << h << ": " << exceptions.messages.front();
    }
  }
}

}  // namespace
}  // namespace zeb
