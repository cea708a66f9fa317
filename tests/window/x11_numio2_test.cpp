// The numeric input panel in real windows, on the gallery's panel page: real keys type
// through the typing test as headless keys do, the caret blinks on the real clock, and real
// clicks work the spin buttons, the freeze box and a gauge drag.
#include <gtest/gtest.h>

#include <vector>

#include "apps/gallery/gallery.h"
#include "apps/gallery/viewer.h"
#include "framework/backend/headless/test_host.h"
#include "numio/ZEB_NumIO.h"
#include "tests/window/x11_driver.h"

namespace fw::testing {
namespace {

// The panels of the page in the order it places them.
std::vector<zeb::TNumIO2*> Panels(TForm* form) {
  std::vector<zeb::TNumIO2*> out;
  for (int i = 0; i < form->ControlCount(); ++i)
    if (auto* p = dynamic_cast<zeb::TNumIO2*>(form->Controls(i))) out.push_back(p);
  return out;
}

class PanelWindow : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    if (IsSkipped()) return;
    pages_ = gallery::AllPages();
    index_ = gallery::FindPage(pages_, "numio_panel");
    ASSERT_GE(index_, 0);
    viewer_ = std::make_unique<gallery::Viewer>(pages_);
    viewer_->ShowPage(index_);
    form_ = viewer_->CurrentForm();
    panels_ = Panels(form_);
    ASSERT_EQ(panels_.size(), 8u);
    ASSERT_EQ(PumpUntilWindowShows(form_), 0);
  }
  void TearDown() override {
    viewer_.reset();
    WindowTest::TearDown();
  }
  void Type(const std::string& keyName) {
    x_->Focus(backend_->WindowOf(form_));
    x_->Key(keyName, true);
    x_->Key(keyName, false);
  }
  void Press(TPoint at) {
    x_->MoveTo(backend_->WindowOf(form_), at.X, at.Y);
    x_->Button(1, true);
  }
  void Click(TPoint at) {
    Press(at);
    x_->Button(1, false);
  }
  // Pumps until the window shows `expected` (a blinking caret matches once a blink).
  long PumpUntilWindowMatches(const TBitmap& expected) {
    long difference = -1;
    PumpUntil([&] {
      auto shot = x_->Screenshot(backend_->WindowOf(form_));
      difference = shot ? CountDifferentPixels(*shot, expected) : -1;
      return difference == 0;
    });
    return difference;
  }

  std::vector<gallery::Page> pages_;
  int index_ = -1;
  std::unique_ptr<gallery::Viewer> viewer_;
  TForm* form_ = nullptr;
  std::vector<zeb::TNumIO2*> panels_;
};

TEST_F(PanelWindow, RealKeysTypeThroughTheTypingTestAsHeadlessKeys) {
  std::unique_ptr<TBitmap> expected;
  {
    TestHost host(pages_[index_].width, pages_[index_].height);
    gallery::BuildPageForm(pages_[index_], *host.Form());
    host.Show();
    host.PressKey(VK_BACK);
    host.PressKey('7');
    host.PressKey(VK_OEM_PERIOD);  // a second point: refused
    expected = host.Snapshot();
  }
  zeb::TNumIO2* first = panels_[0];
  ASSERT_EQ(form_->ActiveControl(), first);
  Type("BackSpace");
  Type("7");
  Type("period");
  EXPECT_TRUE(PumpUntil([&] { return first->Text() == "12.57"; })) << first->Text();
  PumpFor(100);
  EXPECT_EQ(first->Text(), "12.57");
  EXPECT_EQ(PumpUntilWindowMatches(*expected), 0);
}

TEST_F(PanelWindow, TheCaretBlinksOnTheRealClock) {
  zeb::TNumIO2* first = panels_[0];
  const bool start = first->CaretOn();
  EXPECT_TRUE(PumpUntil([&] { return first->CaretOn() != start; }, 2000));
  EXPECT_TRUE(PumpUntil([&] { return first->CaretOn() == start; }, 2000));
}

TEST_F(PanelWindow, RealClicksWorkSpinButtonsFreezeBoxAndGaugeDrag) {
  // Spin buttons of the second panel (at 10, 70): x 129..145, the up half y 71..83.
  zeb::TNumIO2* spin = panels_[1];
  Click(Point(137, 76));
  EXPECT_TRUE(PumpUntil([&] { return spin->Text() == "4.00"; })) << spin->Text();
  // The freeze box of the frozen panel (at 300, 70): x 464..478.
  zeb::TNumIO2* frozen = panels_[5];
  ASSERT_TRUE(frozen->ReadOnly());
  Click(Point(471, 70 + frozen->FreezeBoxTop() + 8));
  EXPECT_TRUE(PumpUntil([&] { return !frozen->ReadOnly(); }));
  // The gauge of the third panel (at 10, 130, 34 high): rows 155..163, x 45..125.
  zeb::TNumIO2* gauge = panels_[2];
  int reports = 0, changes = 0;
  gauge->OnGaugeChange = [&](TObject*, TShiftState, double) { ++reports; };
  gauge->OnChange = [&](TObject*) { ++changes; };
  Press(Point(60, 159));
  EXPECT_TRUE(PumpUntil([&] { return gauge->Value() < 640; }));
  x_->MoveTo(backend_->WindowOf(form_), 100, 159);
  x_->MoveTo(backend_->WindowOf(form_), 126, 159);  // one pixel past the right end
  EXPECT_TRUE(PumpUntil([&] { return gauge->Value() == 1000; })) << gauge->Value();
  x_->Button(1, false);
  EXPECT_TRUE(PumpUntil([&] { return changes == 1; }));
  EXPECT_GE(reports, 1);
}

}  // namespace
}  // namespace fw::testing
