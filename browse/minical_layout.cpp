// TMiniCal's grid layout: the sizes of the cells, the cell of a day, and the rule that keeps
// the grid's current cell on the selected day.
#include <algorithm>

#include "browse/ZEB_MiniCal.h"

namespace zeb {

fw::TGridCoord TMiniCal::DayCell(int day) const {
  const int k = day - offset_ + 14;
  return {k % 7 + 1, k / 7};
}

bool TMiniCal::SelectCell(int ACol, int ARow) {
  return movingCurrent_ && fw::TCustomDrawGrid::SelectCell(ACol, ARow);
}

// Seven day columns and rows of the default size; column 0 and row 0 take what is left of
// the area inside the border (never less than nothing).
void TMiniCal::Resize() {
  const int line = GridLineWidth();
  const int width = Width() - 2 * BorderWidth();
  const int height = Height() - 2 * BorderWidth();
  SetDefaultColWidth(std::max((width - 7 * line) / 8, 0));
  SetDefaultRowHeight(std::max((height - 7 * line) / 8, 0));
  SetColWidths(0, std::max(width - 7 * DefaultColWidth() - 8 * line, 0));
  SetRowHeights(0, std::max(height - 7 * DefaultRowHeight() - 8 * line, 0));
  fw::TCustomDrawGrid::Resize();
}

}  // namespace zeb
