// Gallery page of the numeric edit field: one field per input format holding a value, and
// the fields' typing rules shown by the texts they accept, as live fields on the page's form.
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

}  // namespace

std::vector<Page> NumIOPages() {
  return {
      LivePage("numio_formats", "Numeric edit field: input formats and typed texts", 600, 300,
               BuildFormats),
  };
}

}  // namespace gallery
