// Report list view structure and data: sizes and the grid built from them, inserting and
// removing rows and columns with their return values and the sort state, filling, clearing,
// column order, copying between views, forwarded data calls, notifications and the class
// record.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "framework/base/registry_check.h"
#include "replist/ZEB_replist.h"
#include "rltext_test_support.h"
#include "rlview_fixture.h"

namespace {

using rltest::ViewFixture;
using zeb::TIntArray;
using zeb::TReportListView;

std::vector<std::string> Column(TReportListView& v, int col) {
  std::vector<std::string> texts;
  for (int r = 1; r <= v.NrOfRows(); ++r) texts.push_back(v.GetElem(col, r));
  return texts;
}

TEST(ReportListViewStructure, RowCountsRebuildTheGrid) {
  ViewFixture f(3, 4);
  int setups = 0;
  f.view->OnChangeSetup = [&](fw::TObject*) { ++setups; };
  f.view->SetNrRows(7);
  EXPECT_EQ(f.view->RowCount(), 8);
  f.view->SetNrRows(0);
  EXPECT_EQ(f.view->RowCount(), 2);
  EXPECT_EQ(f.view->FixedRows(), 1);
  f.view->SetColumnHeadersVisible(false);
  EXPECT_EQ(f.view->FixedRows(), 0);
  EXPECT_EQ(f.view->RowCount(), 1);
  f.view->SetNrRows(-3);
  EXPECT_EQ(f.view->NrOfRows(), 0);
  EXPECT_EQ(setups, 3);
}

TEST(ReportListViewStructure, HeaderRowsComingAndGoingKeepTheTopRow) {
  ViewFixture f(3, 50);
  f.view->SetTopRow(20);
  f.view->SetCommonHeaderVisible(true);
  EXPECT_EQ(f.view->TopRow(), 20);
  f.view->SetColumnHeadersVisible(false);
  f.view->SetCommonHeaderVisible(false);
  EXPECT_EQ(f.view->TopRow(), 20);
  f.view->SetFixedFirstColumn(true);
  f.view->SetFixedFirstColumn(false);
  EXPECT_EQ(f.view->LeftCol(), 1);
}

TEST(ReportListViewStructure, NewColumnsTakeTheLastWidthAndResetTheOrder) {
  ViewFixture f(3, 2);
  f.view->SetColWidths(3, 90);
  const std::array<int, 3> order{3, 1, 2};
  EXPECT_TRUE(f.view->SetColumnOrder(order));
  f.view->SetColAlignment(2, zeb::taCenter);
  f.view->SetNrCols(5);
  EXPECT_EQ(f.view->ColCount(), 5);
  EXPECT_EQ(f.view->ColWidths(3), 90);
  EXPECT_EQ(f.view->ColWidths(4), 90);
  EXPECT_EQ(f.view->GetColOrder(1), 1);
  EXPECT_EQ(f.view->GetColOrder(5), 5);
  EXPECT_EQ(f.view->GetColAlignment(2), zeb::taCenter);
  EXPECT_EQ(f.view->GetColAlignment(5), zeb::taLeftJustify);
}

TEST(ReportListViewStructure, ColumnOrderMapsGridColumnsToDataColumns) {
  ViewFixture f(3, 2);
  const std::array<int, 2> tooShort{1, 2};
  EXPECT_FALSE(f.view->SetColumnOrder(tooShort));
  EXPECT_EQ(f.view->GetColOrder(1), 1);
  const std::array<int, 3> bad{2, 9, 1};
  EXPECT_FALSE(f.view->SetColumnOrder(bad)) << "an entry out of range is skipped";
  EXPECT_EQ(f.view->GetColOrder(1), 2);
  EXPECT_EQ(f.view->GetColOrder(2), 2);
  EXPECT_EQ(f.view->GetColOrder(3), 1);
  const std::array<int, 3> order{3, 1, 2};
  EXPECT_TRUE(f.view->SetColumnOrder(order));
  f.view->Invalidate();
  // Grid column 0 now shows data column 3.
  EXPECT_EQ(f.InkColumns(ViewFixture::DataCell(0, 1), 0x002000), rltest::TextInk("r1c3", 4));
  EXPECT_EQ(f.view->GetColOrder(4), 0);
}

TEST(ReportListViewStructure, InsertRowReturnsItsRowAndClearsTheSortState) {
  ViewFixture f(2, 4);
  f.view->Sort(1, -1, false);
  const std::vector<std::string> sorted = Column(*f.view, 1);
  EXPECT_EQ(f.view->InsertRow(0), 0);
  EXPECT_EQ(f.view->Data()->SortColumn(), -1);
  EXPECT_EQ(Column(*f.view, 1), sorted) << "rows stay where they are";
  EXPECT_EQ(f.view->InsertRow(2), 2);
  EXPECT_EQ(f.view->NrOfRows(), 5);
  EXPECT_EQ(f.view->RowCount(), 6);
  EXPECT_EQ(f.view->GetElem(1, 2), "");
  EXPECT_EQ(f.view->GetElem(1, 3), sorted[1]);
  EXPECT_EQ(f.view->InsertRow(f.view->NrOfRows() + 5), 6);
  EXPECT_EQ(f.view->NrOfRows(), 6);
  EXPECT_EQ(f.view->AddRow(), 7);
}

TEST(ReportListViewStructure, InsertColumnMovesTheViewSettings) {
  ViewFixture f(3, 2);
  f.view->SetColAlignment(2, zeb::taRightJustify);
  f.view->SetColumnIsPwd(3, true);
  f.view->SetColumnEditable(2, true);
  f.view->SetColWidths(2, 80);
  EXPECT_EQ(f.view->InsertColumn(2), 2);
  EXPECT_EQ(f.view->NrOfColumns(), 4);
  EXPECT_EQ(f.view->ColCount(), 4);
  EXPECT_EQ(f.view->GetColAlignment(2), zeb::taLeftJustify);
  EXPECT_FALSE(f.view->GetColumnEditable(2));
  EXPECT_EQ(f.view->GetColAlignment(3), zeb::taRightJustify);
  EXPECT_TRUE(f.view->GetColumnEditable(3));
  EXPECT_TRUE(f.view->GetColumnIsPwd(4));
  EXPECT_EQ(f.view->ColWidths(2), 80) << "the width moved with its column";
  EXPECT_EQ(f.view->GetElem(3, 1), "r1c2");
  EXPECT_EQ(f.view->InsertColumn(0), 0);
  EXPECT_EQ(f.view->InsertColumn(99), 5);
  EXPECT_EQ(f.view->NrOfColumns(), 5);
}

TEST(ReportListViewStructure, RemovingRowsAndColumns) {
  ViewFixture f(3, 5);
  f.view->SetColAlignment(3, zeb::taCenter);
  f.view->RemoveColumn(2);
  EXPECT_EQ(f.view->NrOfColumns(), 2);
  EXPECT_EQ(f.view->ColCount(), 2);
  EXPECT_EQ(f.view->GetColAlignment(2), zeb::taCenter);
  EXPECT_EQ(f.view->GetElem(2, 1), "r1c3");
  f.view->RemoveRow(2);
  EXPECT_EQ(Column(*f.view, 1), (std::vector<std::string>{"r1c1", "r3c1", "r4c1", "r5c1"}));
  EXPECT_EQ(f.view->RowCount(), 5);
  f.view->RemoveRow(9);
  EXPECT_EQ(f.view->NrOfRows(), 4);
  // The only column and the only row.
  ViewFixture g(1, 1);
  g.view->RemoveRow(1);
  EXPECT_EQ(g.view->NrOfRows(), 0);
  EXPECT_EQ(g.view->RowCount(), 2);
  g.view->RemoveColumn(1);
  EXPECT_EQ(g.view->NrOfColumns(), 0);
  EXPECT_EQ(g.view->ColCount(), 1);
}

TEST(ReportListViewStructure, RemoveSelectedAndEmptyRows) {
  ViewFixture f(2, 5);
  f.view->SetRowSelectMode(2);
  f.view->SetSelectedRows({2, 4});
  int selectionChanges = 0;
  f.view->OnSelectedChange = [&](fw::TObject*) { ++selectionChanges; };
  f.view->RemoveSelectedRows();
  EXPECT_EQ(Column(*f.view, 1), (std::vector<std::string>{"r1c1", "r3c1", "r5c1"}));
  EXPECT_EQ(f.view->NumSelectedRows(), 0);
  EXPECT_EQ(selectionChanges, 1);
  f.view->SetElem(1, 2, "");
  f.view->SetElem(2, 2, "");
  f.view->RemoveEmptyRows();
  EXPECT_EQ(Column(*f.view, 1), (std::vector<std::string>{"r1c1", "r5c1"}));
  EXPECT_EQ(f.view->RowCount(), 3);
  f.view->SelectAllRows();
  f.view->RemoveSelectedRows();
  EXPECT_EQ(f.view->NrOfRows(), 0);
}

TEST(ReportListViewStructure, RemoveSelectedRowsKeepsOtherRowsAttributes) {
  ViewFixture f(1, 4);
  f.view->Sort(1, -1, false);  // r4 r3 r2 r1
  f.view->SetRowSelect(2, true);
  f.view->SetRowEnabled(3, false);
  f.view->SetColCheckMode(1, zeb::cmBox);
  f.view->SetElemChecked(1, 4, true);
  f.view->RemoveSelectedRows();
  EXPECT_EQ(Column(*f.view, 1), (std::vector<std::string>{"r4c1", "r2c1", "r1c1"}));
  EXPECT_FALSE(f.view->GetRowEnabled(2));
  EXPECT_TRUE(f.view->GetElemChecked(1, 3));
}

TEST(ReportListViewStructure, FillAndClear) {
  ViewFixture f(2, 3);
  int changes = 0;
  f.view->OnChange = [&](fw::TObject*) { ++changes; };
  f.view->SetColCheckMode(2, zeb::cmBox);
  f.view->SetElemChecked(2, 1, true);
  changes = 0;
  f.view->Fill("x");
  EXPECT_EQ(Column(*f.view, 1), (std::vector<std::string>{"x", "x", "x"}));
  EXPECT_TRUE(f.view->GetElemChecked(2, 1));
  EXPECT_EQ(changes, 1) << "one notification for the whole fill";
  f.view->SetColAlignment(1, zeb::taCenter);
  f.view->SetColumnIsPwd(2, true);
  f.view->SetColName(1, "Name");
  f.view->Clear();
  EXPECT_EQ(f.view->GetElem(1, 1), "");
  EXPECT_EQ(f.view->GetColName(1), "C-1");
  EXPECT_EQ(f.view->GetColAlignment(1), zeb::taLeftJustify);
  EXPECT_FALSE(f.view->GetColumnIsPwd(2));
  EXPECT_EQ(f.view->NrOfRows(), 3);
}

TEST(ReportListViewData, ForwardedCallsAndNotifications) {
  ViewFixture f(2, 3);
  int changes = 0, setups = 0;
  f.view->OnChange = [&](fw::TObject*) { ++changes; };
  f.view->OnChangeSetup = [&](fw::TObject*) { ++setups; };
  f.view->SetElem(1, 1, "new");
  EXPECT_EQ(changes, 1);
  f.view->SetColName(2, "Two");
  f.view->SetColName(7, "ignored");
  EXPECT_EQ(changes, 2);
  f.view->SetCommonHeader("Title");
  f.view->SetCommonHeader("Title");
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(f.view->Data()->CommonHeader(), "Title");
  f.view->SetColorText(fw::clRed);
  f.view->SetColorText(fw::clRed);
  EXPECT_EQ(setups, 2) << "colours report every setting";
  f.view->OnReadCell = [](fw::TObject*, int c, int r, std::string& t) {
    if (c == 1 && r == 2) t = "replaced";
  };
  EXPECT_EQ(f.view->GetElem(1, 2), "replaced");
  EXPECT_EQ(f.view->Data()->GetElem(1, 2), "r2c1");
  f.view->SetComment("note");
  f.view->SetDataID("id");
  EXPECT_EQ(f.view->GetComment(), "note");
  EXPECT_EQ(f.view->GetDataID(), "id");
  EXPECT_EQ(f.view->ColumnIndex("two", false), 2);
}

TEST(ReportListViewData, NumbersNameTheViewInErrors) {
  ViewFixture f(2, 6);
  f.view->SetElem(2, 5, "12a");
  f.view->SetElem(2, 4, " 3,5 ");
  EXPECT_DOUBLE_EQ(f.view->GetAsNumber(2, 4), 3.5);
  try {
    f.view->GetAsNumber(2, 5);
    FAIL() << "no error";
  } catch (const zeb::EZEBDStructError& e) {
    EXPECT_STREQ(e.what(), "Class TReportListView: invalid numeric string: [2,5]: 12a");
  }
}

TEST(ReportListViewData, SortAndUnSortKeepTheRecordedState) {
  ViewFixture f(2, 3);
  f.view->Sort(1, 2, false, false);
  EXPECT_FALSE(f.view->Data()->SortAscendingSec());
  f.view->Sort(2, 1, true);
  EXPECT_EQ(f.view->Data()->SortColumn(), 2);
  EXPECT_EQ(f.view->Data()->SortColumnSec(), 1);
  EXPECT_FALSE(f.view->Data()->SortAscendingSec()) << "the secondary direction stays";
  f.view->UnSort();
  EXPECT_EQ(f.view->Data()->SortColumn(), -1);
  EXPECT_EQ(Column(*f.view, 1), (std::vector<std::string>{"r1c1", "r2c1", "r3c1"}));
}

TEST(ReportListViewData, AssignCopiesSettingsTablesAndData) {
  ViewFixture f(3, 4);
  f.view->SetColorHigh(fw::clRed);
  f.view->SetRowSelectMode(2);
  f.view->SetCommonHeaderVisible(true);
  f.view->SetFixedFirstColumn(true);
  f.view->SetColAlignment(2, zeb::taCenter);
  f.view->SetColumnIsPwd(3, true);
  f.view->Sort(1, -1, false);
  int sortEvents = 0;
  TReportListView copy(nullptr);
  copy.OnBeforeSortExchange = [&](fw::TObject* s, const std::string&, std::string&) {
    EXPECT_EQ(s, &copy);
    ++sortEvents;
  };
  copy.Assign(f.view);
  EXPECT_EQ(copy.ColorHigh(), fw::clRed);
  EXPECT_EQ(copy.RowSelectMode(), 2);
  EXPECT_EQ(copy.FixedRows(), 2);
  EXPECT_EQ(copy.FixedCols(), 1);
  EXPECT_EQ(copy.ColCount(), 3);
  EXPECT_EQ(copy.RowCount(), 6);
  EXPECT_EQ(copy.GetColAlignment(2), zeb::taCenter);
  EXPECT_TRUE(copy.GetColumnIsPwd(3));
  EXPECT_EQ(Column(copy, 1), Column(*f.view, 1));
  EXPECT_EQ(copy.Data()->SortColumn(), 1);
  // The copy's own sort events reach the copy's handlers, not the source view's.
  copy.OnBeforeSortExchange = f.view->OnBeforeSortExchange;
  copy.OnBeforeSortExchange = [&](fw::TObject* s, const std::string&, std::string&) {
    EXPECT_EQ(s, &copy);
    ++sortEvents;
  };
  copy.Sort(2, -1, true);
  EXPECT_EQ(sortEvents, 4);
}

// A store changed behind the view's back (through Data()) must not make the view read past
// its column tables.
TEST(ReportListViewData, AStoreResizedDirectlyIsDrawnSafely) {
  ViewFixture f(2, 3);
  f.view->Data()->SetNrCols(6);
  f.view->SetColAlignment(5, zeb::taCenter);
  f.view->SetColumnIsPwd(6, true);
  f.view->SetColumnEditable(6, true);
  EXPECT_EQ(f.view->GetColAlignment(5), zeb::taLeftJustify);
  f.view->ExpandColWidth(5, 0);
  f.view->FitAllColWidths(6, true, 0, 100, 0);
  f.view->Invalidate();
  f.host.ProcessMessages();
  f.view->SetNrCols(6);
  f.view->SetColAlignment(5, zeb::taCenter);
  EXPECT_EQ(f.view->GetColAlignment(5), zeb::taCenter);
}

TEST(ReportListViewRegistry, ClassRecordAgreesWithANewView) {
  EXPECT_EQ(fw::testing::CheckRegisteredClass("TReportListView"), std::vector<std::string>{});
}

// Methods taking a list of integers accept it braced at the call site.
TEST(ReportListViewStructure, ListArgumentsTakeBracedLists) {
  ViewFixture f(3, 4);
  ASSERT_TRUE(f.view->SetColumnOrder({3, 1, 2}));
  EXPECT_EQ(f.view->GetColOrder(1), 3);
  f.view->FilterAndSort("r2c", {1, 2}, false, zeb::fmSimple, 1, true);
  EXPECT_TRUE(f.view->GetRowEnabled(1));  // the matching row sorts first
  EXPECT_FALSE(f.view->GetRowEnabled(4));
  rltest::ScratchDir dir;
  f.view->ExportHTMLTable(dir.File("t.html"), 1, 1, 2, 2, {40, 60}, 1, 2, 0, true, "T", "", "");
  EXPECT_NE(rltest::ReadFile(dir.File("t.html")).find("60"), std::string::npos);
  f.view->Data()->ExportHTMLTable(dir.File("d.html"), 1, 1, 2, 2, {40, 60}, 1, 2, 0, true, "T", "",
                                  "");
  EXPECT_NE(rltest::ReadFile(dir.File("d.html")).find("60"), std::string::npos);
}

}  // namespace
