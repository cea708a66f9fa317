// ZEB_NumLab: TNumLab, one number in a framed box with an optional caption on its left and a
// unit text on its right. The number is formatted by DisplayType and Precision with "." or ","
// as decimal separator and an optional "+"; the application may rewrite the text just before
// it is drawn (OnBeforeDisplay); a text too wide for the box shows OverflowIndicator. The label
// paints off-screen and copies the picture in one step, as an AND copy when Transparent so
// that the parent shows through the white areas.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "companion/ZEB_zebbase.h"
#include "framework/base/event.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/rtl/colors.h"
#include "framework/stdctrls/text_alignment.h"

namespace zeb {

// How the number shows (Precision is P):
//   dtFloat      general format, P significant digits, trailing zeros dropped ("%*.*g")
//   dtFixP       fixed, P decimals ("%*.*f")
//   dtExp        d.ddd...E+ddd with P digits in all ("%*.*e")
//   dtHex        the value rounded to an integer, upper-case hexadecimal, at least P digits
//                (negative values as their 64-bit two's complement)
//   dtZeroInt    the value rounded to an integer, zero-filled to at least P digits
//   dtInt        the value rounded to an integer
//   dtDateTime   the value as a date-time, formatted by DTFormat
//   dtState      StateText, whatever the value
//   dtBin, dtOct the value rounded to an integer in binary or octal, at least P digits
//                (negative values as their 64-bit two's complement)
//   dtDeg        decimal degrees with P decimals and a degree sign: "12.50°"
//   dtDegMin     whole degrees and decimal minutes with P decimals: "12°30.00'"
//   dtDegMinSec  whole degrees, whole minutes and decimal seconds with P decimals:
//                "12°30'15.00\"" (a negative angle carries one "-" in front)
//   dtEEng       engineering notation: a mantissa of 1 up to 1000 with P decimals and an
//                exponent that is a multiple of 3, sign and three digits: "12.35E+003"
//   dtEEngNoDP   the same with the mantissa rounded to a whole number: "12E+003"
// Integers are rounded with halves to even. A value that an integer, date or angle format
// cannot show (not a number, infinite, beyond the 64-bit range, not a date) shows
// OverflowIndicator.
enum TDisplay : uint8_t {
  dtFloat,
  dtFixP,
  dtExp,
  dtHex,
  dtZeroInt,
  dtInt,
  dtDateTime,
  dtState,
  dtBin,
  dtOct,
  dtDeg,
  dtDegMin,
  dtDegMinSec,
  dtEEng,
  dtEEngNoDP
};
inline const std::vector<std::string> kDisplayNames{
    "dtFloat", "dtFixP", "dtExp", "dtHex",    "dtZeroInt",   "dtInt",  "dtDateTime", "dtState",
    "dtBin",   "dtOct",  "dtDeg", "dtDegMin", "dtDegMinSec", "dtEEng", "dtEEngNoDP"};

// Called on every paint that shows a number, after formatting and before the width test; the
// handler may replace the text.
using TBeforeDisplayEvent = fw::Event<void(fw::TObject* Sender, std::string& Text)>;

// What the number's text depends on besides the value.
struct TNumLabFormat {
  TDisplay type = dtFixP;
  int precision = 2;
  bool comma = false;
  bool forcePlusSign = false;
  std::string dtFormat = "mmm-dd, yyyy";
  std::string stateText = "undefined";
  std::string overflowIndicator = "*********";
};

// The number's text before OnBeforeDisplay and the width test: formatted by type, then (except
// for dtHex, dtDateTime, dtState and dtBin) with every "." made "," when comma is set and every
// "," made "." otherwise, and a "+" before a value above 0 when forcePlusSign is set.
std::string NumLabText(const TNumLabFormat& format, double value);

class TNumLab : public fw::TGraphicControl {
 public:
  static constexpr int kMaxPrecision = 15;

  explicit TNumLab(fw::TComponent* AOwner);

