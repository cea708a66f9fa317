// Gallery page of the numeric table editor: a day of readings from a weather station with
// named rows, units in the headings, a nominal column, marked outliers, a failed reading, a
// blank cell and a selected range, and an empty editor with its message, as live editors.
#include <array>
#include <cmath>
#include <string>

#include "apps/gallery/gallery.h"
#include "ntabed/ZEB_ntabed.h"

namespace gallery {
namespace {

using namespace fw;
using zeb::TNTabEd;

struct Reading {
  double temp, humidity, pressure, wind, rain;
  int sky;  // 0 clear, 1 cloudy, 2 rain
};

// Hourly readings, 00:00 to 23:00: a mild day with a shower in the afternoon.
Reading ReadingAt(int hour) {
  const double day = std::sin((hour - 9) * 3.14159265 / 12.0);
  Reading r;
  r.temp = 14.2 + 6.1 * day;
  r.humidity = 78.0 - 22.0 * day;
  r.pressure = 1013.4 - 0.35 * hour;
  r.wind = 2.4 + 0.3 * (hour % 5);
  r.sky = (hour >= 14 && hour <= 16) ? 2 : (hour >= 11 ? 1 : 0);
  r.rain = r.sky == 2 ? 0.8 + 0.55 * (hour - 14) : 0.0;
  return r;
}

void FillStation(TNTabEd& ed) {
  ed.SetSuppressPaint(true);
  ed.Redimension(6, 24);
  const char* names[] = {"Temp °C", "Humidity %", "Pressure hPa", "Wind m/s", "Sky", "Rain mm"};
  const int places[] = {1, 0, 1, 1, 0, 2};
  for (int c = 1; c <= 6; ++c) {
    ed.SetColName(c, names[c - 1]);
    ed.SetDecPlaces(c, places[c - 1]);
    ed.SetColAttrib(c, static_cast<uint8_t>(c));
  }
  zeb::TDataTable* table = ed.DataTable();
  table->SetMScaleType(5, zeb::stNominal);
  table->SetNominalID(5, 0, "clear");
  table->SetNominalID(5, 1, "cloudy");
  table->SetNominalID(5, 2, "rain");
  for (int h = 0; h < 24; ++h) {
    const Reading r = ReadingAt(h);
    const int row = h + 1;
    ed.SetRowName(row, (h < 10 ? "0" : "") + std::to_string(h) + ":00");
    ed.SetRowAttrib(row, static_cast<uint8_t>(h % 6 == 0 ? 1 : 0));
    const double values[] = {r.temp, r.humidity, r.pressure, r.wind, double(r.sky), r.rain};
    for (int c = 1; c <= 6; ++c) ed.SetElem(c, row, values[c - 1]);
  }
  // A gust marked as an outlier, two humid hours marked for review, both on one reading.
  ed.SetElemMarkedA(4, 16, true);
  ed.SetElemMarkedB(2, 6, true);
  ed.SetElemMarkedB(2, 7, true);
  ed.SetElemMarkedA(2, 7, true);
  // The sensor failed at 03:00 and the rain gauge was not read at 08:00.
  ed.SetCellState(1, 4, zeb::csUndefined);
  ed.SetIsEmpty(6, 9, true);
  // Pressure is calibrated: read-only.
  for (int row = 1; row <= 24; ++row)
    ed.SetCellState(3, row, ed.GetCellState(3, row) | zeb::csReadOnly);
  ed.SetComment("Station Hill 2, readings of one day");
  ed.SetColWidths(0, 56);
  for (int c = 1; c <= 6; ++c) ed.AutoColWidth(c, true, 6);
  ed.SetSuppressPaint(false);
}

void BuildPage(TForm& form) {
  PlaceCaptioned<TNTabEd>(form, 20, 20, 640, 420,
                          "Right-click cells or headings for the menus; "
                          "right-click the corner for the comment",
                          [](TNTabEd& ed) {
                            FillStation(ed);
                            ed.SetSelection(TGridRect{2, 11, 3, 14});
                          });
  PlaceCaptioned<TNTabEd>(form, 20, 470, 300, 90, "An empty table", [](TNTabEd& ed) {
    ed.SetEmptyMessage("No readings yet|Paste or extract from the clipboard");
    ed.SetColorEmptyMsg(clGray);
    ed.SetNrRows(0);
  });
}

// The editor's data menu as a right click opens it, with the marking submenu open.
void BuildMenuPage(TForm& form) {
  auto* ed = PlaceCaptioned<TNTabEd>(form, 20, 20, 440, 300,
                                     "The data menu of a right click, marking submenu open",
                                     [](TNTabEd& e) {
                                       FillStation(e);
                                       e.SetSelection(TGridRect{2, 3, 3, 5});
                                     });
  WhenFirstShown(form, [ed] {
    TPopupMenu* menu = ed->DataPopupMenu();
    const TPoint at = ed->ClientToScreen(Point(150, 90));
    menu->SetPopupComponent(ed);
    menu->Popup(at.X, at.Y);
    TPoint item;
    if (menu->View()) menu->View()->LocateItem("Mark as type A/Column", item);
  });
}

}  // namespace

std::vector<Page> NTabEdPages() {
  return {
      LivePage("ntabed", "Numeric table editor: weather station readings", 680, 600, BuildPage),
      LivePage("ntabed_menus", "Numeric table editor: its popup menu", 480, 360, BuildMenuPage)};
}

}  // namespace gallery
