// TReportListView filtering and ordering by state: rows that match a search are enabled, the
// others disabled (never deleted), then enabled rows are sorted before disabled ones.
#include <algorithm>
#include <memory>
#include <regex>

#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"
#include "replist/rlview_hold.h"

namespace zeb {

namespace {

// Patterns and texts longer than this are not searched further (cells hold at most 255
// characters anyway); a bound on the work one regular expression match can take.
constexpr size_t kMaxPatternLength = 256;

// ---- boolean search expressions -----------------------------------------------------------

// Parentheses and NOT nested deeper than this are read as if they were not there, so a
// search text of any length parses and evaluates within a small, fixed stack depth.
constexpr int kMaxNesting = 64;
// A repetition count above this makes a regular expression too complex to compile.
constexpr long kMaxRepeatCount = 1000;

// A node of a parsed boolean search: a lower-case term, NOT of one sub-expression, or AND, OR
// of any number of them (kept flat, so long chains do not make the tree deep).
struct Expr {
  enum Kind { Term, Not, And, Or } kind = Term;
  std::string term;
  std::vector<std::unique_ptr<Expr>> kids;
};

struct Token {
  enum Kind { Word, Phrase, AndOp, OrOp, NotOp, Open, Close } kind;
  std::string text;
};

std::vector<Token> Lex(const std::string& text) {
  std::vector<Token> tokens;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == ' ' || c == '\t') {
      ++i;
    } else if (c == '(' || c == ')') {
      tokens.push_back({c == '(' ? Token::Open : Token::Close, {}});
      ++i;
    } else if (c == '"') {
      // A phrase runs to the closing quote, or to the end when there is none.
      const size_t end = text.find('"', i + 1);
      const size_t stop = end == std::string::npos ? text.size() : end;
      tokens.push_back({Token::Phrase, fw::LowerCase(text.substr(i + 1, stop - i - 1))});
      i = stop == text.size() ? stop : stop + 1;
    } else {
      size_t j = i;
      while (j < text.size() && text[j] != ' ' && text[j] != '\t' && text[j] != '(' &&
             text[j] != ')' && text[j] != '"')
        ++j;
      const std::string word = text.substr(i, j - i);
      const std::string upper = fw::UpperCase(word);
      if (upper == "AND")
        tokens.push_back({Token::AndOp, {}});
      else if (upper == "OR")
        tokens.push_back({Token::OrOp, {}});
      else if (upper == "NOT")
        tokens.push_back({Token::NotOp, {}});
      else
        tokens.push_back({Token::Word, fw::LowerCase(word)});
      i = j;
    }
  }
  return tokens;
}

// Recursive descent: or := and {OR and}; and := unary {[AND] unary}; unary := NOT unary |
// ( or ) | term. Stray operators and parentheses are skipped rather than refused, so a
// search typed letter by letter always means something.
class BoolParser {
 public:
  explicit BoolParser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  std::unique_ptr<Expr> Parse() {
    std::unique_ptr<Expr> e;
    while (pos_ < tokens_.size()) {
      auto part = ParseOr();
      if (part) e = e ? Join(Expr::And, std::move(e), std::move(part)) : std::move(part);
      if (pos_ < tokens_.size()) ++pos_;  // a stray ")" or operator
    }
    return e;
  }

 private:
  static std::unique_ptr<Expr> Join(Expr::Kind kind, std::unique_ptr<Expr> a,
                                    std::unique_ptr<Expr> b) {
    if (!a) return b;
    if (!b) return a;
    if (a->kind == kind) {
      a->kids.push_back(std::move(b));
      return a;
    }
    auto e = std::make_unique<Expr>();
    e->kind = kind;
    e->kids.push_back(std::move(a));
    e->kids.push_back(std::move(b));
    return e;
  }
  bool At(Token::Kind k) const { return pos_ < tokens_.size() && tokens_[pos_].kind == k; }

  std::unique_ptr<Expr> ParseOr() {
    auto e = ParseAnd();
    while (At(Token::OrOp)) {
      ++pos_;
      e = Join(Expr::Or, std::move(e), ParseAnd());
    }
    return e;
  }

  std::unique_ptr<Expr> ParseAnd() {
    auto e = ParseUnary();
    while (pos_ < tokens_.size() && !At(Token::OrOp) && !At(Token::Close)) {
      if (At(Token::AndOp)) ++pos_;
      e = Join(Expr::And, std::move(e), ParseUnary());
    }
    return e;
  }

