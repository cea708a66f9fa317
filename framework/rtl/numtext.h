// Numbers as text with the run-time library's rules: Str/Val, Format, FloatToStr(F),
// FormatFloat, integer conversions, and the FormatSettings they read.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace fw {

// Locale-like settings read by the conversions that follow the user's conventions
// (FloatToStr, FloatToStrF, Format %f %e %g %n, FormatFloat, StrToFloat). Str and Val always
// use ".". Tests may change these and must restore them.
struct TFormatSettings {
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';
  int TwoDigitYearCenturyWindow = 50;
};
extern TFormatSettings FormatSettings;

// ---- Digit generation shared by the formatters ------------------------------------------

// Significant digits are limited to 18, as the platform's decimal conversion: every formatter
// starts from the exact binary value rounded to 18 significant digits (halves away from zero)
// and rounds further from there, also halves away from zero.
inline constexpr int kMaxSignificantDigits = 18;

// A finite number as decimal digits: value = 0.D1D2D3... x 10^Exponent.
struct TFloatDecimal {
  std::string Digits;  // significant digits without trailing zeros; "" means zero
  int Exponent = 0;    // digits before the decimal point (may be negative or zero)
  bool Negative = false;
};

// x (finite) rounded to at most min(precision, 18) significant digits and to at most
// `decimals` digits after the decimal point (pass a large value for "no limit").
TFloatDecimal FloatToDecimal(double x, int precision, int decimals);

// ---- Str and Val: fixed rules, "." always ----------------------------------------------

// Str(x:W:d): x rounded to d decimals, "-" for negatives, no grouping, right-aligned with
// blanks to at least W characters. A negative d gives the scientific form Str(x:W). Decimals
// above 64 are treated as 64; widths above 1024 as 1024.
std::string Str(double x, int W, int d);
// Str(x:W): a blank or "-", one digit, ".", max(1, W - 9) decimals, "E", sign, four exponent
// digits. Digits beyond the 18th significant one are not invented: the decimals stop at 17
// and the text is right-aligned with blanks to W instead.
std::string Str(double x, int W);
// Str(x) without a width: the scientific form of width 23 (15 significant digits).
std::string Str(double x);
// Str(n:W) for integers.
std::string Str(int64_t n, int W = 0);
std::string Str(int n, int W = 0);

// Val: leading blanks, optional sign, digits with an optional "." part, optional exponent
// ("E"/"e", optional sign, digits); nothing may follow. code is 0 on success, otherwise the
// 1-based position of the first character that cannot belong to the number (Length + 1 when
// the text ends early, or when the number is too large for a double); x is set to 0 then.
void Val(std::string_view text, double& x, int& code);
// Integer Val: leading blanks, optional sign, decimal digits or hexadecimal after "$", "x",
// "0x". Decimal must fit the signed range; hexadecimal may use the full unsigned width
// ("$FFFFFFFF" is -1). code as above (an overflowing digit is the bad character).
void Val(std::string_view text, int& n, int& code);
void Val(std::string_view text, int64_t& n, int& code);

// ---- Format -----------------------------------------------------------------------------

// One argument of Format: an integer (remembering whether it came as a 32-bit int, which
// decides the width of %u and %x for negatives), a double or a string.
class FormatArg {
 public:
  enum class Kind { Int32, Int64, Double, String };
  FormatArg(int v) : kind_(Kind::Int32), int_(v) {}
  FormatArg(unsigned v) : kind_(Kind::Int64), int_(v) {}
  FormatArg(long v) : kind_(Kind::Int64), int_(v) {}
  FormatArg(long long v) : kind_(Kind::Int64), int_(v) {}
  FormatArg(unsigned long v) : kind_(Kind::Int64), int_(static_cast<int64_t>(v)) {}
  FormatArg(unsigned long long v) : kind_(Kind::Int64), int_(static_cast<int64_t>(v)) {}
  FormatArg(double v) : kind_(Kind::Double), double_(v) {}
  FormatArg(float v) : kind_(Kind::Double), double_(v) {}
  FormatArg(char c) : kind_(Kind::String), string_(1, c) {}
  FormatArg(const char* s) : kind_(Kind::String), string_(s ? s : "") {}
  FormatArg(std::string_view s) : kind_(Kind::String), string_(s) {}
  FormatArg(const std::string& s) : kind_(Kind::String), string_(s) {}

