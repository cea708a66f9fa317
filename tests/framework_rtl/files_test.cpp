// Files and directories: path pieces, existence, creating and removing, and directory
// listing with hidden entries, links, special files and attribute masks.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <string>
#include <vector>

#include "files_temp_dir.h"
#include "framework/rtl/files.h"

namespace {

using namespace fw;
using testing_rtl::PermissionsApply;
using testing_rtl::TempDir;
using testing_rtl::WriteBytes;
using Names = std::vector<std::string>;

Names NamesOf(const std::vector<TSearchRec>& entries) {
  Names out;
  for (const auto& e : entries) out.push_back(e.Name);
  return out;
}

TEST(FilePaths, PiecesOfPaths) {
  struct Case {
    const char* path;
    const char* filePath;
    const char* dir;
    const char* name;
    const char* ext;
  } cases[] = {
      {"/home/u/pic.jpg", "/home/u/", "/home/u", "pic.jpg", ".jpg"},
      {"rel/a.b/file", "rel/a.b/", "rel/a.b", "file", ""},
      {"archive.tar.gz", "", "", "archive.tar.gz", ".gz"},
      {"/top", "/", "/", "top", ""},
      {"dir/", "dir/", "dir", "", ""},
      {".bashrc", "", "", ".bashrc", ".bashrc"},
      {"", "", "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.path), c.filePath) << c.path;
    EXPECT_EQ(ExtractFileDir(c.path), c.dir) << c.path;
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
  }
  EXPECT_EQ(ChangeFileExt("a/b.txt", ".csv"), "a/b.csv");
  EXPECT_EQ(ChangeFileExt("a.d/b", ".csv"), "a.d/b.csv");
  EXPECT_EQ(ChangeFileExt("b.txt", ""), "b");
  EXPECT_EQ(IncludeTrailingPathDelimiter("a"), "a/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("a/"), "a/");
  EXPECT_EQ(IncludeTrailingPathDelimiter(""), "");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("a/"), "a");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("a"), "a");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
  EXPECT_EQ(ExpandFileName("/a/b/../c/./d/"), "/a/c/d");
  EXPECT_EQ(ExpandFileName("/"), "/");
}

TEST(FilePaths, MaskMatching) {
  struct Case {
    const char* name;
    const char* mask;
    bool match;
  } cases[] = {{"a.jpg", "*.jpg", true},  {"a.jpeg", "*.jpg", false},
               {"a.JPG", "*.jpg", false}, {"noext", "*.*", true},
               {"", "*", true},           {"abc", "a?c", true},
               {"ac", "a?c", false},      {"a.b.c", "*.c", true},
               {"abcabd", "*abd", true},  {"x", "", true},
               {"xyz", "x*y*z*", true},   {"xy", "x*y*z", false}};
  for (const auto& c : cases)
    EXPECT_EQ(MatchesMask(c.name, c.mask), c.match) << c.name << " " << c.mask;
}

TEST(Files, ExistenceFollowsLinks) {
  TempDir dir;
  WriteBytes(dir / "file", "x");
  ASSERT_TRUE(CreateDir(dir / "sub"));
  symlink((dir / "file").c_str(), (dir / "to_file").c_str());
  symlink((dir / "sub").c_str(), (dir / "to_sub").c_str());
  symlink((dir / "gone").c_str(), (dir / "dangling").c_str());
  EXPECT_TRUE(FileExists(dir / "file"));
  EXPECT_TRUE(FileExists(dir / "to_file"));
  EXPECT_FALSE(FileExists(dir / "sub"));
  EXPECT_FALSE(FileExists(dir / "dangling"));
  EXPECT_FALSE(FileExists(""));
  EXPECT_TRUE(DirectoryExists(dir / "sub"));
  EXPECT_TRUE(DirectoryExists(dir / "sub/"));
  EXPECT_TRUE(DirectoryExists(dir / "to_sub"));
  EXPECT_FALSE(DirectoryExists(dir / "file"));
  EXPECT_FALSE(DirectoryExists(""));
}

TEST(Files, CreatingAndRemovingDirectories) {
  TempDir dir;
  EXPECT_TRUE(ForceDirectories(dir / "a/b/c/"));
  EXPECT_TRUE(DirectoryExists(dir / "a/b/c"));
  EXPECT_TRUE(ForceDirectories(dir / "a/b"));  // already there
  WriteBytes(dir / "plain", "x");
  EXPECT_FALSE(ForceDirectories(dir / "plain/sub"));
  EXPECT_FALSE(ForceDirectories(""));
  EXPECT_FALSE(CreateDir(dir / "a"));
  EXPECT_FALSE(CreateDir(dir / "x/y"));
  EXPECT_FALSE(RemoveDir(dir / "a"));  // not empty
  EXPECT_TRUE(RemoveDir(dir / "a/b/c"));
  EXPECT_FALSE(DirectoryExists(dir / "a/b/c"));
  EXPECT_FALSE(RemoveDir(dir / "plain"));
}

TEST(Files, DeletingAndRenamingNeverOverwrite) {
  TempDir dir;
  WriteBytes(dir / "a", "A");
  WriteBytes(dir / "b", "B");
  CreateDir(dir / "d");
  symlink((dir / "a").c_str(), (dir / "link").c_str());
  EXPECT_FALSE(RenameFile(dir / "a", dir / "b"));
  EXPECT_EQ(testing_rtl::ReadBytes(dir / "b"), "B");
  EXPECT_TRUE(RenameFile(dir / "b", dir / "c"));
  EXPECT_FALSE(FileExists(dir / "b"));
  EXPECT_FALSE(RenameFile(dir / "missing", dir / "e"));
  EXPECT_FALSE(DeleteFile(dir / "d"));
  EXPECT_TRUE(DeleteFile(dir / "link"));
  EXPECT_TRUE(FileExists(dir / "a"));  // the link went, not its target
  EXPECT_TRUE(DeleteFile(dir / "a"));
  EXPECT_FALSE(DeleteFile(dir / "a"));
}

TEST(Files, CurrentDirectoryChangesAndComesBack) {
  TempDir dir;
  const std::string before = GetCurrentDir();
  ASSERT_TRUE(SetCurrentDir(dir.Path()));
  EXPECT_EQ(GetCurrentDir(), ExpandFileName(dir.Path()));
  EXPECT_EQ(ExpandFileName("x/../y"), ExpandFileName(dir.Path()) + "/y");
  EXPECT_FALSE(SetCurrentDir(dir / "missing"));
  ASSERT_TRUE(SetCurrentDir(before));
}

// A directory with one entry of every kind.
class DirectoryListing : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(dir_ / "b.txt", "abc");
    WriteBytes(dir_ / "a.jpg", "1234567");
    WriteBytes(dir_ / ".hidden", "");
    WriteBytes(dir_ / "ro.txt", "r");
    chmod((dir_ / "ro.txt").c_str(), 0444);
    CreateDir(dir_ / "sub");
    WriteBytes(dir_ / "sub/inner.jpg", "");
    CreateDir(dir_ / ".cache");
    symlink((dir_ / "sub").c_str(), (dir_ / "link_dir").c_str());
    symlink((dir_ / "b.txt").c_str(), (dir_ / "link_file").c_str());
    symlink((dir_ / "nowhere").c_str(), (dir_ / "dangling").c_str());
    mkfifo((dir_ / "pipe").c_str(), 0644);
  }
  TempDir dir_;
};

