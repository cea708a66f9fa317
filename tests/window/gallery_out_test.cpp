// The gallery's headless output and its page switching: every page written as a PNG of its
// size, an overview naming them all, failures reported without stopping the others, and the
// viewer's Page Up and Page Down on the headless backend, and live pages driven as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>

#include "apps/gallery/gallery.h"
#include "apps/gallery/overview.h"
#include "apps/gallery/viewer.h"
#include "framework/backend/headless/headless_backend.h"
#include "framework/backend/headless/test_host.h"
#include "framework/controls/application.h"
#include "framework/controls/screen.h"
#include "framework/graphics/canvas.h"
#include "framework/grids/inplace_edit.h"
#include "framework/stdctrls/edit.h"
#include "numio/ZEB_NumIO.h"
#include "replist/ZEB_replist.h"

namespace gallery {
namespace {

namespace fs = std::filesystem;

// A fresh directory under the system's temporary one, removed afterwards.
class TempDir {
 public:
  explicit TempDir(const std::string& name)
      : path_(fs::temp_directory_path() / ("panekit_" + name + "_" + std::to_string(::getpid()))) {
    fs::remove_all(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A sink for the summary lines.
struct NullFile {
  NullFile() : file(std::fopen("/dev/null", "w")) {}
  ~NullFile() { std::fclose(file); }
  std::FILE* file;
};

TEST(GalleryOutput, WritesEveryPageAtItsSizeAndAnOverviewShowingThemAll) {
  TempDir dir("gallery_all");
  NullFile sink;
  const auto pages = AllPages();
  ASSERT_FALSE(pages.empty());
  const auto outcomes = WriteGallery(dir.Path(), pages, sink.file);
  ASSERT_EQ(outcomes.size(), pages.size());
  const std::string index = ReadFile(dir.Path() / "index.html");
  for (size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(outcomes[i].error, "") << pages[i].name;
    fw::TBitmap picture;
    picture.LoadFromFile((dir.Path() / (pages[i].name + ".png")).string());
    EXPECT_EQ(picture.Width(), pages[i].width) << pages[i].name;
    EXPECT_EQ(picture.Height(), pages[i].height) << pages[i].name;
    EXPECT_NE(index.find("src=\"" + pages[i].name + ".png\""), std::string::npos) << pages[i].name;
  }
  // The contact sheet holds a thumbnail per page, in rows of kColumns.
  fw::TBitmap sheet;
  sheet.LoadFromFile((dir.Path() / "overview.png").string());
  const int columns = std::min<int>(ContactSheet::kColumns, static_cast<int>(pages.size()));
  EXPECT_GT(sheet.Width(), columns * ContactSheet::kThumbWidth);
  EXPECT_NE(index.find("src=\"overview.png\""), std::string::npos);
}

TEST(GalleryOutput, TheContactSheetShowsEachPageShrunk) {
  ContactSheet sheet;
  fw::TBitmap red(480, 240), blue(480, 240);
  red.Canvas()->Brush()->SetColor(fw::clRed);
  red.Canvas()->FillRect(fw::Rect(0, 0, 480, 240));
  blue.Canvas()->Brush()->SetColor(fw::clBlue);
  blue.Canvas()->FillRect(fw::Rect(0, 0, 480, 240));
  sheet.Add("Red", red);
  sheet.Add("Blue", blue);
  const auto picture = sheet.Picture();
  // Two thumbnails of half size side by side: somewhere each colour fills a 100 x 100 block.
  auto findBlock = [&](fw::TColor colour) {
    for (int y = 0; y + 100 < picture->Height(); y += 10)
      for (int x = 0; x + 100 < picture->Width(); x += 10)
        if (picture->Canvas()->Pixels(x, y) == colour &&
            picture->Canvas()->Pixels(x + 100, y + 100) == colour)
          return x;
    return -1;
  };
  const int redX = findBlock(fw::clRed), blueX = findBlock(fw::clBlue);
  ASSERT_GE(redX, 0);
  ASSERT_GE(blueX, 0);
  EXPECT_GE(blueX - redX, ContactSheet::kThumbWidth);
  EXPECT_LT(picture->Height(), 240);
}

TEST(GalleryOutput, AFailingPageIsReportedAndTheOthersStillWritten) {
  TempDir dir("gallery_fail");
  NullFile sink;
  std::vector<Page> pages{
      {"good", "Good page", 40, 30, [](fw::TBitmap&) {}},
      {"bad", "Bad <page>", 40, 30, [](fw::TBitmap&) { throw std::runtime_error("no paint"); }},
      LivePage("live", "Live page", 50, 20, [](fw::TForm& form) { PlaceCaption(form, 2, 2, "x"); }),
  };
  const auto outcomes = WriteGallery(dir.Path(), pages, sink.file);
  ASSERT_EQ(outcomes.size(), 3u);
  EXPECT_EQ(outcomes[0].error, "");
  EXPECT_EQ(outcomes[1].error, "no paint");
  EXPECT_EQ(outcomes[2].error, "");
  EXPECT_TRUE(fs::exists(dir.Path() / "good.png"));
  EXPECT_FALSE(fs::exists(dir.Path() / "bad.png"));
  EXPECT_TRUE(fs::exists(dir.Path() / "live.png"));
  const std::string index = ReadFile(dir.Path() / "index.html");
  EXPECT_NE(index.find("failed: no paint"), std::string::npos);
  EXPECT_NE(index.find("Bad &lt;page&gt;"), std::string::npos);
  EXPECT_EQ(index.find("<page>"), std::string::npos);
}

TEST(GalleryOutput, TextIsEscapedForHtml) {
  EXPECT_EQ(HtmlEscape("a<b & \"c\">"), "a&lt;b &amp; &quot;c&quot;&gt;");
  EXPECT_EQ(HtmlEscape("plain \xC2\xB0"), "plain \xC2\xB0");
}

TEST(GalleryOutput, ALivePageRendersItsControlsOnTheFormColour) {
  const Page page = LivePage("probe", "Probe", 60, 40, [](fw::TForm& form) {
    PlaceCaption(form, 0, 0, "Wide caption text");
  });
  const auto picture = RenderPage(page);
  ASSERT_EQ(picture->Width(), 60);
  // The form's colour where nothing is placed, the caption's black where it is.
  EXPECT_EQ(picture->Canvas()->Pixels(59, 39), fw::ColorToRGB(fw::clBtnFace));
  bool dark = false;
  for (int x = 0; x < 60; ++x)
    for (int y = 0; y < 12; ++y) dark |= picture->Canvas()->Pixels(x, y) == fw::clBlack;
  EXPECT_TRUE(dark);
}

// The viewer on the headless backend: the page keys switch forms, wrapping at both ends.
class ViewerKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::SetBackend(&backend_);
    fw::Application->Reset();
    fw::Screen->Reset();
  }
  void TearDown() override {
    fw::Application->Reset();
    fw::SetBackend(nullptr);
  }
  void Press(Viewer& viewer, uint16_t vk) {
    fw::Application->Input().KeyDown(viewer.CurrentForm(), vk, {});
    fw::Application->ProcessMessages();
  }
  fw::THeadlessBackend backend_;
};

TEST_F(ViewerKeys, PageDownAndPageUpSwitchAndWrap) {
  std::vector<Page> pages;
  for (const char* name : {"one", "two", "three"})
    pages.push_back(LivePage(name, name, 80, 60, [](fw::TForm&) {}));
  Viewer viewer(pages);
  viewer.ShowPage(0);
  fw::TForm* first = viewer.CurrentForm();
  EXPECT_TRUE(first->Visible());
  Press(viewer, fw::VK_NEXT);
  EXPECT_EQ(viewer.PageIndex(), 1);
  EXPECT_FALSE(first->Visible());
  EXPECT_TRUE(viewer.CurrentForm()->Visible());
  Press(viewer, fw::VK_PRIOR);
  Press(viewer, fw::VK_PRIOR);
  EXPECT_EQ(viewer.PageIndex(), 2);
  Press(viewer, fw::VK_NEXT);
  EXPECT_EQ(viewer.PageIndex(), 0);
  EXPECT_NE(viewer.CurrentForm()->Caption().find("1/3"), std::string::npos);
  // Other keys stay with the page.
  Press(viewer, fw::VK_DOWN);
  EXPECT_EQ(viewer.PageIndex(), 0);
}

TEST_F(ViewerKeys, EveryPageCanBeLeftAndShownAgainKeepingItsState) {
  Viewer viewer(AllPages());
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < viewer.PageCount(); ++i) {
      viewer.ShowPage(i);
      fw::Application->ProcessMessages();
      ASSERT_TRUE(viewer.CurrentForm()->Visible()) << i;
    }
  }
  // The edit page's editors were opened on the first showing only, and are still open.
  const int edits = FindPage(AllPages(), "stdctrls_edits");
  ASSERT_GE(edits, 0);
  viewer.ShowPage(edits);
  fw::Application->ProcessMessages();
  auto* editor = dynamic_cast<fw::TInplaceEditList*>(viewer.CurrentForm()->ActiveControl());
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->Grid()->EditorMode());
}

