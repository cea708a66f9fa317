// ZEB_NumIO: typed text to numbers and back for the numeric input components: the input
// formats, the scanners, validity tests and formatters, and the conversions built on them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "companion/ZEB_zebbase.h"

namespace zeb {

// The text a numeric field accepts. itDynamic lets the first character choose: "$"
// hexadecimal, "%" binary, "&" octal, anything else itExp.
enum TInFormat : uint8_t { itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic };

// Raised by the numeric input panel (integer overflow of its value).
class EZEBNumIO2Error : public EZEBError {
 public:
  using EZEBError::EZEBError;
};

// ---- the unit's conversion routines ----------------------------------------------------
// Texts are read as bytes (characters outside ASCII are never digits, signs or separators);
// positions are 1-based. Separator modes: 1 accepts ".", 2 accepts ",", 3 accepts either.
// None of these raises, and any text, any start position and any mode are safe to pass.
namespace nio {

// The largest exponent-digit value the float scanner keeps; further exponent digits are
// read but dropped, so the number it builds stays small whatever the user types.
inline constexpr int kMaxExponentDigitsValue = 4200;
// Scanners read at most this many bytes of a text, so 1-based int positions cannot overflow.
inline constexpr std::size_t kMaxScanLength = 0x7FFFFF00;

// A decimal number from position pos (in: start, out: the character that ended it, or
// length + 1 when the whole rest was used): leading blanks, sign, digits, separator,
// fraction, and with allowExp an exponent ("e"/"E", sign, digits). A malformed start gives
// 0. The value is clamped to +-uc_MaxDouble; a value too small for a double is 0.
double ScanFloat(std::string_view text, bool allowExp, int sepMode, int& pos);

// Integers with 32-bit wrap-around. Blanks are skipped while pos is before the last
// character; ScanDecInt reads an optional sign, ScanHexInt skips a "$" at position 1. The
// scan stops at the first character that is not a digit of the base; pos names it.
int32_t ScanDecInt(std::string_view text, int& pos);
int32_t ScanHexInt(std::string_view text, int& pos);
int32_t ScanOctInt(std::string_view text, int& pos);
int32_t ScanBinInt(std::string_view text, int& pos);

// Typing tests. sepMode 0 stands for the platform separator: mode 1 when it is ".", else
// mode 2. IsValidExpFloat accepts a text whose beginning is (or can still become) a number
// with optional exponent of at most 4200; IsValidPlainFloat accepts a whole text that is a
// number, possibly incomplete ("-", "1.", ".5"), without exponent.
bool IsValidExpFloat(std::string_view text, int sepMode);
bool IsValidPlainFloat(std::string_view text, int sepMode);
bool IsValidIntStr(std::string_view text);
bool IsValidHexStr(std::string_view text);
bool IsValidOctStr(std::string_view text);
bool IsValidBinStr(std::string_view text);

// decimals >= 0: fixed notation with "." right-aligned to at least |width| characters.
// decimals < 0 (the documented value is -2): scientific notation of |width| characters,
// sign position, d.ddd (|width| - 6 significant digits), "E", sign, two exponent digits; a
// value whose exponent needs three digits gives asterisks instead.
std::string FormatNumStr(int width, int decimals, double value);

// Exactly count digits (count clamped to 1..16, 1..11, 1..32), leading zeros, upper case.
std::string HexDigitStr(uint32_t value, int count);
std::string OctDigitStr(uint32_t value, int count);
std::string BinDigitStr(uint32_t value, int count);

// The separator mode of a TDecPSep for the edit field (platform "," -> 2, else 1) and for
// the panel's validity tests (platform "." -> 1, else 2). Ordinals 1..3 map to themselves.
int EditSepMode(TDecPSep sep);
int PanelSepMode(TDecPSep sep);

// The low 32 bits of v rounded to the nearest integer (ties to even); 0 for NaN.
uint32_t RoundedLow32(double v);

}  // namespace nio

// ---- the edit field's conversions (TNumIO) ---------------------------------------------

// Whether text is acceptable in format fmt with separator choice sep, and its value. An
// empty text is not acceptable (value unchanged); otherwise value is set (0 when refused).
bool ConvertNumString(std::string_view text, TInFormat fmt, TDecPSep sep, double& value);
// The value of an edit text: first "," read as ".", a trailing "." completed; 0 when the
// text does not convert.
double LabTextValue(std::string_view text, TInFormat fmt, TDecPSep sep);
// The edit text that shows value in format fmt.
std::string LabValueText(double value, TInFormat fmt, int fixPointDecPlaces);

// ---- the input panel's conversions (TNumIO2) -------------------------------------------

// The properties of a numeric input panel its conversions read.
struct TNioFormat {
  TInFormat InputFormat = itFloat;
  TDecPSep DecPlaceSep = dpPlatform;
  int FixPointDecPlaces = 2;
  int SignificantDigits = 6;
};

// Whether text may stand in the panel while the user types.
bool NioCheckValidity(std::string_view text, const TNioFormat& format);
// The value of a panel text (trailing characters after the number are ignored).
double NioGetValue(std::string_view text, const TNioFormat& format);
// The panel text that shows value.
std::string NioValueText(double value, const TNioFormat& format);
// The value rounded to a 32-bit integer; EZEBNumIO2Error "Component "<name>": integer
// overflow" when it lies outside the 32-bit range.
int NioGetIntValue(std::string_view text, const TNioFormat& format, const std::string& name);
// Whether the value of text lies outside low..high.
bool NioOutOfRange(std::string_view text, const TNioFormat& format, double low, double high);
// text with its decimal separators rewritten for a change of DecPlaceSep from oldSep to
// newSep (unchanged when they are equal or newSep is dpBoth).
std::string NioChangeDecSep(std::string_view text, TDecPSep oldSep, TDecPSep newSep);

}  // namespace zeb
