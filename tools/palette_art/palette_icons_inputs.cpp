// The palette icons of the input and selector components: the mark and colour selectors, the
// table editor, the numeric inputs and the two buttons.
#include "tools/palette_art/palette_icons.h"

namespace palette_art {

namespace {

// A small down arrow five pixels wide, its top row at (x, y).
void DownArrow(Painter& p, int x, int y, Rgb c) {
  p.HLine(x, x + 4, y, c);
  p.HLine(x + 1, x + 3, y + 1, c);
  p.Px(x + 2, y + 2, c);
}

void UpArrow(Painter& p, int x, int y, Rgb c) {
  p.Px(x + 2, y, c);
  p.HLine(x + 1, x + 3, y + 1, c);
  p.HLine(x, x + 4, y + 2, c);
}

// A closed drop-down box over x 1..22, y 1..11: white field, arrow button at the right.
void DropDownBox(Painter& p) {
  p.Sunken(1, 1, 22, 11, kWhite);
  p.Raised(14, 3, 20, 9);
  DownArrow(p, 15, 5, kBlack);
}

// The three plot marks, 5 x 5, with the line of the plot through their middle.
void SquareMark(Painter& p, int x, int y) {
  p.Fill(x, y, x + 4, y + 4, 0x1040C0);
  p.Fill(x + 1, y + 1, x + 3, y + 3, 0x70A0FF);
  p.Px(x + 1, y + 1, 0xC0D8FF);
}

void CircleMark(Painter& p, int x, int y) {
  p.Sprite(x, y, {".ddd.", "dlrrd", "drrrd", "drrrd", ".ddd."},
           {{'d', 0xA00000}, {'r', 0xF03030}, {'l', 0xFFA0A0}});
}

void TriangleMark(Painter& p, int x, int y) {
  p.Sprite(x, y, {"..d..", ".dld.", ".dgd.", "dgggd", "ddddd"},
           {{'d', 0x006000}, {'g', 0x20B020}, {'l', 0x90E090}});
}

}  // namespace

void PaintMarkSel(Painter& p) {
  // The closed box shows the chosen mark on a short plot line.
  DropDownBox(p);
  p.HLine(3, 12, 6, 0x1040C0);
  SquareMark(p, 6, 4);
  // The dropped-down list: a circle and, highlighted, a triangle.
  p.Fill(1, 12, 20, 22, kWhite);
  p.Frame(1, 11, 20, 22, kBlack);
  p.HLine(3, 15, 14, 0xA00000);
  CircleMark(p, 7, 12);
  p.Fill(2, 17, 19, 21, kNavy);
  p.HLine(3, 15, 19, kWhite);
  TriangleMark(p, 7, 17);
}

void PaintColSel(Painter& p) {
  // The closed box shows the chosen colour as a bar.
  DropDownBox(p);
  p.Frame(3, 3, 12, 9, kBlack);
  p.Fill(4, 4, 11, 8, 0xE01010);
  p.HLine(4, 11, 4, 0xFF7070);
  // The dropped-down choice of colours, the chosen one framed.
  p.Fill(1, 12, 21, 22, kWhite);
  p.Frame(1, 11, 21, 22, kBlack);
  constexpr Rgb kSwatches[] = {0xE01010, 0xFFD800, 0x10A010, 0x1040E0, 0x00B0C0, 0x303030};
  for (int i = 0; i < 6; ++i) {
    const int x = 3 + (i % 3) * 6, y = 13 + (i / 3) * 5;
    p.Fill(x, y, x + 4, y + 2, kSwatches[i]);
    p.Frame(x, y, x + 4, y + 2, Mix(kSwatches[i], kBlack, 110));
  }
  p.Frame(2, 12, 8, 16, kNavy);
}

void PaintNTabEd(Painter& p) {
  // A grid of three columns under a raised header row; the rows scroll on below.
  p.Fill(1, 1, 22, 22, kWhite);
  p.Fill(2, 2, 21, 5, kFace);
  for (int x0 : {2, 9, 16}) {
    p.HLine(x0, x0 + 5, 2, kWhite);
    p.VLine(x0, 2, 5, kWhite);
    p.VLine(x0 + 6, 2, 5, kShadow);
    p.HLine(x0 + 2, x0 + 3, 4, kDark);  // the column's title
  }
  p.HLine(2, 21, 6, kShadow);
  for (int y : {12, 18}) p.HLine(2, 21, y, 0xC0C0C0);
  for (int x : {8, 15}) p.VLine(x, 7, 21, 0xC0C0C0);
  p.Frame(1, 1, 22, 22, kDark);
  // The numbers, right aligned; the current cell selected.
  p.Fill(9, 13, 14, 17, kNavy);
  constexpr const char* kCells[3][3] = {{"3", "7", "1"}, {"5", "2", "8"}, {"4", "6", "9"}};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      const int x = 4 + col * 7, y = 7 + row * 6;
      p.Text3x5(x, y, kCells[row][col], row == 1 && col == 1 ? kWhite : kBlack);
    }
  // The last row is only partly in view.
  p.HLine(1, 22, 22, kDark);
  p.Erase(1, 23, 22, 23);
}

