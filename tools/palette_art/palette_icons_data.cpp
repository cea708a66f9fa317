// The palette icons of the browsing and data components: the month calendar, the folder tree,
// the thumbnail strip, the report list and its data store.
#include <cmath>

#include "tools/palette_art/palette_icons.h"

namespace palette_art {

namespace {

// A closed yellow folder, 10 x 8, its top-left corner at (x, y).
void Folder(Painter& p, int x, int y) {
  p.Sprite(x, y,
           {".dddd.....", "dllllddddd", "dlyyyyyyyd", "dyyyyyyyyd", "dyyyyyyyyd", "dyyyyyyyyd",
            "dooooooood", "dddddddddd"},
           {{'d', 0x7A5A00}, {'l', 0xFFF2A8}, {'y', 0xF6CC3C}, {'o', 0xD8A418}});
}

// A framed thumbnail with its drop shadow: frame 10 x 10, picture 8 x 8 inside.
void Thumbnail(Painter& p, int x, int y, std::initializer_list<std::string_view> picture) {
  p.Frame(x, y, x + 9, y + 9, kDark);
  p.VLine(x + 10, y + 1, y + 10, kShadow);
  p.HLine(x + 1, x + 10, y + 10, kShadow);
  p.Sprite(x + 1, y + 1, picture,
           {{'s', 0x8CC8F8},
            {'S', 0x5AA0E8},
            {'g', 0x48B040},
            {'G', 0x2A7A24},
            {'y', 0xFFE040},
            {'w', kWhite},
            {'m', 0x8A8A98},
            {'b', 0x2060C0},
            {'t', 0x7A4A20},
            {'o', 0xF09030}});
}

}  // namespace

void PaintMiniCal(Painter& p) {
  // The page with a red header and two binder rings.
  p.Fill(1, 3, 22, 22, kWhite);
  p.VGradient(1, 3, 22, 7, 0xF04040, 0xA00000);
  p.Frame(0, 2, 23, 22, kDark);
  p.HLine(1, 23, 23, kShadow);
  for (int x : {6, 16}) {
    p.Fill(x, 0, x + 1, 4, kShadow);
    p.Px(x, 0, kFace);
    p.Px(x + 1, 4, kDark);
  }
  // The month's name in white on the header.
  p.HLine(8, 15, 5, kWhite);
  p.HLine(9, 14, 6, 0xFFB0B0);
  // Weekday names, then the days: seven columns, the first row starting on Wednesday.
  for (int col = 0; col < 7; ++col) p.HLine(2 + 3 * col, 3 + 3 * col, 9, 0xA00000);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 7; ++col) {
      if (row == 0 && col < 2) continue;
      const int x = 2 + 3 * col, y = 11 + 3 * row;
      p.Fill(x, y, x + 1, y + 1, col >= 5 ? 0xC04040 : 0x505050);
    }
  // Today, framed in red.
  p.Frame(7, 13, 10, 16, 0xE00000);
}

void PaintFolderTree(Painter& p) {
  // The dotted lines joining the root to its two children.
  p.DottedVLine(4, 10, 22, kShadow);
  p.DottedHLine(6, 8, 14, kShadow);
  p.DottedHLine(6, 8, 22, kShadow);
  // The folders, each with its name beside it; the last child selected.
  Folder(p, 1, 1);
  p.HLine(13, 25, 4, kDark);
  Folder(p, 9, 10);
  p.HLine(21, 26, 13, kDark);
  Folder(p, 9, 19);
  p.Fill(20, 20, 27, 24, kNavy);
  p.HLine(21, 25, 22, kWhite);
}

