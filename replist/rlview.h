// TReportListView, the visual report list: a draw grid over its own TRLData (see rldata.h).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "framework/grids/grids.h"
#include "framework/stdctrls/text_alignment.h"
#include "replist/rldata.h"

namespace zeb {

// Errors of the report list view.
class EZEBRepListError : public EZEBError {
 public:
  using EZEBError::EZEBError;
};

// Text alignment of a column's cells and header: the framework's own alignment type.
using fw::taCenter;
using fw::taLeftJustify;
using fw::TAlignment;
using fw::taRightJustify;

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

// The colours a report list view paints with: its Color... properties.
struct TRepListColors {
  fw::TColor text = 0x002000;
  fw::TColor bkgdNormal = 0xFFFFFF;
  fw::TColor bkgdShaded = 0xF0EFE8;
  fw::TColor high = 0xCC9966;
  fw::TColor highText = 0xFFFFFF;
  fw::TColor selRow = 0x94BAED;
  fw::TColor selRowText = 0x800000;
  fw::TColor selCol = 0;
  fw::TColor selColText = 0;
  fw::TColor selBoth = 0;
  fw::TColor selBothText = 0;
  fw::TColor columnHd = fw::clBtnFace;
  fw::TColor columnHdText = fw::clBlack;
  fw::TColor commonHd = fw::clBtnFace;
  fw::TColor commonHdText = fw::clBlack;
  fw::TColor disabledBkgd = 0xF0F0F0;
  fw::TColor disabledText = 0xC0C0C0;
  fw::TColor emptyMsg = fw::clBlack;
};

// What decides the colours of a data cell.
struct TDataCellState {
  bool enabled = true;  // the view is enabled
  bool shaded = false;  // the row lies in a shading band
  bool rowDisabled = false;
  bool rowSelected = false;
  bool colSelected = false;
  bool highlighted = false;  // the highlighted row or column
  bool fixedColumn = false;
};

// A data cell's colours, and whether its text turns bold.
struct TCellColors {
  fw::TColor brush;
  fw::TColor pen;
  fw::TColor font;
  bool bold;
};

// The colours of a data cell in `state`, before OnBeforeRenderCell may change them: the
// shading band, then a disabled row, the selection (row and column together, column, row),
// the highlight (bold when highLightBold), a fixed column's header colour, and grey text
// while the view is disabled.
TCellColors DataCellColors(const TRepListColors& colors, const TDataCellState& state,
                           bool highLightBold);

// The visual report list: a draw grid showing the cells of its own TRLData under up to two
// header rows (a common header across all columns and the column headers). Grid row r at or
// below the header rows shows data row r - header rows + 1; grid column c shows data column
// ColOrder(c + 1). Selection and enabling live in the data store's row and column attribute
// bits, so they travel with the rows when sorting. Bulk operations hold painting back and
// repaint once.
//
// Painting (rlview_paint.cpp, rlview_header.cpp), on top of the grid's own (see grids.h):
//   Paint()                                 returns at once while a PaintHold is alive
//     TCustomDrawGrid::Paint -> PaintCell -> DrawCell(ACol, ARow, ARect, AState)
//       data rows:      DrawDataCell        colours from the row's state, text or password
//                                           stars shortened with "...", DrawCheckMark,
//                                           the raised frame of a fixed column
//       column headers: DrawColumnHeader    caption lines, DrawSortArrow, raised bar
//     then, clipped to the cells: DrawCommonHeader across the columns, PaintEmptyList,
//     PaintInterRowIndicator
//
// Input (rlview_input.cpp):
//   MouseDown -> grid first (sizing, selection), then HeaderClickSort on a column header,
//                or ClickCheckMark (left edge of a cell) and ClickSelect on a data row
//   DblClick  -> FitColumnAtBorder on a header border, else OnDblClick
//   KeyDown   -> the grid's move, then the row selection of the mode and CursorKeyAction
//   KeyPress  -> the grid (in-place editor), then AutoAdvance moves on after Enter
class TReportListView : public fw::TCustomDrawGrid {
 public:
  explicit TReportListView(fw::TComponent* AOwner);
  ~TReportListView() override;

