// TReportListView structure changes: adding, inserting and removing rows and columns,
// removing selected or empty rows, filling and clearing. Each closes the in-place editor
// first and holds painting back while it works.
#include <algorithm>
#include <utility>

#include "framework/rtl/scope_guard.h"
#include "replist/ZEB_replist.h"
#include "replist/rlview_hold.h"

namespace zeb {

namespace {

// Holds the matrix's change notification back while a view changes many cells, and sends it
// once at the end (also when an exception leaves the scope, since the cells did change).
auto HoldMatrixChanges(TStringArray& m) {
  return fw::TScopeExit([&m, saved = std::exchange(m.OnChange, nullptr)] {
    m.OnChange = saved;
    if (saved) saved(&m);
  });
}

}  // namespace

// The sort state becomes unsorted while the rows stay where they are.
void TReportListView::ClearSortState() {
  data_->Matrix()->CommitSorting();
  data_->UnSort();
}

int TReportListView::AddRow() {
  SetNrRows(NrOfRows() + 1);
  return NrOfRows();
}

int TReportListView::InsertRow(int ARow) {
  EndEditing();
  PaintHold hold(*this);
  ClearSortState();
  if (ARow <= 0) return 0;
  if (ARow > NrOfRows()) return AddRow();
  data_->InsertRow(ARow);
  RebuildGridRows();
  ChangedSetup();
  return ARow;
}

int TReportListView::InsertColumn(int ACol) {
  EndEditing();
  PaintHold hold(*this);
  ClearSortState();
  if (ACol <= 0) return 0;
  if (ACol > NrOfColumns()) {
    SetNrCols(NrOfColumns() + 1);
    return NrOfColumns();
  }
  // Room everywhere first: the view's table and the grid grow before the store does, and the
  // grid shrinks back should the store refuse.
  const int count = NrOfColumns() + 1;
  ReserveViewColumns(count);
  try {
    fw::TCustomGrid::SetColCount(count);
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  }
  {
    // The grid shrinks back should the store refuse.
    fw::TScopeExit shrinkGrid([&] { fw::TCustomGrid::SetColCount(count - 1); });
    data_->InsertColumn(ACol);
    shrinkGrid.Dismiss();
  }
  InsertViewColumn(ACol);
  FitViewColumns(count);
  // Widths move right with their columns; the new one takes the default width.
  for (int c = count - 1; c >= ACol; --c) fw::TCustomGrid::SetColWidths(c, ColWidths(c - 1));
  fw::TCustomGrid::SetColWidths(ACol - 1, DefaultColWidth());
  ChangedSetup();
  return ACol;
}

void TReportListView::RemoveRow(int ARow) {
  if (!InRows(ARow)) return;
  EndEditing();
  PaintHold hold(*this);
  data_->RemoveRow(ARow);
  if (NrOfRows() > 0) {
    RebuildGridRows();
    ChangedSetup();
  } else {
    RebuildGridRows();
  }
}

void TReportListView::RemoveColumn(int ACol) {
  if (!InDataCols(ACol)) return;
  EndEditing();
  PaintHold hold(*this);
  if (NrOfColumns() == 1) {
    // The list keeps its column tables and grid column; it has no data columns now.
    data_->RemoveColumn(ACol);
    return;
  }
  const int old = NrOfColumns();
  for (int c = ACol - 1; c < old - 1; ++c) fw::TCustomGrid::SetColWidths(c, ColWidths(c + 1));
  EraseViewColumn(ACol);
  data_->RemoveColumn(ACol);
  FitViewColumns(NrOfColumns());
  fw::TCustomGrid::SetColCount(NrOfColumns());
  ChangedSetup();
}

// Keeps the unselected rows in their order by moving them up, then cuts the list: one pass
// however many rows go.
void TReportListView::RemoveSelectedRows() {
  EndEditing();
  {
    PaintHold hold(*this);
    auto changes = HoldMatrixChanges(*data_->Matrix());
    data_->Matrix()->CommitSorting();
    const TStringArray& m = *data_->Matrix();
    const int rows = NrOfRows();
    int kept = 0;
    for (int r = 1; r <= rows; ++r) {
      if ((m.GetRowAttrib(r) & kRowSelected) != 0) continue;
      ++kept;
      if (kept != r) data_->CopyRow(r, kept);
    }
    if (kept != rows) {
      data_->SetNrRows(kept);
      SetSelection({0, 0, 0, 0});
      RebuildGridRows();
      ChangedSetup();
    }
  }
  ChangedSelection();
}

void TReportListView::RemoveEmptyRows() {
  EndEditing();
  PaintHold hold(*this);
  auto changes = HoldMatrixChanges(*data_->Matrix());
  const int before = NrOfRows();
  data_->RemoveEmptyRows();
  if (NrOfRows() != before) {
    RebuildGridRows();
    ChangedSetup();
  }
}

void TReportListView::Fill(std::string_view Text) {
  EndEditing();
  PaintHold hold(*this);
  data_->Fill(Text);
}

void TReportListView::Clear() {
  EndEditing();
  PaintHold hold(*this);
  data_->Clear();
  ResetViewColumns();
}

}  // namespace zeb
