// ZEB_Meter: the analogue pointer instrument TMeter (scale arc, ticks, labels, needles,
// threshold band, limit lamps) and TNeedleLayout, the look of one needle.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "companion/ZEB_zebbase.h"
#include "framework/base/event.h"
#include "framework/base/object.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/pen_brush_font.h"

namespace zeb {

// The largest length in pixels of a rim, of the anchor cover and of the sizes and shadow
// offsets of a needle: as long as the side of the largest picture the framework holds.
// Setters clamp larger lengths (and smaller negative ones) to it.
inline constexpr int kMeterMaxPixels = 32767;

// The arc a meter's scale covers; the number is the span in degrees.
enum TMeterLayout : uint8_t { mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360 };
inline const std::vector<std::string> kMeterLayoutNames{"mlCirc90",  "mlCirc120", "mlCirc180",
                                                        "mlCirc270", "mlCirc300", "mlCirc360"};

// Once per drawn scale label: the handler may change or empty (suppress) the label text.
using TmtBeforeDrawScaleLabelEvent =
    fw::Event<void(fw::TObject* Sender, fw::TCanvas* Canvas, std::string& CurrentTickLabel,
                   int ChartX, int ChartY)>;
// Before the needle is drawn; setting NeedleDrawn suppresses the built-in needle.
using TBeforeDrawNeedleEvent =
    fw::Event<void(fw::TObject* Sender, fw::TCanvas* Canvas, bool& NeedleDrawn)>;
// After the face is complete, before the frame.
using TMeterRenderedEvent = fw::Event<void(fw::TObject* Sender, fw::TCanvas* Canvas)>;
// On every mouse move over the meter: the scale value in the pointer's direction.
using TMouseMoveInMeterEvent = fw::Event<void(fw::TObject* Sender, bool WithinRange,
                                              fw::TShiftState Shift, double MeterValue)>;

// The look of one needle: an arrow head on a shaft from the pivot. Every change raises
// OnChange, which the owning meter uses to repaint. The lengths (HeadSize, Thickness,
// HeadMidLeng) and the shadow offsets are clamped to -kMeterMaxPixels..kMeterMaxPixels before
// the equality test.
class TNeedleLayout : public fw::TPersistent {
 public:
  TNeedleLayout() = default;

  fw::TColor ColorBody() const { return colorBody_; }
  void SetColorFill(fw::TColor value);
  fw::TColor ColorOutline() const { return colorOutline_; }
  void SetColorLine(fw::TColor value);
  int HeadSize() const { return headSize_; }
  void SetArrowSize1(int value);
  int Thickness() const { return thickness_; }
  void SetArrowThick(int value);
  // Clamped to 0..100 before the equality test.
  int PercentNeedleLength() const { return percentLength_; }
  void SetNeedleLength(int value);
  // Full opening angle of the head in degrees; clamped to 0..180 before the equality test.
  int HeadAngle() const { return headAngle_; }
  void SetArrowAngle1(int value);
  int HeadMidLeng() const { return headMidLeng_; }
  void SetBackShift1(int value);
  int ShadowDx() const { return shadowDx_; }
  void SetShadowDx(int value);
  int ShadowDy() const { return shadowDy_; }
  void SetShadowDy(int value);
  fw::TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(fw::TColor value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);

  // Copies every look value and Visible from another needle layout; OnChange stays.
  void Assign(fw::TPersistent* source) override;

  fw::TNotifyEvent OnChange;

 protected:
  void Changed();

 private:
  template <typename V>
  void Store(V& field, V value);

  fw::TColor colorBody_ = fw::clSilver;
  fw::TColor colorOutline_ = fw::clBlack;
  int headSize_ = 20;
  int thickness_ = 0;
  int percentLength_ = 100;
  int headAngle_ = 30;
  int headMidLeng_ = 20;
  int shadowDx_ = 0;
  int shadowDy_ = 0;
  fw::TColor shadowColor_ = fw::clGray;
  bool visible_ = true;
};

class TMeter : public fw::TGraphicControl {
 public:
  explicit TMeter(fw::TComponent* AOwner);
  ~TMeter() override;

