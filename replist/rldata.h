// TRLData, the report list's data store: a table of text cells with named columns, column
// formats, check-mark columns and a sort state, kept free of any drawing; with the types,
// errors and events it shares with the view. The file formats it reads and writes are
// described in replist/rlformats.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "companion/ZEB_dstruct.h"
#include "companion/ZEB_zebbase.h"
#include "companion/int_list.h"
#include "framework/base/component.h"
#include "framework/base/event.h"

namespace fw {
class TStream;
class TextFile;
}  // namespace fw

namespace zeb {

// Column name, at most kMaxColNameLength characters.
using TNameStrType = std::string;
// Column format, at most kMaxColFormatLength characters: [type][width]rest, each bracket group
// optional. Type group: optional "#" (read-only in the row editor), a type letter (c combo,
// l list, d date/time, e dynamic number, f float, h hex, i integer, s string) and options.
// Width group: editor width in pixels. Rest: the item list ("|"-separated) of c and l, the
// default value of new cells otherwise ("rixN" = row index in N digits for e/f/h/i,
// "$pwd$N" = a new password of N characters for s).
using TColFmtString = std::string;

inline constexpr int kMaxColNameLength = 50;
inline constexpr int kMaxColFormatLength = 80;

// Check-mark mode of a column: none, independent boxes, radio marks (one per column).
enum TCheckMode : uint8_t { cmNone, cmBox, cmRadio };

// Attribute bits of matrix rows and columns used by the report list.
inline constexpr uint8_t kRowSelected = 0x80;
inline constexpr uint8_t kRowDisabled = 0x40;
inline constexpr uint8_t kColSelected = 0x80;

// Errors of the data store.
class EZEBRLDataError : public EZEBError {
 public:
  using EZEBError::EZEBError;
};

// Called once per cell by the HTML export: Text may be changed before it is written.
using TBeforeHTMLExportEvent =
    fw::Event<void(fw::TObject* Sender, std::string& Text, int Col, int Row)>;

// The data of a report list. Data cells are columns 1..NrOfColumns() and rows 1..NrOfRows();
// column 0 is a plain text column that GetElem/SetElem accept too. A cell holds at most 255
// characters. In a check column (cmBox, cmRadio) a stored cell is empty or a flag character
// ("X" checked, blank unchecked; any non-blank reads as checked) followed by the visible text;
// GetElem, SetElem, the check-mark methods, GetAsNumber and Fill work on that encoding, while
// CopyRow and Assign move stored strings unchanged. Out-of-range indices make an operation do
// nothing and a getter return its neutral value.
class TRLData : public fw::TComponent {
 public:
  explicit TRLData(fw::TComponent* AOwner);
  ~TRLData() override;

  // ---- published properties
  int NrOfColumns() const { return nrCols_; }
  // Values below 1 count as 1. New columns are named "C-<number>", with empty formats and
  // cmNone. More than kMaxColumns columns, a size whose tables would need more than
  // MemoryLimit(), and running out of memory raise EZEBRLDataError; nothing changes then.
  void SetNrCols(int value);
  int NrOfRows() const { return nrRows_; }
  int GetNrRows() const { return nrRows_; }
  // Negative values count as 0. New rows are empty. Refused like SetNrCols (nothing changes).
  void SetNrRows(int value);
  // Appends an empty row and returns its number (the new NrOfRows()). Room for rows is
  // reserved ahead in growing steps, so filling a list row by row stays linear. Refused like
  // SetNrRows. A sorted list stays sorted; the new row shows last.
  int AddRow();
  const std::string& CommonHeader() const { return commonHeader_; }
  void SetCommonHeader(const std::string& value);

  TBeforeSortExchgEvent OnBeforeSortExchange;
  TBeforeHTMLExportEvent OnBeforeHTMLExport;
  TExportTextEvent OnExportText;
  TOnPercentDoneEvent OnPercentDone;

  // ---- plain state
  const std::string& Comment() const { return comment_; }
  void SetComment(const std::string& value) { comment_ = value; }
  const std::string& DataID() const { return dataID_; }
  void SetDataID(const std::string& value) { dataID_ = value; }
  // Direction of the next sort started from a column header; the view inverts it first.
  bool HeaderClickAscending() const { return headerClickAscending_; }
  void SetHeaderClickAscending(bool value) { headerClickAscending_ = value; }
  int SortColumn() const { return sortCol_; }
  int SortColumnSec() const { return sortColSec_; }
  bool SortAscending() const { return sortAscending_; }
  bool SortAscendingSec() const { return sortAscendingSec_; }
  // The cell matrix, for views that follow its OnChange notification and attribute bytes.
  TStringArray* Matrix() const { return matrix_.get(); }

