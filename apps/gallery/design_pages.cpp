// Gallery pages of the design-time pieces: the open dialog over a sample folder and, when the
// designer is built, its window with an example panel and the meter's properties.
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "apps/gallery/gallery.h"
#include "framework/controls/control_picture.h"
#include "framework/dialogs/open_dialog.h"
#ifdef PANEKIT_GALLERY_DESIGNER
#include "apps/designer/demo_form.h"
#include "apps/designer/designer_window.h"
#include "framework/design/package.h"
#endif

namespace gallery {
namespace {

using namespace fw;
namespace fs = std::filesystem;

// A folder of picture and text files below the temporary directory, gone with the object.
class SampleFiles {
 public:
  SampleFiles() {
    std::string pattern = (fs::temp_directory_path() / "panekit-gallery-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    root_ = pattern;
    std::error_code ec;
    for (const char* folder : {"Archive", "Sketches"}) fs::create_directory(root_ / folder, ec);
    for (const char* file : {"anchor_cap.bmp", "boiler_face.bmp", "dial_face.bmp",
                             "pump_station.bmp", "readme.txt", "scale_notes.txt"})
      std::ofstream(root_ / file) << "sample";
  }
  ~SampleFiles() {
    std::error_code ec;
    if (!root_.empty()) fs::remove_all(root_, ec);
  }
  SampleFiles(const SampleFiles&) = delete;
  SampleFiles& operator=(const SampleFiles&) = delete;
  const fs::path& Root() const { return root_; }

 private:
  fs::path root_;
};

void DrawControlOnPage(TControl& control, TBitmap& page, int x, int y) {
  std::unique_ptr<TBitmap> picture = RenderControl(control);
  page.Canvas()->Brush()->SetColor(clBtnShadow);
  page.Canvas()->FillRect(Rect(x + 4, y + 4, x + 4 + picture->Width(), y + 4 + picture->Height()));
  page.Canvas()->Draw(x, y, picture.get());
}

void RenderOpenDialog(TBitmap& page) {
  page.Canvas()->Brush()->SetColor(clAppWorkSpace);
  page.Canvas()->FillRect(Rect(0, 0, page.Width(), page.Height()));
  SampleFiles files;
  TOpenDialog dialog(nullptr);
  dialog.SetFilter("Windows Bitmap Files|*.bmp|All Files|*.*");
  dialog.SetFileName((files.Root() / "dial_face.bmp").string());
  TOpenDialogForm form(nullptr, dialog);
  form.SetCaption("Open");
  DrawControlOnPage(form, page, 20, 20);
}

#ifdef PANEKIT_GALLERY_DESIGNER
void RenderDesigner(TBitmap& page) {
  static TDesignPackage package(PANEKIT_DSGN_BUILD_PATH);
  designer::TDesignerWindow window(nullptr);
  window.RefreshPalette();
  designer::BuildDemoForm(window.Document());
  DrawControlOnPage(window, page, 0, 0);
}
#endif

}  // namespace

std::vector<Page> DesignPages() {
  std::vector<Page> pages;
  pages.push_back(Page{"dialogs_open", "Open dialog: folders first, files of the chosen filter",
                       500, 380, RenderOpenDialog});
#ifdef PANEKIT_GALLERY_DESIGNER
  pages.push_back(
      Page{"designer", "Form designer with an example panel", 1284, 804, RenderDesigner});
#endif
  return pages;
}

}  // namespace gallery
