// A shown, focused numeric edit field on a test host's form, with a count of OnChange calls
// and helpers that type and press keys.
#pragma once

#include <string>

#include "framework/backend/headless/test_host.h"
#include "framework/controls/messages.h"
#include "numio/ZEB_NumIO.h"

namespace numio_test {

struct FieldFixture {
  fw::TestHost host{320, 120};
  zeb::TNumIO* field;
  int changes = 0;

  explicit FieldFixture(zeb::TInFormat format, double low = -1e6, double high = 1e6) {
    field = new zeb::TNumIO(host.Form());
    field->SetParent(host.Form());
    field->SetBounds(10, 10, 120, 24);
    field->SetInputFormat(format);
    field->SetRangeHigh(high);
    field->SetRangeLow(low);
    field->OnChange = [this](fw::TObject*) { ++changes; };
    host.Show();
    field->SetFocus();
  }
  void Type(const std::string& keys) { host.TypeText(keys); }
  void Press(uint16_t vk) { host.PressKey(vk); }
  // Puts the caret after character `index` (0-based), as a click there would.
  void CaretAt(int index) { field->SetSelStart(index); }
  const std::string& Text() const { return field->Text(); }
};

}  // namespace numio_test
