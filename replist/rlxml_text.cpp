// Escaping and unescaping texts of the report list XML dialect, the tag table lookup and the
// recognition of a list's root start tag.
#include "replist/rlxml_text.h"

#include <cstdint>
#include <cstring>

#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"
#include "replist/rltext_bytes.h"
#include "replist/rltext_io.h"

namespace zeb {

TRepListXmlTag RepListXmlTagOf(std::string_view TagText) {
  for (int tag = xmlNumCols; tag < xmlInvalid; ++tag)
    if (RepListXmlTagText[tag] == TagText) return static_cast<TRepListXmlTag>(tag);
  return xmlInvalid;
}

namespace rlxml {

namespace {

// Bytes that need more than copying: markup characters, controls and non-ASCII.
const rlio::ByteScan<5>& CareBytes() {
  static const rlio::ByteScan<5> care({'&', '<', '>', '"', '\''}, true);
  return care;
}

// The few bytes of a reference or a converted character (plain memcpy: the compiler cannot
// see that these constant texts never take PutText's word-sized path).
char* PutShort(char* to, std::string_view text) {
  std::memcpy(to, text.data(), text.size());
  return to + text.size();
}

char* PutReference(char* to, unsigned value) {
  static const char digits[] = "0123456789ABCDEF";
  to = PutShort(to, "&#x");
  if (value >= 16) *to++ = digits[value >> 4];
  *to++ = digits[value & 15];
  *to++ = ';';
  return to;
}

}  // namespace

char* WriteEscaped(char* to, std::string_view text) {
  const rlio::ByteScan<5>& care = CareBytes();
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t plain = care.Find(text, i);
    to = rlio::PutText(to, text.substr(i, plain - i));
    i = plain;
    if (i == text.size()) break;
    const auto b = static_cast<unsigned char>(text[i]);
    if (const char* entity = rlio::MarkupEntity(b, "&apos;")) {
      to = PutShort(to, entity);
    } else if (b < 0x20) {
      to = PutReference(to, b);
    } else if (const std::size_t length = rlio::ValidUtf8Length(text, i); length > 0) {
      to = rlio::PutText(to, text.substr(i, length));
      i += length;
      continue;
    } else {
      to = PutShort(to, fw::Cp1252ToUtf8(b));
    }
    ++i;
  }
  return to;
}

void AppendEscaped(std::string& out, std::string_view text) {
  const std::size_t at = out.size();
  out.resize(at + kMaxEscapedPerByte * text.size());
  char* end = WriteEscaped(out.data() + at, text);
  out.resize(static_cast<std::size_t>(end - out.data()));
}

bool DecodeReference(std::string_view s, std::size_t& pos, std::string& out) {
  const std::size_t semicolon = s.find(';', pos);
  if (semicolon == std::string_view::npos || semicolon - pos > 12) return false;
  const std::string_view name = s.substr(pos + 1, semicolon - pos - 1);
  char plain = 0;
  if (name == "amp")
    plain = '&';
  else if (name == "lt")
    plain = '<';
  else if (name == "gt")
    plain = '>';
  else if (name == "quot")
    plain = '"';
  else if (name == "apos")
    plain = '\'';
  if (plain != 0) {
    out += plain;
    pos = semicolon + 1;
    return true;
  }
  if (name.size() < 2 || name[0] != '#') return false;
  const bool hex = name[1] == 'x';
  const std::string_view digits = name.substr(hex ? 2 : 1);
  if (digits.empty()) return false;
  uint32_t value = 0;
  for (const char ch : digits) {
    int digit = -1;
    if (ch >= '0' && ch <= '9')
      digit = ch - '0';
    else if (hex && ch >= 'a' && ch <= 'f')
      digit = ch - 'a' + 10;
    else if (hex && ch >= 'A' && ch <= 'F')
      digit = ch - 'A' + 10;
    if (digit < 0) return false;
    value = value * (hex ? 16 : 10) + static_cast<uint32_t>(digit);
    if (value > 0x10FFFF) return false;
  }
  if (value >= 0xD800 && value <= 0xDFFF) return false;
  fw::AppendUtf8(out, static_cast<char32_t>(value));
  pos = semicolon + 1;
  return true;
}

std::string DecodeKnownReferences(std::string_view s) {
  std::string out;
  std::size_t i = 0;
  while (i < s.size()) {
    if (s[i] == '&' && DecodeReference(s, i, out)) continue;
    out += s[i++];
  }
  return out;
}

bool IsRootLine(std::string_view line, std::string& id) {
  const std::string lower = fw::LowerCase(line);
  if (lower.find("<replist") == std::string::npos || lower.find(kMarker) == std::string::npos)
    return false;
  id.clear();
  const std::size_t at = lower.find("id=\"");
  if (at == std::string::npos) return true;
  const std::size_t from = at + 4;
  const std::size_t to = lower.find('"', from);
  const std::string_view raw =
      std::string_view(lower).substr(from, to == std::string::npos ? std::string::npos : to - from);
  // Decoding may bring back upper-case letters written as references.
  id = fw::LowerCase(fw::Trim(DecodeKnownReferences(raw)));
  return true;
}

}  // namespace rlxml
}  // namespace zeb
