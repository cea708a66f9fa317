// TFolderTree: reading a folder's subfolders, sorted, each flagged when it has subfolders
// itself, with links that lead back up the path kept from opening.
#include <algorithm>
#include <filesystem>
#include <numeric>
#include <system_error>

#include "browse/ZEB_FolderTree.h"
#include "companion/ZEB_stringl.h"
#include "framework/base/object.h"
#include "framework/rtl/files.h"
#include "framework/rtl/utf8.h"

namespace zeb {

namespace fs = std::filesystem;

namespace {

// The object GetSubDirs puts beside a name that has subfolders.
fw::TObject hasSubFoldersMark;

// An entry of a listing made with `attr` that counts as a folder.
bool IsFolderEntry(const fw::TSearchRec& entry) {
  return (entry.Attr & fw::faDirectory) != 0 && !entry.Name.empty() && entry.Name[0] != '.';
}

bool HasFolderEntry(const std::string& directory, int attr) {
  std::vector<fw::TSearchRec> entries;
  fw::ListDirectory(directory, "*", attr, entries);
  return std::any_of(entries.begin(), entries.end(), IsFolderEntry);
}

// True when `target` is the real folder of `folder`, of one of the folders on the way to it,
// or an ancestor of one of those: a link there would lead back into the tree it sits in.
bool LeadsBackUp(const fs::path& target, const std::string& folder) {
  for (std::string step = folder; !step.empty(); step = ParentDir(step)) {
    std::error_code ec;
    const fs::path real = fs::canonical(step, ec);
    if (ec) continue;
    // target is real itself or one of its ancestors
    if (std::mismatch(target.begin(), target.end(), real.begin(), real.end()).first == target.end())
      return true;
  }
  return false;
}

}  // namespace

std::vector<TSubFolder> TFolderTree::ReadSubDirs(const std::string& path) const {
  int attr = fw::faDirectory;
  if (options_.Contains(fotSymLinks)) attr |= fw::faSymLink;
  if (options_.Contains(fotHidden)) attr |= fw::faHidden;
  if (options_.Contains(fotSystem)) attr |= fw::faSysFile;
  const std::string folder = fw::IncludeTrailingPathDelimiter(path);
  std::vector<fw::TSearchRec> entries;
  fw::ListDirectory(folder, "*", attr, entries);
  std::vector<TSubFolder> found;
  for (const fw::TSearchRec& entry : entries) {
    if (!IsFolderEntry(entry)) continue;
    const std::string full = folder + entry.Name;
    bool cycle = false;
    if ((entry.Attr & fw::faSymLink) != 0) {
      std::error_code ec;
      const fs::path target = fs::canonical(full, ec);
      cycle = ec || LeadsBackUp(target, folder);
    }
    found.push_back({entry.Name, !cycle && HasFolderEntry(full, attr)});
  }
  // By lower-cased name; the listing's byte order decides between equal ones.
  std::vector<std::string> keys(found.size());
  for (std::size_t i = 0; i < found.size(); ++i) keys[i] = fw::LowerCase(found[i].name);
  std::vector<std::size_t> order(found.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<TSubFolder> sorted;
  sorted.reserve(found.size());
  for (const std::size_t i : order) sorted.push_back(std::move(found[i]));
  return sorted;
}

void TFolderTree::LoadDirNamesAndSort(const std::string& path, fw::TStrings* list) {
  if (!list) return;
  list->Clear();
  for (const TSubFolder& folder : ReadSubDirs(path))
    list->AddObject(folder.name, folder.hasSubFolders ? &hasSubFoldersMark : nullptr);
}

bool TFolderTree::GetSubDirs(const std::string& path, fw::TStrings* list) {
  if (!list) return false;
  list->Clear();
  if (!fw::DirectoryExists(path)) return false;
  LoadDirNamesAndSort(path, list);
  return list->Count() > 0;
}

bool TFolderTree::GetSubDirs(fw::TTreeNode* node, fw::TStrings* list) {
  if (!node || node->Owner() != Items()) return false;
  return GetSubDirs(PathOfNode(node), list);
}

}  // namespace zeb
