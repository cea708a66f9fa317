// Boolean searches of the report list's filter: the lexer, a recursive-descent parser with a
// fixed nesting limit, and the evaluator over a row of cell texts.
#include <algorithm>
#include <utility>
#include <vector>

#include "framework/rtl/utf8.h"
#include "replist/rlquery.h"

namespace zeb::rlquery {

// A lower-case term, NOT of one sub-expression, or AND, OR of any number of them (kept flat,
// so long chains do not make the tree deep).
struct TQuery::Node {
  enum Kind { Term, Not, And, Or } kind = Term;
  std::string term;
  std::vector<std::unique_ptr<Node>> kids;
};

namespace {

using Node = TQuery::Node;

struct Token {
  enum Kind { Word, Phrase, AndOp, OrOp, NotOp, Open, Close } kind;
  std::string text;
};

bool EndsWord(char c) {
  return c == ' ' || c == '\t' || c == '(' || c == ')' || c == '"';
}

// A word is an operator when it reads AND, OR or NOT in any letter case.
Token WordToken(std::string_view word) {
  const std::string upper = fw::UpperCase(word);
  if (upper == "AND") return {Token::AndOp, {}};
  if (upper == "OR") return {Token::OrOp, {}};
  if (upper == "NOT") return {Token::NotOp, {}};
  return {Token::Word, fw::LowerCase(word)};
}

std::vector<Token> Lex(std::string_view text) {
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
      const size_t stop = end == std::string_view::npos ? text.size() : end;
      tokens.push_back({Token::Phrase, fw::LowerCase(text.substr(i + 1, stop - i - 1))});
      i = stop == text.size() ? stop : stop + 1;
    } else {
      size_t j = i;
      while (j < text.size() && !EndsWord(text[j])) ++j;
      tokens.push_back(WordToken(text.substr(i, j - i)));
      i = j;
    }
  }
  return tokens;
}

// Recursive descent: or := and {OR and}; and := unary {[AND] unary}; unary := NOT unary |
// ( or ) | term. Stray operators and parentheses are skipped rather than refused.
class Parser {
 public:
  explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  std::unique_ptr<Node> Parse() {
    std::unique_ptr<Node> e;
    while (pos_ < tokens_.size()) {
      auto part = ParseOr();
      if (part) e = e ? Join(Node::And, std::move(e), std::move(part)) : std::move(part);
      if (pos_ < tokens_.size()) ++pos_;  // a stray ")" or operator
    }
    return e;
  }

 private:
  static std::unique_ptr<Node> Join(Node::Kind kind, std::unique_ptr<Node> a,
                                    std::unique_ptr<Node> b) {
    if (!a) return b;
    if (!b) return a;
    if (a->kind == kind) {
      a->kids.push_back(std::move(b));
      return a;
    }
    auto e = std::make_unique<Node>();
    e->kind = kind;
    e->kids.push_back(std::move(a));
    e->kids.push_back(std::move(b));
    return e;
  }
  bool At(Token::Kind k) const { return pos_ < tokens_.size() && tokens_[pos_].kind == k; }

  std::unique_ptr<Node> ParseOr() {
    auto e = ParseAnd();
    while (At(Token::OrOp)) {
      ++pos_;
      e = Join(Node::Or, std::move(e), ParseAnd());
    }
    return e;
  }

  std::unique_ptr<Node> ParseAnd() {
    auto e = ParseUnary();
    while (pos_ < tokens_.size() && !At(Token::OrOp) && !At(Token::Close)) {
      if (At(Token::AndOp)) ++pos_;
      e = Join(Node::And, std::move(e), ParseUnary());
    }
    return e;
  }

  std::unique_ptr<Node> ParseUnary() {
    if (depth_ >= kMaxNesting)
      while (At(Token::NotOp) || At(Token::Open)) ++pos_;
    if (pos_ >= tokens_.size()) return nullptr;
    const Token& t = tokens_[pos_];
    if (t.kind == Token::NotOp) {
      ++pos_;
      Nest nest(depth_);
      auto operand = ParseUnary();
      if (!operand) return nullptr;
      auto e = std::make_unique<Node>();
      e->kind = Node::Not;
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
      auto e = std::make_unique<Node>();
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

// `cells` are in lower case, as the terms are.
bool Evaluate(const Node* e, std::span<const std::string> cells) {
  if (e == nullptr) return true;
  switch (e->kind) {
    case Node::Term:
      return std::any_of(cells.begin(), cells.end(), [e](const std::string& cell) {
        return cell.find(e->term) != std::string::npos;
      });
    case Node::Not:
      return !Evaluate(e->kids.front().get(), cells);
    case Node::And:
      return std::all_of(e->kids.begin(), e->kids.end(),
                         [&](const auto& kid) { return Evaluate(kid.get(), cells); });
    case Node::Or:
      return std::any_of(e->kids.begin(), e->kids.end(),
                         [&](const auto& kid) { return Evaluate(kid.get(), cells); });
  }
  return false;
}

}  // namespace

TQuery::TQuery() = default;
TQuery::TQuery(std::unique_ptr<Node> root) : root_(std::move(root)) {}
TQuery::~TQuery() = default;
TQuery::TQuery(TQuery&&) noexcept = default;
TQuery& TQuery::operator=(TQuery&&) noexcept = default;

TQuery TQuery::Compile(std::string_view text) {
  return TQuery(Parser(Lex(text)).Parse());
}

bool TQuery::Matches(std::span<const std::string> cells) const {
  if (!root_) return true;
  std::vector<std::string> lower;
  lower.reserve(cells.size());
  for (const std::string& cell : cells) lower.push_back(fw::LowerCase(cell));
  return Evaluate(root_.get(), lower);
}

bool TQuery::Matches(std::string_view text) const {
  if (!root_) return true;
  const std::string lower = fw::LowerCase(text);
  return Evaluate(root_.get(), std::span<const std::string>(&lower, 1));
}

}  // namespace zeb::rlquery
