// TNumIO2's keyboard: key-downs forwarded to the parent under KeyPreview, the editing keys,
// the clipboard keys, the typing test that refuses a key, and the caret blink timer.
#include "framework/controls/application.h"
#include "framework/controls/beep.h"
#include "framework/controls/clipboard.h"
#include "framework/controls/key_forwarding.h"
#include "numio/ZEB_NumIO.h"

namespace zeb {

namespace {

constexpr fw::UINT kCaretTimerId = 1;
constexpr fw::UINT kCaretBlinkMs = 500;
constexpr uint32_t kRefusedKeyBeep = 0xFFFF;

// The clipboard text up to its first line break.
std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

}  // namespace

void TNumIO2::WndProc(fw::TMessage& message) {
  switch (message.Msg) {
    case fw::WM_KEYDOWN: {
      // The panel handles its key-downs itself; the form's preview comes through the parent.
      uint16_t key = static_cast<uint16_t>(message.WParam);
      if (fw::ForwardKeyDownToParent(this, key)) return;
      KeyDown(key, fw::KeyShiftState());
      return;
    }
    case fw::WM_GETDLGCODE:
      message.Result = fw::DLGC_WANTARROWS | fw::DLGC_WANTCHARS;
      return;
    default:
      fw::TCustomControl::WndProc(message);
  }
}

void TNumIO2::KeyDown(uint16_t& Key, fw::TShiftState Shift) {
  const fw::TControlRef alive = Ref();
  fw::TCustomControl::KeyDown(Key, Shift);  // OnKeyDown, which may drop the key
  if (!alive || Key == 0) return;
  HandleKey(Key, Shift);
}

void TNumIO2::KeyUp(uint16_t& Key, fw::TShiftState Shift) {
  if (Key == fw::VK_SHIFT) shiftDown_ = false;
  if (Key == fw::VK_CONTROL) ctrlDown_ = false;
  fw::TCustomControl::KeyUp(Key, Shift);
}

// One key: Shift and Ctrl set their flags (the held modifiers count too, so a key-up missed
// while another control had the focus leaves nothing stuck); other keys edit unless the panel
// is read-only or blocks the keyboard (Ctrl+C copies even then).
void TNumIO2::HandleKey(uint16_t key, fw::TShiftState shift) {
  shiftDown_ = key == fw::VK_SHIFT || shift.Contains(fw::ssShift);
  ctrlDown_ = key == fw::VK_CONTROL || shift.Contains(fw::ssCtrl);
  if (key == fw::VK_SHIFT || key == fw::VK_CONTROL) return;
  // Copying changes nothing, so it works in a read-only panel too and keeps the selection.
  if (ctrlDown_ && key == 'C') {
    if (editor_.HasSelection()) fw::Clipboard()->SetAsText(editor_.SelectedText());
    return;
  }
  if (!CanEdit()) return;
  const TNioEditor saved = editor_;
  const bool known = ctrlDown_ ? HandleCtrlKey(key) : HandleEditKey(key, shiftDown_);
  if (!known) return Fail();
  FinishKey(saved);
}

bool TNumIO2::HandleCtrlKey(uint16_t key) {
  switch (key) {
    case 'X':
      if (editor_.HasSelection()) {
        fw::Clipboard()->SetAsText(editor_.SelectedText());
        DeleteKey(false);
      }
      return true;
    case 'V':
      if (fw::Clipboard()->HasFormat(fw::CF_TEXT))
        editor_.Insert(FirstLine(fw::Clipboard()->AsText()));
      return true;
    default:
      return false;
  }
}

bool TNumIO2::HandleEditKey(uint16_t key, bool shift) {
  switch (key) {
    case fw::VK_BACK:
      DeleteKey(false);
      return true;
    case fw::VK_DELETE:
      DeleteKey(true);
      return true;
    case fw::VK_TAB:
      if (Parent()) Parent()->Perform(fw::WM_NEXTDLGCTL, shift ? 1 : 0, 0);
      return true;
    case fw::VK_END:
      editor_.MoveCaret(editor_.Length());
      return true;
    case fw::VK_HOME:
      editor_.MoveCaret(0);
      return true;
    case fw::VK_LEFT:
    case fw::VK_UP:
      editor_.MoveCaret(editor_.caret - 1);
      return true;
    case fw::VK_RIGHT:
    case fw::VK_DOWN:
      editor_.MoveCaret(editor_.caret + 1);
      return true;
    default:
      break;
  }
  const char c = NioKeyChar(key, shift);
  if (c == 0) return false;
  editor_.Insert(std::string_view(&c, 1));
  return true;
}

// Backspace or Delete; a deleted selection that leaves nothing writes the value 0.
void TNumIO2::DeleteKey(bool forward) {
  if (editor_.HasSelection() && editor_.selEnd - editor_.selBegin == editor_.Length()) {
    const int begin = editor_.selBegin;
    SetShownValue(0);
    editor_.caret = editor_.selEnd = begin;
    editor_.Clamp();
    return;
  }
  if (forward)
    editor_.DeleteForward();
  else
    editor_.Backspace();
}

// The typing test, then the selection rule of itFixPoint, the caret shown, OnChange.
void TNumIO2::FinishKey(const TNioEditor& saved) {
  if (!NioAcceptableText(editor_.text, format_)) {
    editor_ = saved;
    return Fail();
  }
  editor_.Clamp();
  const int n = editor_.Length();
  if (format_.InputFormat == itFixPoint && editor_.caret > n - format_.FixPointDecPlaces - 1) {
    editor_.selBegin = editor_.caret;
    editor_.selEnd = std::min(editor_.caret + 1, n);
  } else {
    editor_.selBegin = editor_.selEnd = editor_.caret;
  }
  caretOn_ = true;
  Invalidate();
  if (editor_.text != saved.text) Changed();
}

// A refused key: the beep when asked for, the panel unchanged.
void TNumIO2::Fail() {
  if (beep_) fw::MessageBeep(kRefusedKeyBeep);
  Invalidate();
}

// ---- focus and the caret timer ----------------------------------------------------------

void TNumIO2::SetFocus() {
  fw::TCustomControl::SetFocus();
  if (CanEdit() && Focused()) UpdateTimer();
}

void TNumIO2::Click() {
  if (CanFocus() && !Focused()) SetFocus();
  fw::TCustomControl::Click();
}

void TNumIO2::DoEnter() {
  if (CanEdit()) UpdateTimer();
  fw::TCustomControl::DoEnter();
}

void TNumIO2::DoExit() {
  StopTimer();
  dragAnchor_ = -1;
  fw::TCustomControl::DoExit();
}

void TNumIO2::UpdateTimer() {
  fw::KillTimer(timerWindow_.get(), kCaretTimerId);
  caretOn_ = true;
  if (!fw::SetTimer(timerWindow_.get(), kCaretTimerId, kCaretBlinkMs))
    throw EZEBNumIO2Error("Component \"" + Name() + "\": no timer available");
  Invalidate();
}

void TNumIO2::StopTimer() {
  fw::KillTimer(timerWindow_.get(), kCaretTimerId);
  if (!caretOn_) return;
  caretOn_ = false;
  Invalidate();
}

void TNumIO2::TimerTick() {
  try {
    if (Focused() && CanEdit()) {
      caretOn_ = !caretOn_;
      Invalidate();
    } else {
      StopTimer();
    }
  } catch (...) {
    fw::Application->HandleException(this);
  }
}

}  // namespace zeb
