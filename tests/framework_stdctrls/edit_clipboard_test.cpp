// Edit clipboard commands by key and by call: copy, cut, paste, password fields, read-only
// fields, multi-line and over-long clipboard text.
#include <gtest/gtest.h>

#include "tests/framework_stdctrls/edit_fixture.h"

namespace fw {
namespace {

using test::EditFixture;

TEST(EditClipboard, KeysCopyCutAndPaste) {
  struct Case {
    const char* what;
    uint16_t vk;
    TShiftState shift;
    const char* text;
    const char* clipboard;
  };
  // Text "hello world" with "world" selected; the clipboard holds "X" beforehand.
  const Case cases[] = {
      {"Ctrl+C copies", 'C', {ssCtrl}, "hello world", "world"},
      {"Ctrl+Insert copies", VK_INSERT, {ssCtrl}, "hello world", "world"},
      {"Ctrl+X cuts", 'X', {ssCtrl}, "hello ", "world"},
      {"Shift+Delete cuts", VK_DELETE, {ssShift}, "hello ", "world"},
      {"Ctrl+V pastes over the selection", 'V', {ssCtrl}, "hello X", "X"},
      {"Shift+Insert pastes", VK_INSERT, {ssShift}, "hello X", "X"},
  };
  for (const Case& c : cases) {
    EditFixture f;
    f.host.SetClipboardText("X");
    f.edit->SetText("hello world");
    f.edit->SetSelStart(6);
    f.edit->SetSelLength(5);
    f.changes = 0;
    f.host.PressKey(c.vk, c.shift);
    EXPECT_EQ(f.edit->Text(), c.text) << c.what;
    EXPECT_EQ(f.host.ClipboardText().value_or(""), c.clipboard) << c.what;
    EXPECT_EQ(f.changes, f.edit->Text() == "hello world" ? 0 : 1) << c.what;
  }
}

TEST(EditClipboard, MultiByteTextRoundTrips) {
  EditFixture f;
  f.edit->SetText(
      "\xC3\x9C"
      "ber \xE2\x82\xAC"
      "5");  // "Über €5"
  f.edit->SetSelStart(5);
  f.edit->SetSelLength(2);
  f.edit->CutToClipboard();
  EXPECT_EQ(f.host.ClipboardText().value_or(""),
            "\xE2\x82\xAC"
            "5");
  f.edit->SetSelStart(0);
  f.edit->PasteFromClipboard();
  EXPECT_EQ(f.edit->Text(),
            "\xE2\x82\xAC"
            "5\xC3\x9C"
            "ber ");
  EXPECT_EQ(f.edit->CaretPos(), 2);
}

TEST(EditClipboard, PasteTakesTheFirstLineAndRespectsMaxLength) {
  EditFixture f;
  f.host.SetClipboardText("first\r\nsecond");
  f.edit->PasteFromClipboard();
  EXPECT_EQ(f.edit->Text(), "first");
  f.edit->SetMaxLength(7);
  f.host.SetClipboardText("\xC3\xA9\xC3\xA9\xC3\xA9");
  f.edit->PasteFromClipboard();
  EXPECT_EQ(f.edit->Text(), "first\xC3\xA9\xC3\xA9");
  // A full field takes nothing and reports no change.
  const int before = f.changes;
  f.edit->PasteFromClipboard();
  EXPECT_EQ(f.changes, before);
}

TEST(EditClipboard, PasswordAndReadOnlyFieldsGuardTheirText) {
  EditFixture f;
  f.host.SetClipboardText("keep");
  f.edit->SetText("secret");
  f.edit->SetPasswordChar(U'*');
  f.edit->SelectAll();
  f.edit->CopyToClipboard();
  f.edit->CutToClipboard();
  EXPECT_EQ(f.host.ClipboardText().value_or(""), "keep");
  EXPECT_EQ(f.edit->Text(), "secret");
  // Read-only: copying works, cutting and pasting change nothing.
  f.edit->SetPasswordChar(0);
  f.edit->SetReadOnly(true);
  f.edit->SelectAll();
  f.edit->CutToClipboard();
  EXPECT_EQ(f.edit->Text(), "secret");
  f.edit->PasteFromClipboard();
  EXPECT_EQ(f.edit->Text(), "secret");
  f.edit->CopyToClipboard();
  EXPECT_EQ(f.host.ClipboardText().value_or(""), "secret");
}

// Clipboard text comes from outside: malformed UTF-8 must neither crash nor let the caret
// split a character, and every byte that is not a character counts as one.
TEST(EditClipboard, MalformedTextPastesAsSingleByteCharacters) {
  const std::string cases[] = {
      "\xFF\xFE",              // bytes that never start a character
      "a\xC3",                 // a sequence cut short at the end
      "\xE2\x82x",             // a sequence cut short in the middle
      "\xF0\x9F\x98\x80\x80",  // a stray continuation byte after an emoji
      "\xED\xA0\x80",          // an encoded surrogate
  };
  for (const std::string& bad : cases) {
    EditFixture f;
    f.host.SetClipboardText(bad);
    f.edit->PasteFromClipboard();
    EXPECT_EQ(f.edit->Text(), bad);
    const int length = f.edit->CaretPos();
    EXPECT_GT(length, 0);
    // Walking back over the text and deleting everything ends with an empty field.
    f.edit->SelectAll();
    EXPECT_EQ(f.edit->SelText(), bad);
    f.edit->SetSelStart(length);
    for (int i = 0; i < length; ++i) f.host.PressKey(VK_BACK);
    EXPECT_EQ(f.edit->Text(), "");
  }
}

}  // namespace
}  // namespace fw
