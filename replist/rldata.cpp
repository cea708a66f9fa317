// TRLData: construction, sizes, the common header, clearing, copying between stores and the
// class record.
#include <algorithm>
#include <limits>
#include <new>

#include "framework/base/registry.h"
#include "replist/ZEB_replist.h"
#include "replist/rldata_batch.h"

namespace zeb {

namespace {

std::string DefaultColName(int number) {
  return "C-" + std::to_string(number);
}

}  // namespace

TRLData::TRLData(fw::TComponent* AOwner) : fw::TComponent(AOwner) {
  matrix_ = std::make_unique<TStringArray>(nullptr);
  matrix_->SetAllocRowsBy(10);
  if (!matrix_->Resize(nrCols_, nrRows_))
    throw EZEBRLDataError("Component \"" + Name() + "\": failed to initialize (out of memory)");
  matrix_->Clear();
  try {
    ResizeColumnTables(nrCols_);
    ResetColumnTables(0);
  } catch (const std::bad_alloc&) {
    throw EZEBRLDataError("Component \"" + Name() + "\": failed to initialize (out of memory)");
  }
  HookMatrix();
}

TRLData::~TRLData() = default;

void TRLData::HookMatrix() {
  matrix_->OnBeforeSortExchange = [this](fw::TObject* sender, const std::string& s1,
                                         std::string& s2) { BeforeSortExchange(sender, s1, s2); };
  matrix_->OnPercentDone = [this](fw::TObject*, int percent) { OnPercentDone(this, percent); };
}

void TRLData::RaiseNoMemory() const {
  throw EZEBRLDataError("Component \"" + Name() + "\": not enough memory on heap");
}

void TRLData::ResizeColumnTables(int count) {
  const auto n = static_cast<std::size_t>(std::max(count, 0));
  colNames_.resize(n);
  colFormats_.resize(n);
  checkModes_.resize(n, cmNone);
}

// Names from column `first` (0-based) on become "C-<number>", formats empty, modes cmNone.
void TRLData::ResetColumnTables(int first) {
  for (int i = std::max(first, 0); i < static_cast<int>(colNames_.size()); ++i) {
    colNames_[static_cast<std::size_t>(i)] = DefaultColName(i + 1);
    colFormats_[static_cast<std::size_t>(i)].clear();
    checkModes_[static_cast<std::size_t>(i)] = cmNone;
  }
}

void TRLData::SetNrCols(int Value) {
  Value = std::max(Value, 1);
  if (!matrix_->Resize(Value, nrRows_))
    throw EZEBRLDataError("Component \"" + Name() + "\": cannot resize the table to " +
                          std::to_string(Value) + " columns");
  const int oldCount = nrCols_;
  nrCols_ = Value;
  try {
    ResizeColumnTables(Value);
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  }
  ResetColumnTables(oldCount);
}

void TRLData::SetNrRows(int Value) {
  Value = std::max(Value, 0);
  // The matrix holds exactly the data rows, so rows added later start empty and unmarked.
  if (!matrix_->Resize(std::max(nrCols_, 0), Value))
    throw EZEBRLDataError("Component \"" + Name() + "\": cannot resize the table to " +
                          std::to_string(Value) + " rows");
  nrRows_ = Value;
}

void TRLData::SetCommonHeader(const std::string& Value) {
  if (Value != commonHeader_) commonHeader_ = Value;
}

void TRLData::Clear() {
  matrix_->Clear();
  ResetColumnTables(0);
}

void TRLData::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TRLData*>(Source);
  if (source == nullptr) {
    fw::TComponent::Assign(Source);
    return;
  }
  if (source == this) return;
  const TStringArray& from = *source->matrix_;
  std::vector<TNameStrType> names;
  std::vector<TColFmtString> formats;
  std::vector<TCheckMode> modes;
  try {
    names = source->colNames_;
    formats = source->colFormats_;
    modes = source->checkModes_;
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  }
  // The own matrix object stays, so handlers attached to it by a view keep working.
  ChangeBatch batch(*matrix_);
  if (!matrix_->Resize(std::max(source->nrCols_, 0), source->nrRows_)) RaiseNoMemory();
  matrix_->Clear();
  matrix_->SetAllocRowsBy(from.AllocRowsBy());
  const int cols = source->nrCols_;
  const int rows = source->nrRows_;
  for (int c = 0; c <= cols; ++c) matrix_->SetColAttrib(c, from.GetColAttrib(c));
  for (int c = 0; c <= cols; ++c) matrix_->SetElem(c, 0, from.GetElem(c, 0));
  // Cells and attribute bytes go to their stored rows; then the same order is installed.
  for (int r = 1; r <= rows; ++r) {
    const int stored = from.GetSortOrder(r);
    matrix_->SetRowAttrib(stored, from.GetRowAttrib(r));
    for (int c = 0; c <= cols; ++c) matrix_->SetElem(c, stored, from.GetElem(c, r));
  }
  for (int r = 1; r <= rows; ++r) matrix_->SetSortOrder(r, from.GetSortOrder(r));
  nrCols_ = cols;
  nrRows_ = rows;
  sortCol_ = source->sortCol_;
  sortColSec_ = source->sortColSec_;
  sortAscending_ = source->sortAscending_;
  sortAscendingSec_ = source->sortAscendingSec_;
  headerClickAscending_ = source->headerClickAscending_;
  comment_ = source->comment_;
  commonHeader_ = source->commonHeader_;
  OnBeforeSortExchange = source->OnBeforeSortExchange;
  dataID_ = source->dataID_;
  colNames_ = std::move(names);
  colFormats_ = std::move(formats);
  checkModes_ = std::move(modes);
  batch.Done();
}

void TRLData::AssignTo(fw::TPersistent* Dest) {
  if (auto* dest = dynamic_cast<TRLData*>(Dest)) {
    dest->Assign(this);
    return;
  }
  fw::TComponent::AssignTo(Dest);
}

void TRLData::BeforeSortExchange(fw::TObject*, const std::string& S1, std::string& S2) {
  if (OnBeforeSortExchange) OnBeforeSortExchange(this, S1, S2);
}

void TRLData::BeforeHTMLExport(std::string& Text, int Col, int Row) {
  if (OnBeforeHTMLExport) OnBeforeHTMLExport(this, Text, Col, Row);
}

namespace {

constexpr double kIntMax = std::numeric_limits<int>::max();

void RegisterRLData() {
  fw::RegisterClass<TRLData>("TRLData", "TComponent")
      .Int("NrOfColumns", &TRLData::NrOfColumns, &TRLData::SetNrCols, 1)
      .Range(1, kIntMax)
      .Sample(3)
      .AlwaysStored()
      .Int("NrOfRows", &TRLData::NrOfRows, &TRLData::SetNrRows, 0)
      .Range(0, kIntMax)
      .Sample(5)
      .AlwaysStored()
      .Str("CommonHeader", &TRLData::CommonHeader, &TRLData::SetCommonHeader, "ZEB Report Listview")
      .AlwaysStored()
      .Event("OnBeforeSortExchange")
      .Event("OnBeforeHTMLExport")
      .Event("OnExportText")
      .Event("OnPercentDone");
}

const bool registered = (RegisterRLData(), true);

}  // namespace

}  // namespace zeb
