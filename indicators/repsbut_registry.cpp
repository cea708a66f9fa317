// The class record of TRepSpeedButton: the speed button's properties and its own.
#include <limits>

#include "framework/base/registry.h"
#include "indicators/ZEB_repsbut.h"

namespace zeb {

namespace {

void RegisterRepSpeedButton() {
  fw::RegisterClass<TRepSpeedButton>("TRepSpeedButton", "TSpeedButton")
      .StoreEveryValue()
      .Int("StartClickInterval", &TRepSpeedButton::StartClickInterval,
           &TRepSpeedButton::SetStartClickInterval, 500)
      .Range(10, std::numeric_limits<int>::max())
      .Int("RepeatClickInterval", &TRepSpeedButton::RepeatClickInterval,
           &TRepSpeedButton::SetRepeatClickInterval, 200)
      .Range(10, std::numeric_limits<int>::max())
      .Event("OnRepeatClick");
}

const bool registered = (RegisterRepSpeedButton(), true);

}  // namespace

}  // namespace zeb
