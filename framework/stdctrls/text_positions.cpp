// Character positions in UTF-8 text: counting, slicing and word steps by code point.
#include "framework/stdctrls/text_positions.h"

#include <algorithm>
#include <vector>

#include "framework/rtl/utf8.h"

namespace fw::textpos {

namespace {

enum class CharClass { Blank, Word, Other };

CharClass ClassOf(char32_t c) {
  if (c == U' ' || c == U'\t' || c == 0x00A0) return CharClass::Blank;
  if ((c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
      c == U'_' || c >= 0x80)
    return CharClass::Word;
  return CharClass::Other;
}

std::vector<CharClass> Classes(std::string_view s) {
  std::vector<CharClass> out;
  for (std::size_t pos = 0; pos < s.size();) out.push_back(ClassOf(NextCodePoint(s, pos)));
  return out;
}

}  // namespace

int CharCount(std::string_view s) {
  return static_cast<int>(Length(s));
}

std::size_t ByteOffset(std::string_view s, int index) {
  std::size_t pos = 0;
  for (int i = 0; i < index && pos < s.size(); ++i) NextCodePoint(s, pos);
  return pos;
}

std::string Slice(std::string_view s, int from, int to) {
  from = std::max(from, 0);
  to = std::max(to, from);
  const std::size_t a = ByteOffset(s, from);
  const std::size_t b = a + ByteOffset(s.substr(a), to - from);
  return std::string(s.substr(a, b - a));
}

int PrevWordStart(std::string_view s, int index) {
  const std::vector<CharClass> cls = Classes(s);
  int i = std::clamp(index, 0, static_cast<int>(cls.size()));
  while (i > 0 && cls[i - 1] == CharClass::Blank) --i;
  if (i == 0) return 0;
  const CharClass kind = cls[i - 1];
  while (i > 0 && cls[i - 1] == kind) --i;
  return i;
}

int NextWordStart(std::string_view s, int index) {
  const std::vector<CharClass> cls = Classes(s);
  const int n = static_cast<int>(cls.size());
  int i = std::clamp(index, 0, n);
  if (i < n && cls[i] != CharClass::Blank) {
    const CharClass kind = cls[i];
    while (i < n && cls[i] == kind) ++i;
  }
  while (i < n && cls[i] == CharClass::Blank) ++i;
  return i;
}

void WordAt(std::string_view s, int index, int& from, int& to) {
  const std::vector<CharClass> cls = Classes(s);
  const int n = static_cast<int>(cls.size());
  from = to = std::clamp(index, 0, n);
  if (n == 0) return;
  // A position just after a word belongs to that word.
  const int at = (from == n || (cls[from] == CharClass::Blank && from > 0)) ? from - 1 : from;
  const CharClass kind = cls[at];
  from = at;
  to = at + 1;
  while (from > 0 && cls[from - 1] == kind) --from;
  while (to < n && cls[to] == kind) ++to;
}

std::string Masked(std::string_view s, char32_t mask) {
  if (mask == 0) return std::string(s);
  const std::string one = EncodeUtf8(mask);
  std::string out;
  for (int i = CharCount(s); i > 0; --i) out += one;
  return out;
}

std::string FirstLine(std::string_view s) {
  return std::string(s.substr(0, s.find_first_of("\r\n")));
}

}  // namespace fw::textpos
