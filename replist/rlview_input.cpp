// TReportListView mouse and keyboard: row selection in the three modes, check marks by
// click, sorting by a click on a column header, fitting a column by a double click on a
// header border, cursor keys, AutoAdvance and the wheel.
#include <algorithm>

#include "framework/controls/screen.h"
#include "replist/ZEB_replist.h"
#include "replist/rlview_hold.h"

namespace zeb {

namespace {

// Clicks this close to a header cell's edge do not sort (they may start sizing).
constexpr int kHeaderEdge = 4;
// Clicks left of this offset in a check cell hit the box.
constexpr int kCheckHit = 18;

// Shows the hourglass while alive.
class BusyCursor {
 public:
  BusyCursor() : saved_(fw::Screen ? fw::Screen->Cursor() : fw::crDefault) {
    if (fw::Screen) fw::Screen->SetCursor(fw::crHourGlass);
  }
  ~BusyCursor() {
    if (fw::Screen) fw::Screen->SetCursor(saved_);
  }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  fw::TCursor saved_;
};

}  // namespace

int TReportListView::UsedRight() const {
  // The first row on screen: row 0 when there are fixed rows, else the top row.
  const int row = FixedRows() > 0 ? 0 : fw::TCustomGrid::TopRow();
  int right = BorderWidth();
  for (int c = 0; c < ColCount(); ++c) {
    if (c >= FixedCols() && c < fw::TCustomGrid::LeftCol()) continue;
    const fw::TRect cell = CellRect(c, row);
    if (fw::IsRectEmpty(cell)) break;
    right = cell.Right;
  }
  return right;
}

int TReportListView::UsedBottom() const {
  const int k = FixedRows();
  const int lastRow = std::min(fw::TCustomGrid::TopRow() + VisibleRowCount(), RowCount() - 1);
  for (int r = lastRow; r >= 0; --r) {
    const fw::TRect cell = CellRect(fw::TCustomGrid::LeftCol(), r);
    if (!fw::IsRectEmpty(cell)) return cell.Bottom;
    if (r < k) break;
  }
  return BorderWidth();
}

void TReportListView::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  lastMouseX_ = X;
  lastMouseY_ = Y;
  fw::TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
  if (Button != fw::mbLeft || GridState() == fw::gsColSizing || GridState() == fw::gsRowSizing)
    return;
  const fw::TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) return;
  const int d = DataColOfGrid(cell.X);
  const fw::TRect rect = CellRect(cell.X, cell.Y);
  if (cell.Y == ColumnHeaderRow()) {
    // The second press of a double click belongs to the double click (which may just have
    // fitted a column, moving the borders under the pointer).
    if (sortEnabled_ && !Shift.Contains(fw::ssDouble) && X - rect.Left > kHeaderEdge &&
        rect.Right - X > kHeaderEdge)
      HeaderClickSort(d);
    return;
  }
  if (cell.Y < FixedRows()) {
    // A click on the common header applies the selection rules to the current row.
    const int current = Selection().Top - FixedRows() + 1;
    if (!InRows(current)) return;
    PaintHold hold(*this);
    ClickSelect(current, Shift);
    return;
  }
  const int r = cell.Y - FixedRows() + 1;
  if (!InRows(r)) return;
  PaintHold hold(*this);
  fw::TGridOptions options = Options();
  if (GetColumnEditable(d) && GetRowEnabled(r))
    options.Include(fw::goEditing);
  else
    options.Exclude(fw::goEditing);
  if (options != Options()) SetOptions(options);
  if (X - rect.Left < kCheckHit) ClickCheckMark(d, r, X, rect);
  ClickSelect(r, Shift);
}

