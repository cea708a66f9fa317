// Fuzzes the row editing form's date/time reading: an arbitrary picture and text (split at
// the first zero byte) through ParseDateTimeWithPicture, the picture and format lines of
// column formats through ParseEditLineFormat and SplitEditItems. A read value must lie in the
// calendar and write back through its picture; an error must leave 0.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/rtl/datetime.h"
#include "framework/stdctrls/datetime_picture.h"
#include "replist/ZEB_replist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool fixedClock = [] {
    fw::SetClockSource([] { return fw::EncodeDateTime(2026, 12, 7, 12, 0, 0, 0); });
    return true;
  }();
  (void)fixedClock;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string_view picture = input.substr(0, split);
  const std::string_view text = split == std::string_view::npos ? "" : input.substr(split + 1);

  int error = 0;
  const double value = zeb::ParseDateTimeWithPicture(text, picture, error);
  if (error != 0 && value != 0) __builtin_trap();
  if (error < -4 || error > 0) __builtin_trap();
  if (error == 0) {
    if (!(value >= fw::MinDateTime && value <= fw::MaxDateTime)) __builtin_trap();
    fw::FormatDateTimePicture(picture, value);
  }
  const zeb::TEditLineFormat line = zeb::ParseEditLineFormat(input);
  if (line.width < 1) __builtin_trap();
  zeb::SplitEditItems(line.rest);
  return 0;
}
