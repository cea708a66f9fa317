// Escaping and unescaping texts of the report list XML dialect, the tag table lookup and the
// recognition of a list's root start tag.
#include "replist/rlxml_text.h"

#include <cstdint>

#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"
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
constexpr bool NeedsCare(unsigned char b) {
  return b < 0x20 || b >= 0x80 || b == '&' || b == '<' || b == '>' || b == '"' || b == '\'';
}

void AppendReference(std::string& out, unsigned value) {
  static const char digits[] = "0123456789ABCDEF";
  out += "&#x";
  if (value >= 16) out += digits[value >> 4];
  out += digits[value & 15];
  out += ';';
}

}  // namespace

void AppendEscaped(std::string& out, std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t plain = i;
    while (plain < text.size() && !NeedsCare(static_cast<unsigned char>(text[plain]))) ++plain;
    out.append(text.data() + i, plain - i);
    i = plain;
    if (i == text.size()) break;
    const auto b = static_cast<unsigned char>(text[i]);
    if (const char* entity = rlio::MarkupEntity(b, "&apos;")) {
      out += entity;
    } else if (b < 0x20) {
      AppendReference(out, b);
    } else if (const std::size_t length = rlio::ValidUtf8Length(text, i); length > 0) {
      out.append(text.data() + i, length);
      i += length;
      continue;
    } else {
      out += fw::Cp1252ToUtf8(b);
    }
    ++i;
  }
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
