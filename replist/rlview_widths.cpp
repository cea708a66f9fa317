// TReportListView column widths: measuring a column's content, fitting one column or all of
// them, and letting one column take the width the others leave.
#include <algorithm>
#include <array>
#include <unordered_map>

#include "framework/graphics/canvas.h"
#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"
#include "replist/rlview_hold.h"

namespace zeb {

namespace {

// Widths of single characters in one font, remembered as they are met. Text is drawn without
// kerning, so a text's width is the sum of its characters' widths; the sum serves as a cheap
// bound that decides which texts must be measured at all.
class CharWidths {
 public:
  explicit CharWidths(fw::TCanvas* canvas) : canvas_(canvas) { ascii_.fill(-1); }

  int Of(std::string_view text) {
    int sum = 0;
    for (size_t pos = 0; pos < text.size();) {
      const size_t start = pos;
      const char32_t code = fw::NextCodePoint(text, pos);
      sum += OfChar(code, text.substr(start, pos - start));
    }
    return sum;
  }

 private:
  int OfChar(char32_t code, std::string_view utf8) {
    if (code < 128) {
      int& w = ascii_[code];
      if (w < 0) w = canvas_->TextWidth(utf8);
      return w;
    }
    auto it = others_.find(code);
    if (it == others_.end()) it = others_.emplace(code, canvas_->TextWidth(utf8)).first;
    return it->second;
  }

  fw::TCanvas* canvas_;
  std::array<int, 128> ascii_{};
  std::unordered_map<char32_t, int> others_;
};

}  // namespace

// Width of a cell text (or, with header, a column name) as DetermineMaxColWidth counts it:
// OnBeforeRenderCell may change the text and the font style first.
int TReportListView::TextWidthOf(int ACol, int ARow, const std::string& text, bool header) {
  fw::TCanvas* canvas = Canvas();
  std::string t = text;
  if (OnBeforeRenderCell) {
    fw::TColor pen = colors_.bkgdNormal, brush = colors_.bkgdNormal, fontColor = colors_.text;
    fw::TFontStyles styles = Font()->Style();
    OnBeforeRenderCell(this, ACol, ARow, pen, brush, fontColor, styles, t);
    canvas->Font()->SetStyle(styles);
  }
  const bool check = data_->GetColCheckMode(ACol) != cmNone;
  int extra = 0;
  if (header)
    extra = data_->SortColumn() == ACol ? 13 : 0;
  else
    extra = check ? 16 : 0;
  return canvas->TextWidth(t) + extra;
}

int TReportListView::DetermineMaxColWidth(int ACol, bool WithHeader) {
  if (!InDataCols(ACol)) return 0;
  fw::TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  const TStringArray& m = *data_->Matrix();
  const int rows = NrOfRows();
  int best = 0;
  if (OnBeforeRenderCell) {
    for (int r = 1; r <= rows; ++r)
      best = std::max(best, TextWidthOf(ACol, r, m.GetElem(ACol, r), false));
  } else {
    // Every text's width is bounded by the sum of its characters' widths; only texts whose
    // bound could beat the widest one measured so far are measured.
    CharWidths chars(canvas);
    std::vector<int> bound(static_cast<size_t>(rows) + 1, 0);
    int widest = 0;
    for (int r = 1; r <= rows; ++r) {
      bound[static_cast<size_t>(r)] = chars.Of(m.GetElem(ACol, r));
      if (bound[static_cast<size_t>(r)] > bound[static_cast<size_t>(widest)]) widest = r;
    }
    const int extra = data_->GetColCheckMode(ACol) != cmNone ? 16 : 0;
    if (rows > 0) {
      widest = std::max(widest, 1);
      best = canvas->TextWidth(m.GetElem(ACol, widest));
      for (int r = 1; r <= rows; ++r)
        if (bound[static_cast<size_t>(r)] > best)
          best = std::max(best, canvas->TextWidth(m.GetElem(ACol, r)));
      best += extra;
    }
  }
  // The row number passed for the name is 0, the header line.
  if (WithHeader) best = std::max(best, TextWidthOf(ACol, 0, data_->GetColName(ACol), true));
  canvas->SetFont(Font());
  return best + 10;
}

void TReportListView::AutoColWidth(int ACol, bool WithHeader, int Extra) {
  SetColWidths(ACol, std::max(DetermineMaxColWidth(ACol, WithHeader) + Extra, 4));
}

void TReportListView::AutoColWidth(int ACol, bool WithHeader, int MaxWidth, int Extra) {
  SetColWidths(ACol,
               std::min(std::max(DetermineMaxColWidth(ACol, WithHeader) + Extra, 4), MaxWidth));
}

// The room is the cells' width: the client width less the border drawn inside the control
// and a shown vertical scroll bar.
void TReportListView::ExpandColWidth(int ACol, int Margin) {
  if (HasColEntry(ACol)) {
    int sum = 0;
    const int n = std::min(NrOfColumns(), static_cast<int>(columns_.size()));
    for (int i = 0; i < n; ++i)
      if (i != ACol - 1) sum += ColWidths(columns_[static_cast<size_t>(i)].order);
    const int room = ClientWidth() - 2 * BorderWidth() - VertScrollBarRect().Width();
    fw::TCustomGrid::SetColWidths(GetColOrder(ACol) - 1, std::max(room - Margin - sum, 16));
  }
  ChangedSetup();
}

void TReportListView::FitAllColWidths(int ExpandCol, bool WithHeader, int Margin, int MaxWidth,
                                      int Extra) {
  {
    PaintHold hold(*this);
    for (int i = 1; i <= NrOfColumns(); ++i)
      if (i != ExpandCol) AutoColWidth(i, WithHeader, MaxWidth, Extra);
    ExpandColWidth(ExpandCol, Margin);
  }
}

}  // namespace zeb
