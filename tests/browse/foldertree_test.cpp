// The folder tree over a temporary folder tree made by each test: reading folders only when
// opened, selecting paths, making and removing folders, refusing bad names, folders that
// cannot be read, link cycles, colours and form text.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "browse/ZEB_FolderTree.h"
#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "framework/rtl/files.h"

namespace zeb {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// A fresh folder below the temporary directory, removed with everything in it afterwards.
struct TempFolders {
  TempFolders() {
    std::string pattern = (fs::temp_directory_path() / "foldertree-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    root = fs::canonical(pattern).string() + "/";
  }
  ~TempFolders() {
    std::error_code ec;
    for (const auto& entry :
         fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, ec))
      ::chmod(entry.path().c_str(), 0700);
    fs::remove_all(root, ec);
  }
  TempFolders(const TempFolders&) = delete;
  TempFolders& operator=(const TempFolders&) = delete;

  void Make(std::initializer_list<std::string> folders) const {
    for (const std::string& f : folders) fs::create_directories(root + f);
  }
  std::string Path(const std::string& relative) const { return root + relative; }
  bool Exists(const std::string& relative) const { return fs::is_directory(root + relative); }
  // Every folder below the root, relative, for "nothing else was made" checks.
  Strings All() const {
    Strings all;
    for (const auto& entry : fs::recursive_directory_iterator(root))
      all.push_back(entry.path().string().substr(root.size()));
    std::sort(all.begin(), all.end());
    return all;
  }

  std::string root;
};

// A shown folder tree over a temporary tree holding
//   alpha/a1/deep, Beta/.hidden, gamma, .dot/inside
struct Fixture {
  Fixture() : host(300, 400) {
    temp.Make({"alpha/a1/deep", "Beta/.hidden", "gamma", ".dot/inside"});
    tree = new TFolderTree(host.Form());
    tree->SetParent(host.Form());
    tree->SetBounds(0, 0, 300, 400);
    host.Show();
    tree->OnDirChanged = [this](fw::TObject*) { dirChanges.push_back(tree->CurrentPath()); };
  }
  fw::TTreeNode* Node() const { return tree->Selected(); }
  static Strings Children(const fw::TTreeNode* node) {
    Strings names;
    for (int i = 0; i < node->Count(); ++i) names.push_back(node->Item(i)->Text());
    return names;
  }
  fw::TTreeNode* Child(const std::string& name) const {
    for (int i = 0; i < Node()->Count(); ++i) {
      if (Node()->Item(i)->Text() == name) return Node()->Item(i);
    }
    return nullptr;
  }

