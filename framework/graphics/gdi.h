// The platform drawing calls components make directly: logical fonts and their handles,
// stretch modes, StretchBlt and BitBlt between canvases.
#pragma once

#include <cstdint>

#include "framework/graphics/canvas.h"
#include "framework/graphics/pen_brush_font.h"

namespace fw {

inline constexpr int LF_FACESIZE = 32;

// A logical font as the platform lays it out (60 bytes; the face name is UTF-8, cut on a
// character boundary to at most 31 bytes).
struct LOGFONT {
  int32_t lfHeight = 0;
  int32_t lfWidth = 0;
  int32_t lfEscapement = 0;   // tenths of a degree
  int32_t lfOrientation = 0;  // tenths of a degree
  int32_t lfWeight = 0;       // FW_NORMAL 400, FW_BOLD 700
  uint8_t lfItalic = 0;
  uint8_t lfUnderline = 0;
  uint8_t lfStrikeOut = 0;
  uint8_t lfCharSet = 0;
  uint8_t lfOutPrecision = 0;
  uint8_t lfClipPrecision = 0;
  uint8_t lfQuality = 0;  // one of the *_QUALITY values
  uint8_t lfPitchAndFamily = 0;
  char lfFaceName[LF_FACESIZE] = {};
};
static_assert(sizeof(LOGFONT) == 60);

inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;
inline constexpr uint8_t DEFAULT_QUALITY = 0;
inline constexpr uint8_t NONANTIALIASED_QUALITY = 3;
inline constexpr uint8_t ANTIALIASED_QUALITY = 4;
inline constexpr uint8_t DEFAULT_PITCH = 0;
inline constexpr uint8_t FIXED_PITCH = 1;
inline constexpr uint8_t VARIABLE_PITCH = 2;

using HGDIOBJ = void*;

// Font handles live in one process-wide table. CreateFontIndirect adds an entry; DeleteObject
// removes it; a TFont deletes the handles it owns (see TFont::Handle and SetHandle). Handles
// are never reused, so a deleted handle stays invalid: GetObject fails on it and DeleteObject
// returns false. Entries left at exit are freed with the table.
HFONT CreateFontIndirect(const LOGFONT& font);
// Copies the description of a font handle; false for an unknown handle.
bool GetObject(HFONT font, LOGFONT& out);
// The platform's form: copies up to `size` bytes into `out`; returns the bytes copied, 0 on
// failure.
int GetObject(HFONT font, int size, void* out);
bool DeleteObject(HGDIOBJ object);
// Number of live font handles (for leak checks).
int FontHandleCount();

// The logical font of a TFont, and the TFont settings of a logical font.
LOGFONT FontToLogFont(const TFont& font);

// Stretch modes (SetStretchBltMode): nearest pixel or area average. The two older modes
// behave as nearest pixel.
inline constexpr int BLACKONWHITE = 1;
inline constexpr int WHITEONBLACK = 2;
inline constexpr int COLORONCOLOR = 3;
inline constexpr int HALFTONE = 4;
inline constexpr int STRETCH_ANDSCANS = BLACKONWHITE;
inline constexpr int STRETCH_ORSCANS = WHITEONBLACK;
inline constexpr int STRETCH_DELETESCANS = COLORONCOLOR;
inline constexpr int STRETCH_HALFTONE = HALFTONE;

// Sets the canvas's stretch mode; returns the previous one, 0 for a mode out of range.
int SetStretchBltMode(TCanvas* canvas, int mode);
int GetStretchBltMode(const TCanvas* canvas);

// Raster operation codes under their platform names.
inline constexpr uint32_t SRCCOPY = 0x00CC0020;
inline constexpr uint32_t SRCPAINT = 0x00EE0086;
inline constexpr uint32_t SRCAND = 0x008800C6;
inline constexpr uint32_t SRCINVERT = 0x00660046;
inline constexpr uint32_t SRCERASE = 0x00440328;
inline constexpr uint32_t NOTSRCCOPY = 0x00330008;
inline constexpr uint32_t NOTSRCERASE = 0x001100A6;
inline constexpr uint32_t MERGECOPY = 0x00C000CA;
inline constexpr uint32_t MERGEPAINT = 0x00BB0226;
inline constexpr uint32_t PATCOPY = 0x00F00021;
inline constexpr uint32_t PATPAINT = 0x00FB0A09;
inline constexpr uint32_t PATINVERT = 0x005A0049;
inline constexpr uint32_t DSTINVERT = 0x00550009;
inline constexpr uint32_t BLACKNESS = 0x00000042;
inline constexpr uint32_t WHITENESS = 0x00FF0062;

// Copies src's (sx, sy, sw, sh) to dst's (x, y, w, h) in their logical coordinates, combined
// by rop with dst's brush as pattern and stretched by dst's stretch mode. Sizes of different
// sign mirror. src may be nullptr for operations that do not read a source. False when a
// canvas has no bitmap.
bool StretchBlt(TCanvas* dst, int x, int y, int w, int h, const TCanvas* src, int sx, int sy,
                int sw, int sh, uint32_t rop);
bool BitBlt(TCanvas* dst, int x, int y, int w, int h, const TCanvas* src, int sx, int sy,
            uint32_t rop);

}  // namespace fw