  // --- Values. Outside loading they are clamped into the range and evaluated against the
  // thresholds (events, lamps); while loading they are stored raw until Loaded. Every
  // numeric setter ignores NaN. Values and thresholds may be infinite (clamped like any
  // value outside the range).
  double Value() const { return value_; }
  void SetValue(double x);
  double ValueSec() const { return valueSec_; }
  void SetValue2(double x);
  // A range whose width MeterMaxValue - MeterMinValue is not a finite number (an infinite end,
  // or ends as far apart as -1e308 and 1e308) is refused with EZEBError ("Component
  // \"<Name>\": the range ... is too wide"); the range and everything else stay as they were.
  // While a form is read each end is checked against the other end read so far.
  double MeterMinValue() const { return minValue_; }
  void SetMinValue(double x);
  double MeterMaxValue() const { return maxValue_; }
  void SetMaxValue(double x);
  double ThresholdLow() const { return thresholdLow_; }
  void SetLowThreshold(double x);
  double ThresholdHigh() const { return thresholdHigh_; }
  void SetHighThreshold(double x);
  // Stays false while the range reaches down to 1e-100 or below.
  bool Logarithmic() const { return logarithmic_; }
  void SetLogarithmic(bool value);

  // --- Scale
  TMeterLayout MeterLayout() const { return layout_; }
  void SetMeterLayout(TMeterLayout value);
  int MeterNrTicks() const { return nrTicks_; }
  void SetMeterNrTicks(int value);
  int MeterDecPlaces() const { return decPlaces_; }
  void SetMeterDecPlaces(int value);
  bool MeterShortTicks() const { return shortTicks_; }
  void SetMeterShortTicks(bool value);
  bool MeterScaleLine() const { return scaleLine_; }
  void SetMeterScaleLine(bool value);
  bool ScaleVisible() const { return scaleVisible_; }
  void SetScaleVisible(bool value);
  bool ScaleBkVisible() const { return scaleBkVisible_; }
  void SetScaleBkVisible(bool value);
  double ScaleBkWidth() const { return scaleBkWidth_; }
  void SetScaleBkWidth(double value);

  // --- Colours and frame
  fw::TColor ColorScale() const { return colorScale_; }
  void SetColorScale(fw::TColor value);
  fw::TColor ColorSclBkLow() const { return colorSclBkLow_; }
  void SetColorSclBkLow(fw::TColor value);
  fw::TColor ColorSclBkNorm() const { return colorSclBkNorm_; }
  void SetColorSclBkNorm(fw::TColor value);
  fw::TColor ColorSclBkHigh() const { return colorSclBkHigh_; }
  void SetColorSclBkHigh(fw::TColor value);
  fw::TColor ColorBakG() const { return colorBakG_; }
  void SetColorBakG(fw::TColor value);
  fw::TColor ColorCover() const { return colorCover_; }
  void SetColorCover(fw::TColor value);
  TColorScheme ColorScheme() const { return colorScheme_; }
  void SetColorScheme(TColorScheme value);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle value);
  fw::TColor FrameShadowColor() const { return frameShadowColor_; }
  fw::TColor FrameLightColor() const { return frameLightColor_; }

  // --- Limit lamps
  bool LimWatchHighOn() const { return limWatchHighOn_; }
  void SetLimWatchHighOn(bool value);
  bool LimWatchLowOn() const { return limWatchLowOn_; }
  void SetLimWatchLowOn(bool value);
  fw::TColor LimWatchActColor() const { return limWatchActColor_; }
  void SetLimWatchActColor(fw::TColor value);
  fw::TColor LimWatchPsvColor() const { return limWatchPsvColor_; }
  void SetLimWatchPsvColor(fw::TColor value);
  bool HighLimitActive() const { return highLimitActive_; }
  bool LowLimitActive() const { return lowLimitActive_; }

  // --- Rims and anchor cover. Rim widths and the anchor radius are clamped to
  // 0..kMeterMaxPixels before the equality test.
  int RimTop() const { return rimTop_; }
  void SetRimTop(int value);
  int RimBottom() const { return rimBottom_; }
  void SetRimBottom(int value);
  int RimSide() const { return rimSide_; }
  void SetRimSide(int value);
  bool AnchorCovered() const { return anchorCovered_; }
  void SetAnchorCovered(bool value);
  int AnchorSize() const { return anchorSize_; }
  void SetAnchorSize(int value);

