// Gallery page of the folder tree and the tree view, as live controls: a folder tree over a
// folder the page makes below the temporary directory (so the picture is the same on every
// machine), a button that turns it to the whole file system at the user's home folder, and
// tree views with and without lines, buttons and bevels.
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "apps/gallery/gallery.h"
#include "browse/ZEB_FolderTree.h"
#include "framework/comctrls/treeview.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/speed_button.h"

namespace gallery {
namespace {

using namespace fw;
using namespace zeb;

namespace fs = std::filesystem;

// Makes a folder below the temporary directory and removes it with everything in it when
// its owner (the page's form) goes.
class TSampleFolders : public TComponent {
 public:
  explicit TSampleFolders(TComponent* AOwner) : TComponent(AOwner) {
    std::string pattern = (fs::temp_directory_path() / "panekit-gallery-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return;
    base_ = pattern + "/";
    std::error_code ec;
    for (const char* folder :
         {"Projects/Archive/2019", "Projects/Archive/2020", "Projects/Archive/2021",
          "Projects/Documents/Invoices/Q1", "Projects/Documents/Invoices/Q2",
          "Projects/Documents/Invoices/Q3", "Projects/Documents/Letters",
          "Projects/Documents/Reports/2021", "Projects/Music", "Projects/Pictures/Family",
          "Projects/Pictures/Holidays/Beach", "Projects/Pictures/Holidays/Mountains",
          "Projects/Source/panekit/browse", "Projects/Source/panekit/framework",
          "Projects/Source/panekit/tests", "Projects/Source/tools", "Projects/.cache/hidden"})
      fs::create_directories(base_ + folder, ec);
  }
  ~TSampleFolders() override {
    std::error_code ec;
    if (!base_.empty()) fs::remove_all(base_, ec);
  }
  // The sample's top folder ("" when it could not be made).
  std::string Root() const { return base_.empty() ? std::string() : base_ + "Projects/"; }

 private:
  std::string base_;
};

// The selected path as shown under the tree: from the tree's top folder on, so the page reads
// the same wherever the temporary directory is.
std::string ShownPath(const TFolderTree& tree) {
  const std::string& root = tree.RootPath();
  if (root == TFolderTree::kRootText) return tree.CurrentPath();
  const std::string top = tree.Items()->GetFirstNode() ? tree.Items()->GetFirstNode()->Text() : "";
  return top + "/" + tree.CurrentPath().substr(std::min(root.size(), tree.CurrentPath().size()));
}

void BuildFolderTree(TForm& page) {
  auto* sample = new TSampleFolders(&page);
  PlaceCaption(page, 10, 10, "TFolderTree: folders read when opened; \".\" folders never shown");
  auto* tree = new TFolderTree(&page);
  tree->SetBounds(10, 30, 260, 330);
  tree->SetParent(&page);
  tree->SetRootPath(sample->Root());
  auto* path = new TLabel(&page);
  path->SetParent(&page);
  path->SetBounds(10, 366, 400, 16);
  tree->OnDirChanged = [tree, path](TObject*) {
    path->SetCaption("Selected: " + ShownPath(*tree));
  };
  auto* whole = new TSpeedButton(&page);
  whole->SetParent(&page);
  whole->SetBounds(10, 388, 160, 24);
  whole->SetCaption("Whole file system");
  whole->OnClick = [tree](TObject*) {
    tree->SetRootPath(TFolderTree::kRootText);
    tree->SelectPath(TFolderTree::HomePath());
    tree->SetFocus();
  };
  // Open at a folder three levels down, with the focus, once the tree has its window.
  WhenFirstShown(page, [tree, sample] {
    tree->SelectPath(sample->Root() + "Documents/Invoices/Q2");
    tree->SetFocus();
  });
}

TTreeView* PlaceTreeView(TForm& page, int x, int y, const std::string& caption) {
  auto* tree = PlaceCaptioned<TTreeView>(page, x, y, 200, 150, caption, [](TTreeView&) {});
  TTreeNodes* items = tree->Items();
  TTreeNode* fruit = items->AddChild(nullptr, "Fruit");
  for (const char* name : {"Apples", "Cherries", "Pears"}) items->AddChild(fruit, name);
  TTreeNode* vegetables = items->AddChild(nullptr, "Vegetables");
  TTreeNode* roots = items->AddChild(vegetables, "Roots");
  for (const char* name : {"Carrots", "Parsnips"}) items->AddChild(roots, name);
  items->AddChild(vegetables, "Leaves");
  TTreeNode* grains = items->AddChild(nullptr, "Grains");
  items->AddChild(grains, "Rice");
  fruit->Expand(false);
  vegetables->Expand(true);
  tree->SetSelected(roots);
  return tree;
}

void BuildTreeViews(TForm& page) {
  PlaceTreeView(page, 300, 30, "TTreeView: lines, buttons, a selection");
  TTreeView* plain = PlaceTreeView(page, 530, 30, "No lines; a tiled bevel, border width 3");
  plain->SetShowLines(false);
  plain->SetBevelKind(bkTile);
  plain->SetBorderWidth(3);
  TTreeView* flat = PlaceTreeView(page, 300, 220, "No root column; flat bevel, no border");
  flat->SetShowRoot(false);
  flat->SetBorderStyle(bsNone);
  flat->SetBevelKind(bkFlat);
  flat->SetIndent(12);
  TTreeView* hot = PlaceTreeView(page, 530, 220, "Hot tracking, no buttons");
  hot->SetHotTrack(true);
  hot->SetShowButtons(false);
}

}  // namespace

std::vector<Page> FolderTreePages() {
  return {LivePage("foldertree", "Folder tree and tree views", 760, 420, [](TForm& page) {
    BuildFolderTree(page);
    BuildTreeViews(page);
  })};
}

}  // namespace gallery
