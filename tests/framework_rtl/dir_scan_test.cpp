// ScanDirectory: the entries with their type bits, links and their targets, stopping early,
// and directories that cannot be read.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "framework/rtl/dir_scan.h"
#include "framework/rtl/files.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

struct TempDir {
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "dirscan-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path = pattern + "/";
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  std::string path;
};

TEST(ScanDirectory, ReportsEachEntryWithItsTypeBits) {
  TempDir t;
  ASSERT_FALSE(t.path.empty());
  fs::create_directory(t.path + "dir");
  fs::create_directory(t.path + ".hidden");
  std::ofstream(t.path + "file.txt") << "x";
  fs::create_directory_symlink(t.path + "dir", t.path + "to-dir");
  fs::create_symlink(t.path + "file.txt", t.path + "to-file");
  fs::create_symlink(t.path + "nowhere", t.path + "dangling");
  ::mkfifo((t.path + "pipe").c_str(), 0600);
  std::map<std::string, int> seen;
  EXPECT_EQ(ScanDirectory(t.path,
                          [&](const TDirEntry& e) {
                            seen[std::string(e.name)] = e.attr;
                            return true;
                          }),
            0);
  const std::map<std::string, int> expected{{"dir", faDirectory},
                                            {".hidden", faDirectory | faHidden},
                                            {"file.txt", faArchive},
                                            {"to-dir", faSymLink | faDirectory},
                                            {"to-file", faSymLink | faArchive},
                                            {"dangling", faSymLink},
                                            {"pipe", faSysFile}};
  EXPECT_EQ(seen, expected);
}

TEST(ScanDirectory, StopsWhenAskedAndReportsUnreadableDirectories) {
  TempDir t;
  for (const char* d : {"a", "b", "c"}) fs::create_directory(t.path + d);
  int visited = 0;
  ScanDirectory(t.path, [&](const TDirEntry&) { return ++visited < 2; });
  EXPECT_EQ(visited, 2);
  visited = 0;
  EXPECT_NE(ScanDirectory(t.path + "missing", [&](const TDirEntry&) { return ++visited > 0; }), 0);
  std::ofstream(t.path + "plain") << "x";
  EXPECT_NE(ScanDirectory(t.path + "plain", [&](const TDirEntry&) { return ++visited > 0; }), 0);
  EXPECT_EQ(visited, 0);
}

// On tmpfs, whose link counts tell subdirectories, an empty directory is known to hold none;
// one with any subdirectory (hidden ones too), and links, may.
TEST(ScanDirectory, HintsWhichDirectoriesMayHoldSubdirectories) {
  if (!fs::is_directory("/dev/shm")) GTEST_SKIP() << "no tmpfs at /dev/shm";
  std::string pattern = "/dev/shm/dirscan-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const std::string dir = pattern + "/";
  fs::create_directories(dir + "empty");
  fs::create_directories(dir + "full/sub");
  fs::create_directories(dir + "hiding/.sub");
  fs::create_directory_symlink(dir + "empty", dir + "link");
  std::map<std::string, bool> hints;
  ScanDirectory(
      dir,
      [&](const TDirEntry& e) {
        hints[std::string(e.name)] = e.mayHaveSubdirectories;
        return true;
      },
      true);
  fs::remove_all(dir);
  const std::map<std::string, bool> expected{
      {"empty", false}, {"full", true}, {"hiding", true}, {"link", true}};
  EXPECT_EQ(hints, expected);
}

}  // namespace
}  // namespace fw
