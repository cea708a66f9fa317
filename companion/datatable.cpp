// Unit ZEB_datatable: construction, copying, the comment and the cell accessors of TDataTable.
#include <algorithm>

#include "companion/ZEB_datatable.h"
#include "companion/datatable_progress.h"

namespace zeb {

TDataTable::Progress::Progress(TDataTable& table, int64_t totalCells)
    : table_(table),
      total_(totalCells),
      active_(totalCells > 0 && totalCells >= table.percentThreshold_ &&
              table.OnPercentDone.Assigned()) {
  Report(0);
}

void TDataTable::Progress::Advance(int64_t cells) {
  done_ += cells;
  if (active_) Report(int(std::min<int64_t>(100, done_ * 100 / total_)));
}

void TDataTable::Progress::Finish() {
  Report(100);
  if (failure_) std::rethrow_exception(failure_);
}

void TDataTable::Progress::Report(int percent) {
  if (!active_ || percent <= last_) return;
  last_ = percent;
  try {
    table_.OnPercentDone(&table_, percent);
  } catch (...) {
    failure_ = std::current_exception();
    active_ = false;
  }
}

TDataTable::TDataTable(fw::TComponent* AOwner) : fw::TComponent(AOwner) {}

TDataTable::~TDataTable() = default;

void TDataTable::Assign(fw::TPersistent* source) {
  auto* other = dynamic_cast<TDataTable*>(source);
  if (other == nullptr) {
    fw::TComponent::Assign(source);
    return;
  }
  if (other == this) return;
  // Copy into locals first, so that a failed allocation leaves this table as it was.
  std::vector<double> values = other->values_;
  std::vector<uint8_t> states = other->states_;
  std::vector<ColumnHeading> colHeads = other->colHeads_;
  std::vector<RowHeading> rowHeads = other->rowHeads_;
  std::string comment = other->comment_;
  const int oldCols = cols_;
  const int oldRows = rows_;
  values_.swap(values);
  states_.swap(states);
  colHeads_.swap(colHeads);
  rowHeads_.swap(rowHeads);
  comment_.swap(comment);
  cols_ = other->cols_;
  rows_ = other->rows_;
  NotifySizeChanged(oldCols, oldRows);
  OnDataChanged(this);
}

void TDataTable::SetFComment(const std::string& comment) {
  comment_ = comment;
  OnDataChanged(this);
}

void TDataTable::Clear() {
  Progress progress(*this, int64_t(values_.size()));
  std::fill(values_.begin(), values_.end(), 0.0);
  std::fill(states_.begin(), states_.end(), uint8_t(0));
  for (ColumnHeading& head : colHeads_) head = ColumnHeading{};
  for (RowHeading& head : rowHeads_) head = RowHeading{};
  comment_.clear();
  progress.Finish();
  OnSetupChanged(this);
  OnDataChanged(this);
}

void TDataTable::Fill(double value) {
  Progress progress(*this, int64_t(values_.size()));
  for (int c = 1; c <= cols_; ++c) {
    const auto first = values_.begin() + std::ptrdiff_t(At(c, 1));
    std::fill(first, first + rows_, value);
    progress.Advance(rows_);
  }
  progress.Finish();
}

double TDataTable::GetElem(int Col, int Row) const {
  return Inside(Col, Row) ? values_[At(Col, Row)] : 0.0;
}

void TDataTable::SetElem(int Col, int Row, double value) {
  if (!Inside(Col, Row)) return;
  values_[At(Col, Row)] = value;
  OnDataChanged(this);
}

uint8_t TDataTable::GetCellState(int Col, int Row) const {
  return Inside(Col, Row) ? states_[At(Col, Row)] : uint8_t(0);
}

void TDataTable::SetCellState(int Col, int Row, uint8_t State) {
  if (!Inside(Col, Row)) return;
  states_[At(Col, Row)] = State;
  OnDataChanged(this);
}

bool TDataTable::GetIsNumber(int Col, int Row) const {
  return Inside(Col, Row) && (states_[At(Col, Row)] & (csUndefined | csEmpty)) == 0;
}

}  // namespace zeb
