// Reading a date/time text through a picture, for the row editing form's date columns.
#include <algorithm>
#include <string>

#include "companion/ZEB_zebbase.h"
#include "framework/rtl/datetime.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/utf8.h"
#include "framework/stdctrls/datetime_picture.h"
#include "replist/rlrowedit.h"

namespace zeb {

namespace {

// The parts read so far; the clock is 24-hour and "am" until a token says otherwise.
struct TReadParts {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  bool twelveHour = false;
  bool pm = false;
};

// `count` characters taken from the front of `input`, as a whole number (-3 when they are
// not one).
int TakeNumber(std::string& input, int count, int& error) {
  const std::string part = fw::Copy(input, 1, count);
  input.erase(0, part.size());
  std::size_t used = 0;
  const int value = ReadFormatInteger(part, &used);
  if (used == 0 || used != part.size()) error = -3;
  return value;
}

// The entry 1..n of `names` whose lower-case text starts the lower-case input; 0 for none.
template <typename Name>
int MatchName(std::string& input, int n, Name name) {
  const std::string lower = fw::LowerCase(input);
  for (int i = 1; i <= n; ++i) {
    const std::string candidate = fw::LowerCase(name(i));
    if (!candidate.empty() && lower.starts_with(candidate)) {
      input.erase(0, candidate.size());
      return i;
    }
  }
  return 0;
}

int TwoDigitYear(int yy) {
  const int window = fw::FormatSettings.TwoDigitYearCenturyWindow;
  const int pivot = fw::CurrentYear() - window;
  int year = pivot / 100 * 100 + yy;
  if (window != 0 && year < pivot) year += 100;
  return year;
}

// Reads one token's characters from the front of `input` into `parts`; the error code, or 0.
int ReadToken(fw::TPictureToken token, std::string& input, TReadParts& parts) {
  using namespace fw;
  int error = 0;
  std::size_t used = 0;
  switch (token) {
    case ptYear4:
      parts.year = TakeNumber(input, 4, error);
      break;
    case ptYear2:
      parts.year = TwoDigitYear(TakeNumber(input, 2, error));
      break;
    case ptMonthLong:
      parts.month = MatchName(input, 12, [](int m) { return MonthLong(lgEnglish, m); });
      if (parts.month == 0) error = -3;
      break;
    case ptMonthShort: {
      const std::string three = fw::LowerCase(fw::Copy(input, 1, 3));
      input.erase(0, fw::Copy(input, 1, 3).size());
      for (int m = 1; m <= 12 && parts.month == 0; ++m)
        if (fw::LowerCase(MonthShort(lgEnglish, m)) == three) parts.month = m;
      if (parts.month == 0) error = -3;
      break;
    }
    case ptMonth2:
      parts.month = TakeNumber(input, 2, error);
      break;
    case ptDay2:
      parts.day = TakeNumber(input, 2, error);
      break;
    case ptHour2:
      parts.hour = TakeNumber(input, 2, error);
      break;
    case ptHour12x2:
      parts.hour = TakeNumber(input, 2, error);
      parts.twelveHour = true;
      break;
    case ptMinute2:
      parts.minute = TakeNumber(input, 2, error);
      break;
    case ptSecond2:
      parts.second = TakeNumber(input, 2, error);
      break;
    case ptMonth:
    case ptDay:
    case ptHour:
    case ptHour12:
    case ptMinute:
    case ptSecond: {
      const int value = ReadFormatInteger(input, &used);
      input.erase(0, used);
      if (token == ptMonth) parts.month = value;
      if (token == ptDay) parts.day = value;
      if (token == ptHour || token == ptHour12) parts.hour = value;
      if (token == ptHour12) parts.twelveHour = true;
      if (token == ptMinute) parts.minute = value;
      if (token == ptSecond) parts.second = value;
      break;
    }
    case ptDayLong:
    case ptDayShort: {
      const bool longName = token == ptDayLong;
      const int found = MatchName(input, 7, [longName](int d) {
        return longName ? WeekDayLong(lgEnglish, d - 1) : WeekDayShort(lgEnglish, d - 1);
      });
      if (found == 0) error = -3;
      break;
    }
    case ptAmPm1:
    case ptAmPm2: {
      const std::string mark = fw::LowerCase(fw::Copy(input, 1, token == ptAmPm1 ? 1 : 2));
      input.erase(0, fw::Copy(input, 1, token == ptAmPm1 ? 1 : 2).size());
      parts.pm = mark != (token == ptAmPm1 ? "a" : "am");
      break;
    }
    default:
      error = -2;
      break;
  }
  return error;
}

}  // namespace

double ParseDateTimeWithPicture(std::string_view text, std::string_view picture, int& ErrorCode) {
  std::string input(text);
  TReadParts parts;
  ErrorCode = 0;
  for (const fw::TPictureField& field : fw::SplitDateTimePicture(picture)) {
    if (field.token == fw::ptLiteral) {
      if (!input.starts_with(field.text)) {
        ErrorCode = -1;
        return 0;
      }
      input.erase(0, field.text.size());
      continue;
    }
    ErrorCode = ReadToken(field.token, input, parts);
    if (ErrorCode != 0) return 0;
  }
  if (parts.twelveHour) {
    if (!parts.pm && parts.hour == 12) parts.hour = 0;
    if (parts.pm && parts.hour != 12) parts.hour += 12;
  }
  fw::TDateTime time = 0;
  fw::TDateTime date = 0;
  const bool hasDate = parts.year != 0 || parts.month != 0 || parts.day != 0;
  const bool fits = fw::TryEncodeTime(parts.hour, parts.minute, parts.second, 0, time) &&
                    (!hasDate || fw::TryEncodeDate(parts.year, parts.month, parts.day, date));
  if (!fits) {
    ErrorCode = -4;
    return 0;
  }
  return hasDate ? fw::ComposeDateTime(date, time) : time;
}

}  // namespace zeb
