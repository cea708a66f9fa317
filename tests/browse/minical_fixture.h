// A mini calendar on a shown headless form, whose clock reads 2024-06-03 09:00 (a Monday;
// June 2024 begins on a Saturday), with helpers to click its cells and count OnChange.
#pragma once

#include <string>

#include "browse/ZEB_MiniCal.h"
#include "framework/backend/headless/test_host.h"

namespace zeb::test {

struct ShownCal {
  explicit ShownCal(int w = 300, int h = 180) : host(w + 20, h + 20) {
    cal = new TMiniCal(host.Form());
    cal->SetParent(host.Form());
    cal->SetBounds(10, 10, w, h);
    cal->OnChange = [this](fw::TObject*) { ++changes; };
    host.Show();
    host.ProcessMessages();
  }
  // The form point at the centre of grid cell (col, row).
  fw::TPoint CellCentre(int col, int row) const {
    const fw::TRect r = cal->CellRect(col, row);
    return {cal->Left() + (r.Left + r.Right) / 2, cal->Top() + (r.Top + r.Bottom) / 2};
  }
  void ClickCell(int col, int row) {
    const fw::TPoint p = CellCentre(col, row);
    host.Click(p.X, p.Y);
  }
  // The colour at the centre-left of a cell, away from its text.
  fw::TColor CellGround(int col, int row) {
    const fw::TRect r = cal->CellRect(col, row);
    return host.Pixel(cal->Left() + r.Left + 3, cal->Top() + (r.Top + r.Bottom) / 2);
  }
  std::string Ymd() const {
    return std::to_string(cal->Year()) + "-" + std::to_string(cal->Month()) + "-" +
           std::to_string(cal->Day());
  }
  fw::TestHost host;
  TMiniCal* cal;
  int changes = 0;
};

}  // namespace zeb::test
