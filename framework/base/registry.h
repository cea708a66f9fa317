// The class registry: for every streamable class its name, parent, factory, published
// properties (type, getter, setter, initial value, stored default) and event names.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <typeindex>
#include <variant>
#include <vector>

#include "framework/base/component.h"
#include "framework/base/set.h"
#include "framework/rtl/colors.h"
#include "framework/rtl/exceptions.h"

namespace fw {

// A class name that no registered class carries.
class EClassNotFound : public Exception {
 public:
  using Exception::Exception;
};

enum class TPropertyKind : uint8_t {
  Integer,  // int64_t
  Double,   // double
  Boolean,  // bool
  String,   // std::string (UTF-8)
  Color,    // TColor
  Enum,     // int64_t ordinal into valueNames
  Set,      // uint64_t bits over valueNames
  Char,     // char32_t
  Object,   // TPersistent*: a nested object whose own class record lists its properties
  Strings,  // std::vector<std::string>: a list of text lines
  // TPersistent* holding a TComponent* or nullptr: another component, written by its name and
  // resolved once the whole form is read. The owner of the property clears it when the
  // component it names is deleted (through a free notification).
  Component,
  // std::vector<uint8_t>: bytes such as a picture file, written as "Name.Data = {hex}".
  Binary,
};

// One property value; the alternative is the one named beside its kind above.
using PropertyValue = std::variant<int64_t, double, bool, std::string, TColor, uint64_t, char32_t,
                                   TPersistent*, std::vector<std::string>, std::vector<uint8_t>>;

struct PropertyRecord {
  std::string name;
  TPropertyKind kind = TPropertyKind::Integer;
  std::vector<std::string> valueNames;  // Enum: value names by ordinal; Set: element names
  // Integer: the values the C++ type holds; others are refused with EConvertError.
  double minValue = -std::numeric_limits<double>::infinity();
  double maxValue = std::numeric_limits<double>::infinity();
  // Integer and Double: the values the setter keeps unchanged (it may clamp others).
  double rangeLow = -std::numeric_limits<double>::infinity();
  double rangeHigh = std::numeric_limits<double>::infinity();
  std::function<PropertyValue(TPersistent*)> get;
  std::function<void(TPersistent*, const PropertyValue&)> set;  // empty: read-only
  PropertyValue initial;                                        // what a new instance reports
  std::optional<PropertyValue> storedDefault;  // the writer omits the value equal to it;
                                               // nothing: always written
  bool stored = true;                          // false: never written
  // When set, the value is written only while it returns true (a colour that follows the
  // parent's is not written, say).
  std::function<bool(TPersistent*)> storedIf;
  // Component: the C++ class the referenced component must be of.
  std::type_index referenceType = typeid(void);
  std::optional<PropertyValue> sample;  // a valid value differing from initial, for tests
  bool noSample = false;                // no valid value other than the initial one can be made up
};

struct ClassRecord {
  std::string name;
  std::string parentName;  // empty for the root of the tree
  std::type_index type = typeid(void);
  // Creates an instance owned by its argument; empty for abstract classes and persistents
  // that are not components.
  std::function<TComponent*(TComponent*)> factory;
  std::vector<PropertyRecord> properties;  // declared by this class, in registration order
  std::vector<std::string> events;
};

// Registration and lookup; names compare without regard to ASCII case.
// Registering a name again for the same C++ class starts its record afresh; for another
// class it raises EInvalidOperation.
ClassRecord& RegisterClassRecord(const std::string& name, const std::string& parentName,
                                 std::type_index type,
                                 std::function<TComponent*(TComponent*)> factory);
// Forgets a class (a plug-in going away); lookups of it fail afterwards.
void UnregisterClass(const std::string& name);
const ClassRecord* GetClass(const std::string& name);        // nullptr when unknown
const ClassRecord& FindClass(const std::string& name);       // raises EClassNotFound
const ClassRecord* ClassRecordOf(const TObject& object);     // by the object's C++ class
const ClassRecord* ClassRecordOfType(std::type_index type);  // nullptr when unregistered
const ClassRecord* ParentClass(const ClassRecord& record);
// True when `record` is the class `ancestorName` or descends from it.
bool IsA(const ClassRecord& record, const std::string& ancestorName);
// The properties of the class and its ancestors, the root's first; a property a descendant
// registers again replaces the ancestor's in its place.
std::vector<const PropertyRecord*> AllProperties(const ClassRecord& record);
const PropertyRecord* FindProperty(const ClassRecord& record, const std::string& name);
std::vector<std::string> AllEvents(const ClassRecord& record);
bool HasEvent(const ClassRecord& record, const std::string& name);
std::vector<const ClassRecord*> RegisteredClasses();

namespace registry_detail {

template <typename T>
struct IsFwSet : std::false_type {};
template <typename E>
struct IsFwSet<Set<E>> : std::true_type {};

template <typename T>
T* Cast(TPersistent* object, const std::string& property) {
  T* typed = dynamic_cast<T*>(object);
  if (typed == nullptr)
    throw EInvalidOperation("Property " + property + " does not belong to class " +
                            (object ? object->ClassName() : std::string("nil")));
  return typed;
}

// The PropertyValue of a C++ value for a property of `kind`.
template <typename V>
PropertyValue ToValue(TPropertyKind kind, const V& v) {
  if constexpr (IsFwSet<V>::value) {
    return PropertyValue(uint64_t{v.Bits()});
  } else if constexpr (std::is_enum_v<V>) {
    return PropertyValue(static_cast<int64_t>(v));
  } else if constexpr (std::is_convertible_v<V, std::string>) {
    return PropertyValue(std::string(v));
  } else if constexpr (std::is_convertible_v<V, std::vector<std::string>>) {
    return PropertyValue(std::vector<std::string>(v));
  } else if constexpr (std::is_convertible_v<V, std::vector<uint8_t>>) {
    return PropertyValue(std::vector<uint8_t>(v));
  } else if constexpr (std::is_pointer_v<V>) {
    return PropertyValue(static_cast<TPersistent*>(v));
  } else {
    switch (kind) {
      case TPropertyKind::Double:
        return PropertyValue(static_cast<double>(v));
      case TPropertyKind::Boolean:
        return PropertyValue(static_cast<bool>(v));
      case TPropertyKind::Color:
        return PropertyValue(static_cast<TColor>(v));
      case TPropertyKind::Char:
        return PropertyValue(static_cast<char32_t>(v));
      case TPropertyKind::Set:
        return PropertyValue(static_cast<uint64_t>(v));
      default:
        return PropertyValue(static_cast<int64_t>(v));
    }
  }
}

// Raises EConvertError: `text` is not a valid value of the property.
[[noreturn]] void RangeError(const PropertyRecord& record, const std::string& text);

// The C++ value of type V held by `value`; raises EConvertError outside the record's range.
template <typename V>
V FromValue(const PropertyRecord& record, const PropertyValue& value) {
  auto expect = [&](auto* alternative) -> const auto& {
    using A = std::remove_pointer_t<decltype(alternative)>;
    if (!std::holds_alternative<A>(value)) RangeError(record, "(wrong type)");
    return std::get<A>(value);
  };
  if constexpr (IsFwSet<V>::value) {
    uint64_t bits = expect(static_cast<uint64_t*>(nullptr));
    size_t n = record.valueNames.size();
    if (n < 64 && (bits >> n) != 0) RangeError(record, "[...]");
    return V::FromBits(bits);
  } else if constexpr (std::is_enum_v<V>) {
    int64_t ordinal = expect(static_cast<int64_t*>(nullptr));
    if (ordinal < 0 || ordinal >= static_cast<int64_t>(record.valueNames.size()))
      RangeError(record, std::to_string(ordinal));
    return static_cast<V>(ordinal);
  } else if constexpr (std::is_same_v<V, std::string>) {
    return expect(static_cast<std::string*>(nullptr));
  } else if constexpr (std::is_same_v<V, std::vector<std::string>>) {
    return expect(static_cast<std::vector<std::string>*>(nullptr));
  } else if constexpr (std::is_same_v<V, std::vector<uint8_t>>) {
    return expect(static_cast<std::vector<uint8_t>*>(nullptr));
  } else if constexpr (std::is_pointer_v<V>) {
    TPersistent* object = expect(static_cast<TPersistent**>(nullptr));
    if (object == nullptr) return nullptr;
    auto* typed = dynamic_cast<V>(object);
    if (typed == nullptr) {
      auto* component = dynamic_cast<TComponent*>(object);
      RangeError(record,
                 component && !component->Name().empty() ? component->Name() : object->ClassName());
    }
    return typed;
  } else if constexpr (std::is_same_v<V, bool>) {
    return expect(static_cast<bool*>(nullptr));
  } else if constexpr (std::is_same_v<V, char32_t>) {
    return expect(static_cast<char32_t*>(nullptr));
  } else if constexpr (std::is_floating_point_v<V>) {
    return static_cast<V>(expect(static_cast<double*>(nullptr)));
  } else if (record.kind == TPropertyKind::Color) {
    return static_cast<V>(expect(static_cast<TColor*>(nullptr)));
  } else {
    int64_t i = expect(static_cast<int64_t*>(nullptr));
    if (static_cast<double>(i) < record.minValue || static_cast<double>(i) > record.maxValue)
      RangeError(record, std::to_string(i));
    return static_cast<V>(i);
  }
}

}  // namespace registry_detail

// Builds a class record one property per call, each modifier applying to the property just
// added:
//   RegisterClass<TGauge>("TGauge", "TComponent")
//       .Int("Max", &TGauge::Max, &TGauge::SetMax, 100).Range(1, 1000)  // clamps others
//       .Enum("Kind", &TGauge::Kind, &TGauge::SetKind, {"gkBar", "gkPie"}, gkBar)
//       .Event("OnChange");
// Getters and setters are member-function pointers (of the class or a base) or callables
// taking T*; a getter's result type decides how values convert.
template <typename T>
class ClassBuilder {
 public:
  explicit ClassBuilder(ClassRecord& record) : record_(&record) {}

