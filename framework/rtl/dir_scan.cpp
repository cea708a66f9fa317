// ScanDirectory over opendir/readdir: the entry type from the directory, stat only for links
// (to learn what they lead to) and for file systems that do not record types.
#include "framework/rtl/dir_scan.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <memory>

#include "framework/rtl/files.h"

namespace fw {

namespace {

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

int AttrOfMode(mode_t mode) {
  if (S_ISDIR(mode)) return faDirectory;
  if (S_ISREG(mode)) return faArchive;
  return faSysFile;
}

// The type bits of one entry; `path` is the entry's full path, used only when the directory
// does not say enough.
int EntryAttr(const dirent& entry, const std::string& path) {
  struct stat info {};
  switch (entry.d_type) {
    case DT_DIR:
      return faDirectory;
    case DT_REG:
      return faArchive;
    case DT_LNK:
      return faSymLink | (::stat(path.c_str(), &info) == 0 ? AttrOfMode(info.st_mode) : 0);
    case DT_UNKNOWN:
      if (::lstat(path.c_str(), &info) != 0) return 0;
      if (!S_ISLNK(info.st_mode)) return AttrOfMode(info.st_mode);
      return faSymLink | (::stat(path.c_str(), &info) == 0 ? AttrOfMode(info.st_mode) : 0);
    default:
      return faSysFile;
  }
}

}  // namespace

int ScanDirectory(const std::string& directory,
                  const std::function<bool(const TDirEntry& entry)>& visit) {
  const std::string base =
      directory.empty() ? std::string("./") : IncludeTrailingPathDelimiter(directory);
  std::unique_ptr<DIR, DirCloser> dir(::opendir(base.c_str()));
  if (!dir) return errno;
  std::string path = base;
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir.get());
    if (!entry) return errno;
    const std::string_view name(entry->d_name);
    if (name == "." || name == "..") continue;
    path.resize(base.size());
    path += name;
    int attr = EntryAttr(*entry, path);
    if (name.front() == '.') attr |= faHidden;
    if (!visit(TDirEntry{name, attr})) return 0;
  }
}

}  // namespace fw
