// UTF-8 decoding with replacement of malformed sequences (each maximal ill-formed prefix
// becomes one U+FFFD).
#include "framework/graphics/utf8_decode.h"

namespace fw {

char32_t NextCodePoint(std::string_view s, size_t& pos) {
  const auto lead = static_cast<unsigned char>(s[pos++]);
  if (lead < 0x80) return lead;
  int need = 0;
  char32_t code = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the next byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    need = 1;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    need = 2;
    code = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    need = 3;
    code = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return kReplacementCharacter;
  }
  for (int i = 0; i < need; ++i) {
    if (pos >= s.size()) return kReplacementCharacter;
    const auto next = static_cast<unsigned char>(s[pos]);
    if (next < low || next > high) return kReplacementCharacter;
    code = (code << 6) | (next & 0x3F);
    low = 0x80;
    high = 0xBF;
    ++pos;
  }
  return code;
}

}  // namespace fw