  template <typename G, typename S, typename V>
  ClassBuilder& Int(const std::string& name, G getter, S setter, V initial) {
    using R = Result<G>;
    static_assert(std::is_integral_v<R>, "Int needs an integer getter");
    PropertyRecord& p = Add(name, TPropertyKind::Integer, getter, setter, initial);
    p.minValue = static_cast<double>(std::numeric_limits<R>::min());
    p.maxValue = static_cast<double>(std::numeric_limits<R>::max());
    return *this;
  }
  template <typename G, typename S>
  ClassBuilder& Double(const std::string& name, G getter, S setter, double initial) {
    Add(name, TPropertyKind::Double, getter, setter, initial);
    return *this;
  }
  template <typename G, typename S>
  ClassBuilder& Bool(const std::string& name, G getter, S setter, bool initial) {
    Add(name, TPropertyKind::Boolean, getter, setter, initial);
    return *this;
  }
  template <typename G, typename S>
  ClassBuilder& Str(const std::string& name, G getter, S setter, const std::string& initial) {
    Add(name, TPropertyKind::String, getter, setter, initial);
    return *this;
  }
  template <typename G, typename S>
  ClassBuilder& Color(const std::string& name, G getter, S setter, TColor initial) {
    Add(name, TPropertyKind::Color, getter, setter, initial);
    return *this;
  }
  template <typename G, typename S>
  ClassBuilder& Char(const std::string& name, G getter, S setter, char32_t initial) {
    Add(name, TPropertyKind::Char, getter, setter, initial);
    return *this;
  }
  template <typename G, typename S, typename E>
  ClassBuilder& Enum(const std::string& name, G getter, S setter,
                     std::vector<std::string> valueNames, E initial) {
    Add(name, TPropertyKind::Enum, getter, setter, initial).valueNames = std::move(valueNames);
    return *this;
  }
  template <typename G, typename S, typename V>
  ClassBuilder& SetOf(const std::string& name, G getter, S setter,
                      std::vector<std::string> elementNames, V initial) {
    Add(name, TPropertyKind::Set, getter, setter, initial).valueNames = std::move(elementNames);
    return *this;
  }
  template <typename G, typename S>
  ClassBuilder& Strings(const std::string& name, G getter, S setter,
                        const std::vector<std::string>& initial) {
    Add(name, TPropertyKind::Strings, getter, setter, initial);
    return *this;
  }
  // Bytes (such as a picture file) through a getter returning std::vector<uint8_t>; empty
  // when new, and then not written.
  template <typename G, typename S>
  ClassBuilder& Binary(const std::string& name, G getter, S setter) {
    Add(name, TPropertyKind::Binary, getter, setter, std::vector<uint8_t>{});
    return *this;
  }
  // A nested object reached through `getter`; its properties are read and written by path
  // ("Font.Size"). Never null on a live instance.
  template <typename G>
  ClassBuilder& Object(const std::string& name, G getter) {
    PropertyRecord p;
    p.name = name;
    p.kind = TPropertyKind::Object;
    p.get = [getter, name](TPersistent* o) -> PropertyValue {
      return static_cast<TPersistent*>(std::invoke(getter, registry_detail::Cast<T>(o, name)));
    };
    p.initial = static_cast<TPersistent*>(nullptr);
    record_->properties.push_back(std::move(p));
    return *this;
  }
  // A reference to another component (initially none); the setter's parameter type is the
  // getter's result, a pointer to TComponent or a descendant.
  template <typename G, typename S>
  ClassBuilder& Component(const std::string& name, G getter, S setter) {
    using R = Result<G>;
    static_assert(std::is_pointer_v<R> && std::is_base_of_v<TComponent, std::remove_pointer_t<R>>,
                  "Component needs a getter returning a component pointer");
    PropertyRecord& p = Add(name, TPropertyKind::Component, getter, setter, R{nullptr});
    p.referenceType = typeid(std::remove_pointer_t<R>);
    return *this;
  }
  ClassBuilder& Event(const std::string& name) {
    record_->events.push_back(name);
    return *this;
  }

