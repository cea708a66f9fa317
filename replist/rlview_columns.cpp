// TReportListView column table: one entry per data column with its alignment, password and
// editing flags and the column order, kept in step with the store's columns; the per-column
// settings and the column order read and written through it.
#include <algorithm>
#include <new>

#include "replist/ZEB_replist.h"

namespace zeb {

// ---- keeping the table in step with the store ---------------------------------------------

// Room for `count` entries, so that fitting the table to that count cannot fail.
void TReportListView::ReserveViewColumns(int count) {
  try {
    columns_.reserve(static_cast<size_t>(std::max(count, 1)));
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  }
}

// At least one entry is kept, as the grid keeps one column. The table is one vector, so a
// resize that runs out of memory leaves it as it was.
void TReportListView::FitViewColumns(int count) {
  columns_.resize(static_cast<size_t>(std::max(count, 1)));
  SetIdentityOrder();
}

// A default entry for a column inserted before data column ACol (clamped to the table).
void TReportListView::InsertViewColumn(int ACol) {
  const int at = std::clamp(ACol - 1, 0, static_cast<int>(columns_.size()));
  columns_.insert(columns_.begin() + at, TViewColumn{});
}

void TReportListView::EraseViewColumn(int ACol) {
  if (ACol >= 1 && ColIndex(ACol) < columns_.size()) columns_.erase(columns_.begin() + ACol - 1);
}

// Every entry back to its defaults, the count kept.
void TReportListView::ResetViewColumns() {
  std::fill(columns_.begin(), columns_.end(), TViewColumn{});
  SetIdentityOrder();
}

void TReportListView::SetIdentityOrder() {
  for (size_t i = 0; i < columns_.size(); ++i) columns_[i].order = static_cast<int>(i);
}

// ---- column order -------------------------------------------------------------------------

int TReportListView::DataColOfGrid(int c) const {
  if (c >= 0 && c < static_cast<int>(columns_.size()))
    return columns_[static_cast<size_t>(c)].order + 1;
  return c + 1;
}

int TReportListView::GridColOfData(int d) const {
  for (size_t c = 0; c < columns_.size(); ++c)
    if (columns_[c].order == d - 1) return static_cast<int>(c);
  return -1;
}

int TReportListView::GetColOrder(int ACol) const {
  return HasColEntry(ACol) ? columns_[ColIndex(ACol)].order + 1 : 0;
}

bool TReportListView::SetColumnOrder(TIntList Order) {
  const int n = NrOfColumns();
  if (static_cast<int>(Order.size()) != n || static_cast<int>(columns_.size()) != n) return false;
  bool ok = true;
  for (size_t i = 0; i < Order.size(); ++i) {
    if (Order[i] >= 1 && Order[i] <= n)
      columns_[i].order = Order[i] - 1;
    else
      ok = false;
  }
  return ok;
}

// ---- per-column view settings -------------------------------------------------------------

TAlignment TReportListView::GetColAlignment(int ACol) const {
  return HasColEntry(ACol) ? columns_[ColIndex(ACol)].alignment : taLeftJustify;
}

void TReportListView::SetColAlignment(int ACol, TAlignment value) {
  if (!HasColEntry(ACol) || columns_[ColIndex(ACol)].alignment == value) return;
  columns_[ColIndex(ACol)].alignment = value;
  Changed();
  RepaintView();
}

bool TReportListView::GetColumnIsPwd(int ACol) const {
  return HasColEntry(ACol) && columns_[ColIndex(ACol)].password;
}

void TReportListView::SetColumnIsPwd(int ACol, bool value) {
  if (!HasColEntry(ACol) || columns_[ColIndex(ACol)].password == value) return;
  columns_[ColIndex(ACol)].password = value;
  Changed();
  RepaintView();
}

bool TReportListView::GetColumnEditable(int ACol) const {
  return HasColEntry(ACol) && columns_[ColIndex(ACol)].editable;
}

void TReportListView::SetColumnEditable(int ACol, bool value) {
  if (HasColEntry(ACol)) columns_[ColIndex(ACol)].editable = value;
}

}  // namespace zeb
