// TNeedleLayout: the look of one meter needle; every change is reported through OnChange.
#include <algorithm>

#include "meter/ZEB_Meter.h"

namespace zeb {

namespace {
// Needle lengths and offsets stay within a range in which the polygon's arithmetic cannot
// overflow, whatever the meter's size.
int ClampedLength(int value) {
  return std::clamp(value, -kMeterMaxPixels, kMeterMaxPixels);
}
}  // namespace

template <typename V>
void TNeedleLayout::Store(V& field, V value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TNeedleLayout::Changed() {
  OnChange(this);
}

void TNeedleLayout::SetColorFill(fw::TColor value) {
  Store(colorBody_, value);
}
void TNeedleLayout::SetColorLine(fw::TColor value) {
  Store(colorOutline_, value);
}
void TNeedleLayout::SetArrowSize1(int value) {
  Store(headSize_, ClampedLength(value));
}
void TNeedleLayout::SetArrowThick(int value) {
  Store(thickness_, ClampedLength(value));
}
void TNeedleLayout::SetNeedleLength(int value) {
  Store(percentLength_, std::clamp(value, 0, 100));
}
void TNeedleLayout::SetArrowAngle1(int value) {
  Store(headAngle_, std::clamp(value, 0, 180));
}
void TNeedleLayout::SetBackShift1(int value) {
  Store(headMidLeng_, ClampedLength(value));
}
void TNeedleLayout::SetShadowDx(int value) {
  Store(shadowDx_, ClampedLength(value));
}
void TNeedleLayout::SetShadowDy(int value) {
  Store(shadowDy_, ClampedLength(value));
}
void TNeedleLayout::SetShadowColor(fw::TColor value) {
  Store(shadowColor_, value);
}
void TNeedleLayout::SetVisible(bool value) {
  Store(visible_, value);
}

void TNeedleLayout::Assign(fw::TPersistent* source) {
  auto* other = dynamic_cast<TNeedleLayout*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  colorBody_ = other->colorBody_;
  colorOutline_ = other->colorOutline_;
  headSize_ = other->headSize_;
  thickness_ = other->thickness_;
  percentLength_ = other->percentLength_;
  headAngle_ = other->headAngle_;
  headMidLeng_ = other->headMidLeng_;
  shadowDx_ = other->shadowDx_;
  shadowDy_ = other->shadowDy_;
  shadowColor_ = other->shadowColor_;
  visible_ = other->visible_;
  Changed();
}

}  // namespace zeb
