// TCustomGrid painting: border, the visible cells (fill, DrawCell), grid lines and scroll bars.
// Only cells on screen are visited.
#include <algorithm>

#include "framework/graphics/canvas.h"
#include "framework/graphics/frame3d.h"
#include "framework/grids/grids.h"

namespace fw {

TGridDrawState TCustomGrid::CellState(int c, int r) const {
  TGridDrawState state;
  if (c < fixedCols_ || r < fixedRows_) {
    state.Include(gdFixed);
    return state;
  }
  if (Focused() && c == col_ && r == row_) state.Include(gdFocused);
  const TGridRect sel = Selection();
  if (c >= sel.Left && c <= sel.Right && r >= sel.Top && r <= sel.Bottom) state.Include(gdSelected);
  return state;
}

void TCustomGrid::DrawFocusFrame(const TRect& r) {
  TCanvas* canvas = Canvas();
  auto invert = [canvas](int x, int y) {
    const TColor old = canvas->Pixels(x, y);
    if (old != kInvalidPixel) canvas->SetPixels(x, y, old ^ 0xFFFFFF);
  };
  for (int x = r.Left; x < r.Right; x += 2) {
    invert(x, r.Top);
    invert(x, r.Bottom - 1);
  }
  for (int y = r.Top + 2; y < r.Bottom - 1; y += 2) {
    invert(r.Left, y);
    invert(r.Right - 1, y);
  }
}

void TCustomGrid::PaintCell(int c, int r, const TRect& rect, bool fixed) {
  TCanvas* canvas = Canvas();
  const TGridDrawState state = CellState(c, r);
  // The focused cell keeps the window colour unless focus-selected drawing or row select.
  const bool highlight = state.Contains(gdSelected) &&
                         (!state.Contains(gdFocused) || options_.Contains(goDrawFocusSelected) ||
                          options_.Contains(goRowSelect));
  canvas->SetFont(Font());
  if (fixed) {
    canvas->Brush()->SetColor(fixedColor_);
  } else if (highlight) {
    canvas->Brush()->SetColor(clHighlight);
    canvas->Font()->SetColor(clHighlightText);
  } else {
    canvas->Brush()->SetColor(Color());
  }
  if (defaultDrawing_) canvas->FillRect(rect);
  DrawCell(c, r, rect, state);
  if (defaultDrawing_ && state.Contains(gdFocused) && !options_.Contains(goRowSelect))
    DrawFocusFrame(rect);
  // Fixed cells look raised when both fixed line kinds are drawn.
  if (fixed && defaultDrawing_ && gridLineWidth_ > 0 && options_.Contains(goFixedVertLine) &&
      options_.Contains(goFixedHorzLine))
    Frame3D(canvas, rect, clBtnHighlight, clBtnShadow);
}

// Walks the rows on screen and, in each, the columns on screen; only cells that meet the
// canvas's clip rectangle (the area being repainted) are drawn.
void TCustomGrid::PaintCells(const TRect& area) {
  const Axis h = HorzAxis();
  const Axis v = VertAxis();
  const TRect clip = Canvas()->ClipRect();
  const int bottom = std::min(area.Bottom, clip.Bottom);
  const int right = std::min(area.Right, clip.Right);
  int y = area.Top;
  for (int r = 0; r < rowCount_ && y < bottom;
       r = NextInWalk(v, rowHeights_, defaultRowHeight_, r)) {
    if (r == fixedRows_ && r < topRow_) r = topRow_;
    if (r >= rowCount_) break;
    const bool fixedRow = r < fixedRows_;
    const int height = RowHeights(r);
    int x = area.Left;
    for (int c = 0; y + height > clip.Top && c < colCount_ && x < right;
         c = NextInWalk(h, colWidths_, defaultColWidth_, c)) {
      if (c == fixedCols_ && c < leftCol_) c = leftCol_;
      if (c >= colCount_) break;
      const bool fixed = fixedRow || c < fixedCols_;
      const int width = ColWidths(c);
      if (x + width > clip.Left) PaintCell(c, r, Rect(x, y, x + width, y + height), fixed);
      x += width + (c < fixedCols_ ? h.fixedLine : h.line);
    }
    y += height + (fixedRow ? v.fixedLine : v.line);
  }
}

// Lines after each visible column and row: black in the fixed part, silver among the cells.
void TCustomGrid::PaintLines(const TRect& area) {
  TCanvas* canvas = Canvas();
  const Axis h = HorzAxis();
  const Axis v = VertAxis();
  const int fixedW = FixedExtent(h, colWidths_, defaultColWidth_);
  const int fixedH = FixedExtent(v, rowHeights_, defaultRowHeight_);
  auto fill = [&](TColor color, int l, int t, int r, int b) {
    canvas->Brush()->SetColor(color);
    canvas->FillRect(Rect(l, t, std::min(r, area.Right), std::min(b, area.Bottom)));
  };
  // Vertical lines.
  int x = area.Left;
  for (int c = 0; c < colCount_ && x < area.Right;
       c = NextInWalk(h, colWidths_, defaultColWidth_, c)) {
    if (c == fixedCols_ && c < leftCol_) c = leftCol_;
    if (c >= colCount_) break;
    x += ColWidths(c);
    if (c < fixedCols_) {
      if (h.fixedLine > 0) fill(clBlack, x, area.Top, x + h.fixedLine, area.Bottom);
      x += h.fixedLine;
    } else {
      if (h.line > 0) {
        fill(clSilver, x, area.Top + fixedH, x + h.line, area.Bottom);
        if (v.fixedLine > 0 || fixedH > 0)
          fill(clBlack, x, area.Top, x + h.line, area.Top + fixedH);
      }
      x += h.line;
    }
  }
  // Horizontal lines.
  int y = area.Top;
  for (int r = 0; r < rowCount_ && y < area.Bottom;
       r = NextInWalk(v, rowHeights_, defaultRowHeight_, r)) {
    if (r == fixedRows_ && r < topRow_) r = topRow_;
    if (r >= rowCount_) break;
    y += RowHeights(r);
    if (r < fixedRows_) {
      if (v.fixedLine > 0) fill(clBlack, area.Left, y, area.Right, y + v.fixedLine);
      y += v.fixedLine;
    } else {
      if (v.line > 0) {
        fill(clSilver, area.Left + fixedW, y, area.Right, y + v.line);
        if (fixedW > 0) fill(clBlack, area.Left, y, area.Left + fixedW, y + v.line);
      }
      y += v.line;
    }
  }
}

void TCustomGrid::Paint() {
  TCanvas* canvas = Canvas();
  // Sunken border.
  if (borderStyle_ == bsSingle) {
    Frame3D(canvas, Rect(0, 0, Width(), Height()), clBtnShadow, clBtnHighlight);
    Frame3D(canvas, Rect(1, 1, Width() - 1, Height() - 1), cl3DDkShadow, clBtnFace);
  }
  const TRect area = CellsArea();
  // Space after the last cell shows the grid's colour.
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(area);
  if (TCanvasStateSaver saved(*canvas); canvas->IntersectClipRect(area)) {
    PaintCells(area);
    PaintLines(area);
    PaintDropMarker();
  }
  bool horz, vert;
  ScrollBarsShown(horz, vert);
  if (vert) ScrollBarLayout(true).Paint(canvas);
  if (horz) ScrollBarLayout(false).Paint(canvas);
  if (horz && vert) PaintScrollBarCorner(canvas, {area.Right, area.Bottom});
}

}  // namespace fw