  // ---- limits
  // A store holds at most this many columns, more than any real table has, so that a line
  // of twenty million commas is refused instead of taking gigabytes.
  static constexpr int kMaxColumns = 1 << 20;
  // Bytes the tables of a store of that size take before any text: the matrix's (see
  // TStringArray::TableBytes) plus each column's name, format and check mode.
  static double TableBytes(int Columns, int Rows);
  // Raises EZEBRLDataError unless a store of that size is within kMaxColumns and MemoryLimit
  // (what every resize checks before it allocates).
  void CheckSize(int Columns, int Rows) const;
  // The most bytes a store's tables may take (default: half of the machine's physical memory;
  // 0 restores it). Sizes beyond it are refused before anything is allocated, by every resize
  // and by the readers, which also refuse files larger than it.
  std::size_t MemoryLimit() const { return matrix_->MemoryLimit(); }
  void SetMemoryLimit(std::size_t Bytes) { matrix_->SetMemoryLimit(Bytes); }

  // ---- cells and columns
  std::string GetElem(int ACol, int ARow) const;
  // In a check column the cell's flag stays (an empty cell gets a blank flag).
  void SetElem(int ACol, int ARow, std::string_view value);
  bool GetElemChecked(int ACol, int ARow) const;
  // Check columns only; in a cmRadio column every other mark of the column is cleared.
  void SetElemChecked(int ACol, int ARow, bool value);
  TNameStrType GetColName(int ACol) const;
  void SetColName(int ACol, std::string_view value);
  TColFmtString GetColumnFormat(int ACol) const;
  void SetColumnFormat(int ACol, std::string_view value);
  TCheckMode GetColCheckMode(int ACol) const;
  // Converts the stored cells of the column to the new encoding.
  void SetColCheckMode(int ACol, TCheckMode Mode);
  bool GetCheckedCol(int ACol) const { return GetColCheckMode(ACol) == cmBox; }
  void SetCheckedCol(int ACol, bool value) { SetColCheckMode(ACol, value ? cmBox : cmNone); }
  // Column whose lower-case name equals (or, with Partial, contains) the lower-case Name;
  // the highest-numbered one wins; -1 when none.
  int ColumnIndex(std::string_view Name, bool Partial) const;
  // The cell's visible text as a number ("," reads as "."); "" gives 0. Throws
  // EZEBDStructError for any other text that is not a number.
  double GetAsNumber(int ACol, int ARow) const;
  // Default text of a new cell in row ARow, from the column's format.
  std::string GetCellDefaultValue(int ACol, int ARow) const;

  // ---- check marks
  void SetAllCheckmarksOfCol(int ACol, bool State);
  void SetAllCheckmarksOfColIntern(int ACol, bool State, bool SkipDisabled);
  void InvertAllCheckmarksOfCol(int ACol);
  void InvertAllCheckmarksOfColIntern(int ACol, bool SkipDisabled);
  int CountCheckedElemsInCol(int ACol) const;
  int CountCheckedElemsInRow(int ARow) const;
  int FirstCheckedElemInCol(int ACol) const;
  int FirstCheckedElemInRow(int ARow) const;

  // ---- structure and bulk operations
  // Blank column / row before ACol (1..NrOfColumns) / ARow (1..NrOfRows).
  void InsertColumn(int ACol);
  void RemoveColumn(int ACol);
  void InsertRow(int ARow);
  void RemoveRow(int ARow);
  void RemoveEmptyRows();
  // Stored cells of columns 0..NrOfColumns and the attribute byte of row Source to row Dest.
  void CopyRow(int Source, int Dest);
  // Every data cell's visible text becomes Text; check flags stay.
  void Fill(std::string_view Text);
  // Empties every cell and resets names, formats and check modes; the sizes stay.
  void Clear();
  void Sort(int SortCol, int SortColSec, bool Ascending);
  void Sort(int SortCol, int SortColSec, bool Ascending, bool AscendingSec);
  void UnSort();
  // Makes the order the last Sort set the stored one, so that UnSort and later sorts start
  // from it. The recorded sort state stays, since the rows are still in that order.
  void CommitSorting();
  // This store takes over Source's list (cells, row and column attributes, row order, column
  // names, formats and check modes, header, comment, identifier and sort state) in constant
  // time, without copying a cell; Source is left holding what a new store holds (one column
  // "C-1", no rows). Each store keeps its own name, events and memory limit, and the views
  // following either store hear of the change once.
  void TakeDataFrom(TRLData& Source);
  // Copies everything but the events (OnBeforeSortExchange excepted, which is copied too).
  // All or nothing: when memory runs out the store stays as it was.
  void Assign(fw::TPersistent* Source) override;
  void AssignTo(fw::TPersistent* Dest) override;

