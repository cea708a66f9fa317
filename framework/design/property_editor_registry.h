// Which property editor edits which property: the editor of the property's kind, unless a
// design-time package registered its own for the kind, for a component class and its
// descendants, or for one property name (matched without regard to ASCII case).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <typeindex>
#include <vector>

#include "framework/design/palette.h"
#include "framework/design/property_editor.h"

namespace fw {

// A property editor class: its name, C++ type and how to make one.
struct TPropertyEditorClass {
  std::string name;
  std::type_index type = typeid(void);
  std::function<std::unique_ptr<TPropertyEditor>(TDesigner*, TPersistent*, const PropertyRecord&)>
      create;
};

template <typename E>
TPropertyEditorClass EditorClass(std::string name) {
  static_assert(std::is_base_of_v<TPropertyEditor, E>, "an editor class is a TPropertyEditor");
  return {std::move(name), typeid(E),
          [](TDesigner* designer, TPersistent* instance, const PropertyRecord& property) {
            return std::unique_ptr<TPropertyEditor>(new E(designer, instance, property));
          }};
}

// The property kind of a C++ value type, as registrations name it: TypeInfo<std::string>()
// is TPropertyKind::String (colours are TPropertyKind::Color, named directly).
template <typename V>
constexpr TPropertyKind TypeInfo() {
  if constexpr (std::is_convertible_v<V, std::string>)
    return TPropertyKind::String;
  else if constexpr (std::is_same_v<V, bool>)
    return TPropertyKind::Boolean;
  else if constexpr (std::is_same_v<V, char32_t>)
    return TPropertyKind::Char;
  else if constexpr (std::is_floating_point_v<V>)
    return TPropertyKind::Double;
  else if constexpr (std::is_enum_v<V>)
    return TPropertyKind::Enum;
  else if constexpr (std::is_integral_v<V>)
    return TPropertyKind::Integer;
  else if constexpr (std::is_same_v<V, std::vector<std::string>>)
    return TPropertyKind::Strings;
  else
    static_assert(!sizeof(V), "no property kind for this type");
}

struct TPropertyEditorBinding {
  TPropertyKind kind;
  const ClassRecord* componentClass;  // nullptr: any class
  std::string propertyName;           // empty: any property of the kind
  TPropertyEditorClass editor;
};

// Binds `editor` to properties of `kind`, of `componentClass` (typeid(void): any class) and
// its descendants, named `propertyName` (empty: any name). Raises EInvalidOperation when the
// class has no class record or the editor class cannot make editors.
void RegisterPropertyEditor(TPropertyKind kind, TComponentClass componentClass,
                            const std::string& propertyName, TPropertyEditorClass editor);
// The registrations in the order they were made.
const std::vector<TPropertyEditorBinding>& PropertyEditorBindings();
// Forgets the registrations of a component class (a package going away).
void UnregisterPropertyEditors(TComponentClass componentClass);

// The binding that applies to `property` of an instance of class `owner`: among the matching
// registrations, one naming the property beats one naming only a class, which beats one
// naming neither; a nearer class beats its ancestors; among equals the latest wins. nullptr
// when none applies.
const TPropertyEditorBinding* FindPropertyEditorBinding(const ClassRecord& owner,
                                                        const PropertyRecord& property);

// The editor for `property` of `instance`: the registered one, else the one of its kind.
std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TDesigner* designer, TPersistent* instance,
                                                      const PropertyRecord& property);

// Editors of every published property of `instance`, in the order of AllProperties.
std::vector<std::unique_ptr<TPropertyEditor>> GetComponentProperties(TDesigner* designer,
                                                                     TPersistent* instance);

}  // namespace fw
