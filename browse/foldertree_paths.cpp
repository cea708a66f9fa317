// TFolderTree: selecting a path given as text, refreshing, making a subfolder and removing the
// selected folder.
#include <algorithm>
#include <string_view>

#include "browse/ZEB_FolderTree.h"
#include "companion/ZEB_stringl.h"
#include "framework/controls/application.h"
#include "framework/rtl/files.h"

namespace zeb {

namespace {

// The non-empty names between separators.
std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> names;
  std::size_t from = 0;
  while (from <= path.size()) {
    std::size_t at = path.find(fw::PathDelim, from);
    if (at == std::string_view::npos) at = path.size();
    if (at > from) names.emplace_back(path.substr(from, at - from));
    from = at + 1;
  }
  return names;
}

fw::TTreeNode* ChildNamed(const fw::TTreeNode* node, const std::string& name) {
  for (int i = 0; i < node->Count(); ++i) {
    if (node->Item(i)->Text() == name) return node->Item(i);
  }
  return nullptr;
}

// A control character, or one of the four characters no folder name may hold.
bool HasForbiddenCharacter(std::string_view name) {
  return std::any_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 32 || c == '"' || c == '<' || c == '>' || c == '|';
  });
}

}  // namespace

bool TFolderTree::SelectPath(const std::string& path) {
  if (path.empty()) return false;
  const std::string full = fw::IncludeTrailingPathDelimiter(fw::ExpandFileName(path));
  if (full.compare(0, rootPath_.size(), rootPath_) != 0 || !fw::DirectoryExists(full)) return false;
  BuildMainTree();
  fw::TTreeNode* node = Items()->GetFirstNode();
  node->SetExpanded(true);
  bool reached = true;
  for (const std::string& name : SplitPath(std::string_view(full).substr(rootPath_.size()))) {
    fw::TTreeNode* child = ChildNamed(node, name);
    if (!child) {
      reached = false;
      break;
    }
    node = child;
    node->SetExpanded(true);
  }
  SetSelected(node);
  return reached;
}

// Each failure moves one level up, until a path is selected or none is left.
bool TFolderTree::RefreshTree() {
  std::string path = currentPath_.empty() ? std::string(kRootText) : currentPath_;
  bool selected = SelectPath(path);
  while (!selected && !path.empty()) {
    path = ParentDir(path);
    selected = SelectPath(path);
  }
  return selected;
}

bool TFolderTree::MakeSubFolder(const std::string& name) {
  if (!Selected() || HasForbiddenCharacter(name)) return false;
  std::string relative = name;
  std::replace(relative.begin(), relative.end(), '\\', fw::PathDelim);
  const std::vector<std::string> levels = SplitPath(relative);
  if (levels.empty()) return false;
  for (const std::string& level : levels) {
    if (level == "." || level == "..") return false;
  }
  std::string target = PathOfNode(Selected());
  for (const std::string& level : levels) target += level + fw::PathDelim;
  if (!fw::ForceDirectories(target)) return false;
  return SelectPath(target);
}

// The parent's path is taken before the tree is rebuilt, which frees every node; afterwards
// only the newly built nodes are touched.
bool TFolderTree::RemoveSelectedFolder() {
  const fw::TTreeNode* node = Selected();
  if (!node || !node->Parent()) return false;
  const std::string parentPath = PathOfNode(node->Parent());
  const bool removed = fw::RemoveDir(fw::ExcludeTrailingPathDelimiter(PathOfNode(node)));
  if (fw::Application) fw::Application->ProcessMessages();
  if (!removed) return false;
  SelectPath(parentPath);
  if (Selected()) SetLoaded(Selected(), false);
  return true;
}

}  // namespace zeb
