// Character-level conversions over UTF-8 text: case mapping, trimming and the code-page
// 1252 table.

#include <array>
#include <optional>

#include "framework/rtl/utf8.h"

namespace fw {

namespace {

// Latin Extended-A pairs capital/small as even/odd code points except in the two runs
// U+0139..U+0148 and U+0179..U+017E, where the capital is the odd one.
bool IsOddCapitalRun(char32_t c) {
  return (c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E);
}

bool HasNoCounterpartExtA(char32_t c) {
  return c == 0x0130 || c == 0x0131 || c == 0x0138 || c == 0x0149 || c == 0x0178 || c == 0x017F;
}

template <typename Map>
std::string MapText(std::string_view s, Map map) {
  std::string out;
  out.reserve(s.size());
  std::size_t length = 0;
  for (std::size_t pos = 0; pos < s.size(); pos += length) {
    const char32_t c = DecodeUtf8(s, pos, length);
    if (length == 1 && static_cast<unsigned char>(s[pos]) >= 0x80) {
      out += s[pos];  // an invalid byte is kept as it is
    } else {
      AppendUtf8(out, map(c));
    }
  }
  return out;
}

bool IsTrimmable(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

}  // namespace

char32_t UpCaseChar(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c < 0xE0) return c;
  if (c <= 0xFE) return c == 0xF7 ? c : c - 32;  // à..þ except ÷
  if (c == 0xFF) return 0x0178;                  // ÿ -> Ÿ
  if (c >= 0x0100 && c <= 0x017F) {
    if (c == 0x0131) return 'I';
    if (HasNoCounterpartExtA(c)) return c;
    if (IsOddCapitalRun(c)) return (c % 2 == 0) ? c - 1 : c;
    return (c % 2 == 1) ? c - 1 : c;
  }
  if (c >= 0x03B1 && c <= 0x03CB && c != 0x03C2) return c - 32;  // Greek α..ω (final σ kept)
  if (c == 0x03AC) return 0x0386;
  if (c >= 0x03AD && c <= 0x03AF) return c - 37;
  if (c == 0x03CC) return 0x038C;
  if (c == 0x03CD || c == 0x03CE) return c - 63;
  if (c >= 0x0430 && c <= 0x044F) return c - 32;  // Cyrillic а..я
  if (c >= 0x0450 && c <= 0x045F) return c - 80;  // ѐ..џ
  return c;
}

char32_t LowCaseChar(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c < 0xC0) return c;
  if (c <= 0xDE) return c == 0xD7 ? c : c + 32;  // À..Þ except ×
  if (c == 0x0178) return 0xFF;
  if (c >= 0x0100 && c <= 0x017F) {
    if (c == 0x0130) return 'i';
    if (HasNoCounterpartExtA(c)) return c;
    if (IsOddCapitalRun(c)) return (c % 2 == 1) ? c + 1 : c;
    return (c % 2 == 0) ? c + 1 : c;
  }
  if (c >= 0x0391 && c <= 0x03AB && c != 0x03A2) return c + 32;
  if (c == 0x0386) return 0x03AC;
  if (c >= 0x0388 && c <= 0x038A) return c + 37;
  if (c == 0x038C) return 0x03CC;
  if (c == 0x038E || c == 0x038F) return c + 63;
  if (c >= 0x0410 && c <= 0x042F) return c + 32;
  if (c >= 0x0400 && c <= 0x040F) return c + 80;
  return c;
}

std::string UpperCase(std::string_view s) {
  return MapText(s, UpCaseChar);
}
std::string LowerCase(std::string_view s) {
  return MapText(s, LowCaseChar);
}

std::string TrimLeft(std::string_view s) {
  std::size_t begin = 0;
  while (begin < s.size() && IsTrimmable(s[begin])) ++begin;
  return std::string(s.substr(begin));
}

std::string TrimRight(std::string_view s) {
  std::size_t end = s.size();
  while (end > 0 && IsTrimmable(s[end - 1])) --end;
  return std::string(s.substr(0, end));
}

std::string Trim(std::string_view s) {
  return TrimLeft(TrimRight(s));
}

namespace {

// The characters of the bytes $80..$9F; every other byte is its own code point.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t Cp1252ToCodePoint(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F) return kCp1252High[b - 0x80];
  return b;
}

std::optional<unsigned char> CodePointToCp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
    if (kCp1252High[i] == c) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

std::string Cp1252ToUtf8(unsigned char b) {
  return EncodeUtf8(Cp1252ToCodePoint(b));
}

}  // namespace fw