  // ---- sizes and scrolling
  int NrOfColumns() const;
  int GetNrCols() const { return NrOfColumns(); }
  // New columns take the width of the former last column; the column order becomes the
  // identity and the first data row is scrolled to the top.
  void SetNrCols(int value);
  int NrOfRows() const;
  int GetNrRows() const { return NrOfRows(); }
  void SetNrRows(int value);
  // First visible data row (1-based). SetTopRow takes any row from 1 to NrOfRows (values
  // outside are brought to the nearer end), even one that leaves empty space below the last
  // row: SetTopRow(1000) on a 10-row list shows row 10 at the top. Scrolling by keys, wheel
  // and scroll bar never leaves such space.
  int TopRow() const { return GetTopRow(); }
  int GetTopRow() const;
  void SetTopRow(int value);
  // First visible grid column, 1-based.
  int LeftCol() const { return GetLeftCol(); }
  int GetLeftCol() const;
  void SetLeftCol(int value);
  // Number of header rows shown: 0, 1 or 2.
  int CountHeadRows() const;
  void SetHeaderHeights();
  void SetDefaultColWidth(int value);
  void SetDefaultRowHeight(int value);

  // ---- appearance (published)
  fw::TColor ColorText() const { return colors_.text; }
  void SetColorText(fw::TColor value);
  fw::TColor ColorBkgdNormal() const { return colors_.bkgdNormal; }
  void SetColorBkgdNormal(fw::TColor value);
  fw::TColor ColorBkgdShaded() const { return colors_.bkgdShaded; }
  void SetColorBkgdShaded(fw::TColor value);
  fw::TColor ColorHigh() const { return colors_.high; }
  void SetColorHigh(fw::TColor value);
  fw::TColor ColorHighText() const { return colors_.highText; }
  void SetColorHighText(fw::TColor value);
  fw::TColor ColorSelectedRow() const { return colors_.selRow; }
  void SetColorSelectedRow(fw::TColor value);
  fw::TColor ColorSelectedRowText() const { return colors_.selRowText; }
  void SetColorSelectedRowText(fw::TColor value);
  fw::TColor ColorSelectedCol() const { return colors_.selCol; }
  void SetColorSelectedCol(fw::TColor value);
  fw::TColor ColorSelectedColText() const { return colors_.selColText; }
  void SetColorSelectedColText(fw::TColor value);
  fw::TColor ColorSelectedBoth() const { return colors_.selBoth; }
  void SetColorSelectedBoth(fw::TColor value);
  fw::TColor ColorSelectedBothText() const { return colors_.selBothText; }
  void SetColorSelectedBothText(fw::TColor value);
  // Column header background; also the grid's FixedColor and the fixed column's background.
  fw::TColor ColorColumnHd() const { return colors_.columnHd; }
  void SetColorColumnHd(fw::TColor value);
  fw::TColor ColorColumnHdText() const { return colors_.columnHdText; }
  void SetColorColumnHdText(fw::TColor value);
  fw::TColor ColorCommonHd() const { return colors_.commonHd; }
  void SetColorCommonHd(fw::TColor value);
  fw::TColor ColorCommonHdText() const { return colors_.commonHdText; }
  void SetColorCommonHdText(fw::TColor value);
  fw::TColor ColorDisabledBkgd() const { return colors_.disabledBkgd; }
  void SetColorDisabledBkgd(fw::TColor value);
  fw::TColor ColorDisabledText() const { return colors_.disabledText; }
  void SetColorDisabledText(fw::TColor value);
  fw::TColor ColorEmptyMsg() const { return colors_.emptyMsg; }
  void SetColorEmptyMsg(fw::TColor value);
  const std::string& CommonHeader() const;
  std::string GetCommonHeader() const { return CommonHeader(); }
  void SetCommonHeader(const std::string& value);
  TAlignment CommonHeaderAlignment() const { return commonHeaderAlignment_; }
  void SetCommonHeaderAlignment(TAlignment value);
  bool CommonHeaderVisible() const { return commonHeaderVisible_; }
  void SetCommonHeaderVisible(bool value);
  // Header heights are kept within 8..127.
  int CommonHeaderHeight() const { return commonHeaderHeight_; }
  void SetCommonHeaderHeight(int value);
  bool ColumnHeadersVisible() const { return columnHeadersVisible_; }
  void SetColumnHeadersVisible(bool value);
  int ColumnHeadersHeight() const { return columnHeadersHeight_; }
  void SetColumnHeadersHeight(int value);
  // Shown centred in an empty list; "|" separates lines.
  const std::string& EmptyMessage() const { return emptyMessage_; }
  void SetEmptyMessage(const std::string& value);
  void SetEnabled(bool value) override;
  bool FixedFirstColumn() const { return fixedFirstColumn_; }
  void SetFixedFirstColumn(bool value);
  bool HighLightBold() const { return highLightBold_; }
  void SetHighLightBold(bool value);
  int HighLightRow() const { return highLightRow_; }
  void SetHighLightRow(int value);
  int HighLightColumn() const { return highLightColumn_; }
  void SetHighLightColumn(int value);
  fw::TColor InterRowIndicatorColor() const { return interRowColor_; }
  void SetInterRowIndicatorColor(fw::TColor value);
  int InterRowIndicatorWidth() const { return interRowWidth_; }
  void SetInterRowIndicatorWidth(int value);
  // Rows per shading band; below 1 no shading.
  int RowColPattern() const { return rowColPattern_; }
  void SetRowColPattern(int value);
  bool ShowEmptyCheckBoxes() const { return showEmptyCheckBoxes_; }
  void SetShowEmptyCheckBoxes(bool value);

