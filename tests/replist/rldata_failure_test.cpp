// Report list data store under pressure: every resize, copy and read either completes or
// leaves the store exactly as it was when memory runs out at any allocation, and sizes beyond
// the store's limits are refused before anything is allocated.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "alloc_failure.h"
#include "framework/graphics/bitmap.h"
#include "framework/rtl/streams.h"
#include "replist/ZEB_replist.h"
#include "rldata_test_support.h"
#include "rltext_test_support.h"

namespace {

// A sorted store with check marks, attribute bytes, empty rows and every plain item set.
std::unique_ptr<zeb::TRLData> BusyStore() {
  auto store = rltest::MakeStore(
      {{"b", "d", "a", "c", "e"}, {"x", "y", "z", "w", "v"}, {"1", "2", "3", "4", "5"}});
  store->SetColCheckMode(2, zeb::cmBox);
  store->SetElemChecked(2, 3, true);
  store->SetColName(1, "Letters");
  store->SetColumnFormat(3, "[i][60]rix2");
  store->SetElem(0, 2, "row text");
  store->Matrix()->SetRowAttrib(4, zeb::kRowDisabled);
  store->Matrix()->SetColAttrib(3, zeb::kColSelected);
  store->SetNrRows(7);  // two empty rows, one of them with a mark
  store->SetElemChecked(2, 7, true);
  store->SetComment("comment");
  store->SetDataID("busy");
  store->Sort(1, 3, false);
  return store;
}

struct Operation {
  const char* what;
  std::function<void(zeb::TRLData&)> run;
};

// Runs each operation on a fresh busy store with the first, second, ... allocation refused,
// until an attempt meets no refusal. An attempt that raises must leave the store as it was,
// one that succeeds (a refusal absorbed on the way) must give the result of an undisturbed run.
void ExpectAllOrNothing(const std::vector<Operation>& operations) {
  for (const Operation& op : operations) {
    SCOPED_TRACE(op.what);
    auto reference = BusyStore();
    op.run(*reference);
    const std::string expected = rltest::Dump(*reference);
    int failures = 0;
    for (long n = 0;; ++n) {
      auto store = BusyStore();
      const std::string before = rltest::Dump(*store);
      bool raised = false;
      bool triggered = false;
      {
        rltest::FailingAllocation refuse(n);
        try {
          op.run(*store);
        } catch (const zeb::EZEBError&) {
          raised = true;
        } catch (const std::bad_alloc&) {
          ADD_FAILURE() << "std::bad_alloc escaped at allocation " << n;
          raised = true;
        }
        triggered = refuse.Triggered();
      }
      ASSERT_EQ(rltest::Dump(*store), raised ? before : expected) << "allocation " << n;
      failures += raised;
      if (!triggered) break;
    }
    EXPECT_GT(failures, 0) << "no allocation could make it fail";
  }
}

TEST(RLDataFailure, ResizesCopiesAndConversionsAreAllOrNothing) {
  const auto source = BusyStore();
  source->SetNrCols(4);
  source->UnSort();
  source->Sort(2, -1, true);
  ExpectAllOrNothing({
      {"more columns", [](zeb::TRLData& s) { s.SetNrCols(7); }},
      {"more rows", [](zeb::TRLData& s) { s.SetNrRows(40); }},
      {"a column inserted", [](zeb::TRLData& s) { s.InsertColumn(2); }},
      {"a row inserted", [](zeb::TRLData& s) { s.InsertRow(2); }},
      {"assigned", [&](zeb::TRLData& s) { s.Assign(source.get()); }},
      {"empty rows removed", [](zeb::TRLData& s) { s.RemoveEmptyRows(); }},
      {"check boxes added", [](zeb::TRLData& s) { s.SetColCheckMode(1, zeb::cmBox); }},
      {"check boxes removed", [](zeb::TRLData& s) { s.SetColCheckMode(2, zeb::cmNone); }},
      {"boxes made radio marks", [](zeb::TRLData& s) { s.SetColCheckMode(2, zeb::cmRadio); }},
  });
}

TEST(RLDataFailure, ReadsAreAllOrNothing) {
  rltest::ScratchDir dir;
  rltest::WriteFile(dir.File("in.csv"), "h1,h2\n\"q,1\",2,3,4\nx\n,,,,,six\n");
  rltest::WriteFile(dir.File("lines.txt"), "one\ntwo\nthree\nfour\nfive\nsix\nseven\n");
  std::string xml;
  {
    auto other = rltest::HardStore();
    fw::TStringStream stream("");
    other->WriteToXMLStream(stream, true, "other");
    xml = stream.DataString();
  }
  const std::string csv = dir.File("in.csv");
  const std::string lines = dir.File("lines.txt");
  ExpectAllOrNothing({
      {"CSV with names", [&](zeb::TRLData& s) { s.ImportCSV(csv, zeb::csvComma, true); }},
      {"CSV", [&](zeb::TRLData& s) { s.ImportCSV(csv, zeb::csvAuto, false); }},
      {"lines", [&](zeb::TRLData& s) { s.LoadLinesFromFile(2, 3, lines); }},
      {"XML", [&](zeb::TRLData& s) { s.ReadFromXMLString(xml, "other"); }},
  });
}

// The view follows its store: when either cannot grow, both keep their old width and the view
// still paints.
TEST(RLDataFailure, TheViewAndItsStoreKeepOneWidth) {
  const Operation operations[] = {
      {"more columns", [](zeb::TRLData&) {}},
      {"a column inserted", [](zeb::TRLData&) {}},
  };
  for (int op = 0; op < 2; ++op) {
    SCOPED_TRACE(operations[op].what);
    for (long n = 0;; ++n) {
      zeb::TReportListView view(nullptr);
      view.SetBounds(0, 0, 300, 120);
      view.SetNrCols(3);
      bool triggered = false;
      {
        rltest::FailingAllocation refuse(n);
        try {
          if (op == 0)
            view.SetNrCols(9);
          else
            view.InsertColumn(2);
        } catch (const zeb::EZEBError&) {
        }
        triggered = refuse.Triggered();
      }
      ASSERT_EQ(view.ColCount(), view.NrOfColumns()) << "allocation " << n;
      view.SetColAlignment(view.NrOfColumns(), zeb::taRightJustify);
      EXPECT_EQ(view.GetColAlignment(view.NrOfColumns()), zeb::taRightJustify);
      fw::TBitmap target(300, 120);
      view.PaintTo(target.Canvas(), 0, 0);
      if (!triggered) break;
    }
  }
}

TEST(RLDataLimits, SizesBeyondTheLimitsAreRefusedBeforeAnyAllocation) {
  struct Case {
    const char* what;
    std::size_t limit;  // 0: the default
    std::function<void(zeb::TRLData&)> run;
  };
  const Case cases[] = {
      {"the largest column count", 0, [](zeb::TRLData& s) { s.SetNrCols(INT_MAX); }},
      {"one column too many", 0,
       [](zeb::TRLData& s) { s.SetNrCols(zeb::TRLData::kMaxColumns + 1); }},
      {"the largest row count", 0, [](zeb::TRLData& s) { s.SetNrRows(INT_MAX); }},
      {"rows beyond a lowered limit", 1 << 20, [](zeb::TRLData& s) { s.SetNrRows(100000); }},
      {"columns beyond a lowered limit", 1 << 19, [](zeb::TRLData& s) { s.SetNrCols(5000); }},
      {"a column inserted at the limit", 1, [](zeb::TRLData& s) { s.InsertColumn(1); }},
      {"a row inserted at the limit", 1, [](zeb::TRLData& s) { s.InsertRow(1); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto store = BusyStore();
    if (c.limit == 0) store->SetNrCols(1000);
    // A limit of 1 here stands for "exactly what the store holds now".
    store->SetMemoryLimit(c.limit != 1 ? c.limit
                                       : static_cast<std::size_t>(zeb::TRLData::TableBytes(
                                             store->NrOfColumns(), store->NrOfRows())));
    const std::string before = rltest::Dump(*store);
    rltest::AllocationMeter meter;
    EXPECT_THROW(c.run(*store), zeb::EZEBRLDataError);
    EXPECT_LT(meter.Bytes(), 4096u);  // the message, nothing for the refused size
    EXPECT_EQ(rltest::Dump(*store), before);
  }
}

TEST(RLDataLimits, TheProgramWideDefaultLimitsEveryStoreWithoutItsOwn) {
  zeb::TStringArray::SetDefaultMemoryLimit(1 << 20);
  zeb::TRLData store(nullptr);
  zeb::TRLData own(nullptr);
  own.SetMemoryLimit(std::size_t{64} << 20);
  EXPECT_THROW(store.SetNrRows(100000), zeb::EZEBRLDataError);
  EXPECT_NO_THROW(own.SetNrRows(100000));
  zeb::TStringArray::SetDefaultMemoryLimit(0);
  EXPECT_NO_THROW(store.SetNrRows(100000));
  EXPECT_EQ(store.MemoryLimit(), zeb::TStringArray::DefaultMemoryLimit());
}

TEST(RLDataLimits, TheViewRefusesWhatItsStoreRefusesBeforeReservingRoomForIt) {
  zeb::TReportListView view(nullptr);
  view.SetNrCols(3);
  const int gridColumns = view.ColCount();
  rltest::AllocationMeter meter;
  EXPECT_THROW(view.SetNrCols(INT_MAX), zeb::EZEBRLDataError);
  EXPECT_THROW(view.SetNrCols(zeb::TRLData::kMaxColumns + 1), zeb::EZEBRLDataError);
  EXPECT_LT(meter.Bytes(), 8192u);
  EXPECT_EQ(view.NrOfColumns(), 3);
  EXPECT_EQ(view.ColCount(), gridColumns);
}

// The limit counts what the tables really take, so it cannot be passed by many empty columns.
TEST(RLDataLimits, TheCountedSizeCoversTheTablesReallyHeld) {
  const int shapes[][2] = {{1, 0}, {1000, 0}, {20000, 1}, {10, 10000}, {300, 300}};
  for (const auto& shape : shapes) {
    zeb::TRLData store(nullptr);
    store.SetNrCols(shape[0]);
    store.SetNrRows(shape[1]);
    EXPECT_GE(zeb::TStringArray::TableBytes(shape[0], shape[1]),
              static_cast<double>(store.Matrix()->MemoryUsed()))
        << shape[0] << " x " << shape[1];
    EXPECT_GT(zeb::TRLData::TableBytes(shape[0], shape[1]),
              zeb::TStringArray::TableBytes(shape[0], shape[1]));
  }
}

TEST(RLDataLimits, ACsvLineOfCommasIsRefusedWithTheStoreUnchanged) {
  rltest::ScratchDir dir;
  rltest::WriteFile(dir.File("commas.csv"), std::string(zeb::TRLData::kMaxColumns, ',') + "\n1\n");
  rltest::WriteFile(dir.File("tall.csv"), std::string(4000, '\n'));
  for (const bool names : {false, true}) {
    auto store = BusyStore();
    const std::string before = rltest::Dump(*store);
    EXPECT_THROW(store->ImportCSV(dir.File("commas.csv"), zeb::csvComma, names),
                 zeb::EZEBRLDataError);
    EXPECT_EQ(rltest::Dump(*store), before);
    // Within the column limit but beyond a lowered memory limit: refused, still sorted.
    store->SetMemoryLimit(1 << 12);
    EXPECT_THROW(store->ImportCSV(dir.File("tall.csv"), zeb::csvComma, names),
                 zeb::EZEBRLDataError);
    EXPECT_EQ(rltest::Dump(*store), before);
  }
}

}  // namespace
