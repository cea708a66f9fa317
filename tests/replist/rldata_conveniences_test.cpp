// Report list store conveniences for programs that fill a list themselves: appending rows to
// the store, making a sort permanent, and one store taking over another's list without a copy.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "replist/ZEB_replist.h"
#include "rldata_test_support.h"
#include "rltext_test_support.h"

namespace {

using Texts = std::vector<std::string>;

TEST(RLDataConveniences, AddRowAppendsAnEmptyRowBelowASortedList) {
  auto store = rltest::MakeStore({{"b", "c", "a"}});
  int changes = 0;
  store->Matrix()->OnChange = [&](fw::TObject*) { ++changes; };
  store->Sort(1, -1, true);
  EXPECT_EQ(store->AddRow(), 4);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(rltest::Column(*store, 1), (Texts{"a", "b", "c", ""}));
  EXPECT_EQ(store->SortColumn(), 1) << "the rows shown before are still in order";
  store->SetElem(1, 4, "0");
  store->UnSort();
  EXPECT_EQ(rltest::Column(*store, 1), (Texts{"b", "c", "a", "0"}));
  // Row by row, as a program reading records fills a list.
  zeb::TRLData filled(nullptr);
  for (int i = 1; i <= 1000; ++i) filled.SetElem(1, filled.AddRow(), std::to_string(i));
  EXPECT_EQ(filled.NrOfRows(), 1000);
  EXPECT_EQ(filled.GetElem(1, 1000), "1000");
  // Beyond the memory limit the row is refused and nothing changes.
  filled.SetMemoryLimit(static_cast<std::size_t>(zeb::TRLData::TableBytes(1, 1000)));
  EXPECT_THROW(filled.AddRow(), zeb::EZEBRLDataError);
  EXPECT_EQ(filled.NrOfRows(), 1000);
}

TEST(RLDataConveniences, CommitSortingMakesTheShownOrderTheStoredOne) {
  auto store = rltest::MakeStore({{"b", "c", "a"}, {"2", "3", "1"}});
  store->Matrix()->SetRowAttrib(1, zeb::kRowSelected);  // travels with "b"
  store->Sort(1, -1, false);
  store->CommitSorting();
  EXPECT_EQ(store->SortColumn(), 1);
  EXPECT_FALSE(store->SortAscending());
  store->UnSort();
  EXPECT_EQ(rltest::Column(*store, 1), (Texts{"c", "b", "a"}));
  EXPECT_EQ(rltest::Column(*store, 2), (Texts{"3", "2", "1"}));
  EXPECT_EQ(store->Matrix()->GetRowAttrib(2), zeb::kRowSelected);
  store->CommitSorting();  // nothing sorted: nothing changes
  EXPECT_EQ(rltest::Column(*store, 1), (Texts{"c", "b", "a"}));
}

TEST(RLDataConveniences, TakeDataFromMovesTheWholeListAndLeavesTheSourceNew) {
  auto source = rltest::HardStore();
  source->Sort(1, 4, false, true);
  source->SetDataID("Prices");
  source->Matrix()->SetRowAttrib(3, zeb::kRowDisabled);
  const auto expected = rltest::HardStore();
  expected->Sort(1, 4, false, true);

  zeb::TRLData target(nullptr);
  target.SetName("Target");
  target.SetNrCols(3);
  target.SetNrRows(7);
  int targetChanges = 0, sourceChanges = 0;
  target.Matrix()->OnChange = [&](fw::TObject*) { ++targetChanges; };
  source->Matrix()->OnChange = [&](fw::TObject*) { ++sourceChanges; };
  target.TakeDataFrom(*source);

  rltest::ExpectSameList(*expected, target);
  EXPECT_EQ(target.DataID(), "Prices");
  EXPECT_EQ(target.Name(), "Target");
  EXPECT_EQ(target.SortColumn(), 1);
  EXPECT_EQ(target.SortColumnSec(), 4);
  EXPECT_FALSE(target.SortAscending());
  EXPECT_EQ(target.Matrix()->GetRowAttrib(3), zeb::kRowDisabled);
  target.UnSort();
  EXPECT_EQ(rltest::Column(target, 1), rltest::Column(*rltest::HardStore(), 1))
      << "the stored order came along too";
  EXPECT_EQ(targetChanges, 1);
  EXPECT_EQ(sourceChanges, 1);

  zeb::TRLData fresh(nullptr);
  rltest::ExpectSameList(fresh, *source);
  EXPECT_EQ(source->GetColName(1), "C-1");
  EXPECT_EQ(source->SortColumn(), -1);
  EXPECT_TRUE(source->DataID().empty());
  source->SetElem(1, source->AddRow(), "still usable");
  EXPECT_EQ(source->GetElem(1, 1), "still usable");

  target.TakeDataFrom(target);  // itself: nothing happens
  EXPECT_EQ(target.NrOfRows(), expected->NrOfRows());
}

}  // namespace
