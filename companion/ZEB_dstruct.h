// Unit ZEB_dstruct of corekit_rt: data structures the components keep their data in: the
// string matrix TStringArray (compact cell storage, sorting through a permutation) and TBitFld.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "companion/ZEB_zebbase.h"
#include "framework/base/component.h"
#include "framework/base/event.h"

namespace zeb {

// Errors of the data structures (and of the data stores built on them).
class EZEBDStructError : public EZEBError {
 public:
  using EZEBError::EZEBError;
};

// A matrix of short strings addressed (column, row). Columns 0..NrOfColumns() and rows
// 0..NrOfRows() exist, so column 0 and row 0 can be used as header cells. Each cell holds at
// most kMaxCellLength characters (longer text is cut, never inside a UTF-8 sequence); each
// column and each row carries one attribute byte.
//
// Row order. Rows are seen through a permutation, the sort order: row r (1..NrOfRows) shows
// the stored row GetSortOrder(r); row 0 always shows stored row 0. Cells and row attribute
// bytes belong to stored rows, so both travel with their row when the order changes. Sort
// changes only the permutation, UnSort resets it to the stored order and CommitSorting makes
// the current order the stored one. Structural row changes (InsertRow, RemoveRow, shrinking by
// Resize) commit the order first, so they act on rows as they are seen.
//
// Sort comparison (for one column). Each cell's text, without leading and trailing characters
// up to the blank (U+0020), is empty, a number or a text. A number is what Val reads after
// every "," is turned into "." (sign, digits, decimal point, exponent; nothing else). Ascending
// order puts empty cells first, then numbers by value (-0 equals 0), then texts compared
// without regard to case and accents: both are lower-cased, the accented Latin letters of
// U+00C0..U+017F are reduced to their base letters ("ä" to "a", "ß" to "ss", "œ" to "oe"),
// and the results are compared by code point (the byte order of UTF-8), so "Ärger" sorts
// between "Apfel" and "Zoo", and "Über" ties with "uber". Descending order is the exact
// reverse of that. Rows whose primary cells compare equal are ordered by the secondary column
// in its own direction, and rows equal in both keep their stored order (the order UnSort
// returns to): the result is that of a stable sort of the stored order and does not depend on
// earlier sorts. The sort is O(n log n). A cell column holding check flags sorts by the stored
// text, flag included.
//
// Events. OnChange fires once after each operation that changes cell texts or the shape of the
// matrix (SetElem that changes the text, Resize that changes a count, Clear, InsertRow,
// RemoveRow, InsertColumn, RemoveColumn); attribute bytes and the row order do not fire it.
// OnBeforeSortExchange fires while a sort prepares its keys, once per row 1..NrOfRows with the
// row's primary cell text as S1 and its sort key as S2 (the cell text to begin with): the
// handler may replace the key, which is then compared by the rule above. OnPercentDone reports
// a sort's progress: 0 when it begins, 50 when the keys are ready and 100 when it is done.
//
// Storage. Each column keeps its cells in one arena of length-prefixed UTF-8 entries with a
// 32-bit offset per stored row (an empty cell costs only its offset); rewriting a cell appends
// a new entry and the arena is compacted once half of it is stale.
class TStringArray : public fw::TComponent {
 public:
  static constexpr int kMaxCellLength = 255;

  explicit TStringArray(fw::TComponent* AOwner);
  ~TStringArray() override;

  int NrOfColumns() const { return static_cast<int>(columns_.size()) - 1; }
  int NrOfRows() const { return static_cast<int>(rowAttribs_.size()) - 1; }

  // Makes columns 0..NrColumns and rows 0..NrRows exist. Cells and attributes inside both the
  // old and the new size keep their values; new cells are empty and new attribute bytes 0.
  // Returns false, changing nothing, for negative counts, for sizes whose tables would need
  // more than MemoryLimit() (see TableBytes) and when memory runs out.
  bool Resize(int NrColumns, int NrRows);

  // Bytes the tables of a matrix of columns 0..NrColumns and rows 0..NrRows take before any
  // text is stored: each column's bookkeeping (kColumnBytes), a 4-byte reference per cell and
  // an attribute byte and an order entry per row. A double, so that no size can overflow.
  static double TableBytes(int NrColumns, int NrRows);
  // Bookkeeping of one column: its object, its owner pointer, its attribute byte and the
  // smallest blocks of its reference table and text arena, with the allocator's headers.
  static constexpr std::size_t kColumnBytes = 160;
  // The most bytes the tables may take: sizes above it are refused by Resize, InsertColumn and
  // InsertRow before anything is allocated. The default is half of the machine's physical
  // memory, so a size read from a damaged file fails cleanly instead of exhausting the
  // machine; 0 restores the default.
  std::size_t MemoryLimit() const;
  void SetMemoryLimit(std::size_t bytes) { memoryLimit_ = bytes; }
  // The default of every matrix without a limit of its own (a program may lower it for all
  // its tables at once); 0 restores half of the physical memory.
  static std::size_t DefaultMemoryLimit();
  static void SetDefaultMemoryLimit(std::size_t bytes);

  // Takes a copy of Source's cells, attribute bytes and row order (not its events, allocation
  // step or memory limit). All or nothing: false, changing nothing, when the copy would exceed
  // MemoryLimit() or memory runs out. Does not fire OnChange.
  bool CopyContentsFrom(const TStringArray& Source);
  // Exchanges cells, attribute bytes and row order with Other; never fails and fires no event.
  void SwapContents(TStringArray& Other) noexcept;
  // Row storage grows by at least this many rows at a time (and at least by half of what it
  // holds, so appending rows one at a time stays cheap). Values below 1 count as 1.
  void SetAllocRowsBy(int rows);
  int AllocRowsBy() const { return allocRowsBy_; }
  // Empties every cell, zeroes every attribute byte and resets the row order; the size stays.
  void Clear();

