// ZEB_MiniCal: TMiniCal, a small month calendar on an 8 x 8 grid with ISO week numbers,
// weekday names in four languages, month and year buttons, a today button, the selected day,
// and holidays (fixed dates from a list, movable feasts from Easter); and CalcEasterSunday.
//
// The grid (cells by column, row):
//   row 0:  [today button, over rows 0 and 1] "<<" "<" [title: month and year, over 3..5] ">" ">>"
//   row 1:  [today button]                     weekday names, FirstDayOfWeek first
//   rows 2..7: week number, then seven days; grid cell (col, row) shows day
//              n = col + o + 7 * row - 15 of the selected month (o from UpdateCalendar), days
//              n <= 0 and n > days of the month belong to the neighbouring months (greyed)
//
// Call flow:
//   any change of date, first weekday, holiday options or list
//     -> UpdateCalendar: offset o, current grid cell onto the selected day, hint, Invalidate
//   Paint -> the grid paints cells (DrawCell: buttons, weekday names, week numbers, days),
//            then its lines; then the two merged cells (title, today button) over the lines
//   MouseDown -> the grid (focus), then a day cell selects its day (AutoSwitch: also greyed
//            days of the neighbouring months), a button cell steps month or year, the today
//            button selects today
//   KeyDown -> arrows, Page Up / Page Down, Home / End move the selected date (below)
//   wheel -> next / previous month
//
// Decisions of this implementation:
//   - The stored date has no time of day: Date reads the date part of the value set.
//   - Setting a value equal to the current one does nothing; OnChange fires only when the
//     selected date changes (not for a click on the day already selected, nor for a change of
//     DayColors or FirstDayOfWeek, which change only the look).
//   - Day, Month and Year ignore values that give no date (0, 13, day 32, year 0 or 10000);
//     Month and Year keep the day within the new month (31 January -> February gives 28 or
//     29 February, 29 February 2024 -> 2025 gives 28 February). Dates outside 0001-01-01 ..
//     9999-12-31 are ignored by every setter and navigation step.
//   - Language accepts 1..4 only (other values are ignored), so every text has a language.
//   - Row 0 and column 0 take exactly the space the seven day rows and columns leave inside the
//     border, never less than 0, with or without Ctl3D (this grid's border does not change
//     with Ctl3D; Ctl3D draws the buttons' 3-D frames).
//   - The grid's current cell always stays on the selected day: the grid's own key moves and
//     drags do not move it; a release of the mouse ends the grid's press and does no more.
//   - Keys: Left / Right a day back / on, Up / Down a week, Page Up / Page Down a month
//     (MonthStep), Ctrl+Page Up / Ctrl+Page Down a year, Home / End the first / last day of
//     the month, Ctrl+Home today. The wheel steps months.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "companion/ZEB_matrix.h"
#include "companion/ZEB_zebbase.h"
#include "framework/grids/grids.h"
#include "framework/rtl/datetime.h"

namespace zeb {

enum TDayOfWeek : uint8_t { dwMon, dwTue, dwWed, dwThu, dwFri, dwSat, dwSun };
inline const std::vector<std::string> kDayOfWeekNames{"dwMon", "dwTue", "dwWed", "dwThu",
                                                      "dwFri", "dwSat", "dwSun"};

// The year of a holiday row that repeats every year.
inline constexpr int kEveryYear = -99999;

// Easter Sunday of the Gregorian calendar (Gauss's rule in Lichtenberg's form): 22 March ..
// 25 April. Years before 1583 are computed proleptically; any int is accepted (the rule uses
// floor division, so year 0 and negative years give a date of that range too).
void CalcEasterSunday(int year, int& day, int& month);

class TMiniCal : public fw::TCustomDrawGrid {
 public:
  explicit TMiniCal(fw::TComponent* AOwner);
  ~TMiniCal() override;

  // ---- the selected date
  fw::TDateTime Date() const { return date_; }
  void SetDate(fw::TDateTime value);
  int Day() const;
  void SetDay(int value);
  int Month() const;
  void SetMonth(int value);
  int Year() const;
  void SetYear(int value);
  // Moves by `days` from the first of the month (days <= 0) or its last day (days > 0) and
  // keeps the day of the month as far as the month reached has it.
  void MonthStep(int days);
  void NextMonth() { MonthStep(1); }
  void PrevMonth() { MonthStep(-1); }
  void NextYear();
  void PrevYear();
  void LastDayOfMonth();

