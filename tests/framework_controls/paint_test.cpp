// Painting: scheduled paints coalesce, Repaint paints at once, graphic controls are clipped to
// their rectangle, hidden controls do not paint, z-order of children, direct drawing marked
// for presentation, PaintTo, windows created once shown, and alignment and anchors; controls
// and forms of extreme sizes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

#include "framework/controls/screen.h"
#include "framework/image/codecs.h"
#include "tests/framework_controls/probes.h"

namespace fw {
namespace {

using test::AddGraphic;
using test::AddWin;
using test::Journal;
using test::TProbeGraphic;
using test::TProbeWin;

constexpr TColor kFormColor = 0x00C0C0C0;

class Painting : public ::testing::Test {
 protected:
  void SetUp() override {
    host.Form()->SetColor(kFormColor);
    host.Show();
  }
  TestHost host{120, 80};
};

TEST_F(Painting, InvalidatesCoalesceIntoOnePaintPerformedByTheLoop) {
  TProbeGraphic* g = AddGraphic(host.Form(), "G", Bounds(10, 10, 20, 20));
  host.ProcessMessages();
  g->paints = 0;
  g->Invalidate();
  g->Invalidate();
  g->SetCaption("changed");  // repaints through Invalidate too
  EXPECT_EQ(g->paints, 0);
  host.ProcessMessages();
  EXPECT_EQ(g->paints, 1);
  host.ProcessMessages();
  EXPECT_EQ(g->paints, 1);
}

TEST_F(Painting, RepaintAndUpdatePaintAtOnce) {
  TProbeGraphic* g = AddGraphic(host.Form(), "G", Bounds(10, 10, 20, 20));
  g->paints = 0;
  g->Repaint();
  EXPECT_EQ(g->paints, 1);
  g->Invalidate();
  g->Update();
  EXPECT_EQ(g->paints, 2);
  EXPECT_EQ(host.Form()->Surface()->Canvas()->Pixels(15, 15), clRed);
}

TEST_F(Painting, AGraphicControlIsClippedToItsRectangle) {
  TProbeGraphic* g = AddGraphic(host.Form(), "G", Bounds(10, 10, 20, 20));
  g->extra = Rect(-10, -10, 60, 60);  // reaches far outside its bounds
  g->fill = clBlue;
  auto shot = host.Snapshot();
  EXPECT_EQ(shot->Canvas()->Pixels(10, 10), clBlue);
  EXPECT_EQ(shot->Canvas()->Pixels(29, 29), clBlue);
  for (TPoint p : {Point(9, 15), Point(30, 15), Point(15, 9), Point(15, 30), Point(50, 50)})
    EXPECT_EQ(shot->Canvas()->Pixels(p.X, p.Y), kFormColor) << p.X << "," << p.Y;
  // Drawing outside a paint cycle is clipped the same way.
  g->Canvas()->Brush()->SetColor(clLime);
  g->Canvas()->FillRect(Rect(-5, -5, 40, 40));
  EXPECT_EQ(host.Pixel(12, 12), clLime);
  EXPECT_EQ(host.Pixel(35, 35), kFormColor);
}

TEST_F(Painting, AChildIsClippedToItsParentsClientArea) {
  TProbeWin* panel = AddWin(host.Form(), "Panel", Bounds(10, 10, 30, 30));
  panel->fill = clBlue;
  TProbeGraphic* g = AddGraphic(panel, "G", Bounds(20, 20, 40, 40));  // hangs out of the panel
  EXPECT_EQ(host.Pixel(39, 39), clRed);
  EXPECT_EQ(host.Pixel(41, 41), kFormColor);
  EXPECT_EQ(g->Canvas()->ClipRect(), Rect(0, 0, 10, 10));
  // Entirely outside its parent: nothing of it reaches the surface, painted or drawn.
  TProbeGraphic* away = AddGraphic(panel, "Away", Bounds(35, 0, 10, 10));
  away->fill = clLime;
  away->extra = Rect(-100, -100, 100, 100);
  away->Repaint();
  away->Canvas()->Brush()->SetColor(clLime);
  away->Canvas()->FillRect(Rect(-100, -100, 100, 100));
  auto shot = host.Snapshot();
  for (int y = 0; y < shot->Height(); y += 3)
    for (int x = 0; x < shot->Width(); x += 3)
      ASSERT_NE(shot->Canvas()->Pixels(x, y), clLime) << x << "," << y;
}

TEST_F(Painting, HiddenControlsDoNotPaintAndHidingRepaintsWhatWasUnder) {
  TProbeGraphic* g = AddGraphic(host.Form(), "G", Bounds(10, 10, 20, 20));
  EXPECT_EQ(host.Pixel(15, 15), clRed);
  g->Hide();
  g->paints = 0;
  EXPECT_EQ(host.Pixel(15, 15), kFormColor);
  g->Repaint();
  EXPECT_EQ(g->paints, 0);
  EXPECT_EQ(g->Canvas()->Target(), nullptr);
  host.Form()->Invalidate();
  host.ProcessMessages();
  EXPECT_EQ(g->paints, 0);
}

TEST_F(Painting, ParentPaintsFirstThenGraphicThenWindowedChildren) {
  TProbeWin* win = AddWin(host.Form(), "Win", Bounds(0, 0, 40, 40));
  win->fill = clBlue;
  TProbeGraphic* later = AddGraphic(host.Form(), "Later", Bounds(20, 20, 40, 40));
  later->fill = clLime;
  TProbeGraphic* top = AddGraphic(host.Form(), "Top", Bounds(50, 50, 20, 20));
  top->fill = clYellow;
  EXPECT_EQ(host.Pixel(30, 30), clBlue);    // the windowed control lies above
  EXPECT_EQ(host.Pixel(45, 45), clLime);    // outside both others
  EXPECT_EQ(host.Pixel(55, 55), clYellow);  // later graphic sibling above earlier one
  later->BringToFront();
  EXPECT_EQ(host.Pixel(55, 55), clLime);
  EXPECT_EQ(host.Pixel(30, 30), clBlue);
}

TEST_F(Painting, MovingAControlRepaintsBothPlaces) {
  TProbeGraphic* g = AddGraphic(host.Form(), "G", Bounds(0, 0, 10, 10));
  EXPECT_EQ(host.Pixel(5, 5), clRed);
  g->SetLeft(50);
  EXPECT_EQ(host.Pixel(5, 5), kFormColor);
  EXPECT_EQ(host.Pixel(55, 5), clRed);
}

TEST_F(Painting, DrawingOutsideAPaintCycleIsMarkedForPresentation) {
  TProbeGraphic* g = AddGraphic(host.Form(), "G", Bounds(10, 10, 20, 20));
  host.ProcessMessages();
  host.Presented().clear();
  g->Canvas()->Pixels(0, 0);  // reading draws nothing
  g->Canvas()->SetPixels(3, 4, clBlack);
  EXPECT_TRUE(host.Presented().empty());  // presented by the loop
  host.ProcessMessages();
  ASSERT_EQ(host.Presented().size(), 1u);
  EXPECT_EQ(host.Presented()[0].area, Rect(13, 14, 14, 15));
  EXPECT_EQ(host.Pixel(13, 14), clBlack);
}

TEST_F(Painting, PaintToRendersAControlTreeAnywhereShownOrNot) {
  TProbeWin panel(nullptr, "Panel");
  panel.SetBounds(0, 0, 30, 20);
  panel.fill = clBlue;
  auto* child = new TProbeGraphic(&panel, "Child");
  child->SetBounds(5, 5, 5, 5);
  child->SetParent(&panel);
  child->fill = clLime;
  TBitmap target(50, 40);
  panel.PaintTo(target.Canvas(), 10, 10);
  EXPECT_EQ(target.Canvas()->Pixels(10, 10), clBlue);
  EXPECT_EQ(target.Canvas()->Pixels(16, 16), clLime);
  EXPECT_EQ(target.Canvas()->Pixels(40, 10), clWhite);
  EXPECT_EQ(target.Canvas()->Pixels(9, 9), clWhite);
  EXPECT_EQ(panel.paints, 1);
}

TEST_F(Painting, APaintThatThrowsIsReportedAndOthersStillPaint) {
  struct TFaulty : TProbeGraphic {
    using TProbeGraphic::TProbeGraphic;
    void Paint() override { throw Exception("broken paint"); }
  };
  auto* faulty = new TFaulty(host.Form(), "Faulty");
  faulty->SetBounds(0, 0, 10, 10);
  faulty->SetParent(host.Form());
  TProbeGraphic* good = AddGraphic(host.Form(), "Good", Bounds(20, 0, 10, 10));
  std::vector<std::string> reports;
  Application->OnException = [&](TObject*, const std::exception& e) {
    reports.push_back(e.what());
  };
  host.ProcessMessages();
  Application->OnException = nullptr;
  EXPECT_EQ(reports, (std::vector<std::string>{"broken paint"}));
  EXPECT_EQ(host.Pixel(25, 5), clRed);
  EXPECT_GE(good->paints, 1);
}

TEST_F(Painting, WindowsAreCreatedOnceWhenTheFormIsFirstShown) {
  TestHost fresh(100, 100);
  TProbeWin* early = AddWin(fresh.Form(), "Early", Bounds(0, 0, 10, 10));
  TProbeWin* nested = AddWin(early, "Nested", Bounds(0, 0, 5, 5));
  EXPECT_EQ(early->windowsCreated, 0);
  fresh.Show();
  EXPECT_EQ(early->windowsCreated, 1);
  EXPECT_EQ(nested->windowsCreated, 1);
  EXPECT_TRUE(nested->HandleAllocated());
  fresh.Form()->Hide();
  fresh.Show();
  EXPECT_EQ(early->windowsCreated, 1);
  TProbeWin* late = AddWin(fresh.Form(), "Late", Bounds(0, 0, 10, 10));
  EXPECT_EQ(late->windowsCreated, 1);
  late->SetParent(nullptr);
  EXPECT_FALSE(late->HandleAllocated());
  delete late;
}

TEST_F(Painting, AlignedChildrenShareTheClientAreaInAlignOrder) {
  TProbeWin* panel = AddWin(host.Form(), "Panel", Bounds(0, 0, 100, 60));
  auto* client = AddWin(panel, "Client", Bounds(0, 0, 5, 5));
  auto* top = AddWin(panel, "Top", Bounds(0, 0, 5, 10));
  auto* bottom = AddWin(panel, "Bottom", Bounds(0, 0, 5, 8));
  auto* left = AddWin(panel, "Left", Bounds(0, 0, 12, 5));
  auto* right = AddWin(panel, "Right", Bounds(0, 0, 7, 5));
  client->SetAlign(alClient);
  top->SetAlign(alTop);
  bottom->SetAlign(alBottom);
  left->SetAlign(alLeft);
  right->SetAlign(alRight);
  struct Case {
    TControl* c;
    TRect expected;
  } cases[] = {{top, Rect(0, 0, 100, 10)},
               {bottom, Rect(0, 52, 100, 60)},
               {left, Rect(0, 10, 12, 52)},
               {right, Rect(93, 10, 100, 52)},
               {client, Rect(12, 10, 93, 52)}};
  for (const auto& c : cases) EXPECT_EQ(c.c->BoundsRect(), c.expected) << c.c->Name();
  panel->SetBounds(0, 0, 80, 50);
  EXPECT_EQ(client->BoundsRect(), Rect(12, 10, 73, 42));
  top->Hide();
  EXPECT_EQ(client->BoundsRect(), Rect(12, 0, 73, 42));
}

TEST_F(Painting, AnchorsKeepDistancesToTheSidesTheyAreAnchoredTo) {
  TProbeWin* panel = AddWin(host.Form(), "Panel", Bounds(0, 0, 100, 100));
  auto* right = AddWin(panel, "Right", Bounds(70, 10, 20, 20));
  right->SetAnchors({akTop, akRight});
  auto* stretch = AddWin(panel, "Stretch", Bounds(10, 40, 80, 20));
  stretch->SetAnchors({akLeft, akTop, akRight, akBottom});
  auto* fixed = AddWin(panel, "Fixed", Bounds(10, 70, 10, 10));
  panel->SetBounds(0, 0, 150, 120);
  EXPECT_EQ(right->BoundsRect(), Rect(120, 10, 140, 30));
  EXPECT_EQ(stretch->BoundsRect(), Rect(10, 40, 140, 80));
  EXPECT_EQ(fixed->BoundsRect(), Rect(10, 70, 20, 80));
  panel->SetBounds(0, 0, 100, 100);  // back: no drift
  EXPECT_EQ(right->BoundsRect(), Rect(70, 10, 90, 30));
  EXPECT_EQ(stretch->BoundsRect(), Rect(10, 40, 90, 60));
}

TEST_F(Painting, ResizingSendsResizeOnceAndTheFormSurfaceFollows) {
  TProbeGraphic* g = AddGraphic(host.Form(), "G", Bounds(0, 0, 10, 10));
  int resizes = 0;
  g->OnResize = [&](TObject*) { ++resizes; };
  g->SetLeft(5);
  g->SetBounds(5, 0, 20, 10);
  g->SetBounds(5, 0, 20, 10);
  EXPECT_EQ(resizes, 1);
  host.Form()->SetBounds(0, 0, 150, 90);
  auto shot = host.Snapshot();
  EXPECT_EQ(shot->Width(), 150);
  EXPECT_EQ(shot->Height(), 90);
  EXPECT_EQ(shot->Canvas()->Pixels(149, 89), kFormColor);
}

}  // namespace
}  // namespace fw

