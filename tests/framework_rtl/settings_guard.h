// Restores fw::FormatSettings when a test that changes them ends.
#pragma once

#include "framework/rtl/numtext.h"

namespace fw::test {

class SettingsGuard {
 public:
  SettingsGuard() : saved_(FormatSettings) {}
  ~SettingsGuard() { FormatSettings = saved_; }
  SettingsGuard(const SettingsGuard&) = delete;
  SettingsGuard& operator=(const SettingsGuard&) = delete;

 private:
  TFormatSettings saved_;
};

}  // namespace fw::test
