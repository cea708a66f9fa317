// TMarkSel: cell layout with hidden symbols, setter rules, the nearest symbol, the selected
// and highlighted cells on screen (enabled and disabled), clicks, form text, any size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/base/registry_check.h"
#include "indicators/ZEB_marksel.h"
#include "tests/indicators/shown_control.h"

namespace zeb {
namespace {

// 244 x 184: cells of 30 x 30 in the default 8 x 6 grid.
struct ShownMarkSel : test::ShownControl<TMarkSel> {
  explicit ShownMarkSel(int w = 244, int h = 184) : ShownControl(w, h), sel(control) {}
  TMarkSel* sel;
};

TEST(MarkSel, LayoutSkipsHiddenSymbolsAndFindsTheNearest) {
  ShownMarkSel s;
  EXPECT_EQ(s.sel->MarkCentre(9), (fw::TPoint{45, 45}));  // second row, second column
  const fw::TPoint third = s.sel->MarkCentre(3);
  s.sel->SetVis(3, false);
  s.sel->SetVis(0, false);  // symbol 0 always shows
  EXPECT_TRUE(s.sel->GetVis(0));
  EXPECT_TRUE(s.sel->GetVis(99));
  EXPECT_EQ(s.sel->MarkCentre(4), third);
  EXPECT_EQ(s.sel->NearestMark(third.X, third.Y), 4);
  EXPECT_EQ(s.sel->NearestMark(30, 15), 0);  // halfway between 0 and 1: the lower index
  EXPECT_EQ(s.sel->NearestMark(31, 15), 1);
  s.sel->HideAllMarks();
  EXPECT_EQ(s.sel->NearestMark(200, 150), 0);
  s.sel->ShowAllMarks();
  EXPECT_TRUE(s.sel->GetVis(3));
}

TEST(MarkSel, SettersIgnoreValuesOutOfRange) {
  ShownMarkSel s;
  struct Case {
    void (TMarkSel::*set)(int);
    int (TMarkSel::*get)() const;
    int value, kept;
  };
  const std::vector<Case> cases{
      {&TMarkSel::SetNrOfColumns, &TMarkSel::NrOfColumns, 0, 8},
      {&TMarkSel::SetNrOfColumns, &TMarkSel::NrOfColumns, 60, 8},
      {&TMarkSel::SetNrOfColumns, &TMarkSel::NrOfColumns, 51, 51},
      {&TMarkSel::SetNrOfRows, &TMarkSel::NrOfRows, -3, 6},
      {&TMarkSel::SetSelected, &TMarkSel::Selected, 52, -1},
      {&TMarkSel::SetSelected, &TMarkSel::Selected, 17, 17},
      {&TMarkSel::SetSelected, &TMarkSel::Selected, -1, -1},
  };
  for (const Case& c : cases) {
    (s.sel->*c.set)(c.value);
    EXPECT_EQ((s.sel->*c.get)(), c.kept) << c.value;
  }
}

TEST(MarkSel, SelectedCellInvertedAndHighlightUnderThePointer) {
  ShownMarkSel s;
  s.sel->SetSelected(8);  // an open square, centre (15, 45) in the second row
  // The selected cell: (x - 15 + 3, y - 15 + 3) .. (x + 15 + 3, y + 15 + 3), outlined in
  // ColorSelFG, filled with ColorSelBG; the square drawn at (x + 2, y + 2) in ColorSelFG.
  EXPECT_EQ(s.host.Pixel(3, 33), fw::clNavy);
  EXPECT_EQ(s.host.Pixel(10, 40), fw::clWhite);
  EXPECT_EQ(s.host.Pixel(12, 47), fw::clNavy);  // the square's left edge, x + 2 - 5
  EXPECT_EQ(s.host.Pixel(40, 40), fw::ColorToRGB(fw::clBtnFace));
  s.host.MouseMove(75, 75);  // symbol 18
  EXPECT_EQ(s.sel->HiLited(), 18);
  EXPECT_EQ(s.host.Pixel(66, 66), fw::clRed);
  s.host.MouseLeave();
  EXPECT_EQ(s.sel->HiLited(), -1);
  EXPECT_EQ(s.host.Pixel(66, 66), fw::ColorToRGB(fw::clBtnFace));
  // Disabled: greys and a light grey selected cell; the highlight keeps its own colours.
  s.sel->SetEnabled(false);
  EXPECT_EQ(s.host.Pixel(40, 40), fw::clSilver);
  EXPECT_EQ(s.host.Pixel(10, 40), fw::TColor{0xDEDEDE});
  s.sel->HiLite(18);
  EXPECT_EQ(s.host.Pixel(66, 66), fw::clRed);
}

TEST(MarkSel, ClicksSelectAndReportTheNearestSymbol) {
  ShownMarkSel s;
  std::vector<std::string> log;
  s.sel->OnMarkClick = [&](fw::TObject*, int x, int y, int mark) {
    log.push_back("click " + std::to_string(mark) + " at " + std::to_string(x) + "," +
                  std::to_string(y));
  };
  s.sel->OnMarkDblClick = [&](fw::TObject*, int, int, int mark) {
    log.push_back("double " + std::to_string(mark));
  };
  s.host.Click(106, 77);  // nearest: symbol 19 at (105, 75), third row
  EXPECT_EQ(s.sel->Selected(), 19);
  EXPECT_EQ(s.sel->HiLited(), 19);
  s.host.DblClick(16, 14);
  EXPECT_EQ(s.sel->Selected(), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"click 19 at 106,77", "click 0 at 16,14", "double 0",
                                           "click 0 at 16,14"}));
}

TEST(MarkSel, ClassRecordAndEverySize) {
  for (const std::string& problem : fw::testing::CheckRegisteredClass("TMarkSel"))
    ADD_FAILURE() << problem;
  for (const auto& [w, h] : {std::pair{1, 1}, {5, 300}, {300, 3}, {2000, 2000}}) {
    ShownMarkSel s(w, h);
    int painted = 0;
    s.sel->OnPaint = [&](fw::TObject*) { ++painted; };
    s.sel->SetSelected(51);
    s.host.MouseMove(w / 2, h / 2);
    s.host.Pixel(0, 0);
    EXPECT_GE(painted, 1);
  }
}

}  // namespace
}  // namespace zeb
