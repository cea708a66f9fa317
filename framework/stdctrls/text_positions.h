// Character positions in UTF-8 text for the edit controls: code point indices to byte offsets,
// word steps for Ctrl+arrows, and the masked text a password field shows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fw::textpos {

// Number of code points in s (an invalid byte counts as one, as everywhere in the framework).
int CharCount(std::string_view s);
// Byte offset of the code point at 0-based `index`; index is brought into 0..CharCount(s).
std::size_t ByteOffset(std::string_view s, int index);
// The code points [from, to) of s as UTF-8 (indices brought into range, from <= to).
std::string Slice(std::string_view s, int from, int to);
// Where Ctrl+Left and Ctrl+Right land from `index`: the start of the word before, and the
// start of the next word (after the blanks that follow the current one).
int PrevWordStart(std::string_view s, int index);
int NextWordStart(std::string_view s, int index);
// The word around `index` (for a double click): [from, to).
void WordAt(std::string_view s, int index, int& from, int& to);
// s with every code point replaced by `mask` (s itself when mask is 0).
std::string Masked(std::string_view s, char32_t mask);
// The text up to the first line break.
std::string FirstLine(std::string_view s);

}  // namespace fw::textpos
