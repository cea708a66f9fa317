// TControl: construction, bounds, parent, visibility, font, colour, hint, cursor and
// alignment properties.
#include "framework/controls/control.h"

#include <algorithm>

#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "framework/controls/screen.h"
#include "framework/controls/wincontrol.h"
#include "framework/rtl/scope_guard.h"

namespace fw {

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner),
      self_(std::make_shared<TControl*>(this)),
      font_(std::make_unique<TFont>()),
      constraints_(std::make_unique<TSizeConstraints>()) {
  font_->OnChange = [this] { FontChanged(); };
  constraints_->OnChange = [this] { SetBounds(left_, top_, width_, height_); };
}

TControl::~TControl() {
  Destroying();
  if (parent_) parent_->RemoveControl(this);
  if (Application) Application->Input().Forget(this);
  font_->OnChange = nullptr;
  constraints_->OnChange = nullptr;
  *self_ = nullptr;
}

// --- Bounds

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::clamp(constraints_->ClampWidth(AWidth), 0, kMaxControlExtent);
  AHeight = std::clamp(constraints_->ClampHeight(AHeight), 0, kMaxControlExtent);
  ALeft = std::clamp(ALeft, -kMaxControlExtent, kMaxControlExtent);
  ATop = std::clamp(ATop, -kMaxControlExtent, kMaxControlExtent);
  if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
  const bool sizeChanged = AWidth != width_ || AHeight != height_;
  if (visible_) InvalidateParentArea(BoundsRect());
  left_ = ALeft;
  top_ = ATop;
  width_ = AWidth;
  height_ = AHeight;
  if (!anchoring_) RecordAnchorBase();
  if (sizeChanged) Perform(WM_SIZE, 0, MakeLParam(width_, height_));
  if (align_ != alNone) RequestAlign();
  Invalidate();
}

void TControl::RecordAnchorBase() {
  anchorBounds_ = BoundsRect();
  anchorParentWidth_ = parent_ ? parent_->ClientWidth() : 0;
  anchorParentHeight_ = parent_ ? parent_->ClientHeight() : 0;
}

TPoint TControl::FormOrigin() const {
  TPoint p;
  for (const TControl* c = this; c->parent_ != nullptr; c = c->parent_) {
    p.X += c->left_;
    p.Y += c->top_;
  }
  return p;
}

TPoint TControl::ClientToScreen(TPoint p) const {
  const TControl* top = this;
  while (top->parent_) top = top->parent_;
  const TPoint o = FormOrigin();
  return Point(p.X + o.X + top->left_, p.Y + o.Y + top->top_);
}

TPoint TControl::ScreenToClient(TPoint p) const {
  const TPoint zero = ClientToScreen(Point(0, 0));
  return Point(p.X - zero.X, p.Y - zero.Y);
}

// --- Parent

void TControl::SetParent(TWinControl* AParent) {
  if (AParent == parent_) return;
  for (const TControl* p = AParent; p != nullptr; p = p->parent_)
    if (p == this) throw EInvalidOperation("A control cannot be placed inside itself");
  if (parent_) parent_->RemoveControl(this);
  if (AParent) AParent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* w = dynamic_cast<TWinControl*>(parent)) SetParent(w);
}

TComponent* TControl::GetParentComponent() const {
  return parent_;
}

TCustomForm* TControl::ParentForm() const {
  return GetParentForm(this);
}

TCustomForm* GetParentForm(const TControl* control) {
  if (!control) return nullptr;
  const TControl* top = control;
  while (top->Parent()) top = top->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

// --- Visibility and state

bool TControl::Showing() const {
  return visible_ && parent_ != nullptr && parent_->Showing();
}

void TControl::SetVisible(bool value) {
  if (value == visible_) return;
  if (!value) InvalidateParentArea(BoundsRect());
  visible_ = value;
  Perform(CM_VISIBLECHANGED, value ? 1 : 0, 0);
  if (value) {
    Invalidate();
  } else if (TCustomForm* form = ParentForm(); form && form != this) {
    form->ControlGone(this, false);
  }
  RequestAlign();
}

void TControl::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
  if (!value)
    if (TCustomForm* form = ParentForm(); form && form != this) form->ControlGone(this, false);
}

