// Gallery pages of the buttons, as live controls: speed buttons (raised, flat, grouped, with
// glyphs in each layout, disabled), the repeating speed button counting while held, every
// on/off button style, and on/off buttons with captions, groups and see-through drawing.
#include <memory>
#include <string>
#include <vector>

#include "apps/gallery/gallery.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/speed_button.h"
#include "indicators/ZEB_gradfl.h"
#include "indicators/ZEB_onoffbut.h"
#include "indicators/ZEB_repsbut.h"

namespace gallery {
namespace {

using namespace fw;
using namespace zeb;

// The shapes of the page's 16 x 16 glyphs.
enum class GlyphShape { Play, Stop, Up, Down };

void DrawGlyphShape(TCanvas* c, GlyphShape shape, int x0, TColor fill) {
  c->Pen()->SetColor(clBlack);
  c->Brush()->SetColor(fill);
  switch (shape) {
    case GlyphShape::Play: {
      const TPoint p[] = {{x0 + 4, 2}, {x0 + 12, 8}, {x0 + 4, 14}};
      c->Polygon(p);
      break;
    }
    case GlyphShape::Stop:
      c->Rectangle(x0 + 3, 3, x0 + 13, 13);
      break;
    case GlyphShape::Up: {
      const TPoint p[] = {{x0 + 8, 3}, {x0 + 14, 11}, {x0 + 2, 11}};
      c->Polygon(p);
      break;
    }
    case GlyphShape::Down: {
      const TPoint p[] = {{x0 + 2, 4}, {x0 + 14, 4}, {x0 + 8, 12}};
      c->Polygon(p);
      break;
    }
  }
}

// A sheet on an olive see-through ground: the up image, and unless `upOnly` a disabled one.
std::unique_ptr<TBitmap> GlyphSheet(GlyphShape shape, TColor fill, bool upOnly = false) {
  const int width = upOnly ? 16 : 32;
  auto sheet = std::make_unique<TBitmap>(width, 16);
  TCanvas* c = sheet->Canvas();
  c->Brush()->SetColor(clOlive);
  c->FillRect(Rect(0, 0, width, 16));
  DrawGlyphShape(c, shape, 0, fill);
  if (!upOnly) DrawGlyphShape(c, shape, 16, clSilver);
  return sheet;
}

TSpeedButton* PlaceSpeedButton(TForm& form, int x, int y, int w, int h, const std::string& text) {
  auto* b = new TSpeedButton(&form);
  b->SetBounds(x, y, w, h);
  b->SetParent(&form);
  b->SetCaption(text);
  return b;
}

void BuildSpeedButtons(TForm& page) {
  PlaceCaption(page, 10, 10, "Raised, with glyphs in the four layouts:");
  const struct {
    TButtonLayout layout;
    const char* name;
  } layouts[] = {{blGlyphLeft, "&Left"},
                 {blGlyphRight, "&Right"},
                 {blGlyphTop, "&Top"},
                 {blGlyphBottom, "&Bottom"}};
  int x = 10;
  for (const auto& l : layouts) {
    TSpeedButton* b = PlaceSpeedButton(page, x, 30, 90, l.layout <= blGlyphRight ? 28 : 44, l.name);
    b->SetGlyph(GlyphSheet(GlyphShape::Play, clLime).get());
    b->SetLayout(l.layout);
    x += 100;
  }
  PlaceCaption(page, 10, 90, "Flat (point at them), a group of three, disabled, held down:");
  const GlyphShape shapes[] = {GlyphShape::Play, GlyphShape::Stop, GlyphShape::Up};
  for (int i = 0; i < 3; ++i) {
    TSpeedButton* b = PlaceSpeedButton(page, 10 + 26 * i, 110, 25, 25, "");
    b->SetFlat(true);
    b->SetGlyph(GlyphSheet(shapes[i], i == 1 ? clRed : clLime).get());
  }
  const char* group[] = {"AM", "FM", "LW"};
  for (int i = 0; i < 3; ++i) {
    TSpeedButton* b = PlaceSpeedButton(page, 110 + 40 * i, 110, 40, 25, group[i]);
    b->SetGroupIndex(1);
    if (i == 1) b->SetDown(true);
  }
  TSpeedButton* off = PlaceSpeedButton(page, 250, 110, 90, 25, "Disabled");
  off->SetGlyph(GlyphSheet(GlyphShape::Stop, clRed, true).get());  // embossed when disabled
  off->SetEnabled(false);
  TSpeedButton* held = PlaceSpeedButton(page, 350, 110, 90, 25, "Stays down");
  held->SetGroupIndex(2);
  held->SetAllowAllUp(true);
  held->SetDown(true);

  PlaceCaption(page, 10, 160,
               "Repeating: hold a button; the count runs after 500 ms every 200 ms:");
  auto* count = new TLabel(&page);
  count->SetParent(&page);
  count->SetBounds(80, 186, 80, 20);
  count->SetCaption("50");
  const struct {
    GlyphShape shape;
    int x, step;
  } repeaters[] = {{GlyphShape::Down, 10, -1}, {GlyphShape::Up, 40, 1}};
  for (const auto& r : repeaters) {
    auto* b = new TRepSpeedButton(&page);
    b->SetBounds(r.x, 180, 28, 28);
    b->SetParent(&page);
    b->SetGlyph(GlyphSheet(r.shape, clBlue).get());
    const int step = r.step;
    b->OnRepeatClick = [count, step](TObject*) {
      count->SetCaption(std::to_string(std::stoi(count->Caption()) + step));
    };
    b->OnClick = b->OnRepeatClick;
  }
}

TOnOffBut* PlaceOnOff(TForm& form, int x, int y, int w, int h, TOnOffButStyle style) {
  auto* b = new TOnOffBut(&form);
  b->SetBounds(x, y, w, h);
  b->SetParent(&form);
  b->SetButtonStyle(style);
  return b;
}

// Every style twice, on and off, each pair named below; the last row repeats them disabled.
void BuildOnOffStyles(TForm& page) {
  for (int style = oobsUser; style <= oobsUser5; ++style) {
    const int x = 10 + (style % 6) * 150, y = 10 + (style / 6) * 80;
    for (int on = 1; on >= 0; --on) {
      TOnOffBut* b = PlaceOnOff(page, x + (1 - on) * 68, y, 66, 58, TOnOffButStyle(style));
      b->SetOnOff(on == 1);
      b->SetFrameStyle(fstNone);
      b->SetEnabled(style % 5 != 4);
    }
    PlaceCaption(page, x, y + 60, kOnOffButStyleNames[size_t(style)]);
  }
}

void BuildOnOffUses(TForm& page) {
  PlaceCaption(page, 10, 10, "Captions on four sides, in each alignment:");
  TOnOffBut* captions = PlaceOnOff(page, 10, 30, 230, 90, oobsSlideLR);
  captions->SetLeftText("Off");
  captions->SetRightText("On");
  captions->SetTopText("Pump 1");
  captions->SetBottomText("manual");
  captions->SetBottomTextAlignment(taRightJustify);
  TOnOffBut* grey = PlaceOnOff(page, 250, 30, 170, 90, oobsCheckbox);
  grey->SetRightText("Disabled");
  grey->SetEnabled(false);

  PlaceCaption(page, 10, 135, "A group of three (one on at a time), and one that allows all off:");
  const char* bands[] = {"Low", "Mid", "High"};
  for (int i = 0; i < 3; ++i) {
    TOnOffBut* b = PlaceOnOff(page, 10 + 90 * i, 155, 85, 30, oobsRadioBut);
    b->SetAutoCenter(false);
    b->SetLeftSpace(4);
    b->SetTopSpace(7);
    b->SetRightText(bands[i]);
    b->SetFrameStyle(fstNone);
    b->SetOnOff(i == 0);
    b->SetAllowAllOff(false);
    b->SetGroupIndex(1);
  }
  TOnOffBut* lamp = PlaceOnOff(page, 290, 150, 130, 40, oobsLedRedGreen);
  lamp->SetMode(oobmSpeedBut);
  lamp->SetRightText("Hold me");
  lamp->SetMouseAction(oomaPlain);
  lamp->SetAutoCenter(false);
  lamp->SetLeftSpace(10);

  PlaceCaption(page, 10, 205, "See-through over a gradient: bulb, traffic light, star:");
  auto* ground = new TGradFill(&page);
  ground->SetBounds(10, 225, 410, 110);
  ground->SetParent(&page);
  ground->SetFillType(gtVert);
  ground->SetNrColors(64);
  ground->SetColorFirst(clNavy);
  ground->SetColorLast(clTeal);
  const TOnOffButStyle seeThrough[] = {oobsBulb, oobsTrafficLPed, oobsUser5};
  for (int i = 0; i < 3; ++i) {
    TOnOffBut* b = PlaceOnOff(page, 20 + 135 * i, 230, 120, 100, seeThrough[i]);
    b->SetTransparent(true);
    b->SetFrameStyle(fstNone);
    b->SetBottomText(i == 1 ? "Walk" : "");
    b->SetColorText(clWhite);
  }
}

}  // namespace

std::vector<Page> ButtonPages() {
  return {
      LivePage("buttons_speed",
               "Speed buttons: layouts, flat, grouped, disabled; the repeating speed button", 460,
               230, BuildSpeedButtons),
      LivePage("buttons_onoff_styles",
               "On/off button: every style, on and off (every fifth disabled)", 910, 330,
               BuildOnOffStyles),
      LivePage("buttons_onoff_uses",
               "On/off button: captions, a radio group, speed mode, see-through drawing", 430, 345,
               BuildOnOffUses),
  };
}

}  // namespace gallery
