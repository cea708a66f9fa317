// Gallery page of the report list view: a filled list with both header rows, shading, check
// box, radio and password columns, a sorted column, selected, highlighted and disabled rows,
// and an empty list with its message, as live lists on the page's form.
#include <array>
#include <string>

#include "apps/gallery/gallery.h"
#include "framework/graphics/canvas.h"
#include "replist/ZEB_replist.h"

namespace gallery {
namespace {

using namespace fw;
using zeb::TReportListView;

struct Person {
  const char* name;
  const char* city;
  const char* age;
  const char* password;
  bool member;
};

constexpr std::array<Person, 12> kPeople{{
    {"Anna Berg", "Hamburg", "34", "x1", true},
    {"Ben Carter", "Leeds", "27", "y2", false},
    {"Chiara Rossi", "Torino", "45", "z3", true},
    {"Dmitri Volkov", "Kazan", "52", "q4", false},
    {"Emma Dubois", "Lyon", "19", "w5", true},
    {"Farid Haddad", "Tunis", "38", "e6", true},
    {"Greta Lind", "Uppsala", "61", "r7", false},
    {"Hiro Tanaka", "Sendai", "29", "t8", true},
    {"Ines Costa", "Porto", "41", "u9", false},
    {"Jonas Weber", "Graz", "33", "i0", true},
    {"Kira Novak", "Brno", "26", "o1", false},
    {"Luis Ortega", "Cadiz", "57", "p2", true},
}};

// A list on the form at (x, y), painting held back until it is filled.
TReportListView* PlaceList(TForm& form, int x, int y, int w, int h) {
  auto* view = new TReportListView(&form);
  view->SetSuppressPaint(true);
  view->SetBounds(x, y, w, h);
  view->SetParent(&form);
  return view;
}

// Built and set as an application would; painting resumes once it is filled.
void PlaceFilledList(TForm& form, int x, int y) {
  TReportListView* view = PlaceList(form, x, y, 520, 300);
  view->SetNrCols(5);
  view->SetNrRows(static_cast<int>(kPeople.size()));
  const char* names[] = {"Member", "Name", "City", "Age", "Password"};
  for (int c = 1; c <= 5; ++c) view->SetColName(c, names[c - 1]);
  view->SetCommonHeader("Club members");
  view->SetCommonHeaderVisible(true);
  view->SetColCheckMode(1, zeb::cmBox);
  for (int r = 1; r <= view->NrOfRows(); ++r) {
    const Person& p = kPeople[static_cast<size_t>(r - 1)];
    view->SetElem(1, r, "");
    view->SetElemChecked(1, r, p.member);
    view->SetElem(2, r, p.name);
    view->SetElem(3, r, p.city);
    view->SetElem(4, r, p.age);
    view->SetElem(5, r, p.password);
  }
  view->SetColAlignment(4, zeb::taRightJustify);
  view->SetColumnIsPwd(5, true);
  view->SetColWidths(1, 60);
  view->SetColWidths(2, 130);
  view->SetColWidths(3, 100);
  view->SetColWidths(4, 60);
  view->Sort(2, -1, true);
  view->SetRowSelectMode(2);
  view->SetSelectedRows({2, 3});
  view->SetHighLightRow(6);
  view->SetRowEnabled(8, false);
  view->SetInterRowIndi(10);
  view->SetSuppressPaint(false);
}

// A radio column among shaded bands of two rows, a fixed first column and a centred column.
void PlaceRadioList(TForm& form, int x, int y) {
  TReportListView* view = PlaceList(form, x, y, 250, 250);
  view->SetNrCols(3);
  view->SetNrRows(8);
  const char* names[] = {"Plan", "Choice", "Price"};
  for (int c = 1; c <= 3; ++c) view->SetColName(c, names[c - 1]);
  view->SetFixedFirstColumn(true);
  view->SetColCheckMode(2, zeb::cmRadio);
  for (int r = 1; r <= 8; ++r) {
    view->SetElem(1, r, "Plan " + std::string(1, static_cast<char>('A' + r - 1)));
    view->SetElem(2, r, r % 2 ? "monthly" : "yearly");
    view->SetElem(3, r, std::to_string(5 * r) + ".00");
  }
  view->SetElemChecked(2, 3, true);
  view->SetColAlignment(3, zeb::taCenter);
  view->SetRowColPattern(2);
  view->SetColWidths(1, 60);
  view->SetColWidths(2, 100);
  view->SetColWidths(3, 60);
  view->SetSuppressPaint(false);
}

void PlaceEmptyList(TForm& form, int x, int y) {
  TReportListView* view = PlaceList(form, x, y, 250, 250);
  view->SetNrCols(3);
  view->SetNrRows(0);
  view->SetEmptyMessage("No entries yet|Add a row to begin");
  view->SetColorEmptyMsg(clGray);
  view->SetSuppressPaint(false);
}

void BuildReportLists(TForm& form) {
  PlaceCaption(form, 10, 8, "Sorted by Name; rows 2-3 selected, 6 highlighted, 8 disabled");
  PlaceFilledList(form, 10, 28);
  PlaceCaption(form, 10, 340, "Radio marks, fixed column, bands of 2");
  PlaceRadioList(form, 10, 360);
  PlaceCaption(form, 280, 340, "An empty list");
  PlaceEmptyList(form, 280, 360);
}

}  // namespace

std::vector<Page> ReplistPages() {
  return {LivePage("replist_view", "Report list view", 560, 620, BuildReportLists)};
}

}  // namespace gallery
