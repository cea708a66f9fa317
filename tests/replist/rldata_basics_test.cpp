// TRLData basics: a new store, sizes and their clamping, column names and formats with their
// length limits, cell texts cut by characters, out-of-range access, and the class record.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "framework/base/registry_check.h"
#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"
#include "rldata_test_support.h"

namespace {

using zeb::TRLData;

TEST(RLDataBasics, NewStoreDefaults) {
  TRLData store(nullptr);
  EXPECT_EQ(store.NrOfColumns(), 1);
  EXPECT_EQ(store.NrOfRows(), 0);
  EXPECT_EQ(store.GetColName(1), "C-1");
  EXPECT_EQ(store.GetColumnFormat(1), "");
  EXPECT_EQ(store.GetColCheckMode(1), zeb::cmNone);
  EXPECT_EQ(store.CommonHeader(), "ZEB Report Listview");
  EXPECT_EQ(store.SortColumn(), -1);
  EXPECT_EQ(store.SortColumnSec(), -1);
  EXPECT_TRUE(store.SortAscending());
  EXPECT_TRUE(store.HeaderClickAscending());
  EXPECT_EQ(store.Comment(), "");
  EXPECT_EQ(store.DataID(), "");
}

TEST(RLDataBasics, SizesAreClamped) {
  TRLData store(nullptr);
  for (int cols : {0, -3}) {
    store.SetNrCols(cols);
    EXPECT_EQ(store.NrOfColumns(), 1) << cols;
  }
  store.SetNrRows(-5);
  EXPECT_EQ(store.NrOfRows(), 0);
  store.SetNrRows(7);
  EXPECT_EQ(store.NrOfRows(), 7);
  EXPECT_EQ(store.GetNrRows(), 7);
}

TEST(RLDataBasics, GrowingNamesOnlyNewColumnsAndShrinkingDropsTheirTables) {
  TRLData store(nullptr);
  store.SetNrCols(2);
  store.SetColName(1, "Alpha");
  store.SetColName(2, "Beta");
  store.SetColumnFormat(2, "[i]");
  store.SetColCheckMode(2, zeb::cmBox);
  store.SetNrCols(4);
  EXPECT_EQ(store.GetColName(1), "Alpha");
  EXPECT_EQ(store.GetColName(2), "Beta");
  EXPECT_EQ(store.GetColName(3), "C-3");
  EXPECT_EQ(store.GetColName(4), "C-4");
  EXPECT_EQ(store.GetColumnFormat(2), "[i]");
  EXPECT_EQ(store.GetColCheckMode(2), zeb::cmBox);
  EXPECT_EQ(store.GetColCheckMode(4), zeb::cmNone);
  store.SetNrCols(1);
  store.SetNrCols(2);
  EXPECT_EQ(store.GetColName(2), "C-2");
  EXPECT_EQ(store.GetColumnFormat(2), "");
  EXPECT_EQ(store.GetColCheckMode(2), zeb::cmNone);
}

TEST(RLDataBasics, RowsAddedAfterEmptyingStartBlankAndUnmarked) {
  auto store = rltest::MakeStore({{"a", "b"}, {"x", "y"}});
  store->SetColCheckMode(2, zeb::cmBox);
  store->SetElemChecked(2, 1, true);
  store->Matrix()->SetRowAttrib(1, zeb::kRowSelected);
  store->SetNrRows(0);
  store->SetNrRows(2);
  EXPECT_EQ(rltest::Column(*store, 1), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(rltest::Column(*store, 2), (std::vector<std::string>{"", ""}));
  EXPECT_FALSE(store->GetElemChecked(2, 1));
  EXPECT_EQ(store->Matrix()->GetRowAttrib(1), 0);
}

// Limits count characters; "ä" takes two bytes, so a byte cut would split it.
struct CutCase {
  const char* what;
  std::size_t limit;
};

TEST(RLDataBasics, NamesFormatsAndCellsAreCutByCharacters) {
  TRLData store(nullptr);
  store.SetNrCols(2);
  store.SetNrRows(1);
  store.SetColCheckMode(2, zeb::cmBox);
  std::string longText;
  for (int i = 0; i < 300; ++i) longText += "ä";
  store.SetColName(1, longText);
  store.SetColumnFormat(1, longText);
  store.SetElem(1, 1, longText);
  store.SetElem(2, 1, longText);
  const CutCase cases[] = {{"name", 50}, {"format", 80}, {"plain cell", 255}, {"check cell", 254}};
  const std::string results[] = {store.GetColName(1), store.GetColumnFormat(1), store.GetElem(1, 1),
                                 store.GetElem(2, 1)};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(fw::Length(results[i]), cases[i].limit) << cases[i].what;
    EXPECT_EQ(results[i], fw::Copy(longText, 1, static_cast<long long>(cases[i].limit)))
        << cases[i].what;
  }
  EXPECT_EQ(fw::Length(store.Matrix()->GetElem(2, 1)), 255u);
}

TEST(RLDataBasics, OutOfRangeAccessIsNeutral) {
  auto store = rltest::MakeStore({{"a"}, {"b"}});
  const int badCols[] = {-1, 3};
  const int badRows[] = {0, 2, -1};
  for (int c : badCols) {
    store->SetElem(c, 1, "z");
    EXPECT_EQ(store->GetElem(c, 1), "");
    store->SetColName(c, "n");
    EXPECT_EQ(store->GetColName(c), "");
    store->SetColumnFormat(c, "[i]");
    EXPECT_EQ(store->GetColumnFormat(c), "");
    store->SetColCheckMode(c, zeb::cmBox);
    EXPECT_EQ(store->GetColCheckMode(c), zeb::cmNone);
    EXPECT_FALSE(store->GetElemChecked(c, 1));
  }
  for (int r : badRows) {
    store->SetElem(1, r, "z");
    EXPECT_EQ(store->GetElem(1, r), "");
  }
  EXPECT_EQ(store->GetColName(0), "");
  EXPECT_EQ(rltest::Column(*store, 1), std::vector<std::string>{"a"});
  EXPECT_EQ(rltest::Column(*store, 2), std::vector<std::string>{"b"});
}

TEST(RLDataBasics, ColumnZeroIsAPlainTextColumn) {
  auto store = rltest::MakeStore({{"a"}});
  store->SetElem(0, 1, "key");
  EXPECT_EQ(store->GetElem(0, 1), "key");
  store->SetColCheckMode(0, zeb::cmBox);
  store->SetElemChecked(0, 1, true);
  EXPECT_EQ(store->Matrix()->GetElem(0, 1), "key");
}

TEST(RLDataBasics, CommonHeaderAndPlainState) {
  TRLData store(nullptr);
  store.SetCommonHeader("Orders");
  EXPECT_EQ(store.CommonHeader(), "Orders");
  store.SetComment("note");
  store.SetDataID("list-7");
  EXPECT_EQ(store.Comment(), "note");
  EXPECT_EQ(store.DataID(), "list-7");
}

TEST(RLDataBasics, ClassRecordAgreesWithTheClass) {
  EXPECT_EQ(fw::testing::CheckRegisteredClass("TRLData"), std::vector<std::string>{});
  const auto all = fw::testing::CheckRegisteredClasses();
  for (const std::string& line : all) EXPECT_EQ(line.find("TRLData"), std::string::npos) << line;
}

}  // namespace

namespace {

// Sizes far beyond any machine's memory (hundreds of gigabytes of cell offsets).
TEST(RLDataBasics, ResizeFailuresLeaveTheSizesAlone) {
  zeb::TRLData store(nullptr);
  store.SetName("List1");
  store.SetNrCols(30);
  store.SetNrRows(40);
  store.SetElem(30, 40, "last");
  try {
    store.SetNrRows(std::numeric_limits<int>::max());
    ADD_FAILURE() << "no error for an impossible row count";
  } catch (const zeb::EZEBRLDataError& e) {
    EXPECT_NE(std::string(e.what()).find("Component \"List1\""), std::string::npos) << e.what();
  }
  EXPECT_EQ(store.NrOfRows(), 40);
  EXPECT_THROW(store.SetNrCols(std::numeric_limits<int>::max()), zeb::EZEBRLDataError);
  EXPECT_EQ(store.NrOfColumns(), 30);
  EXPECT_EQ(store.GetColName(30), "C-30");
  EXPECT_EQ(store.GetElem(30, 40), "last");
}

}  // namespace