  // ---- behaviour (published)
  bool AutoAdvance() const { return autoAdvance_; }
  void SetAutoAdvance(bool value) { autoAdvance_ = value; }
  // 0 no row selection, 1 single row, 2 multiple rows; other values select nothing.
  int RowSelectMode() const { return rowSelectMode_; }
  void SetRowSelectMode(int value);
  bool UseCtrlForMultiSel() const { return useCtrlForMultiSel_; }
  void SetUseCtrlForMultiSel(bool value) { useCtrlForMultiSel_ = value; }
  bool SortEnabled() const { return sortEnabled_; }
  void SetSortEnabled(bool value) { sortEnabled_ = value; }

  // ---- per-column view settings (data columns, 1-based)
  TAlignment GetColAlignment(int ACol) const;
  void SetColAlignment(int ACol, TAlignment value);
  bool GetColumnIsPwd(int ACol) const;
  void SetColumnIsPwd(int ACol, bool value);
  bool GetColumnEditable(int ACol) const;
  void SetColumnEditable(int ACol, bool value);
  // Entry ACol of the column order table plus 1: the data column grid column ACol - 1 shows.
  int GetColOrder(int ACol) const;
  // Order[i] is the data column (1-based) of grid column i; false, changing nothing, unless
  // it has NrOfColumns entries; entries outside 1..NrOfColumns are skipped (result false).
  bool SetColumnOrder(TIntList Order);
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
  void SetSuppressPaint(bool value);
  bool ROCheckmarks() const { return roCheckmarks_; }
  // True hides the check box outlines and stops clicks from toggling marks.
  void SetROCheckmarks(bool value);
  int InterRowIndi() const { return interRowIndi_; }
  // Draws the indicator line above data row value (NrOfRows + 1: below the last); 0 none.
  void SetInterRowIndi(int value);

