// Fuzzes the date and time text routines: StrToDate, StrToTime and StrToDateTime on
// arbitrary text under several short date pictures, and FormatDateTime with arbitrary
// format strings. Parsed values must format back without trouble.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "framework/rtl/datetime.h"

namespace {

const fw::TDateSettings& Settings(uint8_t which) {
  static const fw::TDateSettings settings[] = {
      fw::TDateSettings{},
      [] {
        fw::TDateSettings s;
        s.ShortDateFormat = "dd.mm.yyyy";
        s.DateSeparator = ".";
        return s;
      }(),
      [] {
        fw::TDateSettings s;
        s.ShortDateFormat = "yyyy-mm-dd";
        s.DateSeparator = "-";
        s.TimeSeparator = ".";
        return s;
      }(),
  };
  return settings[which % 3];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool fixedClock = [] {
    fw::SetClockSource([] { return fw::EncodeDateTime(2026, 12, 7, 12, 0, 0, 0); });
    return true;
  }();
  (void)fixedClock;
  if (size < 9) return 0;
  const fw::TDateSettings& settings = Settings(data[0]);
  double value = 0;
  std::memcpy(&value, data + 1, sizeof value);
  const std::string_view text(reinterpret_cast<const char*>(data + 9), size - 9);

  fw::TDateTime parsed = 0;
  if (fw::TryStrToDate(text, parsed, settings) || fw::TryStrToTime(text, parsed, settings) ||
      fw::TryStrToDateTime(text, parsed, settings)) {
    if (!(parsed >= fw::MinDateTime && parsed <= fw::MaxDateTime)) __builtin_trap();
    fw::FormatDateTime("c", parsed, settings);
  }
  // The rest of the input as a format picture, applied to the fuzzed value and to a
  // date inside the calendar.
  fw::FormatDateTime(text, value, settings);
  if (std::isfinite(value)) fw::FormatDateTime(text, std::fmod(value, fw::MaxDateTime), settings);
  return 0;
}
