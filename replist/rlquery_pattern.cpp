// The guard of the report list's regular-expression searches: patterns whose compiled form
// or matching time could blow up are refused before they reach the matcher.
#include <vector>

#include "replist/rlquery.h"

namespace zeb::rlquery {

namespace {

// True when a repetition count ("{n}", "{n,}", "{n,m}") exceeds kMaxRepeatCount: the compiled
// expression holds one copy of the repeated item per count.
bool HasLargeCount(std::string_view counts) {
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
// (which the matcher reads as a repeated repetition). Also true for a repetition count above
// kMaxRepeatCount.
bool HasNestedRepetition(std::string_view p) {
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
          if (close != std::string_view::npos) {
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

bool PatternAcceptable(std::string_view pattern) {
  return pattern.size() <= kMaxPatternLength && !HasNestedRepetition(pattern);
}

}  // namespace zeb::rlquery
