// Reading form text: creates the components, sets their properties with csLoading set, and
// calls Loaded on each once the whole form is read.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "framework/base/form_text.h"
#include "framework/rtl/utf8.h"

namespace fw {

EFormReadError::EFormReadError(int line, const std::string& message)
    : EReadError("Line " + std::to_string(line) + ": " + message), line_(line) {}

namespace {

constexpr int kMaxDepth = 64;  // nesting of objects; deeper text is refused, not recursed

bool IsIdentStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The single code point `s` encodes in UTF-8, or nothing when it is not exactly one.
std::optional<char32_t> SingleCodePoint(const std::string& s) {
  if (s.empty()) return std::nullopt;
  auto b0 = static_cast<unsigned char>(s[0]);
  size_t len = b0 < 0x80 ? 1 : (b0 >> 5) == 6 ? 2 : (b0 >> 4) == 14 ? 3 : (b0 >> 3) == 30 ? 4 : 0;
  if (len == 0 || s.size() != len) return std::nullopt;
  char32_t c = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
  for (size_t i = 1; i < len; ++i) {
    auto b = static_cast<unsigned char>(s[i]);
    if ((b >> 6) != 2) return std::nullopt;
    c = (c << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMinOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kMinOfLength[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  return c;
}

}  // namespace

// Keeps the list of components a read created; a component deleted meanwhile (by a setter,
// say) drops out through its free notification, so cleanup never frees one twice.
class TLoadList : public TComponent {
 public:
  TLoadList() : TComponent(nullptr) {}
  ~TLoadList() override { Clear(); }

  void Add(TComponent* c) {
    items_.push_back(c);
    FreeNotification(c);
  }
  const std::vector<TComponent*>& Items() const { return items_; }
  // Forgets every component (they stay alive).
  void Clear() {
    std::vector<TComponent*> items;
    items.swap(items_);
    for (TComponent* c : items) RemoveFreeNotification(c);
  }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == opRemove) std::erase(items_, component);
    TComponent::Notification(component, operation);
  }

 private:
  std::vector<TComponent*> items_;
};

class TFormReader {
 public:
  TFormReader(const std::string& text, const FormReadOptions& options)
      : text_(text), options_(options) {}

  std::unique_ptr<TComponent> ReadNew() {
    auto [name, record] = ReadHeader();
    std::unique_ptr<TComponent> root(Create(*record, nullptr));
    root_ = root.get();
    try {
      ReadRest(*root, name);
    } catch (...) {
      loaded_.Clear();  // deleting the root deletes everything it owns
      throw;
    }
    return root;
  }

  void ReadInto(TComponent& root) {
    auto [name, record] = ReadHeader();
    const ClassRecord* own = ClassRecordOf(root);
    if (own == nullptr || !IsA(*own, record->name))
      Fail("A " + root.ClassName() + " cannot be read from a " + record->name + " form");
    root_ = &root;
    Start(root);
    try {
      ReadRest(root, name);
    } catch (...) {
      // Delete what this read created, newest first; the root stays, no longer loading.
      std::vector<TComponent*> created = loaded_.Items();
      loaded_.Clear();
      for (auto it = created.rbegin(); it != created.rend(); ++it)
        if (*it != &root) delete *it;
      root.ExcludeState(csReading);
      root.ExcludeState(csLoading);
      throw;
    }
  }

 private:
  // Header, body, end of text, then the Loaded calls.
  void ReadRest(TComponent& root, const std::string& name) {
    SetComponentName(root, name);
    ReadBody(root, 1);
    SkipSpace();
    if (pos_ < text_.size()) Fail("End of text expected");
    ResolveReferences(root);
    std::vector<TComponent*> created = loaded_.Items();
    for (TComponent* c : created) c->ExcludeState(csReading);
    int line = line_;
    for (TComponent* c : created) {
      // A Loaded that deleted a component later in the list has taken it off the list.
      const auto& live = loaded_.Items();
      if (std::find(live.begin(), live.end(), c) == live.end()) continue;
      try {
        c->Loaded();
      } catch (const EFormReadError&) {
        throw;
      } catch (const Exception& e) {
        throw EFormReadError(line, "Error in Loaded of " + c->Name() + ": " + e.Message());
      }
    }
    loaded_.Clear();
  }

