// The numeric field's properties and their rules, its value accessors, Assign, reading from
// a form and its class record.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "framework/base/form_text.h"
#include "framework/base/registry.h"
#include "framework/base/registry_check.h"
#include "tests/numio/numio_field_fixture.h"
#include "tests/numio/numio_test_support.h"

using namespace zeb;
using numio_test::FieldFixture;
using numio_test::kMax;
using numio_test::SeparatorGuard;

namespace {

TEST(NumIOField, DefaultsOfAFieldCreatedInCodeAndInTheDesigner) {
  TNumIO field(nullptr);
  EXPECT_EQ(field.InputFormat(), itDynamic);
  EXPECT_EQ(field.FixPointDecPlaces(), 2);
  EXPECT_EQ(field.DecPlaceSep(), dpPlatform);
  EXPECT_FALSE(field.Beep());
  EXPECT_EQ(field.Text(), "");
  EXPECT_EQ(field.RangeLow(), 0);
  EXPECT_EQ(field.RangeHigh(), 0);

  fw::TComponent designer(nullptr);
  designer.SetDesigning(true);
  auto* designed = new TNumIO(&designer);
  EXPECT_EQ(designed->RangeLow(), -kMax);
  EXPECT_EQ(designed->RangeHigh(), kMax);
  designed->SetText("abc");  // the designer's field does not filter
  EXPECT_EQ(designed->Text(), "abc");
}

TEST(NumIOField, RangeSettersKeepLowBelowHigh) {
  TNumIO field(nullptr);
  field.SetRangeHigh(5);
  field.SetRangeLow(10);  // 0..5 then low 10: 5..10
  EXPECT_EQ(field.RangeLow(), 5);
  EXPECT_EQ(field.RangeHigh(), 10);
  field.SetRangeHigh(1);  // 5..10 then high 1: 1..5
  EXPECT_EQ(field.RangeLow(), 1);
  EXPECT_EQ(field.RangeHigh(), 5);
}

TEST(NumIOField, NewSettingsRefilterTheText) {
  FieldFixture f(itFloat, 0, 100);
  f.Type("50");
  f.field->SetRangeHigh(20);  // 50 no longer passes: the text goes
  EXPECT_EQ(f.Text(), "");
  f.field->SetRangeHigh(100);
  f.Type("2.5");
  f.field->SetInputFormat(itInt);
  EXPECT_EQ(f.Text(), "");
}

TEST(NumIOField, SettingTheSameFormatDoesNotRefilter) {
  FieldFixture f(itFloat);
  f.Type("4");
  const int before = f.changes;
  f.field->SetInputFormat(itFloat);
  f.field->SetDecPlaceSep(dpPlatform);
  EXPECT_EQ(f.changes, before);
  f.field->SetInputFormat(itInt);  // "4" passes again: the filter ran once
  EXPECT_EQ(f.changes, before + 1);
}

TEST(NumIOField, FixPointDecPlacesIsClamped) {
  TNumIO field(nullptr);
  field.SetFixPointDecPlaces(0);
  EXPECT_EQ(field.FixPointDecPlaces(), 1);
  field.SetFixPointDecPlaces(12);
  EXPECT_EQ(field.FixPointDecPlaces(), 8);
}

// readBack is what the text is worth once the user edits it; until then GetLabValue
// returns the value as it was set.
TEST(NumIOField, SetLabValueWritesEachFormatAndGetLabValueReadsIt) {
  SeparatorGuard guard('.');
  struct Case {
    TInFormat format;
    double value;
    const char* text;
    double readBack;
  } cases[] = {
      {itHex, 26, "0000001A", 26},       {itOct, 511.4, "00000777", 511},
      {itBin, 5, "00000101", 5},         {itHex, -1, "FFFFFFFF", -1},
      {itInt, -42, "-42", -42},          {itFixPoint, 2.345, "2.35", 2.35},
      {itFloat, 0.5, "0.50000000", 0.5}, {itExp, 1234.5, " 1.23450E+03", 1234.5},
  };
  for (const Case& c : cases) {
    TNumIO field(nullptr);
    field.SetInputFormat(c.format);
    field.SetLabValue(c.value);  // written even outside the range 0..0
    EXPECT_EQ(field.Text(), c.text) << c.value;
    EXPECT_EQ(field.GetLabValue(), c.value) << c.value;
    EXPECT_DOUBLE_EQ(LabTextValue(field.Text(), c.format, dpPlatform), c.readBack) << c.value;
  }
}

TEST(NumIOField, SetLabValueKeepsWhatTheTextCannotShowUntilTheUserEdits) {
  SeparatorGuard guard('.');
  const double values[] = {
      1e100,       -1e-100, kMax, -kMax,    std::numeric_limits<double>::denorm_min(),
      1.234567891, 511.4,   5e9,  16777216, -0.1};
  for (int f = itExp; f <= itDynamic; ++f) {
    for (const double v : values) {
      TNumIO field(nullptr);
      field.SetInputFormat(static_cast<TInFormat>(f));
      field.SetLabValue(v);
      EXPECT_EQ(field.GetLabValue(), v) << "format " << f << " value " << v;
      double shown = 0;  // no asterisks: the field reads its own text
      EXPECT_TRUE(field.ConvertNumString(field.Text(), shown)) << f << " '" << field.Text() << "'";
    }
  }
  // What the text shows of values beyond two exponent digits or beyond eight digits of
  // octal and binary.
  struct Case {
    TInFormat format;
    double value;
    const char* text;
  } cases[] = {{itExp, 1e100, " 1.00000E+100"},
               {itDynamic, -1e-100, "-1.00000E-100"},
               {itExp, kMax, " 1.79769E+308"},
               {itOct, 16777216, "100000000"},
               {itBin, 256, "100000000"}};
  for (const Case& c : cases) {
    TNumIO field(nullptr);
    field.SetInputFormat(c.format);
    field.SetLabValue(c.value);
    EXPECT_EQ(field.Text(), c.text) << c.value;
  }

  FieldFixture f(itExp, -kMax, kMax);
  f.field->SetLabValue(1.234567891);
  f.Type("x");  // refused: the text and the value stay
  EXPECT_EQ(f.field->GetLabValue(), 1.234567891);
  f.field->SetLabValue(1e100);
  f.Press(fw::VK_END);
  f.Press(fw::VK_BACK);  // the user's own text now
  EXPECT_EQ(f.Text(), " 1.00000E+10");
  EXPECT_EQ(f.field->GetLabValue(), 1e10);

  TNumIO field(nullptr);
  field.SetRangeHigh(100);
  field.SetInputFormat(itHex);
  field.SetLabValue(16.4);      // "00000010"
  field.SetInputFormat(itInt);  // the same text is ten now
  EXPECT_EQ(field.Text(), "00000010");
  EXPECT_EQ(field.GetLabValue(), 10);
}

TEST(NumIOField, SetLabValueRefusesNaNAndInfinitiesAndKeepsTheField) {
  const double inf = std::numeric_limits<double>::infinity();
  for (int f = itExp; f <= itDynamic; ++f) {
    for (const double v : {std::nan(""), inf, -inf}) {
      TNumIO field(nullptr);
      field.SetName("Field1");
      field.SetInputFormat(static_cast<TInFormat>(f));
      field.SetLabValue(2.5);
      const std::string before = field.Text();
      try {
        field.SetLabValue(v);
        ADD_FAILURE() << "format " << f << " accepted " << v;
      } catch (const EZEBNumIO2Error& e) {
        EXPECT_STREQ(e.what(), "Component \"Field1\": value is not a finite number");
      }
      EXPECT_EQ(field.Text(), before) << f;
      EXPECT_EQ(field.GetLabValue(), 2.5) << f;
    }
  }
}

TEST(NumIOField, NonFiniteRangeEndsAreRefusedAndTheRangeStays) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    void (TNumIO::*set)(double);
    double value;
    const char* message;
  } cases[] = {
      {&TNumIO::SetRangeHigh, std::nan(""),
       "Component \"Field1\": RangeHigh is not a finite number"},
      {&TNumIO::SetRangeHigh, inf, "Component \"Field1\": RangeHigh is not a finite number"},
      {&TNumIO::SetRangeHigh, -inf, "Component \"Field1\": RangeHigh is not a finite number"},
      {&TNumIO::SetRangeLow, std::nan(""), "Component \"Field1\": RangeLow is not a finite number"},
      {&TNumIO::SetRangeLow, inf, "Component \"Field1\": RangeLow is not a finite number"},
      {&TNumIO::SetRangeLow, -inf, "Component \"Field1\": RangeLow is not a finite number"},
  };
  for (const Case& c : cases) {
    TNumIO field(nullptr);
    field.SetName("Field1");
    field.SetRangeHigh(10);
    field.SetRangeLow(-10);
    field.SetText("5");
    try {
      (field.*c.set)(c.value);
      ADD_FAILURE() << "accepted " << c.value;
    } catch (const EZEBNumIO2Error& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(field.RangeLow(), -10) << c.message << " " << c.value;
    EXPECT_EQ(field.RangeHigh(), 10) << c.message << " " << c.value;
    EXPECT_EQ(field.Text(), "5");
    field.SetText("-7");  // still filtering by -10..10
    EXPECT_EQ(field.Text(), "-7");
  }
  // A stored form with such an end does not read; the error names the field and the end.
  for (const char* line : {"RangeHigh = NaN", "RangeLow = -Inf", "RangeHigh = Inf"}) {
    fw::TComponent root(nullptr);
    const std::string form =
        "object R: TComponent\n  object N: TNumIO\n    " + std::string(line) + "\n  end\nend\n";
    try {
      fw::ReadFormInto(root, form);
      ADD_FAILURE() << line;
    } catch (const fw::EFormReadError& e) {
      EXPECT_NE(std::string(e.what()).find("Component \"N\": Range"), std::string::npos)
          << e.what();
    }
  }
}

