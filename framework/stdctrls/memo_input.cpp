// TCustomMemo input: line-wise caret keys, Enter and Tab as text, the wheel and scroll bar
// clicks.
#include <algorithm>

#include "framework/stdctrls/memo.h"

namespace fw {

namespace {
constexpr int kWheelRows = 3;
constexpr int kBarSize = 16;
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
  if (Button == mbLeft && BarClick(X, Y)) {
    if (CanFocus() && !Focused()) SetFocus();
    return;
  }
  TCustomEdit::MouseDown(Button, Shift, X, Y);
}

// Arrows scroll a row (or a few pixels across), the track a page.
bool TCustomMemo::BarClick(int X, int Y) {
  const TPoint p{X, Y};
  const TRect vert = VertScrollBarRect();
  if (PtInRect(vert, p)) {
    const int page = VisibleRows();
    if (Y < vert.Top + kBarSize)
      SetTopRow(topRow_ - 1);
    else if (Y >= vert.Bottom - kBarSize)
      SetTopRow(topRow_ + 1);
    else
      SetTopRow(topRow_ + (Y < (vert.Top + vert.Bottom) / 2 ? -page : page));
    return true;
  }
  const TRect horz = HorzScrollBarRect();
  if (PtInRect(horz, p)) {
    const int step =
        X < horz.Left + kBarSize || X >= horz.Right - kBarSize ? 8 : TextArea().Width();
    const bool left = X < (horz.Left + horz.Right) / 2;
    scrollX_ = std::clamp(scrollX_ + (left ? -step : step), 0, MaxHorzOffset());
    Invalidate();
    return true;
  }
  return false;
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