TEST_F(DirectoryListing, AttributeMasksChooseSpecialEntries) {
  struct Case {
    int attr;
    const char* mask;
    Names names;
  } cases[] = {
      {faAnyFile,
       "*",
       {".cache", ".hidden", "a.jpg", "b.txt", "dangling", "link_dir", "link_file", "pipe",
        "ro.txt", "sub"}},
      {0, "*", {"a.jpg", "b.txt", "ro.txt"}},
      {faDirectory, "*.*", {"a.jpg", "b.txt", "ro.txt", "sub"}},
      {faDirectory | faSymLink,
       "*",
       {"a.jpg", "b.txt", "dangling", "link_dir", "link_file", "ro.txt", "sub"}},
      {faDirectory | faHidden, "*", {".cache", ".hidden", "a.jpg", "b.txt", "ro.txt", "sub"}},
      {faSysFile, "*", {"a.jpg", "b.txt", "pipe", "ro.txt"}},
      {faAnyFile, "*.jpg", {"a.jpg"}},
      {faAnyFile, "?.*", {"a.jpg", "b.txt"}},
      {faAnyFile, "*.none", {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NamesOf(ListDirectory(dir_.Path(), c.mask, c.attr)), c.names)
        << "attr " << c.attr << " mask " << c.mask;
}

TEST_F(DirectoryListing, EntriesCarryAttributesAndSizes) {
  struct Case {
    const char* name;
    int attr;
    int64_t size;
  } cases[] = {
      {".cache", faDirectory | faHidden, 0},
      {".hidden", faArchive | faHidden, 0},
      {"a.jpg", faArchive, 7},
      {"b.txt", faArchive, 3},
      {"dangling", faSymLink, 0},
      {"link_dir", faSymLink | faDirectory, 0},
      {"link_file", faSymLink | faArchive, 3},
      {"pipe", faSysFile, 0},
      {"ro.txt", faArchive | faReadOnly, 1},
      {"sub", faDirectory, 0},
  };
  const auto entries = ListDirectory(dir_.Path());
  ASSERT_EQ(entries.size(), std::size(cases));
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].Name, cases[i].name);
    EXPECT_EQ(entries[i].Attr, cases[i].attr) << cases[i].name;
    EXPECT_EQ(entries[i].Size, cases[i].size) << cases[i].name;
  }
}