// A click on the box asks for the inverse mark; OnBeforeCheckedChange may change the request.
// A radio click always checks its row. OnCheckedChange receives the inverse of the request
// (see the event in the header).
void TReportListView::ClickCheckMark(int dataCol, int dataRow, int, const fw::TRect&) {
  const TCheckMode mode = data_->GetColCheckMode(dataCol);
  if (mode == cmNone || roCheckmarks_ || !GetRowEnabled(dataRow)) return;
  const std::string stored = data_->Matrix()->GetElem(dataCol, dataRow);
  if (!(stored.size() > 1 || showEmptyCheckBoxes_)) return;
  bool requested = !data_->GetElemChecked(dataCol, dataRow);
  BeforeCheckStateChange(requested, dataCol, dataRow);
  data_->SetElemChecked(dataCol, dataRow, mode == cmRadio ? true : requested);
  bool reported = !requested;
  CheckStateHasChanged(reported, dataCol, dataRow);
}

void TReportListView::ClickSelect(int dataRow, fw::TShiftState Shift) {
  TStringArray& m = *data_->Matrix();
  if (rowSelectMode_ == 1) {
    SetAllRowBits(kRowSelected, false);
    m.SetRowAttrib(dataRow, static_cast<uint8_t>(m.GetRowAttrib(dataRow) | kRowSelected));
  } else if (rowSelectMode_ == 2 && Shift.Contains(fw::ssShift)) {
    // The range takes the anchor row's selected state (only that bit: enabling stays).
    const bool on = InRows(anchorRow_) && (m.GetRowAttrib(anchorRow_) & kRowSelected) != 0;
    const int lo = std::min(anchorRow_, dataRow), hi = std::max(anchorRow_, dataRow);
    for (int r = std::max(lo, 1); r <= std::min(hi, NrOfRows()); ++r) {
      const uint8_t a = m.GetRowAttrib(r);
      m.SetRowAttrib(
          r, on ? static_cast<uint8_t>(a | kRowSelected) : static_cast<uint8_t>(a & ~kRowSelected));
    }
  } else if (rowSelectMode_ == 2) {
    anchorRow_ = dataRow;
    if (Shift.Contains(fw::ssCtrl) || !useCtrlForMultiSel_) {
      m.SetRowAttrib(dataRow, static_cast<uint8_t>(m.GetRowAttrib(dataRow) ^ kRowSelected));
    } else {
      SetAllRowBits(kRowSelected, false);
      m.SetRowAttrib(dataRow, static_cast<uint8_t>(m.GetRowAttrib(dataRow) | kRowSelected));
    }
  } else {
    return;
  }
  ChangedSelection();
}

// Every header click flips the direction; the grid's current row follows its record.
void TReportListView::HeaderClickSort(int dataCol) {
  BusyCursor busy;
  const TStringArray& m = *data_->Matrix();
  const int current = Row() - FixedRows() + 1;
  const int stored = InRows(current) ? m.GetSortOrder(current) : 0;
  const bool ascending = !data_->HeaderClickAscending();
  data_->SetHeaderClickAscending(ascending);
  Sort(dataCol, data_->SortColumnSec(), ascending);
  if (stored == 0) return;
  for (int r = 1; r <= NrOfRows(); ++r) {
    if (m.GetSortOrder(r) == stored) {
      FocusDataRow(r);
      break;
    }
  }
}

void TReportListView::MouseMove(fw::TShiftState Shift, int X, int Y) {
  lastMouseX_ = X;
  lastMouseY_ = Y;
  fw::TCustomDrawGrid::MouseMove(Shift, X, Y);
}

// In multiple selection a release beside or below the rows clears the selection.
void TReportListView::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  const bool wasSizing = GridState() == fw::gsColSizing || GridState() == fw::gsRowSizing ||
                         GridState() == fw::gsScrolling;
  fw::TCustomDrawGrid::MouseUp(Button, Shift, X, Y);
  if (rowSelectMode_ != 2 || Button != fw::mbLeft || wasSizing) return;
  const bool scrollBar =
      fw::PtInRect(VertScrollBarRect(), {X, Y}) || fw::PtInRect(HorzScrollBarRect(), {X, Y});
  if (scrollBar || (X < UsedRight() && Y < UsedBottom())) return;
  {
    PaintHold hold(*this);
    SetAllRowBits(kRowSelected, false);
  }
  ChangedSelection();
}

