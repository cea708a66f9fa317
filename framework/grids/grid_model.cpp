// TCustomGrid properties: counts, sizes, options, the current cell, selection and scrolling.
#include <algorithm>

#include "framework/grids/grids.h"
#include "framework/grids/inplace_edit.h"

namespace fw {

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  SetTabStop(true);
  SetBounds(Left(), Top(), 320, 120);
  scrollTracker_.Layout = [this](bool vertical) { return ScrollBarLayout(vertical); };
  scrollTracker_.Step = [this](bool vertical, TScrollBarPart part) {
    ScrollBarStep(vertical, part);
  };
  scrollTracker_.ThumbTo = [this](bool vertical, int position) {
    ScrollBarThumbTo(vertical, position);
  };
}

void TCustomGrid::SetColCount(int value) {
  value = std::max(value, 1);
  if (value == colCount_) return;
  // The table first: when it cannot grow, the grid stays as it was.
  if (!colWidths_.empty()) colWidths_.resize(static_cast<size_t>(value), defaultColWidth_);
  colCount_ = value;
  fixedCols_ = std::min(fixedCols_, colCount_ - 1);
  ClampCurrent();
  Invalidate();
}

void TCustomGrid::SetRowCount(int value) {
  value = std::max(value, 1);
  if (value == rowCount_) return;
  if (!rowHeights_.empty()) rowHeights_.resize(static_cast<size_t>(value), defaultRowHeight_);
  rowCount_ = value;
  fixedRows_ = std::min(fixedRows_, rowCount_ - 1);
  ClampCurrent();
  Invalidate();
}

// Fixed counts stay below the counts so one scrolling column and row always exist.
void TCustomGrid::SetFixedCols(int value) {
  value = std::clamp(value, 0, colCount_ - 1);
  if (value == fixedCols_) return;
  fixedCols_ = value;
  ClampCurrent();
  Invalidate();
}

void TCustomGrid::SetFixedRows(int value) {
  value = std::clamp(value, 0, rowCount_ - 1);
  if (value == fixedRows_) return;
  fixedRows_ = value;
  ClampCurrent();
  Invalidate();
}

// Setting a default resets every column / row to it.
void TCustomGrid::SetDefaultColWidth(int value) {
  value = std::clamp(value, 0, kMaxControlExtent);
  if (value == defaultColWidth_ && colWidths_.empty()) return;
  defaultColWidth_ = value;
  colWidths_.clear();
  ColWidthsChanged();
  SetTopLeft(leftCol_, topRow_);
  Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
  value = std::clamp(value, 0, kMaxControlExtent);
  if (value == defaultRowHeight_ && rowHeights_.empty()) return;
  defaultRowHeight_ = value;
  rowHeights_.clear();
  RowHeightsChanged();
  SetTopLeft(leftCol_, topRow_);
  Invalidate();
}

int TCustomGrid::AxisSize(const std::vector<int>& sizes, int defaultSize, int index) {
  if (index < 0 || static_cast<size_t>(index) >= sizes.size()) return defaultSize;
  return sizes[static_cast<size_t>(index)];
}

int TCustomGrid::ColWidths(int index) const {
  return AxisSize(colWidths_, defaultColWidth_, index);
}

int TCustomGrid::RowHeights(int index) const {
  return AxisSize(rowHeights_, defaultRowHeight_, index);
}

void TCustomGrid::SetColWidths(int index, int value) {
  if (index < 0 || index >= colCount_) return;
  value = std::clamp(value, 0, kMaxControlExtent);
  if (value == ColWidths(index)) return;
  if (colWidths_.empty()) colWidths_.assign(static_cast<size_t>(colCount_), defaultColWidth_);
  colWidths_[static_cast<size_t>(index)] = value;
  ColWidthsChanged();
  SetTopLeft(leftCol_, topRow_);
  Invalidate();
}

void TCustomGrid::SetRowHeights(int index, int value) {
  if (index < 0 || index >= rowCount_) return;
  value = std::clamp(value, 0, kMaxControlExtent);
  if (value == RowHeights(index)) return;
  if (rowHeights_.empty()) rowHeights_.assign(static_cast<size_t>(rowCount_), defaultRowHeight_);
  rowHeights_[static_cast<size_t>(index)] = value;
  RowHeightsChanged();
  SetTopLeft(leftCol_, topRow_);
  Invalidate();
}

