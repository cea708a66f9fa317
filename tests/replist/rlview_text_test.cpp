// Report list view file and text exchange: reads through the view fit the grid to the list
// they bring and notify once; writes, clipboard copies and exports pass the view's data and
// its HTML hook through.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/clipboard.h"
#include "replist/ZEB_replist.h"
#include "rltext_test_support.h"
#include "rlview_fixture.h"

namespace {

using rltest::ViewFixture;

// A list of `cols` columns and `rows` rows with cells "<c>.<r>", written through a store.
std::string XmlList(int cols, int rows) {
  zeb::TRLData store(nullptr);
  store.SetNrCols(cols);
  store.SetNrRows(rows);
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c)
      store.SetElem(c, r, std::to_string(c) + "." + std::to_string(r));
  rltest::ScratchDir dir;
  store.SaveAsXMLFile(dir.File("l.xml"), "t");
  return rltest::ReadFile(dir.File("l.xml"));
}

struct Counts {
  int changes = 0, setups = 0;
};
void Count(zeb::TReportListView& v, Counts& n) {
  v.OnChange = [&n](fw::TObject*) { ++n.changes; };
  v.OnChangeSetup = [&n](fw::TObject*) { ++n.setups; };
}

TEST(ReportListViewText, ReadingFitsTheGridToTheNewList) {
  struct Case {
    int cols, rows;
  };
  for (const Case c : {Case{5, 2}, Case{2, 7}, Case{3, 10}}) {
    ViewFixture f(3, 30);
    f.view->SetColWidths(3, 90);
    f.view->SetColAlignment(2, zeb::taRightJustify);
    f.view->SetTopRow(4);
    Counts n;
    Count(*f.view, n);
    f.view->ReadFromXMLString(XmlList(c.cols, c.rows), "t");
    EXPECT_EQ(f.view->ColCount(), c.cols);
    EXPECT_EQ(f.view->RowCount(), c.rows + 1);
    EXPECT_EQ(f.view->TopRow(), 1);
    EXPECT_EQ(f.view->GetElem(c.cols, c.rows),
              std::to_string(c.cols) + "." + std::to_string(c.rows));
    EXPECT_EQ(f.view->GetColAlignment(2), zeb::taRightJustify) << "a column that stays";
    EXPECT_EQ(f.view->GetColAlignment(c.cols),
              c.cols == 2 ? zeb::taRightJustify : zeb::taLeftJustify);
    for (int col = 1; col <= c.cols; ++col) EXPECT_EQ(f.view->GetColOrder(col), col);
    if (c.cols > 3) {
      EXPECT_EQ(f.view->GetColWidths(c.cols), 90) << "former last width";
    }
    EXPECT_EQ(n.changes, 1);
    EXPECT_EQ(n.setups, 1);
  }
}

// A store the program filled itself is shown without a copy, fitted like a list read in.
TEST(ReportListViewText, TakingOverAStoreFitsTheGridLikeARead) {
  ViewFixture f(3, 30);
  f.view->SetColAlignment(2, zeb::taRightJustify);
  zeb::TRLData* own = f.view->Data();
  zeb::TRLData filled(nullptr);
  filled.SetNrCols(5);
  for (int r = 1; r <= 4; ++r) {
    const int row = filled.AddRow();
    for (int c = 1; c <= 5; ++c) filled.SetElem(c, row, "x");
  }
  filled.SetElem(5, 4, "last");
  filled.SetColName(5, "Fifth");
  Counts n;
  Count(*f.view, n);
  f.view->TakeOverData(filled);
  EXPECT_EQ(f.view->Data(), own) << "the view keeps its own store object";
  EXPECT_EQ(f.view->ColCount(), 5);
  EXPECT_EQ(f.view->RowCount(), 5);
  EXPECT_EQ(f.view->GetElem(5, 4), "last");
  EXPECT_EQ(f.view->GetColName(5), "Fifth");
  EXPECT_EQ(f.view->GetColAlignment(2), zeb::taRightJustify) << "a column that stays";
  EXPECT_EQ(n.changes, 1);
  EXPECT_EQ(n.setups, 1);
  EXPECT_EQ(filled.NrOfRows(), 0);
  EXPECT_EQ(filled.NrOfColumns(), 1);
  f.view->TakeOverData(*f.view->Data());  // its own store: nothing happens
  EXPECT_EQ(f.view->GetElem(5, 4), "last");
}

TEST(ReportListViewText, ReadingRepaintsOnceAndKeepsTheCellNotifications) {
  ViewFixture f(3, 10);
  const fw::TPoint row3 = ViewFixture::Background(ViewFixture::DataCell(0, 3));
  const fw::TColor shaded = fw::ColorToRGB(f.view->ColorBkgdShaded());
  EXPECT_EQ(f.Pixel(row3), shaded);
  f.view->ReadFromXMLString(XmlList(3, 2), "t");
  EXPECT_NE(f.Pixel(row3), shaded) << "the third row is gone from the screen";
  int changes = 0;
  f.view->OnChange = [&](fw::TObject*) { ++changes; };
  f.view->SetElem(1, 1, "again");
  EXPECT_EQ(changes, 1);
}