  std::unique_ptr<Expr> ParseUnary() {
    if (depth_ >= kMaxNesting)
      while (At(Token::NotOp) || At(Token::Open)) ++pos_;
    if (pos_ >= tokens_.size()) return nullptr;
    const Token& t = tokens_[pos_];
    if (t.kind == Token::NotOp) {
      ++pos_;
      Nest nest(depth_);
      auto operand = ParseUnary();
      if (!operand) return nullptr;
      auto e = std::make_unique<Expr>();
      e->kind = Expr::Not;
      e->kids.push_back(std::move(operand));
      return e;
    }
    if (t.kind == Token::Open) {
      ++pos_;
      Nest nest(depth_);
      auto e = ParseOr();
      if (At(Token::Close)) ++pos_;
      return e;
    }
    if (t.kind == Token::Word || t.kind == Token::Phrase) {
      ++pos_;
      auto e = std::make_unique<Expr>();
      e->term = t.text;
      return e;
    }
    return nullptr;  // an operator where a term belongs: AND, OR, ")" left to the caller
  }

  // Counts one level of nesting while alive.
  struct Nest {
    explicit Nest(int& d) : depth(d) { ++depth; }
    ~Nest() { --depth; }
    Nest(const Nest&) = delete;
    Nest& operator=(const Nest&) = delete;
    int& depth;
  };

  std::vector<Token> tokens_;
  size_t pos_ = 0;
  int depth_ = 0;
};

bool Evaluate(const Expr* e, const std::vector<std::string>& cells) {
  if (e == nullptr) return true;
  switch (e->kind) {
    case Expr::Term:
      return std::any_of(cells.begin(), cells.end(), [e](const std::string& cell) {
        return cell.find(e->term) != std::string::npos;
      });
    case Expr::Not:
      return !Evaluate(e->kids.front().get(), cells);
    case Expr::And:
      return std::all_of(e->kids.begin(), e->kids.end(),
                         [&](const auto& kid) { return Evaluate(kid.get(), cells); });
    case Expr::Or:
      return std::any_of(e->kids.begin(), e->kids.end(),
                         [&](const auto& kid) { return Evaluate(kid.get(), cells); });
  }
  return false;
}

// ---- regular expressions ------------------------------------------------------------------

// True when a repetition count ("{n}", "{n,}", "{n,m}") exceeds kMaxRepeatCount: the compiled
// expression holds one copy of the repeated item per count.
bool HasLargeCount(const std::string& counts) {
  long value = 0;
  for (const char c : counts) {
    if (c >= '0' && c <= '9') {
      value = value * 10 + (c - '0');
      if (value > kMaxRepeatCount) return true;
    } else {
      value = 0;
    }
  }
  return false;
}

// True when a repeated group ("*", "+" or "{...}" after ")") itself holds a repetition or an
// alternative, as in "(a+)+" or "(a|aa)*", or when quantifiers follow each other, as in "a**"
// (which the matcher reads as a repeated repetition): a backtracking matcher can take
// exponential time on such patterns when a match fails. Also true for a repetition count
// above kMaxRepeatCount.
bool HasNestedRepetition(const std::string& p) {
  std::vector<bool> inner;  // per open group: holds a repetition or an alternative
  bool afterInnerGroup = false;
  bool inClass = false;
  for (size_t i = 0; i < p.size(); ++i) {
    const char c = p[i];
    if (inClass) {
      if (c == '\\')
        ++i;
      else if (c == ']')
        inClass = false;
      continue;
    }
    switch (c) {
      case '\\':
        ++i;
        afterInnerGroup = false;
        break;
      case '[':
        inClass = true;
        afterInnerGroup = false;
        break;
      case '(':
        inner.push_back(false);
        afterInnerGroup = false;
        break;
      case ')': {
        const bool in = !inner.empty() && inner.back();
        if (!inner.empty()) inner.pop_back();
        if (in && !inner.empty()) inner.back() = true;
        afterInnerGroup = in;
        break;
      }
      case '|':
        if (!inner.empty()) inner.back() = true;
        afterInnerGroup = false;
        break;
      case '*':
      case '+':
      case '{':
        if (afterInnerGroup) return true;
        if (!inner.empty()) inner.back() = true;
        if (c == '{') {
          const size_t close = p.find('}', i);
          if (close != std::string::npos) {
            if (HasLargeCount(p.substr(i + 1, close - i - 1))) return true;
            i = close;
          }
        }
        // A quantifier right after this one repeats a repetition ("a**", "a+{2}").
        afterInnerGroup = true;
        break;
      case '?':
        break;  // optional or lazy: no repetition of its own
      default:
        afterInnerGroup = false;
    }
  }
  return false;
}

}  // namespace