  // ---- data, forwarded to the data store
  TRLData* Data() const { return data_.get(); }
  std::string GetComment() const;
  void SetComment(const std::string& value);
  std::string GetDataID() const;
  void SetDataID(const std::string& value);
  // The data store's text, then OnReadCell may replace it.
  std::string GetElem(int ACol, int ARow);
  void SetElem(int ACol, int ARow, std::string_view value);
  TNameStrType GetColName(int ACol) const;
  void SetColName(int ACol, std::string_view value);
  TColFmtString GetColumnFormat(int ACol) const;
  void SetColumnFormat(int ACol, std::string_view value);
  bool GetCheckedCol(int ACol) const;
  void SetCheckedCol(int ACol, bool value);
  TCheckMode GetColCheckMode(int ACol) const;
  void SetColCheckMode(int ACol, TCheckMode value);
  std::string GetCellDefaultValue(int ACol, int ARow) const;
  int ColumnIndex(std::string_view Name, bool Partial) const;
  // As the data store's, naming this class in the error message.
  double GetAsNumber(int ACol, int ARow) const;
  bool GetElemChecked(int ACol, int ARow) const;
  void SetElemChecked(int ACol, int ARow, bool value);
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
  // From another view: copies what Assign's table (rlview_assign.cpp) marks as copied: the
  // behaviour and most look settings, the view's events but OnReadCell and OnCursorKeyAction,
  // the grid's edit-text and mouse-wheel events, Enabled, the data store and the column
  // table, then the suppress-paint flag. The target keeps its other grid properties and
  // events, header heights, EmptyMessage, UseCtrlForMultiSel, ROCheckmarks and its disabled
  // and empty-message colours. All or nothing for the store: when memory runs out the store
  // stays as it was.
  void Assign(fw::TPersistent* Source) override;
  void AssignTo(fw::TPersistent* Dest) override;
  // Shows the list of a store the program filled by itself: this view's store takes it over
  // without copying a cell (see TRLData::TakeDataFrom; Source is left empty) and the view
  // fits its columns and rows to it, as after reading a file. The view's look, its column
  // settings for columns that stay and its events stay as they are.
  void TakeOverData(TRLData& Source);

  // ---- XML files and text exchange, forwarded to the data store
  void SaveAsXMLFile(const std::string& FileName, const std::string& DataID);
  void WriteToXMLStream(fw::TStream& OutStream, bool Flag, const std::string& DataID);
  void WriteToOpenXMLFile(fw::TextFile& OutFile, bool Flag, const std::string& DataID);
  // Reading replaces the list: the view then follows its new size (view settings of the
  // columns that remain stay, new columns take the former last column's width, the column
  // order becomes the identity when the count changed), clears the grid's selection, shows
  // the first row, calls OnChangeSetup and repaints once. OnChange comes from the cells.
  // A failed read changes nothing.
  void LoadFromXMLFile(const std::string& FileName, const std::string& DataID);
  void ReadFromXMLStream(fw::TStream& InStream, const std::string& DataID);
  void ReadFromOpenXMLFile(fw::TextFile& InFile, const std::string& DataID);
  void ReadFromXMLString(const std::string& XMLText, const std::string& DataID);
  void CopyToClipBoard(int ColLow, int RowLow, int ColHigh, int RowHigh, bool WithColNames,
                       bool Tabbed);
  void CopyToClipBoard(int ColLow, int RowLow, int ColHigh, int RowHigh, bool WithColNames,
                       const std::string& Delimiter);
  void ImportCSV(const std::string& FileName, TCSVDelimiters Delimiter, bool WithColNames);
  void ExportCSV(const std::string& FileName, TCSVDelimiters Delimiter, bool WithColNames,
                 bool QuoteAll, int ColLow = 1, int RowLow = 1,
                 int ColHigh = std::numeric_limits<int>::max(),
                 int RowHigh = std::numeric_limits<int>::max());
  // The list grows to hold the lines, as a read does.
  void LoadLinesFromFile(int Column, int Row, const std::string& FileName);
  // OnBeforeHTMLExport of the view sees each exported cell.
  void ExportHTMLTable(const std::string& FileName, int ColLow, int RowLow, int ColHigh,
                       int RowHigh, TIntList ColWidths, int Border, int CellPadding,
                       int CellSpacing, bool WithColNames, const std::string& Title,
                       const std::string& HeaderColor, const std::string& CellColor);

