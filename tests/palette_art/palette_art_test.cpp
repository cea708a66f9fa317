// The palette bitmaps of the design-time package: the committed files against the code that
// draws them, their names and sizes, and the transparency rule (the bottom-left pixel's colour
// marks the background and nothing else).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "tools/palette_art/palette_icons.h"

namespace {

using palette_art::PaletteIcon;

const std::vector<PaletteIcon>& Icons() {
  static const std::vector<PaletteIcon> icons = palette_art::DrawPaletteIcons();
  return icons;
}

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fw::TPixel BottomLeft(const fw::TBitmap& image) {
  return image.ScanLine(image.Height() - 1)[0] & 0xFFFFFF;
}

TEST(PaletteArt, OneIconPerClassInPaletteOrderWithItsSize) {
  const std::vector<std::string> names = {
      "TMETER",      "TMARKSEL",        "TCOLSEL",         "TGRADFILL",  "TNTABED",
      "TNUMLAB",     "TNUMIO",          "TNUMIO2",         "TONOFFBUT",  "TMINICAL",
      "TROTLAB",     "TSEVENSEG",       "TPROGBAR",        "TRASTERLAB", "TFOLDERTREE",
      "TTHUMBNAILS", "TREPORTLISTVIEW", "TREPSPEEDBUTTON", "TRLDATA"};
  ASSERT_EQ(Icons().size(), names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(Icons()[i].name, names[i]);
    const int size = names[i] == "TFOLDERTREE" ? 28 : 24;
    EXPECT_EQ(Icons()[i].image->Width(), size) << names[i];
    EXPECT_EQ(Icons()[i].image->Height(), size) << names[i];
  }
}

// design/palette holds exactly the drawn icons, each file the drawing's 24-bit BMP byte for
// byte.
TEST(PaletteArt, CommittedFilesAreTheDrawing) {
  const std::filesystem::path folder = PANEKIT_PALETTE_DIR;
  std::set<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    files.insert(entry.path().filename().string());
  std::set<std::string> expected;
  for (const PaletteIcon& icon : Icons()) expected.insert(icon.name + ".bmp");
  EXPECT_EQ(files, expected);

  for (const PaletteIcon& icon : Icons()) {
    const std::vector<uint8_t> drawn = icon.image->SaveToBytes(fw::ImageFormat::Bmp);
    ASSERT_GE(drawn.size(), 54u);
    EXPECT_EQ(drawn[28], 24) << icon.name << ": not a 24-bit BMP";
    EXPECT_TRUE(ReadFile(folder / (icon.name + ".bmp")) == drawn)
        << icon.name << " differs from its drawing: run panekit-palette-art";
  }
}

// Drawn with two different keys, exactly the background changes: the key colour is never
// part of a picture, and the bottom-left pixel is background.
TEST(PaletteArt, KeyColourMarksTheBackgroundOnly) {
  const fw::TColor otherKey = fw::RGB(0x12, 0x34, 0x56);
  const std::vector<PaletteIcon> other = palette_art::DrawPaletteIcons(otherKey);
  const fw::TPixel key1 = fw::ColorToPixel(palette_art::kKeyColor);
  const fw::TPixel key2 = fw::ColorToPixel(otherKey);
  ASSERT_EQ(other.size(), Icons().size());
  for (size_t i = 0; i < other.size(); ++i) {
    const fw::TBitmap& a = *Icons()[i].image;
    const fw::TBitmap& b = *other[i].image;
    EXPECT_EQ(BottomLeft(a), key1) << Icons()[i].name;
    EXPECT_EQ(BottomLeft(b), key2) << Icons()[i].name;
    int wrong = 0;
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x) {
        const fw::TPixel pa = a.ScanLine(y)[x] & 0xFFFFFF, pb = b.ScanLine(y)[x] & 0xFFFFFF;
        const bool background = pa == key1 && pb == key2;
        const bool picture = pa == pb && pa != key1 && pb != key2;
        if (!background && !picture) ++wrong;
      }
    EXPECT_EQ(wrong, 0) << Icons()[i].name;
  }
}

// Every icon is a picture, not a speck: at least a fifth of it is drawn, and some background is
// left around it.
TEST(PaletteArt, EveryIconIsMostlyPicture) {
  for (const PaletteIcon& icon : Icons()) {
    const fw::TBitmap& image = *icon.image;
    const fw::TPixel key = BottomLeft(image);
    int drawn = 0;
    for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < image.Width(); ++x) drawn += (image.ScanLine(y)[x] & 0xFFFFFF) != key;
    const int area = image.Width() * image.Height();
    EXPECT_GE(drawn * 5, area) << icon.name;
    EXPECT_LT(drawn, area) << icon.name;
  }
}

}  // namespace
