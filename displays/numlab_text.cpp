// The number text of TNumLab: one formatter per display type, then the decimal separator and
// the plus sign.
#include <cmath>
#include <cstdint>
#include <exception>
#include <optional>

#include "displays/ZEB_NumLab.h"
#include "framework/rtl/datetime.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/rounding.h"

namespace zeb {

namespace {

// The value rounded to an integer (halves to even); none when it is not a finite number
// within the 64-bit range.
std::optional<int64_t> RoundedInteger(double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 9.2e18) return std::nullopt;
  return fw::Round(value);
}

// The 64-bit pattern of n in base 2 or 8, at least `digits` digits.
std::string UnsignedDigits(int64_t n, unsigned base, int digits) {
  uint64_t u = static_cast<uint64_t>(n);
  std::string text;
  do {
    text.insert(text.begin(), static_cast<char>('0' + u % base));
    u /= base;
  } while (u != 0);
  if (static_cast<int>(text.size()) < digits)
    text.insert(0, static_cast<size_t>(digits) - text.size(), '0');
  return text;
}

std::string Fixed(double value, int decimals) {
  return fw::Format("%*.*f", {1, decimals, value});
}

// Two digits at least: "05", "59".
std::string TwoDigits(int64_t n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

// A part below 60 formatted with `decimals` decimals that rounds up to 60 carries one into
// the next larger unit.
std::string PartBelowSixty(double part, int decimals, int64_t& carry) {
  std::string text = Fixed(part, decimals);
  if (text.rfind("60", 0) == 0) {
    ++carry;
    text = Fixed(0.0, decimals);
  }
  return text.size() == 1 || text[1] == '.' ? "0" + text : text;
}

std::optional<std::string> Angle(TDisplay type, double value, int decimals) {
  if (!std::isfinite(value) || std::fabs(value) >= 9.2e18) return std::nullopt;
  const std::string sign = value < 0 ? "-" : "";
  const double magnitude = std::fabs(value);
  if (type == dtDeg) return Fixed(value, decimals) + "°";
  int64_t degrees = static_cast<int64_t>(magnitude);
  const double minutes = (magnitude - static_cast<double>(degrees)) * 60;
  if (type == dtDegMin) {
    const std::string text = PartBelowSixty(minutes, decimals, degrees);
    return sign + std::to_string(degrees) + "°" + text + "'";
  }
  int64_t wholeMinutes = static_cast<int64_t>(minutes);
  const double seconds = (minutes - static_cast<double>(wholeMinutes)) * 60;
  const std::string secondsText = PartBelowSixty(seconds, decimals, wholeMinutes);
  if (wholeMinutes == 60) {
    wholeMinutes = 0;
    ++degrees;
  }
  return sign + std::to_string(degrees) + "°" + TwoDigits(wholeMinutes) + "'" + secondsText + "\"";
}

// A mantissa from 1 up to 1000 and an exponent that is a multiple of three.
std::optional<std::string> Engineering(double value, int decimals) {
  if (!std::isfinite(value)) return std::nullopt;
  int exponent =
      value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value)) / 3)) * 3;
  // In two steps, so that the scale of the smallest numbers stays a normal number.
  double mantissa = value / std::pow(10.0, exponent / 2) / std::pow(10.0, exponent - exponent / 2);
  std::string text = Fixed(mantissa, decimals);
  if (std::fabs(fw::StrToFloatDef(text, 0)) >= 1000) {
    exponent += 3;
    mantissa /= 1000;
    text = Fixed(mantissa, decimals);
  }
  return text + "E" + (exponent < 0 ? "-" : "+") + fw::Format("%.3d", {std::abs(exponent)});
}

// The calendar's days: 0001-01-01 up to the end of 9999-12-31.
constexpr double kFirstDate = -693593.0, kEndOfDates = 2958466.0;

std::optional<std::string> DateText(const std::string& format, double value) {
  if (!(value >= kFirstDate && value < kEndOfDates)) return std::nullopt;
  try {
    return fw::FormatDateTime(format, value);
  } catch (const std::exception&) {
    return std::nullopt;  // not a date the calendar holds
  }
}

std::optional<std::string> Formatted(const TNumLabFormat& f, double value) {
  const int p = f.precision;
  switch (f.type) {
    case dtFloat:
      return fw::Format("%*.*g", {1, p, value});
    case dtFixP:
      return fw::Format("%*.*f", {1, p, value});
    case dtExp:
      return fw::Format("%*.*e", {1, p, value});
    case dtDateTime:
      return DateText(f.dtFormat, value);
    case dtState:
      return f.stateText;
    case dtDeg:
    case dtDegMin:
    case dtDegMinSec:
      return Angle(f.type, value, p);
    case dtEEng:
      return Engineering(value, p);
    case dtEEngNoDP:
      return Engineering(value, 0);
    default:
      break;
  }
  const std::optional<int64_t> n = RoundedInteger(value);
  if (!n) return std::nullopt;
  switch (f.type) {
    case dtHex:
      return fw::Format("%*.*x", {1, p, static_cast<long long>(*n)});
    case dtZeroInt:
      return fw::Format("%*.*d", {1, p, static_cast<long long>(*n)});
    case dtBin:
      return UnsignedDigits(*n, 2, p);
    case dtOct:
      return UnsignedDigits(*n, 8, p);
    default:
      return fw::Format("%*.*d", {1, 0, static_cast<long long>(*n)});
  }
}

bool KeepsItsSeparators(TDisplay type) {
  return type == dtHex || type == dtDateTime || type == dtState || type == dtBin;
}

}  // namespace

std::string NumLabText(const TNumLabFormat& format, double value) {
  std::optional<std::string> text = Formatted(format, value);
  if (!text) return format.overflowIndicator;
  if (KeepsItsSeparators(format.type)) return *text;
  for (char& c : *text) {
    if (c == '.' || c == ',') c = format.comma ? ',' : '.';
  }
  if (format.forcePlusSign && value > 0) text->insert(0, "+");
  return *text;
}

}  // namespace zeb
