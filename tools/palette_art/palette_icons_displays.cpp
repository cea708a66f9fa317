// The palette icons of the display components: the meter, the gradient fill, the number,
// rotated, seven-segment and dot-matrix labels and the progress bar.
#include <cmath>
#include <vector>

#include "framework/graphics/canvas.h"
#include "tools/palette_art/palette_icons.h"

namespace palette_art {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Degrees counter-clockwise from the right of the point (x, y) seen from (cx, cy), the y axis
// pointing down.
double AngleOf(double x, double y, double cx, double cy) {
  return std::atan2(cy - y, x - cx) * 180 / kPi;
}

}  // namespace

void PaintMeter(Painter& p) {
  // The case and its white face.
  p.Raised(1, 2, 22, 21);
  p.ThinSunken(3, 4, 20, 19, kWhite);
  // The scale: an arc over the upper half around the pivot, its last part red, with ticks.
  const double cx = 12.0, cy = 17.0;
  for (int y = 5; y <= 17; ++y)
    for (int x = 4; x <= 19; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      const double r = std::sqrt(dx * dx + dy * dy);
      const double a = AngleOf(x + 0.5, y + 0.5, cx, cy);
      if (a < 25 || a > 155) continue;
      if (a < 62 && r >= 7.0 && r < 9.0) p.Px(x, y, 0xE02020);
      if (r >= 8.0 && r < 9.0 && a >= 62) p.Px(x, y, kBlack);
      for (double tick : {150.0, 120.0, 90.0, 60.0, 30.0})
        if (std::abs(a - tick) < 5.5 && r >= 9.0 && r < 11.2) p.Px(x, y, kBlack);
    }
  // The needle and its pivot.
  p.Line(12, 17, 17, 9, 0xD00000);
  p.Line(13, 17, 17, 10, 0xD00000);
  p.Fill(11, 16, 13, 18, kDark);
  p.Px(11, 16, kShadow);
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
  // "Ab" written on a slanted baseline: the letters' strokes turned by about 37 degrees
  // (cosine 0.8, sine 0.6), drawn with a two-pixel pen.
  const double ox = 5.0, oy = 20.0;
  auto At = [&](double x, double y) {
    return fw::Point(int(std::floor(ox + x * 0.8 + y * 0.6 + 0.5)),
                     int(std::floor(oy - x * 0.6 + y * 0.8 + 0.5)));
  };
  fw::TCanvas* c = p.Canvas();
  fw::TCanvasStateSaver saver(*c);
  // The baseline, faint.
  c->Pen()->SetColor(fw::RGB(0xA0, 0xA0, 0xA0));
  c->Pen()->SetWidth(1);
  c->MoveTo(At(-2, 1.5).X, At(-2, 1.5).Y);
  c->LineTo(At(20, 1.5).X, At(20, 1.5).Y);
  c->Pen()->SetColor(fw::RGB(0x00, 0x00, 0x90));
  c->Pen()->SetWidth(2);
  auto Stroke = [&](std::vector<std::pair<double, double>> pts) {
    std::vector<fw::TPoint> out;
    for (auto [x, y] : pts) out.push_back(At(x, y));
    c->Polyline(out);
  };
  Stroke({{0, 0}, {4, -11}, {8, 0}});
  Stroke({{1.8, -4}, {6.2, -4}});
  Stroke({{11, -11}, {11, 0}});
  Stroke({{11, -5}, {13, -6.5}, {15.5, -5.5}, {16, -3}, {15.5, -0.8}, {13, 0}, {11, -1}});
}

void PaintSevenSeg(Painter& p) {
  // A black display with two red digits, "4" and "2"; the unlit segments faintly visible.
  p.Raised(1, 2, 22, 21, kDark);
  p.Fill(3, 4, 19, 18, kBlack);
  p.Fill(3, 4, 20, 19, kBlack);
  constexpr Rgb kOn = 0xFF2020, kOff = 0x3A0A0A;
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
