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

// ---- The report list view ------------------------------------------------------------------

#include <span>

#include "framework/grids/grids.h"

namespace zeb {

// Errors of the report list view.
class EZEBRepListError : public EZEBError {
 public:
  using EZEBError::EZEBError;
};

// Text alignment of a column's cells and header.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

// How FilterAndSort matches the search text: a plain substring, words joined by AND, OR and
// NOT with quoted phrases and parentheses, or a regular expression (ECMAScript).
enum TFilterMode : uint8_t { fmSimple, fmBoolean, fmGrep };

// Lets the application change the colours, font style and text of a data cell before it is
// drawn (ACol, ARow data numbers, 1-based).
using TRenderCellEvent = fw::Event<void(
    fw::TObject* Sender, int ACol, int ARow, fw::TColor& PenColor, fw::TColor& BrushColor,
    fw::TColor& FontColor, fw::TFontStyles& FontStyles, std::string& Text)>;
// Lets the application replace the text GetElem returns.
using TReadCellEvent = fw::Event<void(fw::TObject* Sender, int ACol, int ARow, std::string& Text)>;
// Before / after a click changes a check mark.
using TCheckStateChangeEvent = fw::Event<void(fw::TObject* Sender, bool& State, int Col, int Row)>;
// After a cursor key moved the selection.
using TCursorKeyActionEvent = fw::Event<void(fw::TObject* Sender, uint16_t Key)>;
// The row editing form asks for a cell's format.
using TRequestEditFormatEvent =
    fw::Event<void(fw::TObject* Sender, int Col, int Row, std::string& Format)>;
// Asked for each row FilterAndSort considers: Found holds the internal verdict and may be
// replaced by the application's; CombineWithInternalSearch (loReplace to begin with) tells how
// the application's Found combines with the internal verdict.
using TBeforeFilterEvent =
    fw::Event<void(fw::TObject* Sender, int Row, bool& Found, TLogicOp& CombineWithInternalSearch)>;

// The visual report list: a draw grid showing the cells of its own TRLData under up to two
// header rows (a common header across all columns and the column headers). Grid row r at or
// below the header rows shows data row r - header rows + 1; grid column c shows data column
// ColOrder(c + 1). Selection and enabling live in the data store's row and column attribute
// bits, so they travel with the rows when sorting. Bulk operations hold painting back and
// repaint once.
class TReportListView : public fw::TCustomDrawGrid {
 public:
  explicit TReportListView(fw::TComponent* AOwner);
  ~TReportListView() override;

  // ---- sizes and scrolling
  int NrOfColumns() const;
  int GetNrCols() const { return NrOfColumns(); }
  // New columns take the width of the former last column; the column order becomes the
  // identity and the first data row is scrolled to the top.
  void SetNrCols(int Value);
  int NrOfRows() const;
  int GetNrRows() const { return NrOfRows(); }
  void SetNrRows(int Value);
  // First visible data row (1-based), limited to the rows there are.
  int TopRow() const { return GetTopRow(); }
  int GetTopRow() const;
  void SetTopRow(int Value);
  // First visible grid column, 1-based.
  int LeftCol() const { return GetLeftCol(); }
  int GetLeftCol() const;
  void SetLeftCol(int Value);
  // Number of header rows shown: 0, 1 or 2.
  int CountHeadRows() const;
  void SetHeaderHeights();
  void SetDefaultColWidth(int Value);
  void SetDefaultRowHeight(int Value);