  [[noreturn]] void Fail(const std::string& message) const { throw EFormReadError(line_, message); }

  // --- references to components, set once every component of the form exists

  struct Fixup {
    TComponent* component;                       // whose property it is
    std::vector<const PropertyRecord*> objects;  // the nested objects leading to it
    const PropertyRecord* property;
    std::string path;  // as written, for messages
    std::string name;  // of the referenced component
    int line;
  };

  bool Alive(TComponent* c) const {
    const auto& live = loaded_.Items();
    return std::find(live.begin(), live.end(), c) != live.end();
  }

  // Sets every reference read, in reading order, to the component of that name in the form
  // (the root or a component it owns); an unknown name is an error.
  void ResolveReferences(TComponent& root) {
    std::vector<Fixup> fixups;
    fixups.swap(fixups_);
    for (const Fixup& f : fixups) {
      if (!Alive(f.component)) continue;  // deleted by a setter meanwhile
      TComponent* target = SameText(root.Name(), f.name) ? &root : root.FindComponent(f.name);
      if (target == nullptr)
        throw EFormReadError(f.line,
                             "Component " + f.name + " referenced by " + f.path + " not found");
      TPersistent* object = f.component;
      for (const PropertyRecord* o : f.objects) {
        object = std::get<TPersistent*>(o->get(object));
        if (object == nullptr) throw EFormReadError(f.line, "Property " + f.path + " is nil");
      }
      try {
        f.property->set(object, static_cast<TPersistent*>(target));
      } catch (const EFormReadError&) {
        throw;
      } catch (const Exception& e) {
        throw EFormReadError(f.line, "Error reading " + f.path + ": " + e.Message());
      }
    }
  }

  // --- lexical level ---

  void SkipSpace() {
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (c == '\n') {
        ++line_;
      } else if (c != ' ' && c != '\t' && c != '\r') {
        break;
      }
      ++pos_;
    }
  }

  char Peek() {
    SkipSpace();
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }

  void Expect(char c) {
    if (Peek() != c) Fail(std::string("'") + c + "' expected");
    ++pos_;
  }

  std::string ReadIdent() {
    if (!IsIdentStart(Peek())) Fail("Identifier expected");
    size_t start = pos_;
    while (pos_ < text_.size() && (IsIdentStart(text_[pos_]) || IsDigit(text_[pos_]))) ++pos_;
    return text_.substr(start, pos_ - start);
  }

  // Digits, sign, point and exponent as one word; the caller converts it.
  std::string ReadNumberWord() {
    Peek();
    size_t start = pos_;
    auto at = [&](size_t i) { return i < text_.size() ? text_[i] : '\0'; };
    if (at(pos_) == '+' || at(pos_) == '-') ++pos_;
    if (at(pos_) == '$') {
      ++pos_;
      while (IsHexDigit(at(pos_))) ++pos_;
    } else {
      while (IsDigit(at(pos_)) || at(pos_) == '.') ++pos_;
      if (at(pos_) == 'e' || at(pos_) == 'E') {
        ++pos_;
        if (at(pos_) == '+' || at(pos_) == '-') ++pos_;
        while (IsDigit(at(pos_))) ++pos_;
      }
    }
    // Letters or digits glued on belong to the word, which then fails to convert.
    while (IsIdentStart(at(pos_)) || IsDigit(at(pos_))) ++pos_;
    if (pos_ == start) Fail("Number expected");
    return text_.substr(start, pos_ - start);
  }

  // One string value: quoted parts and #codes, joined directly or by "+".
  std::string ReadString() {
    char first = Peek();
    if (first != '\'' && first != '#') Fail("String expected");
    std::string out;
    for (;;) {
      ReadStringParts(out);
      size_t save = pos_;
      int saveLine = line_;
      bool joined = Peek() == '+';
      if (joined) {
        ++pos_;
        char next = Peek();
        joined = next == '\'' || next == '#';
      }
      if (!joined) {  // leave what follows (and its line count) to the caller
        pos_ = save;
        line_ = saveLine;
        break;
      }
    }
    return out;
  }

  void ReadStringParts(std::string& out) {
    while (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
      if (text_[pos_] == '#') {
        ++pos_;
        AppendUtf8(out, ReadCharCode());
        continue;
      }
      ++pos_;
      for (;;) {
        if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r')
          Fail("Unterminated string");
        char c = text_[pos_++];
        if (c != '\'') {
          out += c;
        } else if (pos_ < text_.size() && text_[pos_] == '\'') {
          out += '\'';
          ++pos_;
        } else {
          break;
        }
      }
    }
  }

