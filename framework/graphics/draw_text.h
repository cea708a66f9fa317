// The platform's formatted text call: DrawText on a TCanvas with the DT_* format flags
// (alignment, line and word breaks, accelerator prefixes, tab stops, ellipses, measuring only).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/canvas.h"
#include "framework/rtl/types.h"

namespace fw {

// Format flags, with the platform's values.
inline constexpr uint32_t DT_TOP = 0x00000000;
inline constexpr uint32_t DT_LEFT = 0x00000000;
inline constexpr uint32_t DT_CENTER = 0x00000001;
inline constexpr uint32_t DT_RIGHT = 0x00000002;
inline constexpr uint32_t DT_VCENTER = 0x00000004;     // single line only
inline constexpr uint32_t DT_BOTTOM = 0x00000008;      // single line only
inline constexpr uint32_t DT_WORDBREAK = 0x00000010;   // wrap at blanks to the rectangle's width
inline constexpr uint32_t DT_SINGLELINE = 0x00000020;  // CR and LF do not break the line
inline constexpr uint32_t DT_EXPANDTABS = 0x00000040;  // tab stops every 8 average characters
inline constexpr uint32_t DT_TABSTOP = 0x00000080;     // bits 8..15 give the tab stop in chars
inline constexpr uint32_t DT_NOCLIP = 0x00000100;
inline constexpr uint32_t DT_EXTERNALLEADING = 0x00000200;  // accepted; fonts here have none
inline constexpr uint32_t DT_CALCRECT = 0x00000400;         // measure only: sets Right and Bottom
inline constexpr uint32_t DT_NOPREFIX = 0x00000800;         // '&' is an ordinary character
inline constexpr uint32_t DT_INTERNAL = 0x00001000;         // accepted; the canvas font is used
inline constexpr uint32_t DT_EDITCONTROL = 0x00002000;      // words wider than the line are split
inline constexpr uint32_t DT_PATH_ELLIPSIS = 0x00004000;
inline constexpr uint32_t DT_END_ELLIPSIS = 0x00008000;
inline constexpr uint32_t DT_HIDEPREFIX = 0x00100000;  // prefixes removed but not underlined

// Draws `text` (UTF-8) in `rect` with the canvas's font, font colour and, when the brush is
// solid, the brush colour behind each line's text; the pen position stays. Lines break at
// CR, LF and CR LF (unless DT_SINGLELINE) and, with DT_WORDBREAK, at blanks where the next
// word would pass the right edge; the blanks at a wrap are dropped and a word wider than the
// line stays whole (runs past the edge) unless DT_EDITCONTROL. Without DT_NOPREFIX, "&x"
// draws x underlined and "&&" draws "&". Drawing is clipped to `rect` unless DT_NOCLIP.
// DT_VCENTER and DT_BOTTOM place a single line; without DT_SINGLELINE the text starts at the
// top. With DT_CALCRECT nothing is drawn: rect.Right becomes Left plus the widest line and
// rect.Bottom becomes Top plus the text height.
// Returns the text height, or with DT_VCENTER or DT_BOTTOM on a single line the distance from
// rect.Top to the bottom of the text; empty text has height 0. The text is laid out upright
// whatever the font's orientation; a null canvas gives 0.
int DrawText(TCanvas* canvas, std::string_view text, TRect& rect, uint32_t format);

// The text as DrawText shows it without DT_NOPREFIX: each "&&" becomes "&", any other "&" is
// removed and the character after it (if any) is marked. The byte offsets of the marked
// characters in the result are appended to `marks` when given.
std::string RemovePrefixes(std::string_view text, std::vector<std::size_t>* marks = nullptr);

}  // namespace fw
