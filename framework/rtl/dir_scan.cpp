// ScanDirectory over opendir/readdir: the entry type from the directory, stat only for links
// (to learn what they lead to) and for file systems that do not record types.
#include "framework/rtl/dir_scan.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>

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

// Whether the open directory's file system counts subdirectories in directories' link counts.
bool CountsSubdirectories(int fd) {
  constexpr long kExt = 0xEF53;  // ext2, ext3 and ext4
  constexpr long kXfs = 0x58465342;
  constexpr long kTmpfs = 0x01021994;
  struct statfs info {};
  if (::fstatfs(fd, &info) != 0) return false;
  const long type = static_cast<long>(info.f_type);
  return type == kExt || type == kXfs || type == kTmpfs;
}

// A directory entry on the same device (not a mount point) with the link count of an empty
// one. `device` is 0 when the file system's counts cannot be trusted.
bool MayHaveSubdirectories(int fd, const char* name, dev_t device) {
  if (device == 0) return true;
  struct stat info {};
  if (::fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return true;
  return !S_ISDIR(info.st_mode) || info.st_dev != device || info.st_nlink != 2;
}

}  // namespace

int ScanDirectory(const std::string& directory,
                  const std::function<bool(const TDirEntry& entry)>& visit,
                  bool subdirectoryHints) {
  const std::string base =
      directory.empty() ? std::string("./") : IncludeTrailingPathDelimiter(directory);
  std::unique_ptr<DIR, DirCloser> dir(::opendir(base.c_str()));
  if (!dir) return errno;
  // The device whose link counts tell subdirectories, when hints are asked for.
  dev_t countingDevice = 0;
  struct stat own {};
  if (subdirectoryHints && CountsSubdirectories(::dirfd(dir.get())) &&
      ::fstat(::dirfd(dir.get()), &own) == 0)
    countingDevice = own.st_dev;
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
    const bool mayHave = !subdirectoryHints || attr != faDirectory ||
                         MayHaveSubdirectories(::dirfd(dir.get()), entry->d_name, countingDevice);
    if (!visit(TDirEntry{name, attr, mayHave})) return 0;
  }
}

}  // namespace fw