TEST_F(DirectoryListing, ModificationTimeIsLocalTime) {
  std::tm local{};
  local.tm_year = 2004 - 1900, local.tm_mon = 1, local.tm_mday = 9;
  local.tm_hour = 14, local.tm_min = 5, local.tm_sec = 3, local.tm_isdst = -1;
  const std::time_t when = std::mktime(&local);
  const struct timeval times[2] = {{when, 0}, {when, 0}};
  ASSERT_EQ(utimes((dir_ / "a.jpg").c_str(), times), 0);
  const TDateTime expected = EncodeDateTime(2004, 2, 9, 14, 5, 3, 0);
  EXPECT_NEAR(ListDirectory(dir_.Path(), "a.jpg")[0].Time, expected, 1e-9);
  TDateTime age = 0;
  ASSERT_TRUE(FileAge(dir_ / "a.jpg", age));
  EXPECT_NEAR(age, expected, 1e-9);
  EXPECT_FALSE(FileAge(dir_ / "missing", age));
}

TEST_F(DirectoryListing, FindFirstWalksTheSameListing) {
  TSearchRec rec;
  Names found;
  for (int r = FindFirst(dir_ / "*.*", faDirectory, rec); r == 0; r = FindNext(rec))
    found.push_back(rec.Name + (rec.Attr & faDirectory ? "/" : ""));
  FindClose(rec);
  EXPECT_EQ(found, (Names{"a.jpg", "b.txt", "ro.txt", "sub/"}));
  EXPECT_NE(FindNext(rec), 0);  // closed
  EXPECT_EQ(FindFirst(dir_ / "*.none", faAnyFile, rec), ENOENT);
  EXPECT_NE(FindFirst(dir_ / "missing/*", faAnyFile, rec), 0);
  ASSERT_EQ(FindFirst(dir_ / "sub/*.jpg", faAnyFile, rec), 0);
  EXPECT_EQ(rec.Name, "inner.jpg");
  EXPECT_NE(FindNext(rec), 0);
}

TEST_F(DirectoryListing, UnreadableOrMissingDirectoriesListNothing) {
  std::vector<TSearchRec> entries{TSearchRec{}};
  EXPECT_EQ(ListDirectory(dir_ / "missing", "*", faAnyFile, entries), ENOENT);
  EXPECT_TRUE(entries.empty());
  EXPECT_NE(ListDirectory(dir_ / "b.txt", "*", faAnyFile, entries), 0);
  if (PermissionsApply()) {
    chmod((dir_ / "sub").c_str(), 0);
    EXPECT_EQ(ListDirectory(dir_ / "sub", "*", faAnyFile, entries), EACCES);
    EXPECT_TRUE(entries.empty());
  }
}

}  // namespace