  // The code after '#': decimal digits or '$' and hex digits; a Unicode scalar value.
  uint32_t ReadCharCode() {
    bool hex = pos_ < text_.size() && text_[pos_] == '$';
    if (hex) ++pos_;
    uint32_t code = 0;
    size_t digits = 0;
    while (pos_ < text_.size() && (hex ? IsHexDigit(text_[pos_]) : IsDigit(text_[pos_]))) {
      char c = text_[pos_++];
      uint32_t d = IsDigit(c) ? uint32_t(c - '0') : uint32_t((c | 0x20) - 'a' + 10);
      code = code * (hex ? 16 : 10) + d;
      if (code > 0x10FFFF) Fail("Character code out of range");
      ++digits;
    }
    if (digits == 0) Fail("Character code expected");
    if (code >= 0xD800 && code <= 0xDFFF) Fail("Character code out of range");
    return code;
  }

  // --- structure ---

  std::pair<std::string, const ClassRecord*> ReadHeader() {
    if (!SameText(ReadIdent(), "object")) Fail("'object' expected");
    std::string name;
    std::string className = ReadIdent();
    if (Peek() == ':') {
      ++pos_;
      name = className;
      className = ReadIdent();
    }
    const ClassRecord* record = GetClass(className);
    if (record == nullptr) Fail("Class " + className + " not found");
    if (!IsA(*record, "TComponent")) Fail("Class " + className + " is not a component");
    return {name, record};
  }

  TComponent* Create(const ClassRecord& record, TComponent* owner) {
    if (!record.factory) Fail("Class " + record.name + " cannot be created");
    TComponent* c = nullptr;
    try {
      c = record.factory(owner);
    } catch (const Exception& e) {
      Fail("Error creating a " + record.name + ": " + e.Message());
    }
    if (c == nullptr) Fail("Class " + record.name + " cannot be created");
    Start(*c);
    return c;
  }

  void Start(TComponent& c) {
    c.IncludeState(csLoading);
    c.IncludeState(csReading);
    loaded_.Add(&c);
  }

  void SetComponentName(TComponent& c, const std::string& name) {
    try {
      c.SetName(name);
    } catch (const Exception& e) {
      Fail(e.Message());
    }
  }

  // Properties and nested objects up to the matching "end".
  void ReadBody(TComponent& component, int depth) {
    for (;;) {
      if (Peek() == '\0') Fail("'end' expected");
      std::string word = ReadIdent();
      if (SameText(word, "end")) return;
      if (SameText(word, "object")) {
        pos_ -= word.size();
        ReadChild(component, depth + 1);
      } else {
        ReadProperty(component, word);
      }
    }
  }

  void ReadChild(TComponent& parent, int depth) {
    if (depth > kMaxDepth) Fail("Objects nested too deeply");
    auto [name, record] = ReadHeader();
    TComponent* child = Create(*record, root_);
    SetComponentName(*child, name);
    try {
      child->SetParentComponent(&parent);
    } catch (const Exception& e) {
      Fail(e.Message());
    }
    ReadBody(*child, depth);
  }

  // "Path = value" where Path names a property, a property of a nested object, a string
  // list ("Items.Strings") or an event.
  void ReadProperty(TComponent& component, const std::string& first) {
    std::vector<std::string> path{first};
    while (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      path.push_back(ReadIdent());
    }
    Expect('=');
    TPersistent* object = &component;
    std::vector<const PropertyRecord*> objects;
    for (size_t i = 0; i < path.size(); ++i) {
      const ClassRecord* record = ClassRecordOf(*object);
      if (record == nullptr) Fail("Class " + object->ClassName() + " has no published properties");
      const PropertyRecord* p = FindProperty(*record, path[i]);
      bool last = i + 1 == path.size();
      if (p == nullptr && last && i == 0 && HasEvent(*record, path[i])) {
        ReadEvent(component, path[i]);
        return;
      }
      if (p == nullptr) Fail("Property " + JoinPath(path, i + 1) + " does not exist");
      bool stringsPath = (p->kind == TPropertyKind::Strings && i + 2 == path.size() &&
                          SameText(path[i + 1], "Strings")) ||
                         (p->kind == TPropertyKind::Binary && i + 2 == path.size() &&
                          SameText(path[i + 1], "Data"));
      if (last && p->kind == TPropertyKind::Component) {
        ReadReference(component, std::move(objects), *object, *p, JoinPath(path, path.size()));
        return;
      }
      if (last || stringsPath) {
        SetValue(*object, *p, JoinPath(path, path.size()));
        return;
      }
      if (p->kind != TPropertyKind::Object)
        Fail("Property " + JoinPath(path, i + 1) + " has no properties");
      object = std::get<TPersistent*>(p->get(object));
      objects.push_back(p);
      if (object == nullptr) Fail("Property " + JoinPath(path, i + 1) + " is nil");
    }
  }

