// TCustomGrid input: clicks and drags select cells, drag grid lines to size, scroll bar clicks
// and thumb drags, the wheel, and keyboard navigation.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "framework/grids/grids.h"
#include "framework/grids/inplace_edit.h"

namespace fw {

namespace {
// How far from a line the pointer may be and still grab it for sizing.
constexpr int kSizingSlack = 2;
// Rows scrolled per wheel notch.
constexpr int kWheelRows = 3;
}  // namespace

// Column lines grab in the fixed rows (goColSizing), row lines in the fixed columns (goRowSizing).
bool TCustomGrid::SizingHit(int X, int Y, bool& isCol, int& index) const {
  const TRect area = CellsArea();
  const Axis h = HorzAxis();
  const Axis v = VertAxis();
  const int fixedW = FixedExtent(h, colWidths_, defaultColWidth_);
  const int fixedH = FixedExtent(v, rowHeights_, defaultRowHeight_);
  auto nearLine = [&](const Axis& a, bool horizontal, int pos) {
    int p = 0;
    const int defaultSize = horizontal ? defaultColWidth_ : defaultRowHeight_;
    for (int i = 0; i < a.count && p < a.extent;
         i = NextInWalk(a, Sizes(horizontal), defaultSize, i)) {
      if (i == a.fixed && i < a.first) i = a.first;
      if (i >= a.count) break;
      const int line = i < a.fixed ? a.fixedLine : a.line;
      p += AxisSize(Sizes(horizontal), defaultSize, i);
      if (std::abs(pos - (p + line / 2)) <= kSizingSlack) return i;
      p += line;
    }
    return -1;
  };
  if (options_.Contains(goColSizing) && Y >= area.Top && Y < area.Top + fixedH) {
    index = nearLine(h, true, X - area.Left);
    isCol = true;
    if (index >= 0) return true;
  }
  if (options_.Contains(goRowSizing) && X >= area.Left && X < area.Left + fixedW) {
    index = nearLine(v, false, Y - area.Top);
    isCol = false;
    if (index >= 0) return true;
  }
  return false;
}

TGridCoord TCustomGrid::DragTarget(int X, int Y, TGridCoord fallback) const {
  const TRect area = CellsArea();
  const int b = BorderWidth();
  const Axis h = HorzAxis();
  const Axis v = VertAxis();
  const int fixedW = FixedExtent(h, colWidths_, defaultColWidth_);
  const int fixedH = FixedExtent(v, rowHeights_, defaultRowHeight_);
  auto along = [&](const Axis& a, const std::vector<int>& sizes, int defaultSize, int pos, int low,
                   int high, int current, int visible) {
    if (pos < low) return a.first;
    if (pos >= high) return a.first + std::max(visible, 1) - 1;
    const int hit = AxisHit(a, sizes, defaultSize, pos - b);
    return hit < 0 ? current : hit;
  };
  const int c = along(h, colWidths_, defaultColWidth_, X, area.Left + fixedW, area.Right,
                      fallback.X, VisibleColCount());
  const int r = along(v, rowHeights_, defaultRowHeight_, Y, area.Top + fixedH, area.Bottom,
                      fallback.Y, VisibleRowCount());
  return {std::clamp(c, fixedCols_, colCount_ - 1), std::clamp(r, fixedRows_, rowCount_ - 1)};
}

bool TCustomGrid::StartMoving(const TGridCoord& cell) {
  if (cell.X < 0 || cell.Y < 0) return false;
  if (options_.Contains(goColMoving) && cell.Y < fixedRows_ && cell.X >= fixedCols_) {
    gridState_ = gsColMoving;
    moveFrom_ = moveTo_ = cell.X;
    return true;
  }
  if (options_.Contains(goRowMoving) && cell.X < fixedCols_ && cell.Y >= fixedRows_) {
    gridState_ = gsRowMoving;
    moveFrom_ = moveTo_ = cell.Y;
    return true;
  }
  return false;
}

// The bars count the scrolling rows or columns: position 0 shows the first after the fixed ones.
TScrollBarLayout TCustomGrid::ScrollBarLayout(bool vertical) const {
  const TRect bar = vertical ? VertScrollBarRect() : HorzScrollBarRect();
  if (IsRectEmpty(bar)) return {};
  const int fixed = vertical ? fixedRows_ : fixedCols_;
  const int first = vertical ? topRow_ : leftCol_;
  const int maxFirst = vertical ? MaxTopRow() : MaxLeftCol();
  const int page = vertical ? VisibleRowCount() : VisibleColCount();
  return TScrollBarLayout(bar, vertical, {first - fixed, maxFirst - fixed, std::max(page, 1)});
}

// Arrows step one cell, the track a page of cells.
void TCustomGrid::ScrollBarStep(bool vertical, TScrollBarPart part) {
  const TScrollBarLayout bar = ScrollBarLayout(vertical);
  const TScrollBarRange& range = bar.Range();
  int64_t target = range.position;
  if (part == sbpLineBack) target -= 1;
  if (part == sbpLineForward) target += 1;
  if (part == sbpPageBack) target -= range.page;
  if (part == sbpPageForward) target += range.page;
  ScrollBarThumbTo(vertical, static_cast<int>(std::clamp<int64_t>(target, 0, range.max)));
}

void TCustomGrid::ScrollBarThumbTo(bool vertical, int position) {
  if (vertical)
    SetTopRow(fixedRows_ + position);
  else
    SetLeftCol(fixedCols_ + position);
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  pressOnCurrent_ = false;
  if (Button == mbLeft) {
    const bool wasFocused = Focused();
    if (CanFocus() && !Focused()) SetFocus();
    const TGridCoord pressed = MouseCoord(X, Y);
    pressOnCurrent_ =
        wasFocused && !Shift.Contains(ssShift) && pressed.X == col_ && pressed.Y == row_;
    scrollTracker_.followThumb = options_.Contains(goThumbTracking);
    if (scrollTracker_.MouseDown({X, Y})) {
      gridState_ = gsScrolling;
    } else {
      bool isCol = false;
      int index = -1;
      if (SizingHit(X, Y, isCol, index)) {
        gridState_ = isCol ? gsColSizing : gsRowSizing;
        sizingIndex_ = index;
        int start = 0, end = 0;
        AxisSpan(isCol ? HorzAxis() : VertAxis(), Sizes(isCol),
                 isCol ? defaultColWidth_ : defaultRowHeight_, index, index, start, end);
        sizingGrab_ = (isCol ? X : Y) - BorderWidth() - end;
      } else {
        const TGridCoord cell = MouseCoord(X, Y);
        if (!StartMoving(cell) && cell.X >= fixedCols_ && cell.Y >= fixedRows_) {
          FocusCell(cell.X, cell.Y, Shift.Contains(ssShift));
          gridState_ = gsSelecting;
        }
      }
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  switch (gridState_) {
    case gsSelecting:
    case gsColSizing:
    case gsRowSizing:
    case gsColMoving:
    case gsRowMoving:
      DragTo(X, Y);
      UpdateAutoScroll(X, Y);
      break;
    case gsScrolling:
      scrollTracker_.MouseMove({X, Y});
      break;
    case gsNormal: {
      bool isCol = false;
      int index = -1;
      // Over a sizable line the split cursor shows; the control's own cursor comes back after.
      if (SizingHit(X, Y, isCol, index)) {
        if (!splitCursor_) savedCursor_ = Cursor();
        splitCursor_ = true;
        SetCursor(isCol ? crHSplit : crVSplit);
      } else if (splitCursor_) {
        splitCursor_ = false;
        SetCursor(savedCursor_);
      }
      break;
    }
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (gridState_ == gsScrolling) scrollTracker_.MouseUp({X, Y});
  StopAutoScroll();
  const TGridState state = gridState_;
  gridState_ = gsNormal;
  UpdateDropMarker();
  if ((state == gsColMoving || state == gsRowMoving) && moveTo_ != moveFrom_) {
    if (state == gsColMoving)
      MoveColumn(moveFrom_, moveTo_);
    else
      MoveRow(moveFrom_, moveTo_);
  }
  moveFrom_ = moveTo_ = -1;
  sizingIndex_ = -1;
  // A click on the cell that was already current opens the editor.
  if (state == gsSelecting && pressOnCurrent_ && MouseCoord(X, Y) == TGridCoord{col_, row_} &&
      !editorMode_)
    ShowEditor();
  pressOnCurrent_ = false;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  SetTopRow(topRow_ + kWheelRows);
  return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  SetTopRow(topRow_ - kWheelRows);
  return true;
}

void TCustomGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  if (Key == VK_F2 && !Shift.Contains(ssCtrl) && CanEditShow()) {
    ShowEditor();
    if (editorMode_ && inplaceEdit_) inplaceEdit_->Deselect();
    return;
  }
  MoveByKey(Key, Shift);
}

void TCustomGrid::MoveByKey(uint16_t key, TShiftState shift) {
  const bool ctrl = shift.Contains(ssCtrl);
  const bool extend = shift.Contains(ssShift);
  const bool rowSelect = options_.Contains(goRowSelect);
  const int lastCol = colCount_ - 1;
  const int lastRow = rowCount_ - 1;
  const int page = std::max(VisibleRowCount(), 1);
  int c = col_;
  int r = row_;
  switch (key) {
    case VK_UP:
      --r;
      break;
    case VK_DOWN:
      ++r;
      break;
    // With row select the whole row is current, so left and right scroll instead.
    case VK_LEFT:
      if (rowSelect) {
        SetLeftCol(leftCol_ - 1);
        return;
      }
      --c;
      break;
    case VK_RIGHT:
      if (rowSelect) {
        SetLeftCol(leftCol_ + 1);
        return;
      }
      ++c;
      break;
    // A page key moves the rows on screen by a page and the current row with them.
    case VK_PRIOR:
    case VK_NEXT: {
      const int step = key == VK_NEXT ? page : -page;
      const int top = topRow_;
      MoveColRow(c, r + step, !extend, false);
      if (row_ != r) SetTopRow(top + step);
      ScrollInView(col_, row_);
      return;
    }
    case VK_HOME:
      if (ctrl || rowSelect) r = fixedRows_;
      if (ctrl || !rowSelect) c = fixedCols_;
      break;
    case VK_END:
      if (ctrl || rowSelect) r = lastRow;
      if (ctrl || !rowSelect) c = lastCol;
      break;
    case VK_TAB:
      if (!options_.Contains(goTabs) || shift.Contains(ssAlt)) return;
      // Tab walks the row and wraps to the next (Shift+Tab back); it stays at the ends.
      if (!extend) {
        if (c < lastCol && !rowSelect)
          ++c;
        else if (r < lastRow) {
          ++r;
          c = fixedCols_;
        }
      } else {
        if (c > fixedCols_ && !rowSelect)
          --c;
        else if (r > fixedRows_) {
          --r;
          c = rowSelect ? c : lastCol;
        }
      }
      FocusCell(c, r, false);
      return;
    default:
      return;
  }
  FocusCell(c, r, extend);
}

void TCustomGrid::WndProc(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) {
    // An editing grid takes typed characters (they open the editor).
    message.Result = DLGC_WANTARROWS | (options_.Contains(goTabs) ? DLGC_WANTTAB : 0) |
                     (CanEditShow() ? DLGC_WANTCHARS : 0);
    return;
  }
  if (message.Msg == WM_TIMER && message.WParam == kGridScrollTimerId) {
    AutoScrollTick();
    return;
  }
  TCustomControl::WndProc(message);
}

void TCustomGrid::Resize() {
  SetTopLeft(leftCol_, topRow_);
  TCustomControl::Resize();
}

void TCustomGrid::DoEnter() {
  InvalidateSelection();
  TCustomControl::DoEnter();
  if (options_.Contains(goAlwaysShowEditor) && !editorMode_ && CanEditShow()) ShowEditor();
}

void TCustomGrid::DoExit() {
  // A press on a bar ends with the focus (a dialog took it, the release may never come).
  if (gridState_ == gsScrolling) {
    scrollTracker_.Cancel();
    gridState_ = gsNormal;
  }
  InvalidateSelection();
  TCustomControl::DoExit();
}

}  // namespace fw
