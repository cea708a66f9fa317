// The gallery in real windows: a page's window shows the pixels of its headless rendering, a
// real click reaches a control and leaves the pixels a headless click leaves, Page Down
// switches windows.
#include <gtest/gtest.h>

#include "apps/gallery/gallery.h"
#include "apps/gallery/viewer.h"
#include "framework/backend/headless/test_host.h"
#include "framework/grids/grids.h"
#include "tests/window/x11_driver.h"

namespace fw::testing {
namespace {

using GalleryWindow = WindowTest;

TDrawGrid* FirstGrid(TForm* form) {
  for (int i = 0; i < form->ControlCount(); ++i)
    if (auto* grid = dynamic_cast<TDrawGrid*>(form->Controls(i))) return grid;
  return nullptr;
}

TEST_F(GalleryWindow, EachKindOfPageShowsItsHeadlessPixels) {
  const auto pages = gallery::AllPages();
  for (const char* name : {"grids", "meter_layouts", "canvas_shapes"}) {
    const int index = gallery::FindPage(pages, name);
    ASSERT_GE(index, 0) << name;
    const auto expected = gallery::RenderPage(pages[index]);
    gallery::Viewer viewer(pages);
    viewer.ShowPage(index);
    TForm* form = viewer.CurrentForm();
    ASSERT_NE(backend_->WindowOf(form), nullptr) << name;
    EXPECT_EQ(PumpUntilWindowShows(form), 0) << name;
    auto shot = x_->Screenshot(backend_->WindowOf(form));
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(CountDifferentPixels(*shot, *expected), 0) << name;
  }
}

TEST_F(GalleryWindow, ARealClickReachesAGridAndPaintsAsAHeadlessClick) {
  const auto pages = gallery::AllPages();
  const int index = gallery::FindPage(pages, "grids");
  ASSERT_GE(index, 0);
  TPoint target;
  std::unique_ptr<TBitmap> expected;
  {
    TestHost host(pages[index].width, pages[index].height);
    gallery::BuildPageForm(pages[index], *host.Form());
    host.Show();
    TDrawGrid* grid = FirstGrid(host.Form());
    ASSERT_NE(grid, nullptr);
    const TRect cell = grid->CellRect(3, 5);
    target = Point(grid->Left() + (cell.Left + cell.Right) / 2,
                   grid->Top() + (cell.Top + cell.Bottom) / 2);
    host.Click(target.X, target.Y);
    ASSERT_EQ(grid->Col(), 3);
    ASSERT_EQ(grid->Row(), 5);
    expected = host.Snapshot();
  }
  gallery::Viewer viewer(pages);
  viewer.ShowPage(index);
  TForm* form = viewer.CurrentForm();
  EXPECT_EQ(PumpUntilWindowShows(form), 0);
  TDrawGrid* grid = FirstGrid(form);
  x_->MoveTo(backend_->WindowOf(form), target.X, target.Y);
  x_->Button(1, true);
  x_->Button(1, false);
  EXPECT_TRUE(PumpUntil([&] { return grid->Col() == 3 && grid->Row() == 5; }));
  EXPECT_EQ(PumpUntilWindowShows(form), 0);
  auto shot = x_->Screenshot(backend_->WindowOf(form));
  ASSERT_NE(shot, nullptr);
  EXPECT_EQ(CountDifferentPixels(*shot, *expected), 0);
}

TEST_F(GalleryWindow, PageDownAndPageUpSwitchWindows) {
  gallery::Viewer viewer(gallery::AllPages());
  ASSERT_GE(viewer.PageCount(), 2);
  viewer.ShowPage(0);
  TForm* first = viewer.CurrentForm();
  EXPECT_EQ(PumpUntilWindowShows(first), 0);
  x_->MoveTo(backend_->WindowOf(first), 5, 5);
  x_->Focus(backend_->WindowOf(first));
  x_->Key("Next", true);
  x_->Key("Next", false);
  EXPECT_TRUE(PumpUntil([&] { return viewer.PageIndex() == 1; }));
  EXPECT_EQ(backend_->WindowOf(first), nullptr);
  TForm* second = viewer.CurrentForm();
  ASSERT_NE(backend_->WindowOf(second), nullptr);
  EXPECT_EQ(PumpUntilWindowShows(second), 0);
  x_->MoveTo(backend_->WindowOf(second), 5, 5);
  x_->Focus(backend_->WindowOf(second));
  x_->Key("Prior", true);
  x_->Key("Prior", false);
  EXPECT_TRUE(PumpUntil([&] { return viewer.PageIndex() == 0; }));
}

}  // namespace
}  // namespace fw::testing
