// TCustomGrid, TCustomDrawGrid and TDrawGrid: a scrolling table of cells with fixed rows and
// columns, grid lines, selection, keyboard and mouse navigation, line sizing and scroll bars.
//
// Painting (grid_paint.cpp):
//   Paint()                              border, then inside the cells' area:
//     PaintCells(area)                   rows and columns on screen that meet the clip
//       PaintCell(c, r, rect, fixed)     CellState, font and fill colour, FillRect
//         DrawCell(ACol, ARow, ARect, AState)   virtual: the cell's content (a data cell of
//                                        TDrawGrid is drawn by OnDrawCell; derived grids
//                                        override it), then the focus frame, raised fixed cells
//     PaintLines(area), PaintDropMarker()
//   then ScrollBarLayout(vertical).Paint for each bar shown.
//
// Input (grid_input.cpp, grid_drag.cpp, grid_editor.cpp):
//   MouseDown -> scrollTracker_ (a bar) | SizingHit (line sizing) | StartMoving | FocusCell
//   MouseMove -> DragTo + UpdateAutoScroll while a gesture runs, scrollTracker_ on a bar
//   MouseUp   -> ends the gesture: MoveColumn/MoveRow, scrollTracker_, ShowEditor
//   KeyDown   -> MoveByKey -> FocusCell; F2/Enter/typing open the in-place editor
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/base/set.h"
#include "framework/controls/customcontrol.h"
#include "framework/controls/form.h"
#include "framework/controls/scroll_bar_tracker.h"
#include "framework/controls/scroll_style.h"

namespace fw {

// The order gives each option its bit in the stored set.
enum TGridOption : uint8_t {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking
};
using TGridOptions = Set<TGridOption>;
// The names of the options as form text writes them, by bit.
inline const std::vector<std::string> kGridOptionNames{
    "goFixedVertLine", "goFixedHorzLine",     "goVertLine",     "goHorzLine",
    "goRangeSelect",   "goDrawFocusSelected", "goRowSizing",    "goColSizing",
    "goRowMoving",     "goColMoving",         "goEditing",      "goTabs",
    "goRowSelect",     "goAlwaysShowEditor",  "goThumbTracking"};

// How the in-place editor offers a cell: plain text, text with an ellipsis button, or text with
// a drop-down list of choices.
enum TEditStyle : uint8_t { esSimple, esEllipsis, esPickList };

enum TGridDrawStateItem : uint8_t { gdSelected, gdFocused, gdFixed };
using TGridDrawState = Set<TGridDrawStateItem>;

enum TGridState : uint8_t {
  gsNormal,
  gsSelecting,
  gsRowSizing,
  gsColSizing,
  gsRowMoving,
  gsColMoving,
  gsScrolling
};

struct TGridCoord {
  int X = 0;
  int Y = 0;
  bool operator==(const TGridCoord&) const = default;
};

// Inclusive cell range: Left..Right columns, Top..Bottom rows.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool operator==(const TGridRect&) const = default;
};

using TDrawCellEvent =
    Event<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TSelectCellEvent = Event<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TMovedEvent = Event<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TGetEditEvent = Event<void(TObject* Sender, int ACol, int ARow, std::string& value)>;
using TSetEditEvent = Event<void(TObject* Sender, int ACol, int ARow, const std::string& value)>;

class TInplaceEdit;

// Width of a scroll bar drawn inside the client area, and the length of its arrow buttons.
inline constexpr int kGridScrollBarSize = kScrollBarSize;
// The timer that scrolls a drag held beyond the grid's edge: its id on the grid's window and
// the milliseconds between two one-line steps.
inline constexpr UINT kGridScrollTimerId = 0x6D1D;
inline constexpr UINT kGridScrollInterval = 60;

class TCustomGrid : public TCustomControl {
 public:
  explicit TCustomGrid(TComponent* AOwner);

