// Unit ZEB_ntabed: TNTabEd, a grid that shows and edits a numeric data table (TDataTable) with
// heading rows and columns, per-column precision, cell marks, popup commands and clipboard text.
//
// Call flow:
//   the table changes        -> its notifications -> TableDataChanged / TableSetupChanged /
//                               TableResized (grid size, widths, precision list) -> repaint
//   the grid paints a cell   -> DrawCell -> DataCellText (CellTextOf, ntabed_text.cpp), colours
//                               by marks and selection, OnBeforeRenderCell, TextRect
//   Paint                    -> base grid, then the empty-table message, OptimizeRowHeight
//   a mouse button goes down -> MouseDown (ntabed_input.cpp): select / edit / popup menus
//   a menu item is chosen    -> the command handlers of ntabed_commands.cpp
//   a key arrives            -> KeyDown / KeyPress (ntabed_keys.cpp): read-only cells,
//                               AutoAdvance, the cell cursor in the corner cell
//   typed text is accepted   -> SetEditText (ntabed_edit.cpp) -> clamp -> the table
//
// Layout: grid column 0 shows the row names, grid column 1 the row attributes while
// AttribRowVisible, then the data columns; grid row 0 the column names, grid row 1 the column
// attributes while AttribColVisible, then the data rows. Public operations take data indices
// (1-based, column first).
//
// Choices made here:
// - The sort, find and copy operations forward to the table with painting held back; while
//   the table exchanges columns, their precisions go with them (PrecisionFollowsColumns).
//   Inserting, removing and mirroring columns moves precisions the same way.
// - Columns added to a table that had none take DefaultColWidth and precision 2; columns added
//   to one that had some take the last data column's width and precision.
// - The popup menus are drawn over the form and do not block: a chosen item runs after the
//   menu has closed, and "Change Precision" opens the heading menu anew after each step.
// - Paste and extraction write only inside the table and select only what they wrote there.
// - A right click never moves the selection, and changing the editing option per click keeps
//   a selected range.
//
// Ownership: the editor creates its own table and frees it. A table handed over with
// AssignAnotherDataMatrix stays its owner's: the editor watches it and, should it be deleted
// first, goes back to its own table, so it never reads a freed table.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "companion/ZEB_datatable.h"
#include "companion/ZEB_zebbase.h"
#include "framework/grids/grids.h"
#include "framework/grids/inplace_edit.h"
#include "framework/stdctrls/popup_menu.h"

namespace fw {
class TEdit;
class TMemo;
}  // namespace fw

namespace zeb {

class EZEBNTabedError : public EZEBError {
 public:
  using EZEBError::EZEBError;
};

using TBeforeRenderCellEvent =
    fw::Event<void(fw::TObject* Sender, int colix, int rowix, std::string& Text,
                   fw::TColor& ColorText, fw::TColor& ColorBakg, fw::TFontStyles& FontStyles)>;
using TBeforePopupEvent = fw::Event<void(fw::TObject* Sender, fw::TPopupMenu* PMenu)>;

// The text of value x in a column with `decPlaces` decimal places and minimum width numWidth:
// fixed-point while the value fits the column's range, else scientific with a two-digit
// exponent (a row of "*" when the exponent needs three digits).
std::string FormatCellValue(double x, int decPlaces, int numWidth);

// Reads one number from `text` at the 0-based position `pos` ("." and "," as decimal point, an
// exponent allowed) and leaves `pos` on the character that ended it. A malformed number reads
// as 0; the result is limited to +-the largest double.
double ScanClipNumber(const std::string& text, std::size_t& pos);
// True for the characters that can start a number: "+", "-", ".", digits.
bool StartsClipNumber(char c);

// Number of data items and heading items of the two popup menus, and of each mark submenu.
inline constexpr int kDataMenuItems = 13;
inline constexpr int kHeadMenuItems = 5;
inline constexpr int kSubMenuItems = 4;

class TNTabEd : public fw::TCustomGrid {
 public:
  explicit TNTabEd(fw::TComponent* AOwner);
  ~TNTabEd() override;

