// TMeter: the value, range, threshold and logarithmic-scale rules with their zone events.
#include <cmath>

#include "framework/rtl/numtext.h"
#include "meter/ZEB_Meter.h"

namespace zeb {

namespace {
// The smallest range end a logarithmic scale accepts.
constexpr double kLogFloor = 1e-100;
}  // namespace

bool TMeter::Loading() const {
  return ComponentState().Contains(fw::csLoading);
}

// No value has a fraction of a range whose width is infinite or not a number, so such a
// range would leave the needle without an angle.
void TMeter::CheckRangeWidth(double lo, double hi) const {
  if (std::isfinite(hi - lo)) return;
  throw EZEBError("Component \"" + Name() + "\": the range " + fw::FloatToStr(lo) + " .. " +
                  fw::FloatToStr(hi) + " is too wide");
}

double TMeter::Clamped(double v) const {
  if (v > maxValue_) return maxValue_;
  if (v < minValue_) return minValue_;
  return v;
}

void TMeter::EvaluateZone(double v) {
  if (v >= thresholdHigh_) {
    highLimitActive_ = true;
    DoOverFlowEvent();
  } else if (v > thresholdLow_) {
    DoNormalRangeEvent();
  } else {
    lowLimitActive_ = true;
    DoUnderFlowEvent();
  }
}

// NaN is refused by every numeric setter here: it would pass every clamp and end in the
// pixel rounding of the painting.
void TMeter::SetValue(double x) {
  if (std::isnan(x)) return;
  if (Loading()) {
    value_ = x;
    return;
  }
  if (x == value_) return;
  value_ = Clamped(x);
  highLimitActive_ = false;
  lowLimitActive_ = false;
  if (needle_->Visible()) EvaluateZone(value_);
  Redraw();
}

// A change of the secondary value clears both lamps; it is evaluated and repainted only
// while the secondary needle is shown.
void TMeter::SetValue2(double x) {
  if (std::isnan(x)) return;
  if (Loading()) {
    valueSec_ = x;
    return;
  }
  if (x == valueSec_) return;
  valueSec_ = Clamped(x);
  highLimitActive_ = false;
  lowLimitActive_ = false;
  if (!needleSec_->Visible()) return;
  EvaluateZone(valueSec_);
  Redraw();
}

// The new range is checked as a whole before anything is stored.
void TMeter::SetMinValue(double x) {
  if (std::isnan(x) || (logarithmic_ && x < kLogFloor)) return;
  if (Loading()) {
    CheckRangeWidth(x, maxValue_);
    minValue_ = x;
    return;
  }
  if (x == minValue_) return;
  const double newMax = maxValue_ <= x ? x + 1 : maxValue_;
  CheckRangeWidth(x, newMax);
  minValue_ = x;
  maxValue_ = newMax;
  for (double* v : {&value_, &valueSec_, &thresholdLow_, &thresholdHigh_})
    if (*v < minValue_) *v = minValue_;
  Redraw();
}

void TMeter::SetMaxValue(double x) {
  if (std::isnan(x) || (logarithmic_ && x < kLogFloor)) return;
  if (Loading()) {
    CheckRangeWidth(minValue_, x);
    maxValue_ = x;
    return;
  }
  if (x == maxValue_) return;
  double newMin = minValue_;
  if (newMin >= x) {
    newMin = x - 1;
    if (logarithmic_ && newMin <= 0) newMin = x / 10;
  }
  CheckRangeWidth(newMin, x);
  minValue_ = newMin;
  maxValue_ = x;
  for (double* v : {&value_, &valueSec_, &thresholdLow_, &thresholdHigh_})
    if (*v > maxValue_) *v = maxValue_;
  Redraw();
}

void TMeter::SetLowThreshold(double x) {
  if (std::isnan(x) || (logarithmic_ && x < kLogFloor)) return;
  if (Loading()) {
    thresholdLow_ = x;
    return;
  }
  if (x == thresholdLow_) return;
  thresholdLow_ = Clamped(x);
  if (thresholdLow_ > thresholdHigh_) thresholdHigh_ = thresholdLow_;
  lowLimitActive_ = false;
  if (value_ <= thresholdLow_) {
    lowLimitActive_ = true;
    DoUnderFlowEvent();
  }
  Redraw();
}

void TMeter::SetHighThreshold(double x) {
  if (std::isnan(x) || (logarithmic_ && x < kLogFloor)) return;
  if (Loading()) {
    thresholdHigh_ = x;
    return;
  }
  if (x == thresholdHigh_) return;
  thresholdHigh_ = Clamped(x);
  if (thresholdHigh_ < thresholdLow_) thresholdLow_ = thresholdHigh_;
  highLimitActive_ = false;
  if (value_ >= thresholdHigh_) {
    highLimitActive_ = true;
    DoOverFlowEvent();
  }
  Redraw();
}

void TMeter::SetLogarithmic(bool value) {
  if (Loading()) {
    logarithmic_ = value;
    return;
  }
  if (value == logarithmic_) return;
  logarithmic_ = (minValue_ <= kLogFloor || maxValue_ <= kLogFloor) ? false : value;
  Redraw();
}

void TMeter::DoOverFlowEvent() {
  OnOverFlow(this);
}
void TMeter::DoNormalRangeEvent() {
  OnNormalRange(this);
}
void TMeter::DoUnderFlowEvent() {
  OnUnderFlow(this);
}

}  // namespace zeb
