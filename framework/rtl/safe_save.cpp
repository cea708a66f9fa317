// SafeFileWriter: the target found through symbolic links and checked, the temporary file
// written beside it and renamed over it.
#include "framework/rtl/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <random>
#include <utility>

#include "framework/rtl/files.h"
#include "framework/rtl/streams.h"

namespace fw {

namespace {

constexpr int kMaxLinkHops = 40;  // as the system's own limit on link chains
constexpr int kTempNameLetters = 10;

// FileName with every symbolic link it names resolved, hop by hop: a relative link is taken
// relative to the folder of the link. A name that does not exist (or a dangling link's
// target) is returned as it stands, since saving creates it. Returns false on a link loop.
bool ResolveLinks(std::string& path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0) return true;
    target.resize(static_cast<std::size_t>(length));
    path = (!target.empty() && target[0] == '/') ? target : ExtractFilePath(path) + target;
  }
  errno = ELOOP;
  return false;
}

// A short random name for the temporary file: ".~" and ten letters or digits.
std::string TempNameIn(const std::string& folder) {
  static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 random(std::random_device{}() ^
                                      (static_cast<uint64_t>(::getpid()) << 32));
  std::string name = folder + ".~";
  for (int i = 0; i < kTempNameLetters; ++i) name += letters[random() % (sizeof letters - 1)];
  return name;
}

const char* NotAFile(mode_t mode) {
  if (S_ISDIR(mode)) return "It is a folder";
  if (S_ISFIFO(mode)) return "It is a pipe, not a file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "It is a device, not a file";
  return "It is not a regular file";
}

}  // namespace

SafeFileWriter::SafeFileWriter(std::string fileName)
    : fileName_(std::move(fileName)), targetName_(fileName_) {
  if (fileName_.empty()) FailCreate(std::strerror(ENOENT));
  if (!ResolveLinks(targetName_)) FailCreate(std::strerror(errno));
  CheckTarget();
  CreateTemporary();
}

SafeFileWriter::~SafeFileWriter() {
  Discard();
}

void SafeFileWriter::Discard() noexcept {
  if (handle_ < 0) return;
  ::close(handle_);
  handle_ = -1;
  ::unlink(tempName_.c_str());
}

void SafeFileWriter::FailCreate(const std::string& reason) const {
  throw EFCreateError("Cannot create file \"" + fileName_ + "\". " + reason);
}

void SafeFileWriter::Fail(const std::string& what, int error) const {
  if (error == ENOSPC) throw EInOutError("Disk full: \"" + fileName_ + "\"");
  throw EInOutError(what + " (" + std::strerror(error) + "): \"" + fileName_ + "\"");
}

// An existing target must be a regular file the user lets us write; the write bits are
// looked at too, because a privileged process may write files the user made read-only.
void SafeFileWriter::CheckTarget() {
  struct stat info {};
  if (::stat(targetName_.c_str(), &info) != 0) {
    if (errno != ENOENT) FailCreate(std::strerror(errno));
    return;
  }
  if (!S_ISREG(info.st_mode)) FailCreate(NotAFile(info.st_mode));
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
      ::access(targetName_.c_str(), W_OK) != 0)
    FailCreate("The file is read-only");
}

void SafeFileWriter::CreateTemporary() {
  const std::string folder = ExtractFilePath(targetName_);
  for (int attempt = 0; attempt < 100 && handle_ < 0; ++attempt) {
    tempName_ = TempNameIn(folder);
    handle_ = ::open(tempName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (handle_ < 0 && errno != EEXIST && errno != EINTR) break;
  }
  if (handle_ < 0) FailCreate(std::strerror(errno));
  // The replacement keeps the replaced file's permissions, owner and group (where allowed).
  struct stat info {};
  if (::stat(targetName_.c_str(), &info) == 0) {
    ::fchmod(handle_, info.st_mode & 07777);
    if (::fchown(handle_, info.st_uid, info.st_gid) != 0) {
      // Not permitted for an unprivileged process: the new file is simply its own.
    }
  }
}

void SafeFileWriter::Write(std::string_view text) {
  if (handle_ < 0) throw EInOutError("File not open: \"" + fileName_ + "\"");
  while (!text.empty()) {
    const ssize_t written = ::write(handle_, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      Fail("Write error", errno);
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

void SafeFileWriter::Commit() {
  if (handle_ < 0) throw EInOutError("File not open: \"" + fileName_ + "\"");
  if (::fsync(handle_) != 0 && errno != EINVAL) Fail("Write error", errno);
  const int handle = std::exchange(handle_, -1);
  if (::close(handle) != 0) {
    const int error = errno;
    ::unlink(tempName_.c_str());
    Fail("Write error", error);
  }
  if (std::rename(tempName_.c_str(), targetName_.c_str()) != 0) {
    const int error = errno;
    ::unlink(tempName_.c_str());
    Fail("Cannot replace file", error);
  }
  // Make the rename itself durable; a folder that cannot be synchronised is no error.
  const std::string folder = ExtractFilePath(targetName_);
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

}  // namespace fw