  // ---- the table
  // The table shown (the editor's own, or one handed over by AssignAnotherDataMatrix).
  TDataTable* DataTable() const { return table_; }
  // Shows `table` (owned elsewhere) instead of the own table; nullptr goes back to the own
  // table. The editor stops watching a table it leaves and never frees one it did not create.
  void AssignAnotherDataMatrix(TDataTable* table);
  // Values, states, headings and precisions of another editor's table (sizes follow).
  void CopyContentsFrom(const TNTabEd& source);
  void CopyCellStatesFrom(const TNTabEd& source);

  // ---- dimensions
  int NrOfColumns() const { return table_->NrOfColumns(); }
  int GetNrCols() const { return NrOfColumns(); }
  void SetNrCols(int n);
  int NrOfRows() const { return table_->NrOfRows(); }
  int GetNrRows() const { return NrOfRows(); }
  void SetNrRows(int n);
  void Redimension(int cols, int rows);
  // Grid columns / rows in front of the data less one (1 while the attribute column / row is
  // shown, else 0).
  int ColOffset() const { return attribRowVisible_ ? 1 : 0; }
  int RowOffset() const { return attribColVisible_ ? 1 : 0; }

  // ---- cells
  double GetElem(int col, int row) const { return table_->GetElem(col, row); }
  void SetElem(int col, int row, double value);
  uint8_t GetCellState(int col, int row) const { return table_->GetCellState(col, row); }
  void SetCellState(int col, int row, uint8_t state);
  bool GetIsEmpty(int col, int row) const;
  void SetIsEmpty(int col, int row, bool flag);
  bool GetIsNumber(int col, int row) const { return table_->GetIsNumber(col, row); }
  bool GetElemMarkedA(int col, int row) const;
  bool GetElemMarkedB(int col, int row) const;
  void SetElemMarkedA(int col, int row, bool flag);
  void SetElemMarkedB(int col, int row, bool flag);
  bool IfRowMarked(int row) const;
  bool IfColumnMarked(int col) const;
  bool IfAnyMarked() const;
  int NrOfMarkedDataA() const;
  int NrOfMarkedDataB() const;
  void UnMarkAllElems();
  void MarkAllElemsA();
  void MarkAllElemsB();
  void InvertCellStates(uint8_t mask);
  void ExchangeMarkings();
  // The text a data cell shows (empty, "-nan-", a nominal name or the formatted value).
  std::string DataCellText(int col, int row) const;
  // The non-empty nominal names of a column, in id order (the in-place editor's pick list).
  std::vector<std::string> NominalNames(int col) const;

  // ---- headings
  std::string GetColName(int col) const;
  void SetColName(int col, const std::string& name);
  std::string GetRowName(int row) const;
  void SetRowName(int row, const std::string& name);
  int GetColAttrib(int col) const;
  void SetColAttrib(int col, uint8_t attrib);
  int GetRowAttrib(int row) const;
  void SetRowAttrib(int row, uint8_t attrib);
  int FindColIndex(const std::string& name) const;
  int FindRowIndex(const std::string& name) const;

  // ---- precision and layout
  int GetDecPlaces(int col) const;
  void SetDecPlaces(int col, int places);
  int GetColWidths(int col) const;
  void SetColWidths(int col, int width);
  void SetRowHeight(int row, int height);
  int AutoColWidth(int col, bool IncludeHeading, int AddSpace);
  int AutoRowHeight(int row, int AddSpace);

