// The current backend and the switch between backends.
#include "framework/controls/backend.h"

#include "framework/controls/timers.h"
#include "framework/rtl/datetime.h"

namespace fw {

namespace {

TBackend*& Installed() {
  static TBackend* installed = nullptr;
  return installed;
}

TBackend& DefaultBackend() {
  static std::unique_ptr<TBackend> backend = CreateDefaultBackend();
  return *backend;
}

}  // namespace

TBackend& CurrentBackend() {
  TBackend* b = Installed();
  return b ? *b : DefaultBackend();
}

TBackend* InstalledBackend() {
  return Installed();
}

void SetBackend(TBackend* backend) {
  const int64_t before = CurrentBackend().Milliseconds();
  Installed() = backend;
  const int64_t after = CurrentBackend().Milliseconds();
  timer_detail::ShiftTimers(after - before);
  // Now, Date and Time follow an installed backend's clock (the virtual one in tests) and the
  // system clock otherwise.
  if (backend) {
    SetClockSource([backend] { return backend->Now(); });
  } else {
    SetClockSource(nullptr);
  }
}

}  // namespace fw
