// The text form format: writing, reading back, loading order and state, and refused input.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/base/form_text.h"
#include "tests/framework_base/test_components.h"

namespace fw {
namespace {

using test::TestLog;
using test::TTestDial;
using test::TTestGauge;

TTestGauge& Gauge(TComponent* c) {
  return dynamic_cast<TTestGauge&>(*c);
}

TEST(FormWriter, WritesOnlyChangedAndAlwaysStoredProperties) {
  TTestGauge root(nullptr);
  root.SetName("Form1");
  root.SetCaption("It's");
  root.Font()->SetSize(10);
  root.SetItems({"one", ""});
  auto* child = new TTestDial(&root);
  child->SetName("Dial1");
  child->SetParentComponent(&root);
  child->SetOptions({});
  EXPECT_EQ(WriteForm(root),
            "object Form1: TTestGauge\n"
            "  Caption = 'It''s'\n"
            "  Count = 0\n"
            "  Items.Strings = (\n"
            "    'one'\n"
            "    '')\n"
            "  Font.Size = 10\n"
            "  object Dial1: TTestDial\n"
            "    Options = []\n"
            "    Count = 0\n"
            "  end\n"
            "end\n");
}

TEST(FormWriter, UnregisteredClassCannotBeWritten) {
  TComponent root(nullptr);
  struct TUnlisted : TComponent {
    using TComponent::TComponent;
  };
  new TUnlisted(&root);
  EXPECT_THROW(WriteForm(root), EWriteError);
  EXPECT_FALSE(root.ComponentState().Contains(csWriting));
}

TEST(FormWriter, ComponentsWithLoopingParentsAreStillWritten) {
  TTestGauge root(nullptr);
  auto* a = new TTestGauge(&root);
  auto* b = new TTestGauge(&root);
  a->SetName("A");
  b->SetName("B");
  a->SetParentComponent(b);
  b->SetParentComponent(a);
  auto copy = ReadForm(WriteForm(root));
  EXPECT_EQ(copy->ComponentCount(), 2);
}

// A root with two levels of nesting and a value of every kind away from its default.
std::unique_ptr<TTestGauge> SampleForm() {
  auto root = std::make_unique<TTestGauge>(nullptr);
  root->SetName("Form1");
  root->SetCaption("Tab\there, quote ' and \xC3\x9C\r\nend");
  root->SetValue(0.1);
  root->SetActive(false);
  root->SetKind(test::gkPie);
  root->SetOptions({test::goLabels, test::goFrame});
  root->SetMarker(U'€');
  root->SetSmall(0);
  root->SetCount(-5);
  root->SetTag(7);
  root->SetItems({"a'b", "", "#1"});
  root->Font()->SetName("Arial");
  auto* g1 = new TTestGauge(root.get());
  g1->SetName("G1");
  g1->SetParentComponent(root.get());
  g1->SetMax(500);
  auto* g2 = new TTestDial(root.get());
  g2->SetName("G2");
  g2->SetParentComponent(g1);
  g2->SetNeedle(-1);
  return root;
}

void ExpectSameGauge(TTestGauge& a, TTestGauge& b) {
  EXPECT_EQ(a.Name(), b.Name());
  EXPECT_EQ(a.ClassName(), b.ClassName());
  EXPECT_EQ(a.Caption(), b.Caption());
  EXPECT_EQ(a.Value(), b.Value());
  EXPECT_EQ(a.Active(), b.Active());
  EXPECT_EQ(a.Kind(), b.Kind());
  EXPECT_EQ(a.Options(), b.Options());
  EXPECT_EQ(a.Marker(), b.Marker());
  EXPECT_EQ(a.Small(), b.Small());
  EXPECT_EQ(a.Count(), b.Count());
  EXPECT_EQ(a.Tag(), b.Tag());
  EXPECT_EQ(a.Max(), b.Max());
  EXPECT_EQ(a.Items(), b.Items());
  EXPECT_EQ(a.Font()->Name(), b.Font()->Name());
  EXPECT_EQ(a.Font()->Size(), b.Font()->Size());
}

TEST(FormRoundTrip, ReadingWrittenTextRebuildsTheSameComponents) {
  auto original = SampleForm();
  std::string text = WriteForm(*original);
  std::unique_ptr<TComponent> copy = ReadForm(text);
  ExpectSameGauge(*original, Gauge(copy.get()));
  ASSERT_EQ(copy->ComponentCount(), 2);
  for (int i = 0; i < 2; ++i)
    ExpectSameGauge(Gauge(original->Components(i)), Gauge(copy->Components(i)));
  TComponent* g1 = copy->FindComponent("G1");
  auto* g2 = dynamic_cast<TTestDial*>(copy->FindComponent("G2"));
  ASSERT_NE(g2, nullptr);
  EXPECT_EQ(g1->GetParentComponent(), copy.get());
  EXPECT_EQ(g2->GetParentComponent(), g1);
  EXPECT_EQ(g2->Needle(), -1);
  EXPECT_EQ(WriteForm(*copy), text);  // writing the copy gives the same text
}

TEST(FormRoundTrip, DoublesSurviveExactly) {
  const double values[] = {0.1,
                           1.0 / 3,
                           -2.5e-300,
                           5e-324,
                           1.7976931348623157e308,
                           123456789.125,
                           -0.0,
                           0,
                           1e21,
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()};
  for (double v : values) {
    TTestGauge g(nullptr);
    g.SetValue(v);
    auto copy = ReadForm(WriteForm(g));
    double back = Gauge(copy.get()).Value();
    EXPECT_EQ(back, v) << WriteForm(g);
    EXPECT_EQ(std::signbit(back), std::signbit(v)) << WriteForm(g);
  }
  TTestGauge g(nullptr);
  g.SetValue(std::nan(""));
  EXPECT_TRUE(std::isnan(Gauge(ReadForm(WriteForm(g)).get()).Value()));
}

TEST(FormReader, ValueSpellings) {
  struct Case {
    const char* line;
    std::string caption;
    double value;
  };
  const Case cases[] = {
      {"Caption = 'It''s'", "It's", 0.5},
      {"Caption = 'a'#13#10'b'", "a\r\nb", 0.5},
      {"Caption = #$41#66", "AB", 0.5},
      {"Caption = 'ab' +\n  'cd'", "abcd", 0.5},
      {"Caption = #8364", "\xE2\x82\xAC", 0.5},
      {"Caption = ''", "", 0.5},
      {"Value = 2", "Gauge", 2},
      {"Value = -1.5E+3", "Gauge", -1500},
      {"Value = +.25", "Gauge", 0.25},
      {"VALUE = 1e-2", "Gauge", 0.01},
  };
  for (const Case& c : cases) {
    auto form = ReadForm(std::string("object TTestGauge\n") + c.line + "\nend");
    EXPECT_EQ(Gauge(form.get()).Caption(), c.caption) << c.line;
    EXPECT_EQ(Gauge(form.get()).Value(), c.value) << c.line;
  }
  auto form = ReadForm(
      "object F: TTestGauge Max = $10 Active = TRUE Kind = GKNEEDLE Options = [ goFrame,goTicks ] "
      "Marker = #$1F600 Items.Strings = () Small = +255 end");
  TTestGauge& g = Gauge(form.get());
  EXPECT_EQ(g.Max(), 16);
  EXPECT_TRUE(g.Active());
  EXPECT_EQ(g.Kind(), test::gkNeedle);
  EXPECT_EQ(g.Options(), (test::TGaugeOptions{test::goFrame, test::goTicks}));
  EXPECT_EQ(g.Marker(), U'\U0001F600');
  EXPECT_TRUE(g.Items().empty());
  EXPECT_EQ(g.Small(), 255);
}

const char* kNestedForm =
    "object Root: TTestGauge\n"
    "  Max = 5000\n"
    "  object A: TTestGauge\n"
    "    Max = 0\n"
    "    object B: TTestDial\n"
    "      Max = 7\n"
    "    end\n"
    "  end\n"
    "  object C: TTestGauge\n"
    "  end\n"
    "end\n";

TEST(FormReader, SettersSeeLoadingAndLoadedRunsAfterwardsInCreationOrder) {
  TestLog::Get().Clear();
  auto root = ReadForm(kNestedForm);
  // The dial's constructor sets Max before the reader marks it loading; the rest see it set.
  EXPECT_EQ(TestLog::Get().maxSetWhileLoading, (std::vector<bool>{true, true, false, true}));
  EXPECT_EQ(TestLog::Get().loaded, (std::vector<std::string>{"Root", "A", "B", "C"}));
  // Values stored raw while loading were clamped in Loaded.
  EXPECT_EQ(Gauge(root.get()).Max(), 1000);
  EXPECT_EQ(Gauge(root->FindComponent("A")).Max(), 1);
  for (TComponent* c : {root.get(), root->FindComponent("A"), root->FindComponent("B")}) {
    EXPECT_FALSE(c->ComponentState().Contains(csLoading)) << c->Name();
    EXPECT_FALSE(c->ComponentState().Contains(csReading)) << c->Name();
  }
  EXPECT_EQ(root->FindComponent("B")->Owner(), root.get());  // everything belongs to the root
}

TEST(FormReader, ReadsIntoAnExistingRoot) {
  TTestGauge root(nullptr);
  ReadFormInto(root, kNestedForm);
  EXPECT_EQ(root.Name(), "Root");
  EXPECT_EQ(root.ComponentCount(), 3);
  TTestGauge plain(nullptr);
  EXPECT_THROW(ReadFormInto(plain, "object X: TTestDial end"), EReadError);  // not a dial
  TTestDial dial(nullptr);
  EXPECT_NO_THROW(ReadFormInto(dial, "object X: TTestGauge end"));  // a dial is a gauge
}

TEST(FormReader, EventLinesGoToTheBinder) {
  std::vector<std::string> bound;
  FormReadOptions options;
  options.bindEvent = [&](TComponent* c, const std::string& event, const std::string& handler) {
    bound.push_back(c->Name() + "." + event + "=" + handler);
  };
  ReadForm("object F: TTestGauge\n OnChange = FChange\n object G: TTestGauge onchange = X end end",
           options);
  EXPECT_EQ(bound, (std::vector<std::string>{"F.OnChange=FChange", "G.onchange=X"}));
  EXPECT_NO_THROW(ReadForm("object F: TTestGauge OnChange = FChange end"));  // no binder: skipped
}

TEST(FormReader, RefusedInputNamesTheLine) {
  struct Case {
    const char* text;
    int line;
    const char* message;
  };
  const Case cases[] = {
      {"object F: TNoSuch\nend", 1, "Line 1: Class TNoSuch not found"},
      {"object F: TTestGauge\n  Max = 5\n  Widht = 3\nend", 3,
       "Line 3: Property Widht does not exist"},
      {"object F: TTestGauge\n\n  Max = 12x\nend", 3, "Line 3: Invalid value 12x for property Max"},
      {"object F: TTestGauge\n  Max = 99999999999\nend", 2,
       "Line 2: Invalid value 99999999999 for property Max"},
      {"object F: TTestGauge\n  Max = 99999999999999999999\nend", 2, nullptr},
      {"object F: TTestGauge\n  Value = 1e999\nend", 2, nullptr},
      {"object F: TTestGauge\n  Value = NaNa\nend", 2, nullptr},
      {"object F: TTestGauge\n  Small = 256\nend", 2,
       "Line 2: Invalid value 256 for property Small"},
      {"object F: TTestGauge\n  Caption = 'open\nend", 2, "Line 2: Unterminated string"},
      {"object F: TTestGauge\n  Kind = gkSquare\nend", 2,
       "Line 2: Invalid value gkSquare for property Kind"},
      {"object F: TTestGauge\n  Options = [goTicks goFrame]\nend", 2, "Line 2: ',' expected"},
      {"object F: TTestGauge\n  Marker = 'ab'\nend", 2, nullptr},
      {"object F: TTestGauge\n  Active = Yes\nend", 2,
       "Line 2: Invalid value Yes for property Active"},
      {"object F: TTestGauge\n  Font.Colour = 1\nend", 2,
       "Line 2: Property Font.Colour does not exist"},
      {"object F: TTestGauge\n  Max.Low = 1\nend", 2, "Line 2: Property Max has no properties"},
      {"object F: TTestGauge\n  Caption = #55296\nend", 2, "Line 2: Character code out of range"},
      {"object F: TTestGauge\n  object A: TTestGauge end\n  object a: TTestGauge end\nend", 3,
       "Line 3: A component named a already exists"},
      {"object F: TTestGauge\n  Name = '1st'\nend", 2,
       "Line 2: Error reading Name: '1st' is not a valid component name"},
      {"object F: TTestGauge\n  object A: TTestFont end\nend", 2,
       "Line 2: Class TTestFont is not a component"},
      {"object F: TTestGauge\n  object A: TTestGauge\nend", 3, "Line 3: 'end' expected"},
      {"object F: TTestGauge\nend\nend", 3, "Line 3: End of text expected"},
      {"thing F: TTestGauge end", 1, "Line 1: 'object' expected"},
      {"", 1, "Line 1: Identifier expected"},
  };
  for (const Case& c : cases) {
    try {
      ReadForm(c.text);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Line(), c.line) << c.text;
      if (c.message) {
        EXPECT_EQ(e.Message(), c.message) << c.text;
      }
    }
  }
}

TEST(FormReader, DeepNestingIsRefusedNotRecursed) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "object TTestGauge\n";
  EXPECT_THROW(ReadForm(text), EReadError);
}

