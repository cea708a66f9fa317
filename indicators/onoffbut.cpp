// TOnOffBut: its properties, the group rule, the mouse, centring and Assign.
#include <algorithm>

#include "framework/controls/wincontrol.h"
#include "indicators/ZEB_onoffbut.h"

namespace zeb {

TOnOffBut::TOnOffBut(fw::TComponent* AOwner)
    : fw::TGraphicControl(AOwner), mask_(std::make_unique<fw::TBitmap>()) {
  SetBounds(Left(), Top(), 100, 50);
  MakeDefaultUserGlyphs();
  LoadGlyphs();
}

TOnOffBut::~TOnOffBut() = default;

void TOnOffBut::SetOnOff(bool value) {
  if (value == onOff_) return;
  if (!value && groupIndex_ != 0 && !allowAllOff_) return;
  onOff_ = value;
  Repaint();
  if (onOff_) UpdateExclusive();
}

void TOnOffBut::SetButtonStyle(TOnOffButStyle value) {
  if (value == style_) return;
  style_ = value;
  LoadGlyphs();
  if (autoCenter_) AdjustAutoCenter();
  Invalidate();
}

void TOnOffBut::SetMode(TOOButMode value) {
  mode_ = value;
  if (mode_ == oobmSpeedBut) onOff_ = false;
  Invalidate();
}

void TOnOffBut::SetGroupIndex(int value) {
  if (value == groupIndex_) return;
  groupIndex_ = value;
  UpdateExclusive();
}

void TOnOffBut::SetAllowAllOff(bool value) {
  if (value == allowAllOff_) return;
  allowAllOff_ = value;
  UpdateExclusive();
}

void TOnOffBut::SetAutoCenter(bool value) {
  if (value == autoCenter_) return;
  autoCenter_ = value;
  if (autoCenter_) AdjustAutoCenter();
  RepaintLook();
}

void TOnOffBut::SetLeftSpace(int value) {
  if (value == leftSpace_ || value < 0) return;
  if (autoCenter_) {
    AdjustAutoCenter();
  } else {
    leftSpace_ = std::min(value, Width());
  }
  Invalidate();
}

void TOnOffBut::SetTopSpace(int value) {
  if (value == topSpace_ || value < 0) return;
  if (autoCenter_) {
    AdjustAutoCenter();
  } else {
    topSpace_ = std::min(value, Height());
  }
  Invalidate();
}

void TOnOffBut::SetTextAt(int index, const std::string& value) {
  if (texts_[index] == value) return;
  texts_[index] = value;
  Invalidate();
}

void TOnOffBut::SetAlignmentAt(int index, fw::TAlignment value) {
  if (alignments_[index] == value) return;
  alignments_[index] = value;
  Invalidate();
}

void TOnOffBut::SetColorText(fw::TColor value) {
  if (value == colorText_) return;
  colorText_ = value;
  Repaint();
}

void TOnOffBut::SetColorBackgnd(fw::TColor value) {
  if (value == colorBackgnd_) return;
  colorBackgnd_ = value;
  Repaint();
}

void TOnOffBut::SetColorScheme(TColorScheme value) {
  if (value == colorScheme_) return;
  colorScheme_ = value;
  Invalidate();
}

void TOnOffBut::SetFrameStyle(TFrameStyle value) {
  if (value == frameStyle_) return;
  frameStyle_ = value;
  Repaint();
}

void TOnOffBut::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Invalidate();
}

void TOnOffBut::SetEnabled(bool value) {
  fw::TGraphicControl::SetEnabled(value);
  Invalidate();
}

// A see-through button shows its parent's pixels, which only a repaint of the parent's area
// renews; an opaque one repaints itself at once.
void TOnOffBut::RepaintLook() {
  if (transparent_) {
    Invalidate();
  } else {
    Repaint();
  }
}

void TOnOffBut::AdjustAutoCenter() {
  leftSpace_ = (Width() - glyphWidth_) / 2;
  topSpace_ = (Height() - glyphHeight_) / 2;
}

