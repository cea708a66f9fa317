// The class registry: lookups, inheritance of properties, conversions through getters and
// setters, and the generic check every component's tests can run.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/base/form_text.h"
#include "framework/base/registry.h"
#include "framework/base/registry_check.h"
#include "tests/framework_base/test_components.h"

namespace fw {
namespace {

using test::TTestDial;
using test::TTestGauge;

std::vector<std::string> Names(const std::vector<const PropertyRecord*>& props) {
  std::vector<std::string> names;
  for (const PropertyRecord* p : props) names.push_back(p->name);
  return names;
}

TEST(ClassRegistry, LookupIgnoresCaseAndReportsUnknownNames) {
  ASSERT_NE(GetClass("ttestgauge"), nullptr);
  EXPECT_EQ(GetClass("TTestGauge")->name, "TTestGauge");
  EXPECT_EQ(GetClass("TNoSuchThing"), nullptr);
  try {
    FindClass("TNoSuchThing");
    FAIL();
  } catch (const EClassNotFound& e) {
    EXPECT_EQ(e.Message(), "Class TNoSuchThing not found");
  }
}

TEST(ClassRegistry, IsAFollowsTheParentChain) {
  const ClassRecord& dial = FindClass("TTestDial");
  EXPECT_TRUE(IsA(dial, "TTestDial"));
  EXPECT_TRUE(IsA(dial, "TTestGauge"));
  EXPECT_TRUE(IsA(dial, "TComponent"));
  EXPECT_TRUE(IsA(dial, "TObject"));
  EXPECT_FALSE(IsA(FindClass("TTestGauge"), "TTestDial"));
  EXPECT_FALSE(IsA(FindClass("TTestFont"), "TComponent"));
}

TEST(ClassRegistry, FactoriesOnlyForCreatableComponents) {
  EXPECT_TRUE(FindClass("TTestDial").factory);
  EXPECT_FALSE(FindClass("TTestFont").factory);  // a persistent, not a component
  EXPECT_FALSE(FindClass("TPersistent").factory);
  std::unique_ptr<TComponent> dial(FindClass("TTestDial").factory(nullptr));
  EXPECT_NE(dynamic_cast<TTestDial*>(dial.get()), nullptr);
  EXPECT_EQ(ClassRecordOf(*dial), GetClass("TTestDial"));
}

TEST(ClassRegistry, InheritedPropertiesRootFirstWithOverridesInPlace) {
  auto dial = Names(AllProperties(FindClass("TTestDial")));
  auto gauge = Names(AllProperties(FindClass("TTestGauge")));
  ASSERT_GE(gauge.size(), 3u);
  EXPECT_EQ(gauge[0], "Name");
  EXPECT_EQ(gauge[1], "Tag");
  EXPECT_EQ(gauge[2], "Max");
  // The dial re-registers Max (new initial value) and adds Needle at the end.
  std::vector<std::string> expected = gauge;
  expected.push_back("Needle");
  EXPECT_EQ(dial, expected);
  EXPECT_EQ(std::get<int64_t>(FindProperty(FindClass("TTestDial"), "max")->initial), 10);
  EXPECT_EQ(std::get<int64_t>(FindProperty(FindClass("TTestGauge"), "Max")->initial), 100);
  EXPECT_EQ(FindProperty(FindClass("TTestDial"), "Nothing"), nullptr);
  EXPECT_EQ(AllEvents(FindClass("TTestDial")), std::vector<std::string>{"OnChange"});
  EXPECT_TRUE(HasEvent(FindClass("TTestDial"), "onchange"));
}

TEST(ClassRegistry, GettersAndSettersConvertEveryKind) {
  TTestGauge gauge(nullptr);
  const ClassRecord& rec = FindClass("TTestGauge");
  auto set = [&](const char* name, PropertyValue v) { FindProperty(rec, name)->set(&gauge, v); };
  set("Kind", int64_t{test::gkNeedle});
  set("Options", uint64_t{0b110});
  set("Marker", U'Ω');
  set("Small", int64_t{255});
  set("Items", std::vector<std::string>{"a", "b"});
  EXPECT_EQ(gauge.Kind(), test::gkNeedle);
  EXPECT_EQ(gauge.Options(), (test::TGaugeOptions{test::goLabels, test::goFrame}));
  EXPECT_EQ(gauge.Marker(), U'Ω');
  EXPECT_EQ(gauge.Small(), 255);
  EXPECT_EQ(gauge.Items().size(), 2u);
  auto* font = std::get<TPersistent*>(FindProperty(rec, "Font")->get(&gauge));
  EXPECT_EQ(font, gauge.Font());
}

TEST(ClassRegistry, SettersRefuseValuesOutsideTheType) {
  TTestGauge gauge(nullptr);
  const ClassRecord& rec = FindClass("TTestGauge");
  struct Case {
    const char* property;
    PropertyValue value;
  };
  const Case cases[] = {
      {"Small", int64_t{256}},                                      // beyond uint8_t
      {"Small", int64_t{-1}},        {"Max", int64_t{3000000000}},  // beyond int
      {"Kind", int64_t{3}},                                         // no such enumeration value
      {"Options", uint64_t{0b1000}},                                // no such set element
      {"Caption", int64_t{1}},                                      // wrong alternative
  };
  for (const Case& c : cases)
    EXPECT_THROW(FindProperty(rec, c.property)->set(&gauge, c.value), EConvertError) << c.property;
  EXPECT_EQ(gauge.Small(), 3);
  EXPECT_EQ(gauge.Max(), 100);
  FindProperty(rec, "Max")->set(&gauge, int64_t{1001});  // within int: the setter clamps it
  EXPECT_EQ(gauge.Max(), 1000);
}

TEST(ClassRegistry, PropertyOfAnotherClassIsRefused) {
  test::TTestFont font;
  EXPECT_THROW(FindProperty(FindClass("TTestGauge"), "Max")->get(&font), EInvalidOperation);
}

TEST(ClassRegistry, ReRegisteringAnotherTypeUnderATakenNameRaises) {
  EXPECT_THROW(RegisterClass<test::TTestFont>("TTestGauge", "TPersistent"), EInvalidOperation);
  EXPECT_EQ(FindClass("TTestGauge").type, std::type_index(typeid(TTestGauge)));
}

// Every registered class agrees with its record; later components are covered by the same
// walk once their registration is linked in.
TEST(ClassRegistry, EveryRegisteredClassAgreesWithItsRecord) {
  auto failures = testing::CheckRegisteredClasses();
  for (const auto& f : failures) ADD_FAILURE() << f;
  EXPECT_TRUE(failures.empty());
}

// A class whose record lies about one initial value and whose other setter ignores values.
class TLiar : public TComponent {
 public:
  using TComponent::TComponent;
  int Width() const { return width_; }
  void SetWidth(int v) { width_ = v; }
  int Height() const { return 5; }
  void SetHeight(int) {}

