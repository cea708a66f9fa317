// Calendar arithmetic of TDateTime: encoding, decoding, weekdays, month steps and the
// replaceable clock.
#include "framework/rtl/datetime.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <utility>

#include "framework/rtl/exceptions.h"

namespace fw {

TDateSettings DateSettings;

const std::array<std::array<uint16_t, 12>, 2> MonthDays = {{
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
}};

namespace {

constexpr int64_t DaysPer400Years = 146097;
constexpr int64_t DaysPer100Years = 36524;
constexpr int64_t DaysPer4Years = 1461;

// Day number of a valid date, 0001-01-01 being day 1.
int64_t DayNumber(int year, int month, int day) {
  const int64_t y = year - 1;
  int64_t days = y * 365 + y / 4 - y / 100 + y / 400;
  const auto& table = MonthDays[IsLeapYear(year) ? 1 : 0];
  for (int m = 1; m < month; ++m) days += table[m - 1];
  return days + day;
}

// Inverse of DayNumber for day numbers 1 and above.
void SplitDayNumber(int64_t number, int& year, int& month, int& day) {
  int64_t t = number - 1;
  const int64_t n400 = t / DaysPer400Years;
  t %= DaysPer400Years;
  int64_t n100 = t / DaysPer100Years;
  if (n100 == 4) n100 = 3;  // the last day of a 400-year cycle
  t -= n100 * DaysPer100Years;
  const int64_t n4 = t / DaysPer4Years;
  t %= DaysPer4Years;
  int64_t n1 = t / 365;
  if (n1 == 4) n1 = 3;  // the last day of a leap year
  t -= n1 * 365;
  year = static_cast<int>(n400 * 400 + n100 * 100 + n4 * 4 + n1 + 1);
  const auto& table = MonthDays[IsLeapYear(year) ? 1 : 0];
  month = 1;
  while (t >= table[month - 1]) {
    t -= table[month - 1];
    ++month;
  }
  day = static_cast<int>(t) + 1;
}

// The value rounded to whole milliseconds, split into a signed day count (toward zero) and
// the time of day in milliseconds. False for values outside the supported range.
bool SplitValue(TDateTime value, int64_t& days, int64_t& msOfDay) {
  if (!std::isfinite(value) || value < MinDateTime - 1 || value > MaxDateTime + 1) return false;
  const auto total = static_cast<int64_t>(std::nearbyint(value * MSecsPerDay));
  days = total / MSecsPerDay;
  msOfDay = (total < 0 ? -total : total) % MSecsPerDay;
  return true;
}

TDateTime SystemClock() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  return ComposeDateTime(
      EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
      EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), static_cast<int>(ms)));
}

std::function<TDateTime()>& ClockSource() {
  static std::function<TDateTime()> clock = SystemClock;
  return clock;
}

}  // namespace

bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
  if (month < 1 || month > 12) return 0;
  return MonthDays[IsLeapYear(year) ? 1 : 0][month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
  if (year < 1 || year > 9999 || month < 1 || month > 12) return false;
  if (day < 1 || day > DaysInMonth(year, month)) return false;
  result = static_cast<double>(DayNumber(year, month, day) - DateDelta);
  return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result) {
  if (hour < 0 || hour >= HoursPerDay || minute < 0 || minute >= 60 || second < 0 || second >= 60 ||
      msec < 0 || msec >= 1000)
    return false;
  const int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + msec;
  result = static_cast<double>(ms) / MSecsPerDay;
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime result = 0;
  if (!TryEncodeDate(year, month, day, result))
    throw EConvertError("Invalid argument to date encode");
  return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
  TDateTime result = 0;
  if (!TryEncodeTime(hour, minute, second, msec, result))
    throw EConvertError("Invalid argument to time encode");
  return result;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec) {
  return ComposeDateTime(EncodeDate(year, month, day), EncodeTime(hour, minute, second, msec));
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
  const double whole = std::trunc(date);
  const double fraction = std::fabs(time - std::trunc(time));
  return whole < 0 ? whole - fraction : whole + fraction;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
  int64_t days = 0;
  int64_t ms = 0;
  year = month = day = 0;
  if (!SplitValue(value, days, ms)) return;
  const int64_t number = days + DateDelta;
  if (number < 1 || number > DayNumber(9999, 12, 31)) return;
  SplitDayNumber(number, year, month, day);
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec) {
  int64_t days = 0;
  int64_t ms = 0;
  hour = minute = second = msec = 0;
  if (!SplitValue(value, days, ms)) {
    if (!std::isfinite(value)) return;
    // Far outside the calendar: the time of day is still the fraction.
    ms = static_cast<int64_t>(std::nearbyint(std::fabs(value - std::trunc(value)) * MSecsPerDay)) %
         MSecsPerDay;
  }
  msec = static_cast<int>(ms % 1000);
  second = static_cast<int>(ms / 1000 % 60);
  minute = static_cast<int>(ms / 60000 % 60);
  hour = static_cast<int>(ms / 3600000);
}

void DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& minute,
                    int& second, int& msec) {
  DecodeDate(value, year, month, day);
  DecodeTime(value, hour, minute, second, msec);
}

int DayOfWeek(TDateTime value) {
  int64_t days = 0;
  int64_t ms = 0;
  // Day 1 (0001-01-01) was a Monday.
  if (SplitValue(value, days, ms)) return static_cast<int>(((days + DateDelta) % 7 + 7) % 7) + 1;
  if (!std::isfinite(value)) return 0;
  double rest = std::fmod(std::trunc(value) + DateDelta, 7.0);
  if (rest < 0) rest += 7;
  return static_cast<int>(rest) + 1;
}

TDateTime IncMonth(TDateTime value, int months) {
  int year = 0;
  int month = 0;
  int day = 0;
  DecodeDate(value, year, month, day);
  if (year == 0) throw EConvertError("Invalid argument to date encode");
  const int64_t index = static_cast<int64_t>(year) * 12 + (month - 1) + months;
  const int64_t newYear = index >= 0 ? index / 12 : -1;
  if (newYear < 1 || newYear > 9999) throw EConvertError("Invalid argument to date encode");
  year = static_cast<int>(newYear);
  month = static_cast<int>(index % 12) + 1;
  day = std::min(day, DaysInMonth(year, month));
  return ComposeDateTime(EncodeDate(year, month, day), value);
}

void SetClockSource(std::function<TDateTime()> clock) {
  ClockSource() = clock ? std::move(clock) : std::function<TDateTime()>(SystemClock);
}

TDateTime Now() {
  return ClockSource()();
}

TDateTime Date() {
  return std::trunc(Now());
}

TDateTime Time() {
  const TDateTime now = Now();
  return std::fabs(now - std::trunc(now));
}

int CurrentYear() {
  int year = 0;
  int month = 0;
  int day = 0;
  DecodeDate(Now(), year, month, day);
  return year;
}

}  // namespace fw