void TControl::SetCaption(const std::string& value) {
  if (value == caption_) return;
  caption_ = value;
  Perform(CM_TEXTCHANGED, 0, 0);
}

// --- Font and colour

void TControl::SetFont(const TFont* value) {
  if (value) font_->Assign(*value);
}

void TControl::FontChanged() {
  if (!takingParentFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::TakeParentFont() {
  if (!parent_) return;
  TValueRestorer taking(takingParentFont_, true);
  font_->Assign(*parent_->Font());
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value) TakeParentFont();
}

void TControl::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  parentColor_ = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::TakeParentColor() {
  if (!parent_ || parent_->color_ == color_) return;
  color_ = parent_->color_;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value) {
  parentColor_ = value;
  if (value) TakeParentColor();
}

// --- Hint, popup menu, cursor

void TControl::SetShowHint(bool value) {
  showHint_ = value;
  parentShowHint_ = false;
}

void TControl::SetParentShowHint(bool value) {
  parentShowHint_ = value;
  if (value && parent_) showHint_ = parent_->showHint_;
}

// The link to a previous menu stays: a descendant may still refer to that component in
// another slot, and removing the link would leave that slot unaware of its deletion. A stale
// link only brings a Notification that matches nothing.
void TControl::SetPopupMenu(TComponent* value) {
  if (value == popupMenu_) return;
  popupMenu_ = value;
  if (popupMenu_) popupMenu_->FreeNotification(this);
}

void TControl::Loaded() {
  TComponent::Loaded();
  RecordAnchorBase();
}

void TControl::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
  TComponent::Notification(component, operation);
}

// --- Reading order and help

void TControl::SetBiDiMode(TBiDiMode value) {
  if (value == biDiMode_) return;
  biDiMode_ = value;
  parentBiDiMode_ = false;
  Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::TakeParentBiDiMode() {
  if (!parent_ || parent_->biDiMode_ == biDiMode_) return;
  biDiMode_ = parent_->biDiMode_;
  Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool value) {
  parentBiDiMode_ = value;
  if (value) TakeParentBiDiMode();
}

void TControl::SetHelpContext(THelpContext value) {
  if (!ComponentState().Contains(csLoading)) helpType_ = htContext;
  helpContext_ = value;
}

void TControl::SetHelpKeyword(const std::string& value) {
  if (!ComponentState().Contains(csLoading)) helpType_ = htKeyword;
  helpKeyword_ = value;
}

void TControl::SetCursor(TCursor value) {
  if (value == cursor_) return;
  cursor_ = value;
  if (Screen) Screen->UpdateCursor();
}

// --- Layout

void TControl::SetAlign(TAlign value) {
  if (value == align_) return;
  align_ = value;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_ && !parent_->ComponentState().Contains(csDestroying)) parent_->AlignControls();
}

void TControl::BringToFront() {
  if (!parent_) return;
  auto raise = [this](auto& list) {
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) std::rotate(it, it + 1, list.end());
  };
  if (isWinControl_) {
    raise(parent_->windows_);
  } else {
    raise(parent_->graphics_);
  }
  Invalidate();
}

void TControl::SendToBack() {
  if (!parent_) return;
  auto lower = [this](auto& list) {
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) std::rotate(list.begin(), it, it + 1);
  };
  if (isWinControl_) {
    lower(parent_->windows_);
  } else {
    lower(parent_->graphics_);
  }
  Invalidate();
}

bool TControl::MouseCapture() const {
  return Application && Application->Input().CaptureControl() == this;
}

void TControl::SetMouseCapture(bool value) {
  if (!Application) return;
  TInputDispatch& input = Application->Input();
  if (value) {
    input.SetCaptureControl(this);
  } else if (input.CaptureControl() == this) {
    input.SetCaptureControl(nullptr);
  }
}

}  // namespace fw
