// Edit keyboard behaviour: caret and selection keys, word steps, deletion, typing over a
// selection, multi-byte characters, ReadOnly and MaxLength.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/rtl/utf8.h"
#include "tests/framework_stdctrls/edit_fixture.h"

namespace fw {
namespace {

using test::EditFixture;

struct Key {
  uint16_t vk;
  TShiftState shift;
};

TEST(EditKeyboard, CaretAndSelectionKeys) {
  struct Case {
    const char* what;
    int startCaret;
    std::vector<Key> keys;
    int selStart;
    int selLength;
  };
  // Text "one two  three" (14 characters).
  const Case cases[] = {
      {"Home", 5, {{VK_HOME, {}}}, 0, 0},
      {"End", 5, {{VK_END, {}}}, 14, 0},
      {"Left and Right", 5, {{VK_LEFT, {}}, {VK_LEFT, {}}, {VK_RIGHT, {}}}, 4, 0},
      {"Left stops at the start", 0, {{VK_LEFT, {}}}, 0, 0},
      {"Right stops at the end", 14, {{VK_RIGHT, {}}}, 14, 0},
      {"Shift+Right selects", 4, {{VK_RIGHT, {ssShift}}, {VK_RIGHT, {ssShift}}}, 4, 2},
      {"Shift+Left selects backwards", 4, {{VK_LEFT, {ssShift}}, {VK_LEFT, {ssShift}}}, 2, 2},
      {"Shift+End selects to the end", 4, {{VK_END, {ssShift}}}, 4, 10},
      {"Shift+Home selects to the start", 6, {{VK_HOME, {ssShift}}}, 0, 6},
      {"Left collapses a selection to its start", 4, {{VK_END, {ssShift}}, {VK_LEFT, {}}}, 4, 0},
      {"Right collapses a selection to its end", 4, {{VK_HOME, {ssShift}}, {VK_RIGHT, {}}}, 4, 0},
      {"Ctrl+Right goes to the next word", 0, {{VK_RIGHT, {ssCtrl}}}, 4, 0},
      {"Ctrl+Right skips the blanks after a word", 4, {{VK_RIGHT, {ssCtrl}}}, 9, 0},
      {"Ctrl+Left goes to the word start", 11, {{VK_LEFT, {ssCtrl}}}, 9, 0},
      {"Ctrl+Left from a word start goes to the previous word", 9, {{VK_LEFT, {ssCtrl}}}, 4, 0},
      {"Ctrl+Shift+Right selects a word", 0, {{VK_RIGHT, {ssCtrl, ssShift}}}, 0, 4},
  };
  for (const Case& c : cases) {
    EditFixture f;
    f.edit->SetText("one two  three");
    f.edit->SetSelStart(c.startCaret);
    for (const Key& k : c.keys) f.Press(k.vk, k.shift);
    EXPECT_EQ(f.edit->SelStart(), c.selStart) << c.what;
    EXPECT_EQ(f.edit->SelLength(), c.selLength) << c.what;
    EXPECT_EQ(f.edit->Text(), "one two  three") << c.what;
  }
}

TEST(EditKeyboard, DeletionAndTyping) {
  struct Case {
    const char* what;
    int selStart;
    int selLength;
    std::vector<Key> keys;
    const char* typed;
    const char* text;
    int caret;
  };
  const Case cases[] = {
      {"Backspace deletes before the caret", 3, 0, {{VK_BACK, {}}}, "", "ab def", 2},
      {"Delete deletes after the caret", 3, 0, {{VK_DELETE, {}}}, "", "abcdef", 3},
      {"Backspace at the start does nothing", 0, 0, {{VK_BACK, {}}}, "", "abc def", 0},
      {"Delete at the end does nothing", 7, 0, {{VK_DELETE, {}}}, "", "abc def", 7},
      {"Backspace deletes the selection", 1, 4, {{VK_BACK, {}}}, "", "aef", 1},
      {"Delete deletes the selection", 1, 4, {{VK_DELETE, {}}}, "", "aef", 1},
      {"Ctrl+Backspace deletes the word before", 7, 0, {{VK_BACK, {ssCtrl}}}, "", "abc ", 4},
      {"Ctrl+Delete deletes to the next word", 0, 0, {{VK_DELETE, {ssCtrl}}}, "", "def", 0},
      {"Typing inserts at the caret", 3, 0, {}, "XY", "abcXY def", 5},
      {"Typing replaces the selection", 0, 3, {}, "Z", "Z def", 1},
      {"Control characters are not text", 3, 0, {}, "\t\r\x1b", "abc def", 3},
  };
  for (const Case& c : cases) {
    EditFixture f;
    f.edit->SetText("abc def");
    f.edit->SetSelStart(c.selStart);
    f.edit->SetSelLength(c.selLength);
    for (const Key& k : c.keys) f.Press(k.vk, k.shift);
    f.host.TypeText(c.typed);
    EXPECT_EQ(f.edit->Text(), c.text) << c.what;
    EXPECT_EQ(f.edit->CaretPos(), c.caret) << c.what;
    EXPECT_EQ(f.edit->SelLength(), 0) << c.what;
  }
}

// "a", "é" (2 bytes), "€" (3 bytes), "😀" (4 bytes), "b".
const std::string kMixed =
    "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"
    "b";

TEST(EditKeyboard, PositionsCountCodePoints) {
  EditFixture f;
  f.edit->SetText(kMixed);
  f.edit->SetSelStart(0);
  f.Press(VK_END);
  EXPECT_EQ(f.edit->SelStart(), 5);
  // Each step back passes exactly one character, whatever its byte length.
  f.Press(VK_LEFT, {ssShift});
  f.Press(VK_LEFT, {ssShift});
  EXPECT_EQ(f.edit->SelText(),
            "\xF0\x9F\x98\x80"
            "b");
  f.Press(VK_LEFT);
  f.Press(VK_BACK);
  EXPECT_EQ(f.edit->Text(),
            "a\xC3\xA9\xF0\x9F\x98\x80"
            "b");
  f.host.TypeText("\xC3\x9C");  // Ü
  EXPECT_EQ(f.edit->Text(),
            "a\xC3\xA9\xC3\x9C\xF0\x9F\x98\x80"
            "b");
  EXPECT_EQ(f.edit->CaretPos(), 3);
  f.Press(VK_DELETE);
  EXPECT_EQ(f.edit->Text(),
            "a\xC3\xA9\xC3\x9C"
            "b");
  // Positions past the end are brought to the end, never into the middle of a character.
  f.edit->SetSelStart(99);
  EXPECT_EQ(f.edit->SelStart(), 4);
  f.edit->SetSelStart(1);
  f.edit->SetSelLength(99);
  EXPECT_EQ(f.edit->SelText(),
            "\xC3\xA9\xC3\x9C"
            "b");
  EXPECT_EQ(Length(f.edit->Text()), 4u);
}

TEST(EditKeyboard, ReadOnlyKeepsTheTextButMovesTheCaret) {
  EditFixture f;
  f.edit->SetText("fixed");
  f.edit->SetReadOnly(true);
  f.edit->SetSelStart(2);
  f.host.TypeText("x");
  f.Press(VK_BACK);
  f.Press(VK_DELETE);
  f.Press(VK_RIGHT);
  EXPECT_EQ(f.edit->Text(), "fixed");
  EXPECT_EQ(f.edit->CaretPos(), 3);
  EXPECT_EQ(f.changes, 1);  // only the SetText
  // Code may still set the text.
  f.edit->SetText("other");
  EXPECT_EQ(f.edit->Text(), "other");
}

TEST(EditKeyboard, MaxLengthLimitsTypingInCharacters) {
  EditFixture f;
  f.edit->SetMaxLength(3);
  f.host.TypeText("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");  // four é
  EXPECT_EQ(f.edit->Text(), "\xC3\xA9\xC3\xA9\xC3\xA9");
  // Typing over a selection frees its room.
  f.edit->SetSelStart(0);
  f.edit->SetSelLength(1);
  f.host.TypeText("ab");
  EXPECT_EQ(f.edit->Text(), "a\xC3\xA9\xC3\xA9");
  // A longer text set in code stays; typing into it is refused.
  f.edit->SetText("abcdef");
  f.edit->SetSelStart(6);
  f.host.TypeText("g");
  EXPECT_EQ(f.edit->Text(), "abcdef");
}

}  // namespace
}  // namespace fw
