// Unit ZEB_datatable of numkit_rt: TDataTable, a numeric table of doubles with a state byte per
// cell, named and attributed columns and rows, scale types and nominal names per column.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "companion/ZEB_zebbase.h"
#include "framework/base/component.h"
#include "framework/base/event.h"

namespace zeb {

// A table size that cannot be held (negative, or more cells than memory allows).
class EZEBDataTableError : public EZEBError {
 public:
  using EZEBError::EZEBError;
};

// Cell state bits. The table stores the byte as given; these are the meanings its users give
// the bits, and the bits its marking operations work on.
inline constexpr uint8_t csUndefined = 0x01;  // no valid number
inline constexpr uint8_t csEmpty = 0x02;      // shown blank
inline constexpr uint8_t csReadOnly = 0x10;   // not editable in place
inline constexpr uint8_t csMarkA = 0x40;      // marked as type A
inline constexpr uint8_t csMarkB = 0x80;      // marked as type B

// Measurement scale types of a column. Nominal and ordinal columns hold integer ids that may
// carry names; interval and ratio columns hold plain numbers.
enum TMScaleType : uint8_t { stUndefined, stNominal, stOrdinal, stInterval, stRatio };
inline constexpr int MaxMScaleType = stRatio;
// Names of the scale types, indexed by TMScaleType.
inline constexpr std::array<std::string_view, MaxMScaleType + 1> MScaleTypeNames = {
    "undefined", "nominal", "ordinal", "interval", "ratio"};

// Limits of the headings: names are cut to these many characters (code points).
inline constexpr int MaxNameLength = 50;
inline constexpr int MaxNominalID = 150;  // nominal ids with names: 0..MaxNominalID
inline constexpr int MaxNominalNameLength = 10;

// Kinds of the exchange-during-sort notification.
inline constexpr uint8_t xkColumns = 1;
inline constexpr uint8_t xkRows = 2;

using TTableResizeEvent =
    fw::Event<void(fw::TObject* Sender, int OldCols, int OldRows, int NewCols, int NewRows)>;
// Kind xkColumns: columns Index1 and Index2 were exchanged over rows First..Last; xkRows:
// rows Index1 and Index2 over columns First..Last.
using TSortExchangeEvent =
    fw::Event<void(fw::TObject* Sender, uint8_t Kind, int Index1, int Index2, int First, int Last)>;

// A table of Cols x Rows doubles, addressed 1-based, column first. Out-of-range indices:
// setters do nothing, getters give 0, false or an empty text.
//
// Notifications, each fired once per operation, in this order where several apply:
// OnResize (old and new size), OnSetupChanged (the layout changed: size, scale types),
// OnDataChanged (values, states, headings or the comment changed). Sorting fires
// OnSortExchange for each exchange before its OnDataChanged. Operations over at least
// PercentDoneThreshold() cells report their progress through OnPercentDone (0..100, each
// percentage at most once, ending with 100). OnPercentDone and OnSortExchange arrive in the
// middle of an operation: their handlers may read the table but must not change it. An
// exception from an OnPercentDone handler stops the reports and is raised again once the
// operation has finished its work on the cells.
class TDataTable : public fw::TComponent {
 public:
  explicit TDataTable(fw::TComponent* AOwner);
  ~TDataTable() override;

  // Copies size, cells, headings, scale types, nominal names and the comment of another
  // TDataTable (notifications are not copied); then fires as Resize and a data change do.
  void Assign(fw::TPersistent* source) override;

  int NrOfColumns() const { return cols_; }
  int NrOfRows() const { return rows_; }

  const std::string& FComment() const { return comment_; }
  void SetFComment(const std::string& comment);

