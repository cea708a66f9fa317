// The mini calendar in a real window: real clicks select days (greyed days of the next month
// too) and work the month buttons, a real double click reaches OnDblClick, real keys and the
// wheel move the selected date, and the window shows the calendar's new face each time.
// Built with the gallery, whose pages link the components into the window tests.
#ifdef PANEKIT_GALLERY_PROGRAM

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "browse/ZEB_MiniCal.h"
#include "framework/controls/form.h"
#include "tests/window/x11_driver.h"

namespace fw::testing {
namespace {

class MiniCalWindow : public WindowTest {
 protected:
  // A form with a 300 x 180 calendar at (10, 10) showing June 2024 (the 3rd selected).
  void ShowCalendar() {
    form_ = std::make_unique<TForm>(nullptr);
    form_->SetCaption("Mini calendar");
    form_->SetBounds(100, 100, 320, 200);
    cal_ = new zeb::TMiniCal(form_.get());
    cal_->SetParent(form_.get());
    cal_->SetBounds(10, 10, 300, 180);
    cal_->SetMarkToday(false);
    cal_->SetDate(EncodeDate(2024, 6, 3));
    cal_->OnDblClick = [this](TObject*) { ++doubleClicks_; };
    form_->Show();
    ASSERT_EQ(PumpUntilWindowShows(form_.get()), 0);
  }
  void TearDown() override {
    form_.reset();
    WindowTest::TearDown();
  }
  TPoint CellCentre(int col, int row) const {
    const TRect r = cal_->CellRect(col, row);
    return Point(cal_->Left() + (r.Left + r.Right) / 2, cal_->Top() + (r.Top + r.Bottom) / 2);
  }
  void ClickCell(int col, int row) {
    const TPoint p = CellCentre(col, row);
    x_->MoveTo(backend_->WindowOf(form_.get()), p.X, p.Y);
    x_->Button(1, true);
    x_->Button(1, false);
  }
  void Type(const std::string& keyName) {
    x_->Key(keyName, true);
    x_->Key(keyName, false);
  }
  // Pumps until the selected date is y-m-d and the window shows the form's surface.
  bool Shows(int y, int m, int d) {
    const bool reached = PumpUntil(
        [&] { return cal_->Year() == y && cal_->Month() == m && cal_->Day() == d; }, 3000);
    return reached && PumpUntilWindowShows(form_.get()) == 0;
  }
  std::string Ymd() const {
    return std::to_string(cal_->Year()) + "-" + std::to_string(cal_->Month()) + "-" +
           std::to_string(cal_->Day());
  }

  std::unique_ptr<TForm> form_;
  zeb::TMiniCal* cal_ = nullptr;
  int doubleClicks_ = 0;
};

TEST_F(MiniCalWindow, RealClicksSelectDaysAndStepMonths) {
  ShowCalendar();
  ClickCell(3, 3);  // 5 June
  EXPECT_TRUE(Shows(2024, 6, 5)) << Ymd();
  ClickCell(6, 0);  // ">"
  EXPECT_TRUE(Shows(2024, 7, 5)) << Ymd();
  ClickCell(7, 7);  // greyed 11 August
  EXPECT_TRUE(Shows(2024, 8, 11)) << Ymd();
  ClickCell(1, 0);  // "<<"
  EXPECT_TRUE(Shows(2023, 8, 11)) << Ymd();
  EXPECT_EQ(doubleClicks_, 0);
  // Two quick presses on a day make a double click.
  PumpFor(600);
  const TPoint p = CellCentre(4, 4);
  x_->MoveTo(backend_->WindowOf(form_.get()), p.X, p.Y);
  for (int i = 0; i < 2; ++i) {
    x_->Button(1, true);
    x_->Button(1, false);
  }
  EXPECT_TRUE(PumpUntil([&] { return doubleClicks_ == 1; }, 3000));
}

TEST_F(MiniCalWindow, RealKeysAndTheWheelMoveTheSelectedDate) {
  ShowCalendar();
  ClickCell(3, 3);  // 5 June, and the calendar has the focus
  ASSERT_TRUE(Shows(2024, 6, 5)) << Ymd();
  x_->Focus(backend_->WindowOf(form_.get()));
  const struct {
    const char* key;
    int y, m, d;
  } steps[] = {{"Right", 2024, 6, 6}, {"Down", 2024, 6, 13}, {"Next", 2024, 7, 13},
               {"Home", 2024, 7, 1},  {"Left", 2024, 6, 30}, {"End", 2024, 6, 30},
               {"Up", 2024, 6, 23},   {"Prior", 2024, 5, 23}};
  for (const auto& s : steps) {
    Type(s.key);
    EXPECT_TRUE(Shows(s.y, s.m, s.d)) << s.key << ": " << Ymd();
  }
  // Button 5 turns the wheel towards the user: the next month.
  x_->Button(5, true);
  x_->Button(5, false);
  EXPECT_TRUE(Shows(2024, 6, 23)) << Ymd();
  EXPECT_EQ(cal_->Col(), cal_->DayCell(23).X);
  EXPECT_EQ(cal_->Row(), cal_->DayCell(23).Y);
}

}  // namespace
}  // namespace fw::testing

#endif  // PANEKIT_GALLERY_PROGRAM
