// TRotLab: the anchor, the rotated font and the placement of the turned caption.

#include "displays/ZEB_RotLab.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"
#include "framework/stdctrls/rotated_text.h"

namespace zeb {

TRotLab::TRotLab(fw::TComponent* AOwner) : fw::TCustomLabel(AOwner) {
  fw::TCustomLabel::SetAlignment(fw::taCenter);
  SetColor(fw::clBtnFace);
  Font()->SetName("Arial");
  Font()->SetSize(11);
  SetBounds(Left(), Top(), 200, 200);
  AdjustAutoCenter();
}

void TRotLab::Changed() {
  if (transparent_)
    Invalidate();
  else
    Repaint();
}

void TRotLab::SetTextAngle(int value) {
  value = ((value % 360) + 360) % 360;
  if (value == textAngle_) return;
  textAngle_ = value;
  Changed();
}

void TRotLab::SetPosX(int value) {
  if (value == posX_) return;
  posX_ = value;
  if (autoCenter_) AdjustAutoCenter();
  Changed();
}

void TRotLab::SetPosY(int value) {
  if (value == posY_) return;
  posY_ = value;
  if (autoCenter_) AdjustAutoCenter();
  Changed();
}

void TRotLab::SetAutoCenter(bool value) {
  if (value == autoCenter_) return;
  autoCenter_ = value;
  if (value) AdjustAutoCenter();
  Changed();
}

void TRotLab::SetAlignment(fw::TAlignment value) {
  if (value == Alignment()) return;
  fw::TCustomLabel::SetAlignment(value);
  Changed();
}

void TRotLab::SetAntiAlias(bool value) {
  if (value == antiAlias_) return;
  antiAlias_ = value;
  Changed();
}

void TRotLab::SetTransparent(bool value) {
  fw::TCustomLabel::SetTransparent(value);
  if (value == transparent_) return;
  transparent_ = value;
  Changed();
}

void TRotLab::SetFrameStyle(TFrameStyle value) {
  if (value == frameStyle_) return;
  frameStyle_ = value;
  Changed();
}

void TRotLab::AdjustAutoCenter() {
  posX_ = Width() / 2;
  posY_ = Height() / 2;
}

// The anchor follows the size also before the label has a parent, so a label sized in code
// and placed afterwards is centred too.
void TRotLab::Resize() {
  if (autoCenter_) {
    AdjustAutoCenter();
    if (Parent()) Changed();
  }
  fw::TCustomLabel::Resize();
}

void TRotLab::Assign(fw::TPersistent* source) {
  auto* other = dynamic_cast<TRotLab*>(source);
  if (!other) {
    fw::TCustomLabel::Assign(source);
    return;
  }
  autoCenter_ = other->autoCenter_;
  frameStyle_ = other->frameStyle_;
  textAngle_ = other->textAngle_;
  posX_ = other->posX_;
  posY_ = other->posY_;
  antiAlias_ = other->antiAlias_;
  Invalidate();
}

// Half the text's width and height turned by the angle: the start, the centre or the end of
// the text's middle line lands on the anchor.
void TRotLab::DoDrawText(fw::TRect& /*Rect*/, uint32_t Flags) {
  if (Flags & fw::DT_CALCRECT) return;
  fw::TCanvas* canvas = Canvas();
  fw::TCanvasStateSaver saved(*canvas);
  fw::SelectRotatedFont(canvas, Font(), textAngle_,
                        antiAlias_ ? fw::ANTIALIASED_QUALITY : fw::DEFAULT_QUALITY);
  canvas->Brush()->SetStyle(fw::bsClear);
  const std::string text = GetLabelText();
  const fw::TPoint at = fw::RotatedTextOrigin({posX_, posY_}, textAngle_, Alignment(),
                                              canvas->TextWidth(text), canvas->TextHeight(text));
  if (Enabled()) {
    canvas->TextOut(at.X, at.Y, text);
    return;
  }
  canvas->Font()->SetColor(fw::clBtnHighlight);
  canvas->TextOut(at.X + 1, at.Y + 1, text);
  canvas->Font()->SetColor(fw::clBtnShadow);
  canvas->TextOut(at.X, at.Y, text);
}

void TRotLab::Paint() {
  fw::TCustomLabel::Paint();
  DrawFrame(Canvas(), frameStyle_, 0, 0, Width() - 1, Height() - 1, 0xFFFFFF, 0xC0C0C0, 0x808080,
            fw::clBlack, fw::clBlack);
}

}  // namespace zeb