  static std::string JoinPath(const std::vector<std::string>& path, size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s += (i ? "." : "") + path[i];
    return s;
  }

  // "nil" clears the reference at once; a name is kept for ResolveReferences.
  void ReadReference(TComponent& component, std::vector<const PropertyRecord*> objects,
                     TPersistent& object, const PropertyRecord& p, const std::string& path) {
    if (!p.set) Fail("Property " + path + " is read-only");
    Peek();
    int line = line_;
    std::string name = ReadIdent();
    if (!SameText(name, "nil")) {
      fixups_.push_back(Fixup{&component, std::move(objects), &p, path, name, line});
      return;
    }
    try {
      p.set(&object, static_cast<TPersistent*>(nullptr));
    } catch (const Exception& e) {
      throw EFormReadError(line, "Error reading " + path + ": " + e.Message());
    }
  }

  void ReadEvent(TComponent& component, const std::string& event) {
    std::string handler = ReadIdent();
    if (options_.bindEvent) options_.bindEvent(&component, event, handler);
  }

  void SetValue(TPersistent& object, const PropertyRecord& p, const std::string& path) {
    if (!p.set) Fail("Property " + path + " is read-only");
    PropertyValue value = ParseValue(p, path);
    int line = valueLine_;
    try {
      p.set(&object, value);
    } catch (const EFormReadError&) {
      throw;
    } catch (const Exception& e) {
      throw EFormReadError(line, "Error reading " + path + ": " + e.Message());
    }
  }

  // --- values ---

  PropertyValue ParseValue(const PropertyRecord& p, const std::string& path) {
    Peek();
    valueLine_ = line_;
    switch (p.kind) {
      case TPropertyKind::Integer:
        return ParseInteger(p, path);
      case TPropertyKind::Double:
        return ParseDouble(path);
      case TPropertyKind::Boolean:
        return ParseBoolean(path);
      case TPropertyKind::String:
        return ReadString();
      case TPropertyKind::Color:
        return ParseColor(path);
      case TPropertyKind::Enum:
        return ParseEnum(p, path);
      case TPropertyKind::Set:
        return ParseSet(p, path);
      case TPropertyKind::Char:
        return ParseChar(path);
      case TPropertyKind::Strings:
        return ParseStrings();
      case TPropertyKind::Binary:
        return ParseBinary();
      case TPropertyKind::Object:
      case TPropertyKind::Component:
        break;
    }
    Fail("Property " + path + " cannot be given a value");
  }

  [[noreturn]] void BadValue(const std::string& path, const std::string& text) {
    throw EFormReadError(valueLine_, "Invalid value " + text + " for property " + path);
  }

  // Decimal or $hex, with an optional sign; an integer within the property's range.
  std::optional<int64_t> ToInteger(const std::string& word) {
    size_t i = 0;
    bool negative = word[0] == '-';
    if (word[0] == '-' || word[0] == '+') i = 1;
    bool hex = i < word.size() && word[i] == '$';
    if (hex) ++i;
    uint64_t magnitude = 0;
    auto result =
        std::from_chars(word.data() + i, word.data() + word.size(), magnitude, hex ? 16 : 10);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size()) return std::nullopt;
    if (magnitude > uint64_t(std::numeric_limits<int64_t>::max()) + (negative ? 1u : 0u))
      return std::nullopt;
    return negative ? int64_t(0 - magnitude) : int64_t(magnitude);
  }

