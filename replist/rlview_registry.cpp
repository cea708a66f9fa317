// The class record of TReportListView: its published properties with their initial values
// and stored defaults, and its events.
#include <limits>

#include "framework/base/registry.h"
#include "replist/ZEB_replist.h"

namespace zeb {

namespace {

using V = TReportListView;
constexpr double kIntMax = std::numeric_limits<int>::max();

void RegisterColors(fw::ClassBuilder<V>& b) {
  b.Color("ColorText", &V::ColorText, &V::SetColorText, 0x002000)
      .Color("ColorBkgdNormal", &V::ColorBkgdNormal, &V::SetColorBkgdNormal, 0xFFFFFF)
      .Color("ColorBkgdShaded", &V::ColorBkgdShaded, &V::SetColorBkgdShaded, 0xF0EFE8)
      .Color("ColorHigh", &V::ColorHigh, &V::SetColorHigh, 0xCC9966)
      .Color("ColorHighText", &V::ColorHighText, &V::SetColorHighText, 0xFFFFFF)
      .Color("ColorSelectedRow", &V::ColorSelectedRow, &V::SetColorSelectedRow, 0x94BAED)
      .Color("ColorSelectedRowText", &V::ColorSelectedRowText, &V::SetColorSelectedRowText,
             0x800000)
      .Color("ColorSelectedCol", &V::ColorSelectedCol, &V::SetColorSelectedCol, 0)
      .Color("ColorSelectedColText", &V::ColorSelectedColText, &V::SetColorSelectedColText, 0)
      .Color("ColorSelectedBoth", &V::ColorSelectedBoth, &V::SetColorSelectedBoth, 0)
      .Color("ColorSelectedBothText", &V::ColorSelectedBothText, &V::SetColorSelectedBothText, 0)
      .Color("ColorColumnHd", &V::ColorColumnHd, &V::SetColorColumnHd, fw::clBtnFace)
      .Color("ColorColumnHdText", &V::ColorColumnHdText, &V::SetColorColumnHdText, fw::clBlack)
      .Color("ColorCommonHd", &V::ColorCommonHd, &V::SetColorCommonHd, fw::clBtnFace)
      .Color("ColorCommonHdText", &V::ColorCommonHdText, &V::SetColorCommonHdText, fw::clBlack)
      .Color("ColorDisabledBkgd", &V::ColorDisabledBkgd, &V::SetColorDisabledBkgd, 0xF0F0F0)
      .Color("ColorDisabledText", &V::ColorDisabledText, &V::SetColorDisabledText, 0xC0C0C0)
      .Color("ColorEmptyMsg", &V::ColorEmptyMsg, &V::SetColorEmptyMsg, fw::clBlack)
      .Color("InterRowIndicatorColor", &V::InterRowIndicatorColor, &V::SetInterRowIndicatorColor,
             fw::clRed);
}

void RegisterLayout(fw::ClassBuilder<V>& b) {
  // Positions and the alias first: later properties move or change them.
  b.Int("TopRow", &V::TopRow, &V::SetTopRow, 1)
      .Range(1, 1)
      .NotStored()
      .Int("LeftCol", &V::LeftCol, &V::SetLeftCol, 1)
      .Range(1, 1)
      .NotStored()
      // The grid's fixed colour is the column header colour; written through ColorColumnHd.
      .Color("FixedColor", &V::ColorColumnHd, nullptr, fw::clBtnFace)
      .NotStored()
      .Int("NrOfColumns", &V::NrOfColumns, &V::SetNrCols, 5)
      .Range(1, kIntMax)
      .AlwaysStored()
      .Int("NrOfRows", &V::NrOfRows, &V::SetNrRows, 4)
      .Range(0, kIntMax)
      .AlwaysStored()
      .Str("CommonHeader", &V::CommonHeader, &V::SetCommonHeader, "ZEB Report Listview")
      .AlwaysStored()
      .Enum("CommonHeaderAlignment", &V::CommonHeaderAlignment, &V::SetCommonHeaderAlignment,
            fw::kAlignmentNames, taCenter)
      .Bool("CommonHeaderVisible", &V::CommonHeaderVisible, &V::SetCommonHeaderVisible, false)
      .Int("CommonHeaderHeight", &V::CommonHeaderHeight, &V::SetCommonHeaderHeight, 20)
      .Range(8, 127)
      .Bool("ColumnHeadersVisible", &V::ColumnHeadersVisible, &V::SetColumnHeadersVisible, true)
      .Int("ColumnHeadersHeight", &V::ColumnHeadersHeight, &V::SetColumnHeadersHeight, 20)
      .Range(8, 127)
      .Int("DefaultColWidth", &fw::TCustomGrid::DefaultColWidth, &V::SetDefaultColWidth, 64)
      .Range(0, fw::kMaxControlExtent)
      .Int("DefaultRowHeight", &fw::TCustomGrid::DefaultRowHeight, &V::SetDefaultRowHeight, 24)
      .Range(0, fw::kMaxControlExtent)
      .Bool("DefaultDrawing", &fw::TCustomGrid::DefaultDrawing, &fw::TCustomGrid::SetDefaultDrawing,
            false)
      .Default(true)
      .Str("EmptyMessage", &V::EmptyMessage, &V::SetEmptyMessage, "")
      .Bool("FixedFirstColumn", &V::FixedFirstColumn, &V::SetFixedFirstColumn, false)
      .Bool("HighLightBold", &V::HighLightBold, &V::SetHighLightBold, false)
      .Int("HighLightRow", &V::HighLightRow, &V::SetHighLightRow, 0)
      .Int("HighLightColumn", &V::HighLightColumn, &V::SetHighLightColumn, 0)
      .Int("InterRowIndicatorWidth", &V::InterRowIndicatorWidth, &V::SetInterRowIndicatorWidth, 3)
      .SetOf("Options", &fw::TCustomGrid::Options, &fw::TCustomGrid::SetOptions,
             fw::kGridOptionNames,
             fw::TGridOptions{fw::goFixedVertLine, fw::goFixedHorzLine, fw::goColSizing,
                              fw::goRowSelect, fw::goThumbTracking})
      .Default(fw::TGridOptions::FromBits(31))
      .Int("RowColPattern", &V::RowColPattern, &V::SetRowColPattern, 1)
      .Bool("ShowEmptyCheckBoxes", &V::ShowEmptyCheckBoxes, &V::SetShowEmptyCheckBoxes, true)
      .Enum("ScrollBars", &fw::TCustomGrid::ScrollBars, &fw::TCustomGrid::SetScrollBars,
            fw::kScrollStyleNames, fw::ssBoth)
      .Enum("BorderStyle", &fw::TCustomGrid::BorderStyle, &fw::TCustomGrid::SetBorderStyle,
            fw::kControlBorderStyleNames, fw::bsSingle);
}

void RegisterBehaviour(fw::ClassBuilder<V>& b) {
  b.Bool("AutoAdvance", &V::AutoAdvance, &V::SetAutoAdvance, false)
      .Int("RowSelectMode", &V::RowSelectMode, &V::SetRowSelectMode, 1)
      .Bool("SortEnabled", &V::SortEnabled, &V::SetSortEnabled, true)
      .Bool("UseCtrlForMultiSel", &V::UseCtrlForMultiSel, &V::SetUseCtrlForMultiSel, true);
  for (const char* e : {"OnBeforeRenderCell",
                        "OnReadCell",
                        "OnChange",
                        "OnChangeSetup",
                        "OnSelectedChange",
                        "OnPercentDone",
                        "OnBeforeSortExchange",
                        "OnBeforeHTMLExport",
                        "OnCheckedChange",
                        "OnBeforeCheckedChange",
                        "OnBeforeFilter",
                        "OnRequestEditFormat",
                        "OnCursorKeyAction",
                        "OnGetEditText",
                        "OnSetEditText",
                        "OnDrawCell",
                        "OnRowMoved",
                        "OnSelectCell",
                        "OnTopLeftChanged",
                        "OnContextPopup"})
    b.Event(e);
}

void RegisterReportListView() {
  auto b = fw::RegisterClass<V>("TReportListView", "TCustomDrawGrid");
  RegisterLayout(b);
  RegisterColors(b);
  RegisterBehaviour(b);
}

const bool registered = (RegisterReportListView(), true);

}  // namespace

}  // namespace zeb
