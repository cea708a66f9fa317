// TRLData check marks: converting cells between modes, the flag encoding under SetElem,
// radio columns keeping one mark, bulk setting, clearing and inverting (with disabled rows
// skipped on request), counting and finding.
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

TEST(RLDataChecks, SwitchingModesConvertsStoredCellsBothWays) {
  auto store = rltest::MakeStore({{"k1", "k2", "k3"}, {"a", "", "b"}});
  store->SetColCheckMode(2, cmBox);
  EXPECT_EQ(rltest::StoredColumn(*store, 2), (Texts{" a", "", " b"}));
  EXPECT_EQ(rltest::Column(*store, 2), (Texts{"a", "", "b"}));
  store->SetElemChecked(2, 1, true);
  store->SetColCheckMode(2, cmNone);
  EXPECT_EQ(rltest::StoredColumn(*store, 2), (Texts{"a", "", "b"}));
  EXPECT_EQ(rltest::Column(*store, 1), (Texts{"k1", "k2", "k3"}));
}

TEST(RLDataChecks, BoxToRadioClearsMarksRadioToBoxKeepsThem) {
  auto store = rltest::MakeStore({{"a", "b", "c"}});
  store->SetColCheckMode(1, cmBox);
  store->SetElemChecked(1, 1, true);
  store->SetElemChecked(1, 3, true);
  store->SetColCheckMode(1, cmRadio);
  EXPECT_EQ(store->CountCheckedElemsInCol(1), 0);
  EXPECT_EQ(rltest::Column(*store, 1), (Texts{"a", "b", "c"}));
  store->SetElemChecked(1, 2, true);
  store->SetColCheckMode(1, cmBox);
  EXPECT_EQ(rltest::StoredColumn(*store, 1), (Texts{" a", "Xb", " c"}));
}

TEST(RLDataChecks, SetElemKeepsTheMarkAndGivesEmptyCellsABlankFlag) {
  auto store = rltest::MakeStore({{"a", ""}});
  store->SetColCheckMode(1, cmBox);
  store->SetElemChecked(1, 1, true);
  store->SetElem(1, 1, "new");
  store->SetElem(1, 2, "fresh");
  EXPECT_EQ(rltest::StoredColumn(*store, 1), (Texts{"Xnew", " fresh"}));
  EXPECT_TRUE(store->GetElemChecked(1, 1));
  EXPECT_FALSE(store->GetElemChecked(1, 2));
}

TEST(RLDataChecks, MarksOnEmptyCellsAndAnyNonBlankFlagReadsChecked) {
  auto store = rltest::MakeStore({{"", "", "x"}});
  store->SetColCheckMode(1, cmBox);
  store->SetElemChecked(1, 1, true);
  store->SetElemChecked(1, 2, false);
  EXPECT_EQ(rltest::StoredColumn(*store, 1), (Texts{"X", " ", " x"}));
  store->Matrix()->SetElem(1, 3, "éx");  // a foreign flag of two bytes
  EXPECT_TRUE(store->GetElemChecked(1, 3));
  EXPECT_EQ(store->GetElem(1, 3), "x");
  store->SetElemChecked(1, 3, false);
  EXPECT_EQ(store->Matrix()->GetElem(1, 3), " x");
}

TEST(RLDataChecks, RadioColumnKeepsExactlyOneMark) {
  auto store = rltest::MakeStore({{"a", "b", "c", "d"}});
  store->SetColCheckMode(1, cmRadio);
  store->Matrix()->SetRowAttrib(2, zeb::kRowDisabled);
  for (int row : {2, 4, 1}) {
    store->SetElemChecked(1, row, true);
    EXPECT_EQ(store->CountCheckedElemsInCol(1), 1);
    EXPECT_EQ(store->FirstCheckedElemInCol(1), row);
  }
  store->SetElemChecked(1, 3, false);
  EXPECT_EQ(store->CountCheckedElemsInCol(1), 0);
}

TEST(RLDataChecks, PlainColumnsIgnoreMarkWrites) {
  auto store = rltest::MakeStore({{"abc", "def"}});
  store->SetElemChecked(1, 1, true);
  store->SetAllCheckmarksOfCol(1, true);
  store->SetAllCheckmarksOfCol(1, false);
  store->SetAllCheckmarksOfColIntern(1, true, false);
  store->InvertAllCheckmarksOfCol(1);
  EXPECT_EQ(rltest::StoredColumn(*store, 1), (Texts{"abc", "def"}));
  EXPECT_FALSE(store->GetElemChecked(1, 1));
  EXPECT_EQ(store->CountCheckedElemsInCol(1), 0);
  EXPECT_EQ(store->FirstCheckedElemInCol(1), 0);
}