  // --- Images. A missing file empties the name. A file that cannot be read leaves both the
  // name and the picture as they were: the background setter raises the framework's load
  // error, the anchor setter swallows it. In Loaded a failure empties the name.
  const std::string& AnchorImage() const { return anchorImage_; }
  void SetACoverFname(const std::string& fileName);
  const std::string& BackGroundImg() const { return backGroundImg_; }
  void SetBakGndFname(const std::string& fileName);
  TBkgFill BkgndFillMode() const { return bkgndFillMode_; }
  void SetBkgndFillMode(TBkgFill value);
  const fw::TBitmap* BackgroundBitmap() const { return backgroundBitmap_.get(); }
  const fw::TBitmap* AnchorBitmap() const { return anchorBitmap_.get(); }
  const fw::TBitmap* AnchorMask() const { return anchorMask_.get(); }

  // --- Caption and needles. Caption is the control's caption, centred above the pivot.
  void SetUnitLabel(const std::string& value);
  fw::TFont* FontCaption() const { return fontCaption_.get(); }
  void SetFontCaption(const fw::TFont* value);
  TNeedleLayout* NeedleLayout() const { return needle_.get(); }
  void SetNeedleLayout(TNeedleLayout* value);
  TNeedleLayout* NeedleLayoutSec() const { return needleSec_.get(); }
  void SetNeedleLayoutSec(TNeedleLayout* value);

  // --- Geometry. The face is laid out and drawn over at most kMaxFaceSide pixels in each
  // direction (the canvas's coordinate range); a larger control leaves the rest unpainted.
  static constexpr int kMaxFaceSide = fw::TCanvas::kMaxCoordinate;
  int ScaleSpan() const { return scaleSpan_; }
  double ScaleRadius() const { return scaleRadius_; }
  int PivotX() const { return pivotX_; }
  int PivotY() const { return pivotY_; }
  void CalcMeterLayoutParams();
  // Degrees clockwise on the screen from straight down (0 down, 90 left, 180 up).
  double CalcNeedleAngle(double value) const;
  // The pixel at `radius` percent of the scale radius in the direction of `value`.
  void ConvertToPixelCoords(double value, double radius, int& X, int& Y) const;
  // The scale value in the direction of pixel (X, Y); false (and 0) outside the arc.
  bool ConvertPixelToValue(int X, int Y, double& value) const;
  // Decimals of the scale labels: DecPlaces, or for -2 a choice from |A - B|.
  static int CalcM(int DecPlaces, double A, double B);
  // The scale angle of a value (degrees counter-clockwise from +x), as the painting uses.
  double ScaleAngle(double value) const;

  // Where the major ticks of a scale from lo to hi with about N intervals go: the first
  // position at or above lo, the step (1, 2 or 5 times a power of ten) and the number of
  // minor intervals per step.
  struct TTickSpacing {
    double First = 0;
    double Step = 0;
    int SubDiv = 1;
  };
  static TTickSpacing CalcTickSpacing(int N, double lo, double hi);
  // A scale label: fixed notation with d decimals and "." whatever the locale.
  static std::string FormatScaleLabel(double v, int d);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Loaded() override;
  // The full redraw; setters call it at once. Only the part of the face that the control's
  // canvas can show (its clip rectangle) is drawn, into an off-screen bitmap of that part's
  // size, so a meter of any size paints; the handlers of the paint events get that bitmap's
  // canvas, which still takes control coordinates.
  void Paint() override;
  // OnChange handler of both needle layouts: repaints.
  void StyleChanged(fw::TObject* Sender);

  fw::TNotifyEvent OnOverFlow;
  fw::TNotifyEvent OnNormalRange;
  fw::TNotifyEvent OnUnderFlow;
  TmtBeforeDrawScaleLabelEvent OnBeforeDrawScaleLabel;
  TBeforeDrawNeedleEvent OnBeforeDrawNeedle;
  TMeterRenderedEvent OnMeterRendered;
  TMouseMoveInMeterEvent OnMouseMoveInMeter;

 protected:
  void DoOverFlowEvent();
  void DoNormalRangeEvent();
  void DoUnderFlowEvent();
  void MouseMoveInMeter(bool WithinRange, fw::TShiftState Shift, double value);
  // The inherited mouse move (OnMouseMove) first, then OnMouseMoveInMeter.
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;

