// The gallery's headless output: every page as DIR/<page>.png and an overview DIR/index.html
// showing them all with a contact sheet DIR/overview.png, and a one-line summary per page.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "apps/gallery/gallery.h"

namespace gallery {

struct PageOutcome {
  std::string name;
  std::string title;
  int width = 0;
  int height = 0;
  std::string error;  // empty: the file was written
};

// Renders every page into `dir` (created when missing) and writes the contact sheet and the
// overview; prints one line per page and a closing line to `summary`. Answers the outcome of each
// page.
std::vector<PageOutcome> WriteGallery(const std::filesystem::path& dir,
                                      const std::vector<Page>& pages, std::FILE* summary);

// The overview page: the contact sheet (overview.png) and every page's picture, in page order.
std::string OverviewHtml(const std::vector<PageOutcome>& outcomes);

// A contact sheet: every page shrunk to a thumbnail under its title, side by side in rows.
class ContactSheet {
 public:
  static constexpr int kThumbWidth = 240;
  static constexpr int kColumns = 4;
  void Add(const std::string& title, const fw::TBitmap& page);
  // The sheet (an empty 1 x 1 picture when nothing was added).
  std::unique_ptr<fw::TBitmap> Picture() const;

 private:
  struct Thumb {
    std::string title;
    std::unique_ptr<fw::TBitmap> picture;
  };
  std::vector<Thumb> thumbs_;
};

// Text made safe for HTML element content and attribute values.
std::string HtmlEscape(const std::string& text);

}  // namespace gallery