TEST_F(ViewerKeys, ASwitchStillQueuedWhenTheViewerGoesIsDropped) {
  int secondBuilt = 0;
  std::vector<Page> pages{LivePage("one", "one", 80, 60, [](fw::TForm&) {}),
                          LivePage("two", "two", 80, 60, [&](fw::TForm&) { ++secondBuilt; })};
  {
    Viewer viewer(pages);
    viewer.ShowPage(0);
    fw::Application->Input().KeyDown(viewer.CurrentForm(), fw::VK_NEXT, {});
  }
  fw::Application->ProcessMessages();
  EXPECT_EQ(secondBuilt, 0);
}

// A gallery page shown on a headless host, as its PNG file is made.
class LivePageTest : public ::testing::Test {
 protected:
  void Show(const std::string& name) {
    const auto pages = AllPages();
    const int index = FindPage(pages, name);
    ASSERT_GE(index, 0) << name;
    host_ = std::make_unique<fw::TestHost>(pages[index].width, pages[index].height);
    BuildPageForm(pages[index], *host_->Form());
    host_->Show();
  }
  // The form's direct children of type T, in creation order.
  template <typename T>
  std::vector<T*> Controls() const {
    std::vector<T*> found;
    fw::TForm* form = host_->Form();
    for (int i = 0; i < form->ControlCount(); ++i)
      if (auto* control = dynamic_cast<T*>(form->Controls(i))) found.push_back(control);
    return found;
  }
  // Clicks the middle of `cell` of a control placed on the form.
  void ClickIn(const fw::TControl* control, const fw::TRect& cell) {
    host_->Click(control->Left() + (cell.Left + cell.Right) / 2,
                 control->Top() + (cell.Top + cell.Bottom) / 2);
  }
  std::unique_ptr<fw::TestHost> host_;
};