 private:
  int width_ = 5;
};

TEST(ClassRegistry, GenericCheckFindsRecordsThatDisagree) {
  RegisterClass<TLiar>("TLiar", "TComponent")
      .Int("Width", &TLiar::Width, &TLiar::SetWidth, 4)
      .Int("Height", &TLiar::Height, &TLiar::SetHeight, 5);
  auto failures = testing::CheckRegisteredClass("TLiar");
  UnregisterClass("TLiar");
  EXPECT_EQ(failures,
            (std::vector<std::string>{"TLiar.Width: new instance reports 5, registered initial 4",
                                      "TLiar.Height: set 6, read back 5"}));
  EXPECT_EQ(GetClass("TLiar"), nullptr);
}

// Properties reached through callables, with a stored default other than the initial value
// and a test sample, as components with computed properties register them.
class TLines : public TComponent {
 public:
  using TComponent::TComponent;
  std::vector<std::string> lines{"x"};
  int width = 3;
};

TEST(ClassRegistry, CallablesDefaultsAndSamples) {
  RegisterClass<TLines>("TLines", "TComponent")
      .Str(
          "Text", [](TLines* l) { return l->lines.empty() ? std::string() : l->lines[0]; },
          [](TLines* l, const std::string& v) { l->lines = {v}; }, "x")
      .Int(
          "Width", [](const TLines* l) { return l->width; },
          [](TLines* l, int v) { l->width = v % 10; }, 3)
      .Default(5)
      .Sample(7);
  auto failures = testing::CheckRegisteredClass("TLines");
  EXPECT_TRUE(failures.empty()) << (failures.empty() ? "" : failures[0]);
  TLines lines(nullptr);
  const std::string written = WriteForm(lines);
  lines.width = 5;
  const std::string writtenAtDefault = WriteForm(lines);
  UnregisterClass("TLines");
  EXPECT_EQ(written, "object TLines\n  Width = 3\nend\n");
  EXPECT_EQ(writtenAtDefault, "object TLines\nend\n");
}

// A property whose setter keeps only names of things that exist: no made-up value reads
// back, so it is registered with NoSample and the check compares its initial value only.
class TPicture : public TComponent {
 public:
  using TComponent::TComponent;
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& name) { fileName_ = name == "exists.bmp" ? name : ""; }

 private:
  std::string fileName_;
};

TEST(ClassRegistry, NoSampleSkipsOnlyTheSetterCheck) {
  struct Case {
    bool noSample;
    const char* initial;
    std::vector<std::string> failures;
  };
  const Case cases[] = {
      {false, "", {"TPicture.FileName: set 'x', read back ''"}},
      {true, "", {}},
      {true, "a.bmp", {"TPicture.FileName: new instance reports '', registered initial 'a.bmp'"}},
  };
  for (const Case& c : cases) {
    auto builder = RegisterClass<TPicture>("TPicture", "TComponent")
                       .Str("FileName", &TPicture::FileName, &TPicture::SetFileName, c.initial);
    if (c.noSample) builder.NoSample();
    auto failures = testing::CheckRegisteredClass("TPicture");
    UnregisterClass("TPicture");
    EXPECT_EQ(failures, c.failures) << c.noSample << " " << c.initial;
  }
  // A sample given after NoSample is used again.
  RegisterClass<TPicture>("TPicture", "TComponent")
      .Str("FileName", &TPicture::FileName, &TPicture::SetFileName, "")
      .NoSample()
      .Sample(std::string("exists.bmp"));
  auto failures = testing::CheckRegisteredClass("TPicture");
  UnregisterClass("TPicture");
  EXPECT_TRUE(failures.empty()) << (failures.empty() ? "" : failures[0]);
}

}  // namespace
}  // namespace fw
