// TNTabEd's binding to its data table: the table's notifications, resize handling, the grid
// layout that follows the table's size, and the attribute column and row.
#include <algorithm>
#include <new>

#include "ntabed/ZEB_ntabed.h"
#include "ntabed/ntabed_holds.h"

namespace zeb {

void TNTabEd::Bind(TDataTable* table) {
  table_ = table;
  table->OnDataChanged = [this](fw::TObject*) { TableDataChanged(); };
  table->OnSetupChanged = [this](fw::TObject*) { TableSetupChanged(); };
  table->OnPercentDone = [this](fw::TObject*, int percent) { OnPercentDone(this, percent); };
  table->OnResize = [this](fw::TObject*, int oc, int orr, int nc, int nr) {
    TableResized(oc, orr, nc, nr);
  };
  table->OnSortExchange = [this](fw::TObject*, uint8_t kind, int i1, int i2, int, int) {
    TableExchanged(kind, i1, i2);
  };
  if (table != ownTable_.get()) table->FreeNotification(this);
}

void TNTabEd::Unbind() {
  if (!table_) return;
  table_->OnDataChanged = nullptr;
  table_->OnSetupChanged = nullptr;
  table_->OnPercentDone = nullptr;
  table_->OnResize = nullptr;
  table_->OnSortExchange = nullptr;
  if (table_ != ownTable_.get()) table_->RemoveFreeNotification(this);
  table_ = nullptr;
}

void TNTabEd::AssignAnotherDataMatrix(TDataTable* table) {
  if (!table) table = ownTable_.get();
  if (table == table_) return;
  if (EditorMode()) CancelEditor();
  Unbind();
  Bind(table);
  SyncLayoutToTable();
  FireChanged(OnChangeSetup);
}

// A handed-over table is being deleted: its notifications die with it, so only the pointer
// is dropped before going back to the own table.
void TNTabEd::Notification(fw::TComponent* component, fw::TOperation operation) {
  fw::TCustomGrid::Notification(component, operation);
  if (operation != fw::opRemove || !table_ || component != table_ || table_ == ownTable_.get())
    return;
  table_ = nullptr;
  if (EditorMode()) CancelEditor();
  Bind(ownTable_.get());
  SyncLayoutToTable();
}

void TNTabEd::SyncLayoutToTable() {
  const int oldCols = static_cast<int>(decPlaces_.size());
  SetColCount(NrOfColumns() + ColOffset() + 1);
  SetRowCount(NrOfRows() + RowOffset() + 1);
  SetFixedCols(ColOffset() + 1);
  SetFixedRows(RowOffset() + 1);
  ResizePrecisions(NrOfColumns(), TemplatePrecision(oldCols));
  Invalidate();
}

void TNTabEd::TableDataChanged() {
  if (dataNotifyDetached_) return;
  FireChanged(OnChange);
  Invalidate();
}

void TNTabEd::TableSetupChanged() {
  FireChanged(OnChangeSetup);
  Invalidate();
}

// Precisions follow their columns when the table exchanges columns (while sorting).
void TNTabEd::TableExchanged(uint8_t kind, int index1, int index2) {
  if (kind != xkColumns || !precisionFollows_) return;
  const int n = static_cast<int>(decPlaces_.size());
  if (index1 < 1 || index2 < 1 || index1 > n || index2 > n) return;
  std::swap(decPlaces_[static_cast<std::size_t>(index1 - 1)],
            decPlaces_[static_cast<std::size_t>(index2 - 1)]);
}

int TNTabEd::TemplatePrecision(int oldCols) const {
  const int n = static_cast<int>(decPlaces_.size());
  if (oldCols >= 1 && oldCols <= n) return decPlaces_[static_cast<std::size_t>(oldCols - 1)];
  if (oldCols > n && n > 0) return decPlaces_.back();
  return 2;
}

void TNTabEd::RaiseNoMemory() const {
  throw EZEBNTabedError("Component \"" + Name() + "\": not enough memory on heap");
}

void TNTabEd::ResizePrecisions(int cols, int templ) {
  try {
    decPlaces_.resize(static_cast<std::size_t>(std::max(cols, 0)), static_cast<int8_t>(templ));
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  } catch (const std::length_error&) {
    RaiseNoMemory();
  }
}

// New data columns take the width of the old last data column (the default column width when
// there was none, so a heading column's width never spreads to data columns); the fixed rows
// and columns are restored whenever the grid can hold them again.
void TNTabEd::TableResized(int oldCols, int /*oldRows*/, int newCols, int newRows) {
  const int off = ColOffset();
  const int w = oldCols >= 1 ? ColWidths(ColCount() - 1) : DefaultColWidth();
  SetColCount(newCols + off + 1);
  for (int c = std::max(oldCols + 1, 1); c <= newCols; ++c)
    fw::TCustomGrid::SetColWidths(c + off, w);
  SetRowCount(newRows + RowOffset() + 1);
  SetFixedCols(off + 1);
  SetFixedRows(RowOffset() + 1);
  ResizePrecisions(newCols, TemplatePrecision(oldCols));
  Invalidate();
}

void TNTabEd::SetNrCols(int n) {
  n = std::max(n, 0);
  if (n == NrOfColumns()) return;
  {
    UpdateHold hold(*this);
    table_->Resize(n, NrOfRows());
  }
  FireChanged(OnChangeSetup);
}

void TNTabEd::SetNrRows(int n) {
  n = std::max(n, 0);
  if (n == NrOfRows()) return;
  {
    UpdateHold hold(*this);
    table_->Resize(NrOfColumns(), n);
  }
  FireChanged(OnChangeSetup);
}

void TNTabEd::Redimension(int cols, int rows) {
  cols = std::max(cols, 0);
  rows = std::max(rows, 0);
  {
    UpdateHold hold(*this);
    if (cols != NrOfColumns() || rows != NrOfRows()) table_->Resize(cols, rows);
  }
  FireChanged(OnChangeSetup);
  RepaintNow();
}

void TNTabEd::SetAttribRowVisible(bool value) {
  if (value == attribRowVisible_) return;
  if (EditorMode()) HideEditor();
  const int cols = NrOfColumns();
  if (value) {
    attribRowVisible_ = true;
    SetColCount(cols + 2);
    for (int c = cols + 1; c >= 2; --c) fw::TCustomGrid::SetColWidths(c, ColWidths(c - 1));
    fw::TCustomGrid::SetColWidths(1, attribColWidth_);
    SetFixedCols(2);
  } else {
    attribRowVisible_ = false;
    SetFixedCols(1);
    for (int c = 1; c + 1 < ColCount(); ++c) fw::TCustomGrid::SetColWidths(c, ColWidths(c + 1));
    SetColCount(cols + 1);
  }
  FireChanged(OnLayoutChanged);
}

void TNTabEd::SetAttribColVisible(bool value) {
  if (value == attribColVisible_) return;
  if (EditorMode()) HideEditor();
  const int rows = NrOfRows();
  if (value) {
    attribColVisible_ = true;
    SetRowCount(rows + 2);
    for (int r = rows + 1; r >= 2; --r) SetRowHeights(r, RowHeights(r - 1));
    SetRowHeights(1, RowHeights(0));
    SetFixedRows(2);
  } else {
    attribColVisible_ = false;
    SetFixedRows(1);
    for (int r = 1; r + 1 < RowCount(); ++r) SetRowHeights(r, RowHeights(r + 1));
    SetRowCount(rows + 1);
  }
  FireChanged(OnLayoutChanged);
}

}  // namespace zeb
