// TMiniCal's holidays: Easter Sunday and the movable feasts after it, the list of fixed
// holidays (built in by language, added by the application) and the holiday test.
#include <cstdint>
#include <utility>

#include "browse/ZEB_MiniCal.h"
#include "browse/minical_texts.h"

namespace zeb {

namespace {

// Floor division and its remainder, so the rule holds for years below 1 too.
int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int64_t FloorMod(int64_t a, int64_t b) {
  return a - b * FloorDiv(a, b);
}

// Days before the first of months 3..6 counted from 1 March.
constexpr int kDaysFromMarch[] = {0, 31, 61, 92};

}  // namespace

// Gauss's rule in Lichtenberg's form, in 64 bits so that no year overflows.
void CalcEasterSunday(int year, int& day, int& month) {
  const int64_t y = year;
  const int64_t k = FloorDiv(y, 100);
  const int64_t b = FloorDiv(3 * k + 3, 4);
  const int64_t a = FloorMod(y, 19);
  const int64_t d = FloorMod(19 * a + b - FloorDiv(8 * k + 13, 25) + 15, 30);
  // The Paschal full moon as a day of March, then the Sunday after it.
  const int64_t g = 21 + d - FloorDiv(d + FloorDiv(a, 11), 29);
  const int64_t e = 7 - FloorMod(g + FloorMod(y + FloorDiv(y, 4) - b + 2, 7) - 7, 7);
  const int s = static_cast<int>(g + e);
  month = s >= 32 ? 4 : 3;
  day = s >= 32 ? s - 31 : s;
}

int TMiniCal::MovableFeastOn(int year, int month, int day) const {
  if (month < 3 || month > 6) return -1;
  int easterDay = 0, easterMonth = 0;
  CalcEasterSunday(year, easterDay, easterMonth);
  const int easter = easterDay + kDaysFromMarch[easterMonth - 3];
  const int after = day + kDaysFromMarch[month - 3] - easter;
  for (size_t i = 0; i < minical::kMovableFeastOffsets.size(); ++i)
    if (minical::kMovableFeastOffsets[i] == after) return static_cast<int>(i);
  return -1;
}

bool TMiniCal::CheckHoliday(int year, int month, int day, std::string& name) const {
  name.clear();
  for (int row = 1; row <= holidays_.NrOfRows(); ++row) {
    const int rowYear = holidays_.GetVal(3, row);
    if (holidays_.GetVal(1, row) == day && holidays_.GetVal(2, row) == month &&
        (rowYear == kEveryYear || rowYear == year)) {
      name = holidayNames_[row - 1];
      return true;
    }
  }
  if (!showMovableHolidays_) return false;
  const int feast = MovableFeastOn(year, month, day);
  if (feast < 0) return false;
  name = minical::MovableFeastName(feast, language_);
  return true;
}

// ---- the list

void TMiniCal::AppendHoliday(int day, int month, int year, const std::string& name) {
  // Everything that can fail comes before the row is added, so a failure leaves the list as
  // it was: the copy of the name, its place in the names, the matrix's new row.
  std::string copy = name;
  const int row = holidays_.NrOfRows() + 1;
  holidayNames_.reserve(row);
  holidays_.SetNRows(row);
  holidays_.SetVal(1, row, day);
  holidays_.SetVal(2, row, month);
  holidays_.SetVal(3, row, year);
  holidayNames_.push_back(std::move(copy));
}

void TMiniCal::LoadBuiltInHolidays() {
  holidays_.SetNRows(0);
  holidayNames_.clear();
  for (size_t i = 0; i < minical::kBuiltInHolidays.size(); ++i) {
    const auto& h = minical::kBuiltInHolidays[i];
    AppendHoliday(h.day, h.month, kEveryYear,
                  minical::BuiltInHolidayName(static_cast<int>(i), language_));
  }
}

void TMiniCal::AddHoliday(int day, int month, int year, const std::string& name) {
  AppendHoliday(day, month, year, name);
  UpdateCalendar();
}

void TMiniCal::AddRepeatHoliday(int day, int month, const std::string& name) {
  AddHoliday(day, month, kEveryYear, name);
}

void TMiniCal::ClearHolidayList() {
  holidays_.SetNRows(0);
  holidayNames_.clear();
  UpdateCalendar();
}

bool TMiniCal::RetrieveHoliday(int index, int& day, int& month, int& year, bool& repeating,
                               std::string& name) const {
  if (index < 1 || index > NumHolidays()) return false;
  day = holidays_.GetVal(1, index);
  month = holidays_.GetVal(2, index);
  year = holidays_.GetVal(3, index);
  repeating = year == kEveryYear;
  name = holidayNames_[index - 1];
  return true;
}

void TMiniCal::SetLanguage(int value) {
  if (value == language_ || value < lgEnglish || value > lgSpanish) return;
  language_ = value;
  LoadBuiltInHolidays();
  UpdateCalendar();
}

}  // namespace zeb
