// TNTabEd drawing: data cells by their marks and the selection, heading cells, the corner with
// the cell cursor or the comment label, the empty-table message, and the automatic sizes.
#include <algorithm>

#include "companion/ZEB_stringl.h"
#include "framework/graphics/canvas.h"
#include "framework/rtl/numtext.h"
#include "ntabed/ZEB_ntabed.h"

namespace zeb {

namespace {

// Font colour of a cell by its mark bits (0: none of them).
fw::TColor MarkColor(uint8_t state, fw::TColor a, fw::TColor b, fw::TColor both) {
  const bool markA = state & csMarkA, markB = state & csMarkB;
  if (markA && markB) return both;
  return markA ? a : b;
}

}  // namespace

void TNTabEd::DrawCell(int ACol, int ARow, const fw::TRect& ARect, fw::TGridDrawState AState) {
  if (IsDataCell(ACol, ARow)) {
    DrawDataCell(ACol, ARow, ARect, AState);
  } else if (ACol == 0 && ARow == 0) {
    DrawCorner(ARect);
  } else {
    DrawHeadingCell(ACol, ARow, ARect);
  }
}

void TNTabEd::DrawDataCell(int ACol, int ARow, const fw::TRect& ARect, fw::TGridDrawState AState) {
  fw::TCanvas* canvas = Canvas();
  const int col = ACol - ColOffset(), row = ARow - RowOffset();
  std::string text = DataCellText(col, row);
  const uint8_t state = table_->GetCellState(col, row);
  const bool selected = AState.Contains(fw::gdSelected);
  // Font: mark colour (bold with BoldMarks), else the range or normal colour.
  fw::TFontStyles styles = Font()->Style();
  fw::TColor textColor = selected ? colorRangeSelFG_ : colorNormal_;
  if (state & (csMarkA | csMarkB)) {
    textColor = MarkColor(state, colorMarkedA_, colorMarkedB_, colorMarkedBoth_);
    if (boldMarks_) styles.Include(fw::fsBold);
  }
  fw::TColor background = selected ? colorRangeSelBG_ : canvas->Brush()->Color();
  OnBeforeRenderCell(this, col, row, text, textColor, background, styles);
  canvas->Brush()->SetColor(background);
  canvas->Font()->SetStyle(styles);
  canvas->Font()->SetColor(textColor);
  canvas->TextRect(ARect, ARect.Left + 2, ARect.Top + 1, text);
}

std::string TNTabEd::HeadingText(int ACol, int ARow) const {
  const int co = ColOffset(), ro = RowOffset();
  if (ARow == 0 && ACol > co) return GetColName(ACol - co);
  if (ro == 1 && ARow == 1) {
    if (ACol > co) return fw::Str(GetColAttrib(ACol - co));
    if (ACol == 0) return "Attribute";
    return "";
  }
  if (co == 1 && ACol == 1) return ARow == 0 ? "Attrib" : fw::Str(GetRowAttrib(ARow - ro));
  return GetRowName(ARow - ro);
}

void TNTabEd::DrawHeadingCell(int ACol, int ARow, fw::TRect rect) {
  fw::TCanvas* canvas = Canvas();
  if (rect.Right - rect.Left > 0) {
    ++rect.Left;
    --rect.Right;
  }
  if (rect.Bottom - rect.Top > 0) {
    ++rect.Top;
    --rect.Bottom;
  }
  const fw::TGridRect sel = Selection();
  const bool colHead = ACol > ColOffset();
  const bool current = colHead ? ACol == sel.Left : ARow > RowOffset() && ARow == sel.Top;
  canvas->Font()->SetColor(current ? colorSelected_ : colorNormal_);
  fw::TFontStyles styles = Font()->Style();
  if (current && boldSelHeads_) styles.Include(fw::fsBold);
  canvas->Font()->SetStyle(styles);
  const bool attribCell = ARow == 0 && ColOffset() == 1 && ACol == 1;
  if (!attribCell) rect.Right -= 2;
  const bool rowName = ACol == 0 && ARow > RowOffset();
  canvas->TextRect(rect, rect.Left + 2, rowName ? rect.Top : rect.Top + 1, HeadingText(ACol, ARow));
  canvas->Font()->SetStyle(Font()->Style());
}

void TNTabEd::DrawCorner(const fw::TRect& rect) {
  fw::TCanvas* canvas = Canvas();
  canvas->Font()->SetStyle(Font()->Style());
  if (commentMode_) {
    canvas->Brush()->SetColor(fw::RGB(0, 128, 128));
    canvas->Font()->SetColor(fw::clWhite);
    canvas->TextRect(rect, rect.Left + 2, rect.Top + 1, "Comment:");
    return;
  }
  canvas->Font()->SetColor(colorNormal_);
  canvas->Brush()->SetColor(fw::clWindow);
  std::string text;
  if (showCellCursor_) {
    const fw::TGridRect sel = Selection();
    text = fw::Str(sel.Left - ColOffset()) + ":" + fw::Str(sel.Top - RowOffset());
  }
  canvas->TextRect(rect, rect.Left + 3, rect.Top + 2, text);
}

void TNTabEd::DisplayCellCursor(int col, int row) {
  if (!showCellCursor_ || commentMode_) return;
  fw::TCanvas* canvas = Canvas();
  const fw::TRect rect = CellRect(0, 0);
  canvas->SetFont(Font());
  canvas->Font()->SetColor(colorNormal_);
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Brush()->SetColor(fw::clWindow);
  canvas->TextRect(rect, rect.Left + 3, rect.Top + 2,
                   fw::Str(col - ColOffset()) + ":" + fw::Str(row - RowOffset()));
}

void TNTabEd::Paint() {
  if (suppressPaint_ || updating_ > 0) return;
  fw::TCustomGrid::Paint();
  if (NrOfRows() == 0) DrawEmptyMessage();
  if (optimizeRowHeight_) {
    const int h = AutoRowHeight(-1, 2);
    if (h != DefaultRowHeight()) SetDefaultRowHeight(h);
  }
}

// The message's lines are centred as a block; "|" separates them.
void TNTabEd::DrawEmptyMessage() {
  fw::TCanvas* canvas = Canvas();
  canvas->Pen()->SetColor(Color());
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->Rectangle(0, 0, Width(), Height());
  if (emptyMessage_.empty()) return;
  canvas->SetFont(Font());
  canvas->Font()->SetColor(colorEmptyMsg_);
  const int h = canvas->TextHeight(emptyMessage_);
  std::vector<std::string> lines;
  const int n = Tokenize(emptyMessage_, "|", lines);
  for (int i = 1; i <= n; ++i) {
    const std::string& line = lines[static_cast<std::size_t>(i - 1)];
    const int x = (Width() - canvas->TextWidth(line)) / 2;
    const int y = (Height() + n * h) / 2 - n * h - 2 + (i - 1) * h;
    canvas->TextOut(x, y, line);
  }
}

int TNTabEd::AutoColWidth(int col, bool IncludeHeading, int AddSpace) {
  fw::TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  int base = 0;
  if (col == -1) {
    base = canvas->TextWidth(IncludeHeading ? "Attrib" : "255");
  } else if (col == 0) {
    base = canvas->TextWidth("999:9999");
    for (int r = 1; r <= NrOfRows(); ++r) base = std::max(base, canvas->TextWidth(GetRowName(r)));
  } else if (col >= 1 && col <= NrOfColumns()) {
    if (IncludeHeading) base = canvas->TextWidth(GetColName(col));
    base = std::max(base, canvas->TextWidth(fw::Str(GetColAttrib(col))));
    const int d = GetDecPlaces(col);
    for (int r = 1; r <= NrOfRows(); ++r)
      base = std::max(base, canvas->TextWidth(FormatCellValue(GetElem(col, r), d, numWidth_)));
  }
  const int width = std::max(4, base + AddSpace + 8);
  SetColWidths(col, width);
  return width;
}

int TNTabEd::AutoRowHeight(int row, int AddSpace) {
  fw::TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  const int h = std::max(8, canvas->TextHeight("9GMg\u00DC$\u00A7[{|") + AddSpace + 2);
  SetRowHeight(row, h);
  return h;
}

}  // namespace zeb
