// Unit ZEB_replist: the report list's data store TRLData, a table of text cells with named
// columns, column formats, check-mark columns and a sort state, kept free of any drawing.
#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "companion/ZEB_dstruct.h"
#include "companion/ZEB_zebbase.h"
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

// ---- the report list XML dialect ------------------------------------------------------------
//
// A report list is written as one element `replist`; a file or stream may hold several of
// them one after another (a caller that wants one well-formed document around several lists
// writes the XML declaration, an element of its own around the lists and its end tag itself).
// The layout, one item per line, in exactly this order:
//
//   <?xml version="1.0" encoding="UTF-8"?>            only when the writer's Flag is true
//   <replist family="zebworks" id="Prices">             root start tag, on a line of its own
//     <numcols>2</numcols>                              NrOfColumns (0 or more)
//     <numrows>3</numrows>                              NrOfRows
//     <commonheader>ZEB Report Listview</commonheader>
//     <comment>free text</comment>
//     <colname col="1">Name</colname>                   for each column 1..numcols in turn:
//     <columnformat col="1">[s][120]</columnformat>       its name, format and check mode
//     <checkedcolumn col="1">none</checkedcolumn>         (none, box or radio)
//     <cell col="1" row="1">Apples</cell>               cells in the order shown (row by row,
//     <cell col="2" row="1" checked="1">3</cell>          columns 0..numcols left to right)
//     <cell col="1" row="2"/>                           a row without text: one empty cell
//   </replist>
//
// Cells hold the visible text; in a check column the attribute `checked` ("1" or "0") carries
// the mark. Empty cells are left out, but every row 1..numrows appears with at least one cell,
// so a reader never has to trust a count it has not seen evidence for. Column 0 cells (the
// plain text column) are written like the others. Texts are UTF-8; "&", "<", ">", '"' and "'"
// are written as the predefined entities, tab, line feed, carriage return and every other
// control character below U+0020 as numeric character references (so each item stays on one
// line and leading and trailing blanks, tabs and line breaks survive); bytes that are not
// UTF-8 are written as the code-page 1252 character of the same number. (XML 1.0 has no way
// to carry the controls other than tab, line feed and carriage return; their references are
// those of XML 1.1, which this reader accepts. Texts without such characters give documents
// valid in both versions.)
//
// Readers accept exactly this dialect: the items in the order above (blank space and comments
// between them are allowed, and a text may also come as CDATA), the five predefined entities
// and numeric character references, nothing else. Document type declarations, processing
// instructions inside a list, other entity references, unknown tags or attributes, a
// repeated, missing or misplaced item, a text that is not UTF-8 and a list that ends before
// its end tag are errors (EZEBRLDataError naming the line). No entity is ever expanded and no
// external reference followed. Readers read into a new store and copy it over only on
// success, so a failed read leaves the store as it was.

// Tags of the dialect; RepListXmlTagText gives each one's text.
enum TRepListXmlTag : uint8_t {
  xmlNumCols,
  xmlNumRows,
  xmlColName,
  xmlCheckedColumn,
  xmlCommonHd,
  xmlColumnFormat,
  xmlCell,
  xmlComment,
  xmlEndReplist,
  xmlInvalid
};
inline constexpr std::string_view RepListXmlTagText[] = {
    "numcols",      "numrows", "colname", "checkedcolumn", "commonheader",
    "columnformat", "cell",    "comment", "/replist",      "invalidtag"};
// The tag of the text between "<" and ">" up to its first blank (compared exactly); any text
// not in the table gives xmlInvalid.
TRepListXmlTag RepListXmlTagOf(std::string_view TagText);

// True when the text file FileName holds a root start tag of a report list (a line containing
// "<replist" and "zebworks", compared in lower case) whose identifier (the value of id="...",
// character references decoded, blanks around it removed) equals DataID without regard to
// case; an empty DataID matches every list. Raises the platform's EInOutError when the file
// cannot be read.
bool CheckIfValidReplist(const std::string& FileName, const std::string& DataID);
// The same for the lines of InStream from its position; the stream is left after the line that
// matched, or at its end.
bool CheckIfValidReplist(fw::TStream& InStream, const std::string& DataID);