void TCustomGrid::SetGridLineWidth(int value) {
  value = std::clamp(value, 0, kMaxControlExtent);
  if (value == gridLineWidth_) return;
  gridLineWidth_ = value;
  SetTopLeft(leftCol_, topRow_);
  Invalidate();
}

void TCustomGrid::SetFixedColor(TColor value) {
  if (value == fixedColor_) return;
  fixedColor_ = value;
  Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions value) {
  if (value == options_) return;
  options_ = value;
  if (editorMode_ && !CanEditShow()) HideEditor();
  if (!editorMode_ && options_.Contains(goAlwaysShowEditor) && Focused()) ShowEditor();
  // Row selection makes the selection the current row; without range selection it is one cell.
  anchor_ = {col_, row_};
  SetTopLeft(leftCol_, topRow_);
  Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool value) {
  if (value == defaultDrawing_) return;
  defaultDrawing_ = value;
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle value) {
  if (value == scrollBars_) return;
  scrollBars_ = value;
  SetTopLeft(leftCol_, topRow_);
  Invalidate();
}

void TCustomGrid::SetBorderStyle(TFormBorderStyle value) {
  value = value == bsNone ? bsNone : bsSingle;
  if (value == borderStyle_) return;
  borderStyle_ = value;
  Invalidate();
}

void TCustomGrid::SetCol(int value) {
  if (value == col_) return;
  FocusCell(value, row_, false);
}

void TCustomGrid::SetRow(int value) {
  if (value == row_) return;
  FocusCell(col_, value, false);
}

TGridRect TCustomGrid::Selection() const {
  TGridRect r{std::min(anchor_.X, col_), std::min(anchor_.Y, row_), std::max(anchor_.X, col_),
              std::max(anchor_.Y, row_)};
  if (options_.Contains(goRowSelect)) {
    r.Left = fixedCols_;
    r.Right = colCount_ - 1;
  }
  return r;
}

// The current cell becomes the rectangle's bottom-right corner, the anchor its top-left.
void TCustomGrid::SetSelection(const TGridRect& value) {
  const int left = std::clamp(std::min(value.Left, value.Right), fixedCols_, colCount_ - 1);
  const int top = std::clamp(std::min(value.Top, value.Bottom), fixedRows_, rowCount_ - 1);
  const int right = std::clamp(std::max(value.Left, value.Right), fixedCols_, colCount_ - 1);
  const int bottom = std::clamp(std::max(value.Top, value.Bottom), fixedRows_, rowCount_ - 1);
  InvalidateSelection();
  col_ = right;
  row_ = bottom;
  anchor_ = options_.Contains(goRangeSelect) ? TGridCoord{left, top} : TGridCoord{col_, row_};
  InvalidateSelection();
}

void TCustomGrid::ClampCurrent() {
  col_ = std::clamp(col_, fixedCols_, colCount_ - 1);
  row_ = std::clamp(row_, fixedRows_, rowCount_ - 1);
  anchor_ = {col_, row_};
  SetTopLeft(leftCol_, topRow_);
}

void TCustomGrid::SetTopRow(int value) {
  SetTopLeft(leftCol_, value);
}
void TCustomGrid::SetLeftCol(int value) {
  SetTopLeft(value, topRow_);
}

// Clamps both to their ranges.
void TCustomGrid::SetTopLeft(int left, int top) {
  MoveTopLeft(std::clamp(left, fixedCols_, MaxLeftCol()), std::clamp(top, fixedRows_, MaxTopRow()));
}

void TCustomGrid::SetTopRowLeavingSpace(int value) {
  MoveTopLeft(leftCol_, std::clamp(value, fixedRows_, std::max(fixedRows_, rowCount_ - 1)));
}