void PaintNumIO(Painter& p) {
  // An edit field with a number and the caret after it.
  p.Sunken(1, 5, 22, 18, kWhite);
  p.Text4x7(4, 9, "2.5", kBlack);
  p.VLine(18, 8, 16, kBlack);
  p.HLine(17, 19, 8, kBlack);
  p.HLine(17, 19, 16, kBlack);
}

void PaintNumIO2(Painter& p) {
  // The number field with its spin buttons.
  p.Sunken(1, 1, 16, 12, kWhite);
  p.Text4x7(5, 3, "50", kBlack);
  p.Raised(16, 1, 22, 6);
  UpArrow(p, 17, 2, kBlack);
  p.Raised(16, 7, 22, 12);
  DownArrow(p, 17, 9, kBlack);
  // The gauge below, half full, with its scale.
  p.ThinSunken(1, 14, 22, 19, kWhite);
  p.VGradient(2, 15, 11, 18, 0x80E080, 0x108010);
  p.HLine(2, 11, 15, 0xB0F0B0);
  for (int x = 2; x <= 21; x += 4) p.VLine(x, 21, 22, kDark);
  p.HLine(2, 21, 21, kShadow);
}

void PaintOnOffBut(Painter& p) {
  // A raised button around a sunken bezel with a lit green lamp.
  p.Raised(1, 1, 22, 22);
  const double cx = 11.5, cy = 11.5;
  for (int y = 3; y <= 20; ++y)
    for (int x = 3; x <= 20; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      const double d2 = dx * dx + dy * dy;
      if (d2 > 8.2 * 8.2) continue;
      if (d2 > 6.2 * 6.2) {
        // The bezel: dark towards the top left, light towards the bottom right.
        const double side = (dx + dy) / 8.2;  // -1.4 .. 1.4
        const int t = int(128 + side * 90);
        p.Px(x, y, Mix(0x505050, 0xF8F8F8, t < 0 ? 0 : (t > 255 ? 255 : t)));
        continue;
      }
      if (d2 > 5.2 * 5.2) {
        p.Px(x, y, 0x105010);
        continue;
      }
      // The lamp: bright near its highlight, deeper green towards the edge.
      const double hx = x + 0.5 - 10.0, hy = y + 0.5 - 9.5;
      const int t = int((hx * hx + hy * hy) * 256 / 52.0);
      p.Px(x, y, Mix(0xC8FFC8, 0x10A010, t > 255 ? 255 : t));
    }
  p.Fill(9, 8, 10, 8, kWhite);
  p.Px(9, 9, kWhite);
}

void PaintRepSpeedButton(Painter& p) {
  // A speed button with a double arrow: it repeats while held down.
  p.Raised(1, 1, 22, 22);
  for (int x0 : {5, 12}) {
    for (int i = 0; i <= 5; ++i) p.VLine(x0 + i, 6 + i, 16 - i, 0x102878);
    for (int i = 0; i <= 4; ++i) p.Px(x0 + i, 6 + i, 0x5878D0);
    p.VLine(x0, 6, 16, 0x5878D0);
  }
}

}  // namespace palette_art
