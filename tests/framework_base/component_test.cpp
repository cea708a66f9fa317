// Ownership, destruction order, notifications, names and state of TComponent.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/base/component.h"

namespace fw {
namespace {

// Records every notification and its own destruction in a shared journal.
class TProbe : public TComponent {
 public:
  TProbe(TComponent* owner, std::string name, std::vector<std::string>& journal)
      : TComponent(owner), journal_(journal) {
    SetName(name);
  }
  ~TProbe() override { journal_.push_back("free " + Name()); }
  TComponent* watched = nullptr;

 protected:
  void Notification(TComponent* c, TOperation op) override {
    if (c != this && c != nullptr)
      journal_.push_back(Name() + (op == opInsert ? " +" : " -") + c->Name());
    if (op == opRemove && c == watched) watched = nullptr;
    TComponent::Notification(c, op);
  }

 private:
  std::vector<std::string>& journal_;
};

TEST(ComponentOwnership, OwnerFreesChildrenLastInsertedFirst) {
  std::vector<std::string> journal;
  auto owner = std::make_unique<TComponent>(nullptr);
  new TProbe(owner.get(), "A", journal);
  new TProbe(owner.get(), "B", journal);
  new TProbe(owner.get(), "C", journal);
  ASSERT_EQ(owner->ComponentCount(), 3);
  journal.clear();
  owner.reset();
  std::vector<std::string> frees;
  for (auto& line : journal)
    if (line.rfind("free", 0) == 0) frees.push_back(line);
  EXPECT_EQ(frees, (std::vector<std::string>{"free C", "free B", "free A"}));
}

TEST(ComponentOwnership, SiblingsHearOfInsertAndRemove) {
  std::vector<std::string> journal;
  TComponent owner(nullptr);
  auto* a = new TProbe(&owner, "A", journal);
  journal.clear();
  auto* b = new TProbe(&owner, "", journal);
  b->SetName("B");
  EXPECT_EQ(journal, std::vector<std::string>{"A +"});  // B had no name yet when inserted
  journal.clear();
  delete b;
  EXPECT_EQ(journal, (std::vector<std::string>{"free B", "A -B"}));
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0), a);
}

TEST(ComponentOwnership, DeletingAChildDetachesIt) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  delete a;
  ASSERT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0), b);
  EXPECT_EQ(b->ComponentIndex(), 0);
}

// A component whose destructor deletes a sibling, as components that free helpers do.
class TSiblingKiller : public TComponent {
 public:
  using TComponent::TComponent;
  ~TSiblingKiller() override { delete victim; }
  TComponent* victim = nullptr;
};

TEST(ComponentOwnership, ChildDeletingASiblingDuringOwnerDestruction) {
  auto owner = std::make_unique<TComponent>(nullptr);
  auto* victim = new TComponent(owner.get());
  auto* killer = new TSiblingKiller(owner.get());
  new TComponent(owner.get());
  killer->victim = victim;
  owner.reset();  // sanitizer build: no double free, no use after free
  SUCCEED();
}

// An owner whose own destructor deletes one of its children before the base frees the rest.
class TEagerOwner : public TComponent {
 public:
  TEagerOwner() : TComponent(nullptr) {
    first = new TComponent(this);
    new TComponent(this);
  }
  ~TEagerOwner() override {
    delete first;
    remainingAfterDelete = ComponentCount();
  }
  TComponent* first;
  static inline int remainingAfterDelete = -1;
};

TEST(ComponentOwnership, OwnerDestructorMayDeleteAChild) {
  { TEagerOwner owner; }
  EXPECT_EQ(TEagerOwner::remainingAfterDelete, 1);
}

TEST(ComponentOwnership, InsertComponentMovesBetweenOwners) {
  TComponent first(nullptr), second(nullptr);
  auto* c = new TComponent(&first);
  second.InsertComponent(c);
  EXPECT_EQ(first.ComponentCount(), 0);
  EXPECT_EQ(second.ComponentCount(), 1);
  EXPECT_EQ(c->Owner(), &second);
  second.RemoveComponent(c);
  EXPECT_EQ(c->Owner(), nullptr);
  delete c;  // the caller owns it now
}

TEST(ComponentOwnership, OwnershipCycleIsRefused) {
  TComponent top(nullptr);
  auto* middle = new TComponent(&top);
  EXPECT_THROW(middle->InsertComponent(&top), EComponentError);
  EXPECT_THROW(top.InsertComponent(&top), EComponentError);
}

TEST(ComponentOwnership, ComponentsIndexOutsideRaises) {
  TComponent owner(nullptr);
  new TComponent(&owner);
  EXPECT_THROW(owner.Components(1), EListError);
  EXPECT_THROW(owner.Components(-1), EListError);
}