  // ---- selection and enabling (data numbers, 1-based)
  bool GetRowSelect(int ARow) const;
  void SetRowSelect(int ARow, bool value);
  bool GetColSelect(int ACol) const;
  void SetColSelect(int ACol, bool value);
  bool GetRowEnabled(int ARow) const;
  void SetRowEnabled(int ARow, bool value);
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
  void FilterAndSort(const std::string& SearchText, TIntList Cols, bool SelectMatches,
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

  // ---- in-place editing (needs goRowSelect off in Options, which is on by default, and
  // goEditing on; grid indices; the column order applies; OnGetEditText and
  // OnSetEditText receive the grid column and the data row)
  std::string GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const std::string& value) override;

  // ---- row editing form (rlview_rowedit.cpp): a modal dialog with one line per column, a
  // label and an editing control chosen by the column format (see rlrowedit.h); the result
  // is the modal result (mrOk 1, mrCancel 2, or what the caller's form returns).
  // Own dialog at screen position (X, Y), captioned "Editing Row <ARow>", "OK" and "Cancel".
  int EditRowEntries(int ARow, int X, int Y);
  int EditRowEntries(int ARow, int X, int Y, const std::string& Caption, const std::string& OKText,
                     const std::string& CancelText);
  // The controls added to the caller's Form, offset by (X, Y); no buttons, empty caption.
  int EditRowEntries(int ARow, fw::TForm* Form, int X, int Y);
  // The common worker; Form nullptr makes an own dialog.
  int EditRowEntriesIntern(int ARow, fw::TForm* Form, int X, int Y, const std::string& Caption,
                           const std::string& OKText, const std::string& CancelText);
  // The dialog's handlers: OK ends it with mrOk, Cancel with mrCancel; in an editing control
  // Enter ends it with mrOk and Escape with mrCancel.
  void EdRowOKClick(fw::TObject* Sender);
  void EdRowCancelClick(fw::TObject* Sender);
  void EdRowKeyPress(fw::TObject* Sender, char32_t& Key);
  // The form of the open row editing dialog (nullptr while none is open).
  fw::TForm* RowEditForm() const { return edRowForm_; }

  fw::TNotifyEvent OnChange;
  fw::TNotifyEvent OnChangeSetup;
  fw::TNotifyEvent OnSelectedChange;
  TRenderCellEvent OnBeforeRenderCell;
  TReadCellEvent OnReadCell;
  TOnPercentDoneEvent OnPercentDone;
  TBeforeSortExchgEvent OnBeforeSortExchange;
  TBeforeHTMLExportEvent OnBeforeHTMLExport;
  // After a click on a check mark has changed it. State is the INVERSE of the state that was
  // requested after OnBeforeCheckedChange (a click on an unchecked box reports false, one that
  // the before-event turned into "uncheck" reports true; a radio click, which always checks,
  // reports the inverse of the request too). Programs rely on this long-standing argument:
  // it is intended, not a fault to correct.
  TCheckStateChangeEvent OnCheckedChange;
  // Before a click changes a check mark: State is the requested mark (the inverse of the
  // current one); the handler may change it.
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
  // Data column ACol has an entry in the view's column table (it follows NrOfColumns through
  // the view; a store changed directly through Data() may differ for a while).
  bool HasColEntry(int ACol) const { return InDataCols(ACol) && ColIndex(ACol) < columns_.size(); }

