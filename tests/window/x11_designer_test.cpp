// The designer in a real window: the package loaded as the program loads it, a component
// chosen on the palette and placed by real clicks, dragged by the mouse, edited in the
// inspector by real typing and removed with the Delete key.
#include <gtest/gtest.h>

#include "apps/designer/design_surface.h"
#include "apps/designer/designer_window.h"
#include "apps/designer/object_inspector.h"
#include "apps/designer/palette_bar.h"
#include "framework/controls/control.h"
#include "framework/design/package.h"
#include "framework/grids/grids.h"
#include "tests/window/x11_driver.h"

namespace fw::testing {
namespace {

class DesignerWindow : public WindowTest {
 protected:
  static TPoint OnForm(TControl* control, TPoint at) {
    const TPoint origin = control->FormOrigin();
    return {origin.X + at.X, origin.Y + at.Y};
  }
  void Click(TForm* form, TControl* control, TPoint at) {
    const TPoint p = OnForm(control, at);
    x_->MoveTo(backend_->WindowOf(form), p.X, p.Y);
    x_->Button(1, true);
    x_->Button(1, false);
  }
  void Press(TForm* form, const std::string& keyName) {
    x_->Focus(backend_->WindowOf(form));
    x_->Key(keyName, true);
    x_->Key(keyName, false);
  }
};

TEST_F(DesignerWindow, PlacesMovesEditsAndDeletesWithRealInput) {
  static TDesignPackage package(PANEKIT_DSGN_BUILD_PATH);
  designer::TDesignerWindow window(nullptr);
  window.RefreshPalette();
  window.Show();
  EXPECT_EQ(PumpUntilWindowShows(&window), 0);
  designer::TPaletteBar* palette = window.Palette();
  designer::TDesignSurface* surface = window.Surface();
  designer::TDesignDocument& document = window.Document();

  // The seven-segment display is the twelfth class of the page.
  int index = -1;
  for (int i = 0; i < palette->ButtonCount(); ++i)
    if (palette->ButtonClass(i)->name == "TSevenSeg") index = i;
  ASSERT_GE(index, 0);
  const TRect button = palette->ButtonRect(index);
  Click(&window, palette, {(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2});
  ASSERT_TRUE(PumpUntil([&] { return palette->SelectedClass() != nullptr; }));
  Click(&window, surface, {83, 61});
  ASSERT_TRUE(PumpUntil([&] { return document.VisualComponents().size() == 1; }));
  TControl* placed = document.VisualComponents().front();
  EXPECT_EQ(placed->Name(), "SevenSeg1");
  EXPECT_EQ(placed->Left(), 80);  // snapped to the 8-pixel grid
  EXPECT_EQ(placed->Top(), 64);
  EXPECT_EQ(palette->SelectedClass(), nullptr);

  // A drag by (37, 21) moves it to the nearest grid point of the new place.
  const TPoint from = OnForm(surface, {placed->Left() + 10, placed->Top() + 10});
  x_->MoveTo(backend_->WindowOf(&window), from.X, from.Y);
  x_->Button(1, true);
  for (int step = 1; step <= 4; ++step)
    x_->MoveTo(backend_->WindowOf(&window), from.X + 37 * step / 4, from.Y + 21 * step / 4);
  x_->Button(1, false);
  EXPECT_TRUE(PumpUntil([&] { return placed->Left() == 120 && placed->Top() == 88; }))
      << placed->Left() << "," << placed->Top();

  // The inspector shows it; typing a caption and Enter changes the component.
  designer::TObjectInspector* inspector = window.Inspector();
  ASSERT_EQ(inspector->Inspected(), placed);
  const int row = inspector->FindRow("Caption");
  ASSERT_GE(row, 0);
  // A real click on the value cell of that row focuses the inspector's editor there.
  inspector->SelectRow(row);
  PumpFor(50);
  const TRect cell = inspector->Grid()->CellRect(1, inspector->Grid()->Row());
  Click(&window, inspector->Grid(), {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
  PumpFor(50);
  for (const char* key : {"End", "BackSpace", "BackSpace", "BackSpace", "BackSpace", "BackSpace",
                          "BackSpace", "BackSpace", "BackSpace", "4", "2", "Return"}) {
    x_->Key(key, true);
    x_->Key(key, false);
  }
  EXPECT_TRUE(PumpUntil([&] { return inspector->RowValue(row) == "42"; }))
      << inspector->RowValue(row);

  // Delete on the surface removes it.
  Click(&window, surface, {placed->Left() + 5, placed->Top() + 5});
  PumpFor(50);
  Press(&window, "Delete");
  EXPECT_TRUE(PumpUntil([&] { return document.VisualComponents().empty(); }));
}

}  // namespace
}  // namespace fw::testing
