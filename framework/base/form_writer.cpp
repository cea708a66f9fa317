// Writing components as form text: stored properties, nested objects and string lists.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <set>

#include "framework/base/form_text.h"
#include "framework/rtl/scope_guard.h"
#include "framework/rtl/utf8.h"

namespace fw {

namespace {

// Quoted string: printable runs in quotes ('' for a quote), control bytes as #nn.
std::string QuoteString(const std::string& s) {
  if (s.empty()) return "''";
  std::string out;
  bool open = false;
  for (char ch : s) {
    auto byte = static_cast<unsigned char>(ch);
    if (byte < 32 || byte == 127) {
      if (open) out += '\'';
      open = false;
      out += '#' + std::to_string(byte);
      continue;
    }
    if (!open) out += '\'';
    open = true;
    out += ch;
    if (ch == '\'') out += '\'';
  }
  if (open) out += '\'';
  return out;
}

// The shortest text that reads back to the same double.
std::string DoubleText(double d) {
  if (std::isnan(d)) return "NaN";
  if (std::isinf(d)) return d > 0 ? "Inf" : "-Inf";
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, d);
  return std::string(buffer, result.ptr);
}

std::string ValueName(const PropertyRecord& property, int64_t ordinal) {
  if (ordinal < 0 || ordinal >= static_cast<int64_t>(property.valueNames.size()))
    throw EFormWriteError("Property " + property.name + " has no value name for " +
                          std::to_string(ordinal));
  return property.valueNames[static_cast<size_t>(ordinal)];
}

std::string SetText(const PropertyRecord& property, uint64_t bits) {
  std::string out = "[";
  for (unsigned i = 0; i < 64 && bits != 0; ++i, bits >>= 1) {
    if ((bits & 1) == 0) continue;
    if (out.size() > 1) out += ", ";
    out += ValueName(property, i);
  }
  return out + "]";
}

// A byte as two upper-case hex digits.
std::string HexPair(uint8_t b) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[b >> 4], kDigits[b & 15]};
}

}  // namespace

std::string PropertyValueText(const PropertyRecord& property, const PropertyValue& value) {
  switch (property.kind) {
    case TPropertyKind::Integer:
      return std::to_string(std::get<int64_t>(value));
    case TPropertyKind::Double:
      return DoubleText(std::get<double>(value));
    case TPropertyKind::Boolean:
      return std::get<bool>(value) ? "True" : "False";
    case TPropertyKind::String:
      return QuoteString(std::get<std::string>(value));
    case TPropertyKind::Color:
      return ColorToString(std::get<TColor>(value));
    case TPropertyKind::Enum:
      return ValueName(property, std::get<int64_t>(value));
    case TPropertyKind::Set:
      return SetText(property, std::get<uint64_t>(value));
    case TPropertyKind::Char: {
      char32_t c = std::get<char32_t>(value);
      if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        throw EFormWriteError("Property " + property.name + " holds no valid character");
      return QuoteString(EncodeUtf8(c));
    }
    case TPropertyKind::Strings: {
      const auto& lines = std::get<std::vector<std::string>>(value);
      std::string out = "(";
      for (const std::string& line : lines) out += (out.size() > 1 ? " " : "") + QuoteString(line);
      return out + ")";
    }
    case TPropertyKind::Binary: {
      std::string out = "{";
      for (uint8_t b : std::get<std::vector<uint8_t>>(value)) out += HexPair(b);
      return out + "}";
    }
    case TPropertyKind::Component: {
      auto* component = dynamic_cast<TComponent*>(std::get<TPersistent*>(value));
      if (component == nullptr) return "nil";
      if (component->Name().empty())
        throw EFormWriteError("Property " + property.name + " names a component without a name");
      return component->Name();
    }
    case TPropertyKind::Object:
      break;
  }
  throw EFormWriteError("Property " + property.name + " has no text form");
}

// Writes one component and, nested inside it, the components of the form whose parent it is.
class TFormWriter {
 public:
  explicit TFormWriter(TComponent& root) : root_(root) {}

  std::string Write() {
    WriteComponent(root_, 0);
    return std::move(out_);
  }

