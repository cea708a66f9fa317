// Test helpers of the meter tests: a meter that counts its repaints and records its zone
// events in order, and a meter shown on a form for pixel checks.
#pragma once

#include <string>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "meter/ZEB_Meter.h"

namespace meter_test {

inline constexpr zeb::TMeterLayout kLayouts[] = {zeb::mlCirc90,  zeb::mlCirc120, zeb::mlCirc180,
                                                 zeb::mlCirc270, zeb::mlCirc300, zeb::mlCirc360};

// A meter on a shown form at (0, 0), filling it.
struct ShownMeter {
  explicit ShownMeter(int w = 297, int h = 209) : host(w, h) {
    meter = new zeb::TMeter(host.Form());
    meter->SetParent(host.Form());
    meter->SetBounds(0, 0, w, h);
    host.Show();
  }
  fw::TColor Pixel(int x, int y) { return host.Pixel(x, y); }
  // Only rims, bevel and cover on a yellow face: no scale, lamps, frame or needle.
  void QuietFace() {
    meter->SetColorBakG(fw::clYellow);
    meter->SetColorCover(fw::clAqua);
    meter->SetScaleVisible(false);
    meter->SetLimWatchHighOn(false);
    meter->SetLimWatchLowOn(false);
    meter->SetFrameStyle(zeb::fstNone);
    meter->OnBeforeDrawNeedle = [](fw::TObject*, fw::TCanvas*, bool& drawn) { drawn = true; };
    meter->SetAnchorCovered(false);
  }
  fw::TestHost host;
  zeb::TMeter* meter;
};

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
