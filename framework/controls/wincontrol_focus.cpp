// TWinControl keyboard side: focus, tab order, and the key messages with the KeyPreview
// form's turn first.
#include <algorithm>

#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "framework/controls/screen.h"
#include "framework/controls/wincontrol.h"

namespace fw {

bool TWinControl::CanFocus() const {
  TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  for (const TControl* c = this; c != nullptr; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const {
  TCustomForm* form = GetParentForm(this);
  return form && form != this && form->ActiveControl() == this && form->Active();
}

void TWinControl::SetFocus() {
  TCustomForm* form = GetParentForm(this);
  if (!form || form == this) return;
  form->SetActiveControl(this);
}

int TWinControl::TabOrder() const {
  const TWinControl* p = Parent();
  if (!p) return tabOrder_;
  auto it = std::find(p->tabList_.begin(), p->tabList_.end(), this);
  return it == p->tabList_.end() ? -1 : static_cast<int>(it - p->tabList_.begin());
}

void TWinControl::SetTabOrder(int value) {
  TWinControl* p = Parent();
  if (!p) {
    tabOrder_ = value;
    return;
  }
  auto& list = p->tabList_;
  std::erase(list, this);
  const int at = std::clamp(value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + at, this);
}

std::vector<TWinControl*> TWinControl::GetTabOrderList() const {
  std::vector<TWinControl*> out;
  for (TWinControl* w : tabList_) {
    out.push_back(w);
    const auto inner = w->GetTabOrderList();
    out.insert(out.end(), inner.begin(), inner.end());
  }
  return out;
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
  const auto list = GetTabOrderList();
  const int n = static_cast<int>(list.size());
  if (n == 0) return nullptr;
  int start = -1;
  if (auto it = std::find(list.begin(), list.end(), current); it != list.end())
    start = static_cast<int>(it - list.begin());
  if (start < 0) start = goForward ? n - 1 : 0;
  for (int step = 1; step <= n; ++step) {
    const int i = goForward ? (start + step) % n : (start - step + n) % n;
    TWinControl* c = list[i];
    if (c == current && step < n) continue;
    if (checkTabStop && !c->TabStop()) continue;
    if (checkParent && c->Parent() != this) continue;
    if (c->CanFocus()) return c;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop);
  if (next && next != current) next->SetFocus();
}

// --- Keys: the KeyPreview form sees each key first; a key it sets to 0 goes no further.

bool TWinControl::DoKeyDown(uint16_t& key, TShiftState shift) {
  TCustomForm* form = GetParentForm(this);
  const TControlRef alive = Ref();
  if (form && form != this && form->KeyPreview()) {
    if (form->DoKeyDown(key, shift)) return true;
    if (!alive) return true;
  }
  if (key == 0) return true;
  KeyDown(key, shift);
  return key == 0;
}

bool TWinControl::DoKeyUp(uint16_t& key, TShiftState shift) {
  TCustomForm* form = GetParentForm(this);
  const TControlRef alive = Ref();
  if (form && form != this && form->KeyPreview()) {
    if (form->DoKeyUp(key, shift)) return true;
    if (!alive) return true;
  }
  if (key == 0) return true;
  KeyUp(key, shift);
  return key == 0;
}

bool TWinControl::DoKeyPress(char32_t& key) {
  TCustomForm* form = GetParentForm(this);
  const TControlRef alive = Ref();
  if (form && form != this && form->KeyPreview()) {
    if (form->DoKeyPress(key)) return true;
    if (!alive) return true;
  }
  if (key == 0) return true;
  KeyPress(key);
  return key == 0;
}

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) {
  OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char32_t& Key) {
  OnKeyPress(this, Key);
}

void TWinControl::DoEnter() {
  OnEnter(this);
}

void TWinControl::DoExit() {
  OnExit(this);
}

}  // namespace fw
