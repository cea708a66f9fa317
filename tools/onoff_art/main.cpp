// panekit-onoff-art: draws the on/off button's picture sheets and writes them as PNG files
// into the folder given (resources/ of the source tree), or writes an enlarged contact sheet
// of them (all, or the ones named) for looking at the artwork:
//   panekit-onoff-art resources
//   panekit-onoff-art --preview /tmp/onoff_preview.png [CHECKBOX BULB ...]
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/onoff_art/contact_sheet.h"
#include "tools/onoff_art/onoff_sheets.h"

namespace {

constexpr int kPreviewScale = 6;

void WriteSheets(const std::string& folder) {
  for (const onoff_art::SheetImage& s : onoff_art::DrawOnOffSheets()) {
    const std::string path = folder + "/" + s.name + ".png";
    s.image->SaveToFile(path);
    std::printf("%s\n", path.c_str());
  }
}

void WritePreview(const std::string& path, const std::vector<std::string>& names) {
  std::vector<onoff_art::SheetImage> sheets = onoff_art::DrawOnOffSheets();
  if (!names.empty())
    std::erase_if(sheets, [&](const onoff_art::SheetImage& s) {
      return std::find(names.begin(), names.end(), s.name) == names.end();
    });
  onoff_art::ContactSheet(sheets, kPreviewScale)->SaveToFile(path);
  std::printf("%s\n", path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const bool preview = args.size() >= 2 && args[0] == "--preview";
  if (args.size() != 1 && !preview) {
    std::fprintf(stderr, "usage: %s <folder>\n       %s --preview <file.png> [NAME ...]\n", argv[0],
                 argv[0]);
    return 2;
  }
  try {
    if (preview)
      WritePreview(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    else
      WriteSheets(args[0]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
