// The gallery's pages as windows: one page's form shown at a time, Page Down and Page Up
// switch to the next and previous page, closing a page's window ends the program.
#pragma once

#include <memory>
#include <vector>

#include "apps/gallery/gallery.h"

namespace gallery {

class Viewer {
 public:
  explicit Viewer(std::vector<Page> pages);
  ~Viewer();
  Viewer(const Viewer&) = delete;
  Viewer& operator=(const Viewer&) = delete;

  // Hides the page shown and shows page `index` (wrapping around), at the same place; its
  // form is built the first time.
  void ShowPage(int index);
  int PageIndex() const { return current_; }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  // The page's form (nullptr until first shown).
  fw::TForm* Form(int index) const;
  fw::TForm* CurrentForm() const { return current_ < 0 ? nullptr : Form(current_); }

 private:
  void Build(int index);
  void KeyDown(uint16_t& key);

  std::vector<Page> pages_;
  std::vector<std::unique_ptr<fw::TForm>> forms_;
  int current_ = -1;
  // Page switches wait in the application's queue; they are dropped once the viewer is gone.
  std::shared_ptr<Viewer*> self_ = std::make_shared<Viewer*>(this);
};

// Opens the windowed backend and shows the pages from `first` until a window is closed.
// Answers the exit status; 1 with a message when there is no display or no windowed backend.
int RunWindows(std::vector<Page> pages, int first);

// The index of the page named `name` (-1: none).
int FindPage(const std::vector<Page>& pages, const std::string& name);

}  // namespace gallery
