// Gallery page of the mini calendar, as live controls: the calendar in each of its four
// languages, with the first weekday on Monday and on Sunday, short and long month names,
// added holidays, its own colours without 3-D buttons, and a label that follows the
// selected date.
#include <string>
#include <vector>

#include "apps/gallery/gallery.h"
#include "browse/ZEB_MiniCal.h"
#include "framework/stdctrls/label.h"

namespace gallery {
namespace {

using namespace fw;
using namespace zeb;

void BuildMiniCals(TForm& page) {
  auto* picked = new TLabel(&page);
  picked->SetParent(&page);
  picked->SetBounds(10, 10, 600, 20);
  picked->SetCaption("Click a day, a button or the title row; keys and the wheel move the date.");

  TMiniCal* english =
      PlaceCaptioned<TMiniCal>(page, 10, 40, 300, 180, "English, today's month", [](TMiniCal&) {});
  english->OnChange = [english, picked](TObject*) {
    std::string name;
    english->CheckHoliday(english->Year(), english->Month(), english->Day(), name);
    picked->SetCaption("Selected: " + FormatDateTime("dddd, d mmmm yyyy", english->Date()) +
                       (name.empty() ? "" : "  (" + name + ")"));
  };
  PlaceCaptioned<TMiniCal>(page, 330, 40, 300, 180, "German, Sunday first, long names, May 2024",
                           [](TMiniCal& c) {
                             c.SetLanguage(lgGerman);
                             c.SetFirstDayOfWeek(dwSun);
                             c.SetShowMonthShort(false);
                             c.SetDate(EncodeDate(2024, 5, 20));
                           });
  PlaceCaptioned<TMiniCal>(page, 10, 250, 300, 180, "French, December 2030 with two added holidays",
                           [](TMiniCal& c) {
                             c.SetLanguage(lgFrench);
                             c.AddHoliday(24, 12, 2030, "Réveillon 2030");
                             c.AddRepeatHoliday(31, 12, "Saint-Sylvestre");
                             c.SetDate(EncodeDate(2030, 12, 31));
                           });
  PlaceCaptioned<TMiniCal>(page, 330, 250, 300, 180,
                           "Spanish, own colours, flat buttons, no movable feasts",
                           [](TMiniCal& c) {
                             c.SetLanguage(lgSpanish);
                             c.SetCtl3D(false);
                             c.SetShowMovableHolidays(false);
                             c.SetColorSelectedBg(RGB(0, 128, 64));
                             c.SetColorDayIdBg(RGB(210, 225, 240));
                             c.SetColorWeekNoBg(RGB(210, 225, 240));
                             c.SetDayColors(dwSun, RGB(255, 220, 220));
                             c.SetDate(EncodeDate(2024, 4, 1));
                           });
  PlaceCaptioned<TMiniCal>(page, 650, 40, 180, 120, "Small: 180 x 120",
                           [](TMiniCal& c) { c.SetDate(EncodeDate(2026, 12, 31)); });
  PlaceCaptioned<TMiniCal>(page, 650, 200, 240, 230, "Week 53 at the turn of 2026",
                           [](TMiniCal& c) { c.SetDate(EncodeDate(2027, 1, 1)); });
}

}  // namespace

std::vector<Page> MiniCalPages() {
  return {
      LivePage("browse_minical",
               "Mini calendar: four languages, first weekday, holidays, colours, sizes", 910, 470,
               BuildMiniCals),
  };
}

}  // namespace gallery
