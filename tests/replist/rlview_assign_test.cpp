// Report list view Assign: every published property and event of the view is either copied
// or kept by the target, as listed here; one that is neither listed nor handled fails.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "framework/base/registry.h"
#include "replist/ZEB_replist.h"

namespace {

using zeb::TReportListView;

// A value of the property other than its initial one, or nothing when it has none.
std::optional<fw::PropertyValue> OtherValue(const fw::PropertyRecord& p) {
  if (p.sample) return p.sample;
  const fw::PropertyValue& v = p.initial;
  switch (p.kind) {
    case fw::TPropertyKind::Integer: {
      const int64_t i = std::get<int64_t>(v);
      if (double(i) + 1 > std::min(p.maxValue, p.rangeHigh)) return std::nullopt;
      return fw::PropertyValue(i + 1);
    }
    case fw::TPropertyKind::Boolean:
      return fw::PropertyValue(!std::get<bool>(v));
    case fw::TPropertyKind::String:
      return fw::PropertyValue(std::get<std::string>(v) + "x");
    case fw::TPropertyKind::Color:
      return fw::PropertyValue(
          fw::TColor{std::get<fw::TColor>(v) == 0x123456 ? 0x654321u : 0x123456u});
    case fw::TPropertyKind::Enum:
      return fw::PropertyValue((std::get<int64_t>(v) + 1) % int64_t(p.valueNames.size()));
    case fw::TPropertyKind::Set:
      return fw::PropertyValue(std::get<uint64_t>(v) ^ uint64_t{1});
    default:
      return std::nullopt;
  }
}

// Published properties of the view's own class record: true copied, false kept.
const std::map<std::string, bool> kPropertyCopied = {
    {"TopRow", false},  // positions: the target shows its first rows
    {"LeftCol", false},
    {"FixedColor", true},  // follows ColorColumnHd
    {"NrOfColumns", true},
    {"NrOfRows", true},
    {"CommonHeader", true},  // held by the data store
    {"CommonHeaderAlignment", true},
    {"CommonHeaderVisible", true},
    {"CommonHeaderHeight", false},
    {"ColumnHeadersVisible", true},
    {"ColumnHeadersHeight", false},
    {"DefaultColWidth", false},  // the grid's own
    {"DefaultRowHeight", false},
    {"DefaultDrawing", false},
    {"EmptyMessage", false},
    {"FixedFirstColumn", true},
    {"HighLightBold", true},
    {"HighLightRow", true},
    {"HighLightColumn", true},
    {"InterRowIndicatorWidth", true},
    {"Options", false},
    {"RowColPattern", true},
    {"ShowEmptyCheckBoxes", true},
    {"ScrollBars", false},
    {"BorderStyle", false},
    {"ColorText", true},
    {"ColorBkgdNormal", true},
    {"ColorBkgdShaded", true},
    {"ColorHigh", true},
    {"ColorHighText", true},
    {"ColorSelectedRow", true},
    {"ColorSelectedRowText", true},
    {"ColorSelectedCol", true},
    {"ColorSelectedColText", true},
    {"ColorSelectedBoth", true},
    {"ColorSelectedBothText", true},
    {"ColorColumnHd", true},
    {"ColorColumnHdText", true},
    {"ColorCommonHd", true},
    {"ColorCommonHdText", true},
    {"ColorDisabledBkgd", false},
    {"ColorDisabledText", false},
    {"ColorEmptyMsg", false},
    {"InterRowIndicatorColor", true},
    {"AutoAdvance", true},
    {"RowSelectMode", true},
    {"SortEnabled", true},
    {"UseCtrlForMultiSel", false},
};

TEST(ReportListViewAssign, EachPublishedPropertyIsCopiedOrKeptAsListed) {
  const fw::ClassRecord& record = fw::FindClass("TReportListView");
  for (const fw::PropertyRecord& p : record.properties) {
    const auto listed = kPropertyCopied.find(p.name);
    if (listed == kPropertyCopied.end()) {
      ADD_FAILURE() << p.name << ": neither listed as copied nor as kept";
      continue;
    }
    const std::optional<fw::PropertyValue> other = OtherValue(p);
    if (!p.set || !other) continue;
    TReportListView source(nullptr), target(nullptr);
    p.set(&source, *other);
    ASSERT_NE(p.get(&source), p.initial) << p.name;
    target.Assign(&source);
    EXPECT_EQ(p.get(&target), listed->second ? p.get(&source) : p.initial) << p.name;
  }
}

// Sets a do-nothing handler when `set`; tells whether a handler is assigned.
template <typename E>
bool Probe(E& event, bool set) {
  if (set) event = [](auto&&...) {};
  return static_cast<bool>(event);
}

struct EventRow {
  bool copied;
  std::function<bool(TReportListView&, bool)> probe;
};

TEST(ReportListViewAssign, EachEventIsCopiedOrKeptAsListed) {
  using V = TReportListView;
  const std::map<std::string, EventRow> rows = {
      {"OnBeforeRenderCell", {true, [](V& v, bool s) { return Probe(v.OnBeforeRenderCell, s); }}},
      {"OnReadCell", {false, [](V& v, bool s) { return Probe(v.OnReadCell, s); }}},
      {"OnChange", {true, [](V& v, bool s) { return Probe(v.OnChange, s); }}},
      {"OnChangeSetup", {true, [](V& v, bool s) { return Probe(v.OnChangeSetup, s); }}},
      {"OnSelectedChange", {true, [](V& v, bool s) { return Probe(v.OnSelectedChange, s); }}},
      {"OnPercentDone", {true, [](V& v, bool s) { return Probe(v.OnPercentDone, s); }}},
      {"OnBeforeSortExchange",
       {true, [](V& v, bool s) { return Probe(v.OnBeforeSortExchange, s); }}},
      {"OnBeforeHTMLExport", {true, [](V& v, bool s) { return Probe(v.OnBeforeHTMLExport, s); }}},
      {"OnCheckedChange", {true, [](V& v, bool s) { return Probe(v.OnCheckedChange, s); }}},
      {"OnBeforeCheckedChange",
       {true, [](V& v, bool s) { return Probe(v.OnBeforeCheckedChange, s); }}},
      {"OnBeforeFilter", {true, [](V& v, bool s) { return Probe(v.OnBeforeFilter, s); }}},
      {"OnRequestEditFormat", {true, [](V& v, bool s) { return Probe(v.OnRequestEditFormat, s); }}},
      {"OnCursorKeyAction", {false, [](V& v, bool s) { return Probe(v.OnCursorKeyAction, s); }}},
      {"OnGetEditText", {true, [](V& v, bool s) { return Probe(v.OnGetEditText, s); }}},
      {"OnSetEditText", {true, [](V& v, bool s) { return Probe(v.OnSetEditText, s); }}},
      {"OnDrawCell", {false, [](V& v, bool s) { return Probe(v.OnDrawCell, s); }}},
      {"OnRowMoved", {false, [](V& v, bool s) { return Probe(v.OnRowMoved, s); }}},
      {"OnSelectCell", {false, [](V& v, bool s) { return Probe(v.OnSelectCell, s); }}},
      {"OnTopLeftChanged", {false, [](V& v, bool s) { return Probe(v.OnTopLeftChanged, s); }}},
      {"OnContextPopup", {false, [](V& v, bool s) { return Probe(v.OnContextPopup, s); }}},
      // Inherited from the control, not published by the view, copied all the same.
      {"OnMouseWheelDown", {true, [](V& v, bool s) { return Probe(v.OnMouseWheelDown, s); }}},
      {"OnMouseWheelUp", {true, [](V& v, bool s) { return Probe(v.OnMouseWheelUp, s); }}},
  };
  std::vector<std::string> names = fw::FindClass("TReportListView").events;
  names.insert(names.end(), {"OnMouseWheelDown", "OnMouseWheelUp"});
  for (const std::string& name : names) {
    const auto row = rows.find(name);
    if (row == rows.end()) {
      ADD_FAILURE() << name << ": neither listed as copied nor as kept";
      continue;
    }
    TReportListView source(nullptr), target(nullptr);
    ASSERT_TRUE(row->second.probe(source, true)) << name;
    target.Assign(&source);
    EXPECT_EQ(row->second.probe(target, false), row->second.copied) << name;
  }
}

TEST(ReportListViewAssign, UnpublishedSettingsFollowTheSource) {
  TReportListView source(nullptr), target(nullptr);
  source.SetNrCols(3);
  source.SetColumnEditable(2, true);
  const int order[] = {3, 1, 2};
  ASSERT_TRUE(source.SetColumnOrder(order));
  source.SetEnabled(false);
  source.SetSuppressPaint(false);
  target.Assign(&source);
  EXPECT_TRUE(target.GetColumnEditable(2));
  EXPECT_EQ(target.GetColOrder(1), 3);
  EXPECT_EQ(target.GetColOrder(3), 2);
  EXPECT_FALSE(target.Enabled());
  EXPECT_FALSE(target.SuppressPaint()) << "copied after Assign's own hold";
}

}  // namespace