// TopLeftChanged when either moved.
void TCustomGrid::MoveTopLeft(int left, int top) {
  if (left == leftCol_ && top == topRow_) {
    UpdateEditorBounds();
    return;
  }
  leftCol_ = left;
  topRow_ = top;
  Invalidate();
  UpdateEditorBounds();
  TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {
  OnTopLeftChanged(this);
}

bool TCustomGrid::SelectCell(int ACol, int ARow) {
  bool canSelect = true;
  OnSelectCell(this, ACol, ARow, canSelect);
  return canSelect;
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool extend) {
  MoveColRow(ACol, ARow, !extend, true);
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
  ACol = std::clamp(ACol, fixedCols_, colCount_ - 1);
  ARow = std::clamp(ARow, fixedRows_, rowCount_ - 1);
  const bool moves = ACol != col_ || ARow != row_;
  if (moves && !SelectCell(ACol, ARow)) return;
  // Moving ends an edit with its text written through; goAlwaysShowEditor carries the open
  // editor on to the new cell.
  const bool carryEditor = moves && editorMode_ && options_.Contains(goAlwaysShowEditor);
  if (moves && editorMode_) {
    if (carryEditor)
      UpdateText();
    else
      HideEditor();
    if (ACol >= colCount_ || ARow >= rowCount_) return;
  }
  // The old selection and current cell repaint, then the new ones (scrolling repaints all).
  InvalidateSelection();
  col_ = ACol;
  row_ = ARow;
  if (carryEditor && editorMode_ && inplaceEdit_) {
    editCell_ = {col_, row_};
    inplaceEdit_->UpdateContents();
    if (Show) ScrollInView(col_, row_);
    ShowEditor();
  } else if (moves && !editorMode_ && options_.Contains(goAlwaysShowEditor) && Focused()) {
    if (Show) ScrollInView(col_, row_);
    ShowEditor();
  }
  // A single-cell selection has its anchor on the current cell.
  if (MoveAnchor || !options_.Contains(goRangeSelect)) anchor_ = {col_, row_};
  if (Show) ScrollInView(col_, row_);
  InvalidateSelection();
}

// Scrolls the least so the cell is whole on screen.
void TCustomGrid::ScrollInView(int ACol, int ARow) {
  int left = leftCol_;
  int top = topRow_;
  if (ACol < left)
    left = ACol;
  else if (const int vis = std::max(VisibleColCount(), 1); ACol >= left + vis)
    left = ACol - vis + 1;
  if (ARow < top)
    top = ARow;
  else if (const int vis = std::max(VisibleRowCount(), 1); ARow >= top + vis)
    top = ARow - vis + 1;
  SetTopLeft(left, top);
}

std::string TCustomGrid::GetEditText(int ACol, int ARow) {
  std::string value;
  OnGetEditText(this, ACol, ARow, value);
  return value;
}

void TCustomGrid::SetEditText(int ACol, int ARow, const std::string& value) {
  OnSetEditText(this, ACol, ARow, value);
}

bool TCustomGrid::CanEditShow() const {
  return options_.Contains(goEditing) && !options_.Contains(goRowSelect);
}

void TCustomGrid::ColumnMoved(int FromIndex, int ToIndex) {
  OnColumnMoved(this, FromIndex, ToIndex);
}
void TCustomGrid::RowMoved(int FromIndex, int ToIndex) {
  OnRowMoved(this, FromIndex, ToIndex);
}

namespace {

// Where an index ends up when the line at `from` is taken out and put back at `to`.
int MovedIndex(int index, int from, int to) {
  if (index == from) return to;
  if (from < to && index > from && index <= to) return index - 1;
  if (to < from && index >= to && index < from) return index + 1;
  return index;
}

}  // namespace

// Moves the size entry with the line and tells the subclass, which moves its data.
void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= colCount_ || ToIndex >= colCount_ ||
      FromIndex == ToIndex)
    return;
  if (!colWidths_.empty()) {
    const int w = colWidths_[static_cast<size_t>(FromIndex)];
    colWidths_.erase(colWidths_.begin() + FromIndex);
    colWidths_.insert(colWidths_.begin() + ToIndex, w);
  }
  col_ = MovedIndex(col_, FromIndex, ToIndex);
  anchor_.X = MovedIndex(anchor_.X, FromIndex, ToIndex);
  ColumnMoved(FromIndex, ToIndex);
  Invalidate();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= rowCount_ || ToIndex >= rowCount_ ||
      FromIndex == ToIndex)
    return;
  if (!rowHeights_.empty()) {
    const int h = rowHeights_[static_cast<size_t>(FromIndex)];
    rowHeights_.erase(rowHeights_.begin() + FromIndex);
    rowHeights_.insert(rowHeights_.begin() + ToIndex, h);
  }
  row_ = MovedIndex(row_, FromIndex, ToIndex);
  anchor_.Y = MovedIndex(anchor_.Y, FromIndex, ToIndex);
  RowMoved(FromIndex, ToIndex);
  Invalidate();
}

TCustomDrawGrid::TCustomDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  OnDrawCell(this, ACol, ARow, ARect, AState);
}

TDrawGrid::TDrawGrid(TComponent* AOwner) : TCustomDrawGrid(AOwner) {}

void TCustomGrid::DrawCell(int, int, const TRect&, TGridDrawState) {}

}  // namespace fw
