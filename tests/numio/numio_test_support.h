// Shared helpers of the numeric input tests: a guard that restores the platform's number
// settings, and the largest double under its component name.
#pragma once

#include "companion/ZEB_univconst.h"
#include "framework/rtl/numtext.h"

namespace numio_test {

// Restores fw::FormatSettings when a test that changes the platform separator ends.
class SeparatorGuard {
 public:
  explicit SeparatorGuard(char separator) : saved_(fw::FormatSettings) {
    fw::FormatSettings.DecimalSeparator = separator;
  }
  ~SeparatorGuard() { fw::FormatSettings = saved_; }
  SeparatorGuard(const SeparatorGuard&) = delete;
  SeparatorGuard& operator=(const SeparatorGuard&) = delete;

 private:
  fw::TFormatSettings saved_;
};

inline constexpr double kMax = zeb::uc_MaxDouble;

}  // namespace numio_test
