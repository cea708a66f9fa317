// TFolderTree: construction, colour and enabling, options, the root, node paths, opening a
// node (reading its subfolders) and the selection change.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "browse/ZEB_FolderTree.h"
#include "framework/controls/screen.h"
#include "framework/rtl/files.h"
#include "framework/rtl/scope_guard.h"

namespace zeb {

namespace {

// The address a loaded node's Data points to.
char loadedMark;

}  // namespace

TFolderTree::TFolderTree(fw::TComponent* AOwner) : fw::TCustomTreeView(AOwner) {
  SetReadOnly(true);
  SetDoubleBuffered(true);
  rememberedColor_ = Color();
}

void TFolderTree::SetColor(fw::TColor value) {
  rememberedColor_ = value;
  if (Enabled()) fw::TControl::SetColor(value);
}

void TFolderTree::SetEnabled(bool value) {
  if (value == Enabled()) return;
  fw::TCustomTreeView::SetEnabled(value);
  fw::TControl::SetColor(value ? rememberedColor_ : fw::clBtnFace);
}

void TFolderTree::SetOptions(TFolderOptions value) {
  if (value == options_) return;
  options_ = value;
  // A tree being read from a form is built when its window is made.
  if (!ComponentState().Contains(fw::csLoading)) RefreshTree();
}

void TFolderTree::CreateWnd() {
  fw::TCustomTreeView::CreateWnd();
  Reset();
}

// A black colour from a form becomes white; the colour read is the one to restore (a tree
// read disabled keeps the colour its form gave for later).
void TFolderTree::Loaded() {
  fw::TCustomTreeView::Loaded();
  if (Enabled()) rememberedColor_ = Color();
  if (rememberedColor_ == fw::clBlack) rememberedColor_ = fw::clWhite;
  if (Enabled()) fw::TControl::SetColor(rememberedColor_);
  FullCollapse();
}

void TFolderTree::SetRootPath(const std::string& path) {
  if (path.empty()) return;
  const std::string full = fw::IncludeTrailingPathDelimiter(fw::ExpandFileName(path));
  if (full == rootPath_ || !fw::DirectoryExists(full)) return;
  rootPath_ = full;
  Reset();
}

void TFolderTree::BuildMainTree() {
  const std::string name = rootPath_ == kRootText
                               ? std::string(kRootText)
                               : fw::ExtractFileName(fw::ExcludeTrailingPathDelimiter(rootPath_));
  Items()->BeginUpdate();
  Items()->Clear();
  fw::TTreeNode* root = Items()->AddChild(nullptr, name);
  Items()->AddChild(root, kPlaceholderText);
  Items()->EndUpdate();
}

// Selecting the new root node reports the path when it moved.
void TFolderTree::Reset() {
  BuildMainTree();
  SetSelected(Items()->GetFirstNode());
}

// The root path, then the name of each node below the root.
std::string TFolderTree::PathOfNode(const fw::TTreeNode* node) const {
  if (!node) return {};
  std::vector<const fw::TTreeNode*> chain;
  for (; node && node->Parent(); node = node->Parent()) chain.push_back(node);
  std::string path = rootPath_;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) path += (*it)->Text() + fw::PathDelim;
  return path;
}

std::string TFolderTree::HomePath() {
  const char* home = std::getenv("HOME");
  if (home && *home) return fw::IncludeTrailingPathDelimiter(home);
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir && *entry->pw_dir)
    return fw::IncludeTrailingPathDelimiter(entry->pw_dir);
  return kRootText;
}

bool TFolderTree::IsLoaded(const fw::TTreeNode* node) {
  return node->Data() == &loadedMark;
}

void TFolderTree::SetLoaded(fw::TTreeNode* node, bool loaded) {
  node->SetData(loaded ? &loadedMark : nullptr);
}

bool TFolderTree::CanExpand(fw::TTreeNode* Node) {
  if (!ComponentState().Contains(fw::csDesigning) && !IsLoaded(Node)) LoadChildren(Node);
  return fw::TCustomTreeView::CanExpand(Node);
}

// The children become the subfolders, each with a placeholder child when it has subfolders
// itself. A folder without subfolders stays unmarked and is read again when next opened.
void TFolderTree::LoadChildren(fw::TTreeNode* node) {
  const fw::TCursor before = fw::Screen ? fw::Screen->Cursor() : fw::crDefault;
  if (fw::Screen) fw::Screen->SetCursor(fw::crHourGlass);
  fw::TScopeExit restoreCursor([before] {
    if (fw::Screen) fw::Screen->SetCursor(before);
  });
  const std::vector<TSubFolder> folders = ReadSubDirs(PathOfNode(node));
  Items()->BeginUpdate();
  fw::TScopeExit endUpdate([this] { Items()->EndUpdate(); });
  node->DeleteChildren();
  if (folders.empty()) return;
  SetLoaded(node, true);
  for (const TSubFolder& folder : folders) {
    fw::TTreeNode* child = Items()->AddChild(node, folder.name);
    if (folder.hasSubFolders) Items()->AddChild(child, kPlaceholderText);
  }
}

void TFolderTree::Change(fw::TTreeNode* Node) {
  OnClick(this);
  const std::string before = currentPath_;
  if (Node) currentPath_ = PathOfNode(Node);
  fw::TCustomTreeView::Change(Node);
  FireDirChangedIf(before);
}

void TFolderTree::FireDirChangedIf(const std::string& before) {
  if (currentPath_ != before) OnDirChanged(this);
}

}  // namespace zeb
