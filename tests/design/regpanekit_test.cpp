// The design-time package: what it registers when a designer loads it, the file-name editor
// of the meter's pictures (through the file dialog answered by the test host) and the
// palette bitmaps it carries.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

#include "design/ZEB_RegPanekit.h"
#include "framework/backend/headless/test_host.h"
#include "framework/controls/application.h"
#include "framework/design/package.h"
#include "framework/design/palette.h"
#include "framework/design/property_editor_registry.h"
#include "framework/dialogs/open_dialog.h"
#include "framework/graphics/bitmap.h"
#include "framework/stdctrls/edit.h"
#include "meter/ZEB_Meter.h"

namespace zeb {
namespace {

const std::vector<std::string> kPaletteOrder = {
    "TMeter",      "TMarkSel",        "TColSel",         "TGradFill",  "TNTabEd",
    "TNumLab",     "TNumIO",          "TNumIO2",         "TOnOffBut",  "TMiniCal",
    "TRotLab",     "TSevenSeg",       "TProgBar",        "TRasterLab", "TFolderTree",
    "TThumbnails", "TReportListView", "TRepSpeedButton", "TRLData"};

// The package, loaded once as the designer loads it.
const fw::TDesignPackage& Package() {
  static fw::TDesignPackage package(PANEKIT_DSGN_PATH);
  return package;
}

// A fresh folder below the temporary directory, removed with its files afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "regpanekit-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    path_ = std::filesystem::canonical(pattern);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string WriteBitmapFile(const std::filesystem::path& folder, const std::string& name) {
  fw::TBitmap bitmap;
  bitmap.SetSize(8, 8);
  std::string path = (folder / name).string();
  bitmap.SaveToFile(path);
  return path;
}

TEST(RegisterTest, PutsTheNineteenClassesOnOnePageInOrder) {
  ASSERT_EQ(Package().Pages(), std::vector<std::string>{"ZEB-Gui"});
  const fw::TPalettePage* page = fw::FindPalettePage("ZEB-Gui");
  ASSERT_NE(page, nullptr);
  std::vector<std::string> names;
  for (const fw::ClassRecord* record : page->classes) names.push_back(record->name);
  EXPECT_EQ(names, kPaletteOrder);
}

TEST(RegisterTest, BindsTheFileNameEditorToBothMeterPictures) {
  Package();
  int bindings = 0;
  for (const fw::TPropertyEditorBinding& b : fw::PropertyEditorBindings()) {
    if (b.editor.type != typeid(TFDFileNameProperty)) continue;
    ++bindings;
    EXPECT_EQ(b.kind, fw::TPropertyKind::String);
    ASSERT_NE(b.componentClass, nullptr);
    EXPECT_EQ(b.componentClass->name, "TMeter");
  }
  EXPECT_EQ(bindings, 2);
  // Registered as "BackgroundImg", it applies to BackGroundImg; other texts keep theirs.
  const fw::ClassRecord& meter = fw::FindClass("TMeter");
  for (const char* name : {"AnchorImage", "BackGroundImg", "Caption"}) {
    const fw::TPropertyEditorBinding* b =
        fw::FindPropertyEditorBinding(meter, *fw::FindProperty(meter, name));
    EXPECT_EQ(b != nullptr && b->editor.type == typeid(TFDFileNameProperty),
              std::string(name) != "Caption")
        << name;
  }
}

TEST(RegisterTest, PaletteBitmapsHaveTheirSizes) {
  Package();
  for (const std::string& name : kPaletteOrder) {
    fw::TBitmap bitmap;
    std::string resource = fw::UpperCase(name);
    bitmap.LoadFromResourceName(resource);
    const int side = resource == "TFOLDERTREE" ? 28 : 24;
    EXPECT_EQ(bitmap.Width(), side) << resource;
    EXPECT_EQ(bitmap.Height(), side) << resource;
  }
}

class FileNameEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Package();
    meter_ = new TMeter(host_.Form());
    const fw::ClassRecord& record = fw::FindClass("TMeter");
    anchor_ = fw::CreatePropertyEditor(nullptr, meter_, *fw::FindProperty(record, "AnchorImage"));
    background_ =
        fw::CreatePropertyEditor(nullptr, meter_, *fw::FindProperty(record, "backgroundimg"));
  }
  int ApplicationComponents() const { return fw::Application->ComponentCount(); }

  fw::TestHost host_;
  TMeter* meter_ = nullptr;
  std::unique_ptr<fw::TPropertyEditor> anchor_, background_;
  ScratchFolder scratch_;
  const std::filesystem::path& folder_ = scratch_.Path();
};

