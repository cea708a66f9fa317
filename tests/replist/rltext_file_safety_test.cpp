// Report list files as users meet them: devices and pipes given as file names, read-only
// files, symbolic links and very long names when saving, and a CSV text that begins with a
// byte order mark of its own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/rtl/exceptions.h"
#include "replist/ZEB_replist.h"
#include "rldata_test_support.h"
#include "rltext_test_support.h"

namespace {

// Every reader refuses, at once and with an error naming the file, what is not a regular
// file: reading /dev/zero would never end and opening a pipe would wait for a writer forever.
TEST(RLTextFileSafety, DevicesPipesAndFoldersAreRefusedByEveryReader) {
  rltest::ScratchDir dir;
  const std::string pipe = dir.File("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string folder = dir.File("folder");
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  const std::vector<std::pair<const char*, std::function<void(zeb::TRLData&, const std::string&)>>>
      readers = {
          {"CSV",
           [](zeb::TRLData& s, const std::string& f) { s.ImportCSV(f, zeb::csvAuto, true); }},
          {"lines", [](zeb::TRLData& s, const std::string& f) { s.LoadLinesFromFile(1, 1, f); }},
          {"XML", [](zeb::TRLData& s, const std::string& f) { s.LoadFromXMLFile(f, ""); }},
          {"check", [](zeb::TRLData&, const std::string& f) { zeb::CheckIfValidReplist(f, ""); }},
      };
  for (const std::string& name : {std::string("/dev/zero"), pipe, folder}) {
    for (const auto& [what, read] : readers) {
      SCOPED_TRACE(std::string(what) + " " + name);
      auto store = rltest::MakeStore({{"keep"}});
      const std::string before = rltest::Dump(*store);
      try {
        read(*store, name);
        ADD_FAILURE() << "no error";
      } catch (const fw::EInOutError& e) {
        EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
      }
      EXPECT_EQ(rltest::Dump(*store), before);
    }
  }
}

struct Saver {
  const char* what;
  std::function<void(zeb::TRLData&, const std::string&)> save;
};

std::vector<Saver> Savers() {
  return {
      {"XML", [](zeb::TRLData& s, const std::string& f) { s.SaveAsXMLFile(f, "id"); }},
      {"CSV",
       [](zeb::TRLData& s, const std::string& f) { s.ExportCSV(f, zeb::csvComma, true, false); }},
      {"HTML",
       [](zeb::TRLData& s, const std::string& f) {
         s.ExportHTMLTable(f, 1, 1, 1, 1, {}, 0, 0, 0, true, "t", "", "");
       }},
  };
}

TEST(RLTextFileSafety, AReadOnlyFileIsRefusedAndLeftAlone) {
  rltest::ScratchDir dir;
  auto store = rltest::MakeStore({{"new"}});
  for (const Saver& saver : Savers()) {
    SCOPED_TRACE(saver.what);
    const std::string file = dir.File(std::string("locked.") + saver.what);
    rltest::WriteFile(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    try {
      saver.save(*store, file);
      ADD_FAILURE() << "no error";
    } catch (const fw::EInOutError& e) {
      EXPECT_NE(std::string(e.what()).find("read-only"), std::string::npos) << e.what();
    }
    EXPECT_EQ(rltest::ReadFile(file), "old");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0444u);
  }
  EXPECT_EQ(dir.Entries().size(), Savers().size()) << "a temporary file was left behind";
}

// Saving through a link writes the file it points to (here in another folder, through a
// relative link and a second link), and the links stay links.
TEST(RLTextFileSafety, SavingThroughALinkWritesItsTarget) {
  rltest::ScratchDir dir;
  ASSERT_EQ(::mkdir(dir.File("real").c_str(), 0700), 0);
  auto store = rltest::MakeStore({{"new"}});
  for (const Saver& saver : Savers()) {
    SCOPED_TRACE(saver.what);
    const std::string target = dir.File(std::string("real/data.") + saver.what);
    const std::string link = dir.File(std::string("link.") + saver.what);
    const std::string outer = dir.File(std::string("outer.") + saver.what);
    rltest::WriteFile(target, "old");
    ASSERT_EQ(::symlink((std::string("real/data.") + saver.what).c_str(), link.c_str()), 0);
    ASSERT_EQ(::symlink(link.c_str(), outer.c_str()), 0);
    saver.save(*store, outer);
    struct stat info {};
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(::lstat(outer.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_NE(rltest::ReadFile(target).find("new"), std::string::npos);
  }
}

TEST(RLTextFileSafety, TheLongestNamesCanBeSaved) {
  rltest::ScratchDir dir;
  auto store = rltest::MakeStore({{"new"}});
  for (const Saver& saver : Savers()) {
    for (const std::size_t length : {249u, 255u}) {
      SCOPED_TRACE(std::string(saver.what) + " " + std::to_string(length));
      const std::string suffix = std::string(".") + saver.what;
      const std::string file = dir.File(std::string(length - suffix.size(), 'n') + suffix);
      saver.save(*store, file);
      EXPECT_NE(rltest::ReadFile(file).find("new"), std::string::npos);
      saver.save(*store, file);  // and replaced
    }
  }
}

// A text beginning with U+FEFF in the first field of the file survives export and import.
TEST(RLTextFileSafety, ALeadingByteOrderMarkInTheDataSurvivesTheRoundTrip) {
  rltest::ScratchDir dir;
  const std::string bom = "\xEF\xBB\xBF";
  auto store = rltest::MakeStore({{bom, bom + "x"}, {"y", bom}});
  store->SetColName(1, bom + "name");
  for (const bool names : {false, true}) {
    store->ExportCSV(dir.File("bom.csv"), zeb::csvComma, names, false);
    zeb::TRLData again(nullptr);
    again.ImportCSV(dir.File("bom.csv"), zeb::csvAuto, names);
    EXPECT_EQ(rltest::Column(again, 1), rltest::Column(*store, 1));
    EXPECT_EQ(rltest::Column(again, 2), rltest::Column(*store, 2));
    if (names) {
      EXPECT_EQ(again.GetColName(1), bom + "name");
    }
  }
}

}  // namespace
