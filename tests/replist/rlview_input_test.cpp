// Report list view interaction: row selection in the three modes, check marks by click,
// sorting by header click with the selection following its record, column fitting by double
// click, cursor keys, AutoAdvance, the wheel and the selection methods.
#include <gtest/gtest.h>

#include <vector>

#include "framework/controls/messages.h"
#include "replist/ZEB_replist.h"
#include "rlview_fixture.h"

namespace {

using rltest::ViewFixture;
using zeb::TIntArray;

TEST(ReportListViewSelection, SingleModeKeepsOnlyTheClickedRow) {
  ViewFixture f;
  int changes = 0;
  f.view->OnSelectedChange = [&](fw::TObject*) { ++changes; };
  f.Click(1, 3);
  f.Click(1, 5);
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{5}));
  EXPECT_EQ(f.view->NumSelectedRows(), 1);
  EXPECT_EQ(changes, 2);
}

TEST(ReportListViewSelection, MultipleModeWithCtrlAndShift) {
  ViewFixture f;
  f.view->SetRowSelectMode(2);
  f.Click(0, 2);
  f.Click(0, 4, {fw::ssCtrl});
  f.Click(0, 6, {fw::ssShift});
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{2, 4, 5, 6}));
  f.Click(0, 3);
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{3}));
  // Ctrl-click on a selected row deselects it; Shift then copies that state.
  f.Click(0, 5, {fw::ssCtrl});
  f.Click(0, 5, {fw::ssCtrl});
  f.Click(0, 3, {fw::ssShift});
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{}));
}

TEST(ReportListViewSelection, CommonHeaderClicksApplyToTheCurrentRow) {
  ViewFixture f;
  f.view->SetCommonHeaderVisible(true);
  f.view->SetRowSelectMode(2);
  const int commonY = 10, dataTop = 42;  // two 20 px header rows, each with its grid line
  f.host.Click(30, dataTop + 24 * 2 + 12, fw::mbLeft);                // row 3
  f.host.Click(30, dataTop + 24 * 5 + 12, fw::mbLeft, {fw::ssCtrl});  // row 6
  ASSERT_EQ(f.view->GetSelectedRows(), (TIntArray{3, 6}));
  int changes = 0;
  f.view->OnSelectedChange = [&](fw::TObject*) { ++changes; };
  f.host.Click(100, commonY, fw::mbLeft, {fw::ssCtrl});
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{3})) << "Ctrl toggles the current row 6";
  f.host.Click(100, commonY, fw::mbLeft);
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{6})) << "a plain click selects it alone";
  EXPECT_EQ(changes, 2);
  f.view->SetRowSelectMode(0);
  f.host.Click(100, commonY, fw::mbLeft);
  EXPECT_EQ(f.view->NumSelectedRows(), 0);
}

TEST(ReportListViewSelection, WithoutCtrlForMultiSelEveryClickToggles) {
  ViewFixture f;
  f.view->SetRowSelectMode(2);
  f.view->SetUseCtrlForMultiSel(false);
  f.Click(0, 2);
  f.Click(0, 4);
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{2, 4}));
  f.Click(0, 2);
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{4}));
}

TEST(ReportListViewSelection, ShiftRangeLeavesEnablingAlone) {
  ViewFixture f;
  f.view->SetRowSelectMode(2);
  f.view->SetRowEnabled(5, false);
  f.Click(0, 4);
  f.Click(0, 6, {fw::ssShift});
  EXPECT_FALSE(f.view->GetRowEnabled(5));
  EXPECT_TRUE(f.view->GetRowEnabled(6));
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{4, 5, 6}));
}

TEST(ReportListViewSelection, ModeZeroSelectsNothingAndModesOtherThanTwoClear) {
  ViewFixture f;
  f.view->SetRowSelectMode(2);
  f.view->SetSelectedRows({1, 3});
  f.view->SetRowSelectMode(2);
  EXPECT_EQ(f.view->NumSelectedRows(), 2) << "mode 2 keeps the selection";
  f.view->SetRowSelectMode(0);
  EXPECT_EQ(f.view->NumSelectedRows(), 0);
  f.Click(0, 4);
  f.host.PressKey(fw::VK_DOWN);
  EXPECT_EQ(f.view->NumSelectedRows(), 0);
  f.view->SetRowSelectMode(7);
  f.Click(0, 4);
  EXPECT_EQ(f.view->NumSelectedRows(), 0);
}

