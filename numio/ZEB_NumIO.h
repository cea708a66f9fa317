// ZEB_NumIO: typed text to numbers and back for the numeric input components: the input
// formats, the scanners, validity tests and formatters, the conversions built on them, the
// numeric edit field TNumIO and the drawn numeric input panel TNumIO2.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "companion/ZEB_zebbase.h"
#include "framework/base/event.h"
#include "framework/controls/customcontrol.h"
#include "framework/controls/timers.h"
#include "framework/graphics/bitmap.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/text_alignment.h"

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

// ---- the input panel's pure decisions (TNumIO2) ------------------------------------------

// The character a key types in the panel, 0 for none: "0".."9" (48..57, numeric pad
// 96..105; with Shift 52, 53 and 54 give "$", "%" and "&"), "A".."F" (65..70), "+" (107,
// 187), "-" (109, 189), "," (110, 188) and "." (190).
char NioKeyChar(uint16_t key, bool shift);

// Whether text may stand in the panel: "", "-", "+" (in itDynamic also a bare "$", "%" or
// "&": the start of a prefixed number), or a text of printable ASCII characters that passes
// NioCheckValidity. The panel holds no other characters, so each of its
// positions is one character (a pasted "°" or line break is refused like a letter).
bool NioAcceptableText(std::string_view text, const TNioFormat& format);

// The index of the entry of steps nearest to v (the first of equally near ones); -1 when
// steps is empty.
int NearestStepIndex(std::span<const double> steps, double v);

// The value a spin button click gives. Without steps: value +- increment, limited to
// low..high. With steps: from the entry k nearest to value, up takes entry k + 1 unless entry
// k lies above value, down entry k - 1 unless entry k lies below it (within the list). An
// entry counts as lying above or below only when it differs from value by more than half a
// unit of the last shown place (0.5 * 10^-fixPointDecPlaces), so a value shown as an entry
// counts as that entry: with steps 0, 0.5, 1 and two places, up from 0.49 gives 0.5 and up
// from 0.5 gives 1.
double NioSpinValue(double value, bool up, double increment, double low, double high,
                    std::span<const double> steps, int fixPointDecPlaces);

// The value a gauge click or drag at x gives: low..high across gaugeLeft..gaugeLeft +
// gaugeWidth (x beyond the ends gives the ends), the nearest step when steps is not empty,
// limited to low..high. Any finite range works, also -uc_MaxDouble..uc_MaxDouble.
double NioGaugeValue(int x, int gaugeLeft, int gaugeWidth, double low, double high,
                     std::span<const double> steps);

// The part of the gauge filled for value: (value - low) / (high - low) within 0..1, 1 when
// low equals high, 0 for a value that is not a number.
double NioGaugeFraction(double value, double low, double high);

// The panel's editor state: its text with a caret and a selection (begin <= end), all
// positions 0..length (0 is before the first character). Every operation keeps them so:
// moving past either end, Backspace at 0 or Delete at the end change nothing.
struct TNioEditor {
  std::string text;
  int caret = 0;
  int selBegin = 0;
  int selEnd = 0;

  int Length() const { return static_cast<int>(text.size()); }
  bool HasSelection() const { return selBegin < selEnd; }
  std::string SelectedText() const;
  // Brings caret and selection back into 0..length with begin <= end.
  void Clamp();
  // The caret to pos (clamped); the selection is left alone.
  void MoveCaret(int pos);
  // Removes the selected characters; caret and selection end go to its begin.
  void DeleteSelection();
  // Deletes the selection, or else the character before (Backspace) or after (Delete) the
  // caret; nothing is selected afterwards.
  void Backspace();
  void DeleteForward();
  // Deletes the selection, inserts s at the caret and moves the caret behind it, selecting
  // nothing.
  void Insert(std::string_view s);
};

// ---- TNumIO2: the numeric input panel -----------------------------------------------------

// Raised with the gauge's value while it is dragged.
using TOnGaugeChangeEvent =
    fw::Event<void(fw::TObject* Sender, fw::TShiftState Shift, double GaugeValue)>;

