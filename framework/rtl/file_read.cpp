// Opening regular files for reading and reading them whole.
#include "framework/rtl/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "framework/rtl/streams.h"

namespace fw {

namespace {

// Owns a descriptor until it is released to the caller.
class Descriptor {
 public:
  explicit Descriptor(int handle) : handle_(handle) {}
  ~Descriptor() {
    if (handle_ >= 0) ::close(handle_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return handle_; }
  int Release() { return std::exchange(handle_, -1); }

 private:
  int handle_;
};

const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "it is a folder";
  if (S_ISFIFO(mode)) return "it is a pipe, not a file";
  if (S_ISSOCK(mode)) return "it is a socket, not a file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a file";
  return "it is not a regular file";
}

}  // namespace

int OpenFileForReading(const std::string& fileName, std::string& reason) {
  if (fileName.empty()) {
    errno = ENOENT;
    reason = std::strerror(ENOENT);
    return -1;
  }
  // Non-blocking, so that opening a pipe does not wait for a writer; the mode is checked
  // before a single byte is read.
  int handle = -1;
  do {
    handle = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  } while (handle < 0 && errno == EINTR);
  if (handle < 0) {
    reason = std::strerror(errno);
    return -1;
  }
  Descriptor file(handle);
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0) {
    reason = std::strerror(errno);
    return -1;
  }
  if (!S_ISREG(info.st_mode)) {
    reason = KindOf(info.st_mode);
    errno = 0;
    return -1;
  }
  const int flags = ::fcntl(file.Get(), F_GETFL);
  if (flags < 0 || ::fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
    reason = std::strerror(errno);
    return -1;
  }
  return file.Release();
}

FileReader::FileReader(const std::string& fileName, int64_t maxBytes) : fileName_(fileName) {
  std::string reason;
  Descriptor file(OpenFileForReading(fileName, reason));
  if (file.Get() < 0) throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0)
    throw EReadError("Cannot read from \"" + fileName + "\". " + std::strerror(errno));
  size_ = info.st_size;
  if (size_ > maxBytes)
    throw EFOpenError("Cannot open file \"" + fileName + "\". It is too large (" +
                      std::to_string(size_) + " bytes, at most " + std::to_string(maxBytes) +
                      " can be read)");
  handle_ = file.Release();
}

FileReader::~FileReader() {
  ::close(handle_);
}

std::size_t FileReader::Read(char* buffer, std::size_t count) {
  count = static_cast<std::size_t>(std::min<int64_t>(static_cast<int64_t>(count), size_ - done_));
  std::size_t filled = 0;
  while (filled < count) {
    const ssize_t got = ::read(handle_, buffer + filled, count - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0)
      throw EReadError("Cannot read from \"" + fileName_ + "\". " + std::strerror(errno));
    if (got == 0) {
      size_ = done_ + static_cast<int64_t>(filled);  // the file shrank meanwhile
      break;
    }
    filled += static_cast<std::size_t>(got);
  }
  done_ += static_cast<int64_t>(filled);
  return filled;
}

void FileReader::Rewind() {
  if (::lseek(handle_, 0, SEEK_SET) != 0)
    throw EReadError("Cannot read from \"" + fileName_ + "\". " + std::strerror(errno));
  done_ = 0;
}

std::string ReadWholeFile(const std::string& fileName, int64_t maxBytes) {
  FileReader file(fileName, maxBytes);
  std::string bytes(static_cast<std::size_t>(file.Size()), '\0');
  const std::size_t filled = file.Read(bytes.data(), bytes.size());
  bytes.resize(filled);
  return bytes;
}

}  // namespace fw
