// The built-in bitmap font "fw-builtin": one native size of fixed-pitch glyphs drawn here,
// integer-scaled for larger heights, used for pixel-exact text and as the font of last resort.
#pragma once

#include <array>
#include <cstdint>

namespace fw {

// Geometry at scale 1 (every figure is multiplied by the scale s; see BuiltinScale):
//  - every character advances kBuiltinCellWidth = 6 pixels; its glyph lies in columns 0..4 of
//    its cell, column 5 stays blank as the gap to the next character;
//  - the cell is kBuiltinCellHeight = 13 rows: ascent 10 (rows 0..9), descent 3 (rows 10..12);
//    the baseline is the boundary between rows 9 and 10;
//  - capitals and digits fill rows 3..9 (5 x 7 matrix), the lower-case x-height is rows 5..9,
//    ascenders start at row 3, descenders (g j p q y) reach row 11, row 12 stays blank;
//  - accents of capitals sit in rows 0..1, of lower-case letters in rows 2..3;
//  - underline: row 11; strike-out: row 6 (both the full advance wide, one row thick);
//  - code points without a glyph (including U+FFFD) draw the replacement box: the outline of
//    columns 0..4, rows 3..9.
// Example: "H" at (0, 0) inks columns 0 and 4 of rows 3..9 and columns 1..3 of row 6.
// Metrics: ascent 10, descent 3, height 13, internal leading 2 (em height 11), average and
// maximum character width 6. Text is never anti-aliased. Bold inks, besides each pixel of the
// glyph, the pixel right of it (so column 5 too; the advance stays 6); italic is not drawn.
inline constexpr int kBuiltinCellWidth = 6;
inline constexpr int kBuiltinCellHeight = 13;
inline constexpr int kBuiltinAscent = 10;
inline constexpr int kBuiltinDescent = 3;
inline constexpr int kBuiltinEmHeight = 11;
inline constexpr int kBuiltinUnderlineRow = 11;
inline constexpr int kBuiltinStrikeOutRow = 6;
inline constexpr int kBuiltinMaxScale = 64;

// One glyph: a row mask per cell row; column c (0..4) is inked when bit (4 - c) is set.
using BuiltinGlyphRows = std::array<uint8_t, kBuiltinCellHeight>;

// The glyph of a code point, or the replacement box when the font has none.
const BuiltinGlyphRows& BuiltinGlyph(char32_t code);
bool BuiltinHasGlyph(char32_t code);

// The scale for a font height: negative (em height e) gives e div 11, positive (cell height h)
// gives h div 13, zero the default; never below 1 nor above kBuiltinMaxScale. The font never
// grows beyond the requested size except where 1 is still too large.
int BuiltinScale(int height);

}  // namespace fw
