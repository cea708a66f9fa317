// Filter texts and wildcard matching.
#include "framework/dialogs/file_filter.h"

#include <cctype>

#include "framework/rtl/utf8.h"

namespace fw {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (;;) {
    size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

bool SameLetter(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

std::vector<TFileFilter> ParseFileFilter(std::string_view filter) {
  std::vector<TFileFilter> filters;
  if (filter.empty()) return filters;
  std::vector<std::string_view> parts = Split(filter, '|');
  for (size_t i = 0; i < parts.size(); i += 2) {
    TFileFilter f;
    f.description = Trim(parts[i]);
    if (i + 1 < parts.size())
      for (std::string_view p : Split(parts[i + 1], ';'))
        if (std::string pattern = Trim(p); !pattern.empty()) f.patterns.push_back(pattern);
    if (!f.description.empty() || !f.patterns.empty()) filters.push_back(std::move(f));
  }
  return filters;
}

// Greedy matching with one remembered star: linear in practice, never exponential.
bool MatchesMask(std::string_view name, std::string_view pattern) {
  if (pattern == "*.*" || pattern == "*") return true;
  size_t n = 0, p = 0;
  size_t starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || SameLetter(pattern[p], name[n]))) {
      if (pattern[p] == '?') {  // one character, which may be several UTF-8 bytes
        size_t length = 0;
        DecodeUtf8(name, n, length);
        n += length == 0 ? 1 : length;
      } else {
        ++n;
      }
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool MatchesFilter(std::string_view name, const TFileFilter& filter) {
  if (filter.patterns.empty()) return true;
  for (const std::string& pattern : filter.patterns)
    if (MatchesMask(name, pattern)) return true;
  return false;
}

}  // namespace fw
