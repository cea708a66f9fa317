// TCustomGrid drags that reach past the cells: the drop marker shown while a column or row is
// moved, and the timer that scrolls one line per tick while a range selection, a move or a
// size is dragged beyond the grid's edge.
#include <algorithm>

#include "framework/controls/form.h"
#include "framework/controls/timers.h"
#include "framework/grids/grids.h"

namespace fw {

namespace {
// Width of the drop marker line, in pixels.
constexpr int kDropMarkerWidth = 3;
}  // namespace

void TCustomGrid::InvalidateClientRect(const TRect& r) {
  if (IsRectEmpty(r)) return;
  TCustomForm* form = SurfaceForm();
  if (!form) return;
  const TPoint o = FormOrigin();
  TRect device = r;
  OffsetRect(device, o.X, o.Y);
  if (IntersectRect(device, device, VisibleFormRect())) form->InvalidateRect(device);
}

// A thick line on the edge of the target line that faces the way the line travels: before the
// target when it moves back, after it when it moves on; nothing while it stays in place.
TRect TCustomGrid::DropMarkerRect() const {
  if ((gridState_ != gsColMoving && gridState_ != gsRowMoving) || moveTo_ == moveFrom_ ||
      moveTo_ < 0)
    return Rect(0, 0, 0, 0);
  const bool cols = gridState_ == gsColMoving;
  const Axis a = cols ? HorzAxis() : VertAxis();
  int start, end;
  if (!AxisSpan(a, Sizes(cols), cols ? defaultColWidth_ : defaultRowHeight_, moveTo_, moveTo_,
                start, end))
    return Rect(0, 0, 0, 0);
  const int edge = BorderWidth() + (moveTo_ < moveFrom_ ? start - 1 : end);
  const int from = edge - kDropMarkerWidth / 2;
  const TRect area = CellsArea();
  TRect r = cols ? Rect(from, area.Top, from + kDropMarkerWidth, area.Bottom)
                 : Rect(area.Left, from, area.Right, from + kDropMarkerWidth);
  IntersectRect(r, r, area);
  return r;
}

void TCustomGrid::UpdateDropMarker() {
  const TRect next = DropMarkerRect();
  if (next == dropMarker_) return;
  InvalidateClientRect(dropMarker_);
  dropMarker_ = next;
  InvalidateClientRect(dropMarker_);
}

void TCustomGrid::PaintDropMarker() {
  if (IsRectEmpty(dropMarker_)) return;
  Canvas()->Brush()->SetColor(clBlack);
  Canvas()->FillRect(dropMarker_);
}

// -1, 0 or +1 per axis: where the point lies against the scrolling cells, counting only the
// directions the current drag may scroll in.
TGridCoord TCustomGrid::AutoScrollDirection(int X, int Y) const {
  const TRect area = CellsArea();
  const int fixedW = FixedExtent(HorzAxis(), colWidths_, defaultColWidth_);
  const int fixedH = FixedExtent(VertAxis(), rowHeights_, defaultRowHeight_);
  TGridCoord d{X < area.Left + fixedW ? -1
               : X >= area.Right      ? 1
                                      : 0,
               Y < area.Top + fixedH ? -1
               : Y >= area.Bottom    ? 1
                                     : 0};
  switch (gridState_) {
    case gsSelecting:
      if (!options_.Contains(goRangeSelect)) d = {};
      break;
    case gsColMoving:
      d.Y = 0;
      break;
    case gsRowMoving:
      d.X = 0;
      break;
    // A line being sized only pulls the grid onwards, and never scrolls itself away.
    case gsColSizing:
      d = {X >= area.Right && leftCol_ < sizingIndex_ ? 1 : 0, 0};
      break;
    case gsRowSizing:
      d = {0, Y >= area.Bottom && topRow_ < sizingIndex_ ? 1 : 0};
      break;
    default:
      d = {};
  }
  return d;
}

void TCustomGrid::UpdateAutoScroll(int X, int Y) {
  dragPos_ = {X, Y};
  const bool wanted = AutoScrollDirection(X, Y) != TGridCoord{};
  if (wanted && !autoScrolling_)
    autoScrolling_ =
        HandleAllocated() && SetTimer(Handle(), kGridScrollTimerId, kGridScrollInterval);
  else if (!wanted)
    StopAutoScroll();
}

void TCustomGrid::StopAutoScroll() {
  if (autoScrolling_ && HandleAllocated()) KillTimer(Handle(), kGridScrollTimerId);
  autoScrolling_ = false;
}

// One line further in the direction the pointer lies, then the drag follows the new cells.
void TCustomGrid::AutoScrollTick() {
  const TGridCoord d = AutoScrollDirection(dragPos_.X, dragPos_.Y);
  if (d == TGridCoord{}) {
    StopAutoScroll();
    return;
  }
  SetTopLeft(leftCol_ + d.X, topRow_ + d.Y);
  DragTo(dragPos_.X, dragPos_.Y);
}

// The part of a drag that follows the pointer over the cells (selection end, move target,
// line size).
void TCustomGrid::DragTo(int X, int Y) {
  switch (gridState_) {
    case gsSelecting:
      if (options_.Contains(goRangeSelect)) {
        const TGridCoord cell = DragTarget(X, Y, {col_, row_});
        if (cell.X != col_ || cell.Y != row_) FocusCell(cell.X, cell.Y, true);
      }
      break;
    case gsColSizing:
    case gsRowSizing: {
      const bool cols = gridState_ == gsColSizing;
      const Axis a = cols ? HorzAxis() : VertAxis();
      int start, end;
      if (!AxisSpan(a, Sizes(cols), cols ? defaultColWidth_ : defaultRowHeight_, sizingIndex_,
                    sizingIndex_, start, end))
        break;
      const int size = std::max((cols ? X : Y) - sizingGrab_ - BorderWidth() - start, 1);
      if (cols)
        SetColWidths(sizingIndex_, size);
      else
        SetRowHeights(sizingIndex_, size);
      break;
    }
    case gsColMoving:
    case gsRowMoving: {
      const TGridCoord cell = DragTarget(X, Y, {moveTo_, moveTo_});
      moveTo_ = gridState_ == gsColMoving ? cell.X : cell.Y;
      UpdateDropMarker();
      break;
    }
    default:
      break;
  }
}

}  // namespace fw
