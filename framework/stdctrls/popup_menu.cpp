// TMenuItem's tree and TPopupMenu's showing and closing.
#include "framework/stdctrls/popup_menu.h"

#include <algorithm>

#include "framework/controls/form.h"
#include "framework/controls/screen.h"
#include "framework/rtl/utf8.h"

namespace fw {

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
  if (parent_) parent_->Remove(this);
  Clear();
}

std::string TMenuItem::PlainCaption() const {
  std::string out;
  for (std::size_t i = 0; i < caption_.size(); ++i) {
    if (caption_[i] == '&' && i + 1 < caption_.size()) ++i;
    out += caption_[i];
  }
  return out;
}

char32_t TMenuItem::Accelerator() const {
  for (std::size_t i = 0; i + 1 < caption_.size(); ++i) {
    if (caption_[i] != '&') continue;
    if (caption_[i + 1] == '&') {
      ++i;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(caption_[i + 1]);
    return c < 0x80 ? static_cast<char32_t>(std::toupper(c)) : 0;
  }
  return 0;
}

TBitmap* TMenuItem::Bitmap() {
  if (!bitmap_) bitmap_ = std::make_unique<TBitmap>();
  return bitmap_.get();
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<std::size_t>(index)].get();
}

void TMenuItem::Add(TMenuItem* item) {
  Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, std::unique_ptr<TMenuItem>(item));
  item->parent_ = this;
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = Items(index);
  if (!item) return;
  Remove(item);
  delete item;
}

void TMenuItem::Remove(TMenuItem* item) {
  const int index = IndexOf(item);
  if (index < 0) return;
  items_[static_cast<std::size_t>(index)].release();
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
}

void TMenuItem::Clear() {
  while (Count() > 0) Delete(Count() - 1);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[static_cast<std::size_t>(i)].get() == item) return i;
  return -1;
}

TMenuItem* TMenuItem::Find(std::string_view caption) const {
  for (const auto& item : items_)
    if (item->PlainCaption() == caption) return item.get();
  return nullptr;
}

TMenuItem* TMenuItem::FindPath(std::string_view path) const {
  const std::size_t slash = path.find('/');
  TMenuItem* item = Find(path.substr(0, slash));
  if (!item || slash == std::string_view::npos) return item;
  return item->FindPath(path.substr(slash + 1));
}

void TMenuItem::Click() {
  if (enabled_) OnClick(this);
}

// ---- TPopupMenu

TPopupMenu::TPopupMenu(TComponent* AOwner)
    : TComponent(AOwner), items_(std::make_unique<TMenuItem>(nullptr)) {}

TPopupMenu::~TPopupMenu() {
  delete View();
  SetPopupComponent(nullptr);
}

void TPopupMenu::SetPopupComponent(TComponent* value) {
  if (value == popupComponent_) return;
  if (popupComponent_) popupComponent_->RemoveFreeNotification(this);
  popupComponent_ = value;
  if (popupComponent_) popupComponent_->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

TMenuPopupView* TPopupMenu::View() const {
  return static_cast<TMenuPopupView*>(view_.Get());
}

bool TPopupMenu::IsOpen() const {
  const TMenuPopupView* view = View();
  return view && view->Visible();
}

// The control's right click: shown only while AutoPopup is set.
void TPopupMenu::Popup(TControl* control, int X, int Y) {
  if (!autoPopup_) return;
  SetPopupComponent(control);
  Popup(X, Y);
}

void TPopupMenu::RecordShown(const TMenuItem& parent, const std::string& prefix) {
  for (int i = 0; i < parent.Count(); ++i) {
    const TMenuItem& item = *parent.Items(i);
    if (!item.Visible() || item.IsLine()) continue;
    const std::string path = prefix + item.PlainCaption();
    shown_.push_back(item.Enabled() ? path : path + " [disabled]");
    RecordShown(item, path + "/");
  }
}

void TPopupMenu::Popup(int X, int Y) {
  CloseMenu();
  OnPopup(this);
  auto* control = dynamic_cast<TControl*>(popupComponent_);
  TCustomForm* form = control ? GetParentForm(control) : nullptr;
  if (!form && Screen) form = Screen->ActiveForm();
  shown_.clear();
  RecordShown(*items_, "");
  if (!form || shown_.empty()) return;
  TMenuPopupView* view = View();
  if (!view || GetParentForm(view) != form) {
    delete view;
    view = new TMenuPopupView(this, form);
    view_ = view->Ref();
  }
  const TPoint origin = form->ClientToScreen(Point(0, 0));
  view->Open(Point(X - origin.X, Y - origin.Y));
}

void TPopupMenu::CloseMenu() {
  if (IsOpen()) View()->Dismiss();
}

void TPopupMenu::ViewClosed() {
  OnClose(this);
}

}  // namespace fw