TEST(ReportListViewText, AFailedReadChangesNothing) {
  ViewFixture f(3, 30);
  Counts n;
  Count(*f.view, n);
  f.view->SetTopRow(3);
  EXPECT_THROW(f.view->ReadFromXMLString(XmlList(2, 2), "other"), zeb::EZEBRLDataError);
  EXPECT_THROW(f.view->ReadFromXMLString("<replist family=\"zebworks\" id=\"t\">\n<x>", "t"),
               zeb::EZEBRLDataError);
  EXPECT_EQ(f.view->ColCount(), 3);
  EXPECT_EQ(f.view->NrOfRows(), 30);
  EXPECT_EQ(f.view->TopRow(), 3);
  EXPECT_EQ(f.view->GetElem(2, 2), "r2c2");
  EXPECT_EQ(n.changes + n.setups, 0);
  EXPECT_FALSE(f.view->SuppressPaint());
}

TEST(ReportListViewText, FilesRoundTripThroughViews) {
  rltest::ScratchDir dir;
  ViewFixture a(3, 4), b(1, 1);
  a.view->SetElem(2, 3, "mid, \"quoted\"");
  a.view->SaveAsXMLFile(dir.File("a.xml"), "x");
  b.view->LoadFromXMLFile(dir.File("a.xml"), "x");
  EXPECT_EQ(b.view->ColCount(), 3);
  EXPECT_EQ(b.view->GetElem(2, 3), "mid, \"quoted\"");

  a.view->ExportCSV(dir.File("a.csv"), zeb::csvComma, true, false);
  ViewFixture c(1, 1);
  c.view->ImportCSV(dir.File("a.csv"), zeb::csvAuto, true);
  EXPECT_EQ(c.view->ColCount(), 3);
  EXPECT_EQ(c.view->RowCount(), 5);
  EXPECT_EQ(c.view->GetElem(2, 3), "mid, \"quoted\"");
  EXPECT_EQ(c.view->GetColName(3), "C-3");
}

TEST(ReportListViewText, LoadedLinesGrowTheGrid) {
  rltest::ScratchDir dir;
  rltest::WriteFile(dir.File("l.txt"), "one\ntwo\nthree\n");
  ViewFixture f(2, 3);
  int setups = 0;
  f.view->OnChangeSetup = [&](fw::TObject*) { ++setups; };
  f.view->LoadLinesFromFile(2, 2, dir.File("l.txt"));
  EXPECT_EQ(f.view->NrOfRows(), 4);
  EXPECT_EQ(f.view->RowCount(), 5);
  EXPECT_EQ(f.view->GetElem(2, 4), "three");
  EXPECT_EQ(setups, 1);
}

TEST(ReportListViewText, ClipboardCopiesTheViewsCells) {
  ViewFixture f(3, 3);
  f.view->SetColName(1, "A");
  f.view->SetColName(2, "B");
  f.view->CopyToClipBoard(1, 1, 2, 2, true, true);
  EXPECT_EQ(fw::Clipboard()->AsText(), "A\tB\n\nr1c1\tr1c2\nr2c1\tr2c2\n");
  f.view->CopyToClipBoard(2, 3, 3, 3, false, std::string("; "));
  EXPECT_EQ(fw::Clipboard()->AsText(), "r3c2; r3c3\n");
  f.view->CopyToClipBoard(1, 1, 1, 1, false, false);
  EXPECT_EQ(fw::Clipboard()->AsText(), "r1c1 \n");
}

TEST(ReportListViewText, HtmlExportAsksTheViewForEachCell) {
  rltest::ScratchDir dir;
  ViewFixture f(2, 2);
  std::vector<std::string> seen;
  f.view->OnBeforeHTMLExport = [&](fw::TObject* sender, std::string& text, int col, int row) {
    EXPECT_EQ(sender, f.view);
    seen.push_back(std::to_string(col) + "," + std::to_string(row));
    if (row == 2) text = "swapped<" + std::to_string(col) + ">";
  };
  f.view->ExportHTMLTable(dir.File("t.html"), 1, 1, 2, 2, {}, 1, 2, 0, false, "T", "", "");
  EXPECT_EQ(seen, (std::vector<std::string>{"1,1", "2,1", "1,2", "2,2"}));
  const std::string html = rltest::ReadFile(dir.File("t.html"));
  EXPECT_NE(html.find("swapped&lt;2&gt;"), std::string::npos);
  EXPECT_EQ(html.find("r2c2"), std::string::npos);
}

}  // namespace
