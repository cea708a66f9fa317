// TMenuItem's tree and TPopupMenu's drawn popup: placement, hover highlight, submenus to the
// side, keys, accelerators, separators, disabled items, closing by a click outside, and the
// right click of a control whose PopupMenu it is.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/controls/messages.h"
#include "framework/graphics/text_engine.h"
#include "framework/stdctrls/popup_menu.h"

namespace fw {
namespace {

TMenuItem* AddItem(TMenuItem* parent, const std::string& caption, std::vector<std::string>* log) {
  auto* item = new TMenuItem(nullptr);
  item->SetCaption(caption);
  if (log) item->OnClick = [log, item](TObject*) { log->push_back(item->PlainCaption()); };
  parent->Add(item);
  return item;
}

// A shown form with a menu: "&Open", a line, "Insert" (submenu "Row &above", "Row below"),
// "Delete" (disabled).
struct MenuFixture {
  TestHost host{400, 300};
  TPopupMenu* menu;
  std::vector<std::string> chosen;
  std::vector<std::string> events;
  MenuFixture() {
    host.Form()->Font()->SetName(kBuiltinFontName);
    menu = new TPopupMenu(host.Form());
    AddItem(menu->Items(), "&Open", &chosen);
    AddItem(menu->Items(), "-", &chosen);
    TMenuItem* insert = AddItem(menu->Items(), "Insert", nullptr);
    AddItem(insert, "Row &above", &chosen);
    AddItem(insert, "Row below", &chosen);
    AddItem(menu->Items(), "Delete", &chosen)->SetEnabled(false);
    menu->OnPopup = [this](TObject*) { events.push_back("popup"); };
    menu->OnClose = [this](TObject*) { events.push_back("close"); };
    host.Show();
  }
  TPoint Centre(const std::string& path) {
    TPoint at;
    EXPECT_TRUE(menu->View()->LocateItem(path, at)) << path;
    return at;
  }
};

TEST(MenuItems, TreeCaptionsAndAccelerators) {
  TMenuItem root(nullptr);
  TMenuItem* a = AddItem(&root, "&File && more", nullptr);
  TMenuItem* b = AddItem(a, "Sa&ve", nullptr);
  EXPECT_EQ(a->PlainCaption(), "File & more");
  EXPECT_EQ(a->Accelerator(), U'F');
  EXPECT_EQ(b->Accelerator(), U'V');
  EXPECT_EQ(root.FindPath("File & more/Save"), b);
  EXPECT_EQ(root.FindPath("File & more/Load"), nullptr);
  EXPECT_EQ(b->Parent(), a);
  a->Remove(b);
  EXPECT_EQ(a->Count(), 0);
  EXPECT_EQ(b->Parent(), nullptr);
  root.Add(b);
  delete a;  // leaves its parent's list
  EXPECT_EQ(root.Count(), 1);
  EXPECT_EQ(root.Items(0), b);
}

TEST(PopupMenus, ShowsAtThePointHighlightsAndChooses) {
  MenuFixture f;
  f.menu->Popup(50, 40);
  ASSERT_TRUE(f.menu->IsOpen());
  const TRect box = f.menu->View()->LevelBox(0);
  EXPECT_EQ(box.Left, 50);
  EXPECT_EQ(box.Top, 40);
  EXPECT_EQ(f.host.Pixel(box.Left + 10, box.Bottom - 4), ColorToRGB(clMenu));
  EXPECT_EQ(f.menu->ShownItems(),
            (std::vector<std::string>{"Open", "Insert", "Insert/Row above", "Insert/Row below",
                                      "Delete [disabled]"}));
  const TPoint open = f.Centre("Open");
  f.host.MouseMove(open.X, open.Y);
  EXPECT_EQ(f.host.Pixel(box.Left + 4, open.Y), ColorToRGB(clHighlight));
  f.host.Click(open.X, open.Y);
  EXPECT_FALSE(f.menu->IsOpen());
  EXPECT_EQ(f.chosen, std::vector<std::string>{"Open"});
  EXPECT_EQ(f.events, (std::vector<std::string>{"popup", "close"}));
}

TEST(PopupMenus, SubmenusOpenToTheSideAndDisabledItemsStayOpen) {
  MenuFixture f;
  f.menu->Popup(50, 40);
  const TPoint insert = f.Centre("Insert");
  f.host.MouseMove(insert.X, insert.Y);
  ASSERT_EQ(f.menu->View()->Levels(), 2);
  EXPECT_GE(f.menu->View()->LevelBox(1).Left, f.menu->View()->LevelBox(0).Right - 2);
  const TPoint below = f.Centre("Insert/Row below");
  f.host.MouseMove(below.X, below.Y);
  f.host.Click(below.X, below.Y);
  EXPECT_EQ(f.chosen, std::vector<std::string>{"Row below"});
  f.menu->Popup(50, 40);
  const TPoint del = f.Centre("Delete");
  f.host.Click(del.X, del.Y);
  EXPECT_TRUE(f.menu->IsOpen()) << "a disabled item is not chosen";
  f.host.Click(390, 290);
  EXPECT_FALSE(f.menu->IsOpen());
  EXPECT_EQ(f.chosen.size(), 1u);
}

TEST(PopupMenus, KeysMoveOverLinesOpenSubmenusAndChoose) {
  struct Case {
    std::vector<uint16_t> keys;
    char32_t letter;
    std::vector<std::string> chosen;
  };
  const Case cases[] = {
      {{VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}, 0, {"Row above"}},  // the line is passed
      {{VK_UP, VK_UP, VK_RETURN, VK_RETURN}, 0, {"Row above"}},     // up wraps, Enter opens
      {{VK_DOWN, VK_ESCAPE}, 0, {}},
      {{}, U'o', {"Open"}},
      {{VK_DOWN, VK_DOWN, VK_RIGHT}, U'a', {"Row above"}},
  };
  for (const Case& c : cases) {
    MenuFixture f;
    f.menu->Popup(50, 40);
    for (uint16_t key : c.keys) f.host.PressKey(key);
    if (c.letter) f.host.KeyPress(c.letter);
    EXPECT_EQ(f.chosen, c.chosen);
  }
}

TEST(PopupMenus, ARightClickShowsAControlsMenuWhileAutoPopup) {
  MenuFixture f;
  auto* control = new TCustomControl(f.host.Form());
  control->SetParent(f.host.Form());
  control->SetBounds(100, 100, 80, 40);
  control->SetPopupMenu(f.menu);
  f.host.Click(120, 110, mbRight);
  EXPECT_TRUE(f.menu->IsOpen());
  EXPECT_EQ(f.menu->PopupComponent(), control);
  f.menu->CloseMenu();
  f.menu->SetAutoPopup(false);
  f.host.Click(120, 110, mbRight);
  EXPECT_FALSE(f.menu->IsOpen());
  delete control;
  EXPECT_EQ(f.menu->PopupComponent(), nullptr);
}

}  // namespace
}  // namespace fw
