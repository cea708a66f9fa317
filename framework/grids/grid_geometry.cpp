// TCustomGrid geometry: where cells lie on screen, which cell a point hits, how many cells
// fit, and the scrolling limits. Every walk starts at the screen's first cell and stops at the
// area's edge, so its cost follows the visible cells, not the counts.
#include <algorithm>

#include "framework/grids/grids.h"

namespace fw {

TCustomGrid::Axis TCustomGrid::MakeAxis(bool horizontal, bool horzBar, bool vertBar) const {
  const int b = BorderWidth();
  Axis a{};
  if (horizontal) {
    a = {colCount_,
         fixedCols_,
         leftCol_,
         options_.Contains(goFixedVertLine) ? gridLineWidth_ : 0,
         options_.Contains(goVertLine) ? gridLineWidth_ : 0,
         Width() - 2 * b - (vertBar ? kGridScrollBarSize : 0)};
  } else {
    a = {rowCount_,
         fixedRows_,
         topRow_,
         options_.Contains(goFixedHorzLine) ? gridLineWidth_ : 0,
         options_.Contains(goHorzLine) ? gridLineWidth_ : 0,
         Height() - 2 * b - (horzBar ? kGridScrollBarSize : 0)};
  }
  a.extent = std::max(a.extent, 0);
  return a;
}

// A bar shows when its style asks for it and the cells do not fit; a shown bar narrows the
// other direction, so the test runs twice.
void TCustomGrid::ScrollBarsShown(bool& horz, bool& vert) const {
  const bool wantHorz = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
  const bool wantVert = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
  horz = false;
  vert = false;
  for (int pass = 0; pass < 2; ++pass) {
    const Axis h = MakeAxis(true, horz, vert);
    const Axis v = MakeAxis(false, horz, vert);
    horz = wantHorz && AxisMaxFirst(h, colWidths_, defaultColWidth_) > fixedCols_;
    vert = wantVert && AxisMaxFirst(v, rowHeights_, defaultRowHeight_) > fixedRows_;
  }
}

TCustomGrid::Axis TCustomGrid::HorzAxis() const {
  bool horz, vert;
  ScrollBarsShown(horz, vert);
  return MakeAxis(true, horz, vert);
}

TCustomGrid::Axis TCustomGrid::VertAxis() const {
  bool horz, vert;
  ScrollBarsShown(horz, vert);
  return MakeAxis(false, horz, vert);
}

TRect TCustomGrid::CellsArea() const {
  const int b = BorderWidth();
  const Axis h = HorzAxis();
  const Axis v = VertAxis();
  return Rect(b, b, b + h.extent, b + v.extent);
}

int TCustomGrid::NextInWalk(const Axis& axis, const std::vector<int>& sizes, int defaultSize,
                            int i) {
  const bool fixedPart = i < axis.fixed;
  const int line = fixedPart ? axis.fixedLine : axis.line;
  if (sizes.empty() && defaultSize == 0 && line == 0) return fixedPart ? axis.fixed : axis.count;
  return i + 1;
}

// The fixed cells' extent with their lines; once it passes kFarBeyond (farther than any
// control reaches) the walk stops there, so that sums of it stay within int.
int TCustomGrid::FixedExtent(const Axis& axis, const std::vector<int>& sizes,
                             int defaultSize) const {
  int p = 0;
  for (int i = 0; i < axis.fixed && p < kFarBeyond; i = NextInWalk(axis, sizes, defaultSize, i))
    p += AxisSize(sizes, defaultSize, i) + axis.fixedLine;
  return std::min(p, kFarBeyond);
}

// Offset of the cell from the area's start, or -1 when it is scrolled away or past the edge.
int TCustomGrid::AxisStart(const Axis& axis, const std::vector<int>& sizes, int defaultSize,
                           int index) const {
  if (index < 0 || index >= axis.count) return -1;
  int p = 0;
  if (index < axis.fixed) {
    for (int i = 0; i < index && p < axis.extent; i = NextInWalk(axis, sizes, defaultSize, i))
      p += AxisSize(sizes, defaultSize, i) + axis.fixedLine;
    return p < axis.extent ? p : -1;
  }
  if (index < axis.first) return -1;
  p = FixedExtent(axis, sizes, defaultSize);
  for (int i = axis.first; i < index; i = NextInWalk(axis, sizes, defaultSize, i)) {
    if (p >= axis.extent) return -1;
    p += AxisSize(sizes, defaultSize, i) + axis.line;
  }
  return p < axis.extent ? p : -1;
}

// The cell whose span (its size and the line after it) holds pos, or -1.
int TCustomGrid::AxisHit(const Axis& axis, const std::vector<int>& sizes, int defaultSize,
                         int pos) const {
  if (pos < 0 || pos >= axis.extent) return -1;
  int p = 0;
  for (int i = 0; i < axis.fixed; i = NextInWalk(axis, sizes, defaultSize, i)) {
    p += AxisSize(sizes, defaultSize, i) + axis.fixedLine;
    if (pos < p) return i;
  }
  for (int i = axis.first; i < axis.count && p < axis.extent;
       i = NextInWalk(axis, sizes, defaultSize, i)) {
    p += AxisSize(sizes, defaultSize, i) + axis.line;
    if (pos < p) return i;
  }
  return -1;
}

int TCustomGrid::AxisVisible(const Axis& axis, const std::vector<int>& sizes,
                             int defaultSize) const {
  int p = FixedExtent(axis, sizes, defaultSize);
  int n = 0;
  for (int i = axis.first; i < axis.count;) {
    const int size = AxisSize(sizes, defaultSize, i);
    if (p + size > axis.extent) break;
    p += size + axis.line;
    const int next = NextInWalk(axis, sizes, defaultSize, i);
    n += next - i;
    i = next;
  }
  return n;
}

// Walks back from the last cell while the cells still fit below the fixed ones.
int TCustomGrid::AxisMaxFirst(const Axis& axis, const std::vector<int>& sizes,
                              int defaultSize) const {
  const int room = axis.extent - FixedExtent(axis, sizes, defaultSize);
  int i = axis.count - 1;
  int used = AxisSize(sizes, defaultSize, i);
  // Cells that take no room all fit, however many there are.
  if (sizes.empty() && defaultSize == 0 && axis.line == 0 && i > axis.fixed)
    return room >= 0 ? axis.fixed : i;
  while (i > axis.fixed) {
    const int next = used + AxisSize(sizes, defaultSize, i - 1) + axis.line;
    if (next > room) break;
    used = next;
    --i;
  }
  return std::max(i, axis.fixed);
}

int TCustomGrid::VisibleColCount() const {
  return AxisVisible(HorzAxis(), colWidths_, defaultColWidth_);
}

int TCustomGrid::VisibleRowCount() const {
  return AxisVisible(VertAxis(), rowHeights_, defaultRowHeight_);
}

int TCustomGrid::MaxLeftCol() const {
  return AxisMaxFirst(HorzAxis(), colWidths_, defaultColWidth_);
}

int TCustomGrid::MaxTopRow() const {
  return AxisMaxFirst(VertAxis(), rowHeights_, defaultRowHeight_);
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
  const Axis h = HorzAxis();
  const Axis v = VertAxis();
  const int x = AxisStart(h, colWidths_, defaultColWidth_, ACol);
  const int y = AxisStart(v, rowHeights_, defaultRowHeight_, ARow);
  if (x < 0 || y < 0) return Rect(0, 0, 0, 0);
  const int b = BorderWidth();
  return Rect(b + x, b + y, b + x + ColWidths(ACol), b + y + RowHeights(ARow));
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
  const int b = BorderWidth();
  const int c = AxisHit(HorzAxis(), colWidths_, defaultColWidth_, X - b);
  const int r = AxisHit(VertAxis(), rowHeights_, defaultRowHeight_, Y - b);
  if (c < 0 || r < 0) return {-1, -1};
  return {c, r};
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  const TGridCoord c = MouseCoord(X, Y);
  ACol = c.X;
  ARow = c.Y;
}

TRect TCustomGrid::VertScrollBarRect() const {
  bool horz, vert;
  ScrollBarsShown(horz, vert);
  if (!vert) return Rect(0, 0, 0, 0);
  const TRect area = CellsArea();
  return Rect(area.Right, area.Top, area.Right + kGridScrollBarSize, area.Bottom);
}

TRect TCustomGrid::HorzScrollBarRect() const {
  bool horz, vert;
  ScrollBarsShown(horz, vert);
  if (!horz) return Rect(0, 0, 0, 0);
  const TRect area = CellsArea();
  return Rect(area.Left, area.Bottom, area.Right, area.Bottom + kGridScrollBarSize);
}

}  // namespace fw