TEST(NumIOField, TextWrittenBySetLabValueIsTheOneARefusalReturnsTo) {
  FieldFixture f(itInt);
  f.Type("7");
  f.field->SetLabValue(12);
  f.Press(fw::VK_END);
  f.Type("x");
  EXPECT_EQ(f.Text(), "12");
}

TEST(NumIOField, SetLabValueWritesACommaWhereOnlyACommaIsAccepted) {
  TNumIO field(nullptr);
  field.SetInputFormat(itFloat);
  field.SetDecPlaceSep(dpComma);
  field.SetLabValue(1.25);
  EXPECT_EQ(field.Text(), "1,25000000");
  EXPECT_DOUBLE_EQ(field.GetLabValue(), 1.25);
}

TEST(NumIOField, AssignCopiesFormatRangeSeparatorAndBeepOnly) {
  TNumIO source(nullptr);
  source.SetInputFormat(itFixPoint);
  source.SetRangeHigh(50);
  source.SetRangeLow(-5);
  source.SetDecPlaceSep(dpBoth);
  source.SetBeep(true);
  source.SetFixPointDecPlaces(5);
  source.SetText("3");
  TNumIO dest(nullptr);
  dest.Assign(&source);
  EXPECT_EQ(dest.InputFormat(), itFixPoint);
  EXPECT_EQ(dest.RangeLow(), -5);
  EXPECT_EQ(dest.RangeHigh(), 50);
  EXPECT_EQ(dest.DecPlaceSep(), dpBoth);
  EXPECT_TRUE(dest.Beep());
  EXPECT_EQ(dest.FixPointDecPlaces(), 2);
  EXPECT_EQ(dest.Text(), "");

  TNumIO other(nullptr);
  source.AssignTo(&other);
  EXPECT_EQ(other.RangeHigh(), 50);
  fw::TPersistent plain;
  EXPECT_THROW(dest.Assign(&plain), fw::EConvertError);
}

