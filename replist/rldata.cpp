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

double TRLData::TableBytes(int Columns, int Rows) {
  // Per column: a name and a format (short enough to live inside their string objects) and a
  // check mode.
  constexpr double kColumnTables = 2 * sizeof(std::string) + sizeof(TCheckMode);
  return TStringArray::TableBytes(Columns, Rows) + std::max(Columns, 0) * kColumnTables;
}

void TRLData::CheckSize(int Columns, int Rows) const {
  if (Columns > kMaxColumns)
    throw EZEBRLDataError("Component \"" + Name() + "\": " + std::to_string(Columns) +
                          " columns are more than the " + std::to_string(kMaxColumns) +
                          " a list can hold");
  if (TableBytes(Columns, Rows) > static_cast<double>(MemoryLimit()))
    throw EZEBRLDataError("Component \"" + Name() + "\": not enough memory on heap for " +
                          std::to_string(Columns) + " columns and " + std::to_string(Rows) +
                          " rows");
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

// All or nothing: the column tables get their room first, then the matrix is resized (which
// either succeeds or changes nothing), and only then do the tables and the count change,
// which cannot fail: the room is there and the default names fit inside their strings.
void TRLData::SetNrCols(int value) {
  value = std::max(value, 1);
  CheckSize(value, nrRows_);
  try {
    colNames_.reserve(static_cast<std::size_t>(value));
    colFormats_.reserve(static_cast<std::size_t>(value));
    checkModes_.reserve(static_cast<std::size_t>(value));
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  }
  if (!matrix_->Resize(value, nrRows_))
    throw EZEBRLDataError("Component \"" + Name() + "\": cannot resize the table to " +
                          std::to_string(value) + " columns");
  const int oldCount = nrCols_;
  ResizeColumnTables(value);
  ResetColumnTables(oldCount);
  nrCols_ = value;
}

void TRLData::SetNrRows(int value) {
  value = std::max(value, 0);
  CheckSize(nrCols_, value);
  // The matrix holds exactly the data rows, so rows added later start empty and unmarked.
  if (!matrix_->Resize(std::max(nrCols_, 0), value))
    throw EZEBRLDataError("Component \"" + Name() + "\": cannot resize the table to " +
                          std::to_string(value) + " rows");
  nrRows_ = value;
}

int TRLData::AddRow() {
  if (nrRows_ == std::numeric_limits<int>::max())
    throw EZEBRLDataError("Component \"" + Name() + "\": a list holds at most " +
                          std::to_string(nrRows_) + " rows");
  SetNrRows(nrRows_ + 1);
  return nrRows_;
}

void TRLData::SetCommonHeader(const std::string& value) {
  if (value != commonHeader_) commonHeader_ = value;
}

void TRLData::Clear() {
  matrix_->Clear();
  ResetColumnTables(0);
}

// ---- staged changes ---------------------------------------------------------------------

std::unique_ptr<TRLData> TRLData::NewStage() const {
  auto stage = std::make_unique<TRLData>(nullptr);
  stage->SetName(Name());
  stage->SetMemoryLimit(MemoryLimit());
  return stage;
}

void TRLData::CopyDataFrom(const TRLData& Source, bool WithCells) {
  colNames_ = Source.colNames_;
  colFormats_ = Source.colFormats_;
  checkModes_ = Source.checkModes_;
  nrCols_ = Source.nrCols_;
  nrRows_ = WithCells ? Source.nrRows_ : 0;
  const bool sorted = WithCells;
  sortCol_ = sorted ? Source.sortCol_ : -1;
  sortColSec_ = sorted ? Source.sortColSec_ : -1;
  sortAscending_ = sorted ? Source.sortAscending_ : true;
  sortAscendingSec_ = sorted ? Source.sortAscendingSec_ : true;
  headerClickAscending_ = Source.headerClickAscending_;
  comment_ = Source.comment_;
  commonHeader_ = Source.commonHeader_;
  dataID_ = Source.dataID_;
  const bool copied = WithCells ? matrix_->CopyContentsFrom(*Source.matrix_)
                                : matrix_->Resize(std::max(nrCols_, 0), 0);
  if (!copied) RaiseNoMemory();
}

void TRLData::SwapData(TRLData& Other) noexcept {
  matrix_->SwapContents(*Other.matrix_);
  std::swap(nrCols_, Other.nrCols_);
  std::swap(nrRows_, Other.nrRows_);
  colNames_.swap(Other.colNames_);
  colFormats_.swap(Other.colFormats_);
  checkModes_.swap(Other.checkModes_);
  std::swap(sortCol_, Other.sortCol_);
  std::swap(sortColSec_, Other.sortColSec_);
  std::swap(sortAscending_, Other.sortAscending_);
  std::swap(sortAscendingSec_, Other.sortAscendingSec_);
  std::swap(headerClickAscending_, Other.headerClickAscending_);
  comment_.swap(Other.comment_);
  commonHeader_.swap(Other.commonHeader_);
  dataID_.swap(Other.dataID_);
}

// The stage's data becomes this store's; views hear of it once.
void TRLData::TakeStage(TRLData& Stage) {
  ChangeBatch batch(*matrix_);
  SwapData(Stage);
  batch.Done();
}

// Source's data moves through a new store: Source takes the new store's, this store takes
// Source's, and the new store leaves with this store's old data. Only swaps, no copies.
void TRLData::TakeDataFrom(TRLData& Source) {
  if (&Source == this) return;
  std::unique_ptr<TRLData> carrier;
  try {
    carrier = Source.NewStage();
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  }
  Source.TakeStage(*carrier);
  TakeStage(*carrier);
}

void TRLData::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TRLData*>(Source);
  if (source == nullptr) {
    fw::TComponent::Assign(Source);
    return;
  }
  if (source == this) return;
  // The own matrix object stays, so handlers attached to it by a view keep working.
  std::unique_ptr<TRLData> stage;
  try {
    stage = NewStage();
    stage->CopyDataFrom(*source, true);
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  }
  matrix_->SetAllocRowsBy(source->matrix_->AllocRowsBy());
  OnBeforeSortExchange = source->OnBeforeSortExchange;
  TakeStage(*stage);
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
