// TStringArray: construction, size, cells and attribute bytes, and the insertion and removal
// of rows and columns.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <new>
#include <numeric>
#include <stdexcept>

#include "companion/dstruct_column.h"
#include "framework/rtl/utf8.h"

namespace zeb {
namespace {

// Bytes of physical memory; sizes beyond it are refused before anything is allocated, since
// the system might grant the address space and fail only when the pages are touched.
uint64_t PhysicalMemory() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return uint64_t{1} << 32;
  return static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize);
}

// The text as stored: at most kMaxCellLength characters.
std::string_view CutCell(std::string_view text, std::string& buffer) {
  if (text.size() <= static_cast<std::size_t>(TStringArray::kMaxCellLength)) return text;
  buffer = fw::CutToLength(text, TStringArray::kMaxCellLength);
  return buffer;
}

}  // namespace

TStringArray::TStringArray(fw::TComponent* AOwner) : fw::TComponent(AOwner) {
  columns_.push_back(std::make_unique<Column>(1, 1));
  colAttribs_.push_back(0);
  rowAttribs_.push_back(0);
  order_.push_back(0);
}

TStringArray::~TStringArray() = default;

void TStringArray::Changed() {
  OnChange(this);
}

void TStringArray::SetAllocRowsBy(int rows) {
  allocRowsBy_ = std::max(rows, 1);
}

std::size_t TStringArray::RowCapacityFor(std::size_t rows) const {
  const std::size_t step = static_cast<std::size_t>(allocRowsBy_);
  const std::size_t current = rowAttribs_.capacity();
  const std::size_t stepped = (rows + step - 1) / step * step;
  return std::max({rows, stepped, current + current / 2});
}

