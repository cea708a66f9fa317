// The gallery's pages: each renders one showcase into a bitmap, which the program writes as a
// PNG file (headless) or shows in a window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"

namespace gallery {

struct Page {
  std::string name;   // file name without extension
  std::string title;  // one line shown above the page
  int width = 800;
  int height = 600;
  std::function<void(fw::TBitmap& page)> render;
};

// Every page of the gallery, in display order.
std::vector<Page> AllPages();

// The pages of one area, collected by AllPages.
std::vector<Page> CanvasPages();
std::vector<Page> GridPages();
std::vector<Page> MeterPages();
std::vector<Page> StdCtrlsPages();

// Writes a caption in the gallery's own small style at (x, y) on the page.
void Caption(fw::TCanvas* canvas, int x, int y, const std::string& text);

}  // namespace gallery