void PaintThumbnails(Painter& p) {
  // Four framed pictures: hills under the sun (selected), mountains, the sea, a tree.
  Thumbnail(p, 1, 1,
            {"sssssyys", "ssssyyyy", "ssssyyyy", "sgsssyys", "gggsssgg", "gggggggg", "GgggggGg",
             "GGGGggGG"});
  Thumbnail(p, 13, 1,
            {"SSSSSSSS", "SSSwSSSS", "SSwwmSSS", "SwmmmmwS", "wmmmmmmm", "mmmmmmmm", "gggggggg",
             "GGGGGGGG"});
  Thumbnail(p, 1, 13,
            {"ssssssss", "ssssoyss", "sssoyyos", "ssssssss", "bbbbbbbb", "bbwbbbbb", "bbbbbbwb",
             "bbbbbbbb"});
  Thumbnail(p, 13, 13,
            {"ssssssss", "sssGgsss", "ssGgggss", "sGgggggs", "ssGgggss", "ssssttss", "gggttggg",
             "GGGGGGGG"});
  // The selected one framed in the selection colour.
  p.Frame(0, 0, 11, 11, kNavy);
}

void PaintReportListView(Painter& p) {
  // The list with its header of two columns.
  p.Fill(1, 1, 22, 22, kWhite);
  p.Frame(1, 1, 22, 22, kDark);
  p.Raised(2, 2, 12, 6);
  p.Raised(13, 2, 21, 6);
  p.HLine(4, 9, 4, kBlack);
  p.HLine(15, 18, 4, kBlack);
  // Rows: a check box and the text of two columns; the second row highlighted.
  for (int row = 0; row < 3; ++row) {
    const int y = 8 + row * 5;
    const bool selected = row == 1;
    if (selected) p.Fill(2, y - 1, 21, y + 3, kNavy);
    const Rgb ink = selected ? kWhite : kDark;
    p.Frame(3, y, 6, y + 3, selected ? kWhite : kShadow);
    p.Fill(4, y + 1, 5, y + 2, kWhite);
    if (row != 2) {
      p.Px(4, y + 1, 0x008000);
      p.Px(5, y + 2, 0x008000);
    }
    p.HLine(8, 11 + row, y + 1, ink);
    p.HLine(15, 19 - row, y + 1, ink);
    p.HLine(8, 10, y + 2, selected ? ink : kShadow);
  }
}

void PaintRLData(Painter& p) {
  // A database drum: a shaded cylinder with a light top and rings between its rows of records.
  const double cx = 12.0, rx = 8.0, ry = 3.0, top = 5.0, bottom = 19.0;
  auto Shade = [](double nx) {  // nx: -1 at the left edge, 1 at the right
    const double light = 0.55 + 0.45 * (std::sqrt(1 - nx * nx) * 0.8 - nx * 0.5);
    const int t = int(light * 256);
    return Mix(0x0C2C70, 0xB8D8FF, t < 0 ? 0 : (t > 256 ? 256 : t));
  };
  for (int x = 4; x <= 19; ++x) {
    const double nx = (x + 0.5 - cx) / rx;
    const double h = ry * std::sqrt(1 - nx * nx);
    const int yTop = int(std::floor(top - h + 0.5)), yBottom = int(std::floor(bottom + h + 0.5));
    const int yLid = int(std::floor(top + h + 0.5));
    // The side, then the lid, then the rings and the outline.
    p.VLine(x, yLid, yBottom, Shade(nx));
    p.VLine(x, yTop, yLid - 1, Mix(0xD8E8FF, 0x88B0E8, int((nx + 1) * 128)));
    for (double ring : {top + 5, top + 10}) {
      const int yr = int(std::floor(ring + h + 0.5));
      p.Px(x, yr, 0x0A2050);
      p.Px(x, yr + 1, Mix(Shade(nx), kWhite, 90));
    }
    p.Px(x, yTop, 0x0A2050);
    p.Px(x, yLid, 0x3A5A98);
    p.Px(x, yBottom, 0x0A2050);
  }
  p.VLine(3, 5, 19, 0x0A2050);
  p.VLine(20, 5, 19, 0x0A2050);
}

}  // namespace palette_art