TEST(ReportListViewSelection, ReleaseBelowTheRowsClearsMultipleSelection) {
  ViewFixture f(3, 4);
  f.view->SetRowSelectMode(2);
  f.Click(0, 1);
  f.Click(0, 2, {fw::ssCtrl});
  EXPECT_EQ(f.view->NumSelectedRows(), 2);
  const fw::TRect c = ViewFixture::DataCell(0, 3);
  f.host.MouseDown(c.Left + 30, c.Top + 5, fw::mbLeft, {fw::ssCtrl});
  f.host.MouseUp(c.Left + 30, 250, fw::mbLeft, {fw::ssCtrl});
  EXPECT_EQ(f.view->NumSelectedRows(), 0);
}

TEST(ReportListViewSelection, MethodsSetBitsAndCount) {
  ViewFixture f(4, 6);
  zeb::TReportListView* v = f.view;
  v->SelectAllRows();
  EXPECT_EQ(v->NumSelectedRows(), 6);
  v->SelectRow(3);
  EXPECT_EQ(v->GetSelectedRows(), (TIntArray{3}));
  v->SetRowEnabled(3, false);
  EXPECT_EQ(v->FirstSelectedRow(), 0) << "the first selected row is disabled";
  v->SetRowSelect(5, true);
  EXPECT_EQ(v->FirstSelectedRow(), 0);
  v->SetRowEnabled(3, true);
  EXPECT_EQ(v->FirstSelectedRow(), 3);
  v->DisableAllRows();
  EXPECT_EQ(v->NumEnabledRows(), 0);
  v->EnableAllRows();
  EXPECT_EQ(v->NumEnabledRows(), 6);
  v->SelectColumn(2);
  EXPECT_EQ(v->FirstSelectedColumn(), 2);
  v->SelectAllColumns();
  EXPECT_EQ(v->NumSelectedColumns(), 4);
  v->DeselectAllColumns();
  EXPECT_EQ(v->NumSelectedColumns(), 0);
  // Out of range: ignored and neutral.
  v->SetRowSelect(0, true);
  v->SetRowSelect(7, true);
  v->SetColSelect(5, true);
  EXPECT_FALSE(v->GetRowSelect(7));
  EXPECT_FALSE(v->GetColSelect(5));
  EXPECT_FALSE(v->GetRowEnabled(0));
  v->SetSelectedRows({2, 6, 9});
  EXPECT_EQ(v->GetSelectedRows(), (TIntArray{2, 6}));
  EXPECT_EQ(v->Row() - v->FixedRows() + 1, 6);
}

TEST(ReportListViewSelection, CenterScrollAndSelectPutsTheRowInTheMiddle) {
  ViewFixture f(3, 100, 400, 21 + 10 * 24);
  EXPECT_EQ(f.view->VisibleRowCount(), 10);
  f.view->CenterScrollAndSelect(50);
  EXPECT_EQ(f.view->TopRow(), 45);
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{50}));
  EXPECT_EQ(f.view->Row(), 50);
  f.view->CenterScrollAndSelect(98);
  EXPECT_EQ(f.view->TopRow(), 91);
  f.view->CenterScrollAndSelect(2);
  EXPECT_EQ(f.view->TopRow(), 1);
}

TEST(ReportListViewSelection, MouseCellNamesHeaderAndDataRows) {
  ViewFixture f(3, 4);
  EXPECT_EQ(f.view->MouseCell(70, 10), (fw::TGridCoord{2, -1}));
  EXPECT_EQ(f.view->MouseCell(70, 30), (fw::TGridCoord{2, 1}));
  EXPECT_EQ(f.view->MouseCell(10, 21 + 3 * 24 + 5), (fw::TGridCoord{1, 4}));
  EXPECT_EQ(f.view->MouseCell(300, 30), (fw::TGridCoord{0, 0})) << "right of the columns";
}

// ---- check marks by click --------------------------------------------------------------------

struct CheckEvents {
  std::vector<std::vector<int>> before, after;  // {state, col, row}
};

void Record(zeb::TReportListView* v, CheckEvents& e) {
  v->OnBeforeCheckedChange = [&e](fw::TObject*, bool& s, int c, int r) {
    e.before.push_back({s ? 1 : 0, c, r});
  };
  v->OnCheckedChange = [&e](fw::TObject*, bool& s, int c, int r) {
    e.after.push_back({s ? 1 : 0, c, r});
  };
}

void ClickBox(ViewFixture& f, int gridCol, int row) {
  const fw::TRect c = ViewFixture::DataCell(gridCol, row);
  f.host.Click(c.Left + 9, c.Top + 9);
}

