// Component reference properties: written by name, resolved once the whole form is read
// (forward references included), refused when the name is unknown or the class does not fit,
// and forgotten when the referenced component is deleted.
#include <gtest/gtest.h>

#include <memory>

#include "framework/base/form_text.h"
#include "framework/base/registry.h"
#include "framework/base/registry_check.h"
#include "tests/framework_base/test_components.h"

namespace fw {
namespace {

using test::TestLog;
using test::TTestGauge;

// Refers to any component (Target) and to a gauge (Buddy); forgets either when it is deleted.
class TTestLink : public TComponent {
 public:
  using TComponent::TComponent;
  ~TTestLink() override {
    SetTarget(nullptr);
    SetBuddy(nullptr);
  }

  TComponent* Target() const { return target_; }
  void SetTarget(TComponent* value) { Hold(target_, value, buddy_); }
  TTestGauge* Buddy() const { return buddy_; }
  void SetBuddy(TTestGauge* value) { Hold(buddy_, value, target_); }

  // What Loaded found: the target's name, or "-" when none was set by then.
  std::string targetAtLoaded;
  void Loaded() override {
    TComponent::Loaded();
    targetAtLoaded = target_ ? target_->Name() : "-";
  }
  void SetParentComponent(TComponent* parent) override { parent_ = parent; }
  TComponent* GetParentComponent() const override { return parent_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == opRemove && component == target_) target_ = nullptr;
    if (operation == opRemove && component == buddy_) buddy_ = nullptr;
    TComponent::Notification(component, operation);
  }

 private:
  template <typename P>
  void Hold(P*& slot, P* value, const TComponent* other) {
    if (slot == value) return;
    // The other slot may hold the same component and still needs to hear of its deletion.
    if (slot && slot != other) slot->RemoveFreeNotification(this);
    slot = value;
    if (slot) slot->FreeNotification(this);
  }

  TComponent* target_ = nullptr;
  TTestGauge* buddy_ = nullptr;
  TComponent* parent_ = nullptr;
};

// Keeps a reference but never hears of its deletion.
class TForgetfulLink : public TComponent {
 public:
  using TComponent::TComponent;
  TComponent* Target() const { return target_; }
  void SetTarget(TComponent* value) { target_ = value; }

 private:
  TComponent* target_ = nullptr;
};

[[maybe_unused]] const bool kRegistered = [] {
  RegisterClass<TTestLink>("TTestLink", "TComponent")
      .Component("Target", &TTestLink::Target, &TTestLink::SetTarget)
      .Component("Buddy", &TTestLink::Buddy, &TTestLink::SetBuddy);
  return true;
}();

// The link comes before the gauge it names, and also names the root.
const char* kForward = R"(object Form1: TTestGauge
  object Link1: TTestLink
    Target = Gauge2
    Buddy = Form1
  end
  object Gauge2: TTestGauge
  end
end
)";

TEST(ComponentReference, ForwardReferencesResolveBeforeLoaded) {
  std::unique_ptr<TComponent> root = ReadForm(kForward);
  auto* link = dynamic_cast<TTestLink*>(root->FindComponent("Link1"));
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->Target(), root->FindComponent("Gauge2"));
  EXPECT_EQ(link->Buddy(), root.get());
  EXPECT_EQ(link->targetAtLoaded, "Gauge2");
}

TEST(ComponentReference, WrittenByNameAndReadBackTheSame) {
  std::unique_ptr<TComponent> root = ReadForm(kForward);
  const std::string text = WriteForm(*root);
  EXPECT_NE(text.find("    Target = Gauge2\n"), std::string::npos) << text;
  EXPECT_NE(text.find("    Buddy = Form1\n"), std::string::npos) << text;
  std::unique_ptr<TComponent> again = ReadForm(text);
  EXPECT_EQ(WriteForm(*again), text);
  auto* link = dynamic_cast<TTestLink*>(again->FindComponent("Link1"));
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->Target(), again->FindComponent("Gauge2"));
}

TEST(ComponentReference, DeletedTargetIsForgottenAndNoLongerWritten) {
  std::unique_ptr<TComponent> root = ReadForm(kForward);
  auto* link = dynamic_cast<TTestLink*>(root->FindComponent("Link1"));
  ASSERT_NE(link, nullptr);
  delete root->FindComponent("Gauge2");
  EXPECT_EQ(link->Target(), nullptr);
  EXPECT_EQ(WriteForm(*root).find("Target"), std::string::npos);
}

