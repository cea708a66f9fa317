// TSpeedButton: properties, the press and release, hot tracking and the group rule.
#include "framework/stdctrls/speed_button.h"

#include "framework/controls/wincontrol.h"
#include "framework/rtl/colors.h"

namespace fw {

TSpeedButton::TSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner), glyph_(std::make_unique<TBitmap>()) {
  // The button raises its own clicks (a release inside); the framework's click would also
  // follow a release that the group rule refused.
  TControlStyle style = ControlStyle();
  style.Exclude(csClickEvents);
  SetControlStyle(style);
  SetBounds(Left(), Top(), 23, 22);
  SetParentColor(false);
  SetColor(clBtnFace);
  glyph_->OnChange = [this] { GlyphChanged(); };
}

TSpeedButton::~TSpeedButton() {
  glyph_->OnChange = nullptr;
}

void TSpeedButton::SetGlyph(const TBitmap* value) {
  if (value) {
    glyph_->Assign(value);
  } else {
    glyph_->SetSize(0, 0);
  }
  const int w = glyph_->Width(), h = glyph_->Height();
  if (h > 0 && w % h == 0 && w / h >= 2 && w / h <= 4) numGlyphs_ = w / h;
  GlyphChanged();
}

std::vector<uint8_t> TSpeedButton::GlyphData() const {
  if (glyph_->Empty()) return {};
  return glyph_->SaveToBytes(ImageFormat::Png);
}

void TSpeedButton::SetGlyphData(const std::vector<uint8_t>& bytes) {
  if (bytes.empty()) {
    SetGlyph(nullptr);
    return;
  }
  TBitmap picture;
  picture.LoadFromBytes(bytes);
  SetGlyph(&picture);
}

void TSpeedButton::SetNumGlyphs(int value) {
  if (value < 1 || value > 4 || value == numGlyphs_) return;
  numGlyphs_ = value;
  GlyphChanged();
}

void TSpeedButton::GlyphChanged() {
  for (auto& image : glyphImages_) image.reset();
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int value) {
  if (value == groupIndex_) return;
  groupIndex_ = value;
  if (groupIndex_ == 0 && down_) {
    down_ = false;
    if (Enabled()) SetState(bsUp);
  }
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = value;
  if (Enabled() && !dragging_) SetState(RestingState());
  Invalidate();
  if (down_) UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool value) {
  if (value == allowAllUp_) return;
  allowAllUp_ = value;
  UpdateExclusive();
}

void TSpeedButton::SetFlat(bool value) {
  if (value == flat_) return;
  flat_ = value;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TSpeedButton::SetMargin(int value) {
  if (value < -1 || value == margin_) return;
  margin_ = value;
  Invalidate();
}

void TSpeedButton::SetSpacing(int value) {
  if (value < -1 || value == spacing_) return;
  spacing_ = value;
  Invalidate();
}

void TSpeedButton::SetState(TButtonState value) {
  if (value == state_) return;
  state_ = value;
  Invalidate();
}

void TSpeedButton::Click() {
  TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  dragging_ = true;
  SetState(bsDown);
  Repaint();
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!dragging_) return;
  const TButtonState look = PtInRect(ClientRect(), Point(X, Y)) ? bsDown : RestingState();
  if (look != state_) {
    SetState(look);
    Repaint();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || !dragging_) return;
  dragging_ = false;
  const bool inside = PtInRect(ClientRect(), Point(X, Y));
  if (inside && groupIndex_ != 0) SetDown(!down_);
  if (Enabled()) SetState(RestingState());
  Repaint();
  if (inside) Click();
}

void TSpeedButton::WndProc(TMessage& message) {
  TGraphicControl::WndProc(message);
  switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      mouseInControl_ = message.Msg == CM_MOUSEENTER;
      if (flat_ && Enabled()) Invalidate();
      break;
    case CM_BUTTONPRESSED:
      ButtonPressed(message);
      break;
    case CM_ENABLEDCHANGED:
      EnabledChanged();
      break;
    default:
      break;
  }
}

// A disabled button drops a press in progress and shows its disabled look.
void TSpeedButton::EnabledChanged() {
  if (!Enabled()) {
    dragging_ = false;
    state_ = bsDisabled;
  } else {
    state_ = RestingState();
  }
  Invalidate();
}

void TSpeedButton::UpdateExclusive() {
  TWinControl* parent = Parent();
  if (groupIndex_ == 0 || !parent) return;
  TMessage message{CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex_),
                   reinterpret_cast<LPARAM>(static_cast<TControl*>(this)), 0};
  parent->Broadcast(message);
}

// Another button of the group went down or changed AllowAllUp: this one goes up when both
// are down, and takes the sender's AllowAllUp.
void TSpeedButton::ButtonPressed(const TMessage& message) {
  if (message.WParam != static_cast<WPARAM>(groupIndex_) || groupIndex_ == 0) return;
  // The sender is a control of any class (other controls use the message too).
  auto* sender = dynamic_cast<TSpeedButton*>(reinterpret_cast<TControl*>(message.LParam));
  if (sender == this || !sender) return;
  if (sender->down_ && down_) {
    down_ = false;
    if (Enabled()) SetState(bsUp);
    Invalidate();
  }
  allowAllUp_ = sender->allowAllUp_;
}

}  // namespace fw