// A double click on a column header border fits the column left of it; elsewhere in the
// header row it does nothing; outside the header OnDblClick is raised.
void TReportListView::DblClick() {
  const fw::TGridCoord cell = MouseCoord(lastMouseX_, lastMouseY_);
  if (cell.Y >= 0 && lastMouseY_ < UsedBottom() && cell.Y == ColumnHeaderRow()) {
    FitColumnAtBorder(lastMouseX_, lastMouseY_);
    return;
  }
  fw::TCustomDrawGrid::DblClick();
}

void TReportListView::FitColumnAtBorder(int X, int Y) {
  const fw::TGridCoord cell = MouseCoord(X, Y);
  const fw::TRect rect = CellRect(cell.X, cell.Y);
  const bool nearLeft = X - rect.Left < 5;
  const bool nearRight = rect.Right - X <= kHeaderEdge;
  if (!nearLeft && !nearRight) return;
  int c = cell.X;
  if (X < (rect.Left + rect.Right) / 2) --c;
  while (c > 0 && ColWidths(c) == 0) --c;
  if (c < 0) return;
  // The grid column under the border gets the width its data column's content needs.
  const int d = DataColOfGrid(c);
  fw::TCustomGrid::SetColWidths(c, std::max(DetermineMaxColWidth(d, true), 4));
  ChangedSetup();
}

bool TReportListView::SelectCell(int ACol, int ARow) {
  const int d = DataColOfGrid(ACol);
  const int r = ARow - FixedRows() + 1;
  fw::TGridOptions options = Options();
  if (ARow >= FixedRows() && GetColumnEditable(d) && (!InRows(r) || GetRowEnabled(r)))
    options.Include(fw::goEditing);
  else
    options.Exclude(fw::goEditing);
  if (options != Options()) SetOptions(options);
  return fw::TCustomDrawGrid::SelectCell(ACol, ARow);
}

// Cursor keys select the row they move to (in the modes that select rows). The anchor of
// Shift ranges stays where the last plain click put it.
void TReportListView::KeyDown(uint16_t& Key, fw::TShiftState Shift) {
  fw::TCustomDrawGrid::KeyDown(Key, Shift);
  if (Key < fw::VK_PRIOR || Key > fw::VK_DOWN) return;
  const uint16_t key = Key;
  if (rowSelectMode_ == 1 || rowSelectMode_ == 2) {
    PaintHold hold(*this);
    SetAllRowBits(kRowSelected, false);
    const int r = Selection().Top - FixedRows() + 1;
    if (InRows(r)) {
      TStringArray& m = *data_->Matrix();
      m.SetRowAttrib(r, static_cast<uint8_t>(m.GetRowAttrib(r) | kRowSelected));
    }
  }
  CursorKeyAction(key);
  ChangedSelection();
}

// Enter (which the grid may have taken to close the editor, clearing the key) moves to the
// next row; an Enter that just opened the editor and other characters do not.
void TReportListView::KeyPress(char32_t& Key) {
  const char32_t typed = Key;
  const bool editing = EditorMode();
  fw::TCustomDrawGrid::KeyPress(Key);
  const bool opened = !editing && EditorMode();
  if (autoAdvance_ && !opened && (typed == 0 || typed == 13) && (Key == 0 || Key == 13)) {
    uint16_t down = fw::VK_DOWN;
    KeyDown(down, {});
  }
}

// The application's handler decides; unhandled turns scroll the rows (the grid's way) and
// leave the selection alone.
bool TReportListView::DoMouseWheelDown(fw::TShiftState Shift, fw::TPoint MousePos) {
  return fw::TCustomDrawGrid::DoMouseWheelDown(Shift, MousePos);
}

bool TReportListView::DoMouseWheelUp(fw::TShiftState Shift, fw::TPoint MousePos) {
  return fw::TCustomDrawGrid::DoMouseWheelUp(Shift, MousePos);
}

}  // namespace zeb
