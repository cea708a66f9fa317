// TMeter: the layout of the face for each arc span and the mappings between value, angle
// and pixel.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/rtl/rounding.h"
#include "meter/ZEB_Meter.h"

namespace zeb {

// Beyond the canvas's coordinate range no face could be drawn; bounding the face there keeps
// every sum of the layout and the painting within int.
int TMeter::FaceWidth() const {
  return std::min(Width(), kMaxFaceSide);
}
int TMeter::FaceHeight() const {
  return std::min(Height(), kMaxFaceSide);
}

// Layouts with the pivot at the bottom (90, 120, 180 degrees) fit the arc between the top
// rim and the pivot, and its ends between the side rims. Layouts whose arc passes below the
// pivot (270, 300, 360 degrees) put the pivot one radius below the top rim and fit the part
// of the arc below the pivot (cos of half the missing gap) into the height:
//   270: the ends lie 45 degrees below the horizontal, 0.7071 R below the pivot;
//   360: the full circle reaches R below the pivot.
// In every layout the arc keeps 8 pixels from the side rims and the top rim, like the
// 120 and 300 degree layouts.
void TMeter::CalcMeterLayoutParams() {
  const int w = FaceWidth();
  const int h = FaceHeight();
  const double heightFit = h - rimBottom_ - rimTop_ - 16;
  const double halfWidthFit = (w / 2) - rimSide_ - 8;  // W div 2
  scaleRadius_ = heightFit;
  pivotX_ = w / 2;
  pivotY_ = h - rimBottom_ - 8;
  scaleSpan_ = 90;
  auto hangingPivot = [&](double depth) {
    scaleRadius_ = std::min(halfWidthFit, heightFit / (1.0 + depth));
    pivotY_ = static_cast<int>(fw::Round(rimTop_ + 8 + scaleRadius_));
  };
  switch (layout_) {
    case mlCirc90:
      break;
    case mlCirc120:
      scaleSpan_ = 120;
      scaleRadius_ = std::min(heightFit, (w / 2.0 - rimSide_ - 8) * 1.1547);
      break;
    case mlCirc180:
      scaleSpan_ = 180;
      scaleRadius_ = std::min(heightFit, halfWidthFit);
      break;
    case mlCirc270:
      scaleSpan_ = 270;
      hangingPivot(0.7071);
      break;
    case mlCirc300:
      scaleSpan_ = 300;
      scaleRadius_ = std::min(halfWidthFit, heightFit / 1.866);
      pivotY_ = static_cast<int>(fw::Round(rimTop_ + 8 + scaleRadius_));
      break;
    case mlCirc360:
      scaleSpan_ = 360;
      hangingPivot(1.0);
      break;
  }
}

void TMeter::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  CalcMeterLayoutParams();
}

// The logarithmic fraction needs a positive range; values stored raw while loading may not
// give one, and then the linear fraction is used.
bool TMeter::LogUsable() const {
  return logarithmic_ && minValue_ > 0 && maxValue_ > 0;
}

// A range of zero width (possible with raw values read from a form) maps every value to the
// minimum's end of the arc instead of dividing by zero.
double TMeter::Fraction(double v) const {
  if (LogUsable() && v > 0) {
    double span = std::log(maxValue_) - std::log(minValue_);
    return span == 0 ? 0.0 : (std::log(v) - std::log(minValue_)) / span;
  }
  double span = maxValue_ - minValue_;
  return span == 0 ? 0.0 : (v - minValue_) / span;
}

double TMeter::CalcNeedleAngle(double value) const {
  return 180.0 - scaleSpan_ / 2.0 + scaleSpan_ * Fraction(Clamped(value));
}

double TMeter::ScaleAngle(double value) const {
  return 90.0 + scaleSpan_ / 2.0 - scaleSpan_ * Fraction(Clamped(value));
}

void TMeter::ConvertToPixelCoords(double value, double radius, int& X, int& Y) const {
  const double a = (-90.0 - CalcNeedleAngle(value)) * std::numbers::pi / 180.0;
  const double r = 0.01 * radius * scaleRadius_;
  X = static_cast<int>(fw::Round(std::cos(a) * r + pivotX_));
  Y = static_cast<int>(fw::Round(pivotY_ - std::sin(a) * r));
}

namespace {
// Angle of (dx, dy) in radians, 0..2 pi, screen y pointing down.
double FullCircleAngle(double dx, double dy) {
  constexpr double pi = std::numbers::pi;
  double angle;
  if (dx == 0)
    angle = dy > 0 ? pi / 2 : 3 * pi / 2;
  else if (dx < 0)
    angle = std::atan(dy / dx) + pi;
  else
    angle = std::atan(dy / dx);
  if (angle < 0) angle += 2 * pi;
  if (angle > 2 * pi) angle -= 2 * pi;
  return angle;
}
}  // namespace

bool TMeter::ConvertPixelToValue(int X, int Y, double& value) const {
  double m = FullCircleAngle(X - pivotX_, Y - pivotY_) * 57.29577951308232 - 90;
  if (m < 0) m += 360;
  const double lo = 180.0 - scaleSpan_ / 2.0;
  const double hi = 180.0 + scaleSpan_ / 2.0;
  if (m < lo || m > hi) {
    value = 0;
    return false;
  }
  const double f = (m - lo) / scaleSpan_;
  if (LogUsable())
    value = std::exp(std::log(minValue_) + (std::log(maxValue_) - std::log(minValue_)) * f);
  else
    value = minValue_ + f * (maxValue_ - minValue_);
  return true;
}

int TMeter::CalcM(int DecPlaces, double A, double B) {
  if (DecPlaces != -2) return DecPlaces;
  const double d = std::fabs(A - B);
  if (d >= 1000000 || d <= 0.0001) return -1;
  if (d >= 100) return 0;
  return 2 - static_cast<int>(fw::Round(std::log(d) / 2.5));
}

void TMeter::MouseMove(fw::TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  double value = 0;
  bool within = ConvertPixelToValue(X, Y, value);
  MouseMoveInMeter(within, Shift, value);
}

void TMeter::MouseMoveInMeter(bool WithinRange, fw::TShiftState Shift, double value) {
  OnMouseMoveInMeter(this, WithinRange, Shift, value);
}

}  // namespace zeb
