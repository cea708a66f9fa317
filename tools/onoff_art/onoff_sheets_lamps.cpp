// Lamp glyphs: the red/green LED, the bevelled LED, the pedestrian light, the bulb, the
// button with a lamp and the drive fronts with an activity lamp.
#include <algorithm>
#include <functional>

#include "tools/onoff_art/glyphs.h"

namespace onoff_art {

namespace {

const Rgba kWhite = Hex(0xFFFFFF);

Shape StandingFigure() {
  Shape s = Circle({15.5, 7.2}, 2.4);
  s = Union(s, RoundRect({13.1, 10.2, 17.9, 18.3}, 1.6));
  s = Union(s, Capsule({13.5, 11.2}, {12.5, 17.6}, 1.9));
  s = Union(s, Capsule({17.5, 11.2}, {18.5, 17.6}, 1.9));
  s = Union(s, Capsule({14.4, 17.5}, {14.4, 25.2}, 2.3));
  return Union(s, Capsule({16.6, 17.5}, {16.6, 25.2}, 2.3));
}

Shape WalkingFigure() {
  Shape s = Circle({16.8, 6.9}, 2.4);
  s = Union(s, Capsule({16.1, 11.0}, {15.1, 17.2}, 4.0));
  s = Union(s, Stroke({{16.6, 11.2}, {18.8, 14.0}, {20.6, 16.6}}, 1.9));
  s = Union(s, Stroke({{15.6, 11.2}, {13.2, 13.9}, {11.4, 16.6}}, 1.9));
  s = Union(s, Stroke({{15.5, 17.0}, {17.9, 20.7}, {20.6, 24.8}}, 2.3));
  return Union(s, Stroke({{14.7, 17.0}, {13.3, 21.0}, {10.4, 24.6}}, 2.3));
}

// The glass of the bulb: a sphere narrowing into a neck that ends at the screw base.
Shape BulbGlass() {
  std::vector<Vec> outline = ArcPoints({19.5, 17.5}, 12.5, 128, 412, 48);
  outline.push_back({24.8, 34});
  outline.push_back({14.2, 34});
  return Polygon(std::move(outline));
}

// Short rays around the top half of a glowing bulb.
void PaintRays(Layer& layer) {
  for (double angle : {150, 190, 230, 270, 310, 350, 390}) {
    const std::vector<Vec> ray = ArcPoints({19.5, 17.5}, 14.6, angle, angle, 1);
    const std::vector<Vec> end = ArcPoints({19.5, 17.5}, 18.4, angle, angle, 1);
    layer.Fill(Capsule(ray[0], end[0], 1.8), Solid(Hex(0xF2A900)));
  }
}

void PaintScrewBase(Layer& layer) {
  const Shape base = RoundRect({13.5, 33.5, 25.5, 44.5}, 1.5);
  layer.Fill(base, Solid(Hex(0x55595E)));
  layer.Fill(
      Grow(base, -0.8),
      Linear(
          {13.5, 0}, {25.5, 0},
          {{0, Hex(0x8E9297)}, {0.35, Hex(0xF4F5F6)}, {0.7, Hex(0xA2A6AB)}, {1, Hex(0x6C7075)}}));
  for (double y : {36.8, 39.6, 42.4})
    layer.Fill(Capsule({14.3, y - 0.7}, {24.7, y + 0.7}, 0.9), Solid(Hex(0x4A4E53, 0.85)));
  const Shape tip = RoundRect({16.5, 43.8, 22.5, 47.5}, 1.8);
  layer.Fill(tip, Solid(Hex(0x2A2D31)));
  layer.Fill(Grow(tip, -0.8), Linear({0, 44}, {0, 47.5}, {{0, Hex(0x7A7E84)}, {1, Hex(0x3A3D42)}}));
}

const std::vector<Vec> kFilament = {{17, 31},   {17.2, 23}, {18, 21.2}, {18.8, 23}, {19.5, 21.2},
                                    {20.2, 23}, {21, 21.2}, {21.8, 23}, {22, 31}};

// The face of a drive: a beige panel with an activity lamp and a slot; `x` places a position
// measured from the lamp's end, so one drawing serves the lamp at either end.
void PaintDriveFront(Layer& layer, bool on, const std::function<double(double)>& x) {
  const auto box = [&](double a0, double y0, double a1, double y1) {
    return Box{std::min(x(a0), x(a1)), y0, std::max(x(a0), x(a1)), y1};
  };
  PaintRaised(layer, RoundRect(box(0, 0, 48, 16), 2.5), Hex(0xF1EDE5), Hex(0xBFB9AE),
              Hex(0x6E6A62));
  // The slot, and a small eject button under its far end.
  PaintSunken(layer, RoundRect(box(16, 5.5, 44, 9.0), 1.5), Hex(0x111111), Hex(0x3A3A3A),
              Hex(0x55514B));
  PaintRaised(layer, RoundRect(box(37, 10.5, 44, 13.5), 1.2), Hex(0xF4F1EA), Hex(0xC2BCB1),
              Hex(0x7A756C));
  // The lamp: glowing green with a halo when on, dark green when off.
  const Shape lamp = RoundRect(box(4, 5.5, 12, 10.5), 1.2);
  const Vec lampCentre{x(8), 8};
  if (on)
    layer.Fill(Ellipse(lampCentre, 7.5, 5.5),
               Radial(lampCentre, 7.5, {{0, Hex(0x6CFF5A, 0.55)}, {1, Hex(0x6CFF5A, 0)}}));
  layer.Fill(Grow(lamp, 0.9), Solid(Hex(0x3C3A36)));
  if (on)
    layer.Fill(lamp, Linear({0, 5.5}, {0, 10.5},
                            {{0, Hex(0xE6FFD9)}, {0.45, Hex(0x52F04A)}, {1, Hex(0x14A322)}}));
  else
    layer.Fill(lamp, Linear({0, 5.5}, {0, 10.5}, {{0, Hex(0x3E5C40)}, {1, Hex(0x1B2C1C)}}));
  layer.Fill(RoundRect(box(5, 6.2, 11, 7.6), 0.7), Solid(Hex(0xFFFFFF, on ? 0.55 : 0.25)));
}

}  // namespace

void PaintLedRedGreen(Layer& layer, bool on) {
  PaintRaised(layer, Circle({7, 7}, 6.4), Hex(0xF0F0F0), Hex(0x8A8A8A), Hex(0x4A4A4A));
  PaintLens(layer, Circle({7, 7}, 4.5), {7, 7}, 4.5, on ? Hex(0x3CE048) : Hex(0xD01A12), true);
}

void PaintBevelledLed(Layer& layer, bool on) {
  PaintRaised(layer, RoundRect({0, 0, 17, 17}, 3), Hex(0xF2F2F2), Hex(0xA6A6A6), Hex(0x5A5A5A));
  PaintSunken(layer, Circle({8.5, 8.5}, 6), Hex(0x3C3C3C), Hex(0x9A9A9A), Hex(0x4A4A4A));
  PaintLens(layer, Circle({8.5, 8.5}, 4.7), {8.5, 8.5}, 4.7, Hex(0xE8281E), on);
}

void PaintTrafficLight(Layer& layer, bool on) {
  PaintRaised(layer, RoundRect({1, 1, 30, 30}, 4), Hex(0x50555C), Hex(0x25282C), Hex(0x111214));
  const Shape glass = Circle({15.5, 15.5}, 12);
  PaintSunken(layer, glass, Hex(0x030303), Hex(0x1C1C1C), Hex(0x000000));
  const Rgba colour = on ? Hex(0x35E05A) : Hex(0xFF3A2A);
  layer.Fill(Grow(glass, -1),
             Radial({15.5, 16}, 11, {{0, WithAlpha(colour, 0.22)}, {1, WithAlpha(colour, 0.05)}}));
  const Shape figure = on ? WalkingFigure() : StandingFigure();
  layer.Fill(Grow(figure, 0.6), Solid(WithAlpha(colour, 0.45)));
  layer.Fill(figure, Radial({15.5, 12}, 14, {{0, Mix(colour, kWhite, 0.55)}, {1, colour}}));
  PaintGloss(layer, {11.5, 8}, 5.5, 2.8, 0.22);
}

void PaintBulb(Layer& layer, bool on) {
  const Shape glass = BulbGlass();
  if (on) {
    PaintRays(layer);
    layer.Fill(glass, Solid(Hex(0xC79212)));
    layer.Fill(
        Grow(glass, -1),
        Radial({19.5, 20}, 15, {{0, Hex(0xFFFFF4)}, {0.45, Hex(0xFFF3A2)}, {1, Hex(0xFFC93A)}}));
    layer.Fill(Stroke(kFilament, 2.6), Solid(Hex(0xFFB000, 0.5)));
    layer.Fill(Stroke(kFilament, 1.1), Solid(Hex(0xFFFFFF)));
  } else {
    layer.Fill(glass, Solid(Hex(0x7D8894)));
    layer.Fill(
        Grow(glass, -1),
        Radial({16, 13}, 22, {{0, Hex(0xF4F7FA)}, {0.6, Hex(0xD3DBE3)}, {1, Hex(0xAEB9C4)}}));
    layer.Fill(Stroke(kFilament, 1.0), Solid(Hex(0x5E6670)));
  }
  PaintGloss(layer, {13.5, 11.5}, 3.2, 4.6, on ? 0.7 : 0.85);
  PaintScrewBase(layer);
}

void PaintButtonLamp(Layer& layer, bool on) {
  PaintRaised(layer, RoundRect({0, 0, 49, 24}, 4), Hex(0x62666C), Hex(0x2E3135), Hex(0x1A1C1F));
  const Shape cap = RoundRect({3.5, 3.5, 45.5, 20.5}, 3);
  if (on) {
    // Pressed in and lit: sunken edge, a glow from the middle.
    layer.Fill(cap, Solid(Hex(0x7A4A00)));
    const Shape lens = Grow(cap, -1);
    layer.Fill(lens, Linear({0, 4}, {0, 20},
                            {{0, Hex(0xFFD560)}, {0.5, Hex(0xFFB21E)}, {1, Hex(0xF08600)}}));
    layer.Fill(Ellipse({24.5, 12.5}, 17, 6),
               Radial({24.5, 12.5}, 17, {{0, Hex(0xFFFBE0, 0.9)}, {1, Hex(0xFFE9A0, 0)}}));
    layer.Fill(InnerBand(lens, 2), BevelLight(lens, 2, 0.45, false));
  } else {
    PaintRaised(layer, cap, Hex(0xD8D2C4), Hex(0x9E978A), Hex(0x4E4A43));
  }
  layer.Fill(RoundRect({6, 5, 43, 10}, 2),
             Linear({0, 5}, {0, 10}, {{0, Hex(0xFFFFFF, 0.55)}, {1, Hex(0xFFFFFF, 0.08)}}));
}

void PaintDriveLeft(Layer& layer, bool on) {
  PaintDriveFront(layer, on, [](double a) { return a; });
}

void PaintDriveRight(Layer& layer, bool on) {
  PaintDriveFront(layer, on, [](double a) { return 48 - a; });
}

}  // namespace onoff_art
