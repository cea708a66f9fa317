// TReportListView header cells: the common header lines across the columns, the column
// header lines with their shortening, the sort arrow and the raised frames.
#include <algorithm>

#include "companion/ZEB_stringl.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/frame3d.h"
#include "framework/rtl/rounding.h"
#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"

namespace zeb {

namespace {

constexpr fw::TColor kEdgeDark = 0x808080;
constexpr int kArrowSpace = 13;

}  // namespace

// Right edge of the rightmost column on screen.
int TReportListView::HeaderRight() const {
  int right = 0;
  for (int c = 0; c < ColCount(); ++c) {
    if (c >= FixedCols() && c < fw::TCustomGrid::LeftCol()) continue;
    const fw::TRect cell = CellRect(c, 0);
    if (fw::IsRectEmpty(cell)) break;
    right = cell.Right;
  }
  return right;
}

void TReportListView::DrawCommonHeader(const fw::TRect& ARect) {
  fw::TCanvas* canvas = Canvas();
  const int r = HeaderRight();
  const int left = BorderWidth();
  fw::TRect f = ARect;
  f.Left = left;
  f.Right = r;
  const fw::TRect t = fw::Rect(f.Left + 4, f.Top + 2, f.Right - 6, f.Bottom);
  fw::TRect band = fw::Rect(left, f.Top, r, f.Bottom);
  canvas->Font()->SetColor(Enabled() ? colors_.commonHdText : colors_.disabledText);
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Brush()->SetColor(Enabled() ? colors_.commonHd : colors_.disabledBkgd);
  const std::string& header = CommonHeader();
  const int h = canvas->TextHeight(header);
  std::vector<std::string> lines;
  Tokenize(header, "\n", lines);
  if (lines.empty()) lines.emplace_back();
  for (size_t i = 0; i < lines.size(); ++i) {
    const int y = static_cast<int>(i) * h + t.Top;
    if (i > 0) {
      band.Top = std::min(y, f.Bottom);
      band.Bottom = std::min(y + h, f.Bottom);
    }
    const int w = canvas->TextWidth(lines[i]);
    int x = band.Left + 4;
    if (commonHeaderAlignment_ == taRightJustify)
      x = r - w - 6;
    else if (commonHeaderAlignment_ == taCenter)
      x = (band.Left + r) / 2 - w / 2;
    canvas->TextRect(band, x, y, lines[i]);
  }
  // Raised frame around the whole band.
  fw::Frame3D(canvas, fw::Rect(left, f.Top, r, f.Bottom), fw::clWhite, kEdgeDark, 1,
              fw::bcTopLeftOwns);
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetColor(fw::clBlack);
  canvas->MoveTo(r, f.Bottom - 1);
  canvas->LineTo(r, f.Top - 1);
}

void TReportListView::DrawColumnHeader(int ACol, const fw::TRect& ARect) {
  fw::TCanvas* canvas = Canvas();
  const fw::TRect f = ARect;
  const fw::TRect t = fw::Rect(f.Left + 4, f.Top + 2, f.Right - 6, f.Bottom);
  fw::TRect band = f;
  const int d = DataColOfGrid(ACol);
  canvas->Font()->SetColor(Enabled() ? colors_.columnHdText : colors_.disabledText);
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Brush()->SetColor(Enabled() ? colors_.columnHd : colors_.disabledBkgd);
  const std::string name = data_->GetColName(d);
  const bool sorted = data_->SortColumn() == d && InDataCols(d);
  const int s = sorted ? kArrowSpace : 0;
  const int h = canvas->TextHeight(name);
  const TAlignment align = GetColAlignment(d);
  const bool italic = Font()->Style().Contains(fw::fsItalic);
  // The width of the cell drawn (whatever the column order).
  const int room = ColWidths(ACol) - 9 - s;
  std::vector<std::string> lines;
  Tokenize(name, "\n", lines);
  if (lines.empty()) lines.emplace_back();
  int arrow = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = lines[i];
    int w = canvas->TextWidth(line);
    if (room < w) {
      const auto n = std::max<long long>(
          fw::Round(static_cast<double>(fw::Length(line)) * room / std::max(w, 1) - 3.0), 1);
      line = fw::Copy(line, 1, n) + "...";
      w = canvas->TextWidth(line);
    }
    if (italic) w += 2;
    const int y = static_cast<int>(i) * h + t.Top;
    if (i > 0) {
      band.Top = std::min(y, f.Bottom);
      band.Bottom = std::min(y + h, f.Bottom);
    }
    int x = t.Left;
    if (align == taRightJustify)
      x = t.Right - w;
    else if (align == taCenter)
      x = (t.Left + t.Right) / 2 - w / 2;
    canvas->TextRect(band, x, y, line);
    if (i == 0) {
      if (align == taRightJustify)
        arrow = t.Right - t.Left - w - 12;
      else if (align == taCenter)
        arrow = (t.Right - t.Left) / 2 + w / 2 + 10;
      else
        arrow = w + 10;
    }
  }
  canvas->Pen()->SetWidth(1);
  if (sorted) {
    arrow = std::min(arrow, ColWidths(ACol) - 12);
    DrawSortArrow(canvas, t.Left + arrow, t.Top + h / 2, data_->SortAscending());
  }
  // The header row looks like one raised bar to the right edge of the last column on screen,
  // with a light edge at the left of each column.
  fw::Frame3D(canvas, fw::Rect(f.Left, f.Top, HeaderRight(), f.Bottom), fw::clWhite, kEdgeDark, 1,
              fw::bcTopLeftOwns);
}

// Up for ascending, down for descending; light on one side, dark on the other.
void TReportListView::DrawSortArrow(fw::TCanvas* canvas, int x, int y, bool ascending) {
  if (ascending) {
    canvas->Pen()->SetColor(kEdgeDark);
    canvas->MoveTo(x - 4, y + 3);
    canvas->LineTo(x, y - 3);
    canvas->Pen()->SetColor(fw::clWhite);
    canvas->LineTo(x + 4, y + 3);
    canvas->LineTo(x - 4, y + 3);
  } else {
    canvas->Pen()->SetColor(fw::clWhite);
    canvas->MoveTo(x + 4, y - 3);
    canvas->LineTo(x, y + 3);
    canvas->Pen()->SetColor(kEdgeDark);
    canvas->LineTo(x - 4, y - 3);
    canvas->LineTo(x + 4, y - 3);
  }
}

}  // namespace zeb
