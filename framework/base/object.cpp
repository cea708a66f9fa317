// TObject and TPersistent: class names and the Assign/AssignTo protocol.
#include "framework/base/object.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "framework/base/registry.h"
#include "framework/rtl/exceptions.h"

namespace fw {

namespace {

// The C++ name of a type without namespace or class qualifiers ("fw::TFoo" gives "TFoo").
std::string PlainTypeName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
  std::string name = (status == 0 && demangled) ? demangled.get() : type.name();
  size_t colon = name.rfind("::");
  return colon == std::string::npos ? name : name.substr(colon + 2);
}

}  // namespace

TObject::~TObject() = default;

std::string TObject::ClassName() const {
  if (const ClassRecord* record = ClassRecordOf(*this)) return record->name;
  return PlainTypeName(typeid(*this));
}

void TPersistent::Assign(TPersistent* source) {
  if (source == nullptr) AssignError(nullptr);
  source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) {
  // `dest` could not copy from us and we know no way to copy into it.
  if (dest == nullptr) throw EConvertError("Cannot assign a " + ClassName() + " to a nil");
  dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* source) const {
  std::string sourceName = source ? source->ClassName() : "nil";
  throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}

}  // namespace fw
