// ZEB_FolderTree: TFolderTree, the folders of the file system as a tree that reads each
// folder's subfolders only when the user opens it, keeps the selected folder's path, selects
// a path given as text, makes subfolders and removes the selected folder.
//
// The file system has one root, "/", so the tree has one top-level node with that text where
// a system with drive letters has the root of the current drive; Reset selects it. Paths use
// "/" as separator, and CurrentPath always ends in one. The user's home folder is one call
// away: SelectPath(HomePath()). A tree may also start lower down (SetRootPath): its top node
// then shows that folder's name and nothing above it can be selected.
//
// Call flow:
//   opening a node -> CanExpand -> unless loaded: ReadSubDirs(PathOfNode) -> children
//     replaced by one node per subfolder, each with a placeholder child "Child" when it has
//     subfolders itself (so it shows a button) -> node marked loaded in its Data
//   selection change -> Change -> OnClick, CurrentPath, OnChange, OnDirChanged when it moved
//   SelectPath -> BuildMainTree -> open each level of the path -> select the last one
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/base/event.h"
#include "framework/base/set.h"
#include "framework/comctrls/treeview.h"
#include "framework/rtl/strings.h"

namespace zeb {

enum TFolderOptTypes : uint8_t { fotSymLinks, fotHidden, fotSystem };
using TFolderOptions = fw::Set<TFolderOptTypes>;
inline const std::vector<std::string> kFolderOptNames{"fotSymLinks", "fotHidden", "fotSystem"};

// One subfolder as a listing reports it.
struct TSubFolder {
  std::string name;
  bool hasSubFolders = false;
};

class TFolderTree : public fw::TCustomTreeView {
 public:
  // The text of the root node and of the placeholder child.
  static constexpr const char* kRootText = "/";
  static constexpr const char* kPlaceholderText = "Child";

  explicit TFolderTree(fw::TComponent* AOwner);

  // The selected folder's full path, ending in "/"; empty before anything is selected.
  const std::string& CurrentPath() const { return currentPath_; }

  // Also the colour restored when the tree is enabled again; while disabled the new colour is
  // only remembered. Color() is the colour shown (clBtnFace while disabled); the published
  // Color, which forms store, is EnabledColor().
  void SetColor(fw::TColor value);
  fw::TColor EnabledColor() const { return rememberedColor_; }
  // Disabled, the background shows clBtnFace; enabled again, the remembered colour.
  void SetEnabled(bool value) override;
  // Which extra entries count as folders: with fotSymLinks, symbolic links to folders (links
  // to files and dangling links never). Folders whose names start with "." (this system's
  // hidden ones) never appear, so fotHidden adds nothing, nor does fotSystem (devices, pipes
  // and sockets are never folders); both are kept for forms. A change refreshes the tree.
  TFolderOptions Options() const { return options_; }
  void SetOptions(TFolderOptions value);
  // Kept for forms only.
  bool OldTreeStyle() const { return oldTreeStyle_; }
  void SetOldTreeStyle(bool value) { oldTreeStyle_ = value; }

  // The folder the tree starts at, ending in "/"; "/" at first. Setting an absolute or
  // relative path of an existing folder resets the tree to it; others are ignored.
  const std::string& RootPath() const { return rootPath_; }
  void SetRootPath(const std::string& path);

  // Selects the root with only the root node in the tree; OnDirChanged when the path moved.
  void Reset();
  // Selects the folder `path` (absolute, or relative to the current directory; trailing and
  // doubled separators are ignored; letter case is kept, as the file system tells names apart
  // by case), opening every level on the way. False when the folder does not exist (the tree
  // is left as it was) or lies outside RootPath, or when a level on the way is not shown in the
  // tree (a hidden folder or a link without the options that show them): then the deepest shown
  // level is selected.
  bool SelectPath(const std::string& path);
  // Reads the tree again and selects the current path, or its nearest existing ancestor when
  // it is gone; OnDirChanged when the path moved. Answers whether a path was selected.
  bool RefreshTree();
  // Makes `name` below the selected folder, with every missing level ("a/b" makes a and b;
  // "\" separates levels too), and selects it. False with nothing made when no folder is
  // selected, when the name is empty, holds a control character, one of  " < > |  or a "." or
  // ".." level (which would leave the selected folder), or when the folder cannot be made.
  // A folder that exists already is selected and answers true.
  bool MakeSubFolder(const std::string& name);
  // Removes the selected folder when it is empty and not the root, then selects its parent.
  bool RemoveSelectedFolder();

  // The subfolder names of `path`, sorted; true when there is at least one, false when there
  // is none or the folder does not exist. Objects(i) is non-null for a folder that has
  // subfolders itself.
  bool GetSubDirs(const std::string& path, fw::TStrings* list);
  bool GetSubDirs(fw::TTreeNode* node, fw::TStrings* list);
  // Fills `list` with the subfolder names of `path` as GetSubDirs describes.
  void LoadDirNamesAndSort(const std::string& path, fw::TStrings* list);
  // The subfolders of `path`, sorted by their lower-cased names (equal ones in byte order),
  // without names starting with ".". A folder that cannot be read
  // has none. A link that leads back to `path` or to one of its ancestors is listed without
  // subfolders, so opening it can never walk round a cycle.
  std::vector<TSubFolder> ReadSubDirs(const std::string& path) const;
  // The node's full path: its ancestors' texts and its own, each ending in "/".
  std::string PathOfNode(const fw::TTreeNode* node) const;
  // Removes all nodes and adds the root node (named "/" or the root folder's name) with its
  // placeholder child.
  void BuildMainTree();
  // The user's home folder ($HOME, else the password database's entry, else "/"), ending
  // in "/".
  static std::string HomePath();

  fw::TNotifyEvent OnDirChanged;

 protected:
  void CreateWnd() override;
  void Loaded() override;
  // Reads the node's subfolders unless it is loaded (nothing while designing).
  bool CanExpand(fw::TTreeNode* Node) override;
  void Change(fw::TTreeNode* Node) override;

 private:
  // Whether the node's subfolders have been read (its Data carries the mark).
  static bool IsLoaded(const fw::TTreeNode* node);
  static void SetLoaded(fw::TTreeNode* node, bool loaded);
  void LoadChildren(fw::TTreeNode* node);
  void FireDirChangedIf(const std::string& before);

  std::string rootPath_ = kRootText;
  std::string currentPath_;
  fw::TColor rememberedColor_ = fw::clWindow;
  TFolderOptions options_;
  bool oldTreeStyle_ = true;
};

}  // namespace zeb