  // ---- bulk operations
  void Fill(double value);
  void FillMarkedCells(double value, uint8_t mask);
  // Clears the table, names the columns "C-1".. and rows "R-1".., every precision 3.
  void Clear();
  void InsertRow(int row);
  void InsertColumn(int col);
  void RemoveRow(int row);
  void RemoveColumn(int col);
  void MirrorColumns();
  void MirrorRows();
  void SortCols(int SortRow, bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh,
                bool MoveHeadings);
  void SortRows(int SortCol, bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh,
                bool MoveHeadings);
  void SortRowAttributes(bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh);
  void SortColAttributes(bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh);
  void SortColNames(bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh);
  void SortColNames(bool Ascending, bool IgnoreCase, int ColLow, int RowLow, int ColHigh,
                    int RowHigh);
  void SortRowNames(bool Ascending, int ColLow, int RowLow, int ColHigh, int RowHigh);
  void SortRowNames(bool Ascending, bool IgnoreCase, int ColLow, int RowLow, int ColHigh,
                    int RowHigh);
  // Whether the precisions follow their columns when the table sorts or exchanges columns
  // (true: a column keeps its number format wherever it goes).
  bool PrecisionFollowsColumns() const { return precisionFollows_; }
  void SetPrecisionFollowsColumns(bool value) { precisionFollows_ = value; }

  bool SuppressPaint() const { return suppressPaint_; }
  void SetSuppressPaint(bool flag);
  // True while a bulk operation runs (changes are then not reported).
  bool Updating() const { return updating_ > 0; }

  // ---- published properties
  bool AutoAdvance() const { return autoAdvance_; }
  void SetAutoAdvance(bool value) { autoAdvance_ = value; }
  TOrientation AutoAdvanceDir() const { return autoAdvanceDir_; }
  void SetAutoAdvanceDir(TOrientation value) { autoAdvanceDir_ = value; }
  bool AttribRowVisible() const { return attribRowVisible_; }
  void SetAttribRowVisible(bool value);
  bool AttribColVisible() const { return attribColVisible_; }
  void SetAttribColVisible(bool value);
  bool BlockInternalPopup() const { return blockInternalPopup_; }
  void SetBlockInternalPopup(bool value) { blockInternalPopup_ = value; }
  bool CommentEditingAllowed() const { return commentEditingAllowed_; }
  void SetCommentEditingAllowed(bool value) { commentEditingAllowed_ = value; }
  std::string Comment() const { return table_->FComment(); }
  void SetComment(const std::string& value);
  fw::TColor ColorBackground() const { return colorBackground_; }
  void SetColorBackground(fw::TColor value);
  fw::TColor ColorEmptyMsg() const { return colorEmptyMsg_; }
  void SetColorEmptyMsg(fw::TColor value);
  fw::TColor ColorFixed() const { return colorFixed_; }
  void SetColorFixed(fw::TColor value);
  fw::TColor ColorNormal() const { return colorNormal_; }
  void SetColorNormal(fw::TColor value) { SetLayoutColor(colorNormal_, value); }
  fw::TColor ColorSelected() const { return colorSelected_; }
  void SetColorSelected(fw::TColor value) { SetLayoutColor(colorSelected_, value); }
  fw::TColor ColorMarkedA() const { return colorMarkedA_; }
  void SetColorMarkedA(fw::TColor value) { SetLayoutColor(colorMarkedA_, value); }
  fw::TColor ColorMarkedB() const { return colorMarkedB_; }
  void SetColorMarkedB(fw::TColor value) { SetLayoutColor(colorMarkedB_, value); }
  fw::TColor ColorMarkedBoth() const { return colorMarkedBoth_; }
  void SetColorMarkedBoth(fw::TColor value) { SetLayoutColor(colorMarkedBoth_, value); }
  fw::TColor ColorRangeSelFG() const { return colorRangeSelFG_; }
  void SetColorRangeSelFG(fw::TColor value) { SetLayoutColor(colorRangeSelFG_, value); }
  fw::TColor ColorRangeSelBG() const { return colorRangeSelBG_; }
  void SetColorRangeSelBG(fw::TColor value) { SetLayoutColor(colorRangeSelBG_, value); }
  void SetDefaultColWidth(int value);
  const std::string& EmptyMessage() const { return emptyMessage_; }
  void SetEmptyMessage(const std::string& value);
  bool BoldMarks() const { return boldMarks_; }
  void SetBoldMarks(bool value);
  bool BoldSelHeads() const { return boldSelHeads_; }
  void SetBoldSelHeads(bool value);
  bool ClipboardUseFullPrec() const { return clipboardUseFullPrec_; }
  void SetClipboardUseFullPrec(bool value) { clipboardUseFullPrec_ = value; }
  // First visible data column / row (1-based).
  // (These hide the grid's own LeftCol and TopRow, which count grid columns and rows.)
  int LeftCol() const { return fw::TCustomGrid::LeftCol() - ColOffset(); }
  void SetLeftCol(int value);
  int TopRow() const { return fw::TCustomGrid::TopRow() - RowOffset(); }
  void SetTopRow(int value);
  int NomEditDropDownCount() const { return nomEditDropDownCount_; }
  void SetNomEditDropDownCount(int value);
  int NumWidth() const { return numWidth_; }
  void SetNumWidth(int value);
  bool DataReadOnly() const { return dataReadOnly_; }
  void SetDataReadOnly(bool value);
  bool OptimizeRowHeight() const { return optimizeRowHeight_; }
  void SetOptimizeRowHeight(bool value) { optimizeRowHeight_ = value; }
  bool ShowCellCursor() const { return showCellCursor_; }
  void SetShowCellCursor(bool value);
  double VRangeHigh() const { return vRangeHigh_; }
  void SetVRangeHigh(double value) { vRangeHigh_ = value; }
  double VRangeLow() const { return vRangeLow_; }
  void SetVRangeLow(double value) { vRangeLow_ = value; }
  // value limited to VRangeLow..VRangeHigh while either is non-zero.
  double ClampToRange(double value) const;

