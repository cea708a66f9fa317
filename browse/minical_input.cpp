// TMiniCal input: clicks on days and buttons, the double-click rule, keys and the wheel.
#include "browse/ZEB_MiniCal.h"

namespace zeb {

void TMiniCal::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  // The grid takes the focus; it cannot move the current cell (SelectCell).
  fw::TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
  if (Button != fw::mbLeft) return;
  const fw::TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) return;
  lastClick_ = cell;
  if (cell.X > 0 && cell.Y > 1)
    ClickDay(cell.X, cell.Y);
  else if (cell.Y == 0 || cell.X == 0)
    ClickButton(cell.X);
}

// Ends the grid's press; a release changes nothing in the calendar.
void TMiniCal::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomDrawGrid::MouseUp(Button, Shift, X, Y);
}

// With AutoSwitch a greyed day selects that day of its month; without, it is ignored.
void TMiniCal::ClickDay(int ACol, int ARow) {
  int y = Year(), m = Month();
  int n = CellDayNumber(ACol, ARow);
  const int days = fw::DaysInMonth(y, m);
  if (autoSwitch_ && n <= 0) {
    if (m == 1) {
      n += 31;
      m = 12;
      --y;
    } else {
      --m;
      n += fw::DaysInMonth(y, m);
    }
  } else if (autoSwitch_ && n > days) {
    n -= days;
    if (++m == 13) {
      m = 1;
      ++y;
    }
  }
  if (n >= 1 && n <= fw::DaysInMonth(y, m)) ChangeDate(y, m, n);
  UpdateCalendar();
}

// Row 0 and the today button: today, previous year, previous month, next month, next year.
void TMiniCal::ClickButton(int ACol) {
  switch (ACol) {
    case 0:
      SetDate(fw::Now());
      break;
    case 1:
      PrevYear();
      break;
    case 2:
      PrevMonth();
      break;
    case 6:
      NextMonth();
      break;
    case 7:
      NextYear();
      break;
    default:
      break;
  }
}

// Only a double click whose last press was on a day cell reaches OnDblClick.
void TMiniCal::DblClick() {
  if (lastClick_.X > 0 && lastClick_.Y > 1) fw::TCustomDrawGrid::DblClick();
}

bool TMiniCal::NavigateByKey(uint16_t key, fw::TShiftState shift) {
  const bool ctrl = shift.Contains(fw::ssCtrl);
  switch (key) {
    case fw::VK_LEFT:
      ChangeDate(date_ - 1);
      return true;
    case fw::VK_RIGHT:
      ChangeDate(date_ + 1);
      return true;
    case fw::VK_UP:
      ChangeDate(date_ - 7);
      return true;
    case fw::VK_DOWN:
      ChangeDate(date_ + 7);
      return true;
    case fw::VK_PRIOR:
      ctrl ? PrevYear() : PrevMonth();
      return true;
    case fw::VK_NEXT:
      ctrl ? NextYear() : NextMonth();
      return true;
    case fw::VK_HOME:
      ctrl ? SetDate(fw::Now()) : SetDay(1);
      return true;
    case fw::VK_END:
      LastDayOfMonth();
      return true;
    default:
      return false;
  }
}

// OnKeyDown first (it may take the key), then the calendar's keys. The grid's own moves are
// left out: they would move its current cell away from the selected day.
void TMiniCal::KeyDown(uint16_t& Key, fw::TShiftState Shift) {
  fw::TCustomControl::KeyDown(Key, Shift);
  if (Key != 0 && NavigateByKey(Key, Shift)) Key = 0;
}

bool TMiniCal::DoMouseWheelDown(fw::TShiftState Shift, fw::TPoint MousePos) {
  if (!fw::TCustomControl::DoMouseWheelDown(Shift, MousePos)) NextMonth();
  return true;
}

bool TMiniCal::DoMouseWheelUp(fw::TShiftState Shift, fw::TPoint MousePos) {
  if (!fw::TCustomControl::DoMouseWheelUp(Shift, MousePos)) PrevMonth();
  return true;
}

}  // namespace zeb
