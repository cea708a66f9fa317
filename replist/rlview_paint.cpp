// TReportListView painting of data cells and of the whole control: colours by state, shading
// bands, shortened texts, check boxes and radio marks, the empty list's message and the
// inter-row indicator.
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
constexpr int kCheckSpace = 16;

// The first n characters + "..." (left or centred), or the first character + "..." + the last
// n (right aligned), with n fitted to `room` pixels from the text's width without its first
// character.
std::string Shorten(fw::TCanvas* canvas, const std::string& text, int room, bool rightAligned) {
  const int tw = canvas->TextWidth(fw::Copy(text, 2, 0x7FFFFFFF));
  if (tw <= room || tw <= 0) return text;
  const auto length = static_cast<long long>(fw::Length(text));
  const auto n = std::max<long long>(fw::Round(static_cast<double>(length) * room / tw - 4.0), 1);
  if (rightAligned) return fw::Copy(text, 1, 1) + "..." + fw::Copy(text, length - n + 1, n);
  return fw::Copy(text, 1, n) + "...";
}

}  // namespace

void TReportListView::DrawCell(int ACol, int ARow, const fw::TRect& ARect,
                               fw::TGridDrawState AState) {
  fw::TRect t = ARect;
  t.Left += 4;
  t.Top += 2;
  t.Right -= 6;
  Canvas()->SetFont(Font());
  if (ARow >= FixedRows()) {
    DrawDataCell(ACol, ARow, ARect);
  } else if (AState.Contains(fw::gdFixed)) {
    // The common header row is drawn once by Paint, across the columns.
    if (ARow == ColumnHeaderRow() && !(commonHeaderVisible_ && ARow == 0))
      DrawColumnHeader(ACol, ARect);
  }
  fw::TCustomDrawGrid::DrawCell(ACol, ARow, t, AState);
}

TCellColors DataCellColors(const TRepListColors& colors, const TDataCellState& state,
                           bool highLightBold) {
  const fw::TColor back = state.shaded ? colors.bkgdShaded : colors.bkgdNormal;
  TCellColors c{back, back, colors.text, false};
  auto take = [&c](fw::TColor background, fw::TColor text) {
    c.brush = c.pen = background;
    c.font = text;
  };
  if (state.enabled) {
    if (state.rowDisabled) {
      take(colors.disabledBkgd, colors.disabledText);
    } else {
      if (state.colSelected && state.rowSelected)
        take(colors.selBoth, colors.selBothText);
      else if (state.colSelected)
        take(colors.selCol, colors.selColText);
      else if (state.rowSelected)
        take(colors.selRow, colors.selRowText);
      if (state.highlighted) {
        take(colors.high, colors.highText);
        c.bold = highLightBold;
      }
    }
  }
  if (state.fixedColumn) c.brush = c.pen = colors.columnHd;
  if (!state.enabled) c.font = fw::clInactiveCaption;
  return c;
}

