// ZEB_ProgBar: TProgBar, a progress bar drawn by the component itself: a bar in one colour or
// a 1024-entry gradient inside margins, an optional grid and background picture, two frames,
// and the value as text at any angle and place. It can advance its value on a timer.
//
// What runs when:
//   a setter                 stores (clamped where its rule says) -> Repaint()
//   Paint()                  margin and background -> background picture -> PaintBar
//                            (single colour or one line per table entry, then the grid)
//                            -> inner and outer frame (PaintFrame) -> PaintValueText
//   PaintValueText           ValueText(Value, TextDecPlaces) -> OnShowValue -> rotated font
//                            -> TextOut at fw::RotatedTextOrigin
//   SetAutoInc(true)         InitTimer: timer 1 with StartInterval on the hidden window
//   WndProc(WM_TIMER)        DoTimer (exceptions -> Application->HandleException):
//                            first tick switches to RepeatInterval (UpdateTimer), then
//                            AutoIncEvent: Value += AutoIncStep, repaint, OnAutoInc
//
// Geometry. The inner area is the control less the margins; its length L along the bar is
// its width (dirLeft, dirRight) or height (dirUp, dirDown). The bar covers the fraction
// f = (Value - Min) / (Max - Min) of it: n = Round(L * f) lines, counted from the bar's start:
//   dirRight  (3) grows from the left edge to the right     line e is column Left + e
//   dirLeft   (2) its mirror image: from the right edge     line e is column Right - 1 - e
//   dirUp     (0) grows from the bottom edge upwards        line e is row Bottom - 1 - e
//   dirDown   (1) its mirror image: from the top edge       line e is row Top + e
// The drawn bar is kept inside the inner area: f is clamped to 0..1, so a value beyond Max
// fills the area and one below Min shows an empty bar (the gradient loop then never runs
// past the control, however far the value lies outside the range). Min equal to Max, and a
// fraction that is not a number (NaN or infinite Min, Max or Value), draw an empty bar. Value
// itself is stored unclamped.
//
// Grid lines (GridDist > 1) lie on every GridDist-th line of the bar from its start: along
// the vertical directions on bar lines only (e < n), along the horizontal ones also on the
// line just after the bar's end (e <= n), always inside the inner area.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "companion/ZEB_zebbase.h"
#include "framework/base/event.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/controls/timers.h"
#include "framework/graphics/bitmap.h"
#include "framework/rtl/colors.h"
#include "framework/rtl/types.h"
#include "framework/stdctrls/text_alignment.h"

namespace zeb {

// The error class of the progress bar.
class EZEBProgBar : public EZEBError {
 public:
  using EZEBError::EZEBError;
};

// How the colour table maps onto the bar: cgmCover fixes the gradient to the inner area (the
// bar uncovers it), cgmStretch stretches the whole gradient over the current bar, cgmMove
// keeps the cover scale but moves it so the table's last entry sits on the bar's last line.
enum TColorMapping : uint8_t { cgmCover, cgmStretch, cgmMove };
inline const std::vector<std::string> kColorMappingNames{"cgmCover", "cgmStretch", "cgmMove"};

// Names of the TDirection ordinals (declared with the shared enumerations).
inline const std::vector<std::string> kDirectionNames{"dirUp", "dirDown", "dirLeft", "dirRight"};

// Raised before the value text is drawn; the handler may change the text.
using TBeforeShowValueEvent = fw::Event<void(fw::TObject* Sender, std::string& ValueText)>;

// ---- pure decisions, tested alone ---------------------------------------------------------

inline constexpr int kBarColorCount = 1024;
using TBarColorTable = std::array<fw::TColor, kBarColorCount>;

// Mixes a and b (system colours resolved) channel by channel as Trunc((b - a) * t + a), t
// clamped to 0..1 (NaN counts as 0).
fw::TColor BlendColor(fw::TColor a, fw::TColor b, double t);

// The number of bar lines, 0..innerLength, for the value in min..max (see Geometry above).
int BarLength(double value, double min, double max, int innerLength);

// The table index, 0..1023, of bar line e (0..n-1) of a bar n lines long in an inner area
// innerLength lines long.
int GradientIndex(TColorMapping mode, int e, int n, int innerLength);

// Bar line e (0..L-1) of the inner area for the direction, as a one-pixel-wide rectangle
// across the area.
fw::TRect BarLine(TDirection direction, const fw::TRect& inner, int e);
// Bar lines from..to-1 as one rectangle.
fw::TRect BarLines(TDirection direction, const fw::TRect& inner, int from, int to);

// The value as text: decPlaces 0..10 fixed-point with that many decimals and "." (no
// blanks); -1 and -2 exponential as Str(value:3) and Str(value:1) write it, -1 with a
// four-digit exponent "00dd" cut to "dd" (any other exponent turns every character into "*").
// NaN and infinities give Str's "Nan", "+Inf" and "-Inf".
std::string ProgBarValueText(double value, int decPlaces);

// ---- the control --------------------------------------------------------------------------

class TProgBar : public fw::TGraphicControl {
 public:
  explicit TProgBar(fw::TComponent* AOwner);
  ~TProgBar() override;
  TProgBar(const TProgBar&) = delete;
  TProgBar& operator=(const TProgBar&) = delete;

