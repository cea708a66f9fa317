// TStream's buffer helpers, the file stream over a POSIX descriptor and the memory and
// string streams.
#include "framework/rtl/streams.h"

#include "framework/rtl/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

namespace fw {

namespace {

constexpr int64_t CopyChunk = 64 * 1024;
// Largest single read or write handed to the system at once.
constexpr int64_t MaxIo = 1 << 30;

std::string Reason(int error) {
  return std::strerror(error);
}

int OpenFlags(uint16_t mode, bool& create) {
  create = (mode & fmCreate) == fmCreate;
  if (create) return O_RDWR | O_CREAT | O_TRUNC;
  switch (mode & 0x0003) {
    case fmOpenRead:
      return O_RDONLY;
    case fmOpenWrite:
      return O_WRONLY;
    case fmOpenReadWrite:
      return O_RDWR;
    default:
      return -1;
  }
}

}  // namespace

int64_t TStream::Size() {
  const int64_t position = Seek(0, soFromCurrent);
  const int64_t size = Seek(0, soFromEnd);
  Seek(position, soFromBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count < 0 || (count != 0 && Read(buffer, count) != count))
    throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count < 0 || (count != 0 && Write(buffer, count) != count))
    throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  if (count < 0) return 0;
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min(count, CopyChunk)));
  int64_t left = count;
  while (left > 0) {
    const int64_t chunk = std::min(left, CopyChunk);
    source.ReadBuffer(buffer.data(), chunk);
    WriteBuffer(buffer.data(), chunk);
    left -= chunk;
  }
  return count;
}

// ---- TFileStream ----

TFileStream::TFileStream(const std::string& fileName, uint16_t mode) : fileName_(fileName) {
  bool create = false;
  const int flags = OpenFlags(mode, create);
  const std::string what =
      (create ? "Cannot create file \"" : "Cannot open file \"") + fileName + "\". ";
  auto fail = [&](const std::string& reason) -> void {
    if (create) throw EFCreateError(what + reason);
    throw EFOpenError(what + reason);
  };
  if (flags < 0) fail("Invalid open mode");
  if (fileName.empty()) fail(Reason(ENOENT));
  // A file opened only for reading must be a regular file: a device or pipe could block the
  // program or never end.
  if (flags == O_RDONLY) {
    std::string reason;
    handle_ = OpenFileForReading(fileName, reason);
    if (handle_ < 0) fail(reason);
    return;
  }
  do {
    handle_ = ::open(fileName.c_str(), flags | O_CLOEXEC, 0666);
  } while (handle_ < 0 && errno == EINTR);
  if (handle_ < 0) fail(Reason(errno));
  struct stat info {};
  if (::fstat(handle_, &info) != 0 || S_ISDIR(info.st_mode)) {
    const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
    ::close(handle_);
    handle_ = -1;
    fail(Reason(error));
  }
}

TFileStream::~TFileStream() {
  if (handle_ >= 0) ::close(handle_);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  auto* bytes = static_cast<uint8_t*>(buffer);
  int64_t done = 0;
  while (done < count) {
    const ssize_t got = ::read(handle_, bytes + done, std::min(count - done, MaxIo));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw EReadError("Cannot read from \"" + fileName_ + "\". " + Reason(errno));
    if (got == 0) break;
    done += got;
  }
  return done;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  int64_t done = 0;
  while (done < count) {
    const ssize_t put = ::write(handle_, bytes + done, std::min(count - done, MaxIo));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      const int error = put < 0 ? errno : ENOSPC;
      throw EWriteError("Cannot write to \"" + fileName_ + "\". " + Reason(error));
    }
    done += put;
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int whence = origin == soFromCurrent ? SEEK_CUR : origin == soFromEnd ? SEEK_END : SEEK_SET;
  const off_t result = ::lseek(handle_, offset, whence);
  if (result < 0) {
    if (errno == EINVAL) throw EStreamError("Seek before the beginning of \"" + fileName_ + "\"");
    throw EStreamError("Cannot seek in \"" + fileName_ + "\". " + Reason(errno));
  }
  return result;
}

