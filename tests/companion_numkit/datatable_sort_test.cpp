// TDataTable sorting: rows and columns ordered by one column or row, states and headings
// following, and exchange notifications that let a listener follow the moves.
#include <gtest/gtest.h>

#include <numeric>
#include <sstream>

#include "companion/ZEB_datatable.h"
#include "tests/companion_numkit/table_recorder.h"

namespace zeb {
namespace {

using test::TableRecorder;

// A 3-column table: column 1 holds the keys, column 2 the original row number, column 3 the
// row number again with the state set to the row number; rows named "R<n>".
TDataTable* MakeKeyed(TDataTable& table, const std::vector<double>& keys) {
  table.Resize(3, int(keys.size()));
  for (int r = 1; r <= int(keys.size()); ++r) {
    table.SetElem(1, r, keys[r - 1]);
    table.SetElem(2, r, r);
    table.SetElem(3, r, r);
    table.SetCellState(3, r, uint8_t(r));
    table.SetRowName(r, "R" + std::to_string(r));
    table.SetRowAttrib(r, r);
  }
  return &table;
}

std::vector<int> RowOrder(const TDataTable& table) {
  std::vector<int> order;
  for (int r = 1; r <= table.NrOfRows(); ++r) order.push_back(int(table.GetElem(2, r)));
  return order;
}

TEST(DataTableSort, RowsAscendingAndDescendingStableWithStatesFollowing) {
  const std::vector<double> keys = {5, -1, 3, 5, 0.5, -1};
  const struct {
    bool ascending;
    std::vector<int> order;
  } cases[] = {{true, {2, 6, 5, 3, 1, 4}}, {false, {1, 4, 3, 5, 2, 6}}};
  for (const auto& c : cases) {
    TDataTable table(nullptr);
    MakeKeyed(table, keys);
    table.SortRows(1, c.ascending, 1, 1, 3, 6, true);
    EXPECT_EQ(RowOrder(table), c.order);
    for (int r = 1; r <= 6; ++r) {
      const int from = c.order[r - 1];
      EXPECT_EQ(table.GetElem(1, r), keys[from - 1]);
      EXPECT_EQ(table.GetElem(3, r), from);
      EXPECT_EQ(table.GetCellState(3, r), from);
      EXPECT_EQ(table.GetRowName(r), "R" + std::to_string(from));
      EXPECT_EQ(table.GetRowAttrib(r), from);
    }
  }
}

TEST(DataTableSort, CellsThatAreNotNumbersGoLast) {
  TDataTable table(nullptr);
  MakeKeyed(table, {3, 1, 2, 0});
  table.SetCellState(1, 2, csUndefined);
  table.SetCellState(1, 4, csEmpty);
  table.SortRows(1, true, 1, 1, 3, 4, true);
  EXPECT_EQ(RowOrder(table), (std::vector<int>{3, 1, 2, 4}));
  table.SortRows(1, false, 1, 1, 3, 4, true);
  EXPECT_EQ(RowOrder(table), (std::vector<int>{1, 3, 2, 4}));
}

TEST(DataTableSort, HeadingsStayWhenAskedAndCellsOutsideTheRangeStay) {
  TDataTable table(nullptr);
  MakeKeyed(table, {4, 3, 2, 1});
  table.SortRows(1, true, 1, 2, 2, 4, false);  // rows 2..4, columns 1..2
  EXPECT_EQ(RowOrder(table), (std::vector<int>{1, 4, 3, 2}));
  for (int r = 1; r <= 4; ++r) {
    EXPECT_EQ(table.GetElem(3, r), r);  // column 3 outside the range
    EXPECT_EQ(table.GetRowName(r), "R" + std::to_string(r));
  }
}

TEST(DataTableSort, ExchangeNotificationsReplayToTheFinalOrder) {
  TDataTable table(nullptr);
  MakeKeyed(table, {9, 2, 7, 4, 4, 1, 8});
  TableRecorder rec(table);
  std::vector<int> shadow(8);
  std::iota(shadow.begin(), shadow.end(), 0);
  int exchanges = 0;
  table.OnSortExchange = [&](fw::TObject* sender, uint8_t kind, int i1, int i2, int first,
                             int last) {
    EXPECT_EQ(sender, &table);
    EXPECT_EQ(kind, xkRows);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 3);
    std::swap(shadow[i1], shadow[i2]);
    ++exchanges;
  };
  table.SortRows(1, true, 1, 1, 3, 7, true);
  EXPECT_GT(exchanges, 0);
  EXPECT_EQ(std::vector<int>(shadow.begin() + 1, shadow.end()), RowOrder(table));
  EXPECT_EQ(rec.Events(), std::vector<std::string>{"data"});
}

TEST(DataTableSort, ColumnsByARowReportKindColumns) {
  TDataTable table(nullptr);
  table.Resize(4, 2);
  const double keys[] = {3, 1, 4, 2};
  for (int c = 1; c <= 4; ++c) {
    table.SetElem(c, 1, keys[c - 1]);
    table.SetElem(c, 2, c);
    table.SetColName(c, "C" + std::to_string(c));
  }
  table.SetMScaleType(3, stNominal);
  std::vector<int> shadow = {0, 1, 2, 3, 4};
  table.OnSortExchange = [&](fw::TObject*, uint8_t kind, int i1, int i2, int first, int last) {
    EXPECT_EQ(kind, xkColumns);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 2);
    std::swap(shadow[i1], shadow[i2]);
  };
  table.SortCols(1, false, 1, 1, 4, 2, true);
  const std::vector<int> expected = {3, 1, 4, 2};
  for (int c = 1; c <= 4; ++c) {
    EXPECT_EQ(table.GetElem(c, 2), expected[c - 1]);
    EXPECT_EQ(table.GetColName(c), "C" + std::to_string(expected[c - 1]));
    EXPECT_EQ(shadow[c], expected[c - 1]);
  }
  EXPECT_EQ(table.GetMScaleType(1), stNominal);  // column 3 had the largest key
}

