// TDataTable structure: Resize keeping cells, insert, remove and mirror moving headings and
// states with their cells, and the notifications each operation fires.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "companion/ZEB_datatable.h"
#include "tests/companion_numkit/table_recorder.h"

namespace zeb {
namespace {

using test::FillPattern;
using test::PatternState;
using test::PatternValue;
using test::TableRecorder;

// Checks that new cell (c, r) holds the pattern of old cell (srcCol(c), srcRow(r)), or a
// fresh cell where either is 0, and that the headings came along.
void ExpectMoved(const TDataTable& table, const std::function<int(int)>& srcCol,
                 const std::function<int(int)>& srcRow) {
  for (int c = 1; c <= table.NrOfColumns(); ++c) {
    const int sc = srcCol(c);
    EXPECT_EQ(table.GetColName(c), sc ? "C" + std::to_string(sc) : "") << "column " << c;
    EXPECT_EQ(table.GetColAttrib(c), sc) << "column " << c;
    for (int r = 1; r <= table.NrOfRows(); ++r) {
      const int sr = srcRow(r);
      const bool old = sc != 0 && sr != 0;
      EXPECT_EQ(table.GetElem(c, r), old ? PatternValue(sc, sr) : 0.0) << c << "," << r;
      EXPECT_EQ(table.GetCellState(c, r), old ? PatternState(sc, sr) : 0) << c << "," << r;
    }
  }
  for (int r = 1; r <= table.NrOfRows(); ++r) {
    const int sr = srcRow(r);
    EXPECT_EQ(table.GetRowName(r), sr ? "R" + std::to_string(sr) : "") << "row " << r;
    EXPECT_EQ(table.GetRowAttrib(r), sr ? 100 + sr : 0) << "row " << r;
  }
}

std::function<int(int)> Keep(int oldCount) {
  return [oldCount](int i) { return i <= oldCount ? i : 0; };
}
int Same(int i) {
  return i;
}

TEST(DataTableResize, KeepsCellsAndReportsOldAndNewSize) {
  const struct {
    int cols, rows;
  } sizes[] = {{5, 6}, {2, 3}, {5, 4}, {2, 4}, {3, 7}, {3, 1}, {0, 4}, {3, 0}, {8, 2}};
  for (const auto& s : sizes) {
    TDataTable table(nullptr);
    FillPattern(table, 3, 4);
    TableRecorder rec(table);
    table.Resize(s.cols, s.rows);
    ASSERT_EQ(table.NrOfColumns(), s.cols);
    ASSERT_EQ(table.NrOfRows(), s.rows);
    ExpectMoved(table, Keep(3), Keep(4));
    const std::string resize =
        "resize 3x4->" + std::to_string(s.cols) + "x" + std::to_string(s.rows);
    EXPECT_EQ(rec.Events(), (std::vector<std::string>{resize, "setup"}));
  }
}

TEST(DataTableResize, SameSizeChangesNothingAndFiresNothing) {
  TDataTable table(nullptr);
  FillPattern(table, 3, 4);
  TableRecorder rec(table);
  table.Resize(3, 4);
  EXPECT_TRUE(rec.Log().empty());
  ExpectMoved(table, Same, Same);
}

TEST(DataTableResize, ImpossibleSizesRaiseAndLeaveTheTableAlone) {
  const struct {
    int cols, rows;
  } sizes[] = {{-1, 4}, {3, -1}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {1 << 20, 1 << 20}};
  for (const auto& s : sizes) {
    TDataTable table(nullptr);
    FillPattern(table, 3, 4);
    TableRecorder rec(table);
    EXPECT_THROW(table.Resize(s.cols, s.rows), EZEBDataTableError) << s.cols << "x" << s.rows;
    EXPECT_THROW(table.Resize(s.cols, s.rows), EZEBError);
    EXPECT_EQ(table.NrOfColumns(), 3);
    EXPECT_EQ(table.NrOfRows(), 4);
    ExpectMoved(table, Same, Same);
    EXPECT_TRUE(rec.Log().empty());
  }
}

TEST(DataTableInsert, RowsMoveDownWithNamesAttributesAndStates) {
  for (int at : {1, 2, 4, 5}) {
    TDataTable table(nullptr);
    FillPattern(table, 3, 4);
    TableRecorder rec(table);
    table.InsertRow(at);
    ASSERT_EQ(table.NrOfRows(), 5);
    ExpectMoved(table, Same, [at](int r) { return r < at ? r : (r == at ? 0 : r - 1); });
    EXPECT_EQ(rec.Events(), (std::vector<std::string>{"resize 3x4->3x5", "setup", "data"}));
  }
}

TEST(DataTableInsert, ColumnsMoveRightWithHeadingsScaleTypesAndNominalNames) {
  for (int at : {1, 3, 4}) {
    TDataTable table(nullptr);
    FillPattern(table, 3, 4);
    table.SetMScaleType(3, stNominal);
    table.SetNominalID(3, 9, "nine");
    TableRecorder rec(table);
    table.InsertColumn(at);
    ASSERT_EQ(table.NrOfColumns(), 4);
    const auto src = [at](int c) { return c < at ? c : (c == at ? 0 : c - 1); };
    ExpectMoved(table, src, Same);
    const int moved = at <= 3 ? 4 : 3;
    EXPECT_EQ(table.GetMScaleType(moved), stNominal);
    EXPECT_EQ(table.GetNominalID(moved, 9), "nine");
    EXPECT_EQ(table.GetMScaleType(at), stUndefined);
    EXPECT_EQ(rec.Events(), (std::vector<std::string>{"resize 3x4->4x4", "setup", "data"}));
  }
}

TEST(DataTableInsert, IndicesOutsideOneToCountPlusOneAreIgnored) {
  TDataTable table(nullptr);
  FillPattern(table, 3, 4);
  TableRecorder rec(table);
  for (int at : {0, -1, 6, 100}) table.InsertRow(at);
  for (int at : {0, -1, 5, 100}) table.InsertColumn(at);
  EXPECT_TRUE(rec.Log().empty());
  ExpectMoved(table, Same, Same);
}

TEST(DataTableInsert, IntoAnEmptyTable) {
  TDataTable table(nullptr);
  table.Resize(2, 0);
  table.InsertRow(1);
  EXPECT_EQ(table.NrOfRows(), 1);
  EXPECT_EQ(table.GetElem(2, 1), 0.0);
  TDataTable none(nullptr);
  none.InsertColumn(1);
  EXPECT_EQ(none.NrOfColumns(), 1);
  EXPECT_EQ(none.NrOfRows(), 0);
}

TEST(DataTableRemove, RowsAndColumnsLeaveWithTheirHeadingsAndStates) {
  for (int at : {1, 2, 4}) {
    TDataTable table(nullptr);
    FillPattern(table, 3, 4);
    TableRecorder rec(table);
    table.RemoveRow(at);
    ASSERT_EQ(table.NrOfRows(), 3);
    ExpectMoved(table, Same, [at](int r) { return r < at ? r : r + 1; });
    EXPECT_EQ(rec.Events(), (std::vector<std::string>{"resize 3x4->3x3", "setup", "data"}));
  }
  for (int at : {1, 2, 3}) {
    TDataTable table(nullptr);
    FillPattern(table, 3, 4);
    table.SetMScaleType(3, stOrdinal);
    TableRecorder rec(table);
    table.RemoveColumn(at);
    ASSERT_EQ(table.NrOfColumns(), 2);
    ExpectMoved(
        table, [at](int c) { return c < at ? c : c + 1; }, Same);
    EXPECT_EQ(table.GetMScaleType(2), at == 3 ? stUndefined : stOrdinal);
    EXPECT_EQ(rec.Events(), (std::vector<std::string>{"resize 3x4->2x4", "setup", "data"}));
  }
}

TEST(DataTableRemove, IndicesOutsideTheTableAreIgnoredAndTheLastCanGo) {
  TDataTable table(nullptr);
  FillPattern(table, 3, 4);
  TableRecorder rec(table);
  for (int at : {0, -2, 5}) table.RemoveRow(at);
  for (int at : {0, -2, 4}) table.RemoveColumn(at);
  EXPECT_TRUE(rec.Log().empty());
  TDataTable one(nullptr);
  one.Resize(1, 1);
  one.RemoveRow(1);
  EXPECT_EQ(one.NrOfRows(), 0);
  one.RemoveRow(1);
  EXPECT_EQ(one.NrOfRows(), 0);
}

TEST(DataTableMirror, ReversesOrderWithHeadingsAndStates) {
  for (int cols : {1, 3, 4}) {
    TDataTable table(nullptr);
    FillPattern(table, cols, 5);
    table.SetMScaleType(1, stNominal);
    TableRecorder rec(table);
    table.MirrorColumns();
    ExpectMoved(
        table, [cols](int c) { return cols + 1 - c; }, Same);
    EXPECT_EQ(table.GetMScaleType(cols), stNominal);
    EXPECT_EQ(rec.Events(), std::vector<std::string>{"data"});
  }
  for (int rows : {1, 4, 5}) {
    TDataTable table(nullptr);
    FillPattern(table, 3, rows);
    TableRecorder rec(table);
    table.MirrorRows();
    ExpectMoved(table, Same, [rows](int r) { return rows + 1 - r; });
    EXPECT_EQ(rec.Events(), std::vector<std::string>{"data"});
  }
}

TEST(DataTableProgress, LongOperationsReportRisingPercentagesEndingAtHundred) {
  TDataTable table(nullptr);
  table.Resize(200, 50);
  table.SetPercentDoneThreshold(5000);
  TableRecorder rec(table);
  const std::vector<std::function<void()>> operations = {
      [&] { table.InvertCellStates(csMarkA); },
      [&] { table.InsertRow(1); },
      [&] { table.Fill(1.0); },
      [&] { table.MirrorRows(); },
      [&] { table.Resize(201, 50); },
      [&] { table.SortRows(1, true, 1, 1, 201, 51, true); }};
  for (std::size_t i = 0; i < operations.size(); ++i) {
    SCOPED_TRACE("operation " + std::to_string(i));
    table.SetElem(1, table.NrOfRows(), -1.0);  // gives the sort something to move
    rec.Reset();
    operations[i]();
    const std::vector<int> percents = rec.Percents();
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.front(), 0);
    EXPECT_EQ(percents.back(), 100);
    for (std::size_t i = 1; i < percents.size(); ++i) EXPECT_GT(percents[i], percents[i - 1]);
  }
}

TEST(DataTableProgress, GrowingFromEmptyAndShrinkingToEmptyReport) {
  TDataTable table(nullptr);
  table.SetPercentDoneThreshold(1000);
  TableRecorder rec(table);
  table.Resize(100, 100);
  EXPECT_EQ(rec.Percents(), (std::vector<int>{0, 100}));  // one block of new columns
  rec.Reset();
  table.Resize(0, 0);
  EXPECT_EQ(rec.Percents().back(), 100);
}

TEST(DataTableProgress, AHandlerThatRaisesGetsItsErrorOnceTheTableIsWhole) {
  for (int raiseAt : {0, 50, 100}) {
    SCOPED_TRACE(raiseAt);
    TDataTable table(nullptr);
    FillPattern(table, 40, 30);
    table.SetPercentDoneThreshold(100);
    std::vector<int> seen;
    table.OnPercentDone = [&](fw::TObject*, int percent) {
      seen.push_back(percent);
      if (percent >= raiseAt) throw EZEBError("stop");
    };
    EXPECT_THROW(table.InsertRow(2), EZEBError);
    // Reporting stopped at the first failure.
    ASSERT_FALSE(seen.empty());
    EXPECT_GE(seen.back(), raiseAt);
    for (std::size_t i = 0; i + 1 < seen.size(); ++i) EXPECT_LT(seen[i], raiseAt);
    ASSERT_EQ(table.NrOfRows(), 31);
    ExpectMoved(table, Same, [](int r) { return r < 2 ? r : (r == 2 ? 0 : r - 1); });
  }
}

TEST(DataTableProgress, SmallOperationsStayQuiet) {
  TDataTable table(nullptr);
  table.Resize(200, 50);  // 10000 cells, below the initial threshold
  TableRecorder rec(table);
  table.InvertCellStates(csMarkA);
  table.InsertRow(1);
  EXPECT_TRUE(rec.Percents().empty());
}

}  // namespace
}  // namespace zeb
