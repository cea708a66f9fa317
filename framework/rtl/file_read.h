// Reading files named from outside: only regular files are opened for reading, and a whole
// file is read to the size it had when opened, so a device or a pipe given as a file name can
// neither block a program nor fill its memory.
#pragma once

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

// The whole contents of a regular file, read up to the size it had when opened (bytes
// appended meanwhile are left for the next reader). Raises EFOpenError "Cannot open file
// \"<name>\". <reason>" when the file cannot be opened or is not a regular file, EFOpenError
// "... is too large" when it holds more than maxBytes, and EReadError when reading fails.
std::string ReadWholeFile(const std::string& fileName,
                          int64_t maxBytes = std::numeric_limits<int64_t>::max());

}  // namespace fw
