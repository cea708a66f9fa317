// The edit most edit tests start from: a shown, focused 200 x 21 edit at (10, 10) on a test
// host's form, with helpers that count changes and press keys.
#pragma once

#include "framework/backend/headless/test_host.h"
#include "framework/stdctrls/edit.h"

namespace fw::test {

struct EditFixture {
  TestHost host{320, 120};
  TEdit* edit;
  int changes = 0;

  EditFixture() {
    edit = new TEdit(host.Form());
    edit->SetParent(host.Form());
    edit->SetBounds(10, 10, 200, 21);
    edit->OnChange = [this](TObject*) { ++changes; };
    host.Show();
    edit->SetFocus();
  }
  // Form coordinates of the caret line before character `index`, at the edit's middle.
  int XOf(int index) const { return edit->Left() + edit->PositionToX(index); }
  int MidY() const { return edit->Top() + edit->Height() / 2; }
  void Press(uint16_t vk, TShiftState shift = {}) { host.PressKey(vk, shift); }
};

}  // namespace fw::test
