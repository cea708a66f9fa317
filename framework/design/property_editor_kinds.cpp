// The editors of sets, colours, nested objects, string lists, component references and bytes.
#include <algorithm>

#include "framework/base/form_text.h"
#include "framework/design/property_editor.h"
#include "framework/design/property_editor_registry.h"
#include "framework/design/string_list_dialog.h"
#include "framework/rtl/color_names.h"
#include "framework/rtl/utf8.h"
#include "framework/stdctrls/color_dialog.h"

namespace fw {

// --- sets

TPropertyAttributes TSetProperty::GetAttributes() const {
  return TPropertyEditor::GetAttributes() + paSubProperties + paReadOnly;
}

// "[a,b]" without the blanks the form text puts after commas.
std::string TSetProperty::GetValue() const {
  uint64_t bits = std::get<uint64_t>(GetPropValue());
  std::string text = "[";
  const auto& names = Property().valueNames;
  for (size_t i = 0; i < names.size() && i < 64; ++i) {
    if ((bits >> i & 1) == 0) continue;
    if (text.size() > 1) text += ',';
    text += names[i];
  }
  return text + "]";
}

// "[a, b]" with any blanks, names without regard to case.
void TSetProperty::SetValue(const std::string& text) {
  std::string inner = text;
  inner.erase(std::remove_if(inner.begin(), inner.end(), [](char c) { return c == ' '; }),
              inner.end());
  if (inner.size() < 2 || inner.front() != '[' || inner.back() != ']') InvalidValue(text);
  inner = inner.substr(1, inner.size() - 2);
  uint64_t bits = 0;
  const auto& names = Property().valueNames;
  size_t start = 0;
  while (!inner.empty() && start <= inner.size()) {
    size_t comma = inner.find(',', start);
    std::string name = inner.substr(start, comma == std::string::npos ? comma : comma - start);
    auto it = std::find_if(names.begin(), names.end(),
                           [&](const std::string& n) { return SameText(n, name); });
    if (it == names.end() || it - names.begin() >= 64) InvalidValue(text);
    bits |= uint64_t{1} << (it - names.begin());
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  SetPropValue(bits);
}

std::vector<std::unique_ptr<TPropertyEditor>> TSetProperty::GetProperties() const {
  std::vector<std::unique_ptr<TPropertyEditor>> elements;
  for (size_t i = 0; i < Property().valueNames.size() && i < 64; ++i)
    elements.push_back(std::make_unique<TSetElementProperty>(Designer(), GetComponent(), Property(),
                                                             static_cast<int>(i)));
  return elements;
}

TSetElementProperty::TSetElementProperty(TDesigner* designer, TPersistent* instance,
                                         const PropertyRecord& property, int element)
    : TPropertyEditor(designer, instance, property), element_(element) {}

TPropertyAttributes TSetElementProperty::GetAttributes() const {
  return TPropertyEditor::GetAttributes() + paValueList;
}

std::string TSetElementProperty::GetName() const {
  return Property().valueNames[static_cast<size_t>(element_)];
}

std::string TSetElementProperty::GetValue() const {
  return (std::get<uint64_t>(GetPropValue()) >> element_ & 1) ? "True" : "False";
}

std::vector<std::string> TSetElementProperty::GetValues() const {
  return {"False", "True"};
}

void TSetElementProperty::SetValue(const std::string& text) {
  uint64_t bits = std::get<uint64_t>(GetPropValue());
  uint64_t bit = uint64_t{1} << element_;
  if (SameText(text, "True"))
    bits |= bit;
  else if (SameText(text, "False"))
    bits &= ~bit;
  else
    InvalidValue(text);
  SetPropValue(bits);
}

// --- colours

TPropertyAttributes TColorProperty::GetAttributes() const {
  return TPropertyEditor::GetAttributes() + paValueList + paDialog;
}

std::string TColorProperty::GetValue() const {
  return ColorToString(std::get<TColor>(GetPropValue()));
}

void TColorProperty::SetValue(const std::string& text) {
  TColor color = 0;
  try {
    color = StringToColor(text);
  } catch (const EConvertError&) {
    InvalidValue(text);
  }
  SetPropValue(color);
}

std::vector<std::string> TColorProperty::GetValues() const {
  return GetColorValues();
}

void TColorProperty::Edit() {
  TColorDialog dialog(nullptr);
  dialog.SetColor(std::get<TColor>(GetPropValue()));
  if (dialog.Execute()) SetPropValue(dialog.Color());
}

// --- nested objects

TPropertyAttributes TClassProperty::GetAttributes() const {
  return TPropertyAttributes{paMultiSelect, paSubProperties, paReadOnly};
}

std::string TClassProperty::GetValue() const {
  TPersistent* object = std::get<TPersistent*>(GetPropValue());
  const ClassRecord* record = object ? ClassRecordOf(*object) : nullptr;
  return "(" + (record ? record->name : object ? object->ClassName() : std::string("nil")) + ")";
}

std::vector<std::unique_ptr<TPropertyEditor>> TClassProperty::GetProperties() const {
  TPersistent* object = std::get<TPersistent*>(GetPropValue());
  if (object == nullptr) return {};
  return GetComponentProperties(Designer(), object);
}

// --- string lists

TPropertyAttributes TStringListProperty::GetAttributes() const {
  return TPropertyEditor::GetAttributes() + paDialog + paReadOnly;
}

std::string TStringListProperty::GetValue() const {
  return "(TStrings)";
}

void TStringListProperty::Edit() {
  std::vector<std::string> lines = std::get<std::vector<std::string>>(GetPropValue());
  if (EditStringList(GetName(), lines)) SetPropValue(lines);
}

// --- component references

TPropertyAttributes TComponentProperty::GetAttributes() const {
  return TPropertyEditor::GetAttributes() + paValueList + paSortList;
}

std::string TComponentProperty::GetValue() const {
  auto* component = dynamic_cast<TComponent*>(std::get<TPersistent*>(GetPropValue()));
  return component ? component->Name() : std::string();
}

// The components of the form the property can name.
std::vector<std::string> TComponentProperty::GetValues() const {
  std::vector<std::string> names;
  TComponent* root = Designer() ? Designer()->Root() : nullptr;
  if (root == nullptr) return names;
  auto fits = [&](TComponent* c) {
    const ClassRecord* record = ClassRecordOf(*c);
    const ClassRecord* wanted = ClassRecordOfType(Property().referenceType);
    return !c->Name().empty() && record && wanted && IsA(*record, wanted->name);
  };
  if (fits(root)) names.push_back(root->Name());
  for (int i = 0; i < root->ComponentCount(); ++i)
    if (fits(root->Components(i))) names.push_back(root->Components(i)->Name());
  return names;
}

void TComponentProperty::SetValue(const std::string& text) {
  if (text.empty()) {
    SetPropValue(static_cast<TPersistent*>(nullptr));
    return;
  }
  TComponent* root = Designer() ? Designer()->Root() : nullptr;
  TComponent* target = nullptr;
  if (root != nullptr) target = SameText(root->Name(), text) ? root : root->FindComponent(text);
  if (target == nullptr) throw EPropertyError("Component " + text + " not found");
  SetPropValue(static_cast<TPersistent*>(target));
}

// --- bytes

TPropertyAttributes TBinaryProperty::GetAttributes() const {
  return TPropertyEditor::GetAttributes() + paReadOnly;
}

std::string TBinaryProperty::GetValue() const {
  size_t size = std::get<std::vector<uint8_t>>(GetPropValue()).size();
  return size == 0 ? "(None)" : "(" + std::to_string(size) + " bytes)";
}

}  // namespace fw
