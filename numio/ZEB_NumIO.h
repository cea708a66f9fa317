// ZEB_NumIO: typed text to numbers and back for the numeric input components: the input
// formats, the scanners, validity tests and formatters, and the conversions built on them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "companion/ZEB_zebbase.h"
#include "framework/stdctrls/edit.h"

namespace zeb {

// The text a numeric field accepts. itDynamic lets the first character choose: "$"
// hexadecimal, "%" binary, "&" octal, anything else itExp.
enum TInFormat : uint8_t { itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic };
inline const std::vector<std::string> kInFormatNames{"itExp", "itFloat", "itFixPoint", "itInt",
                                                     "itHex", "itOct",   "itBin",      "itDynamic"};

// Raised by the numeric input components: an integer overflow of the panel's value, and a
// value or range end given to the edit field that is not a finite number.
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
// FormatNumStr(width, -2, value), except that an exponent of three digits is written out
// (the text is one character wider) instead of asterisks: every finite double has a text.
std::string ScientificNumStr(int width, double value);

// Exactly count digits (count clamped to 1..16, 1..11, 1..32), leading zeros, upper case.
std::string HexDigitStr(uint32_t value, int count);
std::string OctDigitStr(uint32_t value, int count);
std::string BinDigitStr(uint32_t value, int count);

// The separator mode of a TDecPSep for the edit field (platform "," -> 2, else 1) and for
// the panel's validity tests (platform "." -> 1, else 2). Ordinals 1..3 map to themselves.
int EditSepMode(TDecPSep sep);
int PanelSepMode(TDecPSep sep);
// The separator choice the edit field reads its own text with: sep, except that itFixPoint
// writes and keeps a "." whatever the choice, so a choice of "," only admits "." as well.
TDecPSep EditTextSep(TInFormat fmt, TDecPSep sep);

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
// The edit text that shows value (finite) in format fmt: itExp and itDynamic six significant
// digits in scientific form (three exponent digits where needed), itFloat eight decimals,
// itFixPoint fixPointDecPlaces decimals, itInt the rounded value, itHex, itOct and itBin
// the low 32 bits of the rounded value with at least eight digits.
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

// ---- TNumIO: the numeric edit field -----------------------------------------------------

// A single-line edit that accepts only numbers of its input format inside RangeLow..
// RangeHigh. Every change of the text (typing, pasting, setting Text) is filtered: a text
// that does not convert, or whose value lies outside the range (0 always passes, so texts
// being typed like "-" or "0." do), is replaced by the last accepted text, the caret moves
// one place left and, with Beep, a beep sounds. In itFixPoint every accepted text is
// rewritten with exactly FixPointDecPlaces decimals. OnChange fires for accepted changes only.
// A field created in code has the range 0..0 until it is set; in the form designer the range
// is the whole double range.
class TNumIO : public fw::TCustomEdit {
 public:
  explicit TNumIO(fw::TComponent* AOwner);

  // Whether text is acceptable in this field's format and separator choice, and its value.
  bool ConvertNumString(const std::string& text, double& value) const;
  // The value the field holds: after SetLabValue(x) exactly x, however the text had to round
  // it, until the text changes (typing, pasting, setting Text, a setting that replaces the
  // text) or InputFormat or DecPlaceSep change. Otherwise the value of the edit text (0 when
  // it does not convert).
  double GetLabValue() const;
  // Writes value as edit text in the field's format (see LabValueText), also outside the
  // range; the text counts as accepted. The text shows what the format can:
  //  - itExp, itDynamic: six significant digits, any exponent (" 1.00000E+100");
  //  - itFloat, itFixPoint: rounded to 8 or FixPointDecPlaces decimals, so values below the
  //    last place show as zero;
  //  - itInt: the rounded value (beyond the 32-bit range it wraps once the user edits it);
  //  - itHex, itOct, itBin: the low 32 bits of the rounded value.
  // GetLabValue still returns value exactly until the text changes. NaN and infinities have
  // no text: EZEBNumIO2Error "Component "<Name>": value is not a finite number", and the
  // field keeps its text and value.
  void SetLabValue(double value);

  // From another TNumIO: InputFormat, Beep, the range and DecPlaceSep (not the text, not
  // FixPointDecPlaces); the text is then filtered under the new settings.
  void Assign(fw::TPersistent* Source) override;
  // Into another TNumIO through its Assign; other destinations as the edit control does.
  void AssignTo(fw::TPersistent* Dest) override;

  TInFormat InputFormat() const { return inputFormat_; }
  void SetInputFormat(TInFormat value);
  int FixPointDecPlaces() const { return fixPointDecPlaces_; }
  void SetFixPointDecPlaces(int value);
  // The range of values the filter accepts. Each setter keeps RangeLow <= RangeHigh: a bound
  // set past the other takes its place and the other takes the old value. Both ends are
  // finite numbers (+-uc_MaxDouble for the whole range): NaN or an infinity raises
  // EZEBNumIO2Error "Component "<Name>": RangeLow is not a finite number" (or RangeHigh), also
  // while a form is read, and the range stays as it was.
  double RangeLow() const { return rangeLow_; }
  void SetRangeLow(double value);
  double RangeHigh() const { return rangeHigh_; }
  void SetRangeHigh(double value);
  TDecPSep DecPlaceSep() const { return decPlaceSep_; }
  void SetDecPlaceSep(TDecPSep value);
  bool Beep() const { return beep_; }
  void SetBeep(bool value) { beep_ = value; }

 protected:
  // The filter (see the class comment); a text other than the one SetLabValue wrote ends
  // the kept value.
  void Change() override;
  void Loaded() override;

 private:
  // The filter proper.
  void Filter();
  // EZEBNumIO2Error "Component "<Name>": <what> is not a finite number" unless value is one.
  void RequireFinite(double value, const char* what) const;
  // Sets the edit text without filtering the change this causes.
  void SetTextUnfiltered(const std::string& text);
  // Clears the last accepted text and filters the current one under changed settings.
  void Refilter();
  // The caret the fixed-point rules ask for before conversion (-1: unchanged).
  int FixPointCaret(const std::string& text) const;

  TInFormat inputFormat_ = itDynamic;
  int fixPointDecPlaces_ = 2;
  std::string lastAccepted_;
  bool skipNextChange_ = false;
  bool beep_ = false;
  double rangeLow_ = 0;
  double rangeHigh_ = 0;
  TDecPSep decPlaceSep_ = dpPlatform;
  // The value SetLabValue was given and the text it wrote for it.
  struct KeptValue {
    double value;
    std::string text;
  };
  std::optional<KeptValue> kept_;
};

}  // namespace zeb
