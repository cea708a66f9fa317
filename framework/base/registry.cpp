// The class registry's storage and lookups, and the records of the framework's root classes.
#include "framework/base/registry.h"
#include "framework/rtl/utf8.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace fw {

namespace {

struct CaseInsensitiveLess {
  bool operator()(const std::string& a, const std::string& b) const {
    auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : int(c); };
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) {
          return lower(static_cast<unsigned char>(x)) < lower(static_cast<unsigned char>(y));
        });
  }
};

struct Registry {
  std::map<std::string, std::unique_ptr<ClassRecord>, CaseInsensitiveLess> byName;
  std::unordered_map<std::type_index, ClassRecord*> byType;
  std::vector<ClassRecord*> inOrder;  // registration order, for stable walks
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

// The records of TObject, TPersistent and TComponent, made on first use of the registry so
// that no static initialisation order matters.
void EnsureBuiltins() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterClass<TObject>("TObject", "");
  RegisterClass<TPersistent>("TPersistent", "TObject");
  RegisterClass<TComponent>("TComponent", "TPersistent")
      .Str("Name", &TComponent::Name, &TComponent::SetName, "")
      .NotStored()
      .Int("Tag", &TComponent::Tag, &TComponent::SetTag, 0);
}

}  // namespace

namespace registry_detail {

void RangeError(const PropertyRecord& record, const std::string& text) {
  throw EConvertError("Invalid value " + text + " for property " + record.name);
}

}  // namespace registry_detail

ClassRecord& RegisterClassRecord(const std::string& name, const std::string& parentName,
                                 std::type_index type,
                                 std::function<TComponent*(TComponent*)> factory) {
  EnsureBuiltins();
  Registry& r = TheRegistry();
  auto it = r.byName.find(name);
  if (it != r.byName.end()) {
    ClassRecord& existing = *it->second;
    if (existing.type != type)
      throw EInvalidOperation("Class " + name + " is already registered for another type");
    existing = ClassRecord{name, parentName, type, std::move(factory), {}, {}};
    return existing;
  }
  auto record = std::make_unique<ClassRecord>(
      ClassRecord{name, parentName, type, std::move(factory), {}, {}});
  ClassRecord* raw = record.get();
  r.byName.emplace(name, std::move(record));
  r.byType[type] = raw;
  r.inOrder.push_back(raw);
  return *raw;
}

void UnregisterClass(const std::string& name) {
  EnsureBuiltins();
  Registry& r = TheRegistry();
  auto it = r.byName.find(name);
  if (it == r.byName.end()) return;
  ClassRecord* record = it->second.get();
  r.byType.erase(record->type);
  std::erase(r.inOrder, record);
  r.byName.erase(it);
}

const ClassRecord* GetClass(const std::string& name) {
  EnsureBuiltins();
  auto& byName = TheRegistry().byName;
  auto it = byName.find(name);
  return it == byName.end() ? nullptr : it->second.get();
}

const ClassRecord& FindClass(const std::string& name) {
  const ClassRecord* record = GetClass(name);
  if (record == nullptr) throw EClassNotFound("Class " + name + " not found");
  return *record;
}

const ClassRecord* ClassRecordOf(const TObject& object) {
  EnsureBuiltins();
  auto& byType = TheRegistry().byType;
  auto it = byType.find(typeid(object));
  return it == byType.end() ? nullptr : it->second;
}

const ClassRecord* ClassRecordOfType(std::type_index type) {
  EnsureBuiltins();
  auto& byType = TheRegistry().byType;
  auto it = byType.find(type);
  return it == byType.end() ? nullptr : it->second;
}

const ClassRecord* ParentClass(const ClassRecord& record) {
  if (record.parentName.empty()) return nullptr;
  const ClassRecord* parent = GetClass(record.parentName);
  return parent == &record ? nullptr : parent;
}

namespace {

// The class and its ancestors, root first; stops at an unknown parent or a cycle.
std::vector<const ClassRecord*> Lineage(const ClassRecord& record) {
  std::vector<const ClassRecord*> chain;
  for (const ClassRecord* c = &record; c != nullptr; c = ParentClass(*c)) {
    if (std::find(chain.begin(), chain.end(), c) != chain.end()) break;
    chain.push_back(c);
  }
  std::reverse(chain.begin(), chain.end());
  return chain;
}

}  // namespace

bool IsA(const ClassRecord& record, const std::string& ancestorName) {
  for (const ClassRecord* c : Lineage(record))
    if (SameText(c->name, ancestorName)) return true;
  return false;
}

std::vector<const PropertyRecord*> AllProperties(const ClassRecord& record) {
  std::vector<const PropertyRecord*> all;
  for (const ClassRecord* c : Lineage(record)) {
    for (const PropertyRecord& p : c->properties) {
      auto same = [&](const PropertyRecord* q) { return SameText(q->name, p.name); };
      auto it = std::find_if(all.begin(), all.end(), same);
      if (it != all.end())
        *it = &p;
      else
        all.push_back(&p);
    }
  }
  return all;
}

const PropertyRecord* FindProperty(const ClassRecord& record, const std::string& name) {
  for (const PropertyRecord* p : AllProperties(record))
    if (SameText(p->name, name)) return p;
  return nullptr;
}

std::vector<std::string> AllEvents(const ClassRecord& record) {
  std::vector<std::string> all;
  for (const ClassRecord* c : Lineage(record))
    for (const std::string& e : c->events)
      if (std::none_of(all.begin(), all.end(),
                       [&](const std::string& x) { return SameText(x, e); }))
        all.push_back(e);
  return all;
}

bool HasEvent(const ClassRecord& record, const std::string& name) {
  auto all = AllEvents(record);
  return std::any_of(all.begin(), all.end(),
                     [&](const std::string& e) { return SameText(e, name); });
}

std::vector<const ClassRecord*> RegisteredClasses() {
  EnsureBuiltins();
  auto& order = TheRegistry().inOrder;
  return {order.begin(), order.end()};
}

}  // namespace fw
