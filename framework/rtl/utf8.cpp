// UTF-8 decoding and encoding, and the 1-based character helpers built on them.

#include "framework/rtl/utf8.h"

namespace fw {

namespace {

bool IsContinuation(unsigned char b) {
  return (b & 0xC0) == 0x80;
}

// Byte length of the character starting at pos (at least 1 when pos is inside s).
std::size_t CharLength(std::string_view s, std::size_t pos) {
  std::size_t length = 0;
  DecodeUtf8(s, pos, length);
  return length;
}

// Byte offset where the character after `count` characters from byte `from` starts.
std::size_t Advance(std::string_view s, std::size_t from, unsigned long long count) {
  std::size_t pos = from;
  while (count > 0 && pos < s.size()) {
    pos += CharLength(s, pos);
    --count;
  }
  return pos;
}

}  // namespace

char32_t DecodeUtf8(std::string_view s, std::size_t pos, std::size_t& length) {
  length = 0;
  if (pos >= s.size()) return kReplacementChar;
  length = 1;
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) return b0;
  std::size_t need = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    need = 1, cp = b0 & 0x1F, minimum = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    need = 2, cp = b0 & 0x0F, minimum = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    need = 3, cp = b0 & 0x07, minimum = 0x10000;
  } else {
    return kReplacementChar;
  }
  if (s.size() - pos <= need) return kReplacementChar;
  for (std::size_t i = 1; i <= need; ++i) {
    const auto b = static_cast<unsigned char>(s[pos + i]);
    if (!IsContinuation(b)) return kReplacementChar;
    cp = (cp << 6) | (b & 0x3F);
  }
  // Overlong forms, surrogates and values beyond the Unicode range are not characters.
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacementChar;
  length = need + 1;
  return cp;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacementChar;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string EncodeUtf8(char32_t c) {
  std::string out;
  AppendUtf8(out, c);
  return out;
}

std::size_t Length(std::string_view s) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < s.size(); pos += CharLength(s, pos)) ++count;
  return count;
}

std::size_t ByteOffsetOfChar(std::string_view s, long long index) {
  if (index < 1) return 0;
  return Advance(s, 0, static_cast<unsigned long long>(index - 1));
}

std::string Copy(std::string_view s, long long index, long long count) {
  if (count < 1) return {};
  if (index < 1) index = 1;
  const std::size_t begin = ByteOffsetOfChar(s, index);
  const std::size_t end = Advance(s, begin, static_cast<unsigned long long>(count));
  return std::string(s.substr(begin, end - begin));
}

std::string CutToLength(std::string_view s, std::size_t n) {
  return std::string(s.substr(0, Advance(s, 0, n)));
}

std::size_t Pos(std::string_view sub, std::string_view s) {
  if (sub.empty()) return 0;
  // A match must start on a character boundary, so walk characters rather than bytes.
  std::size_t index = 1;
  for (std::size_t pos = 0; pos < s.size(); pos += CharLength(s, pos), ++index) {
    if (s.compare(pos, sub.size(), sub) == 0) return index;
  }
  return 0;
}

void Delete(std::string& s, long long index, long long count) {
  if (index < 1 || count < 1) return;
  const std::size_t begin = ByteOffsetOfChar(s, index);
  if (begin >= s.size()) return;
  const std::size_t end = Advance(s, begin, static_cast<unsigned long long>(count));
  s.erase(begin, end - begin);
}

void Insert(std::string_view sub, std::string& s, long long index) {
  s.insert(ByteOffsetOfChar(s, index), sub);
}

bool SameText(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace fw
