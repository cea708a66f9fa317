// Character-level edits: removing control characters, replacing one character by another,
// stripping a character from either end and making sure text ends with one.
#include "companion/ZEB_stringl.h"
#include "framework/rtl/utf8.h"

namespace zeb {
namespace {

bool IsControl(char32_t c) {
  return c < 32 || (c >= 127 && c <= 159);
}

// The characters of s with their byte positions, passed to visit(code point, bytes).
template <typename Visit>
void ForEachChar(std::string_view s, Visit visit) {
  std::size_t pos = 0;
  while (pos < s.size()) {
    const std::size_t begin = pos;
    const char32_t c = fw::NextCodePoint(s, pos);
    visit(c, s.substr(begin, pos - begin));
  }
}

// c is the character of the well-formed sequence `bytes` (an invalid byte also decodes as
// U+FFFD, so a replacement character only matches a real one).
bool Is(char32_t c, std::string_view bytes, char32_t wanted) {
  return c == wanted && (c != fw::kReplacementChar || bytes.size() == 3);
}

}  // namespace

std::string RemoveControlChars(std::string_view S) {
  std::string result;
  result.reserve(S.size());
  ForEachChar(S, [&](char32_t c, std::string_view bytes) {
    if (!IsControl(c)) result.append(bytes);
  });
  return result;
}

std::string ReplaceCharInString(std::string_view S, char32_t OldChar, char32_t NewChar) {
  std::string result;
  result.reserve(S.size());
  ForEachChar(S, [&](char32_t c, std::string_view bytes) {
    if (Is(c, bytes, OldChar)) {
      fw::AppendUtf8(result, NewChar);
    } else {
      result.append(bytes);
    }
  });
  return result;
}

std::string StripLeadingChars(char32_t Ch, std::string_view S) {
  std::size_t pos = 0;
  while (pos < S.size()) {
    std::size_t next = pos;
    const char32_t c = fw::NextCodePoint(S, next);
    if (!Is(c, S.substr(pos, next - pos), Ch)) break;
    pos = next;
  }
  return std::string(S.substr(pos));
}

std::string StripTrailingChars(char32_t Ch, std::string_view S) {
  const std::string tail = fw::EncodeUtf8(Ch);
  while (!S.empty() && S.ends_with(tail)) S.remove_suffix(tail.size());
  return std::string(S);
}

std::string EnsureTrailingChar(char32_t Ch, std::string_view S) {
  std::string result(S);
  const std::string tail = fw::EncodeUtf8(Ch);
  if (!result.ends_with(tail)) result += tail;
  return result;
}

}  // namespace zeb
