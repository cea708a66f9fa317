// TFolderTree: reading a folder's subfolders, sorted, each flagged when it has subfolders
// itself, with links that lead back up the path kept from opening.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "browse/ZEB_FolderTree.h"
#include "companion/ZEB_stringl.h"
#include "framework/base/object.h"
#include "framework/rtl/dir_scan.h"
#include "framework/rtl/files.h"
#include "framework/rtl/utf8.h"

namespace zeb {

namespace fs = std::filesystem;

namespace {

// The object GetSubDirs puts beside a name that has subfolders.
fw::TObject hasSubFoldersMark;

// The attribute bits an entry must not have unless the options ask for them.
constexpr int kSpecialAttributes = fw::faHidden | fw::faSysFile | fw::faSymLink;

// An entry that counts as a folder under the attribute mask `attr`.
bool IsFolderEntry(const fw::TDirEntry& entry, int attr) {
  return (entry.attr & fw::faDirectory) != 0 && (entry.attr & kSpecialAttributes & ~attr) == 0 &&
         !entry.name.empty() && entry.name.front() != '.';
}

// Stops at the first folder found.
bool HasFolderEntry(const std::string& directory, int attr) {
  bool found = false;
  fw::ScanDirectory(directory, [&](const fw::TDirEntry& entry) {
    found = IsFolderEntry(entry, attr);
    return !found;
  });
  return found;
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
  struct Found {
    std::string key;  // the lower-cased name
    TSubFolder folder;
    bool link;
    bool mayHaveSubFolders;  // false when the link count shows none (links not counted)
  };
  std::vector<Found> found;
  const bool linksCount = (attr & fw::faSymLink) != 0;
  auto collect = [&](const fw::TDirEntry& entry) {
    if (!IsFolderEntry(entry, attr)) return true;
    std::string name(entry.name);
    std::string key = fw::LowerCase(name);
    found.push_back({std::move(key),
                     {std::move(name), false},
                     (entry.attr & fw::faSymLink) != 0,
                     entry.mayHaveSubdirectories || linksCount});
    return true;
  };
  fw::ScanDirectory(folder, collect, /*subdirectoryHints=*/true);
  // By lower-cased name, equal ones in byte order.
  std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    return a.key != b.key ? a.key < b.key : a.folder.name < b.folder.name;
  });
  std::vector<TSubFolder> folders;
  folders.reserve(found.size());
  for (Found& f : found) {
    const std::string full = folder + f.folder.name;
    bool cycle = false;
    if (f.link) {
      std::error_code ec;
      const fs::path target = fs::canonical(full, ec);
      cycle = ec || LeadsBackUp(target, folder);
    }
    f.folder.hasSubFolders = !cycle && f.mayHaveSubFolders && HasFolderEntry(full, attr);
    folders.push_back(std::move(f.folder));
  }
  return folders;
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