std::vector<int> TReportListView::FilterColumns(std::span<const int> Cols) const {
  std::vector<int> cols;
  if (Cols.empty()) {
    for (int c = 1; c <= NrOfColumns(); ++c) cols.push_back(c);
  } else {
    for (int c : Cols)
      if (InDataCols(c) && std::find(cols.begin(), cols.end(), c) == cols.end()) cols.push_back(c);
  }
  // Hidden texts are never searched: a filter must not reveal what a password column holds.
  std::erase_if(cols, [this](int c) { return GetColumnIsPwd(c); });
  return cols;
}

void TReportListView::FilterAndSort(const std::string& SearchText, std::span<const int> Cols,
                                    bool SelectMatches, TFilterMode Mode, int SortCol,
                                    bool Ascending) {
  const std::vector<int> cols = FilterColumns(Cols);
  const std::string needle = fw::LowerCase(SearchText);
  std::unique_ptr<Expr> expr;
  std::unique_ptr<std::regex> re;
  if (!SearchText.empty() && Mode == fmBoolean) expr = BoolParser(Lex(SearchText)).Parse();
  if (!SearchText.empty() && Mode == fmGrep) {
    const std::string error = "Component \"" + Name() + "\": invalid search pattern: " + SearchText;
    if (SearchText.size() > kMaxPatternLength || HasNestedRepetition(SearchText))
      throw EZEBRepListError(error + " (too complex)");
    try {
      re = std::make_unique<std::regex>(SearchText, std::regex::ECMAScript | std::regex::icase);
    } catch (const std::regex_error&) {
      throw EZEBRepListError(error);
    }
  }
  EndEditing();
  {
    PaintHold hold(*this);
    TStringArray& m = *data_->Matrix();
    std::vector<std::string> cells(cols.size());
    for (int r = 1; r <= NrOfRows(); ++r) {
      bool found = true;
      if (!SearchText.empty()) {
        for (size_t i = 0; i < cols.size(); ++i) {
          cells[i] = data_->GetElem(cols[i], r);
          if (Mode != fmGrep) cells[i] = fw::LowerCase(cells[i]);
        }
        if (Mode == fmSimple) {
          found = std::any_of(cells.begin(), cells.end(), [&](const std::string& cell) {
            return cell.find(needle) != std::string::npos;
          });
        } else if (Mode == fmBoolean) {
          found = Evaluate(expr.get(), cells);
        } else {
          try {
            found = std::any_of(cells.begin(), cells.end(), [&](const std::string& cell) {
              return std::regex_search(cell, *re);
            });
          } catch (const std::regex_error&) {
            throw EZEBRepListError("Component \"" + Name() +
                                   "\": search pattern too complex: " + SearchText);
          }
        }
      }
      if (OnBeforeFilter) {
        bool verdict = found;
        TLogicOp op = loReplace;
        OnBeforeFilter(this, r, verdict, op);
        found = ApplyLogicOp(op, found, verdict);
      }
      uint8_t a = m.GetRowAttrib(r);
      a = found ? static_cast<uint8_t>(a & ~kRowDisabled) : static_cast<uint8_t>(a | kRowDisabled);
      if (SelectMatches)
        a = found ? static_cast<uint8_t>(a | kRowSelected)
                  : static_cast<uint8_t>(a & ~kRowSelected);
      m.SetRowAttrib(r, a);
    }
    SortEnabledState(SortCol, -1, Ascending);
    SetTopRow(1);
  }
  ChangedSelection();
}

// Sorts by the columns through the data store (recording the sort state), then moves the
// enabled rows before the disabled ones, each group keeping the sorted order.
void TReportListView::SortEnabledState(int SortCol, int SortColSec, bool Ascending) {
  EndEditing();
  PaintHold hold(*this);
  TStringArray& m = *data_->Matrix();
  if (SortCol >= 1 && SortCol <= NrOfColumns()) data_->Sort(SortCol, SortColSec, Ascending);
  const int rows = NrOfRows();
  std::vector<int> order(static_cast<size_t>(rows));
  for (int r = 1; r <= rows; ++r) order[static_cast<size_t>(r - 1)] = m.GetSortOrder(r);
  std::vector<bool> enabled(static_cast<size_t>(rows) + 1);
  for (int r = 1; r <= rows; ++r)
    enabled[static_cast<size_t>(m.GetSortOrder(r))] = (m.GetRowAttrib(r) & kRowDisabled) == 0;
  std::stable_partition(order.begin(), order.end(),
                        [&](int stored) { return enabled[static_cast<size_t>(stored)]; });
  for (int r = 1; r <= rows; ++r) m.SetSortOrder(r, order[static_cast<size_t>(r - 1)]);
}

}  // namespace zeb
