// ScanDirectory: a fast walk over the entries of one directory, in the file system's order,
// that can stop early. It reads each entry's type from the directory itself where the file
// system records it, so listing folders of folders costs no file examination per entry.
// ListDirectory (files.h) is the full, sorted listing with sizes and times.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace fw {

struct TDirEntry {
  std::string_view name;  // without the directory; valid only during the call
  // faDirectory (a directory or a link to one), faSymLink, faHidden (a "." name), faSysFile
  // (device, pipe, socket) or faArchive (regular file, or a link to one); never faReadOnly.
  int attr = 0;
  // With hints asked for: false when the entry is a directory (not a link) whose link count
  // proves it holds no subdirectory, on the file systems that keep that count as 2 plus the
  // subdirectories (ext2/3/4, XFS, tmpfs). True whenever that cannot be told.
  bool mayHaveSubdirectories = true;
};

// Calls `visit` for each entry of `directory` except "." and "..", until it answers false.
// Answers 0, or the error (errno value) that stopped the scan; a directory that cannot be
// read visits nothing. `subdirectoryHints` examines each directory entry for
// mayHaveSubdirectories (one cheap lookup inside the open directory per entry).
int ScanDirectory(const std::string& directory,
                  const std::function<bool(const TDirEntry& entry)>& visit,
                  bool subdirectoryHints = false);

}  // namespace fw
