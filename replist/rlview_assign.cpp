// TReportListView copying between views: Assign walks one table naming every member of the
// view, each colour and each event, so what is copied and what is deliberately kept is read
// in one place and a new member cannot be forgotten.
#include <algorithm>
#include <iterator>
#include <span>
#include <string_view>

#include "replist/ZEB_replist.h"
#include "replist/rlview_hold.h"

namespace zeb {

namespace {

// Assign copies a fixed list of settings (see its comment in rlview.h); these are not on it.
constexpr const char* kNotListed =
    "outside Assign's list of copied settings: the target keeps its own";

// Rows naming a colour of colors_, counted to check that every colour has its row.
template <typename Row, std::size_t N>
constexpr std::size_t CountColourRows(const Row (&rows)[N]) {
  return static_cast<std::size_t>(std::count_if(rows, rows + N, [](const Row& row) {
    return std::string_view(row.what).starts_with("colors_.");
  }));
}

}  // namespace

template <auto Member>
void TReportListView::CopyMember(TReportListView& to, const TReportListView& from) {
  to.*Member = from.*Member;
}

template <fw::TColor TRepListColors::*Color>
void TReportListView::CopyColor(TReportListView& to, const TReportListView& from) {
  to.colors_.*Color = from.colors_.*Color;
}

std::span<const TReportListView::TAssignRow> TReportListView::AssignTable() {
  using V = TReportListView;
  using C = TRepListColors;
  constexpr auto Copy = TAssignRow::Copy;
  constexpr auto Keep = TAssignRow::Keep;
  // Copy rows run in this order: the store after fixedFirstColumn_, the column table after
  // the store.
  static constexpr TAssignRow kRows[] = {
      {Copy, "autoAdvance_", CopyMember<&V::autoAdvance_>, ""},
      {Copy, "lastMouseX_", CopyMember<&V::lastMouseX_>, ""},
      {Copy, "lastMouseY_", CopyMember<&V::lastMouseY_>, ""},
      {Copy, "OnChange", CopyMember<&V::OnChange>, ""},
      {Copy, "OnChangeSetup", CopyMember<&V::OnChangeSetup>, ""},
      {Copy, "OnSelectedChange", CopyMember<&V::OnSelectedChange>, ""},
      {Copy, "anchorRow_", CopyMember<&V::anchorRow_>, ""},
      {Copy, "rowSelectMode_", CopyMember<&V::rowSelectMode_>, ""},
      {Copy, "sortEnabled_", CopyMember<&V::sortEnabled_>, ""},
      {Copy, "Enabled (inherited)", [](V& to, const V& from) { to.SetEnabled(from.Enabled()); },
       ""},
      {Copy, "OnCheckedChange", CopyMember<&V::OnCheckedChange>, ""},
      {Copy, "OnBeforeCheckedChange", CopyMember<&V::OnBeforeCheckedChange>, ""},
      {Copy, "OnGetEditText (inherited)", CopyMember<&V::OnGetEditText>, ""},
      {Copy, "OnSetEditText (inherited)", CopyMember<&V::OnSetEditText>, ""},
      {Copy, "colors_.selRow", CopyColor<&C::selRow>, ""},
      {Copy, "colors_.selRowText", CopyColor<&C::selRowText>, ""},
      {Copy, "colors_.selCol", CopyColor<&C::selCol>, ""},
      {Copy, "colors_.selColText", CopyColor<&C::selColText>, ""},
      {Copy, "colors_.selBoth", CopyColor<&C::selBoth>, ""},
      {Copy, "colors_.selBothText", CopyColor<&C::selBothText>, ""},
      {Copy, "colors_.high", CopyColor<&C::high>, ""},
      {Copy, "colors_.highText", CopyColor<&C::highText>, ""},
      {Copy, "highLightBold_", CopyMember<&V::highLightBold_>, ""},
      {Copy, "highLightRow_", CopyMember<&V::highLightRow_>, ""},
      {Copy, "highLightColumn_", CopyMember<&V::highLightColumn_>, ""},
      {Copy, "colors_.text", CopyColor<&C::text>, ""},
      {Copy, "colors_.bkgdNormal", CopyColor<&C::bkgdNormal>, ""},
      {Copy, "colors_.bkgdShaded", CopyColor<&C::bkgdShaded>, ""},
      {Copy, "rowColPattern_", CopyMember<&V::rowColPattern_>, ""},
      {Copy, "commonHeaderAlignment_", CopyMember<&V::commonHeaderAlignment_>, ""},
      {Copy, "commonHeaderVisible_", CopyMember<&V::commonHeaderVisible_>, ""},
      {Copy, "colors_.commonHd", CopyColor<&C::commonHd>, ""},
      {Copy, "colors_.commonHdText", CopyColor<&C::commonHdText>, ""},
      {Copy, "columnHeadersVisible_", CopyMember<&V::columnHeadersVisible_>, ""},
      // The grid's fixed colour is the column header colour.
      {Copy, "colors_.columnHd",
       [](V& to, const V& from) {
         to.colors_.columnHd = from.colors_.columnHd;
         to.fw::TCustomGrid::SetFixedColor(to.colors_.columnHd);
       },
       ""},
      {Copy, "colors_.columnHdText", CopyColor<&C::columnHdText>, ""},
      {Copy, "OnRequestEditFormat", CopyMember<&V::OnRequestEditFormat>, ""},
      {Copy, "showEmptyCheckBoxes_", CopyMember<&V::showEmptyCheckBoxes_>, ""},
      {Copy, "OnPercentDone", CopyMember<&V::OnPercentDone>, ""},
      {Copy, "OnBeforeRenderCell", CopyMember<&V::OnBeforeRenderCell>, ""},
      {Copy, "OnBeforeSortExchange", CopyMember<&V::OnBeforeSortExchange>, ""},
      {Copy, "OnBeforeHTMLExport", CopyMember<&V::OnBeforeHTMLExport>, ""},
      {Copy, "OnBeforeFilter", CopyMember<&V::OnBeforeFilter>, ""},
      {Copy, "OnMouseWheelDown (inherited)", CopyMember<&V::OnMouseWheelDown>, ""},
      {Copy, "OnMouseWheelUp (inherited)", CopyMember<&V::OnMouseWheelUp>, ""},
      {Copy, "interRowIndi_", CopyMember<&V::interRowIndi_>, ""},
      {Copy, "interRowColor_", CopyMember<&V::interRowColor_>, ""},
      {Copy, "interRowWidth_", CopyMember<&V::interRowWidth_>, ""},
      {Copy, "fixedFirstColumn_", CopyMember<&V::fixedFirstColumn_>, ""},
      // The store, then the grid's shape follows it (fixedFirstColumn_ is copied by now).
      {Copy, "data_",
       [](V& to, const V& from) {
         to.data_->Assign(from.data_.get());
         // The store copied the source's relays; this view's own take their place again.
         to.HookData();
         to.fw::TCustomGrid::SetColCount(std::max(to.data_->NrOfColumns(), 1));
         to.SetFixedCols(to.fixedFirstColumn_ ? 1 : 0);
         to.RebuildGridRows();
       },
       ""},
      {Copy, "columns_", CopyMember<&V::columns_>, ""},
      // While the source holds painting back, this view does too.
      {TAssignRow::CopyAfterHold, "suppressPaint_",
       [](V& to, const V& from) { to.SetSuppressPaint(from.suppressPaint_); },
       "copied once Assign's own hold on painting has ended"},
      {Keep, "colors_.disabledBkgd", nullptr, kNotListed},
      {Keep, "colors_.disabledText", nullptr, kNotListed},
      {Keep, "colors_.emptyMsg", nullptr, kNotListed},
      {Keep, "emptyMessage_", nullptr, kNotListed},
      {Keep, "commonHeaderHeight_", nullptr, kNotListed},
      {Keep, "columnHeadersHeight_", nullptr, kNotListed},
      {Keep, "useCtrlForMultiSel_", nullptr, kNotListed},
      {Keep, "roCheckmarks_", nullptr, kNotListed},
      {Keep, "OnReadCell", nullptr, kNotListed},
      {Keep, "OnCursorKeyAction", nullptr, kNotListed},
      {Keep, "paintingHeaderBand_", nullptr, "transient: true only while Paint draws the headers"},
      {Keep, "edRowForm_", nullptr, "transient: set only while the row editing form is open"},
      {Keep, "edRowOKButton_", nullptr, "transient: set only while the row editing form is open"},
      {Keep, "the grid's own properties and events (inherited)", nullptr,
       "the grid's Assign is not called: sizes, widths, options, fonts stay the target's"},
  };
  static_assert(std::size(kRows) == kAssignRows,
                "every member of TReportListView needs its row in Assign's table");
  static_assert(sizeof(TRepListColors) % sizeof(fw::TColor) == 0 &&
                    CountColourRows(kRows) == sizeof(TRepListColors) / sizeof(fw::TColor),
                "every colour of TRepListColors needs its row in Assign's table");
  return kRows;
}

void TReportListView::CopyByTable(const TReportListView& src, TAssignRow::TRule rule) {
  for (const TAssignRow& row : AssignTable())
    if (row.rule == rule && row.copy != nullptr) row.copy(*this, src);
}

void TReportListView::Assign(fw::TPersistent* Source) {
  auto* src = dynamic_cast<TReportListView*>(Source);
  if (src == nullptr) {
    fw::TCustomDrawGrid::Assign(Source);
    return;
  }
  if (src == this) return;
  {
    PaintHold hold(*this);
    CopyByTable(*src, TAssignRow::Copy);
  }
  CopyByTable(*src, TAssignRow::CopyAfterHold);
}

void TReportListView::AssignTo(fw::TPersistent* Dest) {
  if (auto* dest = dynamic_cast<TReportListView*>(Dest)) {
    dest->Assign(this);
    return;
  }
  fw::TCustomDrawGrid::AssignTo(Dest);
}

}  // namespace zeb