  // ---- appearance (published)
  fw::TColor ColorText() const { return colorText_; }
  void SetColorText(fw::TColor Value);
  fw::TColor ColorBkgdNormal() const { return colorBkgdNormal_; }
  void SetColorBkgdNormal(fw::TColor Value);
  fw::TColor ColorBkgdShaded() const { return colorBkgdShaded_; }
  void SetColorBkgdShaded(fw::TColor Value);
  fw::TColor ColorHigh() const { return colorHigh_; }
  void SetColorHigh(fw::TColor Value);
  fw::TColor ColorHighText() const { return colorHighText_; }
  void SetColorHighText(fw::TColor Value);
  fw::TColor ColorSelectedRow() const { return colorSelRow_; }
  void SetColorSelectedRow(fw::TColor Value);
  fw::TColor ColorSelectedRowText() const { return colorSelRowText_; }
  void SetColorSelectedRowText(fw::TColor Value);
  fw::TColor ColorSelectedCol() const { return colorSelCol_; }
  void SetColorSelectedCol(fw::TColor Value);
  fw::TColor ColorSelectedColText() const { return colorSelColText_; }
  void SetColorSelectedColText(fw::TColor Value);
  fw::TColor ColorSelectedBoth() const { return colorSelBoth_; }
  void SetColorSelectedBoth(fw::TColor Value);
  fw::TColor ColorSelectedBothText() const { return colorSelBothText_; }
  void SetColorSelectedBothText(fw::TColor Value);
  // Column header background; also the grid's FixedColor and the fixed column's background.
  fw::TColor ColorColumnHd() const { return colorColumnHd_; }
  void SetColorColumnHd(fw::TColor Value);
  fw::TColor ColorColumnHdText() const { return colorColumnHdText_; }
  void SetColorColumnHdText(fw::TColor Value);
  fw::TColor ColorCommonHd() const { return colorCommonHd_; }
  void SetColorCommonHd(fw::TColor Value);
  fw::TColor ColorCommonHdText() const { return colorCommonHdText_; }
  void SetColorCommonHdText(fw::TColor Value);
  fw::TColor ColorDisabledBkgd() const { return colorDisabledBkgd_; }
  void SetColorDisabledBkgd(fw::TColor Value);
  fw::TColor ColorDisabledText() const { return colorDisabledText_; }
  void SetColorDisabledText(fw::TColor Value);
  fw::TColor ColorEmptyMsg() const { return colorEmptyMsg_; }
  void SetColorEmptyMsg(fw::TColor Value);
  const std::string& CommonHeader() const;
  std::string GetCommonHeader() const { return CommonHeader(); }
  void SetCommonHeader(const std::string& Value);
  TAlignment CommonHeaderAlignment() const { return commonHeaderAlignment_; }
  void SetCommonHeaderAlignment(TAlignment Value);
  bool CommonHeaderVisible() const { return commonHeaderVisible_; }
  void SetCommonHeaderVisible(bool Value);
  // Header heights are kept within 8..127.
  int CommonHeaderHeight() const { return commonHeaderHeight_; }
  void SetCommonHeaderHeight(int Value);
  bool ColumnHeadersVisible() const { return columnHeadersVisible_; }
  void SetColumnHeadersVisible(bool Value);
  int ColumnHeadersHeight() const { return columnHeadersHeight_; }
  void SetColumnHeadersHeight(int Value);
  // Shown centred in an empty list; "|" separates lines.
  const std::string& EmptyMessage() const { return emptyMessage_; }
  void SetEmptyMessage(const std::string& Value);
  void SetEnabled(bool Value) override;
  bool FixedFirstColumn() const { return fixedFirstColumn_; }
  void SetFixedFirstColumn(bool Value);
  bool HighLightBold() const { return highLightBold_; }
  void SetHighLightBold(bool Value);
  int HighLightRow() const { return highLightRow_; }
  void SetHighLightRow(int Value);
  int HighLightColumn() const { return highLightColumn_; }
  void SetHighLightColumn(int Value);
  fw::TColor InterRowIndicatorColor() const { return interRowColor_; }
  void SetInterRowIndicatorColor(fw::TColor Value);
  int InterRowIndicatorWidth() const { return interRowWidth_; }
  void SetInterRowIndicatorWidth(int Value);
  // Rows per shading band; below 1 no shading.
  int RowColPattern() const { return rowColPattern_; }
  void SetRowColPattern(int Value);
  bool ShowEmptyCheckBoxes() const { return showEmptyCheckBoxes_; }
  void SetShowEmptyCheckBoxes(bool Value);

  // ---- behaviour (published)
  bool AutoAdvance() const { return autoAdvance_; }
  void SetAutoAdvance(bool Value) { autoAdvance_ = Value; }
  // 0 no row selection, 1 single row, 2 multiple rows; other values select nothing.
  int RowSelectMode() const { return rowSelectMode_; }
  void SetRowSelectMode(int Value);
  bool UseCtrlForMultiSel() const { return useCtrlForMultiSel_; }
  void SetUseCtrlForMultiSel(bool Value) { useCtrlForMultiSel_ = Value; }
  bool SortEnabled() const { return sortEnabled_; }
  void SetSortEnabled(bool Value) { sortEnabled_ = Value; }