  TempFolders temp;
  fw::TestHost host;
  TFolderTree* tree;
  Strings dirChanges;
};

TEST(FolderTree, StartsAtTheRootAndNamesNodesByPath) {
  Fixture f;
  EXPECT_EQ(f.tree->CurrentPath(), "/");
  EXPECT_EQ(f.tree->Items()->Count(), 2);  // the root and its placeholder
  EXPECT_EQ(Fixture::Children(f.Node()), Strings{"Child"});
  ASSERT_TRUE(f.tree->SelectPath(f.temp.Path("alpha/a1")));
  EXPECT_EQ(f.tree->CurrentPath(), f.temp.Path("alpha/a1/"));
  EXPECT_EQ(f.tree->PathOfNode(f.Node()), f.temp.Path("alpha/a1/"));
  EXPECT_EQ(f.tree->PathOfNode(f.tree->Items()->GetFirstNode()), "/");
  f.tree->Reset();
  EXPECT_EQ(f.tree->CurrentPath(), "/");
  EXPECT_EQ(f.dirChanges, (Strings{f.temp.Path("alpha/a1/"), "/"}));
  // The home folder, one call away.
  const char* home = std::getenv("HOME");
  const std::string saved = home ? home : "";
  ::setenv("HOME", f.temp.Path("alpha").c_str(), 1);
  EXPECT_EQ(TFolderTree::HomePath(), f.temp.Path("alpha/"));
  EXPECT_TRUE(f.tree->SelectPath(TFolderTree::HomePath()));
  if (home)
    ::setenv("HOME", saved.c_str(), 1);
  else
    ::unsetenv("HOME");
  EXPECT_EQ(f.tree->CurrentPath(), f.temp.Path("alpha/"));
}

TEST(FolderTree, MayStartBelowTheFileSystemRoot) {
  Fixture f;
  f.tree->SetRootPath(f.temp.Path("alpha//"));
  EXPECT_EQ(f.tree->RootPath(), f.temp.Path("alpha/"));
  EXPECT_EQ(f.tree->Items()->GetFirstNode()->Text(), "alpha");
  EXPECT_EQ(f.tree->CurrentPath(), f.temp.Path("alpha/"));
  EXPECT_FALSE(f.tree->SelectPath(f.temp.Path("gamma")));  // outside
  EXPECT_FALSE(f.tree->SelectPath("/"));
  EXPECT_TRUE(f.tree->SelectPath(f.temp.Path("alpha/a1/deep")));
  EXPECT_EQ(f.Node()->Level(), 2);
  f.tree->SetRootPath(f.temp.Path("missing"));  // ignored
  EXPECT_EQ(f.tree->RootPath(), f.temp.Path("alpha/"));
  f.tree->Reset();
  EXPECT_FALSE(f.tree->RemoveSelectedFolder());
  EXPECT_TRUE(f.temp.Exists("alpha"));
}

TEST(FolderTree, ReadsAFolderOnlyWhenItIsOpened) {
  Fixture f;
  ASSERT_TRUE(f.tree->SelectPath(f.temp.root));
  // Sorted without regard to case; "." names never appear; a placeholder marks subfolders.
  EXPECT_EQ(Fixture::Children(f.Node()), (Strings{"alpha", "Beta", "gamma"}));
  fw::TTreeNode* alpha = f.Child("alpha");
  EXPECT_EQ(Fixture::Children(alpha), Strings{"Child"});
  EXPECT_EQ(Fixture::Children(f.Child("Beta")), Strings{});
  EXPECT_EQ(alpha->Data(), nullptr);  // not read yet
  // A folder made now shows when alpha is opened: alpha is read only then.
  f.temp.Make({"alpha/late"});
  alpha->Expand(false);
  EXPECT_EQ(Fixture::Children(alpha), (Strings{"a1", "late"}));
  EXPECT_EQ(Fixture::Children(alpha->Item(0)), Strings{"Child"});
  EXPECT_NE(alpha->Data(), nullptr);
  // Once read, closing and opening again reads nothing.
  f.temp.Make({"alpha/later"});
  alpha->Collapse(false);
  alpha->Expand(false);
  EXPECT_EQ(Fixture::Children(alpha), (Strings{"a1", "late"}));
  // The hourglass shows while a folder is read.
  const auto& cursors = f.host.CursorLog();
  EXPECT_NE(std::find(cursors.begin(), cursors.end(), fw::crHourGlass), cursors.end());
}

TEST(FolderTree, SelectsPathsGivenAsText) {
  struct Case {
    std::string path;  // below the temporary root
    bool selected;
    std::string current;  // below the temporary root
  };
  for (const Case& c : std::vector<Case>{{"alpha/a1/deep", true, "alpha/a1/deep/"},
                                         {"alpha//a1///", true, "alpha/a1/"},
                                         {"alpha/a1/../../gamma", true, "gamma/"},
                                         {"missing", false, "Beta/"},
                                         {"alpha/a1/deep/missing/", false, "Beta/"},
                                         {"ALPHA", false, "Beta/"},
                                         {"beta", false, "Beta/"},
                                         {".dot/inside", false, ""}}) {
    Fixture f;
    ASSERT_TRUE(f.tree->SelectPath(f.temp.Path("Beta")));
    const int nodes = f.tree->Items()->Count();
    EXPECT_EQ(f.tree->SelectPath(f.temp.Path(c.path)), c.selected) << c.path;
    if (c.current.empty()) {
      // A level the tree does not show: the deepest shown one is selected.
      EXPECT_EQ(f.tree->CurrentPath(), f.temp.root) << c.path;
      continue;
    }
    EXPECT_EQ(f.tree->CurrentPath(), f.temp.Path(c.current)) << c.path;
    if (!c.selected) {
      EXPECT_EQ(f.tree->Items()->Count(), nodes) << c.path;
    }
  }
  // Names told apart by case select their own folder.
  Fixture f;
  f.temp.Make({"Case", "case"});
  ASSERT_TRUE(f.tree->SelectPath(f.temp.Path("case")));
  EXPECT_EQ(f.Node()->Text(), "case");
  ASSERT_TRUE(f.tree->SelectPath(f.temp.Path("Case")));
  EXPECT_EQ(f.Node()->Text(), "Case");
}

TEST(FolderTree, MakesSubfoldersLevelByLevel) {
  Fixture f;
  ASSERT_TRUE(f.tree->SelectPath(f.temp.Path("gamma")));
  EXPECT_TRUE(f.tree->MakeSubFolder("a/b"));
  EXPECT_TRUE(f.temp.Exists("gamma/a/b"));
  EXPECT_EQ(f.tree->CurrentPath(), f.temp.Path("gamma/a/b/"));
  ASSERT_TRUE(f.tree->SelectPath(f.temp.Path("gamma")));
  EXPECT_TRUE(f.tree->MakeSubFolder("\\c\\d\\"));
  EXPECT_TRUE(f.temp.Exists("gamma/c/d"));
  ASSERT_TRUE(f.tree->SelectPath(f.temp.Path("gamma")));
  EXPECT_TRUE(f.tree->MakeSubFolder("a"));  // there already: selected
  EXPECT_EQ(f.tree->CurrentPath(), f.temp.Path("gamma/a/"));
}

TEST(FolderTree, RefusesNamesThatCouldLeaveTheFolder) {
  Fixture f;
  ASSERT_TRUE(f.tree->SelectPath(f.temp.Path("gamma")));
  const Strings before = f.temp.All();
  for (const std::string name : {"..", ".", "a/../../x", "../x", "a/./b", "a|b", "a<b", "a>b",
                                 "a\"b", "a\x01", "tab\t", "", "/", "\\\\"}) {
    EXPECT_FALSE(f.tree->MakeSubFolder(name)) << name;
    EXPECT_EQ(f.tree->CurrentPath(), f.temp.Path("gamma/")) << name;
  }
  EXPECT_EQ(f.temp.All(), before);
  f.tree->Items()->Clear();  // nothing selected
  EXPECT_FALSE(f.tree->MakeSubFolder("z"));
  EXPECT_FALSE(f.temp.Exists("gamma/z"));
}

TEST(FolderTree, RemovesTheSelectedFolderWhenEmpty) {
  Fixture f;
  f.temp.Make({"gamma/g1", "gamma/g2"});
  ASSERT_TRUE(f.tree->SelectPath(f.temp.Path("gamma/g1")));
  EXPECT_TRUE(f.tree->RemoveSelectedFolder());
  EXPECT_FALSE(f.temp.Exists("gamma/g1"));
  EXPECT_EQ(f.tree->CurrentPath(), f.temp.Path("gamma/"));
  EXPECT_EQ(Fixture::Children(f.Node()), Strings{"g2"});
  // The parent reads again when next opened.
  EXPECT_EQ(f.Node()->Data(), nullptr);
  // Not empty, or the root: nothing removed.
  ASSERT_TRUE(f.tree->SelectPath(f.temp.Path("alpha")));
  EXPECT_FALSE(f.tree->RemoveSelectedFolder());
  EXPECT_TRUE(f.temp.Exists("alpha"));
  EXPECT_EQ(f.tree->CurrentPath(), f.temp.Path("alpha/"));
  f.tree->Reset();
  EXPECT_FALSE(f.tree->RemoveSelectedFolder());
  // The last subfolder removed: the parent has none left.
  ASSERT_TRUE(f.tree->SelectPath(f.temp.Path("gamma/g2")));
  EXPECT_TRUE(f.tree->RemoveSelectedFolder());
  EXPECT_EQ(f.Node()->Count(), 0);
}

TEST(FolderTree, RefreshFallsBackToTheNearestFolderLeft) {
  Fixture f;
  ASSERT_TRUE(f.tree->SelectPath(f.temp.Path("alpha/a1/deep")));
  f.dirChanges.clear();
  fs::remove_all(f.temp.Path("alpha/a1"));
  EXPECT_TRUE(f.tree->RefreshTree());
  EXPECT_EQ(f.tree->CurrentPath(), f.temp.Path("alpha/"));
  EXPECT_EQ(f.dirChanges, Strings{f.temp.Path("alpha/")});
  // Nothing moved: no report.
  f.temp.Make({"alpha/new"});
  EXPECT_TRUE(f.tree->RefreshTree());
  EXPECT_EQ(Fixture::Children(f.Node()), Strings{"new"});
  EXPECT_EQ(f.dirChanges.size(), 1u);
}

TEST(FolderTree, FoldersThatCannotBeReadShowEmpty) {
  Fixture f;
  f.temp.Make({"locked/inside", "gone/sub/more"});
  ASSERT_TRUE(f.tree->SelectPath(f.temp.root));
  // Removed after its parent was read: opening it finds nothing.
  fs::remove_all(f.temp.Path("gone"));
  fw::TTreeNode* gone = f.Child("gone");
  gone->Expand(false);
  EXPECT_EQ(gone->Count(), 0);
  EXPECT_FALSE(gone->Expanded());
  // No permission to read (a user who may read anything skips this part).
  ::chmod(f.temp.Path("locked").c_str(), 0);
  if (::access(f.temp.Path("locked").c_str(), R_OK) == 0) GTEST_SKIP() << "permissions ignored";
  EXPECT_FALSE(f.tree->GetSubDirs(f.temp.Path("locked"), nullptr));
  fw::TStringList list;
  EXPECT_FALSE(f.tree->GetSubDirs(f.temp.Path("locked"), &list));
  EXPECT_TRUE(f.tree->SelectPath(f.temp.Path("locked")));
  EXPECT_EQ(f.Node()->Count(), 0);
}

TEST(FolderTree, LinksShowWithTheOptionAndNeverOpenIntoACycle) {
  Fixture f;
  f.temp.Make({"links/target/t1"});
  fs::create_directory_symlink(f.temp.root, f.temp.Path("links/up"));             // an ancestor
  fs::create_directory_symlink(f.temp.Path("links"), f.temp.Path("links/self"));  // itself
  fs::create_directory_symlink(f.temp.Path("links/target"), f.temp.Path("links/side"));
  fs::create_symlink(f.temp.Path("nowhere"), f.temp.Path("links/dangling"));
  ASSERT_TRUE(f.tree->SelectPath(f.temp.Path("links")));
  EXPECT_EQ(Fixture::Children(f.Node()), Strings{"target"});
  f.tree->SetOptions({fotSymLinks});  // reads the tree again, the path stays
  EXPECT_EQ(f.tree->CurrentPath(), f.temp.Path("links/"));
  EXPECT_EQ(Fixture::Children(f.Node()), (Strings{"self", "side", "target", "up"}));
  // A link elsewhere opens like a folder; one leading back up has no button and stays shut.
  EXPECT_EQ(Fixture::Children(f.Child("side")), Strings{"Child"});
  for (const char* loop : {"up", "self"}) {
    fw::TTreeNode* node = f.Child(loop);
    EXPECT_FALSE(node->HasChildren()) << loop;
    node->Expand(false);
    EXPECT_FALSE(node->Expanded()) << loop;
    EXPECT_EQ(node->Count(), 0) << loop;
  }
  const int before = f.tree->Items()->Count();
  f.Node()->Expand(true);  // every level below: finite, no branch walks round a cycle
  EXPECT_EQ(f.tree->Items()->Count(), before);  // the placeholders became side's and target's t1
  EXPECT_EQ(Fixture::Children(f.Child("side")), Strings{"t1"});
}

TEST(FolderTree, SubfolderListsCarryTheirFlags) {
  Fixture f;
  fw::TStringList list;
  EXPECT_TRUE(f.tree->GetSubDirs(f.temp.root, &list));
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Strings(0), "alpha");
  EXPECT_NE(list.Objects(0), nullptr);  // alpha has a1
  EXPECT_EQ(list.Objects(1), nullptr);  // Beta has none
  EXPECT_FALSE(f.tree->GetSubDirs(f.temp.Path("Beta"), &list));
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(f.tree->GetSubDirs(f.temp.Path("missing"), &list));
  ASSERT_TRUE(f.tree->SelectPath(f.temp.Path("alpha")));
  EXPECT_TRUE(f.tree->GetSubDirs(f.Node(), &list));
  EXPECT_EQ(list.Strings(0), "a1");
}