TEST_F(FileNameEditorTest, OffersTheDialogAndTakesTheConfirmedPath) {
  EXPECT_TRUE(anchor_->GetAttributes().Contains(fw::paDialog));
  EXPECT_TRUE(anchor_->GetAttributes().Contains(fw::paMultiSelect));  // the base's stay
  const std::string picture = WriteBitmapFile(folder_, "face.bmp");
  std::string filter, preset;
  host_.OnModal([&](fw::TCustomForm& form) {
    auto& dialog = dynamic_cast<fw::TOpenDialogForm&>(form);
    preset = dialog.FileNameField()->Text();
    dialog.ChangeDirectory(folder_.string());
    dialog.FileNameField()->SetText("face.bmp");
    form.SetModalResult(fw::mrOk);
  });
  const int before = ApplicationComponents();
  background_->Edit();
  EXPECT_EQ(preset, "");
  EXPECT_EQ(meter_->BackGroundImg(), picture);
  EXPECT_EQ(background_->GetValue(), picture);
  EXPECT_EQ(ApplicationComponents(), before);  // the dialog is gone
}

TEST_F(FileNameEditorTest, CancelOrAnExceptionLeavesTheValueAndFreesTheDialog) {
  const std::string picture = WriteBitmapFile(folder_, "anchor.bmp");
  anchor_->SetValue(picture);
  const int before = ApplicationComponents();
  std::string preset;
  host_.OnModal([&](fw::TCustomForm& form) {
    preset = dynamic_cast<fw::TOpenDialogForm&>(form).FileNameField()->Text();
    dynamic_cast<fw::TOpenDialogForm&>(form).FileNameField()->SetText("other.bmp");
    form.SetModalResult(fw::mrCancel);
  });
  anchor_->Edit();
  EXPECT_EQ(preset, "anchor.bmp");
  EXPECT_EQ(meter_->AnchorImage(), picture);
  background_->Edit();  // an empty value stays empty
  EXPECT_EQ(meter_->BackGroundImg(), "");

  host_.OnModal([](fw::TCustomForm&) { throw fw::EInvalidOperation("dialog failed"); });
  EXPECT_THROW(anchor_->Edit(), fw::EInvalidOperation);
  EXPECT_EQ(meter_->AnchorImage(), picture);
  EXPECT_EQ(ApplicationComponents(), before);
}

// A name whose file is gone is still offered to the dialog, in its folder.
TEST(FileNameEditorPresetTest, AMissingFileIsPresetInTheDialog) {
  fw::TestHost host;
  auto* edit = new fw::TEdit(host.Form());
  const fw::PropertyRecord& text = *fw::FindProperty(fw::FindClass("TEdit"), "Text");
  TFDFileNameProperty editor(nullptr, edit, text);
  ScratchFolder scratch;
  const std::filesystem::path& folder = scratch.Path();
  edit->SetText((folder / "gone.bmp").string());
  std::string preset, shown;
  host.OnModal([&](fw::TCustomForm& form) {
    auto& dialog = dynamic_cast<fw::TOpenDialogForm&>(form);
    preset = dialog.FileNameField()->Text();
    shown = dialog.Directory();
  });
  editor.Edit();
  EXPECT_EQ(preset, "gone.bmp");
  EXPECT_EQ(std::filesystem::path(shown), folder);
  EXPECT_EQ(edit->Text(), (folder / "gone.bmp").string());
}

}  // namespace
}  // namespace zeb
