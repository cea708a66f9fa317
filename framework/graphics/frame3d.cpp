// Frame3D: bevelled frames from one-pixel lines.
#include "framework/graphics/frame3d.h"

#include "framework/graphics/pen_brush_font.h"

namespace fw {

TRect Frame3D(TCanvas* canvas, const TRect& outer, TColor topColor, TColor bottomColor, int width) {
  TRect rect = outer;
  TPen* pen = canvas->Pen();
  pen->SetWidth(1);
  for (; width > 0; --width) {
    if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) break;
    // Bottom-left corner up to the top-left, then along the top; LineTo leaves out its end
    // point, so the top-right pixel belongs to the bottom colour's run.
    pen->SetColor(topColor);
    canvas->MoveTo(rect.Left, rect.Bottom - 1);
    canvas->LineTo(rect.Left, rect.Top);
    canvas->LineTo(rect.Right - 1, rect.Top);
    pen->SetColor(bottomColor);
    canvas->LineTo(rect.Right - 1, rect.Bottom - 1);
    canvas->LineTo(rect.Left - 1, rect.Bottom - 1);
    InflateRect(rect, -1, -1);
  }
  return rect;
}

}  // namespace fw
