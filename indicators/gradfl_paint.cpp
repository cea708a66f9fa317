// TGradFill painting: the bands, the grid lines and the frame.
#include "framework/graphics/canvas.h"
#include "framework/rtl/rounding.h"
#include "indicators/ZEB_gradfl.h"

namespace zeb {

void TGradFill::Paint() {
  fw::TCanvas* canvas = Canvas();
  {
    fw::TCanvasStateSaver saved(*canvas);
    canvas->Brush()->SetStyle(fw::bsSolid);
    for (const TGradientBand& band :
         GradientBands(fillType_, nrColors_, colorFirst_, colorLast_, Width(), Height())) {
      canvas->Brush()->SetColor(band.color);
      canvas->FillRect(band.rect);
    }
    PaintGrid(canvas);
  }
  DrawFrame(canvas, frameStyle_, 0, 0, Width() - 1, Height() - 1, fw::clWhite, fw::clSilver,
            fw::clGray, fw::clBlack, fw::clBlack);
  OnPaint(this);
}

void TGradFill::PaintGrid(fw::TCanvas* canvas) {
  canvas->Brush()->SetColor(gridColor_);
  const int w = Width(), h = Height();
  for (int i = 1; i < nrColors_; ++i) {
    if (gridMode_ == gmHoriz || gridMode_ == gmBoth) {
      const int y = fw::MulDiv(i, h, nrColors_);
      canvas->FillRect(fw::Rect(0, y, w, y + 1));
    }
    if (gridMode_ == gmVert || gridMode_ == gmBoth) {
      const int x = fw::MulDiv(i, w, nrColors_);
      canvas->FillRect(fw::Rect(x, 0, x + 1, h));
    }
  }
}

}  // namespace zeb
