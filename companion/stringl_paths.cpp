// Folder paths: a trailing delimiter, the parent folder and the existence of a folder.
#include "companion/ZEB_stringl.h"
#include "framework/rtl/files.h"

namespace zeb {

std::string EnsureTrailingBkSlash(std::string_view S) {
  std::string result(S);
  if (result.empty() || result.back() != fw::PathDelim) result += fw::PathDelim;
  return result;
}

bool DirExists(const std::string& Path) {
  return !Path.empty() && fw::DirectoryExists(Path);
}

std::string ParentDir(std::string_view Path) {
  // Drop the delimiters that end the path, then the last name.
  while (!Path.empty() && Path.back() == fw::PathDelim) Path.remove_suffix(1);
  const std::size_t cut = Path.find_last_of(fw::PathDelim);
  if (Path.empty() || cut == std::string_view::npos) return {};
  Path = Path.substr(0, cut + 1);
  // "/a//b" gives "/a/", and "/b" the root "/".
  while (Path.size() > 1 && Path[Path.size() - 2] == fw::PathDelim) Path.remove_suffix(1);
  return std::string(Path);
}

}  // namespace zeb
