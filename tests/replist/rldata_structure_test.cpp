// TRLData structure: rows and columns inserted and removed with their names, formats, check
// modes and marks, empty rows, copying rows, filling and clearing, sorting by two keys with
// UnSort, copying whole stores, and the relayed events.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "replist/ZEB_replist.h"
#include "rldata_test_support.h"

namespace {

using Texts = std::vector<std::string>;
using zeb::cmBox;
using zeb::cmNone;
using zeb::cmRadio;

std::unique_ptr<zeb::TRLData> ThreeColumns() {
  auto store = rltest::MakeStore({{"a1", "a2"}, {"b1", "b2"}, {"c1", "c2"}});
  for (int c = 1; c <= 3; ++c) {
    store->SetColName(c, std::string("N") + char('0' + c));
    store->SetColumnFormat(c, "[i][" + std::to_string(c) + "]");
  }
  store->SetColCheckMode(2, cmBox);
  store->SetElemChecked(2, 2, true);
  return store;
}

TEST(RLDataStructure, InsertColumnShiftsTablesAndCells) {
  auto store = ThreeColumns();
  store->InsertColumn(2);
  ASSERT_EQ(store->NrOfColumns(), 4);
  const Texts names{"N1", "", "N2", "N3"};
  const Texts formats{"[i][1]", "", "[i][2]", "[i][3]"};
  const zeb::TCheckMode modes[] = {cmNone, cmNone, cmBox, cmNone};
  for (int c = 1; c <= 4; ++c) {
    EXPECT_EQ(store->GetColName(c), names[c - 1]) << c;
    EXPECT_EQ(store->GetColumnFormat(c), formats[c - 1]) << c;
    EXPECT_EQ(store->GetColCheckMode(c), modes[c - 1]) << c;
  }
  EXPECT_EQ(rltest::Column(*store, 2), (Texts{"", ""}));
  EXPECT_EQ(rltest::Column(*store, 3), (Texts{"b1", "b2"}));
  EXPECT_TRUE(store->GetElemChecked(3, 2));
  store->InsertColumn(5);  // appending is SetNrCols' job
  store->InsertColumn(0);
  EXPECT_EQ(store->NrOfColumns(), 4);
}

TEST(RLDataStructure, RemoveColumnShiftsTablesAndCells) {
  auto store = ThreeColumns();
  store->RemoveColumn(1);
  ASSERT_EQ(store->NrOfColumns(), 2);
  EXPECT_EQ(store->GetColName(1), "N2");
  EXPECT_EQ(store->GetColumnFormat(2), "[i][3]");
  EXPECT_EQ(store->GetColCheckMode(1), cmBox);
  EXPECT_TRUE(store->GetElemChecked(1, 2));
  EXPECT_EQ(rltest::Column(*store, 2), (Texts{"c1", "c2"}));
  store->RemoveColumn(3);
  EXPECT_EQ(store->NrOfColumns(), 2);
}

TEST(RLDataStructure, RemovingTheOnlyColumnLeavesAListWithoutColumns) {
  auto store = rltest::MakeStore({{"x", "y"}});
  store->SetElem(0, 1, "key");
  store->RemoveColumn(1);
  EXPECT_EQ(store->NrOfColumns(), 0);
  EXPECT_EQ(store->GetColName(1), "");
  EXPECT_EQ(store->GetElem(1, 1), "");
  EXPECT_EQ(store->GetElem(0, 1), "key");
  store->SetNrCols(2);
  EXPECT_EQ(store->GetColName(1), "C-1");
  EXPECT_EQ(rltest::Column(*store, 1), (Texts{"", ""}));
}

TEST(RLDataStructure, InsertAndRemoveRowsMoveCellsMarksAndAttributes) {
  auto store = rltest::MakeStore({{"r1", "r2", "r3"}, {"x", "y", "z"}});
  store->SetColCheckMode(2, cmBox);
  store->SetElemChecked(2, 3, true);
  store->Matrix()->SetRowAttrib(3, zeb::kRowDisabled);
  store->InsertRow(2);
  EXPECT_EQ(rltest::Column(*store, 1), (Texts{"r1", "", "r2", "r3"}));
  EXPECT_EQ(store->FirstCheckedElemInCol(2), 4);
  EXPECT_EQ(store->Matrix()->GetRowAttrib(4), zeb::kRowDisabled);
  store->RemoveRow(1);
  EXPECT_EQ(rltest::Column(*store, 1), (Texts{"", "r2", "r3"}));
  EXPECT_EQ(store->FirstCheckedElemInCol(2), 3);
  store->InsertRow(4);
  store->RemoveRow(0);
  EXPECT_EQ(store->NrOfRows(), 3);
}

TEST(RLDataStructure, RemovingTheOnlyRowLeavesNoRows) {
  auto store = rltest::MakeStore({{"only"}});
  store->Matrix()->SetRowAttrib(1, zeb::kRowSelected);
  store->RemoveRow(1);
  EXPECT_EQ(store->NrOfRows(), 0);
  store->SetNrRows(1);
  EXPECT_EQ(store->GetElem(1, 1), "");
  EXPECT_EQ(store->Matrix()->GetRowAttrib(1), 0);
}

TEST(RLDataStructure, RemoveEmptyRowsCountsAFlagAloneAsEmpty) {
  auto store = rltest::MakeStore({{"", "a", "", ""}, {"", "", "", "b"}});
  store->SetColCheckMode(1, cmBox);
  store->SetElemChecked(1, 3, true);  // only a mark
  store->SetElem(0, 1, "key");        // column 0 counts too
  store->RemoveEmptyRows();
  EXPECT_EQ(store->NrOfRows(), 3);
  EXPECT_EQ(store->GetElem(0, 1), "key");
  EXPECT_EQ(rltest::Column(*store, 1), (Texts{"", "a", ""}));
  EXPECT_EQ(rltest::Column(*store, 2), (Texts{"", "", "b"}));
}

// A sorted order becomes permanent only when rows actually go: with none to remove, UnSort
// still brings back the order from before the sort.
TEST(RLDataStructure, RemoveEmptyRowsCommitsTheSortOnlyWhenItRemoves) {
  for (const bool withEmptyRow : {false, true}) {
    auto store = rltest::MakeStore({{"c", "a", "b"}});
    if (withEmptyRow) store->InsertRow(2);
    store->Sort(1, -1, true);
    store->RemoveEmptyRows();
    store->UnSort();
    EXPECT_EQ(rltest::Column(*store, 1),
              withEmptyRow ? (Texts{"a", "b", "c"}) : (Texts{"c", "a", "b"}))
        << withEmptyRow;
  }
}

TEST(RLDataStructure, CopyRowMovesStoredCellsAndAttribute) {
  auto store = rltest::MakeStore({{"a", "b"}, {"c", "d"}});
  store->SetColCheckMode(2, cmBox);
  store->SetElemChecked(2, 1, true);
  store->SetElem(0, 1, "k");
  store->Matrix()->SetRowAttrib(1, zeb::kRowSelected);
  store->CopyRow(1, 2);
  EXPECT_EQ(store->GetElem(0, 2), "k");
  EXPECT_EQ(store->GetElem(1, 2), "a");
  EXPECT_TRUE(store->GetElemChecked(2, 2));
  EXPECT_EQ(store->Matrix()->GetRowAttrib(2), zeb::kRowSelected);
  store->CopyRow(1, 3);
  EXPECT_EQ(store->NrOfRows(), 2);
}

TEST(RLDataStructure, FillKeepsFlagsAndClearResetsTables) {
  auto store = ThreeColumns();
  store->Fill("f");
  EXPECT_EQ(rltest::StoredColumn(*store, 2), (Texts{" f", "Xf"}));
  EXPECT_EQ(rltest::Column(*store, 3), (Texts{"f", "f"}));
  store->SetCommonHeader("H");
  store->Sort(1, -1, false);
  store->Clear();
  EXPECT_EQ(store->NrOfColumns(), 3);
  EXPECT_EQ(store->NrOfRows(), 2);
  EXPECT_EQ(store->GetColName(2), "C-2");
  EXPECT_EQ(store->GetColumnFormat(1), "");
  EXPECT_EQ(store->GetColCheckMode(2), cmNone);
  EXPECT_EQ(rltest::Column(*store, 1), (Texts{"", ""}));
  EXPECT_EQ(store->CommonHeader(), "H");
  EXPECT_EQ(store->SortColumn(), 1);
}

TEST(RLDataStructure, TwoKeySortIsStableAndUnSortRestores) {
  const Texts keys{"b", "a", "b", "a", "b"};
  const Texts second{"2", "2", "1", "1", "2"};
  const Texts ids{"1", "2", "3", "4", "5"};
  auto store = rltest::MakeStore({keys, second, ids});
  store->Sort(1, 2, true);
  EXPECT_EQ(rltest::Column(*store, 3), (Texts{"4", "2", "3", "1", "5"}));
  EXPECT_EQ(store->SortColumn(), 1);
  EXPECT_EQ(store->SortColumnSec(), 2);
  EXPECT_TRUE(store->SortAscendingSec());
  store->Sort(1, 2, false, false);
  EXPECT_EQ(rltest::Column(*store, 3), (Texts{"1", "5", "3", "2", "4"}));
  EXPECT_FALSE(store->SortAscending());
  EXPECT_FALSE(store->SortAscendingSec());
  store->UnSort();
  EXPECT_EQ(rltest::Column(*store, 3), ids);
  EXPECT_EQ(store->SortColumn(), -1);
  EXPECT_EQ(store->SortColumnSec(), -1);
}

TEST(RLDataStructure, StructuralChangesMakeTheSortedOrderPermanent) {
  auto store = rltest::MakeStore({{"c", "a", "b"}});
  store->Sort(1, -1, true);
  store->InsertRow(1);
  store->UnSort();
  EXPECT_EQ(rltest::Column(*store, 1), (Texts{"", "a", "b", "c"}));
}

TEST(RLDataStructure, SortRelaysEventsWithTheStoreAsSender) {
  auto store = rltest::MakeStore({{"March", "January", "February"}});
  const Texts order{"January", "February", "March"};
  std::vector<fw::TObject*> senders;
  store->OnBeforeSortExchange = [&](fw::TObject* sender, const std::string& s1, std::string& s2) {
    senders.push_back(sender);
    for (std::size_t i = 0; i < order.size(); ++i)
      if (order[i] == s1) s2 = std::to_string(i);
  };
  std::vector<int> percents;
  store->OnPercentDone = [&](fw::TObject* sender, int percent) {
    EXPECT_EQ(sender, store.get());
    percents.push_back(percent);
  };
  store->Sort(1, -1, true);
  EXPECT_EQ(rltest::Column(*store, 1), order);
  ASSERT_EQ(senders.size(), 3u);
  for (fw::TObject* sender : senders) EXPECT_EQ(sender, store.get());
  ASSERT_FALSE(percents.empty());
  EXPECT_EQ(percents.back(), 100);
}

TEST(RLDataStructure, AssignReproducesVisibleOrderStateAndTables) {
  auto source = ThreeColumns();
  source->SetNrRows(4);
  source->SetElem(1, 3, "a0");
  source->SetElem(1, 4, "a3");
  source->Matrix()->SetRowAttrib(2, zeb::kRowDisabled);
  source->SetComment("c");
  source->SetDataID("id");
  source->SetCommonHeader("head");
  source->SetHeaderClickAscending(false);
  source->Sort(1, 3, false, false);
  zeb::TRLData copy(nullptr);
  copy.SetNrCols(7);
  copy.Assign(source.get());
  ASSERT_EQ(copy.NrOfColumns(), 3);
  ASSERT_EQ(copy.NrOfRows(), 4);
  for (int c = 0; c <= 3; ++c) {
    EXPECT_EQ(rltest::StoredColumn(copy, c), rltest::StoredColumn(*source, c)) << c;
    EXPECT_EQ(copy.GetColName(c), source->GetColName(c));
    EXPECT_EQ(copy.GetColumnFormat(c), source->GetColumnFormat(c));
    EXPECT_EQ(copy.GetColCheckMode(c), source->GetColCheckMode(c));
  }
  for (int r = 1; r <= 4; ++r)
    EXPECT_EQ(copy.Matrix()->GetRowAttrib(r), source->Matrix()->GetRowAttrib(r)) << r;
  EXPECT_EQ(copy.SortColumn(), 1);
  EXPECT_EQ(copy.SortColumnSec(), 3);
  EXPECT_FALSE(copy.SortAscending());
  EXPECT_FALSE(copy.SortAscendingSec());
  EXPECT_FALSE(copy.HeaderClickAscending());
  EXPECT_EQ(copy.Comment(), "c");
  EXPECT_EQ(copy.DataID(), "id");
  EXPECT_EQ(copy.CommonHeader(), "head");
  source->UnSort();
  copy.UnSort();
  EXPECT_EQ(rltest::Column(copy, 1), rltest::Column(*source, 1));
}

TEST(RLDataStructure, AssignKeepsTheMatrixAndItsHandlers) {
  auto source = rltest::MakeStore({{"x"}});
  zeb::TRLData copy(nullptr);
  zeb::TStringArray* matrix = copy.Matrix();
  int changes = 0;
  matrix->OnChange = [&changes](fw::TObject*) { ++changes; };
  source->AssignTo(&copy);
  EXPECT_EQ(copy.Matrix(), matrix);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(copy.GetElem(1, 1), "x");
  copy.Assign(&copy);
  EXPECT_EQ(copy.GetElem(1, 1), "x");
}

TEST(RLDataStructure, AssignFromAnotherClassFails) {
  zeb::TRLData store(nullptr);
  zeb::TStringArray other(nullptr);
  EXPECT_THROW(store.Assign(&other), fw::Exception);
  EXPECT_THROW(store.Assign(nullptr), fw::Exception);
}

}  // namespace

