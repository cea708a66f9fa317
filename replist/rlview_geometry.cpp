// TReportListView geometry: how grid rows map onto the data store, the header rows and their
// heights, the sizes, scrolling, column widths and MouseCell (the column order lives with the
// column table, rlview_columns.cpp).
#include <algorithm>
#include <new>

#include "replist/ZEB_replist.h"
#include "replist/rlview_hold.h"

namespace zeb {

int TReportListView::NrOfColumns() const {
  return data_->NrOfColumns();
}
int TReportListView::NrOfRows() const {
  return data_->NrOfRows();
}

int TReportListView::CountHeadRows() const {
  return (commonHeaderVisible_ ? 1 : 0) + (columnHeadersVisible_ ? 1 : 0);
}

// Grid row of the column headers, -1 when they are hidden.
int TReportListView::ColumnHeaderRow() const {
  if (!columnHeadersVisible_) return -1;
  return commonHeaderVisible_ ? 1 : 0;
}

// The grid always keeps one data row, even for an empty list, below the header rows.
// The first visible data row stays when header rows come or go.
void TReportListView::RebuildGridRows() {
  const int top = fw::TCustomGrid::TopRow() - FixedRows() + 1;
  const int k = CountHeadRows();
  fw::TCustomGrid::SetRowCount(std::max(k + NrOfRows(), k + 1));
  SetFixedRows(k);
  SetHeaderHeights();
  SetTopRow(top);
}

void TReportListView::SetHeaderHeights() {
  const int rows = RowCount();
  if (commonHeaderVisible_ && columnHeadersVisible_) {
    SetRowHeights(0, commonHeaderHeight_);
    if (rows >= 2) SetRowHeights(1, columnHeadersHeight_);
    return;
  }
  int first = DefaultRowHeight();
  if (commonHeaderVisible_) first = commonHeaderHeight_;
  if (columnHeadersVisible_) first = columnHeadersHeight_;
  SetRowHeights(0, first);
  if (rows >= 2) SetRowHeights(1, DefaultRowHeight());
}

void TReportListView::SetNrRows(int value) {
  EndEditing();
  data_->SetNrRows(value);
  SetSelection({0, 0, 0, 0});
  RebuildGridRows();
  RepaintView();
  ChangedSetup();
}

// The view's own column table gets its room first and the store resizes all or nothing;
// should the grid then fail to follow, the store goes back to its old width (the columns it
// gained were empty), so store, grid and view never disagree.
void TReportListView::SetNrCols(int value) {
  EndEditing();
  const int oldCount = data_->NrOfColumns();
  const int oldLast = ColCount() - 1;
  const int lastWidth = ColWidths(oldLast);
  // A size the store refuses is refused before the view reserves room for it.
  data_->CheckSize(std::max(value, 1), data_->NrOfRows());
  ReserveViewColumns(value);
  data_->SetNrCols(value);
  const int count = data_->NrOfColumns();
  try {
    fw::TCustomGrid::SetColCount(count);
  } catch (const std::bad_alloc&) {
    if (count > oldCount) data_->SetNrCols(oldCount);
    RaiseNoMemory();
  }
  for (int c = oldLast; c < count; ++c) fw::TCustomGrid::SetColWidths(c, lastWidth);
  FitViewColumns(count);
  SetTopRow(0);
  RepaintView();
  ChangedSetup();
}

void TReportListView::RaiseNoMemory() const {
  throw EZEBRepListError("Component \"" + Name() + "\": not enough memory on heap");
}

// ---- scrolling ----------------------------------------------------------------------------

int TReportListView::GetTopRow() const {
  return fw::TCustomGrid::TopRow() - CountHeadRows() + 1;
}

// Data row `value`, brought within 1..NrOfRows first, is grid row value + k - 1. Any data row
// may become the top row, with empty space below the last one; scrolling by keys, wheel and
// scroll bar keeps the grid's own limit (no empty space).
void TReportListView::SetTopRow(int value) {
  const int k = CountHeadRows();
  const int row = std::clamp(value, 1, std::max(NrOfRows(), 1));
  SetTopRowLeavingSpace(row + k - 1);
}

int TReportListView::GetLeftCol() const {
  return fw::TCustomGrid::LeftCol() + 1;
}

void TReportListView::SetLeftCol(int value) {
  value = std::max(std::min(value, NrOfColumns()), FixedCols() + 1);
  fw::TCustomGrid::SetLeftCol(value - 1);
}

void TReportListView::SetDefaultColWidth(int value) {
  fw::TCustomGrid::SetDefaultColWidth(value);
  SetupChanged();
}

void TReportListView::SetDefaultRowHeight(int value) {
  fw::TCustomGrid::SetDefaultRowHeight(value);
  SetHeaderHeights();
  SetupChanged();
}

void TReportListView::Resize() {
  fw::TCustomDrawGrid::Resize();
  RepaintView();
}

// Headers span several columns, so scrolling repaints the whole grid.
void TReportListView::TopLeftChanged() {
  Invalidate();
  fw::TCustomDrawGrid::TopLeftChanged();
}

// ---- column widths (the column order applies) ---------------------------------------------

int TReportListView::GetColWidths(int ACol) const {
  if (!InDataCols(ACol)) return 0;
  return ColWidths(GetColOrder(ACol) - 1);
}

void TReportListView::SetColWidths(int ACol, int Width) {
  if (InDataCols(ACol)) fw::TCustomGrid::SetColWidths(GetColOrder(ACol) - 1, Width);
  ChangedSetup();
}

// ---- mouse mapping ------------------------------------------------------------------------

fw::TGridCoord TReportListView::MouseCell(int X, int Y) const {
  const fw::TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) return {0, 0};
  const int k = CountHeadRows();
  int y = cell.Y - k + 1;
  if (cell.Y == ColumnHeaderRow())
    y = -1;
  else if (commonHeaderVisible_ && cell.Y == 0)
    y = -2;
  else if (y > NrOfRows())
    y = 0;
  return {cell.X + 1, y};
}

}  // namespace zeb
