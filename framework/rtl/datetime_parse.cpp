// StrToDate, StrToTime, StrToDateTime: read dates in the order of the short date picture and
// times as h[:n[:s[.z]]] with an optional AM/PM marker.
#include <cctype>

#include "framework/rtl/datetime.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/numtext.h"

namespace fw {

namespace {

enum class DateOrder { MDY, DMY, YMD };

// A cursor over the text being parsed.
struct Scanner {
  std::string_view text;
  size_t pos = 0;

  bool AtEnd() const { return pos >= text.size(); }
  void SkipBlanks() {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  }
  // Reads up to 9 digits (no sign); false when there is no digit or the number is too long.
  bool Number(int& value, int& digits) {
    value = 0;
    digits = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
      if (++digits > 9) return false;
      value = value * 10 + (text[pos++] - '0');
    }
    return digits > 0;
  }
  // Consumes `word` (compared without regard to ASCII case) after optional blanks.
  bool Word(std::string_view word) {
    size_t p = pos;
    while (p < text.size() && (text[p] == ' ' || text[p] == '\t')) ++p;
    if (word.empty() || text.size() - p < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(text[p + i])) !=
          std::tolower(static_cast<unsigned char>(word[i])))
        return false;
    pos = p + word.size();
    return true;
  }
};

DateOrder OrderOf(std::string_view picture) {
  for (size_t i = 0; i < picture.size(); ++i) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(picture[i])));
    if (picture[i] == '"' || picture[i] == '\'') {
      const size_t close = picture.find(picture[i], i + 1);
      if (close == std::string_view::npos) break;
      i = close;
    } else if (c == 'd') {
      return DateOrder::DMY;
    } else if (c == 'y') {
      return DateOrder::YMD;
    } else if (c == 'm') {
      return DateOrder::MDY;
    }
  }
  return DateOrder::MDY;
}

// A year of one or two digits lands in the hundred years that start `window` years before
// the current year; window 0 keeps it in the current century.
int ExpandYear(int year, int digits, int window) {
  if (digits > 2) return year;
  const int pivot = CurrentYear() - window;
  year += pivot / 100 * 100;
  if (window > 0 && year < pivot) year += 100;
  return year;
}

bool ScanDate(Scanner& s, const TDateSettings& settings, TDateTime& result) {
  int n[3] = {0, 0, 0};
  int digits[3] = {0, 0, 0};
  int found = 0;
  s.SkipBlanks();
  while (found < 3) {
    if (found > 0 && !s.Word(settings.DateSeparator)) break;
    s.SkipBlanks();
    if (!s.Number(n[found], digits[found])) return false;
    ++found;
  }
  if (found < 2) return false;
  int year = 0;
  int month = 0;
  int day = 0;
  int yearDigits = 4;
  const DateOrder order = OrderOf(settings.ShortDateFormat);
  if (found == 2) {
    year = CurrentYear();
    month = order == DateOrder::DMY ? n[1] : n[0];
    day = order == DateOrder::DMY ? n[0] : n[1];
  } else if (order == DateOrder::MDY) {
    month = n[0], day = n[1], year = n[2], yearDigits = digits[2];
  } else if (order == DateOrder::DMY) {
    day = n[0], month = n[1], year = n[2], yearDigits = digits[2];
  } else {
    year = n[0], month = n[1], day = n[2], yearDigits = digits[0];
  }
  year = ExpandYear(year, yearDigits, FormatSettings.TwoDigitYearCenturyWindow);
  return TryEncodeDate(year, month, day, result);
}

// 0 without a marker, 1 for AM, 2 for PM.
int ScanAmPm(Scanner& s, const TDateSettings& settings) {
  if (s.Word(settings.TimeAMString) || s.Word("AM")) return 1;
  if (s.Word(settings.TimePMString) || s.Word("PM")) return 2;
  if (s.Word("A")) return 1;
  if (s.Word("P")) return 2;
  return 0;
}