bool TStringArray::ReserveRows(std::size_t rows) {
  const std::size_t capacity =
      rows <= rowAttribs_.capacity() ? rowAttribs_.capacity() : RowCapacityFor(rows);
  try {
    rowAttribs_.reserve(capacity);
    order_.reserve(capacity);
    for (auto& column : columns_) column->ReserveRows(capacity);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  return true;
}

double TStringArray::TableBytes(int NrColumns, int NrRows) {
  const double cols = std::max(NrColumns, 0) + 1.0;
  const double rows = std::max(NrRows, 0) + 1.0;
  return cols * static_cast<double>(kColumnBytes) + cols * rows * sizeof(uint32_t) +
         rows * (sizeof(uint8_t) + sizeof(uint32_t));
}

namespace {
std::atomic<std::size_t> defaultMemoryLimit{0};
}  // namespace

std::size_t TStringArray::DefaultMemoryLimit() {
  const std::size_t set = defaultMemoryLimit.load();
  return set != 0 ? set : static_cast<std::size_t>(PhysicalMemory() / 2);
}

void TStringArray::SetDefaultMemoryLimit(std::size_t bytes) {
  defaultMemoryLimit.store(bytes);
}

std::size_t TStringArray::MemoryLimit() const {
  return memoryLimit_ != 0 ? memoryLimit_ : DefaultMemoryLimit();
}

bool TStringArray::Affordable(int NrColumns, int NrRows) const {
  return TableBytes(NrColumns, NrRows) <= static_cast<double>(MemoryLimit());
}

bool TStringArray::Resize(int NrColumns, int NrRows) {
  if (NrColumns < 0 || NrRows < 0) return false;
  const std::size_t cols = static_cast<std::size_t>(NrColumns) + 1;
  const std::size_t rows = static_cast<std::size_t>(NrRows) + 1;
  if (cols == columns_.size() && rows == rowAttribs_.size()) return true;
  // Growing is checked against the limit; shrinking always works.
  if ((cols > columns_.size() || rows > rowAttribs_.size()) && !Affordable(NrColumns, NrRows))
    return false;
  if (rows < rowAttribs_.size()) {
    try {
      CommitSorting();
    } catch (const EZEBDStructError&) {
      return false;
    }
  }
  // Allocate everything first, so a failure leaves the matrix as it was.
  std::vector<std::unique_ptr<Column>> added;
  if (!ReserveRows(rows)) return false;
  try {
    for (std::size_t c = columns_.size(); c < cols; ++c)
      added.push_back(std::make_unique<Column>(rows, RowCapacityFor(rows)));
    columns_.reserve(cols);
    colAttribs_.reserve(cols);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  if (cols < columns_.size()) {
    columns_.resize(cols);
    colAttribs_.resize(cols);
  }
  for (auto& column : columns_) column->ResizeRows(rows);
  for (auto& column : added) {
    columns_.push_back(std::move(column));
    colAttribs_.push_back(0);
  }
  const std::size_t oldRows = order_.size();
  rowAttribs_.resize(rows, 0);
  order_.resize(rows);
  for (std::size_t r = oldRows; r < rows; ++r) order_[r] = static_cast<uint32_t>(r);
  Changed();
  return true;
}

void TStringArray::Clear() {
  for (auto& column : columns_) column->Clear();
  std::fill(colAttribs_.begin(), colAttribs_.end(), 0);
  std::fill(rowAttribs_.begin(), rowAttribs_.end(), 0);
  std::iota(order_.begin(), order_.end(), 0u);
  Changed();
}

std::string TStringArray::GetElem(int ACol, int ARow) const {
  return std::string(ElemText(ACol, ARow));
}

std::string_view TStringArray::ElemText(int ACol, int ARow) const {
  if (!InColumns(ACol) || !InRows(ARow)) return {};
  return columns_[static_cast<std::size_t>(ACol)]->Get(Stored(ARow));
}

void TStringArray::SetElem(int ACol, int ARow, std::string_view value) {
  SetRowTexts(ARow, ACol, &value, 1);
}

void TStringArray::SetRowTexts(int ARow, int ColLow, const std::string_view* texts,
                               std::size_t count) {
  if (!InRows(ARow) || !InColumns(ColLow)) return;
  const std::size_t stored = Stored(ARow);
  const std::size_t first = static_cast<std::size_t>(ColLow);
  count = std::min(count, columns_.size() - first);
  std::string buffer;
  bool changed = false;
  for (std::size_t i = 0; i < count; ++i) {
    try {
      changed = columns_[first + i]->Set(stored, CutCell(texts[i], buffer)) || changed;
    } catch (const std::bad_alloc&) {
      if (changed) Changed();
      throw EZEBDStructError("Class TStringArray: not enough memory for cell [" +
                             std::to_string(first + i) + "," + std::to_string(ARow) + "]");
    }
  }
  if (changed) Changed();
}

bool TStringArray::RewriteColumn(int ACol,
                                 const std::function<std::string(std::string_view)>& rewrite) {
  if (!InColumns(ACol)) return false;
  Column& column = *columns_[static_cast<std::size_t>(ACol)];
  bool changed = false;
  try {
    auto fresh = std::make_unique<Column>(column.Rows(), column.Rows());
    fresh->Set(0, column.Get(0));
    std::string buffer;
    for (std::size_t r = 1; r < column.Rows(); ++r) {
      const std::string_view old = column.Get(r);
      const std::string text = rewrite(old);
      changed = changed || text != old;
      fresh->Set(r, CutCell(text, buffer));
    }
    columns_[static_cast<std::size_t>(ACol)] = std::move(fresh);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const EZEBDStructError&) {
    return false;
  }
  if (changed) Changed();
  return true;
}

void TStringArray::RowTexts(int ARow, int ColLow, int ColHigh, std::string_view* out) const {
  const std::size_t stored = Stored(ARow);
  for (int c = ColLow; c <= ColHigh; ++c)
    *out++ = columns_[static_cast<std::size_t>(c)]->Get(stored);
}

uint8_t TStringArray::GetColAttrib(int ACol) const {
  return InColumns(ACol) ? colAttribs_[static_cast<std::size_t>(ACol)] : 0;
}

void TStringArray::SetColAttrib(int ACol, uint8_t value) {
  if (InColumns(ACol)) colAttribs_[static_cast<std::size_t>(ACol)] = value;
}

uint8_t TStringArray::GetRowAttrib(int ARow) const {
  return InRows(ARow) ? rowAttribs_[Stored(ARow)] : 0;
}

void TStringArray::SetRowAttrib(int ARow, uint8_t value) {
  if (InRows(ARow)) rowAttribs_[Stored(ARow)] = value;
}

bool TStringArray::InsertColumn(int ACol) {
  if (ACol < 1 || ACol > NrOfColumns() + 1) return false;
  if (!Affordable(NrOfColumns() + 1, NrOfRows())) return false;
  try {
    auto column = std::make_unique<Column>(rowAttribs_.size(), rowAttribs_.capacity());
    columns_.reserve(columns_.size() + 1);
    colAttribs_.reserve(colAttribs_.size() + 1);
    columns_.insert(columns_.begin() + ACol, std::move(column));
    colAttribs_.insert(colAttribs_.begin() + ACol, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  Changed();
  return true;
}

bool TStringArray::RemoveColumn(int ACol) {
  if (ACol < 1 || ACol > NrOfColumns()) return false;
  columns_.erase(columns_.begin() + ACol);
  colAttribs_.erase(colAttribs_.begin() + ACol);
  Changed();
  return true;
}

bool TStringArray::InsertRow(int ARow) {
  if (ARow < 1 || ARow > NrOfRows() + 1) return false;
  if (!Affordable(NrOfColumns(), NrOfRows() + 1)) return false;
  // Room first: the order is committed only when the row can then surely be inserted.
  if (!ReserveRows(rowAttribs_.size() + 1)) return false;
  try {
    CommitSorting();
  } catch (const EZEBDStructError&) {
    return false;
  }
  const std::size_t at = static_cast<std::size_t>(ARow);
  for (auto& column : columns_) column->InsertRow(at);
  rowAttribs_.insert(rowAttribs_.begin() + ARow, 0);
  order_.push_back(static_cast<uint32_t>(order_.size()));
  Changed();
  return true;
}

bool TStringArray::RemoveRow(int ARow) {
  if (ARow < 1 || ARow > NrOfRows()) return false;
  try {
    CommitSorting();
  } catch (const EZEBDStructError&) {
    return false;
  }
  const std::size_t at = static_cast<std::size_t>(ARow);
  for (auto& column : columns_) column->EraseRow(at);
  rowAttribs_.erase(rowAttribs_.begin() + ARow);
  order_.pop_back();
  Changed();
  return true;
}

bool TStringArray::CopyContentsFrom(const TStringArray& Source) {
  if (&Source == this) return true;
  if (!Affordable(Source.NrOfColumns(), Source.NrOfRows())) return false;
  // Built aside and swapped in, so a failure leaves this matrix as it was.
  std::vector<std::unique_ptr<Column>> columns;
  std::vector<uint8_t> colAttribs, rowAttribs;
  std::vector<uint32_t> order;
  try {
    columns.reserve(Source.columns_.size());
    for (const auto& column : Source.columns_) columns.push_back(std::make_unique<Column>(*column));
    colAttribs = Source.colAttribs_;
    rowAttribs = Source.rowAttribs_;
    order = Source.order_;
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  columns_.swap(columns);
  colAttribs_.swap(colAttribs);
  rowAttribs_.swap(rowAttribs);
  order_.swap(order);
  return true;
}

void TStringArray::SwapContents(TStringArray& Other) noexcept {
  columns_.swap(Other.columns_);
  colAttribs_.swap(Other.colAttribs_);
  rowAttribs_.swap(Other.rowAttribs_);
  order_.swap(Other.order_);
}

bool TStringArray::RemoveRowsWhere(const std::function<bool(int ARow)>& remove) {
  // The kept rows' references are gathered in the order seen for every column before any is
  // replaced, which commits the order and removes the rows in one step.
  std::vector<std::vector<uint32_t>> refs;
  std::vector<uint8_t> attribs;
  try {
    std::vector<uint32_t> kept{0};
    for (int r = 1; r <= NrOfRows(); ++r)
      if (!remove(r)) kept.push_back(order_[static_cast<std::size_t>(r)]);
    if (kept.size() == order_.size()) return true;
    refs.reserve(columns_.size());
    for (const auto& column : columns_) refs.push_back(column->Gathered(kept));
    attribs.reserve(rowAttribs_.capacity());
    for (const uint32_t stored : kept) attribs.push_back(rowAttribs_[stored]);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const EZEBDStructError&) {
    return false;
  }
  for (std::size_t c = 0; c < columns_.size(); ++c) columns_[c]->KeepRefs(refs[c]);
  rowAttribs_.swap(attribs);
  order_.resize(rowAttribs_.size());
  UnSort();
  Changed();
  return true;
}

std::size_t TStringArray::MemoryUsed() const {
  std::size_t bytes = rowAttribs_.capacity() + colAttribs_.capacity() +
                      order_.capacity() * sizeof(uint32_t) +
                      columns_.capacity() * sizeof(std::unique_ptr<Column>);
  for (const auto& column : columns_) bytes += sizeof(Column) + column->MemoryUsed();
  return bytes;
}

}  // namespace zeb