TEST_F(LivePageTest, StateSetWhenFirstShownIsSetOnceWithTheFormShowing) {
  int runs = 0;
  bool showing = false;
  const Page page = LivePage("probe", "Probe", 80, 60, [&](fw::TForm& form) {
    WhenFirstShown(form, [&] {
      ++runs;
      showing = form.Showing();
    });
  });
  fw::TestHost host(80, 60);
  BuildPageForm(page, *host.Form());
  EXPECT_EQ(runs, 0);
  host.Show();
  host.Form()->Hide();
  host.Show();
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(showing);
}

TEST_F(LivePageTest, TheEditPageShowsItsCellEditorsOpenAndTakesTyping) {
  Show("stdctrls_edits");
  const auto grids = Controls<fw::TDrawGrid>();
  ASSERT_EQ(grids.size(), 2u);
  ASSERT_TRUE(grids[0]->EditorMode());
  EXPECT_EQ(grids[0]->InplaceEditor()->Text(), "edited text");
  EXPECT_EQ(grids[0]->InplaceEditor()->SelText(), "text");
  auto* pick = dynamic_cast<fw::TInplaceEditList*>(grids[1]->InplaceEditor());
  ASSERT_NE(pick, nullptr);
  EXPECT_TRUE(pick->ListVisible());
  EXPECT_EQ(pick->ItemIndex(), 2);
  EXPECT_EQ(host_->Form()->ActiveControl(), pick);
  // Enter takes the list's choice into the editor.
  host_->KeyPress(U'\r');
  EXPECT_FALSE(pick->ListVisible());
  EXPECT_EQ(pick->Text(), "blue");
  // A second Enter closes the editor; the grid keeps the accepted text.
  host_->KeyPress(U'\r');
  EXPECT_FALSE(grids[1]->EditorMode());
  EXPECT_EQ(grids[1]->GetEditText(2, 1), "blue");

  const auto edits = Controls<fw::TEdit>();
  ASSERT_FALSE(edits.empty());
  fw::TEdit* plain = edits.front();
  ClickIn(plain, plain->ClientRect());
  EXPECT_EQ(host_->Form()->ActiveControl(), plain);
  host_->PressKey(fw::VK_END);
  host_->TypeText("!");
  EXPECT_EQ(plain->Text(), "Plain text, caret at the end!");
}