// A drawn single-line numeric editor with a caption on the left, a unit text on the right,
// optional spin buttons, a freeze box (checked: read-only) and a gauge under the text box
// that shows, and sets by click and drag, the value's place in RangeLow..RangeHigh. Values
// outside the range are kept but shown in the warning colours. It keeps its own text, caret
// and selection, filters every key through the typing test of its InputFormat, blinks its
// caret on a 500 ms timer while it has the focus, and paints into an off-screen image.
//
// Layout (W x H the control; d = GaugeHeight + GaugeTopMargin + 1 with the gauge, else 0):
//   0 .. LeftSpace                 caption LeftText
//   LeftSpace .. +TextBoxWidth+2   text box, rows 0 .. H - d
//   x0 = LeftSpace + TextBoxWidth + ButSpace: spin buttons, ButWidth x ButHeight
//   xf = LeftSpace + r + TextBoxWidth + FreezeBoxLeft + 8 (r = ButWidth + ButSpace with
//        buttons): freeze box, FreezeBoxSize square at FreezeBoxTop; unit text after the box
//   GaugeLeftMargin .. +GaugeWidth, rows H - GaugeHeight - 1 .. H - 1: the gauge
//
// What runs when:
//   a key goes down   WndProc(WM_KEYDOWN) -> ForwardKeyDownToParent (the KeyPreview form and
//                     the parent see it first; eaten there, it ends) -> KeyDown: OnKeyDown,
//                     then HandleKey: edit, typing test (refused: text and caret restored,
//                     beep with Beep), OnChange when the text changed, repaint
//   the mouse         MouseDown: caret and selection in the text row, gauge value, spin
//                     step (OnChange at once), freeze box; MouseMove: drag selection or gauge
//                     (OnGaugeChange); MouseUp: OnChange after a gauge change
//   the caret timer   focus gained: caret on, timer restarted; each tick while focused
//                     toggles the caret; a tick without focus stops the timer
//   Paint             everything into the off-screen image, then one copy to the canvas
//
// Decisions where the behaviour was open:
//  - The caret and the drag selection: a left press places the caret and anchors the
//    selection; dragging selects from the anchor to the pointer either way.
//  - The caret line is drawn only while the panel has the focus.
//  - A key the form's KeyPreview handler (or the parent's OnKeyDown) sets to 0 is dropped.
//  - Pasting inserts the clipboard text up to its first line break.
//  - Values, range ends and step values are finite numbers: NaN or an infinity given to
//    SetNioValue, SetRangeLow or SetRangeHigh raises EZEBNumIO2Error "Component "<Name>":
//    <what> is not a finite number"; SetStepValues drops them and sorts the rest.
//  - A refused caret timer raises EZEBNumIO2Error "Component "<Name>": no timer available",
//    also from the constructor, which then releases its hidden window.
//  - Ctrl+C only copies: the selection stays, so Ctrl+X can follow. Shift+Tab hands the
//    focus back (WM_NEXTDLGCTL with 1). Shift and Ctrl count as held when the framework
//    says so, so a key-up missed while another control had the focus leaves nothing stuck.
//  - In itDynamic a bare "$", "%" or "&" passes the typing test, as a bare sign does, so a
//    prefixed number can be typed character by character.
//  - Changing InputFormat, FixPointDecPlaces or SignificantDigits leaves an empty text empty.
//  - The panel paints whenever it has a surface (also through PaintTo); nothing paints while
//    the constructor runs, as there is no surface yet.
//  - XCoordsToCharPos uses a mean character width of at least one pixel (no division by
//    zero for a text narrower in pixels than in characters).
class TNumIO2 : public fw::TCustomControl {
 public:
  explicit TNumIO2(fw::TComponent* AOwner);
  ~TNumIO2() override;
  TNumIO2(const TNumIO2&) = delete;
  TNumIO2& operator=(const TNumIO2&) = delete;

  // --- value and text
  // The value of the text (see NioGetValue); writing it rewrites the text in InputFormat
  // (caret and selection untouched) and repaints.
  double Value() const { return GetNioValue(); }
  double GetNioValue() const;
  void SetNioValue(double value);
  // The value rounded to an integer; EZEBNumIO2Error "Component "<Name>": integer overflow"
  // outside the 32-bit range.
  int GetNioIntValue() const;
  // Whether Value lies outside RangeLow..RangeHigh.
  bool OutOfRange() const;
  // The typing test of InputFormat (NioCheckValidity).
  bool CheckValidity(const std::string& text) const;
  // Set only when NioAcceptableText holds (others are ignored); caret and selection go to 0.
  const std::string& Text() const { return editor_.text; }
  void SetText(const std::string& value);
  // On change: the value is read, the format stored and the value written back (an empty
  // text stays empty, so a panel nothing was entered into stays blank).
  TInFormat InputFormat() const { return format_.InputFormat; }
  void SetInputFormat(TInFormat value);
  // On change the text's separators are rewritten (NioChangeDecSep).
  TDecPSep DecPlaceSep() const { return format_.DecPlaceSep; }
  void SetDecSep(TDecPSep value);
  // 1..15 (values <= 0 are ignored, above 15 become 15); the text is rewritten (unless
  // empty).
  int FixPointDecPlaces() const { return format_.FixPointDecPlaces; }
  void SetFixPointDecPlaces(int value);
  int SignificantDigits() const { return format_.SignificantDigits; }
  void SetSignificantDigits(int value);
  // The range: setting one end past the other moves the other along.
  double RangeLow() const { return rangeLow_; }
  void SetRangeLow(double value);
  double RangeHigh() const { return rangeHigh_; }
  void SetRangeHigh(double value);
  // The values the spin buttons and the gauge may give, ascending; empty: any value.
  const std::vector<double>& StepValues() const { return stepValues_; }
  void SetStepValues(std::vector<double> values);

