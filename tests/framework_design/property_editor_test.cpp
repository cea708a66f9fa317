// Property editors: the editor each kind gets, text in and out, refusals that keep the old
// value, sub-properties, and the choice among registered editors.
#include <gtest/gtest.h>

#include "framework/base/registry.h"
#include "framework/design/package.h"
#include "framework/design/palette.h"
#include "framework/design/property_editor_registry.h"
#include "framework/graphics/pen_brush_font.h"

namespace fw {
namespace {

enum TDialStyle : uint8_t { dsFlat, dsRaised, dsSunken };
enum TDialPart : uint8_t { dpScale, dpNeedle, dpCaption };

// A component with one property of each kind the editors cover; Limit refuses negatives.
class TDesignDial : public TComponent {
 public:
  explicit TDesignDial(TComponent* AOwner) : TComponent(AOwner) {}
  int Limit() const { return limit_; }
  void SetLimit(int v) {
    if (v < 0) throw EInvalidOperation("Limit cannot be negative");
    limit_ = v;
  }
  double Gain() const { return gain_; }
  void SetGain(double v) { gain_ = v; }
  bool Active() const { return active_; }
  void SetActive(bool v) { active_ = v; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { caption_ = v; }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { color_ = v; }
  TDialStyle Style() const { return style_; }
  void SetStyle(TDialStyle v) { style_ = v; }
  Set<TDialPart> Parts() const { return parts_; }
  void SetParts(Set<TDialPart> v) { parts_ = v; }
  char32_t Mark() const { return mark_; }
  void SetMark(char32_t v) { mark_ = v; }
  TFont* Font() const { return font_.get(); }
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(const std::vector<std::string>& v) { items_ = v; }
  TDesignDial* Partner() const { return partner_; }
  void SetPartner(TDesignDial* v) { partner_ = v; }

 private:
  int limit_ = 10;
  double gain_ = 1.5;
  bool active_ = false;
  std::string caption_;
  TColor color_ = clBtnFace;
  TDialStyle style_ = dsFlat;
  Set<TDialPart> parts_{dpScale};
  char32_t mark_ = U'*';
  std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
  std::vector<std::string> items_;
  TDesignDial* partner_ = nullptr;
};

class TDesignKnob : public TDesignDial {
 public:
  using TDesignDial::TDesignDial;
};

class TCountingEditor : public TStringProperty {
 public:
  using TStringProperty::TStringProperty;
};
class TOtherEditor : public TStringProperty {
 public:
  using TStringProperty::TStringProperty;
};

void RegisterDialClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterClass<TDesignDial>("TDesignDial", "TComponent")
      .Int("Limit", &TDesignDial::Limit, &TDesignDial::SetLimit, 10)
      .Double("Gain", &TDesignDial::Gain, &TDesignDial::SetGain, 1.5)
      .Bool("Active", &TDesignDial::Active, &TDesignDial::SetActive, false)
      .Str("Caption", &TDesignDial::Caption, &TDesignDial::SetCaption, "")
      .Color("Color", &TDesignDial::Color, &TDesignDial::SetColor, clBtnFace)
      .Enum("Style", &TDesignDial::Style, &TDesignDial::SetStyle,
            {"dsFlat", "dsRaised", "dsSunken"}, dsFlat)
      .SetOf("Parts", &TDesignDial::Parts, &TDesignDial::SetParts,
             {"dpScale", "dpNeedle", "dpCaption"}, Set<TDialPart>{dpScale})
      .Char("Mark", &TDesignDial::Mark, &TDesignDial::SetMark, U'*')
      .Object("Font", &TDesignDial::Font)
      .Strings("Items", &TDesignDial::Items, &TDesignDial::SetItems, {})
      .Component("Partner", &TDesignDial::Partner, &TDesignDial::SetPartner)
      .Event("OnTurn");
  RegisterClass<TDesignKnob>("TDesignKnob", "TDesignDial");
}

class TRecordingDesigner : public TDesigner {
 public:
  explicit TRecordingDesigner(TComponent* root) : root_(root) {}
  TComponent* Root() const override { return root_; }
  void Modified() override { ++modified; }
  int modified = 0;

 private:
  TComponent* root_;
};

std::unique_ptr<TPropertyEditor> EditorOf(TDesigner* designer, TPersistent* instance,
                                          const std::string& name) {
  const PropertyRecord* p = FindProperty(*ClassRecordOf(*instance), name);
  EXPECT_NE(p, nullptr) << name;
  return CreatePropertyEditor(designer, instance, *p);
}

class PropertyEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterDialClasses();
    dial_ = new TDesignDial(&root_);
    dial_->SetName("Dial1");
  }
  TComponent root_{nullptr};
  TDesignDial* dial_ = nullptr;
  TRecordingDesigner designer_{&root_};
};