  // ---- per-column view settings (data columns, 1-based)
  TAlignment GetColAlignment(int ACol) const;
  void SetColAlignment(int ACol, TAlignment Value);
  bool GetColumnIsPwd(int ACol) const;
  void SetColumnIsPwd(int ACol, bool Value);
  bool GetColumnEditable(int ACol) const;
  void SetColumnEditable(int ACol, bool Value);
  // Entry ACol of the column order table plus 1: the data column grid column ACol - 1 shows.
  int GetColOrder(int ACol) const;
  // Order[i] is the data column (1-based) of grid column i; false, changing nothing, unless
  // it has NrOfColumns entries; entries outside 1..NrOfColumns are skipped (result false).
  bool SetColumnOrder(std::span<const int> Order);
  // Width of grid column GetColOrder(ACol) - 1.
  int GetColWidths(int ACol) const;
  void SetColWidths(int ACol, int Width);
  // Widest content of data column ACol in pixels (cell texts, with WithHeader the name), + 10.
  int DetermineMaxColWidth(int ACol, bool WithHeader);
  void AutoColWidth(int ACol, bool WithHeader, int Extra);
  void AutoColWidth(int ACol, bool WithHeader, int MaxWidth, int Extra);
  // Column ACol takes the client width the other columns leave (at least 16).
  void ExpandColWidth(int ACol, int Margin);
  void FitAllColWidths(int ExpandCol, bool WithHeader, int Margin, int MaxWidth, int Extra);

  // ---- painting control
  bool SuppressPaint() const { return suppressPaint_; }
  // Clearing the flag repaints.
  void SetSuppressPaint(bool Value);
  bool ROCheckmarks() const { return roCheckmarks_; }
  // True hides the check box outlines and stops clicks from toggling marks.
  void SetROCheckmarks(bool Value);
  int InterRowIndi() const { return interRowIndi_; }
  // Draws the indicator line above data row Value (NrOfRows + 1: below the last); 0 none.
  void SetInterRowIndi(int Value);

  // ---- data, forwarded to the data store
  TRLData* Data() const { return data_.get(); }
  std::string GetComment() const;
  void SetComment(const std::string& Value);
  std::string GetDataID() const;
  void SetDataID(const std::string& Value);
  // The data store's text, then OnReadCell may replace it.
  std::string GetElem(int ACol, int ARow);
  void SetElem(int ACol, int ARow, std::string_view Value);
  TNameStrType GetColName(int ACol) const;
  void SetColName(int ACol, std::string_view Value);
  TColFmtString GetColumnFormat(int ACol) const;
  void SetColumnFormat(int ACol, std::string_view Value);
  bool GetCheckedCol(int ACol) const;
  void SetCheckedCol(int ACol, bool Value);
  TCheckMode GetColCheckMode(int ACol) const;
  void SetColCheckMode(int ACol, TCheckMode Value);
  std::string GetCellDefaultValue(int ACol, int ARow) const;
  int ColumnIndex(std::string_view Name, bool Partial) const;
  // As the data store's, naming this class in the error message.
  double GetAsNumber(int ACol, int ARow) const;
  bool GetElemChecked(int ACol, int ARow) const;
  void SetElemChecked(int ACol, int ARow, bool Value);
  void SetAllCheckmarksOfCol(int ACol, bool State);
  void SetAllCheckmarksOfCol(int ACol, bool State, bool SkipDisabled);
  void InvertAllCheckmarksOfCol(int ACol);
  void InvertAllCheckmarksOfCol(int ACol, bool SkipDisabled);
  // Checked rows that are not disabled.
  int CountCheckedElemsInCol(int ACol) const;
  int CountCheckedElemsInRow(int ARow) const;
  int FirstCheckedElemInCol(int ACol) const;
  int FirstCheckedElemInRow(int ARow) const;
  void Sort(int SortCol, int SortColSec, bool Ascending);
  void Sort(int SortCol, int SortColSec, bool Ascending, bool AscendingSec);
  void UnSort();
  void Assign(fw::TPersistent* Source) override;
  void AssignTo(fw::TPersistent* Dest) override;

  // ---- selection and enabling (data numbers, 1-based)
  bool GetRowSelect(int ARow) const;
  void SetRowSelect(int ARow, bool Value);
  bool GetColSelect(int ACol) const;
  void SetColSelect(int ACol, bool Value);
  bool GetRowEnabled(int ARow) const;
  void SetRowEnabled(int ARow, bool Value);
  void SelectRow(int ARow);
  void SelectColumn(int ACol);
  void SelectAllRows();
  void DeselectAllRows();
  void SelectAllColumns();
  void DeselectAllColumns();
  void EnableAllRows();
  void DisableAllRows();
  int NumSelectedRows() const;
  int NumSelectedColumns() const;
  int NumEnabledRows() const;
  // First selected row from the top; 0 when none or when that row is disabled.
  int FirstSelectedRow() const;
  int FirstSelectedColumn() const;
  TIntArray GetSelectedRows() const;
  void SetSelectedRows(const TIntArray& Rows);
  // Selects ARow and scrolls it to the middle of the view.
  void CenterScrollAndSelect(int ARow);
  // X: grid column + 1; Y: data row, -1 column header row, -2 common header row, 0 elsewhere.
  fw::TGridCoord MouseCell(int X, int Y) const;

