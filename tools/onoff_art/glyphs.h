// The glyph painters of the on/off button's sheets, one per picture, each painting the on or
// the off state of its enabled glyph into a layer of the glyph's size; and the parts several
// pictures share (bezels, lenses, knobs). Every picture is lit from the top left. Slide
// switches are on with the knob up or right; lamps are on when lit; the "HD" pictures are the
// front of a drive bay with its activity lamp at the left or right end.
#pragma once

#include "tools/onoff_art/layer.h"

namespace onoff_art {

using GlyphPainter = void (*)(Layer& layer, bool on);

// Switches (onoff_sheets_switches.cpp).
void PaintCheckBox(Layer& layer, bool on);           // tick / empty box
void PaintRadioButton(Layer& layer, bool on);        // dot / empty circle
void PaintSlideTopBottom(Layer& layer, bool on);     // knob at the top / the bottom
void PaintSlideLeftRight(Layer& layer, bool on);     // knob at the right / the left
void PaintColSlideTopBottom(Layer& layer, bool on);  // green track, knob top / red, bottom
void PaintColSlideLeftRight(Layer& layer, bool on);  // green track, knob right / red, left

// Lamps (onoff_sheets_lamps.cpp).
void PaintLedRedGreen(Layer& layer, bool on);   // green lit / red lit
void PaintBevelledLed(Layer& layer, bool on);   // red lit / dark
void PaintTrafficLight(Layer& layer, bool on);  // green walking man / red standing man
void PaintBulb(Layer& layer, bool on);          // glowing / dark
void PaintButtonLamp(Layer& layer, bool on);    // pressed and lit / raised and dark
void PaintDriveLeft(Layer& layer, bool on);     // drive front, lamp at the left: lit / dark
void PaintDriveRight(Layer& layer, bool on);    // drive front, lamp at the right

// Symbols (onoff_sheets_symbols.cpp).
void PaintArrowTopRight(Layer& layer, bool on);   // arrow up / right
void PaintArrowUpDown(Layer& layer, bool on);     // arrow up / down
void PaintArrowLeftRight(Layer& layer, bool on);  // arrow left / right
void PaintSmileyYellow(Layer& layer, bool on);    // happy / sad
void PaintSmileyRedGreen(Layer& layer, bool on);  // green happy / red sad

// The five extra pictures (onoff_sheets_user.cpp).
void PaintPowerButton(Layer& layer, bool on);  // glowing power symbol / grey
void PaintPadlock(Layer& layer, bool on);      // locked / open
void PaintToggleLever(Layer& layer, bool on);  // lever up / down
void PaintSpeaker(Layer& layer, bool on);      // sound waves / muted with a cross
void PaintStar(Layer& layer, bool on);         // gold star / hollow star

// Shared parts (onoff_sheets_parts.cpp).
// A raised surface: the shape in a top-to-bottom gradient from `top` to `bottom`, a dark
// outline and a bevel light along its edge.
void PaintRaised(Layer& layer, const Shape& shape, Rgba top, Rgba bottom, Rgba outline);
// A sunken well: outline, a darker top edge, the inside gradient.
void PaintSunken(Layer& layer, const Shape& shape, Rgba top, Rgba bottom, Rgba outline);
// A round lamp lens: lit glows from a bright centre to `colour` with a halo-free edge; unlit
// is `colour` darkened; both with a small reflection at the top left.
void PaintLens(Layer& layer, const Shape& lens, Vec centre, double radius, Rgba colour, bool lit);
// A reflection: a soft white ellipse, for glass and lenses.
void PaintGloss(Layer& layer, Vec centre, double rx, double ry, double strength);

}  // namespace onoff_art