TEST(FolderTree, SelectionReportsClickChangeAndPathInOrder) {
  Fixture f;
  ASSERT_TRUE(f.tree->SelectPath(f.temp.root));
  Strings log;
  f.tree->OnClick = [&](fw::TObject*) { log.push_back("click"); };
  f.tree->OnChange = [&](fw::TObject*, fw::TTreeNode*) { log.push_back("change"); };
  f.tree->OnDirChanged = [&](fw::TObject*) { log.push_back("dir " + f.tree->CurrentPath()); };
  f.tree->MakeVisible(f.Child("gamma"));
  const fw::TRect r = f.tree->DisplayRect(f.Child("gamma"), true);
  f.host.Click(r.Left + 3, (r.Top + r.Bottom) / 2);
  EXPECT_EQ(log, (Strings{"click", "change", "dir " + f.temp.Path("gamma/"), "click"}));
}

TEST(FolderTree, DisablingShowsButtonFaceAndEnablingRestoresTheColour) {
  Fixture f;
  f.tree->SetColor(fw::clYellow);
  f.tree->SetEnabled(false);
  EXPECT_EQ(f.tree->Color(), fw::clBtnFace);
  EXPECT_EQ(f.host.Pixel(150, 390), fw::ColorToRGB(fw::clBtnFace));
  f.tree->SetColor(fw::clAqua);  // remembered for later
  EXPECT_EQ(f.tree->Color(), fw::clBtnFace);
  EXPECT_EQ(f.tree->EnabledColor(), fw::clAqua);
  f.tree->SetEnabled(true);
  EXPECT_EQ(f.tree->Color(), fw::clAqua);
  EXPECT_EQ(f.host.Pixel(150, 390), fw::ColorToRGB(fw::clAqua));
}