  // ---- structure (each closes the in-place editor first)
  int AddRow();
  int InsertRow(int ARow);
  int InsertColumn(int ACol);
  void RemoveRow(int ARow);
  void RemoveColumn(int ACol);
  void RemoveSelectedRows();
  void RemoveEmptyRows();
  void Fill(std::string_view Text);
  void Clear();

  // ---- filtering and sorting by state
  // Matches SearchText against the cells of the data columns in Cols (all columns when
  // empty; password columns never), case-insensitively: fmSimple a substring, fmBoolean
  // words and "quoted phrases" joined by AND, OR, NOT (any letter case) and parentheses, with
  // AND implied between neighbours, fmGrep an ECMAScript regular expression (an invalid or
  // too complex pattern raises EZEBRepListError naming the pattern). An empty SearchText
  // matches every row. OnBeforeFilter may overrule or combine each row's verdict. Matching
  // rows are enabled and non-matching rows disabled (never deleted); with SelectMatches the
  // matching rows become the selection. Then SortEnabledState(SortCol, -1, Ascending).
  void FilterAndSort(const std::string& SearchText, std::span<const int> Cols, bool SelectMatches,
                     TFilterMode Mode, int SortCol, bool Ascending);
  // Orders enabled rows before disabled ones, each group sorted by SortCol and SortColSec
  // (kept in its present order when SortCol is not a column).
  void SortEnabledState(int SortCol, int SortColSec, bool Ascending);

  // ---- notifications
  void Changed();
  void ChangedSetup();
  void ChangedSelection();
  void CursorKeyAction(uint16_t Key);
  void StringsHasChanged(fw::TObject* Sender);
  void RepListPercDone(fw::TObject* Sender, int Percent);
  void BeforeSortExchange(fw::TObject* Sender, const std::string& S1, std::string& S2);
  void BeforeHTMLExport(fw::TObject* Sender, std::string& Text, int Col, int Row);
  void CheckStateHasChanged(bool State, int ACol, int ARow);
  void BeforeCheckStateChange(bool& State, int ACol, int ARow);

  // ---- in-place editing (grid indices; the column order applies)
  std::string GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const std::string& Value) override;

  fw::TNotifyEvent OnChange;
  fw::TNotifyEvent OnChangeSetup;
  fw::TNotifyEvent OnSelectedChange;
  TRenderCellEvent OnBeforeRenderCell;
  TReadCellEvent OnReadCell;
  TOnPercentDoneEvent OnPercentDone;
  TBeforeSortExchgEvent OnBeforeSortExchange;
  TBeforeHTMLExportEvent OnBeforeHTMLExport;
  TCheckStateChangeEvent OnCheckedChange;
  TCheckStateChangeEvent OnBeforeCheckedChange;
  TBeforeFilterEvent OnBeforeFilter;
  TRequestEditFormatEvent OnRequestEditFormat;
  TCursorKeyActionEvent OnCursorKeyAction;

