// TCustomComboBox input: navigation keys on the closed box and the open list, type-ahead,
// Enter and Escape on the open list, the button and the list styles' face under the mouse.
#include <algorithm>

#include "framework/controls/backend.h"
#include "framework/rtl/utf8.h"
#include "framework/stdctrls/combo_box.h"

namespace fw {

namespace {

// Characters typed within this time of each other extend the type-ahead prefix.
constexpr int64_t kTypeAheadMs = 1000;

}  // namespace

bool TCustomComboBox::NavigateKey(uint16_t key) {
  const int count = Items()->Count();
  const int page = std::max(dropDownCount_ - 1, 1);
  if (TComboListPopup* list = ListControl(); list && list->Visible()) {
    const int to = ListKeyIndex(key, list->ItemIndex(), count, page, true);
    if (to == -2) return false;
    list->SetItemIndex(to);
    return true;
  }
  const int to = ListKeyIndex(key, itemIndex_, count, page, ListStyle());
  if (to == -2) return false;
  if (count > 0 && to != itemIndex_) UserChoose(to);
  return true;
}

// A key the box uses itself (opening and closing, navigation) goes to OnKeyDown first and is
// then taken here; any other key goes to the edit (a free-text box's caret keys) or nowhere.
void TCustomComboBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  const bool toggle = (Key == VK_DOWN && Shift.Contains(ssAlt)) || Key == VK_F4;
  const bool plain = !Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl);
  const bool homeEnd = ListStyle() || DroppedDown();
  const bool navigation = plain && ListKeyIndex(Key, 0, 1, 1, homeEnd) != -2;
  if (!toggle && !navigation) {
    if (ListStyle())
      TCustomControl::KeyDown(Key, Shift);
    else
      TCustomEdit::KeyDown(Key, Shift);
    return;
  }
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  if (toggle) {
    if (DroppedDown())
      CloseUp(true);
    else
      DropDown();
  } else {
    NavigateKey(Key);
  }
  Key = 0;
}

// With the list down, Enter takes its choice and Escape closes it; neither goes further.
// A list style's typed character chooses by type-ahead instead of editing.
void TCustomComboBox::KeyPress(char32_t& Key) {
  if (DroppedDown() && (Key == U'\r' || Key == 0x1B)) {
    CloseUp(Key == U'\r');
    Key = 0;
    return;
  }
  if (!ListStyle()) {
    TCustomEdit::KeyPress(Key);
    return;
  }
  TCustomControl::KeyPress(Key);
  if (Key == 0 || Key < U' ' || Key == 0x7F) return;
  const int found = TypeAhead(Key);
  if (found < 0) return;
  if (TComboListPopup* list = ListControl(); list && list->Visible())
    list->SetItemIndex(found);
  else if (found != itemIndex_)
    UserChoose(found);
}

// The prefix grows while characters come quickly; one character repeated steps through the
// items starting with it. The search starts after the current item for a fresh or repeated
// character, at it while the prefix grows.
int TCustomComboBox::TypeAhead(char32_t key) {
  const int64_t now = CurrentBackend().Milliseconds();
  const std::string ch = LowerCase(EncodeUtf8(key));
  const bool fresh = typed_.empty() || now - typedAt_ > kTypeAheadMs;
  typedAt_ = now;
  const bool repeated = !fresh && typed_ == ch;
  typed_ = fresh || repeated ? ch : typed_ + ch;
  const int count = Items()->Count();
  if (count == 0) return -1;
  const int current = DroppedDown() ? ListControl()->ItemIndex() : itemIndex_;
  const int start = fresh || repeated ? current + 1 : std::max(current, 0);
  for (int i = 0; i < count; ++i) {
    const int index = ((start + i) % count + count) % count;
    if (LowerCase(Items()->Strings(index)).starts_with(typed_)) return index;
  }
  return -1;
}

void TCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool onButton = PtInRect(ButtonRect(), TPoint{X, Y});
  if (Button == mbLeft && (onButton || ListStyle())) {
    if (CanFocus() && !Focused()) SetFocus();
    if (DroppedDown())
      CloseUp(false);
    else
      DropDown();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    return;
  }
  TCustomEdit::MouseDown(Button, Shift, X, Y);
}

void TCustomComboBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (ListStyle())
    TCustomControl::MouseMove(Shift, X, Y);
  else
    TCustomEdit::MouseMove(Shift, X, Y);
}

void TCustomComboBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomEdit::MouseUp(Button, Shift, X, Y);
}

// A double click on a list style's face is two clicks on it, not a word selection.
void TCustomComboBox::DblClick() {
  if (ListStyle())
    TCustomControl::DblClick();
  else
    TCustomEdit::DblClick();
}

// The wheel steps the closed box's choice like Up and Down.
bool TCustomComboBox::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomEdit::DoMouseWheelDown(Shift, MousePos)) return true;
  NavigateKey(VK_DOWN);
  return true;
}

bool TCustomComboBox::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomEdit::DoMouseWheelUp(Shift, MousePos)) return true;
  NavigateKey(VK_UP);
  return true;
}

void TCustomComboBox::DoExit() {
  CloseUp(false);
  TCustomEdit::DoExit();
}

}  // namespace fw
