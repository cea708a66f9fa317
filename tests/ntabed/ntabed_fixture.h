// The table editor most tests start from: a shown 500 x 300 editor without border and scroll
// bars, in the built-in font, on a test host's form, with helpers to click cells, choose menu
// items by their path and count event calls.
#pragma once

#include <map>
#include <set>
#include <string>

#include "framework/backend/headless/test_host.h"
#include "framework/graphics/text_engine.h"
#include "framework/rtl/colors.h"
#include "ntabed/ZEB_ntabed.h"

namespace ntest {

struct EditorFixture {
  fw::TestHost host{600, 360};
  zeb::TNTabEd* ed;
  std::map<std::string, int> fired;

  explicit EditorFixture(int cols = 3, int rows = 4) {
    ed = new zeb::TNTabEd(host.Form());
    ed->SetParent(host.Form());
    ed->SetName("Tab1");
    ed->Font()->SetName(fw::kBuiltinFontName);
    ed->SetBorderStyle(fw::bsNone);
    ed->SetScrollBars(fw::ssNone);
    ed->SetBounds(0, 0, 500, 300);
    ed->Redimension(cols, rows);
    for (int c = 1; c <= cols; ++c)
      for (int r = 1; r <= rows; ++r) ed->SetElem(c, r, c * 10 + r);
    host.Show();
    Count("Change", ed->OnChange);
    Count("ChangeSetup", ed->OnChangeSetup);
    Count("CellState", ed->OnCellStateChanged);
    Count("Empty", ed->OnEmptyStChanged);
    Count("Layout", ed->OnLayoutChanged);
    Count("Heading", ed->OnHeadingChanged);
    Count("Attribute", ed->OnAttributeChanged);
    Count("Selection", ed->OnSelectionChanged);
    Count("Paste", ed->OnPaste);
  }

  void Count(const std::string& name, fw::TNotifyEvent& event) {
    event = [this, name](fw::TObject*) { ++fired[name]; };
  }

  // Rectangle of grid cell (c, r) on the form (the editor sits at the form's origin).
  fw::TRect Cell(int c, int r) const { return ed->CellRect(c, r); }
  fw::TPoint Centre(int c, int r) const {
    const fw::TRect rc = Cell(c, r);
    return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
  }
  void ClickCell(int c, int r, fw::TMouseButton button = fw::mbLeft) {
    const fw::TPoint p = Centre(c, r);
    host.Click(p.X, p.Y, button);
  }
  // Selects data cells left..right x top..bottom (data indices).
  void Select(int left, int top, int right, int bottom) {
    ed->SetSelection(fw::TGridRect{left + ed->ColOffset(), top + ed->RowOffset(),
                                   right + ed->ColOffset(), bottom + ed->RowOffset()});
  }
  // Right-clicks grid cell (c, r) and chooses the item at `path` of the menu that opened, as a
  // user does: resting the pointer on each submenu item, then clicking the last item. False
  // when no menu opened or the item is not shown or not enabled.
  bool ChooseFromMenu(int c, int r, const std::string& path) {
    ClickCell(c, r, fw::mbRight);
    return Choose(path);
  }
  bool Choose(const std::string& path) {
    fw::TPopupMenu* menu = ed->DataPopupMenu()->IsOpen()      ? ed->DataPopupMenu()
                           : ed->HeadingPopupMenu()->IsOpen() ? ed->HeadingPopupMenu()
                                                              : nullptr;
    if (!menu) return false;
    fw::TMenuItem* item = menu->Items()->FindPath(path);
    if (!item || !item->Enabled()) {
      menu->CloseMenu();
      return false;
    }
    fw::TPoint at;
    if (!menu->View()->LocateItem(path, at)) return false;
    host.MouseMove(at.X, at.Y);
    host.Click(at.X, at.Y);
    return true;
  }
  // Whether any pixel of the colour lies inside the rectangle.
  bool HasInk(const fw::TRect& r, fw::TColor color) {
    const fw::TColor rgb = fw::ColorToRGB(color);
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (host.Pixel(x, y) == rgb) return true;
    return false;
  }
};

}  // namespace ntest
