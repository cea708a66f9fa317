// 1-based string helpers over UTF-8 text that count Unicode code points, and conversions
// between code points, UTF-8 and the code-page 1252 single-byte characters.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fw {

// Counting rule used by every helper here: a well-formed UTF-8 sequence (shortest form, no
// surrogates, at most U+10FFFF) is one character; every byte that does not start such a
// sequence is one character of its own and decodes as U+FFFD. Helpers that cut or copy text
// keep such bytes as they are, so text passes through unchanged where it is not edited.

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Number of characters in s.
std::size_t Length(std::string_view s);

// Up to count characters of s starting at the 1-based character index. An index below 1
// counts as 1; a count below 1 or an index past the end gives "".
std::string Copy(std::string_view s, long long index, long long count);

// 1-based character index of the first occurrence of sub in s; 0 when absent or sub is empty.
std::size_t Pos(std::string_view sub, std::string_view s);

// Removes up to count characters from s starting at the 1-based index; nothing happens when
// index is outside 1..Length(s) or count is below 1.
void Delete(std::string& s, long long index, long long count);

// Inserts sub into s before the character at the 1-based index; an index below 1 inserts at
// the front, an index past the end appends.
void Insert(std::string_view sub, std::string& s, long long index);

// Case mapping of Basic Latin, Latin-1 Supplement, Latin Extended-A, basic Greek
// (U+0386..U+03CE) and basic Cyrillic (U+0400..U+045F). Letters without a single-character
// counterpart (ß, ŉ, ĸ, ſ, µ) and every other character are left as they are; İ (U+0130) maps
// to i and ı (U+0131) to I. Invalid bytes are kept.
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
char32_t UpCaseChar(char32_t c);
char32_t LowCaseChar(char32_t c);

// Remove leading and/or trailing characters up to and including the blank (bytes 0..32).
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// The first n characters of s (all of s when it is shorter); never splits a code point.
std::string CutToLength(std::string_view s, std::size_t n);

// The code point of a code-page 1252 byte ($80 is the euro sign, $DC "Ü"). The five bytes
// that code page leaves unassigned ($81, $8D, $8F, $90, $9D) map to the C1 control of the
// same number, so every byte has a character and the mapping can be reversed.
char32_t Cp1252ToCodePoint(unsigned char b);
// The code-page 1252 byte of a code point (the reverse of Cp1252ToCodePoint); nothing for a
// character the code page lacks.
std::optional<unsigned char> CodePointToCp1252(char32_t c);
// The UTF-8 text of a code-page 1252 byte.
std::string Cp1252ToUtf8(unsigned char b);

// UTF-8 encoding of c; surrogates and values above U+10FFFF encode U+FFFD.
std::string EncodeUtf8(char32_t c);
void AppendUtf8(std::string& out, char32_t c);

// Decodes the character at byte position pos of s (0-based) under the counting rule above:
// returns its code point (U+FFFD for an invalid byte, and for pos at or past the end) and
// stores its byte length in length (0 past the end).
char32_t DecodeUtf8(std::string_view s, std::size_t pos, std::size_t& length);

// True when a and b are equal with ASCII letters compared without case (identifiers, colour,
// font and component names); other characters must match exactly.
bool SameText(std::string_view a, std::string_view b);

// Iteration form of DecodeUtf8: the character at byte position pos (pos < s.size()), with pos
// moved past it (one byte for an invalid byte).
inline char32_t NextCodePoint(std::string_view s, std::size_t& pos) {
  std::size_t length = 0;
  const char32_t c = DecodeUtf8(s, pos, length);
  pos += length == 0 ? 1 : length;
  return c;
}

// Byte offset of the 1-based character index in s (s.size() when the index is past the end;
// 0 for an index below 1).
std::size_t ByteOffsetOfChar(std::string_view s, long long index);

}  // namespace fw
