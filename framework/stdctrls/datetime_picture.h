// Date/time pictures of the date/time picker: "dd.MM.yyyy", "HH:mm:ss", "h:mm tt". The letters
// H M d h m s t y make tokens (a run of one letter is one token); quoted text ('...', '' for a
// quote) and every other character are literal.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/rtl/datetime.h"

namespace fw {

//   yyyy yy           4- and 2-digit year
//   MMMM MMM MM M     long and short month name, 2-digit and plain month
//   dddd ddd dd d     long and short weekday name, 2-digit and plain day
//   HH H / hh h       hour of the 24-hour / 12-hour clock, 2-digit and plain
//   mm m, ss s        minute, second, 2-digit and plain
//   tt t              "AM"/"PM" and "A"/"P"
// Any other run of a token letter (y, yyy, MMMMM ...) is ptUnknown, written as it stands.
enum TPictureToken : uint8_t {
  ptLiteral,
  ptYear4,
  ptYear2,
  ptMonthLong,
  ptMonthShort,
  ptMonth2,
  ptMonth,
  ptDayLong,
  ptDayShort,
  ptDay2,
  ptDay,
  ptHour2,
  ptHour,
  ptHour12x2,
  ptHour12,
  ptMinute2,
  ptMinute,
  ptSecond2,
  ptSecond,
  ptAmPm2,
  ptAmPm1,
  ptUnknown
};

struct TPictureField {
  TPictureToken token;
  std::string text;  // the literal text (quotes resolved), or the token's run as written
};

// The picture's fields from left to right; neighbouring literal parts are joined.
std::vector<TPictureField> SplitDateTimePicture(std::string_view picture);
bool IsTokenLetter(char c);

// `value` written with the picture; names from `settings`.
std::string FormatDateTimePicture(std::span<const TPictureField> fields, TDateTime value,
                                  const TDateSettings& settings = DateSettings);
std::string FormatDateTimePicture(std::string_view picture, TDateTime value,
                                  const TDateSettings& settings = DateSettings);

// Whether a token shows part of the date or of the time of day.
bool IsDateToken(TPictureToken token);
bool IsTimeToken(TPictureToken token);

}  // namespace fw
