// DrawFrame and DrawRectangle: the frames the components draw around their faces, painted
// pixel by pixel on the edge of an inclusive rectangle.
#include <algorithm>
#include <utility>

#include "companion/ZEB_zebbase.h"
#include "framework/graphics/canvas.h"

namespace zeb {
namespace {

// Paints horizontal and vertical runs of one colour, cut to the frame's rectangle, with a
// solid brush; the canvas's brush is restored when the painter goes.
class RunPainter {
 public:
  RunPainter(fw::TCanvas* canvas, int left, int top, int right, int bottom)
      : canvas_(canvas), left_(left), top_(top), right_(right), bottom_(bottom) {
    saved_.Assign(*canvas_->Brush());
    canvas_->Brush()->SetStyle(fw::bsSolid);
  }
  ~RunPainter() { canvas_->Brush()->Assign(saved_); }
  RunPainter(const RunPainter&) = delete;
  RunPainter& operator=(const RunPainter&) = delete;

  // Columns x1..x2 of row y.
  void Row(int y, int x1, int x2, fw::TColor color) { Fill(x1, y, x2, y, color); }
  // Rows y1..y2 of column x.
  void Column(int x, int y1, int y2, fw::TColor color) { Fill(x, y1, x, y2, color); }

 private:
  void Fill(int x1, int y1, int x2, int y2, fw::TColor color) {
    x1 = std::max(x1, left_);
    y1 = std::max(y1, top_);
    x2 = std::min(x2, right_);
    y2 = std::min(y2, bottom_);
    if (x1 > x2 || y1 > y2) return;
    canvas_->Brush()->SetColor(color);
    canvas_->FillRect(fw::Rect(x1, y1, x2 + 1, y2 + 1));
  }

  fw::TCanvas* canvas_;
  fw::TBrush saved_;
  int left_, top_, right_, bottom_;
};

// One ring of a sunken or raised frame: top and left in `topLeft`, bottom and right in
// `bottomRight`; the bottom-left corner goes to topLeft, the top-right corner to bottomRight.
void Ring(RunPainter& p, int l, int t, int r, int b, fw::TColor topLeft, fw::TColor bottomRight) {
  if (r < l || b < t) return;
  p.Column(l, t, b, topLeft);
  p.Row(t, l, r - 1, topLeft);
  p.Column(r, t, b, bottomRight);
  p.Row(b, l + 1, r, bottomRight);
}

// An embossed (outer = highlight) or engraved (outer = shadow) frame.
void Etched(RunPainter& p, int l, int t, int r, int b, fw::TColor outer, fw::TColor inner) {
  p.Row(t, l, r - 1, outer);
  p.Row(b - 1, l, r - 1, outer);
  p.Column(l, t, b - 1, outer);
  p.Column(r - 1, t, b - 1, outer);
  p.Column(l + 1, t + 1, b - 2, inner);
  p.Row(t + 1, l + 1, r - 2, inner);
  p.Row(b, l + 1, r, inner);
  p.Column(r, t + 1, b, inner);
}

}  // namespace

void DrawFrame(fw::TCanvas* canvas, TFrameStyle style, int left, int top, int right, int bottom,
               fw::TColor highlight, fw::TColor light, fw::TColor shadow, fw::TColor darkShadow,
               fw::TColor outline) {
  if (canvas == nullptr || right < left || bottom < top) return;
  if (style == fstNone || style > fstEngraved) return;
  RunPainter p(canvas, left, top, right, bottom);
  switch (style) {
    case fstPlain:
      p.Row(top, left, right, outline);
      p.Row(bottom, left, right, outline);
      p.Column(left, top, bottom, outline);
      p.Column(right, top, bottom, outline);
      break;
    case fstSunken:
      Ring(p, left, top, right, bottom, shadow, highlight);
      Ring(p, left + 1, top + 1, right - 1, bottom - 1, darkShadow, light);
      break;
    case fstRaised:
      Ring(p, left, top, right, bottom, highlight, darkShadow);
      Ring(p, left + 1, top + 1, right - 1, bottom - 1, light, shadow);
      break;
    case fstEmbossed:
      Etched(p, left, top, right, bottom, highlight, shadow);
      break;
    case fstEngraved:
      Etched(p, left, top, right, bottom, shadow, highlight);
      break;
    default:
      break;
  }
}

void DrawRectangle(fw::TCanvas* canvas, int left, int top, int right, int bottom) {
  if (canvas == nullptr) return;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  // A line or a single pixel: one stroke that includes its end point, so no pixel is painted
  // twice (that matters for the pen's xor modes).
  if (left == right || top == bottom) {
    canvas->MoveTo(left, top);
    if (left == right) {
      canvas->LineTo(left, bottom + 1);
    } else {
      canvas->LineTo(right + 1, top);
    }
    return;
  }
  // Each stroke leaves out its end point, which the next one starts with; the last end point
  // is the first start point.
  canvas->MoveTo(left, top);
  canvas->LineTo(right, top);
  canvas->LineTo(right, bottom);
  canvas->LineTo(left, bottom);
  canvas->LineTo(left, top);
}

}  // namespace zeb
