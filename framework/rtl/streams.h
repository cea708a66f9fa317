// Byte streams as the platform's components use them: the abstract TStream, files, memory
// blocks and strings, with the platform's stream errors.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/rtl/byte_block.h"
#include "framework/rtl/exceptions.h"

namespace fw {

// Stream failures. Every one is an EInOutError, so callers that only care about "the file
// operation failed" catch that.
class EStreamError : public EInOutError {
 public:
  using EInOutError::EInOutError;
};
class EFileStreamError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
// "Cannot open file \"<path>\". <reason>"
class EFOpenError : public EFileStreamError {
 public:
  using EFileStreamError::EFileStreamError;
};
// "Cannot create file \"<path>\". <reason>" (fmCreate)
class EFCreateError : public EFileStreamError {
 public:
  using EFileStreamError::EFileStreamError;
};
// ReadBuffer got fewer bytes than asked for.
class EReadError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
// WriteBuffer could not write every byte.
class EWriteError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

enum TSeekOrigin : uint16_t { soFromBeginning = 0, soFromCurrent = 1, soFromEnd = 2 };

// File open modes: one access mode, optionally or-ed with a share mode. Share modes are
// accepted for compatibility and have no effect on POSIX systems.
constexpr uint16_t fmCreate = 0xFF00;  // create or truncate, read and write
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;

class TStream {
 public:
  virtual ~TStream() = default;
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;

  // Reads up to count bytes; returns how many were read (0 at the end).
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  // Writes up to count bytes; returns how many were written.
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Moves the position; returns the new position. A position before the beginning raises
  // EStreamError; one past the end is allowed (a later write fills the gap with zeros).
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  virtual int64_t Size();
  // Changes the size; a position beyond the new end moves to the end.
  virtual void SetSize(int64_t newSize) = 0;

  int64_t Position() { return Seek(0, soFromCurrent); }
  void SetPosition(int64_t position) { Seek(position, soFromBeginning); }

  // Exactly count bytes or EReadError "Stream read error".
  void ReadBuffer(void* buffer, int64_t count);
  // Exactly count bytes or EWriteError "Stream write error".
  void WriteBuffer(const void* buffer, int64_t count);
  // Copies count bytes from source's position; count 0 copies the whole source from its
  // beginning. Returns the bytes copied; a short source raises EReadError.
  int64_t CopyFrom(TStream& source, int64_t count);
};

// A file opened by path. The descriptor closes with the object.
class TFileStream : public TStream {
 public:
  TFileStream(const std::string& fileName, uint16_t mode);
  ~TFileStream() override;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;

  const std::string& FileName() const { return fileName_; }

 private:
  std::string fileName_;
  int handle_ = -1;
};

// A growable block of memory, of at most 2^40 - 1 bytes; growing beyond that, or beyond
// what can be allocated, raises EOutOfMemory.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(data_.Size()); }
  void SetSize(int64_t newSize) override;

  uint8_t* Memory() { return reinterpret_cast<uint8_t*>(data_.Data()); }
  const uint8_t* Memory() const { return reinterpret_cast<const uint8_t*>(data_.Data()); }
  void Clear();
  // Replace the contents with the whole of stream / file; the position goes to 0.
  void LoadFromStream(TStream& stream);
  void LoadFromFile(const std::string& fileName);
  // Write the whole contents (independent of the position).
  void SaveToStream(TStream& stream);
  void SaveToFile(const std::string& fileName);

 protected:
  std::span<const uint8_t> Bytes() const { return {Memory(), data_.Size()}; }

 private:
  // The size becomes `bytes`; bytes added are zeros.
  void Resize(int64_t bytes);

  ByteBlock data_;
  int64_t position_ = 0;
};

// A memory stream over the bytes of a string.
class TStringStream : public TMemoryStream {
 public:
  explicit TStringStream(std::string_view data = {});

  std::string DataString() const;
  // Up to count bytes from the position, as a string.
  std::string ReadString(int64_t count);
  void WriteString(std::string_view text);
};

}  // namespace fw
