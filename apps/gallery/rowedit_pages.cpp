// Gallery pages of the choice controls and the report list's row editing form: combo boxes in
// their styles, date and time pickers, the colour dialog, and a report list whose rows open
// the row editing form on a double click or F2.
#include <string>
#include <vector>

#include "apps/gallery/gallery.h"
#include "framework/stdctrls/color_dialog.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/date_time_picker.h"
#include "framework/stdctrls/speed_button.h"
#include "replist/ZEB_replist.h"

namespace gallery {
namespace {

using namespace fw;
using zeb::TReportListView;

const std::vector<std::string> kFruit{"apple", "apricot", "banana", "cherry",
                                      "grape", "lemon",   "mango",  "peach"};

void FillItems(TCustomComboBox& box) {
  for (const std::string& item : kFruit) box.Items()->Add(item);
}

// Combo boxes of the three styles; the owner-drawn one paints a swatch before each item; the
// list of the last one is open.
void PlaceComboBoxes(TForm& form) {
  PlaceCaptioned<TComboBox>(form, 10, 30, 160, 21, "csDropDown: free text", [](TComboBox& b) {
    FillItems(b);
    b.SetText("kiwi");
  });
  PlaceCaptioned<TComboBox>(form, 10, 90, 160, 21, "csDropDownList", [](TComboBox& b) {
    b.SetStyle(csDropDownList);
    FillItems(b);
    b.SetItemIndex(2);
  });
  auto* owner =
      PlaceCaptioned<TComboBox>(form, 10, 150, 160, 21, "csOwnerDrawFixed", [](TComboBox& b) {
        b.SetStyle(csOwnerDrawFixed);
        b.SetItemHeight(18);
        FillItems(b);
        b.SetItemIndex(5);
      });
  owner->OnDrawItem = [owner](TObject*, int index, const TRect& r, TOwnerDrawState state) {
    TCanvas* canvas = owner->Canvas();
    canvas->Brush()->SetColor(state.Contains(odSelected) ? clHighlight : clWindow);
    canvas->FillRect(r);
    if (index < 0) return;
    canvas->Brush()->SetColor(RGB(static_cast<uint8_t>(40 * index), 160, 80));
    canvas->FillRect(Rect(r.Left + 3, r.Top + 3, r.Left + 23, r.Bottom - 3));
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(state.Contains(odSelected) ? clHighlightText : clWindowText);
    canvas->TextOut(r.Left + 28, r.Top + 2, owner->Items()->Strings(index));
    canvas->Brush()->SetStyle(bsSolid);
  };
  auto* open = PlaceCaptioned<TComboBox>(form, 200, 30, 160, 21, "", [](TComboBox& b) {
    b.SetStyle(csDropDownList);
    b.SetDropDownCount(5);
    FillItems(b);
    b.SetItemIndex(3);
  });
  PlaceCaption(form, 200, 10, "An open list (5 rows, scrolls)");
  WhenFirstShown(form, [&form, open] {
    form.SetActiveControl(open);
    open->SetDroppedDown(true);
  });
}

// A date picker with its month view closed, a time picker, and a button opening the colour
// dialog that paints its choice into a swatch.
void PlacePickersAndDialog(TForm& form) {
  PlaceCaptioned<TDateTimePicker>(form, 400, 30, 160, 21, "Date: dd.MM.yyyy",
                                  [](TDateTimePicker& p) {
                                    p.SetFormat("dd.MM.yyyy");
                                    p.SetDateTime(EncodeDate(2024, 3, 7));
                                  });
  PlaceCaptioned<TDateTimePicker>(form, 400, 90, 160, 21, "Date: dddd, MMMM d, yyyy",
                                  [](TDateTimePicker& p) {
                                    p.SetFormat("dddd, MMMM d, yyyy");
                                    p.SetDateTime(EncodeDate(2024, 3, 7));
                                  });
  PlaceCaptioned<TDateTimePicker>(form, 400, 150, 160, 21, "Time: h:mm:ss tt (Up/Down steps)",
                                  [](TDateTimePicker& p) {
                                    p.SetKind(dtkTime);
                                    p.SetDateTime(EncodeTime(15, 4, 9, 0));
                                  });
  auto* swatch = PlaceCaptioned<TSpeedButton>(form, 400, 230, 40, 30, "",
                                              [](TSpeedButton& b) { b.SetColor(clTeal); });
  auto* open =
      PlaceCaptioned<TSpeedButton>(form, 460, 230, 100, 30, "TColorDialog, its choice left",
                                   [](TSpeedButton& b) { b.SetCaption("Colour..."); });
  auto* dialog = new TColorDialog(&form);
  open->OnClick = [dialog, swatch](TObject*) {
    dialog->SetColor(swatch->Color());
    if (dialog->Execute()) swatch->SetColor(dialog->Color());
  };
}

// The four columns of the row editing form's example and a few more rows.
TReportListView* PlaceRowEditList(TForm& form) {
  auto* view = new TReportListView(&form);
  view->SetParent(&form);
  view->SetBounds(10, 40, 560, 250);
  view->SetNrCols(5);
  view->SetNrRows(9);
  const std::vector<std::pair<std::string, std::string>> columns{
      {"Name", "[s][160]"},
      {"Number", "[#i][80]rix3"},
      {"Colour", "[l][120]red|green|blue"},
      {"Date", "[ddd.MM.yyyy][110]"},
      {"Fruit", "[c:5][140]apple|banana|cherry|grape|lemon|mango"}};
  for (int c = 1; c <= 5; ++c) {
    view->SetColName(c, columns[static_cast<size_t>(c - 1)].first);
    view->SetColumnFormat(c, columns[static_cast<size_t>(c - 1)].second);
    view->SetColWidths(c, 105);
  }
  const std::vector<std::string> names{"Ada",   "Blaise", "Carl", "Dora", "Emmy",
                                       "Felix", "Grace",  "Hedy", "Ivan"};
  for (int r = 1; r <= 9; ++r) {
    view->SetElem(1, r, names[static_cast<size_t>(r - 1)]);
    view->SetElem(2, r, "00" + std::to_string(r));
    view->SetElem(3, r, r % 3 == 0 ? "blue" : (r % 2 ? "red" : "green"));
    view->SetElem(4, r, (r < 10 ? "0" : "") + std::to_string(r) + ".03.2024");
    view->SetElem(5, r, kFruit[static_cast<size_t>(r % kFruit.size())]);
  }
  return view;
}

void BuildRowEdit(TForm& form) {
  PlaceCaption(form, 10, 10,
               "Double click a row or press F2: the row editing form opens (Enter confirms, "
               "Escape cancels)");
  TReportListView* view = PlaceRowEditList(form);
  auto edit = [view, &form] {
    const int row = view->Row() - view->FixedRows() + 1;
    if (row >= 1 && row <= view->NrOfRows())
      view->EditRowEntries(row, form.Left() + 60, form.Top() + 60);
  };
  view->OnDblClick = [edit](TObject*) { edit(); };
  view->OnKeyDown = [edit](TObject*, uint16_t& key, TShiftState) {
    if (key != VK_F2) return;
    key = 0;
    edit();
  };
}

}  // namespace

std::vector<Page> RowEditPages() {
  return {
      LivePage("stdctrls_choice", "Combo boxes, date and time pickers, the colour dialog", 600, 300,
               [](TForm& form) {
                 PlaceComboBoxes(form);
                 PlacePickersAndDialog(form);
               }),
      LivePage("replist_rowedit", "Report list: the row editing form", 580, 300, BuildRowEdit)};
}

}  // namespace gallery