  // Every property added from here on is written whatever its value, as if each were
  // followed by AlwaysStored() (for classes whose forms carry every value).
  ClassBuilder& StoreEveryValue() {
    storeEveryValue_ = true;
    return *this;
  }

  // Modifiers of the property added last.
  // Always written, whatever its value.
  ClassBuilder& AlwaysStored() {
    Last().storedDefault.reset();
    return *this;
  }
  // Never written (the object header carries it, or it is derived from others).
  ClassBuilder& NotStored() {
    Last().stored = false;
    return *this;
  }
  // Written only while `predicate` holds for the instance (besides differing from the stored
  // default).
  template <typename P>
  ClassBuilder& StoredIf(P predicate) {
    Last().storedIf = [predicate, name = Last().name](TPersistent* o) {
      return static_cast<bool>(std::invoke(predicate, registry_detail::Cast<T>(o, name)));
    };
    return *this;
  }
  // The value the writer omits, when it is not the initial value.
  template <typename V>
  ClassBuilder& Default(const V& value) {
    Last().storedDefault = registry_detail::ToValue(Last().kind, value);
    return *this;
  }
  // The values the setter keeps without clamping (Integer and Double); others it may change.
  ClassBuilder& Range(double low, double high) {
    Last().rangeLow = low;
    Last().rangeHigh = high;
    return *this;
  }
  // A valid value different from the initial one, for the generic registry test.
  template <typename V>
  ClassBuilder& Sample(const V& value) {
    Last().sample = registry_detail::ToValue(Last().kind, value);
    Last().noSample = false;
    return *this;
  }
  // No valid value other than the initial one can be made up (a name of a file that must
  // exist, say): the generic registry test checks only the initial value.
  ClassBuilder& NoSample() {
    Last().sample.reset();
    Last().noSample = true;
    return *this;
  }