TEST(ReportListViewChecks, ClickOnTheBoxTogglesAndReportsBothWays) {
  ViewFixture f;
  CheckEvents e;
  Record(f.view, e);
  f.view->SetColCheckMode(2, zeb::cmBox);
  ClickBox(f, 1, 3);
  EXPECT_TRUE(f.view->GetElemChecked(2, 3));
  ClickBox(f, 1, 3);
  EXPECT_FALSE(f.view->GetElemChecked(2, 3));
  EXPECT_EQ(e.before, (std::vector<std::vector<int>>{{1, 2, 3}, {0, 2, 3}}));
  EXPECT_EQ(e.after, (std::vector<std::vector<int>>{{0, 2, 3}, {1, 2, 3}}));  // the inverse
  // A click on the text of the cell does not toggle.
  f.Click(1, 3);
  EXPECT_FALSE(f.view->GetElemChecked(2, 3));
}

// OnCheckedChange receives the inverse of the request as the before-event left it, for boxes
// and radio marks (which a click always checks).
TEST(ReportListViewChecks, TheAfterEventReceivesTheInverseOfTheRequest) {
  enum Before { Keep, ForceOff, ForceOn };
  struct Case {
    zeb::TCheckMode mode;
    Before before;
    bool checkedFirst, markAfter, reported;
  };
  const std::vector<Case> cases{
      {zeb::cmBox, Keep, false, true, false},   {zeb::cmBox, ForceOff, false, false, true},
      {zeb::cmBox, Keep, true, false, true},    {zeb::cmBox, ForceOn, true, true, false},
      {zeb::cmRadio, Keep, false, true, false}, {zeb::cmRadio, ForceOff, false, true, true},
      {zeb::cmRadio, Keep, true, true, true},
  };
  for (const Case& c : cases) {
    ViewFixture f;
    f.view->SetColCheckMode(2, c.mode);
    f.view->SetElemChecked(2, 3, c.checkedFirst);
    std::vector<bool> reported;
    f.view->OnBeforeCheckedChange = [&c](fw::TObject*, bool& s, int, int) {
      if (c.before != Keep) s = c.before == ForceOn;
    };
    f.view->OnCheckedChange = [&reported](fw::TObject*, bool& s, int, int) {
      reported.push_back(s);
    };
    ClickBox(f, 1, 3);
    EXPECT_EQ(f.view->GetElemChecked(2, 3), c.markAfter) << c.mode << c.before << c.checkedFirst;
    EXPECT_EQ(reported, std::vector<bool>{c.reported}) << c.mode << c.before << c.checkedFirst;
  }
}

TEST(ReportListViewChecks, DisabledRowsAndHiddenBoxesDoNotToggle) {
  ViewFixture f;
  f.view->SetColCheckMode(2, zeb::cmBox);
  f.view->SetRowEnabled(2, false);
  ClickBox(f, 1, 2);
  EXPECT_FALSE(f.view->GetElemChecked(2, 2));
  f.view->SetROCheckmarks(true);
  ClickBox(f, 1, 4);
  EXPECT_FALSE(f.view->GetElemChecked(2, 4));
}

TEST(ReportListViewChecks, RadioClickChecksItsRowOnly) {
  ViewFixture f;
  f.view->SetColCheckMode(1, zeb::cmRadio);
  f.view->SetElemChecked(1, 2, true);
  ClickBox(f, 0, 5);
  EXPECT_EQ(f.view->FirstCheckedElemInCol(1), 5);
  EXPECT_EQ(f.view->CountCheckedElemsInCol(1), 1);
  ClickBox(f, 0, 5);
  EXPECT_TRUE(f.view->GetElemChecked(1, 5)) << "a radio click always checks";
}

TEST(ReportListViewChecks, BeforeEventCanKeepTheMark) {
  ViewFixture f;
  f.view->SetColCheckMode(2, zeb::cmBox);
  f.view->OnBeforeCheckedChange = [](fw::TObject*, bool& s, int, int) { s = false; };
  ClickBox(f, 1, 1);
  EXPECT_FALSE(f.view->GetElemChecked(2, 1));
}

TEST(ReportListViewChecks, BulkOperationsRespectDisabledRows) {
  ViewFixture f(2, 5);
  f.view->SetColCheckMode(2, zeb::cmBox);
  f.view->SetRowEnabled(2, false);
  f.view->SetAllCheckmarksOfCol(2, true, true);
  EXPECT_EQ(f.view->Data()->CountCheckedElemsInCol(2), 4);
  EXPECT_EQ(f.view->CountCheckedElemsInCol(2), 4);
  f.view->SetElemChecked(2, 2, true);
  EXPECT_EQ(f.view->CountCheckedElemsInCol(2), 4) << "disabled rows are not counted";
  f.view->InvertAllCheckmarksOfCol(2, true);
  EXPECT_EQ(f.view->Data()->CountCheckedElemsInCol(2), 1);
  f.view->InvertAllCheckmarksOfCol(2);
  EXPECT_EQ(f.view->Data()->CountCheckedElemsInCol(2), 4);
}