TEST(DataTableSort, SortedOrEmptyRangesFireNothing) {
  TDataTable table(nullptr);
  MakeKeyed(table, {1, 2, 3});
  TableRecorder rec(table);
  table.SortRows(1, true, 1, 1, 3, 3, true);  // already in order
  table.SortRows(1, true, 1, 3, 3, 1, true);  // empty range
  table.SortRows(5, true, 1, 1, 3, 3, true);  // key column outside
  table.SortRows(3, true, 1, 1, 2, 3, true);  // key column outside the moved columns
  table.SortCols(9, true, 1, 1, 3, 3, true);
  EXPECT_TRUE(rec.Log().empty());
}

TEST(DataTableSort, RowsByAttributesAndNamesTakeTheirHeadingsAlong) {
  TDataTable table(nullptr);
  MakeKeyed(table, {0, 0, 0, 0});
  const int attribs[] = {30, 10, 30, 20};
  const char* names[] = {"beta", "Alpha", "alpha", "Gamma"};
  for (int r = 1; r <= 4; ++r) {
    table.SetRowAttrib(r, attribs[r - 1]);
    table.SetRowName(r, names[r - 1]);
  }
  const auto namesNow = [&] {
    std::vector<std::string> out;
    for (int r = 1; r <= 4; ++r) out.push_back(table.GetRowName(r));
    return out;
  };
  table.SortRowAttributes(true, 1, 1, 3, 4);
  EXPECT_EQ(RowOrder(table), (std::vector<int>{2, 4, 1, 3}));
  EXPECT_EQ(table.GetRowAttrib(1), 10);
  table.SortRowAttributes(false, 1, 1, 3, 4);
  EXPECT_EQ(RowOrder(table), (std::vector<int>{1, 3, 4, 2}));  // equal keys keep their order
  table.SortRowNames(true, 1, 1, 3, 4);                        // code point order: upper case first
  EXPECT_EQ(namesNow(), (std::vector<std::string>{"Alpha", "Gamma", "alpha", "beta"}));
  table.SortRowNames(true, true, 1, 1, 3, 4);
  EXPECT_EQ(namesNow(), (std::vector<std::string>{"Alpha", "alpha", "beta", "Gamma"}));
  EXPECT_EQ(table.GetElem(2, 2), 3);  // the cells came along with "alpha"
}

TEST(DataTableSort, ColumnsByAttributesAndNames) {
  TDataTable table(nullptr);
  table.Resize(3, 1);
  const char* names[] = {"c", "a", "b"};
  for (int c = 1; c <= 3; ++c) {
    table.SetColName(c, names[c - 1]);
    table.SetColAttrib(c, 10 - c);
    table.SetElem(c, 1, c);
  }
  table.SortColNames(true, 1, 1, 3, 1);
  EXPECT_EQ(table.GetColName(1), "a");
  EXPECT_EQ(table.GetElem(1, 1), 2);
  table.SortColAttributes(true, 1, 1, 3, 1);
  for (int c = 1; c <= 3; ++c) EXPECT_EQ(table.GetElem(c, 1), 4 - c);
}

TEST(DataTableLookup, FindsNamesWithoutRegardToCase) {
  TDataTable table(nullptr);
  table.Resize(3, 2);
  table.SetColName(2, "Weight");
  table.SetColName(3, "weight");
  table.SetRowName(2, std::string(50, 'x'));
  EXPECT_EQ(table.FindColIndex("WEIGHT"), 2);
  EXPECT_EQ(table.FindColIndex("height"), 0);
  EXPECT_EQ(table.FindRowIndex(std::string(60, 'x')), 2);  // compared as a cut name
  EXPECT_EQ(table.FindRowIndex(""), 1);                    // row 1 has the empty name
}

}  // namespace
}  // namespace zeb