  void BeforeSortExchange(fw::TObject* Sender, const std::string& S1, std::string& S2);
  void BeforeHTMLExport(std::string& Text, int Col, int Row);

  // ---- XML (the dialect is described above)
  // An empty DataID writes the store's own DataID(). Flag true writes the XML declaration
  // before the list (for the first or only list of a file). Saving writes a temporary file
  // in the same folder and renames it over FileName only when everything was written.
  void SaveAsXMLFile(const std::string& FileName, const std::string& DataID);
  void WriteToXMLStream(fw::TStream& OutStream, bool Flag, const std::string& DataID);
  void WriteToOpenXMLFile(fw::TextFile& OutFile, bool Flag, const std::string& DataID);
  // Read the first list (from the file's start, the stream's position, the open file's next
  // line) whose identifier matches DataID as CheckIfValidReplist matches it; an empty DataID
  // takes the first list. The store takes the list's data, identifier included, and is unsorted
  // afterwards. No matching list, or a damaged one, raises EZEBRLDataError and leaves the
  // store unchanged (as does running out of memory). Streams and open files are left after
  // the list's end tag line.
  void LoadFromXMLFile(const std::string& FileName, const std::string& DataID);
  void ReadFromXMLStream(fw::TStream& InStream, const std::string& DataID);
  void ReadFromOpenXMLFile(fw::TextFile& InFile, const std::string& DataID);
  void ReadFromXMLString(const std::string& XMLText, const std::string& DataID);

  // ---- text exchange
  // Copies columns ColLow..ColHigh (column 0 allowed) of rows RowLow..RowHigh to the
  // clipboard, visible texts, lines ending in LF. Tabbed: fields joined by TAB. Padded: each
  // field left-justified in the width of its column's longest stored cell (check flag
  // counted) or name, plus one blank, at most kMaxPaddedColumns columns (more raise
  // EZEBRLDataError). WithColNames puts a line of column names and an empty line first.
  void CopyToClipBoard(int ColLow, int RowLow, int ColHigh, int RowHigh, bool WithColNames,
                       bool Tabbed);
  // As the tabbed form, with Delimiter between the fields.
  void CopyToClipBoard(int ColLow, int RowLow, int ColHigh, int RowHigh, bool WithColNames,
                       const std::string& Delimiter);
  static constexpr int kMaxPaddedColumns = 10000;
  // The readers of outside input (XML, CSV, lines) refuse, with EZEBRLDataError, a list of
  // more cells than this (columns 0..NrOfColumns by NrOfRows): the cell table is dense, so a
  // few bytes of text could otherwise ask for all the machine's memory.
  static constexpr int64_t kMaxReadCells = int64_t{1} << 28;

