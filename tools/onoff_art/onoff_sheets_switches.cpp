// Switch glyphs: check box, radio button, plain and coloured slide switches. Slide switches
// are drawn once in coordinates along and across the switch, for both directions.
#include "tools/onoff_art/glyphs.h"

namespace onoff_art {

namespace {

const Rgba kWellTop = Hex(0xDCE1E6);
const Rgba kWellBottom = Hex(0xFFFFFF);
const Rgba kWellOutline = Hex(0x66707C);
const Rgba kMarkLight = Hex(0x5B9BEA);
const Rgba kMarkDark = Hex(0x1B4C96);
const Rgba kWhite = Hex(0xFFFFFF);

// Maps positions along and across a slide switch to glyph pixels.
struct Axis {
  bool vertical;
  Box Span(double a0, double a1, double c0, double c1) const {
    return vertical ? Box{c0, a0, c1, a1} : Box{a0, c0, a1, c1};
  }
  Vec Point(double a, double c) const { return vertical ? Vec{c, a} : Vec{a, c}; }
};

// A plate with a dark slot and a ridged knob at the start (top, left) or the end of the slot;
// the glyph is 30 long and 18 across.
void PaintSlide(Layer& layer, Axis axis, bool knobAtStart) {
  PaintRaised(layer, RoundRect(axis.Span(1, 29, 2, 16), 2.5), Hex(0xE4E4E4), Hex(0xB4B4B4),
              Hex(0x6A6A6A));
  PaintSunken(layer, RoundRect(axis.Span(3.5, 26.5, 6.5, 11.5), 2.5), Hex(0x1E1E1E), Hex(0x4A4A4A),
              Hex(0x3A3A3A));
  const double k0 = knobAtStart ? 2.5 : 15.5;
  PaintRaised(layer, RoundRect(axis.Span(k0, k0 + 12, 3, 15), 2), Hex(0xFCFCFC), Hex(0xC2C6CC),
              Hex(0x4E545C));
  // Three ridges across the knob: a groove with a lit lip after it.
  for (int i = -1; i <= 1; ++i) {
    const double a = k0 + 6 + i * 2.6;
    layer.Fill(RoundRect(axis.Span(a - 0.9, a + 0.1, 5.5, 12.5), 0.4), Solid(Hex(0x6C737C)));
    layer.Fill(RoundRect(axis.Span(a + 0.1, a + 1.0, 5.5, 12.5), 0.4), Solid(Hex(0xFFFFFF, 0.9)));
  }
}

// A pill-shaped track, green when on and red when off, with a round knob at the start (top,
// left) or the end; the free part of the track shows "I" when on and "O" when off.
void PaintColourSlide(Layer& layer, Axis axis, bool on, bool knobAtStart) {
  const Rgba colour = on ? Hex(0x2FB344) : Hex(0xD93A2B);
  const Rgba black = Hex(0x000000);
  const Shape track = RoundRect(axis.Span(1, 29, 2, 16), 7);
  PaintSunken(layer, track, Mix(colour, black, 0.3), Mix(colour, kWhite, 0.15),
              Mix(colour, black, 0.55));
  const double knobAt = knobAtStart ? 8.5 : 21.5;
  const double freeAt = knobAtStart ? 21.5 : 8.5;
  const Vec free = axis.Point(freeAt, 9);
  if (on) {
    layer.Fill(RoundRect({free.x - 0.8, free.y - 3.6, free.x + 0.8, free.y + 3.6}, 0.8),
               Solid(Hex(0xFFFFFF, 0.95)));
  } else {
    layer.Fill(Subtract(Circle(free, 3.4), Circle(free, 1.9)), Solid(Hex(0xFFFFFF, 0.95)));
  }
  const Vec knob = axis.Point(knobAt, 9);
  layer.Fill(Circle({knob.x + 0.4, knob.y + 0.6}, 6.3), Solid(Hex(0x000000, 0.3)));
  PaintRaised(layer, Circle(knob, 6), Hex(0xFFFFFF), Hex(0xCDD1D6), Hex(0x5E646C));
}

}  // namespace

void PaintCheckBox(Layer& layer, bool on) {
  PaintSunken(layer, RoundRect({1, 1, 15, 15}, 2.5), kWellTop, kWellBottom, kWellOutline);
  if (!on) return;
  const Shape tick = Stroke({{4.3, 8.2}, {6.9, 10.9}, {11.8, 4.9}}, 2.3);
  layer.Fill(tick, Linear({0, 4}, {0, 12}, {{0, kMarkLight}, {1, kMarkDark}}));
}

void PaintRadioButton(Layer& layer, bool on) {
  PaintSunken(layer, Circle({7, 7}, 6.4), kWellTop, kWellBottom, kWellOutline);
  if (!on) return;
  layer.Fill(Circle({7, 7}, 3.1), Radial({6.2, 6.1}, 3.6, {{0, kMarkLight}, {1, kMarkDark}}));
  PaintGloss(layer, {6.2, 5.9}, 1.2, 0.8, 0.6);
}

void PaintSlideTopBottom(Layer& layer, bool on) {
  PaintSlide(layer, Axis{true}, on);
}

void PaintSlideLeftRight(Layer& layer, bool on) {
  PaintSlide(layer, Axis{false}, !on);
}

void PaintColSlideTopBottom(Layer& layer, bool on) {
  PaintColourSlide(layer, Axis{true}, on, on);
}

void PaintColSlideLeftRight(Layer& layer, bool on) {
  PaintColourSlide(layer, Axis{false}, on, !on);
}

}  // namespace onoff_art
