// TReportListView filtering and ordering by state: rows that match a search are enabled, the
// others disabled (never deleted), then enabled rows are sorted before disabled ones.
#include <algorithm>
#include <memory>
#include <regex>

#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"
#include "replist/rlquery.h"
#include "replist/rlview_hold.h"

namespace zeb {

namespace {

// A search text made ready for its mode, matching rows of cell texts.
class TRowSearch {
 public:
  // Refuses a regular expression that is invalid or too complex with the view's error,
  // naming the component `owner` and the pattern.
  // A mode value outside the enumeration searches as fmSimple.
  TRowSearch(const std::string& text, TFilterMode mode, const std::string& owner)
      : text_(text), mode_(mode == fmBoolean || mode == fmGrep ? mode : fmSimple), owner_(owner) {
    if (text.empty()) return;
    if (mode_ == fmSimple) needle_ = fw::LowerCase(text);
    if (mode_ == fmBoolean) query_ = rlquery::TQuery::Compile(text);
    if (mode_ == fmGrep) Compile();
  }

  bool Matches(const std::vector<std::string>& cells) const {
    if (text_.empty()) return true;
    if (mode_ == fmSimple)
      return std::any_of(cells.begin(), cells.end(), [&](const std::string& cell) {
        return fw::LowerCase(cell).find(needle_) != std::string::npos;
      });
    if (mode_ == fmBoolean) return query_.Matches(cells);
    try {
      return std::any_of(cells.begin(), cells.end(),
                         [&](const std::string& cell) { return std::regex_search(cell, *re_); });
    } catch (const std::regex_error&) {
      throw EZEBRepListError("Component \"" + owner_ + "\": search pattern too complex: " + text_);
    }
  }

 private:
  void Compile() {
    const std::string error = "Component \"" + owner_ + "\": invalid search pattern: " + text_;
    if (!rlquery::PatternAcceptable(text_)) throw EZEBRepListError(error + " (too complex)");
    try {
      re_ = std::make_unique<std::regex>(text_, std::regex::ECMAScript | std::regex::icase);
    } catch (const std::regex_error&) {
      throw EZEBRepListError(error);
    }
  }

  std::string text_;
  TFilterMode mode_;
  std::string owner_;
  std::string needle_;
  rlquery::TQuery query_;
  std::unique_ptr<std::regex> re_;
};

}  // namespace

std::vector<int> TReportListView::FilterColumns(std::span<const int> Cols) const {
  std::vector<int> cols;
  if (Cols.empty()) {
    for (int c = 1; c <= NrOfColumns(); ++c) cols.push_back(c);
  } else {
    for (int c : Cols)
      if (InDataCols(c) && std::find(cols.begin(), cols.end(), c) == cols.end()) cols.push_back(c);
  }
  // Hidden texts are never searched: a filter must not reveal what a password column holds.
  std::erase_if(cols, [this](int c) { return GetColumnIsPwd(c); });
  return cols;
}

void TReportListView::FilterAndSort(const std::string& SearchText, TIntList Cols,
                                    bool SelectMatches, TFilterMode Mode, int SortCol,
                                    bool Ascending) {
  const std::vector<int> cols = FilterColumns(Cols);
  const TRowSearch search(SearchText, Mode, Name());
  EndEditing();
  {
    PaintHold hold(*this);
    TStringArray& m = *data_->Matrix();
    std::vector<std::string> cells(cols.size());
    for (int r = 1; r <= NrOfRows(); ++r) {
      if (!SearchText.empty())
        for (size_t i = 0; i < cols.size(); ++i) cells[i] = data_->GetElem(cols[i], r);
      bool found = search.Matches(cells);
      if (OnBeforeFilter) {
        bool verdict = found;
        TLogicOp op = loReplace;
        OnBeforeFilter(this, r, verdict, op);
        found = ApplyLogicOp(op, found, verdict);
      }
      uint8_t a = m.GetRowAttrib(r);
      a = found ? static_cast<uint8_t>(a & ~kRowDisabled) : static_cast<uint8_t>(a | kRowDisabled);
      if (SelectMatches)
        a = found ? static_cast<uint8_t>(a | kRowSelected)
                  : static_cast<uint8_t>(a & ~kRowSelected);
      m.SetRowAttrib(r, a);
    }
    SortEnabledState(SortCol, -1, Ascending);
    SetTopRow(1);
  }
  ChangedSelection();
}

// Sorts by the columns through the data store (recording the sort state), then moves the
// enabled rows before the disabled ones, each group keeping the sorted order.
void TReportListView::SortEnabledState(int SortCol, int SortColSec, bool Ascending) {
  EndEditing();
  PaintHold hold(*this);
  TStringArray& m = *data_->Matrix();
  if (SortCol >= 1 && SortCol <= NrOfColumns()) data_->Sort(SortCol, SortColSec, Ascending);
  const int rows = NrOfRows();
  std::vector<int> order(static_cast<size_t>(rows));
  for (int r = 1; r <= rows; ++r) order[static_cast<size_t>(r - 1)] = m.GetSortOrder(r);
  std::vector<bool> enabled(static_cast<size_t>(rows) + 1);
  for (int r = 1; r <= rows; ++r)
    enabled[static_cast<size_t>(m.GetSortOrder(r))] = (m.GetRowAttrib(r) & kRowDisabled) == 0;
  std::stable_partition(order.begin(), order.end(),
                        [&](int stored) { return enabled[static_cast<size_t>(stored)]; });
  for (int r = 1; r <= rows; ++r) m.SetSortOrder(r, order[static_cast<size_t>(r - 1)]);
}

}  // namespace zeb
