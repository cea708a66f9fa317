// TGradFill painting: the bands, the grid lines and the frame.
#include <algorithm>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"
#include "framework/rtl/rounding.h"
#include "indicators/ZEB_gradfl.h"

namespace zeb {

void TGradFill::Paint() {
  fw::TCanvas* canvas = Canvas();
  {
    fw::TCanvasStateSaver saved(*canvas);
    canvas->Brush()->SetStyle(fw::bsSolid);
    const std::vector<TGradientBand> bands =
        GradientBands(fillType_, nrColors_, colorFirst_, colorLast_, Width(), Height());
    if (AllFullHeight(bands, Height()) && NarrowBands(bands.size(), Width())) {
      PaintColumnBands(canvas, bands);
    } else {
      for (const TGradientBand& band : bands) {
        canvas->Brush()->SetColor(band.color);
        canvas->FillRect(band.rect);
      }
    }
    PaintGrid(canvas);
  }
  DrawFrame(canvas, frameStyle_, 0, 0, Width() - 1, Height() - 1, fw::clWhite, fw::clSilver,
            fw::clGray, fw::clBlack, fw::clBlack);
  OnPaint(this);
}

bool TGradFill::AllFullHeight(const std::vector<TGradientBand>& bands, int height) {
  return height > 1 && std::all_of(bands.begin(), bands.end(), [height](const TGradientBand& b) {
           return b.rect.Top == 0 && b.rect.Bottom == height;
         });
}

// Bands narrower than 32 pixels on average: a fill per band on every row costs more than
// copying whole rows.
bool TGradFill::NarrowBands(size_t count, int width) {
  return count * 32 > size_t(std::max(width, 0));
}

// Side-by-side bands as tall as the control: each would cost a short fill on every row, so
// they are filled once into a one-row image that is stretched down (one copy per row).
void TGradFill::PaintColumnBands(fw::TCanvas* canvas, const std::vector<TGradientBand>& bands) {
  fw::TBitmap row(Width(), 1);
  fw::TCanvas* rowCanvas = row.Canvas();
  for (const TGradientBand& band : bands) {
    rowCanvas->Brush()->SetColor(band.color);
    rowCanvas->FillRect(fw::Rect(band.rect.Left, 0, band.rect.Right, 1));
  }
  canvas->SetCopyMode(fw::cmSrcCopy);
  canvas->SetStretchMode(fw::COLORONCOLOR);
  canvas->StretchDraw(fw::Rect(0, 0, Width(), Height()), &row);
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
