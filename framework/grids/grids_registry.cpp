// The class records of the grid classes: their published properties and events.
#include <limits>

#include "framework/base/registry.h"
#include "framework/grids/grids.h"

namespace fw {

namespace {

constexpr double kIntMax = std::numeric_limits<int>::max();

void RegisterGrids() {
  // A new grid is 320 x 120 and takes the focus by Tab.
  RegisterClass<TCustomGrid>("TCustomGrid", "TCustomControl")
      .Int("Width", &TControl::Width, &TControl::SetWidth, 320)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &TControl::Height, &TControl::SetHeight, 120)
      .Range(0, fw::kMaxControlExtent)
      .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true);
  RegisterClass<TCustomDrawGrid>("TCustomDrawGrid", "TCustomGrid");
  RegisterClass<TDrawGrid>("TDrawGrid", "TCustomDrawGrid")
      .Int("ColCount", &TCustomGrid::ColCount, &TCustomGrid::SetColCount, 5)
      .Range(1, kIntMax)
      .Int("RowCount", &TCustomGrid::RowCount, &TCustomGrid::SetRowCount, 5)
      .Range(1, kIntMax)
      .Int("FixedCols", &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols, 1)
      .Range(0, kIntMax)
      .Int("FixedRows", &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows, 1)
      .Range(0, kIntMax)
      .Int("DefaultColWidth", &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth, 64)
      .Range(0, fw::kMaxControlExtent)
      .Int("DefaultRowHeight", &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight,
           24)
      .Range(0, fw::kMaxControlExtent)
      .Int("GridLineWidth", &TCustomGrid::GridLineWidth, &TCustomGrid::SetGridLineWidth, 1)
      .Range(0, fw::kMaxControlExtent)
      .Color("FixedColor", &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor, clBtnFace)
      .SetOf("Options", &TCustomGrid::Options, &TCustomGrid::SetOptions, kGridOptionNames,
             TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect})
      .Bool("DefaultDrawing", &TCustomGrid::DefaultDrawing, &TCustomGrid::SetDefaultDrawing, true)
      .Enum("ScrollBars", &TCustomGrid::ScrollBars, &TCustomGrid::SetScrollBars, kScrollStyleNames,
            ssBoth)
      .Enum("BorderStyle", &TCustomGrid::BorderStyle, &TCustomGrid::SetBorderStyle,
            kControlBorderStyleNames, bsSingle)
      .Event("OnDrawCell")
      .Event("OnSelectCell")
      .Event("OnTopLeftChanged")
      .Event("OnColumnMoved")
      .Event("OnRowMoved")
      .Event("OnGetEditText")
      .Event("OnSetEditText");
}

const bool registered = (RegisterGrids(), true);

}  // namespace

}  // namespace fw
