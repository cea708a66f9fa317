// Directory listing: entries with the platform's attribute bits, mask matching and the
// FindFirst / FindNext walk over a sorted listing.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "framework/rtl/files.h"

namespace fw {

namespace fs = std::filesystem;

struct TSearchState {
  std::vector<TSearchRec> entries;
  size_t next = 0;
};

namespace {

// Attribute bits that hide an entry unless the caller asks for them.
constexpr int SpecialAttributes = faHidden | faSysFile | faVolumeID | faDirectory | faSymLink;

TDateTime LocalTime(std::time_t seconds) {
  std::tm local{};
  if (!localtime_r(&seconds, &local)) return 0;
  TDateTime date = 0, time = 0;
  if (!TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, date) ||
      !TryEncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), 0, time))
    return 0;
  return ComposeDateTime(date, time);
}

// Builds the record of one entry from lstat and, through links, stat.
bool Describe(const std::string& path, const std::string& name, TSearchRec& rec) {
  struct stat own {};
  if (::lstat(path.c_str(), &own) != 0) return false;
  struct stat target = own;
  const bool link = S_ISLNK(own.st_mode);
  const bool resolved = !link || ::stat(path.c_str(), &target) == 0;
  rec.Name = name;
  rec.Attr = 0;
  if (link) rec.Attr |= faSymLink;
  if (!name.empty() && name[0] == '.') rec.Attr |= faHidden;
  if (resolved) {
    if (S_ISDIR(target.st_mode))
      rec.Attr |= faDirectory;
    else if (S_ISREG(target.st_mode))
      rec.Attr |= faArchive;
    else
      rec.Attr |= faSysFile;
    if ((target.st_mode & S_IWUSR) == 0) rec.Attr |= faReadOnly;
  }
  rec.Size = resolved && S_ISREG(target.st_mode) ? static_cast<int64_t>(target.st_size) : 0;
  rec.Time = LocalTime(target.st_mtime);
  return true;
}

bool Match(const char* name, const char* mask) {
  // Iterative wildcard match with one backtracking point per '*'.
  const char* starMask = nullptr;
  const char* starName = nullptr;
  while (*name) {
    if (*mask == '*') {
      starMask = ++mask;
      starName = name;
    } else if (*mask == '?' || *mask == *name) {
      ++mask;
      ++name;
    } else if (starMask) {
      mask = starMask;
      name = ++starName;
    } else {
      return false;
    }
  }
  while (*mask == '*') ++mask;
  return *mask == '\0';
}

}  // namespace

bool MatchesMask(const std::string& name, const std::string& mask) {
  if (mask.empty() || mask == "*.*") return true;
  return Match(name.c_str(), mask.c_str());
}

bool FileAge(const std::string& fileName, TDateTime& time) {
  struct stat info {};
  if (fileName.empty() || ::stat(fileName.c_str(), &info) != 0) return false;
  time = LocalTime(info.st_mtime);
  return true;
}

int ListDirectory(const std::string& directory, const std::string& mask, int attr,
                  std::vector<TSearchRec>& entries) {
  entries.clear();
  std::error_code ec;
  const std::string base = directory.empty() ? std::string(".") : directory;
  fs::directory_iterator it(base, ec);
  if (ec) return ec.value();
  int error = 0;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    TSearchRec rec;
    if (!MatchesMask(name, mask) || !Describe(it->path().string(), name, rec)) continue;
    if ((rec.Attr & SpecialAttributes & ~attr) != 0) continue;
    entries.push_back(std::move(rec));
  }
  if (ec) error = ec.value();
  std::sort(entries.begin(), entries.end(),
            [](const TSearchRec& a, const TSearchRec& b) { return a.Name < b.Name; });
  return error;
}

std::vector<TSearchRec> ListDirectory(const std::string& directory, const std::string& mask,
                                      int attr) {
  std::vector<TSearchRec> entries;
  ListDirectory(directory, mask, attr, entries);
  return entries;
}

int FindFirst(const std::string& path, int attr, TSearchRec& rec) {
  FindClose(rec);
  auto state = std::make_shared<TSearchState>();
  const std::string mask = ExtractFileName(path);
  const int error =
      ListDirectory(ExtractFilePath(path), mask.empty() ? "*" : mask, attr, state->entries);
  if (state->entries.empty()) return error != 0 ? error : ENOENT;
  rec.FindHandle = std::move(state);
  return FindNext(rec);
}

int FindNext(TSearchRec& rec) {
  TSearchState* state = rec.FindHandle.get();
  if (!state || state->next >= state->entries.size()) return ENOENT;
  const TSearchRec& entry = state->entries[state->next++];
  rec.Name = entry.Name;
  rec.Size = entry.Size;
  rec.Attr = entry.Attr;
  rec.Time = entry.Time;
  return 0;
}

void FindClose(TSearchRec& rec) {
  rec.FindHandle.reset();
}

}  // namespace fw