  // --- caret and selection (character positions 0..length)
  int CaretPos() const { return editor_.caret; }
  int SelBegin() const { return editor_.selBegin; }
  int SelEnd() const { return editor_.selEnd; }
  // The caret and the selection begin to p (clamped); the end is raised to p when below.
  void SetSelBegin(int p);
  // The caret and the selection end to p (clamped); the begin is lowered to p when above.
  void SetSelEnd(int p);
  // Whether the caret is in its shown phase (it is drawn only while focused).
  bool CaretOn() const { return caretOn_; }
  // Where the pointer was last: 0 over the caption, 1 over the text box, 2 right of it.
  int MouseArea() const { return mouseArea_; }
  // The x of the point after the first p characters, and the character position nearest x.
  int CharPosToXCoords(int p) const;
  int XCoordsToCharPos(int x) const;

  // --- layout and look
  int LeftSpace() const { return leftSpace_; }
  void SetLeftSpace(int value);
  int TextBoxWidth() const { return textBoxWidth_; }
  void SetTextBoxWidth(int value);
  const std::string& LeftText() const { return leftText_; }
  void SetLeftText(const std::string& value);
  const std::string& RightText() const { return rightText_; }
  void SetRightText(const std::string& value);
  fw::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(fw::TAlignment value);
  fw::TAlignment LeftTextAlignment() const { return leftTextAlignment_; }
  void SetLeftTextAlignment(fw::TAlignment value);
  fw::TAlignment RightTextAlignment() const { return rightTextAlignment_; }
  void SetRightTextAlignment(fw::TAlignment value);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle value);
  TColorScheme ColorScheme() const { return colorScheme_; }
  void SetColorScheme(TColorScheme value);
  fw::TColor ColorBoxBG() const { return colorBoxBG_; }
  void SetColorBoxBG(fw::TColor value);
  fw::TColor ColorBoxText() const { return colorBoxText_; }
  void SetColorBoxText(fw::TColor value);
  fw::TColor ColorOutBG() const { return colorOutBG_; }
  void SetColorOutBG(fw::TColor value);
  fw::TColor ColorOutText() const { return colorOutText_; }
  void SetColorOutText(fw::TColor value);
  fw::TColor ColorWarnBG() const { return colorWarnBG_; }
  void SetColorWarnBG(fw::TColor value);
  fw::TColor ColorWarnText() const { return colorWarnText_; }
  void SetColorWarnText(fw::TColor value);
  // Each paint sets Height to TextHeight("E0") + 6.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);

  // --- spin buttons
  bool ButVisible() const { return butVisible_; }
  void SetButVisible(bool value);
  int ButWidth() const { return butWidth_; }  // 8..50
  void SetButWidth(int value);
  int ButHeight() const { return butHeight_; }  // 18..Height
  void SetButHeight(int value);
  int ButSpace() const { return butSpace_; }  // 0..50
  void SetButSpace(int value);
  double ButIncrem() const { return butIncrem_; }
  void SetButIncrem(double value);
  bool But3D() const { return but3D_; }
  void SetBut3D(bool value);
  fw::TColor ButColor() const { return butColor_; }
  void SetButColor(fw::TColor value);

  // --- freeze box
  bool FreezeBoxVisible() const { return freezeBoxVisible_; }
  void SetFreezeBoxVisible(bool value);
  // Also sets ReadOnly to the same value.
  bool FreezeBoxChecked() const { return freezeBoxChecked_; }
  void SetFreezeBoxChecked(bool value);
  // 12..25; also centres the box vertically (FreezeBoxTop).
  int FreezeBoxSize() const { return freezeBoxSize_; }
  void SetFreezeBoxSize(int value);
  int FreezeBoxLeft() const { return freezeBoxLeft_; }
  void SetFreezeBoxLeft(int value);
  int FreezeBoxTop() const { return freezeBoxTop_; }
  void SetFreezeBoxTop(int value);
  // Checking the freeze box by mouse also hides the text.
  bool HideInputOnFreeze() const { return hideInputOnFreeze_; }
  void SetHideInputOnFreeze(bool value);
  // Text, caret and selection are not drawn.
  bool HideInputEditor() const { return hideInputEditor_; }
  void SetHideInputEditor(bool value);
  // The selection is drawn only while focused.
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);

  // --- gauge
  bool GaugeVisible() const { return gaugeVisible_; }
  void SetGaugeVisible(bool value);
  int GaugeHeight() const { return gaugeHeight_; }  // 3..Height - GaugeTopMargin - 18
  void SetGaugeHeight(int value);
  int GaugeWidth() const { return gaugeWidth_; }  // 10..Width - GaugeLeftMargin
  void SetGaugeWidth(int value);
  int GaugeLeftMargin() const { return gaugeLeftMargin_; }  // 0..Width - GaugeWidth
  void SetGaugeLeftMargin(int value);
  int GaugeTopMargin() const { return gaugeTopMargin_; }  // 0..Height - GaugeHeight - 18
  void SetGaugeTopMargin(int value);
  fw::TColor GaugeColor() const { return gaugeColor_; }
  void SetGaugeColor(fw::TColor value);
  fw::TColor GaugeColorBg() const { return gaugeColorBg_; }
  void SetGaugeColorBg(fw::TColor value);
  fw::TColor GaugeColorFrame() const { return gaugeColorFrame_; }
  void SetGaugeColorFrame(fw::TColor value);
  TFrameStyle GaugeFrameStyle() const { return gaugeFrameStyle_; }
  void SetGaugeFrameStyle(TFrameStyle value);

  // --- input
  // No editing; buttons and gauge inactive; the caret timer stops.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  // No keyboard editing; the caret timer stops.
  bool BlockKbdInput() const { return blockKbdInput_; }
  void SetBlockKbdInput(bool value);
  // MessageBeep($FFFF) on refused keys.
  bool Beep() const { return beep_; }
  void SetBeep(bool value) { beep_ = value; }

  // Height at least 18; lowering it lowers ButHeight along.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetEnabled(bool value) override;
  // Takes the focus and restarts the caret (unless ReadOnly or BlockKbdInput).
  void SetFocus() override;
  void Click() override;
  // Fires OnChange.
  virtual void Changed();

  // From another TNumIO2: LeftSpace, TextBoxWidth, the format settings, caption and unit
  // text, FrameStyle, the freeze box, the alignments, the box, outside, frame and warning
  // colours, ColorScheme, text, caret, selection, HideSelection, HideInputEditor, the range,
  // Beep, ReadOnly and AutoSize. Not the spin buttons, the gauge, StepValues or the timer
  // (each panel keeps its own). Other sources go to the inherited Assign.
  void Assign(fw::TPersistent* Source) override;

  void WndProc(fw::TMessage& message) override;

  fw::TNotifyEvent OnChange;
  TOnGaugeChangeEvent OnGaugeChange;

 protected:
  void Paint() override;
  void KeyDown(uint16_t& Key, fw::TShiftState Shift) override;
  void KeyUp(uint16_t& Key, fw::TShiftState Shift) override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void DoEnter() override;
  void DoExit() override;

  // Caret timer: UpdateTimer stops timer 1, switches the caret on, starts it with 500 ms
  // (EZEBNumIO2Error "no timer available" when refused) and repaints; each tick toggles the
  // caret while focused, else stops the timer with the caret off.
  void UpdateTimer();
  void StopTimer();
  void TimerTick();

 private:
  // Deallocates the hidden timer window when the panel goes (or its constructor fails).
  struct WindowRelease {
    void operator()(fw::HWND window) const { fw::DeallocateHWnd(window); }
  };
  // Where the parts are, for the current size and settings.
  struct Layout {
    int W, H;
    int rowBottom;   // H - d: the text row is 0 .. rowBottom
    int textHeight;  // of the line-height sample
    int y0;          // text top
    int r;           // spin buttons' share of the row
    int x0;          // spin buttons' left
    int xf;          // freeze box's left
  };

  // Stores value in field and repaints, unless it is already there.
  template <typename T>
  void Store(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }
  Layout GetLayout() const;
  fw::TCanvas* MeasureCanvas() const;
  int TextWidth(std::string_view text) const;
  bool CanEdit() const { return !readOnly_ && !blockKbdInput_; }
  bool Frozen() const { return freezeBoxChecked_; }
  void RewriteValue(double value);
  void RequireFinite(double value, const char* what) const;
  void SetShownValue(double value);
  void Fail();
  // Keys
  void HandleKey(uint16_t key, fw::TShiftState shift);
  bool HandleCtrlKey(uint16_t key);
  bool HandleEditKey(uint16_t key, bool shift);
  void DeleteKey(bool forward);
  void FinishKey(const TNioEditor& saved);
  // Mouse
  bool InGauge(int X, int Y, int slack) const;
  // Value := the gauge's value at X (returned); OnChange is due at mouse up.
  double SetGaugeValue(int X);
  bool InSpinButtons(int X, int Y) const;
  bool InFreezeBox(int X, int Y) const;
  void ToggleFreeze();
  // Paint
  void PaintCaptions(fw::TCanvas* c, const Layout& g);
  void PaintSpinButtons(fw::TCanvas* c, const Layout& g);
  void PaintFreezeBox(fw::TCanvas* c, const Layout& g);
  void PaintGauge(fw::TCanvas* c, const Layout& g);
  void PaintTextBox(fw::TCanvas* c, const Layout& g);
  void PaintEditor(fw::TCanvas* c, const Layout& g);
  void PaintBoxFrame(fw::TCanvas* c, int x1, int y1, int x2, int y2, bool f);

  int leftSpace_ = 35;
  int textBoxWidth_ = 80;
  bool pendingGaugeChange_ = false;
  TNioFormat format_{itFloat, dpBoth, 2, 6};
  bool freezeBoxVisible_ = false;
  int freezeBoxSize_ = 16;
  bool hideInputOnFreeze_ = false;
  int freezeBoxLeft_ = 30;
  int freezeBoxTop_ = 4;
  bool freezeBoxChecked_ = false;
  bool hideInputEditor_ = false;
  bool blockKbdInput_ = false;
  int butWidth_ = 18;
  int butSpace_ = 3;
  double butIncrem_ = 1.0;
  bool butVisible_ = false;
  bool but3D_ = true;
  int butHeight_ = 28;
  fw::TColor butColor_ = 0xC0C0C0;
  std::unique_ptr<fw::THandleTag, WindowRelease> timerWindow_;
  TNioEditor editor_;
  bool caretOn_ = false;
  // Where a left press in the text row anchored the selection (-1: no drag).
  int dragAnchor_ = -1;
  bool gaugeVisible_ = false;
  int gaugeHeight_ = 8;
  int gaugeWidth_ = 82;
  int gaugeLeftMargin_ = 35;
  int gaugeTopMargin_ = 3;
  fw::TColor gaugeColor_ = 0x800000;
  fw::TColor gaugeColorBg_ = 0xC0C0C0;
  fw::TColor gaugeColorFrame_ = 0x808080;
  TFrameStyle gaugeFrameStyle_ = fstSunken;
  std::string leftText_;
  std::string rightText_;
  TFrameStyle frameStyle_ = fstSunken;
  fw::TAlignment alignment_ = fw::taCenter;
  fw::TAlignment leftTextAlignment_ = fw::taRightJustify;
  fw::TAlignment rightTextAlignment_ = fw::taLeftJustify;
  int mouseArea_ = 0;
  fw::TColor colorBoxBG_ = 0xFFFFFF;
  fw::TColor colorBoxText_ = 0x000000;
  fw::TColor colorOutBG_ = fw::clBtnFace;
  fw::TColor colorOutText_ = 0x000000;
  fw::TColor bevelDark_ = 0x000000;
  fw::TColor frameShadow_ = 0x808080;
  fw::TColor frameLight_ = 0xFFFFFF;
  fw::TColor colorWarnBG_ = 0x6088FFF0;
  fw::TColor colorWarnText_ = 0x0000FF;
  TColorScheme colorScheme_ = schFixed;
  bool shiftDown_ = false;
  bool ctrlDown_ = false;
  bool hideSelection_ = true;
  double rangeHigh_ = 1000;
  double rangeLow_ = 0;
  bool beep_ = false;
  bool readOnly_ = false;
  bool autoSize_ = false;
  std::vector<double> stepValues_;
  // The off-screen image Paint draws into (kept between paints).
  std::unique_ptr<fw::TBitmap> image_;
};

}  // namespace zeb
