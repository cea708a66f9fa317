// Unit ZEB_replist: the report list's data store TRLData, a table of text cells with named
// columns, column formats, check-mark columns and a sort state, kept free of any drawing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "companion/ZEB_dstruct.h"
#include "companion/ZEB_zebbase.h"
#include "framework/base/component.h"
#include "framework/base/event.h"

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

 private:
  class ChangeBatch;

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
