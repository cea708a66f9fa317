// UTF-8 decoding for the text engine: one code point at a time, malformed input replaced by
// U+FFFD, so any byte string can be measured and drawn.
#pragma once

#include <cstddef>
#include <string_view>

namespace fw {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code point starting at `pos`, advancing `pos` past it. A malformed sequence (stray
// continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short) gives U+FFFD and
// advances over its longest valid-looking prefix, at least one byte. Requires pos < s.size().
char32_t NextCodePoint(std::string_view s, size_t& pos);

}  // namespace fw
