// Splitting date/time pictures into fields and writing a value with one.
#include "framework/stdctrls/datetime_picture.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace fw {

namespace {

struct TTokenName {
  char letter;
  int length;
  TPictureToken token;
};

constexpr std::array<TTokenName, 20> kTokens{{
    {'y', 4, ptYear4},    {'y', 2, ptYear2},  {'M', 4, ptMonthLong}, {'M', 3, ptMonthShort},
    {'M', 2, ptMonth2},   {'M', 1, ptMonth},  {'d', 4, ptDayLong},   {'d', 3, ptDayShort},
    {'d', 2, ptDay2},     {'d', 1, ptDay},    {'H', 2, ptHour2},     {'H', 1, ptHour},
    {'h', 2, ptHour12x2}, {'h', 1, ptHour12}, {'m', 2, ptMinute2},   {'m', 1, ptMinute},
    {'s', 2, ptSecond2},  {'s', 1, ptSecond}, {'t', 2, ptAmPm2},     {'t', 1, ptAmPm1},
}};

TPictureToken TokenOf(char letter, int length) {
  for (const TTokenName& t : kTokens)
    if (t.letter == letter && t.length == length) return t.token;
  return ptUnknown;
}

void AddLiteral(std::vector<TPictureField>& fields, std::string_view text) {
  if (text.empty()) return;
  if (!fields.empty() && fields.back().token == ptLiteral)
    fields.back().text += text;
  else
    fields.push_back({ptLiteral, std::string(text)});
}

std::string Padded(int value, int digits) {
  std::string s = std::to_string(value);
  while (static_cast<int>(s.size()) < digits) s.insert(s.begin(), '0');
  return s;
}

}  // namespace

bool IsTokenLetter(char c) {
  return std::string_view("HMdhmsty").find(c) != std::string_view::npos;
}

std::vector<TPictureField> SplitDateTimePicture(std::string_view picture) {
  std::vector<TPictureField> fields;
  std::size_t i = 0;
  while (i < picture.size()) {
    const char c = picture[i];
    if (c == '\'') {
      // A quoted part up to the next single quote; two quotes stand for one.
      std::string text;
      ++i;
      while (i < picture.size()) {
        if (picture[i] == '\'') {
          if (i + 1 < picture.size() && picture[i + 1] == '\'') {
            text += '\'';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        text += picture[i++];
      }
      AddLiteral(fields, text);
    } else if (IsTokenLetter(c)) {
      std::size_t end = i;
      while (end < picture.size() && picture[end] == c) ++end;
      const std::string_view run = picture.substr(i, end - i);
      fields.push_back({TokenOf(c, static_cast<int>(run.size())), std::string(run)});
      i = end;
    } else {
      std::size_t end = i;
      while (end < picture.size() && picture[end] != '\'' && !IsTokenLetter(picture[end])) ++end;
      AddLiteral(fields, picture.substr(i, end - i));
      i = end;
    }
  }
  return fields;
}

bool IsDateToken(TPictureToken token) {
  return token >= ptYear4 && token <= ptDay;
}

bool IsTimeToken(TPictureToken token) {
  return token >= ptHour2 && token <= ptAmPm1;
}

std::string FormatDateTimePicture(std::span<const TPictureField> fields, TDateTime value,
                                  const TDateSettings& settings) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
  DecodeDateTime(value, year, month, day, hour, minute, second, msec);
  const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
  const std::size_t m = static_cast<std::size_t>(std::max(month, 1) - 1);
  const std::size_t wd = static_cast<std::size_t>(std::max(DayOfWeek(value), 1) - 1);
  const std::string& ampm = hour < 12 ? settings.TimeAMString : settings.TimePMString;
  std::string out;
  for (const TPictureField& f : fields) {
    switch (f.token) {
      case ptLiteral:
      case ptUnknown:
        out += f.text;
        break;
      case ptYear4:
        out += Padded(year, 4);
        break;
      case ptYear2:
        out += Padded(year % 100, 2);
        break;
      case ptMonthLong:
        out += settings.LongMonthNames[m];
        break;
      case ptMonthShort:
        out += settings.ShortMonthNames[m];
        break;
      case ptMonth2:
        out += Padded(month, 2);
        break;
      case ptMonth:
        out += std::to_string(month);
        break;
      case ptDayLong:
        out += settings.LongDayNames[wd];
        break;
      case ptDayShort:
        out += settings.ShortDayNames[wd];
        break;
      case ptDay2:
        out += Padded(day, 2);
        break;
      case ptDay:
        out += std::to_string(day);
        break;
      case ptHour2:
        out += Padded(hour, 2);
        break;
      case ptHour:
        out += std::to_string(hour);
        break;
      case ptHour12x2:
        out += Padded(hour12, 2);
        break;
      case ptHour12:
        out += std::to_string(hour12);
        break;
      case ptMinute2:
        out += Padded(minute, 2);
        break;
      case ptMinute:
        out += std::to_string(minute);
        break;
      case ptSecond2:
        out += Padded(second, 2);
        break;
      case ptSecond:
        out += std::to_string(second);
        break;
      case ptAmPm2:
        out += ampm;
        break;
      case ptAmPm1:
        out += ampm.substr(0, 1);
        break;
    }
  }
  return out;
}

std::string FormatDateTimePicture(std::string_view picture, TDateTime value,
                                  const TDateSettings& settings) {
  return FormatDateTimePicture(SplitDateTimePicture(picture), value, settings);
}

}  // namespace fw