void TReportListView::DrawDataCell(int ACol, int ARow, const fw::TRect& ARect) {
  fw::TCanvas* canvas = Canvas();
  const fw::TGridOptions options = Options();
  const bool fixedCol = ACol < FixedCols();
  fw::TRect f = ARect;
  if (!fixedCol) {
    if (!options.Contains(fw::goVertLine)) ++f.Right;
    if (!options.Contains(fw::goHorzLine)) ++f.Bottom;
  }
  // The text box comes from the cell itself: the background's reach over a missing grid
  // line does not move the text.
  fw::TRect t = ARect;
  t.Left += 4;
  t.Top += 2;
  t.Right -= 6;
  const int d = DataColOfGrid(ACol);
  const int r = ARow - FixedRows() + 1;
  const TStringArray& m = *data_->Matrix();
  const bool rowData = InRows(r);
  const TCheckMode mode = data_->GetColCheckMode(d);
  const bool pwd = HasColEntry(d) && columns_[ColIndex(d)].password;
  std::string text = rowData ? m.GetElem(d, r) : std::string();
  if (pwd) text = "******";

  // Colours by the cell's state.
  const uint8_t rowAttr = rowData ? m.GetRowAttrib(r) : 0;
  const bool rowDisabled = (rowAttr & kRowDisabled) != 0;
  TDataCellState state;
  state.enabled = Enabled();
  state.shaded = rowColPattern_ >= 1 && ((r - 1) / rowColPattern_) % 2 == 0;
  state.rowDisabled = rowDisabled;
  state.rowSelected = (rowAttr & kRowSelected) != 0;
  state.colSelected = InDataCols(d) && (m.GetColAttrib(d) & kColSelected) != 0;
  state.highlighted = (rowData && r == highLightRow_) || d == highLightColumn_;
  state.fixedColumn = fixedCol;
  const TCellColors colors = DataCellColors(colors_, state, highLightBold_);
  fw::TColor brushColor = colors.brush, penColor = colors.pen, fontColor = colors.font;
  fw::TFontStyles styles = colors.bold ? fw::TFontStyles{fw::fsBold} : Font()->Style();
  if (OnBeforeRenderCell && rowData)
    OnBeforeRenderCell(this, d, r, penColor, brushColor, fontColor, styles, text);
  canvas->Font()->SetStyle(styles);
  canvas->Font()->SetColor(fontColor);
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Brush()->SetColor(brushColor);

  // Shortening to the column's width (the cell drawn, whatever the column order).
  const int check = mode != cmNone ? kCheckSpace : 0;
  const TAlignment alignment = GetColAlignment(d);
  const bool right = alignment == taRightJustify;
  const bool centre = alignment == taCenter;
  text = Shorten(canvas, text, ColWidths(ACol) - 9 - check, right);

  // Background.
  canvas->Pen()->SetColor(brushColor);
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetStyle(fw::psSolid);
  canvas->Rectangle(f.Left, f.Top, f.Right, f.Bottom);
  canvas->Pen()->SetColor(penColor);

  const bool italic = Font()->Style().Contains(fw::fsItalic);
  auto drawText = [&](const fw::TRect& box, const std::string& s) {
    const int w = canvas->TextWidth(s) + (italic ? 2 : 0);
    int x = box.Left;
    if (right)
      x = box.Right - w;
    else if (centre)
      x = (box.Left + box.Right) / 2 - w / 2;
    canvas->TextRect(box, x, box.Top - 1, s);
  };
  if (mode == cmNone) {
    drawText(t, text);
  } else if (fw::Length(text) > 1 || showEmptyCheckBoxes_) {
    t.Left += kCheckSpace;
    const bool checked = !text.empty() && text[0] != ' ';
    drawText(t, fw::Copy(text, 2, 0x7FFFFFFF));
    DrawCheckMark(canvas, mode, f, checked, penColor, fontColor, rowDisabled);
  }

  // A fixed column looks raised.
  if (fixedCol) fw::Frame3D(canvas, f, fw::clWhite, kEdgeDark, 1, fw::bcTopLeftOwns);
}

// The box or circle (unless hidden) and, when checked, the tick or the dot.
void TReportListView::DrawCheckMark(fw::TCanvas* canvas, TCheckMode mode, const fw::TRect& f,
                                    bool checked, fw::TColor penColor, fw::TColor fontColor,
                                    bool rowDisabled) {
  const int l = f.Left, t = f.Top;
  if (!roCheckmarks_) {
    fw::TColor outline = rowDisabled ? penColor : fw::clBtnShadow;
    if (!Enabled()) outline = fw::clInactiveCaption;
    canvas->Pen()->SetColor(outline);
    if (mode == cmRadio)
      canvas->Ellipse(l + 4, t + 4, l + 15, t + 15);
    else
      canvas->Rectangle(l + 4, t + 4, l + 15, t + 15);
  }
  canvas->Pen()->SetColor(Enabled() ? fontColor : fw::clInactiveCaption);
  if (!checked) return;
  auto line = [canvas, l, t](int x1, int y1, int x2, int y2) {
    canvas->MoveTo(l + x1, t + y1);
    canvas->LineTo(l + x2, t + y2);
  };
  if (mode == cmRadio) {
    line(8, 7, 11, 7);
    for (int i = 0; i < 3; ++i) line(7, 8 + i, 12, 8 + i);
    line(8, 11, 11, 11);
  } else {
    for (int i = 0; i < 3; ++i) line(6, 8 + i, 9, 11 + i);
    for (int i = 0; i < 3; ++i) line(8, 10 + i, 13, 5 + i);
  }
}