  // ---- cells ----
  // Keeps the cells inside both sizes; new cells are 0.0 with state 0, new columns and rows
  // have empty names and attribute 0. Raises EZEBDataTableError for a negative size or when
  // the memory cannot be had, and leaves the table unchanged then.
  void Resize(int Cols, int Rows);
  // Empties values, states, names, attributes, scale types, nominal names and the comment;
  // the size stays.
  void Clear();
  // Every value := value; states stay. A bulk write of the value matrix: no notification
  // except progress.
  void Fill(double value);

  double GetElem(int Col, int Row) const;
  void SetElem(int Col, int Row, double value);
  uint8_t GetCellState(int Col, int Row) const;
  void SetCellState(int Col, int Row, uint8_t State);
  // Neither csUndefined nor csEmpty is set; false outside the table.
  bool GetIsNumber(int Col, int Row) const;

  // ---- headings ----
  std::string GetColName(int Col) const;
  void SetColName(int Col, const std::string& Name);  // cut to MaxNameLength characters
  std::string GetRowName(int Row) const;
  void SetRowName(int Row, const std::string& Name);
  int GetColAttrib(int Col) const;
  void SetColAttrib(int Col, int Attrib);  // limited to 0..255
  int GetRowAttrib(int Row) const;
  void SetRowAttrib(int Row, int Attrib);

  // Scale type of a column (TMScaleType); values above MaxMScaleType are ignored.
  uint8_t GetMScaleType(int Col) const;
  void SetMScaleType(int Col, uint8_t ScaleType);
  // Names of nominal ids 0..MaxNominalID, cut to MaxNominalNameLength characters; empty
  // for an id without a name.
  std::string GetNominalID(int Col, int Id) const;
  void SetNominalID(int Col, int Id, const std::string& Name);
  // The id whose name is Name (compared without regard to letter case when IgnoreCase), or
  // -1 when the column holds no such name. An empty Name is never found.
  int OrdinalOfNominalID(int Col, std::string_view Name, bool IgnoreCase) const;

  // ---- structure ----
  // Insert a row (column) before index 1..count+1 (count+1 appends); other indices are
  // ignored. The new cells are 0.0 with state 0, its name empty, its attribute 0.
  void InsertRow(int Row);
  void InsertColumn(int Col);
  // Remove row (column) 1..count with its name, attribute and states; others are ignored.
  void RemoveRow(int Row);
  void RemoveColumn(int Col);
  // Reverse the order of the columns (rows), headings and states moving with their cells.
  void MirrorColumns();
  void MirrorRows();

  // ---- marks and states ----
  // Every state byte ^= Mask.
  void InvertCellStates(uint8_t Mask);
  // States of the cells that both tables hold := those of `source`; others stay.
  void CopyCellStatesFrom(const TDataTable& source);
  // Exchange the csMarkA and csMarkB bits of every cell.
  void ExchangeMarkings();
  // Clear csMarkA and csMarkB of every cell.
  void UnmarkAllCells();
  // value := value in every cell whose state has any bit of Mask set; states stay.
  void FillMarkedCells(double value, uint8_t Mask);

  // ---- sorting and lookup ----
  // Sort the rows RowLow..RowHigh by the values of column SortCol inside columns
  // ColLow..ColHigh (stable; ascending or descending). With MoveHeadings the row names and
  // attributes move with the rows. Cells that are not numbers sort after all numbers.
  // Indices are limited to the table; nothing happens for an empty range or a SortCol outside
  // ColLow..ColHigh (the key must move with its rows).
  void SortRows(int SortCol, bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh,
                bool MoveHeadings);
  // Sort the columns ColLow..ColHigh by the values of row SortRow, likewise; with
  // MoveHeadings the column names, attributes, scale types and nominal names move too.
  void SortCols(int SortRow, bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh,
                bool MoveHeadings);
  // Sort the rows RowLow..RowHigh (columns ColLow..ColHigh) by their attributes, or by
  // their names (code point order, or without regard to letter case when IgnoreCase); the
  // row headings always move with the rows. Columns likewise.
  void SortRowAttributes(bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh);
  void SortColAttributes(bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh);
  void SortRowNames(bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh) {
    SortRowNames(Ascending, false, ColLow, RowLow, ColHigh, RowHigh);
  }
  void SortRowNames(bool Ascending, bool IgnoreCase, int ColLow, int RowLow, int ColHigh,
                    int RowHigh);
  void SortColNames(bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh) {
    SortColNames(Ascending, false, ColLow, RowLow, ColHigh, RowHigh);
  }
  void SortColNames(bool Ascending, bool IgnoreCase, int ColLow, int RowLow, int ColHigh,
                    int RowHigh);
  // The first column (row) whose name equals Name (letter case ignored), or 0.
  int FindColIndex(std::string_view Name) const;
  int FindRowIndex(std::string_view Name) const;

