// TMeter: the face background: the background colour, or the background picture at its own
// size, stretched or tiled.
#include "meter/ZEB_Meter.h"

namespace zeb {

void TMeter::PaintBackground(fw::TCanvas* c) {
  const int w = FaceWidth();
  const int h = FaceHeight();
  if (backGroundImg_.empty() || backgroundBitmap_->Empty()) {
    c->SetFont(Font());
    c->Brush()->SetColor(colorBakG_);
    c->Pen()->SetColor(colorBakG_);
    c->Rectangle(0, 0, w, h);
    return;
  }
  const int iw = backgroundBitmap_->Width();
  const int ih = backgroundBitmap_->Height();
  switch (bkgndFillMode_) {
    case bfSimple:
      c->Rectangle(0, 0, w, h);
      c->StretchDraw(fw::Rect(0, 0, iw, ih), backgroundBitmap_.get());
      break;
    case bfStretch:
      c->StretchDraw(fw::Rect(0, 0, w, h), backgroundBitmap_.get());
      break;
    case bfTile:
      for (int i = 1; i <= (w - 1) / iw + 1; ++i)
        for (int j = 1; j <= (h - 1) / ih + 1; ++j)
          c->StretchDraw(fw::Rect(iw * (i - 1), ih * (j - 1), iw * i, ih * j),
                         backgroundBitmap_.get());
      break;
  }
}

}  // namespace zeb
