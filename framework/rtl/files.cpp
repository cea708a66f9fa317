// Existence tests, directory and file changes, and path pieces, over std::filesystem with
// error codes so that no failure escapes as an exception.
#include "framework/rtl/files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace fw {

namespace fs = std::filesystem;

bool FileExists(const std::string& fileName) {
  std::error_code ec;
  const auto status = fs::status(fileName, ec);
  return !ec && fs::exists(status) && !fs::is_directory(status);
}

bool DirectoryExists(const std::string& directory) {
  std::error_code ec;
  return !directory.empty() && fs::is_directory(directory, ec);
}

bool ForceDirectories(const std::string& directory) {
  if (directory.empty()) return false;
  std::error_code ec;
  fs::create_directories(ExcludeTrailingPathDelimiter(directory), ec);
  return DirectoryExists(directory);
}

bool CreateDir(const std::string& directory) {
  return !directory.empty() && ::mkdir(directory.c_str(), 0777) == 0;
}

bool RemoveDir(const std::string& directory) {
  return !directory.empty() && ::rmdir(directory.c_str()) == 0;
}

bool DeleteFile(const std::string& fileName) {
  struct stat info {};
  if (fileName.empty() || ::lstat(fileName.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
    return false;
  return ::unlink(fileName.c_str()) == 0;
}

bool RenameFile(const std::string& oldName, const std::string& newName) {
  struct stat info {};
  if (oldName.empty() || newName.empty() || ::lstat(newName.c_str(), &info) == 0) return false;
  return ::rename(oldName.c_str(), newName.c_str()) == 0;
}

std::string GetCurrentDir() {
  std::error_code ec;
  const fs::path current = fs::current_path(ec);
  return ec ? std::string() : current.string();
}

bool SetCurrentDir(const std::string& directory) {
  return !directory.empty() && ::chdir(directory.c_str()) == 0;
}

std::string ExtractFilePath(const std::string& fileName) {
  const size_t slash = fileName.rfind(PathDelim);
  return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

std::string ExtractFileDir(const std::string& fileName) {
  const size_t slash = fileName.rfind(PathDelim);
  if (slash == std::string::npos) return std::string();
  return slash == 0 ? std::string(1, PathDelim) : fileName.substr(0, slash);
}

std::string ExtractFileName(const std::string& fileName) {
  const size_t slash = fileName.rfind(PathDelim);
  return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

std::string ExtractFileExt(const std::string& fileName) {
  const size_t dot = fileName.rfind('.');
  const size_t slash = fileName.rfind(PathDelim);
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return fileName.substr(dot);
}

std::string ChangeFileExt(const std::string& fileName, const std::string& extension) {
  const std::string ext = ExtractFileExt(fileName);
  return fileName.substr(0, fileName.size() - ext.size()) + extension;
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
  if (path.empty() || path.back() == PathDelim) return path;
  return path + PathDelim;
}

std::string ExcludeTrailingPathDelimiter(const std::string& path) {
  if (path.size() <= 1 || path.back() != PathDelim) return path;
  return path.substr(0, path.size() - 1);
}

std::string ExpandFileName(const std::string& fileName) {
  std::error_code ec;
  fs::path absolute = fs::absolute(fileName.empty() ? "." : fileName, ec);
  if (ec) return fileName;
  std::string result = absolute.lexically_normal().string();
  // lexically_normal keeps a trailing delimiter for "dir/."; drop it except for the root.
  return ExcludeTrailingPathDelimiter(result);
}

}  // namespace fw
