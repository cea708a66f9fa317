// TComponent: ownership, names, notifications and component state.
#include "framework/base/component.h"
#include "framework/rtl/utf8.h"

#include <algorithm>

namespace fw {

bool IsComponentIdent(const std::string& name) {
  auto isAlpha = [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
  };
  auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  if (name.empty() || !isAlpha(name[0])) return false;
  return std::all_of(name.begin() + 1, name.end(),
                     [&](char c) { return isAlpha(c) || isDigit(c); });
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Tell everyone who subscribed; each forgets its link to us in Notification.
  while (!freeNotifies_.empty()) {
    TComponent* subscriber = freeNotifies_.back();
    freeNotifies_.pop_back();
    subscriber->DropFreeNotifyLink(this);
    subscriber->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (owner_ == nullptr) return -1;
  auto& list = owner_->components_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::CheckSiblingName(const TComponent* owner, const std::string& newName) const {
  if (owner == nullptr || newName.empty()) return;
  const TComponent* other = owner->FindComponent(newName);
  if (other != nullptr && other != this)
    throw EComponentError("A component named " + newName + " already exists");
}

void TComponent::ValidateRename(const std::string& newName) const {
  if (!newName.empty() && !IsComponentIdent(newName))
    throw EComponentError("'" + newName + "' is not a valid component name");
  CheckSiblingName(owner_, newName);
}

void TComponent::SetName(const std::string& newName) {
  if (newName == name_) return;
  ValidateRename(newName);
  name_ = newName;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component == nullptr || component->owner_ == this) return;
  for (const TComponent* o = this; o != nullptr; o = o->owner_)
    if (o == component) throw EComponentError("A component cannot own itself");
  component->CheckSiblingName(this, component->name_);
  if (component->owner_ != nullptr) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
  if (state_.Contains(csDesigning)) component->SetDesigning(true);  // joins a designed form
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component == nullptr || component->owner_ != this) return;
  Notification(component, opRemove);
  Detach(component);
}

void TComponent::Detach(TComponent* component) {
  auto it = std::find(components_.begin(), components_.end(), component);
  if (it != components_.end()) components_.erase(it);
  component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  // Take the last one off the list before deleting it, so its destructor finds no owner; a
  // destructor that deletes a sibling shortens the list, which the loop re-reads each round.
  while (!components_.empty()) {
    TComponent* child = components_.back();
    Notification(child, opRemove);
    if (components_.empty() || components_.back() != child) continue;  // a handler moved it
    Detach(child);
    delete child;
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
    freeNotifies_.push_back(component);
  auto& theirs = component->freeNotifies_;
  if (std::find(theirs.begin(), theirs.end(), this) == theirs.end()) theirs.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr) return;
  DropFreeNotifyLink(component);
  component->DropFreeNotifyLink(this);
}

void TComponent::DropFreeNotifyLink(TComponent* component) {
  std::erase(freeNotifies_, component);
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_.Include(csDestroying);
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::SetDesigning(bool value) {
  if (value)
    state_.Include(csDesigning);
  else
    state_.Exclude(csDesigning);
  for (TComponent* c : components_) c->SetDesigning(value);
}

void TComponent::Loaded() {
  state_.Exclude(csLoading);
}

void TComponent::SetParentComponent(TComponent*) {}

TComponent* TComponent::GetParentComponent() const {
  return nullptr;
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component != nullptr) RemoveFreeNotification(component);
  // Pass it on; a receiver may delete components, so re-check the index each time.
  for (size_t i = components_.size(); i-- > 0;) {
    if (i >= components_.size()) continue;
    components_[i]->Notification(component, operation);
  }
}

}  // namespace fw