TEST(RLDataChecks, SetAllDependsOnModeAndState) {
  auto store = rltest::MakeStore({{"a", "b"}, {"c", "d"}});
  store->SetColCheckMode(1, cmBox);
  store->SetColCheckMode(2, cmRadio);
  store->SetAllCheckmarksOfCol(1, true);
  store->SetAllCheckmarksOfCol(2, true);
  EXPECT_EQ(store->CountCheckedElemsInCol(1), 2);
  EXPECT_EQ(store->CountCheckedElemsInCol(2), 0);
  store->SetElemChecked(2, 2, true);
  store->SetAllCheckmarksOfCol(1, false);
  store->SetAllCheckmarksOfCol(2, false);
  EXPECT_EQ(store->CountCheckedElemsInCol(1), 0);
  EXPECT_EQ(store->CountCheckedElemsInCol(2), 0);
  EXPECT_EQ(rltest::Column(*store, 1), (Texts{"a", "b"}));
}

TEST(RLDataChecks, InvertFollowsTheStoredFlag) {
  auto store = rltest::MakeStore({{"", "", ""}});
  store->SetColCheckMode(1, cmBox);
  store->Matrix()->SetElem(1, 1, "X1");
  store->Matrix()->SetElem(1, 2, " 2");
  store->InvertAllCheckmarksOfCol(1);
  EXPECT_EQ(rltest::StoredColumn(*store, 1), (Texts{" 1", "X2", "X"}));
  store->SetColCheckMode(1, cmRadio);
  store->InvertAllCheckmarksOfCol(1);
  EXPECT_EQ(store->CountCheckedElemsInCol(1), 0);
}

TEST(RLDataChecks, InternalFormsSkipDisabledRowsOnRequest) {
  auto store = rltest::MakeStore({{"a", "b", "c"}});
  store->SetColCheckMode(1, cmBox);
  store->Matrix()->SetRowAttrib(2, zeb::kRowDisabled | zeb::kRowSelected);
  store->SetAllCheckmarksOfColIntern(1, true, true);
  EXPECT_EQ(rltest::StoredColumn(*store, 1), (Texts{"Xa", " b", "Xc"}));
  store->InvertAllCheckmarksOfColIntern(1, true);
  EXPECT_EQ(rltest::StoredColumn(*store, 1), (Texts{" a", " b", " c"}));
  store->InvertAllCheckmarksOfColIntern(1, false);
  EXPECT_EQ(store->CountCheckedElemsInCol(1), 3);
}

TEST(RLDataChecks, CountingAndFindingInRows) {
  auto store = rltest::MakeStore({{"p", "q"}, {"a", "b"}, {"c", "d"}, {"e", "f"}});
  store->SetColCheckMode(2, cmBox);
  store->SetColCheckMode(4, cmBox);
  store->SetElemChecked(4, 1, true);
  store->SetElemChecked(2, 2, true);
  store->SetElemChecked(4, 2, true);
  store->Matrix()->SetElem(3, 1, "Xplain");  // a plain column never counts
  EXPECT_EQ(store->CountCheckedElemsInRow(1), 1);
  EXPECT_EQ(store->FirstCheckedElemInRow(1), 4);
  EXPECT_EQ(store->CountCheckedElemsInRow(2), 2);
  EXPECT_EQ(store->FirstCheckedElemInRow(2), 2);
  EXPECT_EQ(store->FirstCheckedElemInRow(3), 0);
  EXPECT_EQ(store->CountCheckedElemsInRow(0), 0);
}

TEST(RLDataChecks, CheckedColMeansBoxMode) {
  auto store = rltest::MakeStore({{"a"}});
  store->SetCheckedCol(1, true);
  EXPECT_EQ(store->GetColCheckMode(1), cmBox);
  EXPECT_TRUE(store->GetCheckedCol(1));
  store->SetColCheckMode(1, cmRadio);
  EXPECT_FALSE(store->GetCheckedCol(1));
  store->SetCheckedCol(1, false);
  EXPECT_EQ(store->GetColCheckMode(1), cmNone);
  EXPECT_EQ(store->Matrix()->GetElem(1, 1), "a");
}

TEST(RLDataChecks, BulkChangesNotifyOnce) {
  auto store = rltest::MakeStore({{"a", "b", "c"}});
  int changes = 0;
  store->Matrix()->OnChange = [&changes](fw::TObject*) { ++changes; };
  store->SetColCheckMode(1, cmBox);
  EXPECT_EQ(changes, 1);
  store->SetAllCheckmarksOfCol(1, true);
  EXPECT_EQ(changes, 2);
  store->Fill("z");
  EXPECT_EQ(changes, 3);
  store->SetElem(1, 1, "y");
  EXPECT_EQ(changes, 4);
}

}  // namespace