TEST(ComponentFreeNotification, SubscriberHearsOfDeletionAndForgetsIt) {
  std::vector<std::string> journal;
  TProbe watcher(nullptr, "W", journal);
  auto* target = new TProbe(nullptr, "T", journal);
  watcher.watched = target;
  target->FreeNotification(&watcher);
  delete target;
  EXPECT_EQ(watcher.watched, nullptr);
  EXPECT_EQ(journal.back(), "W -T");
}

TEST(ComponentFreeNotification, LinkWorksBothWaysAndCanBeRemoved) {
  std::vector<std::string> journal;
  auto* a = new TProbe(nullptr, "A", journal);
  auto* b = new TProbe(nullptr, "B", journal);
  a->FreeNotification(b);
  delete b;  // a hears it too: the link is mutual, and a forgets b
  EXPECT_EQ(journal.back(), "A -B");
  journal.clear();
  auto* c = new TProbe(nullptr, "C", journal);
  a->FreeNotification(c);
  a->RemoveFreeNotification(c);
  delete c;
  EXPECT_EQ(journal, std::vector<std::string>{"free C"});
  delete a;
}

TEST(ComponentFreeNotification, OwnerDestructionNotifiesOutsideSubscribers) {
  std::vector<std::string> journal;
  TProbe watcher(nullptr, "W", journal);
  {
    TComponent form(nullptr);
    auto* child = new TProbe(&form, "Child", journal);
    watcher.watched = child;
    child->FreeNotification(&watcher);
  }
  EXPECT_EQ(watcher.watched, nullptr);
}

TEST(ComponentNames, InvalidNamesAreRefused) {
  struct Case {
    const char* name;
    bool valid;
  };
  const Case cases[] = {{"Button1", true}, {"_x", true},   {"", true},   {"1abc", false},
                        {"a b", false},    {"a-b", false}, {"Ä", false}, {"a.b", false}};
  for (const Case& c : cases) {
    TComponent comp(nullptr);
    if (c.valid) {
      EXPECT_NO_THROW(comp.SetName(c.name)) << c.name;
      EXPECT_EQ(comp.Name(), c.name);
    } else {
      EXPECT_THROW(comp.SetName(c.name), EComponentError) << c.name;
      EXPECT_EQ(comp.Name(), "");
    }
  }
}

TEST(ComponentNames, DuplicateSiblingNameRaisesWithTheName) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Meter1");
  try {
    b->SetName("METER1");
    FAIL() << "duplicate accepted";
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), "A component named METER1 already exists");
  }
  a->SetName("meter1");  // renaming itself in another case is fine
  EXPECT_EQ(owner.FindComponent("METER1"), a);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  TComponent other(nullptr);
  other.SetName("Meter1");  // no owner: nothing to clash with
  auto* moved = new TComponent(nullptr);
  moved->SetName("Meter1");
  EXPECT_THROW(owner.InsertComponent(moved), EComponentError);
  EXPECT_EQ(moved->Owner(), nullptr);
  delete moved;
}

TEST(ComponentState, DesigningReachesOwnedComponents) {
  TComponent owner(nullptr);
  auto* child = new TComponent(&owner);
  owner.SetDesigning(true);
  EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
  auto* late = new TComponent(&owner);  // created on a designed form
  EXPECT_TRUE(late->ComponentState().Contains(csDesigning));
  owner.SetDesigning(false);
  EXPECT_FALSE(child->ComponentState().Contains(csDesigning));
  EXPECT_FALSE(late->ComponentState().Contains(csDesigning));
}

TEST(ComponentState, UpdatingAndTag) {
  TComponent c(nullptr);
  c.Updating();
  EXPECT_TRUE(c.ComponentState().Contains(csUpdating));
  c.Updated();
  EXPECT_TRUE(c.ComponentState().Empty());
  c.SetTag(-7);
  EXPECT_EQ(c.Tag(), -7);
}

// Marks itself destroying first and records what its child shows at that point.
class TStateSpy : public TComponent {
 public:
  explicit TStateSpy(TComponent* owner) : TComponent(owner) { child = new TComponent(this); }
  ~TStateSpy() override {
    Destroying();
    childSawDestroying = child->ComponentState().Contains(csDestroying);
  }
  TComponent* child;
  static inline bool childSawDestroying = false;
};

TEST(ComponentState, DestroyingReachesOwnedComponents) {
  { TStateSpy spy(nullptr); }
  EXPECT_TRUE(TStateSpy::childSawDestroying);
}

}  // namespace
}  // namespace fw
