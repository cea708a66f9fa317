// TNumIO's filter: every change of the edit text is converted and either accepted (in
// fixed-point format rewritten with its decimals) or undone.

#include <algorithm>

#include "framework/controls/beep.h"
#include "numio/ZEB_NumIO.h"

namespace zeb {
namespace {

// 1-based position of the first c in text at or after `from`, 0 when there is none.
int PosFrom(const std::string& text, char c, int from) {
  const std::size_t at = text.find(c, static_cast<std::size_t>(from - 1));
  return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

}  // namespace

// Where the caret goes when the point of a fixed-point text was deleted or doubled: after
// the point of the last accepted text. The text itself is always replaced afterwards, by
// the rewritten number or by the last accepted text, so only the caret survives this rule.
int TNumIO::FixPointCaret(const std::string& text) const {
  const int p = PosFrom(text, '.', 1);
  const int q = p > 0 ? PosFrom(text, '.', p + 1) : 0;
  const int lastPoint = PosFrom(lastAccepted_, '.', 1);
  // A text without a point after one without a point (the first digits typed into an empty
  // field) lost no point: the caret stays after what was typed.
  if (p == 0 && lastPoint == 0) return -1;
  return (p == 0 || p < q) ? lastPoint : -1;
}

void TNumIO::Change() {
  Filter();
  // A field that no longer shows the text SetLabValue wrote holds the value of its text.
  if (kept_ && kept_->text != Text()) kept_.reset();
}

void TNumIO::Filter() {
  if (ComponentState().Contains(fw::csDesigning)) return;
  if (skipNextChange_) {
    skipNextChange_ = false;
    return;
  }
  // While a form is read the range may not be complete yet; Loaded filters the text once.
  if (ComponentState().Contains(fw::csLoading)) return;

  const std::string text = Text();
  int caret = inputFormat_ == itFixPoint ? FixPointCaret(text) : -1;
  std::string shown = text;

  double value = 0;
  bool accepted = zeb::ConvertNumString(text, inputFormat_,
                                        nio::EditTextSep(inputFormat_, decPlaceSep_), value);
  if (accepted && inputFormat_ == itFixPoint)
    shown = nio::FormatNumStr(1, fixPointDecPlaces_, value);
  accepted = accepted && ((rangeLow_ <= value && value <= rangeHigh_) || value == 0);

  if (accepted) {
    // The text the user sees is the one a later refusal returns to.
    lastAccepted_ = shown;
    if (shown != text) SetTextUnfiltered(shown);
    if (caret >= 0) SetSelStart(caret);
    fw::TCustomEdit::Change();
    return;
  }

  // Refused: back to the last accepted text, the caret one place left of where the change
  // left it, at once on screen, and the optional beep. A refusal that restores the text
  // already shown (a setting changed on an empty field) changes nothing and stays silent.
  if (text == lastAccepted_) return;
  const int c = caret >= 0 ? caret : SelStart();
  SetTextUnfiltered(lastAccepted_);
  SetSelStart(std::max(c - 1, 0));
  Update();
  if (beep_) fw::MessageBeep(0);
}

}  // namespace zeb