void TFileStream::SetSize(int64_t newSize) {
  const int64_t position = Position();
  if (newSize < 0 || ::ftruncate(handle_, newSize) != 0)
    throw EStreamError("Cannot change the size of \"" + fileName_ + "\". " +
                       Reason(newSize < 0 ? EINVAL : errno));
  if (position > newSize) Seek(0, soFromEnd);
}

// ---- TMemoryStream ----

namespace {

// No memory stream grows beyond this (1 TiB): larger sizes come only from corrupt lengths.
constexpr int64_t MaxMemorySize = (int64_t{1} << 40) - 1;

}  // namespace

// Grows or shrinks the contents, new bytes zero; running out of memory raises the
// framework's error and changes nothing.
void TMemoryStream::Resize(int64_t bytes) {
  if (bytes > MaxMemorySize) throw EOutOfMemory("Out of memory while expanding memory stream");
  const auto size = static_cast<std::size_t>(bytes);
  try {
    data_.Reserve(size);
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory("Out of memory while expanding memory stream");
  }
  if (size > data_.Size()) std::memset(data_.Data() + data_.Size(), 0, size - data_.Size());
  data_.SetSize(size);
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t size = Size();
  if (count <= 0 || position_ >= size) return 0;
  const int64_t n = std::min(count, size - position_);
  std::memcpy(buffer, data_.Data() + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

// Appending grows the block by half at least, so writing a stream a piece at a time is linear.
int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  if (count > std::numeric_limits<int64_t>::max() - position_)
    throw EWriteError("Stream write error");
  const int64_t end = position_ + count;
  if (end > Size()) {
    if (end > MaxMemorySize) throw EOutOfMemory("Out of memory while expanding memory stream");
    try {
      data_.ReserveMore(static_cast<std::size_t>(end) - data_.Size());
    } catch (const std::bad_alloc&) {
      throw EOutOfMemory("Out of memory while expanding memory stream");
    }
    // A gap left by seeking past the end reads as zeros.
    const int64_t size = Size();
    if (position_ > size)
      std::memset(data_.Data() + size, 0, static_cast<std::size_t>(position_ - size));
    data_.SetSize(static_cast<std::size_t>(end));
  }
  std::memcpy(data_.Data() + position_, buffer, static_cast<size_t>(count));
  position_ = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t base = origin == soFromCurrent ? position_ : origin == soFromEnd ? Size() : 0;
  if ((offset > 0 && base > std::numeric_limits<int64_t>::max() - offset) || base + offset < 0)
    throw EStreamError("Seek outside the memory stream");
  position_ = base + offset;
  return position_;
}

void TMemoryStream::SetSize(int64_t newSize) {
  if (newSize < 0) throw EStreamError("Invalid memory stream size");
  Resize(newSize);
  if (position_ > newSize) position_ = newSize;
}

void TMemoryStream::Clear() {
  data_.Release();
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
  stream.SetPosition(0);
  const int64_t size = stream.Size();
  TMemoryStream incoming;
  incoming.Resize(size);
  stream.ReadBuffer(incoming.Memory(), size);
  data_.Swap(incoming.data_);
  position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& stream) {
  stream.WriteBuffer(data_.Data(), Size());
}

void TMemoryStream::SaveToFile(const std::string& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

// ---- TStringStream ----

TStringStream::TStringStream(std::string_view data) {
  WriteString(data);
  SetPosition(0);
}

std::string TStringStream::DataString() const {
  return std::string(Bytes().begin(), Bytes().end());
}

std::string TStringStream::ReadString(int64_t count) {
  const int64_t available = std::max<int64_t>(0, Size() - Position());
  std::string text(static_cast<size_t>(std::clamp<int64_t>(count, 0, available)), '\0');
  Read(text.data(), static_cast<int64_t>(text.size()));
  return text;
}

void TStringStream::WriteString(std::string_view text) {
  Write(text.data(), static_cast<int64_t>(text.size()));
}

}  // namespace fw