  // Operations over at least this many cells report progress (initially 1,048,576).
  int64_t PercentDoneThreshold() const { return percentThreshold_; }
  void SetPercentDoneThreshold(int64_t cells) { percentThreshold_ = cells; }

  fw::TNotifyEvent OnDataChanged;
  fw::TNotifyEvent OnSetupChanged;
  TOnPercentDoneEvent OnPercentDone;
  TTableResizeEvent OnResize;
  TSortExchangeEvent OnSortExchange;

 private:
  struct ColumnHeading {
    std::string name;
    uint8_t attrib = 0;
    uint8_t scaleType = stUndefined;
    std::vector<std::string> nominalNames;  // empty, or MaxNominalID + 1 entries
  };
  struct RowHeading {
    std::string name;
    uint8_t attrib = 0;
  };
  class Progress;

  bool Inside(int col, int row) const {
    return col >= 1 && col <= cols_ && row >= 1 && row <= rows_;
  }
  // Offset of cell (col, row) in the column-major storage.
  std::size_t At(int col, int row) const {
    return std::size_t(col - 1) * std::size_t(rows_) + std::size_t(row - 1);
  }
  // Applies op to every state byte, reporting progress, then fires OnDataChanged.
  template <typename Op>
  void ForEachState(Op op);
  // Makes room for cols x rows cells and their headings, so that the changes that follow
  // cannot fail; with headroom, for tables that grow step by step. Raises
  // EZEBDataTableError (and changes nothing) on a size it cannot hold.
  void Reserve(int cols, int rows, bool headroom);
  // Changes every column from rows_ to rows_ + count rows (count may be negative) by inserting
  // count fresh cells, or removing -count cells, at 0-based row `at` of each column. The
  // storage must already have room (Reserve).
  void ChangeRows(int at, int count, Progress& progress);
  // Changes the column count by inserting count fresh columns, or removing -count columns,
  // before 0-based column `at`. The storage must already have room (Reserve).
  void ChangeColumns(int at, int count, Progress& progress);
  void NotifySizeChanged(int oldCols, int oldRows);
  void ExchangeColumns(int c1, int c2, int rowLow, int rowHigh, bool moveHeadings);
  void ExchangeRows(int r1, int r2, int colLow, int colHigh, bool moveHeadings);
  // Puts the rows (columns) of the range into `order` (order[i]: 0-based offset inside the
  // range of the row that goes to position i) by exchanges, then fires OnDataChanged once
  // when anything moved.
  void ApplyRowOrder(const std::vector<int>& order, int colLow, int rowLow, int colHigh,
                     int rowHigh, bool moveHeadings);
  void ApplyColOrder(const std::vector<int>& order, int colLow, int rowLow, int colHigh,
                     int rowHigh, bool moveHeadings);

  int cols_ = 0;
  int rows_ = 0;
  std::vector<double> values_;   // column-major: column 1 rows 1..n, then column 2 ...
  std::vector<uint8_t> states_;  // same layout
  std::vector<ColumnHeading> colHeads_;
  std::vector<RowHeading> rowHeads_;
  std::string comment_;
  int64_t percentThreshold_ = int64_t(1) << 20;
};

}  // namespace zeb
