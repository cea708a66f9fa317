// The gallery's pages: each shows one showcase, either as a picture drawn into a bitmap or as
// live controls placed on a form. The program writes them as PNG files (headless) or shows
// them in windows.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/form.h"
#include "framework/graphics/bitmap.h"

namespace gallery {

struct Page {
  std::string name;   // file name without extension
  std::string title;  // one line shown above the page
  int width = 800;
  int height = 600;
  // A picture page draws itself into a bitmap of width x height (a window shows the picture).
  std::function<void(fw::TBitmap& page)> render;
  // A live page instead places its controls on a form of width x height, owned and parented
  // by the form; a window shows them working, the PNG file is the form painted headless.
  std::function<void(fw::TForm& form)> build = nullptr;
};

// A live page.
Page LivePage(std::string name, std::string title, int width, int height,
              std::function<void(fw::TForm& form)> build);

// Fills `form` with the page: a live page's controls, or a picture page's picture. The form
// takes the page's size and title.
void BuildPageForm(const Page& page, fw::TForm& form);
// The page as the PNG file shows it: a picture page drawn, a live page's form shown and
// painted on the headless backend (which is installed for the time of the call).
std::unique_ptr<fw::TBitmap> RenderPage(const Page& page);

// Every page of the gallery, in display order.
std::vector<Page> AllPages();

// The pages of one area, collected by AllPages.
std::vector<Page> CanvasPages();
std::vector<Page> GridPages();
std::vector<Page> MeterPages();
std::vector<Page> StdCtrlsPages();
std::vector<Page> LabelPages();
std::vector<Page> NumIOPages();
std::vector<Page> ReplistPages();
std::vector<Page> NTabEdPages();
std::vector<Page> IndicatorPages();
std::vector<Page> DisplayPages();
std::vector<Page> ButtonPages();
std::vector<Page> MiniCalPages();
std::vector<Page> FolderTreePages();
std::vector<Page> RowEditPages();
std::vector<Page> ColSelPages();
std::vector<Page> ThumbnailPages();
std::vector<Page> DesignPages();

// Writes a caption in the gallery's own small style at (x, y) on the page.
void Caption(fw::TCanvas* canvas, int x, int y, const std::string& text);
// Places a caption in that style at (x, y) on a live page's form.
void PlaceCaption(fw::TForm& form, int x, int y, const std::string& text);
// Places a control of class C at (x, y), w x h on a live page's form, lets `setup` set it up,
// and writes `caption` below it.
template <typename C, typename Setup>
C* PlaceCaptioned(fw::TForm& form, int x, int y, int w, int h, const std::string& caption,
                  Setup setup) {
  auto* control = new C(&form);
  control->SetBounds(x, y, w, h);
  control->SetParent(&form);
  setup(*control);
  PlaceCaption(form, x, y + h + 4, caption);
  return control;
}
// Runs `setup` when the form is first shown, with its windows made: for state that needs
// them, such as the focus, an open cell editor or a dropped-down list. Takes the form's
// OnShow.
void WhenFirstShown(fw::TForm& form, std::function<void()> setup);

}  // namespace gallery
