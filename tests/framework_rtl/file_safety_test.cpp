// Files from outside: every way of reading refuses devices, pipes and folders without waiting,
// and a safe save keeps the old file through every failure, follows links and keeps the
// replaced file's permissions.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "files_temp_dir.h"
#include "framework/graphics/bitmap.h"
#include "framework/rtl/file_read.h"
#include "framework/rtl/safe_save.h"
#include "framework/rtl/streams.h"
#include "framework/rtl/textfile.h"

namespace {

using testing_rtl::ReadBytes;
using testing_rtl::TempDir;
using testing_rtl::WriteBytes;

TEST(FileReading, OnlyRegularFilesAreRead) {
  TempDir dir;
  const std::string pipe = dir / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::vector<std::pair<const char*, std::function<void(const std::string&)>>> readers = {
      {"file stream", [](const std::string& f) { fw::TFileStream s(f, fw::fmOpenRead); }},
      {"text file",
       [](const std::string& f) {
         fw::TextFile t;
         t.Assign(f);
         t.Reset();
       }},
      {"whole file", [](const std::string& f) { fw::ReadWholeFile(f); }},
      {"picture", [](const std::string& f) { fw::TBitmap().LoadFromFile(f); }},
  };
  for (const std::string& name : {std::string("/dev/zero"), pipe, dir.Path()}) {
    for (const auto& [what, read] : readers) {
      SCOPED_TRACE(std::string(what) + " " + name);
      EXPECT_THROW(read(name), fw::EInOutError);
    }
  }
  // A regular file is read to its size, and a size above the caller's limit is refused.
  WriteBytes(dir / "ten", "0123456789");
  EXPECT_EQ(fw::ReadWholeFile(dir / "ten"), "0123456789");
  EXPECT_THROW(fw::ReadWholeFile(dir / "ten", 9), fw::EFOpenError);
}

TEST(SafeSave, TheOldFileStaysUntilCommitAndKeepsItsPermissions) {
  TempDir dir;
  const std::string file = dir / "data.txt";
  WriteBytes(file, "old");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  try {
    fw::SafeFileWriter writer(file);
    writer.Write("half");
    throw std::runtime_error("stopped");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(ReadBytes(file), "old");
  {
    fw::SafeFileWriter writer(file);
    writer.Write("new");
    writer.Commit();
  }
  EXPECT_EQ(ReadBytes(file), "new");
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  // Nothing but the file is left in the folder.
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    entries += !entry.is_directory();
  EXPECT_EQ(entries, 1);
}

TEST(SafeSave, LinksAreFollowedAndWhatCannotBeReplacedIsRefused) {
  TempDir dir;
  // A dangling link: saving creates the file it names.
  ASSERT_EQ(::symlink("created.txt", (dir / "dangling").c_str()), 0);
  {
    fw::SafeFileWriter writer(dir / "dangling");
    EXPECT_EQ(writer.TargetName(), dir / "created.txt");
    writer.Write("x");
    writer.Commit();
  }
  EXPECT_EQ(ReadBytes(dir / "created.txt"), "x");
  // A loop of links, a folder, a pipe and a read-only file are refused before anything is
  // written.
  ASSERT_EQ(::symlink("loop2", (dir / "loop1").c_str()), 0);
  ASSERT_EQ(::symlink("loop1", (dir / "loop2").c_str()), 0);
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  WriteBytes(dir / "locked.png", "old");
  ASSERT_EQ(::chmod((dir / "locked.png").c_str(), 0444), 0);
  for (const std::string& name : {dir / "loop1", dir.Path(), dir / "pipe", dir / "locked.png"}) {
    SCOPED_TRACE(name);
    EXPECT_THROW(fw::SafeFileWriter writer(name), fw::EFCreateError);
  }
  EXPECT_EQ(ReadBytes(dir / "locked.png"), "old");
  fw::TBitmap picture;
  picture.SetSize(2, 2);
  EXPECT_THROW(picture.SaveToFile(dir / "locked.png"), fw::EInOutError);
}

}  // namespace
