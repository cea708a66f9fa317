// TCustomComboBox model: items, the chosen item and the text that follows it, the style, and
// opening and closing the list.
#include <algorithm>

#include "framework/controls/form.h"
#include "framework/graphics/text_engine.h"
#include "framework/rtl/scope_guard.h"
#include "framework/stdctrls/combo_box.h"

namespace fw {

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TCustomEdit(AOwner), items_(std::make_unique<TStringList>()) {
  items_->OnChange = [this] { ItemsChanged(); };
  SetBounds(Left(), Top(), 145, Height());
}

TCustomComboBox::~TCustomComboBox() {
  items_->OnChange = nullptr;
  // The list lies on the form and belongs to this box: it goes with it.
  delete ListControl();
}

TComboBox::TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
  if (value == style_) return;
  CloseUp(false);
  style_ = value;
  SetReadOnly(ListStyle());
  // Only free text has a caret to place.
  SetCursor(ListStyle() ? crDefault : crIBeam);
  if (ListStyle() && itemIndex_ < 0) ShowTextQuietly("");
  FitHeight();
  Invalidate();
}

void TCustomComboBox::SetItems(const TStrings* value) {
  if (value) items_->Assign(*value);
}

// The chosen item keeps its text: it is looked up again after every change of the items.
void TCustomComboBox::ItemsChanged() {
  if (itemIndex_ >= 0) {
    const int at = items_->IndexOf(lastItemText_);
    itemIndex_ = at;
    if (at < 0 && ListStyle()) ShowTextQuietly("");
  }
  if (TComboListPopup* list = ListControl(); list && list->Visible()) CloseUp(false);
  Invalidate();
}

void TCustomComboBox::SetItemIndex(int value) {
  if (value < 0 || value >= items_->Count()) value = -1;
  itemIndex_ = value;
  lastItemText_ = value >= 0 ? items_->Strings(value) : std::string();
  ShowTextQuietly(lastItemText_);
  Invalidate();
}

void TCustomComboBox::SetText(const std::string& value) {
  const int at = items_->IndexOf(value);
  if (ListStyle()) {
    SetItemIndex(at);
    return;
  }
  itemIndex_ = at;
  lastItemText_ = at >= 0 ? value : std::string();
  ShowTextQuietly(value);
}

void TCustomComboBox::ShowTextQuietly(const std::string& text) {
  TValueRestorer<bool> hold(quiet_, true);
  TCustomEdit::SetText(text);
}

void TCustomComboBox::SetDropDownCount(int value) {
  dropDownCount_ = std::max(value, 1);
}

void TCustomComboBox::SetSorted(bool value) {
  items_->SetSorted(value);
}

int TCustomComboBox::ItemHeight() const {
  if (itemHeight_ > 0) return itemHeight_;
  return MeasureText(Font()->Spec(), "").height + 2;
}

void TCustomComboBox::SetItemHeight(int value) {
  if (value < 1 || value == itemHeight_) return;
  itemHeight_ = value;
  FitHeight();
  Invalidate();
}

// An owner-drawn box has the face of a row plus its frame; the others fit their font.
void TCustomComboBox::FitHeight() {
  if (style_ == csOwnerDrawFixed && itemHeight_ > 0)
    SetBounds(Left(), Top(), Width(), itemHeight_ + 6);
  else if (AutoSize())
    AdjustHeight();
}

void TCustomComboBox::CreateWnd() {
  TCustomEdit::CreateWnd();
  FitHeight();
}

void TCustomComboBox::Invalidate() {
  TCustomEdit::Invalidate();
  if (TComboListPopup* list = ListControl(); list && list->Visible()) list->Invalidate();
}

void TCustomComboBox::SetEnabled(bool value) {
  if (!value) CloseUp(false);
  TCustomEdit::SetEnabled(value);
}

// Typing into a free-text box chooses the item equal to the text, if any.
void TCustomComboBox::Change() {
  if (quiet_) return;
  if (!ListStyle()) {
    itemIndex_ = items_->IndexOf(Text());
    lastItemText_ = itemIndex_ >= 0 ? Text() : std::string();
  }
  TCustomEdit::Change();
}

void TCustomComboBox::Select() {
  OnSelect(this);
}

void TCustomComboBox::Click() {
  TCustomEdit::Click();
}

void TCustomComboBox::UserChoose(int index) {
  if (index < 0 || index >= items_->Count()) return;
  const TControlRef alive = Ref();
  SetItemIndex(index);
  SelectAll();
  Change();
  if (!alive.Get()) return;
  Select();
  if (!alive.Get()) return;
  Click();
}

TComboListPopup* TCustomComboBox::ListControl() const {
  return static_cast<TComboListPopup*>(list_.Get());
}

bool TCustomComboBox::DroppedDown() const {
  const TComboListPopup* list = ListControl();
  return list && list->Visible();
}

void TCustomComboBox::SetDroppedDown(bool value) {
  if (value)
    DropDown();
  else
    CloseUp(false);
}

// The list opens below the box on its form, or above it when it would not fit below; it
// shows up to DropDownCount rows with the chosen item in view.
void TCustomComboBox::DropDown() {
  if (DroppedDown()) return;
  const TControlRef alive = Ref();
  OnDropDown(this);
  if (!alive.Get() || items_->Count() == 0) return;
  TComboListPopup* list = ListControl();
  if (!list) {
    list = new TComboListPopup(this);
    list_ = list->Ref();
  }
  list->SetParent(TDropDownList::HostFor(*this));
  list->Reset(std::min(items_->Count(), dropDownCount_));
  list->ShowUnder(*this, itemIndex_);
  Invalidate();
}

void TCustomComboBox::CloseUp(bool accept) {
  TComboListPopup* list = ListControl();
  if (!list || !list->Visible()) return;
  const int index = list->ItemIndex();
  list->SetVisible(false);
  Invalidate();
  const TControlRef alive = Ref();
  OnCloseUp(this);
  if (alive.Get() && accept && index >= 0 && index != itemIndex_) UserChoose(index);
}

}  // namespace fw
