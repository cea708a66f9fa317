// The property editor registry and the choice of an editor for a property.
#include "framework/design/property_editor_registry.h"

#include "framework/rtl/utf8.h"

namespace fw {

namespace {

std::vector<TPropertyEditorBinding>& Bindings() {
  static std::vector<TPropertyEditorBinding> bindings;
  return bindings;
}

// How many generations `record` lies below `ancestor`, or -1 when it does not descend from it.
int Distance(const ClassRecord& record, const ClassRecord& ancestor) {
  int distance = 0;
  for (const ClassRecord* r = &record; r != nullptr; r = ParentClass(*r), ++distance)
    if (r == &ancestor) return distance;
  return -1;
}

std::unique_ptr<TPropertyEditor> KindEditor(TDesigner* designer, TPersistent* instance,
                                            const PropertyRecord& property) {
  switch (property.kind) {
    case TPropertyKind::Integer:
      return std::make_unique<TIntegerProperty>(designer, instance, property);
    case TPropertyKind::Double:
      return std::make_unique<TFloatProperty>(designer, instance, property);
    case TPropertyKind::Boolean:
    case TPropertyKind::Enum:
      return std::make_unique<TEnumProperty>(designer, instance, property);
    case TPropertyKind::String:
      return std::make_unique<TStringProperty>(designer, instance, property);
    case TPropertyKind::Color:
      return std::make_unique<TColorProperty>(designer, instance, property);
    case TPropertyKind::Set:
      return std::make_unique<TSetProperty>(designer, instance, property);
    case TPropertyKind::Char:
      return std::make_unique<TCharProperty>(designer, instance, property);
    case TPropertyKind::Object:
      return std::make_unique<TClassProperty>(designer, instance, property);
    case TPropertyKind::Strings:
      return std::make_unique<TStringListProperty>(designer, instance, property);
    case TPropertyKind::Component:
      return std::make_unique<TComponentProperty>(designer, instance, property);
    case TPropertyKind::Binary:
      return std::make_unique<TBinaryProperty>(designer, instance, property);
  }
  throw EInvalidOperation("Property " + property.name + " has no editor");
}

}  // namespace

void RegisterPropertyEditor(TPropertyKind kind, TComponentClass componentClass,
                            const std::string& propertyName, TPropertyEditorClass editor) {
  const ClassRecord* record = nullptr;
  if (componentClass != typeid(void)) {
    record = ClassRecordOfType(componentClass);
    if (record == nullptr)
      throw EInvalidOperation(std::string("Property editor ") + editor.name + ": the class " +
                              componentClass.name() + " has no class record");
  }
  if (!editor.create)
    throw EInvalidOperation("Property editor " + editor.name + " cannot make editors");
  Bindings().push_back({kind, record, propertyName, std::move(editor)});
}

const std::vector<TPropertyEditorBinding>& PropertyEditorBindings() {
  return Bindings();
}

void UnregisterPropertyEditors(TComponentClass componentClass) {
  const ClassRecord* record = ClassRecordOfType(componentClass);
  if (record != nullptr)
    std::erase_if(Bindings(),
                  [&](const TPropertyEditorBinding& b) { return b.componentClass == record; });
}

const TPropertyEditorBinding* FindPropertyEditorBinding(const ClassRecord& owner,
                                                        const PropertyRecord& property) {
  const TPropertyEditorBinding* best = nullptr;
  int bestNamed = -1;
  int bestDistance = 0;
  for (const TPropertyEditorBinding& b : Bindings()) {
    if (b.kind != property.kind) continue;
    if (!b.propertyName.empty() && !SameText(b.propertyName, property.name)) continue;
    int distance = b.componentClass ? Distance(owner, *b.componentClass) : 1 << 20;
    if (distance < 0) continue;
    int named = b.propertyName.empty() ? 0 : 1;
    // Later registrations win ties, hence <= on the distance.
    if (named > bestNamed || (named == bestNamed && distance <= bestDistance)) {
      best = &b;
      bestNamed = named;
      bestDistance = distance;
    }
  }
  return best;
}

std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TDesigner* designer, TPersistent* instance,
                                                      const PropertyRecord& property) {
  const ClassRecord* owner = instance ? ClassRecordOf(*instance) : nullptr;
  if (owner != nullptr)
    if (const TPropertyEditorBinding* b = FindPropertyEditorBinding(*owner, property))
      return b->editor.create(designer, instance, property);
  return KindEditor(designer, instance, property);
}

std::vector<std::unique_ptr<TPropertyEditor>> GetComponentProperties(TDesigner* designer,
                                                                     TPersistent* instance) {
  std::vector<std::unique_ptr<TPropertyEditor>> editors;
  const ClassRecord* record = instance ? ClassRecordOf(*instance) : nullptr;
  if (record == nullptr) return editors;
  for (const PropertyRecord* p : AllProperties(*record))
    editors.push_back(CreatePropertyEditor(designer, instance, *p));
  return editors;
}

}  // namespace fw