  // Notification and painting helpers.
  void RepaintView();
  void SetupChanged();
  void ColorSetter(fw::TColor& field, fw::TColor value);
  void RebuildGridRows();
  [[noreturn]] void RaiseNoMemory() const;
  void HookData();
  void SetAllRowBits(uint8_t bit, bool on);
  void SetAllColBits(uint8_t bit, bool on);
  int CountRowBits(uint8_t bit, bool on) const;
  void EndEditing();
  void ClearSortState();
  // Moves the grid's current row to data row ARow (scrolled into view).
  void FocusDataRow(int ARow);
  // Runs a read of the data store with painting held back, then fits the grid to the list.
  template <typename Read>
  void ReadIntoStore(Read&& read);
  void FollowStoreShape();

  // Assign's table (rlview_assign.cpp): one row for every member of the view below, each
  // colour of colors_, each event and each inherited setting Assign copies, telling whether
  // and when Assign copies it, or why the target keeps its own.
  struct TAssignRow {
    enum TRule : uint8_t { Copy, CopyAfterHold, Keep } rule;
    const char* what;
    void (*copy)(TReportListView& to, const TReportListView& from);  // nullptr for Keep
    const char* why;  // Keep: why the target keeps its own
  };
  // A new member needs its row in the table, and this count (checked there) goes up with it.
  static constexpr std::size_t kAssignRows = 66;
  static std::span<const TAssignRow> AssignTable();
  template <auto Member>
  static void CopyMember(TReportListView& to, const TReportListView& from);
  template <fw::TColor TRepListColors::*Color>
  static void CopyColor(TReportListView& to, const TReportListView& from);
  // Runs the table's copy steps of `rule`, in the table's order.
  void CopyByTable(const TReportListView& src, TAssignRow::TRule rule);

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

  // The column table (rlview_columns.cpp): one entry per data column, changed in shape only
  // by these, each leaving the column order the identity.
  void ReserveViewColumns(int count);
  void FitViewColumns(int count);
  void InsertViewColumn(int ACol);
  void EraseViewColumn(int ACol);
  void ResetViewColumns();
  void SetIdentityOrder();

  // A data column's view settings. Entry i also holds entry i of the column order table.
  struct TViewColumn {
    TAlignment alignment = taLeftJustify;
    bool password = false;
    bool editable = false;
    int order = 0;  // the data column (0-based) grid column i shows
  };

  std::unique_ptr<TRLData> data_;
  std::vector<TViewColumn> columns_;

  TRepListColors colors_;
  bool autoAdvance_ = false;
  int lastMouseX_ = 0;
  int lastMouseY_ = 0;
  std::string emptyMessage_;
  TAlignment commonHeaderAlignment_ = taCenter;
  bool commonHeaderVisible_ = false;
  int commonHeaderHeight_ = 20;
  bool columnHeadersVisible_ = true;
  int columnHeadersHeight_ = 20;
  int anchorRow_ = 1;
  int rowSelectMode_ = 1;
  bool useCtrlForMultiSel_ = true;
  bool sortEnabled_ = true;
  bool showEmptyCheckBoxes_ = true;
  bool roCheckmarks_ = false;
  bool highLightBold_ = false;
  int highLightRow_ = 0;
  int highLightColumn_ = 0;
  bool suppressPaint_ = true;
  int rowColPattern_ = 1;
  int interRowIndi_ = 0;
  fw::TColor interRowColor_ = fw::clRed;
  int interRowWidth_ = 3;
  bool fixedFirstColumn_ = false;
  // True while the header cells are drawn by Paint itself (over the grid lines).
  bool paintingHeaderBand_ = false;
  // The row editing dialog's form and OK button while it is open.
  fw::TForm* edRowForm_ = nullptr;
  fw::TControl* edRowOKButton_ = nullptr;
};

}  // namespace zeb