 private:
  bool Loading() const;
  // Raises EZEBError unless hi - lo is a finite number.
  void CheckRangeWidth(double lo, double hi) const;
  // Paint for the setters: a failing repaint goes to the application's exception handler,
  // as in the framework's paint cycle, and never out of a setter that stored its value.
  void Redraw();
  int FaceWidth() const;
  int FaceHeight() const;
  // The value fraction of v, 0 at the minimum and 1 at the maximum.
  double Fraction(double v) const;
  bool LogUsable() const;
  double Clamped(double v) const;
  // Sets the lamp and raises the event of the zone `v` lies in.
  void EvaluateZone(double v);
  // Loads the anchor picture and builds its mask; false (and nothing changed) on failure.
  bool LoadAnchorImage(const std::string& fileName);
  template <typename V>
  void StoreAndPaint(V& field, V value);
  // Paint steps, in drawing order (meter_background.cpp, meter_paint*.cpp).
  void PaintBackground(fw::TCanvas* c, const fw::TRect& part);
  // The background picture repeated over `part` of the face, kept for the next paint.
  const fw::TBitmap& TiledBackground(const fw::TRect& part);
  void PaintBand(fw::TCanvas* c);
  void PaintScale(fw::TCanvas* c);
  void PaintMajorTicks(fw::TCanvas* c, double labelDx, double labelDy, int decimals);
  void PaintTickAndLabel(fw::TCanvas* c, double v, bool label, double labelDx, double labelDy,
                         int decimals);
  void PaintNeedle(fw::TCanvas* c, const TNeedleLayout& layout, double value);
  void PaintRims(fw::TCanvas* c);
  void PaintAnchor(fw::TCanvas* c);
  void PaintLamp(fw::TCanvas* c, int left, bool active);
  void PaintFrame(fw::TCanvas* c);
  // The radial point at radius r (pixels) in the scale direction a (radians), rounded as a
  // whole; ticks, labels and needles stand on it.
  fw::TPoint RadialPoint(double a, double r) const;
  // The arc point at the scale radius in direction a: the pivot plus the rounded offset;
  // the scale arc and the band's pies start and end there.
  fw::TPoint ArcPoint(double a) const;
  // The directions (radians) of the arc's two ends, from the span alone.
  double MinEndAngle() const;
  double MaxEndAngle() const;

  double value_ = 0.0;
  double valueSec_ = 0.0;
  double minValue_ = 0.0;
  double maxValue_ = 1.0;
  double thresholdLow_ = 0.0;
  double thresholdHigh_ = 1.0;
  bool logarithmic_ = false;
  TMeterLayout layout_ = mlCirc90;
  int nrTicks_ = 3;
  int decPlaces_ = 1;
  bool shortTicks_ = true;
  bool scaleLine_ = true;
  bool scaleVisible_ = true;
  bool scaleBkVisible_ = false;
  double scaleBkWidth_ = 0.0;
  fw::TColor colorScale_ = fw::clNavy;
  fw::TColor colorSclBkLow_ = fw::clLime;
  fw::TColor colorSclBkNorm_ = 0x0080FF;
  fw::TColor colorSclBkHigh_ = fw::clRed;
  fw::TColor colorBakG_ = fw::clWhite;
  fw::TColor colorCover_ = fw::clBtnFace;
  TColorScheme colorScheme_ = schFixed;
  TFrameStyle frameStyle_ = fstRaised;
  fw::TColor frameShadowColor_ = fw::clGray;
  fw::TColor frameLightColor_ = fw::clWhite;
  bool limWatchHighOn_ = true;
  bool limWatchLowOn_ = true;
  fw::TColor limWatchActColor_ = fw::clRed;
  fw::TColor limWatchPsvColor_ = fw::clGray;
  bool highLimitActive_ = false;
  bool lowLimitActive_ = false;
  int rimTop_ = 8;
  int rimBottom_ = 10;
  int rimSide_ = 10;
  bool anchorCovered_ = true;
  int anchorSize_ = 24;
  std::string anchorImage_;
  std::string backGroundImg_;
  TBkgFill bkgndFillMode_ = bfSimple;
  int scaleSpan_ = 90;
  double scaleRadius_ = 0.0;
  int pivotX_ = 0;
  int pivotY_ = 0;
  std::unique_ptr<fw::TBitmap> backgroundBitmap_;
  std::unique_ptr<fw::TBitmap> anchorBitmap_;
  std::unique_ptr<fw::TBitmap> anchorMask_;
  // The tiled background of the part tilesPart_ of the face; dropped when the picture or the
  // fill mode changes.
  std::unique_ptr<fw::TBitmap> tiles_;
  fw::TRect tilesPart_;
  std::unique_ptr<fw::TFont> fontCaption_;
  std::unique_ptr<TNeedleLayout> needle_;
  std::unique_ptr<TNeedleLayout> needleSec_;
};

}  // namespace zeb
