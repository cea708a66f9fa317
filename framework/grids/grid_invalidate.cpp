// TCustomGrid partial repaint: schedules only the screen area of the cells that changed, so a
// selection move or one cell's new content repaints those cells and not the whole grid.
#include <algorithm>

#include "framework/controls/form.h"
#include "framework/grids/grids.h"

namespace fw {

// Walks the cells on screen along one axis (the fixed ones, then from the first scrolling one)
// and gives the span [start, end) covered by those with an index in lo..hi.
bool TCustomGrid::AxisSpan(const Axis& axis, const std::vector<int>& sizes, int defaultSize, int lo,
                           int hi, int& start, int& end) const {
  start = end = 0;
  bool any = false;
  int p = 0;
  for (int i = 0; i < axis.count && p < axis.extent; i = NextInWalk(axis, sizes, defaultSize, i)) {
    if (i == axis.fixed && i < axis.first) i = axis.first;
    if (i >= axis.count || (i > hi && i >= axis.fixed)) break;
    const int size = AxisSize(sizes, defaultSize, i);
    if (i >= lo && i <= hi) {
      if (!any) start = p;
      end = std::min(p + size, axis.extent);
      any = true;
    }
    p += size + (i < axis.fixed ? axis.fixedLine : axis.line);
  }
  return any && end > start;
}

void TCustomGrid::InvalidateRect(const TGridRect& ARect) {
  TCustomForm* form = SurfaceForm();
  if (!form) return;
  const int left = std::min(ARect.Left, ARect.Right);
  const int right = std::max(ARect.Left, ARect.Right);
  const int top = std::min(ARect.Top, ARect.Bottom);
  const int bottom = std::max(ARect.Top, ARect.Bottom);
  int x0, x1, y0, y1;
  if (!AxisSpan(HorzAxis(), colWidths_, defaultColWidth_, left, right, x0, x1)) return;
  if (!AxisSpan(VertAxis(), rowHeights_, defaultRowHeight_, top, bottom, y0, y1)) return;
  const int b = BorderWidth();
  const TPoint o = FormOrigin();
  TRect r = Rect(o.X + b + x0, o.Y + b + y0, o.X + b + x1, o.Y + b + y1);
  if (IntersectRect(r, r, VisibleFormRect())) form->InvalidateRect(r);
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
  InvalidateRect({ACol, ARow, ACol, ARow});
}

void TCustomGrid::InvalidateRow(int ARow) {
  InvalidateRect({0, ARow, colCount_ - 1, ARow});
}

void TCustomGrid::InvalidateCol(int ACol) {
  InvalidateRect({ACol, 0, ACol, rowCount_ - 1});
}

// The cells whose look depends on the selection and the current cell.
void TCustomGrid::InvalidateSelection() {
  InvalidateRect(Selection());
  InvalidateCell(col_, row_);
}

}  // namespace fw
