// TMeter: construction, the appearance properties and their repaint rule.
#include <algorithm>
#include <cmath>

#include "framework/controls/application.h"
#include "meter/ZEB_Meter.h"

namespace zeb {

TMeter::TMeter(fw::TComponent* AOwner)
    : fw::TGraphicControl(AOwner),
      backgroundBitmap_(std::make_unique<fw::TBitmap>(10, 10)),
      anchorBitmap_(std::make_unique<fw::TBitmap>(10, 10)),
      anchorMask_(std::make_unique<fw::TBitmap>(10, 10)),
      fontCaption_(std::make_unique<fw::TFont>()),
      needle_(std::make_unique<TNeedleLayout>()),
      needleSec_(std::make_unique<TNeedleLayout>()) {
  fontCaption_->Assign(*Font());
  needleSec_->SetVisible(false);
  needle_->OnChange = [this](fw::TObject* sender) { StyleChanged(sender); };
  needleSec_->OnChange = [this](fw::TObject* sender) { StyleChanged(sender); };
  SetBounds(Left(), Top(), 297, 209);  // also computes the layout parameters
}

TMeter::~TMeter() = default;

void TMeter::StyleChanged(fw::TObject*) {
  Redraw();
}

void TMeter::Redraw() {
  try {
    Paint();
  } catch (...) {
    fw::Application->HandleException(this);
  }
}

template <typename V>
void TMeter::StoreAndPaint(V& field, V value) {
  if (field == value) return;
  field = value;
  Redraw();
}

void TMeter::SetMeterLayout(TMeterLayout value) {
  if (value == layout_) return;
  layout_ = value;
  CalcMeterLayoutParams();
  Redraw();
}

void TMeter::SetMeterNrTicks(int value) {
  if (value == nrTicks_) return;
  nrTicks_ = std::clamp(value, 2, 21);
  Redraw();
}

void TMeter::SetMeterDecPlaces(int value) {
  if (value == decPlaces_) return;
  decPlaces_ = std::clamp(value, 0, 4);
  Redraw();
}

void TMeter::SetMeterShortTicks(bool value) {
  StoreAndPaint(shortTicks_, value);
}
void TMeter::SetMeterScaleLine(bool value) {
  StoreAndPaint(scaleLine_, value);
}

void TMeter::SetScaleVisible(bool value) {
  scaleVisible_ = value;
  Redraw();
}

void TMeter::SetScaleBkVisible(bool value) {
  scaleBkVisible_ = value;
  Redraw();
}

// NaN is kept out like every other numeric input of the meter.
void TMeter::SetScaleBkWidth(double value) {
  if (std::isnan(value)) return;
  scaleBkWidth_ = std::clamp(value, 0.0, 100.0);
  Redraw();
}

void TMeter::SetColorScale(fw::TColor value) {
  StoreAndPaint(colorScale_, value);
}
void TMeter::SetColorSclBkLow(fw::TColor value) {
  StoreAndPaint(colorSclBkLow_, value);
}
void TMeter::SetColorSclBkNorm(fw::TColor value) {
  StoreAndPaint(colorSclBkNorm_, value);
}
void TMeter::SetColorSclBkHigh(fw::TColor value) {
  StoreAndPaint(colorSclBkHigh_, value);
}
void TMeter::SetColorBakG(fw::TColor value) {
  StoreAndPaint(colorBakG_, value);
}
void TMeter::SetColorCover(fw::TColor value) {
  StoreAndPaint(colorCover_, value);
}

void TMeter::SetColorScheme(TColorScheme value) {
  if (value == colorScheme_) return;
  colorScheme_ = value;
  FrameColorsOfScheme(value, frameShadowColor_, frameLightColor_);
  Redraw();
}

void TMeter::SetFrameStyle(TFrameStyle value) {
  StoreAndPaint(frameStyle_, value);
}
void TMeter::SetLimWatchHighOn(bool value) {
  StoreAndPaint(limWatchHighOn_, value);
}
void TMeter::SetLimWatchLowOn(bool value) {
  StoreAndPaint(limWatchLowOn_, value);
}
void TMeter::SetLimWatchActColor(fw::TColor value) {
  StoreAndPaint(limWatchActColor_, value);
}
void TMeter::SetLimWatchPsvColor(fw::TColor value) {
  StoreAndPaint(limWatchPsvColor_, value);
}

// A rim change repaints only; the layout parameters follow at the next resize or layout
// change, as the scale's geometry does not depend on the rims between those. Lengths are
// kept within a range in which no face arithmetic overflows.
void TMeter::SetRimTop(int value) {
  StoreAndPaint(rimTop_, std::clamp(value, 0, kMeterMaxPixels));
}
void TMeter::SetRimBottom(int value) {
  StoreAndPaint(rimBottom_, std::clamp(value, 0, kMeterMaxPixels));
}
void TMeter::SetRimSide(int value) {
  StoreAndPaint(rimSide_, std::clamp(value, 0, kMeterMaxPixels));
}
void TMeter::SetAnchorCovered(bool value) {
  StoreAndPaint(anchorCovered_, value);
}
void TMeter::SetAnchorSize(int value) {
  StoreAndPaint(anchorSize_, std::clamp(value, 0, kMeterMaxPixels));
}

void TMeter::SetBkgndFillMode(TBkgFill value) {
  if (value != bkgndFillMode_) tiles_.reset();
  bkgndFillMode_ = value;
  Redraw();
}

void TMeter::SetUnitLabel(const std::string& value) {
  SetCaption(value);
  Redraw();
}

void TMeter::SetFontCaption(const fw::TFont* value) {
  if (value != nullptr) fontCaption_->Assign(*value);
  Redraw();
}

// Assign raises the layout's OnChange, which repaints through StyleChanged.
void TMeter::SetNeedleLayout(TNeedleLayout* value) {
  if (value != nullptr) needle_->Assign(value);
}

void TMeter::SetNeedleLayoutSec(TNeedleLayout* value) {
  if (value != nullptr) needleSec_->Assign(value);
}

}  // namespace zeb
