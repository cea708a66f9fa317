// The text forms of TStrings: Text with its line breaks, delimited and comma text with the
// platform's quoting, and Name=Value pairs.
#include <algorithm>

#include "framework/rtl/scope_guard.h"
#include "framework/rtl/strings.h"

namespace fw {

namespace {

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string Quote(const std::string& s, char quote) {
  std::string out(1, quote);
  for (char c : s) {
    out += c;
    if (c == quote) out += quote;
  }
  out += quote;
  return out;
}

// Reads a quoted item starting at the opening quote; a doubled quote stands for one. An
// unterminated item runs to the end of the text.
std::string Unquote(std::string_view text, size_t& pos, char quote) {
  std::string out;
  ++pos;
  while (pos < text.size()) {
    if (text[pos] == quote) {
      if (pos + 1 < text.size() && text[pos + 1] == quote) {
        out += quote;
        pos += 2;
        continue;
      }
      ++pos;
      return out;
    }
    out += text[pos++];
  }
  return out;
}

// Runs f between BeginUpdate and EndUpdate, ending the update also when f throws.
template <typename F>
void InUpdate(TStrings& list, F f) {
  TUpdateHold hold(list);
  f();
}

}  // namespace

std::string TStrings::Text() const {
  std::string out;
  for (int i = 0; i < Count(); ++i) {
    out += Strings(i);
    out += lineBreak_;
  }
  return out;
}

void TStrings::SetText(std::string_view text) {
  InUpdate(*this, [&] {
    Clear();
    size_t start = 0;
    while (start < text.size()) {
      const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
      Add(std::string(text.substr(start, end - start)));
      start = end;
      if (start < text.size() && text[start] == '\r') ++start;
      if (start < text.size() && text[start] == '\n' && (start == end || text[end] == '\r'))
        ++start;
    }
  });
}

std::string TStrings::FormatDelimited(char delimiter, char quote, bool strict) const {
  if (Count() == 1 && Strings(0).empty()) return std::string(2, quote);
  std::string out;
  for (int i = 0; i < Count(); ++i) {
    const std::string s = Strings(i);
    const bool needsQuotes = std::any_of(s.begin(), s.end(), [&](char c) {
      if (c == delimiter || c == quote) return true;
      return strict ? (c == '\r' || c == '\n') : IsBlank(c);
    });
    if (i > 0) out += delimiter;
    out += needsQuotes ? Quote(s, quote) : s;
  }
  return out;
}

void TStrings::ParseDelimited(std::string_view text, char delimiter, char quote, bool strict) {
  auto skipBlanks = [&](size_t& pos) {
    if (!strict)
      while (pos < text.size() && IsBlank(text[pos])) ++pos;
  };
  InUpdate(*this, [&] {
    Clear();
    size_t pos = 0;
    skipBlanks(pos);
    while (pos < text.size()) {
      std::string item;
      if (text[pos] == quote) {
        item = Unquote(text, pos, quote);
      } else {
        const size_t start = pos;
        while (pos < text.size() && text[pos] != delimiter && (strict || !IsBlank(text[pos])))
          ++pos;
        item = std::string(text.substr(start, pos - start));
      }
      Add(item);
      skipBlanks(pos);
      if (pos < text.size() && text[pos] == delimiter) {
        if (pos + 1 == text.size()) Add("");  // a trailing delimiter ends with an empty item
        ++pos;
        skipBlanks(pos);
      }
    }
  });
}

std::string TStrings::DelimitedText() const {
  return FormatDelimited(delimiter_, quoteChar_, strictDelimiter_);
}

void TStrings::SetDelimitedText(std::string_view text) {
  ParseDelimited(text, delimiter_, quoteChar_, strictDelimiter_);
}

std::string TStrings::CommaText() const {
  return FormatDelimited(',', '"', false);
}

void TStrings::SetCommaText(std::string_view text) {
  ParseDelimited(text, ',', '"', false);
}

std::string TStrings::Names(int index) const {
  const std::string s = Strings(index);
  const size_t separator = s.find(nameValueSeparator_);
  return separator == std::string::npos ? std::string() : s.substr(0, separator);
}

std::string TStrings::ValueFromIndex(int index) const {
  const std::string s = Strings(index);
  const size_t separator = s.find(nameValueSeparator_);
  return separator == std::string::npos ? std::string() : s.substr(separator + 1);
}

std::string TStrings::Values(const std::string& name) const {
  const int index = IndexOfName(name);
  return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValues(const std::string& name, const std::string& value) {
  const int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
  } else if (index < 0) {
    Add(name + nameValueSeparator_ + value);
  } else {
    Put(index, name + nameValueSeparator_ + value);
  }
}

}  // namespace fw
