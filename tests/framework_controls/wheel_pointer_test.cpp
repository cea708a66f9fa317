// The wheel over a graphic control: offered to it first (it can never hold the focus), and
// passed on to the focused control when it does not handle it.
#include <gtest/gtest.h>

#include "tests/framework_controls/probes.h"

namespace fw {
namespace {

using test::AddGraphic;
using test::AddWin;

TEST(WheelDispatch, AGraphicControlUnderThePointerIsOfferedTheWheelFirst) {
  TestHost host(200, 100);
  host.Show();
  auto* edit = AddWin(host.Form(), "Edit", Bounds(0, 0, 50, 20));
  edit->SetTabStop(true);
  edit->SetFocus();
  auto* graphic = AddGraphic(host.Form(), "Graphic", Bounds(100, 0, 100, 100));
  int editWheels = 0, graphicWheels = 0;
  bool graphicHandles = true;
  edit->OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool& handled) {
    ++editWheels;
    handled = true;
  };
  graphic->OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool& handled) {
    ++graphicWheels;
    handled = graphicHandles;
  };
  host.Wheel(150, 50, -WHEEL_DELTA);  // over the graphic control, which handles it
  EXPECT_EQ(graphicWheels, 1);
  EXPECT_EQ(editWheels, 0);
  host.Wheel(60, 50, -WHEEL_DELTA);  // elsewhere: the focused edit's
  EXPECT_EQ(graphicWheels, 1);
  EXPECT_EQ(editWheels, 1);
  graphicHandles = false;  // not handled: the focused edit has it after all
  host.Wheel(150, 50, WHEEL_DELTA);
  EXPECT_EQ(graphicWheels, 2);
  EXPECT_EQ(editWheels, 2);
}

}  // namespace
}  // namespace fw
