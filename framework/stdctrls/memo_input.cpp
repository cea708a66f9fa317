// TCustomMemo input: line-wise caret keys, Enter and Tab as text, the wheel and the scroll
// bars.
#include <algorithm>
#include <cstdint>

#include "framework/stdctrls/memo.h"

namespace fw {

namespace {
constexpr int kWheelRows = 3;
// Pixels the sideways arrows scroll.
constexpr int kSidewaysStep = 8;
}  // namespace

void TCustomMemo::MoveVertically(int rows, bool extend) {
  const std::vector<Row>& all = DisplayRows();
  const int row = RowOfPosition(CaretPos());
  const int target = std::clamp(row + rows, 0, static_cast<int>(all.size()) - 1);
  if (goalCaret_ != CaretPos())
    goalX_ = RowX(all[static_cast<std::size_t>(row)], CaretPos()) + scrollX_;
  MoveCaret(RowHit(all[static_cast<std::size_t>(target)], goalX_ - scrollX_), extend);
  goalCaret_ = CaretPos();
}

void TCustomMemo::KeyDown(uint16_t& Key, TShiftState Shift) {
  const bool ctrl = Shift.Contains(ssCtrl);
  const bool shift = Shift.Contains(ssShift);
  const std::vector<Row>& rows = DisplayRows();
  const int row = RowOfPosition(CaretPos());
  const Row current = rows[static_cast<std::size_t>(row)];
  const bool wrapped = row + 1 < static_cast<int>(rows.size()) &&
                       rows[static_cast<std::size_t>(row) + 1].start == current.end;
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
      if (ctrl) break;
      OnKeyDown(this, Key, Shift);
      if (Key == 0) return;
      MoveVertically(Key == VK_UP ? -1 : 1, shift);
      Key = 0;
      return;
    case VK_PRIOR:
    case VK_NEXT: {
      OnKeyDown(this, Key, Shift);
      if (Key == 0) return;
      const int page = VisibleRows();
      SetTopRow(topRow_ + (Key == VK_NEXT ? page : -page));
      MoveVertically(Key == VK_NEXT ? page : -page, shift);
      Key = 0;
      return;
    }
    case VK_HOME:
    case VK_END:
      if (ctrl) break;  // Ctrl+Home / Ctrl+End: the text's ends, as in the edit
      OnKeyDown(this, Key, Shift);
      if (Key == 0) return;
      // End of a wrapped row stops before the blank it ends with, so the caret stays on it.
      MoveCaret(Key == VK_HOME ? current.start : current.end - (wrapped ? 1 : 0), shift);
      Key = 0;
      return;
    default:
      break;
  }
  TCustomEdit::KeyDown(Key, Shift);
}

void TCustomMemo::KeyPress(char32_t& Key) {
  TCustomEdit::KeyPress(Key);
  if (Key == U'\r' && wantReturns_) {
    InsertText("\n");
    Key = 0;
  } else if (Key == U'\t' && wantTabs_) {
    InsertText("\t");
    Key = 0;
  }
}

void TCustomMemo::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && barTracker_.MouseDown({X, Y})) {
    if (CanFocus() && !Focused()) SetFocus();
    return;
  }
  TCustomEdit::MouseDown(Button, Shift, X, Y);
}

void TCustomMemo::MouseMove(TShiftState Shift, int X, int Y) {
  if (barTracker_.MouseMove({X, Y})) return;
  TCustomEdit::MouseMove(Shift, X, Y);
}

void TCustomMemo::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && barTracker_.MouseUp({X, Y})) return;
  TCustomEdit::MouseUp(Button, Shift, X, Y);
}

// A press on a bar ends with the focus (a dialog took it, the release may never come).
void TCustomMemo::DoExit() {
  barTracker_.Cancel();
  TCustomEdit::DoExit();
}

// Arrows scroll a row (or a few pixels across), the track a page.
void TCustomMemo::BarStep(bool vertical, TScrollBarPart part) {
  const TScrollBarRange range = BarLayout(vertical).Range();
  const int line = vertical ? 1 : kSidewaysStep;
  int64_t target = range.position;
  if (part == sbpLineBack) target -= line;
  if (part == sbpLineForward) target += line;
  if (part == sbpPageBack) target -= range.page;
  if (part == sbpPageForward) target += range.page;
  BarThumbTo(vertical, static_cast<int>(std::clamp<int64_t>(target, 0, range.max)));
}

void TCustomMemo::BarThumbTo(bool vertical, int position) {
  if (vertical) {
    SetTopRow(position);
  } else if (position != scrollX_) {
    scrollX_ = std::clamp(position, 0, MaxHorzOffset());
    Invalidate();
  }
}

bool TCustomMemo::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomEdit::DoMouseWheelDown(Shift, MousePos)) return true;
  SetTopRow(topRow_ + kWheelRows);
  return true;
}

bool TCustomMemo::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomEdit::DoMouseWheelUp(Shift, MousePos)) return true;
  SetTopRow(topRow_ - kWheelRows);
  return true;
}

}  // namespace fw
