// Fuzz target: arbitrary bytes pasted into a single-line edit and a memo, then edited with keys
// taken from the input. After every step both controls must hold a selection inside their
// text, keep their line rules and MaxLength, and give back text that reads the same again.
//
// Input: byte 0 sets options (MaxLength, ReadOnly, password, word wrap, memo scroll bars),
// byte 1 the length n of the key script that follows, the rest is the clipboard text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/backend/headless/test_host.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/memo.h"
#include "framework/stdctrls/text_positions.h"

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

// The selection lies inside the text and reads back as the text between its ends.
void CheckSelection(const fw::TCustomEdit& edit) {
  const std::string text = edit.Text();
  const int length = fw::textpos::CharCount(text);
  Check(edit.SelStart() >= 0 && edit.SelLength() >= 0);
  Check(edit.SelStart() + edit.SelLength() <= length);
  Check(edit.SelText() ==
        fw::textpos::Slice(text, edit.SelStart(), edit.SelStart() + edit.SelLength()));
}

void CheckEdit(const fw::TEdit& edit) {
  CheckSelection(edit);
  const std::string text = edit.Text();
  Check(text.find_first_of("\r\n") == std::string::npos);
  if (edit.MaxLength() > 0) Check(fw::textpos::CharCount(text) <= edit.MaxLength());
}

// The memo's text has only "\n" breaks, and its lines, each ended by a break, give it back.
void CheckMemo(const fw::TMemo& memo) {
  CheckSelection(memo);
  const std::string text = memo.Text();
  Check(text.find('\r') == std::string::npos);
  std::string joined;
  for (int i = 0; i < memo.Lines()->Count(); ++i) joined += memo.Lines()->Strings(i) + '\n';
  Check(joined == text || joined == text + '\n');
  if (memo.MaxLength() > 0) Check(fw::textpos::CharCount(text) <= memo.MaxLength());
}

// Characters a script may type: ASCII, two-, three- and four-byte code points, controls.
constexpr char32_t kTyped[] = {U'a',  U' ',  U'.',  U'\u00e9', U'\u20ac', U'\U0001D11E',
                               U'\r', U'\t', U'\b', U'\x1b',   U'Z',      U'\u0301',
                               U'-',  U'\n', U'0',  U'x'};

void Step(fw::TestHost& host, fw::TEdit* edit, fw::TMemo* memo, uint8_t op) {
  using namespace fw;
  const int arg = op >> 4;
  switch (op % 24) {
    case 0:
      host.PressKey('V', {ssCtrl});
      break;
    case 1:
      host.PressKey(VK_LEFT);
      break;
    case 2:
      host.PressKey(VK_RIGHT);
      break;
    case 3:
      host.PressKey(VK_LEFT, {ssShift});
      break;
    case 4:
      host.PressKey(VK_RIGHT, {ssShift});
      break;
    case 5:
      host.PressKey(VK_HOME, arg & 1 ? TShiftState{ssShift} : TShiftState{});
      break;
    case 6:
      host.PressKey(VK_END, arg & 1 ? TShiftState{ssShift} : TShiftState{});
      break;
    case 7:
      host.PressKey(VK_LEFT, arg & 1 ? TShiftState{ssCtrl, ssShift} : TShiftState{ssCtrl});
      break;
    case 8:
      host.PressKey(VK_RIGHT, arg & 1 ? TShiftState{ssCtrl, ssShift} : TShiftState{ssCtrl});
      break;
    case 9:
      host.PressKey(VK_BACK);
      break;
    case 10:
      host.PressKey(VK_DELETE);
      break;
    case 11:
      host.PressKey('X', {ssCtrl});
      break;
    case 12:
      host.PressKey('C', {ssCtrl});
      break;
    case 13:
      host.KeyPress(kTyped[arg]);
      break;
    case 14:
      host.PressKey(VK_UP, arg & 1 ? TShiftState{ssShift} : TShiftState{});
      break;
    case 15:
      host.PressKey(VK_DOWN, arg & 1 ? TShiftState{ssShift} : TShiftState{});
      break;
    case 16:
      host.PressKey(arg & 1 ? VK_PRIOR : VK_NEXT);
      break;
    case 17:
      host.PressKey(VK_RETURN);
      break;
    case 18:
      (arg & 1 ? static_cast<TWinControl*>(memo) : edit)->SetFocus();
      break;
    case 19:
      edit->SetSelStart(arg - 2);
      edit->SetSelLength(arg - 5);
      break;
    case 20:
      memo->SetSelStart(arg * 3 - 4);
      memo->SetSelLength(arg - 7);
      break;
    case 21:
      host.PressKey('A', {ssCtrl});
      break;
    case 22:
      host.AdvanceTime(300 * arg);
      break;
    case 23:
      host.PressKey('Z', {ssCtrl});
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t options = data[0];
  const size_t scriptLength = std::min<size_t>(data[1], size - 2);
  const uint8_t* script = data + 2;
  const std::string clipboard(reinterpret_cast<const char*>(data + 2 + scriptLength),
                              size - 2 - scriptLength);

  fw::TestHost host(320, 200);
  auto* edit = new fw::TEdit(host.Form());
  edit->SetParent(host.Form());
  edit->SetBounds(10, 10, 150, 21);
  auto* memo = new fw::TMemo(host.Form());
  memo->SetParent(host.Form());
  memo->SetBounds(10, 40, 150, 100);
  const int maxLength = options & 7;
  edit->SetMaxLength(maxLength * 3);
  memo->SetMaxLength(maxLength * 5);
  edit->SetReadOnly(options & 8);
  if (options & 16) edit->SetPasswordChar(U'*');
  memo->SetWordWrap(options & 32);
  memo->SetScrollBars(options & 64 ? fw::ssBoth : fw::ssNone);
  host.Show();
  host.SetClipboardText(clipboard);

  // Paste into both, then follow the script.
  edit->SetFocus();
  host.PressKey('V', {fw::ssCtrl});
  memo->SetFocus();
  host.PressKey('V', {fw::ssCtrl});
  edit->SetFocus();
  CheckEdit(*edit);
  CheckMemo(*memo);
  for (size_t i = 0; i < scriptLength; ++i) {
    Step(host, edit, memo, script[i]);
    host.ProcessMessages();
    CheckEdit(*edit);
    CheckMemo(*memo);
  }
  // The text reads the same when set again.
  const std::string editText = edit->Text();
  edit->SetText(editText);
  Check(edit->Text() == editText);
  const std::string memoText = memo->Text();
  memo->SetText(memoText);
  Check(memo->Text() == memoText);
  return 0;
}
