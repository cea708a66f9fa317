// Parts several glyphs share: raised and sunken surfaces, lamp lenses, reflections.
#include <algorithm>

#include "tools/onoff_art/glyphs.h"

namespace onoff_art {

namespace {

Paint TopToBottom(const Shape& shape, Rgba top, Rgba bottom) {
  const Box& b = shape.Bounds();
  return Linear({0, b.y0}, {0, b.y1}, {{0, top}, {1, bottom}});
}

}  // namespace

void PaintRaised(Layer& layer, const Shape& shape, Rgba top, Rgba bottom, Rgba outline) {
  layer.Fill(shape, Solid(outline));
  const Shape face = Grow(shape, -1);
  layer.Fill(face, TopToBottom(face, top, bottom));
  layer.Fill(InnerBand(face, 1.6), BevelLight(face, 1.6, 0.7));
}

void PaintSunken(Layer& layer, const Shape& shape, Rgba top, Rgba bottom, Rgba outline) {
  layer.Fill(shape, Solid(outline));
  const Shape inside = Grow(shape, -1);
  layer.Fill(inside, TopToBottom(inside, top, bottom));
  layer.Fill(InnerBand(inside, 1.6), BevelLight(inside, 1.6, 0.45, false));
}

void PaintLens(Layer& layer, const Shape& lens, Vec centre, double radius, Rgba colour, bool lit) {
  const Rgba black = Hex(0x000000);
  const Rgba white = Hex(0xFFFFFF);
  if (lit) {
    // Brightest a little above the middle, the full colour towards the rim.
    const Vec hot{centre.x - radius * 0.15, centre.y - radius * 0.2};
    layer.Fill(lens, Radial(hot, radius * 1.15,
                            {{0, Mix(colour, white, 0.75)},
                             {0.45, Mix(colour, white, 0.2)},
                             {0.8, colour},
                             {1, Mix(colour, black, 0.3)}}));
  } else {
    layer.Fill(lens, Radial({centre.x, centre.y + radius * 0.4}, radius * 1.4,
                            {{0, Mix(colour, black, 0.45)}, {1, Mix(colour, black, 0.75)}}));
  }
  layer.Fill(InnerBand(lens, radius * 0.25), BevelLight(lens, radius * 0.25, 0.35, false));
  PaintGloss(layer, {centre.x - radius * 0.3, centre.y - radius * 0.42}, radius * 0.42,
             radius * 0.26, lit ? 0.75 : 0.45);
}

void PaintGloss(Layer& layer, Vec centre, double rx, double ry, double strength) {
  const Rgba white = Hex(0xFFFFFF);
  layer.Fill(Ellipse(centre, rx, ry),
             Radial(centre, std::max(rx, ry),
                    {{0, WithAlpha(white, strength)}, {1, WithAlpha(white, strength * 0.15)}}));
}

}  // namespace onoff_art
