// The report list's search language alone: what a boolean search matches in a text and in a
// row of cells, and which regular expressions the guard lets through.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "replist/rlquery.h"

namespace {

using zeb::rlquery::TQuery;

std::string Repeat(const std::string& piece, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += piece;
  return s;
}

TEST(RLQuery, BooleanSearchesMatchTexts) {
  const int deep = zeb::rlquery::kMaxNesting;
  struct Case {
    std::string query, text;
    bool expected;
  };
  const Case cases[] = {
      // Terms, ignoring case on both sides; operators are whole words only.
      {"berlin", "The BERLIN wall", true},
      {"BeRLin", "berlin", true},
      {"berlin", "Bern", false},
      {"android", "an android phone", true},
      {"band", "a band", true},
      {"Zürich", "ZÜRICH", true},
      // AND (written or implied), OR, NOT in any letter case.
      {"berlin paris", "paris, berlin", true},
      {"berlin paris", "berlin", false},
      {"berlin aNd paris", "berlin", false},
      {"berlin Or paris", "paris", true},
      {"berlin OR paris", "rome", false},
      {"not berlin", "paris", true},
      {"NOT berlin", "berlin", false},
      // NOT binds tightest, OR loosest; parentheses group.
      {"a or b c", "a", true},
      {"a or b c", "b", false},
      {"a or b c", "c b", true},
      {"not a b", "b", true},
      {"not a b", "a b", false},
      {"not a or b", "a b", true},
      {"not a or b", "a", false},
      {"(a or b) c", "a", false},
      {"(a or b) c", "a c", true},
      {"not (a or b)", "c", true},
      {"not (a or b)", "b", false},
      // Phrases keep their words together and their operators literal.
      {"\"capital city\"", "the capital city", true},
      {"\"capital city\"", "city capital", false},
      {"capital city", "city capital", true},
      {"\"a or b\"", "a or b", true},
      {"\"a or b\"", "a", false},
      {"\"capital ci", "capital city", true},
      // Stray operators and parentheses are skipped; no terms at all match everything.
      {"", "anything", true},
      {"NOT", "anything", true},
      {"and or (", "anything", true},
      {"or beer and", "beer", true},
      {") germany (", "germany", true},
      {") germany (", "france", false},
      {"a )) b", "a", false},
      {"a )) b", "b a", true},
      {"((a", "a", true},
      // Nesting deeper than the limit reads as if the extra NOTs and parentheses were absent.
      {Repeat("NOT ", deep - 1) + "food", "food", false},
      {Repeat("NOT ", deep) + "food", "food", true},
      {Repeat("NOT ", deep + 1) + "food", "food", true},
      {Repeat("(", 100000) + "food", "food", true},
      {Repeat("(", 100000) + "food", "fish", false},
      {"NOT NOT " + Repeat("(", 100) + "food" + Repeat(")", 100), "food", true},
  };
  for (const Case& c : cases) {
    const TQuery query = TQuery::Compile(c.query);
    EXPECT_EQ(query.Matches(c.text), c.expected) << c.query.substr(0, 60) << " / " << c.text;
  }
}

TEST(RLQuery, EachTermMayMatchAnotherCellButNotAcrossCells) {
  struct Case {
    std::string query;
    std::vector<std::string> cells;
    bool expected;
  };
  const Case cases[] = {
      {"berlin germany", {"Berlin", "Germany"}, true},
      {"\"berlin germany\"", {"Berlin", "Germany"}, false},
      {"\"lin ger\"", {"Berlin", "Germany"}, false},
      {"not capital", {"Berlin", "capital"}, false},
      {"berlin", {}, false},
      {"not berlin", {}, true},
      {"", {}, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TQuery::Compile(c.query).Matches(c.cells), c.expected) << c.query;
  EXPECT_TRUE(TQuery().MatchesEverything());
  EXPECT_TRUE(TQuery::Compile(" ( ) OR ").MatchesEverything());
  EXPECT_FALSE(TQuery::Compile("x").MatchesEverything());
}

// The guard judges cost only: a pattern the matcher will refuse as invalid may pass it.
TEST(RLQuery, PatternGuardRefusesCostlyRegularExpressions) {
  struct Case {
    std::string pattern;
    bool acceptable;
  };
  const Case cases[] = {
      {"^b", true},
      {"(fr|sw)", true},
      {"(ab)?c+[a-z]*(d|e)", true},
      {"^[a-z]{2,1000}$", true},
      {"[(a+)]+", true},
      {"\\(a+\\)+", true},
      {"([a-z", true},
      {std::string(zeb::rlquery::kMaxPatternLength, 'a'), true},
      {std::string(zeb::rlquery::kMaxPatternLength + 1, 'a'), false},
      {"(a+)+$", false},
      {"(x*)*y", false},
      {"((ab)+)*", false},
      {"(a|aa)+b", false},
      {"a**b", false},
      {"[x]+{2}", false},
      {"a*?*", false},
      {"[a-z]{1001}", false},
      {"x{2,99999999}", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(zeb::rlquery::PatternAcceptable(c.pattern), c.acceptable) << c.pattern;
}

}  // namespace
