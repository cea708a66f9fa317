// The input panel's keyboard: typing through the typing test, deleting, selections, refused
// keys with their beep, the clipboard keys, fixed-point overwriting, read-only and blocked
// panels, and the key-downs the KeyPreview form sees first.
#include <gtest/gtest.h>

#include "numio/ZEB_NumIO.h"
#include "tests/numio/numio2_fixture.h"

namespace zeb {
namespace {

using numio_test::PanelFixture;

TEST(PanelKeys, TypedTextsPassTheTypingTestOrAreRefusedWithABeep) {
  const struct {
    TInFormat format;
    const char* keys;
    const char* text;
    int beeps;
  } cases[] = {
      {itFloat, "-", "-", 0},         {itFloat, "1.5.", "1.5", 1},   {itFloat, "12E", "12", 1},
      {itExp, "1.5E-3", "1.5E-3", 0}, {itInt, "-12.", "-12", 1},     {itHex, "1F-", "1F", 1},
      {itDynamic, "$1F", "$1F", 0},   {itDynamic, "%102", "%10", 1}, {itOct, "778", "77", 1},
      {itBin, "1012", "101", 1},
  };
  for (const auto& c : cases) {
    PanelFixture f(c.format);
    f.panel->SetBeep(true);
    f.Type(c.keys);
    EXPECT_EQ(f.Text(), c.text) << c.keys;
    EXPECT_EQ(static_cast<int>(f.host.BeepLog().size()), c.beeps) << c.keys;
    if (c.beeps) {
      EXPECT_EQ(f.host.BeepLog()[0], 0xFFFFu);
    }
  }
}

TEST(PanelKeys, DollarPrefixedHexReadsAsItsValue) {
  PanelFixture f(itDynamic);
  f.Type("$1F");
  EXPECT_DOUBLE_EQ(f.panel->Value(), 31);
  EXPECT_EQ(f.changes, 3);
}

TEST(PanelKeys, CaretKeysInsertAndDeleteWhereTheCaretIs) {
  PanelFixture f;
  f.Type("1234");
  f.Press(fw::VK_HOME);
  f.Press(fw::VK_LEFT);  // stays at 0
  f.Press(fw::VK_BACK);  // nothing before the caret
  f.Press(fw::VK_DELETE);
  EXPECT_EQ(f.Text(), "234");
  f.Press(fw::VK_END);
  f.Press(fw::VK_RIGHT);   // stays at the end
  f.Press(fw::VK_DELETE);  // nothing after it
  f.Press(fw::VK_LEFT);
  f.Type(".");
  EXPECT_EQ(f.Text(), "23.4");
  EXPECT_EQ(f.panel->CaretPos(), 3);
  f.Press(fw::VK_BACK);
  EXPECT_EQ(f.Text(), "234");
  EXPECT_EQ(f.changes, 4 + 1 + 1 + 1);
  f.panel->SetBeep(true);
  f.Press(fw::VK_F5);  // not an editing key
  EXPECT_EQ(f.host.BeepLog().size(), 1u);
}

TEST(PanelKeys, ASelectionIsReplacedOrDeletedAndAnEmptiedTextShowsZero) {
  PanelFixture f;
  f.panel->SetText("1234");
  f.panel->SetSelBegin(1);
  f.panel->SetSelEnd(3);
  f.Type("9");
  EXPECT_EQ(f.Text(), "194");
  EXPECT_EQ(f.panel->CaretPos(), 2);
  f.panel->SetSelBegin(0);
  f.panel->SetSelEnd(3);
  f.Press(fw::VK_DELETE);
  EXPECT_EQ(f.Text(), "0.00");
  EXPECT_EQ(f.panel->CaretPos(), 0);
  EXPECT_EQ(f.panel->SelEnd(), 0);
}

TEST(PanelKeys, ClipboardKeysCopyCutAndPasteThroughTheTypingTest) {
  PanelFixture f;
  f.panel->SetBeep(true);
  f.panel->SetText("12.5");
  f.panel->SetSelBegin(0);
  f.panel->SetSelEnd(2);
  f.Press('C', {fw::ssCtrl});
  EXPECT_EQ(f.host.ClipboardText(), "12");
  f.Press('X', {fw::ssCtrl});
  EXPECT_EQ(f.Text(), ".5");
  f.host.SetClipboardText("34\r\nrest");
  f.Press('V', {fw::ssCtrl});
  EXPECT_EQ(f.Text(), "34.5");
  EXPECT_EQ(f.panel->CaretPos(), 2);
  f.host.SetClipboardText("abc");
  f.Press('V', {fw::ssCtrl});
  EXPECT_EQ(f.Text(), "34.5");
  f.Press('Q', {fw::ssCtrl});
  EXPECT_EQ(f.host.BeepLog().size(), 2u);
}

TEST(PanelKeys, FixedPointDigitsOverwriteTheDecimals) {
  PanelFixture f(itFixPoint);
  f.panel->SetNioValue(3.14);
  f.panel->SetSelBegin(0);
  f.Type("2");  // before the point: inserted
  EXPECT_EQ(f.Text(), "23.14");
  f.Press(fw::VK_RIGHT);
  f.Press(fw::VK_RIGHT);  // after the point: the next digit is selected
  EXPECT_EQ(f.panel->SelBegin(), 3);
  EXPECT_EQ(f.panel->SelEnd(), 4);
  f.Type("9");
  EXPECT_EQ(f.Text(), "23.94");
  f.Type("7");
  EXPECT_EQ(f.Text(), "23.97");
  f.Type("5");  // past the last place: refused
  EXPECT_EQ(f.Text(), "23.97");
}

TEST(PanelKeys, ReadOnlyAndBlockedPanelsOnlyCopy) {
  for (int mode = 0; mode < 2; ++mode) {
    PanelFixture f;
    f.panel->SetText("42");
    f.panel->SetSelEnd(2);
    if (mode == 0) f.panel->SetReadOnly(true);
    if (mode == 1) f.panel->SetBlockKbdInput(true);
    f.Type("7");
    f.Press(fw::VK_BACK);
    f.Press('X', {fw::ssCtrl});
    f.Press('C', {fw::ssCtrl});
    EXPECT_EQ(f.Text(), "42") << mode;
    EXPECT_EQ(f.host.ClipboardText(), "42") << mode;
    EXPECT_EQ(f.changes, 0) << mode;
  }
}

TEST(PanelKeys, TheKeyPreviewFormSeesEachKeyOnceAndMayDropIt) {
  PanelFixture f;
  std::string seen;
  f.host.Form()->SetKeyPreview(true);
  f.host.Form()->OnKeyDown = [&](fw::TObject*, uint16_t& key, fw::TShiftState) {
    seen += static_cast<char>(key);
    if (key == '5') key = 0;
  };
  int own = 0;
  f.panel->OnKeyDown = [&](fw::TObject*, uint16_t&, fw::TShiftState) { ++own; };
  f.Type("152");
  EXPECT_EQ(seen, "152");
  EXPECT_EQ(own, 2);
  EXPECT_EQ(f.Text(), "12");
}

TEST(PanelKeys, TabMovesTheFocusOn) {
  PanelFixture f;
  auto* next = new TNumIO2(f.host.Form());
  next->SetParent(f.host.Form());
  next->SetBounds(0, 40, 250, 30);
  f.panel->SetFocus();
  f.Press(fw::VK_TAB);
  EXPECT_TRUE(next->Focused());
  f.panel->Perform(fw::WM_KEYDOWN, fw::VK_TAB, 0);  // handed on by the panel itself
  EXPECT_TRUE(f.panel->Focused());
}

}  // namespace
}  // namespace zeb