TEST(NumIOField, ReadFromAFormGetsItsStoredRangeWhateverTheOrder) {
  fw::TComponent root(nullptr);
  fw::ReadFormInto(root,
                   "object R: TComponent\n"
                   "  object N: TNumIO\n"
                   "    Text = '7'\n"
                   "    RangeLow = 5.0\n"
                   "    RangeHigh = 10.0\n"
                   "    InputFormat = itInt\n"
                   "  end\n"
                   "end\n");
  auto* field = dynamic_cast<TNumIO*>(root.FindComponent("N"));
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->RangeLow(), 5);
  EXPECT_EQ(field->RangeHigh(), 10);
  EXPECT_EQ(field->Text(), "7");
}

TEST(NumIOField, ClassRecordAgreesWithNewInstances) {
  ASSERT_NE(fw::GetClass("TNumIO"), nullptr);
  const std::vector<std::string> failures = fw::testing::CheckRegisteredClass("TNumIO");
  EXPECT_TRUE(failures.empty()) << ::testing::PrintToString(failures);
  const fw::ClassRecord& record = fw::FindClass("TNumIO");
  for (const char* property :
       {"InputFormat", "FixPointDecPlaces", "DecPlaceSep", "RangeLow", "RangeHigh", "Beep", "Text",
        "AutoSelect", "AutoSize", "BorderStyle", "HideSelection", "ReadOnly", "Color", "Font",
        "TabStop", "Anchors", "Align", "Hint", "Cursor"})
    EXPECT_NE(fw::FindProperty(record, property), nullptr) << property;
  for (const char* event : {"OnChange", "OnClick", "OnDblClick", "OnEnter", "OnExit", "OnKeyDown",
                            "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp"})
    EXPECT_TRUE(fw::HasEvent(record, event)) << event;
}

}  // namespace
