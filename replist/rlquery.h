// The report list's search language, free of any view or store: boolean searches over rows of
// cell texts, and the guard that keeps regular expressions cheap to compile and match.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace zeb::rlquery {

// Parentheses and NOT nested deeper than this are read as if they were not there, so a
// search text of any length parses and evaluates within a small, fixed stack depth.
inline constexpr int kMaxNesting = 64;
// A regular expression longer than this is refused (cells hold at most 255 characters, so
// longer patterns serve no search); a bound on the work one match can take.
inline constexpr std::size_t kMaxPatternLength = 256;
// A repetition count above this makes a regular expression too complex to compile.
inline constexpr long kMaxRepeatCount = 1000;

// A compiled boolean search: words and "quoted phrases" joined by AND, OR, NOT (any letter
// case) and parentheses, AND implied between neighbours, NOT binding tightest and OR loosest.
// A term matches a row when one of its cells contains it, ignoring case.
class TQuery {
 public:
  // Never fails: stray operators and parentheses are skipped and an unclosed phrase runs to
  // the end, so a search typed letter by letter always means something.
  static TQuery Compile(std::string_view text);

  TQuery();  // no terms: matches every row
  ~TQuery();
  TQuery(TQuery&&) noexcept;
  TQuery& operator=(TQuery&&) noexcept;

  // True when the search has no terms (an empty or operators-only text).
  bool MatchesEverything() const { return root_ == nullptr; }
  bool Matches(std::span<const std::string> cells) const;
  bool Matches(std::string_view text) const;

  // A node of the parsed search (rlquery.cpp).
  struct Node;

 private:
  explicit TQuery(std::unique_ptr<Node> root);
  std::unique_ptr<Node> root_;
};

// True when `pattern` may be compiled as a regular expression: at most kMaxPatternLength
// bytes, no repetition count above kMaxRepeatCount, and no repeated group that itself repeats
// or alternates ("(a+)+", "(a|aa)*") nor quantifiers in a row ("a**"), on which a
// backtracking matcher can take exponential time when a match fails.
bool PatternAcceptable(std::string_view pattern);

}  // namespace zeb::rlquery
