// panekit-designer: a small form designer. It loads the design-time package (the components'
// palette and property editors), then opens its window; `--png FILE` renders the window
// headless into a picture instead.
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "apps/designer/demo_form.h"
#include "apps/designer/designer_window.h"
#include "framework/backend/headless/test_host.h"
#include "framework/controls/application.h"
#include "framework/controls/control_picture.h"
#include "framework/design/package.h"
#ifdef PANEKIT_HAVE_SDL
#include "framework/backend/sdl/sdl_backend.h"
#endif

namespace {

void Usage() {
  std::puts(
      "usage: panekit-designer [--package FILE]... [--demo] [--png FILE] [FORM]\n"
      "  --package FILE  load this design-time package (default: panekit_dsgn)\n"
      "  --demo          start with an example panel instead of an empty form\n"
      "  --png FILE      render the window into FILE headless instead of opening it\n"
      "  FORM            a form file to open");
}

// The package of the build tree when the program runs from there, else the one installed in
// the library folder beside the program's bin folder.
std::string DefaultPackage(const char* argv0) {
  if (std::filesystem::exists(PANEKIT_DSGN_BUILD_PATH)) return PANEKIT_DSGN_BUILD_PATH;
  std::error_code ec;
  auto self = std::filesystem::canonical("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0);
  const auto name = std::filesystem::path(PANEKIT_DSGN_BUILD_PATH).filename();
  for (const char* lib : {"lib", "lib64"}) {
    auto candidate = self.parent_path().parent_path() / lib / name;
    if (std::filesystem::exists(candidate)) return candidate.string();
  }
  return name.string();  // left to the dynamic loader's search path
}

struct Options {
  std::vector<std::string> packages;
  std::string png;
  std::string form;
  bool demo = false;
};

int RunWindow(designer::TDesignerWindow& window) {
#ifdef PANEKIT_HAVE_SDL
  window.Show();
  fw::Application->Run();
  return 0;
#else
  (void)window;
  std::fprintf(stderr, "panekit-designer: built without SDL2, no windows; use --png\n");
  return 1;
#endif
}

int Run(const Options& options) {
  std::vector<std::unique_ptr<fw::TDesignPackage>> packages;
  for (const std::string& path : options.packages)
    packages.push_back(std::make_unique<fw::TDesignPackage>(path));

  designer::TDesignerWindow window(nullptr);
  window.RefreshPalette();
  if (options.demo) designer::BuildDemoForm(window.Document());
  if (!options.form.empty() && !window.OpenFile(options.form)) {
    std::fprintf(stderr, "panekit-designer: %s\n", window.StatusText().c_str());
    if (!options.png.empty()) return 1;
  }
  if (!options.png.empty()) {
    fw::SaveControlPicture(window, options.png);
    return 0;
  }
  return RunWindow(window);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--package") == 0 && i + 1 < argc) {
      options.packages.push_back(argv[++i]);
    } else if (std::strcmp(argv[i], "--png") == 0 && i + 1 < argc) {
      options.png = argv[++i];
    } else if (std::strcmp(argv[i], "--demo") == 0) {
      options.demo = true;
    } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      Usage();
      return 0;
    } else if (argv[i][0] != '-' && options.form.empty()) {
      options.form = argv[i];
    } else {
      std::fprintf(stderr, "panekit-designer: unknown argument '%s'\n", argv[i]);
      Usage();
      return 2;
    }
  }
  if (options.packages.empty()) options.packages.push_back(DefaultPackage(argv[0]));
  try {
#ifdef PANEKIT_HAVE_SDL
    if (options.png.empty()) {
      fw::TSdlBackend backend;
      fw::SetBackend(&backend);
      struct Uninstall {
        ~Uninstall() { fw::SetBackend(nullptr); }
      } uninstall;
      return Run(options);
    }
#endif
    fw::TestHost host;  // the headless backend for --png
    return Run(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "panekit-designer: %s\n", e.what());
    return 1;
  }
}
