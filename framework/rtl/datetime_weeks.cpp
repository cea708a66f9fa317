// ISO 8601 weekdays and week numbers of TDateTime values.
#include "framework/rtl/datetime.h"

namespace fw {

int DayOfTheWeek(TDateTime value) {
  const int sundayFirst = DayOfWeek(value);
  if (sundayFirst == 0) return 0;
  // Sunday (1) becomes 7, Monday (2) 1 ... Saturday (7) 6.
  return (sundayFirst + 5) % 7 + 1;
}

int WeekOfTheYear(TDateTime value, int& year) {
  int y = 0, m = 0, d = 0;
  DecodeDate(value, y, m, d);
  year = 0;
  if (y == 0) return 0;
  // The week belongs to the year of its Thursday, and counts the Thursdays of that year.
  // 0001-01-01 is a Monday and 9999-12-31 a Friday, so the Thursday always exists.
  const TDateTime day = EncodeDate(y, m, d);
  const TDateTime thursday = day - DayOfTheWeek(day) + 4;
  int thursdayMonth = 0, thursdayDay = 0;
  DecodeDate(thursday, year, thursdayMonth, thursdayDay);
  const double sinceNewYear = thursday - EncodeDate(year, 1, 1);
  return static_cast<int>(sinceNewYear) / 7 + 1;
}

int WeekOfTheYear(TDateTime value) {
  int year = 0;
  return WeekOfTheYear(value, year);
}

int WeeksInYear(int year) {
  if (year < 1 || year > 9999) return 0;
  // 28 December always lies in the year's last week.
  return WeekOfTheYear(EncodeDate(year, 12, 28));
}

}  // namespace fw