TEST(ComponentReference, ReferencesTheReaderCouldNotFindAreNotWritten) {
  TTestGauge root(nullptr);
  root.SetName("Form1");
  auto* link = new TTestLink(&root);
  link->SetName("Link1");
  TTestGauge outside(nullptr);  // not part of the form
  outside.SetName("Elsewhere");
  auto* unnamed = new TTestGauge(&root);
  link->SetTarget(&outside);
  link->SetBuddy(unnamed);
  const std::string text = WriteForm(root);
  EXPECT_EQ(text.find("Target"), std::string::npos) << text;
  EXPECT_EQ(text.find("Buddy"), std::string::npos) << text;
  link->SetTarget(nullptr);  // before `outside` goes
}

TEST(ComponentReference, NilClearsAReference) {
  TTestGauge root(nullptr);
  auto* gauge = new TTestGauge(&root);
  gauge->SetName("G");
  auto* link = new TTestLink(&root);
  link->SetName("Link1");
  link->SetTarget(gauge);
  ReadFormInto(root, "object F: TTestGauge\n  object L2: TTestLink\n    Target = G\n  end\nend\n");
  auto* l2 = dynamic_cast<TTestLink*>(root.FindComponent("L2"));
  ASSERT_NE(l2, nullptr);
  EXPECT_EQ(l2->Target(), gauge);  // a component that existed before the read is found too
  std::unique_ptr<TComponent> read =
      ReadForm("object F: TTestGauge\n  object L: TTestLink\n    Target = nil\n  end\nend\n");
  EXPECT_EQ(dynamic_cast<TTestLink*>(read->FindComponent("L"))->Target(), nullptr);
}

TEST(ComponentReference, UnresolvableReferencesFailWithTheirLineAndLeaveNothingBehind) {
  struct Case {
    const char* text;
    int line;
    const char* mentions;
  };
  const Case cases[] = {
      // An unknown name, reported at the line that names it, after the whole form was read.
      {"object F: TTestGauge\n object L: TTestLink\n  Target = Ghost\n end\n object G: "
       "TTestGauge\n end\nend\n",
       3, "Ghost"},
      // A component of a class the property does not take.
      {"object F: TTestGauge\n object L: TTestLink\n  Buddy = L\n end\nend\n", 3, "Buddy"},
      // Not a name at all.
      {"object F: TTestGauge\n object L: TTestLink\n  Target = 12\n end\nend\n", 3, "Identifier"},
  };
  const int liveBefore = TestLog::Get().liveGauges;
  for (const Case& c : cases) {
    try {
      ReadForm(c.text);
      ADD_FAILURE() << c.text;
    } catch (const EFormReadError& e) {
      EXPECT_EQ(e.Line(), c.line) << c.text;
      EXPECT_NE(e.Message().find(c.mentions), std::string::npos) << e.Message();
    }
    EXPECT_EQ(TestLog::Get().liveGauges, liveBefore) << c.text;
  }
}

TEST(ComponentReference, GenericCheckCoversReferences) {
  EXPECT_EQ(testing::CheckRegisteredClass("TTestLink"), std::vector<std::string>{});
  RegisterClass<TForgetfulLink>("TForgetfulLink", "TComponent")
      .Component("Target", &TForgetfulLink::Target, &TForgetfulLink::SetTarget);
  auto failures = testing::CheckRegisteredClass("TForgetfulLink");
  UnregisterClass("TForgetfulLink");
  EXPECT_EQ(failures, std::vector<std::string>{
                          "TForgetfulLink.Target: still refers to a deleted TComponent"});
}

TEST(ComponentReference, SetterRefusesComponentsOfAnotherClass) {
  TTestLink link(nullptr);
  TComponent other(nullptr);
  const PropertyRecord* buddy = FindProperty(FindClass("TTestLink"), "Buddy");
  ASSERT_NE(buddy, nullptr);
  EXPECT_EQ(buddy->kind, TPropertyKind::Component);
  EXPECT_THROW(buddy->set(&link, static_cast<TPersistent*>(&other)), EConvertError);
  EXPECT_EQ(link.Buddy(), nullptr);
}

}  // namespace
}  // namespace fw
