// TMiniCal: construction, the selected date and its navigation, the look's setters and the
// update step that follows every change.
#include <algorithm>

#include "browse/ZEB_MiniCal.h"
#include "framework/rtl/scope_guard.h"

namespace zeb {

namespace {

// Monday to Friday light grey, Saturday sand, Sunday light sand.
constexpr std::array<fw::TColor, 7> kDefaultDayColors{
    fw::RGB(248, 248, 248), fw::RGB(248, 248, 248), fw::RGB(248, 248, 248), fw::RGB(248, 248, 248),
    fw::RGB(248, 248, 248), fw::RGB(238, 221, 187), fw::RGB(255, 238, 204)};

}  // namespace

TMiniCal::TMiniCal(fw::TComponent* AOwner)
    : fw::TCustomDrawGrid(AOwner), holidays_(3, 0), dayColors_(kDefaultDayColors) {
  SetColCount(8);
  SetRowCount(8);
  SetFixedCols(1);
  SetFixedRows(2);
  SetGridLineWidth(1);
  SetScrollBars(fw::ssNone);
  SetBorderStyle(fw::bsSingle);
  SetDefaultDrawing(false);
  SetOptions((Options() - fw::goRangeSelect) + fw::goDrawFocusSelected);
  SetDoubleBuffered(true);
  LoadBuiltInHolidays();
  int y = 0, m = 0, d = 0;
  fw::DecodeDate(fw::Now(), y, m, d);
  date_ = y == 0 ? 0 : fw::EncodeDate(y, m, d);
  SetBounds(Left(), Top(), 300, 180);
  UpdateCalendar();
}

TMiniCal::~TMiniCal() = default;

// ---- the selected date

bool TMiniCal::ChangeDate(int year, int month, int day) {
  fw::TDateTime value = 0;
  if (!fw::TryEncodeDate(year, month, day, value)) return false;
  return ChangeDate(value);
}

bool TMiniCal::ChangeDate(fw::TDateTime value) {
  int y = 0, m = 0, d = 0;
  fw::DecodeDate(value, y, m, d);
  if (y == 0) return false;
  const fw::TDateTime date = fw::EncodeDate(y, m, d);
  if (date == date_) return false;
  date_ = date;
  UpdateCalendar();
  OnChange(this);
  return true;
}

void TMiniCal::SetDate(fw::TDateTime value) {
  ChangeDate(value);
}

int TMiniCal::Day() const {
  int y = 0, m = 0, d = 0;
  fw::DecodeDate(date_, y, m, d);
  return d;
}

int TMiniCal::Month() const {
  int y = 0, m = 0, d = 0;
  fw::DecodeDate(date_, y, m, d);
  return m;
}

int TMiniCal::Year() const {
  int y = 0, m = 0, d = 0;
  fw::DecodeDate(date_, y, m, d);
  return y;
}

// 0 and days beyond the month give no date: ignored.
void TMiniCal::SetDay(int value) {
  ChangeDate(Year(), Month(), value);
}

// The day stays within the new month.
void TMiniCal::SetMonth(int value) {
  if (value < 1 || value > 12) return;
  ChangeDate(Year(), value, std::min(Day(), fw::DaysInMonth(Year(), value)));
}

// 29 February becomes 28 February in a year without it.
void TMiniCal::SetYear(int value) {
  if (value < 1 || value > 9999) return;
  ChangeDate(value, Month(), std::min(Day(), fw::DaysInMonth(value, Month())));
}

void TMiniCal::MonthStep(int days) {
  const int y = Year(), m = Month(), d0 = Day();
  const fw::TDateTime edge = fw::EncodeDate(y, m, days <= 0 ? 1 : fw::DaysInMonth(y, m));
  int ry = 0, rm = 0, rd = 0;
  fw::DecodeDate(edge + days, ry, rm, rd);
  if (ry == 0) return;
  ChangeDate(ry, rm, std::min(d0, fw::DaysInMonth(ry, rm)));
}

void TMiniCal::NextYear() {
  SetYear(Year() + 1);
}

void TMiniCal::PrevYear() {
  SetYear(Year() - 1);
}

void TMiniCal::LastDayOfMonth() {
  SetDay(fw::DaysInMonth(Year(), Month()));
}

// ---- the update step

void TMiniCal::UpdateCalendar() {
  // The first of the month always lies in grid row 2.
  const fw::TDateTime first = fw::EncodeDate(Year(), Month(), 1);
  const int w = (fw::DayOfTheWeek(first) - firstDayOfWeek_ + 7) % 7;
  offset_ = w == 0 ? -5 : 2 - w;
  const fw::TGridCoord cell = DayCell(Day());
  {
    fw::TValueRestorer moving(movingCurrent_, true);
    MoveColRow(cell.X, cell.Y, false, false);
  }
  if (showHolidayHint_) {
    std::string name;
    const bool holiday = indicateHolidays_ && CheckHoliday(Year(), Month(), Day(), name);
    SetHint(holiday ? name : std::string());
  }
  Invalidate();
}

// ---- look

fw::TColor TMiniCal::GetDayColors(TDayOfWeek day) const {
  return day <= dwSun ? dayColors_[day] : fw::clBlack;
}

void TMiniCal::SetDayColors(TDayOfWeek day, fw::TColor value) {
  if (day > dwSun || dayColors_[day] == value) return;
  dayColors_[day] = value;
  UpdateCalendar();
}

void TMiniCal::StoreColor(fw::TColor& field, fw::TColor value) {
  if (field == value) return;
  field = value;
  Repaint();
}

void TMiniCal::SetFirstDayOfWeek(TDayOfWeek value) {
  if (value == firstDayOfWeek_ || value > dwSun) return;
  firstDayOfWeek_ = value;
  UpdateCalendar();
}

void TMiniCal::SetIndicateHolidays(bool value) {
  if (value == indicateHolidays_) return;
  indicateHolidays_ = value;
  UpdateCalendar();
}

void TMiniCal::SetShowMovableHolidays(bool value) {
  if (value == showMovableHolidays_) return;
  showMovableHolidays_ = value;
  UpdateCalendar();
}

void TMiniCal::SetShowHolidayHint(bool value) {
  if (value == showHolidayHint_) return;
  showHolidayHint_ = value;
  SetHint("");
  if (value) SetShowHint(true);
  UpdateCalendar();
}

void TMiniCal::SetMarkToday(bool value) {
  if (value == markToday_) return;
  markToday_ = value;
  Repaint();
}

void TMiniCal::SetShowMonthShort(bool value) {
  if (value == showMonthShort_) return;
  showMonthShort_ = value;
  Repaint();
}

}  // namespace zeb
