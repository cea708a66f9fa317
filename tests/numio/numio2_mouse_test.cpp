// The input panel's mouse: spin buttons at the range ends and along step values, gauge
// clicks and drags, the freeze box, caret placement and drag selection in the text row.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numio/ZEB_NumIO.h"
#include "tests/numio/numio2_fixture.h"

namespace zeb {
namespace {

using numio_test::PanelFixture;

// The default panel's spin buttons lie at x 119..135; the up half is y 1..14.
constexpr int kSpinX = 127, kUpY = 7, kDownY = 20;

TEST(PanelSpin, ButtonsStepByTheIncrementAndStopAtTheRangeEnds) {
  PanelFixture f;
  f.panel->SetButVisible(true);
  const struct {
    double start;
    int y;
    const char* text;
  } cases[] = {
      {999.5, kUpY, "1000.00"}, {1000, kUpY, "1000.00"}, {0.5, kDownY, "0.00"},
      {0, kDownY, "0.00"},      {41, kUpY, "42.00"},
  };
  for (const auto& c : cases) {
    f.panel->SetNioValue(c.start);
    const int before = f.changes;
    f.host.Click(kSpinX, c.y);
    EXPECT_EQ(f.Text(), c.text) << c.start;
    EXPECT_EQ(f.changes, before + 1) << c.start;
  }
  f.panel->SetReadOnly(true);
  f.host.Click(kSpinX, kUpY);
  EXPECT_EQ(f.Text(), "42.00");
}

TEST(PanelSpin, ButtonsWalkTheStepValues) {
  PanelFixture f;
  f.panel->SetButVisible(true);
  f.panel->SetStepValues({1, 0.5, 0, NAN});
  EXPECT_EQ(f.panel->StepValues(), (std::vector<double>{0, 0.5, 1}));
  const struct {
    double start;
    int y;
    double expected;
  } cases[] = {{0.49, kUpY, 0.5}, {0.5, kUpY, 1}, {0.51, kDownY, 0.5}, {1, kUpY, 1}};
  for (const auto& c : cases) {
    f.panel->SetNioValue(c.start);
    f.host.Click(kSpinX, c.y);
    EXPECT_DOUBLE_EQ(f.panel->Value(), c.expected) << c.start;
  }
}

TEST(PanelGauge, ClicksAndDragsSetTheValueAndReportIt) {
  PanelFixture f;
  f.panel->SetGaugeVisible(true);
  std::vector<double> reported;
  f.panel->OnGaugeChange = [&](fw::TObject*, fw::TShiftState, double v) { reported.push_back(v); };
  const int y = 24;  // inside the gauge, rows 21..28
  f.host.Click(35, y);
  EXPECT_DOUBLE_EQ(f.panel->Value(), 0);
  f.host.Click(117, y);
  EXPECT_DOUBLE_EQ(f.panel->Value(), 1000);
  EXPECT_EQ(f.changes, 2);  // each at the release
  f.host.MouseDown(76, y);
  EXPECT_EQ(f.changes, 2);
  f.host.MouseMove(34, y, {fw::ssLeft});   // one pixel left of the gauge
  f.host.MouseMove(118, y, {fw::ssLeft});  // one pixel right of it
  f.host.MouseUp(118, y);
  EXPECT_EQ(reported, (std::vector<double>{0, 1000}));
  EXPECT_DOUBLE_EQ(f.panel->Value(), 1000);
  EXPECT_EQ(f.changes, 3);
}

TEST(PanelFreeze, CheckingFreezesAndHidesTheTextUncheckingUndoesIt) {
  PanelFixture f;
  f.panel->SetFreezeBoxVisible(true);
  f.panel->SetHideInputOnFreeze(true);
  f.panel->SetText("5");
  const int x = 161, y = f.panel->FreezeBoxTop() + 8;  // the box starts at x 153
  f.host.Click(x, y);
  EXPECT_TRUE(f.panel->FreezeBoxChecked());
  EXPECT_TRUE(f.panel->ReadOnly());
  EXPECT_TRUE(f.panel->HideInputEditor());
  f.Type("7");
  EXPECT_EQ(f.Text(), "5");
  f.host.Click(x, y);
  EXPECT_FALSE(f.panel->ReadOnly());
  EXPECT_FALSE(f.panel->HideInputEditor());
  EXPECT_EQ(f.changes, 2);
  f.panel->SetHideInputOnFreeze(false);
  f.host.Click(x, y);
  EXPECT_TRUE(f.panel->ReadOnly());
  EXPECT_FALSE(f.panel->HideInputEditor());
}

TEST(PanelMouse, PressPlacesTheCaretAndDraggingSelectsEitherWay) {
  PanelFixture f;
  f.panel->SetAlignment(fw::taLeftJustify);
  f.panel->SetText("123456");
  const int start = f.panel->CharPosToXCoords(3);
  f.host.MouseDown(start, 10);
  EXPECT_EQ(f.panel->CaretPos(), 3);
  f.host.MouseMove(f.panel->CharPosToXCoords(5), 10, {fw::ssLeft});
  EXPECT_EQ(f.panel->SelBegin(), 3);
  EXPECT_EQ(f.panel->SelEnd(), 5);
  f.host.MouseMove(f.panel->CharPosToXCoords(1), 10, {fw::ssLeft});
  f.host.MouseUp(f.panel->CharPosToXCoords(1), 10);
  EXPECT_EQ(f.panel->SelBegin(), 1);
  EXPECT_EQ(f.panel->SelEnd(), 3);
  EXPECT_EQ(f.panel->CaretPos(), 1);
  EXPECT_EQ(f.panel->XCoordsToCharPos(-100), 0);
  EXPECT_EQ(f.panel->XCoordsToCharPos(10000), 6);
  f.host.MouseMove(10, 10);
  EXPECT_EQ(f.panel->MouseArea(), 0);
  f.host.MouseMove(60, 10);
  EXPECT_EQ(f.panel->MouseArea(), 1);
  f.host.MouseMove(200, 10);
  EXPECT_EQ(f.panel->MouseArea(), 2);
}

}  // namespace
}  // namespace zeb
