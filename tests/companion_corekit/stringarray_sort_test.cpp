// TStringArray sorting through the row order: the comparison rule, stability, both
// directions, UnSort, CommitSorting, attribute bytes moving with rows, and the sort events.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "companion/ZEB_dstruct.h"

namespace {

// A matrix whose column `col` holds the given texts in rows 1..n (other columns empty).
std::unique_ptr<zeb::TStringArray> WithColumn(const std::vector<std::string>& texts, int cols = 2,
                                              int col = 1) {
  auto m = std::make_unique<zeb::TStringArray>(nullptr);
  EXPECT_TRUE(m->Resize(cols, static_cast<int>(texts.size())));
  for (std::size_t i = 0; i < texts.size(); ++i) m->SetElem(col, static_cast<int>(i) + 1, texts[i]);
  return m;
}

std::vector<std::string> Shown(const zeb::TStringArray& m, int col) {
  std::vector<std::string> out;
  for (int r = 1; r <= m.NrOfRows(); ++r) out.push_back(m.GetElem(col, r));
  return out;
}

TEST(StringArraySort, ComparisonRuleEmptyThenNumbersThenTextsWithoutCase) {
  struct Case {
    const char* name;
    std::vector<std::string> cells;
    std::vector<std::string> ascending;
  };
  const std::vector<Case> cases = {
      {"numbers by value", {"10", "9", "-2", "1e1", "0.5"}, {"-2", "0.5", "9", "10", "1e1"}},
      {"comma decimal point", {"2,5", "2.25", " 3 ", "-0"}, {"-0", "2.25", "2,5", " 3 "}},
      {"texts without case",
       {"beta", "Alpha", "alpha2", "ALPHA1"},
       {"Alpha", "ALPHA1", "alpha2", "beta"}},
      {"classes", {"b", "", "7", "  ", "a", "-1"}, {"", "  ", "-1", "7", "a", "b"}},
      {"number-like texts", {"12a", "12", "1.2.3", "+"}, {"12", "+", "1.2.3", "12a"}},
      {"accents and case",
       {"Zoo", "Über", "uber", "Ärger", "Apfel", "straße", "strasse2"},
       {"Apfel", "Ärger", "straße", "strasse2", "Über", "uber", "Zoo"}},
      {"other scripts by code point", {"Ωmega", "alpha", "Ärger"}, {"alpha", "Ärger", "Ωmega"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto m = WithColumn(c.cells);
    m->Sort(1, -1, true);
    EXPECT_EQ(Shown(*m, 1), c.ascending);
  }
}

TEST(StringArraySort, NumbersEqualByValueKeepStoredOrder) {
  // "10" and "1e1" (and "-0" and "0") are equal keys: their stored order decides.
  auto m = WithColumn({"1e1", "0", "10", "-0"});
  m->Sort(1, -1, true);
  EXPECT_EQ(Shown(*m, 1), (std::vector<std::string>{"0", "-0", "1e1", "10"}));
  m->Sort(1, -1, false);
  EXPECT_EQ(Shown(*m, 1), (std::vector<std::string>{"1e1", "10", "0", "-0"}));
}

TEST(StringArraySort, DescendingIsTheReverseForDistinctKeys) {
  auto m = WithColumn({"b", "", "7", "a", "-1", "C"});
  m->Sort(1, -1, false);
  EXPECT_EQ(Shown(*m, 1), (std::vector<std::string>{"C", "b", "a", "7", "-1", ""}));
}

TEST(StringArraySort, TiesGoToTheSecondaryColumnThenToStoredOrder) {
  auto m = std::make_unique<zeb::TStringArray>(nullptr);
  ASSERT_TRUE(m->Resize(3, 6));
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"x", "2"}, {"y", "1"}, {"x", "1"}, {"X", "2"}, {"y", "3"}, {"x", "1"}};
  for (int r = 1; r <= 6; ++r) {
    m->SetElem(1, r, rows[r - 1].first);
    m->SetElem(2, r, rows[r - 1].second);
    m->SetElem(3, r, std::to_string(r));  // identity of the stored row
  }
  m->Sort(1, 2, true, true);
  EXPECT_EQ(Shown(*m, 3), (std::vector<std::string>{"3", "6", "1", "4", "2", "5"}));
  m->Sort(1, 2, true, false);
  EXPECT_EQ(Shown(*m, 3), (std::vector<std::string>{"1", "4", "3", "6", "5", "2"}));
  m->Sort(1, 2, false, true);
  EXPECT_EQ(Shown(*m, 3), (std::vector<std::string>{"2", "5", "3", "6", "1", "4"}));
  // An invalid or identical secondary column means stored order alone.
  m->Sort(1, 9, true, true);
  EXPECT_EQ(Shown(*m, 3), (std::vector<std::string>{"1", "3", "4", "6", "2", "5"}));
  m->Sort(1, 1, true, true);
  EXPECT_EQ(Shown(*m, 3), (std::vector<std::string>{"1", "3", "4", "6", "2", "5"}));
}

TEST(StringArraySort, StableAgainstAReferenceOnRandomData) {
  std::mt19937 random(7);
  const int n = 3000;
  auto m = std::make_unique<zeb::TStringArray>(nullptr);
  ASSERT_TRUE(m->Resize(2, n));
  std::vector<int> keys(n + 1);
  for (int r = 1; r <= n; ++r) {
    keys[r] = static_cast<int>(random() % 50);
    m->SetElem(1, r, std::to_string(keys[r]));
    m->SetElem(2, r, std::to_string(r));
  }
  // An earlier sort in another order must not leak into the result.
  m->Sort(2, -1, false);
  m->Sort(1, -1, true);
  std::vector<int> expected(n);
  std::iota(expected.begin(), expected.end(), 1);
  std::stable_sort(expected.begin(), expected.end(),
                   [&](int a, int b) { return keys[a] < keys[b]; });
  for (int i = 0; i < n; ++i) {
    ASSERT_EQ(m->GetSortOrder(i + 1), expected[i]) << i;
    ASSERT_EQ(m->GetElem(2, i + 1), std::to_string(expected[i]));
  }
}

TEST(StringArraySort, UnSortRestoresTheStoredOrder) {
  auto m = WithColumn({"c", "a", "b"});
  EXPECT_FALSE(m->IsSorted());
  m->Sort(1, -1, true);
  EXPECT_TRUE(m->IsSorted());
  EXPECT_EQ(m->GetSortOrder(1), 2);
  EXPECT_EQ(m->GetSortOrder(0), 0);
  m->UnSort();
  EXPECT_FALSE(m->IsSorted());
  EXPECT_EQ(Shown(*m, 1), (std::vector<std::string>{"c", "a", "b"}));
}

TEST(StringArraySort, WritesAfterSortingGoToTheShownRow) {
  auto m = WithColumn({"c", "a", "b"});
  m->Sort(1, -1, true);
  m->SetElem(2, 1, "next to a");
  m->UnSort();
  EXPECT_EQ(m->GetElem(2, 2), "next to a");
}

TEST(StringArraySort, AttributeBytesTravelWithTheirRows) {
  auto m = WithColumn({"c", "a", "b"});
  m->SetRowAttrib(1, 0x80);  // selects "c"
  m->SetRowAttrib(3, 0x40);  // disables "b"
  m->Sort(1, -1, true);
  EXPECT_EQ(m->GetRowAttrib(3), 0x80);
  EXPECT_EQ(m->GetRowAttrib(2), 0x40);
  EXPECT_EQ(m->GetRowAttrib(1), 0);
  m->SetRowAttrib(1, 0x01);  // marks "a", shown first
  m->CommitSorting();
  EXPECT_EQ(m->GetRowAttrib(1), 0x01);
  EXPECT_EQ(m->GetRowAttrib(2), 0x40);
  EXPECT_EQ(m->GetRowAttrib(3), 0x80);
  m->UnSort();
  EXPECT_EQ(Shown(*m, 1), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(m->GetRowAttrib(3), 0x80);
}

TEST(StringArraySort, StructuralChangesCommitTheShownOrderFirst) {
  struct Case {
    const char* name;
    std::function<void(zeb::TStringArray&)> change;
    std::vector<std::string> afterUnSort;
  };
  const std::vector<Case> cases = {
      {"InsertRow", [](zeb::TStringArray& m) { m.InsertRow(2); }, {"a", "", "b", "c"}},
      {"RemoveRow", [](zeb::TStringArray& m) { m.RemoveRow(1); }, {"b", "c"}},
      {"shrinking Resize", [](zeb::TStringArray& m) { m.Resize(2, 2); }, {"a", "b"}},
      {"CommitSorting", [](zeb::TStringArray& m) { m.CommitSorting(); }, {"a", "b", "c"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto m = WithColumn({"c", "a", "b"});
    m->Sort(1, -1, true);
    c.change(*m);
    EXPECT_FALSE(m->IsSorted());
    m->UnSort();
    EXPECT_EQ(Shown(*m, 1), c.afterUnSort);
  }
}

TEST(StringArraySort, GrowingKeepsTheOrderAndAppendsNewRows) {
  auto m = WithColumn({"c", "a", "b"});
  m->Sort(1, -1, true);
  ASSERT_TRUE(m->Resize(2, 4));
  m->SetElem(1, 4, "new");
  EXPECT_EQ(Shown(*m, 1), (std::vector<std::string>{"a", "b", "c", "new"}));
}

TEST(StringArraySort, SetSortOrderCopiesAnOrderEntryByEntry) {
  // The report list copies a sorted matrix this way: cells to the stored rows, then the order.
  auto source = WithColumn({"c", "a", "b"});
  source->Sort(1, -1, true);
  zeb::TStringArray copy(nullptr);
  ASSERT_TRUE(copy.Resize(2, 3));
  for (int r = 1; r <= 3; ++r) copy.SetElem(1, source->GetSortOrder(r), source->GetElem(1, r));
  for (int r = 1; r <= 3; ++r) copy.SetSortOrder(r, source->GetSortOrder(r));
  EXPECT_EQ(Shown(copy, 1), Shown(*source, 1));
  copy.UnSort();
  EXPECT_EQ(Shown(copy, 1), (std::vector<std::string>{"c", "a", "b"}));
  // Entries out of range are ignored.
  copy.SetSortOrder(1, 0);
  copy.SetSortOrder(1, 4);
  copy.SetSortOrder(0, 2);
  EXPECT_FALSE(copy.IsSorted());
}

TEST(StringArraySort, BeforeSortExchangeReplacesKeysOncePerRow) {
  auto m = WithColumn({"Mar", "Jan", "Feb"});
  std::vector<std::string> seen;
  m->OnBeforeSortExchange = [&](fw::TObject* sender, const std::string& s1, std::string& s2) {
    EXPECT_EQ(sender, m.get());
    EXPECT_EQ(s1, s2);
    seen.push_back(s1);
    s2 = s1 == "Jan" ? "1" : s1 == "Feb" ? "2" : "3";
  };
  m->Sort(1, -1, true);
  EXPECT_EQ(seen, (std::vector<std::string>{"Mar", "Jan", "Feb"}));
  EXPECT_EQ(Shown(*m, 1), (std::vector<std::string>{"Jan", "Feb", "Mar"}));
}

TEST(StringArraySort, PercentDoneRunsFromZeroToHundredOncePerSort) {
  auto m = WithColumn({"b", "a"});
  std::vector<int> reports;
  m->OnPercentDone = [&](fw::TObject*, int percent) { reports.push_back(percent); };
  m->Sort(1, 2, true, false);
  EXPECT_EQ(reports, (std::vector<int>{0, 50, 100}));
  reports.clear();
  m->Sort(7, -1, true);  // no such column: nothing happens
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(Shown(*m, 1), (std::vector<std::string>{"a", "b"}));
}

TEST(StringArraySort, ColumnZeroSortsAndRowZeroStays) {
  auto m = WithColumn({"3", "1", "2"}, 1, 0);
  m->SetElem(0, 0, "head");
  m->Sort(0, -1, true);
  EXPECT_EQ(Shown(*m, 0), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(m->GetElem(0, 0), "head");
}

}  // namespace
