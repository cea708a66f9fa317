// TCustomEdit input: caret keys, deletion, clipboard keys, typed characters, mouse selection,
// focus and the caret's blink.
#include <algorithm>

#include "framework/controls/application.h"
#include "framework/controls/clipboard.h"
#include "framework/rtl/utf8.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/text_positions.h"

namespace fw {

void TCustomEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  const bool ctrl = Shift.Contains(ssCtrl);
  const bool shift = Shift.Contains(ssShift);
  const std::string& text = Text();
  switch (Key) {
    case VK_LEFT:
      // Without Shift a selection collapses to its start.
      if (!shift && !ctrl && SelLength() > 0)
        MoveCaret(SelStart(), false);
      else
        MoveCaret(ctrl ? textpos::PrevWordStart(text, caret_) : caret_ - 1, shift);
      break;
    case VK_RIGHT:
      if (!shift && !ctrl && SelLength() > 0)
        MoveCaret(SelStart() + SelLength(), false);
      else
        MoveCaret(ctrl ? textpos::NextWordStart(text, caret_) : caret_ + 1, shift);
      break;
    case VK_HOME:
      MoveCaret(0, shift);
      break;
    case VK_END:
      MoveCaret(TextLength(), shift);
      break;
    case VK_BACK:
      DeleteTo(ctrl ? textpos::PrevWordStart(text, caret_) : caret_ - 1);
      break;
    case VK_DELETE:
      if (shift)
        CutToClipboard();
      else
        DeleteTo(ctrl ? textpos::NextWordStart(text, caret_) : caret_ + 1);
      break;
    case VK_INSERT:
      if (ctrl)
        CopyToClipboard();
      else if (shift)
        PasteFromClipboard();
      break;
    default:
      if (!ctrl || Shift.Contains(ssAlt)) return;
      switch (Key) {
        case 'A':
          SelectAll();
          break;
        case 'C':
          CopyToClipboard();
          break;
        case 'X':
          CutToClipboard();
          break;
        case 'V':
          PasteFromClipboard();
          break;
        case 'Z':
          Undo();
          break;
        default:
          return;
      }
  }
  Key = 0;
}

// Characters below the blank (and DEL) are keys, not text: KeyDown handled them.
void TCustomEdit::KeyPress(char32_t& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == 0 || Key < U' ' || Key == 0x7F) return;
  typing_ = true;
  const bool typed = InsertText(EncodeUtf8(Key));
  typing_ = false;
  typingEnd_ = typed ? caret_ : -1;
}

// --- Clipboard

void TCustomEdit::CopyToClipboard() {
  if (passwordChar_ != 0 || SelLength() == 0) return;
  Clipboard()->SetAsText(SelText());
}

void TCustomEdit::CutToClipboard() {
  if (readOnly_ || passwordChar_ != 0 || SelLength() == 0) return;
  CopyToClipboard();
  ClearSelection();
}

void TCustomEdit::PasteFromClipboard() {
  if (readOnly_) return;
  InsertText(PasteText(Clipboard()->AsText()));
}

std::string TCustomEdit::PasteText(const std::string& clipboard) const {
  return textpos::FirstLine(clipboard);
}

// --- Mouse: a press places the caret (Shift extends), a drag selects, a double click
// selects the word.

void TCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    if (CanFocus() && !Focused()) SetFocus();
    if (!Shift.Contains(ssDouble)) {
      MoveCaret(HitTest(X, Y), Shift.Contains(ssShift));
      selecting_ = true;
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomEdit::MouseMove(TShiftState Shift, int X, int Y) {
  if (selecting_ && Shift.Contains(ssLeft)) {
    const int pos = HitTest(X, Y);
    if (pos != caret_) MoveCaret(pos, true);
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) selecting_ = false;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomEdit::DblClick() {
  int from = 0;
  int to = 0;
  textpos::WordAt(Text(), caret_, from, to);
  anchor_ = from;
  caret_ = to;
  SelectionChanged();
  TCustomControl::DblClick();
}

// --- Focus and caret

// Focus that does not come from a mouse press selects everything when AutoSelect.
void TCustomEdit::DoEnter() {
  const bool byMouse = Application && Application->Input().ShiftState().Contains(ssLeft);
  if (autoSelect_ && !byMouse) SelectAll();
  Invalidate();
  TCustomControl::DoEnter();
}

void TCustomEdit::DoExit() {
  Invalidate();
  TCustomControl::DoExit();
}

void TCustomEdit::CreateWnd() {
  TCustomControl::CreateWnd();
  AdjustHeight();
  if (Focused()) StartBlink();
}

void TCustomEdit::DestroyWnd() {
  StopBlink();
  TCustomControl::DestroyWnd();
}

void TCustomEdit::StartBlink() {
  caretOn_ = true;
  blinking_ = HandleAllocated() && SetTimer(Handle(), kCaretTimerId, kCaretBlinkTime);
  Invalidate();
}

void TCustomEdit::StopBlink() {
  if (blinking_ && HandleAllocated()) KillTimer(Handle(), kCaretTimerId);
  blinking_ = false;
  caretOn_ = false;
}

void TCustomEdit::RestartCaret() {
  if (!Focused()) return;
  StartBlink();
}

}  // namespace fw
