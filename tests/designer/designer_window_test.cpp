// The designer's window with the design package loaded: its palette, the file commands through
// the open dialog (answered by the test host), a damaged file refused on the status line with
// the document kept, and the preview running the form as a program would.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "apps/designer/demo_form.h"
#include "apps/designer/designer_window.h"
#include "apps/designer/palette_bar.h"
#include "framework/backend/headless/test_host.h"
#include "framework/design/package.h"
#include "framework/dialogs/open_dialog.h"
#include "framework/stdctrls/edit.h"

namespace designer {
namespace {

namespace fs = std::filesystem;

class DesignerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static fw::TDesignPackage package(PANEKIT_DSGN_BUILD_PATH);
    std::string pattern = (fs::temp_directory_path() / "designer-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    folder_ = fs::canonical(pattern);
    window_ = std::make_unique<TDesignerWindow>(nullptr);
  }
  void TearDown() override {
    window_.reset();
    fs::remove_all(folder_);
  }
  // The next open dialog is answered with `name` (in the test folder) and OK.
  void AnswerDialogWith(const std::string& name) {
    host_.OnModal([this, name](fw::TCustomForm& form) {
      auto& dialog = dynamic_cast<fw::TOpenDialogForm&>(form);
      dialog.ChangeDirectory(folder_.string());
      dialog.FileNameField()->SetText(name);
      form.SetModalResult(fw::mrOk);
    });
  }

  fw::TestHost host_;
  fs::path folder_;
  std::unique_ptr<TDesignerWindow> window_;
};

TEST_F(DesignerWindowTest, SavesAndOpensThroughTheDialogAndRefusesADamagedFile) {
  EXPECT_EQ(window_->Palette()->PageName(0), "ZEB-Gui");
  EXPECT_EQ(window_->Palette()->ButtonCount(), 19);
  BuildDemoForm(window_->Document());
  const std::string text = window_->Document().SaveToText();

  AnswerDialogWith("panel");  // the default extension is added
  ASSERT_TRUE(window_->SaveWithDialog());
  EXPECT_EQ(window_->FileName(), (folder_ / "panel.form").string());
  EXPECT_EQ(window_->Caption(), "panel.form - panekit designer");

  window_->NewForm();
  AnswerDialogWith("panel.form");
  ASSERT_TRUE(window_->OpenWithDialog());
  EXPECT_EQ(window_->Document().SaveToText(), text);

  // A file damaged on line 3 is reported with its line; the open form stays as it was.
  std::ofstream(folder_ / "broken.form") << "object Form1: TForm\n  Left = 0\n  Top = 'x\nend\n";
  EXPECT_FALSE(window_->OpenFile((folder_ / "broken.form").string()));
  EXPECT_NE(window_->StatusText().find("Line 3"), std::string::npos) << window_->StatusText();
  EXPECT_EQ(window_->Document().SaveToText(), text);
  EXPECT_EQ(window_->FileName(), (folder_ / "panel.form").string());

  host_.OnModal([](fw::TCustomForm& form) { form.SetModalResult(fw::mrCancel); });
  EXPECT_FALSE(window_->OpenWithDialog());  // cancelled: nothing changes
  EXPECT_EQ(window_->Document().SaveToText(), text);
}

TEST_F(DesignerWindowTest, PreviewRunsTheFormAsAProgramReadsIt) {
  BuildDemoForm(window_->Document());
  int components = -1;
  bool designing = true;
  host_.OnModal([&](fw::TCustomForm& form) {
    components = form.ComponentCount();
    designing = form.ComponentState().Contains(fw::csDesigning) ||
                form.Components(0)->ComponentState().Contains(fw::csDesigning);
  });
  window_->Preview();
  EXPECT_EQ(components, window_->Document().Root()->ComponentCount());
  EXPECT_FALSE(designing);
}

}  // namespace
}  // namespace designer