// Centres also before the button has a parent, so bounds set first are not lost on centring.
void TOnOffBut::Resize() {
  if (autoCenter_) {
    AdjustAutoCenter();
    if (HasParent()) RepaintLook();
  }
  fw::TGraphicControl::Resize();
}

// --- The group

void TOnOffBut::Loaded() {
  fw::TGraphicControl::Loaded();
  UpdateExclusive();
}

void TOnOffBut::UpdateExclusive() {
  fw::TWinControl* parent = Parent();
  if (groupIndex_ == 0 || !parent || ComponentState().Contains(fw::csLoading)) return;
  fw::TMessage message{fw::CM_BUTTONPRESSED, static_cast<fw::WPARAM>(groupIndex_),
                       reinterpret_cast<fw::LPARAM>(static_cast<fw::TControl*>(this)), 0};
  parent->Broadcast(message);
}

// Another button of the group went on or changed AllowAllOff: this one goes off when both are
// on, and takes the sender's AllowAllOff without passing it on again.
void TOnOffBut::ButtonPressed(const fw::TMessage& message) {
  if (groupIndex_ == 0 || message.WParam != static_cast<fw::WPARAM>(groupIndex_)) return;
  auto* sender = dynamic_cast<TOnOffBut*>(reinterpret_cast<fw::TControl*>(message.LParam));
  if (!sender || sender == this) return;
  if (sender->onOff_ && onOff_) {
    onOff_ = false;
    Repaint();
  }
  allowAllOff_ = sender->allowAllOff_;
}

void TOnOffBut::WndProc(fw::TMessage& message) {
  fw::TGraphicControl::WndProc(message);
  if (message.Msg == fw::CM_BUTTONPRESSED) ButtonPressed(message);
}

// --- The mouse

// Whether a press or release at (X, Y) switches the button, by MouseAction.
bool TOnOffBut::CountsAt(int X, int Y) const {
  switch (mouseAction_) {
    case oomaPlain:
      return true;
    case oomaFocused:
      return leftSpace_ < X && X < leftSpace_ + glyphWidth_ && topSpace_ < Y &&
             Y < topSpace_ + glyphHeight_;
    default:
      return false;
  }
}

void TOnOffBut::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != fw::mbLeft || !CountsAt(X, Y)) return;
  if (groupIndex_ != 0 && !allowAllOff_ && onOff_) return;
  onOff_ = !onOff_;
  Repaint();
  if (onOff_) UpdateExclusive();
}

void TOnOffBut::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button != fw::mbLeft || !CountsAt(X, Y)) return;
  if (mode_ == oobmSpeedBut) {
    onOff_ = false;
    Repaint();
  }
  OnClick(this);
}

// --- Assign

void TOnOffBut::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TOnOffBut*>(Source);
  if (!other) {
    fw::TGraphicControl::Assign(Source);
    return;
  }
  leftSpace_ = other->leftSpace_;
  topSpace_ = other->topSpace_;
  autoCenter_ = other->autoCenter_;
  texts_ = other->texts_;
  alignments_ = other->alignments_;
  frameStyle_ = other->frameStyle_;
  colorBackgnd_ = other->colorBackgnd_;
  colorScheme_ = other->colorScheme_;
  onOff_ = other->onOff_;
  for (int on = 0; on < 2; ++on) {
    for (int enabled = 0; enabled < 2; ++enabled) {
      glyphs_[on][enabled]->Assign(other->glyphs_[on][enabled].get());
      defaultGlyphs_[on][enabled]->Assign(other->defaultGlyphs_[on][enabled].get());
    }
  }
  style_ = other->style_;
  userSheet_.reset();
  if (other->userSheet_) {
    userSheet_ = std::make_unique<fw::TBitmap>();
    userSheet_->Assign(other->userSheet_.get());
  }
  mouseAction_ = other->mouseAction_;
  colorText_ = other->colorText_;
  glyphWidth_ = other->glyphWidth_;
  glyphHeight_ = other->glyphHeight_;
  transparent_ = other->transparent_;
  SetEnabled(other->Enabled());
  Invalidate();
}

}  // namespace zeb
