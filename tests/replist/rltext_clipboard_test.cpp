// Report list clipboard copies: the tab-separated, delimited and padded layouts byte for
// byte, check columns, column 0, ranges outside the list and the width limit.
#include <gtest/gtest.h>

#include <string>

#include "framework/controls/clipboard.h"
#include "replist/ZEB_replist.h"
#include "rldata_test_support.h"

namespace {

// Names 'A', 'B'; cells 'x', 'yy' / 'zzz', ''.
std::unique_ptr<zeb::TRLData> Block() {
  auto store = rltest::MakeStore({{"x", "zzz"}, {"yy", ""}});
  store->SetColName(1, "A");
  store->SetColName(2, "B");
  return store;
}

std::string Copied() {
  return fw::Clipboard()->AsText();
}

struct CopyCase {
  const char* what;
  int colLow, rowLow, colHigh, rowHigh;
  bool names;
  const char* delimiter;  // nullptr: padded layout
  const char* expected;
};

TEST(RLTextClipboard, LayoutsAreExact) {
  const CopyCase cases[] = {
      {"tabbed with names", 1, 1, 2, 2, true, "\t", "A\tB\n\nx\tyy\nzzz\t\n"},
      {"tabbed without names", 1, 1, 2, 2, false, "\t", "x\tyy\nzzz\t\n"},
      {"padded with names", 1, 1, 2, 2, true, nullptr, "A   B  \n\nx   yy \nzzz    \n"},
      {"padded without names", 1, 1, 2, 2, false, nullptr, "x   yy \nzzz    \n"},
      {"delimiter", 1, 1, 2, 2, true, "; ", "A; B\n\nx; yy\nzzz; \n"},
      {"no rows", 1, 3, 2, 2, true, "\t", "A\tB\n\n"},
      {"no rows, no names", 1, 3, 2, 2, false, "\t", ""},
      {"rows outside the list", 2, 2, 2, 4, false, ",", "\n\n\n"},
      {"columns outside the list", 2, 1, 4, 1, true, "|", "B||\n\nyy||\n"},
      {"padded columns outside", 2, 1, 3, 1, true, nullptr, "B   \n\nyy  \n"},
      {"one cell", 1, 2, 1, 2, false, "\t", "zzz\n"},
  };
  for (const CopyCase& c : cases) {
    SCOPED_TRACE(c.what);
    auto store = Block();
    if (c.delimiter == nullptr)
      store->CopyToClipBoard(c.colLow, c.rowLow, c.colHigh, c.rowHigh, c.names, false);
    else if (std::string(c.delimiter) == "\t")
      store->CopyToClipBoard(c.colLow, c.rowLow, c.colHigh, c.rowHigh, c.names, true);
    else
      store->CopyToClipBoard(c.colLow, c.rowLow, c.colHigh, c.rowHigh, c.names,
                             std::string(c.delimiter));
    EXPECT_EQ(Copied(), c.expected);
  }
}

TEST(RLTextClipboard, PaddedWidthCountsTheCheckFlagButTheTextHasNone) {
  auto store = rltest::MakeStore({{"ab", "c"}, {"1", "2"}});
  store->SetColName(1, "N");
  store->SetColName(2, "V");
  store->SetColCheckMode(1, zeb::cmBox);
  store->SetElemChecked(1, 1, true);
  store->CopyToClipBoard(1, 1, 2, 2, true, false);
  // Column 1 stores "Xab" and " c": width 3, fields of 4.
  EXPECT_EQ(Copied(), "N   V \n\nab  1 \nc   2 \n");
  store->CopyToClipBoard(1, 1, 2, 2, false, true);
  EXPECT_EQ(Copied(), "ab\t1\nc\t2\n");
}

TEST(RLTextClipboard, ColumnZeroAndNonAsciiWidths) {
  auto store = rltest::MakeStore({{"Äö", "€"}});
  store->SetElem(0, 1, "r1");
  store->SetColName(1, "Größe");
  store->CopyToClipBoard(0, 1, 1, 2, true, false);
  // Column 0 has no name; widths count characters, not bytes.
  EXPECT_EQ(Copied(), "   Größe \n\nr1 Äö    \n   €     \n");
}

TEST(RLTextClipboard, PaddedLayoutRefusesMoreColumnsThanItsTable) {
  auto store = Block();
  EXPECT_THROW(store->CopyToClipBoard(1, 1, zeb::TRLData::kMaxPaddedColumns + 1, 1, false, false),
               zeb::EZEBRLDataError);
  EXPECT_NO_THROW(store->CopyToClipBoard(1, 1, zeb::TRLData::kMaxPaddedColumns, 1, false, false));
}

}  // namespace
