// Gallery pages of the numeric inputs: the edit field, one field per input format holding a
// value and the fields' typing rules shown by the texts they accept; and the input panel with
// its caption and unit, spin buttons, gauge, freeze box and warning colours. All are live
// controls on the page's form.
#include <string>

#include "apps/gallery/gallery.h"
#include "framework/graphics/canvas.h"
#include "framework/rtl/numtext.h"
#include "numio/ZEB_NumIO.h"

namespace gallery {
namespace {

using namespace fw;
using namespace zeb;

// A field with a wide range on the form at (x, y) below its caption, set up by `setup`.
template <typename Setup>
TNumIO* PlaceField(TForm& form, int x, int y, const std::string& caption, Setup setup) {
  auto* field = new TNumIO(&form);
  field->SetBounds(x, y + 16, 160, 24);
  field->SetRangeHigh(1e9);
  field->SetRangeLow(-1e9);
  setup(*field);
  field->SetParent(&form);
  PlaceCaption(form, x, y, caption);
  return field;
}

void BuildFormats(TForm& page) {
  const struct {
    TInFormat format;
    const char* name;
    double value;
  } formats[] = {
      {itExp, "itExp", 123.456789},
      {itFloat, "itFloat", -2.5},
      {itFixPoint, "itFixPoint", 3.14159},
      {itInt, "itInt", 4711},
      {itHex, "itHex", 48879},
      {itOct, "itOct", 511},
      {itBin, "itBin", 165},
      {itDynamic, "itDynamic", 1e-7},
  };
  int i = 0;
  for (const auto& f : formats) {
    const int x = 10 + (i % 2) * 200, y = 10 + (i / 2) * 56;
    PlaceField(page, x, y, std::string(f.name) + ", value " + fw::FloatToStr(f.value),
               [&](TNumIO& n) {
                 n.SetInputFormat(f.format);
                 n.SetLabValue(f.value);
               });
    ++i;
  }
  // Texts as a user types them: each is one the filter lets through.
  const struct {
    TInFormat format;
    TDecPSep sep;
    const char* text;
    const char* caption;
  } typed[] = {
      {itExp, dpPlatform, "1.5e-", "itExp while typing"},
      {itDynamic, dpPlatform, "$1F", "itDynamic, \"$\" hex"},
      {itDynamic, dpPlatform, "%1011", "itDynamic, \"%\" binary"},
      {itFloat, dpComma, "-0,75", "itFloat, comma separator"},
  };
  i = 0;
  TNumIO* typing = nullptr;
  for (const auto& t : typed) {
    const int x = 420, y = 10 + i * 56;
    TNumIO* field = PlaceField(page, x, y, t.caption, [&](TNumIO& n) {
      n.SetInputFormat(t.format);
      n.SetDecPlaceSep(t.sep);
      n.SetText(t.text);
    });
    if (!typing) typing = field;
    ++i;
  }
  // The first typed text has the focus, with the caret at its end, ready to go on typing.
  WhenFirstShown(page, [&page, typing] {
    page.SetActiveControl(typing);
    typing->SetSelStart(static_cast<int>(typing->Text().size()));
  });
  PlaceField(page, 10, 240, "itFixPoint, 4 places, typed \"2\"", [](TNumIO& n) {
    n.SetInputFormat(itFixPoint);
    n.SetFixPointDecPlaces(4);
    n.SetText("2");
  });
  PlaceField(page, 210, 240, "Range 10..20: \"25\" refused", [](TNumIO& n) {
    n.SetInputFormat(itInt);
    n.SetRangeLow(10);
    n.SetRangeHigh(20);
    n.SetText("15");
    n.SetText("25");
  });
  PlaceField(page, 420, 240, "Read-only, no border", [](TNumIO& n) {
    n.SetInputFormat(itFloat);
    n.SetReadOnly(true);
    n.SetBorderStyle(bsNone);
    n.SetLabValue(99.5);
  });
}

// A panel at (x, y), 250 x 30, with caption and unit, set up by `setup`; the caption of the
// showcase below it.
template <typename Setup>
TNumIO2* PlacePanel(TForm& form, int x, int y, const std::string& caption, Setup setup) {
  return PlaceCaptioned<TNumIO2>(form, x, y, 250, 30, caption, [&](TNumIO2& p) {
    p.SetLeftText("Gain");
    p.SetRightText("dB");
    setup(p);
  });
}

void BuildPanels(TForm& page) {
  TNumIO2* first = PlacePanel(page, 10, 10, "Typed value, caret blinking",
                              [](TNumIO2& p) { p.SetNioValue(12.5); });
  PlacePanel(page, 10, 70, "Spin buttons, increment 0.25", [](TNumIO2& p) {
    p.SetButVisible(true);
    p.SetButIncrem(0.25);
    p.SetNioValue(3.75);
  });
  PlacePanel(page, 10, 130, "Gauge: click or drag it", [](TNumIO2& p) {
    p.SetBounds(p.Left(), p.Top(), 250, 34);
    p.SetGaugeVisible(true);
    p.SetGaugeWidth(80);
    p.SetNioValue(640);
  });
  PlacePanel(page, 10, 194, "Steps 0, 10, 20, 50, 100 on buttons and gauge", [](TNumIO2& p) {
    p.SetBounds(p.Left(), p.Top(), 250, 34);
    p.SetRangeHigh(100);
    p.SetStepValues({0, 10, 20, 50, 100});
    p.SetButVisible(true);
    p.SetGaugeVisible(true);
    p.SetGaugeWidth(80);
    p.SetNioValue(20);
  });
  PlacePanel(page, 300, 10, "Out of range 0..1000: warning colours",
             [](TNumIO2& p) { p.SetNioValue(1250); });
  PlacePanel(page, 300, 70, "Freeze box checked: read-only", [](TNumIO2& p) {
    p.SetFreezeBoxVisible(true);
    p.SetFreezeBoxLeft(40);
    p.SetNioValue(42);
    p.SetFreezeBoxChecked(true);
  });
  PlacePanel(page, 300, 130, "itDynamic: \"$1F\" typed as Shift+4, 1, F", [](TNumIO2& p) {
    p.SetInputFormat(itDynamic);
    p.SetText("$1F");
    p.SetLeftText("Code");
    p.SetRightText("");
  });
  PlacePanel(page, 300, 194, "Disabled, raised frame, left-aligned", [](TNumIO2& p) {
    p.SetFrameStyle(fstRaised);
    p.SetAlignment(taLeftJustify);
    p.SetNioValue(7.5);
    p.SetEnabled(false);
  });
  // The first panel has the focus, the caret after its text, ready to go on typing.
  WhenFirstShown(page, [first] {
    first->SetFocus();
    first->SetSelBegin(static_cast<int>(first->Text().size()));
  });
}

}  // namespace

std::vector<Page> NumIOPages() {
  return {
      LivePage("numio_formats", "Numeric edit field: input formats and typed texts", 600, 300,
               BuildFormats),
      LivePage("numio_panel", "Numeric input panel: spin buttons, gauge, freeze box, warnings", 570,
               250, BuildPanels),
  };
}

}  // namespace gallery