// ---- CSV files ----------------------------------------------------------------------------
//
// Written as RFC 4180 describes: records end in CR LF, a field is enclosed in double quotes
// (inner quotes doubled) when it holds the delimiter, a quote, a line break or a leading or
// trailing blank or tab, when it is the only, empty field of its record, or always when the
// writer is asked to quote all fields. csvAuto writes commas. Reading accepts CR LF, LF and CR
// line ends, quoted fields with line breaks inside, a UTF-8 byte order mark, and files that are
// not UTF-8 (read as code page 1252); csvAuto takes the delimiter the first line uses most
// outside quotes (comma when it uses none). A quote left open at the end of the file is an
// error.

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
  // cmNone. Throws when the table cannot be resized (nothing changes then).
  void SetNrCols(int Value);
  int NrOfRows() const { return nrRows_; }
  int GetNrRows() const { return nrRows_; }
  // Negative values count as 0. New rows are empty. Throws when the table cannot be resized.
  void SetNrRows(int Value);
  const std::string& CommonHeader() const { return commonHeader_; }
  void SetCommonHeader(const std::string& Value);

  TBeforeSortExchgEvent OnBeforeSortExchange;
  TBeforeHTMLExportEvent OnBeforeHTMLExport;
  TExportTextEvent OnExportText;
  TOnPercentDoneEvent OnPercentDone;

  // ---- plain state
  const std::string& Comment() const { return comment_; }
  void SetComment(const std::string& Value) { comment_ = Value; }
  const std::string& DataID() const { return dataID_; }
  void SetDataID(const std::string& Value) { dataID_ = Value; }
  // Direction of the next sort started from a column header; the view inverts it first.
  bool HeaderClickAscending() const { return headerClickAscending_; }
  void SetHeaderClickAscending(bool Value) { headerClickAscending_ = Value; }
  int SortColumn() const { return sortCol_; }
  int SortColumnSec() const { return sortColSec_; }
  bool SortAscending() const { return sortAscending_; }
  bool SortAscendingSec() const { return sortAscendingSec_; }
  // The cell matrix, for views that follow its OnChange notification and attribute bytes.
  TStringArray* Matrix() const { return matrix_.get(); }

  // ---- cells and columns
  std::string GetElem(int ACol, int ARow) const;
  // In a check column the cell's flag stays (an empty cell gets a blank flag).
  void SetElem(int ACol, int ARow, std::string_view Value);
  bool GetElemChecked(int ACol, int ARow) const;
  // Check columns only; in a cmRadio column every other mark of the column is cleared.
  void SetElemChecked(int ACol, int ARow, bool Value);
  TNameStrType GetColName(int ACol) const;
  void SetColName(int ACol, std::string_view Value);
  TColFmtString GetColumnFormat(int ACol) const;
  void SetColumnFormat(int ACol, std::string_view Value);
  TCheckMode GetColCheckMode(int ACol) const;
  // Converts the stored cells of the column to the new encoding.
  void SetColCheckMode(int ACol, TCheckMode Mode);
  bool GetCheckedCol(int ACol) const { return GetColCheckMode(ACol) == cmBox; }
  void SetCheckedCol(int ACol, bool Value) { SetColCheckMode(ACol, Value ? cmBox : cmNone); }
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
  // store unchanged. Streams and open files are left after the list's end tag line.
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
  // The file is read and checked completely before the store changes.
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
  // that is not UTF-8 is read as code page 1252.
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
                       int RowHigh, std::span<const int> ColWidths, int Border, int CellPadding,
                       int CellSpacing, bool WithColNames, const std::string& Title,
                       const std::string& HeaderColor, const std::string& CellColor);

 private:
  class ChangeBatch;
  friend class RLXmlReader;
  friend class RLXmlWriter;

  bool InDataCols(int ACol) const { return ACol >= 1 && ACol <= nrCols_; }
  bool InCellCols(int ACol) const { return ACol >= 0 && ACol <= nrCols_; }
  bool InRows(int ARow) const { return ARow >= 1 && ARow <= nrRows_; }
  bool IsCheckCol(int ACol) const;
  bool StoredChecked(int ACol, int ARow) const;
  void WriteMark(int ACol, int ARow, bool State);
  void ConvertCheckCells(int ACol, TCheckMode OldMode, TCheckMode NewMode);
  void ResetColumnTables(int first);
  void ResizeColumnTables(int count);
  [[noreturn]] void RaiseNoMemory() const;
  void HookMatrix();

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
