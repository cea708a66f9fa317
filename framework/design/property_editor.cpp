// The property editor base and the editors of numbers, texts, characters and enumerations.
#include "framework/design/property_editor.h"

#include <charconv>
#include <cmath>

#include "framework/base/form_text.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/utf8.h"

namespace fw {

namespace {

std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

TPropertyEditor::TPropertyEditor(TDesigner* designer, TPersistent* instance,
                                 const PropertyRecord& property)
    : designer_(designer), instance_(instance), property_(&property) {}

TPropertyAttributes TPropertyEditor::GetAttributes() const {
  TPropertyAttributes attributes{paMultiSelect, paRevertable};
  if (!property_->set) attributes += paReadOnly;
  return attributes;
}

void TPropertyEditor::SetValue(const std::string& text) {
  InvalidValue(text);
}

PropertyValue TPropertyEditor::GetPropValue() const {
  return property_->get(instance_);
}

void TPropertyEditor::SetPropValue(const PropertyValue& value) {
  if (!property_->set) throw EPropertyError("Property " + property_->name + " is read-only");
  try {
    property_->set(instance_, value);
  } catch (const EPropertyError&) {
    throw;
  } catch (const Exception& e) {
    throw EPropertyError("Property " + property_->name + ": " + e.Message());
  }
  if (designer_ != nullptr) designer_->Modified();
}

void TPropertyEditor::InvalidValue(const std::string& text) const {
  throw EPropertyError("'" + text + "' is not a valid value of " + property_->name);
}

std::string TPropertyEditor::GetStrValue() const {
  return std::get<std::string>(GetPropValue());
}

void TPropertyEditor::SetStrValue(const std::string& value) {
  SetPropValue(value);
}

// --- numbers

TPropertyAttributes TIntegerProperty::GetAttributes() const {
  return TPropertyEditor::GetAttributes();
}

std::string TIntegerProperty::GetValue() const {
  return std::to_string(std::get<int64_t>(GetPropValue()));
}

void TIntegerProperty::SetValue(const std::string& text) {
  int64_t value = 0;
  if (!TryStrToInt64(Trimmed(text), value)) InvalidValue(text);
  const PropertyRecord& p = Property();
  if (static_cast<double>(value) < p.minValue || static_cast<double>(value) > p.maxValue)
    throw EPropertyError(text + " is outside the range of " + p.name + " (" +
                         PropertyValueText(p, int64_t(p.minValue)) + " to " +
                         PropertyValueText(p, int64_t(p.maxValue)) + ")");
  SetPropValue(value);
}

TPropertyAttributes TFloatProperty::GetAttributes() const {
  return TPropertyEditor::GetAttributes();
}

std::string TFloatProperty::GetValue() const {
  return PropertyValueText(Property(), GetPropValue());
}

// Always "." as the decimal point, as the form text writes it; Inf, -Inf and NaN as words.
void TFloatProperty::SetValue(const std::string& text) {
  std::string t = Trimmed(text);
  double value = 0;
  if (SameText(t, "Inf") || SameText(t, "+Inf")) {
    value = INFINITY;
  } else if (SameText(t, "-Inf")) {
    value = -INFINITY;
  } else if (SameText(t, "NaN")) {
    value = NAN;
  } else {
    if (!t.empty() && t[0] == '+') t.erase(0, 1);
    auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || error != std::errc() || end != t.data() + t.size() || !std::isfinite(value))
      InvalidValue(text);
  }
  SetPropValue(value);
}

// --- texts and characters

TPropertyAttributes TStringProperty::GetAttributes() const {
  return TPropertyEditor::GetAttributes();
}

std::string TStringProperty::GetValue() const {
  return GetStrValue();
}

void TStringProperty::SetValue(const std::string& text) {
  SetStrValue(text);
}

TPropertyAttributes TCharProperty::GetAttributes() const {
  return TPropertyEditor::GetAttributes();
}

// Printable characters as themselves, others as #code.
std::string TCharProperty::GetValue() const {
  char32_t c = std::get<char32_t>(GetPropValue());
  if (c < 0x20 || c == 0x7F) return "#" + std::to_string(uint32_t(c));
  return EncodeUtf8(c);
}

void TCharProperty::SetValue(const std::string& text) {
  size_t length = 0;
  if (!text.empty() && text[0] == '#' && text.size() > 1) {
    int64_t code = 0;
    if (!TryStrToInt64(text.substr(1), code) || code < 0 || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF))
      InvalidValue(text);
    SetPropValue(static_cast<char32_t>(code));
    return;
  }
  char32_t c = DecodeUtf8(text, 0, length);
  if (text.empty() || length != text.size() || (c == 0xFFFD && text != EncodeUtf8(0xFFFD)))
    InvalidValue(text);
  SetPropValue(c);
}

// --- enumerations and booleans

TPropertyAttributes TEnumProperty::GetAttributes() const {
  return TPropertyEditor::GetAttributes() + paValueList;
}

std::string TEnumProperty::GetValue() const {
  PropertyValue value = GetPropValue();
  if (Property().kind == TPropertyKind::Boolean) return std::get<bool>(value) ? "True" : "False";
  return PropertyValueText(Property(), value);
}

std::vector<std::string> TEnumProperty::GetValues() const {
  if (Property().kind == TPropertyKind::Boolean) return {"False", "True"};
  return Property().valueNames;
}

void TEnumProperty::SetValue(const std::string& text) {
  std::string t = Trimmed(text);
  std::vector<std::string> names = GetValues();
  for (size_t i = 0; i < names.size(); ++i) {
    if (!SameText(t, names[i])) continue;
    if (Property().kind == TPropertyKind::Boolean)
      SetPropValue(i == 1);
    else
      SetPropValue(static_cast<int64_t>(i));
    return;
  }
  InvalidValue(text);
}

}  // namespace fw
