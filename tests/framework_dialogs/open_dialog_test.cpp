// The open dialog: filters, the listing of a folder, and choosing through the modal form.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "framework/backend/headless/test_host.h"
#include "framework/dialogs/open_dialog.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/edit.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

TEST(FileFilterTest, ParsesPairsAndMatchesWildcards) {
  auto filters = ParseFileFilter("Bitmaps|*.bmp; *.DIB |All Files|*.*|Broken|");
  ASSERT_EQ(filters.size(), 3u);
  EXPECT_EQ(filters[0].description, "Bitmaps");
  EXPECT_EQ(filters[0].patterns, (std::vector<std::string>{"*.bmp", "*.DIB"}));
  EXPECT_TRUE(filters[2].patterns.empty());
  EXPECT_TRUE(ParseFileFilter("").empty());

  struct Case {
    const char* name;
    const char* pattern;
    bool matches;
  };
  const Case cases[] = {
      {"face.bmp", "*.bmp", true},
      {"FACE.BMP", "*.bmp", true},
      {"face.bmp.txt", "*.bmp", false},
      {"README", "*.*", true},
      {"a.b", "?.?", true},
      {"ab.b", "?.?", false},
      {"\xc3\x9c.x", "?.x", true},
      {"data_2024.csv", "data*20??.csv", true},
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*c", false},
      {"", "*", true},
      {"x", "", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MatchesMask(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

class OpenDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "opendialog-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    root_ = fs::canonical(pattern);
    for (const char* folder : {"zeta", "Alpha", ".hidden_dir"})
      fs::create_directory(root_ / folder);
    for (const char* file : {"b.bmp", "a.BMP", "notes.txt", ".secret.bmp", "zeta/inner.bmp"})
      std::ofstream(root_ / file) << "x";
    dialog_.SetFilter("Bitmaps|*.bmp|Texts|*.txt|All Files|*.*");
    dialog_.SetInitialDir(root_.string());
  }
  void TearDown() override { fs::remove_all(root_); }

  static std::vector<std::string> Names(const TOpenDialogForm& form) {
    std::vector<std::string> names;
    for (const TFileListEntry& e : form.Entries())
      names.push_back(e.folder ? e.name + "/" : e.name);
    return names;
  }

  TestHost host_;
  fs::path root_;
  TOpenDialog dialog_{nullptr};
};

TEST_F(OpenDialogTest, ListsFoldersFirstThenTheFilesOfTheFilter) {
  std::vector<std::vector<std::string>> seen;
  host_.OnModal([&](TCustomForm& form) {
    auto& d = dynamic_cast<TOpenDialogForm&>(form);
    seen.push_back(Names(d));
    d.SetFilterIndex(2);
    seen.push_back(Names(d));
    d.ChangeDirectory("zeta");
    d.SetFilterIndex(3);
    seen.push_back(Names(d));
    EXPECT_FALSE(d.ChangeDirectory("no such folder"));
    EXPECT_NE(d.Message().find("does not exist"), std::string::npos);
    EXPECT_EQ(d.Directory(), (root_ / "zeta").string());
  });
  EXPECT_FALSE(dialog_.Execute());
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], (std::vector<std::string>{"Alpha/", "zeta/", "a.BMP", "b.bmp"}));
  EXPECT_EQ(seen[1], (std::vector<std::string>{"Alpha/", "zeta/", "notes.txt"}));
  EXPECT_EQ(seen[2], (std::vector<std::string>{"inner.bmp"}));
}

TEST_F(OpenDialogTest, ConfirmGivesTheFullPathAndCancelChangesNothing) {
  // A click on a file puts its name in the field; Open confirms it.
  host_.OnModal([&](TCustomForm& form) {
    auto& d = dynamic_cast<TOpenDialogForm&>(form);
    d.FileNameField()->SetText("zeta/../b");
    form.SetModalResult(mrOk);
  });
  dialog_.SetDefaultExt("bmp");
  dialog_.SetOptions(dialog_.Options() + ofFileMustExist);
  ASSERT_TRUE(dialog_.Execute());
  EXPECT_EQ(dialog_.FileName(), (root_ / "b.bmp").string());
  EXPECT_EQ(dialog_.Files()->Count(), 1);

  host_.OnModal([&](TCustomForm& form) {
    dynamic_cast<TOpenDialogForm&>(form).FileNameField()->SetText("a.BMP");
    form.SetModalResult(mrCancel);
  });
  EXPECT_FALSE(dialog_.Execute());
  EXPECT_EQ(dialog_.FileName(), (root_ / "b.bmp").string());
}

TEST_F(OpenDialogTest, MissingFilesAreRefusedOnlyWhenTheyMustExist) {
  dialog_.SetFileName((root_ / "gone.bmp").string());  // preset although missing
  std::string preset;
  bool refused = false;
  host_.OnModal([&](TCustomForm& form) {
    auto& d = dynamic_cast<TOpenDialogForm&>(form);
    preset = d.FileNameField()->Text();
    refused = !d.Confirm() && !d.Message().empty();
    form.SetModalResult(mrOk);
  });
  dialog_.SetOptions({ofFileMustExist});
  EXPECT_FALSE(dialog_.Execute());
  EXPECT_EQ(preset, "gone.bmp");
  EXPECT_TRUE(refused);
  dialog_.SetOptions({});
  EXPECT_TRUE(dialog_.Execute());  // a name to save under, say
  EXPECT_EQ(dialog_.FileName(), (root_ / "gone.bmp").string());
}

TEST_F(OpenDialogTest, AnExceptionInsideLeavesNothingBehind) {
  host_.OnModal([](TCustomForm&) { throw EInvalidOperation("script failed"); });
  dialog_.SetFileName("kept.bmp");
  EXPECT_THROW(dialog_.Execute(), EInvalidOperation);
  EXPECT_EQ(dialog_.FileName(), "kept.bmp");
}

}  // namespace
}  // namespace fw
