// The palette icons of the display components: the meter, the gradient fill, the number,
// rotated, seven-segment and dot-matrix labels and the progress bar.
#include <cmath>

#include "tools/palette_art/palette_icons.h"

namespace palette_art {

void PaintMeter(Painter& p) {
  // The case and its white face.
  p.Raised(1, 3, 22, 21);
  p.ThinSunken(3, 5, 20, 19, kWhite);
  // The scale around the pivot at the bottom of the face: an arc from 18 to 162 degrees,
  // red from 58 degrees down, with five ticks inside it. Angles are tested through their sines
  // and cosines, written out, so no library function decides a pixel.
  struct Direction {
    double cos, sin;
  };
  static constexpr Direction kTicks[] = {{-0.9063077870366499, 0.42261826174069944},
                                         {-0.5372996083468238, 0.8433914458128857},
                                         {0.0, 1.0},
                                         {0.5372996083468239, 0.8433914458128857},
                                         {0.9063077870366499, 0.42261826174069944}};
  constexpr double kSin18 = 0.3090169943749474, kCos58 = 0.5299192642332049;
  const double cx = 12.0, cy = 18.0;
  for (int y = 6; y <= 18; ++y)
    for (int x = 4; x <= 19; ++x) {
      const double dx = x + 0.5 - cx, up = cy - (y + 0.5);
      const double r = std::sqrt(dx * dx + up * up);
      if (up < r * kSin18) continue;
      if (r >= 8.2 && r < 9.6) p.Px(x, y, dx > r * kCos58 ? 0xE02020 : kBlack);
      for (const Direction& t : kTicks) {
        const double along = dx * t.cos + up * t.sin, across = std::abs(dx * t.sin - up * t.cos);
        if (across < 0.55 && along >= 6.0 && along < 8.2) p.Px(x, y, kBlack);
      }
    }
  // The needle and the hub it turns on.
  p.Line(12, 17, 16, 9, 0xD00000);
  p.Sprite(9, 16, {".ddddd.", "dddLddd", "ddddddd"}, {{'d', kDark}, {'L', kShadow}});
}

void PaintGradFill(Painter& p) {
  // A framed rectangle filled with a spectrum from red to blue, with a drop shadow.
  constexpr Rgb kStops[] = {0xFF2000, 0xFFE000, 0x20C020, 0x00B0FF, 0x2020D0};
  for (int x = 2; x <= 20; ++x) {
    const int pos = (x - 2) * 4 * 256 / 18;  // 0 .. 4 * 256
    const int i = pos / 256 < 3 ? pos / 256 : 3;
    const Rgb c = Mix(kStops[i], kStops[i + 1], pos - i * 256);
    p.VLine(x, 4, 18, c);
    p.Px(x, 4, Mix(c, kWhite, 110));
    p.Px(x, 18, Mix(c, kBlack, 70));
  }
  p.Frame(1, 3, 21, 19, kDark);
  p.HLine(2, 22, 20, kShadow);
  p.VLine(22, 4, 20, kShadow);
}

void PaintNumLab(Painter& p) {
  // A sunken label on the button face with a number in it.
  p.ThinSunken(1, 5, 22, 18, 0xE4E0D8);
  p.Text4x7(5, 8, "1.23", 0x000080);
}

void PaintRotLab(Painter& p) {
  // "Ab" written with a round pen on a baseline turned 25 degrees counter-clockwise: a pixel
  // takes the ink when most of its 4 x 4 sample points lie within the pen's half width of a
  // stroke. A grey copy one pixel down and right is the letters' shadow.
  struct Segment {
    double u0, v0, u1, v1;  // along the baseline, upwards from it
  };
  static constexpr Segment kStrokes[] = {
      {0.8, 0, 4.8, 11.5},
      {4.8, 11.5, 8.8, 0},
      {2.5, 4, 7.1, 4},   // A
      {12, 0, 12, 12.5},  // b: the stem
  };
  constexpr double kBowlU = 15.0, kBowlV = 3.4, kBowlRadius = 3.0;  // b: the bowl
  constexpr double kHalfWidth = 0.85;
  constexpr double kCos = 0.9063077870366499, kSin = 0.42261826174069944;
  constexpr double ox = 4.0, oy = 20.5;  // where the baseline starts
  auto Inked = [&](double u, double v) {
    for (const Segment& s : kStrokes) {
      const double du = s.u1 - s.u0, dv = s.v1 - s.v0;
      double t = ((u - s.u0) * du + (v - s.v0) * dv) / (du * du + dv * dv);
      t = t < 0 ? 0 : (t > 1 ? 1 : t);
      const double eu = u - (s.u0 + t * du), ev = v - (s.v0 + t * dv);
      if (eu * eu + ev * ev < kHalfWidth * kHalfWidth) return true;
    }
    const double bu = u - kBowlU, bv = v - kBowlV;
    return std::abs(std::sqrt(bu * bu + bv * bv) - kBowlRadius) < kHalfWidth && u > 12;
  };
  auto Covered = [&](int x, int y) {
    int hits = 0;
    for (int sy = 0; sy < 4; ++sy)
      for (int sx = 0; sx < 4; ++sx) {
        const double px = x + (sx + 0.5) / 4 - ox, py = y + (sy + 0.5) / 4 - oy;
        // Back into the upright letters.
        hits += Inked(px * kCos - py * kSin, -px * kSin - py * kCos);
      }
    return hits >= 7;
  };
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x)
      if (Covered(x - 1, y - 1)) p.Px(x, y, 0xA8A8C0);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x)
      if (Covered(x, y)) p.Px(x, y, 0x101890);
}

