// TComponent: named, owned objects. An owner frees what it owns; deleting a component detaches
// it from its owner and tells every component that asked to hear of its removal.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/base/object.h"
#include "framework/base/set.h"
#include "framework/rtl/exceptions.h"

namespace fw {

// A component name that is not an identifier, or that a sibling already carries.
class EComponentError : public Exception {
 public:
  using Exception::Exception;
};

enum TComponentStateItem : uint8_t {
  csLoading,     // being read from a form; Loaded() clears it
  csReading,     // its properties are being read right now
  csWriting,     // its properties are being written
  csDestroying,  // its destructor has begun
  csDesigning,   // edited by a form designer
  csUpdating,    // between Updating() and Updated()
};
using TComponentState = Set<TComponentStateItem>;

enum TOperation : uint8_t { opInsert, opRemove };

class TComponent : public TPersistent {
 public:
  // Joins `AOwner`'s components when given; the owner then deletes it. With nullptr the
  // caller owns it.
  explicit TComponent(TComponent* AOwner);
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  // Sets csDestroying, tells free-notification subscribers, deletes the owned components
  // (last inserted first) and leaves the owner.
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }

  const std::string& Name() const { return name_; }
  // An identifier (letter or underscore, then letters, digits, underscores) or empty; unique
  // among the owner's components, compared without regard to ASCII case.
  virtual void SetName(const std::string& newName);

  int Tag() const { return tag_; }
  void SetTag(int value) { tag_ = value; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  // The owned component at `index` (0-based); raises EListError outside 0..ComponentCount-1.
  TComponent* Components(int index) const;
  // Position in the owner's list, -1 without owner.
  int ComponentIndex() const;
  // The owned component of that name (ASCII case ignored), or nullptr.
  TComponent* FindComponent(const std::string& name) const;

  // Takes `component` from its current owner (if any) and makes this its owner; every owned
  // component and this one are told opInsert. A designed owner makes it designed too.
  void InsertComponent(TComponent* component);
  // Gives up ownership of `component` (the caller now owns it); everyone is told opRemove.
  void RemoveComponent(TComponent* component);
  // Deletes every owned component, last inserted first. Destructors of derived classes whose
  // state the children rely on while they go call this first.
  void DestroyComponents();

  // `component` will receive Notification(this, opRemove) when this component is deleted
  // (and vice versa), whoever owns either.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Sets csDestroying on this component and everything it owns. The base destructor does it;
  // a derived destructor whose work must already see the flag calls it first.
  void Destroying();

  TComponentState ComponentState() const { return state_; }
  // Sets or clears csDesigning on this component and everything it owns.
  void SetDesigning(bool value);
  void Updating() { state_.Include(csUpdating); }
  void Updated() { state_.Exclude(csUpdating); }

  // Called once after the whole form this component was read from has been read: the place
  // to evaluate values that setters stored raw during loading. Clears csLoading.
  virtual void Loaded();

  // Form nesting. The reader calls SetParentComponent with the object a component was nested
  // in; the writer nests each component under GetParentComponent() (the root when nullptr).
  // The base component has no parent; controls override both.
  virtual void SetParentComponent(TComponent* parent);
  virtual TComponent* GetParentComponent() const;

  // Told when `component` joins (opInsert) or leaves (opRemove) this owner, or when a
  // component this one subscribed to through FreeNotification is deleted. The base version
  // forgets a removed component's free-notification link and passes the news on to every
  // owned component. Overrides clear their references to a removed component and call it.
  // Public so that containers (parents of controls) can pass news on to their children.
  virtual void Notification(TComponent* component, TOperation operation);

 private:
  friend class TFormReader;
  friend class TFormWriter;

  void IncludeState(TComponentStateItem item) { state_.Include(item); }
  void ExcludeState(TComponentStateItem item) { state_.Exclude(item); }
  void ValidateRename(const std::string& newName) const;
  void CheckSiblingName(const TComponent* owner, const std::string& newName) const;
  void Detach(TComponent* component);
  void DropFreeNotifyLink(TComponent* component);

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  std::string name_;
  int tag_ = 0;
  TComponentState state_;
};

// True when `name` is an identifier: a letter or "_", then letters, digits or "_" (ASCII).
bool IsComponentIdent(const std::string& name);
// Component, class and property names compare with SameText (framework/rtl/utf8.h).

}  // namespace fw