// ---- sorting by header click -----------------------------------------------------------------

TEST(ReportListViewHeaderSort, ClicksAlternateDirectionAndSelectionFollows) {
  ViewFixture f(3, 10);
  f.Click(0, 3);  // "r3c1"
  f.host.Click(30, 10);
  EXPECT_EQ(f.view->Data()->SortColumn(), 1);
  EXPECT_FALSE(f.view->Data()->SortAscending()) << "the first click sorts descending";
  // Descending texts: r9c1 ... r2c1, r1c1, r10c1.
  EXPECT_EQ(f.view->GetElem(1, 1), "r9c1");
  EXPECT_EQ(f.view->GetElem(1, 7), "r3c1");
  EXPECT_EQ(f.view->Row() - f.view->FixedRows() + 1, 7) << "the current row follows its record";
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{7}));
  f.host.Click(64 + 30, 10);
  EXPECT_EQ(f.view->Data()->SortColumn(), 2);
  EXPECT_TRUE(f.view->Data()->SortAscending());
  EXPECT_EQ(f.view->GetElem(2, 1), "r10c2");
  EXPECT_EQ(f.view->GetElem(2, 4), "r3c2");
  EXPECT_EQ(f.view->Row() - f.view->FixedRows() + 1, 4);
}

TEST(ReportListViewHeaderSort, ClicksNearABorderOrWhenDisabledDoNotSort) {
  ViewFixture f(3, 5);
  for (int x : {64 + 3, 127 - 3}) {
    f.host.Click(x, 10);
    EXPECT_EQ(f.view->Data()->SortColumn(), -1) << x;
  }
  f.view->SetSortEnabled(false);
  f.host.Click(96, 10);
  EXPECT_EQ(f.view->Data()->SortColumn(), -1);
  f.view->SetSortEnabled(true);
  f.host.Click(96, 10);
  EXPECT_EQ(f.view->Data()->SortColumn(), 2);
}

TEST(ReportListViewHeaderSort, TheHourglassShowsWhileSorting) {
  ViewFixture f(3, 5);
  f.host.CursorLog().clear();
  f.host.Click(96, 10);
  const auto& log = f.host.CursorLog();
  EXPECT_NE(std::find(log.begin(), log.end(), fw::crHourGlass), log.end());
}

// ---- double click on a header border -------------------------------------------------------

TEST(ReportListViewFit, DoubleClickOnABorderFitsTheColumnLeftOfIt) {
  ViewFixture f(3, 10);
  int dbl = 0;
  f.view->OnDblClick = [&](fw::TObject*) { ++dbl; };
  // Widest text of column 2 is "r10c2": 30 px, + 10.
  f.host.DblClick(128 + 2, 10);
  EXPECT_EQ(f.view->ColWidths(1), 40);
  EXPECT_EQ(f.view->ColWidths(2), 64);
  EXPECT_EQ(dbl, 0);
  // Right edge of column 3 (at most 4 px from it) fits column 3.
  f.host.DblClick(40 + 64 + 60, 10);
  EXPECT_EQ(f.view->ColWidths(2), 40);
  // The middle of a header does nothing and raises nothing.
  f.host.DblClick(20, 10);
  EXPECT_EQ(f.view->ColWidths(0), 64);
  EXPECT_EQ(dbl, 0);
  // Data cells raise OnDblClick.
  f.host.DblClick(20, 40);
  EXPECT_EQ(dbl, 1);
}

