// TMeter: the scale: arc, tick spacing, minor and major ticks, logarithmic decades and the
// labels with their event.
#include <cmath>
#include <numbers>

#include "companion/ZEB_math1.h"
#include "companion/ZEB_univconst.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/rounding.h"
#include "meter/ZEB_Meter.h"

namespace zeb {

namespace {
constexpr double kDegToRad = std::numbers::pi / 180.0;
constexpr double kLn10 = 2.302585092994046;
// No scale draws more ticks than this: a tiny step on a wide range would otherwise run
// for a very long time.
constexpr int kMaxTicks = 2000;
int RoundInt(double x) {
  return static_cast<int>(fw::Round(x));
}
double IntPart(double x) {
  return std::trunc(x);
}
}  // namespace

TMeter::TTickSpacing TMeter::CalcTickSpacing(int N, double lo, double hi) {
  TTickSpacing t;
  if (hi == lo || !std::isfinite(hi - lo) || N < 1) {
    t.First = lo;
    return t;
  }
  const double d = lo < hi ? 1 : -1;
  double L = std::log(std::fabs(hi - lo) / N) / kLn10;
  double F = L - IntPart(L);
  if (std::fabs(F) < 1e-10 || std::fabs(F) > 0.9999999999) {
    F = 0;
    L = static_cast<double>(fw::Round(L));
  }
  if (L < 0 && F != 0) L -= 1;
  if (F < 0) F += 1;
  constexpr double log2 = 0.3010299956639812;
  constexpr double log5 = 0.6989700043360189;
  if (F < log2 + 1e-10) {
    L = IntPart(L);
    t.SubDiv = 5;
  } else if (F < log5 + 1e-10) {
    L = IntPart(L) + log2;
    t.SubDiv = 4;
  } else {
    L = IntPart(L) + log5;
    t.SubDiv = 5;
  }
  t.Step = d * std::exp(L * kLn10);
  t.First = (IntPart(lo / t.Step) - 1) * t.Step;
  for (int guard = 0; d * (lo - t.First) > 0.001 * std::fabs(t.Step) && guard < 4; ++guard)
    t.First += t.Step;
  return t;
}

std::string TMeter::FormatScaleLabel(double v, int d) {
  return fw::Str(v, 0, d < 0 ? 0 : d);
}

void TMeter::PaintScale(fw::TCanvas* c) {
  const double r = scaleRadius_;
  const int rr = RoundInt(r);
  c->Pen()->SetColor(colorScale_);
  if (scaleLine_) {
    const fw::TPoint qMax = ArcPoint(MaxEndAngle());
    const fw::TPoint qMin = ArcPoint(MinEndAngle());
    c->Arc(pivotX_ - rr, pivotY_ - rr, pivotX_ + rr + 1, pivotY_ + rr, qMax.X, qMax.Y, qMin.X,
           qMin.Y);
  }
  const TTickSpacing t = CalcTickSpacing(nrTicks_, minValue_, maxValue_);
  // Minor ticks between the majors.
  if (shortTicks_ && t.Step > 0) {
    const double minor = t.Step / t.SubDiv;
    const double start = t.First - t.Step;
    for (int k = 0; k < kMaxTicks; ++k) {
      const double v = start + k * minor;
      const double f = (v - t.First) / t.Step;
      if (std::fabs(f - IntPart(f)) > 1e-5 && v >= minValue_) {
        const double a = ScaleAngle(v) * kDegToRad;
        fw::TPoint p = RadialPoint(a, r), q = RadialPoint(a, r - 4);
        c->MoveTo(p.X, p.Y);
        c->LineTo(q.X, q.Y);
      }
      if (start + (k + 1) * minor - maxValue_ > 0.001 * minor) break;
    }
  }
  const int decimals = CalcM(decPlaces_, minValue_, maxValue_);
  c->SetFont(Font());
  const std::string widest = FormatScaleLabel(maxValue_, decimals);
  const double dx = c->TextWidth(widest) / 2.0 + 15;
  const double dy = c->TextHeight(widest) / 2.0 + 15;
  PaintMajorTicks(c, dx, dy, decimals);
}

void TMeter::PaintMajorTicks(fw::TCanvas* c, double labelDx, double labelDy, int decimals) {
  const double decades = std::log(maxValue_ / minValue_) / static_cast<double>(uc_ln10);
  if (LogUsable() && std::fabs(decades) >= 1) {
    // Ticks at every k times a power of ten inside the range, labels at 1, 2 and 5.
    const int e = IntNeg(std::log(0.999999999 * minValue_) / static_cast<double>(uc_ln10));
    const double base = std::exp(e * static_cast<double>(uc_ln10));
    int drawn = 0;
    for (double m = 1; 0.999999999 * base * m <= maxValue_ && drawn < kMaxTicks; m *= 10) {
      for (int k = 1; k <= 9; ++k, ++drawn) {
        const double v = k * base * m;
        if (v / 0.999999999 > minValue_ && v * 0.999999999 < maxValue_)
          PaintTickAndLabel(c, v, k == 1 || k == 2 || k == 5, labelDx, labelDy, decimals);
      }
    }
    return;
  }
  const TTickSpacing t = CalcTickSpacing(nrTicks_, minValue_, maxValue_);
  if (t.Step == 0) {
    PaintTickAndLabel(c, minValue_, true, labelDx, labelDy, decimals);
    return;
  }
  for (int k = 0; k < kMaxTicks; ++k) {
    const double v = t.First + k * t.Step;
    // A logarithmic scale within a decade has no position for zero or below.
    if (!(LogUsable() && v <= 0)) PaintTickAndLabel(c, v, true, labelDx, labelDy, decimals);
    if (t.First + (k + 1) * t.Step - maxValue_ > 0.001 * t.Step) break;
  }
}

void TMeter::PaintTickAndLabel(fw::TCanvas* c, double v, bool label, double labelDx, double labelDy,
                               int decimals) {
  const double r = scaleRadius_;
  const double a = ScaleAngle(v) * kDegToRad;
  fw::TPoint p = RadialPoint(a, r), q = RadialPoint(a, r - 8);
  c->MoveTo(p.X, p.Y);
  c->LineTo(q.X, q.Y);
  if (!label) return;
  const int x = RoundInt(std::cos(a) * (r - labelDx) + pivotX_);
  const int y = RoundInt(pivotY_ - std::sin(a) * (r - labelDy));
  std::string text = FormatScaleLabel(v, decimals);
  OnBeforeDrawScaleLabel(this, c, text, x - c->TextWidth(text) / 2, y - c->TextHeight(text) / 2);
  if (!text.empty()) c->TextOut(x - c->TextWidth(text) / 2, y - c->TextHeight(text) / 2, text);
}

}  // namespace zeb