  // --- value and range. Value is not clamped to the range; Min and Max are not validated.
  double Value() const { return value_; }
  void SetValue(double value);
  double Min() const { return min_; }
  void SetMin(double value);
  double Max() const { return max_; }
  void SetMax(double value);
  // The smaller of a and b becomes Min, the larger Max.
  void SetRange(double a, double b);
  TDirection Direction() const { return direction_; }
  void SetDirection(TDirection value);

  // --- colours. ColorMin and ColorMax are the table's first and last entries; setting
  // either recomputes the entries between them as a blend.
  fw::TColor ColorMin() const { return table_[0]; }
  void SetColorMin(fw::TColor value);
  fw::TColor ColorMax() const { return table_[kBarColorCount - 1]; }
  void SetColorMax(fw::TColor value);
  // One table entry, 0..1023, read or written alone (no blend, no repaint). Another index
  // raises EZEBProgBar.
  fw::TColor GetBarColorElem(int Index) const;
  void SetBarColorElem(int Index, fw::TColor Color);
  bool ShowColorGradient() const { return showColorGradient_; }
  void SetShowColorGradient(bool value);
  TColorMapping ColorMapMode() const { return colorMapMode_; }
  void SetColorMapMode(TColorMapping value);
  fw::TColor ColorBackGnd() const { return colorBackGnd_; }
  void SetColorBackGnd(fw::TColor value);
  // The margin area, and the corner pixels the 3-D frames leave.
  fw::TColor ColorMargin() const { return colorMargin_; }
  void SetColorMargin(fw::TColor value);
  fw::TColor ColorGrid() const { return colorGrid_; }
  void SetColorGrid(fw::TColor value);
  // Grid spacing in pixels; a grid shows only when above 1.
  int GridDist() const { return gridDist_; }
  void SetGridDist(int value);

  // --- margins and frames. Margins are kept in 0..kMaxControlExtent (a negative one would
  // put the inner area outside the control).
  int MarginLeft() const { return marginLeft_; }
  void SetMarginLeft(int value);
  int MarginRight() const { return marginRight_; }
  void SetMarginRight(int value);
  int MarginTop() const { return marginTop_; }
  void SetMarginTop(int value);
  int MarginBottom() const { return marginBottom_; }
  void SetMarginBottom(int value);
  TFrameStyle FrameStyleOuter() const { return frameStyleOuter_; }
  void SetFrameStyleOuter(TFrameStyle value);
  TFrameStyle FrameStyleInner() const { return frameStyleInner_; }
  void SetFrameStyleInner(TFrameStyle value);
  // Sets the frames' shadow and light colours (schFixed: $808080 and $FFFFFF).
  TColorScheme ColorScheme() const { return colorScheme_; }
  void SetColorScheme(TColorScheme value);

  // --- background picture: a file loaded and stretched over the inner area. A file that
  // cannot be loaded is ignored (the previous name and picture stay); "" shows none.
  const std::string& BackGroundImg() const { return backGroundImg_; }
  void SetBakGndFile(const std::string& name);

