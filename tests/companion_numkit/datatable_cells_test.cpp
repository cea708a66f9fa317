// TDataTable cells and headings: stored values and states, out-of-range conventions, names,
// attributes, scale types, nominal names, Clear, Fill and Assign.
#include <gtest/gtest.h>

#include <set>

#include "companion/ZEB_datatable.h"
#include "framework/rtl/exceptions.h"
#include "tests/companion_numkit/table_recorder.h"

namespace zeb {
namespace {

using test::FillPattern;
using test::PatternState;
using test::PatternValue;
using test::TableRecorder;

TEST(DataTableCells, StateByteIsStoredUnchangedAndDecidesIsNumber) {
  TDataTable table(nullptr);
  table.Resize(16, 16);
  for (int s = 0; s < 256; ++s) table.SetCellState(s % 16 + 1, s / 16 + 1, uint8_t(s));
  for (int s = 0; s < 256; ++s) {
    const int c = s % 16 + 1;
    const int r = s / 16 + 1;
    EXPECT_EQ(table.GetCellState(c, r), s);
    EXPECT_EQ(table.GetIsNumber(c, r), (s & 3) == 0) << "state " << s;
  }
}

TEST(DataTableCells, SettersFireOneDataChangeEach) {
  TDataTable table(nullptr);
  table.Resize(3, 4);
  TableRecorder rec(table);
  table.SetElem(2, 3, 1.5);
  table.SetCellState(2, 3, csMarkA);
  table.SetColName(1, "a");
  table.SetRowName(1, "b");
  table.SetColAttrib(1, 3);
  table.SetRowAttrib(1, 4);
  table.SetFComment("note");
  table.SetNominalID(1, 2, "two");
  EXPECT_EQ(rec.Log(), std::vector<std::string>(8, "data"));
  EXPECT_EQ(table.GetElem(2, 3), 1.5);
  EXPECT_EQ(table.FComment(), "note");
}

// Indices just outside each border of a 3 x 4 table, and far away.
struct Outside {
  int col;
  int row;
};
const Outside kOutside[] = {{0, 1}, {4, 1}, {1, 0}, {1, 5}, {-1, -1}, {1000000, 2}};

TEST(DataTableCells, OutOfRangeSettersIgnoreAndGettersAreNeutral) {
  TDataTable table(nullptr);
  FillPattern(table, 3, 4);
  TableRecorder rec(table);
  for (const Outside& o : kOutside) {
    table.SetElem(o.col, o.row, 9.0);
    table.SetCellState(o.col, o.row, 0xFF);
    EXPECT_EQ(table.GetElem(o.col, o.row), 0.0);
    EXPECT_EQ(table.GetCellState(o.col, o.row), 0);
    EXPECT_FALSE(table.GetIsNumber(o.col, o.row));
  }
  for (int index : {0, -3, 5, 99}) {
    table.SetColName(index, "x");
    table.SetRowName(index, "x");
    table.SetColAttrib(index, 7);
    table.SetRowAttrib(index, 7);
    table.SetMScaleType(index, stNominal);
    table.SetNominalID(index, 1, "x");
    EXPECT_EQ(table.GetColName(index), "");
    EXPECT_EQ(table.GetRowName(index), "");
    EXPECT_EQ(table.GetColAttrib(index), 0);
    EXPECT_EQ(table.GetRowAttrib(index), 0);
    EXPECT_EQ(table.GetMScaleType(index), stUndefined);
    EXPECT_EQ(table.GetNominalID(index, 1), "");
    EXPECT_LE(table.OrdinalOfNominalID(index, "x", true), 0);
  }
  EXPECT_TRUE(rec.Log().empty());
  // The cells inside are untouched.
  for (int c = 1; c <= 3; ++c) {
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(table.GetElem(c, r), PatternValue(c, r));
  }
}

TEST(DataTableHeadings, NamesAreCutToFiftyCharactersNeverInsideOne) {
  TDataTable table(nullptr);
  table.Resize(2, 2);
  std::string umlauts;
  for (int i = 0; i < 60; ++i) umlauts += "\xC3\x9C";  // "Ü", two bytes each
  table.SetColName(1, umlauts);
  table.SetRowName(2, std::string(51, 'r'));
  EXPECT_EQ(table.GetColName(1), umlauts.substr(0, 100));
  EXPECT_EQ(table.GetRowName(2), std::string(50, 'r'));
  table.SetColName(2, std::string(50, 'c'));
  EXPECT_EQ(table.GetColName(2), std::string(50, 'c'));
}

TEST(DataTableHeadings, AttributesAreLimitedToAByte) {
  TDataTable table(nullptr);
  table.Resize(2, 2);
  const struct {
    int given;
    int stored;
  } cases[] = {{0, 0}, {17, 17}, {255, 255}, {256, 255}, {300, 255}, {-1, 0}, {-500, 0}};
  for (const auto& c : cases) {
    table.SetColAttrib(1, c.given);
    table.SetRowAttrib(2, c.given);
    EXPECT_EQ(table.GetColAttrib(1), c.stored) << c.given;
    EXPECT_EQ(table.GetRowAttrib(2), c.stored) << c.given;
  }
}

TEST(DataTableHeadings, ScaleTypesHaveDistinctNamesAndRejectUnknownTypes) {
  std::set<std::string_view> names(MScaleTypeNames.begin(), MScaleTypeNames.end());
  EXPECT_EQ(names.size(), MScaleTypeNames.size());
  EXPECT_EQ(names.count(""), 0u);

  TDataTable table(nullptr);
  table.Resize(2, 2);
  TableRecorder rec(table);
  table.SetMScaleType(1, stOrdinal);
  table.SetMScaleType(1, stOrdinal);  // unchanged: no notification
  table.SetMScaleType(1, MaxMScaleType + 1);
  EXPECT_EQ(table.GetMScaleType(1), stOrdinal);
  EXPECT_EQ(table.GetMScaleType(2), stUndefined);
  EXPECT_EQ(rec.Log(), std::vector<std::string>{"setup"});
}

TEST(DataTableHeadings, NominalNamesAndTheirLookup) {
  TDataTable table(nullptr);
  table.Resize(2, 2);
  table.SetMScaleType(1, stNominal);
  table.SetNominalID(1, 0, "none");
  table.SetNominalID(1, 1, "Male");
  table.SetNominalID(1, 150, "last");
  table.SetNominalID(1, 151, "beyond");
  table.SetNominalID(1, -1, "before");
  table.SetNominalID(1, 7, "Temperature");  // cut to 10 characters
  EXPECT_EQ(table.GetNominalID(1, 1), "Male");
  EXPECT_EQ(table.GetNominalID(1, 150), "last");
  EXPECT_EQ(table.GetNominalID(1, 2), "");
  EXPECT_EQ(table.GetNominalID(1, 151), "");
  EXPECT_EQ(table.GetNominalID(2, 1), "");
  EXPECT_EQ(table.GetNominalID(1, 7), "Temperatur");

  EXPECT_EQ(table.OrdinalOfNominalID(1, "Male", false), 1);
  EXPECT_EQ(table.OrdinalOfNominalID(1, "MALE", true), 1);
  EXPECT_LE(table.OrdinalOfNominalID(1, "MALE", false), 0);
  EXPECT_EQ(table.OrdinalOfNominalID(1, "last", true), 150);
  // A typed text cut to ten characters finds the stored name.
  EXPECT_EQ(table.OrdinalOfNominalID(1, "Temperatur", true), 7);
  EXPECT_LE(table.OrdinalOfNominalID(1, "beyond", true), 0);
  EXPECT_LE(table.OrdinalOfNominalID(1, "", true), 0);
  EXPECT_LE(table.OrdinalOfNominalID(2, "Male", true), 0);
  // Id 0 is a valid id; callers that treat ids above 0 as found still see it as not positive.
  EXPECT_EQ(table.OrdinalOfNominalID(1, "none", true), 0);
}

TEST(DataTableCells, ClearEmptiesEverythingButKeepsTheSize) {
  TDataTable table(nullptr);
  FillPattern(table, 3, 4);
  table.SetMScaleType(2, stNominal);
  table.SetNominalID(2, 3, "three");
  table.SetFComment("c");
  TableRecorder rec(table);
  table.Clear();
  EXPECT_EQ(table.NrOfColumns(), 3);
  EXPECT_EQ(table.NrOfRows(), 4);
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(table.GetColName(c), "");
    EXPECT_EQ(table.GetColAttrib(c), 0);
    EXPECT_EQ(table.GetMScaleType(c), stUndefined);
    for (int r = 1; r <= 4; ++r) {
      EXPECT_EQ(table.GetElem(c, r), 0.0);
      EXPECT_EQ(table.GetCellState(c, r), 0);
    }
  }
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(table.GetRowName(r), "");
  EXPECT_EQ(table.GetNominalID(2, 3), "");
  EXPECT_EQ(table.FComment(), "");
  EXPECT_EQ(rec.Events(), (std::vector<std::string>{"setup", "data"}));
}

TEST(DataTableCells, FillWritesEveryValueKeepsStatesAndStaysQuiet) {
  TDataTable table(nullptr);
  FillPattern(table, 3, 4);
  TableRecorder rec(table);
  table.Fill(-2.5);
  for (int c = 1; c <= 3; ++c) {
    for (int r = 1; r <= 4; ++r) {
      EXPECT_EQ(table.GetElem(c, r), -2.5);
      EXPECT_EQ(table.GetCellState(c, r), PatternState(c, r));
    }
  }
  EXPECT_TRUE(rec.Events().empty());
}

TEST(DataTableAssign, CopiesEverythingIntoAnIndependentTable) {
  TDataTable source(nullptr);
  FillPattern(source, 3, 4);
  source.SetMScaleType(3, stOrdinal);
  source.SetNominalID(3, 5, "five");
  source.SetFComment("comment");
  TDataTable copy(nullptr);
  copy.Resize(1, 1);
  TableRecorder rec(copy);
  copy.Assign(&source);
  EXPECT_EQ(rec.Events(), (std::vector<std::string>{"resize 1x1->3x4", "setup", "data"}));
  source.SetElem(1, 1, -1.0);
  source.SetColName(1, "changed");
  ASSERT_EQ(copy.NrOfColumns(), 3);
  ASSERT_EQ(copy.NrOfRows(), 4);
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(copy.GetColName(c), "C" + std::to_string(c));
    EXPECT_EQ(copy.GetColAttrib(c), c);
    for (int r = 1; r <= 4; ++r) {
      EXPECT_EQ(copy.GetElem(c, r), PatternValue(c, r));
      EXPECT_EQ(copy.GetCellState(c, r), PatternState(c, r));
    }
  }
  EXPECT_EQ(copy.GetRowAttrib(4), 104);
  EXPECT_EQ(copy.GetMScaleType(3), stOrdinal);
  EXPECT_EQ(copy.GetNominalID(3, 5), "five");
  EXPECT_EQ(copy.FComment(), "comment");
}

TEST(DataTableAssign, RefusesOtherClassesAndNil) {
  TDataTable table(nullptr);
  fw::TComponent other(nullptr);
  EXPECT_THROW(table.Assign(&other), fw::EConvertError);
  EXPECT_THROW(table.Assign(nullptr), fw::EConvertError);
}

}  // namespace
}  // namespace zeb
