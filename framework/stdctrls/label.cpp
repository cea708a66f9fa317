// TCustomLabel: properties, auto size, the accelerator and the painting of the caption.
#include "framework/stdctrls/label.h"

#include <vector>

#include "framework/rtl/utf8.h"

namespace fw {

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
  SetBounds(Left(), Top(), 65, 17);
  SetParentColor(true);
}

TCustomLabel::~TCustomLabel() {
  if (focusControl_) focusControl_->RemoveFreeNotification(this);
}

// --- Properties

void TCustomLabel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  AdjustBounds();
}

void TCustomLabel::SetLayout(TTextLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (value == showAccelChar_) return;
  showAccelChar_ = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  // An opaque label paints every pixel of its area; a transparent one lets its parent show.
  if (value)
    SetControlStyle(ControlStyle() - TControlStyle{csOpaque});
  else
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* value) {
  if (value == focusControl_) return;
  // The link to the previous control stays: another reference (PopupMenu) may name the same
  // component, and a stale link only costs one ignored notification.
  focusControl_ = value;
  if (focusControl_) focusControl_->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

// --- Accelerator

bool IsAccel(char32_t key, std::string_view caption) {
  std::vector<std::size_t> marks;
  const std::string shown = RemovePrefixes(caption, &marks);
  if (marks.empty()) return false;
  std::size_t pos = marks.front();
  return UpCaseChar(NextCodePoint(shown, pos)) == UpCaseChar(key);
}

bool TCustomLabel::DialogChar(char32_t key) {
  if (!focusControl_ || !Enabled() || !showAccelChar_ || !IsAccel(key, Caption())) return false;
  if (focusControl_->CanFocus()) focusControl_->SetFocus();
  return true;
}

// --- Auto size

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR) {
    message.Result = DialogChar(static_cast<char32_t>(message.WParam)) ? 1 : 0;
    return;
  }
  TGraphicControl::WndProc(message);
  if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) AdjustBounds();
}

void TCustomLabel::AdjustBounds() {
  const TComponentState state = ComponentState();
  if (!autoSize_ || state.Contains(csReading) || state.Contains(csLoading) ||
      state.Contains(csDestroying))
    return;
  TRect r = ClientRect();
  DoDrawText(r, DT_EXPANDTABS | DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0));
  // Wrapped text keeps the width it wraps to; only the height follows.
  const int width = wordWrap_ ? Width() : r.Right;
  int x = Left();
  if (alignment_ == taRightJustify) x += Width() - width;
  SetBounds(x, Top(), width, r.Bottom);
}

// --- Painting

std::string TCustomLabel::GetLabelText() const {
  return Caption();
}

uint32_t TCustomLabel::DrawFlags() const {
  uint32_t flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0);
  if (alignment_ == taCenter) flags |= DT_CENTER;
  if (alignment_ == taRightJustify) flags |= DT_RIGHT;
  return flags;
}

void TCustomLabel::DoDrawText(TRect& Rect, uint32_t Flags) {
  std::string text = GetLabelText();
  // An empty caption (or a lone accelerator mark) still measures one line high.
  if ((Flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&"))) text += ' ';
  if (!showAccelChar_) Flags |= DT_NOPREFIX;
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  if (Enabled()) {
    DrawText(canvas, text, Rect, Flags);
    return;
  }
  OffsetRect(Rect, 1, 1);
  canvas->Font()->SetColor(clBtnHighlight);
  DrawText(canvas, text, Rect, Flags);
  OffsetRect(Rect, -1, -1);
  canvas->Font()->SetColor(clBtnShadow);
  DrawText(canvas, text, Rect, Flags);
}

void TCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  if (!transparent_) {
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(client);
  }
  canvas->Brush()->SetStyle(bsClear);
  const uint32_t flags = DrawFlags();
  TRect r = client;
  if (layout_ != tlTop) {
    // Measure the text at the client width, then move the rectangle down to place it.
    TRect measured = client;
    DoDrawText(measured, flags | DT_CALCRECT);
    const int spare = Height() - measured.Bottom;
    OffsetRect(r, 0, layout_ == tlBottom ? spare : spare / 2);
  }
  DoDrawText(r, flags);
}

}  // namespace fw
