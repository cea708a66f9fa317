// ZEB_RotLab: TRotLab, a label that draws its caption at any angle around an anchor point:
// the left end, the centre or the right end of the text on the point, always centred across
// it; embossed when disabled; a frame around the control. Everything else is the framework's
// label (accelerator focus, auto size, background).
//
// Transparency: the Transparent property starts true, but a new label still fills its
// background with Color until Transparent is assigned (so a label read from a form, where the
// default is not written, is opaque). Assigning Transparent, true or false, sets the label's
// own painting to match.
#pragma once

#include "companion/ZEB_zebbase.h"
#include "framework/stdctrls/label.h"

namespace zeb {

class TRotLab : public fw::TCustomLabel {
 public:
  explicit TRotLab(fw::TComponent* AOwner);

  // Degrees counter-clockwise, kept in 0..359 (other values are taken modulo 360).
  int TextAngle() const { return textAngle_; }
  void SetTextAngle(int value);
  // The anchor point in client coordinates. While AutoCenter is on, setting either puts the
  // anchor at the centre instead.
  int PosX() const { return posX_; }
  void SetPosX(int value);
  int PosY() const { return posY_; }
  void SetPosY(int value);
  // The anchor at (Width / 2, Height / 2), now and after every resize.
  bool AutoCenter() const { return autoCenter_; }
  void SetAutoCenter(bool value);
  // Which part of the text lies on the anchor: its start, centre or end.
  fw::TAlignment Alignment() const { return fw::TCustomLabel::Alignment(); }
  void SetAlignment(fw::TAlignment value);
  bool AntiAlias() const { return antiAlias_; }
  void SetAntiAlias(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle value);

  void AdjustAutoCenter();
  // From another TRotLab: AutoCenter, FrameStyle, TextAngle, PosX, PosY and AntiAlias.
  void Assign(fw::TPersistent* source) override;

 protected:
  // The caption turned by TextAngle and placed on the anchor; nothing with DT_CALCRECT (so
  // auto size keeps the bounds).
  void DoDrawText(fw::TRect& Rect, uint32_t Flags) override;
  // The label's painting, then the frame.
  void Paint() override;
  void Resize() override;

 private:
  // Invalidates while Transparent (the parent paints first), else repaints at once.
  void Changed();

  int textAngle_ = 0;
  int posX_ = 10;
  int posY_ = 10;
  bool antiAlias_ = true;
  bool autoCenter_ = true;
  bool transparent_ = true;
  TFrameStyle frameStyle_ = fstSunken;
};

}  // namespace zeb
