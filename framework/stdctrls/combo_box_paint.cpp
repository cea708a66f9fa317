// TCustomComboBox painting: the edit or the chosen item's face, the drop-down button, and the
// default item drawing both share.
#include <algorithm>

#include "framework/graphics/frame3d.h"
#include "framework/stdctrls/combo_box.h"

namespace fw {

namespace {

// Width of the drop-down button inside the frame.
constexpr int kButtonWidth = 17;
// The sunken frame around the box.
constexpr int kFrame = 2;

}  // namespace

TCanvas* TCustomComboBox::Canvas() {
  return drawCanvas_ ? drawCanvas_ : ControlCanvas();
}

TRect TCustomComboBox::ButtonRect() const {
  const int frame = BorderStyle() == bsSingle ? kFrame : 0;
  return Rect(std::max(Width() - frame - kButtonWidth, frame), frame, Width() - frame,
              Height() - frame);
}

TRect TCustomComboBox::TextArea() const {
  TRect r = TCustomEdit::TextArea();
  r.Right = std::max(r.Left, std::min(r.Right, ButtonRect().Left - 1));
  return r;
}

void TCustomComboBox::Paint() {
  if (ListStyle())
    PaintFace(ControlCanvas());
  else
    TCustomEdit::Paint();
  PaintButton(ControlCanvas());
}

// A list style shows the chosen item in the frame, drawn like a list row (highlighted while
// the box has the focus and its list is closed).
void TCustomComboBox::PaintFace(TCanvas* canvas) {
  TCanvasStateSaver saved(*canvas);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
  canvas->FillRect(Rect(0, 0, Width(), Height()));
  DrawBorder(canvas);
  const int frame = BorderStyle() == bsSingle ? kFrame : 0;
  const TRect face = Rect(frame + 1, frame + 1, ButtonRect().Left - 1, Height() - frame - 1);
  if (IsRectEmpty(face) || !canvas->IntersectClipRect(face)) return;
  canvas->SetFont(Font());
  TOwnerDrawState state{odComboBoxEdit};
  if (Focused() && !DroppedDown()) state = state + TOwnerDrawState{odSelected, odFocused};
  if (!Enabled()) state = state + TOwnerDrawState{odDisabled};
  DrawItem(itemIndex_, face, state);
}

// A raised button with a small triangle pointing down.
void TCustomComboBox::PaintButton(TCanvas* canvas) {
  TCanvasStateSaver saved(*canvas);
  const TRect b = ButtonRect();
  if (IsRectEmpty(b)) return;
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(b);
  const bool pressed = DroppedDown();
  Frame3D(canvas, b, pressed ? clBtnShadow : clBtnHighlight, pressed ? clBtnShadow : cl3DDkShadow);
  if (!pressed)
    Frame3D(canvas, Rect(b.Left + 1, b.Top + 1, b.Right - 1, b.Bottom - 1), clBtnFace, clBtnShadow);
  const int shift = pressed ? 1 : 0;
  const int cx = (b.Left + b.Right) / 2 + shift;
  const int cy = (b.Top + b.Bottom) / 2 + shift;
  canvas->Pen()->SetStyle(psSolid);
  canvas->Pen()->SetMode(pmCopy);
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetColor(Enabled() ? clBtnText : clGrayText);
  for (int i = 0; i < 4; ++i) {
    canvas->MoveTo(cx - 3 + i, cy - 1 + i);
    canvas->LineTo(cx + 4 - i, cy - 1 + i);
  }
}

// The owner-drawn style hands the item to OnDrawItem; the default is the item's text, on the
// highlight colours when it is the selected one.
void TCustomComboBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
  if (style_ == csOwnerDrawFixed && OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  TCanvas* canvas = Canvas();
  const bool selected = State.Contains(odSelected);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(selected ? clHighlight : (Enabled() ? Color() : clBtnFace));
  canvas->Font()->SetColor(selected ? clHighlightText : (Enabled() ? Font()->Color() : clGrayText));
  const std::string text =
      Index >= 0 && Index < Items()->Count() ? Items()->Strings(Index) : std::string();
  const int y = Rect.Top + (Rect.Height() - canvas->TextHeight("")) / 2;
  canvas->TextRect(Rect, Rect.Left + 2, y, text);
}

}  // namespace fw