namespace fw {
namespace {

TEST(SizeConstraints, BoundsStayWithinTheLimitsAndFollowTheirChanges) {
  TestHost host;
  auto* c = test::AddWin(host.Form(), "C", Bounds(0, 0, 50, 50));
  c->Constraints()->SetMinWidth(20);
  c->Constraints()->SetMaxWidth(100);
  c->Constraints()->SetMaxHeight(40);  // applies at once
  EXPECT_EQ(c->Height(), 40);
  struct Case {
    int w, h, expectedW, expectedH;
  } cases[] = {{10, 10, 20, 10}, {150, 60, 100, 40}, {60, 30, 60, 30}, {-5, -5, 20, 0}};
  for (const auto& k : cases) {
    c->SetBounds(0, 0, k.w, k.h);
    EXPECT_EQ(c->Width(), k.expectedW) << k.w;
    EXPECT_EQ(c->Height(), k.expectedH) << k.h;
  }
  c->Constraints()->SetMaxWidth(10);  // below the minimum: raised to it
  EXPECT_EQ(c->Constraints()->MaxWidth(), 20);
  TSizeConstraints copy;
  copy.Assign(c->Constraints());
  EXPECT_EQ(copy.MinWidth(), 20);
  EXPECT_EQ(copy.MaxHeight(), 40);
}

}  // namespace
}  // namespace fw