void PaintSevenSeg(Painter& p) {
  // A black display with two red digits, "4" and "2"; the unlit segments faintly visible.
  p.Fill(1, 2, 22, 21, kBlack);
  p.Frame(1, 2, 22, 21, kShadow);
  p.HLine(1, 22, 21, kDark);
  p.VLine(22, 2, 21, kDark);
  p.HLine(1, 21, 2, 0xA0A0A0);
  constexpr Rgb kOn = 0xFF2818, kOff = 0x2C0606;
  // Segments a b c d e f g as bits 0..6.
  auto Digit = [&](int x, int y, int bits) {
    auto Seg = [&](int bit) { return (bits >> bit) & 1 ? kOn : kOff; };
    p.Fill(x + 2, y, x + 5, y + 1, Seg(0));        // a
    p.Fill(x + 6, y + 2, x + 7, y + 6, Seg(1));    // b
    p.Fill(x + 6, y + 9, x + 7, y + 13, Seg(2));   // c
    p.Fill(x + 2, y + 14, x + 5, y + 15, Seg(3));  // d
    p.Fill(x, y + 9, x + 1, y + 13, Seg(4));       // e
    p.Fill(x, y + 2, x + 1, y + 6, Seg(5));        // f
    p.Fill(x + 2, y + 7, x + 5, y + 8, Seg(6));    // g
  };
  Digit(3, 4, 0b1100110);   // 4
  Digit(12, 4, 0b1011011);  // 2
}

void PaintProgBar(Painter& p) {
  // A sunken bar three fifths full of blue blocks.
  p.Sunken(1, 6, 22, 17, kFace);
  for (int x = 4; x <= 14; x += 4) {
    p.VGradient(x, 8, x + 2, 15, 0x6890F0, 0x102880);
    p.HLine(x, x + 2, 9, 0xA8C0FF);
  }
}

void PaintRasterLab(Painter& p) {
  // A dark panel of dots, the lit ones spelling "AB".
  p.ThinSunken(0, 2, 23, 21, 0x0C140C);
  static constexpr const char* kLetters[7] = {
      ".###.####.", "#...##...#", "#...##...#", "#########.",
      "#...##...#", "#...##...#", "#...#####.",
  };
  // The two 5 x 7 letters with one dark column between them.
  for (int row = 0; row < 7; ++row)
    for (int col = 0; col < 11; ++col) {
      const int letterCol = col < 5 ? col : col - 6;
      const bool lit = col != 5 && kLetters[row][col < 5 ? letterCol : 5 + letterCol] == '#';
      p.Px(2 + 2 * col, 5 + 2 * row, lit ? 0x60FF40 : 0x1E3A1E);
    }
}

}  // namespace palette_art
