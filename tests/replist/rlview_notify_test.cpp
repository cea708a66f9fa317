// Report list view property notifications: which setters report a set value every time and
// which only when it changes, and which notification each one sends.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "replist/ZEB_replist.h"

namespace {

using zeb::TReportListView;

struct SetterCase {
  const char* name;
  std::function<void(TReportListView&)> set;  // sets the value a new view already has
  int changes, setups;                        // notifications that follow
};

TEST(ReportListViewNotify, SettingAnUnchangedValue) {
  const SetterCase cases[] = {
      {"ColorText", [](TReportListView& v) { v.SetColorText(v.ColorText()); }, 0, 1},
      {"ColorBkgdShaded", [](TReportListView& v) { v.SetColorBkgdShaded(v.ColorBkgdShaded()); }, 0,
       1},
      {"ColorHigh", [](TReportListView& v) { v.SetColorHigh(v.ColorHigh()); }, 0, 1},
      {"ColorSelectedRow", [](TReportListView& v) { v.SetColorSelectedRow(v.ColorSelectedRow()); },
       0, 1},
      {"ColorColumnHd", [](TReportListView& v) { v.SetColorColumnHd(v.ColorColumnHd()); }, 0, 1},
      {"ColorDisabledText",
       [](TReportListView& v) { v.SetColorDisabledText(v.ColorDisabledText()); }, 0, 1},
      {"InterRowIndicatorColor",
       [](TReportListView& v) { v.SetInterRowIndicatorColor(v.InterRowIndicatorColor()); }, 0, 1},
      {"InterRowIndicatorWidth",
       [](TReportListView& v) { v.SetInterRowIndicatorWidth(v.InterRowIndicatorWidth()); }, 0, 1},
      {"HighLightBold", [](TReportListView& v) { v.SetHighLightBold(false); }, 0, 1},
      {"HighLightRow", [](TReportListView& v) { v.SetHighLightRow(0); }, 0, 1},
      {"HighLightColumn", [](TReportListView& v) { v.SetHighLightColumn(0); }, 0, 1},
      {"RowColPattern", [](TReportListView& v) { v.SetRowColPattern(1); }, 0, 1},
      {"CommonHeaderHeight", [](TReportListView& v) { v.SetCommonHeaderHeight(20); }, 1, 0},
      {"ColumnHeadersHeight", [](TReportListView& v) { v.SetColumnHeadersHeight(20); }, 1, 0},
      {"ColorEmptyMsg", [](TReportListView& v) { v.SetColorEmptyMsg(v.ColorEmptyMsg()); }, 0, 0},
      {"EmptyMessage", [](TReportListView& v) { v.SetEmptyMessage(""); }, 0, 0},
      {"CommonHeader", [](TReportListView& v) { v.SetCommonHeader(v.CommonHeader()); }, 0, 0},
      {"CommonHeaderAlignment",
       [](TReportListView& v) { v.SetCommonHeaderAlignment(zeb::taCenter); }, 0, 0},
      {"CommonHeaderVisible", [](TReportListView& v) { v.SetCommonHeaderVisible(false); }, 0, 0},
      {"ColumnHeadersVisible", [](TReportListView& v) { v.SetColumnHeadersVisible(true); }, 0, 0},
  };
  for (const SetterCase& c : cases) {
    TReportListView view(nullptr);
    int changes = 0, setups = 0;
    view.OnChange = [&](fw::TObject*) { ++changes; };
    view.OnChangeSetup = [&](fw::TObject*) { ++setups; };
    c.set(view);
    EXPECT_EQ(changes, c.changes) << c.name;
    EXPECT_EQ(setups, c.setups) << c.name;
  }
}

TEST(ReportListViewNotify, ChangedValuesNotifyOnce) {
  const SetterCase cases[] = {
      {"ColorEmptyMsg", [](TReportListView& v) { v.SetColorEmptyMsg(fw::clRed); }, 0, 1},
      {"EmptyMessage", [](TReportListView& v) { v.SetEmptyMessage("none"); }, 0, 1},
      {"CommonHeader", [](TReportListView& v) { v.SetCommonHeader("other"); }, 1, 0},
      {"CommonHeaderAlignment",
       [](TReportListView& v) { v.SetCommonHeaderAlignment(zeb::taLeftJustify); }, 1, 0},
      {"CommonHeaderVisible", [](TReportListView& v) { v.SetCommonHeaderVisible(true); }, 1, 0},
      {"FixedFirstColumn", [](TReportListView& v) { v.SetFixedFirstColumn(true); }, 1, 0},
      {"ColAlignment", [](TReportListView& v) { v.SetColAlignment(2, zeb::taRightJustify); }, 1, 0},
      {"ColumnIsPwd", [](TReportListView& v) { v.SetColumnIsPwd(2, true); }, 1, 0},
      {"ColumnEditable", [](TReportListView& v) { v.SetColumnEditable(2, true); }, 0, 0},
      {"ColWidths", [](TReportListView& v) { v.SetColWidths(9, 50); }, 0, 1},
  };
  for (const SetterCase& c : cases) {
    TReportListView view(nullptr);
    int changes = 0, setups = 0;
    view.OnChange = [&](fw::TObject*) { ++changes; };
    view.OnChangeSetup = [&](fw::TObject*) { ++setups; };
    c.set(view);
    EXPECT_EQ(changes, c.changes) << c.name;
    EXPECT_EQ(setups, c.setups) << c.name;
  }
}

}  // namespace
