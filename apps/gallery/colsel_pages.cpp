// Gallery page of the colour selector: the four palettes, an open list, editable entries with
// their edit symbol (a click on the colour bar opens the colour dialog), a narrow bar, a
// renamed colour and a disabled selector.
#include <string>

#include "apps/gallery/gallery.h"
#include "browse/ZEB_Colsel.h"
#include "companion/ZEB_zebcolors.h"

namespace gallery {
namespace {

using namespace fw;
using zeb::TColSel;

void BuildColSel(TForm& form) {
  PlaceCaptioned<TColSel>(form, 10, 20, 170, 22, "LoadBasicVGAPalette (16)",
                          [](TColSel& c) { c.LoadBasicVGAPalette(); });
  PlaceCaptioned<TColSel>(form, 10, 80, 170, 22, "LoadWindowsSystemPalette (27)",
                          [](TColSel& c) { c.LoadWindowsSystemPalette(); });
  PlaceCaptioned<TColSel>(form, 10, 140, 170, 22, "ColorBarWidth 11: no edit symbol",
                          [](TColSel& c) {
                            c.SetColorBarWidth(11);
                            c.SetAllColorEditFlags();
                            c.SetSelColor(clRed);
                          });
  PlaceCaptioned<TColSel>(form, 10, 200, 170, 22, "Disabled", [](TColSel& c) {
    c.SetSelColor(clNavy);
    c.SetEnabled(false);
  });
  PlaceCaptioned<TColSel>(form, 220, 20, 170, 22, "Renamed: \"Signal red\"", [](TColSel& c) {
    c.OnColorNameChange = [](TObject*, std::string& name) {
      if (name == "clRed") name = "Signal red";
    };
    c.LoadExtendedPalette();
    c.SetSelColor(clRed);
  });
  auto* open = PlaceCaptioned<TColSel>(form, 220, 92, 170, 22, "", [](TColSel& c) {
    c.LoadStandardPalette();
    c.SetAllColorEditFlags();
    c.SetDropDownCount(10);
    c.SetSelColor(clGreen);
  });
  PlaceCaption(form, 220, 72, "Editable: click a colour bar");
  WhenFirstShown(form, [&form, open] {
    form.SetActiveControl(open);
    open->SetDroppedDown(true);
  });
}

}  // namespace

std::vector<Page> ColSelPages() {
  return {LivePage("browse_colsel", "Colour selector", 420, 300, BuildColSel)};
}

}  // namespace gallery
