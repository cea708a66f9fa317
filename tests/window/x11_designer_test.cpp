// The designer in a real window: the package loaded as the program loads it, a component
// chosen on the palette and placed by real clicks, dragged by the mouse, edited in the
// inspector by real typing and removed with the Delete key; a form file opened through the
// open dialog worked by real keys and a real double click.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "apps/designer/design_surface.h"
#include "apps/designer/designer_window.h"
#include "apps/designer/object_inspector.h"
#include "apps/designer/palette_bar.h"
#include "framework/controls/control.h"
#include "framework/controls/screen.h"
#include "framework/design/package.h"
#include "framework/dialogs/open_dialog.h"
#include "framework/grids/grids.h"
#include "framework/stdctrls/edit.h"
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

TEST_F(DesignerWindow, TheOpenDialogWorksWithRealKeysAndClicks) {
  static TDesignPackage package(PANEKIT_DSGN_BUILD_PATH);
  std::string pattern = (std::filesystem::temp_directory_path() / "designer-XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path folder = pattern;
  std::filesystem::create_directory(folder / "forms");
  std::ofstream(folder / "forms" / "tank.form")
      << "object Tank: TForm\n  object Level: TProgBar\n    Left = 16\n    Top = 24\n  end\nend\n";
  std::ofstream(folder / "notes.txt") << "not a form";

  designer::TDesignerWindow window(nullptr);
  window.Show();
  EXPECT_EQ(PumpUntilWindowShows(&window), 0);
  TOpenDialogForm* dialog = nullptr;
  auto dialogShown = [&] {
    dialog = dynamic_cast<TOpenDialogForm*>(Screen->ActiveForm());
    return dialog && dialog->Showing() && backend_->WindowOf(dialog);
  };
  auto keys = [this](std::vector<std::string> names) {
    return [this, names] {
      x_->Focus(backend_->WindowOf(Screen->ActiveForm()));
      for (const std::string& name : names) {
        x_->Key(name, true);
        x_->Key(name, false);
      }
      return true;
    };
  };
  // The folder's path typed with Enter goes there; a double click on "forms" opens it, where
  // the form file is the only entry of the filter, and a double click on it opens the form.
  auto doubleClickFirstRow = [&] {
    const TRect row = dialog->FileList()->CellRect(0, 0);
    const TPoint at = dialog->FileList()->FormOrigin();
    x_->MoveTo(backend_->WindowOf(dialog), at.X + row.Left + 30, at.Y + row.Top + 8);
    for (int i = 0; i < 2; ++i) {
      x_->Button(1, true);
      x_->Button(1, false);
    }
    return true;
  };
  TickScript script(
      {dialogShown,
       [&] {
         dialog->FileNameField()->SetText(folder.string());
         return true;
       },
       keys({"Return"}),
       [&] { return dialog->Directory() == folder.string() && doubleClickFirstRow(); },
       [&] {
         return dialog->Directory() == (folder / "forms").string() &&
                dialog->Entries().size() == 1 && doubleClickFirstRow();
       }});
  x_->Focus(backend_->WindowOf(&window));
  x_->Key("Control_L", true);
  x_->Key("o", true);
  x_->Key("o", false);
  x_->Key("Control_L", false);
  EXPECT_TRUE(PumpUntil([&] { return script.Done() && window.FileName() != ""; }, 8000));
  EXPECT_EQ(window.FileName(), (folder / "forms" / "tank.form").string());
  EXPECT_EQ(window.Document().Root()->Name(), "Tank");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace fw::testing
