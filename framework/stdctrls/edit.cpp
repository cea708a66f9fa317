// TCustomEdit model: text, selection, changes and their notification, and the properties.
#include "framework/stdctrls/edit.h"

#include <algorithm>

#include "framework/graphics/text_engine.h"
#include "framework/stdctrls/text_positions.h"

namespace fw {

TCustomEdit::TCustomEdit(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque});
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetCursor(crIBeam);
  SetColor(clWindow);
  // The height fits the font once the window exists (CreateWnd) or the font changes.
}

TCustomEdit::~TCustomEdit() {
  StopBlink();
}

TEdit::TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

int TCustomEdit::TextLength() const {
  return textpos::CharCount(Text());
}

// --- Selection

void TCustomEdit::SetSelStart(int value) {
  anchor_ = caret_ = std::clamp(value, 0, TextLength());
  SelectionChanged();
}

void TCustomEdit::SetSelLength(int value) {
  const int start = SelStart();
  anchor_ = start;
  caret_ = std::clamp(start + std::max(value, 0), 0, TextLength());
  SelectionChanged();
}

std::string TCustomEdit::SelText() const {
  return textpos::Slice(Text(), SelStart(), SelStart() + SelLength());
}

void TCustomEdit::SetSelText(const std::string& value) {
  const int start = SelStart();
  ReplaceRange(start, start + SelLength(), value, start + textpos::CharCount(value));
}

void TCustomEdit::SelectAll() {
  anchor_ = 0;
  caret_ = TextLength();
  SelectionChanged();
}

void TCustomEdit::ClearSelection() {
  if (readOnly_ || SelLength() == 0) return;
  DeleteTo(caret_);
}

void TCustomEdit::MoveCaret(int pos, bool extend) {
  caret_ = std::clamp(pos, 0, TextLength());
  if (!extend) anchor_ = caret_;
  SelectionChanged();
}

void TCustomEdit::SelectionChanged() {
  ScrollCaretIntoView();
  RestartCaret();
  Invalidate();
}

// --- Changes

void TCustomEdit::ReplaceRange(int from, int to, const std::string& text, int caretAfter) {
  const std::string& old = Text();
  const std::size_t a = textpos::ByteOffset(old, from);
  const std::size_t b = textpos::ByteOffset(old, to);
  std::string next = old.substr(0, a) + text + old.substr(b);
  if (next == old) {
    MoveCaret(caretAfter, false);
    return;
  }
  // A character typed where the previous one ended extends that edit; anything else starts
  // a new one, remembering what it replaces.
  const bool continuesTyping = typing_ && canUndo_ && from == to && from == typingEnd_;
  if (!continuesTyping) {
    undoText_ = old;
    undoAnchor_ = anchor_;
    undoCaret_ = caret_;
  }
  typingEnd_ = -1;
  pendingCaret_ = std::max(caretAfter, 0);
  userEdit_ = true;
  SetText(next);  // CM_TEXTCHANGED: TextChanged, then Change
  canUndo_ = true;
}

// Swaps the text with the one before the last edit, so Undo twice changes nothing.
void TCustomEdit::Undo() {
  if (!canUndo_ || readOnly_) return;
  const std::string current = Text();
  const int anchor = anchor_;
  const int caret = caret_;
  const std::string previous = undoText_;
  const int previousAnchor = undoAnchor_;
  const int previousCaret = undoCaret_;
  undoText_ = current;
  undoAnchor_ = anchor;
  undoCaret_ = caret;
  typingEnd_ = -1;
  if (previous != current) {
    pendingCaret_ = previousCaret;
    userEdit_ = true;
    SetText(previous);
  }
  canUndo_ = true;
  const int length = TextLength();
  anchor_ = std::clamp(previousAnchor, 0, length);
  caret_ = std::clamp(previousCaret, 0, length);
  SelectionChanged();
}

bool TCustomEdit::InsertText(const std::string& text) {
  if (readOnly_) return false;
  std::string piece = text;
  if (maxLength_ > 0) {
    const int room = maxLength_ - (TextLength() - SelLength());
    if (room <= 0) return false;
    piece = textpos::Slice(piece, 0, room);
  }
  if (piece.empty() && SelLength() == 0) return false;
  const int start = SelStart();
  const std::string before = Text();
  ReplaceRange(start, start + SelLength(), piece, start + textpos::CharCount(piece));
  return Text() != before;
}

void TCustomEdit::DeleteTo(int to) {
  if (readOnly_) return;
  if (SelLength() > 0) {
    const int start = SelStart();
    ReplaceRange(start, start + SelLength(), "", start);
    return;
  }
  to = std::clamp(to, 0, TextLength());
  if (to == caret_) return;
  const int from = std::min(to, caret_);
  ReplaceRange(from, std::max(to, caret_), "", from);
}

// The text changed (by an edit of the control's own or by setting Text): place the caret,
// scroll, repaint, then tell Change.
void TCustomEdit::TextChanged() {
  const int length = TextLength();
  if (pendingCaret_ >= 0) {
    anchor_ = caret_ = std::min(pendingCaret_, length);
  } else {
    anchor_ = caret_ = std::min(caret_, length);
  }
  modified_ = userEdit_;
  // Text set from outside replaces what an Undo would go back to.
  if (!userEdit_) canUndo_ = false;
  pendingCaret_ = -1;
  userEdit_ = false;
  ScrollCaretIntoView();
  RestartCaret();
  Invalidate();
  // A text read from a form is the starting state, not a change: properties read after it
  // (a filter's settings) are not there yet.
  if (ComponentState().Contains(csLoading)) return;
  Change();
}

void TCustomEdit::Change() {
  OnChange(this);
}

// --- Properties

void TCustomEdit::SetMaxLength(int value) {
  maxLength_ = std::max(value, 0);
}

void TCustomEdit::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  AdjustHeight();
}

void TCustomEdit::SetBorderStyle(TFormBorderStyle value) {
  if (value != bsNone) value = bsSingle;
  if (value == borderStyle_) return;
  borderStyle_ = value;
  AdjustHeight();
  Invalidate();
}

void TCustomEdit::SetHideSelection(bool value) {
  if (value == hideSelection_) return;
  hideSelection_ = value;
  Invalidate();
}

void TCustomEdit::SetPasswordChar(char32_t value) {
  if (value == passwordChar_) return;
  passwordChar_ = value;
  ScrollCaretIntoView();
  Invalidate();
}

std::string TCustomEdit::DisplayText() const {
  return textpos::Masked(Text(), passwordChar_);
}

void TCustomEdit::AdjustHeight() {
  if (!autoSize_ || ComponentState().Contains(csLoading)) return;
  const int textHeight = MeasureText(Font()->Spec(), "").height;
  const int frame = borderStyle_ == bsSingle ? 2 : 0;
  SetHeight(textHeight + 2 * frame + 4);
}

void TCustomEdit::Loaded() {
  TCustomControl::Loaded();
  AdjustHeight();
}

void TCustomEdit::Resize() {
  ScrollCaretIntoView();
  TCustomControl::Resize();
}

void TCustomEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED:
      TextChanged();
      break;
    case CM_FONTCHANGED:
      AdjustHeight();
      ScrollCaretIntoView();
      break;
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_TIMER:
      if (message.WParam != kCaretTimerId) break;
      caretOn_ = !caretOn_;
      Invalidate();
      return;
    case WM_SETFOCUS:
      StartBlink();
      break;
    case WM_KILLFOCUS:
      StopBlink();
      selecting_ = false;
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

}  // namespace fw