TEST_F(PropertyEditorTest, TypedTextRoundTripsThroughEachKind) {
  struct Case {
    const char* property;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {"Limit", " 42 ", "42"},
      {"Limit", "$10", "16"},
      {"Gain", "-2.25", "-2.25"},
      {"Gain", "1e3", "1000"},
      {"Gain", "inf", "Inf"},
      {"Active", "true", "True"},
      {"Caption", " a 'b' ", " a 'b' "},
      {"Color", "clred", "clRed"},
      {"Color", "$00102030", "$00102030"},
      {"Style", "DSSUNKEN", "dsSunken"},
      {"Parts", "[dpNeedle, dpcaption]", "[dpNeedle,dpCaption]"},
      {"Parts", "[]", "[]"},
      {"Mark", "\xc3\x9c", "\xc3\x9c"},
      {"Mark", "#9", "#9"},
      {"Partner", "Dial1", "Dial1"},
      {"Partner", "", ""},
  };
  for (const Case& c : cases) {
    auto editor = EditorOf(&designer_, dial_, c.property);
    editor->SetValue(c.typed);
    EXPECT_EQ(editor->GetValue(), c.shown) << c.property << " <- " << c.typed;
  }
  EXPECT_EQ(designer_.modified, static_cast<int>(std::size(cases)));
}

TEST_F(PropertyEditorTest, RefusedTextKeepsTheOldValueAndSaysWhy) {
  struct Case {
    const char* property;
    const char* typed;
    const char* inMessage;
  };
  const Case cases[] = {
      {"Limit", "12x", "not a valid value"},
      {"Limit", "4294967296", "outside the range"},
      {"Limit", "-1", "cannot be negative"},
      {"Gain", "1,5", "not a valid value"},
      {"Gain", "", "not a valid value"},
      {"Active", "yes", "not a valid value"},
      {"Color", "reddish", "not a valid value"},
      {"Style", "dsRound", "not a valid value"},
      {"Parts", "[dpNeedle, dpBox]", "not a valid value"},
      {"Parts", "dpNeedle", "not a valid"},
      {"Mark", "ab", "not a valid value"},
      {"Mark", "#55296", "not a valid value"},
      {"Partner", "Nobody", "not found"},
  };
  for (const Case& c : cases) {
    auto editor = EditorOf(&designer_, dial_, c.property);
    const std::string before = editor->GetValue();
    try {
      editor->SetValue(c.typed);
      ADD_FAILURE() << c.property << " took " << c.typed;
    } catch (const EPropertyError& e) {
      EXPECT_NE(std::string(e.what()).find(c.inMessage), std::string::npos) << e.what();
    }
    EXPECT_EQ(editor->GetValue(), before) << c.property;
  }
  EXPECT_EQ(designer_.modified, 0);
}

TEST_F(PropertyEditorTest, AttributesValueListsAndSubProperties) {
  EXPECT_TRUE(EditorOf(nullptr, dial_, "Style")->GetAttributes().Contains(paValueList));
  EXPECT_EQ(EditorOf(nullptr, dial_, "Active")->GetValues(),
            (std::vector<std::string>{"False", "True"}));
  auto color = EditorOf(nullptr, dial_, "Color");
  EXPECT_TRUE(color->GetAttributes().Contains(paDialog));
  auto names = color->GetValues();
  EXPECT_NE(std::find(names.begin(), names.end(), "clBtnFace"), names.end());
  EXPECT_EQ(std::find(names.begin(), names.end(), "clLtGray"), names.end());  // an alias only

  // A set's elements are True/False sub-properties.
  auto parts = EditorOf(&designer_, dial_, "Parts");
  auto elements = parts->GetProperties();
  ASSERT_EQ(elements.size(), 3u);
  EXPECT_EQ(elements[1]->GetName(), "dpNeedle");
  elements[1]->SetValue("True");
  elements[0]->SetValue("False");
  EXPECT_EQ(parts->GetValue(), "[dpNeedle]");

  // A nested object lists its own properties; editing one changes the object.
  auto font = EditorOf(&designer_, dial_, "Font");
  EXPECT_EQ(font->GetValue(), "(TFont)");
  EXPECT_TRUE(font->GetAttributes().Contains(paSubProperties));
  for (auto& sub : font->GetProperties())
    if (sub->GetName() == "Size") sub->SetValue("14");
  EXPECT_EQ(dial_->Font()->Size(), 14);

  // Component references list the form's components of the right class.
  (new TDesignKnob(&root_))->SetName("Knob1");
  EXPECT_EQ(EditorOf(&designer_, dial_, "Partner")->GetValues(),
            (std::vector<std::string>{"Dial1", "Knob1"}));
}