 private:
  void WriteComponent(TComponent& component, int depth) {
    component.IncludeState(csWriting);
    TScopeExit writing([&component] { component.ExcludeState(csWriting); });
    const ClassRecord* record = ClassRecordOf(component);
    if (record == nullptr)
      throw EFormWriteError("Class " + component.ClassName() + " is not registered");
    std::string indent(size_t(depth) * 2, ' ');
    out_ += indent + "object " + (component.Name().empty() ? "" : component.Name() + ": ") +
            record->name + "\n";
    WriteProperties(component, *record, indent + "  ", "", 0);
    written_.insert(&component);
    for (int i = 0; i < root_.ComponentCount(); ++i) {
      TComponent* child = root_.Components(i);
      if (FormParent(*child) == &component && !written_.count(child))
        WriteComponent(*child, depth + 1);
    }
    if (&component == &root_) {
      // Components whose parents form a loop are reached from no one: write them at the top.
      for (int i = 0; i < root_.ComponentCount(); ++i)
        if (!written_.count(root_.Components(i))) WriteComponent(*root_.Components(i), depth + 1);
    }
    out_ += indent + "end\n";
  }

  // The object a component is written inside: its parent when that is part of the form.
  TComponent* FormParent(TComponent& component) {
    TComponent* parent = component.GetParentComponent();
    if (parent == nullptr || parent == &component) return &root_;
    if (parent != &root_ && parent->Owner() != &root_) return &root_;
    return parent;
  }

  void WriteProperties(TPersistent& object, const ClassRecord& record, const std::string& indent,
                       const std::string& prefix, int depth) {
    for (const PropertyRecord* p : AllProperties(record)) {
      if (!p->stored) continue;
      PropertyValue value = p->get(&object);
      if (p->kind == TPropertyKind::Object) {
        auto* nested = std::get<TPersistent*>(value);
        const ClassRecord* nestedRecord = nested ? ClassRecordOf(*nested) : nullptr;
        if (nestedRecord == nullptr || depth > 16) continue;
        WriteProperties(*nested, *nestedRecord, indent, prefix + p->name + ".", depth + 1);
        continue;
      }
      if (p->storedDefault && value == *p->storedDefault) continue;
      if (p->storedIf && !p->storedIf(&object)) continue;
      if (p->kind == TPropertyKind::Component && !InForm(std::get<TPersistent*>(value))) continue;
      if (p->kind == TPropertyKind::Strings) {
        WriteStrings(indent, prefix + p->name, std::get<std::vector<std::string>>(value));
        continue;
      }
      if (p->kind == TPropertyKind::Binary) {
        WriteBinary(indent, prefix + p->name, std::get<std::vector<uint8_t>>(value));
        continue;
      }
      out_ += indent + prefix + p->name + " = " + PropertyValueText(*p, value) + "\n";
    }
  }

  // A referenced component the reader can find again: the root or a named component it owns.
  // References to components outside the form are not written.
  bool InForm(TPersistent* value) const {
    auto* component = dynamic_cast<TComponent*>(value);
    if (component == nullptr || component->Name().empty()) return false;
    return component == &root_ || component->Owner() == &root_;
  }

  void WriteStrings(const std::string& indent, const std::string& name,
                    const std::vector<std::string>& lines) {
    out_ += indent + name + ".Strings = (";
    if (lines.empty()) {
      out_ += ")\n";
      return;
    }
    for (size_t i = 0; i < lines.size(); ++i)
      out_ += "\n" + indent + "  " + QuoteString(lines[i]) + (i + 1 == lines.size() ? ")" : "");
    out_ += "\n";
  }

  // Name.Data = { then lines of 32 bytes in hex, the last closed by }.
  void WriteBinary(const std::string& indent, const std::string& name,
                   const std::vector<uint8_t>& bytes) {
    out_ += indent + name + ".Data = {";
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (i % 32 == 0) out_ += "\n" + indent + "  ";
      out_ += HexPair(bytes[i]);
    }
    out_ += "}\n";
  }

  TComponent& root_;
  std::string out_;
  std::set<const TComponent*> written_;
};

std::string WriteForm(TComponent& root) {
  return TFormWriter(root).Write();
}

}  // namespace fw
