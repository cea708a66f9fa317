// panekit-gallery: renders every gallery page. `--out DIR` writes DIR/<page>.png and an
// overview DIR/index.html (the default is ./gallery).
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "apps/gallery/gallery.h"

namespace {

void WriteIndex(const std::filesystem::path& dir, const std::vector<gallery::Page>& pages) {
  std::ofstream html(dir / "index.html");
  html << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>panekit gallery</title>"
          "</head>\n<body style=\"font-family:sans-serif;background:#ddd\">\n"
          "<h1>panekit gallery</h1>\n";
  for (const auto& page : pages) {
    html << "<h2>" << page.title << "</h2>\n<img src=\"" << page.name << ".png\" width=\""
         << page.width << "\" height=\"" << page.height << "\">\n";
  }
  html << "</body></html>\n";
}

int RenderAll(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  const auto pages = gallery::AllPages();
  int failures = 0;
  for (const auto& page : pages) {
    const auto file = dir / (page.name + ".png");
    try {
      fw::TBitmap bitmap(page.width, page.height);
      page.render(bitmap);
      bitmap.SaveToFile(file.string());
      std::printf("%-24s %s\n", page.name.c_str(), file.string().c_str());
    } catch (const std::exception& e) {
      ++failures;
      std::printf("%-24s FAILED: %s\n", page.name.c_str(), e.what());
    }
  }
  WriteIndex(dir, pages);
  std::printf("%zu pages, %d failed; overview: %s\n", pages.size(), failures,
              (dir / "index.html").string().c_str());
  return failures == 0 ? 0 : 1;
}

void Usage() {
  std::puts("usage: panekit-gallery [--out DIR]\n"
            "  --out DIR   render every page into DIR/<page>.png and DIR/index.html (default ./gallery)");
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path out = "gallery";
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
      out = argv[++i];
    } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      Usage();
      return 0;
    } else {
      std::fprintf(stderr, "panekit-gallery: unknown argument '%s'\n", argv[i]);
      Usage();
      return 2;
    }
  }
  try {
    return RenderAll(out);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "panekit-gallery: %s\n", e.what());
    return 1;
  }
}