TEST_F(LivePageTest, TheNumericPageTypesIntoItsFocusedFieldUnderTheFieldsRules) {
  Show("numio_formats");
  auto* field = dynamic_cast<zeb::TNumIO*>(host_->Form()->ActiveControl());
  ASSERT_NE(field, nullptr);
  ASSERT_EQ(field->Text(), "1.5e-");
  host_->TypeText("3");
  EXPECT_EQ(field->Text(), "1.5e-3");
  EXPECT_DOUBLE_EQ(field->GetLabValue(), 1.5e-3);
  // Not part of a number: the text stays as it was.
  host_->TypeText("x");
  EXPECT_EQ(field->Text(), "1.5e-3");
}

// The ages of the list's rows from top to bottom.
std::vector<int> Ages(zeb::TReportListView* view) {
  std::vector<int> ages;
  for (int r = 1; r <= view->NrOfRows(); ++r) ages.push_back(std::stoi(view->GetElem(4, r)));
  return ages;
}

TEST_F(LivePageTest, AClickOnAReportListHeaderSortsByThatColumnAndAgainTurnsTheOrder) {
  Show("replist_view");
  const auto lists = Controls<zeb::TReportListView>();
  ASSERT_FALSE(lists.empty());
  zeb::TReportListView* view = lists.front();
  ASSERT_EQ(view->Data()->SortColumn(), 2);
  const auto unsorted = Ages(view);
  ASSERT_FALSE(std::is_sorted(unsorted.begin(), unsorted.end()));
  // Row 0 is the common header, row 1 the column names; "Age" is the fourth column.
  ClickIn(view, view->CellRect(3, 1));
  EXPECT_EQ(view->Data()->SortColumn(), 4);
  const auto first = Ages(view);
  ClickIn(view, view->CellRect(3, 1));
  const auto second = Ages(view);
  EXPECT_TRUE(std::is_sorted(first.begin(), first.end()) ||
              std::is_sorted(first.rbegin(), first.rend()));
  EXPECT_EQ(second, std::vector<int>(first.rbegin(), first.rend()));
}

}  // namespace
}  // namespace gallery
