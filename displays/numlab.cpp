// TNumLab: its properties, the mouse zone, Assign and the text it shows.
#include <algorithm>

#include "displays/ZEB_NumLab.h"

namespace zeb {

TNumLab::TNumLab(fw::TComponent* AOwner) : fw::TGraphicControl(AOwner) {
  SetBounds(Left(), Top(), 160, 28);
}

template <typename T>
void TNumLab::Change(T& member, const T& value) {
  if (member == value) return;
  member = value;
  Repaint();
}

void TNumLab::SetValue(double value) {
  Change(value_, value);
}
void TNumLab::SetDisplayType(TDisplay value) {
  Change(format_.type, value);
}
void TNumLab::SetComma(bool value) {
  Change(format_.comma, value);
}
void TNumLab::SetForcePlusSign(bool value) {
  Change(format_.forcePlusSign, value);
}
void TNumLab::SetEmpty(bool value) {
  Change(empty_, value);
}
void TNumLab::SetLabelWidth(int value) {
  Change(labelWidth_, value);
}
void TNumLab::SetLeftText(const std::string& value) {
  Change(leftText_, value);
}
void TNumLab::SetRightText(const std::string& value) {
  Change(rightText_, value);
}
void TNumLab::SetLeftTextAlignment(fw::TAlignment value) {
  Change(leftTextAlignment_, value);
}
void TNumLab::SetRightTextAlignment(fw::TAlignment value) {
  Change(rightTextAlignment_, value);
}
void TNumLab::SetAlignment(fw::TAlignment value) {
  Change(alignment_, value);
}
void TNumLab::SetFrameStyle(TFrameStyle value) {
  Change(frameStyle_, value);
}
void TNumLab::SetOverflowIndicator(const std::string& value) {
  Change(format_.overflowIndicator, value);
}
void TNumLab::SetStateText(const std::string& value) {
  Change(format_.stateText, value);
}
void TNumLab::SetDTFormat(const std::string& value) {
  Change(format_.dtFormat, value);
}
void TNumLab::SetColorLabText(fw::TColor value) {
  Change(colorLabText_, value);
}
void TNumLab::SetColorLabBakG(fw::TColor value) {
  Change(colorLabBakG_, value);
}
void TNumLab::SetColorOutText(fw::TColor value) {
  Change(colorOutText_, value);
}
void TNumLab::SetColorOutBakG(fw::TColor value) {
  Change(colorOutBakG_, value);
}

void TNumLab::SetPrecision(int value) {
  if (value < 0) return;
  Change(format_.precision, std::min(value, kMaxPrecision));
}

void TNumLab::SetLeftSpace(int value) {
  if (value < 0) return;
  Change(leftSpace_, std::min(value, Width()));
}

void TNumLab::SetColorScheme(TColorScheme value) {
  colorScheme_ = value;
  FrameColorsOfScheme(value, frameShadow_, frameHighlight_);
  Repaint();
}

// Switched on, the label waits for the parent to paint first, to have something to AND with.
void TNumLab::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  if (value)
    Invalidate();
  else
    Repaint();
}

void TNumLab::SetEnabled(bool value) {
  if (value == Enabled()) return;
  fw::TGraphicControl::SetEnabled(value);
  Refresh();
}

void TNumLab::MouseMove(fw::TShiftState Shift, int X, int Y) {
  mouseArea_ = X <= leftSpace_ ? 0 : X <= leftSpace_ + labelWidth_ ? 1 : 2;
  fw::TGraphicControl::MouseMove(Shift, X, Y);
}

void TNumLab::Assign(fw::TPersistent* source) {
  auto* other = dynamic_cast<TNumLab*>(source);
  if (!other) {
    fw::TGraphicControl::Assign(source);
    return;
  }
  leftSpace_ = other->leftSpace_;
  empty_ = other->empty_;
  labelWidth_ = other->labelWidth_;
  format_.precision = other->format_.precision;
  leftText_ = other->leftText_;
  rightText_ = other->rightText_;
  frameStyle_ = other->frameStyle_;
  alignment_ = other->alignment_;
  rightTextAlignment_ = other->rightTextAlignment_;
  leftTextAlignment_ = other->leftTextAlignment_;
  format_.overflowIndicator = other->format_.overflowIndicator;
  value_ = other->value_;
  format_.stateText = other->format_.stateText;
  transparent_ = other->transparent_;
  colorLabBakG_ = other->colorLabBakG_;
  colorLabText_ = other->colorLabText_;
  colorOutBakG_ = other->colorOutBakG_;
  colorOutText_ = other->colorOutText_;
  frameShadow_ = other->frameShadow_;
  frameHighlight_ = other->frameHighlight_;
  colorScheme_ = other->colorScheme_;
  format_.type = other->format_.type;
  Repaint();
}

}  // namespace zeb
