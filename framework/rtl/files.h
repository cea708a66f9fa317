// Files and directories: existence tests, creating, removing and renaming, path pieces, and
// directory listing with the platform's attribute bits. Failures give false, never a crash.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/rtl/datetime.h"

namespace fw {

constexpr char PathDelim = '/';

// ---- existence and changes (symbolic links are followed unless said otherwise) ----
bool FileExists(const std::string& fileName);        // a file, not a directory
bool DirectoryExists(const std::string& directory);  // a directory
// Creates the directory with every missing parent; true when it exists afterwards.
bool ForceDirectories(const std::string& directory);
bool CreateDir(const std::string& directory);  // one level; false if it exists
bool RemoveDir(const std::string& directory);  // only an empty directory
bool DeleteFile(const std::string& fileName);  // not a directory; a link itself, not its target
// Refuses (false) when newName exists already, so nothing is overwritten by accident.
bool RenameFile(const std::string& oldName, const std::string& newName);
std::string GetCurrentDir();
bool SetCurrentDir(const std::string& directory);
// Local modification time; false when the file cannot be examined.
bool FileAge(const std::string& fileName, TDateTime& time);

// ---- path pieces (the delimiter is '/') ----
std::string ExtractFilePath(const std::string& fileName);  // "a/b/" of "a/b/c.txt"
std::string ExtractFileDir(const std::string& fileName);   // "a/b"; "/" stays "/"
std::string ExtractFileName(const std::string& fileName);  // "c.txt"
std::string ExtractFileExt(const std::string& fileName);   // ".txt"; "" without a dot
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);
// "" stays "" (the current directory must not turn into the root).
std::string IncludeTrailingPathDelimiter(const std::string& path);
// "/" stays "/" for the same reason.
std::string ExcludeTrailingPathDelimiter(const std::string& path);
// Absolute and without "." and ".." steps (lexically).
std::string ExpandFileName(const std::string& fileName);

// ---- directory listing ----
constexpr int faReadOnly = 0x01;   // the owner may not write
constexpr int faHidden = 0x02;     // the name starts with "."
constexpr int faSysFile = 0x04;    // not a file, directory or link (device, pipe, socket)
constexpr int faVolumeID = 0x08;   // never set
constexpr int faDirectory = 0x10;  // a directory, or a link to one
constexpr int faArchive = 0x20;    // a regular file
constexpr int faSymLink = 0x40;    // a symbolic link (dangling ones included)
constexpr int faAnyFile = 0x7F;

struct TSearchState;

struct TSearchRec {
  std::string Name;    // without the directory
  int64_t Size = 0;    // bytes of a file (of the target for a link); 0 for a directory
  int Attr = 0;        // fa* bits
  TDateTime Time = 0;  // local modification time
  std::shared_ptr<TSearchState> FindHandle;  // the rest of a FindFirst listing
};

// True when name matches mask: '*' any run, '?' one byte, case-sensitive; "*.*" and ""
// match everything.
bool MatchesMask(const std::string& name, const std::string& mask);

// Entries of directory whose names match mask, sorted by name, without "." and "..". An
// entry with hidden, system, directory or link bits appears only when attr has all of
// them; plain files always appear. Returns 0, or the error (errno value) that stopped the
// listing: an unreadable or missing directory lists nothing, entries that cannot be
// examined are skipped.
int ListDirectory(const std::string& directory, const std::string& mask, int attr,
                  std::vector<TSearchRec>& entries);
std::vector<TSearchRec> ListDirectory(const std::string& directory, const std::string& mask = "*",
                                      int attr = faAnyFile);

// The same listing one entry at a time: path is "directory/mask". 0 when an entry was
// found, otherwise an error code (ENOENT when no entry is left). FindClose releases the
// listing early; the record releases it anyway when it goes away.
int FindFirst(const std::string& path, int attr, TSearchRec& rec);
int FindNext(TSearchRec& rec);
void FindClose(TSearchRec& rec);

}  // namespace fw