  // ---- popup menus (ntabed_menus.cpp)
  fw::TPopupMenu* DataPopupMenu() const { return popupD_; }
  fw::TPopupMenu* HeadingPopupMenu() const { return popupH_; }
  int PopupDMask() const { return maskD_; }
  void SetPopupDMask(int mask);
  int PopupHMask() const { return maskH_; }
  void SetPopupHMask(int mask);
  std::string GetPopupDCaption(int i) const;
  void SetPopupDCaption(int i, const std::string& caption);
  std::string GetPopupHCaption(int i) const;
  void SetPopupHCaption(int i, const std::string& caption);
  std::string GetPopupMCaption(int i) const;
  void SetPopupMCaption(int i, const std::string& caption);
  std::string GetPopupUCaption(int i) const;
  void SetPopupUCaption(int i, const std::string& caption);

  // ---- clipboard (ntabed_clipboard.cpp)
  // Copies the selected range to the clipboard as text and into the internal clip table.
  void CopyToClipboard();
  // Puts the last copied block back (values and states) at the selection's top-left cell.
  void PasteFromClipboard();
  // Reads numbers from clipboard text into the table from the selection's top-left cell.
  void ExtractFromClipboard();
  bool GetClipMatrixSize(int& NrCols, int& NrRows) const;
  bool HasInternalClip() const { return internalClip_; }

  // ---- editors (ntabed_headedit.cpp)
  // Opens the heading editor on grid cell (col, row), or the comment editor over the grid.
  void EditHeading(int col, int row);
  void OpenCommentEditor();
  fw::TEdit* HeadingEditor() const { return nameEditor_; }
  fw::TMemo* CommentEditor() const { return commentEditor_; }
  bool HeadingEditing() const { return headingEdit_; }
  bool CommentMode() const { return commentMode_; }
  // Draws the current cell (grid indices) as data indices in the corner cell.
  void DisplayCellCursor(int col, int row);

