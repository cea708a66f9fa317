// Unit ZEB_zebbase of corekit_rt: the base error class of the component family, the shared
// enumerations and event types, language-dependent names and the frame and mark drawing
// routines the components share.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/base/event.h"
#include "framework/base/object.h"
#include "framework/rtl/colors.h"
#include "framework/rtl/exceptions.h"

namespace fw {
class TCanvas;
}

namespace zeb {

// Base of every error the components raise; carries only a message.
class EZEBError : public fw::Exception {
 public:
  using fw::Exception::Exception;
};

using TIntArray = std::vector<int>;
using TDoubleArray = std::vector<double>;

// Progress of a long operation, 0..100.
using TOnPercentDoneEvent = fw::Event<void(fw::TObject* Sender, int Percent)>;

// ---- shared enumerations ------------------------------------------------------------------

// Frame styles by ordinal: none, plain outline, sunken, raised, embossed, engraved.
enum TFrameStyle : uint8_t { fstNone, fstPlain, fstSunken, fstRaised, fstEmbossed, fstEngraved };
inline const std::vector<std::string> kFrameStyleNames{"fstNone",   "fstPlain",    "fstSunken",
                                                       "fstRaised", "fstEmbossed", "fstEngraved"};

// Ordinal 0: frame shadow $808080 and highlight $FFFFFF; any other ordinal: the system colours
// clBtnShadow and clBtnHighlight.
enum TColorScheme : uint8_t { schFixed, schSystem };
inline const std::vector<std::string> kColorSchemeNames{"schFixed", "schSystem"};
// The frame shadow and highlight colours of a scheme (any ordinal other than 0 is schSystem).
void FrameColorsOfScheme(TColorScheme scheme, fw::TColor& shadow, fw::TColor& highlight);

// Decimal separator choice: the platform's current one, ".", ",", or either.
enum TDecPSep : uint8_t { dpPlatform, dpPoint, dpComma, dpBoth };
inline const std::vector<std::string> kDecPSepNames{"dpPlatform", "dpPoint", "dpComma", "dpBoth"};

// Languages of the name tables, ordinals 1..4.
enum TLanguage : uint8_t { lgEnglish = 1, lgGerman, lgFrench, lgSpanish };

// Automatic advance after editing: 0 down, 1 right.
enum TOrientation : uint8_t { orDown, orRight };

// How a background image fills a face: drawn once at the top-left corner, stretched over the
// face, or repeated.
enum TBkgFill : uint8_t { bfSimple, bfStretch, bfTile };
inline const std::vector<std::string> kBkgFillNames{"bfSimple", "bfStretch", "bfTile"};

// The direction a bar grows in: ordinal 0 from bottom to top, 1 from top to bottom, 2 from
// right to left, 3 from left to right.
enum TDirection : uint8_t { dirUp, dirDown, dirLeft, dirRight };

// Field delimiters of CSV files: comma, semicolon, tab, blank, or (when reading) whichever of
// these the first line uses most.
enum TCSVDelimiters : uint8_t { csvComma, csvSemicolon, csvTab, csvSpace, csvAuto };

// How two verdicts A (the first, e.g. an internal search) and B (the second, e.g. an
// application's) combine; see ApplyLogicOp.
enum TLogicOp : uint8_t { loAnd, loOr, loXor, loAndNot, loOrNot, loReplace };
// loAnd: A and B; loOr: A or B; loXor: A differs from B; loAndNot: A and not B; loOrNot: A or
// not B; loReplace: B alone. An ordinal outside the list gives A.
bool ApplyLogicOp(TLogicOp op, bool a, bool b);

// ---- event types --------------------------------------------------------------------------

// Raised by a string matrix while it prepares a sort, once per row: S1 is the row's text in
// the primary sort column, S2 the key the row is sorted by (S1 to begin with); the handler may
// replace S2, for example to sort month names in calendar order.
using TBeforeSortExchgEvent =
    fw::Event<void(fw::TObject* Sender, const std::string& S1, std::string& S2)>;

// Raised by the text exports of a report list once per written cell, before it is written:
// Text is the cell's text as it will be written (the handler may change it), Col and Row the
// cell's column and row in the list's numbering; Row 0 is the line of column names.
using TExportTextEvent = fw::Event<void(fw::TObject* Sender, std::string& Text, int Col, int Row)>;

// ---- names by language --------------------------------------------------------------------

// Month names for month 1..12, weekday names for weekday 0..6 (0 = Monday), in UTF-8. Short
// month names have at most four characters and English ones exactly three; long names at most
// ten. A language or index out of range gives "".
std::string MonthShort(int language, int month);
std::string MonthLong(int language, int month);
std::string WeekDayShort(int language, int weekday);
std::string WeekDayLong(int language, int weekday);

// ---- colours and drawing ------------------------------------------------------------------

// The colour halfway between c1 and c2: system colours are resolved first, then each of red,
// green and blue is the mean of the two, rounded down.
fw::TColor MeanColor(fw::TColor c1, fw::TColor c2);

// DrawFrame paints the frame of `style` on the edge of the rectangle whose corner pixels are
// (left, top) and (right, bottom), both included, in the five colours given (callers usually
// pass clWhite, clSilver, clGray, clBlack, clBlack). It paints only frame pixels, solid and
// exactly, whatever the canvas's pen and brush are (both are left as they were); it never
// fills the inside. With L, T, R, B for the corners and the colours named
// highlight, light, shadow, darkShadow, outline:
//   fstNone      nothing.
//   fstPlain     outline: every pixel of row T, row B, column L and column R.
//   fstSunken    outer ring: column L (rows T..B) and row T (columns L..R-1) shadow;
//                column R (rows T..B) and row B (columns L+1..R) highlight.
//                inner ring, the same shape on L+1, T+1, R-1, B-1: top and left darkShadow,
//                bottom and right light.
//   fstRaised    outer ring as sunken's shape: top and left highlight, bottom and right
//                darkShadow; inner ring: top and left light, bottom and right shadow.
//   fstEmbossed  highlight outline of the rectangle (L, T)-(R-1, B-1) (all four sides);
//                shadow on column L+1 (rows T+1..B-2), row T+1 (columns L+1..R-2), row B
//                (columns L+1..R) and column R (rows T+1..B). The corner pixels (R, T) and
//                (L, B) are left alone.
//   fstEngraved  as embossed with highlight and shadow exchanged.
// Pixels that would fall outside the rectangle (when it is narrower or lower than the frame)
// are not painted; a rectangle with right < left or bottom < top paints nothing. An ordinal
// above 5 paints nothing.
void DrawFrame(fw::TCanvas* canvas, TFrameStyle style, int left, int top, int right, int bottom,
               fw::TColor highlight, fw::TColor light, fw::TColor shadow, fw::TColor darkShadow,
               fw::TColor outline);

// The outline of the rectangle with corner pixels (left, top) and (right, bottom), both
// included, drawn with the canvas's current pen; the inside is not touched.
void DrawRectangle(fw::TCanvas* canvas, int left, int top, int right, int bottom);

// Number of plot symbols DrawMarkOnCanvas knows (0..kMarkCount-1).
inline constexpr int kMarkCount = 52;
// Half the side of the square every symbol stays inside with a one-pixel pen: a symbol drawn
// at (x, y) paints only pixels with |dx| <= kMarkRadius and |dy| <= kMarkRadius.
inline constexpr int kMarkRadius = 5;

// Draws plot symbol `mark` (0..51; other values draw nothing) centred on (x, y) with the
// canvas's current pen; "open" symbols are filled with the current brush (a bsClear brush
// leaves them hollow), "solid" symbols are filled with the pen colour. Pen and brush are left
// as they were. The symbols:
//    0 point (one pixel)          1 plus              2 diagonal cross     3 asterisk
//    4 small plus (radius 3)      5 small cross       6 horizontal dash    7 vertical dash
//    8..18  open shapes, radius 5:  square, circle, diamond, triangle up, triangle down,
//           triangle left, triangle right, hexagon, hourglass, bow tie, pentagon
//   19..29  the same shapes, solid
//   30..40  the same shapes, open, radius 3
//   41..51  the same shapes, solid, radius 3
void DrawMarkOnCanvas(fw::TCanvas* canvas, int mark, int x, int y);

}  // namespace zeb