  // Replaces the list by the records of a CSV file (see above): one row per record, as many
  // columns as the longest record has fields (at least one), cells beyond 255 characters cut.
  // WithColNames takes the first record as the column names. Names, formats and check modes
  // of columns that stay are kept; every cell and mark is replaced and the list is unsorted.
  // All or nothing: the new list is built aside and takes the store's place only when the
  // whole file was read, so a damaged file, a file too large (see MemoryLimit and
  // kMaxColumns) or running out of memory raises EZEBRLDataError and leaves the store, its
  // sort order and its attributes as they were. Only regular files are read.
  void ImportCSV(const std::string& FileName, TCSVDelimiters Delimiter, bool WithColNames);
  // Writes the visible texts of columns ColLow..ColHigh and rows RowLow..RowHigh (clamped to
  // 0..NrOfColumns and 1..NrOfRows; the defaults take every data cell) as a CSV file, with a
  // first record of column names when WithColNames, every field quoted when QuoteAll.
  // OnExportText sees each field before it is written (names with Row 0).
  void ExportCSV(const std::string& FileName, TCSVDelimiters Delimiter, bool WithColNames,
                 bool QuoteAll, int ColLow = 1, int RowLow = 1,
                 int ColHigh = std::numeric_limits<int>::max(),
                 int RowHigh = std::numeric_limits<int>::max());
  // Puts the lines of a text file into column Column (0..NrOfColumns, otherwise nothing
  // happens), one per row from row Row (below 1 counts as 1) on; the list grows to hold them.
  // A final line break does not make another line; a byte order mark is skipped, and a file
  // that is not UTF-8 is read as code page 1252. All or nothing, like ImportCSV.
  void LoadLinesFromFile(int Column, int Row, const std::string& FileName);
  // Writes an HTML document holding a table of columns ColLow..ColHigh and rows
  // RowLow..RowHigh (clamped like ExportCSV). ColWidths gives the width in pixels of each
  // exported column in turn (missing or non-positive: automatic); Border, CellPadding and
  // CellSpacing are pixel sizes; WithColNames adds a header row of column names; Title is the
  // document title and table caption (CommonHeader when empty); HeaderColor and CellColor are
  // CSS colours of the header and data cells ("" or anything that is not a colour: none).
  // OnBeforeHTMLExport is called once per exported cell (names with Row 0) and its text is
  // written, escaped, with blanks and line breaks kept.
  void ExportHTMLTable(const std::string& FileName, int ColLow, int RowLow, int ColHigh,
                       int RowHigh, TIntList ColWidths, int Border, int CellPadding,
                       int CellSpacing, bool WithColNames, const std::string& Title,
                       const std::string& HeaderColor, const std::string& CellColor);

 private:
  class ChangeBatch;
  friend class RLCsvReader;
  friend class RLXmlReader;
  friend class RLXmlWriter;

  bool InDataCols(int ACol) const { return ACol >= 1 && ACol <= nrCols_; }
  bool InCellCols(int ACol) const { return ACol >= 0 && ACol <= nrCols_; }
  bool InRows(int ARow) const { return ARow >= 1 && ARow <= nrRows_; }
  bool IsCheckCol(int ACol) const {
    return InDataCols(ACol) && checkModes_[static_cast<std::size_t>(ACol - 1)] != cmNone;
  }
  // The visible text of a cell (check flag removed) without a copy, for the writers; valid
  // until the cells next change. ACol in 0..NrOfColumns, ARow in 1..NrOfRows.
  std::string_view ShownText(int ACol, int ARow) const;
  // The visible texts of columns ColLow..ColHigh (within 0..NrOfColumns) of row ARow (within
  // 1..NrOfRows) the same way, into out (resized to hold them).
  void ShownRow(int ARow, int ColLow, int ColHigh, std::vector<std::string_view>& out) const;
  bool StoredChecked(int ACol, int ARow) const;
  void WriteMark(int ACol, int ARow, bool State);
  void ConvertCheckCells(int ACol, TCheckMode OldMode, TCheckMode NewMode);
  void ResetColumnTables(int first);
  void ResizeColumnTables(int count);
  [[noreturn]] void RaiseNoMemory() const;
  void HookMatrix();

  // Changes that must happen all at once are made on a stage, a new store named and limited
  // like this one, which then exchanges its data with this store (TakeStage; never fails).
  std::unique_ptr<TRLData> NewStage() const;
  // Copies Source's data (not its events) into this new store: with or without the cells and
  // row attributes (without, the stage has Source's columns and no rows, unsorted).
  void CopyDataFrom(const TRLData& Source, bool WithCells);
  void SwapData(TRLData& Other) noexcept;
  void TakeStage(TRLData& Stage);

  std::string comment_;
  std::vector<TNameStrType> colNames_;
  std::vector<TColFmtString> colFormats_;
  std::string commonHeader_ = "ZEB Report Listview";
  std::vector<TCheckMode> checkModes_;
  int nrCols_ = 1;
  int nrRows_ = 0;
  int sortCol_ = -1;
  int sortColSec_ = -1;
  bool sortAscending_ = true;
  bool sortAscendingSec_ = true;
  std::string dataID_;
  bool headerClickAscending_ = true;
  std::unique_ptr<TStringArray> matrix_;
};

}  // namespace zeb