void TReportListView::Paint() {
  if (suppressPaint_) return;
  fw::TCustomDrawGrid::Paint();
  fw::TCanvas* canvas = Canvas();
  fw::TCanvasStateSaver saved(*canvas);
  // The area of the cells: inside the border, beside the scroll bars.
  const int b = BorderWidth();
  const fw::TRect cells = fw::Rect(b, b, ClientWidth() - b - VertScrollBarRect().Width(),
                                   ClientHeight() - b - HorzScrollBarRect().Height());
  if (canvas->IntersectClipRect(cells)) {
    // The common header spans the columns, over the grid lines between them.
    if (commonHeaderVisible_) {
      const fw::TRect band = CellRect(FixedCols() > 0 ? 0 : fw::TCustomGrid::LeftCol(), 0);
      if (!fw::IsRectEmpty(band)) {
        canvas->SetFont(Font());
        DrawCommonHeader(band);
      }
    }
    if (NrOfRows() == 0) PaintEmptyList();
    PaintInterRowIndicator();
  }
}

// The grid's single empty row and the area below it take the control's colour; the message
// is centred below the headers.
void TReportListView::PaintEmptyList() {
  fw::TCanvas* canvas = Canvas();
  const int b = BorderWidth();
  const fw::TRect first = CellRect(fw::TCustomGrid::LeftCol(), FixedRows());
  const int y0 = fw::IsRectEmpty(first) ? b : first.Top;
  canvas->Pen()->SetColor(Color());
  canvas->Pen()->SetWidth(1);
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->Rectangle(b, y0, Width() - b, Height() - b);
  if (emptyMessage_.empty()) return;
  canvas->SetFont(Font());
  canvas->Font()->SetColor(colors_.emptyMsg);
  const int h = canvas->TextHeight(emptyMessage_);
  std::vector<std::string> lines;
  const int n = Tokenize(emptyMessage_, "|", lines);
  const int y1 = y0 - n * h;
  for (int i = 0; i < n; ++i) {
    const std::string& line = lines[static_cast<size_t>(i)];
    const int w = canvas->TextWidth(line);
    canvas->TextOut((Width() - w) / 2, y1 + (Height() - y1) / 2 + i * h - 2, line);
  }
}

// A line on the grid line above data row p (below the last row for NrOfRows + 1), when that
// place is on screen.
void TReportListView::PaintInterRowIndicator() {
  const int p = interRowIndi_;
  if (p <= 0 || p < GetTopRow() || p > NrOfRows() + 1) return;
  const int k = CountHeadRows();
  const int left = fw::TCustomGrid::LeftCol();
  int y = 0;
  if (p <= NrOfRows()) {
    const fw::TRect cell = CellRect(left, k + p - 1);
    if (fw::IsRectEmpty(cell)) return;
    y = cell.Top - 1;
  } else {
    const fw::TRect cell = CellRect(left, k + p - 2);
    if (fw::IsRectEmpty(cell)) return;
    y = cell.Bottom;
  }
  fw::TCanvas* canvas = Canvas();
  canvas->Pen()->SetStyle(fw::psSolid);
  canvas->Pen()->SetColor(interRowColor_);
  canvas->Pen()->SetWidth(interRowWidth_);
  canvas->MoveTo(BorderWidth(), y);
  canvas->LineTo(Width() - BorderWidth(), y);
  canvas->Pen()->SetWidth(1);
}

}  // namespace zeb