TEST(FormReader, FailedReadLeavesNothingBehind) {
  int before = TestLog::Get().liveGauges;
  const char* broken =
      "object F: TTestGauge\n  object A: TTestGauge\n    object B: TTestGauge\n      Max = x\n";
  EXPECT_THROW(ReadForm(broken), EReadError);
  EXPECT_EQ(TestLog::Get().liveGauges, before);

  TTestGauge root(nullptr);
  new TTestGauge(&root);  // owned before the read: stays
  before = TestLog::Get().liveGauges;
  EXPECT_THROW(ReadFormInto(root, broken), EReadError);
  EXPECT_EQ(TestLog::Get().liveGauges, before);
  EXPECT_EQ(root.ComponentCount(), 1);
  EXPECT_FALSE(root.ComponentState().Contains(csLoading));
  EXPECT_FALSE(root.ComponentState().Contains(csReading));
}

// Colours go through the colour names of the graphics unit; checked where that unit can.
TEST(FormRoundTrip, ColoursByNameOrHex) {
  try {
    ColorToString(clRed);
  } catch (const Exception&) {
    GTEST_SKIP() << "colour names not available in this build";
  }
  for (TColor c : {clRed, clBtnFace, RGB(1, 2, 3)}) {
    TTestGauge g(nullptr);
    g.SetColor(c);
    EXPECT_EQ(Gauge(ReadForm(WriteForm(g)).get()).Color(), c);
  }
}

}  // namespace
}  // namespace fw
