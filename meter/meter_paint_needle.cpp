// TMeter: the needle polygon with its shadow, and the cover over the pivot.
#include <cmath>
#include <numbers>

#include "framework/rtl/rounding.h"
#include "meter/ZEB_Meter.h"

namespace zeb {

namespace {
constexpr double kDegToRad = std::numbers::pi / 180.0;
int RoundInt(double x) {
  return static_cast<int>(fw::Round(x));
}
}  // namespace

// An arrow head on a shaft: barb, tip, barb, shoulder, two pivot corners, shoulder. The
// shadow is the same polygon shifted back by the shadow offset.
void TMeter::PaintNeedle(fw::TCanvas* c, const TNeedleLayout& layout, double value) {
  const double a = ScaleAngle(value) * kDegToRad;
  const double length = layout.PercentNeedleLength() * (scaleRadius_ - 4) * 0.01;
  const fw::TPoint tip = RadialPoint(a, length);
  const double tx = tip.X, ty = tip.Y;
  const double h = layout.HeadAngle() * kDegToRad;
  const double sx = std::sin(a) * layout.Thickness() / 2;
  const double cy = std::cos(a) * layout.Thickness() / 2;
  const double hs = layout.HeadSize();
  const double hm = layout.HeadMidLeng();
  const int dx = layout.ShadowDx();
  const int dy = layout.ShadowDy();
  fw::TPoint p[7] = {
      {RoundInt(tx - std::cos(a + h / 2) * hs), RoundInt(ty + std::sin(a + h / 2) * hs)},
      {tip.X, tip.Y},
      {RoundInt(tx - std::cos(a - h / 2) * hs), RoundInt(ty + std::sin(a - h / 2) * hs)},
      {RoundInt(tx - sx - std::cos(a) * hm), RoundInt(ty - cy + std::sin(a) * hm)},
      {RoundInt(pivotX_ - sx), RoundInt(pivotY_ - cy)},
      {RoundInt(pivotX_ + sx), RoundInt(pivotY_ + cy)},
      {RoundInt(tx + sx - std::cos(a) * hm), RoundInt(ty + cy + std::sin(a) * hm)},
  };
  for (fw::TPoint& q : p) q = fw::Point(q.X - dx, q.Y - dy);
  c->Brush()->SetStyle(fw::bsSolid);
  if (dx != 0 || dy != 0) {
    c->Pen()->SetColor(layout.ShadowColor());
    c->Brush()->SetColor(layout.ShadowColor());
    c->Polygon(p);
    for (fw::TPoint& q : p) q = fw::Point(q.X + dx, q.Y + dy);
  }
  c->Pen()->SetColor(layout.ColorOutline());
  c->Brush()->SetColor(layout.ColorBody());
  c->Polygon(p);
}

// The sunken edge of the face inside the rims, then the cover: the anchor picture through
// its mask, a round cap where the arc surrounds the pivot, else a half cap on a pillar.
void TMeter::PaintAnchor(fw::TCanvas* c) {
  const int w = FaceWidth();
  const int h = FaceHeight();
  const int cx = pivotX_, cy = pivotY_, r = anchorSize_;
  auto bevel = [&] {
    c->Pen()->SetColor(fw::clWhite);
    c->MoveTo(rimSide_ - 1, h - rimBottom_);
    c->LineTo(w - rimSide_, h - rimBottom_);
    c->LineTo(w - rimSide_, rimTop_);
    c->Pen()->SetColor(fw::clGray);
    c->LineTo(rimSide_ - 1, rimTop_);
    c->LineTo(rimSide_ - 1, h - rimBottom_);
  };
  if (!anchorCovered_) {
    bevel();
    return;
  }
  if (!anchorImage_.empty()) {
    bevel();
    const int iw = anchorBitmap_->Width(), ih = anchorBitmap_->Height();
    const fw::TRect box = fw::Rect(cx - iw / 2, cy - ih / 2, cx - iw / 2 + iw, cy - ih / 2 + ih);
    c->SetCopyMode(fw::cmSrcAnd);
    c->StretchDraw(box, anchorMask_.get());
    c->SetCopyMode(fw::cmSrcPaint);
    c->StretchDraw(box, anchorBitmap_.get());
    return;
  }
  if (layout_ == mlCirc270 || layout_ == mlCirc300 || layout_ == mlCirc360) {
    c->Ellipse(cx - r, cy - r, cx + r, cy + r);
    bevel();
    c->Pen()->SetColor(fw::clWhite);
    c->Arc(cx - r, cy - r, cx + r, cy + r, cx + r, cy - r, cx - r, cy + r);
    c->Pen()->SetColor(fw::clGray);
    c->Arc(cx - r, cy - r, cx + r, cy + r, cx - r, cy + r, cx + r, cy - r);
    return;
  }
  c->Pie(cx - r, cy - r, cx + r, cy + r, w, cy, 0, cy);
  c->Rectangle(cx - r, cy, cx + r, h - rimBottom_);
  c->Pen()->SetColor(fw::clGray);
  c->MoveTo(cx + r - 1, cy);
  c->LineTo(cx + r - 1, h - rimBottom_);
  c->Pen()->SetColor(fw::clWhite);
  c->LineTo(w - rimSide_, h - rimBottom_);
  c->LineTo(w - rimSide_, rimTop_);
  c->Pen()->SetColor(fw::clGray);
  c->LineTo(rimSide_ - 1, rimTop_);
  c->LineTo(rimSide_ - 1, h - rimBottom_);
  c->Pen()->SetColor(fw::clWhite);
  c->LineTo(cx - r, h - rimBottom_);
  c->LineTo(cx - r, cy - 1);
  c->Arc(cx - r, cy - r, cx + r, cy + r, w, cy, 0, cy);
  // The first 45 degrees of the cap from the right lie in its shadow.
  c->Pen()->SetColor(fw::clGray);
  c->Arc(cx - r, cy - r, cx + r, cy + r, cx + r, cy, cx + r, cy - r);
}

}  // namespace zeb