  // Cell access; out-of-range indices read "" and are ignored when written.
  std::string GetElem(int ACol, int ARow) const;
  // The cell's text without a copy, for readers of many cells; it stays valid until the
  // matrix next changes.
  std::string_view ElemText(int ACol, int ARow) const;
  // The texts of columns ColLow..ColHigh of row ARow the same way, out[i] being column
  // ColLow + i: for writers of whole rows. The columns must lie within 0..NrOfColumns and the
  // row within 0..NrOfRows; out has room for them.
  void RowTexts(int ARow, int ColLow, int ColHigh, std::string_view* out) const;
  void SetElem(int ACol, int ARow, std::string_view value);

  // Stores texts[i] in column ColLow + i of row ARow for each of the `count` texts, as SetElem
  // does, with one OnChange at the end when a text changed: for readers that make whole rows.
  // Texts for columns beyond NrOfColumns are left out.
  void SetRowTexts(int ARow, int ColLow, const std::string_view* texts, std::size_t count);

  // Replaces the text of every cell of column ACol in rows 1..NrOfRows by rewrite(text). All or
  // nothing: the new texts are built aside, so false (when memory runs out or ACol is out of
  // range) leaves the column as it was. Fires OnChange once when a text changed.
  bool RewriteColumn(int ACol, const std::function<std::string(std::string_view)>& rewrite);

  // Attribute bytes; out-of-range indices read 0 and are ignored when written.
  uint8_t GetColAttrib(int ACol) const;
  void SetColAttrib(int ACol, uint8_t value);
  uint8_t GetRowAttrib(int ARow) const;
  void SetRowAttrib(int ARow, uint8_t value);

  // Insert an empty column / row before ACol (1..NrOfColumns+1) / ARow (1..NrOfRows+1), or
  // remove column ACol (1..NrOfColumns) / row ARow (1..NrOfRows). Return false, changing
  // nothing, for an index out of range or when memory runs out.
  bool InsertColumn(int ACol);
  bool RemoveColumn(int ACol);
  bool InsertRow(int ARow);
  bool RemoveRow(int ARow);

  // Removes every row r (1..NrOfRows) for which remove(r) is true, keeping the others in their
  // current order, which then becomes the stored one (as removing a row always does). When no
  // row goes, nothing changes: a sorted order can still be undone. All or nothing: false when
  // memory runs out. Fires OnChange once when rows went.
  bool RemoveRowsWhere(const std::function<bool(int ARow)>& remove);

  // Orders rows 1..NrOfRows by column SortCol and then by SortColSec (ignored when outside
  // 0..NrOfColumns or equal to SortCol); see the comparison rule above. Nothing happens when
  // SortCol is outside 0..NrOfColumns.
  void Sort(int SortCol, int SortColSec, bool Ascending, bool AscendingSec = true);
  void UnSort();
  void CommitSorting();
  // The stored row shown as row ARow; 0 for ARow outside 0..NrOfRows.
  int GetSortOrder(int ARow) const;
  // Shows stored row value as row ARow (both 1..NrOfRows, otherwise ignored). The caller
  // keeps the order a permutation; while it is not one, rows simply show repeated content.
  void SetSortOrder(int ARow, int value);
  // True when some row shows another stored row than its own.
  bool IsSorted() const;

  // Bytes held for cells, attribute bytes and the row order (capacities included).
  std::size_t MemoryUsed() const;

  fw::TNotifyEvent OnChange;
  TBeforeSortExchgEvent OnBeforeSortExchange;
  TOnPercentDoneEvent OnPercentDone;

 private:
  class Column;
  struct SortKeys;

  bool InColumns(int ACol) const { return ACol >= 0 && ACol <= NrOfColumns(); }
  bool InRows(int ARow) const { return ARow >= 0 && ARow <= NrOfRows(); }
  std::size_t Stored(int ARow) const { return order_[static_cast<std::size_t>(ARow)]; }
  // Capacity to reserve for `rows` stored rows by the allocation step.
  std::size_t RowCapacityFor(std::size_t rows) const;
  bool ReserveRows(std::size_t rows);
  bool Affordable(int NrColumns, int NrRows) const;
  void Changed();
  void BuildKeys(int col, bool ascending, bool withEvent, SortKeys& keys);

  std::vector<std::unique_ptr<Column>> columns_;
  std::vector<uint8_t> colAttribs_;
  std::vector<uint8_t> rowAttribs_;  // by stored row
  std::vector<uint32_t> order_;      // shown row -> stored row
  int allocRowsBy_ = 1;
  std::size_t memoryLimit_ = 0;  // 0: half the physical memory
};

// A set of bits numbered from 0.
class TBitFld {
 public:
  TBitFld() = default;
  explicit TBitFld(int size) { SetSize(size); }

  // Bits below the new size keep their values, new bits are false; negative sizes count as 0.
  void SetSize(int size);
  int Size() const { return size_; }
  // Out-of-range bits read false and are ignored when written.
  bool GetBit(int index) const;
  void SetBit(int index, bool value);
  // Sets every bit false.
  void Clear();
  // Index of the lowest true bit, -1 when none.
  int FirstTrueBit() const;
  int CountTrueBits() const;

 private:
  std::vector<uint64_t> words_;
  int size_ = 0;
};

}  // namespace zeb