namespace fw {
namespace {

TEST(ExtremeBounds, BoundsAreKeptWithinTheControlExtentAndSuchControlsPaint) {
  using test::TProbeWin;
  const int big = std::numeric_limits<int>::max();
  for (const TRect& asked : {Rect(big, big, big, big), Rect(-big, -big, big, 5)}) {
    TProbeWin panel(nullptr, "Panel");
    panel.SetBounds(asked.Left, asked.Top, asked.Right, asked.Bottom);
    EXPECT_LE(std::abs(panel.Left()), kMaxControlExtent);
    EXPECT_LE(std::abs(panel.Top()), kMaxControlExtent);
    EXPECT_EQ(panel.Width(), kMaxControlExtent);
    const TRect r = panel.BoundsRect();
    EXPECT_EQ(r.Width(), panel.Width());
    panel.fill = clBlue;
    TBitmap target(20, 20);
    panel.PaintTo(target.Canvas(), 0, 0);
    EXPECT_EQ(target.Canvas()->Pixels(2, 2), clBlue);
  }
}

TEST(ExtremeBounds, AFormLargerThanABitmapShowsAndPaintsItsTopLeftPart) {
  TestHost host(40000, 30);
  host.Form()->SetColor(clYellow);
  host.Show();
  ASSERT_NE(host.Form()->Surface(), nullptr);
  EXPECT_EQ(host.Form()->Width(), 40000);
  EXPECT_EQ(host.Form()->Surface()->Width(), kMaxImageSide);
  EXPECT_EQ(host.Pixel(kMaxImageSide - 1, 29), clYellow);
  host.Form()->SetBounds(0, 0, 50, 70000);
  EXPECT_EQ(host.Form()->Surface()->Width(), 50);
  EXPECT_EQ(host.Form()->Surface()->Height(), kMaxImageSide);
  EXPECT_EQ(host.Pixel(49, kMaxImageSide - 1), clYellow);
}

}  // namespace
}  // namespace fw
