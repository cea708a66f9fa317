// The five extra pictures (USER1 ... USER5): power button, padlock, toggle lever, speaker and
// star, each 24 x 24.
#include <cmath>
#include <numbers>

#include "tools/onoff_art/glyphs.h"

namespace onoff_art {

namespace {

// The power symbol: a ring open at the top with a bar through the gap.
Shape PowerSymbol() {
  return Union(Stroke(ArcPoints({12, 12.6}, 5.6, -58, 238, 36), 2.1),
               Capsule({12, 5.2}, {12, 11.6}, 2.1));
}

// A shackle path from the right leg's foot over the top to the left leg's end.
Shape Shackle(bool locked) {
  const double top = locked ? 9.4 : 6.9;
  std::vector<Vec> path = {{16.9, 12.5}};
  for (const Vec& p : ArcPoints({12, top}, 4.9, 0, -180, 20)) path.push_back(p);
  path.push_back({7.1, locked ? 12.5 : top + 1.6});
  return Stroke(std::move(path), 2.5);
}

// A five-pointed star with slightly rounded points.
Shape Star() {
  std::vector<Vec> points;
  for (int i = 0; i < 10; ++i) {
    const double radius = i % 2 == 0 ? 10.2 : 4.2;
    const double angle = (-90 + 36 * i) * std::numbers::pi / 180;
    points.push_back({12 + radius * std::cos(angle), 12.9 + radius * std::sin(angle)});
  }
  return Grow(Polygon(std::move(points)), 0.5);
}

Paint Chrome(double x0, double x1) {
  return Linear(
      {x0, 0}, {x1, 0},
      {{0, Hex(0x8A9098)}, {0.35, Hex(0xFAFBFC)}, {0.7, Hex(0xB4BAC2)}, {1, Hex(0x6E747C)}});
}

}  // namespace

void PaintPowerButton(Layer& layer, bool on) {
  PaintRaised(layer, Circle({12, 12}, 11), Hex(0x5E636B), Hex(0x2A2D32), Hex(0x141619));
  const Shape symbol = PowerSymbol();
  if (on) {
    layer.Fill(Grow(symbol, 1.6), Solid(Hex(0x36C8FF, 0.35)));
    layer.Fill(symbol, Linear({0, 5}, {0, 19}, {{0, Hex(0xD8F6FF)}, {1, Hex(0x38C4F5)}}));
  } else {
    layer.Fill(symbol, Linear({0, 5}, {0, 19}, {{0, Hex(0x9AA0A8)}, {1, Hex(0x6C727A)}}));
  }
  PaintGloss(layer, {9, 5.6}, 5.5, 2.6, 0.18);
}

void PaintPadlock(Layer& layer, bool on) {
  const Shape shackle = Shackle(on);
  layer.Fill(Grow(shackle, 0.8), Solid(Hex(0x4A5058)));
  layer.Fill(shackle, Chrome(6, 18));
  const Shape body = RoundRect({4, 11, 20, 23}, 2.5);
  PaintRaised(layer, body, Hex(0xFFDB6E), Hex(0xC98A10), Hex(0x6E4A04));
  const Shape keyhole = Union(Circle({12, 16.2}, 1.8),
                              Polygon({{11.1, 16.6}, {12.9, 16.6}, {13.4, 20.6}, {10.6, 20.6}}));
  layer.Fill(keyhole, Solid(Hex(0x3E2800)));
}

void PaintToggleLever(Layer& layer, bool on) {
  // A mounting plate, a chrome nut with a dark bushing, the lever leaning up (on) or down.
  PaintRaised(layer, RoundRect({1, 1, 23, 23}, 3), Hex(0xE8EAED), Hex(0xA4AAB2), Hex(0x585E66));
  PaintRaised(layer, Circle({12, 12}, 6.2), Hex(0xFAFBFC), Hex(0x8A9098), Hex(0x3E434A));
  PaintSunken(layer, Circle({12, 12}, 3.4), Hex(0x24272B), Hex(0x5E646C), Hex(0x24272B));
  const double tip = on ? 4.6 : 19.4;
  const double neck = on ? tip + 1 : tip - 1;
  const Shape lever =
      Union(Polygon({{10.9, 12}, {13.1, 12}, {13.9, neck}, {10.1, neck}}), Circle({12, tip}, 2.4));
  layer.Fill(Grow(lever, 0.8), Solid(Hex(0x2E3237)));
  layer.Fill(lever, Chrome(9.5, 14.5));
  PaintGloss(layer, {11.3, tip - 0.7}, 1.2, 0.8, 0.8);
}

void PaintSpeaker(Layer& layer, bool on) {
  const Shape speaker =
      Polygon({{3, 8.8}, {7.2, 8.8}, {12.6, 4.2}, {12.6, 19.8}, {7.2, 15.2}, {3, 15.2}});
  layer.Fill(Grow(speaker, 0.9), Solid(Hex(0x1E2328)));
  layer.Fill(speaker, Linear({0, 4}, {0, 20}, {{0, Hex(0x8E98A4)}, {1, Hex(0x3A424B)}}));
  layer.Fill(InnerBand(speaker, 1.6), BevelLight(speaker, 1.6, 0.5));
  if (on) {
    const Rgba wave = Hex(0x2F7FD8);
    layer.Fill(Stroke(ArcPoints({12.6, 12}, 4.4, -48, 48, 12), 1.7), Solid(wave));
    layer.Fill(Stroke(ArcPoints({12.6, 12}, 8.0, -50, 50, 16), 1.7), Solid(wave));
  } else {
    const Shape cross =
        Union(Capsule({15.6, 9}, {21.4, 15}, 2.2), Capsule({15.6, 15}, {21.4, 9}, 2.2));
    layer.Fill(Grow(cross, 0.7), Solid(Hex(0x7A1A10)));
    layer.Fill(cross, Solid(Hex(0xE23B2A)));
  }
}

void PaintStar(Layer& layer, bool on) {
  const Shape star = Star();
  if (on) {
    layer.Fill(Grow(star, 0.9), Solid(Hex(0x9A5C00)));
    layer.Fill(star, Radial({10.5, 9.5}, 11,
                            {{0, Hex(0xFFF6B8)}, {0.5, Hex(0xFFC61A)}, {1, Hex(0xE48C00)}}));
    layer.Fill(InnerBand(star, 1.6), BevelLight(star, 1.6, 0.55));
  } else {
    layer.Fill(Grow(star, 0.9), Solid(Hex(0x7A8089)));
    layer.Fill(star, Linear({0, 3}, {0, 22}, {{0, Hex(0xFAFBFC)}, {1, Hex(0xD3D8DE)}}));
    layer.Fill(InnerBand(star, 1.4), BevelLight(star, 1.4, 0.3, false));
  }
}

}  // namespace onoff_art
