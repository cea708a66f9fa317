// A control of class C filling a shown test form of w x h at (0, 0), for pixel and input checks.
#pragma once

#include "framework/backend/headless/test_host.h"

namespace zeb::test {

template <typename C>
struct ShownControl {
  ShownControl(int w, int h) : host(w, h) {
    control = new C(host.Form());
    control->SetParent(host.Form());
    control->SetBounds(0, 0, w, h);
    host.Show();
  }
  fw::TestHost host;
  C* control;
};

}  // namespace zeb::test
