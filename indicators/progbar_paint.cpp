// TProgBar painting: margin and background, the background picture, the bar in one colour or
// as a gradient, the grid, then the frames and the value text.
#include <algorithm>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "indicators/ZEB_ProgBar.h"

namespace zeb {

namespace {

bool Horizontal(TDirection direction) {
  return direction != dirUp && direction != dirDown;
}

bool IsEmpty(const fw::TRect& r) {
  return r.Right <= r.Left || r.Bottom <= r.Top;
}

void Fill(fw::TCanvas* canvas, const fw::TRect& r, fw::TColor color) {
  canvas->Brush()->SetColor(color);
  canvas->FillRect(r);
}

}  // namespace

fw::TRect TProgBar::InnerRect() const {
  return fw::Rect(marginLeft_, marginTop_, Width() - marginRight_, Height() - marginBottom_);
}

// Drawn straight onto the control's canvas: the form's surface is off-screen already, so
// nothing flickers, and the fills below need no bitmap of their own.
void TProgBar::Paint() {
  if (!Visible() && !Designing()) return;
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  fw::TCanvas* canvas = Canvas();
  fw::TCanvasStateSaver saved(*canvas);
  canvas->Brush()->SetStyle(fw::bsSolid);
  const fw::TRect whole = fw::Rect(0, 0, w, h), inner = InnerRect();
  // The margin under everything, the background (or picture) over the inner area.
  Fill(canvas, whole, colorMargin_);
  PaintBackground(canvas, inner);
  PaintBar(canvas, inner);
  PaintFrame(canvas, frameStyleInner_, inner);
  PaintFrame(canvas, frameStyleOuter_, whole);
  if (textVisible_) PaintValueText(canvas);
}

void TProgBar::PaintBackground(fw::TCanvas* canvas, const fw::TRect& inner) {
  if (IsEmpty(inner)) return;
  if (backGroundImg_.empty() || backGround_->Empty()) {
    Fill(canvas, inner, colorBackGnd_);
    return;
  }
  canvas->SetCopyMode(fw::cmSrcCopy);
  canvas->StretchDraw(inner, backGround_.get());
}

void TProgBar::PaintBar(fw::TCanvas* canvas, const fw::TRect& inner) {
  if (IsEmpty(inner)) return;
  const int length = Horizontal(direction_) ? inner.Width() : inner.Height();
  const int n = BarLength(value_, min_, max_, length);
  if (showColorGradient_)
    PaintGradient(canvas, inner, n, length);
  else if (n > 0)
    Fill(canvas, BarLines(direction_, inner, 0, n), table_[0]);
  if (gridDist_ > 1) PaintGrid(canvas, inner, n, length);
}

// One table entry per bar line. Lines are filled, not stroked: a one-pixel-wide FillRect covers
// the same pixels as a pen line and takes the canvas's fast path; neighbouring lines of the
// same colour (blended entries often repeat a colour) go into one rectangle.
void TProgBar::PaintGradient(fw::TCanvas* canvas, const fw::TRect& inner, int n, int length) {
  if (n <= 0) return;
  const auto colorOfLine = [&](int e) {
    return table_[GradientIndex(colorMapMode_, e, n, length)];
  };
  int runStart = 0;
  fw::TColor runColor = colorOfLine(0);
  for (int e = 1; e < n; ++e) {
    const fw::TColor color = colorOfLine(e);
    if (color == runColor) continue;
    Fill(canvas, BarLines(direction_, inner, runStart, e), runColor);
    runStart = e;
    runColor = color;
  }
  Fill(canvas, BarLines(direction_, inner, runStart, n), runColor);
}

// Every GridDist-th line from the bar's start; the horizontal directions also mark the line
// just after the bar's end. Never past the inner area.
void TProgBar::PaintGrid(fw::TCanvas* canvas, const fw::TRect& inner, int n, int length) {
  const int last = std::min(Horizontal(direction_) ? n : n - 1, length - 1);
  canvas->Brush()->SetColor(colorGrid_);
  for (int64_t e = 0; e <= last; e += gridDist_)
    canvas->FillRect(BarLine(direction_, inner, static_cast<int>(e)));
}

}  // namespace zeb