TEST(ReportListViewFit, ColumnWidthsFollowTheContent) {
  ViewFixture f(3, 4);
  f.view->SetElem(1, 2, "a rather long text");  // 18 characters
  f.view->SetColName(2, "A long column name");  // 18 characters
  EXPECT_EQ(f.view->DetermineMaxColWidth(1, false), 18 * 6 + 10);
  EXPECT_EQ(f.view->DetermineMaxColWidth(2, false), 4 * 6 + 10);
  EXPECT_EQ(f.view->DetermineMaxColWidth(2, true), 18 * 6 + 10);
  EXPECT_EQ(f.view->DetermineMaxColWidth(4, true), 0);
  f.view->SetColCheckMode(3, zeb::cmBox);
  EXPECT_EQ(f.view->DetermineMaxColWidth(3, false), 5 * 6 + 16 + 10) << "flag and box";
  f.view->AutoColWidth(1, false, 100, 5);
  EXPECT_EQ(f.view->GetColWidths(1), 100);
  f.view->AutoColWidth(1, false, 5);
  EXPECT_EQ(f.view->GetColWidths(1), 123);
  // Fit all, column 2 takes the rest of the 400 px.
  f.view->FitAllColWidths(2, false, 10, 1000, 0);
  EXPECT_EQ(f.view->GetColWidths(1), 118);
  EXPECT_EQ(f.view->GetColWidths(3), 56);
  EXPECT_EQ(f.view->GetColWidths(2), 400 - 10 - 118 - 56);
  // Bold cells measure bold.
  f.view->OnBeforeRenderCell = [](fw::TObject*, int, int r, fw::TColor&, fw::TColor&, fw::TColor&,
                                  fw::TFontStyles& s, std::string& t) {
    if (r == 1) t = "wider text of 25 letters.";
    s = {};
  };
  EXPECT_EQ(f.view->DetermineMaxColWidth(1, false), 25 * 6 + 10);
}

TEST(ReportListViewFit, ExpandLeavesRoomForTheBorder) {
  ViewFixture f(2, 3);
  f.view->SetBorderStyle(fw::bsSingle);
  f.view->SetColWidths(1, 100);
  f.view->ExpandColWidth(2, 0);
  EXPECT_EQ(f.view->GetColWidths(2), 400 - 4 - 100);
  f.view->ExpandColWidth(2, 390);
  EXPECT_EQ(f.view->GetColWidths(2), 16) << "at least 16";
}

// ---- keyboard and wheel ------------------------------------------------------------------------

TEST(ReportListViewKeys, CursorKeysSelectTheRowTheyMoveTo) {
  ViewFixture f;
  std::vector<uint16_t> keys;
  f.view->OnCursorKeyAction = [&](fw::TObject*, uint16_t k) { keys.push_back(k); };
  f.Click(0, 4);
  f.host.PressKey(fw::VK_DOWN);
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{5}));
  f.host.PressKey(fw::VK_UP);
  f.host.PressKey(fw::VK_UP);
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{3}));
  f.host.PressKey(fw::VK_END);
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{10}));
  f.host.PressKey('A');
  EXPECT_EQ(keys, (std::vector<uint16_t>{fw::VK_DOWN, fw::VK_UP, fw::VK_UP, fw::VK_END}));
}

TEST(ReportListViewKeys, CursorKeysLeaveTheShiftAnchorAlone) {
  ViewFixture f;
  f.view->SetRowSelectMode(2);
  f.Click(0, 2);
  f.host.PressKey(fw::VK_DOWN);
  f.host.PressKey(fw::VK_DOWN);
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{4}));
  f.Click(0, 6, {fw::ssShift});
  // The range runs from the last plain click (row 2) and takes row 2's state (unselected).
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{}));
  f.Click(0, 5, {fw::ssCtrl});
  f.Click(0, 7, {fw::ssShift});
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{5, 6, 7}));
}

TEST(ReportListViewKeys, AutoAdvanceMovesDownOnEnter) {
  ViewFixture f;
  f.Click(0, 4);
  f.host.KeyPress(U'\r');
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{4})) << "off by default";
  f.view->SetAutoAdvance(true);
  f.host.KeyPress(U'\r');
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{5}));
  f.host.KeyPress(U'x');
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{5}));
}

TEST(ReportListViewKeys, WheelRaisesItsEventsAndNeverMovesTheSelection) {
  ViewFixture f(3, 50);
  f.Click(0, 2);
  int downs = 0, ups = 0;
  bool handle = true;
  f.view->OnMouseWheelDown = [&](fw::TObject*, fw::TShiftState, fw::TPoint, bool& h) {
    ++downs;
    h = handle;
  };
  f.view->OnMouseWheelUp = [&](fw::TObject*, fw::TShiftState, fw::TPoint, bool& h) {
    ++ups;
    h = handle;
  };
  f.host.Wheel(100, 100, -120);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(f.view->TopRow(), 1) << "handled by the application";
  handle = false;
  f.host.Wheel(100, 100, -120);
  EXPECT_EQ(f.view->TopRow(), 4) << "unhandled turns scroll";
  f.host.Wheel(100, 100, 120);
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(f.view->TopRow(), 1);
  EXPECT_EQ(f.view->GetSelectedRows(), (TIntArray{2}));
}

}  // namespace