  // OnGetEditText and OnSetEditText are the grid's, fired after the editor's own processing.
  fw::TNotifyEvent OnSelectionChanged;
  TBeforePopupEvent OnBeforePopup;
  fw::TNotifyEvent OnChange;
  fw::TNotifyEvent OnChangeSetup;
  fw::TNotifyEvent OnClear;
  fw::TNotifyEvent OnPaste;
  TOnPercentDoneEvent OnPercentDone;
  fw::TNotifyEvent OnHeadingChanged;
  fw::TNotifyEvent OnAttributeChanged;
  fw::TNotifyEvent OnCellStateChanged;
  fw::TNotifyEvent OnEmptyStChanged;
  fw::TNotifyEvent OnLayoutChanged;
  TBeforeRenderCellEvent OnBeforeRenderCell;

  // Grid cell of the last mouse-down (commands on the clicked column or row use it).
  fw::TGridCoord LastMouseDownCell() const { return lastDownCell_; }
  // Runs the command of a menu item as a click on it does (the item names of the menus).
  void RunCommand(const std::string& itemName);

  std::string GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const std::string& value) override;
  fw::TEditStyle GetEditStyle(int ACol, int ARow) override;

 protected:
  void Paint() override;
  void DrawCell(int ACol, int ARow, const fw::TRect& ARect, fw::TGridDrawState AState) override;
  void TopLeftChanged() override;
  fw::TInplaceEdit* CreateEditor() override;
  void KeyDown(uint16_t& Key, fw::TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(fw::TShiftState Shift, fw::TPoint MousePos) override;
  bool DoMouseWheelUp(fw::TShiftState Shift, fw::TPoint MousePos) override;
  void WndProc(fw::TMessage& message) override;
  void Notification(fw::TComponent* component, fw::TOperation operation) override;
  // Only data cells become current: the heading columns stay out of reach even when the
  // table has no data columns (the grid then cannot keep them fixed).
  bool SelectCell(int ACol, int ARow) override;

 private:
  // Runs a table operation with painting suppressed; restoring the flag repaints.
  class PaintHold;
  // Sets the updating guard for its lifetime (nested guards count).
  class UpdateHold;
  // Detaches the table's data-change notification for its lifetime.
  class DataNotifyHold;

  // Fires a "Changed" event unless painting is suppressed or an update runs.
  void FireChanged(const fw::TNotifyEvent& event);
  void SetLayoutColor(fw::TColor& field, fw::TColor value);
  void RepaintNow();

  // Table binding (ntabed_table.cpp).
  void Bind(TDataTable* table);
  void Unbind();
  void TableDataChanged();
  void TableSetupChanged();
  void TableResized(int oldCols, int oldRows, int newCols, int newRows);
  void TableExchanged(uint8_t kind, int index1, int index2);
  // Grid counts, fixed counts and precision list for the table's size, keeping what fits.
  void SyncLayoutToTable();
  // The precision list resized to `cols` entries, new ones the template.
  void ResizePrecisions(int cols, int templ);
  int TemplatePrecision(int oldCols) const;
  [[noreturn]] void RaiseNoMemory() const;

  // Drawing pieces (ntabed_paint.cpp).
  void DrawDataCell(int ACol, int ARow, const fw::TRect& ARect, fw::TGridDrawState AState);
  void DrawHeadingCell(int ACol, int ARow, fw::TRect rect);
  void DrawCorner(const fw::TRect& rect);
  void DrawEmptyMessage();
  std::string HeadingText(int ACol, int ARow) const;
  bool IsDataCell(int ACol, int ARow) const { return ACol > ColOffset() && ARow > RowOffset(); }
  bool IsNominal(int col) const;
  std::string NominalText(int col, double x) const;

  // Selection helpers.
  void CheckSelectionChanged();
  // The selection in data indices, limited to the table; false when it holds no data cell.
  bool DataRange(int& left, int& top, int& right, int& bottom) const;
  void SelectDataRange(int left, int top, int right, int bottom);
  void SetEditingOption(bool on);
  bool CurrentCellReadOnly() const;

  // Menus (ntabed_menus.cpp) and commands (ntabed_commands.cpp).
  void BuildMenus();
  fw::TMenuItem* DataItem(int i) const;
  fw::TMenuItem* HeadItem(int i) const;
  void PrepareDataMenu();
  void PrepareHeadingMenu(bool column);
  void PopupDataMenu(int X, int Y);
  void PopupHeadingMenu(const fw::TRect& cell, bool column);
  void OutlineHeading(const fw::TRect& cell);
  void MarkCommand(int kind, int scope);
  void ClearCommand(fw::TObject* sender);
  void ToggleReadOnlyCommand();
  void SelectAllCommand();
  void ToggleEmptyCommand();
  void ResetEmptyCommand();
  void ChangePrecisionCommand();
  void SelectLineCommand();
  void InsertLineCommand();
  void DeleteLineCommand();
  // The clicked heading as data indices.
  int ClickedCol() const { return lastDownCell_.X - ColOffset(); }
  int ClickedRow() const { return lastDownCell_.Y - RowOffset(); }

  // Heading and comment editors (ntabed_headedit.cpp).
  void CreateEditors();
  void HeadingEditorKey(char32_t& Key);
  void CommentEditorKey(char32_t& Key);
  void CloseCommentEditor(bool accept);

  TDataTable* table_ = nullptr;
  std::unique_ptr<TDataTable> ownTable_;
  std::unique_ptr<TDataTable> clipTable_;
  std::vector<int8_t> decPlaces_;
  bool precisionFollows_ = true;

  bool suppressPaint_ = false;
  int updating_ = 0;
  bool dataNotifyDetached_ = false;
  bool commentMode_ = false;
  bool headingEdit_ = false;
  bool internalClip_ = false;

  bool autoAdvance_ = true;
  TOrientation autoAdvanceDir_ = orDown;
  bool attribRowVisible_ = true;
  bool attribColVisible_ = false;
  int attribColWidth_ = 32;
  bool blockInternalPopup_ = false;
  bool commentEditingAllowed_ = true;
  fw::TColor colorBackground_ = fw::clWindow;
  fw::TColor colorEmptyMsg_ = fw::clBlack;
  fw::TColor colorFixed_ = fw::clBtnFace;
  fw::TColor colorNormal_ = fw::RGB(0, 32, 0);
  fw::TColor colorSelected_ = fw::RGB(64, 64, 64);
  fw::TColor colorMarkedA_ = fw::RGB(255, 0, 0);
  fw::TColor colorMarkedB_ = fw::RGB(0, 0, 255);
  fw::TColor colorMarkedBoth_ = fw::RGB(187, 0, 204);
  fw::TColor colorRangeSelFG_ = fw::RGB(44, 85, 128);
  fw::TColor colorRangeSelBG_ = fw::RGB(224, 232, 248);
  std::string emptyMessage_;
  bool boldMarks_ = true;
  bool boldSelHeads_ = true;
  bool clipboardUseFullPrec_ = true;
  int nomEditDropDownCount_ = 8;
  int numWidth_ = 1;
  bool dataReadOnly_ = false;
  bool optimizeRowHeight_ = false;
  bool showCellCursor_ = true;
  double vRangeHigh_ = 0.0;
  double vRangeLow_ = 0.0;

  fw::TGridRect lastSelection_{-1, -1, -1, -1};
  fw::TGridCoord lastDownCell_{-1, -1};
  fw::TGridCoord prevDownCell_{-1, -1};
  fw::TPoint lastDownPoint_{-1, -1};

  fw::TPopupMenu* popupD_ = nullptr;  // owned by the editor as components
  fw::TPopupMenu* popupH_ = nullptr;
  int maskD_ = 2147483647;
  int maskH_ = 2147483647;
  // The clicked heading is a column heading (the heading menu's commands act on columns).
  bool headMenuForColumn_ = true;
  fw::TRect headMenuCell_{};
  bool headOutlined_ = false;

  fw::TEdit* nameEditor_ = nullptr;  // children of the grid, owned by it
  fw::TMemo* commentEditor_ = nullptr;
  fw::TGridCoord headEditCell_{-1, -1};
};

}  // namespace zeb