  double Value() const { return value_; }
  void SetValue(double value);
  TDisplay DisplayType() const { return format_.type; }
  void SetDisplayType(TDisplay value);
  // 0..15: negative values are ignored, larger ones become 15.
  int Precision() const { return format_.precision; }
  void SetPrecision(int value);
  bool Comma() const { return format_.comma; }
  void SetComma(bool value);
  bool ForcePlusSign() const { return format_.forcePlusSign; }
  void SetForcePlusSign(bool value);
  bool Empty() const { return empty_; }
  void SetEmpty(bool value);
  int LabelWidth() const { return labelWidth_; }
  void SetLabelWidth(int value);
  // 0..Width: negative values are ignored, larger ones become Width.
  int LeftSpace() const { return leftSpace_; }
  void SetLeftSpace(int value);
  const std::string& LeftText() const { return leftText_; }
  void SetLeftText(const std::string& value);
  const std::string& RightText() const { return rightText_; }
  void SetRightText(const std::string& value);
  fw::TAlignment LeftTextAlignment() const { return leftTextAlignment_; }
  void SetLeftTextAlignment(fw::TAlignment value);
  fw::TAlignment RightTextAlignment() const { return rightTextAlignment_; }
  void SetRightTextAlignment(fw::TAlignment value);
  fw::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(fw::TAlignment value);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle value);
  const std::string& OverflowIndicator() const { return format_.overflowIndicator; }
  void SetOverflowIndicator(const std::string& value);
  const std::string& StateText() const { return format_.stateText; }
  void SetStateText(const std::string& value);
  const std::string& DTFormat() const { return format_.dtFormat; }
  void SetDTFormat(const std::string& value);
  fw::TColor ColorLabText() const { return colorLabText_; }
  void SetColorLabText(fw::TColor value);
  fw::TColor ColorLabBakG() const { return colorLabBakG_; }
  void SetColorLabBakG(fw::TColor value);
  fw::TColor ColorOutText() const { return colorOutText_; }
  void SetColorOutText(fw::TColor value);
  fw::TColor ColorOutBakG() const { return colorOutBakG_; }
  void SetColorOutBakG(fw::TColor value);
  // schFixed: frame shadow $808080 and highlight $FFFFFF; otherwise the system colours.
  TColorScheme ColorScheme() const { return colorScheme_; }
  void SetColorScheme(TColorScheme value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  void SetEnabled(bool value) override;

  // Where the pointer was at the last move: 0 over the caption zone (X <= LeftSpace), 1 over
  // the box, 2 beyond it.
  int MouseArea() const { return mouseArea_; }

  // The text the box shows now: NumLabText, then OnBeforeDisplay, then the overflow test
  // (not for dtState) against LabelWidth - 6 pixels in the label's font. Empty when Empty.
  std::string ShownText();

  // From another TNumLab: the layout, texts, value, colours, scheme and display type (not
  // Comma, ForcePlusSign, DTFormat, Enabled or the event); then repaints.
  void Assign(fw::TPersistent* source) override;

  TBeforeDisplayEvent OnBeforeDisplay;

 protected:
  void Paint() override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;

 private:
  // Stores a changed value and repaints at once.
  template <typename T>
  void Change(T& member, const T& value);
  // ShownText measured on `canvas` (its font set to the label's).
  std::string TextToShow(fw::TCanvas* canvas);
  void PaintSideTexts(fw::TCanvas* canvas, int y);
  void PaintNumber(fw::TCanvas* canvas, int y);

  double value_ = 0;
  TNumLabFormat format_;
  bool empty_ = false;
  int labelWidth_ = 80;
  int leftSpace_ = 35;
  std::string leftText_;
  std::string rightText_;
  fw::TAlignment leftTextAlignment_ = fw::taRightJustify;
  fw::TAlignment rightTextAlignment_ = fw::taLeftJustify;
  fw::TAlignment alignment_ = fw::taCenter;
  TFrameStyle frameStyle_ = fstSunken;
  fw::TColor colorLabText_ = fw::clBlack;
  fw::TColor colorLabBakG_ = fw::clBtnFace;
  fw::TColor colorOutText_ = fw::clBlack;
  fw::TColor colorOutBakG_ = fw::clBtnFace;
  fw::TColor frameShadow_ = 0x808080;
  fw::TColor frameHighlight_ = 0xFFFFFF;
  TColorScheme colorScheme_ = schFixed;
  bool transparent_ = false;
  int mouseArea_ = 0;
};

}  // namespace zeb
