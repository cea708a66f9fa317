// The thumbnail strip in a real window, on the gallery's page of three thousand pictures drawn
// in code: real wheel turns and real presses on its scroll bar scroll it, the window keeps
// showing what the strip paints, and a burst of turns is caught up with at once.
#include <gtest/gtest.h>

#include <memory>

#include "apps/gallery/gallery.h"
#include "browse/ZEB_Thumbnails.h"
#include "framework/controls/form.h"
#include "tests/window/x11_driver.h"

namespace fw::testing {
namespace {

class ThumbnailsWindow : public WindowTest {
 protected:
  // The gallery's strip page in a window at (60, 60); the strip of pictures.
  zeb::TThumbnails* ShowPictures() {
    form_ = std::make_unique<TForm>(nullptr);
    gallery::BuildPageForm(gallery::ThumbnailPages().front(), *form_);
    form_->SetLeft(60);
    form_->SetTop(60);
    auto* strip = dynamic_cast<zeb::TThumbnails*>(form_->FindComponent("Pictures"));
    form_->Show();
    EXPECT_EQ(PumpUntilWindowShows(form_.get()), 0);
    return strip;
  }
  SDL_Window* Window() { return backend_->WindowOf(form_.get()); }
  // A point of the strip, in the form's client coordinates.
  TPoint OnForm(const zeb::TThumbnails* strip, TPoint p) {
    return Point(strip->Left() + p.X, strip->Top() + p.Y);
  }
  // X buttons 4 and 5 are the wheel's turns away from and towards the user.
  void Turn(bool down, int notches) {
    for (int i = 0; i < notches; ++i) {
      x_->Button(down ? 5 : 4, true);
      x_->Button(down ? 5 : 4, false);
    }
  }
  void TearDown() override {
    form_.reset();
    WindowTest::TearDown();
  }
  std::unique_ptr<TForm> form_;
};

TEST_F(ThumbnailsWindow, TheWheelScrollsThePicturesAndTheWindowFollows) {
  zeb::TThumbnails* strip = ShowPictures();
  ASSERT_NE(strip, nullptr);
  ASSERT_EQ(strip->Max(), 3000);
  const int columns = strip->Columns();
  ASSERT_GE(columns, 2);
  const TPoint middle = OnForm(strip, Point(strip->Width() / 2, strip->Height() / 2));
  x_->MoveTo(Window(), middle.X, middle.Y);
  Turn(true, 3);
  EXPECT_TRUE(PumpUntil([&] { return strip->FirstThumbIx() == 1 + 3 * columns; }))
      << strip->FirstThumbIx();
  EXPECT_EQ(PumpUntilWindowShows(form_.get()), 0);
  Turn(false, 1);
  EXPECT_TRUE(PumpUntil([&] { return strip->FirstThumbIx() == 1 + 2 * columns; }))
      << strip->FirstThumbIx();
  // A burst of forty turns is caught up with, and the window shows the end of it.
  Turn(true, 40);
  EXPECT_TRUE(PumpUntil([&] { return strip->FirstThumbIx() == 1 + 42 * columns; }))
      << strip->FirstThumbIx();
  EXPECT_EQ(PumpUntilWindowShows(form_.get()), 0);
}

TEST_F(ThumbnailsWindow, TheScrollBarsArrowAndThumbScrollThePictures) {
  zeb::TThumbnails* strip = ShowPictures();
  ASSERT_NE(strip, nullptr);
  const int columns = strip->Columns();
  fw::TScrollBarLayout layout = strip->ScrollBarLayout();
  ASSERT_TRUE(layout.Shown());
  // A click on the forward arrow: one row.
  const TRect arrow = layout.ForwardArrow();
  const TPoint onArrow = OnForm(strip, Point(arrow.Left + 8, arrow.Top + 8));
  x_->MoveTo(Window(), onArrow.X, onArrow.Y);
  x_->Button(1, true);
  x_->Button(1, false);
  EXPECT_TRUE(PumpUntil([&] { return strip->FirstThumbIx() == 1 + columns; }))
      << strip->FirstThumbIx();
  // The thumb dragged to the bottom: the last rows of the three thousand.
  layout = strip->ScrollBarLayout();
  const TRect thumb = layout.Thumb();
  const TPoint grab = OnForm(strip, Point(thumb.Left + 8, thumb.Top + 3));
  const TPoint end = OnForm(strip, Point(thumb.Left + 8, strip->Height() + 40));
  x_->MoveTo(Window(), grab.X, grab.Y);
  x_->Button(1, true);
  x_->MoveTo(Window(), grab.X, grab.Y + 100);
  x_->MoveTo(Window(), end.X, end.Y);
  x_->Button(1, false);
  const double lastTop = double(layout.Range().max) * columns + 1;
  EXPECT_TRUE(PumpUntil([&] { return strip->FirstThumbIx() == lastTop; }))
      << strip->FirstThumbIx() << " instead of " << lastTop;
  // The third row shows IDs 2998 to 3000.
  EXPECT_EQ(strip->CalcSlideIndex(strip->Width() / 2, strip->Height() * 2 / 3) / 100, 29);
  EXPECT_EQ(PumpUntilWindowShows(form_.get()), 0);
}

}  // namespace
}  // namespace fw::testing
