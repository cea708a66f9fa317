// TDataTable marks and states: inversion by mask, exchange and removal of the two marks and
// filling marked cells, each one data change.
#include <gtest/gtest.h>

#include "companion/ZEB_datatable.h"
#include "tests/companion_numkit/table_recorder.h"

namespace zeb {
namespace {

using test::TableRecorder;

// A 16 x 16 table whose cells carry every state byte once (cell value = its state).
void AllStates(TDataTable& table) {
  table.Resize(16, 16);
  for (int s = 0; s < 256; ++s) {
    table.SetCellState(s % 16 + 1, s / 16 + 1, uint8_t(s));
    table.SetElem(s % 16 + 1, s / 16 + 1, s);
  }
}

// Runs `operation` on a table of all states and checks each cell's new state against
// `expected(old state)`, with one data change and no other notification.
template <typename Op, typename Expect>
void CheckStateOperation(Op operation, Expect expected) {
  TDataTable table(nullptr);
  AllStates(table);
  TableRecorder rec(table);
  operation(table);
  for (int s = 0; s < 256; ++s) {
    EXPECT_EQ(table.GetCellState(s % 16 + 1, s / 16 + 1), expected(uint8_t(s))) << "state " << s;
    EXPECT_EQ(table.GetElem(s % 16 + 1, s / 16 + 1), s);
  }
  EXPECT_EQ(rec.Events(), std::vector<std::string>{"data"});
}

TEST(DataTableMarks, InvertCellStatesFlipsExactlyTheMaskBits) {
  for (int mask : {0x00, 0x01, 0x02, 0x40, 0xC0, 0xFF, 0x35}) {
    CheckStateOperation([mask](TDataTable& t) { t.InvertCellStates(uint8_t(mask)); },
                        [mask](uint8_t s) { return uint8_t(s ^ mask); });
  }
}

TEST(DataTableMarks, ExchangeMarkingsSwapsTypeAAndTypeB) {
  CheckStateOperation([](TDataTable& t) { t.ExchangeMarkings(); },
                      [](uint8_t s) {
                        const bool a = s & csMarkA;
                        const bool b = s & csMarkB;
                        return uint8_t((s & 0x3F) | (a ? csMarkB : 0) | (b ? csMarkA : 0));
                      });
}

TEST(DataTableMarks, ExchangeTwiceRestores) {
  TDataTable table(nullptr);
  AllStates(table);
  table.ExchangeMarkings();
  table.ExchangeMarkings();
  for (int s = 0; s < 256; ++s) EXPECT_EQ(table.GetCellState(s % 16 + 1, s / 16 + 1), s);
}

TEST(DataTableMarks, UnmarkAllCellsClearsOnlyTheMarks) {
  CheckStateOperation([](TDataTable& t) { t.UnmarkAllCells(); },
                      [](uint8_t s) { return uint8_t(s & 0x3F); });
}

TEST(DataTableMarks, FillMarkedCellsWritesCellsWithAnyMaskBit) {
  for (int mask : {int(csMarkA), int(csMarkB), csMarkA | csMarkB, int(csEmpty), 0}) {
    TDataTable table(nullptr);
    AllStates(table);
    TableRecorder rec(table);
    table.FillMarkedCells(-7.0, uint8_t(mask));
    for (int s = 0; s < 256; ++s) {
      const int c = s % 16 + 1;
      const int r = s / 16 + 1;
      EXPECT_EQ(table.GetElem(c, r), (s & mask) ? -7.0 : double(s)) << "mask " << mask;
      EXPECT_EQ(table.GetCellState(c, r), s);
    }
    EXPECT_EQ(rec.Events(), std::vector<std::string>{"data"});
  }
}

TEST(DataTableMarks, CopyCellStatesFromTakesTheCommonCellsOnly) {
  TDataTable source(nullptr);
  source.Resize(3, 2);
  for (int c = 1; c <= 3; ++c) {
    for (int r = 1; r <= 2; ++r) source.SetCellState(c, r, uint8_t(c * 10 + r));
  }
  TDataTable table(nullptr);
  table.Resize(2, 4);
  for (int c = 1; c <= 2; ++c) {
    for (int r = 1; r <= 4; ++r) table.SetCellState(c, r, csMarkB);
  }
  TableRecorder rec(table);
  table.CopyCellStatesFrom(source);
  for (int c = 1; c <= 2; ++c) {
    for (int r = 1; r <= 4; ++r) {
      EXPECT_EQ(table.GetCellState(c, r), r <= 2 ? c * 10 + r : csMarkB) << c << "," << r;
    }
  }
  EXPECT_EQ(rec.Events(), std::vector<std::string>{"data"});
}

TEST(DataTableMarks, OperationsOnAnEmptyTableDoNothingHarmful) {
  TDataTable table(nullptr);
  TableRecorder rec(table);
  table.InvertCellStates(0xFF);
  table.ExchangeMarkings();
  table.UnmarkAllCells();
  table.FillMarkedCells(1.0, 0xFF);
  table.MirrorColumns();
  table.MirrorRows();
  EXPECT_EQ(table.NrOfColumns(), 0);
  EXPECT_EQ(rec.Events().size(), 6u);
}

}  // namespace
}  // namespace zeb
