// Drawing of the menu check images.
#include "ntabed/ntabed_checkimages.h"

#include "framework/graphics/canvas.h"

namespace zeb {

std::unique_ptr<fw::TBitmap> DrawMenuCheckImage(bool checked) {
  auto bmp = std::make_unique<fw::TBitmap>();
  bmp->SetPixelFormat(fw::pf24bit);
  bmp->SetSize(16, 16);
  fw::TCanvas* canvas = bmp->Canvas();
  // Ground, then the box: grey outer edge top and left, light edge bottom and right.
  canvas->Brush()->SetColor(fw::clFuchsia);
  canvas->FillRect(fw::Rect(0, 0, 16, 16));
  canvas->Brush()->SetColor(fw::clWhite);
  canvas->FillRect(fw::Rect(2, 2, 15, 15));
  canvas->Pen()->SetColor(fw::RGB(128, 128, 128));
  canvas->MoveTo(1, 14);
  canvas->LineTo(1, 1);
  canvas->LineTo(15, 1);
  canvas->Pen()->SetColor(fw::RGB(64, 64, 64));
  canvas->MoveTo(2, 13);
  canvas->LineTo(2, 2);
  canvas->LineTo(14, 2);
  canvas->Pen()->SetColor(fw::RGB(212, 208, 200));
  canvas->MoveTo(1, 14);
  canvas->LineTo(14, 14);
  canvas->LineTo(14, 0);
  if (!checked) return bmp;
  // The mark: a short stroke down to the right, a long one up to the right, three pixels thick.
  canvas->Pen()->SetColor(fw::clBlack);
  for (int d = 0; d < 3; ++d) {
    canvas->MoveTo(4, 7 + d);
    canvas->LineTo(6, 9 + d);
    canvas->LineTo(12, 3 + d);
  }
  return bmp;
}

}  // namespace zeb
