// The gallery in real windows: a page's window shows the pixels of its headless rendering, a
// real click or real typing reaches a control and leaves the pixels the same input leaves
// headless, Page Down switches windows; held buttons repeat, on/off buttons group, and the
// timed controls run on the real clock.
#include <gtest/gtest.h>

#include "apps/gallery/gallery.h"
#include "apps/gallery/viewer.h"
#include "displays/ZEB_RasterLab.h"
#include "framework/backend/headless/test_host.h"
#include "framework/grids/grids.h"
#include "framework/grids/inplace_edit.h"
#include "framework/stdctrls/label.h"
#include "indicators/ZEB_ProgBar.h"
#include "indicators/ZEB_onoffbut.h"
#include "indicators/ZEB_repsbut.h"
#include "numio/ZEB_NumIO.h"
#include "replist/ZEB_replist.h"
#include "tests/window/x11_driver.h"

namespace fw::testing {
namespace {

class GalleryWindow : public WindowTest {
 protected:
  // Pumps until the window shows `expected`; answers the last difference. A focused edit's
  // caret blinks, so the window matches a headless picture (caret on) at least once a blink.
  long PumpUntilWindowMatches(TForm* form, const TBitmap& expected, int timeoutMs = 4000) {
    long difference = -1;
    PumpUntil(
        [&] {
          SDL_Window* window = backend_->WindowOf(form);
          auto shot = window ? x_->Screenshot(window) : nullptr;
          difference = shot ? CountDifferentPixels(*shot, expected) : -1;
          return difference == 0;
        },
        timeoutMs);
    return difference;
  }
  // A real press and release of the key with that X name, to the form's window.
  void Type(TForm* form, const std::string& keyName) {
    x_->Focus(backend_->WindowOf(form));
    x_->Key(keyName, true);
    x_->Key(keyName, false);
  }
  // A real left click at (x, y) of the form.
  void Click(TForm* form, TPoint at) {
    x_->MoveTo(backend_->WindowOf(form), at.X, at.Y);
    x_->Button(1, true);
    x_->Button(1, false);
  }
};

// The page as a headless host shows it after `script`.
std::unique_ptr<TBitmap> Headless(const gallery::Page& page,
                                  const std::function<void(TestHost&)>& script) {
  TestHost host(page.width, page.height);
  gallery::BuildPageForm(page, *host.Form());
  host.Show();
  script(host);
  return host.Snapshot();
}

template <typename T>
T* FirstOf(TForm* form) {
  for (int i = 0; i < form->ControlCount(); ++i)
    if (auto* control = dynamic_cast<T*>(form->Controls(i))) return control;
  return nullptr;
}

TDrawGrid* FirstGrid(TForm* form) {
  return FirstOf<TDrawGrid>(form);
}

TEST_F(GalleryWindow, EachKindOfPageShowsItsHeadlessPixels) {
  const auto pages = gallery::AllPages();
  for (const char* name : {"grids", "meter_layouts", "canvas_shapes", "stdctrls_edits", "labels",
                           "replist_view", "numio_formats"}) {
    const int index = gallery::FindPage(pages, name);
    ASSERT_GE(index, 0) << name;
    const auto expected = gallery::RenderPage(pages[index]);
    gallery::Viewer viewer(pages);
    viewer.ShowPage(index);
    TForm* form = viewer.CurrentForm();
    ASSERT_NE(backend_->WindowOf(form), nullptr) << name;
    EXPECT_EQ(PumpUntilWindowMatches(form, *expected), 0) << name;
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

TEST_F(GalleryWindow, RealKeysTypeIntoTheFocusedNumericFieldAsHeadlessTyping) {
  const auto pages = gallery::AllPages();
  const int index = gallery::FindPage(pages, "numio_formats");
  ASSERT_GE(index, 0);
  const auto expected = Headless(pages[index], [](TestHost& host) { host.TypeText("3x"); });
  gallery::Viewer viewer(pages);
  viewer.ShowPage(index);
  TForm* form = viewer.CurrentForm();
  auto* field = dynamic_cast<zeb::TNumIO*>(form->ActiveControl());
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(PumpUntilWindowShows(form), 0);
  Type(form, "3");
  EXPECT_TRUE(PumpUntil([&] { return field->Text() == "1.5e-3"; })) << field->Text();
  // A letter is no part of the number: refused.
  Type(form, "x");
  PumpFor(100);
  EXPECT_EQ(field->Text(), "1.5e-3");
  EXPECT_EQ(PumpUntilWindowMatches(form, *expected), 0);
}

TEST_F(GalleryWindow, ARealClickOnAReportListHeaderSortsItAsAHeadlessClick) {
  const auto pages = gallery::AllPages();
  const int index = gallery::FindPage(pages, "replist_view");
  ASSERT_GE(index, 0);
  TPoint target;
  const auto expected = Headless(pages[index], [&](TestHost& host) {
    auto* view = FirstOf<zeb::TReportListView>(host.Form());
    ASSERT_NE(view, nullptr);
    // The "Age" column's name, in the header row below the common header.
    const TRect cell = view->CellRect(3, 1);
    target = Point(view->Left() + (cell.Left + cell.Right) / 2,
                   view->Top() + (cell.Top + cell.Bottom) / 2);
    host.Click(target.X, target.Y);
    ASSERT_EQ(view->Data()->SortColumn(), 4);
  });
  gallery::Viewer viewer(pages);
  viewer.ShowPage(index);
  TForm* form = viewer.CurrentForm();
  auto* view = FirstOf<zeb::TReportListView>(form);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(PumpUntilWindowShows(form), 0);
  Click(form, target);
  EXPECT_TRUE(PumpUntil([&] { return view->Data()->SortColumn() == 4; }));
  EXPECT_EQ(PumpUntilWindowMatches(form, *expected), 0);
}

TEST_F(GalleryWindow, RealKeysWorkTheOpenPickListAsHeadlessKeys) {
  const auto pages = gallery::AllPages();
  const int index = gallery::FindPage(pages, "stdctrls_edits");
  ASSERT_GE(index, 0);
  const auto expected = Headless(pages[index], [](TestHost& host) {
    host.PressKey(VK_DOWN);
    host.KeyPress(U'\r');
  });
  gallery::Viewer viewer(pages);
  viewer.ShowPage(index);
  TForm* form = viewer.CurrentForm();
  auto* editor = dynamic_cast<TInplaceEditList*>(form->ActiveControl());
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(editor->ListVisible());
  EXPECT_EQ(PumpUntilWindowShows(form), 0);
  // Down moves the choice from blue to yellow, Return takes it.
  Type(form, "Down");
  Type(form, "Return");
  EXPECT_TRUE(PumpUntil([&] { return !editor->ListVisible(); }));
  EXPECT_EQ(editor->Text(), "yellow");
  EXPECT_EQ(PumpUntilWindowMatches(form, *expected), 0);
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

template <typename T>
std::vector<T*> AllOf(TForm* form) {
  std::vector<T*> found;
  for (int i = 0; i < form->ControlCount(); ++i)
    if (auto* control = dynamic_cast<T*>(form->Controls(i))) found.push_back(control);
  return found;
}

TPoint CentreOf(const TControl* control) {
  return Point(control->Left() + control->Width() / 2, control->Top() + control->Height() / 2);
}

TEST_F(GalleryWindow, HoldingTheRepeatButtonRepeatsUntilReleased) {
  const auto pages = gallery::AllPages();
  const int index = gallery::FindPage(pages, "buttons_speed");
  ASSERT_GE(index, 0);
  gallery::Viewer viewer(pages);
  viewer.ShowPage(index);
  TForm* form = viewer.CurrentForm();
  const auto repeaters = AllOf<zeb::TRepSpeedButton>(form);
  TLabel* count = FirstOf<TLabel>(form);
  ASSERT_EQ(repeaters.size(), 2u);
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(PumpUntilWindowShows(form), 0);
  const TPoint up = CentreOf(repeaters[1]);
  x_->MoveTo(backend_->WindowOf(form), up.X, up.Y);
  x_->Button(1, true);
  // Repeats after 500 ms, then every 200 ms: three within about a second.
  EXPECT_TRUE(PumpUntil([&] { return std::stoi(count->Caption()) >= 53; }, 4000))
      << count->Caption();
  x_->Button(1, false);
  EXPECT_TRUE(PumpUntil([&] { return !repeaters[1]->Pressed(); }));
  const std::string released = count->Caption();
  PumpFor(600);
  EXPECT_EQ(count->Caption(), released);
}

TEST_F(GalleryWindow, RealClicksSwitchOnOffButtonsWithinTheirGroup) {
  const auto pages = gallery::AllPages();
  const int index = gallery::FindPage(pages, "buttons_onoff_uses");
  ASSERT_GE(index, 0);
  gallery::Viewer viewer(pages);
  viewer.ShowPage(index);
  TForm* form = viewer.CurrentForm();
  std::vector<zeb::TOnOffBut*> group;
  for (zeb::TOnOffBut* b : AllOf<zeb::TOnOffBut>(form))
    if (b->GroupIndex() == 1) group.push_back(b);
  ASSERT_EQ(group.size(), 3u);
  ASSERT_TRUE(group[0]->OnOff());
  EXPECT_EQ(PumpUntilWindowShows(form), 0);
  zeb::TOnOffBut* mid = group[1];
  Click(form, Point(mid->Left() + mid->LeftSpace() + mid->GlyphWidth() / 2,
                    mid->Top() + mid->TopSpace() + mid->GlyphHeight() / 2));
  EXPECT_TRUE(PumpUntil([&] { return mid->OnOff() && !group[0]->OnOff(); }));
  EXPECT_FALSE(group[2]->OnOff());
}

TEST_F(GalleryWindow, TheRasterLabelScrollsAndTheProgressBarStepsOnTheRealClock) {
  const auto pages = gallery::AllPages();
  gallery::Viewer viewer(pages);
  viewer.ShowPage(gallery::FindPage(pages, "displays_rasterlab"));
  zeb::TRasterLab* scrolling = nullptr;
  for (zeb::TRasterLab* r : AllOf<zeb::TRasterLab>(viewer.CurrentForm()))
    if (r->Scrolling()) scrolling = r;
  ASSERT_NE(scrolling, nullptr);
  const int start = scrolling->ScrollOffsetX();
  EXPECT_TRUE(PumpUntil([&] { return scrolling->ScrollOffsetX() <= start - 10; }, 3000));

  viewer.ShowPage(gallery::FindPage(pages, "indicators_progbar"));
  zeb::TProgBar* stepping = nullptr;
  for (zeb::TProgBar* b : AllOf<zeb::TProgBar>(viewer.CurrentForm()))
    if (b->AutoInc()) stepping = b;
  ASSERT_NE(stepping, nullptr);
  const double first = stepping->Value();
  // The first step after 1.5 s, the next 0.2 s later.
  EXPECT_TRUE(PumpUntil([&] { return stepping->Value() >= first + 2; }, 4000));
}

}  // namespace
}  // namespace fw::testing
