// Gallery pages of the analogue meter: every layout, a logarithmic scale, threshold bands with
// a secondary needle, frame styles and limit lamps, the open layouts at several shapes, and
// background and anchor pictures, as live meters on the pages' forms.
#include <filesystem>
#include <string>

#include "apps/gallery/gallery.h"
#include "meter/ZEB_Meter.h"

namespace gallery {
namespace {

using namespace fw;
using namespace zeb;

// A TMeter on the form at (x, y), set up by `setup`, with a caption below it.
template <typename Setup>
void PlaceMeter(TForm& form, int x, int y, int w, int h, const std::string& caption, Setup setup) {
  PlaceCaptioned<TMeter>(form, x, y, w, h, caption, setup);
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
    PlaceMeter(page, x, y, 240, 190, std::string(l.name) + ", 62 of 0..100, limits 20, 80",
               [&](TMeter& m) {
                 m.SetMeterLayout(l.layout);
                 m.SetMaxValue(100);
                 m.SetHighThreshold(80);
                 m.SetLowThreshold(20);
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
    m.SetHighThreshold(500);
    m.SetLogarithmic(true);
    m.SetMeterDecPlaces(0);
    m.SetValue(40);
    m.SetUnitLabel("Hz");
  });
  PlaceMeter(page, 270, 10, 240, 190, "Bands on, thresholds 20 and 80, two needles", [](TMeter& m) {
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
  PlaceMeter(page, 190, 240, 330, 230, "Large, 0..5 bar, limits 0.5 and 4", [](TMeter& m) {
    m.SetMeterDecPlaces(1);
    m.SetMaxValue(5);
    m.SetHighThreshold(4);
    m.SetLowThreshold(0.5);
    m.SetValue(3.3);
    m.SetUnitLabel("bar");
  });
}

// The layouts whose radius and pivot are this library's own, on wide, square and tall faces.
void BuildFit(TForm& page) {
  const struct {
    TMeterLayout layout;
    const char* name;
  } layouts[] = {{mlCirc180, "mlCirc180"}, {mlCirc270, "mlCirc270"}, {mlCirc360, "mlCirc360"}};
  const struct { int w, h; } shapes[] = {{300, 150}, {200, 200}, {150, 260}};
  int y = 10;
  for (const auto& l : layouts) {
    int x = 10;
    for (const auto& shape : shapes) {
      PlaceMeter(
          page, x, y, shape.w, shape.h,
          std::string(l.name) + " " + std::to_string(shape.w) + " x " + std::to_string(shape.h),
          [&](TMeter& m) {
            m.SetMeterLayout(l.layout);
            m.SetMinValue(-50);
            m.SetMaxValue(50);
            m.SetHighThreshold(30);
            m.SetLowThreshold(-30);
            m.SetMeterDecPlaces(0);
            m.SetScaleBkVisible(true);
            m.SetScaleBkWidth(8);
            m.SetValue(20);
          });
      x += shape.w + 20;
    }
    y += 290;
  }
}

// Pictures are read from files, so the page writes its own into the temporary folder.
std::string WritePicture(const std::string& name, const TBitmap& picture) {
  const std::string path = (std::filesystem::temp_directory_path() / name).string();
  picture.SaveToFile(path);
  return path;
}

// A 48 x 36 tile: a soft blue field with a lighter diamond.
std::string BackgroundTile() {
  TBitmap tile(48, 36);
  TCanvas* c = tile.Canvas();
  c->Brush()->SetColor(0xF0D8C0);
  c->FillRect(Rect(0, 0, 48, 36));
  c->Brush()->SetColor(0xFFF0E0);
  c->Pen()->SetColor(0xE0C8B0);
  const TPoint diamond[] = {{24, 4}, {44, 18}, {24, 32}, {4, 18}};
  c->Polygon(diamond);
  return WritePicture("panekit_gallery_meter_tile.bmp", tile);
}

// A 40 x 40 anchor: a gold ring with a dark centre on black, which the meter leaves out.
std::string AnchorPicture() {
  TBitmap anchor(40, 40);
  TCanvas* c = anchor.Canvas();
  c->Brush()->SetColor(clBlack);
  c->FillRect(Rect(0, 0, 40, 40));
  c->Pen()->SetColor(0x108080);
  c->Brush()->SetColor(0x30C0E0);
  c->Ellipse(2, 2, 38, 38);
  c->Brush()->SetColor(0x204040);
  c->Ellipse(13, 13, 27, 27);
  return WritePicture("panekit_gallery_meter_anchor.bmp", anchor);
}

void BuildPictures(TForm& page) {
  const std::string tile = BackgroundTile();
  const std::string anchor = AnchorPicture();
  const struct {
    TBkgFill fill;
    const char* name;
  } fills[] = {{bfTile, "bfTile"}, {bfStretch, "bfStretch"}, {bfSimple, "bfSimple"}};
  int x = 10;
  for (const auto& f : fills) {
    PlaceMeter(page, x, 10, 240, 190, std::string("Background ") + f.name + ", anchor picture",
               [&](TMeter& m) {
                 m.SetBakGndFname(tile);
                 m.SetBkgndFillMode(f.fill);
                 m.SetACoverFname(anchor);
                 m.SetMeterLayout(mlCirc300);
                 m.SetMaxValue(100);
                 m.SetHighThreshold(100);
                 m.SetMeterDecPlaces(0);
                 m.SetValue(35);
                 m.NeedleLayout()->SetColorFill(clYellow);
                 m.NeedleLayout()->SetShadowDx(-3);
                 m.NeedleLayout()->SetShadowDy(-3);
               });
    x += 260;
  }
}

}  // namespace

std::vector<Page> MeterPages() {
  return {
      LivePage("meter_layouts", "Meter: the six layouts", 790, 470, BuildLayouts),
      LivePage("meter_states", "Meter: scales, bands, needles, lamps, sizes", 790, 500,
               BuildStates),
      LivePage("meter_fit", "Meter: 180, 270 and 360 degrees on wide, square and tall faces", 720,
               880, BuildFit),
      LivePage("meter_pictures", "Meter: background fill modes and an anchor picture", 790, 230,
               BuildPictures),
  };
}

}  // namespace gallery
