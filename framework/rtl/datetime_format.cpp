// FormatDateTime: writes a TDateTime by a picture of the platform's date and time tokens.
#include <cctype>
#include <cmath>

#include "framework/rtl/datetime.h"

namespace fw {

namespace {

// Nested pictures (c, ddddd, dddddd, t, tt) expand at most this deep, so a settings picture
// that names itself cannot recurse without end.
constexpr int MaxNesting = 2;

struct Parts {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0, weekday = 0;
};

char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool StartsWithNoCase(std::string_view text, size_t pos, std::string_view word) {
  if (text.size() - pos < word.size()) return false;
  for (size_t i = 0; i < word.size(); ++i)
    if (Lower(text[pos + i]) != word[i]) return false;
  return true;
}

void AppendNumber(std::string& out, int value, int digits) {
  std::string text = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
  out += text;
}

// The index of the closing quote, or the end of the picture when it is missing.
size_t QuotedEnd(std::string_view format, size_t open) {
  const size_t close = format.find(format[open], open + 1);
  return close == std::string_view::npos ? format.size() : close;
}

// True when an am/pm, a/p or ampm token appears after pos: the h tokens before it then
// count on a 12-hour clock.
bool TwelveHourFollows(std::string_view format, size_t pos) {
  for (size_t i = pos; i < format.size(); ++i) {
    const char c = format[i];
    if (c == '"' || c == '\'') {
      i = QuotedEnd(format, i);
    } else if (Lower(c) == 'a' &&
               (StartsWithNoCase(format, i, "am/pm") || StartsWithNoCase(format, i, "a/p") ||
                StartsWithNoCase(format, i, "ampm"))) {
      return true;
    }
  }
  return false;
}

class Formatter {
 public:
  Formatter(const Parts& parts, const TDateSettings& settings)
      : parts_(parts), settings_(settings) {}

  void Run(std::string_view format, int depth) {
    bool afterHour = false;
    size_t i = 0;
    while (i < format.size()) {
      const char c = format[i];
      if (c == '"' || c == '\'') {
        const size_t close = QuotedEnd(format, i);
        out_.append(format.substr(i + 1, close - i - 1));
        i = close + 1;
        continue;
      }
      if (!std::isalpha(static_cast<unsigned char>(c))) {
        if (c == '/')
          out_ += settings_.DateSeparator;
        else if (c == ':')
          out_ += settings_.TimeSeparator;
        else
          out_ += c;
        ++i;
        continue;
      }
      size_t count = 1;
      while (i + count < format.size() && Lower(format[i + count]) == Lower(c)) ++count;
      const bool isHour = Lower(c) == 'h';
      i = Letter(format, i, count, afterHour, depth);
      afterHour = isHour;
    }
  }

  const std::string& Text() const { return out_; }

 private:
  // Writes the token of `count` letters at pos; returns the position after what it used.
  size_t Letter(std::string_view format, size_t pos, size_t count, bool afterHour, int depth) {
    const int hour12 = parts_.hour % 12 == 0 ? 12 : parts_.hour % 12;
    switch (Lower(format[pos])) {
      case 'y':
        if (count <= 2)
          AppendNumber(out_, parts_.year % 100, 2);
        else
          AppendNumber(out_, parts_.year, 4);
        return pos + count;
      case 'm':
        if (afterHour && count <= 2)
          Number(parts_.minute, count);
        else
          Month(count);
        return pos + count;
      case 'd':
        Day(count, depth);
        return pos + count;
      case 'h':
        Number(TwelveHourFollows(format, pos + count) ? hour12 : parts_.hour, count);
        return pos + count;
      case 'n':
        Number(parts_.minute, count);
        return pos + count;
      case 's':
        Number(parts_.second, count);
        return pos + count;
      case 'z':
        AppendNumber(out_, parts_.msec, count == 1 ? 0 : 3);
        return pos + count;
      case 't':
        Nested(count == 1 ? settings_.ShortTimeFormat : settings_.LongTimeFormat, depth);
        return pos + count;
      case 'c':
        Nested(settings_.ShortDateFormat, depth);
        if (parts_.hour != 0 || parts_.minute != 0 || parts_.second != 0) {
          out_ += ' ';
          Nested(settings_.LongTimeFormat, depth);
        }
        return pos + count;
      case 'a':
        return AmPm(format, pos);
      default:
        out_.append(format.substr(pos, count));
        return pos + count;
    }
  }

  void Number(int value, size_t count) { AppendNumber(out_, value, count == 1 ? 0 : 2); }

  void Month(size_t count) {
    const bool valid = parts_.month >= 1 && parts_.month <= 12;
    if (count <= 2)
      Number(parts_.month, count);
    else if (!valid)
      return;
    else if (count == 3)
      out_ += settings_.ShortMonthNames[parts_.month - 1];
    else
      out_ += settings_.LongMonthNames[parts_.month - 1];
  }

  void Day(size_t count, int depth) {
    const bool valid = parts_.weekday >= 1 && parts_.weekday <= 7;
    if (count <= 2)
      Number(parts_.day, count);
    else if (count == 5)
      Nested(settings_.ShortDateFormat, depth);
    else if (count >= 6)
      Nested(settings_.LongDateFormat, depth);
    else if (!valid)
      return;
    else if (count == 3)
      out_ += settings_.ShortDayNames[parts_.weekday - 1];
    else
      out_ += settings_.LongDayNames[parts_.weekday - 1];
  }

  // am/pm and a/p copy the letters of the picture itself, so their case shows through.
  size_t AmPm(std::string_view format, size_t pos) {
    const bool pm = parts_.hour >= 12;
    if (StartsWithNoCase(format, pos, "am/pm")) {
      out_.append(format.substr(pos + (pm ? 3 : 0), 2));
      return pos + 5;
    }
    if (StartsWithNoCase(format, pos, "a/p")) {
      out_ += format[pos + (pm ? 2 : 0)];
      return pos + 3;
    }
    if (StartsWithNoCase(format, pos, "ampm")) {
      out_ += pm ? settings_.TimePMString : settings_.TimeAMString;
      return pos + 4;
    }
    out_ += format[pos];
    return pos + 1;
  }

  void Nested(std::string_view format, int depth) {
    if (depth < MaxNesting) Run(format, depth + 1);
  }

  const Parts& parts_;
  const TDateSettings& settings_;
  std::string out_;
};

}  // namespace

std::string FormatDateTime(std::string_view format, TDateTime value,
                           const TDateSettings& settings) {
  Parts parts;
  DecodeDateTime(value, parts.year, parts.month, parts.day, parts.hour, parts.minute, parts.second,
                 parts.msec);
  if (parts.year != 0) parts.weekday = DayOfWeek(value);
  Formatter formatter(parts, settings);
  formatter.Run(format.empty() ? std::string_view("c") : format, 0);
  return formatter.Text();
}

std::string FormatDateTime(std::string_view format, TDateTime value) {
  return FormatDateTime(format, value, DateSettings);
}

std::string DateToStr(TDateTime value) {
  return FormatDateTime("ddddd", value);
}

std::string TimeToStr(TDateTime value) {
  return FormatDateTime("tt", value);
}

std::string DateTimeToStr(TDateTime value) {
  return FormatDateTime("c", value);
}

}  // namespace fw
