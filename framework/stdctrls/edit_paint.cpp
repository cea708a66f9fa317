// TCustomEdit painting and geometry: sunken border, text scrolled to keep the caret in view,
// the selection in highlight colours, and the caret line.
#include <algorithm>

#include "framework/graphics/frame3d.h"
#include "framework/graphics/text_engine.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/text_positions.h"

namespace fw {

namespace {

// Space between the border and the text, left and right.
constexpr int kTextMarginX = 2;

}  // namespace

TRect TCustomEdit::TextArea() const {
  const int frame = borderStyle_ == bsSingle ? 2 : 0;
  return Rect(frame + kTextMarginX, frame, Width() - frame - kTextMarginX, Height() - frame);
}

int TCustomEdit::PositionToX(int index) const {
  const std::string shown = DisplayText();
  const std::size_t bytes = textpos::ByteOffset(shown, index);
  const int width = MeasureText(Font()->Spec(), std::string_view(shown).substr(0, bytes)).width;
  return TextArea().Left - scrollX_ + width;
}

// The character boundary nearest x: a binary search over the boundaries' positions, which
// grow with the index.
int TCustomEdit::XToPosition(int x) const {
  int low = 0;
  int high = TextLength();
  while (low < high) {
    const int mid = (low + high + 1) / 2;
    if (PositionToX(mid) <= x)
      low = mid;
    else
      high = mid - 1;
  }
  // low is the last boundary at or left of x; the next one may be nearer.
  if (low < TextLength() && PositionToX(low + 1) - x < x - PositionToX(low)) ++low;
  return low;
}

int TCustomEdit::HitTest(int X, int) const {
  return XToPosition(X);
}

// Keeps the caret inside the text area, moving by a quarter of the area when it leaves, and
// never scrolls further than the text needs.
void TCustomEdit::ScrollCaretIntoView() {
  const TRect area = TextArea();
  const int areaWidth = std::max(area.Width(), 1);
  const int fullWidth = MeasureText(Font()->Spec(), DisplayText()).width;
  const int caretAt = PositionToX(caret_) + scrollX_ - area.Left;  // in text coordinates
  int x = scrollX_;
  if (caretAt < x) x = std::max(caretAt - areaWidth / 4, 0);
  if (caretAt >= x + areaWidth) x = caretAt - areaWidth + 1 + areaWidth / 4;
  x = std::clamp(x, 0, std::max(fullWidth - areaWidth + 1, 0));
  // The clamp must not push the caret out again.
  x = std::min(x, caretAt);
  if (x == scrollX_) return;
  scrollX_ = x;
  Invalidate();
}

void TCustomEdit::DrawBorder(TCanvas* canvas) {
  if (borderStyle_ != bsSingle) return;
  Frame3D(canvas, Rect(0, 0, Width(), Height()), clBtnShadow, clBtnHighlight);
  Frame3D(canvas, Rect(1, 1, Width() - 1, Height() - 1), cl3DDkShadow, clBtnFace);
}

void TCustomEdit::Paint() {
  TCanvas* canvas = Canvas();
  TCanvasStateSaver saved(*canvas);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(Rect(0, 0, Width(), Height()));
  DrawBorder(canvas);

  const TRect area = TextArea();
  const int frame = borderStyle_ == bsSingle ? 2 : 0;
  if (!canvas->IntersectClipRect(Rect(frame, frame, Width() - frame, Height() - frame))) return;
  canvas->SetFont(Font());
  const int textHeight = canvas->TextHeight("");
  const int y = area.Top + (area.Height() - textHeight) / 2;
  const std::string shown = DisplayText();

  // The whole text, then the selection over it in highlight colours.
  canvas->Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextOut(area.Left - scrollX_, y, shown);
  const bool showSelection = SelLength() > 0 && (Focused() || !hideSelection_);
  if (showSelection) {
    const int x1 = PositionToX(SelStart());
    const int x2 = PositionToX(SelStart() + SelLength());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clHighlight);
    canvas->FillRect(Rect(x1, y, x2, y + textHeight));
    canvas->Font()->SetColor(clHighlightText);
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(x1, y, textpos::Slice(shown, SelStart(), SelStart() + SelLength()));
  }

  // The caret: a line of the text's height, inverting what is under it.
  if (CaretShown()) {
    const int x = PositionToX(caret_);
    canvas->Pen()->SetMode(pmNot);
    canvas->Pen()->SetWidth(1);
    canvas->MoveTo(x, y);
    canvas->LineTo(x, y + textHeight);
  }
}

}  // namespace fw
