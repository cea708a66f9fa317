// TRLData values: numbers from cells and the error naming a bad cell, the column search by
// name, and default texts derived from column formats.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "replist/ZEB_replist.h"
#include "rldata_test_support.h"

namespace {

struct NumberCase {
  const char* text;
  double value;
};

TEST(RLDataValues, NumbersFromCells) {
  const NumberCase cases[] = {{" 3,5 ", 3.5},  {"", 0.0},       {"   ", 0.0}, {"-12", -12.0},
                              {"1e3", 1000.0}, {"+0.25", 0.25}, {"7.", 7.0}};
  for (const NumberCase& c : cases) {
    auto store = rltest::MakeStore({{c.text}});
    EXPECT_DOUBLE_EQ(store->GetAsNumber(1, 1), c.value) << '"' << c.text << '"';
  }
}

TEST(RLDataValues, NumbersIgnoreTheCheckFlag) {
  auto store = rltest::MakeStore({{"42"}});
  store->SetColCheckMode(1, zeb::cmBox);
  store->SetElemChecked(1, 1, true);
  EXPECT_DOUBLE_EQ(store->GetAsNumber(1, 1), 42.0);
}

struct BadNumberCase {
  const char* text;
  int col;
  int row;
  bool check;
  const char* message;
};

TEST(RLDataValues, BadNumbersRaiseTheStructureErrorNamingTheCell) {
  const BadNumberCase cases[] = {
      {"12a", 2, 5, false, "Class TRLData: invalid numeric string: [2,5]: 12a"},
      {"abc", 1, 1, false, "Class TRLData: invalid numeric string: [1,1]: abc"},
      {"1 2", 2, 3, false, "Class TRLData: invalid numeric string: [2,3]: 1 2"},
      {"x9", 2, 1, true, "Class TRLData: invalid numeric string: [2,1]: Xx9"},
  };
  for (const BadNumberCase& c : cases) {
    auto store = rltest::MakeStore({{"", "", "", "", ""}, {"", "", "", "", ""}});
    if (c.check) store->SetColCheckMode(c.col, zeb::cmBox);
    store->SetElem(c.col, c.row, c.text);
    if (c.check) store->SetElemChecked(c.col, c.row, true);
    try {
      store->GetAsNumber(c.col, c.row);
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const zeb::EZEBDStructError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(RLDataValues, ColumnIndexByNameIgnoringCase) {
  auto store = rltest::MakeStore({{""}, {""}, {""}, {""}});
  store->SetColName(1, "Total");
  store->SetColName(2, "Sum A");
  store->SetColName(3, "Sum B");
  store->SetColName(4, "Ärger");
  EXPECT_EQ(store->ColumnIndex("total", false), 1);
  EXPECT_EQ(store->ColumnIndex("TOT", false), -1);
  EXPECT_EQ(store->ColumnIndex("TOT", true), 1);
  EXPECT_EQ(store->ColumnIndex("sum", true), 3);
  EXPECT_EQ(store->ColumnIndex("sum a", false), 2);
  EXPECT_EQ(store->ColumnIndex("ärger", false), 4);
  EXPECT_EQ(store->ColumnIndex("none", true), -1);
}

struct DefaultCase {
  const char* format;
  int row;
  const char* expected;
};

TEST(RLDataValues, DefaultValuesFromFormats) {
  const DefaultCase cases[] = {
      {"[i][60]rix4", 7, "0007"},
      {"[i]rix2", 123, "23"},
      {"[i]rix0", 5, "5"},
      {"[i][10]RIX3", 42, "042"},
      {"[h][50]rix3", 26, "01A"},
      {"[h]rix0", 255, "F"},
      {"[h]rix20", 255, "00000000000000FF"},
      {"[f]rix2", 7, "7.00"},
      {"[e][30]rix0", 12, "12"},
      {"[f]3.5", 9, "3.5"},
      {"[c][120]red|green|blue", 1, "red"},
      {"[l]only", 1, "only"},
      {"[d][80]dd.mm.yyyy", 1, "dd.mm.yyyy"},
      {"[s]none", 1, "none"},
      {"[s][40]", 1, ""},
      {"[s]", 1, ""},
      {"plain", 1, ""},
      {"[#i]rix2", 3, ""},
      {"[x]abc", 1, ""},
  };
  for (const DefaultCase& c : cases) {
    auto store = rltest::MakeStore({{""}});
    store->SetColumnFormat(1, c.format);
    EXPECT_EQ(store->GetCellDefaultValue(1, c.row), c.expected) << c.format;
  }
}

TEST(RLDataValues, PasswordDefaultsAreFreshAndOfTheGivenLength) {
  auto store = rltest::MakeStore({{""}});
  store->SetColumnFormat(1, "[s][40]$PWD$12");
  const std::string first = store->GetCellDefaultValue(1, 1);
  const std::string second = store->GetCellDefaultValue(1, 1);
  ASSERT_EQ(first.size(), 12u);
  EXPECT_NE(first, second);
  for (char ch : first) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(ch))) << first;
  store->SetColumnFormat(1, "[s]$pwd$999999999");
  EXPECT_EQ(store->GetCellDefaultValue(1, 1).size(), 255u);
}

TEST(RLDataValues, OutOfRangeColumnsHaveNoDefault) {
  auto store = rltest::MakeStore({{""}});
  store->SetColumnFormat(1, "[s]x");
  EXPECT_EQ(store->GetCellDefaultValue(2, 1), "");
  EXPECT_EQ(store->GetCellDefaultValue(0, 1), "");
}

}  // namespace