  Kind GetKind() const { return kind_; }
  bool IsInteger() const { return kind_ == Kind::Int32 || kind_ == Kind::Int64; }
  int64_t AsInt() const { return int_; }
  double AsDouble() const { return double_; }
  const std::string& AsString() const { return string_; }

 private:
  Kind kind_;
  int64_t int_ = 0;
  double double_ = 0;
  std::string string_;
};

// Format(fmt, args): "%" [index ":"] ["-"] [width] ["." precision] type, width and precision
// either digits or "*" (taken from the next argument), "%%" for a percent sign. Types:
//   d  integer; precision = minimum digits (zero-filled)
//   u  integer as unsigned (32 bits for an int argument, 64 otherwise)
//   x  integer in upper-case hexadecimal, same widths as u; precision = minimum digits
//   e  d.ddd...E+ddd: precision (default 15, at most 18) significant digits in all, the
//      exponent with its sign and at least three digits
//   f  fixed, precision (default 2, at most 18) decimals
//   g  general, precision (default 15) significant digits, trailing zeros dropped, fixed
//      while the integer digits do not exceed the precision and the value is at least
//      0.00001, else d.dddE+ddd style with at least three exponent digits ("-" only)
//   n  as f with thousand separators
//   s  string; precision = maximum characters
// Type letters are case-insensitive; the width pads with blanks on the left ("-": right).
// An argument of the wrong kind or a bad specifier raises EConvertError
// "Format '<fmt>' invalid or incompatible with argument"; too few arguments raise
// EConvertError "No argument for format '<fmt>'".
std::string Format(std::string_view fmt, std::initializer_list<FormatArg> args);
std::string Format(std::string_view fmt, std::span<const FormatArg> args);

// ---- Float to text following FormatSettings -------------------------------------------

enum TFloatFormat : uint8_t { ffGeneral, ffExponent, ffFixed, ffNumber };

// FloatToStrF(x, format, precision, digits):
//   ffGeneral: precision significant digits, trailing zeros dropped; scientific when the
//              integer digits exceed precision or the value is below 0.00001, with "E",
//              "-" for negative exponents only, and at least `digits` (0..4) exponent digits
//   ffExponent: d.ddd...E+dddd with precision digits in all and at least `digits` (0..4)
//              exponent digits, sign always written
//   ffFixed:   precision significant digits at most, exactly `digits` (0..18) decimals;
//              general format when the integer digits exceed precision
//   ffNumber:  as ffFixed with thousand separators
// precision is taken into 1..18. Infinities and NaN give "INF", "-INF", "NAN". A result whose
// digits are all zero carries no minus sign.
std::string FloatToStrF(double x, TFloatFormat format, int precision, int digits);
// FloatToStrF(x, ffGeneral, 15, 0): "0.1", "1E15", "1E-5", "-1.5".
std::string FloatToStr(double x);

// FormatFloat(fmt, x): sections "positive;negative;zero" (an empty or missing negative or zero
// section falls back to the first; a negative section carries its own sign). In a section:
// "0" forced digit, "#" optional digit, the first "." the decimal separator, "," anywhere
// among the integer placeholders turns on thousand separators, "E+" "E-" "e+" "e-" followed by
// "0"s a scientific exponent ("+" always writes the sign), '...' and "..." literal text; every
// other character is copied. An empty format gives FloatToStr; values of 1E18 and above
// without an exponent in the format are written as FloatToStr.
std::string FormatFloat(std::string_view fmt, double x);

// ---- Integers ---------------------------------------------------------------------------

std::string IntToStr(int64_t n);
// Upper-case hexadecimal with at least `digits` digits; negative ints as their 32-bit (int)
// or 64-bit (int64_t) pattern.
std::string IntToHex(int n, int digits);
std::string IntToHex(int64_t n, int digits);

// Integer text as Val reads it (decimal, or hexadecimal after "$", "x", "0x"); EConvertError
// "'<text>' is not a valid integer value" when it is not one.
int StrToInt(std::string_view text);
int64_t StrToInt64(std::string_view text);
int StrToIntDef(std::string_view text, int fallback);
bool TryStrToInt(std::string_view text, int& value);
bool TryStrToInt64(std::string_view text, int64_t& value);

// Floating-point text: leading and trailing blanks, optional sign, digits with
// FormatSettings.DecimalSeparator, optional exponent; no thousand separators. EConvertError
// "'<text>' is not a valid floating point value" when it is not one or is too large.
double StrToFloat(std::string_view text);
double StrToFloatDef(std::string_view text, double fallback);
bool TryStrToFloat(std::string_view text, double& value);

}  // namespace fw
