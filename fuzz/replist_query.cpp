// Fuzzes the report list's search language alone. The first line of the input is the search
// text, the other lines the cells of a row (a few fixed rows when there are none). A boolean
// search must compile and match quickly, agree between a one-cell row and its text, ignore the
// letter case of ASCII letters in search and cells, and match every row when it has no terms.
// A pattern the guard accepts must compile (or be refused as invalid) and match quickly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <span>
#include <string>
#include <vector>

#include "replist/rlquery.h"

namespace {

using zeb::rlquery::TQuery;

const std::vector<std::vector<std::string>> kRows = {{"Berlin", "Germany", "capital"},
                                                     {"a+b*c", "\"quoted\" text", "Or not"},
                                                     {"Zürich", "AND banks"},
                                                     {""},
                                                     {}};

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1)
    lines.emplace_back(text.substr(start, end - start));
  lines.emplace_back(text.substr(start));
  return lines;
}

// ASCII letters change case; every byte of a multi-byte character stays as it is.
std::string SwapAsciiCase(std::string s) {
  for (char& c : s) {
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
    else if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

void CheckQuery(const std::string& text, std::span<const std::vector<std::string>> rows) {
  const TQuery query = TQuery::Compile(text);
  const TQuery swapped = TQuery::Compile(SwapAsciiCase(text));
  for (const auto& row : rows) {
    const bool found = query.Matches(row);
    if (swapped.Matches(row) != found) std::abort();
    std::vector<std::string> other;
    for (const std::string& cell : row) other.push_back(SwapAsciiCase(cell));
    if (query.Matches(other) != found) std::abort();
    if (query.MatchesEverything() && !found) std::abort();
    if (row.size() == 1 && query.Matches(row.front()) != found) std::abort();
  }
}

void CheckPattern(const std::string& pattern, std::span<const std::vector<std::string>> rows) {
  if (!zeb::rlquery::PatternAcceptable(pattern)) return;
  try {
    const std::regex re(pattern, std::regex::ECMAScript | std::regex::icase);
    for (const auto& row : rows)
      for (const std::string& cell : row) std::regex_search(cell, re);
  } catch (const std::regex_error&) {
    // An invalid pattern, or the matcher's own complexity limit: refused, not a fault.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines = Lines(input);
  const std::string text = lines.front();
  std::vector<std::vector<std::string>> rows = kRows;
  if (lines.size() > 1) rows = {std::vector<std::string>(lines.begin() + 1, lines.end())};
  CheckQuery(text, rows);
  CheckPattern(text, rows);
  return 0;
}