namespace {

// Many empty rows between kept ones, seen through a sorted order: the kept rows stay in the
// order they are seen in, with their marks and attribute bytes.
TEST(RLDataStructure, RemoveEmptyRowsKeepsSeenOrderMarksAndAttributes) {
  const int rows = 3000;
  auto store = std::make_unique<zeb::TRLData>(nullptr);
  store->SetNrCols(2);
  store->SetNrRows(rows);
  store->SetColCheckMode(2, cmBox);
  for (int r = 1; r <= rows; ++r) {
    if (r % 3 != 0) continue;
    store->SetElem(1, r, std::to_string(rows - r));
    store->SetElemChecked(2, r, r % 2 == 0);
    store->Matrix()->SetRowAttrib(r, static_cast<uint8_t>(r % 2 == 0 ? zeb::kRowDisabled : 0));
  }
  store->Sort(1, -1, true);
  store->RemoveEmptyRows();
  ASSERT_EQ(store->NrOfRows(), rows / 3);
  for (int r = 1; r <= store->NrOfRows(); ++r) {
    const int original = rows - (r - 1) * 3;  // ascending numbers came from descending rows
    EXPECT_EQ(store->GetElem(1, r), std::to_string(rows - original)) << r;
    EXPECT_EQ(store->GetElemChecked(2, r), original % 2 == 0) << r;
    EXPECT_EQ(store->Matrix()->GetRowAttrib(r) == zeb::kRowDisabled, original % 2 == 0) << r;
  }
}

}  // namespace
