// TCustomMemo geometry and painting: text area beside the scroll bars, rows scrolled to keep
// the caret in view, selection per row, the caret, and the bars.
#include <algorithm>
#include <cstdint>

#include "framework/graphics/frame3d.h"
#include "framework/graphics/text_engine.h"
#include "framework/stdctrls/memo.h"
#include "framework/stdctrls/text_positions.h"

namespace fw {

namespace {

constexpr int kMarginX = 2;

}  // namespace

void TCustomMemo::ShownBars(bool& horz, bool& vert) const {
  vert = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
  horz = (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) && !wordWrap_;
}

TRect TCustomMemo::TextArea() const {
  const int frame = BorderStyle() == bsSingle ? 2 : 0;
  bool horz, vert;
  ShownBars(horz, vert);
  TRect r = Rect(frame + kMarginX, frame + 1, Width() - frame - kMarginX, Height() - frame - 1);
  if (vert) r.Right -= kScrollBarSize;
  if (horz) r.Bottom -= kScrollBarSize;
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

TRect TCustomMemo::VertScrollBarRect() const {
  bool horz, vert;
  ShownBars(horz, vert);
  if (!vert) return Rect(0, 0, 0, 0);
  const int frame = BorderStyle() == bsSingle ? 2 : 0;
  return Rect(Width() - frame - kScrollBarSize, frame, Width() - frame,
              Height() - frame - (horz ? kScrollBarSize : 0));
}

TRect TCustomMemo::HorzScrollBarRect() const {
  bool horz, vert;
  ShownBars(horz, vert);
  if (!horz) return Rect(0, 0, 0, 0);
  const int frame = BorderStyle() == bsSingle ? 2 : 0;
  return Rect(frame, Height() - frame - kScrollBarSize,
              Width() - frame - (vert ? kScrollBarSize : 0), Height() - frame);
}

int TCustomMemo::VisibleRows() const {
  return std::max(TextArea().Height() / LineHeight(), 1);
}

int TCustomMemo::MaxTopRow() const {
  return std::max(RowCount() - VisibleRows(), 0);
}

int TCustomMemo::MaxHorzOffset() const {
  if (wordWrap_) return 0;
  const std::string& text = Text();
  int widest = 0;
  for (const Row& row : DisplayRows()) {
    const std::size_t a = textpos::ByteOffset(text, row.start);
    const std::size_t b = textpos::ByteOffset(text, row.end);
    widest = std::max(widest,
                      MeasureText(Font()->Spec(), std::string_view(text).substr(a, b - a)).width);
  }
  return std::max(widest - TextArea().Width() + 1, 0);
}

void TCustomMemo::SetTopRow(int value) {
  value = std::clamp(value, 0, MaxTopRow());
  if (value == topRow_) return;
  topRow_ = value;
  Invalidate();
}

int TCustomMemo::RowX(const Row& row, int index) const {
  const std::string& text = Text();
  const std::size_t a = textpos::ByteOffset(text, row.start);
  const std::size_t b = textpos::ByteOffset(text, std::clamp(index, row.start, row.end));
  const int width = MeasureText(Font()->Spec(), std::string_view(text).substr(a, b - a)).width;
  return TextArea().Left - scrollX_ + width;
}

int TCustomMemo::RowHit(const Row& row, int x) const {
  int low = row.start;
  int high = row.end;
  while (low < high) {
    const int mid = (low + high + 1) / 2;
    if (RowX(row, mid) <= x)
      low = mid;
    else
      high = mid - 1;
  }
  if (low < row.end && RowX(row, low + 1) - x < x - RowX(row, low)) ++low;
  return low;
}

TPoint TCustomMemo::PositionToPoint(int index) const {
  const int row = RowOfPosition(index);
  const TRect area = TextArea();
  return {RowX(DisplayRows()[static_cast<std::size_t>(row)], index),
          area.Top + (row - topRow_) * LineHeight()};
}

int TCustomMemo::HitTest(int X, int Y) const {
  const TRect area = TextArea();
  const int lh = LineHeight();
  const int offset = Y < area.Top ? -1 - (area.Top - Y - 1) / lh : (Y - area.Top) / lh;
  const int row = std::clamp(topRow_ + offset, 0, RowCount() - 1);
  return RowHit(DisplayRows()[static_cast<std::size_t>(row)], X);
}

// The caret's row within the rows shown; across, as the edit does (no sideways scrolling
// with WordWrap).
void TCustomMemo::ScrollCaretIntoView() {
  const int row = RowOfPosition(CaretPos());
  const int visible = VisibleRows();
  int top = topRow_;
  if (row < top) top = row;
  if (row >= top + visible) top = row - visible + 1;
  top = std::clamp(top, 0, MaxTopRow());
  int x = 0;
  if (!wordWrap_) {
    const TRect area = TextArea();
    const int areaWidth = std::max(area.Width(), 1);
    const int caretAt =
        RowX(DisplayRows()[static_cast<std::size_t>(row)], CaretPos()) + scrollX_ - area.Left;
    x = scrollX_;
    if (caretAt < x) x = std::max(caretAt - areaWidth / 4, 0);
    if (caretAt >= x + areaWidth) x = caretAt - areaWidth + 1 + areaWidth / 4;
    x = std::min(std::clamp(x, 0, MaxHorzOffset()), caretAt);
  }
  if (top == topRow_ && x == scrollX_) return;
  topRow_ = top;
  scrollX_ = x;
  Invalidate();
}

void TCustomMemo::PaintRows(TCanvas* canvas, const TRect& area) {
  const std::string& text = Text();
  const std::vector<Row>& rows = DisplayRows();
  const int lh = LineHeight();
  const int selStart = SelStart();
  const int selEnd = selStart + SelLength();
  const bool showSelection = SelLength() > 0 && (Focused() || !HideSelection());
  const TColor textColor = Enabled() ? Font()->Color() : clGrayText;
  for (int i = topRow_; i < static_cast<int>(rows.size()); ++i) {
    const int y = area.Top + (i - topRow_) * lh;
    if (y >= area.Bottom) break;
    const Row& row = rows[static_cast<std::size_t>(i)];
    const std::string piece = textpos::Slice(text, row.start, row.end);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(textColor);
    canvas->TextOut(area.Left - scrollX_, y, piece);
    const int from = std::max(selStart, row.start);
    const int to = std::min(selEnd, row.end);
    if (!showSelection || selEnd <= row.start || selStart > row.end) continue;
    const int x1 = RowX(row, from);
    // A selected line break shows as a little highlight after the row's text.
    const int x2 = RowX(row, to) + (selEnd > row.end ? 4 : 0);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clHighlight);
    canvas->FillRect(Rect(x1, y, x2, y + lh));
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(clHighlightText);
    if (to > from) canvas->TextOut(x1, y, textpos::Slice(text, from, to));
  }
}

void TCustomMemo::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(Rect(0, 0, Width(), Height()));
  DrawBorder(canvas);
  const TRect area = TextArea();
  const int frame = BorderStyle() == bsSingle ? 2 : 0;
  const TRect inside = Rect(frame, frame, area.Right + kMarginX, area.Bottom + 1);
  if (TCanvasStateSaver saved(*canvas); canvas->IntersectClipRect(inside)) {
    canvas->SetFont(Font());
    PaintRows(canvas, area);
    if (CaretShown()) {
      const TPoint p = PositionToPoint(CaretPos());
      canvas->Pen()->SetMode(pmNot);
      canvas->Pen()->SetWidth(1);
      canvas->MoveTo(p.X, p.Y);
      canvas->LineTo(p.X, p.Y + LineHeight());
    }
  }
  bool horz, vert;
  ShownBars(horz, vert);
  if (vert) BarLayout(true).Paint(canvas);
  if (horz) BarLayout(false).Paint(canvas);
  if (horz && vert) {
    const TRect v = VertScrollBarRect();
    PaintScrollBarCorner(canvas, {v.Left, v.Bottom});
  }
}

// Down, the bar counts rows; across, pixels, with the text area's width as its page.
TScrollBarLayout TCustomMemo::BarLayout(bool vertical) const {
  const TRect bar = vertical ? VertScrollBarRect() : HorzScrollBarRect();
  if (IsRectEmpty(bar)) return {};
  if (vertical) return TScrollBarLayout(bar, true, {topRow_, MaxTopRow(), VisibleRows()});
  return TScrollBarLayout(bar, false, {scrollX_, MaxHorzOffset(), TextArea().Width()});
}

}  // namespace fw
