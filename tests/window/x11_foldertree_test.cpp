// The folder tree in a real window, on the gallery's page: the window shows the headless
// pixels, real clicks open folders and select them as headless clicks do, and after the
// button that turns the tree to the whole file system, real keys and a real double click
// browse the machine's own folders.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apps/gallery/gallery.h"
#include "apps/gallery/viewer.h"
#include "browse/ZEB_FolderTree.h"
#include "framework/backend/headless/test_host.h"
#include "framework/stdctrls/speed_button.h"
#include "tests/window/x11_driver.h"

namespace fw::testing {
namespace {

class FolderTreeWindow : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    if (IsSkipped()) return;
    pages_ = gallery::AllPages();
    index_ = gallery::FindPage(pages_, "foldertree");
    ASSERT_GE(index_, 0);
  }
  template <typename T>
  static T* FirstOf(TForm* form) {
    for (int i = 0; i < form->ControlCount(); ++i)
      if (auto* control = dynamic_cast<T*>(form->Controls(i))) return control;
    return nullptr;
  }
  void Press(TForm* form, const std::string& keyName) {
    x_->Focus(backend_->WindowOf(form));
    x_->Key(keyName, true);
    x_->Key(keyName, false);
  }
  void Click(TForm* form, TPoint at, int times = 1) {
    x_->MoveTo(backend_->WindowOf(form), at.X, at.Y);
    for (int i = 0; i < times; ++i) {
      x_->Button(1, true);
      x_->Button(1, false);
    }
  }
  // The middle of a node's text, in form coordinates.
  static TPoint TextPoint(zeb::TFolderTree* tree, TTreeNode* node) {
    const TRect r = tree->DisplayRect(node, true);
    return {tree->Left() + (r.Left + r.Right) / 2, tree->Top() + (r.Top + r.Bottom) / 2};
  }
  static TTreeNode* ChildNamed(TTreeNode* node, const std::string& name) {
    for (int i = 0; node && i < node->Count(); ++i) {
      if (node->Item(i)->Text() == name) return node->Item(i);
    }
    return nullptr;
  }
  long PumpUntilMatches(TForm* form, const TBitmap& expected) {
    long difference = -1;
    PumpUntil([&] {
      auto shot = x_->Screenshot(backend_->WindowOf(form));
      difference = shot ? CountDifferentPixels(*shot, expected) : -1;
      return difference == 0;
    });
    return difference;
  }

  std::vector<gallery::Page> pages_;
  int index_ = -1;
};

TEST_F(FolderTreeWindow, RealClicksOpenAndSelectFoldersAsHeadlessClicks) {
  // Headless: a click on the button of "Pictures", then on the text of "Family".
  std::unique_ptr<TBitmap> expected;
  TPoint button, family;
  {
    TestHost host(pages_[index_].width, pages_[index_].height);
    gallery::BuildPageForm(pages_[index_], *host.Form());
    host.Show();
    auto* tree = FirstOf<zeb::TFolderTree>(host.Form());
    ASSERT_NE(tree, nullptr);
    TTreeNode* pictures = ChildNamed(tree->Items()->GetFirstNode(), "Pictures");
    ASSERT_NE(pictures, nullptr);
    const TRect r = tree->DisplayRect(pictures, true);
    button = {tree->Left() + r.Left - 2 - tree->Indent() + tree->Indent() / 2,
              tree->Top() + (r.Top + r.Bottom) / 2};
    host.Click(button.X, button.Y);
    ASSERT_TRUE(pictures->Expanded());
    family = TextPoint(tree, ChildNamed(pictures, "Family"));
    host.Click(family.X, family.Y);
    ASSERT_EQ(tree->Selected()->Text(), "Family");
    expected = host.Snapshot();
  }
  gallery::Viewer viewer(pages_);
  viewer.ShowPage(index_);
  TForm* form = viewer.CurrentForm();
  auto* tree = FirstOf<zeb::TFolderTree>(form);
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(PumpUntilWindowShows(form), 0);
  Click(form, button);
  EXPECT_TRUE(PumpUntil([&] {
    TTreeNode* pictures = ChildNamed(tree->Items()->GetFirstNode(), "Pictures");
    return pictures && pictures->Expanded();
  }));
  Click(form, family);
  EXPECT_TRUE(PumpUntil([&] { return tree->Selected() && tree->Selected()->Text() == "Family"; }));
  EXPECT_EQ(PumpUntilMatches(form, *expected), 0);
}

TEST_F(FolderTreeWindow, RealKeysAndADoubleClickBrowseTheMachinesFolders) {
  gallery::Viewer viewer(pages_);
  viewer.ShowPage(index_);
  TForm* form = viewer.CurrentForm();
  auto* tree = FirstOf<zeb::TFolderTree>(form);
  auto* whole = FirstOf<TSpeedButton>(form);
  ASSERT_NE(tree, nullptr);
  ASSERT_NE(whole, nullptr);
  EXPECT_EQ(PumpUntilWindowShows(form), 0);
  Click(form, {whole->Left() + whole->Width() / 2, whole->Top() + whole->Height() / 2});
  ASSERT_TRUE(PumpUntil([&] { return tree->RootPath() == "/"; }));
  // Home selects "/", Down its first subfolder as the tree reads the real root.
  const std::vector<zeb::TSubFolder> top = tree->ReadSubDirs("/");
  ASSERT_FALSE(top.empty());
  Press(form, "Home");
  EXPECT_TRUE(PumpUntil([&] { return tree->CurrentPath() == "/"; }));
  Press(form, "Down");
  const std::string first = "/" + top.front().name + "/";
  EXPECT_TRUE(PumpUntil([&] { return tree->CurrentPath() == first; })) << tree->CurrentPath();
  // Right opens it with its real subfolders; a double click on its text closes it again.
  Press(form, "Right");
  const auto inside = tree->ReadSubDirs(first);
  EXPECT_TRUE(PumpUntil([&] {
    return tree->Selected()->Expanded() == !inside.empty() &&
           tree->Selected()->Count() == int(inside.size());
  }));
  if (!inside.empty()) {
    EXPECT_EQ(tree->Selected()->Item(0)->Text(), inside.front().name);
    Click(form, TextPoint(tree, tree->Selected()), 2);
    EXPECT_TRUE(PumpUntil([&] { return !tree->Selected()->Expanded(); }));
  }
  EXPECT_EQ(PumpUntilWindowShows(form), 0);
}

}  // namespace
}  // namespace fw::testing