// Fraction digits after the decimal point as milliseconds (".5" is 500 ms); digits beyond
// the third are read and dropped.
bool ScanMilliseconds(Scanner& s, int& msec) {
  int scale = 100;
  msec = 0;
  size_t count = 0;
  while (!s.AtEnd() && std::isdigit(static_cast<unsigned char>(s.text[s.pos]))) {
    msec += (s.text[s.pos++] - '0') * scale;
    scale /= 10;
    ++count;
  }
  return count > 0;
}

bool ScanTime(Scanner& s, const TDateSettings& settings, TDateTime& result) {
  int hour = 0, minute = 0, second = 0, msec = 0, digits = 0;
  s.SkipBlanks();
  if (!s.Number(hour, digits)) return false;
  bool hasMinute = false;
  if (s.Word(settings.TimeSeparator)) {
    s.SkipBlanks();
    if (!s.Number(minute, digits)) return false;
    hasMinute = true;
    if (s.Word(settings.TimeSeparator)) {
      s.SkipBlanks();
      if (!s.Number(second, digits)) return false;
      if (!s.AtEnd() && s.text[s.pos] == '.') {
        ++s.pos;
        if (!ScanMilliseconds(s, msec)) return false;
      }
    }
  }
  const int ampm = ScanAmPm(s, settings);
  if (!hasMinute && ampm == 0) return false;
  if (ampm != 0) {
    if (hour > 12) return false;
    if (ampm == 1 && hour == 12) hour = 0;
    if (ampm == 2 && hour < 12) hour += 12;
  }
  return TryEncodeTime(hour, minute, second, msec, result);
}

// Runs one scan over the whole text; succeeds only when nothing but blanks is left.
template <typename Scan>
bool ScanWhole(std::string_view text, Scan scan) {
  Scanner s{text, 0};
  if (!scan(s)) return false;
  s.SkipBlanks();
  return s.AtEnd();
}

std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

}  // namespace

bool TryStrToDate(std::string_view text, TDateTime& result, const TDateSettings& settings) {
  TDateTime value = 0;
  if (!ScanWhole(text, [&](Scanner& s) { return ScanDate(s, settings, value); })) return false;
  result = value;
  return true;
}

bool TryStrToTime(std::string_view text, TDateTime& result, const TDateSettings& settings) {
  TDateTime value = 0;
  if (!ScanWhole(text, [&](Scanner& s) { return ScanTime(s, settings, value); })) return false;
  result = value;
  return true;
}

bool TryStrToDateTime(std::string_view text, TDateTime& result, const TDateSettings& settings) {
  TDateTime date = 0;
  TDateTime time = 0;
  const bool ok = ScanWhole(text, [&](Scanner& s) {
    if (!ScanDate(s, settings, date)) return false;
    s.SkipBlanks();
    return s.AtEnd() || ScanTime(s, settings, time);
  });
  if (ok) {
    result = ComposeDateTime(date, time);
    return true;
  }
  return TryStrToTime(text, result, settings);
}

bool TryStrToDate(std::string_view text, TDateTime& result) {
  return TryStrToDate(text, result, DateSettings);
}

bool TryStrToTime(std::string_view text, TDateTime& result) {
  return TryStrToTime(text, result, DateSettings);
}

bool TryStrToDateTime(std::string_view text, TDateTime& result) {
  return TryStrToDateTime(text, result, DateSettings);
}

TDateTime StrToDate(std::string_view text) {
  TDateTime result = 0;
  if (!TryStrToDate(text, result)) throw EConvertError(Quoted(text) + " is not a valid date");
  return result;
}

TDateTime StrToTime(std::string_view text) {
  TDateTime result = 0;
  if (!TryStrToTime(text, result)) throw EConvertError(Quoted(text) + " is not a valid time");
  return result;
}

TDateTime StrToDateTime(std::string_view text) {
  TDateTime result = 0;
  if (!TryStrToDateTime(text, result))
    throw EConvertError(Quoted(text) + " is not a valid date and time");
  return result;
}

}  // namespace fw
