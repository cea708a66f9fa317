// Saving a file safely: the new contents go to a temporary file beside the target, which
// replaces the target only when everything was written, so a full disk, an error or a crash
// half-way never leaves a damaged or truncated file behind.
#pragma once

#include <string>
#include <string_view>

namespace fw {

// Writes FileName through a temporary file in the folder of the file that will be replaced.
// Commit makes the new contents the file's in one atomic rename; without Commit (an error, an
// exception) the temporary file is removed and the old file stays as it was.
//
// - A file the user made read-only (no write permission bit, or not writable for this
//   process) is refused and left alone, even when the folder would allow replacing it.
// - A symbolic link is followed: the file it points to (through any chain of links) is
//   replaced, in that file's folder, and the link stays a link.
// - Anything that is not a regular file (a folder, a device, a pipe) is refused.
// - A replaced file keeps its permission bits (and its owner and group where the process may
//   set them); a new file gets the usual permissions for new files.
// - The temporary name is short and fixed in length, so every name the file system accepts
//   can be saved.
// Errors raise EFCreateError "Cannot create file \"<FileName>\". <reason>" when saving cannot
// begin, and EInOutError naming FileName when writing or replacing fails ("Disk full: ..."
// when the disk is full).
class SafeFileWriter {
 public:
  explicit SafeFileWriter(std::string fileName);
  ~SafeFileWriter();
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  void Write(std::string_view text);
  void Commit();

  // The file that Commit replaces: FileName with its symbolic links resolved.
  const std::string& TargetName() const { return targetName_; }

 private:
  [[noreturn]] void Fail(const std::string& what, int error) const;
  [[noreturn]] void FailCreate(const std::string& reason) const;
  void CheckTarget();
  void CreateTemporary();
  void Discard() noexcept;

  std::string fileName_;
  std::string targetName_;
  std::string tempName_;
  int handle_ = -1;
};

}  // namespace fw
