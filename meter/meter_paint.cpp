// TMeter: the paint sequence. The face is drawn into an off-screen bitmap and copied onto the
// control in one step, so it never flickers while it is rebuilt. The bitmap holds only the
// part of the face the control's canvas can show.
#include <cmath>
#include <numbers>

#include "framework/graphics/frame3d.h"
#include "framework/rtl/rounding.h"
#include "meter/ZEB_Meter.h"

namespace zeb {

namespace {
constexpr double kDegToRad = std::numbers::pi / 180.0;
int RoundInt(double x) {
  return static_cast<int>(fw::Round(x));
}
}  // namespace

fw::TPoint TMeter::RadialPoint(double a, double r) const {
  return fw::Point(RoundInt(std::cos(a) * r + pivotX_), RoundInt(pivotY_ - std::sin(a) * r));
}

fw::TPoint TMeter::ArcPoint(double a) const {
  return fw::Point(pivotX_ + RoundInt(std::cos(a) * scaleRadius_),
                   pivotY_ - RoundInt(std::sin(a) * scaleRadius_));
}

// The ends follow from the span even when the range has no width.
double TMeter::MinEndAngle() const {
  return (90.0 + scaleSpan_ / 2.0) * kDegToRad;
}
double TMeter::MaxEndAngle() const {
  return (90.0 - scaleSpan_ / 2.0) * kDegToRad;
}

void TMeter::Paint() {
  const int w = FaceWidth();
  const int h = FaceHeight();
  // A face too small for a scale, or without a size, keeps its previous content.
  if (scaleRadius_ <= 0 || w <= 0 || h <= 0) return;
  fw::TCanvas* target = Canvas();
  // The part of the face within the target's clip rectangle, in control coordinates; the
  // off-screen bitmap covers it, its origin shifted so that every step draws in control
  // coordinates. Nothing of a control without a surface can be seen: the steps (and the
  // paint events) still run, on an empty bitmap.
  fw::TRect part;
  fw::IntersectRect(part, fw::Rect(0, 0, w, h), target->ClipRect());
  fw::TBitmap face(part.Width(), part.Height());
  fw::TCanvas* c = face.Canvas();
  c->SetOrigin(-part.Left, -part.Top);
  PaintBackground(c, part);
  if (scaleBkVisible_) PaintBand(c);
  c->Brush()->SetStyle(fw::bsClear);  // labels and caption are drawn transparently
  if (scaleVisible_) PaintScale(c);
  // Caption a third of the radius above the pivot.
  c->SetFont(fontCaption_.get());
  c->TextOut(pivotX_ - c->TextWidth(Caption()) / 2,
             pivotY_ - RoundInt(scaleRadius_ / 3) - c->TextHeight(Caption()) / 2, Caption());
  // Needles: the secondary first, so it lies under the primary and under whatever the
  // application draws in place of the primary.
  if (needleSec_->Visible()) PaintNeedle(c, *needleSec_, valueSec_);
  bool needleDrawn = false;
  OnBeforeDrawNeedle(this, c, needleDrawn);
  if (!needleDrawn) PaintNeedle(c, *needle_, value_);
  PaintRims(c);
  PaintAnchor(c);
  if (limWatchHighOn_) PaintLamp(c, w - rimSide_ - 18, highLimitActive_);
  if (limWatchLowOn_) PaintLamp(c, rimSide_ + 8, lowLimitActive_);
  OnMeterRendered(this, c);
  PaintFrame(c);
  target->Draw(part.Left, part.Top, &face);
}

// The coloured ring under the scale: three pies from the outer radius, then the inside
// blanked with the face colour.
void TMeter::PaintBand(fw::TCanvas* c) {
  const double aMin = MinEndAngle();
  const double aMax = MaxEndAngle();
  // Thresholds read from a form may lie outside the range: ScaleAngle brings them onto the
  // arc, so no pie runs the long way round the face.
  const double aLow = ScaleAngle(thresholdLow_) * kDegToRad;
  const double aHigh = ScaleAngle(thresholdHigh_) * kDegToRad;
  const int ro = RoundInt(scaleRadius_ + 4);
  const int ri = RoundInt((100 - scaleBkWidth_) * scaleRadius_ / 100);
  auto pie = [&](fw::TColor color, double from, double to) {
    if (std::fabs(from - to) <= 1e-6) return;
    c->Brush()->SetColor(color);
    c->Pen()->SetColor(color);
    fw::TPoint s = ArcPoint(from), e = ArcPoint(to);
    c->Pie(pivotX_ - ro, pivotY_ - ro, pivotX_ + ro + 1, pivotY_ + ro, s.X, s.Y, e.X, e.Y);
  };
  pie(colorSclBkLow_, aLow, aMin);
  pie(colorSclBkNorm_, aHigh, aLow);
  pie(colorSclBkHigh_, aMax, aHigh);
  c->Brush()->SetColor(colorBakG_);
  c->Pen()->SetColor(colorBakG_);
  c->Ellipse(pivotX_ - ri, pivotY_ - ri, pivotX_ + ri + 1, pivotY_ + ri);
}

void TMeter::PaintRims(fw::TCanvas* c) {
  const int w = FaceWidth();
  const int h = FaceHeight();
  c->Brush()->SetStyle(fw::bsSolid);
  c->Brush()->SetColor(colorCover_);
  c->Pen()->SetColor(colorCover_);
  c->Rectangle(0, 0, rimSide_ - 1, h);
  c->Rectangle(0, 0, w, rimTop_);
  c->Rectangle(w - rimSide_, 0, w, h);
  c->Rectangle(0, h - rimBottom_, w, h);
}

void TMeter::PaintLamp(fw::TCanvas* c, int left, bool active) {
  const int top = rimTop_ + 8;
  c->Brush()->SetStyle(fw::bsSolid);
  c->Brush()->SetColor(active ? limWatchActColor_ : limWatchPsvColor_);
  c->Pen()->SetColor(fw::clBlack);
  c->Rectangle(left, top, left + 10, top + 10);
  c->Pen()->SetColor(fw::clWhite);
  c->MoveTo(left + 1, top + 9);
  c->LineTo(left + 9, top + 9);
  c->LineTo(left + 9, top);
  c->Pen()->SetColor(fw::clSilver);
  c->MoveTo(left + 2, top + 8);
  c->LineTo(left + 8, top + 8);
  c->LineTo(left + 8, top + 1);
  c->Pen()->SetColor(fw::clGray);
  c->MoveTo(left + 1, top + 8);
  c->LineTo(left + 1, top + 1);
  c->LineTo(left + 9, top + 1);
}

void TMeter::PaintFrame(fw::TCanvas* c) {
  const fw::TRect face = fw::Rect(0, 0, FaceWidth(), FaceHeight());
  auto edges = [&](fw::TColor topLeft, fw::TColor bottomRight) {
    fw::Frame3D(c, face, topLeft, bottomRight, 1, fw::bcSidesOwn);
  };
  auto groove = [&](fw::TColor outer, fw::TColor inner) { fw::EtchedFrame(c, face, outer, inner); };
  switch (frameStyle_) {
    case fstNone:
      break;
    case fstPlain:
      edges(colorBakG_, colorBakG_);
      break;
    case fstSunken:
      edges(frameShadowColor_, frameLightColor_);
      break;
    case fstRaised:
      edges(frameLightColor_, frameShadowColor_);
      break;
    case fstEmbossed:
      groove(frameLightColor_, frameShadowColor_);
      break;
    case fstEngraved:
      groove(frameShadowColor_, frameLightColor_);
      break;
  }
}

}  // namespace zeb