  // ---- holidays: fixed dates in list order (year kEveryYear repeats), movable feasts
  void AddHoliday(int day, int month, int year, const std::string& name);
  void AddRepeatHoliday(int day, int month, const std::string& name);
  // Removes every row, the built-in holidays too.
  void ClearHolidayList();
  int NumHolidays() const { return holidays_.NrOfRows(); }
  int GetNumHolidays() const { return NumHolidays(); }
  // Row `index` (1-based); false, outputs untouched, outside 1..NumHolidays.
  bool RetrieveHoliday(int index, int& day, int& month, int& year, bool& repeating,
                       std::string& name) const;
  // The first list row on that date, else (ShowMovableHolidays) a movable feast; name is ""
  // when the date is no holiday.
  bool CheckHoliday(int year, int month, int day, std::string& name) const;

  // ---- look
  // Background of the day cells by weekday.
  fw::TColor GetDayColors(TDayOfWeek day) const;
  fw::TColor DayColors(TDayOfWeek day) const { return GetDayColors(day); }
  void SetDayColors(TDayOfWeek day, fw::TColor value);

  bool AutoSwitch() const { return autoSwitch_; }
  void SetAutoSwitch(bool value) { autoSwitch_ = value; }
  fw::TColor ColorActiveMonth() const { return colors_.activeMonth; }
  void SetColorActiveMonth(fw::TColor value) { StoreColor(colors_.activeMonth, value); }
  fw::TColor ColorInactiveMonth() const { return colors_.inactiveMonth; }
  void SetColorInactiveMonth(fw::TColor value) { StoreColor(colors_.inactiveMonth, value); }
  fw::TColor ColorWeekNoBg() const { return colors_.weekNoBg; }
  void SetColorWeekNoBg(fw::TColor value) { StoreColor(colors_.weekNoBg, value); }
  fw::TColor ColorWeekNoFg() const { return colors_.weekNoFg; }
  void SetColorWeekNoFg(fw::TColor value) { StoreColor(colors_.weekNoFg, value); }
  fw::TColor ColorDayIdBg() const { return colors_.dayIdBg; }
  void SetColorDayIdBg(fw::TColor value) { StoreColor(colors_.dayIdBg, value); }
  fw::TColor ColorDayIdFg() const { return colors_.dayIdFg; }
  void SetColorDayIdFg(fw::TColor value) { StoreColor(colors_.dayIdFg, value); }
  fw::TColor ColorSelectedBg() const { return colors_.selectedBg; }
  void SetColorSelectedBg(fw::TColor value) { StoreColor(colors_.selectedBg, value); }
  fw::TColor ColorSelectedFg() const { return colors_.selectedFg; }
  void SetColorSelectedFg(fw::TColor value) { StoreColor(colors_.selectedFg, value); }
  fw::TColor ColorHolidayBg() const { return colors_.holidayBg; }
  void SetColorHolidayBg(fw::TColor value) { StoreColor(colors_.holidayBg, value); }
  fw::TColor ColorHolidayFg() const { return colors_.holidayFg; }
  void SetColorHolidayFg(fw::TColor value) { StoreColor(colors_.holidayFg, value); }
  fw::TColor ColorToday() const { return colors_.today; }
  void SetColorToday(fw::TColor value) { StoreColor(colors_.today, value); }

  TDayOfWeek FirstDayOfWeek() const { return firstDayOfWeek_; }
  void SetFirstDayOfWeek(TDayOfWeek value);
  bool IndicateHolidays() const { return indicateHolidays_; }
  void SetIndicateHolidays(bool value);
  // 1 English, 2 German, 3 French, 4 Spanish. A new language empties the holiday list and
  // loads the built-in holidays with that language's names.
  int Language() const { return language_; }
  void SetLanguage(int value);
  bool MarkToday() const { return markToday_; }
  void SetMarkToday(bool value);
  // The control's Hint follows the selected day's holiday name.
  bool ShowHolidayHint() const { return showHolidayHint_; }
  void SetShowHolidayHint(bool value);
  bool ShowMonthShort() const { return showMonthShort_; }
  void SetShowMonthShort(bool value);
  bool ShowMovableHolidays() const { return showMovableHolidays_; }
  void SetShowMovableHolidays(bool value);

