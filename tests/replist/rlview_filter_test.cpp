// Report list view filtering: the three search modes, the columns searched, the application's
// verdict combined by OnBeforeFilter, refused patterns, and ordering by enabled state.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "replist/ZEB_replist.h"

namespace {

using zeb::TReportListView;

// A free-standing view with columns City, Country, Note.
struct FilterFixture {
  TReportListView view{nullptr};
  FilterFixture() {
    const std::vector<std::array<std::string, 3>> rows{
        {"Berlin", "Germany", "capital"},    {"Munich", "Germany", "beer"},
        {"Paris", "France", "capital city"}, {"Lyon", "France", "food"},
        {"Bern", "Switzerland", "capital"},  {"Zurich", "Switzerland", "banks"}};
    view.SetNrCols(3);
    view.SetNrRows(static_cast<int>(rows.size()));
    for (int r = 1; r <= view.NrOfRows(); ++r)
      for (int c = 1; c <= 3; ++c)
        view.SetElem(c, r, rows[static_cast<size_t>(r - 1)][static_cast<size_t>(c - 1)]);
  }
  // Cities of the enabled rows in list order, then "|", then the disabled ones.
  std::string Result() {
    std::string on, off;
    for (int r = 1; r <= view.NrOfRows(); ++r)
      (view.GetRowEnabled(r) ? on : off) += view.GetElem(1, r) + " ";
    return on + "| " + off;
  }
  std::string Filter(const std::string& text, zeb::TFilterMode mode, std::vector<int> cols = {},
                     int sortCol = 1, bool ascending = true) {
    view.FilterAndSort(text, cols, false, mode, sortCol, ascending);
    return Result();
  }
};

TEST(ReportListViewFilter, SimpleModeFindsSubstringsIgnoringCase) {
  struct Case {
    std::string text;
    std::vector<int> cols;
    std::string expected;
  };
  const Case cases[] = {
      {"ber", {}, "Berlin Bern | Lyon Munich Paris Zurich "},
      {"BER", {1}, "Berlin Bern | Lyon Munich Paris Zurich "},
      {"capital", {2}, "| Berlin Bern Lyon Munich Paris Zurich "},
      {"", {}, "Berlin Bern Lyon Munich Paris Zurich | "},
      {"r", {1, 1, 9}, "Berlin Bern Paris Zurich | Lyon Munich "},
  };
  for (const Case& c : cases) {
    FilterFixture f;
    EXPECT_EQ(f.Filter(c.text, zeb::fmSimple, c.cols), c.expected) << c.text;
    EXPECT_EQ(f.view.NrOfRows(), 6) << "rows are never deleted";
  }
}

// The mode's type holds any byte; a value that names no mode searches as fmSimple.
TEST(ReportListViewFilter, AModeOutsideTheEnumerationSearchesSubstrings) {
  for (const auto mode : {zeb::TFilterMode(3), zeb::TFilterMode(255)}) {
    FilterFixture f;
    EXPECT_EQ(f.Filter("ber", mode), "Berlin Bern | Lyon Munich Paris Zurich ") << int(mode);
  }
}

TEST(ReportListViewFilter, BooleanModeCombinesWordsAndPhrases) {
  struct Case {
    std::string text, expected;
  };
  const Case cases[] = {
      {"capital germany", "Berlin | Bern Lyon Munich Paris Zurich "},
      {"capital AND germany", "Berlin | Bern Lyon Munich Paris Zurich "},
      {"beer or food", "Lyon Munich | Berlin Bern Paris Zurich "},
      {"capital not germany", "Bern Paris | Berlin Lyon Munich Zurich "},
      {"\"capital city\"", "Paris | Berlin Bern Lyon Munich Zurich "},
      {"capital city", "Paris | Berlin Bern Lyon Munich Zurich "},
      {"(france or switzerland) and not capital", "Lyon Zurich | Berlin Bern Munich Paris "},
      {"NOT", "Berlin Bern Lyon Munich Paris Zurich | "},
      {"or beer and", "Munich | Berlin Bern Lyon Paris Zurich "},
      {"(\"capital", "Berlin Bern Paris | Lyon Munich Zurich "},
      {") germany (", "Berlin Munich | Bern Lyon Paris Zurich "},
  };
  for (const Case& c : cases) {
    FilterFixture f;
    EXPECT_EQ(f.Filter(c.text, zeb::fmBoolean), c.expected) << c.text;
  }
}

TEST(ReportListViewFilter, GrepModeUsesRegularExpressions) {
  struct Case {
    std::string text, expected;
  };
  const Case cases[] = {
      {"^b", "Berlin Bern Munich Zurich | Lyon Paris "},
      {"n$", "Berlin Bern Lyon | Munich Paris Zurich "},
      {"(fr|sw)", "Bern Lyon Paris Zurich | Berlin Munich "},
      {"c[aeiou]p", "Berlin Bern Paris | Lyon Munich Zurich "},
  };
  for (const Case& c : cases) {
    FilterFixture f;
    EXPECT_EQ(f.Filter(c.text, zeb::fmGrep), c.expected) << c.text;
  }
}

TEST(ReportListViewFilter, BadOrRiskyPatternsAreRefusedWithThePattern) {
  for (const std::string& pattern : std::vector<std::string>{
           "([a-z", "a{2,1}", "(a+)+$", "(x*)*y", "((ab)+)*", "(a|aa)+b", std::string(300, 'a'),
           "[a-z]{1001}", "x{2,99999999}", "a**b", "[x]+{2}", "a*?*"}) {
    FilterFixture f;
    f.view.SetRowEnabled(2, false);
    try {
      f.view.FilterAndSort(pattern, {}, false, zeb::fmGrep, 1, true);
      ADD_FAILURE() << "accepted " << pattern;
    } catch (const zeb::EZEBRepListError& e) {
      EXPECT_NE(std::string(e.what()).find(pattern), std::string::npos) << e.what();
    }
    EXPECT_FALSE(f.view.GetRowEnabled(2)) << "nothing changed: " << pattern;
    EXPECT_EQ(f.view.NumEnabledRows(), 5);
  }
  // Repetitions that cannot blow up are fine.
  FilterFixture f;
  EXPECT_NO_THROW(f.view.FilterAndSort("(ab)?c+[a-z]*(d|e)", {}, false, zeb::fmGrep, 1, true));
  EXPECT_NO_THROW(f.view.FilterAndSort("^[a-z]{2,1000}$", {}, false, zeb::fmGrep, 1, true));
}

// Searches far longer and deeper than anyone types still parse and give their plain meaning:
// nesting beyond a fixed depth is read as if the extra parentheses and NOTs were not there.
TEST(ReportListViewFilter, HugeBooleanSearchesStayShallow) {
  std::string orChain = "beer";
  for (int i = 0; i < 200000; ++i) orChain += " OR food";
  std::string andChain;
  for (int i = 0; i < 200000; ++i) andChain += "capital ";
  struct Case {
    std::string text, expected;
  };
  const Case cases[] = {
      {orChain, "Lyon Munich | Berlin Bern Paris Zurich "},
      {andChain, "Berlin Bern Paris | Lyon Munich Zurich "},
      {std::string(200000, '(') + "food", "Lyon | Berlin Bern Munich Paris Zurich "},
      {"NOT NOT " + std::string(100, '(') + "food" + std::string(100, ')'),
       "Lyon | Berlin Bern Munich Paris Zurich "},
  };
  for (const Case& c : cases) {
    FilterFixture f;
    EXPECT_EQ(f.Filter(c.text, zeb::fmBoolean), c.expected) << c.text.substr(0, 40);
  }
  std::string nots;
  for (int i = 0; i < 100001; ++i) nots += "NOT ";
  FilterFixture f;
  const std::string result = f.Filter(nots + "food", zeb::fmBoolean);
  EXPECT_EQ(f.view.NrOfRows(), 6) << result;
}

// Whatever is typed, a search either filters or (for a bad pattern) raises the view's error.
TEST(ReportListViewFilter, ArbitrarySearchTextsNeverBreakTheFilter) {
  const std::vector<std::string> pieces{"a",   "e",   "r",   " ",  "(", ")", "\"",
                                        "AND", "or",  "NOT", "*",  "+", "?", "[",
                                        "]",   "{2}", "|",   "\\", "^", "$", "."};
  std::mt19937 random(7);
  FilterFixture f;
  for (int i = 0; i < 400; ++i) {
    std::string text;
    const int n = 1 + static_cast<int>(random() % 8);
    for (int k = 0; k < n; ++k) text += pieces[random() % pieces.size()];
    for (zeb::TFilterMode mode : {zeb::fmSimple, zeb::fmBoolean, zeb::fmGrep}) {
      try {
        f.view.FilterAndSort(text, {}, i % 2 == 0, mode, 1 + i % 3, i % 3 == 0);
      } catch (const zeb::EZEBRepListError&) {
        EXPECT_EQ(mode, zeb::fmGrep) << text;
      }
      EXPECT_EQ(f.view.NrOfRows(), 6);
    }
  }
}

TEST(ReportListViewFilter, ApplicationVerdictCombinesByLogicOp) {
  // The application likes rows whose note is exactly "capital".
  struct Case {
    zeb::TLogicOp op;
    std::string expected;
  };
  const Case cases[] = {
      {zeb::loReplace, "Berlin Bern | Lyon Munich Paris Zurich "},
      {zeb::loAnd, "Berlin | Bern Lyon Munich Paris Zurich "},
      {zeb::loOr, "Berlin Bern Munich | Lyon Paris Zurich "},
      {zeb::loAndNot, "Munich | Berlin Bern Lyon Paris Zurich "},
  };
  for (const Case& c : cases) {
    FilterFixture f;
    std::vector<int> asked;
    f.view.OnBeforeFilter = [&](fw::TObject*, int row, bool& found, zeb::TLogicOp& op) {
      asked.push_back(row);
      found = f.view.GetElem(3, row) == "capital";
      op = c.op;
    };
    EXPECT_EQ(f.Filter("germany", zeb::fmSimple), c.expected) << int(c.op);
    EXPECT_EQ(asked.size(), 6u);
  }
  // Without a change of the verdict the internal search stands.
  FilterFixture f;
  f.view.OnBeforeFilter = [](fw::TObject*, int, bool&, zeb::TLogicOp&) {};
  EXPECT_EQ(f.Filter("germany", zeb::fmSimple), "Berlin Munich | Bern Lyon Paris Zurich ");
}

TEST(ReportListViewFilter, PasswordColumnsAreNotSearched) {
  FilterFixture f;
  f.view.SetColumnIsPwd(3, true);
  EXPECT_EQ(f.Filter("capital", zeb::fmSimple), "| Berlin Bern Lyon Munich Paris Zurich ");
  EXPECT_EQ(f.Filter("capital", zeb::fmSimple, {3}), "| Berlin Bern Lyon Munich Paris Zurich ");
}

TEST(ReportListViewFilter, SelectMatchesMakesTheMatchesTheSelection) {
  FilterFixture f;
  f.view.SetRowSelect(1, true);
  f.view.FilterAndSort("france", {}, true, zeb::fmSimple, 1, false);
  // Sorted descending by city: Paris, Lyon, then the rest.
  EXPECT_EQ(f.view.GetSelectedRows(), (zeb::TIntArray{1, 2}));
  EXPECT_EQ(f.view.GetElem(1, 1), "Paris");
  EXPECT_EQ(f.view.Data()->SortColumn(), 1);
}

TEST(ReportListViewFilter, SortEnabledStatePutsEnabledRowsFirst) {
  FilterFixture f;
  f.view.SetRowEnabled(1, false);  // Berlin
  f.view.SetRowEnabled(4, false);  // Lyon
  f.view.SortEnabledState(2, 1, false);
  // Enabled by country descending then city (the secondary column ascending).
  EXPECT_EQ(f.Result(), "Bern Zurich Munich Paris | Berlin Lyon ");
  f.view.SortEnabledState(0, -1, true);
  EXPECT_EQ(f.Result(), "Bern Zurich Munich Paris | Berlin Lyon ") << "no column: order kept";
  f.view.UnSort();
  EXPECT_EQ(f.view.GetElem(1, 1), "Berlin");
  EXPECT_FALSE(f.view.GetRowEnabled(1)) << "enabling travels with the row";
}

}  // namespace