 protected:
  void DrawCell(int ACol, int ARow, const fw::TRect& ARect, fw::TGridDrawState AState) override;
  void Paint() override;
  bool SelectCell(int ACol, int ARow) override;
  void TopLeftChanged() override;
  void CreateWnd() override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void KeyDown(uint16_t& Key, fw::TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  bool DoMouseWheelDown(fw::TShiftState Shift, fw::TPoint MousePos) override;
  bool DoMouseWheelUp(fw::TShiftState Shift, fw::TPoint MousePos) override;
  void Resize() override;

 private:
  class PaintHold;

  // Index helpers.
  bool InDataCols(int ACol) const { return ACol >= 1 && ACol <= NrOfColumns(); }
  bool InRows(int ARow) const { return ARow >= 1 && ARow <= NrOfRows(); }
  // Data column shown in grid column c (1-based; c itself + 1 outside the table).
  int DataColOfGrid(int c) const;
  // Grid column showing data column d, or -1.
  int GridColOfData(int d) const;
  int ColumnHeaderRow() const;
  std::size_t ColIndex(int ACol) const { return static_cast<std::size_t>(ACol - 1); }
  // Data column ACol has an entry in the view's column tables (they follow NrOfColumns
  // through the view; a store changed directly through Data() may differ for a while).
  bool HasColEntry(int ACol) const {
    return InDataCols(ACol) && ColIndex(ACol) < colAlignment_.size();
  }

  // Notification and painting helpers.
  void RepaintView();
  void SetupChanged();
  void ColorSetter(fw::TColor& field, fw::TColor Value);
  void RebuildGridRows();
  void ResizeColumnTables(int count);
  void ResetColumnOrder();
  void HookData();
  void SetAllRowBits(uint8_t bit, bool on);
  void SetAllColBits(uint8_t bit, bool on);
  int CountRowBits(uint8_t bit, bool on) const;
  void EndEditing();
  void ClearSortState();
  // Moves the grid's current row to data row ARow (scrolled into view).
  void FocusDataRow(int ARow);
  // Assign's copy of the settings, tables and data of another view.
  void AssignFrom(TReportListView& src);

  // Painting pieces (rlview_paint.cpp, rlview_header.cpp).
  void DrawDataCell(int ACol, int ARow, const fw::TRect& ARect);
  void DrawCheckMark(fw::TCanvas* canvas, TCheckMode mode, const fw::TRect& f, bool checked,
                     fw::TColor penColor, fw::TColor fontColor, bool rowDisabled);
  void DrawCommonHeader(const fw::TRect& ARect);
  void DrawColumnHeader(int ACol, const fw::TRect& ARect);
  void DrawSortArrow(fw::TCanvas* canvas, int x, int y, bool ascending);
  int HeaderRight() const;
  void PaintEmptyList();
  void PaintInterRowIndicator();
  // Cells' used area: right edge of the last column and bottom of the last row on screen.
  int UsedRight() const;
  int UsedBottom() const;
  int TextWidthOf(int ACol, int ARow, const std::string& text, bool header);

  // Input pieces (rlview_input.cpp).
  void HeaderClickSort(int dataCol);
  void ClickCheckMark(int dataCol, int dataRow, int X, const fw::TRect& cell);
  void ClickSelect(int dataRow, fw::TShiftState Shift);
  void FitColumnAtBorder(int X, int Y);

  // Filtering (rlview_filter.cpp).
  std::vector<int> FilterColumns(std::span<const int> Cols) const;

  std::unique_ptr<TRLData> data_;
  std::vector<TAlignment> colAlignment_;
  std::vector<bool> colEditable_;
  std::vector<int> colOrder_;
  std::vector<bool> colPassword_;

  bool autoAdvance_ = false;
  int lastMouseX_ = 0;
  int lastMouseY_ = 0;
  std::string emptyMessage_;
  TAlignment commonHeaderAlignment_ = taCenter;
  bool commonHeaderVisible_ = false;
  fw::TColor colorCommonHd_ = fw::clBtnFace;
  fw::TColor colorCommonHdText_ = fw::clBlack;
  int commonHeaderHeight_ = 20;
  bool columnHeadersVisible_ = true;
  fw::TColor colorColumnHd_ = fw::clBtnFace;
  fw::TColor colorColumnHdText_ = fw::clBlack;
  int columnHeadersHeight_ = 20;
  fw::TColor colorEmptyMsg_ = fw::clBlack;
  fw::TColor colorDisabledText_ = 0xC0C0C0;
  fw::TColor colorDisabledBkgd_ = 0xF0F0F0;
  int anchorRow_ = 1;
  int rowSelectMode_ = 1;
  bool useCtrlForMultiSel_ = true;
  bool sortEnabled_ = true;
  fw::TColor colorSelRow_ = 0x94BAED;
  fw::TColor colorSelRowText_ = 0x800000;
  fw::TColor colorSelCol_ = 0;
  fw::TColor colorSelColText_ = 0;
  fw::TColor colorSelBoth_ = 0;
  fw::TColor colorSelBothText_ = 0;
  bool showEmptyCheckBoxes_ = true;
  bool roCheckmarks_ = false;
  fw::TColor colorHigh_ = 0xCC9966;
  fw::TColor colorHighText_ = 0xFFFFFF;
  bool highLightBold_ = false;
  int highLightRow_ = 0;
  int highLightColumn_ = 0;
  bool suppressPaint_ = true;
  fw::TColor colorText_ = 0x002000;
  fw::TColor colorBkgdNormal_ = 0xFFFFFF;
  fw::TColor colorBkgdShaded_ = 0xF0EFE8;
  int rowColPattern_ = 1;
  int interRowIndi_ = 0;
  fw::TColor interRowColor_ = fw::clRed;
  int interRowWidth_ = 3;
  bool fixedFirstColumn_ = false;
  // True while the header cells are drawn by Paint itself (over the grid lines).
  bool paintingHeaderBand_ = false;
};

}  // namespace zeb
