// Reading files named from outside: only regular files are opened for reading, and a whole
// file is read to the size it had when opened, so a device or a pipe given as a file name can
// neither block a program nor fill its memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace fw {

// Opens fileName for reading. Symbolic links are followed; anything but a regular file (a
// directory, a device such as /dev/zero, a named pipe, a socket) is refused without waiting
// for a writer. Returns the open descriptor (blocking, closed on exec), or -1 with `reason`
// set to the text of why not and errno to the system's error (0 when the file exists but is
// not a regular file).
int OpenFileForReading(const std::string& fileName, std::string& reason);

// Reads a regular file from its start a piece at a time, up to the size it had when opened
// (bytes appended meanwhile are left for the next reader), so that a large file can be read
// without holding it whole. Opening raises what ReadWholeFile raises; reading raises
// EReadError.
class FileReader {
 public:
  explicit FileReader(const std::string& fileName,
                      int64_t maxBytes = std::numeric_limits<int64_t>::max());
  ~FileReader();
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  // The size the file had when opened.
  int64_t Size() const { return size_; }
  // Reads count bytes into buffer, fewer only at the end (also when the file shrank
  // meanwhile); returns how many.
  std::size_t Read(char* buffer, std::size_t count);
  // Reading starts again from the beginning.
  void Rewind();

 private:
  std::string fileName_;
  int handle_ = -1;
  int64_t size_ = 0;
  int64_t done_ = 0;
};

// The whole contents of a regular file, read up to the size it had when opened (bytes
// appended meanwhile are left for the next reader). Raises EFOpenError "Cannot open file
// \"<name>\". <reason>" when the file cannot be opened or is not a regular file, EFOpenError
// "... is too large" when it holds more than maxBytes, and EReadError when reading fails.
std::string ReadWholeFile(const std::string& fileName,
                          int64_t maxBytes = std::numeric_limits<int64_t>::max());

}  // namespace fw
