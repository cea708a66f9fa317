// TNTabEd's public cell, mark and heading operations (data indices, column first).
#include <algorithm>

#include "framework/rtl/utf8.h"
#include "ntabed/ZEB_ntabed.h"
#include "ntabed/ntabed_holds.h"

namespace zeb {

void TNTabEd::SetElem(int col, int row, double value) {
  table_->SetElem(col, row, ClampToRange(value));
}

void TNTabEd::SetCellState(int col, int row, uint8_t state) {
  table_->SetCellState(col, row, state);
}

bool TNTabEd::GetIsEmpty(int col, int row) const {
  return (table_->GetCellState(col, row) & csEmpty) != 0;
}

void TNTabEd::SetIsEmpty(int col, int row, bool flag) {
  const uint8_t state = table_->GetCellState(col, row);
  table_->SetCellState(col, row, flag ? state | csEmpty : state & ~csEmpty);
  if (flag) FireChanged(OnEmptyStChanged);
}

bool TNTabEd::GetElemMarkedA(int col, int row) const {
  return (table_->GetCellState(col, row) & csMarkA) != 0;
}

bool TNTabEd::GetElemMarkedB(int col, int row) const {
  return (table_->GetCellState(col, row) & csMarkB) != 0;
}

namespace {

uint8_t WithBit(uint8_t state, uint8_t bit, bool flag) {
  return flag ? static_cast<uint8_t>(state | bit) : static_cast<uint8_t>(state & ~bit);
}

}  // namespace

void TNTabEd::SetElemMarkedA(int col, int row, bool flag) {
  if (col >= 1 && col <= NrOfColumns() && row >= 1 && row <= NrOfRows())
    table_->SetCellState(col, row, WithBit(table_->GetCellState(col, row), csMarkA, flag));
  Invalidate();
  FireChanged(OnCellStateChanged);
}

void TNTabEd::SetElemMarkedB(int col, int row, bool flag) {
  if (col >= 1 && col <= NrOfColumns() && row >= 1 && row <= NrOfRows())
    table_->SetCellState(col, row, WithBit(table_->GetCellState(col, row), csMarkB, flag));
  Invalidate();
  FireChanged(OnCellStateChanged);
}

bool TNTabEd::IfRowMarked(int row) const {
  if (row < 1 || row > NrOfRows()) return false;
  for (int c = 1; c <= NrOfColumns(); ++c)
    if (table_->GetCellState(c, row) & (csMarkA | csMarkB)) return true;
  return false;
}

bool TNTabEd::IfColumnMarked(int col) const {
  if (col < 1 || col > NrOfColumns()) return false;
  for (int r = 1; r <= NrOfRows(); ++r)
    if (table_->GetCellState(col, r) & (csMarkA | csMarkB)) return true;
  return false;
}

bool TNTabEd::IfAnyMarked() const {
  for (int r = 1; r <= NrOfRows(); ++r)
    if (IfRowMarked(r)) return true;
  return false;
}

namespace {

int CountBit(const TDataTable& table, uint8_t bit) {
  int n = 0;
  for (int c = 1; c <= table.NrOfColumns(); ++c)
    for (int r = 1; r <= table.NrOfRows(); ++r)
      if (table.GetCellState(c, r) & bit) ++n;
  return n;
}

}  // namespace

int TNTabEd::NrOfMarkedDataA() const {
  return CountBit(*table_, csMarkA);
}

int TNTabEd::NrOfMarkedDataB() const {
  return CountBit(*table_, csMarkB);
}

void TNTabEd::UnMarkAllElems() {
  {
    UpdateHold hold(*this);
    table_->UnmarkAllCells();
  }
  Invalidate();
  FireChanged(OnCellStateChanged);
}

void TNTabEd::MarkAllElemsA() {
  MarkCommand(1, 4);
}

void TNTabEd::MarkAllElemsB() {
  MarkCommand(2, 4);
}

void TNTabEd::InvertCellStates(uint8_t mask) {
  table_->InvertCellStates(mask);
  Invalidate();
  FireChanged(OnCellStateChanged);
}

void TNTabEd::ExchangeMarkings() {
  table_->ExchangeMarkings();
  Invalidate();
  FireChanged(OnCellStateChanged);
}

// ---- headings

std::string TNTabEd::GetColName(int col) const {
  return table_->GetColName(col);
}

void TNTabEd::SetColName(int col, const std::string& name) {
  if (col < 1 || col > NrOfColumns()) return;
  table_->SetColName(col, fw::Copy(name, 1, MaxNameLength));
  FireChanged(OnHeadingChanged);
  Invalidate();
}

std::string TNTabEd::GetRowName(int row) const {
  return table_->GetRowName(row);
}

void TNTabEd::SetRowName(int row, const std::string& name) {
  if (row < 1 || row > NrOfRows()) return;
  table_->SetRowName(row, fw::Copy(name, 1, MaxNameLength));
  FireChanged(OnHeadingChanged);
  Invalidate();
}

int TNTabEd::GetColAttrib(int col) const {
  return table_->GetColAttrib(col);
}

void TNTabEd::SetColAttrib(int col, uint8_t attrib) {
  if (col < 1 || col > NrOfColumns()) return;
  table_->SetColAttrib(col, attrib);
  Invalidate();
  FireChanged(OnAttributeChanged);
}

int TNTabEd::GetRowAttrib(int row) const {
  return table_->GetRowAttrib(row);
}

void TNTabEd::SetRowAttrib(int row, uint8_t attrib) {
  if (row < 1 || row > NrOfRows()) return;
  table_->SetRowAttrib(row, attrib);
  Invalidate();
  FireChanged(OnAttributeChanged);
}

int TNTabEd::FindColIndex(const std::string& name) const {
  return table_->FindColIndex(fw::Copy(name, 1, MaxNameLength));
}

int TNTabEd::FindRowIndex(const std::string& name) const {
  return table_->FindRowIndex(fw::Copy(name, 1, MaxNameLength));
}

// ---- precision and sizes

int TNTabEd::GetDecPlaces(int col) const {
  if (col < 1 || col > static_cast<int>(decPlaces_.size())) return 0;
  return decPlaces_[static_cast<std::size_t>(col - 1)];
}

void TNTabEd::SetDecPlaces(int col, int places) {
  if (col < 1 || col > static_cast<int>(decPlaces_.size())) return;
  decPlaces_[static_cast<std::size_t>(col - 1)] = static_cast<int8_t>(std::clamp(places, -1, 10));
  Invalidate();
  FireChanged(OnLayoutChanged);
}

int TNTabEd::GetColWidths(int col) const {
  if (col > 0) return col <= NrOfColumns() ? ColWidths(col + ColOffset()) : 0;
  if (col == 0) return ColWidths(0);
  return attribRowVisible_ ? ColWidths(1) : 0;
}

void TNTabEd::SetColWidths(int col, int width) {
  if (col > 0) {
    if (col <= NrOfColumns()) fw::TCustomGrid::SetColWidths(col + ColOffset(), width);
  } else if (col == 0) {
    fw::TCustomGrid::SetColWidths(0, width);
  } else if (attribRowVisible_) {
    fw::TCustomGrid::SetColWidths(1, width);
    attribColWidth_ = ColWidths(1);
  }
  FireChanged(OnLayoutChanged);
}

void TNTabEd::SetRowHeight(int row, int height) {
  if (row > 0) {
    if (row <= NrOfRows()) SetRowHeights(row + RowOffset(), height);
  } else if (row == 0) {
    SetRowHeights(0, height);
  } else if (attribColVisible_) {
    SetRowHeights(1, height);
  }
}

// ---- bulk operations

void TNTabEd::Fill(double value) {
  table_->Fill(value);
}

void TNTabEd::FillMarkedCells(double value, uint8_t mask) {
  PaintHold hold(*this);
  table_->FillMarkedCells(value, mask);
}

void TNTabEd::Clear() {
  PaintHold hold(*this);
  table_->Clear();
  for (int c = 1; c <= NrOfColumns(); ++c) table_->SetColName(c, "C-" + std::to_string(c));
  for (int r = 1; r <= NrOfRows(); ++r) table_->SetRowName(r, "R-" + std::to_string(r));
  std::fill(decPlaces_.begin(), decPlaces_.end(), int8_t{3});
}

void TNTabEd::InsertRow(int row) {
  if (row < 1 || row > NrOfRows() + 1) return;
  PaintHold hold(*this);
  table_->InsertRow(row);
}

void TNTabEd::InsertColumn(int col) {
  if (col < 1 || col > NrOfColumns() + 1) return;
  PaintHold hold(*this);
  const int templ = TemplatePrecision(std::min(col, NrOfColumns()));
  table_->InsertColumn(col);
  // The table appended the new column's precision; it belongs in front of column col.
  if (static_cast<int>(decPlaces_.size()) == NrOfColumns() && col < NrOfColumns()) {
    decPlaces_.pop_back();
    decPlaces_.insert(decPlaces_.begin() + (col - 1), static_cast<int8_t>(templ));
  }
}

void TNTabEd::RemoveRow(int row) {
  if (row < 1 || row > NrOfRows() || NrOfRows() < 2) return;
  if (EditorMode()) CancelEditor();
  PaintHold hold(*this);
  table_->RemoveRow(row);
}

void TNTabEd::RemoveColumn(int col) {
  if (col < 1 || col > NrOfColumns() || NrOfColumns() < 2) return;
  if (EditorMode()) CancelEditor();
  PaintHold hold(*this);
  // The precision of the removed column goes with it (the resize handling drops the last).
  const auto removed = decPlaces_.begin() + (col - 1);
  if (col <= static_cast<int>(decPlaces_.size())) {
    const int8_t keep = decPlaces_.back();
    decPlaces_.erase(removed);
    decPlaces_.push_back(keep);
  }
  table_->RemoveColumn(col);
}

void TNTabEd::MirrorColumns() {
  PaintHold hold(*this);
  table_->MirrorColumns();
  std::reverse(decPlaces_.begin(), decPlaces_.end());
}

void TNTabEd::MirrorRows() {
  PaintHold hold(*this);
  table_->MirrorRows();
}

void TNTabEd::SortCols(int SortRow, bool Ascending, int ColLow, int RowLow, int ColHigh,
                       int RowHigh, bool MoveHeadings) {
  PaintHold hold(*this);
  table_->SortCols(SortRow, Ascending, ColLow, RowLow, ColHigh, RowHigh, MoveHeadings);
}

void TNTabEd::SortRows(int SortCol, bool Ascending, int ColLow, int RowLow, int ColHigh,
                       int RowHigh, bool MoveHeadings) {
  PaintHold hold(*this);
  table_->SortRows(SortCol, Ascending, ColLow, RowLow, ColHigh, RowHigh, MoveHeadings);
}

void TNTabEd::SortRowAttributes(bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh) {
  PaintHold hold(*this);
  table_->SortRowAttributes(Ascending, ColLow, RowLow, ColHigh, RowHigh);
}

void TNTabEd::SortColAttributes(bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh) {
  PaintHold hold(*this);
  table_->SortColAttributes(Ascending, ColLow, RowLow, ColHigh, RowHigh);
}

void TNTabEd::SortColNames(bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh) {
  SortColNames(Ascending, false, ColLow, RowLow, ColHigh, RowHigh);
}

void TNTabEd::SortColNames(bool Ascending, bool IgnoreCase, int ColLow, int RowLow, int ColHigh,
                           int RowHigh) {
  PaintHold hold(*this);
  table_->SortColNames(Ascending, IgnoreCase, ColLow, RowLow, ColHigh, RowHigh);
}

void TNTabEd::SortRowNames(bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh) {
  SortRowNames(Ascending, false, ColLow, RowLow, ColHigh, RowHigh);
}

void TNTabEd::SortRowNames(bool Ascending, bool IgnoreCase, int ColLow, int RowLow, int ColHigh,
                           int RowHigh) {
  PaintHold hold(*this);
  table_->SortRowNames(Ascending, IgnoreCase, ColLow, RowLow, ColHigh, RowHigh);
}

// The other editor's table is copied whole; its precisions come along.
void TNTabEd::CopyContentsFrom(const TNTabEd& source) {
  if (&source == this) return;
  {
    PaintHold hold(*this);
    table_->Assign(source.table_);
    decPlaces_ = source.decPlaces_;
    decPlaces_.resize(static_cast<std::size_t>(NrOfColumns()), 2);
  }
  FireChanged(OnChangeSetup);
}

void TNTabEd::CopyCellStatesFrom(const TNTabEd& source) {
  if (&source == this) return;
  PaintHold hold(*this);
  table_->CopyCellStatesFrom(*source.table_);
}

}  // namespace zeb
