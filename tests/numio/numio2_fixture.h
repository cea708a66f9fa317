// A shown, focused numeric input panel at the top-left corner of a test host's form, with
// counts of OnChange calls and a helper that types characters as the keys that make them.
#pragma once

#include <string>

#include "framework/backend/headless/test_host.h"
#include "framework/controls/messages.h"
#include "numio/ZEB_NumIO.h"

namespace numio_test {

struct PanelFixture {
  fw::TestHost host{400, 120};
  zeb::TNumIO2* panel;
  int changes = 0;

  explicit PanelFixture(zeb::TInFormat format = zeb::itFloat) {
    panel = new zeb::TNumIO2(host.Form());
    panel->SetParent(host.Form());
    panel->SetBounds(0, 0, 250, 30);
    panel->SetInputFormat(format);
    panel->OnChange = [this](fw::TObject*) { ++changes; };
    host.Show();
    panel->SetFocus();
  }
  // Each character as the key that types it: digits, "A".."F", "+", "-", ",", "." and
  // "$", "%", "&" (Shift with 4, 5, 6).
  void Type(const std::string& text) {
    for (char c : text) {
      uint16_t key = static_cast<uint16_t>(c);
      fw::TShiftState shift;
      switch (c) {
        case '$':
        case '%':
        case '&':
          key = static_cast<uint16_t>(c == '$' ? '4' : c == '%' ? '5' : '6');
          shift = {fw::ssShift};
          break;
        case '+':
          key = 187;
          break;
        case '-':
          key = 189;
          break;
        case ',':
          key = 188;
          break;
        case '.':
          key = 190;
          break;
        default:
          break;
      }
      host.PressKey(key, shift);
    }
  }
  void Press(uint16_t vk, fw::TShiftState shift = {}) { host.PressKey(vk, shift); }
  const std::string& Text() const { return panel->Text(); }
};

}  // namespace numio_test
