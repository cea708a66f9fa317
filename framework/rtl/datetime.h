// Dates and times as the platform keeps them: TDateTime is a double counting days since
// 1899-12-30, the fraction being the time of day; encoding, decoding, formatting and parsing.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace fw {

// Days since 1899-12-30 00:00. The integer part is the date; the fraction is the time of
// day. For negative values the fraction still counts forward from midnight: -1.25 is
// 1899-12-29 06:00, not 18:00.
using TDateTime = double;

// Days from 0001-01-01 (day 1) to 1899-12-30 (day 0 of TDateTime), plus one.
constexpr int DateDelta = 693594;
constexpr double MinDateTime = -693593.0;         // 0001-01-01 00:00:00.000
constexpr double MaxDateTime = 2958465.99999999;  // 9999-12-31 23:59:59.999
constexpr int HoursPerDay = 24;
constexpr int MinsPerDay = 24 * 60;
constexpr int SecsPerDay = 24 * 60 * 60;
constexpr int MSecsPerDay = SecsPerDay * 1000;

// Names and pictures used by FormatDateTime and the StrTo* parsers. Day names start with
// Sunday (index 0), month names with January (index 0).
struct TDateSettings {
  std::string DateSeparator = "/";
  std::string TimeSeparator = ":";
  std::string ShortDateFormat = "m/d/yyyy";
  std::string LongDateFormat = "dddd, mmmm d, yyyy";
  std::string ShortTimeFormat = "h:nn AMPM";
  std::string LongTimeFormat = "h:nn:ss AMPM";
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  std::array<std::string, 12> ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> LongMonthNames = {"January",   "February", "March",    "April",
                                                "May",       "June",     "July",     "August",
                                                "September", "October",  "November", "December"};
  std::array<std::string, 7> ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> LongDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
  // Two-digit years follow fw::FormatSettings.TwoDigitYearCenturyWindow (numtext.h).
};

// The process-wide settings; tests may change them.
extern TDateSettings DateSettings;

// Days of each month, [leap year][month - 1].
extern const std::array<std::array<uint16_t, 12>, 2> MonthDays;

bool IsLeapYear(int year);
// Days of the month (28..31); 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// Raise EConvertError "Invalid argument to date encode" / "... time encode" for a date
// outside 0001-01-01..9999-12-31 or a time outside 00:00:00.000..23:59:59.999.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result);
// Date part plus time part with the sign rule above (a negative date subtracts the time).
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

// Values outside MinDateTime..MaxDateTime (or not finite) decode to year, month and day 0;
// the time of day always decodes (not finite: all zero). Values are rounded to the
// millisecond first, so 23:59:59.9996 decodes as midnight of the next day.
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec);
void DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& minute,
                    int& second, int& msec);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime value);  // 0 for a value that is not finite
// ISO 8601 weekday: 1 = Monday ... 7 = Sunday; 0 for a value that is not finite.
int DayOfTheWeek(TDateTime value);
// ISO 8601 week of the year, 1..53: weeks run Monday to Sunday and week 1 is the week that
// holds the year's first Thursday, so the first days of January may lie in the last week of
// the year before and the last days of December in week 1 of the next. `year` receives the
// year the week belongs to. A value outside MinDateTime..MaxDateTime gives week 0 of year 0.
int WeekOfTheYear(TDateTime value);
int WeekOfTheYear(TDateTime value, int& year);
// Weeks of an ISO 8601 year (52 or 53; the years with 53 begin on a Thursday, or are leap
// years beginning on a Wednesday); 0 for a year outside 1..9999.
int WeeksInYear(int year);
// Adds months keeping the time of day; the day is cut to the length of the target month.
TDateTime IncMonth(TDateTime value, int months = 1);

// The clock behind Now, Date and Time. The default reads the local system clock; tests and
// the headless backend install a fixed or virtual clock. An empty function restores the
// default.
void SetClockSource(std::function<TDateTime()> clock);
TDateTime Now();
TDateTime Date();  // Now without the time of day
TDateTime Time();  // the time of day of Now
int CurrentYear();

// Format tokens (letters in any case):
//   d dd ddd dddd ddddd dddddd   day, 2-digit day, short/long day name, short/long date
//   m mm mmm mmmm                month, 2-digit, short/long name; directly after an h or hh
//                                token (only non-letters between) m and mm are minutes
//   yy yyyy                      2- or 4-digit year (y and yyy count as yy and yyyy)
//   h hh n nn s ss z zzz         hour, minute, second, millisecond (zzz: 3 digits)
//   t tt c                       short time, long time, short date + long time (time
//                                left out when it is midnight)
//   am/pm a/p ampm               12-hour clock for the h tokens before them; am/pm and a/p
//                                keep the letters' case, ampm writes TimeAMString/TimePMString
//   / :                          DateSeparator, TimeSeparator
//   "text" 'text'                literal text; any other character is copied
// An empty format means "c". Nested pictures (c, ddddd, t ...) expand two levels deep.
std::string FormatDateTime(std::string_view format, TDateTime value);
std::string FormatDateTime(std::string_view format, TDateTime value, const TDateSettings& settings);
std::string DateToStr(TDateTime value);
std::string TimeToStr(TDateTime value);
std::string DateTimeToStr(TDateTime value);

// Parse numbers in the order of ShortDateFormat (month-day-year, day-month-year or
// year-month-day) separated by DateSeparator; a missing year is the current year; a year of
// one or two digits goes through the century window. Times are h[:n[:s[.z]]] with an
// optional AM/PM (TimeAMString/TimePMString, "AM"/"PM" or "A"/"P"). Blanks around the text
// are ignored. StrTo* raise EConvertError "'<text>' is not a valid date" (time, date and
// time); TryStrTo* return false and leave the result untouched.
TDateTime StrToDate(std::string_view text);
TDateTime StrToTime(std::string_view text);
TDateTime StrToDateTime(std::string_view text);
bool TryStrToDate(std::string_view text, TDateTime& result);
bool TryStrToTime(std::string_view text, TDateTime& result);
bool TryStrToDateTime(std::string_view text, TDateTime& result);
bool TryStrToDate(std::string_view text, TDateTime& result, const TDateSettings& settings);
bool TryStrToTime(std::string_view text, TDateTime& result, const TDateSettings& settings);
bool TryStrToDateTime(std::string_view text, TDateTime& result, const TDateSettings& settings);

}  // namespace fw
