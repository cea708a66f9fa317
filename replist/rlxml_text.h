// Internal helpers of the report list XML dialect: escaping texts, decoding character
// references and recognising the root start tag of a list.
#pragma once

#include <string>
#include <string_view>

namespace zeb::rlxml {

inline constexpr std::string_view kMarker = "zebworks";

// Appends text escaped for element content and attribute values (see the dialect's
// description in ZEB_replist.h).
void AppendEscaped(std::string& out, std::string_view text);

// The same for writers that fill a buffer directly: writes text escaped at `to`, which has
// room for kMaxEscapedPerByte bytes per byte of text, and returns the end of what it wrote.
inline constexpr std::size_t kMaxEscapedPerByte = 6;
char* WriteEscaped(char* to, std::string_view text);

// Decodes the reference starting at s[pos] ('&'): one of the five predefined entities or a
// numeric character reference of a character other than a surrogate, at most U+10FFFF.
// Appends the character to out, moves pos past the ';' and returns true; returns false (pos
// and out unchanged) for anything else.
bool DecodeReference(std::string_view s, std::size_t& pos, std::string& out);

// s with every reference DecodeReference knows decoded; others are kept as they are.
std::string DecodeKnownReferences(std::string_view s);

// The recognition rule of root start tags: true when the line, in lower case, contains
// "<replist" and the marker word; id is then the lower-case identifier (the text after the
// first id=" up to the next double quote, references decoded, blanks around it removed; ""
// without one).
bool IsRootLine(std::string_view line, std::string& id);

// True when a root line's identifier matches the wanted one (already lower case; "" matches
// every list).
inline bool IdMatches(const std::string& lineId, const std::string& wantedLower) {
  return wantedLower.empty() || lineId == wantedLower;
}

}  // namespace zeb::rlxml