 private:
  template <typename G>
  using Result = std::remove_cvref_t<std::invoke_result_t<G, T*>>;

  PropertyRecord& Last() {
    if (record_->properties.empty())
      throw EInvalidOperation("Class " + record_->name + ": modifier before any property");
    return record_->properties.back();
  }

  template <typename G, typename S, typename V>
  PropertyRecord& Add(const std::string& name, TPropertyKind kind, G getter, S setter,
                      const V& initial) {
    using R = Result<G>;
    PropertyRecord p;
    p.name = name;
    p.kind = kind;
    p.get = [getter, kind, name](TPersistent* o) {
      return registry_detail::ToValue(kind,
                                      R(std::invoke(getter, registry_detail::Cast<T>(o, name))));
    };
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      p.set = [setter, name, index = record_->properties.size(), rec = record_](
                  TPersistent* o, const PropertyValue& v) {
        const PropertyRecord& self = rec->properties[index];
        std::invoke(setter, registry_detail::Cast<T>(o, name),
                    registry_detail::FromValue<R>(self, v));
      };
    }
    p.initial = registry_detail::ToValue(kind, initial);
    if (!storeEveryValue_) p.storedDefault = p.initial;
    record_->properties.push_back(std::move(p));
    return record_->properties.back();
  }

  ClassRecord* record_;
  bool storeEveryValue_ = false;
};

template <typename T>
ClassBuilder<T> RegisterClass(const std::string& name, const std::string& parentName) {
  std::function<TComponent*(TComponent*)> factory;
  if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                std::is_constructible_v<T, TComponent*>) {
    factory = [](TComponent* owner) -> TComponent* { return new T(owner); };
  }
  return ClassBuilder<T>(RegisterClassRecord(name, parentName, typeid(T), std::move(factory)));
}

}  // namespace fw
