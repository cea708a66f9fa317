// panekit-palette-art: draws the palette bitmaps of the design-time package and writes them as
// 24-bit BMP files into the folder given (design/palette of the source tree by default), or
// writes an enlarged contact sheet of them for looking at the artwork:
//   panekit-palette-art [folder]
//   panekit-palette-art --preview /tmp/palette.png [TMETER TROTLAB ...]
// Each bitmap's bottom-left pixel gives its transparent colour (see palette_icons.h).
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "framework/graphics/canvas.h"
#include "tools/palette_art/palette_icons.h"

#ifndef PANEKIT_PALETTE_DIR
#define PANEKIT_PALETTE_DIR "design/palette"
#endif

namespace {

constexpr int kScale = 8;
constexpr int kGap = 12;
constexpr int kLabelHeight = 16;
constexpr int kPerRow = 5;

void WriteIcons(const std::string& folder) {
  for (const palette_art::PaletteIcon& icon : palette_art::DrawPaletteIcons()) {
    const std::string path = folder + "/" + icon.name + ".bmp";
    icon.image->SaveToFile(path);
    std::printf("%s\n", path.c_str());
  }
}

// Each icon enlarged on a button face, and beside it at its real size on a light and a dark
// face, its name above.
void WritePreview(const std::string& path, const std::vector<std::string>& names) {
  std::vector<palette_art::PaletteIcon> icons = palette_art::DrawPaletteIcons();
  if (!names.empty())
    std::erase_if(icons, [&](const palette_art::PaletteIcon& icon) {
      return std::find(names.begin(), names.end(), icon.name) == names.end();
    });
  const int perRow = std::min(kPerRow, int(icons.size()));
  const int cell = 28 * kScale + 2 * 40 + 3 * kGap;
  const int rows = (int(icons.size()) + perRow - 1) / perRow;
  fw::TBitmap out(perRow * cell + kGap, rows * (28 * kScale + kLabelHeight + kGap) + kGap);
  fw::TCanvas* c = out.Canvas();
  c->Brush()->SetColor(fw::TColor(0xB0B0B0));
  c->FillRect(fw::Rect(0, 0, out.Width(), out.Height()));
  const fw::TPixel face = fw::ColorToPixel(fw::RGB(0xD4, 0xD0, 0xC8));
  const fw::TPixel dark = fw::ColorToPixel(fw::RGB(0x30, 0x30, 0x38));
  for (size_t i = 0; i < icons.size(); ++i) {
    const fw::TBitmap& image = *icons[i].image;
    const fw::TPixel key = image.ScanLine(image.Height() - 1)[0];
    const int left = kGap + int(i % perRow) * cell;
    const int top = kGap + int(i / perRow) * (28 * kScale + kLabelHeight + kGap);
    c->Brush()->SetStyle(fw::bsClear);
    c->TextOut(left, top, icons[i].name);
    auto Put = [&](int x0, int y0, int scale, fw::TPixel background) {
      for (int y = 0; y < image.Height() * scale; ++y)
        for (int x = 0; x < image.Width() * scale; ++x) {
          const fw::TPixel p = image.ScanLine(y / scale)[x / scale];
          out.ScanLine(y0 + y)[x0 + x] = p == key ? background : p;
        }
    };
    Put(left, top + kLabelHeight, kScale, face);
    const int small = left + 28 * kScale + kGap;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        out.ScanLine(top + kLabelHeight + y)[small + x] = face;
        out.ScanLine(top + kLabelHeight + y)[small + 40 + kGap + x] = dark;
      }
    Put(small + 6, top + kLabelHeight + 6, 1, face);
    Put(small + 40 + kGap + 6, top + kLabelHeight + 6, 1, dark);
  }
  out.SaveToFile(path);
  std::printf("%s\n", path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const bool preview = args.size() >= 2 && args[0] == "--preview";
  if (args.size() > 1 && !preview) {
    std::fprintf(stderr, "usage: %s [folder]\n       %s --preview <file.png> [NAME ...]\n", argv[0],
                 argv[0]);
    return 2;
  }
  try {
    if (preview)
      WritePreview(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    else
      WriteIcons(args.empty() ? std::string(PANEKIT_PALETTE_DIR) : args[0]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
