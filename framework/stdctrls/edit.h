// TCustomEdit and TEdit: a single-line text box with caret, selection, clipboard commands,
// horizontal scrolling, password masking and a change notification derived controls can filter.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/controls/customcontrol.h"
#include "framework/controls/form.h"

namespace fw {

// Milliseconds between two caret blinks, and the id of the blink timer on the control's
// window (derived controls keep their own timers off it).
inline constexpr unsigned kCaretBlinkTime = 530;
inline constexpr UINT kCaretTimerId = 0xCA7E;

// Positions (SelStart, SelLength, MaxLength) count Unicode code points; the caret never lands
// inside a code point's bytes.
//
// The order of events, which a control that filters its text relies on:
//  - a key goes to KeyDown (navigation, deletion, clipboard keys) or KeyPress (characters),
//    each after the OnKeyDown / OnKeyPress handlers, which may set the key to 0 to drop it;
//  - an edit changes the text and places the caret first, then calls Change once;
//  - Change may set Text, SelStart or SelLength again (to put back an accepted text and move
//    the caret); the nested text change calls Change once more, and what Change leaves is
//    what the user sees.
// Every text change calls Change: typing, deleting, cutting, pasting and setting Text (to a
// different value; setting the same text changes nothing and calls nothing), except the text
// read from a form while csLoading is set.
class TCustomEdit : public TCustomControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);
  ~TCustomEdit() override;

  // --- Text is the control's Text (TControl::Text / SetText). Setting it keeps the caret at
  // its position (at most the new length) with nothing selected, and clears Modified.

  // --- Selection: SelStart is where it begins, SelLength how many characters it covers.
  // Setting SelStart places the caret there with nothing selected; setting SelLength selects
  // that many characters from SelStart (both brought within the text).
  int SelStart() const { return std::min(anchor_, caret_); }
  void SetSelStart(int value);
  int SelLength() const { return std::abs(caret_ - anchor_); }
  void SetSelLength(int value);
  std::string SelText() const;
  // Replaces the selection with `value` (the caret after it); a change like typing, though
  // neither ReadOnly nor MaxLength hold it back.
  void SetSelText(const std::string& value);
  // The caret's position (the moving end of the selection).
  int CaretPos() const { return caret_; }
  void SelectAll();
  void ClearSelection();
  void Clear() { SetText(""); }

  // --- Undo: one level. The last edit of the user's (typing, deleting, cutting, pasting; a
  // run of characters typed one after another counts as one edit) can be taken back; taking
  // it back is itself an edit, so a second Undo restores it. Setting Text forgets it.
  bool CanUndo() const { return canUndo_; }
  void Undo();
  void ClearUndo() { canUndo_ = false; }

  // --- Clipboard. A password field never copies its text out. Cutting and pasting do
  // nothing while ReadOnly. Pasted text stops at its first line break and is cut to what
  // MaxLength leaves room for.
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();

  // --- Properties
  // Most characters typing or pasting may bring the text to (0: no limit). A text set in code
  // may be longer.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  // Focus from the keyboard selects the whole text.
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  // Keeps the height fitted to the font (text height plus border and margins).
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  // Hides the selection while the control has no focus.
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  // Shown instead of every character (0: the text itself).
  char32_t PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char32_t value);
  // The user changed the text since it was last set in code.
  bool Modified() const { return modified_; }
  void SetModified(bool value) { modified_ = value; }

  // --- Geometry, in client coordinates.
  // The area the text is drawn in (inside the border and margins).
  virtual TRect TextArea() const;
  // The x of the caret line before character `index`, and the character position nearest x.
  int PositionToX(int index) const;
  int XToPosition(int x) const;
  // Pixels of text scrolled out on the left.
  int ScrollOffset() const { return scrollX_; }
  // Whether the blinking caret is in its visible phase (only while focused).
  bool CaretShown() const { return caretOn_ && Focused(); }

  TNotifyEvent OnChange;

 protected:
  // Fires OnChange; see the order of events above.
  virtual void Change();
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void DoEnter() override;
  void DoExit() override;
  void Paint() override;
  void WndProc(TMessage& message) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Loaded() override;
  void Resize() override;

  // Replaces the selection with `text` as typing does: nothing while ReadOnly; cut to what
  // MaxLength leaves room for. True when the text changed.
  bool InsertText(const std::string& text);
  // Deletes the selection, or else the characters from the caret to `to`.
  void DeleteTo(int to);
  // Moves the caret to `pos`, extending the selection from its anchor when `extend`.
  void MoveCaret(int pos, bool extend);
  // Replaces characters [from, to) with `text`, the caret then at `caretAfter`.
  void ReplaceRange(int from, int to, const std::string& text, int caretAfter);
  // Height for AutoSize.
  void AdjustHeight();
  // Scrolls so the caret is inside the text area.
  virtual void ScrollCaretIntoView();
  // The character position under a client point (mouse placement and drag selection).
  virtual int HitTest(int X, int Y) const;
  // What pasting inserts of the clipboard's text (here its first line).
  virtual std::string PasteText(const std::string& clipboard) const;
  void DrawBorder(TCanvas* canvas);
  // Shows the caret at once and restarts its blink.
  void RestartCaret();
  // The text as drawn (masked for a password field).
  std::string DisplayText() const;
  int TextLength() const;

 private:
  void TextChanged();
  void SelectionChanged();
  void StartBlink();
  void StopBlink();

  int anchor_ = 0;
  int caret_ = 0;
  int maxLength_ = 0;
  bool readOnly_ = false;
  bool autoSelect_ = true;
  bool autoSize_ = true;
  TFormBorderStyle borderStyle_ = bsSingle;
  bool hideSelection_ = true;
  char32_t passwordChar_ = 0;
  bool modified_ = false;
  int scrollX_ = 0;
  bool caretOn_ = false;
  bool blinking_ = false;
  bool selecting_ = false;
  // Set while an edit of the control's own replaces the text: the caret it leaves.
  int pendingCaret_ = -1;
  bool userEdit_ = false;
  // Undo: the text and selection before the last edit; a typed run continues at typingEnd_.
  bool canUndo_ = false;
  std::string undoText_;
  int undoAnchor_ = 0;
  int undoCaret_ = 0;
  bool typing_ = false;
  int typingEnd_ = -1;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* AOwner);
};

}  // namespace fw
