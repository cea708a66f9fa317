// Test helpers of the meter tests: a meter that counts its repaints and records its zone
// events in order.
#pragma once

#include <string>
#include <vector>

#include "meter/ZEB_Meter.h"

namespace meter_test {

class CountingMeter : public zeb::TMeter {
 public:
  explicit CountingMeter(fw::TComponent* owner = nullptr) : zeb::TMeter(owner) {
    OnOverFlow = [this](fw::TObject*) { events.push_back("over"); };
    OnNormalRange = [this](fw::TObject*) { events.push_back("normal"); };
    OnUnderFlow = [this](fw::TObject*) { events.push_back("under"); };
  }
  void Paint() override { ++paints; }
  // Forgets what happened so far.
  void Reset() {
    paints = 0;
    events.clear();
  }

  int paints = 0;
  std::vector<std::string> events;
};

}  // namespace meter_test