  // ---- geometry
  // The day number n that grid cell (ACol, ARow) of a day row shows (n <= 0 and n above the
  // month's days are days of the neighbouring months).
  int CellDayNumber(int ACol, int ARow) const { return ACol + offset_ + 7 * ARow - 15; }
  // The grid cell that shows day `day` of the selected month.
  fw::TGridCoord DayCell(int day) const;

  fw::TNotifyEvent OnChange;

 protected:
  void DrawCell(int ACol, int ARow, const fw::TRect& ARect, fw::TGridDrawState AState) override;
  void Paint() override;
  bool SelectCell(int ACol, int ARow) override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void KeyDown(uint16_t& Key, fw::TShiftState Shift) override;
  bool DoMouseWheelDown(fw::TShiftState Shift, fw::TPoint MousePos) override;
  bool DoMouseWheelUp(fw::TShiftState Shift, fw::TPoint MousePos) override;
  // Sizes row 0, column 0 and the default sizes to the new client size.
  void Resize() override;

 private:
  struct TColors {
    fw::TColor activeMonth = fw::clBlack;
    fw::TColor inactiveMonth = fw::RGB(192, 192, 192);
    fw::TColor weekNoBg = fw::RGB(192, 192, 192);
    fw::TColor weekNoFg = fw::clBlack;
    fw::TColor dayIdBg = fw::RGB(192, 192, 192);
    fw::TColor dayIdFg = fw::clBlack;
    fw::TColor selectedBg = fw::RGB(64, 160, 208);
    fw::TColor selectedFg = fw::clWhite;
    fw::TColor holidayBg = fw::RGB(241, 216, 155);
    fw::TColor holidayFg = fw::RGB(192, 0, 0);
    fw::TColor today = fw::RGB(255, 0, 0);
  };

  // Stores a colour and repaints at once.
  void StoreColor(fw::TColor& field, fw::TColor value);
  // Makes `value` (date part) the selected date when it lies in 0001-01-01..9999-12-31 and
  // differs from it; runs the update step and fires OnChange then. False when ignored.
  bool ChangeDate(fw::TDateTime value);
  bool ChangeDate(int year, int month, int day);
  // The update step: offset, current cell, hint, Invalidate.
  void UpdateCalendar();
  void LoadBuiltInHolidays();
  void AppendHoliday(int day, int month, int year, const std::string& name);
  // The movable feast on that date (index into the feast table), or -1.
  int MovableFeastOn(int year, int month, int day) const;

  // Painting (minical_paint.cpp).
  void DrawButtonFrame(const fw::TRect& r);
  void DrawCentred(const fw::TRect& r, const std::string& text, fw::TColor brush, fw::TColor font);
  void DrawNavigationCell(int ACol, const fw::TRect& r);
  void DrawTitle(const fw::TRect& cell);
  void DrawTodayButton(const fw::TRect& cell);
  void DrawWeekNumber(int ARow, const fw::TRect& r);
  void DrawDay(int ACol, int ARow, const fw::TRect& r);
  std::string TitleText() const;

  // Input (minical_input.cpp).
  void ClickDay(int ACol, int ARow);
  void ClickButton(int ACol);
  bool NavigateByKey(uint16_t key, fw::TShiftState shift);

  fw::TDateTime date_ = 0;
  // Holiday rows: day, month, year (kEveryYear: every year); names beside them.
  TIntMatrix holidays_;
  std::vector<std::string> holidayNames_;
  std::array<fw::TColor, 7> dayColors_{};
  TColors colors_;
  TDayOfWeek firstDayOfWeek_ = dwMon;
  int language_ = lgEnglish;
  int offset_ = 0;
  fw::TGridCoord lastClick_{0, 0};
  bool autoSwitch_ = true;
  bool indicateHolidays_ = true;
  bool markToday_ = true;
  bool showHolidayHint_ = true;
  bool showMonthShort_ = true;
  bool showMovableHolidays_ = true;
  // Set while the update step moves the grid's current cell (SelectCell allows only that).
  bool movingCurrent_ = false;
};

}  // namespace zeb
