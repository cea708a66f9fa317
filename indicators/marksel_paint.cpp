// TMarkSel painting: the background, every shown symbol in its cell (the selected one
// inverted), the highlight under the pointer, then the frame.
#include "framework/graphics/canvas.h"
#include "indicators/ZEB_marksel.h"

namespace zeb {

namespace {

// The colours a selector draws with: its own while enabled, greys while disabled.
struct MarkColors {
  fw::TColor background, marks, selectedPen, selectedFill;
};

}  // namespace

void TMarkSel::DrawSymbol(fw::TCanvas* canvas, int index) const {
  if (index == 0 && showZeroAsCross_) {
    const int w = CellWidth(), h = CellHeight();
    canvas->MoveTo(4, 4);
    canvas->LineTo(w + 1, h + 1);
    canvas->MoveTo(4, h);
    canvas->LineTo(w + 1, 3);
    return;
  }
  const fw::TPoint c = MarkCentre(index);
  DrawMarkOnCanvas(canvas, index, c.X + 2, c.Y + 2);
}

void TMarkSel::Paint() {
  fw::TCanvas* canvas = Canvas();
  const MarkColors colors =
      Enabled() ? MarkColors{colorBackGnd_, colorMarks_, colorSelFG_, colorSelBG_}
                : MarkColors{fw::clSilver, fw::clGray, fw::clGray, fw::TColor{0xDEDEDE}};
  {
    fw::TCanvasStateSaver saved(*canvas);
    canvas->Pen()->SetStyle(fw::psSolid);
    canvas->Pen()->SetMode(fw::pmCopy);
    canvas->Pen()->SetWidth(1);
    canvas->Brush()->SetStyle(fw::bsSolid);
    canvas->Pen()->SetColor(colors.background);
    canvas->Brush()->SetColor(colors.background);
    canvas->Rectangle(0, 0, Width(), Height());
    const int hw = CellWidth() / 2, hh = CellHeight() / 2;
    for (int i = 0; i < kMarkCount; ++i) {
      if (!GetVis(i)) continue;
      const bool selected = i == selected_;
      canvas->Pen()->SetColor(selected ? colors.selectedPen : colors.marks);
      canvas->Brush()->SetColor(selected ? colors.selectedFill : colors.background);
      if (selected) {
        const fw::TPoint c = MarkCentre(i);
        canvas->Rectangle(c.X - hw + 3, c.Y - hh + 3, c.X + hw + 3, c.Y + hh + 3);
      }
      DrawSymbol(canvas, i);
    }
    if (hiLiteShown_) PaintHiLite(canvas);
  }
  DrawFrame(canvas, frameStyle_, 0, 0, Width() - 1, Height() - 1, fw::clWhite, fw::clSilver,
            fw::clGray, fw::clBlack, colors.marks);
  OnPaint(this);
}

// Always in the enabled colours: a filled cell a pixel inside the selection's, the symbol on it.
void TMarkSel::PaintHiLite(fw::TCanvas* canvas) const {
  const fw::TPoint c = MarkCentre(hiLite_);
  const int hw = CellWidth() / 2, hh = CellHeight() / 2;
  canvas->Pen()->SetColor(colorHiLiteBG_);
  canvas->Brush()->SetColor(colorHiLiteBG_);
  canvas->Rectangle(c.X - hw + 4, c.Y - hh + 4, c.X + hw + 2, c.Y + hh + 2);
  canvas->Pen()->SetColor(colorHiLiteSymbol_);
  DrawSymbol(canvas, hiLite_);
}

}  // namespace zeb
