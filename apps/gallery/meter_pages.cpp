// Gallery pages of the analogue meter: every layout, a logarithmic scale, threshold bands with
// a secondary needle, frame styles and limit lamps.
#include <memory>
#include <string>

#include "apps/gallery/gallery.h"
#include "framework/graphics/canvas.h"
#include "meter/ZEB_Meter.h"

namespace gallery {
namespace {

using namespace fw;
using namespace zeb;

// A meter created free-standing, set up by `setup`, and rendered at (x, y) with a caption.
template <typename Setup>
void PlaceMeter(TBitmap& page, int x, int y, int w, int h, const std::string& caption,
                Setup setup) {
  auto meter = std::make_unique<TMeter>(nullptr);
  meter->SetBounds(0, 0, w, h);
  setup(*meter);
  meter->PaintTo(page.Canvas(), x, y);
  Caption(page.Canvas(), x, y + h + 4, caption);
}

void FillPage(TBitmap& page) {
  page.Canvas()->Brush()->SetColor(clBtnFace);
  page.Canvas()->FillRect(Rect(0, 0, page.Width(), page.Height()));
}

void RenderLayouts(TBitmap& page) {
  FillPage(page);
  const struct {
    TMeterLayout layout;
    const char* name;
  } layouts[] = {{mlCirc90, "mlCirc90"},   {mlCirc120, "mlCirc120"}, {mlCirc180, "mlCirc180"},
                 {mlCirc270, "mlCirc270"}, {mlCirc300, "mlCirc300"}, {mlCirc360, "mlCirc360"}};
  int i = 0;
  for (const auto& l : layouts) {
    const int x = 10 + (i % 3) * 260, y = 10 + (i / 3) * 230;
    PlaceMeter(page, x, y, 240, 190, std::string(l.name) + ", value 62 of 0..100",
               [&](TMeter& m) {
                 m.SetMeterLayout(l.layout);
                 m.SetMaxValue(100);
                 m.SetValue(62);
                 m.SetUnitLabel("V");
               });
    ++i;
  }
}

void RenderStates(TBitmap& page) {
  FillPage(page);
  PlaceMeter(page, 10, 10, 240, 190, "Logarithmic 1..1000, value 40", [](TMeter& m) {
    m.SetMaxValue(1000);
    m.SetMinValue(1);
    m.SetLogarithmic(true);
    m.SetValue(40);
    m.SetUnitLabel("Hz");
  });
  PlaceMeter(page, 270, 10, 240, 190, "Bands on, thresholds 20 and 80, two needles",
             [](TMeter& m) {
               m.SetMaxValue(100);
               m.SetScaleBkVisible(true);
               m.SetLowThreshold(20);
               m.SetHighThreshold(80);
               m.SetValue(70);
               m.NeedleLayoutSec()->SetVisible(true);
               m.SetValue2(35);
             });
  PlaceMeter(page, 530, 10, 240, 190, "Over the high limit: lamp lit", [](TMeter& m) {
    m.SetMaxValue(100);
    m.SetLimWatchHighOn(true);
    m.SetLimWatchLowOn(true);
    m.SetHighThreshold(80);
    m.SetValue(92);
  });
  PlaceMeter(page, 10, 240, 160, 120, "Small, raised frame", [](TMeter& m) {
    m.SetFrameStyle(fstRaised);
    m.SetValue(0.3);
  });
  PlaceMeter(page, 190, 240, 330, 230, "Large, 0..5 bar, 1 decimal", [](TMeter& m) {
    m.SetMeterDecPlaces(1);
    m.SetMaxValue(5);
    m.SetValue(3.3);
    m.SetUnitLabel("bar");
  });
}

}  // namespace

std::vector<Page> MeterPages() {
  return {
      {"meter_layouts", "Meter: the six layouts", 790, 470, RenderLayouts},
      {"meter_states", "Meter: scales, bands, needles, lamps, sizes", 790, 500, RenderStates},
  };
}

}  // namespace gallery