  // --- value text
  bool TextVisible() const { return textVisible_; }
  void SetShowValue(bool value);
  // The anchor point, clamped to 0..Width and 0..Height.
  int TextPosX() const { return textPosX_; }
  void SetTextPosX(int value);
  int TextPosY() const { return textPosY_; }
  void SetTextPosY(int value);
  fw::TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(fw::TAlignment value);
  // Degrees counter-clockwise, clamped to 0..360.
  int TextAngle() const { return textAngle_; }
  void SetTextAngle(int value);
  // -2..10 (clamped); see ProgBarValueText.
  int TextDecPlaces() const { return textDecPlaces_; }
  void SetTextDecPlaces(int value);
  // The text the bar shows now, OnShowValue applied.
  std::string ShownValueText();

  // --- auto-increment: Value grows by AutoIncStep first after StartInterval ms, then every
  // RepeatInterval ms, while AutoInc is on (and not in design mode).
  bool AutoInc() const { return autoInc_; }
  void SetAutoInc(bool value);
  // 0 is ignored.
  double AutoIncStep() const { return autoIncStep_; }
  void SetAutoIncStep(double value);
  // At least 10 ms each.
  int StartInterval() const { return startInterval_; }
  void SetStartIv(int value);
  int RepeatInterval() const { return repeatInterval_; }
  void SetRepeatIv(int value);

  // From another TProgBar: everything that shapes the picture (frames and their colours,
  // range, value, direction, the colour table and mapping, background colour and picture,
  // grid, margins, the value text settings and OnShowValue), not the auto-increment settings
  // and not Font. Other sources go to the inherited Assign.
  void Assign(fw::TPersistent* Source) override;
  void AssignTo(fw::TPersistent* Dest) override;

  // After each automatic step; assigning it (re)starts the repeat timer outside design mode.
  fw::TNotifyEvent OnAutoInc;
  TBeforeShowValueEvent OnShowValue;

 protected:
  void Paint() override;

  // Timer: InitTimer starts timer 1 with StartInterval (first step), UpdateTimer with
  // RepeatInterval; both raise EZEBProgBar when no timer can be had.
  void InitTimer();
  void UpdateTimer();
  void DoTimer();
  void AutoIncEvent();
  // The hidden window's procedure: ticks go to DoTimer, the rest to DefWindowProc.
  void TimerWndProc(fw::TMessage& Message);

 private:
  bool Designing() const;
  void StartTimer(int interval);
  void RecomputeGradient();
  fw::TRect InnerRect() const;
  void PaintBackground(fw::TCanvas* canvas, const fw::TRect& inner);
  void PaintBar(fw::TCanvas* canvas, const fw::TRect& inner);
  void PaintGradient(fw::TCanvas* canvas, const fw::TRect& inner, int n, int length);
  void PaintGrid(fw::TCanvas* canvas, const fw::TRect& inner, int n, int length);
  void PaintFrame(fw::TCanvas* canvas, TFrameStyle style, const fw::TRect& r);
  void PaintValueText(fw::TCanvas* canvas);

  double value_ = 10.0;
  double min_ = 0.0;
  double max_ = 100.0;
  TDirection direction_ = dirRight;
  TBarColorTable table_{};
  bool showColorGradient_ = false;
  TColorMapping colorMapMode_ = cgmStretch;
  fw::TColor colorBackGnd_ = fw::clSilver;
  fw::TColor colorMargin_ = fw::clSilver;
  fw::TColor colorGrid_ = fw::clBlack;
  int gridDist_ = 0;
  int marginLeft_ = 4, marginRight_ = 4, marginTop_ = 4, marginBottom_ = 4;
  TFrameStyle frameStyleOuter_ = fstRaised;
  TFrameStyle frameStyleInner_ = fstSunken;
  TColorScheme colorScheme_ = schFixed;
  // The frames' colours: dark is always black, shadow and light follow the scheme.
  fw::TColor frameDark_ = fw::clBlack;
  fw::TColor frameShadow_ = fw::clGray;
  fw::TColor frameLight_ = fw::clWhite;
  std::string backGroundImg_;
  std::unique_ptr<fw::TBitmap> backGround_;
  bool textVisible_ = true;
  int textPosX_ = 14;
  int textPosY_ = 14;
  fw::TAlignment textAlignment_ = fw::taCenter;
  int textAngle_ = 0;
  int textDecPlaces_ = 0;
  bool autoInc_ = false;
  double autoIncStep_ = 1.0;
  int startInterval_ = 1500;
  int repeatInterval_ = 700;
  // True while the timer runs with StartInterval.
  bool firstStep_ = false;
  fw::HWND timerWindow_ = nullptr;
};

}  // namespace zeb