TEST(FolderTree, FormTextAndClassRecord) {
  for (const std::string& problem : fw::testing::CheckRegisteredClass("TFolderTree"))
    ADD_FAILURE() << problem;
  fw::TestHost host;
  TFolderTree tree(nullptr);
  fw::ReadFormInto(tree,
                   "object F: TFolderTree\n Color = clBlack\n Options = [fotSymLinks, fotHidden]\n"
                   " OldTreeStyle = False\n Indent = 30\n BevelKind = bkSoft\n HotTrack = True\n"
                   "end\n");
  EXPECT_EQ(tree.Color(), fw::clWhite);  // black becomes white
  EXPECT_EQ(tree.Options(), (TFolderOptions{fotSymLinks, fotHidden}));
  EXPECT_FALSE(tree.OldTreeStyle());
  EXPECT_EQ(tree.Indent(), 30);
  EXPECT_EQ(tree.BevelKind(), fw::bkSoft);
  EXPECT_TRUE(tree.ReadOnly());
  tree.SetEnabled(false);
  tree.SetEnabled(true);
  EXPECT_EQ(tree.Color(), fw::clWhite);
  const std::string text = fw::WriteForm(tree);
  EXPECT_NE(text.find("Options = [fotSymLinks, fotHidden]"), std::string::npos) << text;
  EXPECT_NE(text.find("OldTreeStyle = False"), std::string::npos) << text;
  EXPECT_NE(text.find("Color = clWhite"), std::string::npos) << text;
  // Read disabled: the form's colour (black made white) shows once enabled.
  TFolderTree off(nullptr);
  fw::ReadFormInto(off, "object F: TFolderTree\n Enabled = False\n Color = clBlack\nend\n");
  EXPECT_EQ(off.Color(), fw::clBtnFace);
  off.SetEnabled(true);
  EXPECT_EQ(off.Color(), fw::clWhite);
}

}  // namespace
}  // namespace zeb