  // --- Dimensions. Counts are at least 1 (columns, rows) and the fixed counts stay below them.
  int ColCount() const { return colCount_; }
  void SetColCount(int value);
  int RowCount() const { return rowCount_; }
  void SetRowCount(int value);
  int FixedCols() const { return fixedCols_; }
  void SetFixedCols(int value);
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int value);
  // Widths, heights and the line width are kept within 0..kMaxControlExtent.
  int DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(int value);
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int value);
  // One column's width / one row's height; an index outside the grid reads the default and
  // writes nothing.
  int ColWidths(int index) const;
  void SetColWidths(int index, int value);
  int RowHeights(int index) const;
  void SetRowHeights(int index, int value);
  int GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int value);

  // --- Look
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor value);
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions value);
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  // Width of the border drawn inside the control (2 for bsSingle); cells start inside it.
  int BorderWidth() const { return borderStyle_ == bsSingle ? 2 : 0; }

  // --- Current cell and selection
  int Col() const { return col_; }
  void SetCol(int value);
  int Row() const { return row_; }
  void SetRow(int value);
  TGridRect Selection() const;
  void SetSelection(const TGridRect& value);

  // --- Scrolling: the first scrolling column and row on screen.
  int TopRow() const { return topRow_; }
  void SetTopRow(int value);
  int LeftCol() const { return leftCol_; }
  void SetLeftCol(int value);
  // Scrolling columns / rows shown whole on screen (at least 0).
  int VisibleColCount() const;
  int VisibleRowCount() const;
  // The largest TopRow / LeftCol that leaves no empty space after the last row / column.
  int MaxTopRow() const;
  int MaxLeftCol() const;

  // --- Geometry. CellRect is empty for a cell not on screen; MouseCoord gives -1 for a point
  // outside every cell (a grid line belongs to the cell before it).
  TRect CellRect(int ACol, int ARow) const;
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
  TGridCoord MouseCoord(int X, int Y) const;
  // Scroll bar rectangles in client coordinates (empty when the bar is not shown).
  TRect VertScrollBarRect() const;
  TRect HorzScrollBarRect() const;

  // --- In-place editing (goEditing). The editor opens over the current cell on F2, Enter, a
  // click on the cell that was already current in a focused grid, or a typed character (which
  // replaces the cell's text). Enter writes the text through SetEditText and closes it, Escape
  // closes it without writing; moving to another cell, or the focus leaving grid and editor,
  // writes through and closes it too. With goAlwaysShowEditor it reopens on every new cell.
  // The text offered to the editor: OnGetEditText may set it (empty by default).
  virtual std::string GetEditText(int ACol, int ARow);
  // The text the editor accepted: OnSetEditText.
  virtual void SetEditText(int ACol, int ARow, const std::string& value);
  // The mask text handed to the editor (OnGetEditMask; kept by the editor, not enforced).
  virtual std::string GetEditMask(int ACol, int ARow);
  // Simple text, ellipsis button or pick list, per cell (esSimple here).
  virtual TEditStyle GetEditStyle(int ACol, int ARow);
  virtual bool CanEditShow() const;
  TInplaceEdit* InplaceEditor() const { return inplaceEdit_; }
  bool EditorMode() const { return editorMode_; }
  void SetEditorMode(bool value);
  // Opens the editor on the current cell (creating it with CreateEditor the first time) with
  // the cell's text selected; nothing when CanEditShow is false.
  void ShowEditor();
  // Writes the editor's text through and closes it.
  void HideEditor();
  // Closes the editor without writing its text.
  void CancelEditor();
  // Writes the editor's text through SetEditText for the cell it edits, keeping it open.
  void UpdateText();
  // The cell the open editor edits ({-1, -1} when closed).
  TGridCoord EditorCell() const { return editorMode_ ? editCell_ : TGridCoord{-1, -1}; }

  // Moves a column / row to a new index, carrying its width / height (OnColumnMoved / OnRowMoved).
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);

  TGridState GridState() const { return gridState_; }

  // --- Partial repaint: schedules the screen area of a cell, a row, a column or an inclusive
  // range of cells (nothing for the parts scrolled away), not the whole control.
  void InvalidateCell(int ACol, int ARow);
  void InvalidateRow(int ARow);
  void InvalidateCol(int ACol);
  void InvalidateRect(const TGridRect& ARect);

  TNotifyEvent OnTopLeftChanged;
  TSelectCellEvent OnSelectCell;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TGetEditEvent OnGetEditMask;

 protected:
  // Any top row up to the last row, even one that leaves empty space below the last row (a
  // list scrolled to a given row on request); the next scroll by keys, wheel or scroll bar
  // brings the usual limit back.
  void SetTopRowLeavingSpace(int value);
  // Makes the in-place editor (a TInplaceEdit owned by the grid); derived grids return their
  // own kind, such as a TInplaceEditList.
  virtual TInplaceEdit* CreateEditor();
  // Enter opens and closes the editor (the key then becomes 0), Escape cancels it (the key
  // stays), a character opens it on that character (the key becomes 0). The editor passes
  // every character typed into it here first.
  void KeyPress(char32_t& Key) override;
  void Notification(TComponent* component, TOperation operation) override;

  // Draws one cell's content after the base filled it (when DefaultDrawing).
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  // Asked before a cell becomes current; false keeps the current cell.
  virtual bool SelectCell(int ACol, int ARow);
  virtual void TopLeftChanged();
  virtual void ColumnMoved(int FromIndex, int ToIndex);
  virtual void RowMoved(int FromIndex, int ToIndex);
  virtual void ColWidthsChanged() {}
  virtual void RowHeightsChanged() {}

  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void WndProc(TMessage& message) override;
  // Keeps the first row and column within their limits for the new size.
  void Resize() override;
  void DoEnter() override;
  void DoExit() override;

  // Moves the current cell (after SelectCell agrees), extending the selection from the anchor
  // when `extend` and range selection is on, and scrolls it into view.
  void FocusCell(int ACol, int ARow, bool extend);
  // Moves the current cell (after SelectCell agrees); the anchor follows when MoveAnchor or
  // without range selection, and the grid scrolls to the cell when Show.
  void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);

 private:
  // One axis of the layout: sizes, fixed count, first scrolling index, line widths, extent.
  struct Axis {
    int count;
    int fixed;
    int first;
    int fixedLine;
    int line;
    int extent;
  };
  Axis HorzAxis() const;
  Axis VertAxis() const;
  // The axis with the given scroll bars assumed shown.
  Axis MakeAxis(bool horizontal, bool horzBar, bool vertBar) const;
  const std::vector<int>& Sizes(bool horizontal) const {
    return horizontal ? colWidths_ : rowHeights_;
  }
  static int AxisSize(const std::vector<int>& sizes, int defaultSize, int index);
  int AxisStart(const Axis& axis, const std::vector<int>& sizes, int defaultSize, int index) const;
  int AxisHit(const Axis& axis, const std::vector<int>& sizes, int defaultSize, int pos) const;
  int AxisVisible(const Axis& axis, const std::vector<int>& sizes, int defaultSize) const;
  int AxisMaxFirst(const Axis& axis, const std::vector<int>& sizes, int defaultSize) const;
  int FixedExtent(const Axis& axis, const std::vector<int>& sizes, int defaultSize) const;
  static constexpr int kFarBeyond = 1 << 26;
  // The index after i in a walk along the axis. A run of cells that take no room at all (all
  // of the default size 0, without lines) is passed in one step, however many cells it has.
  static int NextInWalk(const Axis& axis, const std::vector<int>& sizes, int defaultSize, int i);
  // The on-screen span [start, end) of the cells lo..hi along the axis; false when none shows.
  bool AxisSpan(const Axis& axis, const std::vector<int>& sizes, int defaultSize, int lo, int hi,
                int& start, int& end) const;
  // Schedules the selected cells and the current cell for repaint.
  void InvalidateSelection();
  // Whether each scroll bar is shown (the content does not fit and the style asks for it).
  void ScrollBarsShown(bool& horz, bool& vert) const;
  // The cells' area in control coordinates: inside the border, beside the scroll bars.
  TRect CellsArea() const;

  void ClampCurrent();
  void ScrollInView(int ACol, int ARow);
  void SetTopLeft(int left, int top);
  void MoveTopLeft(int left, int top);

  // Painting pieces (grid_paint.cpp).
  void PaintCells(const TRect& area);
  void PaintCell(int c, int r, const TRect& rect, bool fixed);
  void PaintLines(const TRect& area);
  TGridDrawState CellState(int c, int r) const;
  // A dotted frame inside the rectangle, each pixel inverted so it shows on any colour.
  void DrawFocusFrame(const TRect& r);

  // Editor pieces (grid_editor.cpp).
  friend class TInplaceEdit;
  // Keeps the open editor over its cell after scrolling or sizing; an editor left on a cell
  // that is no longer current is closed (writing through when its cell still exists).
  void UpdateEditorBounds();
  // The editor lost the focus to a control outside the grid.
  void EditorExit();
  void CloseEditor(bool write);

  // Input pieces (grid_input.cpp).
  bool SizingHit(int X, int Y, bool& isCol, int& index) const;
  // A bar as shown now: its position counts scrolling rows or columns from the first one.
  TScrollBarLayout ScrollBarLayout(bool vertical) const;
  void ScrollBarStep(bool vertical, TScrollBarPart part);
  void ScrollBarThumbTo(bool vertical, int position);
  void MoveByKey(uint16_t key, TShiftState shift);
  // The cell a drag at (X, Y) points at; past an edge of the scrolling cells, the last one
  // shown on that side; `fallback` where the point lies on no cell.
  TGridCoord DragTarget(int X, int Y, TGridCoord fallback) const;
  // Starts moving a column (press in a fixed row) or row (press in a fixed column).
  bool StartMoving(const TGridCoord& cell);

  // Drag pieces (grid_drag.cpp).
  void InvalidateClientRect(const TRect& r);
  TRect DropMarkerRect() const;
  void UpdateDropMarker();
  void PaintDropMarker();
  TGridCoord AutoScrollDirection(int X, int Y) const;
  void UpdateAutoScroll(int X, int Y);
  void StopAutoScroll();
  void AutoScrollTick();
  void DragTo(int X, int Y);

  int colCount_ = 5;
  int rowCount_ = 5;
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  int gridLineWidth_ = 1;
  // Empty while every size is the default; sized to the count once one differs.
  std::vector<int> colWidths_;
  std::vector<int> rowHeights_;
  TColor fixedColor_ = clBtnFace;
  TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  bool defaultDrawing_ = true;
  TScrollStyle scrollBars_ = ssBoth;
  TFormBorderStyle borderStyle_ = bsSingle;

  int col_ = 1;
  int row_ = 1;
  TGridCoord anchor_{1, 1};
  int topRow_ = 1;
  int leftCol_ = 1;

  TGridState gridState_ = gsNormal;
  // Sizing: which line.
  int sizingIndex_ = -1;
  // Sizing: the distance from the line to the point that grabbed it.
  int sizingGrab_ = 0;
  // Moving: the line picked up in a fixed row / column and where it would land.
  int moveFrom_ = -1;
  int moveTo_ = -1;
  // The drop marker on screen (client coordinates, empty when none).
  TRect dropMarker_{};
  // A drag beyond the edge: the pointer's last place and whether the scroll timer runs.
  TPoint dragPos_{};
  bool autoScrolling_ = false;
  // A press on a scroll bar: arrows and track repeat, the thumb drags.
  TScrollBarTracker scrollTracker_;
  bool splitCursor_ = false;
  TCursor savedCursor_ = crDefault;

  TInplaceEdit* inplaceEdit_ = nullptr;  // owned by the grid as a component
  bool editorMode_ = false;
  TGridCoord editCell_{-1, -1};
  // The press landed on the cell that was current in the focused grid: its release edits.
  bool pressOnCurrent_ = false;
};

class TCustomDrawGrid : public TCustomGrid {
 public:
  explicit TCustomDrawGrid(TComponent* AOwner);

  TDrawCellEvent OnDrawCell;

 protected:
  // Calls OnDrawCell.
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
};

class TDrawGrid : public TCustomDrawGrid {
 public:
  explicit TDrawGrid(TComponent* AOwner);
};

}  // namespace fw
