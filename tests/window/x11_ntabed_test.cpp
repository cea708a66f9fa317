// The table editor in a real window: right-click menus with their submenus, in-place editing
// by real clicks and keys, heading editing, copy and extraction through the system clipboard,
// and the arrow keys.
#include <gtest/gtest.h>

#include "apps/gallery/gallery.h"
#include "apps/gallery/viewer.h"
#include "framework/controls/clipboard.h"
#include "framework/stdctrls/edit.h"
#include "ntabed/ZEB_ntabed.h"
#include "tests/window/x11_driver.h"

namespace fw::testing {
namespace {

class NTabEdWindow : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    if (IsSkipped()) return;
    pages_ = gallery::AllPages();
    const int index = gallery::FindPage(pages_, "ntabed");
    ASSERT_GE(index, 0);
    viewer_ = std::make_unique<gallery::Viewer>(pages_);
    viewer_->ShowPage(index);
    form_ = viewer_->CurrentForm();
    for (int i = 0; i < form_->ControlCount() && !ed_; ++i)
      ed_ = dynamic_cast<zeb::TNTabEd*>(form_->Controls(i));
    ASSERT_NE(ed_, nullptr);
    ASSERT_EQ(PumpUntilWindowShows(form_), 0);
  }
  void TearDown() override {
    viewer_.reset();
    WindowTest::TearDown();
  }
  // The centre of grid cell (c, r) in form coordinates.
  TPoint CellCentre(int c, int r) const {
    const TRect cell = ed_->CellRect(c, r);
    return Point(ed_->Left() + (cell.Left + cell.Right) / 2,
                 ed_->Top() + (cell.Top + cell.Bottom) / 2);
  }
  void ClickAt(TPoint at, int button = 1) {
    x_->MoveTo(backend_->WindowOf(form_), at.X, at.Y);
    x_->Button(button, true);
    x_->Button(button, false);
  }
  void Type(const std::string& keyName) {
    x_->Focus(backend_->WindowOf(form_));
    x_->Key(keyName, true);
    x_->Key(keyName, false);
  }
  // Right-clicks the cell, waits for the menu, rests the pointer on each submenu item of the
  // path and clicks the last item.
  bool ChooseFromMenu(int c, int r, TPopupMenu* menu, const std::string& path) {
    ClickAt(CellCentre(c, r), 3);
    if (!PumpUntil([&] { return menu->IsOpen(); })) return false;
    std::size_t end = 0;
    while (true) {
      end = path.find('/', end + 1);
      TPoint at;
      if (!menu->View()->LocateItem(path.substr(0, end), at)) return false;
      x_->MoveTo(backend_->WindowOf(form_), at.X, at.Y);
      PumpFor(50);
      if (end == std::string::npos) break;
    }
    x_->Button(1, true);
    x_->Button(1, false);
    return PumpUntil([&] { return !menu->IsOpen(); });
  }

  std::vector<gallery::Page> pages_;
  std::unique_ptr<gallery::Viewer> viewer_;
  TForm* form_ = nullptr;
  zeb::TNTabEd* ed_ = nullptr;
};

TEST_F(NTabEdWindow, RightClickMenusWorkWithSubmenus) {
  ed_->SetSelection(TGridRect{2, 2, 2, 2});
  ASSERT_TRUE(ChooseFromMenu(2, 2, ed_->DataPopupMenu(), "Mark as type B/Column"));
  EXPECT_TRUE(PumpUntil([&] { return ed_->GetElemMarkedB(1, 24); }));
  ASSERT_TRUE(ChooseFromMenu(3, 5, ed_->DataPopupMenu(), "Select All"));
  EXPECT_EQ(ed_->Selection(), (TGridRect{2, 1, 7, 24}));
  // The open menu shows in the window, and Escape closes it.
  ClickAt(CellCentre(3, 3), 3);
  ASSERT_TRUE(PumpUntil([&] { return ed_->DataPopupMenu()->IsOpen(); }));
  EXPECT_EQ(PumpUntilWindowShows(form_), 0);
  Type("Escape");
  EXPECT_TRUE(PumpUntil([&] { return !ed_->DataPopupMenu()->IsOpen(); }));
}

TEST_F(NTabEdWindow, RealClicksAndKeysEditACell) {
  const TPoint cell = CellCentre(3, 2);  // humidity at 01:00
  ClickAt(cell);
  PumpFor(100);
  ClickAt(cell);
  ASSERT_TRUE(PumpUntil([&] { return ed_->Options().Contains(goEditing); }));
  Type("5");
  Type("5");
  Type("Return");
  EXPECT_TRUE(PumpUntil([&] { return ed_->GetElem(2, 2) == 55.0; })) << ed_->GetElem(2, 2);
  EXPECT_EQ(ed_->Row(), 3) << "AutoAdvance moved down";
  Type("Right");
  EXPECT_TRUE(PumpUntil([&] { return ed_->Col() == 4; }));
  EXPECT_EQ(PumpUntilWindowShows(form_), 0);
}

TEST_F(NTabEdWindow, AHeadingIsRenamedThroughItsMenu) {
  ASSERT_TRUE(ChooseFromMenu(5, 0, ed_->HeadingPopupMenu(), "Edit Heading"));
  ASSERT_TRUE(PumpUntil([&] { return ed_->HeadingEditing(); }));
  ed_->HeadingEditor()->SetText("");
  for (const char* key : {"g", "u", "s", "t"}) Type(key);
  Type("Return");
  EXPECT_TRUE(PumpUntil([&] { return ed_->GetColName(4) == "gust"; })) << ed_->GetColName(4);
}

TEST_F(NTabEdWindow, CopyAndExtractGoThroughTheSystemClipboard) {
  ed_->SetClipboardUseFullPrec(false);
  ed_->SetSelection(TGridRect{2, 1, 3, 1});
  ASSERT_TRUE(ChooseFromMenu(2, 1, ed_->DataPopupMenu(), "Copy"));
  EXPECT_EQ(backend_->ClipboardText(), " 9.9\t94\r\n");
  backend_->SetClipboardText("12.5 kg; 7");
  ed_->SetSelection(TGridRect{6, 3, 6, 3});
  ASSERT_TRUE(ChooseFromMenu(6, 3, ed_->DataPopupMenu(), "Extract from Clipboard"));
  EXPECT_EQ(ed_->GetElem(5, 3), 12.5);
  EXPECT_EQ(ed_->GetElem(6, 3), 7.0);
  EXPECT_EQ(PumpUntilWindowShows(form_), 0);
}

}  // namespace
}  // namespace fw::testing
