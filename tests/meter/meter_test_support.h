// Test helpers of the meter tests: a meter that counts its repaints and records its zone
// events in order, a meter shown on a form for pixel checks, pictures written to files, and
// a recorder of failed paints.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/controls/application.h"
#include "framework/graphics/bitmap.h"
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

// A picture of w x h in `fill` with the given pixels set, saved as BMP in the test's
// temporary directory.
struct Dot {
  int x, y;
  fw::TColor color;
};
inline std::string WritePicture(const std::string& name, int w, int h, fw::TColor fill,
                                std::initializer_list<Dot> dots) {
  fw::TBitmap b(w, h);
  b.Canvas()->Brush()->SetColor(fill);
  b.Canvas()->FillRect(fw::Rect(0, 0, w, h));
  for (const Dot& d : dots) b.Canvas()->SetPixels(d.x, d.y, d.color);
  std::string path =
      (std::filesystem::path(::testing::TempDir()) / ("meter_face_" + name)).string();
  b.SaveToFile(path);
  return path;
}

// Collects, while it lives, the messages of exceptions handed to the application's handler:
// paints that failed, in the framework's paint cycle or in a setter.
struct PaintErrors {
  PaintErrors() {
    fw::Application->OnException = [this](fw::TObject*, const std::exception& e) {
      messages.push_back(e.what());
    };
  }
  ~PaintErrors() { fw::Application->OnException = nullptr; }
  PaintErrors(const PaintErrors&) = delete;
  PaintErrors& operator=(const PaintErrors&) = delete;
  std::vector<std::string> messages;
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
