// Symbol glyphs: the three arrow pairs and the two smileys. An arrow sheet names two
// directions; the first is the on glyph, the second the off glyph (top/right, up/down,
// left/right).
#include "tools/onoff_art/glyphs.h"

namespace onoff_art {

namespace {

const Rgba kBlack = Hex(0x000000);
const Rgba kWhite = Hex(0xFFFFFF);

enum Direction { kUp, kRight, kDown, kLeft };  // quarter turns clockwise from up

// p turned clockwise about the centre of the 25 x 25 glyph by quarter turns.
Vec Turned(Vec p, Direction d) {
  constexpr double c = 12.5;
  for (int i = 0; i < d; ++i) p = {c + (c - p.y), c + (p.x - c)};
  return p;
}

// A bold blue arrow: outline, gradient body, bevelled edge; the light stays at the top left
// whichever way the arrow points.
void PaintArrow(Layer& layer, Direction d) {
  std::vector<Vec> points = {{12.5, 1.8}, {23.2, 12.4}, {17.1, 12.4}, {17.1, 23.2},
                             {7.9, 23.2}, {7.9, 12.4},  {1.8, 12.4}};
  for (Vec& p : points) p = Turned(p, d);
  const Shape arrow = Polygon(std::move(points));
  layer.Fill(Grow(arrow, 0.9), Solid(Hex(0x163566)));
  layer.Fill(arrow, Linear({2, 2}, {23, 23},
                           {{0, Hex(0x8CC2FA)}, {0.5, Hex(0x3C7FD8)}, {1, Hex(0x1F4E9C)}}));
  layer.Fill(InnerBand(arrow, 2.2), BevelLight(arrow, 2.2, 0.65));
}

// A round face in `colour`, happy (smiling) or sad.
void PaintSmiley(Layer& layer, Rgba colour, Rgba outline, bool happy) {
  const Shape face = Circle({9, 9}, 8.3);
  layer.Fill(face, Solid(outline));
  const Shape inside = Grow(face, -0.9);
  layer.Fill(
      inside,
      Radial({7, 6}, 11,
             {{0, Mix(colour, kWhite, 0.65)}, {0.55, colour}, {1, Mix(colour, kBlack, 0.2)}}));
  layer.Fill(InnerBand(inside, 1.5), BevelLight(inside, 1.5, 0.4));
  const Rgba ink = Mix(outline, kBlack, 0.35);
  layer.Fill(Ellipse({6.4, 7.0}, 1.15, 1.7), Solid(ink));
  layer.Fill(Ellipse({11.6, 7.0}, 1.15, 1.7), Solid(ink));
  const Shape mouth = happy ? Stroke(ArcPoints({9, 8.4}, 4.7, 30, 150, 16), 1.5)
                            : Stroke(ArcPoints({9, 16.2}, 4.6, 235, 305, 12), 1.5);
  layer.Fill(mouth, Solid(ink));
  PaintGloss(layer, {6.6, 4.3}, 2.6, 1.4, 0.55);
}

}  // namespace

void PaintArrowTopRight(Layer& layer, bool on) {
  PaintArrow(layer, on ? kUp : kRight);
}

void PaintArrowUpDown(Layer& layer, bool on) {
  PaintArrow(layer, on ? kUp : kDown);
}

void PaintArrowLeftRight(Layer& layer, bool on) {
  PaintArrow(layer, on ? kLeft : kRight);
}

void PaintSmileyYellow(Layer& layer, bool on) {
  PaintSmiley(layer, Hex(0xFFD21F), Hex(0x8C6400), on);
}

void PaintSmileyRedGreen(Layer& layer, bool on) {
  if (on)
    PaintSmiley(layer, Hex(0x3CC43C), Hex(0x1E6A1E), true);
  else
    PaintSmiley(layer, Hex(0xE8412E), Hex(0x7E1A10), false);
}

}  // namespace onoff_art