  PropertyValue ParseInteger(const PropertyRecord& p, const std::string& path) {
    std::string word = ReadNumberWord();
    auto v = ToInteger(word);
    if (!v || double(*v) < p.minValue || double(*v) > p.maxValue) BadValue(path, word);
    return *v;
  }

  PropertyValue ParseDouble(const std::string& path) {
    char c = Peek();
    if (IsIdentStart(c) ||
        ((c == '-' || c == '+') && pos_ + 1 < text_.size() && IsIdentStart(text_[pos_ + 1]))) {
      bool negative = c == '-';
      if (c == '-' || c == '+') ++pos_;
      std::string word = ReadIdent();
      if (SameText(word, "Inf")) return negative ? -HUGE_VAL : HUGE_VAL;
      if (SameText(word, "NaN") && c != '-' && c != '+') return std::nan("");
      BadValue(path, word);
    }
    std::string word = ReadNumberWord();
    const char* begin = word.data() + (word[0] == '+' ? 1 : 0);
    double d = 0;
    auto result = std::from_chars(begin, word.data() + word.size(), d);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size()) BadValue(path, word);
    return d;
  }

  PropertyValue ParseBoolean(const std::string& path) {
    std::string word = ReadIdent();
    if (SameText(word, "True")) return true;
    if (SameText(word, "False")) return false;
    BadValue(path, word);
  }

  PropertyValue ParseColor(const std::string& path) {
    char c = Peek();
    std::string word = IsIdentStart(c) ? ReadIdent() : ReadNumberWord();
    try {
      return StringToColor(word);
    } catch (const Exception&) {
      BadValue(path, word);
    }
  }

  int64_t Ordinal(const PropertyRecord& p, const std::string& path, const std::string& word) {
    for (size_t i = 0; i < p.valueNames.size(); ++i)
      if (SameText(p.valueNames[i], word)) return int64_t(i);
    BadValue(path, word);
  }

  PropertyValue ParseEnum(const PropertyRecord& p, const std::string& path) {
    return Ordinal(p, path, ReadIdent());
  }

  PropertyValue ParseSet(const PropertyRecord& p, const std::string& path) {
    Expect('[');
    uint64_t bits = 0;
    if (Peek() == ']') {
      ++pos_;
      return bits;
    }
    for (;;) {
      int64_t ordinal = Ordinal(p, path, ReadIdent());
      if (ordinal >= 64) BadValue(path, p.valueNames[size_t(ordinal)]);
      bits |= uint64_t{1} << ordinal;
      if (Peek() == ']') break;
      Expect(',');
    }
    ++pos_;
    return bits;
  }

  PropertyValue ParseChar(const std::string& path) {
    std::string s = ReadString();
    auto c = SingleCodePoint(s);
    if (!c) BadValue(path, "(a string of other than one character)");
    return *c;
  }

  PropertyValue ParseStrings() {
    Expect('(');
    std::vector<std::string> lines;
    while (Peek() != ')') {
      if (Peek() == '\0') Fail("')' expected");
      lines.push_back(ReadString());
    }
    ++pos_;
    return lines;
  }

  // "{", pairs of hex digits (blanks and line breaks anywhere between pairs), "}".
  PropertyValue ParseBinary() {
    Expect('{');
    auto at = [&](size_t i) { return i < text_.size() ? text_[i] : '\0'; };
    std::vector<uint8_t> bytes;
    while (Peek() != '}') {
      const char high = Peek();
      if (high == '\0') Fail("'}' expected");
      if (!IsHexDigit(high) || !IsHexDigit(at(pos_ + 1))) Fail("Hex digit pair expected");
      bytes.push_back(static_cast<uint8_t>(HexValue(high) << 4 | HexValue(at(pos_ + 1))));
      pos_ += 2;
    }
    ++pos_;
    return bytes;
  }

  static int HexValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

  const std::string& text_;
  const FormReadOptions& options_;
  size_t pos_ = 0;
  int line_ = 1;
  int valueLine_ = 1;  // where the value being parsed begins
  TComponent* root_ = nullptr;
  std::vector<Fixup> fixups_;
  TLoadList loaded_;
};

std::unique_ptr<TComponent> ReadForm(const std::string& text, const FormReadOptions& options) {
  return TFormReader(text, options).ReadNew();
}

void ReadFormInto(TComponent& root, const std::string& text, const FormReadOptions& options) {
  TFormReader(text, options).ReadInto(root);
}

}  // namespace fw