TEST_F(PropertyEditorTest, RegisteredEditorsWinByNameThenClassThenLateness) {
  // Any string property of a dial, then Caption of any class, then Caption of a knob only.
  RegisterPropertyEditor(TypeInfo<std::string>(), typeid(TDesignDial), "",
                         EditorClass<TOtherEditor>("TOtherEditor"));
  auto* knob = new TDesignKnob(&root_);
  auto typeOf = [&](TPersistent* o, const char* name) {
    auto editor = EditorOf(nullptr, o, name);
    return std::type_index(typeid(*editor));
  };
  EXPECT_EQ(typeOf(knob, "Caption"), typeid(TOtherEditor));
  RegisterPropertyEditor(TypeInfo<std::string>(), typeid(TDesignKnob), "caption",
                         EditorClass<TCountingEditor>("TCountingEditor"));
  EXPECT_EQ(typeOf(knob, "Caption"), typeid(TCountingEditor));  // named, any letter case
  EXPECT_EQ(typeOf(dial_, "Caption"),
            typeid(TOtherEditor));  // the knob's binding not inherited upward
  EXPECT_EQ(typeOf(dial_, "Limit"), typeid(TIntegerProperty));  // other kinds untouched
  RegisterPropertyEditor(TypeInfo<std::string>(), typeid(TDesignDial), "CAPTION",
                         EditorClass<TOtherEditor>("TOtherEditor"));
  EXPECT_EQ(typeOf(knob, "Caption"), typeid(TCountingEditor));  // the nearer class still wins
  EXPECT_EQ(typeOf(dial_, "Caption"), typeid(TOtherEditor));

  EXPECT_THROW(RegisterPropertyEditor(TPropertyKind::String, typeid(PropertyEditorTest), "X",
                                      EditorClass<TOtherEditor>("TOtherEditor")),
               EInvalidOperation);
  UnregisterPropertyEditors(typeid(TDesignKnob));
  UnregisterPropertyEditors(typeid(TDesignDial));
  EXPECT_EQ(typeOf(knob, "Caption"), typeid(TStringProperty));
}

TEST(PaletteTest, PagesKeepOrderAndRefuseUnknownClasses) {
  RegisterDialClasses();
  RegisterComponents("Test Dials", {typeid(TDesignKnob), typeid(TDesignDial)});
  RegisterComponents("test dials", {typeid(TDesignDial)});  // already there: keeps its place
  const TPalettePage* page = FindPalettePage("TEST DIALS");
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(page->classes.size(), 2u);
  EXPECT_EQ(page->classes[0]->name, "TDesignKnob");
  EXPECT_EQ(page->classes[1]->name, "TDesignDial");
  // A class without a record, or an abstract one, registers nothing at all.
  EXPECT_THROW(RegisterComponents("Other", {typeid(TDesignDial), typeid(int)}), EInvalidOperation);
  EXPECT_THROW(RegisterComponents("Other", {typeid(TFont)}), EInvalidOperation);
  EXPECT_EQ(FindPalettePage("Other"), nullptr);
  UnregisterPalettePage("Test Dials");
  EXPECT_EQ(FindPalettePage("Test Dials"), nullptr);
}

TEST(DesignPackageTest, LibrariesThatAreNoPackagesAreRefusedWithTheReason) {
  try {
    TDesignPackage missing("/nonexistent/libnothing.so");
    ADD_FAILURE() << "a missing file loaded";
  } catch (const EPackageError& e) {
    EXPECT_NE(std::string(e.what()).find("cannot be loaded"), std::string::npos) << e.what();
  }
  try {
    TDesignPackage plain("libm.so.6");  // a library without the registration entry
    ADD_FAILURE() << "a library without entry loaded";
  } catch (const EPackageError& e) {
    EXPECT_NE(std::string(e.what()).find(PANEKIT_PACKAGE_REGISTER_ENTRY), std::string::npos)
        << e.what();
  }
}

}  // namespace
}  // namespace fw
