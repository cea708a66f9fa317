// The row editing form and the colour selector in real windows: the form opens from a real
// double click or F2 on the gallery's report list, real keys type into a field, choose from a
// dropped-down list, step a date and confirm with Enter or cancel with Escape; a real click on
// an editable colour bar opens the colour dialog, whose real clicks change the entry.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "apps/gallery/gallery.h"
#include "apps/gallery/viewer.h"
#include "browse/ZEB_Colsel.h"
#include "framework/controls/screen.h"
#include "framework/controls/timers.h"
#include "framework/stdctrls/color_dialog.h"
#include "replist/ZEB_replist.h"
#include "tests/window/x11_driver.h"

namespace fw::testing {
namespace {

template <typename T>
T* FirstOf(TForm* form) {
  for (int i = 0; i < form->ControlCount(); ++i)
    if (auto* control = dynamic_cast<T*>(form->Controls(i))) return control;
  return nullptr;
}

class RowEditWindow : public WindowTest {
 protected:
  // A step pressing and releasing keys (an X key name each, "Alt_L+Down" for a chord) in
  // the window of the active form.
  std::function<bool()> Keys(std::vector<std::string> names) {
    return [this, names] {
      TCustomForm* form = Screen->ActiveForm();
      SDL_Window* window = form ? backend_->WindowOf(form) : nullptr;
      if (!window) return false;
      x_->Focus(window);
      for (const std::string& name : names) {
        const std::size_t plus = name.find('+');
        if (plus != std::string::npos) x_->Key(name.substr(0, plus), true);
        const std::string key = plus == std::string::npos ? name : name.substr(plus + 1);
        x_->Key(key, true);
        x_->Key(key, false);
        if (plus != std::string::npos) x_->Key(name.substr(0, plus), false);
      }
      return true;
    };
  }
  // A step that waits until the row editing form is open and shown.
  std::function<bool()> DialogOpen(zeb::TReportListView* view) {
    return [this, view] {
      TForm* form = view->RowEditForm();
      return form && form->Showing() && backend_->WindowOf(form) && Screen->ActiveForm() == form;
    };
  }
  void ClickAt(TCustomForm* form, TPoint at, bool twice = false) {
    x_->MoveTo(backend_->WindowOf(form), at.X, at.Y);
    for (int i = 0; i < (twice ? 2 : 1); ++i) {
      x_->Button(1, true);
      x_->Button(1, false);
    }
  }
};

TEST_F(RowEditWindow, TheRowEditingFormWorksWithRealKeysAndClicks) {
  const auto pages = gallery::AllPages();
  const int index = gallery::FindPage(pages, "replist_rowedit");
  ASSERT_GE(index, 0);
  gallery::Viewer viewer(pages);
  viewer.ShowPage(index);
  TForm* form = viewer.CurrentForm();
  EXPECT_EQ(PumpUntilWindowShows(form), 0);
  auto* view = FirstOf<zeb::TReportListView>(form);
  ASSERT_NE(view, nullptr);
  const TRect row2 = view->CellRect(1, view->FixedRows() + 1);
  const TPoint at{view->Left() + row2.Left + 20, view->Top() + row2.Top + 8};
  const std::string dateBefore = view->GetElem(4, 2);

  // A double click opens it; typing goes before the name (the focus came while the button was
  // down, so nothing is selected), Tab passes the
  // read-only number to the list, Alt+Down drops it, Down and Enter choose "blue" (the list
  // was "green"), Tab reaches the date, Up steps its day; Enter confirms.
  {
    TickScript script({DialogOpen(view), Keys({"x", "Tab", "Alt_L+Down", "Down", "Return"}),
                       Keys({"Tab", "Up", "Return"})});
    ClickAt(form, at, true);
    EXPECT_TRUE(PumpUntil([&] { return script.Done() && !view->RowEditForm(); }, 8000));
  }
  EXPECT_EQ(view->GetElem(1, 2), "xBlaise");
  EXPECT_EQ(view->GetElem(3, 2), "blue");
  EXPECT_EQ(view->GetElem(4, 2), "03.03.2024") << "was " << dateBefore;

  // F2 opens it too; Escape cancels whatever was typed.
  {
    TickScript script({DialogOpen(view), Keys({"y", "Escape"})});
    ClickAt(form, at);
    PumpFor(300);
    x_->Focus(backend_->WindowOf(form));
    x_->Key("F2", true);
    x_->Key("F2", false);
    EXPECT_TRUE(PumpUntil([&] { return script.Done() && !view->RowEditForm(); }, 8000));
  }
  EXPECT_EQ(view->GetElem(1, 2), "xBlaise");
}

TEST_F(RowEditWindow, AnEditableColourBarOpensTheColourDialog) {
  const auto pages = gallery::AllPages();
  const int index = gallery::FindPage(pages, "browse_colsel");
  ASSERT_GE(index, 0);
  gallery::Viewer viewer(pages);
  viewer.ShowPage(index);
  TForm* form = viewer.CurrentForm();
  EXPECT_EQ(PumpUntilWindowShows(form), 0);
  zeb::TColSel* sel = nullptr;
  for (int i = 0; i < form->ControlCount(); ++i)
    if (auto* c = dynamic_cast<zeb::TColSel*>(form->Controls(i)); c && c->NumColors() == 47)
      sel = c;
  ASSERT_NE(sel, nullptr);
  // The page opens with the list down; a click on the face closes it.
  ClickAt(form, {sel->Left() + 100, sel->Top() + 10});
  ASSERT_TRUE(PumpUntil([&] { return !sel->DroppedDown(); }));
  const int entry = sel->ItemIndex() + 1;
  const TColor chosen = BasicDialogColors()[8];
  // In the dialog: a real click on the ninth basic swatch, then on OK.
  auto clickIn = [this](std::function<TPoint(TColorDialogForm&)> where) {
    return [this, where] {
      auto* dialog = dynamic_cast<TColorDialogForm*>(Screen->ActiveForm());
      if (!dialog || !backend_->WindowOf(dialog)) return false;
      ClickAt(dialog, where(*dialog));
      return true;
    };
  };
  TickScript script({clickIn([](TColorDialogForm& d) {
                       const TRect cell = d.BasicGrid()->CellRect(8);
                       return TPoint{d.BasicGrid()->Left() + cell.Left + 10,
                                     d.BasicGrid()->Top() + cell.Top + 10};
                     }),
                     clickIn([](TColorDialogForm&) {
                       return TPoint{214 + 40, 210 + 12};
                     })});
  ClickAt(form, {sel->Left() + 14, sel->Top() + 10});
  EXPECT_TRUE(PumpUntil([&] { return script.Done() && sel->DroppedDown(); }, 8000));
  EXPECT_EQ(sel->GetArrayColor(entry), chosen);
  EXPECT_EQ(sel->SelColor(), chosen);
}

}  // namespace
}  // namespace fw::testing
