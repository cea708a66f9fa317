// Gallery pages of the analogue meter: every layout, a logarithmic scale, threshold bands with
// a secondary needle, frame styles and limit lamps, as live meters on the pages' forms.
#include <string>

#include "apps/gallery/gallery.h"
#include "meter/ZEB_Meter.h"

namespace gallery {
namespace {

using namespace fw;
using namespace zeb;

// A meter on the form at (x, y), set up by `setup`, with a caption below it.
template <typename Setup>
void PlaceMeter(TForm& form, int x, int y, int w, int h, const std::string& caption,
                Setup setup) {
  auto* meter = new TMeter(&form);
  meter->SetBounds(x, y, w, h);
  meter->SetParent(&form);
  setup(*meter);
  PlaceCaption(form, x, y + h + 4, caption);
}

void BuildLayouts(TForm& page) {
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

void BuildStates(TForm& page) {
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
      LivePage("meter_layouts", "Meter: the six layouts", 790, 470, BuildLayouts),
      LivePage("meter_states", "Meter: scales, bands, needles, lamps, sizes", 790, 500,
               BuildStates),
  };
}

}  // namespace gallery
