// The numeric field's filter, driven key by key through the test host: refused keys, the
// fixed-point editing rules, paste, setting Text, the range rule for texts being typed,
// OnChange and the beep.

#include <gtest/gtest.h>

#include "tests/numio/numio_field_fixture.h"
#include "tests/numio/numio_test_support.h"

using namespace zeb;
using numio_test::FieldFixture;
using numio_test::SeparatorGuard;

namespace {

// Each key of `keys` typed one after the other; after each the text the field shows.
struct TypingCase {
  TInFormat format;
  const char* keys;
  std::vector<std::string> shown;
};

TEST(NumIOFilter, TypedKeysAreAcceptedOrUndone) {
  SeparatorGuard guard('.');
  const TypingCase cases[] = {
      {itExp, "-1.5e-3", {"-", "-1", "-1.", "-1.5", "-1.5e", "-1.5e-", "-1.5e-3"}},
      {itExp, "2e7", {"2", "2e", "2e"}},  // 2e7 is outside -1e6..1e6
      {itExp, "1x2", {"1", "1", "12"}},
      {itFloat, "1e3", {"1", "1", "13"}},
      {itInt, "-4.2", {"-", "-4", "-4", "-42"}},
      {itHex, "1fz", {"1", "1f", "1f"}},
      {itOct, "789", {"7", "7", "7"}},
      {itBin, "102", {"1", "10", "10"}},
      {itDynamic, "$1g", {"$", "$1", "$1"}},
      {itDynamic, "%12", {"%", "%1", "%1"}},
      {itDynamic, "&78", {"&", "&7", "&7"}},
      {itDynamic, "-7e1", {"-", "-7", "-7e", "-7e1"}},
  };
  for (const TypingCase& c : cases) {
    FieldFixture f(c.format);
    for (std::size_t i = 0; i < c.shown.size(); ++i) {
      f.Type(std::string(1, c.keys[i]));
      EXPECT_EQ(f.Text(), c.shown[i]) << c.keys << " key " << i;
    }
  }
}

TEST(NumIOFilter, RefusedKeyPutsTheCaretOnePlaceLeft) {
  FieldFixture f(itExp);
  f.Type("2e");
  ASSERT_EQ(f.field->SelStart(), 2);
  f.Type("7");  // the caret stood after the 7, now where it was before the key
  EXPECT_EQ(f.Text(), "2e");
  EXPECT_EQ(f.field->SelStart(), 2);
  f.CaretAt(1);
  f.Type("x");
  EXPECT_EQ(f.Text(), "2e");
  EXPECT_EQ(f.field->SelStart(), 1);
}

TEST(NumIOFilter, EveryIntermediateTextMustBeInRange) {
  FieldFixture f(itInt, 10, 20);
  f.Type("15");  // "1" is below 10, and so is "5"
  EXPECT_EQ(f.Text(), "");
  f.Type("0");  // 0 passes any range
  EXPECT_EQ(f.Text(), "0");
  f.Press(fw::VK_BACK);  // "" does not convert: the last accepted text comes back
  EXPECT_EQ(f.Text(), "0");
  FieldFixture g(itFloat, 10, 20);
  g.Type("0.");  // converting to 0 passes any range
  EXPECT_EQ(g.Text(), "0.");
}

TEST(NumIOFilter, FieldCreatedInCodeAcceptsOnlyZeroUntilItsRangeIsSet) {
  fw::TestHost host(200, 60);
  auto* field = new TNumIO(host.Form());
  field->SetParent(host.Form());
  host.Show();
  field->SetFocus();
  EXPECT_EQ(field->RangeLow(), 0);
  EXPECT_EQ(field->RangeHigh(), 0);
  host.TypeText("5");
  EXPECT_EQ(field->Text(), "");
  host.TypeText("0");
  EXPECT_EQ(field->Text(), "0");
  field->SetRangeHigh(10);
  host.TypeText("5");
  EXPECT_EQ(field->Text(), "05");
}

TEST(NumIOFilter, FixedPointEditingKeepsThePointAndTheDecimals) {
  FieldFixture f(itFixPoint);
  f.Type("3");
  EXPECT_EQ(f.Text(), "3.00");

  f.field->SetText("3.14");
  f.field->SetSelStart(4);
  f.Type("9");  // one decimal too many: rounded to two places
  EXPECT_EQ(f.Text(), "3.15");

  f.field->SetText("3.14");
  f.CaretAt(2);
  f.Press(fw::VK_BACK);  // deletes the point
  EXPECT_EQ(f.Text(), "314.00");

  f.field->SetText("3.14");
  f.CaretAt(3);
  const int before = f.changes;
  f.Type(".");  // a second point
  EXPECT_EQ(f.Text(), "3.14");
  EXPECT_EQ(f.changes, before);
}

TEST(NumIOFilter, FixedPointTypingDigitByDigit) {
  FieldFixture f(itFixPoint);
  f.field->SetFixPointDecPlaces(3);
  f.Type("12");
  EXPECT_EQ(f.Text(), "12.000");
  f.Press(fw::VK_END);
  f.Type("4");
  EXPECT_EQ(f.Text(), "12.000");  // 12.0004 rounds back to three places
  f.CaretAt(3);
  f.Press(fw::VK_DELETE);
  f.Type("7");
  EXPECT_EQ(f.Text(), "12.700");
}

TEST(NumIOFilter, OnChangeOnlyForAcceptedChanges) {
  FieldFixture f(itInt);
  f.Type("12x3");
  EXPECT_EQ(f.Text(), "123");
  EXPECT_EQ(f.changes, 3);
  f.field->SetText("abc");
  EXPECT_EQ(f.Text(), "123");
  EXPECT_EQ(f.changes, 3);
  f.field->SetText("-8");
  EXPECT_EQ(f.changes, 4);
}

TEST(NumIOFilter, OnChangeSeesTheRewrittenFixedPointText) {
  FieldFixture f(itFixPoint);
  std::string seen;
  f.field->OnChange = [&](fw::TObject*) { seen = f.field->Text(); };
  f.Type("7");
  EXPECT_EQ(seen, "7.00");
}

TEST(NumIOFilter, BeepOnlyWhenAskedFor) {
  FieldFixture f(itInt);
  f.Type("1x");
  EXPECT_TRUE(f.host.BeepLog().empty());
  f.field->SetBeep(true);
  f.Type("x");
  ASSERT_EQ(f.host.BeepLog().size(), 1u);
  EXPECT_EQ(f.host.BeepLog()[0], 0u);
  f.Type("2");
  EXPECT_EQ(f.host.BeepLog().size(), 1u);
}

TEST(NumIOFilter, PasteOfInvalidTextIsRefused) {
  FieldFixture f(itFloat);
  f.field->SetBeep(true);
  f.Type("1.5");
  f.host.SetClipboardText("2x");
  f.host.PressKey('V', {fw::ssCtrl});
  EXPECT_EQ(f.Text(), "1.5");
  EXPECT_EQ(f.host.BeepLog().size(), 1u);
  f.host.SetClipboardText("25");
  f.host.PressKey('V', {fw::ssCtrl});
  EXPECT_EQ(f.Text(), "1.525");
  f.field->SelectAll();
  f.host.SetClipboardText("\xE2\x82\xAC 9");
  f.host.PressKey('V', {fw::ssCtrl});
  EXPECT_EQ(f.Text(), "1.525");
  f.host.SetClipboardText("1e400");
  f.host.PressKey('V', {fw::ssCtrl});
  EXPECT_EQ(f.Text(), "1.525");
}

TEST(NumIOFilter, CommaSeparatorFollowsDecPlaceSep) {
  SeparatorGuard guard('.');
  FieldFixture f(itFloat);
  f.Type("1,5");
  EXPECT_EQ(f.Text(), "15");
  f.field->SetDecPlaceSep(dpComma);
  f.field->SelectAll();
  f.Type("1,5");
  EXPECT_EQ(f.Text(), "1,5");
  EXPECT_DOUBLE_EQ(f.field->GetLabValue(), 1.5);
}

TEST(NumIOFilter, FixedPointWithCommaSeparatorKeepsWorking) {
  FieldFixture f(itFixPoint);
  f.field->SetDecPlaceSep(dpComma);
  f.Type("4");
  EXPECT_EQ(f.Text(), "4.00");
  f.Press(fw::VK_END);
  f.Type("6");
  EXPECT_EQ(f.Text(), "4.01");
  EXPECT_DOUBLE_EQ(f.field->GetLabValue(), 4.01);
  f.field->SetLabValue(2.5);
  EXPECT_EQ(f.Text(), "2.50");
}

}  // namespace
