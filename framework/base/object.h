// The roots of the class tree: TObject (run-time class name) and TPersistent (objects that can
// copy themselves from one another through Assign and AssignTo).
#pragma once

#include <string>

namespace fw {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = default;
  TObject& operator=(const TObject&) = default;
  virtual ~TObject();

  // The name under which the object's class is registered (registry.h); an unregistered
  // class answers its C++ name without namespaces.
  virtual std::string ClassName() const;
};

class TPersistent : public TObject {
 public:
  // Copies `source` into this object. The base version lets the source try (AssignTo) and
  // raises EConvertError "Cannot assign a <Source> to a <Dest>" when neither side knows how;
  // a null source raises "Cannot assign a nil to a <Dest>".
  virtual void Assign(TPersistent* source);

  // Copies this object into `dest`. The base version knows no destination and raises the
  // error described at Assign. Overrides handle their own destinations and call this for
  // the others.
  virtual void AssignTo(TPersistent* dest);

 protected:
  // Raises the "Cannot assign" error for copying `source` (may be null) into this object.
  [[noreturn]] void AssignError(const TPersistent* source) const;
};

}  // namespace fw
