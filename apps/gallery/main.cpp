// panekit-gallery: shows every gallery page. `--out DIR` writes DIR/<page>.png and an overview
// DIR/index.html (the default, into ./gallery); `--window` opens the pages as real windows.
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

#include "apps/gallery/gallery.h"
#include "apps/gallery/overview.h"
#include "apps/gallery/viewer.h"

namespace {

void Usage() {
  std::puts(
      "usage: panekit-gallery [--out DIR] [--window [--page NAME]]\n"
      "  --out DIR     render every page into DIR/<page>.png and DIR/index.html (default "
      "./gallery)\n"
      "  --window      open the pages as windows; Page Up and Page Down switch pages\n"
      "  --page NAME   the page the windows start with");
}

int Fail(const char* message, const char* argument) {
  std::fprintf(stderr, "panekit-gallery: %s '%s'\n", message, argument);
  Usage();
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path out = "gallery";
  bool window = false;
  std::string firstPage;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
      out = argv[++i];
    } else if (std::strcmp(argv[i], "--window") == 0) {
      window = true;
    } else if (std::strcmp(argv[i], "--page") == 0 && i + 1 < argc) {
      firstPage = argv[++i];
    } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      Usage();
      return 0;
    } else {
      return Fail("unknown argument", argv[i]);
    }
  }
  try {
    auto pages = gallery::AllPages();
    if (window) {
      const int first = firstPage.empty() ? 0 : gallery::FindPage(pages, firstPage);
      if (first < 0) return Fail("no such page", firstPage.c_str());
      return gallery::RunWindows(std::move(pages), first);
    }
    const auto outcomes = gallery::WriteGallery(out, pages, stdout);
    for (const auto& outcome : outcomes)
      if (!outcome.error.empty()) return 1;
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "panekit-gallery: %s\n", e.what());
    return 1;
  }
}
