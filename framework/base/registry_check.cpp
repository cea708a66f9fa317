// The generic registry check: instances agree with their class records.
#include "framework/base/registry_check.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "framework/base/form_text.h"
#include "framework/base/registry.h"
#include "framework/rtl/utf8.h"

namespace fw::testing {

namespace {

// A valid value other than the property's initial one, or nothing when none can be made.
std::optional<PropertyValue> OtherValue(const PropertyRecord& p) {
  if (p.noSample) return std::nullopt;
  if (p.sample) return p.sample;
  const PropertyValue& v = p.initial;
  switch (p.kind) {
    case TPropertyKind::Integer: {
      int64_t i = std::get<int64_t>(v);
      double high = std::min(p.maxValue, p.rangeHigh), low = std::max(p.minValue, p.rangeLow);
      if (double(i) + 1 <= high) return PropertyValue(i + 1);
      if (double(i) - 1 >= low) return PropertyValue(i - 1);
      return std::nullopt;
    }
    case TPropertyKind::Double: {
      double d = std::get<double>(v);
      if (!std::isfinite(d)) return PropertyValue(0.0);
      if (d + 1 <= p.rangeHigh) return PropertyValue(d + 1);
      if (d - 1 >= p.rangeLow) return PropertyValue(d - 1);
      return std::nullopt;
    }
    case TPropertyKind::Boolean:
      return PropertyValue(!std::get<bool>(v));
    case TPropertyKind::String:
      return PropertyValue(std::get<std::string>(v) + "x");
    case TPropertyKind::Color:
      return PropertyValue(std::get<TColor>(v) == clRed ? clBlue : clRed);
    case TPropertyKind::Enum:
      if (p.valueNames.size() < 2) return std::nullopt;
      return PropertyValue(int64_t((std::get<int64_t>(v) + 1) % int64_t(p.valueNames.size())));
    case TPropertyKind::Set:
      if (p.valueNames.empty()) return std::nullopt;
      return PropertyValue(std::get<uint64_t>(v) ^ uint64_t{1});
    case TPropertyKind::Char:
      return PropertyValue(std::get<char32_t>(v) == U'a' ? U'b' : U'a');
    case TPropertyKind::Strings: {
      auto lines = std::get<std::vector<std::string>>(v);
      lines.push_back("x");
      return PropertyValue(lines);
    }
    case TPropertyKind::Object:
    case TPropertyKind::Component:
    case TPropertyKind::Binary:  // bytes have a format (a picture file) no rule can make up
      break;
  }
  return std::nullopt;
}

std::string Text(const PropertyRecord& p, const PropertyValue& v) {
  try {
    return PropertyValueText(p, v);
  } catch (const std::exception&) {
    return "(value without text form)";
  }
}

// A creatable class the component a reference property names may be of: the property's own
// class, else the first registered descendant with a factory.
const ClassRecord* ReferenceClass(const PropertyRecord& p) {
  const ClassRecord* own = ClassRecordOfType(p.referenceType);
  if (own == nullptr) return nullptr;
  if (own->factory) return own;
  for (const ClassRecord* c : RegisteredClasses())
    if (c->factory && IsA(*c, own->name)) return c;
  return nullptr;
}

// A reference starts as nil, keeps a component set to it, and forgets it when that
// component is deleted.
void CheckReference(TComponent& instance, const PropertyRecord& p, const std::string& where,
                    std::vector<std::string>& failures) {
  if (std::get<TPersistent*>(p.get(&instance)) != nullptr)
    failures.push_back(where + "new instance refers to a component");
  if (!p.set || p.noSample) return;
  const ClassRecord* target = ReferenceClass(p);
  if (target == nullptr) {
    failures.push_back(where + "no registered class can be referenced");
    return;
  }
  std::unique_ptr<TComponent> referenced(target->factory(nullptr));
  p.set(&instance, static_cast<TPersistent*>(referenced.get()));
  if (std::get<TPersistent*>(p.get(&instance)) != referenced.get())
    failures.push_back(where + "a " + target->name + " set does not read back");
  referenced.reset();
  if (std::get<TPersistent*>(p.get(&instance)) != nullptr)
    failures.push_back(where + "still refers to a deleted " + target->name);
}

void CheckProperty(const ClassRecord& record, TComponent& instance, const PropertyRecord& p,
                   std::vector<std::string>& failures) {
  std::string where = record.name + "." + p.name + ": ";
  if (p.kind == TPropertyKind::Component) {
    CheckReference(instance, p, where, failures);
    return;
  }
  PropertyValue now = p.get(&instance);
  if (p.kind == TPropertyKind::Object) {
    auto* nested = std::get<TPersistent*>(now);
    if (nested == nullptr)
      failures.push_back(where + "object property is nil on a new instance");
    else if (ClassRecordOf(*nested) == nullptr)
      failures.push_back(where + "class " + nested->ClassName() + " is not registered");
    return;
  }
  if (!(now == p.initial))
    failures.push_back(where + "new instance reports " + Text(p, now) + ", registered initial " +
                       Text(p, p.initial));
  if (!p.set) return;
  auto other = OtherValue(p);
  if (!other) return;
  p.set(&instance, *other);
  PropertyValue back = p.get(&instance);
  if (!(back == *other))
    failures.push_back(where + "set " + Text(p, *other) + ", read back " + Text(p, back));
}

}  // namespace

namespace {

void CheckClass(const ClassRecord& record, std::vector<std::string>& failures) {
  if (!record.parentName.empty() && ParentClass(record) == nullptr)
    failures.push_back(record.name + ": parent class " + record.parentName + " not registered");
  for (size_t i = 0; i < record.properties.size(); ++i)
    for (size_t j = 0; j < i; ++j)
      if (SameText(record.properties[i].name, record.properties[j].name))
        failures.push_back(record.name + "." + record.properties[i].name + ": registered twice");
  if (!record.factory) return;
  try {
    std::unique_ptr<TComponent> instance(record.factory(nullptr));
    if (!instance) {
      failures.push_back(record.name + ": factory returned nil");
      return;
    }
    for (const PropertyRecord* p : AllProperties(record)) {
      try {
        CheckProperty(record, *instance, *p, failures);
      } catch (const std::exception& e) {
        failures.push_back(record.name + "." + p->name + ": raised " + e.what());
      }
    }
  } catch (const std::exception& e) {
    failures.push_back(record.name + ": creating an instance raised " + e.what());
  }
}

}  // namespace

std::vector<std::string> CheckRegisteredClasses() {
  std::vector<std::string> failures;
  for (const ClassRecord* record : RegisteredClasses()) CheckClass(*record, failures);
  return failures;
}

std::vector<std::string> CheckRegisteredClass(const std::string& className) {
  std::vector<std::string> failures;
  if (const ClassRecord* record = GetClass(className))
    CheckClass(*record, failures);
  else
    failures.push_back(className + ": not registered");
  return failures;
}

}  // namespace fw::testing
